// The window of a long open or save. The file work runs on a thread of its own while the
// calling thread goes on painting; input waits until the work has ended. Work that takes
// longer than half a second shows this window, modal, with the file's name, a progress bar on
// the window's face and the step it is at, until the work ends. The work cannot be cancelled.
#pragma once

#include "editor/skin/skin.h"
#include "model/projectfile.h"

#include <QElapsedTimer>
#include <QTimer>

#include <atomic>
#include <functional>
#include <string>

class QLabel;

class CFileProgressDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    enum Kind : uint8_t { kindOpen, kindSave };
    // How long work may take before the window shows, and how often it looks at the work.
    static constexpr int kDelayMs = 500;
    static constexpr int kPollMs = 50;

    // The work: given the progress to report to, it returns whether it succeeded. It must not
    // touch anything the calling thread uses meanwhile.
    using Work = std::function<bool(const FileProgress& progress)>;
    // Called on the calling thread once the window shows (tests look at it then).
    using Observer = std::function<void(CFileProgressDlg&)>;

    // Runs work on a thread of its own and returns its result once it has ended. strPath names
    // the file in the window; nDelayMs replaces kDelayMs (0 shows the window at once).
    static bool Run(Kind kind, const std::string& strPath, QWidget* parent, const Work& work,
                    int nDelayMs = kDelayMs, const Observer& observer = {});

    CFileProgressDlg(Kind kind, const std::string& strPath, QWidget* parent);

    // How far the work is, in thousandths, and the line under the bar ("Compressing…").
    int GetPermille() const;
    QString GetStatusText() const;
    QString GetNameText() const;
    bool HasEnded() const { return m_bEnded.load(); }
    // Where the bar is drawn.
    static QRect BarRect();

    // The worker's report (any thread).
    void OnProgress(FileStep step, int64_t done, int64_t total);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The window cannot be closed while the work runs.
    void reject() override {}

private:
    void Poll();

    Kind m_nKind;
    std::atomic<int> m_nStep{-1};
    std::atomic<int64_t> m_nDone{0};
    std::atomic<int64_t> m_nTotal{0};
    std::atomic<bool> m_bEnded{false};
    QElapsedTimer m_clock; // moves the sheen of a step that cannot say how far it is
    QTimer m_poll;
    QLabel* m_pName;
    QLabel* m_pStatus;
};
