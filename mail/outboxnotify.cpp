#include "mail/outboxnotify.h"

#include "mail/contacts.h"
#include "platform/notify.h"
#include "platform/text.h"
#include "platform/translate.h"

using platform::Fill;
using platform::Tr;

void NotifyOutboxReport(const COutboxReport& report)
{
    for (const COutboxReport::CLine& line : report.lines) {
        const std::string to = line.strTo;
        const std::string subject = line.strSubject;
        std::string summary, body;
        if (line.strOutcome == "sent") {
            summary = Tr("Mail", "Greeting sent");
            body = Fill(Tr("Mail", "Your greeting “%1” to %2 was sent."), { subject, to });
        } else if (line.strOutcome == "failed") {
            summary = Tr("Mail", "Greeting not sent");
            body = Fill(Tr("Mail", "Your greeting “%1” to %2 could not be sent: %3."),
                { subject, to, line.strReason });
        } else if (line.strOutcome == "being sent") {
            summary = Tr("Mail", "Greeting perhaps not sent");
            body = Fill(Tr("Mail",
                            "The mail server did not say whether it took your greeting "
                            "to %1. Open the outbox to send it again or let it be."),
                { to });
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
        platform::NotifyDesktop(Tr("Mail", "A birthday is coming"),
            Fill(Tr(
                     "Mail", "%1’s birthday is in a few days, and no greeting is planned for it."),
                { name }),
            why);
    }
}

