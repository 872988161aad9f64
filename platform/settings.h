// The program's settings: values under Kelbrant / Vimble e-mail, profile "1.00". Installed
// system-wide defaults apply where the user has no value of their own; a value missing from
// both yields the caller's default.
#pragma once

#include <string>

namespace platform {

std::string ReadSettingString(const std::string& name, const std::string& fallback = {});
int ReadSettingInt(const std::string& name, int fallback);
// Write user values: the MIDI device, the mute switch, the mail server and sender.
void WriteSettingInt(const std::string& name, int value);
void WriteSettingString(const std::string& name, const std::string& value);

// A directory named in the settings may start with "~", the user's home (the installed
// defaults cannot know it): "~" alone and "~/..." are expanded from $HOME; anything else
// ("~other/...", a path with no "~" in front, or any path while HOME is unset or empty) is
// returned as it is. Every reader of a directory setting goes through this.
std::string ExpandHome(const std::string& path);

// "DataFiles1": the first data directory, where the address book, the message template and
// the player program live, with "~" expanded (ExpandHome). When the settings name none (or an
// empty one), the data directory found beside the program (DefaultDataDirectory); empty when
// there is none either.
std::string FirstDataDirectory();

// Where the program's files lie when no setting names them, found from the running program's
// own path, so that a build and an installation work wherever they stand:
//   installed   PREFIX/bin/PROGRAM    ->  PREFIX/share/vimble-email (library and data alike)
//   build tree  BUILD/app/PROGRAM     ->  BUILD/resources (library), BUILD/data (data)
// A directory counts only when it holds what is looked for: "ksredfr120.rcc" for the resource
// library, a library header file ("*.hdr") for the data directory.

// The directory of the running program (from /proc/self/exe), without a trailing '/'; empty
// when the system does not say.
std::string ProgramDirectory();
// The directory holding the resource library beside the program, or empty.
std::string DefaultResourceDirectory();
// The data directory beside the program (library headers, samples, "play.exe"), or empty.
std::string DefaultDataDirectory();
// The same lookups for a program that lies in programDirectory.
std::string DefaultResourceDirectoryFor(const std::string& programDirectory);
std::string DefaultDataDirectoryFor(const std::string& programDirectory);

} // namespace platform
