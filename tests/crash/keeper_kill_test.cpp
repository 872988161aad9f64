// The editor killed while it changes a greeting and its keeper writes recovery copies: at every
// moment, the copy found afterwards opens and holds a change no older than the keeper promises
// (the last pause longer than the quiet wait, and anything older than the longest wait, each
// with the time a copy takes to write), never a change that was not made; the person's own file
// is as it was.
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "playback/keeping.h"
#include "tests/buildpaths.h"
#include "tests/model/fixtures.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kQuietMs = 150;
constexpr int kLongestMs = 1000;

struct Change {
    int nNumber;
    Clock::time_point at;
};

struct KilledRun {
    bool bOpened = false;
    bool bKilled = false;
    std::vector<Change> changes;
    Clock::time_point killedAt{};
};

// Runs the child on path, kills it killAfter after its first change, and collects what it told.
KilledRun RunAndKill(const std::string& path, unsigned seed, milliseconds killAfter)
{
    KilledRun run;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "no pipe";
        return run;
    }
    const std::vector<std::string> args{built::kKeeperChild, path, "3", std::to_string(seed),
                                        std::to_string(kQuietMs), std::to_string(kLongestMs)};
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 3);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        ADD_FAILURE() << "no child";
        return run;
    }
    std::string pending;
    Clock::time_point deadline = Clock::now() + std::chrono::seconds(60); // the start
    auto take = [&](const std::string& line) {
        if (line == "open") {
            run.bOpened = true;
            return;
        }
        std::istringstream in(line);
        std::string word;
        int number = 0;
        long long ns = 0;
        if (in >> word >> number >> ns && word == "change") {
            const Clock::time_point at{std::chrono::nanoseconds(ns)};
            if (run.changes.empty())
                deadline = at + killAfter;
            run.changes.push_back({number, at});
        }
    };
    auto drain = [&](int timeoutMs) {
        pollfd fd{fds[0], POLLIN, 0};
        if (::poll(&fd, 1, timeoutMs) <= 0)
            return false;
        char buffer[4096];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            return false;
        pending.append(buffer, static_cast<size_t>(n));
        for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
            take(pending.substr(0, end));
            pending.erase(0, end + 1);
        }
        return true;
    };
    for (;;) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            break;
        if (!drain(static_cast<int>(left.count())) && Clock::now() < deadline) {
            // The child ended by itself: it did not get as far as its changes.
            break;
        }
    }
    run.killedAt = Clock::now();
    ::kill(pid, SIGKILL);
    // What it told before it died was made before the kill.
    while (drain(0)) {
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.bKilled = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    return run;
}

// The oldest change the copy may hold after that run: the last change followed by a pause
// longer than the quiet wait that had time to be written before the kill, and every change
// older than the longest wait and a write. 0 when no copy need be there yet.
int OldestAllowed(const KilledRun& run, milliseconds write)
{
    int oldest = 0;
    const milliseconds margin(30); // a timer fires a little late
    for (size_t i = 0; i < run.changes.size(); ++i) {
        const Change& change = run.changes[i];
        const Clock::time_point next =
            i + 1 < run.changes.size() ? run.changes[i + 1].at : run.killedAt;
        const bool bPaused = next - change.at >= milliseconds(kQuietMs) + margin;
        if (bPaused && change.at + milliseconds(kQuietMs) + margin + write <= run.killedAt)
            oldest = change.nNumber;
        if (change.at + milliseconds(kLongestMs) + margin + write <= run.killedAt)
            oldest = std::max(oldest, change.nNumber);
    }
    return oldest;
}

class KeeperKill : public testing::Test {
protected:
    void SetUp() override
    {
        m_strDir = platform::MakeTempDirectory("keeperkill");
        ASSERT_FALSE(m_strDir.empty());
        m_pTmp = std::make_unique<CScopedEnv>("TMPDIR", m_strDir);
    }
    void TearDown() override
    {
        m_pState.reset();
        m_pTmp.reset();
        std::filesystem::remove_all(m_strDir);
    }

