// The mail worker against scripted servers of our own on 127.0.0.1: the exact dialogue and
// message stream, and every way a send can fail, each ending in the failure text with the
// worker's files gone.
#include "mail/mailthread.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/strings.h"
#include "platform/text.h"
#include "tests/mail/mail_fixtures.h"
#include "tests/platform/scoped_env.h"
#include "translations/translator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace mailtest;

namespace {

constexpr std::time_t kStart = 1796738709; // Tue, 08 Dec 2026 14:05:09 UTC
const char kErrTemplate[] = "%s could not send it. %s and %s are sorry; write to %s.";
const char kErrText[] = "Vimble e-mail could not send it. Vimble e-mail and Vimble e-mail are "
                        "sorry; write to greetings@vimble-email.example.";

class CTable : public platform::IStringTable {
public:
    std::string Get(int nId) const override
    {
        return nId == 10143 ? m_strSpan : std::string();
    }
    std::string m_strSpan = "Sent after %D days (%%).";
};

// Records what the worker asks of the editor; can hold the result box open.
class CRecordingHost : public IMailHost {
public:
    void StartActivity() override { Note("start"); }
    void StopActivity() override { Note("stop"); }
    void ShowResult(
        const std::string& strText, bool bSucceeded, const std::string& strReason) override
    {
        std::unique_lock lock(m_mutex);
        m_calls.push_back("result");
        m_strText = strText;
        m_bSucceeded = bSucceeded;
        m_strReason = strReason;
        m_bShown = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return !m_bHold; });
    }
    void Hold() { m_bHold = true; }
    void Release()
    {
        std::lock_guard lock(m_mutex);
        m_bHold = false;
        m_changed.notify_all();
    }
    void WaitShown()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_bShown; });
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_calls;
    std::string m_strText;
    std::string m_strReason;
    bool m_bSucceeded = false;
    bool m_bShown = false;
    bool m_bHold = false;

private:
    void Note(const char* what)
    {
        std::lock_guard lock(m_mutex);
        m_calls.push_back(what);
    }
};

std::string HostName()
{
    char name[81] = {};
    gethostname(name, 80);
    return name[0] != '\0' ? name : "localhost";
}

std::string Stuffed(const std::string& message)
{
    std::string out;
    bool lineStart = true;
    for (char c : message) {
        if (lineStart && c == '.')
            out.push_back('.');
        out.push_back(c);
        lineStart = c == '\n';
    }
    return out;
}

// The value of the message's "Message-ID:" line; empty when it has none.
std::string MessageId(const std::string& message)
{
    const std::string name = "\r\nMessage-ID: ";
    size_t at = message.find(name);
    if (at == std::string::npos)
        return {};
    at += name.size();
    return message.substr(at, message.find("\r\n", at) - at);
}

// "<16 hexadecimal digits.the start time@domain>".
bool IsMessageId(const std::string& id, const std::string& domain)
{
    const std::string tail = "." + std::to_string(kStart) + "@" + domain + ">";
    if (id.size() != 17 + tail.size() || id[0] != '<' || id.compare(17, tail.size(), tail) != 0)
        return false;
    return id.find_first_not_of("0123456789abcdef", 1) == 17;
}

class MailThreadTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_pRoot = std::make_unique<CTempDir>();
        m_strTmp = *m_pRoot / "tmp";
        m_strData = *m_pRoot / "data";
        m_strCards = *m_pRoot / "cards";
        for (const std::string& dir : { m_strTmp, m_strData, m_strCards })
            ASSERT_EQ(mkdir(dir.c_str(), 0700), 0);
        // The worker's temporary files go where the test can see that they are gone.
        m_tmp = std::make_unique<CScopedEnv>("TMPDIR", m_strTmp);
        m_tz = std::make_unique<CScopedEnv>("TZ", "XST-1"); // one hour east of UTC, no summer time
        m_player = PatternBytes(5000, 11);
        m_data = PatternBytes(3000, 12);
        WriteText(m_strData + "/play.exe", m_player);
        WriteText(m_strData + "/play.dat", m_data);
        WriteText(m_strData + "/err.msg", kErrTemplate);
        m_pPrevious = platform::SetStringTable(&m_table);
    }
    void TearDown() override
    {
        platform::SetStringTable(m_pPrevious);
        m_tz.reset();
        m_tmp.reset();
        m_pRoot.reset();
    }

    std::string Project(const std::string& name, const std::string& bytes)
    {
        std::string path = m_strCards + "/" + name;
        WriteText(path, bytes);
        return path;
    }

    std::unique_ptr<CMailThread> MakeThread(const std::string& server, const std::string& project)
    {
        auto thread = std::make_unique<CMailThread>();
        thread->m_strServer = server;
        thread->m_strFrom = "me@vimble.test";
        thread->m_strTo = "ann@vimble.test";
        thread->m_strSubject = "Happy birthday";
        thread->m_strText = "Hello!";
        thread->m_strProjectPath = project;
        thread->m_strDataDir = m_strData;
        thread->m_pHost = &m_host;
        thread->m_nTimeoutSeconds = 5;
        thread->m_nStartTime = kStart;
        return thread;
    }

    // The worker leaves nothing behind: no project, no attachment, no temporary files.
    void ExpectCleanedUp()
    {
        EXPECT_EQ(ListDir(m_strCards), std::vector<std::string> {});
        EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});
    }

    // The failure letter, then what failed.
    void ExpectFailure(const CMailThread& thread, int result)
    {
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(thread.m_bFailed);
        EXPECT_FALSE(m_host.m_bSucceeded);
        EXPECT_FALSE(m_host.m_strReason.empty());
        EXPECT_EQ(m_host.m_strReason, thread.m_strFailure);
        EXPECT_EQ(m_host.m_strText, kErrText + ("\n\nWhat failed: " + thread.m_strFailure + "."));
        EXPECT_EQ(m_host.m_calls, (std::vector<std::string> { "stop", "result" }));
        ExpectCleanedUp();
    }

    std::unique_ptr<CTempDir> m_pRoot;
    std::string m_strTmp, m_strData, m_strCards;
    std::unique_ptr<CScopedEnv> m_tmp, m_tz;
    std::string m_player, m_data;
    CTable m_table;
    platform::IStringTable* m_pPrevious = nullptr;
    CRecordingHost m_host;
};

