// Calls posted to the main thread from other threads: where, in what order and whether they run.
#include "platform/postcall.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

class PostCallTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "platform_tests";
            static char* argv[] = {name, nullptr};
            static QCoreApplication app(argc, argv);
        }
    }
    // Runs the main thread's loop until done says so, for at most ten seconds.
    static bool ProcessUntil(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 10000)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }
};

TEST_F(PostCallTest, calls_from_many_threads_run_on_the_main_thread_in_their_posting_order)
{
    QObject context;
    constexpr int kThreads = 4;
    constexpr int kCalls = 300;
    // Written by the calls without a lock: they all run on the main thread.
    std::vector<std::vector<int>> seen(kThreads);
    std::vector<std::string> texts;
    int nOffThread = 0;
    std::atomic<int> nRun{0};
    QThread* main = QThread::currentThread();
    std::vector<std::thread> posters;
    for (int t = 0; t < kThreads; ++t)
        posters.emplace_back([&, t] {
            for (int i = 0; i < kCalls; ++i) {
                // What the call holds is made on the posting thread and read on the main one.
                auto text = std::make_shared<std::string>(std::to_string(t) + ":" + std::to_string(i));
                platform::PostCall(&context, [&, t, i, text] {
                    if (QThread::currentThread() != main)
                        ++nOffThread;
                    seen[t].push_back(i);
                    texts.push_back(*text);
                    ++nRun;
                });
            }
        });
    for (std::thread& poster : posters)
        poster.join();
    ASSERT_TRUE(ProcessUntil([&] { return nRun.load() == kThreads * kCalls; }));
    EXPECT_EQ(nOffThread, 0);
    for (int t = 0; t < kThreads; ++t) {
        ASSERT_EQ(seen[t].size(), static_cast<size_t>(kCalls)) << t;
        for (int i = 0; i < kCalls; ++i)
            EXPECT_EQ(seen[t][i], i) << t;
    }
    EXPECT_EQ(texts.size(), static_cast<size_t>(kThreads * kCalls));
}

TEST_F(PostCallTest, a_call_whose_context_has_gone_does_not_run)
{
    auto gone = std::make_unique<QObject>();
    QObject stays;
    std::vector<std::string> ran;
    std::thread poster([&] {
        platform::PostCall(gone.get(), [&] { ran.push_back("gone"); });
        platform::PostCall(&stays, [&] { ran.push_back("stays"); });
    });
    poster.join();
    EXPECT_EQ(platform::PostedCallsWaiting(), 2u);
    gone.reset();
    // The call whose object has gone no longer counts as waiting.
    EXPECT_EQ(platform::PostedCallsWaiting(), 1u);
    ASSERT_TRUE(ProcessUntil([&] { return !ran.empty(); }));
    EXPECT_EQ(platform::PostedCallsWaiting(), 0u);
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, std::vector<std::string>{"stays"});
    // Nothing is posted for no object or no call.
    platform::PostCall(nullptr, [&] { ran.push_back("none"); });
    platform::PostCall(&stays, {});
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, std::vector<std::string>{"stays"});
}

TEST_F(PostCallTest, a_call_that_runs_a_loop_lets_the_later_calls_run_inside_it)
{
    // As a message box does: the first call waits in a loop of its own for the second.
    QObject context;
    std::vector<std::string> ran;
    bool bSecondInside = false;
    platform::PostCall(&context, [&] {
        ran.push_back("first");
        QEventLoop loop;
        platform::PostCall(&context, [&] {
            ran.push_back("second");
            bSecondInside = loop.isRunning();
            loop.quit();
        });
        loop.exec();
        ran.push_back("first ends");
    });
    ASSERT_TRUE(ProcessUntil([&] { return ran.size() == 3; }));
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second", "first ends"}));
    EXPECT_TRUE(bSecondInside);
}

} // namespace
