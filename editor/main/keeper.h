// The keeper of the open greeting: while it is changed, its recovery copy is written a few
// seconds after the person stops changing it, and at least once a minute while the changes go
// on, saved or not, named or not. The window's part is only the archive of the greeting as it
// is (a copy in memory); packing, the still picture and the files are written by the keeper's
// own thread, one job after another, so the window never waits for them.
//
// A copy is taken only while nothing is half done: no drag, no dialog, no file work, no play.
// Saving the greeting, or closing it without keeping the changes, removes its copy; an editor
// that ends any other way leaves it, to be offered at the next start.
#pragma once

#include "playback/keeping.h"

#include <QObject>
#include <QTimer>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// What the keeper asks of the window it keeps the greeting of.
class IKeeperHost {
public:
    // True when a copy may be taken now: nothing is half done.
    virtual bool IsQuietForKeeping() const = 0;
    // The open greeting's archive as it is now (empty when there is none or it cannot be
    // stored), and what its copy says of it: its name and its own path. nSizeHint: the length
    // of the last copy's archive, 0 for none.
    virtual std::vector<uint8_t> StoreForKeeping(size_t nSizeHint) = 0;
    virtual keeping::RecoveryAbout AboutForKeeping() const = 0;
    // Says, once, that the greeting is not being kept, and why.
    virtual void SayNotKept(const std::string& strReason) = 0;

protected:
    ~IKeeperHost() = default;
};

class CGreetingKeeper : public QObject {
    Q_OBJECT
public:
    struct Timing {
        int nQuietMs = 3000;    // after the last change
        int nLongestMs = 60000; // after the first change not yet in a copy
        int nRetryMs = 500;     // while something is half done
    };

    explicit CGreetingKeeper(IKeeperHost& host, QObject* parent = nullptr);
    // Does what is queued (a discard in particular) before it goes.
    ~CGreetingKeeper() override;

    void SetTiming(const Timing& timing) { m_timing = timing; }
    const Timing& GetTiming() const { return m_timing; }

    // The open greeting changed.
    void Changed();
    // The open greeting was saved, or closed without keeping its changes: its copy goes, and
    // changes from here on go into a copy of their own.
    void Forget();
    // The greeting now open came from the copy strId: that copy is its copy from here on.
    void Adopt(const std::string& strId);
    // Takes the copy now if changes wait for one and nothing is half done (what the timers
    // call); true when a copy was handed to the thread.
    bool KeepNow();

    // Says, once for the editor's life, that the greeting is not being kept, when nothing is
    // half done: the thread's failures and the earlier versions a save cannot keep.
    void SayNotKept(const std::string& strReason);

    // The id of the open greeting's copy; empty when it has none yet.
    const std::string& CopyId() const { return m_strId; }
    bool IsWaiting() const { return m_bPending; }
    // Copies handed to the thread, and those it wrote.
    int Handed() const { return m_nHanded; }
    int Written() const;
    // Waits until the thread has nothing left to do; false when that took longer than nMs.
    bool WaitUntilIdle(int nMs);

private:
    struct Job {
        enum Kind { write, discard, adopt } kind = write;
        keeping::RecoveryAbout about;
        std::vector<uint8_t> archive;
    };
    void Queue(Job job);
    void Run();

    IKeeperHost& m_host;
    Timing m_timing;
    QTimer m_quiet;
    QTimer m_longest;
    bool m_bPending = false;
    bool m_bSaid = false;
    std::string m_strId;
    int m_nHanded = 0;
    size_t m_nLastSize = 0;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_jobs;
    bool m_bBusy = false;
    bool m_bStop = false;
    int m_nWritten = 0;
    std::thread m_thread;
};
