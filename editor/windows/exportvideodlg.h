// The export window: a greeting written as an animated picture or a video, with a progress bar
// on the window's face and Cancel. The work runs on a thread of its own, on a private copy of
// the greeting, so the editor goes on painting; the window closes when the work has ended.
#pragma once

#include "editor/skin/skin.h"
#include "playback/export.h"

#include <atomic>
#include <string>
#include <thread>

#include <QTimer>

class QLabel;

constexpr int IDC_EV_CANCEL = 2;

class CExportVideoDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // How often the window looks at how far the work is.
    static constexpr int kPollMs = 100;

    // strProject: the greeting's private copy, read by the worker; strTarget: the file made.
    CExportVideoDlg(std::string strProject, const CExportOptions& options, std::string strTarget,
        QWidget* parent);
    // Cancels work that still runs and waits for it.
    ~CExportVideoDlg() override;

    // Starts the work and runs the window until the work has ended.
    int exec() override;
    // Asks the work to stop; the window closes once it has.
    void Cancel();
    // Closing the window is Cancel: it waits for the work to end.
    void reject() override;

    // The outcome, once exec has returned.
    const CExportResult& GetResult() const { return m_result; }
    int GetDone() const { return m_nDone.load(); }
    int GetTotal() const { return m_nTotal.load(); }
    bool IsCancelling() const { return m_bCancel.load(); }
    // The line under the bar ("Frame 12 of 230").
    QString GetStatusText() const;
    // Where the bar is drawn.
    static QRect BarRect();

protected:
    void OnCommand(int nId) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Work();
    void Poll();

    std::string m_strProject;
    CExportOptions m_options;
    std::string m_strTarget;
    std::thread m_worker;
    std::atomic<int> m_nDone{0};
    std::atomic<int> m_nTotal{0};
    std::atomic<bool> m_bCancel{false};
    std::atomic<bool> m_bEnded{false};
    CExportResult m_result; // the worker's until m_bEnded
    QTimer m_poll;
    QLabel* m_pName;
    QLabel* m_pStatus;
};
