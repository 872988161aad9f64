// A real mail server: a private exim instance on 127.0.0.1, with its own configuration, spool
// and maildir in a temporary folder, takes a greeting from `vimble-tool send`; Python's
// standard MIME parser then reads the delivered message. Works as root and as any other user.
#include "mail/bundle.h"
#include "tests/mail/mail_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <map>
#include <netinet/in.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

using namespace mailtest;

namespace {

std::string FindProgram(std::initializer_list<const char*> candidates)
{
    for (const char* path : candidates)
        if (::access(path, X_OK) == 0)
            return path;
    return {};
}

int FreeLoopbackPort()
{
    int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

bool Accepts(int port)
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    bool ok = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(s);
    return ok;
}

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// Runs a program with its output in a file; returns its exit status (-1 when it did not run).
int RunProgram(const std::vector<std::string>& args, const std::string& outFile)
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(
        &actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class EximTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        m_strExim = FindProgram({ "/usr/sbin/exim4", "/usr/sbin/exim", "/usr/bin/exim" });
        if (m_strExim.empty())
            GTEST_SKIP() << "no exim mail server installed (tools/setup.sh installs "
                            "exim4-daemon-light)";
        m_strPython = FindProgram({ "/usr/bin/python3", "/usr/local/bin/python3" });
        ASSERT_FALSE(m_strPython.empty()) << "python3 is needed to read the delivered message";
        // Deliveries run as an ordinary user: root may not own a mailbox delivery.
        uid_t uid = getuid();
        gid_t gid = getgid();
        std::string eximUser = std::to_string(uid), eximGroup = std::to_string(gid);
        if (uid == 0) {
            passwd* nobody = getpwnam("nobody");
            ASSERT_NE(nobody, nullptr);
            uid = nobody->pw_uid;
            gid = nobody->pw_gid;
            eximUser = eximGroup = "0";
            ASSERT_EQ(chmod(m_dir.Path().c_str(), 0755), 0);
        }
        m_strMaildir = m_dir / "maildir";
        for (const char* sub : { "spool", "log", "maildir" })
            ASSERT_EQ(mkdir((m_dir / sub).c_str(), 0755), 0);
        ASSERT_EQ(chown(m_strMaildir.c_str(), uid, gid), 0);
        m_nPort = FreeLoopbackPort();
        const std::string config = "primary_hostname = vimble.test\n"
                                   "qualify_domain = vimble.test\n"
                                   "exim_user = "
            + eximUser
            + "\n"
              "exim_group = "
            + eximGroup
            + "\n"
              "never_users =\n"
              "spool_directory = "
            + (m_dir / "spool")
            + "\n"
              "log_file_path = "
            + (m_dir / "log")
            + "/%slog\n"
              "pid_file_path = "
            + (m_dir / "exim.pid")
            + "\n"
              "local_interfaces = 127.0.0.1\n"
              "daemon_smtp_ports = "
            + std::to_string(m_nPort)
            + "\n"
              "tls_advertise_hosts =\n"
              "host_lookup =\n"
              "rfc1413_hosts =\n"
              "acl_smtp_rcpt = accept\n"
              "message_size_limit = 200M\n"
              "keep_environment =\n"
              "begin routers\n"
              "local:\n"
              "  driver = accept\n"
              "  transport = maildir\n"
              "begin transports\n"
              "maildir:\n"
              "  driver = appendfile\n"
              "  directory = "
            + m_strMaildir
            + "\n"
              "  maildir_format\n"
              "  create_directory\n"
              "  mode = 0644\n"
              "  user = "
            + std::to_string(uid)
            + "\n"
              "  group = "
            + std::to_string(gid) + "\n";
        WriteText(m_dir / "exim.conf", config);
        ASSERT_EQ(chmod((m_dir / "exim.conf").c_str(), 0644), 0);

        std::vector<std::string> args { m_strExim, "-C", m_dir / "exim.conf", "-bdf", "-oX",
            std::to_string(m_nPort) };
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        std::string logFile = m_dir / "exim.out";
        posix_spawn_file_actions_addopen(
            &actions, 1, logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        ASSERT_EQ(posix_spawn(&m_nServer, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; i < 100 && !Accepts(m_nPort); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ASSERT_TRUE(Accepts(m_nPort)) << ReadText(logFile);
    }

    void TearDown() override
    {
        if (m_nServer > 0) {
            kill(m_nServer, SIGTERM);
            int status = 0;
            waitpid(m_nServer, &status, 0);
        }
    }

    // The delivered messages' files, waiting up to 30 seconds for count of them.
    std::vector<std::string> Delivered(size_t count)
    {
        std::vector<std::string> files;
        for (int i = 0; i < 300; ++i) {
            files = ListDir(m_strMaildir + "/new");
            if (files.size() >= count)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return files;
    }

    CTempDir m_dir;
    std::string m_strExim, m_strPython, m_strMaildir;
    int m_nPort = 0;
    pid_t m_nServer = 0;
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
    std::string tool = VIMBLE_TOOL;
    ASSERT_EQ(RunProgram({ tool, "new", project }, m_dir / "new.out"), 0);
    const std::string projectBytes = ReadText(project);

    std::vector<std::string> args { tool, "send", "--server",
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
    ASSERT_EQ(RunProgram({ m_strPython, std::string(PARSE_MESSAGE_SCRIPT),
                             m_strMaildir + "/new/" + files[0], attachment },
                  m_dir / "parsed.txt"),
        0)
        << ReadText(m_dir / "parsed.txt");
    std::map<std::string, std::string> found;
    std::string parsed = ReadText(m_dir / "parsed.txt");
    for (size_t at = 0; at < parsed.size();) {
        size_t end = parsed.find('\n', at);
        std::string line = parsed.substr(at, end - at);
        size_t tab = line.find('\t');
        if (tab != std::string::npos)
            found[line.substr(0, tab)] = FromHex(line.substr(tab + 1));
        at = end == std::string::npos ? parsed.size() : end + 1;
    }
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
    std::string tool = VIMBLE_TOOL;
    ASSERT_EQ(RunProgram({ tool, "new", project }, m_dir / "new.out"), 0);
    const std::string projectBytes = ReadText(project);
    const std::string text = "Ch\xc3\xa8re Ann,\n--theboundarybyVelmorant\n"
                             "Content-Type: text/html\n\n<b>not a part</b>\n"
                             "--theboundarybyVelmorant--\n"
                             "\xc3\xa9t\xc3\xa9 = summer  \nBob";
    std::vector<std::string> args { tool, "send", "--server",
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

INSTANTIATE_TEST_SUITE_P(
    Layouts, EximTest, testing::Bool(), [](const testing::TestParamInfo<bool>& info) {
        return info.param ? "WithPlayerData" : "WithoutPlayerData";
    });

} // namespace
