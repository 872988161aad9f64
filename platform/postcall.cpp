#include "platform/postcall.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <deque>
#include <mutex>

namespace platform {
namespace {

// The queue of posted calls, living on the main thread. A post only wakes it with a call by
// name: Qt's code then makes and frees the wake-up event, and nothing the posting thread
// wrote is read on the main thread but through the queue's lock.
class CPostedCalls : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QPointer<QObject> context;
        std::function<void()> call;
    };

    void Post(QObject* context, std::function<void()> call)
    {
        {
            std::lock_guard lock(m_mutex);
            m_entries.push_back({QPointer<QObject>(context), std::move(call)});
        }
        QMetaObject::invokeMethod(this, "Drain", Qt::QueuedConnection);
    }

    // One call at a time, the lock released while it runs: a call that runs a loop of its own
    // lets that loop drain the calls after it.
    Q_INVOKABLE void Drain()
    {
        for (;;) {
            Entry entry;
            {
                std::lock_guard lock(m_mutex);
                if (m_entries.empty())
                    return;
                entry = std::move(m_entries.front());
                m_entries.pop_front();
            }
            if (!entry.context.isNull())
                entry.call();
        }
    }

    // The calls that will still run: one whose object is gone is dropped here, as Drain
    // would drop it. Called on the main thread, where the objects die.
    size_t Waiting()
    {
        std::lock_guard lock(m_mutex);
        std::erase_if(m_entries, [](const Entry& entry) { return entry.context.isNull(); });
        return m_entries.size();
    }

private:
    std::mutex m_mutex;
    std::deque<Entry> m_entries;
};

// Made when the application object is (MakeQueue below), or on first use when a program
// posts without one; it lives as long as the process.
CPostedCalls* Queue()
{
    static CPostedCalls* queue = [] {
        auto* made = new CPostedCalls;
        made->moveToThread(QCoreApplication::instance()->thread());
        return made;
    }();
    return queue;
}

// The queue is made as the application object is, on the main thread: made by the first
// thread to post, a worker's, the main thread would later use an object whose making it did
// not see.
void MakeQueue()
{
    Queue();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(MakeQueue)

void PostCall(QObject* context, std::function<void()> call)
{
    if (context == nullptr || !call)
        return;
    // Without an application, or for an object of another thread, Qt's own queue does it.
    if (QCoreApplication::instance() == nullptr
        || context->thread() != QCoreApplication::instance()->thread()) {
        QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
        return;
    }
    Queue()->Post(context, std::move(call));
}

size_t PostedCallsWaiting()
{
    return QCoreApplication::instance() != nullptr ? Queue()->Waiting() : 0;
}

} // namespace platform

#include "postcall.moc"
