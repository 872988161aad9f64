// The mail verbs of vimble-tool as scripts use them: run the real program, look at its output,
// its status and the files it leaves.
#include "mail/bundle.h"
#include "tests/mail/mail_fixtures.h"
#include "tests/buildpaths.h"
#include "tests/command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace mailtest;

namespace {

using testcommand::Result;

class ToolMailTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_strData = m_dir / "data";
        m_strTmp = m_dir / "tmp";
        ASSERT_EQ(mkdir(m_strData.c_str(), 0700), 0);
        ASSERT_EQ(mkdir(m_strTmp.c_str(), 0700), 0);
        m_player = PatternBytes(3000, 1);
        m_data = PatternBytes(2000, 2);
        WriteText(m_strData + "/play.exe", m_player);
        WriteText(m_strData + "/play.dat", m_data);
        WriteText(m_strData + "/err.msg", "%s failed.");
    }

    static std::string Quote(const std::string& text)
    {
        std::string quoted = "'";
        for (char c : text)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }

    // Runs the tool with a private temporary folder, so that leftovers can be seen.
    Result Run(const std::vector<std::string>& args) const
    {
        std::string command = "TMPDIR=" + Quote(m_strTmp) + " " + built::kTool;
        for (const std::string& arg : args)
            command += " " + Quote(arg);
        return testcommand::Run(command, m_dir / "stderr.txt");
    }

    std::string NewProject(const std::string& name)
    {
        std::string path = m_dir / name;
        EXPECT_EQ(Run({ "new", path }).status, 0);
        return path;
    }

    CTempDir m_dir;
    std::string m_strData, m_strTmp;
    std::string m_player, m_data;
};

TEST_F(ToolMailTest, BookAddListRemove)
{
    EXPECT_EQ(Run({ "book", "--data", m_strData, "list" }).out, "");
    EXPECT_EQ(Run({ "book", "--data", m_strData, "add", "bob@x" }).status, 0);
    EXPECT_EQ(Run({ "book", "--data", m_strData, "add", "ann@x; carl@y" }).status, 0);
    EXPECT_EQ(Run({ "book", "--data", m_strData, "add", "bob@x" }).status, 0);
    Result list = Run({ "book", "--data", m_strData, "list" });
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "ann@x; carl@y\nbob@x\n");
    EXPECT_EQ(ReadText(m_strData + "/book.dat"),
        std::string("\x02\x00\x0d"
                    "ann@x; carl@y\x05"
                    "bob@x",
            22));
    EXPECT_EQ(Run({ "book", "--data", m_strData, "remove", "0" }).status, 0);
    EXPECT_EQ(Run({ "book", "--data", m_strData, "list" }).out, "bob@x\n");
    Result outside = Run({ "book", "--data", m_strData, "remove", "1" });
    EXPECT_EQ(outside.status, 1);
    EXPECT_NE(outside.err.find("book.dat"), std::string::npos);
    EXPECT_EQ(Run({ "book", "--data", m_strData, "remove", "0" }).status, 0);
    EXPECT_EQ(ReadText(m_strData + "/book.dat"), std::string("\x00\x00", 2));
    // Code-page texts go in and come out as UTF-8.
    EXPECT_EQ(Run({ "book", "--data", m_strData, "add", "\xc3\xa9mile@x" }).status, 0);
    EXPECT_EQ(ReadText(m_strData + "/book.dat"), std::string("\x01\x00\x07\xe9mile@x", 10));
    EXPECT_EQ(Run({ "book", "--data", m_strData, "list" }).out, "\xc3\xa9mile@x\n");
}

TEST_F(ToolMailTest, ADamagedBookIsListedAsFarAsItGoesAndNotRewritten)
{
    const std::string damaged("\x03\x00\x01"
                              "a\x01"
                              "b\x05"
                              "c",
        8);
    WriteText(m_strData + "/book.dat", damaged);
    Result list = Run({ "book", "--data", m_strData, "list" });
    EXPECT_EQ(list.status, 1);
    EXPECT_EQ(list.out, "a\nb\n");
    EXPECT_EQ(Run({ "book", "--data", m_strData, "add", "z" }).status, 1);
    EXPECT_EQ(ReadText(m_strData + "/book.dat"), damaged);
}

