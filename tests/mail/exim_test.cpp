// A real mail server: a private exim instance on 127.0.0.1, with its own configuration, spool
// and maildir in a temporary folder, takes a greeting from `vimble-tool send`; Python's
// standard MIME parser then reads the delivered message. Works as root and as any other user.
#include "mail/bundle.h"
#include "tests/mail/exim_fixtures.h"
#include "tests/mail/mail_fixtures.h"
#include "tests/buildpaths.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sys/stat.h>

using namespace mailtest;

namespace {

class EximTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        m_strExim = FindExim();
        if (m_strExim.empty())
            GTEST_SKIP() << kNoExim;
        m_strPython = FindPython();
        ASSERT_FALSE(m_strPython.empty()) << "python3 is needed to read the delivered message";
        ASSERT_NO_FATAL_FAILURE(m_exim.MakeFolders());
        m_strMaildir = m_exim.Maildir();
        m_nPort = FreeLoopbackPort();
        const std::string config = m_exim.MainSettings(std::to_string(m_nPort), "accept")
            + "tls_advertise_hosts =\n" + m_exim.Delivery();
        ASSERT_NO_FATAL_FAILURE(m_exim.Start(m_strExim, config, std::to_string(m_nPort), { m_nPort }));
    }

    std::vector<std::string> Delivered(size_t count) { return m_exim.Delivered(count); }

    CTempDir m_dir;
    CPrivateExim m_exim { m_dir };
    std::string m_strExim, m_strPython, m_strMaildir;
    int m_nPort = 0;
};

TEST_P(EximTest, DeliveredGreetingReadsAsAStandardMimeMessage)
{
    const bool withPlayer = GetParam();
    const std::string data = m_dir / "data";
    ASSERT_EQ(mkdir(data.c_str(), 0700), 0);
    const std::string player = PatternBytes(70000, 31), playerData = PatternBytes(20000, 32);
    WriteText(data + "/play.exe", player);
    WriteText(data + "/play.dat", playerData);
    const std::string project = m_dir / "birthdaycard.kel";
    std::string tool = built::kTool;
    ASSERT_EQ(RunProgram({ tool, "new", project }, m_dir / "new.out"), 0);
    const std::string projectBytes = ReadText(project);

    std::vector<std::string> args { tool, "send", "--no-preview", "--server",
        "127.0.0.1:" + std::to_string(m_nPort), "--from", "me@vimble.test", "--to",
        "ann@vimble.test, bob@vimble.test", "--subject", "Happy birthday", "--text",
        "Dear Ann,\n.\n.see you\nBob", "--data", data, "--timeout", "30", project };
    if (withPlayer)
        args.insert(args.end() - 1, "--player");
    int status = RunProgram(args, m_dir / "send.out");
    ASSERT_EQ(status, 0) << ReadText(m_dir / "send.out") << ReadText(m_dir / "log/mainlog");
    EXPECT_EQ(ReadText(project), projectBytes) << "the person's project is never consumed";

    std::vector<std::string> files = Delivered(2);
    ASSERT_EQ(files.size(), 2u) << "one copy for each recipient\n"
                                << ReadText(m_dir / "log/mainlog");
    const std::string attachment = m_dir / "attachment.bin";
    auto found = RunReader(m_strPython, built::kParseMessageScript, m_strMaildir + "/new/" + files[0],
        attachment, m_dir / "parsed.txt");
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_EQ(found["header:To"], "ann@vimble.test, bob@vimble.test");
    EXPECT_EQ(found["header:From"], "me@vimble.test");
    EXPECT_EQ(found["header:Subject"], "Happy birthday");
    EXPECT_EQ(found["header:MIME-Version"], "1.0");
    EXPECT_EQ(found["header:MESSAGE_ID"], "<3AB45D459C44CC34A>");
    const std::string id = found["header:Message-ID"];
    EXPECT_EQ(id.find_first_not_of("0123456789abcdef", 1), 17u) << id;
    EXPECT_EQ(id.substr(id.size() - 13), "@vimble.test>") << id;
    EXPECT_EQ(found["header:Date"].size(), 31u)
        << found["header:Date"]; // Tue, 08 Dec 2026 14:05:09 +0100
    EXPECT_EQ(found["content-type"], "multipart/mixed");
    EXPECT_EQ(found["boundary"], "theboundarybyVelmorant");
    EXPECT_EQ(found["defects"], "");
    EXPECT_EQ(found["preamble"],
        "This is a multi-part message in MIME format.And your mail-reader doesn't "
        "understand MIME.");
    ASSERT_EQ(found["parts"], "2");
    EXPECT_EQ(found["part0:content-type"], "text/plain");
    EXPECT_EQ(found["part0:charset"], "us-ascii");
    EXPECT_EQ(found["part0:encoding"], "7bit");
    // The lone full stop and the line that starts with one arrive unchanged.
    std::string text = found["part0:text"];
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    EXPECT_EQ(text, "Dear Ann,\n.\n.see you\nBob");
    EXPECT_EQ(found["part1:content-type"], "application/octet-stream");
    EXPECT_EQ(found["part1:filename"], "birthdaycard.exe");
    EXPECT_EQ(found["part1:encoding"], "base64");

    const std::string bundle = ReadText(attachment);
    EXPECT_EQ(bundle,
        ReferenceBundle(player, withPlayer ? &playerData : nullptr, projectBytes, "birthdaycard"));
    CBundleTrailer trailer;
    ASSERT_TRUE(ReadBundleTrailer(attachment, trailer));
    EXPECT_EQ(trailer.m_bWithData, withPlayer);
    EXPECT_EQ(trailer.m_strName, "birthday");
    EXPECT_EQ(trailer.m_nNameLength, 12u);
    EXPECT_EQ(trailer.m_nLength[0], player.size());
    EXPECT_EQ(bundle.substr(trailer.m_nLength[0] + trailer.m_nLength[1],
                  withPlayer ? trailer.m_nLength[2] : 0),
        withPlayer ? projectBytes : std::string());
    // The second copy is the same message.
    EXPECT_EQ(ReadText(m_strMaildir + "/new/" + files[1]).find("filename=birthdaycard.exe")
            != std::string::npos,
        true);
}

