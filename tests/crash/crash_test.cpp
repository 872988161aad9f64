// Files written over an older version survive the writer being killed at any moment: a
// project saved over its file, the address book, the settings. A child program writes the file
// and tells on a pipe how far it is; it is killed with SIGKILL after a chosen number of reports
// or after a small random delay. The file is then whole, old or new byte for byte, and the next
// open of it leaves nothing else beside it.
#include "mail/addressbook.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "tests/model/fixtures.h"
#include "tests/buildpaths.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// What a child run did: the bytes it sent before it ended or was killed, and when they came.
struct ChildRun {
    int nBytes = 0;
    bool bKilled = false;
    int nExitStatus = -1; // when it was not killed
    Clock::duration firstToLast{};
    int nFirstWrite = 0; // the number of the first 'w' byte, 0 when none came
    Clock::duration writeToLast{};
};

// Runs the child program with args (its fd argument is "3", the pipe) and the environment
// changed by overrides ("NAME=VALUE"). Kills it with SIGKILL once killAfter bytes have come
// and a further delay has passed; killAfter 0 lets it run to its end.
ChildRun RunChild(const std::vector<std::string>& args, const std::vector<std::string>& overrides,
                  int killAfter, std::chrono::microseconds delay)
{
    std::vector<std::string> env;
    for (char** p = environ; *p != nullptr; ++p) {
        const std::string entry = *p;
        const std::string name = entry.substr(0, entry.find('=') + 1);
        if (std::none_of(overrides.begin(), overrides.end(),
                         [&](const std::string& o) { return o.rfind(name, 0) == 0; }))
            env.push_back(entry);
    }
    env.insert(env.end(), overrides.begin(), overrides.end());
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::vector<std::string> argStrings{built::kCrashChild};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : argStrings)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    ChildRun run;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "no pipe";
        return run;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 3); // the copy does not close on exec
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        ADD_FAILURE() << "no child";
        return run;
    }
    Clock::time_point first{};
    Clock::time_point firstWrite{};
    char byte = 0;
    while (::read(fds[0], &byte, 1) == 1) {
        const Clock::time_point now = Clock::now();
        if (++run.nBytes == 1)
            first = now;
        if (byte == 'w' && run.nFirstWrite == 0) {
            run.nFirstWrite = run.nBytes;
            firstWrite = now;
        }
        run.firstToLast = now - first;
        if (run.nFirstWrite != 0)
            run.writeToLast = now - firstWrite;
        if (killAfter > 0 && run.nBytes == killAfter) {
            if (delay.count() > 0)
                ::usleep(static_cast<useconds_t>(delay.count()));
            ::kill(pid, SIGKILL);
            break;
        }
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.bKilled = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    if (WIFEXITED(status))
        run.nExitStatus = WEXITSTATUS(status);
    return run;
}

// Where to kill: after a number of reports, then after a delay.
struct KillPoint {
    int nAfter;
    std::chrono::microseconds delay;
};

// Kill points across a write that sent bytes reports in all (its last one after the write):
// after every one of an even spread of reports, several times after the last reports of the
// write (the final rename among them), and at random delays after report from, spread over
// the time length from there to the end and beyond it.
std::vector<KillPoint> KillPlan(int bytes, int from, Clock::duration length, int nSpread,
                                int nEnd, int nRandom, unsigned seed)
{
    std::vector<KillPoint> plan;
    const int reports = std::max(1, bytes - 1);
    for (int i = 0; i < nSpread; ++i)
        plan.push_back({1 + i * (reports - 1) / std::max(1, nSpread - 1), {}});
    for (int i = 0; i < nEnd; ++i)
        plan.push_back({std::max(1, reports - i % 3), {}});
    std::mt19937 random(seed);
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(length).count();
    // Half as long again as the write took: a third of the kills come after its end, so that
    // both outcomes are met even when this write runs slower than the one that was timed.
    std::uniform_int_distribution<long> pick(0, std::max<long>(1, micros + micros / 2));
    for (int i = 0; i < nRandom; ++i)
        plan.push_back({from, std::chrono::microseconds(pick(random))});
    return plan;
}

