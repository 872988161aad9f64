#include "dialogs/messagesink.h"

#include "dialogs/messagebox.h"
#include "platform/postcall.h"
#include "platform/strings.h"
#include "platform/text.h"

#include <QApplication>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

// Messages waiting behind an open box; more than this go to standard error.
constexpr size_t kMaxPending = 32;

bool SameMessage(const platform::Message& a, const platform::Message& b)
{
    return a.nStringId == b.nStringId && a.strText == b.strText;
}

} // namespace

CMessageBoxSink::CMessageBoxSink()
    : m_pContext(new QObject)
{
}

CMessageBoxSink::~CMessageBoxSink()
{
    // Messages still queued to the context are dropped with it.
    delete m_pContext;
}

std::string CMessageBoxSink::BoxText(const platform::Message& message)
{
    std::string text = message.nStringId != 0 ? platform::LoadResString(message.nStringId) : "";
    if (!text.empty() && !message.strText.empty())
        text += "\n";
    return text + message.strText;
}

void CMessageBoxSink::WriteToStderr(const platform::Message& message)
{
    std::fprintf(stderr, "%s\n", platform::PrintableUtf8(BoxText(message)).c_str());
}

void CMessageBoxSink::Show(const platform::Message& message)
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        WriteToStderr(message);
        return;
    }
    if (QThread::currentThread() != m_pContext->thread() || platform::MessagesDeferred()) {
        platform::PostCall(m_pContext, [this, message] { Display(message); });
        return;
    }
    Display(message);
}

void CMessageBoxSink::Display(const platform::Message& message)
{
    if (m_bShowing) {
        if (m_pending.size() < kMaxPending)
            m_pending.push_back(message);
        else
            WriteToStderr(message);
        return;
    }
    m_bShowing = true;
    std::vector<platform::Message> shown;
    platform::Message current = message;
    for (;;) {
        auto same
            = [&current](const platform::Message& other) { return SameMessage(other, current); };
        if (std::find_if(shown.begin(), shown.end(), same) != shown.end()) {
            WriteToStderr(current);
        } else {
            shown.push_back(current);
            ++m_nShown;
            QWidget* parent = QApplication::activeModalWidget();
            if (parent == nullptr)
                parent = QApplication::activeWindow();
            RunMessageBox(parent, MB_KIND_OK, BoxText(current));
        }
        if (m_pending.empty())
            break;
        current = m_pending.front();
        m_pending.pop_front();
    }
    m_bShowing = false;
}