// A greeting whose name has blanks, whose subject has a code-page letter and whose text holds
// the boundary line and one: the delivered message has exactly the two parts sent, the letters
// come back decoded and the attachment keeps its whole name.
TEST_P(EximTest, AnAwkwardGreetingArrivesAsSent)
{
    const bool withPlayer = GetParam();
    const std::string data = m_dir / "data";
    ASSERT_EQ(mkdir(data.c_str(), 0700), 0);
    const std::string player = PatternBytes(9000, 33), playerData = PatternBytes(4000, 34);
    WriteText(data + "/play.exe", player);
    WriteText(data + "/play.dat", playerData);
    const std::string project = m_dir / "Happy Birthday.kel";
    std::string tool = built::kTool;
    ASSERT_EQ(RunProgram({ tool, "new", project }, m_dir / "new.out"), 0);
    const std::string projectBytes = ReadText(project);
    const std::string text = "Ch\xc3\xa8re Ann,\n--theboundarybyVelmorant\n"
                             "Content-Type: text/html\n\n<b>not a part</b>\n"
                             "--theboundarybyVelmorant--\n"
                             "\xc3\xa9t\xc3\xa9 = summer  \nBob";
    std::vector<std::string> args { tool, "send", "--no-preview", "--server",
        "127.0.0.1:" + std::to_string(m_nPort), "--from", "me@vimble.test", "--to",
        "ann@vimble.test", "--subject",
        "Joyeux anniversaire, Ren\xc3\xa9"
        "e !",
        "--text", text, "--data", data, "--timeout", "30", project };
    if (withPlayer)
        args.insert(args.end() - 1, "--player");
    ASSERT_EQ(RunProgram(args, m_dir / "send.out"), 0)
        << ReadText(m_dir / "send.out") << ReadText(m_dir / "log/mainlog");

    std::vector<std::string> files = Delivered(1);
    ASSERT_EQ(files.size(), 1u) << ReadText(m_dir / "log/mainlog");
    std::string attachment;
    auto found
        = ParseWithPython(ReadText(m_strMaildir + "/new/" + files[0]), m_dir.Path(), attachment);
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_EQ(found["header:Subject"],
        "Joyeux anniversaire, Ren\xc3\xa9"
        "e !");
    EXPECT_EQ(found["boundary"].rfind("theboundarybyVelmorant_", 0), 0u) << found["boundary"];
    EXPECT_EQ(found["defects"], "");
    ASSERT_EQ(found["parts"], "2");
    EXPECT_EQ(found["part0:content-type"], "text/plain");
    EXPECT_EQ(found["part0:charset"], "windows-1252");
    EXPECT_EQ(found["part0:encoding"], "quoted-printable");
    std::string content = found["part0:content"];
    content.erase(std::remove(content.begin(), content.end(), '\r'), content.end());
    EXPECT_EQ(content, text);
    EXPECT_EQ(found["part1:content-type"], "application/octet-stream");
    EXPECT_EQ(found["part1:filename"], "Happy_Birthday.exe");
    EXPECT_EQ(attachment,
        ReferenceBundle(
            player, withPlayer ? &playerData : nullptr, projectBytes, "Happy_Birthday"));
}

