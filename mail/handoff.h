// Sending a greeting with the person's own mail program: the picture, the video and the
// greeting file are made ready in a folder of the program's cache and handed, with the
// recipients, the subject and the text, to the desktop's mail program through "xdg-email".
// No mail server, address or password is needed for it: the mail program sends with the
// account and sign-in it keeps.
#pragma once

#include <string>
#include <vector>

// How long prepared greetings are kept for the mail program, which may read them late.
constexpr int kOutgoingKeepDays = 7;

// "$XDG_CACHE_HOME/vimble-email/outgoing" ("~/.cache/vimble-email/outgoing" when not set).
std::string OutgoingFolder();
// Removes what was prepared more than kOutgoingKeepDays days ago. Called at start.
void ClearOldOutgoing();
// A new folder of its own in OutgoingFolder() (made with mode 0700), or empty with the reason.
std::string MakeOutgoingFolder(std::string& reason);

struct CMailProgramMessage {
    std::vector<std::string> recipients; // UTF-8 addresses
    std::string strSubject; // UTF-8
    std::string strText; // UTF-8
    std::vector<std::string> attachments; // files that stay where they are
};

// Runs "xdg-email --utf8 --subject S --body T --attach F... ADDRESS..." (found on PATH) and
// waits for it, at most a short while: a mail program that it starts in the foreground keeps
// running. False, with the reason in words a person can act on, when xdg-email is missing or
// says it failed.
bool HandToMailProgram(const CMailProgramMessage& message, std::string& reason);
