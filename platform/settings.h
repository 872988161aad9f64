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

// "DataFiles1": the first data directory, where the address book, the message template and
// the player program live. Empty when not set.
std::string FirstDataDirectory();

} // namespace platform