TEST_F(ToolMailTest, MisusedCommandLinesGiveTheUsage)
{
    for (std::vector<std::string> args : { std::vector<std::string> { "book" }, { "book", "frob" },
             { "book", "remove", "x" }, { "book", "add" }, { "book", "--nope", "list" },
             { "bundle", "x.kel" }, { "unbundle", "x" }, { "mime64", "x", "y", "z" },
             { "send", "--from", "a@x", "--to", "b@y", "x.kel" },
             { "send", "--server", "h", "--from", "a@x", "--to", "b@y", "--timeout", "0", "x.kel" },
             { "send", "--server", "h", "--from", "a@x", "--to", "b@y", "--security", "ssl",
                 "x.kel" },
             // A password is never taken from the command line.
             { "send", "--server", "h", "--from", "a@x", "--to", "b@y", "--password", "pw",
                 "x.kel" } })
        EXPECT_EQ(Run(args).status, 2) << args[0];
}

class ToolBundleTest : public ToolMailTest, public testing::WithParamInterface<bool> { };

TEST_P(ToolBundleTest, BundleAndUnbundleWithoutTouchingTheProject)
{
    const bool withPlayer = GetParam();
    std::string project = NewProject("birthdaycard.kel");
    const std::string before = ReadText(project);
    std::vector<std::string> args { "bundle", "--data", m_strData };
    if (withPlayer)
        args.push_back("--player");
    args.push_back(project);
    args.push_back(m_dir / "out.exe");
    Result result = Run(args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadText(project), before);
    EXPECT_EQ(ReadText(m_dir / "out.exe"),
        ReferenceBundle(m_player, withPlayer ? &m_data : nullptr, before, "birthdaycard"));
    EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});

    Result unbundled = Run({ "unbundle", m_dir / "out.exe", m_dir / "pieces" });
    ASSERT_EQ(unbundled.status, 0) << unbundled.err;
    EXPECT_NE(
        unbundled.out.find(withPlayer ? "\"VELMORANT\"" : "\"KADRILOTE\""), std::string::npos);
    EXPECT_NE(unbundled.out.find("\"nameLength\": 12"), std::string::npos) << unbundled.out;
    EXPECT_EQ(ReadText(m_dir / "pieces/play.exe"), m_player);
    EXPECT_EQ(ReadText(m_dir / "pieces/birthday.kel"), before);
    EXPECT_EQ(Exists(m_dir / "pieces/play.dat"), withPlayer);
    if (withPlayer) {
        EXPECT_EQ(ReadText(m_dir / "pieces/play.dat"), m_data);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, ToolBundleTest, testing::Bool());

TEST_F(ToolMailTest, BundleFailuresNameTheFile)
{
    WriteText(m_dir / "plain.kel", "not a project at all");
    Result notProject
        = Run({ "bundle", "--data", m_strData, m_dir / "plain.kel", m_dir / "o.exe" });
    EXPECT_EQ(notProject.status, 1);
    EXPECT_NE(notProject.err.find("Not a valid file!"), std::string::npos);

    std::string project = NewProject("card.kel");
    std::remove((m_strData + "/play.exe").c_str());
    Result noPlayer = Run({ "bundle", "--data", m_strData, project, m_dir / "o.exe" });
    EXPECT_EQ(noPlayer.status, 1);
    EXPECT_NE(
        noPlayer.err.find("Error 24: the player program cannot be copied"), std::string::npos);
    EXPECT_FALSE(Exists(m_dir / "o.exe"));
    EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});

    WriteText(m_dir / "junk.exe", "too short");
    EXPECT_EQ(Run({ "unbundle", m_dir / "junk.exe", m_dir / "p" }).status, 1);
}

TEST_F(ToolMailTest, Mime64EncodesAndDecodes)
{
    const std::string bytes = PatternBytes(1000, 3);
    WriteText(m_dir / "x.exe", bytes);
    ASSERT_EQ(Run({ "mime64", "-e", m_dir / "x.exe", m_dir / "x.mim" }).status, 0);
    std::string part = ReadText(m_dir / "x.mim");
    EXPECT_EQ(part.substr(0, 46), "Content-Type: application/octet-stream; name=x");
    ASSERT_EQ(Run({ "mime64", "-d", m_dir / "x.mim", m_dir / "back" }).status, 0);
    EXPECT_EQ(ReadText(m_dir / "back"), bytes);
    Result missing = Run({ "mime64", "-e", m_dir / "none", m_dir / "y.mim" });
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, (m_dir / "none") + " file not found\n");
}

