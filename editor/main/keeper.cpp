#include "editor/main/keeper.h"

#include <QMetaObject>

#include <chrono>
#include <utility>

CGreetingKeeper::CGreetingKeeper(IKeeperHost& host, QObject* parent)
    : QObject(parent), m_host(host)
{
    m_quiet.setSingleShot(true);
    m_longest.setSingleShot(true);
    connect(&m_quiet, &QTimer::timeout, this, [this] { KeepNow(); });
    connect(&m_longest, &QTimer::timeout, this, [this] { KeepNow(); });
    m_thread = std::thread([this] { Run(); });
}

CGreetingKeeper::~CGreetingKeeper()
{
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void CGreetingKeeper::Changed()
{
    if (!m_bPending) {
        m_bPending = true;
        m_longest.start(m_timing.nLongestMs);
    }
    // A copy the longest wait has asked for and that waits for a quiet moment keeps its turn.
    if (!m_longest.isActive() && m_quiet.isActive())
        return;
    m_quiet.start(m_timing.nQuietMs);
}

bool CGreetingKeeper::KeepNow()
{
    if (!m_bPending)
        return false;
    if (!m_host.IsQuietForKeeping()) {
        // Soon again; the longest wait stays over, so the next quiet moment takes the copy.
        m_longest.stop();
        m_quiet.start(m_timing.nRetryMs);
        return false;
    }
    m_quiet.stop();
    m_longest.stop();
    m_bPending = false;
    std::vector<uint8_t> archive = m_host.StoreForKeeping(m_nLastSize);
    if (archive.empty())
        return false;
    m_nLastSize = archive.size();
    if (m_strId.empty())
        m_strId = keeping::NewRecoveryId();
    Job job;
    job.about = m_host.AboutForKeeping();
    job.about.strId = m_strId;
    job.archive = std::move(archive);
    Queue(std::move(job));
    ++m_nHanded;
    return true;
}

void CGreetingKeeper::Forget()
{
    m_quiet.stop();
    m_longest.stop();
    m_bPending = false;
    if (m_strId.empty())
        return;
    Job job;
    job.kind = Job::discard;
    job.about.strId = std::exchange(m_strId, {});
    Queue(std::move(job));
}

void CGreetingKeeper::Adopt(const std::string& strId)
{
    Forget();
    m_strId = strId;
    Job job;
    job.kind = Job::adopt;
    job.about.strId = strId;
    Queue(std::move(job));
}

int CGreetingKeeper::Written() const
{
    std::lock_guard lock(m_mutex);
    return m_nWritten;
}

bool CGreetingKeeper::WaitUntilIdle(int nMs)
{
    std::unique_lock lock(m_mutex);
    return m_idle.wait_for(lock, std::chrono::milliseconds(nMs),
                           [this] { return m_jobs.empty() && !m_bBusy; });
}

void CGreetingKeeper::Queue(Job job)
{
    {
        std::lock_guard lock(m_mutex);
        // A newer copy of the same greeting makes a copy still waiting useless; a discard makes
        // every waiting copy of it so.
        if (job.kind != Job::adopt)
            std::erase_if(m_jobs, [&job](const Job& waiting) {
                return waiting.kind == Job::write && waiting.about.strId == job.about.strId;
            });
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_all();
}

void CGreetingKeeper::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_bStop || !m_jobs.empty(); });
        if (m_jobs.empty()) {
            if (m_bStop)
                return;
            continue;
        }
        Job job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_bBusy = true;
        lock.unlock();
        std::string reason;
        bool bDone = true;
        switch (job.kind) {
        case Job::write:
            bDone = keeping::WriteRecoveryCopy(job.about, job.archive, &reason);
            job.archive = {};
            break;
        case Job::discard:
            keeping::DiscardRecoveryCopy(job.about.strId);
            break;
        case Job::adopt:
            keeping::AdoptRecoveryCopy(job.about.strId, job.about.nPid);
            break;
        }
        if (!bDone)
            QMetaObject::invokeMethod(this, [this, reason] { SayNotKept(reason); },
                                      Qt::QueuedConnection);
        lock.lock();
        if (bDone && job.kind == Job::write)
            ++m_nWritten;
        m_bBusy = false;
        if (m_jobs.empty())
            m_idle.notify_all();
    }
}

void CGreetingKeeper::SayNotKept(const std::string& strReason)
{
    if (m_bSaid)
        return;
    // Said when nothing is half done, so that the question never cuts into a drag.
    if (!m_host.IsQuietForKeeping()) {
        QTimer::singleShot(m_timing.nRetryMs, this, [this, strReason] { SayNotKept(strReason); });
        return;
    }
    m_bSaid = true;
    m_host.SayNotKept(strReason);
}
