// What the person is told on their desktop about the outbox: a planned greeting sent, given up
// or perhaps not sent, and a contact's birthday coming with nothing planned for it. A desktop
// without a notification service is told nothing, and the caller goes on.
#pragma once

#include "mail/outbox.h"

#include <ctime>
#include <string>

void NotifyOutboxReport(const COutboxReport& report);
// Each contact (of the contacts file at contactsPath) whose birthday is in the next few days
// with nothing planned, once a year.
void NotifyComingBirthdays(const std::string& outbox, const std::string& contactsPath, std::time_t now);