TEST_F(ToolMailTest, SendMailsADisposableCopyAndKeepsTheProject)
{
    std::string project = NewProject("party.kel");
    const std::string before = ReadText(project);
    CFakeSmtpServer server;
    Result result = Run({ "send", "--no-preview", "--server", server.Address(), "--from",
        "me@x.test", "--to", "ann@x.test, bob@x.test", "--subject", "Hi", "--text", "Hello\n.\nBye",
        "--player", "--data", m_strData, project });
    server.Join();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.rfind("Your greeting has been sent", 0), 0u) << result.out;
    EXPECT_EQ(ReadText(project), before);
    EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});
    EXPECT_TRUE(server.m_bEndOfData);
    EXPECT_NE(server.m_strData.find("Content-Disposition: attachment; filename=party.exe\r\n"),
        std::string::npos);
    EXPECT_NE(server.m_strData.find("\r\nHello\r\n..\r\nBye\r\n"), std::string::npos);
    EXPECT_EQ(ReadText(m_strData + "/book.dat"),
        std::string("\x01\x00\x16", 3) + "ann@x.test, bob@x.test");
}

TEST_F(ToolMailTest, AFailedSendPrintsTheFailureTextAndOneLine)
{
    std::string project = NewProject("party.kel");
    const std::string before = ReadText(project);
    Result result = Run({ "send", "--no-preview", "--server", "nowhere.invalid", "--from",
        "me@x.test", "--to", "ann@x.test", "--data", m_strData, project });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
        "Vimble e-mail failed.\n\nWhat failed: the mail server nowhere.invalid cannot be found "
        "(a reserved, invalid name).\n");
    EXPECT_EQ(
        result.err.rfind(project + ": the mail server nowhere.invalid cannot be found", 0), 0u)
        << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
    EXPECT_EQ(ReadText(project), before);
    EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});
    EXPECT_FALSE(Exists(m_strData + "/book.dat"));
}

TEST_F(ToolMailTest, AMissingPlayerIsSaidAndNoMessageIsBegun)
{
    std::string project = NewProject("party.kel");
    const std::string before = ReadText(project);
    std::remove((m_strData + "/play.exe").c_str());
    CFakeSmtpServer server;
    Result result = Run({ "send", "--no-preview", "--server", server.Address(), "--from",
        "me@x.test", "--to", "ann@x.test", "--data", m_strData, project });
    server.Join();
    EXPECT_EQ(result.status, 1);
    const std::string cause = "the attachment could not be built: play.exe is missing from the "
                              "data directory "
        + m_strData;
    EXPECT_EQ(result.out, "Vimble e-mail failed.\n\nWhat failed: " + cause + ".\n");
    EXPECT_NE(result.err.find(project + ": " + cause + "\n"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("server"), std::string::npos) << result.err;
    EXPECT_FALSE(server.m_bEndOfData);
    EXPECT_EQ(server.m_strData, "");
    ASSERT_FALSE(server.m_commands.empty());
    EXPECT_EQ(server.m_commands.back(), "QUIT");
    EXPECT_EQ(ReadText(project), before);
    EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});
}

TEST_F(ToolMailTest, AProjectNameWithBlanksGivesAnAttachmentNameReadersTakeWhole)
{
    std::string project = NewProject("Happy Birthday.kel");
    const std::string before = ReadText(project);
    CFakeSmtpServer server;
    Result result = Run({ "send", "--no-preview", "--server", server.Address(), "--from",
        "me@x.test", "--to", "ann@x.test", "--data", m_strData, project });
    server.Join();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(server.m_strData.find("Content-Type: application/octet-stream; "
                                    "name=Happy_Birthday.exe\r\n"),
        std::string::npos);
    EXPECT_NE(server.m_strData.find("Content-Disposition: attachment; "
                                    "filename=Happy_Birthday.exe\r\n"),
        std::string::npos);
    EXPECT_EQ(ReadText(project), before);
    EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});

    Result bundled = Run({ "bundle", "--data", m_strData, project, m_dir / "out.exe" });
    ASSERT_EQ(bundled.status, 0) << bundled.err;
    EXPECT_EQ(
        ReadText(m_dir / "out.exe"), ReferenceBundle(m_player, nullptr, before, "Happy_Birthday"));
}

TEST_F(ToolMailTest, AnUnreadablePasswordFileSendsNothing)
{
    std::string project = NewProject("party.kel");
    Result result = Run({ "send", "--no-preview", "--server", "127.0.0.1:1", "--from", "me@x.test",
        "--to", "ann@x.test", "--user", "ann", "--password-file", m_dir / "none", "--data",
        m_strData, project });
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find((m_dir / "none") + ": cannot be read"), std::string::npos)
        << result.err;
    EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});
}

