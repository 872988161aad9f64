#include "mail/outboxnotify.h"

#include "mail/contacts.h"
#include "platform/notify.h"
#include "platform/text.h"

void NotifyOutboxReport(const COutboxReport& report)
{
    for (const COutboxReport::CLine& line : report.lines) {
        const std::string to = platform::Utf8FromCp1252(line.strTo);
        const std::string subject = platform::Utf8FromCp1252(line.strSubject);
        std::string summary, body;
        if (line.strOutcome == "sent") {
            summary = "Greeting sent";
            body = "Your greeting \u201c" + subject + "\u201d to " + to + " was sent.";
        } else if (line.strOutcome == "failed") {
            summary = "Greeting not sent";
            body = "Your greeting \u201c" + subject + "\u201d to " + to
                + " could not be sent: " + platform::Utf8FromCp1252(line.strReason) + ".";
        } else if (line.strOutcome == "being sent") {
            summary = "Greeting perhaps not sent";
            body = "The mail server did not say whether it took your greeting to " + to
                + ". Open the outbox to send it again or let it be.";
        } else
            continue;
        std::string why;
        platform::NotifyDesktop(summary, body, why);
    }
}

void NotifyComingBirthdays(
    const std::string& outbox, const std::string& contactsPath, std::time_t now)
{
    CContactBook contacts;
    std::vector<std::string> skipped;
    std::string reason;
    if (!contacts.Load(contactsPath, skipped, reason))
        return;
    for (const std::string& name : BirthdayReminders(outbox, contacts, now)) {
        std::string why;
        platform::NotifyDesktop("A birthday is coming",
            name + "\u2019s birthday is in a few days, and no greeting is planned for it.", why);
    }
}

