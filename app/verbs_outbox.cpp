// The outbox verbs: greetings planned for a day, listed as JSON, cancelled, removed, sent now,
// and the run that sends what is due (which the hourly timer starts). --now stands in for the
// clock. The outbox is $XDG_DATA_HOME/vimble-email/outbox.
#include "app/json.h"
#include "app/tool.h"
#include "mail/contacts.h"
#include "mail/outbox.h"
#include "mail/outboxnotify.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/secret.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

using platform::Tr;

namespace {

void PrintList(const std::vector<COutboxEntry>& entries)
{
    CJsonWriter json;
    json.BeginArray();
    for (const COutboxEntry& entry : entries) {
        json.BeginObject();
        json.Text("id", entry.m_strId);
        json.Text("state", OutboxStateName(entry.m_state));
        json.Text("due", IsoTimeUtc(entry.m_due));
        json.Text("next_try", entry.m_nextTry != 0 ? IsoTimeUtc(entry.m_nextTry) : "");
        json.Text("yearly", entry.m_bYearly ? "yes" : "no");
        json.Text("to", entry.m_strTo);
        json.Text("subject", entry.m_strSubject);
        json.Text("greeting", entry.m_strProject);
        json.Text("last_sent", entry.m_lastSent != 0 ? IsoTimeUtc(entry.m_lastSent) : "");
        json.Text("attempts", std::to_string(entry.m_nAttempts));
        json.Text("last_reply", entry.m_strLastReply);
        json.EndObject();
    }
    json.EndArray();
    std::fputs(json.Result().c_str(), stdout);
}

void PrintReport(const COutboxReport& report)
{
    for (const COutboxReport::CLine& line : report.lines) {
        std::string text = line.strId + " " + line.strOutcome + " " + line.strTo;
        if (!line.strReason.empty() && line.strOutcome != "sent")
            text += ": " + line.strReason;
        std::printf("%s\n", text.c_str());
    }
    std::fflush(stdout);
}

// What a sending run needs besides the outbox: the data folder, a password given by the
// environment or a file (else the secret service's), a time-out.
bool SendOptions(const std::vector<std::string>& args, size_t first, COutboxSendOptions& options,
    std::time_t& now)
{
    options.strDataDir = platform::FirstDataDirectory();
    for (size_t i = first; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (i + 1 >= args.size())
            return false;
        const std::string& value = args[++i];
        if (arg == "--now") {
            if (!ParseIsoTime(value, now))
                return false;
        } else if (arg == "--data")
            options.strDataDir = value;
        else if (arg == "--timeout") {
            char* end = nullptr;
            const long seconds = std::strtol(value.c_str(), &end, 10);
            if (*end != '\0' || seconds < 1 || seconds > 3600)
                return false;
            options.nTimeoutSeconds = static_cast<int>(seconds);
        } else
            return false;
    }
    // As for send: from the environment, never from the command line.
    if (const char* password = std::getenv("VIMBLE_MAIL_PASSWORD"); password != nullptr && *password != '\0') {
        options.password = [given = std::string(password)](const std::string&, const std::string&) {
            return given;
        };
    }
    return true;
}

int CmdOutbox(const std::vector<std::string>& args)
{
    if (args.empty())
        return -1;
    const std::string& action = args[0];
    if (action == "add")
        return CmdOutboxAdd(std::vector<std::string>(args.begin() + 1, args.end()));
    const std::string outbox = OutboxPath();
    CFailureLine failure(outbox);
    std::string reason;
    if (action == "list") {
        if (args.size() != 1)
            return -1;
        std::vector<std::string> damaged;
        const std::vector<COutboxEntry> entries = ListOutbox(outbox, damaged);
        PrintList(entries);
        for (const std::string& line : damaged)
            PrintFileLine(outbox, line);
        return damaged.empty() ? 0 : failure.Fail();
    }
    if (action == "cancel" || action == "remove") {
        if (args.size() != 2)
            return -1;
        const bool bDone = action == "cancel" ? CancelOutboxEntry(outbox, args[1], reason)
                                              : RemoveOutboxEntry(outbox, args[1], reason);
        if (bDone)
            return 0;
        platform::ShowMessage(reason);
        return failure.Fail();
    }
    std::time_t now = std::time(nullptr);
    COutboxSendOptions options;
    if (action == "send-due" || action == "send") {
        const size_t first = action == "send" ? 2 : 1;
        if (args.size() < first || !SendOptions(args, first, options, now))
            return -1;
        // The greeting is drawn with the fonts of an application object, which the desktop's
        // bus wants as well.
        EnsureGuiApplication();
        const COutboxReport report = action == "send"
            ? SendOutboxEntryNow(outbox, args[1], now, options)
            : SendDueGreetings(outbox, now, options);
        PrintReport(report);
        NotifyOutboxReport(report);
        if (action == "send-due") {
            NotifyComingBirthdays(OutboxPath(), ContactsPath(), now);
            return 0;
        }
        return report.Count("sent") == 1 ? 0 : failure.Fail();
    }
    return -1;
}

} // namespace

void AddOutboxVerbs(VerbTable& verbs)
{
    verbs["outbox"] = { "outbox list | add (--at TIME | --yearly) [send's options] PROJECT.kel | "
                        "cancel ID | remove ID | send ID [--now TIME] | "
                        "send-due [--now TIME] [--data DIR] [--timeout S]",
        Tr("Tool",
            "plan greetings for a day or every birthday, list them as JSON, cancel them, and send "
            "what is due"),
        CmdOutbox };
}
