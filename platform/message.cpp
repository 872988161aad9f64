#include "platform/message.h"

#include "platform/text.h"

#include <QCoreApplication>

#include <cstdio>
#include <mutex>

namespace platform {

namespace {

class CStderrSink : public IMessageSink {
public:
    void Show(const Message& message) override
    {
        std::fprintf(stderr, "%s\n", PrintableUtf8(message.strText).c_str());
    }
};

// Recursive: a sink that runs a modal box may show another message from inside it.
std::recursive_mutex g_sinkMutex;
CStderrSink g_stderrSink;
IMessageSink* g_pSink = &g_stderrSink;

// The fixed texts the program shows as they are written in its code (not resource strings),
// with the English text each is translated from; the German one stands in German.
struct LiteralMessage {
    const char* szLiteral; // nullptr: the English text
    const char* szEnglish;
};
const LiteralMessage kLiteralMessages[] = {
    {nullptr, QT_TRANSLATE_NOOP("Messages", "Not a valid file!")},
    {nullptr, QT_TRANSLATE_NOOP("Messages", "Error 101")},
    {nullptr, QT_TRANSLATE_NOOP("Messages", "some error occured")},
    {nullptr, QT_TRANSLATE_NOOP("Messages", "some other error occured")},
    {nullptr, QT_TRANSLATE_NOOP("Messages", "Out of memory! Close the application and solve the problem!")},
    {"Arbeitsspeicher reicht nicht aus (3)!", QT_TRANSLATE_NOOP("Messages", "Not enough memory (3)!")},
    {nullptr, QT_TRANSLATE_NOOP("Messages", "The address book cannot be changed: no data directory is set")},
    {nullptr, QT_TRANSLATE_NOOP("Messages", "The address book was not updated: no data directory is set")},
    {nullptr, QT_TRANSLATE_NOOP("Messages", "The player program cannot be found: no data directory is set")},
};

// A fixed text in the program's language; any other text as it is.
std::string Shown(const std::string& text)
{
    for (const LiteralMessage& literal : kLiteralMessages)
        if (text == (literal.szLiteral != nullptr ? literal.szLiteral : literal.szEnglish))
            return 
                QCoreApplication::translate("Messages", literal.szEnglish).toStdString();
    return text;
}

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
    g_pSink->Show(Message{nStringId, nStringId == 0 ? Shown(text) : text});
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
