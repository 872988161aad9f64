// The outbox: a greeting goes when it is due and not before, exactly once, even when the
// sending run is killed at any point of the talk with the server; failures are tried again on
// the schedule and given up after three days; a yearly greeting moves on to the next birthday;
// damaged folders are named and the others still go.
#include "mail/contacts.h"
#include "mail/outbox.h"
#include "platform/files.h"
#include "tests/buildpaths.h"
#include "tests/mail/mail_fixtures.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using namespace mailtest;

std::time_t At(const char* iso)
{
    std::time_t time = 0;
    EXPECT_TRUE(ParseIsoTime(iso, time)) << iso;
    return time;
}

class OutboxTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : { "TMPDIR", "TZ", "XDG_DATA_HOME" }) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
        }
        m_strOutbox = m_root / "data/vimble-email/outbox";
        m_strData = m_root / "player";
        for (const std::string& dir : { m_root / "tmp", m_strData, m_root / "cards" })
            ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
        setenv("TMPDIR", (m_root / "tmp").c_str(), 1);
        setenv("XDG_DATA_HOME", (m_root / "data").c_str(), 1);
        setenv("TZ", "UTC0", 1);
        tzset();
        WriteText(m_strData + "/play.exe", PatternBytes(4000, 1));
        WriteText(m_strData + "/play.dat", PatternBytes(2000, 2));
        WriteText(m_strData + "/err.msg", "%s could not send it.");
        m_strProject = m_root / "cards/Birthday card.kel";
        WriteText(m_strProject, "KEL greeting bytes");
    }
    void TearDown() override
    {
        for (const auto& [name, value] : m_saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        tzset();
    }

    // The plain message (no picture to draw) from me to one recipient through server.
    COutboxEntry Form(const std::string& server) const
    {
        COutboxEntry form;
        form.m_strFrom = "me@vimble.test";
        form.m_strSubject = "Happy birthday";
        form.m_strText = "Many happy returns!\r\n\\ and more";
        form.m_strServer = server;
        form.m_bPreview = false;
        return form;
    }

    std::string Add(const std::string& server, std::time_t due,
        const std::string& to = "ann@vimble.test", const std::string& project = {})
    {
        std::vector<std::string> ids;
        std::string reason;
        EXPECT_TRUE(ScheduleGreeting(m_strOutbox, Form(server), to,
            project.empty() ? m_strProject : project, due, false,
            CContactBook(), due - 86400, ids, reason))
            << reason;
        return ids.empty() ? std::string() : ids[0];
    }

    COutboxEntry Read(const std::string& id) const
    {
        COutboxEntry entry;
        std::string reason;
        EXPECT_TRUE(ReadOutboxEntry(m_strOutbox + "/" + id, entry, reason)) << reason;
        return entry;
    }

    void PointAt(const std::string& id, const std::string& server)
    {
        COutboxEntry entry = Read(id);
        entry.m_strServer = server;
        std::string reason;
        ASSERT_TRUE(WriteOutboxEntry(entry, reason)) << reason;
    }

    COutboxReport Due(std::time_t now, int timeout = 5)
    {
        COutboxSendOptions options;
        options.strDataDir = m_strData;
        options.nTimeoutSeconds = timeout;
        return SendDueGreetings(m_strOutbox, now, options);
    }

    CTempDir m_root;
    std::string m_strOutbox, m_strData, m_strProject;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

// The message a server got: the recipient, the subject, the greeting's own bytes inside.
void ExpectDelivered(const CFakeSmtpServer& server, const std::string& to)
{
    EXPECT_TRUE(server.m_bEndOfData);
    EXPECT_NE(server.m_strData.find("To:" + to + "\r\n"), std::string::npos);
    EXPECT_NE(server.m_strData.find("\r\nSubject:Happy birthday\r\n"), std::string::npos);
}

TEST_F(OutboxTest, EachGreetingGoesOnceWhenDueAndNeverBefore)
{
    const std::time_t due = At("2026-12-24T08:00:00Z");
    CFakeSmtpServer first, second;
    const std::string ann = Add(first.Address(), due);
    const std::string bob = Add(second.Address(), due + 3600, "bob@vimble.test");
    ASSERT_FALSE(ann.empty());
    struct stat st {};
    ASSERT_EQ(stat((m_strOutbox + "/" + ann).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    EXPECT_TRUE(Due(due - 1).lines.empty());
    EXPECT_EQ(Read(ann).m_state, OutboxState::waiting);

    COutboxReport report = Due(due);
    first.Join();
    ASSERT_EQ(report.lines.size(), 1u);
    EXPECT_EQ(report.lines[0].strOutcome, "sent") << report.lines[0].strReason;
    ExpectDelivered(first, "ann@vimble.test");
    EXPECT_EQ(Read(ann).m_state, OutboxState::sent);
    EXPECT_EQ(Read(ann).m_lastSent, due);
    EXPECT_EQ(Read(bob).m_state, OutboxState::waiting);

    report = Due(due + 7200);
    second.Join();
    ASSERT_EQ(report.lines.size(), 1u);
    EXPECT_EQ(report.lines[0].strId, bob);
    ExpectDelivered(second, "bob@vimble.test");
    // Nothing is left to send: both servers are gone, and a try would have failed.
    EXPECT_TRUE(Due(due + 86400).lines.empty());
    EXPECT_EQ(Read(ann).m_state, OutboxState::sent);
    EXPECT_EQ(Read(bob).m_state, OutboxState::sent);
    // The text came back as it went in, line ends and backslash too.
    EXPECT_EQ(Read(bob).m_strText, "Many happy returns!\r\n\\ and more");
}

TEST_F(OutboxTest, ARefusingServerIsTriedOnTheScheduleAndGivenUpAfterThreeDays)
{
    std::time_t now = At("2026-12-24T08:00:00Z");
    const std::string id = Add("127.0.0.1:1", now);
    const std::time_t delays[] = { 5 * 60, 30 * 60, 2 * 3600, 6 * 3600, 6 * 3600 };
    std::vector<std::time_t> seen;
    COutboxEntry entry;
    for (int run = 0; run < 20; ++run) {
        CServerScript script;
        script.replies["MAIL"] = "451 4.3.0 try again later\r\n";
        CFakeSmtpServer server(script);
        PointAt(id, server.Address());
        const COutboxReport report = Due(now);
        server.Join();
        ASSERT_EQ(report.lines.size(), 1u);
        EXPECT_FALSE(server.m_bEndOfData);
        entry = Read(id);
        if (entry.m_state == OutboxState::failed)
            break;
        ASSERT_EQ(entry.m_state, OutboxState::waiting) << OutboxStateName(entry.m_state);
        seen.push_back(entry.m_nextTry - now);
        // An earlier run leaves it alone.
        EXPECT_TRUE(Due(entry.m_nextTry - 1).lines.empty());
        now = entry.m_nextTry;
    }
    ASSERT_GE(seen.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(seen[i], delays[i]) << "after failure " << i + 1;
    EXPECT_EQ(entry.m_state, OutboxState::failed);
    EXPECT_GE(now - At("2026-12-24T08:00:00Z"), 3 * 86400 - 6 * 3600);
    EXPECT_LE(now - At("2026-12-24T08:00:00Z"), 3 * 86400);
    EXPECT_NE(entry.m_strLastReply.find("451 4.3.0 try again later"), std::string::npos)
        << entry.m_strLastReply;
}

TEST_F(OutboxTest, AClockPutBackDoesNotHoldARetryForDays)
{
    const std::time_t now = At("2026-12-24T08:00:00Z");
    const std::string id = Add("127.0.0.1:1", now - 3600);
    COutboxEntry entry = Read(id);
    entry.m_nAttempts = 1;
    entry.m_firstFailure = now + 2 * 86400;
    entry.m_nextTry = now + 2 * 86400 + 300; // set by a clock two days ahead
    std::string reason;
    ASSERT_TRUE(WriteOutboxEntry(entry, reason));
    CFakeSmtpServer server;
    PointAt(id, server.Address());
    const COutboxReport report = Due(now);
    server.Join();
    ASSERT_EQ(report.lines.size(), 1u);
    EXPECT_EQ(report.lines[0].strOutcome, "sent");
}

// The end of the data went out and no reply came: the server may have the greeting, so it is
// never sent again by itself; the person may send it again by hand. A talk broken before the
// end left nothing with the server, so it is tried again.
TEST_F(OutboxTest, AGreetingTheServerMayHaveIsLeftForThePersonToDecide)
{
    const std::time_t now = At("2026-12-24T08:00:00Z");
    const std::string silent = Add("127.0.0.1:1", now);
    // Larger than what the system buffers on the way, so that the break is seen before the end.
    const std::string large = m_root / "cards/large.kel";
    WriteText(large, PatternBytes(16 << 20, 3));
    const std::string broken = Add("127.0.0.1:1", now + 60, "bob@vimble.test", large);
    {
        CServerScript script;
        script.replies["END"] = "";
        CFakeSmtpServer server(script);
        PointAt(silent, server.Address());
        const COutboxReport report = Due(now, 1);
        server.Join();
        EXPECT_TRUE(server.m_bEndOfData);
        ASSERT_EQ(report.lines.size(), 1u);
        EXPECT_EQ(report.lines[0].strOutcome, "being sent");
        EXPECT_EQ(Read(silent).m_state, OutboxState::beingSent);
    }
    {
        CServerScript script;
        script.nCloseAfterDataBytes = 200;
        CFakeSmtpServer server(script);
        PointAt(broken, server.Address());
        const COutboxReport report = Due(now + 60, 1);
        server.Join();
        ASSERT_EQ(report.lines.size(), 1u);
        EXPECT_EQ(report.lines[0].strOutcome, "retry") << report.lines[0].strReason;
        EXPECT_EQ(Read(broken).m_state, OutboxState::waiting);
        EXPECT_EQ(Read(broken).m_nAttempts, 1);
    }
    EXPECT_TRUE(Due(now + 3 * 86400).lines.size() == 1u); // only the broken one, tried again
    EXPECT_EQ(Read(silent).m_state, OutboxState::beingSent);

    CFakeSmtpServer again;
    PointAt(silent, again.Address());
    COutboxSendOptions options;
    options.strDataDir = m_strData;
    const COutboxReport report = SendOutboxEntryNow(m_strOutbox, silent, now + 600, options);
    again.Join();
    ASSERT_EQ(report.lines.size(), 1u);
    EXPECT_EQ(report.lines[0].strOutcome, "sent");
    EXPECT_EQ(Read(silent).m_state, OutboxState::sent);
}

TEST_F(OutboxTest, AYearlyGreetingGoesOnEachBirthdayAndIsDrawnFromItsFile)
{
    CContactBook contacts;
    CContact ann;
    ann.m_strName = "Ann Smith";
    ann.m_addresses = { "ann@vimble.test" };
    ann.m_nBirthMonth = 5;
    ann.m_nBirthDay = 17;
    contacts.Add(ann);
    CContact bob;
    bob.m_addresses = { "bob@vimble.test" };
    contacts.Add(bob);
    const std::time_t now = At("2027-01-10T12:00:00Z");
    std::vector<std::string> ids;
    std::string reason;
    // Bob's birthday is not known: nothing goes in, Ann's neither.
    EXPECT_FALSE(ScheduleGreeting(m_strOutbox, Form("127.0.0.1:1"), "ann@vimble.test, bob@vimble.test",
        m_strProject, 0, true, contacts, now, ids, reason));
    EXPECT_NE(reason.find("bob@vimble.test"), std::string::npos) << reason;
    std::vector<std::string> damaged;
    EXPECT_TRUE(ListOutbox(m_strOutbox, damaged).empty());

    ASSERT_TRUE(ScheduleGreeting(m_strOutbox, Form("127.0.0.1:1"), "ann@vimble.test", m_strProject,
        0, true, contacts, now, ids, reason))
        << reason;
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(Read(ids[0]).m_due, At("2027-05-17T08:00:00Z"));
    // The greeting file is the outbox's own copy: the person may change theirs meanwhile.
    WriteText(m_strProject, "changed");
    CFakeSmtpServer server;
    PointAt(ids[0], server.Address());
    EXPECT_EQ(Due(At("2027-05-17T08:30:00Z")).Count("sent"), 1);
    server.Join();
    const std::string attachment = ReferenceBase64(
        ReferenceBundle(PatternBytes(4000, 1), nullptr, "KEL greeting bytes", "Birthday_card"));
    EXPECT_NE(Unstuff(server.m_strData).find(attachment), std::string::npos);
    const COutboxEntry after = Read(ids[0]);
    EXPECT_EQ(after.m_state, OutboxState::waiting);
    EXPECT_EQ(after.m_due, At("2028-05-17T08:00:00Z"));
    EXPECT_EQ(after.m_lastSent, At("2027-05-17T08:30:00Z"));
    EXPECT_TRUE(Due(At("2027-05-17T20:00:00Z")).lines.empty());
}

TEST_F(OutboxTest, ACancelledGreetingStaysAndOneBeingSentCannotBeCancelled)
{
    const std::time_t now = At("2026-12-24T08:00:00Z");
    const std::string id = Add("127.0.0.1:1", now);
    std::string reason;
    EXPECT_FALSE(RemoveOutboxEntry(m_strOutbox, id, reason)); // still to be sent
    {
        // Another run holds it.
        const int held = open((m_strOutbox + "/" + id + "/lock").c_str(), O_RDWR | O_CREAT, 0600);
        ASSERT_EQ(flock(held, LOCK_EX), 0);
        EXPECT_FALSE(CancelOutboxEntry(m_strOutbox, id, reason));
        EXPECT_NE(reason.find("being sent"), std::string::npos) << reason;
        const COutboxReport busy = Due(now);
        ASSERT_EQ(busy.lines.size(), 1u);
        EXPECT_EQ(busy.lines[0].strOutcome, "busy");
        close(held);
    }
    EXPECT_TRUE(CancelOutboxEntry(m_strOutbox, id, reason)) << reason;
    EXPECT_TRUE(Due(now + 3600).lines.empty());
    EXPECT_EQ(Read(id).m_state, OutboxState::cancelled);
    EXPECT_TRUE(RemoveOutboxEntry(m_strOutbox, id, reason)) << reason;
    EXPECT_FALSE(Exists(m_strOutbox + "/" + id));
    EXPECT_FALSE(CancelOutboxEntry(m_strOutbox, "../outbox", reason));
}

struct DamageCase {
    const char* name;
    const char* entry; // the entry file's text; nullptr: none
    const char* said;
};

class OutboxDamageTest : public OutboxTest, public testing::WithParamInterface<DamageCase> { };

TEST_P(OutboxDamageTest, ADamagedFolderIsNamedAndTheOthersStillGo)
{
    const std::time_t now = At("2026-12-24T08:00:00Z");
    CFakeSmtpServer server;
    const std::string good = Add(server.Address(), now);
    const std::string bad = Add("127.0.0.1:1", now, "bob@vimble.test");
    const std::string path = m_strOutbox + "/" + bad + "/entry";
    if (GetParam().entry == nullptr)
        ASSERT_EQ(unlink(path.c_str()), 0);
    else
        WriteText(path, GetParam().entry);
    std::vector<std::string> damaged;
    const std::vector<COutboxEntry> entries = ListOutbox(m_strOutbox, damaged);
    ASSERT_EQ(entries.size(), 1u);
    ASSERT_EQ(damaged.size(), 1u);
    EXPECT_EQ(damaged[0], bad + ": " + GetParam().said);
    const COutboxReport report = Due(now);
    server.Join();
    EXPECT_EQ(report.Count("sent"), 1);
    EXPECT_EQ(report.lines.size(), 1u);
    std::string reason;
    EXPECT_TRUE(RemoveOutboxEntry(m_strOutbox, bad, reason)) << reason;
}

INSTANTIATE_TEST_SUITE_P(Damages, OutboxDamageTest,
    testing::Values(DamageCase { "missing", nullptr, "it holds no entry" },
        DamageCase { "empty", "", "the entry is empty" },
        DamageCase { "foreign", "hello\n", "it is not an outbox entry" },
        DamageCase { "cut", "vimble-outbox 1\nstate=waiting\ndue=2026-12-24T08:00:00Z\nto=a@b",
            "the entry is cut short" },
        DamageCase { "state", "vimble-outbox 1\nstate=lost\n", "the entry has no state that is known" },
        DamageCase { "time", "vimble-outbox 1\nstate=waiting\ndue=Christmas\n",
            "the entry has a time that cannot be read" },
        DamageCase { "recipient",
            "vimble-outbox 1\nstate=waiting\ndue=2026-12-24T08:00:00Z\nserver=h\nproject=x.kel\n",
            "the entry says no recipient" },
        DamageCase { "escape",
            "vimble-outbox 1\nstate=waiting\ndue=2026-12-24T08:00:00Z\nto=a@b\nserver=h\n"
            "project=../../contacts.vcf\n",
            "the entry names no greeting file" },
        DamageCase { "project gone",
            "vimble-outbox 1\nstate=waiting\ndue=2026-12-24T08:00:00Z\nto=a@b\nserver=h\n"
            "project=gone.kel\n",
            "its greeting file gone.kel is missing" }),
    [](const testing::TestParamInfo<DamageCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(OutboxTimes, BirthdaysRetriesAndTimesAsWritten)
{
    const char* saved = std::getenv("TZ");
    const std::string old = saved != nullptr ? saved : "";
    setenv("TZ", "XST-1", 1); // one hour east of UTC
    tzset();
    struct BirthdayCase {
        int month, day;
        const char* after;
        const char* next;
    };
    const BirthdayCase birthdays[] = {
        { 5, 17, "2027-01-10T12:00:00+01:00", "2027-05-17T08:00:00+01:00" },
        { 5, 17, "2027-05-17T07:59:59+01:00", "2027-05-17T08:00:00+01:00" },
        { 5, 17, "2027-05-17T08:00:00+01:00", "2028-05-17T08:00:00+01:00" },
        { 2, 29, "2027-01-01T00:00:00+01:00", "2027-02-28T08:00:00+01:00" },
        { 2, 29, "2027-03-01T00:00:00+01:00", "2028-02-29T08:00:00+01:00" },
        { 12, 31, "2027-12-31T09:00:00+01:00", "2028-12-31T08:00:00+01:00" },
    };
    for (const BirthdayCase& c : birthdays) {
        EXPECT_EQ(NextBirthdayMorning(c.month, c.day, At(c.after)), At(c.next))
            << c.month << "-" << c.day << " after " << c.after;
    }
    EXPECT_EQ(NextBirthdayMorning(13, 1, 0), 0);
    // Local times without a zone are this machine's.
    EXPECT_EQ(At("2027-05-17T08:00"), At("2027-05-17T07:00:00Z"));
    EXPECT_EQ(IsoTimeUtc(At("2027-05-17T08:00:00+01:00")), "2027-05-17T07:00:00Z");
    std::time_t time = 0;
    for (const char* bad : { "", "2027-02-30T08:00:00Z", "2027-05-17", "2027-05-17T25:00",
             "2027-05-17T08:00:00+1", "2027-05-17T08:00:00Zulu", "tomorrow" })
        EXPECT_FALSE(ParseIsoTime(bad, time)) << bad;

    const std::time_t first = At("2027-01-01T00:00:00Z");
    EXPECT_EQ(RetryTime(1, first, first), first + 300);
    EXPECT_EQ(RetryTime(2, first, first + 300), first + 300 + 1800);
    EXPECT_EQ(RetryTime(3, first, first), first + 7200);
    EXPECT_EQ(RetryTime(9, first, first + 86400), first + 86400 + 6 * 3600);
    EXPECT_EQ(RetryTime(9, first, first + 3 * 86400), 0);
    EXPECT_EQ(RetryTime(16, first, first + 3600), 0);
    if (saved != nullptr)
        setenv("TZ", old.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

TEST_F(OutboxTest, ABirthdayWithNothingPlannedIsRemindedOfOnce)
{
    CContactBook contacts;
    for (const auto& [name, address, day] : { std::tuple { "Ann Smith", "ann@vimble.test", 19 },
             std::tuple { "Bob Brown", "bob@vimble.test", 18 },
             std::tuple { "Cy Young", "cy@vimble.test", 30 } }) {
        CContact contact;
        contact.m_strName = name;
        contact.m_addresses = { address };
        contact.m_nBirthMonth = 5;
        contact.m_nBirthDay = day;
        contacts.Add(contact);
    }
    const std::time_t now = At("2027-05-16T10:00:00Z");
    Add("127.0.0.1:1", At("2027-05-18T08:00:00Z"), "bob@vimble.test"); // planned
    EXPECT_EQ(BirthdayReminders(m_strOutbox, contacts, now), std::vector<std::string> { "Ann Smith" });
    EXPECT_TRUE(BirthdayReminders(m_strOutbox, contacts, now + 3600).empty());
}

// The sending run is killed with SIGKILL at each point of its talk with the server; a second,
// whole run follows. Whatever the point, the greeting reached the server at most once, and it
// is either sent or marked "being sent" for the person to decide.
TEST_F(OutboxTest, ARunKilledAnywhereNeverSendsAGreetingTwice)
{
    struct KillPoint {
        const char* name;
        size_t commands; // kill once the server has read this many commands
        bool bSilentEnd; // the server does not answer the end of the data
        std::vector<OutboxState> states; // what the killed run may leave
    };
    using S = OutboxState;
    const KillPoint points[] = { { "after HELO", 1, false, { S::waiting } },
        { "after MAIL", 2, false, { S::waiting } },
        { "after RCPT", 3, false, { S::waiting, S::beingSent } },
        { "after DATA", 4, false, { S::beingSent } },
        { "end without a reply", 4, true, { S::beingSent } },
        { "after the reply", 5, false, { S::sent } } };
    const std::time_t now = At("2026-12-24T08:00:00Z");
    for (const KillPoint& point : points) {
        SCOPED_TRACE(point.name);
        const std::string id = Add("127.0.0.1:1", now);
        size_t delivered = 0;
        {
            CServerScript script;
            if (point.bSilentEnd)
                script.replies["END"] = "";
            CFakeSmtpServer server(script);
            PointAt(id, server.Address());
            std::vector<std::string> args = { built::kTool, "outbox", "send-due", "--now",
                "2026-12-24T08:00:00Z", "--data", m_strData, "--timeout", "5" };
            std::vector<char*> argv;
            for (std::string& arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            pid_t pid = 0;
            posix_spawn_file_actions_t actions;
            posix_spawn_file_actions_init(&actions);
            posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
            ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
            posix_spawn_file_actions_destroy(&actions);
            const bool bReached = point.bSilentEnd ? server.WaitForEndOfData()
                                                   : server.WaitForCommands(point.commands);
            kill(pid, SIGKILL);
            int status = 0;
            waitpid(pid, &status, 0);
            server.Join();
            EXPECT_TRUE(bReached);
            delivered += server.m_bEndOfData ? 1 : 0;
        }
        const OutboxState killed = Read(id).m_state;
        EXPECT_NE(std::find(point.states.begin(), point.states.end(), killed), point.states.end())
            << OutboxStateName(killed);
        if (delivered != 0) {
            EXPECT_NE(killed, OutboxState::waiting);
        }
        if (killed == OutboxState::waiting) {
            CFakeSmtpServer rerun;
            PointAt(id, rerun.Address());
            Due(now + 60);
            rerun.Join();
            delivered += rerun.m_bEndOfData ? 1 : 0;
        } else {
            // A run that tried it again would find the port closed and leave it waiting.
            PointAt(id, "127.0.0.1:1");
            Due(now + 60);
        }
        EXPECT_LE(delivered, 1u);
        const OutboxState after = Read(id).m_state;
        EXPECT_TRUE(after == OutboxState::sent || after == OutboxState::beingSent)
            << OutboxStateName(after);
        if (after == OutboxState::sent) {
            EXPECT_EQ(delivered, 1u);
        }
        std::string reason;
        CancelOutboxEntry(m_strOutbox, id, reason);
    }
}

// Under a private session bus, as the timer's run has one: the desktop's notification service
// (a stand-in) is told that the planned greeting went.
TEST_F(OutboxTest, TheDesktopIsToldThatAPlannedGreetingWasSent)
{
#if defined(__SANITIZE_THREAD__)
    // The desktop's stand-in is a QtDBus program, whose Qt internals ThreadSanitizer stops;
    // the test runs no thread of ours.
    GTEST_SKIP() << "not under ThreadSanitizer";
#endif
    if (std::system("command -v dbus-run-session >/dev/null && command -v dbus-send >/dev/null") != 0)
        GTEST_SKIP() << "dbus-run-session and dbus-send (dbus) are not installed";
    const std::time_t due = At("2026-12-24T08:00:00Z");
    CFakeSmtpServer server;
    Add(server.Address(), due);
    const std::string notices = m_root / "notices";
    // The stand-in takes the service's name; the run starts once the bus says it has.
    const std::string script = std::string(built::kPlatformTestsDir) + "/notify_standin '" + notices
        + "' 60 & for i in \\$(seq 100); do dbus-send --session --print-reply "
          "--dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner "
          "string:org.freedesktop.Notifications 2>/dev/null | grep -q true && break; sleep 0.1; "
          "done; '"
        + built::kTool + "' outbox send-due --now 2026-12-24T08:30:00Z --data '" + m_strData
        + "' >/dev/null; kill \\$!";
    const std::string command = "dbus-run-session -- sh -c \"" + script + "\" 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    server.Join();
    EXPECT_TRUE(server.m_bEndOfData);
    const std::string said = ReadText(notices);
    EXPECT_NE(said.find("Vimble e-mail\tGreeting sent\t"), std::string::npos) << said;
    EXPECT_NE(said.find("Happy birthday\u201d to ann@vimble.test was sent."), std::string::npos) << said;
}

} // namespace

