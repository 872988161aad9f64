// What the verbs of vimble-tool share. Each group of verbs lives in its own file and adds
// itself to the table; the usage text is made from the table.
#pragma once

#include "platform/message.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A verb returns the exit status: 0 success, 1 failure (after printing one line), or -1 for a
// misused command line (the tool then prints the usage and exits with 2).
using VerbFunction = std::function<int(const std::vector<std::string>& args)>;

struct Verb {
    std::string strUsage;   // "new OUT.kel"
    std::string strSummary; // "write a new, empty project"
    VerbFunction run;
};

using VerbTable = std::map<std::string, Verb>;

void AddProjectVerbs(VerbTable& verbs);
void AddExportVerbs(VerbTable& verbs);
void AddMailVerbs(VerbTable& verbs);
void AddMailSettingsVerbs(VerbTable& verbs);
void AddContactsVerbs(VerbTable& verbs);
void AddPictureVerbs(VerbTable& verbs);
void AddPlaybackVerbs(VerbTable& verbs);
void AddResourceVerbs(VerbTable& verbs);
void AddSoundVerbs(VerbTable& verbs);
void AddRecordVerbs(VerbTable& verbs);
void AddOutboxVerbs(VerbTable& verbs);
void AddKeepingVerbs(VerbTable& verbs);
// outbox add, which takes the options of send.
int CmdOutboxAdd(const std::vector<std::string>& args);

class CProjectDoc;
// Reads the project as the editor opens it (the stage is 800 x 600 whatever the file says) and
// makes its buffers; the file is only read, and nothing is made beside it. None (the failure
// printed) when it cannot.
std::unique_ptr<CProjectDoc> OpenForPlayback(const std::string& path);

// Collects what the core reports while it lives, and prints it as the verb's one failure
// line, naming the file.
class CFailureLine : public platform::CMessageRecorder {
public:
    explicit CFailureLine(std::string file) : m_strFile(std::move(file)) {}
    // Prints the line to standard error and returns 1.
    int Fail();

private:
    std::string m_strFile;
};

// The movie of the project at path, read from its bytes alone (nothing is made beside it, and it
// is never written); null after its failure line went to standard error.
std::unique_ptr<class CAbstractMovie> ReadProjectOrSay(const std::string& path);

// "A-B" (first <= last) or "N" (one frame), none negative.
bool ParseRange(const std::string& text, int& first, int& last);
// "WxH", each from 1 to its largest.
bool ParseSize(const std::string& text, int& width, int& height, int maxWidth, int maxHeight);

bool EndsWith(const std::string& text, const char* suffix); // case-insensitive
// Makes the application object that fonts need (never a window: the offscreen platform unless
// another is asked for), with Qt's own chatter kept out of the tool's output. It takes the place
// of the plain one InstallToolTranslations made, and the catalogue goes on speaking.
void EnsureGuiApplication();
// Installs the catalogue of the person's language before the tool says anything: translations
// need an application object, so a plain one is made (quick to make; none in English).
void InstallToolTranslations();
// One line on standard error: "FILE: TEXT", the text a reason of the core's or the tool's own.
void PrintFileLine(const std::string& file, const std::string& text);
// One line on standard error, as it is.
void PrintLine(const std::string& text);
bool SamePath(const std::string& a, const std::string& b);