struct StreamCase {
    std::string projectName;
    size_t projectSize;
    size_t playerSize;
    bool withData;
    std::string to;
    std::vector<std::string> rcpts;
    std::string text;
    std::string textOnWire; // the text row as it is sent
    std::vector<size_t> base64Lines;
};

void PrintTo(const StreamCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.projectName + " to " + c.to);
}

class MailStreamTest : public MailThreadTest, public testing::WithParamInterface<StreamCase> { };

TEST_P(MailStreamTest, DialogueAndMessageByteForByte)
{
    const StreamCase& c = GetParam();
    m_player = PatternBytes(c.playerSize, 21);
    WriteText(m_strData + "/play.exe", m_player);
    const std::string project = PatternBytes(c.projectSize, 22);
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project(c.projectName, project));
    thread->m_strTo = c.to;
    thread->m_strText = c.text;
    thread->m_bSendPlayer = c.withData;
    int result = thread->Run();
    server.Join();

    EXPECT_EQ(result, 1) << thread->m_strFailure;
    EXPECT_TRUE(m_host.m_bSucceeded);
    EXPECT_EQ(m_host.m_strText, "Sent after 0 days (%).");
    std::vector<std::string> commands { "HELO " + HostName(), "MAIL FROM:<me@vimble.test>" };
    for (const std::string& rcpt : c.rcpts)
        commands.push_back("RCPT TO:<" + rcpt + ">");
    commands.push_back("DATA");
    commands.push_back("QUIT");
    EXPECT_EQ(server.m_commands, commands);
    ASSERT_TRUE(server.m_bEndOfData);

    const std::string name = c.projectName.substr(0, c.projectName.size() - 4);
    const std::string bundle
        = ReferenceBundle(m_player, c.withData ? &m_data : nullptr, project, name);
    const std::string base64 = ReferenceBase64(bundle);
    const std::string id = MessageId(server.m_strData);
    EXPECT_TRUE(IsMessageId(id, "vimble.test")) << id;
    const std::string expected = "To:" + c.to + "\r\n" + "From:me@vimble.test\r\n"
        + "Date: Tue, 08 Dec 2026 15:05:09 +0100\r\n" + "MESSAGE_ID: <3AB45D459C44CC34A>\r\n"
        + "Message-ID: " + id + "\r\n" + "Subject:Happy birthday\r\n" + "MIME-Version: 1.0\r\n"
        + "Content-Type: multipart/mixed; boundary=\"theboundarybyVelmorant\"\r\n" + "\r\n"
        + "This is a multi-part message in MIME format.And your mail-reader doesn't understand "
          "MIME.\r\n"
        + "--theboundarybyVelmorant\r\n" + "Content-Type: text/plain; charset=us-ascii\r\n"
        + "Content-Transfer-Encoding: 7bit\r\n" + "\r\n" + c.textOnWire + "\r\n" + "\r\n"
        + "--theboundarybyVelmorant\r\n" + "Content-Type: application/octet-stream; name=" + name
        + ".exe\r\n" + "Content-transfer-encoding: base64\r\n"
        + "Content-Disposition: attachment; filename=" + name + ".exe\r\n" + "\r\n" + base64
        + "\r\n" + "--theboundarybyVelmorant--\r\n";
    EXPECT_EQ(server.m_strData, Stuffed(expected));
    EXPECT_EQ(Unstuff(server.m_strData), expected);

    if (!c.base64Lines.empty()) {
        std::vector<size_t> lengths;
        for (size_t at = 0; at < base64.size(); at = base64.find("\r\n", at) + 2)
            lengths.push_back(base64.find("\r\n", at) - at);
        EXPECT_EQ(lengths, c.base64Lines);
    }
    ExpectCleanedUp();
    // The recipients go into the address book only with the player's data.
    EXPECT_EQ(Exists(m_strData + "/book.dat"), c.withData);
    if (c.withData) {
        EXPECT_EQ(ReadText(m_strData + "/book.dat"),
            std::string("\x01\x00", 2) + static_cast<char>(c.to.size()) + c.to);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MailStreamTest,
    testing::Values(
        // Bundles of 44, 45 and 46 bytes: one full line ending in a pad, one full line, and a
        // second line of four characters.
        StreamCase {
            "a.kel", 5, 5, false, "ann@vimble.test", { "ann@vimble.test" }, "Hi", "Hi", { 60 } },
        StreamCase {
            "b.kel", 6, 5, false, "ann@vimble.test", { "ann@vimble.test" }, "Hi", "Hi", { 60 } },
        StreamCase {
            "c.kel", 7, 5, false, "ann@vimble.test", { "ann@vimble.test" }, "Hi", "Hi", { 60, 4 } },
        StreamCase { "birthdaycard.kel", 20000, 5000, true, "ann@vimble.test;bob@vimble.test",
            { "ann@vimble.test", "bob@vimble.test" }, "Hello!", "Hello!", {} },
        // A comma and a blank between two addresses give two recipients, not three; a
        // trailing separator adds none; the header keeps the text as typed.
        StreamCase { "party.kel", 100, 50, false, "ann@vimble.test, bob@vimble.test;",
            { "ann@vimble.test", "bob@vimble.test" }, "", "", {} },
        // No recipients at all: straight to DATA.
        StreamCase { "party.kel", 100, 50, false, "", {}, "x", "x", {} },
        // A full stop alone on a line cannot end the data early; lone line feeds go out as
        // CR LF.
        StreamCase { "party.kel", 100, 50, false, "ann@vimble.test", { "ann@vimble.test" },
            "Line one\r\n.\r\n.dot first\nlast", "Line one\r\n.\r\n.dot first\r\nlast", {} }));

