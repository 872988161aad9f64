#include "mail/handoff.h"

#include "platform/files.h"
#include "platform/translate.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

extern char** environ;

using platform::Fill;
using platform::Tr;

namespace fs = std::filesystem;

namespace {

// xdg-email returns once the mail program has the message; one that it starts itself may
// keep it waiting for as long as that program runs.
constexpr auto kHandOffWait = std::chrono::seconds(20);

std::string CacheHome()
{
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && cache[0] == '/')
        return cache;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr && home[0] != '\0' ? home : "/tmp") + "/.cache";
}

std::string ExitReason(int status)
{
    switch (status) {
    case 2:
        return Tr("Mail", "the mail program was given a file that does not exist");
    case 3:
        return Tr("Mail", "no mail program is set up on this desktop (xdg-email found none)");
    case 4:
        return Tr("Mail", "the mail program could not take the greeting");
    default:
        return Fill(Tr("Mail", "xdg-email failed (exit status %1)"), { std::to_string(status) });
    }
}

} // namespace

std::string OutgoingFolder()
{
    return CacheHome() + "/vimble-email/outgoing";
}

void ClearOldOutgoing()
{
    std::error_code ec;
    const auto limit = fs::file_time_type::clock::now() - std::chrono::hours(24 * kOutgoingKeepDays);
    for (fs::directory_iterator it(OutgoingFolder(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code timeError;
        const auto written = fs::last_write_time(it->path(), timeError);
        if (!timeError && written < limit) {
            std::error_code removeError;
            fs::remove_all(it->path(), removeError);
        }
    }
}

std::string MakeOutgoingFolder(std::string& reason)
{
    const std::string parent = OutgoingFolder();
    std::error_code ec;
    fs::create_directories(parent, ec);
    if (ec) {
        reason = Fill(Tr("Mail", "%1 cannot be made: %2"), { parent, ec.message() });
        return {};
    }
    std::string pattern = parent + "/greeting-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        reason = Fill(Tr("Mail", "no folder can be made in %1"), { parent });
        return {};
    }
    return pattern;
}

bool HandToMailProgram(const CMailProgramMessage& message, std::string& reason)
{
    std::vector<std::string> args = { "xdg-email", "--utf8" };
    if (!message.strSubject.empty())
        args.insert(args.end(), { "--subject", message.strSubject });
    if (!message.strText.empty())
        args.insert(args.end(), { "--body", message.strText });
    for (const std::string& file : message.attachments)
        args.insert(args.end(), { "--attach", file });
    // An address that looks like an option would be taken for one.
    for (const std::string& address : message.recipients)
        if (!address.empty() && address[0] != '-')
            args.push_back(address);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, "xdg-email", nullptr, nullptr, argv.data(), environ);
    if (spawned != 0) {
        reason = spawned == ENOENT
            ? Tr("Mail", "xdg-email is not installed (it comes with the package xdg-utils)")
            : Fill(Tr("Mail", "xdg-email cannot be started: %1"),
                { std::system_category().message(spawned) });
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + kHandOffWait;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
                return true;
            reason = WIFEXITED(status) ? ExitReason(WEXITSTATUS(status))
                                       : Tr("Mail", "xdg-email ended abnormally");
            return false;
        }
        if (done < 0 && errno != EINTR) {
            reason = Tr("Mail", "xdg-email could not be waited for");
            return false;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            // The mail program runs in the foreground with the message open: it has it. The
            // process is left to it; a thread reaps it when it ends.
            std::thread([pid] {
                int status = 0;
                while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
            }).detach();
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
