#include "tests/mail/exim_fixtures.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace mailtest {

namespace {

// Spawns a program with its standard output and errors in a file; 0 or the error number.
int Spawn(const std::vector<std::string>& args, const std::string& outFile, pid_t& pid)
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
    // A group of its own, so that the server's children can be ended with it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    int spawned = posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return spawned;
}

sockaddr_in Loopback(int port)
{
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    return address;
}

} // namespace

std::string FindProgram(std::initializer_list<const char*> candidates)
{
    for (const char* path : candidates)
        if (::access(path, X_OK) == 0)
            return path;
    return {};
}

std::string FindExim()
{
    return FindProgram({ "/usr/sbin/exim4", "/usr/sbin/exim", "/usr/bin/exim" });
}

std::string FindPython()
{
    return FindProgram({ "/usr/bin/python3", "/usr/local/bin/python3" });
}

int FreeLoopbackPort()
{
    int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t length = sizeof address;
    bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    close(probe);
    return ntohs(address.sin_port);
}

bool Accepts(int port)
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(port);
    bool ok = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(s);
    return ok;
}

int RunProgram(const std::vector<std::string>& args, const std::string& outFile)
{
    pid_t pid = 0;
    if (Spawn(args, outFile, pid) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::map<std::string, std::string> RunReader(const std::string& python, const std::string& script,
    const std::string& file, const std::string& attachment, const std::string& outFile)
{
    if (RunProgram({ python, script, file, attachment }, outFile) != 0)
        return { { "error", ReadText(outFile) } };
    return ReadHexLines(ReadText(outFile));
}

CPrivateExim::CPrivateExim(const CTempDir& dir)
    : m_dir(dir)
    , m_strMaildir(dir / "maildir")
{
}

CPrivateExim::~CPrivateExim()
{
    if (m_nServer > 0) {
        // The server and the children it forked for a connection or a delivery, which would
        // otherwise still write its log into a folder the test has removed.
        kill(-m_nServer, SIGTERM);
        int status = 0;
        waitpid(m_nServer, &status, 0);
        for (int waited = 0; kill(-m_nServer, 0) == 0; ++waited) {
            if (waited == 100) {
                kill(-m_nServer, SIGKILL);
                break;
            }
            usleep(20000);
        }
    }
}

void CPrivateExim::MakeFolders()
{
    m_nUid = getuid();
    m_nGid = getgid();
    m_strEximUser = std::to_string(m_nUid);
    m_strEximGroup = std::to_string(m_nGid);
    if (m_nUid == 0) {
        passwd* nobody = getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        m_nUid = nobody->pw_uid;
        m_nGid = nobody->pw_gid;
        m_strEximUser = m_strEximGroup = "0";
        ASSERT_EQ(chmod(m_dir.Path().c_str(), 0755), 0);
    }
    for (const char* sub : { "spool", "log", "maildir" })
        ASSERT_EQ(mkdir((m_dir / sub).c_str(), 0755), 0);
    ASSERT_EQ(chown(m_strMaildir.c_str(), m_nUid, m_nGid), 0);
}

std::string CPrivateExim::MainSettings(const std::string& ports, const std::string& acl) const
{
    return "primary_hostname = vimble.test\n"
           "qualify_domain = vimble.test\n"
           "exim_user = "
        + m_strEximUser + "\nexim_group = " + m_strEximGroup
        + "\n"
          "never_users =\n"
          "spool_directory = "
        + (m_dir / "spool") + "\nlog_file_path = " + (m_dir / "log")
        + "/%slog\n"
          "pid_file_path = "
        + (m_dir / "exim.pid")
        + "\n"
          "local_interfaces = 127.0.0.1\n"
          "daemon_smtp_ports = "
        + ports
        + "\n"
          "host_lookup =\n"
          "rfc1413_hosts =\n"
          "acl_smtp_rcpt = "
        + acl
        + "\n"
          "message_size_limit = 200M\n"
          "keep_environment =\n";
}

std::string CPrivateExim::Delivery() const
{
    return "begin routers\n"
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
        + std::to_string(m_nUid) + "\n  group = " + std::to_string(m_nGid) + "\n";
}

void CPrivateExim::Start(const std::string& exim, const std::string& config,
    const std::string& listenOn, const std::vector<int>& ports)
{
    WriteText(m_dir / "exim.conf", config);
    ASSERT_EQ(chmod((m_dir / "exim.conf").c_str(), 0644), 0);
    const std::string logFile = m_dir / "exim.out";
    ASSERT_EQ(Spawn({ exim, "-C", m_dir / "exim.conf", "-bdf", "-oX", listenOn }, logFile,
                  m_nServer),
        0);
    auto allAccept = [&] {
        for (int port : ports)
            if (!Accepts(port))
                return false;
        return true;
    };
    for (int i = 0; i < 100 && !allAccept(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(allAccept()) << ReadText(logFile);
}

std::vector<std::string> CPrivateExim::Delivered(size_t count) const
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

} // namespace mailtest