// The result says how long the send took, counted from when Send was pressed, through the
// time template: days, then hours, minutes and seconds of the day.
TEST_F(MailThreadTest, TheResultSaysHowLongTheSendTook)
{
    m_table.m_strSpan = "It took %D days and %H:%M:%S.";
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    thread->m_sendPressed = std::chrono::steady_clock::now() - std::chrono::seconds(93784);
    ASSERT_EQ(thread->Run(), 1) << thread->m_strFailure;
    server.Join();
    // A day, two hours, three minutes and four seconds ago, give or take the send itself.
    EXPECT_TRUE(m_host.m_strText == "It took 1 days and 02:03:04."
        || m_host.m_strText == "It took 1 days and 02:03:05.")
        << m_host.m_strText;
}

TEST_F(MailThreadTest, MultiLineRepliesAreReadWhole)
{
    CServerScript script;
    script.strGreeting = "220-fake.test here\r\n220-no pipelining\r\n220 ready\r\n";
    script.replies["HELO"] = "250-fake.test\r\n250-SIZE 1000000\r\n250 HELP\r\n";
    script.replies["END"] = "250-queued\r\n250 as 1234\r\n";
    CFakeSmtpServer server(script);
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    EXPECT_EQ(thread->Run(), 1) << thread->m_strFailure;
    server.Join();
    EXPECT_EQ(server.m_commands.size(), 5u);
    EXPECT_EQ(server.m_commands.back(), "QUIT");
}

TEST_F(MailThreadTest, ARefusedRecipientIsNamedWhileTheOthersReceive)
{
    CServerScript script;
    script.rcpt = [](const std::string& line) {
        return line.find("bob@") != std::string::npos ? "550 5.1.1 no such user\r\n"
                                                      : "250 Accepted\r\n";
    };
    CFakeSmtpServer server(script);
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    thread->m_strTo = "ann@vimble.test;bob@vimble.test";
    thread->m_bSendPlayer = true;
    EXPECT_EQ(thread->Run(), 1) << thread->m_strFailure;
    server.Join();
    EXPECT_TRUE(server.m_bEndOfData);
    EXPECT_EQ(thread->m_strRefused, "bob@vimble.test (550 5.1.1 no such user)");
    EXPECT_EQ(m_host.m_strText,
        "Sent after 0 days (%).\nThe mail server refused these "
        "recipients: bob@vimble.test (550 5.1.1 no such user)");
    EXPECT_TRUE(m_host.m_bSucceeded);
    EXPECT_TRUE(Exists(m_strData + "/book.dat"));
    ExpectCleanedUp();
}

struct FailureCase {
    const char* name;
    CServerScript script;
    std::vector<std::string> commands; // the command words the server saw, in order
    bool endOfData;
};

void PrintTo(const FailureCase& c, std::ostream* os)
{
    *os << testing::PrintToString(std::string(c.name));
}

CServerScript Script(std::string key, std::string reply)
{
    CServerScript script;
    if (key == "GREETING")
        script.strGreeting = reply;
    else
        script.replies[key] = reply;
    return script;
}

CServerScript CloseAfterData(size_t bytes)
{
    CServerScript script;
    script.nCloseAfterDataBytes = bytes;
    return script;
}

CServerScript RefuseEveryRecipient()
{
    CServerScript script;
    script.rcpt = [](const std::string&) { return "550 unknown user\r\n"; };
    return script;
}

class MailFailureTest : public MailThreadTest, public testing::WithParamInterface<FailureCase> { };

TEST_P(MailFailureTest, EndsInTheFailureTextWithTheFilesGone)
{
    const FailureCase& c = GetParam();
    const std::string book("\x01\x00\x03old", 6);
    WriteText(m_strData + "/book.dat", book);
    CFakeSmtpServer server(c.script);
    auto thread = MakeThread(server.Address(), Project("card.kel", PatternBytes(3000, 5)));
    thread->m_strTo = "ann@vimble.test, bob@vimble.test";
    thread->m_bSendPlayer = true;
    thread->m_nTimeoutSeconds = 1;
    platform::CMessageRecorder recorder;
    int result = thread->Run();
    server.Join();
    ExpectFailure(*thread, result);
    std::vector<std::string> words;
    for (const std::string& command : server.m_commands)
        words.push_back(command.substr(0, 4));
    EXPECT_EQ(words, c.commands);
    EXPECT_EQ(server.m_bEndOfData, c.endOfData);
    EXPECT_EQ(ReadText(m_strData + "/book.dat"), book);
}

