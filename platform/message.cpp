#include "platform/message.h"

#include <cstdio>
#include <mutex>

namespace platform {

namespace {

class CStderrSink : public IMessageSink {
public:
    void Show(const Message& message) override
    {
        std::fprintf(stderr, "%s\n", message.strText.c_str());
    }
};

// Recursive: a sink that runs a modal box may show another message from inside it.
std::recursive_mutex g_sinkMutex;
CStderrSink g_stderrSink;
IMessageSink* g_pSink = &g_stderrSink;

} // namespace

IMessageSink* SetMessageSink(IMessageSink* sink)
{
    std::lock_guard lock(g_sinkMutex);
    IMessageSink* previous = g_pSink;
    g_pSink = sink != nullptr ? sink : &g_stderrSink;
    return previous;
}

void ShowMessage(int nStringId, const std::string& text)
{
    std::lock_guard lock(g_sinkMutex);
    g_pSink->Show(Message{nStringId, text});
}

CMessageRecorder::CMessageRecorder() : m_pPrevious(SetMessageSink(this)) {}

CMessageRecorder::~CMessageRecorder()
{
    SetMessageSink(m_pPrevious);
}

void CMessageRecorder::Show(const Message& message)
{
    m_messages.push_back(message);
}

namespace {
thread_local int t_nDeferred = 0;
} // namespace

CDeferMessages::CDeferMessages()
{
    ++t_nDeferred;
}

CDeferMessages::~CDeferMessages()
{
    --t_nDeferred;
}

bool MessagesDeferred()
{
    return t_nDeferred > 0;
}

} // namespace platform
