// The one road by which the core shows a failure to the person using the program. The editor
// puts its message box behind it, the command-line tool prints, and tests record.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Resource-library string numbers of the model's failure reports.
constexpr int IDS_MISSING_RESOURCE = 2;
constexpr int IDS_READ_ERROR = 10101;
constexpr int IDS_MEMORY_ERROR = 10102;

// One message: a numbered resource string (0 for a literal text) and the detail that says
// what went wrong where, for example "x.kel: read error at byte 18 in a stage (...)".
struct Message {
    int nStringId = 0;
    std::string strText;
};

class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void Show(const Message& message) = 0;
};

// Installs the sink for this process and returns the previous one; nullptr restores the
// default, which writes each message as one line to standard error. The caller keeps
// ownership and must uninstall the sink before destroying it.
IMessageSink* SetMessageSink(IMessageSink* sink);

// Shows a message through the installed sink. Safe to call from any thread.
void ShowMessage(int nStringId, const std::string& text);
inline void ShowMessage(const std::string& text) { ShowMessage(0, text); }

// While one of these lives on a thread, a sink that would open a modal window for a message
// must hand it to the event loop instead: the thread is painting, and a window opened there
// would run a nested loop inside the paint.
class CDeferMessages {
public:
    CDeferMessages();
    ~CDeferMessages();
    CDeferMessages(const CDeferMessages&) = delete;
    CDeferMessages& operator=(const CDeferMessages&) = delete;
};
bool MessagesDeferred();

// A sink that keeps what it is shown; installs itself for its lifetime.
class CMessageRecorder : public IMessageSink {
public:
    CMessageRecorder();
    ~CMessageRecorder() override;
    void Show(const Message& message) override;
    std::vector<Message> m_messages;

private:
    IMessageSink* m_pPrevious;
};

} // namespace platform