INSTANTIATE_TEST_SUITE_P(Servers, MailFailureTest,
    testing::Values(
        FailureCase { "RefusedGreeting", Script("GREETING", "554 go away\r\n"), {}, false },
        FailureCase { "SilentServer", Script("GREETING", ""), {}, false },
        FailureCase {
            "NotAMailServer", Script("GREETING", "HTTP/1.1 400 Bad Request\r\n"), {}, false },
        FailureCase {
            "RefusedHelo", Script("HELO", "501 bad name\r\n"), { "HELO", "QUIT" }, false },
        FailureCase { "RefusedMailFrom", Script("MAIL", "550 not you\r\n"),
            { "HELO", "MAIL", "QUIT" }, false },
        FailureCase { "EveryRecipientRefused", RefuseEveryRecipient(),
            { "HELO", "MAIL", "RCPT", "RCPT", "QUIT" }, false },
        FailureCase {
            "ClosedAtRecipient", Script("RCPT", "CLOSE"), { "HELO", "MAIL", "RCPT" }, false },
        FailureCase { "RefusedData", Script("DATA", "554 no valid recipients\r\n"),
            { "HELO", "MAIL", "RCPT", "RCPT", "DATA", "QUIT" }, false },
        FailureCase { "ClosedMidData", CloseAfterData(300),
            { "HELO", "MAIL", "RCPT", "RCPT", "DATA" }, false },
        FailureCase { "RefusedEndOfData", Script("END", "552 message too big\r\n"),
            { "HELO", "MAIL", "RCPT", "RCPT", "DATA", "QUIT" }, true },
        FailureCase { "SilentAfterData", Script("END", ""),
            { "HELO", "MAIL", "RCPT", "RCPT", "DATA" }, true }),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(MailThreadTest, ANameThatDoesNotResolveSendsNothing)
{
    const std::string book("\x01\x00\x03old", 6);
    WriteText(m_strData + "/book.dat", book);
    auto thread = MakeThread("nowhere.invalid", Project("card.kel", "KEL"));
    thread->m_bSendPlayer = true;
    int result = thread->Run();
    ExpectFailure(*thread, result);
    EXPECT_NE(thread->m_strFailure.find("nowhere.invalid"), std::string::npos);
    EXPECT_EQ(ReadText(m_strData + "/book.dat"), book);
}

TEST_F(MailThreadTest, AClosedPortFailsTheSend)
{
    int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length), 0);
    close(probe); // nothing listens there now
    auto thread
        = MakeThread("127.0.0.1:" + std::to_string(ntohs(address.sin_port)), Project("a.kel", "K"));
    ExpectFailure(*thread, thread->Run());
}

// The attachment is made before the message begins, so a missing piece ends the talk with
// QUIT: the server never sees a message, not even the start of one.
TEST_F(MailThreadTest, AMissingPlayerIsSaidAsSuchAndNoMessageIsBegun)
{
    ASSERT_TRUE(platform::DeleteFile(m_strData + "/play.exe"));
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    platform::CMessageRecorder recorder;
    int result = thread->Run();
    server.Join();
    ExpectFailure(*thread, result);
    EXPECT_EQ(server.m_commands,
        (std::vector<std::string> { "HELO " + HostName(), "MAIL FROM:<me@vimble.test>",
            "RCPT TO:<ann@vimble.test>", "QUIT" }));
    EXPECT_FALSE(server.m_bEndOfData);
    EXPECT_EQ(server.m_strData, "");
    EXPECT_EQ(thread->m_strFailure,
        "the attachment could not be built: play.exe is missing from the data directory "
            + m_strData);
    EXPECT_EQ(m_host.m_strText.find("server"), std::string::npos) << m_host.m_strText;
    ASSERT_GE(recorder.m_messages.size(), 2u);
    EXPECT_EQ(recorder.m_messages[0].strText, m_strData + "/play.exe: Error! File Not Found");
    EXPECT_EQ(recorder.m_messages[1].strText,
        "Error 24: the player program cannot be copied into the player bundle");
}

TEST_F(MailThreadTest, AMissingPlayerDataIsSaidAsSuch)
{
    ASSERT_TRUE(platform::DeleteFile(m_strData + "/play.dat"));
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    thread->m_bSendPlayer = true;
    platform::CMessageRecorder recorder;
    int result = thread->Run();
    server.Join();
    ExpectFailure(*thread, result);
    EXPECT_EQ(server.m_commands.back(), "QUIT");
    EXPECT_FALSE(server.m_bEndOfData);
    EXPECT_EQ(thread->m_strFailure,
        "the attachment could not be built: play.dat is missing from the data directory "
            + m_strData);
    EXPECT_FALSE(Exists(m_strData + "/book.dat"));
}

TEST_F(MailThreadTest, WithoutADataDirectoryTheAttachmentCannotBeBuilt)
{
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    thread->m_strDataDir.clear();
    platform::CMessageRecorder recorder;
    int result = thread->Run();
    server.Join();
    EXPECT_EQ(result, 0);
    EXPECT_EQ(thread->m_strFailure.rfind("the attachment could not be built: ", 0), 0u)
        << thread->m_strFailure;
    EXPECT_EQ(server.m_commands.back(), "QUIT");
    EXPECT_FALSE(server.m_bEndOfData);
    ExpectCleanedUp();
}

