// Desktop notifications reach the notification service on the session bus named at the time of
// the call, with the program's name and the texts unchanged; without a bus, or with a bus but
// no service, the call returns false at once and says why. The bus is a private dbus-daemon of
// the test's own, with a stand-in service (notify_standin) that writes down what it is given.
#include "platform/notify.h"
#include "tests/buildpaths.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QString>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr char kService[] = "org.freedesktop.Notifications";

// The program's path on PATH, empty when there is none.
std::string FindProgram(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::string candidate = dir + "/" + name;
        if (!dir.empty() && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

// A child program that ends with its owner: SIGTERM and a wait when this goes, and SIGKILL from
// the kernel when the test program dies first (stopped or not), so that no daemon outlives a
// test.
class CChild {
public:
    CChild() = default;
    CChild(const CChild&) = delete;
    CChild& operator=(const CChild&) = delete;
    ~CChild() { Stop(); }

    // Starts args[0] with args, its standard output on a pipe for ReadLine when captured.
    bool Start(const std::vector<std::string>& args, bool captureOutput)
    {
        std::vector<std::string> copies = args;
        std::vector<char*> argv;
        for (std::string& arg : copies)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        int fds[2] = { -1, -1 };
        if (captureOutput && ::pipe2(fds, O_CLOEXEC) != 0)
            return false;
        const pid_t parent = ::getpid();
        m_nPid = ::fork();
        if (m_nPid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != parent)
                ::_exit(127);
            if (captureOutput)
                ::dup2(fds[1], STDOUT_FILENO); // the copy does not close on exec
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        if (captureOutput) {
            ::close(fds[1]);
            m_nOutFd = fds[0];
        }
        return m_nPid > 0;
    }

    // One line of the child's output without its line end; empty when none came in timeoutMs.
    std::string ReadLine(int timeoutMs)
    {
        std::string line;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (std::chrono::steady_clock::now() < end) {
            pollfd wait { m_nOutFd, POLLIN, 0 };
            if (::poll(&wait, 1, 100) <= 0)
                continue;
            char byte = 0;
            if (::read(m_nOutFd, &byte, 1) != 1)
                return {};
            if (byte == '\n')
                return line;
            line += byte;
        }
        return {};
    }

    void Signal(int signal)
    {
        if (m_nPid > 0)
            ::kill(m_nPid, signal);
    }

    bool Running()
    {
        int status = 0;
        if (m_nPid <= 0 || ::waitpid(m_nPid, &status, WNOHANG) == 0)
            return m_nPid > 0;
        m_nPid = -1;
        return false;
    }

    void Stop()
    {
        if (m_nPid > 0) {
            ::kill(m_nPid, SIGTERM);
            ::kill(m_nPid, SIGCONT); // a stopped child takes its SIGTERM only when it goes on
            int status = 0;
            ::waitpid(m_nPid, &status, 0);
            m_nPid = -1;
        }
        if (m_nOutFd >= 0)
            ::close(m_nOutFd);
        m_nOutFd = -1;
    }

private:
    pid_t m_nPid = -1;
    int m_nOutFd = -1;
};

// A bus of the test's own: only what the test starts is on it, and nothing is started on
// demand (the system's session configuration would start a real notification daemon).
constexpr char kBusConfig[] = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>@LISTEN@</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The line the stand-in writes for a notice with the default icon and time.
std::string Line(const std::string& summary, const std::string& body)
{
    return "Vimble e-mail\t" + summary + "\t" + body + "\tvimble-email\t-1\tvimble-email";
}

// A private bus in DBUS_SESSION_BUS_ADDRESS for the test's time; skipped without dbus-daemon.
class NotifyOnPrivateBus : public testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(StartBus("unix:dir=@DIR@")); }

    // Starts the bus listening at listen, where @DIR@ stands for the test's folder.
    void StartBus(std::string listen)
    {
        const std::string daemon = FindProgram("dbus-daemon");
        if (daemon.empty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        ASSERT_TRUE(m_dir.isValid());
        listen.replace(listen.find("@DIR@"), 5, m_dir.path().toStdString());
        std::string config = kBusConfig;
        config.replace(config.find("@LISTEN@"), 8, listen);
        const std::string configPath = Path("bus.conf");
        std::ofstream(configPath) << config;
        ASSERT_TRUE(m_bus.Start(
            { daemon, "--config-file=" + configPath, "--print-address=1", "--nofork" }, true));
        m_address = m_bus.ReadLine(10000);
        ASSERT_FALSE(m_address.empty()) << "the private bus said no address";
        m_env.emplace("DBUS_SESSION_BUS_ADDRESS", m_address);
    }

    std::string Path(const std::string& name) const
    {
        return m_dir.path().toStdString() + "/" + name;
    }

    // Starts the stand-in service and waits until it owns the service's name.
    bool StartStandin()
    {
        const std::string standin = std::string(built::kPlatformTestsDir) + "/notify_standin";
        if (!m_standin.Start({ standin, Path("notices.txt"), "60" }, false))
            return false;
        return WaitForService();
    }

    void PauseStandin() { m_standin.Signal(SIGSTOP); }
    void PauseBus() { m_bus.Signal(SIGSTOP); }

    std::vector<std::string> Notices() const { return ReadLines(Path("notices.txt")); }

private:
    bool WaitForService()
    {
        const QString name = QStringLiteral("notify-test-probe");
        bool owned = false;
        {
            QDBusConnection probe
                = QDBusConnection::connectToBus(QString::fromStdString(m_address), name);
            for (int i = 0; i < 200 && !owned && probe.isConnected() && m_standin.Running(); ++i) {
                owned = probe.interface()->isServiceRegistered(kService).value();
                if (!owned)
                    ::usleep(50 * 1000);
            }
        }
        QDBusConnection::disconnectFromBus(name);
        return owned;
    }

    // Destroyed in reverse: the variable is put back, then the service and the bus end.
    QTemporaryDir m_dir;
    CChild m_bus;
    CChild m_standin;
    std::string m_address;
    std::optional<CScopedEnv> m_env;
};

// What is sent arrives as given: the program's name, the texts in UTF-8, the icon and the time
// on screen, from the calling thread or another (the mail worker tells from its own).
TEST_F(NotifyOnPrivateBus, a_notice_reaches_the_service_as_given_from_any_thread)
{
    ASSERT_TRUE(StartStandin());
    std::string reason = "left from before";
    ASSERT_TRUE(
        platform::NotifyDesktop("Greeting sent", "Your greeting to Ann Smith was sent.", reason))
        << reason;
    EXPECT_EQ(reason, "");
    const std::string summary = "Zoë's birthday – in 3 days";
    const std::string body = "Zoë Müller turns 40 on Friday 🎂.";
    bool shown = false;
    std::thread worker([&] { shown = platform::NotifyDesktop(summary, body, reason); });
    worker.join();
    EXPECT_TRUE(shown) << reason;
    ASSERT_TRUE(platform::NotifyDesktop(
        "Sending failed", "No answer from the mail server.", reason, "dialog-error", 0))
        << reason;
    EXPECT_EQ(Notices(),
        (std::vector<std::string> { Line("Greeting sent", "Your greeting to Ann Smith was sent."),
            Line(summary, body),
            "Vimble e-mail\tSending failed\tNo answer from the mail server.\tdialog-error\t0\t"
            "vimble-email" }));
}

TEST_F(NotifyOnPrivateBus, a_bus_without_a_notification_service_gives_false_and_says_so)
{
    std::string reason;
    EXPECT_FALSE(platform::NotifyDesktop("Greeting sent", "To Ann Smith.", reason));
    EXPECT_NE(reason.find("ServiceUnknown"), std::string::npos) << reason;
}

// A service that takes the call and never answers holds the caller for two seconds at most.
TEST_F(NotifyOnPrivateBus, a_service_that_never_answers_gives_false_within_three_seconds)
{
    ASSERT_TRUE(StartStandin());
    PauseStandin();
    std::string reason;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(platform::NotifyDesktop("Greeting sent", "To Ann Smith.", reason));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_NE(reason.find("NoReply"), std::string::npos) << reason;
}

// Each call looks for the bus again: a bus restarted at another address is found.
TEST_F(NotifyOnPrivateBus, a_call_after_the_bus_moved_reaches_the_new_bus)
{
    std::string reason;
    {
        CScopedEnv elsewhere("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + Path("no-bus-here"));
        EXPECT_FALSE(platform::NotifyDesktop("Greeting sent", "To Ann Smith.", reason));
    }
    ASSERT_TRUE(StartStandin());
    EXPECT_TRUE(platform::NotifyDesktop("Greeting sent", "To Ann Smith.", reason)) << reason;
    EXPECT_EQ(Notices(), std::vector<std::string> { Line("Greeting sent", "To Ann Smith.") });
}

// The editor calls it with its application object made, vimble-tool before any: both work.
// Last in the suite, as the object stays for the rest of the program.
TEST_F(NotifyOnPrivateBus, a_program_with_an_application_object_is_notified_the_same_way)
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = { name, nullptr };
        static QCoreApplication app(argc, argv);
    }
    ASSERT_TRUE(StartStandin());
    std::string reason;
    ASSERT_TRUE(platform::NotifyDesktop("Greeting sent", "To Zoë.", reason)) << reason;
    EXPECT_EQ(Notices(), std::vector<std::string> { Line("Greeting sent", "To Zoë.") });
}

