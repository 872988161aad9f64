#include "mail/outbox.h"

#include "mail/contacts.h"
#include "mail/mailthread.h"
#include "mail/message.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::Fill;
using platform::Tr;

namespace {

namespace fs = std::filesystem;

constexpr char kEntryFile[] = "entry";
constexpr char kLockFile[] = "lock";
constexpr char kEntryHeader[] = "vimble-outbox 1";
constexpr char kRemindersFile[] = "reminders";
constexpr std::time_t kGiveUpAfter = 3 * 24 * 3600;
constexpr int kMaxAttempts = 16; // three days of the schedule, whatever the clock did
constexpr int kMorningHour = 8;

struct CStateName {
    OutboxState state;
    const char* name;
};
constexpr CStateName kStateNames[] = {
    { OutboxState::waiting, "waiting" },
    { OutboxState::needsPassword, "needs password" },
    { OutboxState::beingSent, "being sent" },
    { OutboxState::sent, "sent" },
    { OutboxState::failed, "failed" },
    { OutboxState::cancelled, "cancelled" },
};

// Values stand on one line: the backslash, the line ends and nothing else are escaped.
std::string Escape(const std::string& value)
{
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& value)
{
    std::string out;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const char next = value[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

bool ParseLong(const std::string& text, long long low, long long high, long long& value)
{
    if (text.empty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || number < low || number > high)
        return false;
    value = number;
    return true;
}

std::string SerializeEntry(const COutboxEntry& e)
{
    std::vector<std::pair<std::string, std::string>> rows = {
        { "state", OutboxStateName(e.m_state) },
        { "due", IsoTimeUtc(e.m_due) },
        { "next-try", e.m_nextTry != 0 ? IsoTimeUtc(e.m_nextTry) : "" },
        { "created", IsoTimeUtc(e.m_created) },
        { "last-sent", e.m_lastSent != 0 ? IsoTimeUtc(e.m_lastSent) : "" },
        { "yearly", e.m_bYearly ? "1" : "0" },
        { "birthday", std::to_string(e.m_nBirthMonth) + "-" + std::to_string(e.m_nBirthDay) },
        { "attempts", std::to_string(e.m_nAttempts) },
        { "first-failure", e.m_firstFailure != 0 ? IsoTimeUtc(e.m_firstFailure) : "" },
        { "last-reply", e.m_strLastReply },
        { "project", e.m_strProject },
        { "to", e.m_strTo },
        { "from", e.m_strFrom },
        { "subject", e.m_strSubject },
        { "text", e.m_strText },
        { "server", e.m_strServer },
        { "security", std::to_string(e.m_nSecurity) },
        { "user", e.m_strUser },
        { "preview", e.m_bPreview ? "1" : "0" },
        { "attach-player", e.m_bAttachPlayer ? "1" : "0" },
        { "attach-video", e.m_bAttachVideo ? "1" : "0" },
        { "attach-greeting", e.m_bAttachGreeting ? "1" : "0" },
        { "send-player", e.m_bSendPlayer ? "1" : "0" },
        { "size-limit", std::to_string(e.m_nSizeLimit) },
    };
    std::string text = std::string(kEntryHeader) + "\n";
    for (const auto& [key, value] : rows)
        text += key + "=" + Escape(value) + "\n";
    return text;
}

bool ParseTimeField(const std::map<std::string, std::string>& fields, const char* key,
    bool bRequired, std::time_t& time)
{
    auto found = fields.find(key);
    if (found == fields.end() || found->second.empty()) {
        time = 0;
        return !bRequired;
    }
    return ParseIsoTime(found->second, time);
}

bool ParseFlag(const std::map<std::string, std::string>& fields, const char* key, bool& flag)
{
    auto found = fields.find(key);
    if (found == fields.end())
        return true; // an older entry: the default stands
    if (found->second != "0" && found->second != "1")
        return false;
    flag = found->second == "1";
    return true;
}

// Why the entry's text cannot be used, or empty when it was read into entry.
std::string ParseEntry(const std::string& text, COutboxEntry& e)
{
    std::map<std::string, std::string> fields;
    size_t start = 0;
    bool bFirst = true;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            return Tr("Mail", "the entry is cut short");
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (bFirst) {
            if (line != kEntryHeader)
                return Tr("Mail", "it is not an outbox entry");
            bFirst = false;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            return Tr("Mail", "the entry has a line without \"=\"");
        // Entries of older versions hold their texts in the Windows-1252 code page.
        fields[line.substr(0, eq)] = platform::PrintableUtf8(Unescape(line.substr(eq + 1)));
    }
    if (bFirst)
        return Tr("Mail", "the entry is empty");
    auto field = [&](const char* key) {
        auto found = fields.find(key);
        return found == fields.end() ? std::string() : found->second;
    };
    bool bState = false;
    for (const CStateName& name : kStateNames) {
        if (field("state") == name.name) {
            e.m_state = name.state;
            bState = true;
        }
    }
    if (!bState)
        return Tr("Mail", "the entry has no state that is known");
    if (!ParseTimeField(fields, "due", true, e.m_due)
        || !ParseTimeField(fields, "next-try", false, e.m_nextTry)
        || !ParseTimeField(fields, "created", false, e.m_created)
        || !ParseTimeField(fields, "last-sent", false, e.m_lastSent)
        || !ParseTimeField(fields, "first-failure", false, e.m_firstFailure))
        return Tr("Mail", "the entry has a time that cannot be read");
    long long number = 0;
    if (!ParseLong(field("attempts").empty() ? "0" : field("attempts"), 0, INT_MAX, number))
        return Tr("Mail", "the entry's count of tries cannot be read");
    e.m_nAttempts = static_cast<int>(number);
    if (!ParseLong(field("security").empty() ? "0" : field("security"), 0, 2, number))
        return Tr("Mail", "the entry's security cannot be read");
    e.m_nSecurity = static_cast<int>(number);
    if (!ParseLong(field("size-limit").empty() ? "0" : field("size-limit"), 0, LLONG_MAX, number))
        return Tr("Mail", "the entry's size limit cannot be read");
    e.m_nSizeLimit = number;
    if (!ParseFlag(fields, "yearly", e.m_bYearly) || !ParseFlag(fields, "preview", e.m_bPreview)
        || !ParseFlag(fields, "attach-player", e.m_bAttachPlayer)
        || !ParseFlag(fields, "attach-video", e.m_bAttachVideo)
        || !ParseFlag(fields, "attach-greeting", e.m_bAttachGreeting)
        || !ParseFlag(fields, "send-player", e.m_bSendPlayer))
        return Tr("Mail", "the entry has a switch that is neither 0 nor 1");
    int month = 0, day = 0;
    if (std::sscanf(field("birthday").c_str(), "%d-%d", &month, &day) == 2 && month >= 1
        && month <= 12 && day >= 1 && day <= 31) {
        e.m_nBirthMonth = month;
        e.m_nBirthDay = day;
    } else if (e.m_bYearly)
        return Tr("Mail", "a yearly entry has no birthday");
    e.m_strLastReply = field("last-reply");
    e.m_strProject = field("project");
    e.m_strTo = field("to");
    e.m_strFrom = field("from");
    e.m_strSubject = field("subject");
    e.m_strText = field("text");
    e.m_strServer = field("server");
    e.m_strUser = field("user");
    if (e.m_strTo.empty())
        return Tr("Mail", "the entry says no recipient");
    if (e.m_strServer.empty())
        return Tr("Mail", "the entry says no mail server");
    if (e.m_strProject.empty() || e.m_strProject.find('/') != std::string::npos
        || e.m_strProject == kEntryFile || e.m_strProject == kLockFile
        || e.m_strProject[0] == '.')
        return Tr("Mail", "the entry names no greeting file");
    return {};
}

// Holds the folder's lock while it lives: whoever holds it is the one sending or changing that
// message. The system lets it go when the holder dies, however it died.
class CEntryLock {
public:
    explicit CEntryLock(const std::string& folder)
    {
        m_hFile = ::open(
            platform::JoinPath(folder, kLockFile).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        m_bHeld = m_hFile >= 0 && ::flock(m_hFile, LOCK_EX | LOCK_NB) == 0;
    }
    ~CEntryLock()
    {
        if (m_hFile >= 0)
            ::close(m_hFile);
    }
    CEntryLock(const CEntryLock&) = delete;
    CEntryLock& operator=(const CEntryLock&) = delete;
    bool Held() const { return m_bHeld; }

private:
    int m_hFile = -1;
    bool m_bHeld = false;
};

// A safe folder name: what the outbox made itself, never a path that leads elsewhere.
bool IsEntryId(const std::string& id)
{
    return !id.empty() && id[0] != '.' && id.find('/') == std::string::npos && id != "..";
}

std::string FolderOf(const std::string& outbox, const std::string& id)
{
    return platform::JoinPath(outbox, id);
}

bool LocalTimeOf(std::time_t time, std::tm& tm)
{
    return localtime_r(&time, &tm) != nullptr;
}

class CQuietHost : public IMailHost {
public:
    void ShowResult(const std::string&, bool, const std::string&) override { }
};

// The message's outcome after a try that did not deliver it: tried again later, given up, or
// waiting for a password.
void NoteFailure(COutboxEntry& entry, const CMailThread& thread, std::time_t now,
    COutboxReport::CLine& line)
{
    entry.m_strLastReply = thread.m_strFailure;
    line.strReason = thread.m_strFailure;
    if (thread.m_bNoPassword) {
        entry.m_state = OutboxState::needsPassword;
        line.strOutcome = "needs password";
        return;
    }
    if (entry.m_nAttempts == 0 || entry.m_firstFailure == 0 || entry.m_firstFailure > now)
        entry.m_firstFailure = now;
    ++entry.m_nAttempts;
    const std::time_t retry = RetryTime(entry.m_nAttempts, entry.m_firstFailure, now);
    if (retry == 0) {
        entry.m_state = OutboxState::failed;
        entry.m_nextTry = 0;
        line.strOutcome = "failed";
    } else {
        entry.m_state = OutboxState::waiting;
        entry.m_nextTry = retry;
        line.strOutcome = "retry";
    }
}

// After the server took it: sent, or for a yearly greeting waiting for the next birthday.
void NoteSent(COutboxEntry& entry, std::time_t now, const std::string& reply)
{
    entry.m_lastSent = now;
    entry.m_strLastReply = reply;
    entry.m_nAttempts = 0;
    entry.m_firstFailure = 0;
    entry.m_nextTry = 0;
    if (entry.m_bYearly) {
        // The next one is a year on, even when this one went out late.
        entry.m_state = OutboxState::waiting;
        entry.m_due = NextBirthdayMorning(
            entry.m_nBirthMonth, entry.m_nBirthDay, std::max(now, entry.m_due) + 24 * 3600);
    } else
        entry.m_state = OutboxState::sent;
}

// Tries the message in its folder, which the caller holds locked, and records what came of it.
COutboxReport::CLine SendLocked(
    COutboxEntry& entry, std::time_t now, const COutboxSendOptions& options)
{
    COutboxReport::CLine line { entry.m_strId, entry.m_strTo, entry.m_strSubject, "", "" };
    std::string reason;
    // The worker consumes the file it is given: it gets a copy, under the greeting's name.
    const std::string work = platform::MakeTempDirectory("vimble-outbox-");
    const std::string copy = work.empty() ? std::string() : platform::JoinPath(work, entry.m_strProject);
    if (copy.empty()
        || !platform::CopyFileTo(platform::JoinPath(entry.m_strFolder, entry.m_strProject), copy)) {
        CMailThread failed;
        failed.m_strFailure
            = Fill(Tr("Mail", "the greeting file %1 cannot be read"), { entry.m_strProject });
        NoteFailure(entry, failed, now, line);
        WriteOutboxEntry(entry, reason);
        if (!work.empty()) {
            std::error_code ec;
            fs::remove_all(work, ec);
        }
        return line;
    }
    CQuietHost quiet;
    CMailThread thread;
    ApplyOutboxForm(entry, thread);
    if (options.password && !entry.m_strUser.empty())
        thread.m_strPassword = options.password(entry.m_strServer, entry.m_strUser);
    thread.m_strProjectPath = copy;
    thread.m_strOwnedFolder = work;
    thread.m_nTimeoutSeconds = options.nTimeoutSeconds;
    if (!options.strDataDir.empty())
        thread.m_strDataDir = options.strDataDir;
    thread.m_pHost = options.pHost != nullptr ? options.pHost : &quiet;
    bool bMarked = false;
    std::string markFailure;
    thread.m_beforeData = [&]() {
        COutboxEntry marked = entry;
        marked.m_state = OutboxState::beingSent;
        bMarked = WriteOutboxEntry(marked, markFailure);
        return bMarked;
    };
    bool bTaken = false;
    std::string takenReply;
    thread.m_afterData = [&](bool bAccepted, const std::string& reply) {
        if (!bAccepted)
            return;
        bTaken = true;
        takenReply = reply;
        NoteSent(entry, now, reply);
        WriteOutboxEntry(entry, markFailure);
    };
    thread.Run();
    if (bTaken) {
        line.strOutcome = "sent";
        return line;
    }
    if (bMarked && thread.m_bMaybeDelivered) {
        // The server had the whole message and did not say whether it took it: sending it
        // again could give it twice. The person decides.
        entry.m_state = OutboxState::beingSent;
        entry.m_strLastReply = thread.m_strFailure;
        line.strOutcome = "being sent";
        line.strReason = thread.m_strFailure;
        WriteOutboxEntry(entry, reason);
        return line;
    }
    NoteFailure(entry, thread, now, line);
    WriteOutboxEntry(entry, reason);
    return line;
}

} // namespace

const char* OutboxStateName(OutboxState state)
{
    for (const CStateName& name : kStateNames) {
        if (name.state == state)
            return name.name;
    }
    return "waiting";
}

std::string OutboxPath()
{
    return PersonalDataFolder() + "/outbox";
}

bool AddToOutbox(const std::string& outbox, COutboxEntry& entry, const std::string& projectPath,
    std::time_t now, std::string& reason)
{
    std::error_code ec;
    fs::create_directories(outbox, ec);
    ::chmod(outbox.c_str(), 0700);
    // Made under a hidden name and renamed when whole: a run never sees half a message.
    std::string pattern = platform::JoinPath(outbox, ".new-XXXXXX");
    if (ec || ::mkdtemp(pattern.data()) == nullptr) {
        reason = Fill(Tr("Mail", "no folder can be made in the outbox %1"), { outbox });
        return false;
    }
    const std::string building = pattern;
    std::tm tm {};
    char stamp[32] = "";
    if (LocalTimeOf(now, tm))
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    const std::string id = std::string(stamp) + "-" + building.substr(building.size() - 6);
    entry.m_strId = id;
    entry.m_strFolder = FolderOf(outbox, id);
    entry.m_strProject = platform::FileNameOf(projectPath);
    if (entry.m_strProject.empty() || entry.m_strProject[0] == '.' || entry.m_strProject == kEntryFile
        || entry.m_strProject == kLockFile)
        entry.m_strProject = "greeting.kel";
    entry.m_created = now;
    COutboxEntry staged = entry;
    staged.m_strFolder = building;
    if (!platform::CopyFileTo(projectPath, platform::JoinPath(building, entry.m_strProject))
        || !WriteOutboxEntry(staged, reason)
        || ::rename(building.c_str(), entry.m_strFolder.c_str()) != 0) {
        if (reason.empty())
            reason = Fill(Tr("Mail", "%1 cannot be put into the outbox"), { projectPath });
        fs::remove_all(building, ec);
        return false;
    }
    return true;
}

COutboxEntry OutboxFormOf(const CMailThread& thread)
{
    COutboxEntry form;
    form.m_strFrom = thread.m_strFrom;
    form.m_strSubject = thread.m_strSubject;
    form.m_strText = thread.m_strText;
    form.m_strServer = thread.m_strServer;
    form.m_nSecurity = thread.m_nSecurity;
    form.m_strUser = thread.m_strUser;
    form.m_bPreview = thread.m_bPreview;
    form.m_bAttachPlayer = thread.m_bAttachPlayer;
    form.m_bAttachVideo = thread.m_bAttachVideo;
    form.m_bAttachGreeting = thread.m_bAttachGreeting;
    form.m_bSendPlayer = thread.m_bSendPlayer;
    form.m_nSizeLimit = thread.m_nSizeLimit;
    return form;
}

void ApplyOutboxForm(const COutboxEntry& entry, CMailThread& thread)
{
    thread.m_strTo = entry.m_strTo;
    thread.m_strFrom = entry.m_strFrom;
    thread.m_strSubject = entry.m_strSubject;
    thread.m_strText = entry.m_strText;
    thread.m_strServer = entry.m_strServer;
    thread.m_nSecurity = entry.m_nSecurity;
    thread.m_strUser = entry.m_strUser;
    thread.m_bPreview = entry.m_bPreview;
    // Without the picture the message is the plain one, which always carried the player.
    thread.m_bAttachPlayer = entry.m_bAttachPlayer || !entry.m_bPreview;
    thread.m_bAttachVideo = entry.m_bAttachVideo;
    thread.m_bAttachGreeting = entry.m_bAttachGreeting;
    thread.m_bSendPlayer = entry.m_bSendPlayer;
    if (entry.m_nSizeLimit > 0)
        thread.m_nSizeLimit = entry.m_nSizeLimit;
}

std::time_t PlannedBirthdayMorning(int month, int day, std::time_t now)
{
    // From 16 hours back: 8:00 today is found all through the birthday itself.
    return NextBirthdayMorning(month, day, now - 16 * 3600);
}

bool ScheduleGreeting(const std::string& outbox, const COutboxEntry& form,
    const std::string& recipients, const std::string& projectPath, std::time_t at, bool bYearly,
    const CContactBook& contacts, std::time_t now, std::vector<std::string>& ids,
    std::string& reason)
{
    const std::vector<std::string> addresses = SplitRecipients(recipients);
    if (addresses.empty()) {
        reason = Tr("Mail", "the greeting has no recipient");
        return false;
    }
    if (form.m_strServer.empty()) {
        reason = Tr("Mail", "a planned greeting needs a mail server: set one in the mail options");
        return false;
    }
    std::vector<COutboxEntry> planned;
    std::string noBirthday;
    for (const std::string& address : addresses) {
        COutboxEntry entry = form;
        entry.m_strTo = address;
        entry.m_state = OutboxState::waiting;
        entry.m_bYearly = bYearly;
        entry.m_due = at;
        if (bYearly) {
            const int found = contacts.Find(address);
            if (found < 0 || !contacts.Contacts()[static_cast<size_t>(found)].HasBirthday()) {
                noBirthday += (noBirthday.empty() ? "" : ", ") + address;
                continue;
            }
            const CContact& contact = contacts.Contacts()[static_cast<size_t>(found)];
            entry.m_nBirthMonth = contact.m_nBirthMonth;
            entry.m_nBirthDay = contact.m_nBirthDay;
            entry.m_due = PlannedBirthdayMorning(contact.m_nBirthMonth, contact.m_nBirthDay, now);
        }
        planned.push_back(entry);
    }
    if (!noBirthday.empty()) {
        reason = Fill(
            Tr("Mail", "no birthday is known for %1: add it in the contacts"), { noBirthday });
        return false;
    }
    std::vector<std::string> added;
    for (COutboxEntry& entry : planned) {
        if (!AddToOutbox(outbox, entry, projectPath, now, reason)) {
            for (const std::string& id : added) {
                std::error_code ec;
                fs::remove_all(FolderOf(outbox, id), ec);
            }
            return false;
        }
        added.push_back(entry.m_strId);
    }
    ids.insert(ids.end(), added.begin(), added.end());
    return true;
}

bool ReadOutboxEntry(const std::string& folder, COutboxEntry& entry, std::string& reason)
{
    std::vector<uint8_t> bytes;
    const std::string path = platform::JoinPath(folder, kEntryFile);
    const int64_t length = platform::FileLength(path);
    if (length < 0) {
        reason = Tr("Mail", "it holds no entry");
        return false;
    }
    if (length > 16 * 1024 * 1024 || !platform::ReadWholeFile(path, bytes)) {
        reason = Tr("Mail", "its entry cannot be read");
        return false;
    }
    COutboxEntry read;
    reason = ParseEntry(std::string(bytes.begin(), bytes.end()), read);
    if (!reason.empty())
        return false;
    if (platform::FileLength(platform::JoinPath(folder, read.m_strProject)) < 0) {
        reason = Fill(Tr("Mail", "its greeting file %1 is missing"), { read.m_strProject });
        return false;
    }
    read.m_strFolder = folder;
    read.m_strId = platform::FileNameOf(folder);
    entry = read;
    return true;
}

bool WriteOutboxEntry(const COutboxEntry& entry, std::string& reason)
{
    const std::string text = SerializeEntry(entry);
    if (platform::ReplaceFileContent(platform::JoinPath(entry.m_strFolder, kEntryFile),
            std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())))
        return true;
    reason = Fill(Tr("Mail", "the outbox entry %1 cannot be written"), { entry.m_strId });
    return false;
}

std::vector<COutboxEntry> ListOutbox(const std::string& outbox, std::vector<std::string>& damaged)
{
    std::vector<COutboxEntry> entries;
    std::error_code ec;
    std::vector<std::string> ids;
    for (const fs::directory_entry& item : fs::directory_iterator(outbox, ec)) {
        const std::string name = item.path().filename().string();
        if (IsEntryId(name) && item.is_directory(ec))
            ids.push_back(name);
    }
    std::sort(ids.begin(), ids.end());
    for (const std::string& id : ids) {
        COutboxEntry entry;
        std::string reason;
        if (ReadOutboxEntry(FolderOf(outbox, id), entry, reason))
            entries.push_back(entry);
        else
            damaged.push_back(id + ": " + reason);
    }
    std::stable_sort(entries.begin(), entries.end(),
        [](const COutboxEntry& a, const COutboxEntry& b) { return a.NextTime() < b.NextTime(); });
    return entries;
}

bool CancelOutboxEntry(const std::string& outbox, const std::string& id, std::string& reason)
{
    if (!IsEntryId(id)) {
        reason = Fill(Tr("Mail", "there is no greeting %1 in the outbox"), { id });
        return false;
    }
    const std::string folder = FolderOf(outbox, id);
    COutboxEntry entry;
    if (!ReadOutboxEntry(folder, entry, reason)) {
        reason = Fill(Tr("Mail", "the greeting %1 cannot be cancelled: %2"), { id, reason });
        return false;
    }
    CEntryLock lock(folder);
    if (!lock.Held()) {
        reason = Fill(Tr("Mail", "the greeting %1 is being sent right now"), { id });
        return false;
    }
    // Read again under the lock: a run may have sent it meanwhile.
    if (!ReadOutboxEntry(folder, entry, reason))
        return false;
    if (entry.m_state == OutboxState::sent) {
        reason = Fill(Tr("Mail", "the greeting %1 has been sent already"), { id });
        return false;
    }
    entry.m_state = OutboxState::cancelled;
    return WriteOutboxEntry(entry, reason);
}

bool RemoveOutboxEntry(const std::string& outbox, const std::string& id, std::string& reason)
{
    if (!IsEntryId(id) || !fs::is_directory(FolderOf(outbox, id))) {
        reason = Fill(Tr("Mail", "there is no greeting %1 in the outbox"), { id });
        return false;
    }
    const std::string folder = FolderOf(outbox, id);
    COutboxEntry entry;
    std::string why;
    if (ReadOutboxEntry(folder, entry, why)
        && (entry.m_state == OutboxState::waiting || entry.m_state == OutboxState::needsPassword
            || entry.m_state == OutboxState::beingSent)) {
        reason
            = Fill(Tr("Mail", "the greeting %1 is still to be sent or being sent: cancel it first"),
                { id });
        return false;
    }
    CEntryLock lock(folder);
    if (!lock.Held()) {
        reason = Fill(Tr("Mail", "the greeting %1 is being sent right now"), { id });
        return false;
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
    if (ec) {
        reason = Fill(Tr("Mail", "the greeting %1 cannot be removed: %2"), { id, ec.message() });
        return false;
    }
    return true;
}

std::time_t NextBirthdayMorning(int month, int day, std::time_t after)
{
    std::tm now {};
    if (month < 1 || month > 12 || day < 1 || day > 31 || !LocalTimeOf(after, now))
        return 0;
    for (int year = now.tm_year; year <= now.tm_year + 2; ++year) {
        std::tm tm {};
        tm.tm_year = year;
        tm.tm_mon = month - 1;
        tm.tm_mday = day;
        tm.tm_hour = kMorningHour;
        tm.tm_isdst = -1;
        std::time_t when = std::mktime(&tm);
        // A day the year does not have (29 February) rolls into the next month: the day
        // before the first of that month stands for it.
        if (tm.tm_mon != month - 1) {
            std::tm last {};
            last.tm_year = year;
            last.tm_mon = month; // the month after, day 0: the last of this one
            last.tm_mday = 0;
            last.tm_hour = kMorningHour;
            last.tm_isdst = -1;
            when = std::mktime(&last);
        }
        if (when > after)
            return when;
    }
    return 0;
}

std::time_t RetryTime(int attempts, std::time_t firstFailure, std::time_t now)
{
    if (attempts >= kMaxAttempts || now - firstFailure >= kGiveUpAfter)
        return 0;
    const std::time_t delay = attempts <= 1 ? 5 * 60 : attempts == 2 ? 30 * 60 : attempts == 3 ? 2 * 3600 : 6 * 3600;
    // The last try is at the end of the three days, not after it.
    return std::min(now + delay, firstFailure + kGiveUpAfter);
}

int COutboxReport::Count(const std::string& outcome) const
{
    return static_cast<int>(std::count_if(
        lines.begin(), lines.end(), [&](const CLine& line) { return line.strOutcome == outcome; }));
}

COutboxReport SendDueGreetings(
    const std::string& outbox, std::time_t now, const COutboxSendOptions& options)
{
    COutboxReport report;
    std::vector<std::string> damaged;
    for (COutboxEntry& listed : ListOutbox(outbox, damaged)) {
        if (listed.m_state != OutboxState::waiting && listed.m_state != OutboxState::needsPassword)
            continue;
        // A retry time far beyond its delay means the clock was put back after the failure:
        // it is due again now rather than days later.
        const bool bClockBack = listed.m_nextTry > now + 6 * 3600 + 60 && listed.m_nextTry > listed.m_due;
        if (listed.m_due > now || (listed.m_nextTry > now && !bClockBack))
            continue;
        CEntryLock lock(listed.m_strFolder);
        COutboxEntry entry;
        std::string reason;
        if (!lock.Held()) {
            report.lines.push_back({ listed.m_strId, listed.m_strTo, listed.m_strSubject, "busy",
                Tr("Mail", "another run is sending it") });
            continue;
        }
        // Read again under the lock: another run may have sent it since the list was made.
        if (!ReadOutboxEntry(listed.m_strFolder, entry, reason)
            || (entry.m_state != OutboxState::waiting
                && entry.m_state != OutboxState::needsPassword))
            continue;
        report.lines.push_back(SendLocked(entry, now, options));
    }
    return report;
}

COutboxReport SendOutboxEntryNow(const std::string& outbox, const std::string& id,
    std::time_t now, const COutboxSendOptions& options)
{
    COutboxReport report;
    COutboxEntry entry;
    std::string reason;
    const std::string folder = FolderOf(outbox, id);
    if (!IsEntryId(id) || !ReadOutboxEntry(folder, entry, reason)) {
        report.lines.push_back({ id, "", "", "failed",
            reason.empty() ? Fill(Tr("Mail", "there is no greeting %1 in the outbox"), { id })
                           : reason });
        return report;
    }
    CEntryLock lock(folder);
    if (!lock.Held() || !ReadOutboxEntry(folder, entry, reason)) {
        report.lines.push_back({ id, entry.m_strTo, entry.m_strSubject, "busy",
            reason.empty() ? Tr("Mail", "another run is sending it") : reason });
        return report;
    }
    if (entry.m_state == OutboxState::cancelled || entry.m_state == OutboxState::sent) {
        report.lines.push_back({ id, entry.m_strTo, entry.m_strSubject,
            entry.m_state == OutboxState::sent ? "sent" : "cancelled",
            entry.m_state == OutboxState::sent ? Tr("Mail", "it is sent already")
                                               : Tr("Mail", "it is cancelled already") });
        return report;
    }
    // Sending by hand starts the retries afresh.
    entry.m_nAttempts = 0;
    entry.m_firstFailure = 0;
    report.lines.push_back(SendLocked(entry, now, options));
    return report;
}

std::vector<std::string> BirthdayReminders(
    const std::string& outbox, const CContactBook& contacts, std::time_t now, int days)
{
    std::vector<std::string> damaged;
    const std::vector<COutboxEntry> entries = ListOutbox(outbox, damaged);
    const std::string path = platform::JoinPath(outbox, kRemindersFile);
    std::vector<uint8_t> bytes;
    platform::ReadWholeFile(path, bytes);
    std::string said(bytes.begin(), bytes.end());
    std::vector<std::string> names;
    for (const CContact& contact : contacts.Contacts()) {
        if (!contact.HasBirthday() || contact.m_addresses.empty())
            continue;
        // From the start of today, so that a birthday today is still ahead.
        const std::time_t next
            = NextBirthdayMorning(contact.m_nBirthMonth, contact.m_nBirthDay, now - 9 * 3600);
        if (next == 0 || next - now > static_cast<std::time_t>(days) * 24 * 3600)
            continue;
        const bool bPlanned = std::any_of(entries.begin(), entries.end(), [&](const COutboxEntry& e) {
            if (e.m_state != OutboxState::waiting && e.m_state != OutboxState::needsPassword)
                return false;
            for (const std::string& address : contact.m_addresses) {
                if (e.m_strTo == address)
                    return true;
            }
            return false;
        });
        std::tm tm {};
        LocalTimeOf(next, tm);
        const std::string key = std::to_string(tm.tm_year + 1900) + " " + contact.m_addresses[0] + "\n";
        if (bPlanned || said.find(key) != std::string::npos)
            continue;
        said += key;
        names.push_back(contact.DisplayName());
    }
    if (!names.empty()) {
        std::error_code ec;
        fs::create_directories(outbox, ec);
        platform::ReplaceFileContent(
            path, std::span(reinterpret_cast<const uint8_t*>(said.data()), said.size()));
    }
    return names;
}

bool ParseIsoTime(const std::string& text, std::time_t& time)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d%n", &year, &month, &day, &hour, &minute, &used) != 5)
        return false;
    std::string rest = text.substr(static_cast<size_t>(used));
    if (rest.size() >= 3 && rest[0] == ':') {
        int secondsUsed = 0;
        if (std::sscanf(rest.c_str(), ":%2d%n", &second, &secondsUsed) != 1)
            return false;
        rest = rest.substr(static_cast<size_t>(secondsUsed));
    }
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60
        || year < 1970 || hour < 0 || minute < 0 || second < 0)
        return false;
    std::tm tm {};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    if (rest.empty()) {
        tm.tm_isdst = -1;
        time = std::mktime(&tm);
        return time != -1;
    }
    int offset = 0;
    if (rest == "Z") {
        offset = 0;
    } else {
        int offsetHours = 0, offsetMinutes = 0;
        char sign = 0;
        int offsetUsed = 0;
        if (std::sscanf(rest.c_str(), "%c%2d:%2d%n", &sign, &offsetHours, &offsetMinutes, &offsetUsed) != 3
            || (sign != '+' && sign != '-') || static_cast<size_t>(offsetUsed) != rest.size()
            || offsetHours > 23 || offsetMinutes > 59 || offsetHours < 0 || offsetMinutes < 0)
            return false;
        offset = (sign == '-' ? -1 : 1) * (offsetHours * 3600 + offsetMinutes * 60);
    }
    time = timegm(&tm) - offset;
    // A day the month does not have is refused rather than moved on.
    std::tm check {};
    const std::time_t local = timegm(&tm);
    gmtime_r(&local, &check);
    return check.tm_mday == day;
}

std::string IsoTimeUtc(std::time_t time)
{
    std::tm tm {};
    char text[32] = "";
    if (gmtime_r(&time, &tm) != nullptr)
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return text;
}