// What failed is the last paragraph of the result box, with the server's own answer when it
// refused.
TEST_F(MailThreadTest, ARefusalIsSaidWithTheServersReply)
{
    CFakeSmtpServer server(Script("MAIL", "550 5.7.1 relaying denied\r\n"));
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    int result = thread->Run();
    server.Join();
    ExpectFailure(*thread, result);
    EXPECT_EQ(thread->m_strFailure,
        "the mail server " + server.Address()
            + " refused \"MAIL FROM:<me@vimble.test>\": 550 5.7.1 relaying denied");
}

TEST_F(MailThreadTest, AnUnreachableServerIsSaidAsSuch)
{
    auto thread = MakeThread("nowhere.invalid", Project("card.kel", "KEL"));
    int result = thread->Run();
    ExpectFailure(*thread, result);
    EXPECT_EQ(thread->m_strFailure.rfind("the mail server nowhere.invalid cannot be found", 0), 0u)
        << thread->m_strFailure;
}

struct GermanCase {
    const char* name;
    CServerScript script;
    bool bReachable; // false: the server's name is under "invalid" and nothing is asked
    const char* failure; // UTF-8; "SERVER" stands for the server's address
};

void PrintTo(const GermanCase& c, std::ostream* os)
{
    *os << c.name;
}

class GermanMailTest : public MailThreadTest, public testing::WithParamInterface<GermanCase> {
protected:
    void SetUp() override
    {
        EnsureGuiApplication(); // before the test's own temporary folder is set
        MailThreadTest::SetUp();
        ASSERT_TRUE(translations::InstallTranslators(platform::ELanguage::German));
    }
    void TearDown() override
    {
        translations::InstallTranslators(platform::ELanguage::English);
        MailThreadTest::TearDown();
    }
};

TEST_P(GermanMailTest, TheFailureIsSaidInGermanWithItsPiecesInPlace)
{
    const GermanCase& c = GetParam();
    std::unique_ptr<CFakeSmtpServer> server;
    if (c.bReachable)
        server = std::make_unique<CFakeSmtpServer>(c.script);
    const std::string address = server ? server->Address() : "nowhere.invalid";
    ASSERT_TRUE(platform::DeleteFile(m_strData + "/err.msg"));
    auto thread = MakeThread(address, Project("card.kel", "KEL"));
    EXPECT_EQ(thread->Run(), 0);
    if (server)
        server->Join();
    std::string expected = c.failure;
    expected.replace(expected.find("SERVER"), 6, address);
    // The reason and the whole result in the code page, with the umlauts and quotes as its bytes.
    EXPECT_EQ(thread->m_strFailure, expected);
    EXPECT_EQ(m_host.m_strText,
        "Vimble e-mail konnte Ihren Gruß nicht senden.\n\nWas nicht "
                                 "geklappt hat: "
            + expected + ".");
    ExpectCleanedUp();
}

INSTANTIATE_TEST_SUITE_P(Failures, GermanMailTest,
    testing::Values(
        GermanCase { "RefusedSender", Script("MAIL", "550 5.7.1 relaying denied\r\n"), true,
            "der Mailserver SERVER hat „MAIL FROM:<me@vimble.test>“ abgelehnt: 550 5.7.1 "
            "relaying denied" },
        GermanCase { "EveryRecipientRefused", RefuseEveryRecipient(), true,
            "der Mailserver SERVER hat alle Empfänger abgelehnt: ann@vimble.test (550 unknown "
            "user)" },
        GermanCase { "UnknownServer", {}, false,
            "der Mailserver SERVER wird nicht gefunden (ein reservierter, ungültiger Name)" }),
    [](const testing::TestParamInfo<GermanCase>& info) { return info.param.name; });

// The letter comes in the person's language where the data directory has it, else in English.
class GermanLetterTest : public GermanMailTest { };

// The system's words for a refused connection are said in the program's language too, whatever
// the desktop's (the tests run with LANGUAGE=en).
TEST_F(GermanLetterTest, ARefusedConnectionIsSaidInTheProgramsLanguage)
{
    // A port that was free a moment ago: nothing listens there.
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(probe, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length), 0);
    ::close(probe);
    const std::string server = "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    auto thread = MakeThread(server, Project("card.kel", "KEL"));
    EXPECT_EQ(thread->Run(), 0);
    EXPECT_EQ(thread->m_strFailure,
        "keine Verbindung zum Mailserver " + server
            + " möglich: Verbindung abgelehnt");
}

TEST_F(GermanLetterTest, TheLetterIsTheGermanOneWhereTheDataHasIt)
{
    WriteText(m_strData + "/err.de.msg", "%s: es tut uns leid (%s, %s, %s).");
    auto thread = MakeThread("nowhere.invalid", Project("card.kel", "KEL"));
    EXPECT_EQ(thread->Run(), 0);
    EXPECT_EQ(m_host.m_strText.rfind("Vimble e-mail: es tut uns leid (Vimble e-mail, Vimble e-mail, "
                                     "greetings@vimble-email.example).\n\nWas nicht geklappt hat: ",
                  0),
        0u)
        << m_host.m_strText;
    platform::DeleteFile(m_strData + "/err.de.msg");
    auto english = MakeThread("nowhere.invalid", Project("card2.kel", "KEL"));
    translations::InstallTranslators(platform::ELanguage::English);
    EXPECT_EQ(english->Run(), 0);
    EXPECT_EQ(m_host.m_strText.rfind("Vimble e-mail could not send it.", 0), 0u) << m_host.m_strText;
}

