#include "editor/core/mailhost.h"

#include <algorithm>

#include "editor/core/prompts.h"
#include "platform/postcall.h"

#include <QWidget>

#include <memory>

CEditorMailHost& CEditorMailHost::Get()
{
    // Never destroyed: a worker may still be ending while the program's statics go.
    static CEditorMailHost* host = new CEditorMailHost;
    return *host;
}

void CEditorMailHost::Attach(CMailWindow* pWindow)
{
    {
        std::lock_guard lock(m_mutex);
        m_pWindow = pWindow;
        ++m_nAttachment;
    }
    // A worker waiting for a box the old window would have shown waits no longer.
    m_closed.notify_all();
}

uint64_t CEditorMailHost::ResultsShown() const
{
    std::lock_guard lock(m_mutex);
    return m_nShown;
}

void CEditorMailHost::StartActivity()
{
    std::lock_guard lock(m_mutex);
    m_nLastPercent = -1;
    m_strLastStep.clear();
    if (m_pWindow != nullptr)
        m_pWindow->SetActivity(true);
}

void CEditorMailHost::StopActivity()
{
    std::lock_guard lock(m_mutex);
    // While the lock is held the window cannot go; the call runs later on its thread, and not
    // at all when the window has gone by then.
    if (m_pWindow != nullptr)
        platform::PostCall(
            m_pWindow->MailWindow(), [window = m_pWindow] { window->SetActivity(false); });
}

void CEditorMailHost::ShowProgress(const std::string& strStep, int nDone, int nTotal)
{
    const int percent = nTotal > 0 ? std::clamp(nDone * 100 / nTotal, 0, 100) : 0;
    std::lock_guard lock(m_mutex);
    if (m_pWindow == nullptr || (percent == m_nLastPercent && strStep == m_strLastStep))
        return;
    m_nLastPercent = percent;
    m_strLastStep = strStep;
    platform::PostCall(m_pWindow->MailWindow(),
        [window = m_pWindow, strStep, percent] { window->SetActivityProgress(strStep, percent); });
}

void CEditorMailHost::ShowResult(
    const std::string& strText, bool bSucceeded, const std::string& strReason)
{
    (void)bSucceeded;
    (void)strReason; // the text says it
    std::unique_lock lock(m_mutex);
    if (m_pWindow == nullptr)
        return;
    const uint64_t attachment = m_nAttachment;
    auto done = std::make_shared<bool>(false);
    platform::PostCall(
        m_pWindow->MailWindow(),
        [this, window = m_pWindow->MailWindow(), strText, done] {
            AskMessageBox(window, MB_KIND_LARGE, strText);
            {
                std::lock_guard inner(m_mutex);
                *done = true;
                ++m_nShown;
            }
            m_closed.notify_all();
        });
    // The worker waits until the person has closed the box, or the window has gone.
    m_closed.wait(lock, [&] { return *done || m_nAttachment != attachment; });
}