struct KillCounts {
    int nTried = 0;
    int nOld = 0;
    int nNew = 0;
    void Print(const char* what) const
    {
        std::printf("%s: %d kills tried, %d files found old, %d found new\n", what, nTried, nOld,
                    nNew);
        std::fflush(stdout);
    }
};

std::vector<uint8_t> Read(const std::string& path)
{
    std::vector<uint8_t> data;
    EXPECT_TRUE(platform::ReadWholeFile(path, data)) << path;
    return data;
}

std::vector<std::string> Names(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Removes everything in dir but keep, and puts keep's old content back.
void Reset(const std::string& dir, const std::string& keep, const std::vector<uint8_t>& content)
{
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().filename().string() != keep)
            std::filesystem::remove_all(entry.path());
    ASSERT_TRUE(platform::WriteWholeFile(platform::JoinPath(dir, keep), content));
}

// Compares the file with the old and the new content and counts what it was.
void Classify(const std::vector<uint8_t>& now, const std::vector<uint8_t>& oldBytes,
              const std::vector<uint8_t>& newBytes, KillCounts& counts, const std::string& where)
{
    ++counts.nTried;
    if (now == oldBytes)
        ++counts.nOld;
    else if (now == newBytes)
        ++counts.nNew;
    else
        ADD_FAILURE() << where << ": the file is neither the old nor the new one (" << now.size()
                      << " bytes; old " << oldBytes.size() << ", new " << newBytes.size() << ")";
}

class CrashTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_strDir = platform::MakeTempDirectory("crashtest");
        ASSERT_FALSE(m_strDir.empty());
        m_strWork = platform::JoinPath(m_strDir, "work");
        std::filesystem::create_directory(m_strWork);
        // A child killed in its write leaves its temporary files behind; here they go with
        // the fixture.
        const std::string tmp = platform::JoinPath(m_strDir, "tmp");
        std::filesystem::create_directory(tmp);
        m_tmp = std::make_unique<CScopedEnv>("TMPDIR", tmp);
    }
    void TearDown() override
    {
        m_tmp.reset();
        std::filesystem::remove_all(m_strDir);
    }

    std::string m_strDir;  // sources of the fixture
    std::string m_strWork; // the folder the child writes in, holding nothing but its file
    std::unique_ptr<CScopedEnv> m_tmp;
};

// A project of two megabytes: a picture with noise and a wave. Its save sends some 35 reports
// and writes for milliseconds, room enough for kills all over the write; each save the test
// kills compresses the whole project first, so a larger one only costs time.
std::unique_ptr<CAbstractMovie> LargeProject(const std::string& sources)
{
    return fixtures::PicturesProject(sources, 1, 16, 1, 1 << 19);
}

// Opens the project as the editor does and closes it unchanged: it opens, and afterwards the
// folder holds the project file alone, as it was.
void ExpectOpensCleanly(const std::string& dir, const std::string& path, const std::string& where)
{
    const std::vector<uint8_t> before = Read(path);
    std::unique_ptr<CAbstractMovie> movie;
    EXPECT_TRUE(OpenProject(path, movie)) << where;
    movie.reset();
    CloseProjectFiles(path);
    EXPECT_EQ(Read(path), before) << where;
    EXPECT_EQ(Names(dir), std::vector<std::string>{platform::FileNameOf(path)}) << where;
}