TEST_F(MailThreadTest, WithoutErrMsgTheResultStillSaysWhatHappened)
{
    ASSERT_TRUE(platform::DeleteFile(m_strData + "/err.msg"));
    auto thread = MakeThread("nowhere.invalid", Project("card.kel", "KEL"));
    EXPECT_EQ(thread->Run(), 0);
    EXPECT_EQ(m_host.m_strText,
        "Vimble e-mail could not send your greeting.\n\nWhat failed: " + thread->m_strFailure
            + ".");
    ExpectCleanedUp();
}

TEST_F(MailThreadTest, AHostileErrMsgCannotReadWhatItWasNotGiven)
{
    WriteText(m_strData + "/err.msg", "%s %n %d %s %s %s %s %s");
    auto thread = MakeThread("nowhere.invalid", Project("card.kel", "KEL"));
    EXPECT_EQ(thread->Run(), 0);
    // The fourth text is the program's help address; the fifth and sixth are empty.
    EXPECT_EQ(m_host.m_strText,
        "Vimble e-mail %n %d Vimble e-mail Vimble e-mail greetings@vimble-email.example\n\n"
        "What failed: "
            + thread->m_strFailure + ".");
    EXPECT_EQ(std::string(kHelpAddress), "greetings@vimble-email.example");
}

TEST_F(MailThreadTest, WithoutAHostTheResultIsPrinted)
{
    auto thread = MakeThread("nowhere.invalid", Project("card.kel", "KEL"));
    thread->m_pHost = nullptr;
    testing::internal::CaptureStdout();
    EXPECT_EQ(thread->Run(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
        kErrText + ("\n\nWhat failed: " + thread->m_strFailure + ".\n"));
}

TEST_F(MailThreadTest, OneWorkerAtATime)
{
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    m_host.Hold();
    ASSERT_EQ(g_pMailThread.load(), nullptr);
    ASSERT_TRUE(StartMailThread(std::move(thread)));
    m_host.WaitShown();
    // The result box is open: the worker still counts as running, and no second one starts.
    EXPECT_NE(g_pMailThread.load(), nullptr);
    EXPECT_TRUE(IsSendInProgress());
    EXPECT_FALSE(StartMailThread(MakeThread(server.Address(), Project("other.kel", "KEL"))));
    m_host.Release();
    WaitForMailThreads();
    server.Join();
    EXPECT_EQ(g_pMailThread.load(), nullptr);
    EXPECT_FALSE(IsSendInProgress());
    EXPECT_TRUE(m_host.m_bSucceeded);
    EXPECT_EQ(m_host.m_calls, (std::vector<std::string> { "start", "stop", "result" }));
    // The refused second worker never ran; its project is still there.
    EXPECT_EQ(ListDir(m_strCards), std::vector<std::string> { "other.kel" });
    EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});
}

// Standard readers take the attachment's name whole: it is made of letters, digits, "-" and
// "_", and the bundle inside carries the same name.
TEST_F(MailThreadTest, TheAttachmentNameReadsWhole)
{
    const std::string project = PatternBytes(700, 9);
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project("Happy Birthday!.kel", project));
    EXPECT_EQ(thread->Run(), 1) << thread->m_strFailure;
    server.Join();
    ASSERT_TRUE(server.m_bEndOfData);
    const std::string message = Unstuff(server.m_strData);
    EXPECT_NE(message.find("Content-Type: application/octet-stream; name=Happy_Birthday.exe\r\n"),
        std::string::npos);
    EXPECT_NE(message.find("Content-Disposition: attachment; filename=Happy_Birthday.exe\r\n"),
        std::string::npos);
    std::string attachment;
    auto found = ParseWithPython(message, m_pRoot->Path(), attachment);
    ASSERT_FALSE(found.empty()) << "python3 is needed to read the message";
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_EQ(found["part1:filename"], "Happy_Birthday.exe");
    EXPECT_EQ(attachment, ReferenceBundle(m_player, nullptr, project, "Happy_Birthday"));
    ExpectCleanedUp();
}