// The socket as an address names it: a folder the bus picks a file in, a file whose name is
// escaped in the address, or a name in the abstract namespace. Each is found, and a stopped
// daemon behind each is asked with a limit (libdbus itself would wait for it without end).
class NotifyOnBusAt : public NotifyOnPrivateBus, public testing::WithParamInterface<const char*> {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(StartBus(GetParam())); }
};

TEST_P(NotifyOnBusAt, a_notice_arrives_and_a_stopped_bus_gives_false_within_three_seconds)
{
    ASSERT_TRUE(StartStandin());
    std::string reason;
    EXPECT_TRUE(platform::NotifyDesktop("Greeting sent", "To Ann Smith.", reason)) << reason;
    EXPECT_EQ(Notices(), std::vector<std::string> { Line("Greeting sent", "To Ann Smith.") });
    PauseBus();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(platform::NotifyDesktop("Greeting sent", "To Ann Smith.", reason));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_NE(reason.find("does not answer"), std::string::npos) << reason;
}

INSTANTIATE_TEST_SUITE_P(Sockets, NotifyOnBusAt,
    testing::Values("unix:dir=@DIR@", "unix:path=@DIR@/the%20bus%2c1", "unix:abstract=@DIR@/bus"));

TEST(NotifyWithoutBus, no_session_bus_gives_false_and_a_reason)
{
    QTemporaryDir runtime; // a user folder without a bus socket in it
    ASSERT_TRUE(runtime.isValid());
    CScopedEnv address("DBUS_SESSION_BUS_ADDRESS", "");
    CScopedEnv runtimeDir("XDG_RUNTIME_DIR", runtime.path().toStdString());
    std::string reason;
    EXPECT_FALSE(platform::NotifyDesktop("Greeting sent", "To Ann Smith.", reason));
    EXPECT_NE(reason.find("no session bus"), std::string::npos) << reason;
}

// A bus that has gone leaves its socket file behind; nobody listens on it any more.
TEST(NotifyWithoutBus, a_closed_bus_socket_gives_false_and_a_reason_within_three_seconds)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string socketPath = dir.path().toStdString() + "/bus";
    sockaddr_un socketAddress {};
    socketAddress.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof(socketAddress.sun_path));
    std::strcpy(socketAddress.sun_path, socketPath.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&socketAddress), sizeof(socketAddress)), 0);
    ::close(fd);

    CScopedEnv address("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + socketPath);
    std::string reason;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(platform::NotifyDesktop("Greeting sent", "To Ann Smith.", reason));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_NE(reason.find(socketPath), std::string::npos) << reason;
}

} // namespace