// Three recipients whose contacts name them in three scripts: each gets a message of their
// own, with their name in the subject and the text, and the greeting's file under its name in
// the person's script; the delivered messages read back as written.
TEST_P(EximTest, AGreetingInThreeScriptsArrivesAsWritten)
{
    const bool withPlayer = GetParam();
    const std::string data = m_dir / "data";
    ASSERT_EQ(mkdir(data.c_str(), 0700), 0);
    WriteText(data + "/play.exe", PatternBytes(5000, 35));
    WriteText(data + "/play.dat", PatternBytes(3000, 36));
    const std::string share = m_dir / "share";
    ASSERT_EQ(mkdir(share.c_str(), 0700), 0);
    ASSERT_EQ(mkdir((share + "/vimble-email").c_str(), 0700), 0);
    const std::map<std::string, std::pair<std::string, std::string>> people = {
        { "lukasz@vimble.test", { "Łukasz Żółć", "Łukasz" } },
        { "alena@vimble.test", { "Алёна Иванова", "Алёна" } },
        { "misaki@vimble.test", { "美咲 山田", "美咲" } },
    };
    std::string cards;
    for (const auto& [address, name] : people)
        cards += "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:" + name.first + "\r\nEMAIL:" + address
            + "\r\nEND:VCARD\r\n";
    WriteText(share + "/vimble-email/contacts.vcf", cards);
    const std::string project = m_dir / "Życzenia dla Ciebie.kel";
    std::string tool = built::kTool;
    ASSERT_EQ(RunProgram({ tool, "new", project }, m_dir / "new.out"), 0);

    std::vector<std::string> args { tool, "send", "--server",
        "127.0.0.1:" + std::to_string(m_nPort), "--from", "me@vimble.test", "--to",
        "lukasz@vimble.test, alena@vimble.test, misaki@vimble.test", "--subject",
        "Dla {name} 🎉 — с днём рождения, お誕生日おめでとう, {first}!", "--text",
        "Hello {first},\nwszystkiego najlepszego 👨‍👩‍👧‍👦\n— {name}", "--no-video", "--data", data,
        "--timeout", "30", project };
    if (withPlayer) {
        args.insert(args.end() - 1, "--player");
        args.insert(args.end() - 1, "--attach-player");
    }
    const CScopedEnv home("XDG_DATA_HOME", share);
    ASSERT_EQ(RunProgram(args, m_dir / "send.out"), 0)
        << ReadText(m_dir / "send.out") << ReadText(m_dir / "log/mainlog");

    std::vector<std::string> files = Delivered(3);
    ASSERT_EQ(files.size(), 3u) << ReadText(m_dir / "log/mainlog");
    std::set<std::string> reached;
    for (const std::string& file : files) {
        auto found = RunReader(m_strPython, built::kParseTextsScript,
            m_strMaildir + "/new/" + file, m_dir / "unused", m_dir / "parsed.txt");
        ASSERT_EQ(found.count("error"), 0u) << found["error"];
        const std::string address = found["To:0:address"];
        SCOPED_TRACE(address);
        ASSERT_EQ(people.count(address), 1u);
        reached.insert(address);
        const auto& [name, first] = people.at(address);
        EXPECT_EQ(found["To:count"], "1");
        EXPECT_EQ(found["To:0:name"], name); // as the contacts name the recipient
        EXPECT_EQ(found["subject"],
            "Dla " + name + " 🎉 — с днём рождения, お誕生日おめでとう, " + first + "!");
        EXPECT_LE(std::stoul(found["longest-header-line"]), 78u);
        ASSERT_EQ(found["leaves"], withPlayer ? "5" : "4");
        EXPECT_EQ(found["leaf0:type"], "text/plain");
        EXPECT_EQ(found["leaf0:charset"], "utf-8");
        std::string text = found["leaf0:content"];
        text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
        EXPECT_EQ(text, "Hello " + first + ",\nwszystkiego najlepszego 👨‍👩‍👧‍👦\n— " + name + "\n");
        EXPECT_EQ(found["leaf1:type"], "text/html");
        EXPECT_NE(found["leaf1:content"].find("Hello " + first + ",<br>"), std::string::npos)
            << found["leaf1:content"];
        EXPECT_EQ(found["leaf2:type"], "image/gif");
        EXPECT_EQ(found["leaf3:filename"], "Życzenia_dla_Ciebie.kel");
        if (withPlayer) {
            EXPECT_EQ(found["leaf4:filename"], "Życzenia_dla_Ciebie.exe");
        }
        const std::string raw = ReadText(m_strMaildir + "/new/" + file);
        EXPECT_NE(raw.find("filename=\"Zyczenia_dla_Ciebie.kel\""), std::string::npos);
    }
    EXPECT_EQ(reached.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, EximTest, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
        return info.param ? "WithPlayerData" : "WithoutPlayerData";
    });

} // namespace