// A text that holds the boundary line cannot make parts of its own, and a text or subject
// with code-page letters arrives as written.
TEST_F(MailThreadTest, ATextCannotForgePartsAndItsLettersArriveDecoded)
{
    const std::string text = "Dear Ann,\r\n--theboundarybyVelmorant\r\n"
                             "Content-Type: text/html\r\n\r\n<b>forged</b>\r\n"
                             "--theboundarybyVelmorant--\r\n"
                             "caf\xe9 = 100% ok  \r\n.\r\nBob";
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    thread->m_strText = text;
    thread->m_strSubject = "F\xeate --theboundarybyVelmorant";
    EXPECT_EQ(thread->Run(), 1) << thread->m_strFailure;
    server.Join();
    ASSERT_TRUE(server.m_bEndOfData);
    const std::string message = Unstuff(server.m_strData);

    const std::string header = "boundary=\"theboundarybyVelmorant_";
    size_t at = message.find(header);
    ASSERT_NE(at, std::string::npos) << message.substr(0, 600);
    const std::string boundary = message.substr(at + 10, 22 + 1 + 16);
    EXPECT_EQ(boundary.find_first_not_of("0123456789abcdef", 23), std::string::npos) << boundary;
    EXPECT_EQ(message.compare(at + 10 + boundary.size(), 3, "\"\r\n"), 0);
    // Every part line and the closing line use it.
    EXPECT_NE(message.find("\r\n--" + boundary
                  + "\r\nContent-Type: text/plain; "
                    "charset=windows-1252\r\n"
                    "Content-Transfer-Encoding: quoted-printable\r\n"),
        std::string::npos);
    EXPECT_NE(message.find("\r\n--" + boundary + "\r\nContent-Type: application/octet-stream"),
        std::string::npos);
    EXPECT_EQ(message.substr(message.size() - boundary.size() - 8), "\r\n--" + boundary + "--\r\n");
    for (size_t line = 0, end; (end = message.find("\r\n", line)) != std::string::npos;
         line = end + 2)
        EXPECT_LE(end - line, 998u) << message.substr(line, 100);

    std::string attachment;
    auto found = ParseWithPython(message, m_pRoot->Path(), attachment);
    ASSERT_FALSE(found.empty()) << "python3 is needed to read the message";
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_EQ(found["boundary"], boundary);
    EXPECT_EQ(found["defects"], "");
    ASSERT_EQ(found["parts"], "2");
    EXPECT_EQ(found["header:Subject"], "F\xc3\xaate --theboundarybyVelmorant");
    EXPECT_EQ(found["part0:content-type"], "text/plain");
    EXPECT_EQ(found["part0:charset"], "windows-1252");
    EXPECT_EQ(found["part0:defects"], "");
    std::string content = found["part0:content"];
    content.erase(std::remove(content.begin(), content.end(), '\r'), content.end());
    EXPECT_EQ(content,
        "Dear Ann,\n--theboundarybyVelmorant\nContent-Type: text/html\n\n<b>forged</b>\n"
        "--theboundarybyVelmorant--\ncaf\xc3\xa9 = 100% ok  \n.\nBob");
    EXPECT_EQ(found["part1:filename"], "card.exe");
    EXPECT_EQ(found["part1:defects"], "");
    EXPECT_EQ(attachment, ReferenceBundle(m_player, nullptr, "KEL", "card"));
    ExpectCleanedUp();
}

TEST_F(MailThreadTest, ALineTooLongForMailArrivesWhole)
{
    std::string longLine;
    for (int i = 0; i < 300; ++i)
        longLine += "word" + std::to_string(i) + " ";
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    thread->m_strText = longLine + "\r\nend";
    EXPECT_EQ(thread->Run(), 1) << thread->m_strFailure;
    server.Join();
    const std::string message = Unstuff(server.m_strData);
    EXPECT_NE(message.find("--theboundarybyVelmorant\r\nContent-Type: text/plain; "
                           "charset=windows-1252\r\nContent-Transfer-Encoding: quoted-printable"),
        std::string::npos);
    std::string attachment;
    auto found = ParseWithPython(message, m_pRoot->Path(), attachment);
    ASSERT_FALSE(found.empty()) << "python3 is needed to read the message";
    std::string content = found["part0:content"];
    content.erase(std::remove(content.begin(), content.end(), '\r'), content.end());
    EXPECT_EQ(content, longLine + "\nend")
        << "the trailing blank of the long line goes out encoded and comes back";
}

// Cancelling: the worker stops where it is, shows no result, records nothing and leaves
// nothing behind.
class MailCancelTest : public MailThreadTest {
protected:
    void ExpectCancelled(const CMailThread& thread, int result)
    {
        EXPECT_EQ(result, 0);
        EXPECT_TRUE(thread.m_bCancelled);
        EXPECT_EQ(thread.m_strFailure, "the send was cancelled");
        ExpectCleanedUp();
    }
};

TEST_F(MailCancelTest, CancellingWakesAWaitForASilentServer)
{
    CFakeSmtpServer server(Script("GREETING", ""));
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    thread->m_nTimeoutSeconds = 600; // only the cancel can end the wait
    int result = -1;
    std::thread worker([&] { result = thread->Run(); });
    ASSERT_TRUE(server.WaitForCommands(0));
    thread->Cancel();
    worker.join();
    server.Join();
    ExpectCancelled(*thread, result);
    EXPECT_EQ(m_host.m_calls, std::vector<std::string> { "stop" }) << "no result box";
}

TEST_F(MailCancelTest, ACancelledStartedSendEndsAndIsWaitedFor)
{
    const std::string book("\x01\x00\x03old", 6);
    WriteText(m_strData + "/book.dat", book);
    CServerScript script;
    script.replies["DATA"] = ""; // silent once the envelope is given
    CFakeSmtpServer server(script);
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    thread->m_nTimeoutSeconds = 600;
    thread->m_bSendPlayer = true;
    EXPECT_FALSE(CancelMailSend()) << "nothing to cancel yet";
    ASSERT_TRUE(StartMailThread(std::move(thread)));
    ASSERT_TRUE(server.WaitForCommands(4)); // HELO, MAIL, RCPT, DATA
    EXPECT_TRUE(IsSendInProgress());
    EXPECT_TRUE(CancelMailSend());
    EXPECT_TRUE(WaitForMailThreads(std::chrono::minutes(1)));
    server.Join();
    EXPECT_FALSE(IsSendInProgress());
    EXPECT_EQ(g_pMailThread.load(), nullptr);
    EXPECT_FALSE(CancelMailSend());
    EXPECT_FALSE(server.m_bEndOfData);
    EXPECT_EQ(m_host.m_calls, (std::vector<std::string> { "start", "stop" }));
    EXPECT_EQ(ReadText(m_strData + "/book.dat"), book);
    ExpectCleanedUp();
}