TEST_F(ToolMailTest, TheLoginAndTheNoPlayerOptionReachTheServer)
{
    std::string project = NewProject("party.kel");
    WriteText(m_dir / "password", "pass\r\nnot this line\n");
    CServerScript script;
    script.replies["EHLO"] = "250-fake.test\r\n250 AUTH PLAIN\r\n";
    script.replies["AUTH"] = "235 accepted\r\n";
    CFakeSmtpServer server(script);
    Result result = Run({ "send", "--no-preview", "--no-player", "--security", "plain", "--server",
        server.Address(), "--from", "me@x.test", "--to", "ann@x.test", "--user", "user",
        "--password-file", m_dir / "password", "--data", m_strData, project });
    server.Join();
    EXPECT_EQ(result.status, 0) << result.err;
    ASSERT_GE(server.m_commands.size(), 2u);
    EXPECT_EQ(server.m_commands[1], "AUTH PLAIN AHVzZXIAcGFzcw==");
    EXPECT_TRUE(server.m_bEndOfData);
    EXPECT_EQ(server.m_strData.find("party.exe"), std::string::npos);
    EXPECT_EQ(result.out.find("pass"), std::string::npos);
    EXPECT_EQ(result.err.find("pass"), std::string::npos);
}

struct CPlayerCase {
    const char* what;
    std::vector<std::string> flags;
    bool bAttached; // the self-playing program goes with the message
    bool bWithData; // with "play.dat" in it, and the recipients recorded in the address book
};

void PrintTo(const CPlayerCase& c, std::ostream* out)
{
    *out << c.what;
}

// The message with the picture carries the self-playing program only when asked for: --player
// asks for it as the send window's "With player" does, with the player's data.
const CPlayerCase kPlayerCases[] = {
    { "--player", { "--player" }, true, true },
    { "--attach-player", { "--attach-player" }, true, false },
    { "--player and --attach-player", { "--player", "--attach-player" }, true, true },
    { "neither", {}, false, false },
};

class ToolSendPlayerTest : public ToolMailTest, public testing::WithParamInterface<CPlayerCase> {
};

TEST_P(ToolSendPlayerTest, TheSelfPlayingProgramGoesWhenAskedFor)
{
    const std::string project = NewProject("party.kel");
    const std::string before = ReadText(project);
    CServerScript script;
    script.replies["EHLO"] = "250 fake.test\r\n";
    CFakeSmtpServer server(script);
    std::vector<std::string> args { "send", "--server", server.Address(), "--from", "me@x.test",
        "--to", "ann@x.test", "--no-video", "--no-greeting", "--data", m_strData };
    args.insert(args.end(), GetParam().flags.begin(), GetParam().flags.end());
    args.push_back(project);
    const Result result = Run(args);
    server.Join();
    ASSERT_EQ(result.status, 0) << result.err;
    ASSERT_TRUE(server.m_bEndOfData);
    std::string attachment;
    auto found = ParseWithScript(
        built::kParsePreviewScript, Unstuff(server.m_strData), m_dir.Path(), attachment);
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_EQ(found["first:content-type"], "multipart/alternative")
        << "the message with the picture";
    if (GetParam().bAttached) {
        EXPECT_EQ(found["attachment:filename"], "party.exe");
        EXPECT_EQ(attachment,
            ReferenceBundle(m_player, GetParam().bWithData ? &m_data : nullptr, before, "party"));
    } else {
        EXPECT_EQ(found.count("attachment:filename"), 0u) << found["attachment:filename"];
        EXPECT_EQ(server.m_strData.find("party.exe"), std::string::npos);
    }
    EXPECT_EQ(Exists(m_strData + "/book.dat"), GetParam().bWithData);
    EXPECT_EQ(ListDir(m_strTmp), std::vector<std::string> {});
}

INSTANTIATE_TEST_SUITE_P(Options, ToolSendPlayerTest, testing::ValuesIn(kPlayerCases));

// The usage names --player among the choices of the self-playing attachment, and a send that
// both asks for it and refuses it is a misused command line.
TEST_F(ToolMailTest, TheUsageNamesThePlayerAmongTheAttachmentsChoices)
{
    const Result usage = Run({ "send" });
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find(" [--player | --attach-player | --no-player] "), std::string::npos)
        << usage.err;
    for (const char* flag : { "--player", "--attach-player" }) {
        const Result both = Run({ "send", "--server", "127.0.0.1:1", "--from", "me@x.test", "--to",
            "ann@x.test", flag, "--no-player", "x.kel" });
        EXPECT_EQ(both.status, 2) << flag;
        EXPECT_NE(both.err.find("usage: "), std::string::npos) << flag;
    }
}

} // namespace
