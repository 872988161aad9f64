// The editor's side of a send: the activity cell runs while the worker talks to the server,
// and the worker's result shows in the program's large message box. The host lives as long as
// the process, so a worker that outlasts the editor window still has one to call; once the
// window is gone (Attach(nullptr)) its calls do nothing, and a worker waiting for its result
// box to be closed goes on.
#pragma once

#include "editor/core/mailwindow.h"
#include "mail/mailthread.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>


class CEditorMailHost : public IMailHost {
public:
    static CEditorMailHost& Get();

    // The window the host works with; nullptr when it goes. Called on the window's thread.
    void Attach(CMailWindow* pWindow);

    // Called on the window's thread.
    void StartActivity() override;
    // Called on the worker's thread: they reach the window through its event queue.
    void StopActivity() override;
    void ShowResult(const std::string& strText, bool bSucceeded, const std::string& strReason)
        override;
    // Reaches the window only when the percentage or the step has changed.
    void ShowProgress(const std::string& strStep, int nDone, int nTotal) override;

    // Results shown since the program started (for tests).
    uint64_t ResultsShown() const;

private:
    CEditorMailHost() = default;

    mutable std::mutex m_mutex;
    std::condition_variable m_closed;
    CMailWindow* m_pWindow = nullptr;
    uint64_t m_nAttachment = 0; // counts the windows attached, so a wait knows its own one
    uint64_t m_nShown = 0;
    std::string m_strLastStep; // the progress the window was last told
    int m_nLastPercent = -1;
};