TEST_F(MailCancelTest, ACancelBeforeTheStartSendsNothing)
{
    // Any server would do: a cancelled worker does not even look its name up.
    auto thread = MakeThread("127.0.0.1:9", Project("card.kel", "KEL"));
    thread->Cancel();
    ExpectCancelled(*thread, thread->Run());
    EXPECT_EQ(m_host.m_calls, std::vector<std::string> { "stop" });
}

TEST_F(MailCancelTest, TheBoundedWaitSaysWhetherTheWorkerEnded)
{
    CFakeSmtpServer server;
    m_host.Hold();
    ASSERT_TRUE(StartMailThread(MakeThread(server.Address(), Project("card.kel", "KEL"))));
    m_host.WaitShown();
    // The result box is open: the worker has not ended, whatever the wait.
    EXPECT_FALSE(WaitForMailThreads(std::chrono::milliseconds(20)));
    m_host.Release();
    EXPECT_TRUE(WaitForMailThreads(std::chrono::minutes(1)));
    server.Join();
    EXPECT_TRUE(m_host.m_bSucceeded);
}

TEST_F(MailThreadTest, TheOwnedFolderGoesWithTheWorker)
{
    const std::string folder = *m_pRoot / "owned";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    WriteText(folder + "/card.kel", "KEL");
    auto thread = MakeThread("nowhere.invalid", folder + "/card.kel");
    thread->m_strOwnedFolder = folder;
    EXPECT_EQ(thread->Run(), 0);
    EXPECT_FALSE(Exists(folder));
}

// Without the player attachment the message is the text alone: nothing is built (the player
// need not even be there), the last boundary closes the message, and nobody is recorded.
TEST_F(MailThreadTest, WithoutTheAttachmentOnlyTheTextGoes)
{
    std::remove((m_strData + "/play.exe").c_str());
    CFakeSmtpServer server;
    auto thread = MakeThread(server.Address(), Project("card.kel", PatternBytes(3000, 6)));
    thread->m_bAttachPlayer = false;
    thread->m_bSendPlayer = true;
    int result = thread->Run();
    server.Join();
    EXPECT_EQ(result, 1) << thread->m_strFailure;
    ASSERT_TRUE(server.m_bEndOfData);
    EXPECT_EQ(server.m_strData.find("application/octet-stream"), std::string::npos);
    EXPECT_EQ(server.m_strData.find("card.exe"), std::string::npos);
    const std::string closing = "\r\n--theboundarybyVelmorant--\r\n";
    ASSERT_GE(server.m_strData.size(), closing.size());
    EXPECT_EQ(server.m_strData.substr(server.m_strData.size() - closing.size()), closing);
    EXPECT_EQ(server.m_strData.find("--theboundarybyVelmorant\r\n"),
        server.m_strData.rfind("--theboundarybyVelmorant\r\n"))
        << "one part only";
    EXPECT_NE(server.m_strData.find("\r\n\r\nHello!\r\n"), std::string::npos);
    EXPECT_FALSE(Exists(m_strData + "/book.dat"));
    ExpectCleanedUp();
}

// A login over the loopback address needs no TLS: EHLO instead of HELO, then AUTH PLAIN.
TEST_F(MailThreadTest, APlainLoginToTheLoopbackAddress)
{
    CServerScript script;
    script.replies["EHLO"] = "250-fake.test\r\n250 AUTH LOGIN PLAIN\r\n";
    script.replies["AUTH"] = "235 2.7.0 accepted\r\n";
    CFakeSmtpServer server(script);
    auto thread = MakeThread(server.Address(), Project("card.kel", "KEL"));
    thread->m_strUser = "user";
    thread->m_strPassword = "pass";
    int result = thread->Run();
    server.Join();
    EXPECT_EQ(result, 1) << thread->m_strFailure;
    ASSERT_GE(server.m_commands.size(), 3u);
    EXPECT_EQ(server.m_commands[0], "EHLO " + HostName());
    EXPECT_EQ(server.m_commands[1], "AUTH PLAIN AHVzZXIAcGFzcw==");
    EXPECT_EQ(server.m_commands[2], "MAIL FROM:<me@vimble.test>");
    EXPECT_TRUE(thread->m_strPassword.empty());
}

// A user without a password and without one kept for it: the send ends before any
// connection is made (the port here is closed, so trying to connect would say so instead).
TEST_F(MailThreadTest, AUserWithoutAKnownPasswordEndsTheSend)
{
    auto thread = MakeThread("127.0.0.1:1", Project("card.kel", "KEL"));
    thread->m_strUser = "nobody-here-vimble-test";
    int result = thread->Run();
    const std::string said
        = "no password is known for nobody-here-vimble-test at the mail server 127.0.0.1:1";
    EXPECT_EQ(thread->m_strFailure.substr(0, said.size()), said) << thread->m_strFailure;
    ExpectFailure(*thread, result);
}

} // namespace