TEST_F(CrashTest, a_project_saved_over_its_file_is_old_or_new_wherever_the_save_is_killed)
{
    const std::string path = platform::JoinPath(m_strWork, "big.kel");
    {
        auto movie = LargeProject(m_strDir);
        ASSERT_TRUE(SaveProject(*movie, path));
    }
    const std::vector<uint8_t> oldBytes = Read(path);
    const std::vector<std::string> args{"project", path, "3"};

    // The save that is not killed gives the new file and the number of its reports.
    const ChildRun whole = RunChild(args, {}, 0, {});
    ASSERT_EQ(whole.nExitStatus, 0);
    const std::vector<uint8_t> newBytes = Read(path);
    ASSERT_NE(newBytes, oldBytes);
    ASSERT_GT(whole.nBytes, 10);
    ASSERT_GT(whole.nFirstWrite, 0);
    ExpectOpensCleanly(m_strWork, path, "after the whole save");

    KillCounts counts;
    for (const KillPoint& point : KillPlan(whole.nBytes, whole.nFirstWrite, whole.writeToLast, 5, 6, 10, 11)) {
        Reset(m_strWork, "big.kel", oldBytes);
        const std::string where = "killed after " + std::to_string(point.nAfter) + " of "
                                  + std::to_string(whole.nBytes) + " reports and "
                                  + std::to_string(point.delay.count()) + " us";
        RunChild(args, {}, point.nAfter, point.delay);
        Classify(Read(path), oldBytes, newBytes, counts, where);
        ExpectOpensCleanly(m_strWork, path, where);
    }
    counts.Print("project save");
    EXPECT_GT(counts.nOld, 0);
    EXPECT_GT(counts.nNew, 0);
}

TEST_F(CrashTest, the_address_book_is_old_or_new_wherever_its_save_is_killed)
{
    const std::string path = platform::JoinPath(m_strWork, "book.dat");
    {
        // A long book, in its order, built from the file format.
        constexpr int kEntries = 20000;
        fixtures::CBytes book;
        book.U16(kEntries);
        for (int i = 0; i < kEntries; ++i) {
            char entry[64];
            std::snprintf(entry, sizeof entry, "friend%05d@example.org, party%05d@example.net", i,
                          i);
            book.Text(entry);
        }
        ASSERT_TRUE(platform::WriteWholeFile(path, book.Bytes()));
    }
    const std::vector<uint8_t> oldBytes = Read(path);
    const std::vector<std::string> args{"book", path, "3", "friend0@example.org"};

    const ChildRun whole = RunChild(args, {}, 0, {});
    ASSERT_EQ(whole.nExitStatus, 0);
    ASSERT_EQ(whole.nBytes, 2);
    const std::vector<uint8_t> newBytes = Read(path);
    ASSERT_NE(newBytes, oldBytes);

    KillCounts counts;
    for (const KillPoint& point : KillPlan(whole.nBytes, 1, whole.firstToLast, 2, 2, 30, 12)) {
        Reset(m_strWork, "book.dat", oldBytes);
        const std::string where = "killed " + std::to_string(point.delay.count())
                                  + " us after the save began";
        RunChild(args, {}, point.nAfter, point.delay);
        Classify(Read(path), oldBytes, newBytes, counts, where);
        // The book opens as the program opens it, whole, and nothing else is left beside it.
        CAddressList list;
        EXPECT_TRUE(list.Load(path)) << where;
        EXPECT_EQ(Names(m_strWork), std::vector<std::string>{"book.dat"}) << where;
    }
    counts.Print("address book");
    EXPECT_GT(counts.nOld, 0);
    EXPECT_GT(counts.nNew, 0);
}

