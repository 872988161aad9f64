// The outbox: greetings that wait for their day. Each message (one greeting to one recipient)
// has a folder of its own under $XDG_DATA_HOME/vimble-email/outbox/ (mode 0700) holding the
// greeting file it is made from and an "entry" file that says to whom, when, how and in what
// state it is. A message is delivered at most once: it is marked "being sent" before the mail
// server is given its data and "sent" after the server's reply, and one found "being sent" is
// never sent again by itself. The entry file is replaced whole, never written in place.
// Texts are UTF-8; an entry of an older version, in Windows-1252, reads as well.
#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

class CContactBook;
class CMailThread;
class IMailHost;

enum class OutboxState {
    waiting, // due at m_due, or at m_nextTry after a failure
    needsPassword, // due, but no password for the login was known; tried again each run
    beingSent, // the server was being given the message: it may have it
    sent,
    failed, // given up after the retries; m_strLastReply says why
    cancelled,
};

// "waiting", "needs password", "being sent", "sent", "failed", "cancelled".
const char* OutboxStateName(OutboxState state);

struct COutboxEntry {
    std::string m_strId; // the folder's name
    std::string m_strFolder; // the folder's path
    OutboxState m_state = OutboxState::waiting;
    std::time_t m_due = 0; // when it is to be sent
    std::time_t m_nextTry = 0; // after a failure, when it is tried again (0: at m_due)
    std::time_t m_created = 0;
    std::time_t m_lastSent = 0; // when the server last took it (0: never)
    // Every year on the recipient's birthday, at 8:00 local time: m_due moves on to the next
    // one after each send, and the greeting is drawn again from its file for that year.
    bool m_bYearly = false;
    int m_nBirthMonth = 0;
    int m_nBirthDay = 0;
    int m_nAttempts = 0; // failed tries since it was last due
    std::time_t m_firstFailure = 0; // the first of those failures
    std::string m_strLastReply; // the last failure, or the server's reply

    std::string m_strProject; // the greeting file's name in the folder ("Happy Birthday.kel")
    std::string m_strTo; // the one recipient's address
    std::string m_strFrom;
    std::string m_strSubject;
    std::string m_strText; // lines apart by "\r\n"
    std::string m_strServer; // "HOST[:PORT]"
    int m_nSecurity = 0; // as CMailThread::m_nSecurity
    std::string m_strUser; // the login name; the password is asked of the secret service
    bool m_bPreview = true;
    bool m_bAttachPlayer = false;
    bool m_bAttachVideo = true;
    bool m_bAttachGreeting = true;
    bool m_bSendPlayer = false;
    long long m_nSizeLimit = 0; // 0: the worker's own

    // When it is next tried: the later of its due time and the retry time.
    std::time_t NextTime() const { return m_nextTry > m_due ? m_nextTry : m_due; }
};

// $XDG_DATA_HOME/vimble-email/outbox (~/.local/share/... without it).
std::string OutboxPath();

// Puts a copy of the greeting file at projectPath into a new folder of the outbox with the
// entry; the folder appears whole or not at all. Fills in the entry's id, folder, project name
// and creation time.
bool AddToOutbox(const std::string& outbox, COutboxEntry& entry, const std::string& projectPath,
    std::time_t now, std::string& reason);

// The entry's way of sending taken from a worker set up for a send now: sender, server,
// login, the message's texts and what goes with it (the recipients and the times are not).
COutboxEntry OutboxFormOf(const CMailThread& thread);

// Plans a greeting: a message for each recipient (addresses apart by ',', ';' or blanks) goes
// into the outbox, made from form, due at `at`; or, with bYearly, every year on each recipient's
// birthday at 8:00, for which each must be a contact with a birthday. All of them go in or none.
// The new entries' ids are added to ids.
bool ScheduleGreeting(const std::string& outbox, const COutboxEntry& form,
    const std::string& recipients, const std::string& projectPath, std::time_t at, bool bYearly,
    const CContactBook& contacts, std::time_t now, std::vector<std::string>& ids,
    std::string& reason);