    std::string m_strDir;
    std::unique_ptr<CScopedEnv> m_pTmp;
    std::unique_ptr<CScopedEnv> m_pState;
};

TEST_F(KeeperKill, the_copy_left_by_a_killed_editor_opens_and_is_as_recent_as_promised)
{
    // The person's greeting: a picture and a wave, some hundreds of kilobytes to pack, so that
    // kills land in writes as well as between them.
    const std::string path = platform::JoinPath(m_strDir, "greeting.kel");
    milliseconds write{};
    {
        auto movie = fixtures::PicturesProject(m_strDir, 1, 16, 1, 1 << 17);
        ASSERT_TRUE(SaveProject(*movie, path));
        // How long a copy of it takes here, to know how late one may come.
        m_pState = std::make_unique<CScopedEnv>("XDG_STATE_HOME", m_strDir + "/timing");
        keeping::RecoveryAbout about;
        about.strId = "timing";
        about.strName = "greeting";
        const std::vector<uint8_t> archive = StoreMovie(*movie, "greeting.kel");
        const Clock::time_point start = Clock::now();
        ASSERT_TRUE(keeping::WriteRecoveryCopy(about, archive));
        write = std::chrono::duration_cast<milliseconds>(Clock::now() - start) * 2
                + milliseconds(250);
    }
    std::vector<uint8_t> own;
    ASSERT_TRUE(platform::ReadWholeFile(path, own));

    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> killAfter(50, 4000);
    int nRuns = 0, nCopies = 0, nPromised = 0;
    for (int i = 0; i < 12; ++i) {
        const std::string state = m_strDir + "/state" + std::to_string(i);
        m_pState.reset(); // the one before puts its value back when it goes
        m_pState = std::make_unique<CScopedEnv>("XDG_STATE_HOME", state);
        const int after = killAfter(random);
        const KilledRun run = RunAndKill(path, static_cast<unsigned>(i), milliseconds(after));
        const std::string where = "run " + std::to_string(i) + ", killed " + std::to_string(after)
                                  + " ms after the first of " + std::to_string(run.changes.size())
                                  + " changes";
        ASSERT_TRUE(run.bOpened) << where;
        ASSERT_TRUE(run.bKilled) << where;
        ++nRuns;

        const int oldest = OldestAllowed(run, write);
        const int newest = run.changes.empty() ? 0 : run.changes.back().nNumber;
        const std::vector<keeping::RecoveryCopy> copies = keeping::ListRecoveryCopies();
        ASSERT_LE(copies.size(), 1u) << where;
        if (oldest > 0)
            ++nPromised;
        if (copies.empty()) {
            EXPECT_EQ(oldest, 0) << where << ": no copy, though change " << oldest
                                 << " was due in one";
        } else {
            ++nCopies;
            const keeping::RecoveryCopy& copy = copies.front();
            ASSERT_TRUE(copy.bReadable) << where << ": " << copy.strProblem;
            EXPECT_EQ(copy.about.strOriginal, path) << where;
            EXPECT_EQ(copy.about.strName, "greeting") << where;
            platform::Message failure;
            auto movie = ReadProjectFile(copy.strProject, &failure);
            ASSERT_NE(movie, nullptr) << where << ": " << failure.strText;
            const int held =
                static_cast<int>(movie->GetFirstStage()->m_pBackground->m_crColor);
            EXPECT_GE(held, oldest) << where;
            EXPECT_LE(held, newest) << where;
            EXPECT_GE(held, 1) << where;
        }
        std::vector<uint8_t> now;
        ASSERT_TRUE(platform::ReadWholeFile(path, now)) << where;
        EXPECT_EQ(now, own) << where << ": the person's own file changed";
        // What the open beside it made goes, as the next open would remove it.
        RemoveWorkingFiles(path);
    }
    std::printf("keeper kills: %d runs, %d copies found, %d runs where a copy was due "
                "(a copy takes %lld ms here at most)\n",
                nRuns, nCopies, nPromised, static_cast<long long>(write.count()));
    EXPECT_GT(nPromised, 5);
}

} // namespace