// The settings file is a QSettings file under XDG_CONFIG_HOME. It holds many values so that
// writing it takes a while; the child changes one of two.
TEST_F(CrashTest, the_settings_hold_the_old_or_the_new_value_wherever_their_write_is_killed)
{
    const std::string folder = platform::JoinPath(m_strWork, "Kelbrant");
    std::filesystem::create_directory(folder);
    const std::string file = platform::JoinPath(folder, "Vimble e-mail.conf");
    const std::string system = platform::JoinPath(m_strDir, "system");
    std::filesystem::create_directory(system);
    const std::vector<std::string> env{"XDG_CONFIG_HOME=" + m_strWork,
                                       "XDG_CONFIG_DIRS=" + system};
    constexpr int kFiller = 2000;
    auto filler = [](int i) { return QString("value %1 of the settings file").arg(i); };
    {
        QSettings settings(QString::fromStdString(file), QSettings::IniFormat);
        settings.beginGroup("1.00");
        for (int i = 0; i < kFiller; ++i)
            settings.setValue(QString("Filler%1").arg(i), filler(i));
        settings.setValue("MailServer", "old.example.org");
        settings.setValue("Mute", 0);
        settings.endGroup();
        settings.sync();
        ASSERT_EQ(settings.status(), QSettings::NoError);
    }
    const std::vector<uint8_t> oldBytes = Read(file);

    // Which value a file holds: 0 the old one, 1 the new one, -1 neither or a damaged file.
    auto state = [&](bool bText) {
        QSettings settings(QString::fromStdString(file), QSettings::IniFormat);
        if (settings.status() != QSettings::NoError)
            return -1;
        settings.beginGroup("1.00");
        if (settings.childKeys().size() != kFiller + 2)
            return -1;
        for (int i = 0; i < kFiller; ++i)
            if (settings.value(QString("Filler%1").arg(i)).toString() != filler(i))
                return -1;
        const QString server = settings.value("MailServer").toString();
        const int mute = settings.value("Mute").toInt();
        if (bText && mute == 0)
            return server == "old.example.org" ? 0 : server == "new.example.org" ? 1 : -1;
        if (!bText && server == "old.example.org")
            return mute == 0 ? 0 : mute == 1 ? 1 : -1;
        return -1;
    };
    const std::vector<std::string> textArgs{"setting", "3", "MailServer", "new.example.org"};
    const std::vector<std::string> numberArgs{"number", "3", "Mute", "1"};

    Clock::duration length{};
    for (bool bText : {true, false}) {
        Reset(folder, "Vimble e-mail.conf", oldBytes);
        const ChildRun whole = RunChild(bText ? textArgs : numberArgs, env, 0, {});
        ASSERT_EQ(whole.nExitStatus, 0);
        ASSERT_EQ(state(bText), 1);
        length = std::max(length, whole.firstToLast);
    }

    KillCounts counts;
    int run = 0;
    int nLocksLeft = 0;
    for (const KillPoint& point : KillPlan(2, 1, length, 2, 2, 22, 13)) {
        const bool bText = run++ % 2 == 0;
        Reset(folder, "Vimble e-mail.conf", oldBytes);
        const std::string where = std::string(bText ? "text" : "number") + " killed "
                                  + std::to_string(point.delay.count()) + " us after it began";
        RunChild(bText ? textArgs : numberArgs, env, point.nAfter, point.delay);
        ++counts.nTried;
        const int found = state(bText);
        if (found == 0)
            ++counts.nOld;
        else if (found == 1)
            ++counts.nNew;
        else
            ADD_FAILURE() << where << ": the settings hold neither the old nor the new value";
        // A writer killed while it held QSettings' lock leaves the lock file, and one killed
        // before its rename leaves its temporary file too; the next write finds the owner gone,
        // takes the lock over and removes both.
        const std::vector<std::string> names = Names(folder);
        if (names.size() > 1) {
            const ChildRun next = RunChild(bText ? textArgs : numberArgs, env, 0, {});
            EXPECT_EQ(next.nExitStatus, 0) << where;
            EXPECT_EQ(state(bText), 1) << where;
            ++nLocksLeft;
        }
        EXPECT_EQ(Names(folder), std::vector<std::string>{"Vimble e-mail.conf"}) << where;
    }
    std::printf("settings: %d kills left the lock or a temporary file, the next write removed them\n",
                nLocksLeft);
    counts.Print("settings");
    EXPECT_GT(counts.nOld, 0);
    EXPECT_GT(counts.nNew, 0);
}

} // namespace