// Reads one folder's entry; false, with the reason, when it is missing or damaged.
bool ReadOutboxEntry(const std::string& folder, COutboxEntry& entry, std::string& reason);
// Replaces the folder's entry file with this entry.
bool WriteOutboxEntry(const COutboxEntry& entry, std::string& reason);

// Every entry, the soonest first; each folder that cannot be read is named in damaged
// ("20261210-080000-Ab12Cd: the entry says no recipient").
std::vector<COutboxEntry> ListOutbox(const std::string& outbox, std::vector<std::string>& damaged);

// Marks the entry cancelled; refused while it is being sent by another run, and for a greeting
// already sent that does not come again.
bool CancelOutboxEntry(const std::string& outbox, const std::string& id, std::string& reason);
// Removes the entry's folder (a cancelled, sent or failed one, or a damaged folder).
bool RemoveOutboxEntry(const std::string& outbox, const std::string& id, std::string& reason);

// The next birthday at 8:00 local time after the time given (29 February is kept on
// 28 February in the years without it).
std::time_t NextBirthdayMorning(int month, int day, std::time_t after);

// The birthday a greeting planned now is for: today's when it is the day (even past 8:00, so
// that it goes at once), else the next one, at 8:00.
std::time_t PlannedBirthdayMorning(int month, int day, std::time_t now);

// The entry's way of sending given to a worker: the reverse of OutboxFormOf, and the recipient.
void ApplyOutboxForm(const COutboxEntry& entry, CMailThread& thread);

// When a failed try is tried again: 5 minutes, 30 minutes, 2 hours after the first three
// failures, then every 6 hours, the last at three days after the first failure; 0 when it is
// given up (at those three days).
std::time_t RetryTime(int attempts, std::time_t firstFailure, std::time_t now);

// What one run of the outbox did, message by message.
struct COutboxReport {
    struct CLine {
        std::string strId;
        std::string strTo;
        std::string strSubject;
        std::string strOutcome; // "sent", "retry", "failed", "needs password", "being sent", "busy"
        std::string strReason;
    };
    std::vector<CLine> lines;
    int Count(const std::string& outcome) const;
};

struct COutboxSendOptions {
    std::string strDataDir; // where the player's pieces and "err.msg" are
    // The password of a login the person gave for this session (server, user); empty: the
    // secret service's is used, and without one the greeting waits ("needs password").
    std::function<std::string(const std::string& server, const std::string& user)> password;
    int nTimeoutSeconds = 60;
    IMailHost* pHost = nullptr; // null: a quiet one
};

// Sends every message that is due at now, one after the other; one that another run is
// sending is left to it.
COutboxReport SendDueGreetings(
    const std::string& outbox, std::time_t now, const COutboxSendOptions& options);
// Sends one message now, whatever its time: "send now" in the outbox window, also for one
// found "being sent" when the person has decided it did not arrive. A cancelled or sent one
// (not yearly) is not sent.
COutboxReport SendOutboxEntryNow(const std::string& outbox, const std::string& id,
    std::time_t now, const COutboxSendOptions& options);

// The contacts whose birthday is within the next `days` days with nothing planned for any of
// their addresses and of whom nothing was said this year yet: their names, and the year is
// noted in the outbox's "reminders" file so that each is said once.
std::vector<std::string> BirthdayReminders(const std::string& outbox, const CContactBook& contacts,
    std::time_t now, int days = 3);

// Reads an ISO 8601 time: "2026-12-10T08:00", with seconds, with "Z" or "+01:00"; without a
// zone it is local time. False for anything else.
bool ParseIsoTime(const std::string& text, std::time_t& time);
// "2026-12-10T08:00:00Z".
std::string IsoTimeUtc(std::time_t time);
