// CMainFrameWnd: the frame window that hosts the editor. The start-up posts it the start
// message; it then runs the editor window modally and, when the editor ends, closes itself,
// which ends the program.
#pragma once

#include <QEvent>
#include <QWidget>

#include <functional>
#include <string>

class CEditorDialog;

// The start message the start-up posts to the frame window.
constexpr int WM_START_EDITOR = QEvent::User + 0x1000;

class CMainFrameWnd : public QWidget {
    Q_OBJECT
public:
    CMainFrameWnd();
    ~CMainFrameWnd() override;

    // Posts the start message.
    void PostStart();
    // The start sequence: makes the editor, offers the intro video, runs the editor modally;
    // returns its result.
    int RunEditor();
    // The intro offer: when the setting "PlayAvi" asks for it, the question box asks whether to
    // play the intro video; Yes plays it (or says that it is not there); a ticked check button
    // turns the question off for later starts, whatever the answer.
    void OfferIntro();
    CEditorDialog* GetEditor() const { return m_pEditor; }

    // Called with the editor once it exists and before it runs (the program opens a file
    // named on its command line there).
    std::function<void(CEditorDialog&)> m_onEditorCreated;
    // Called with the editor when it has ended, before it goes.
    std::function<void(CEditorDialog&)> m_onEditorEnded;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CEditorDialog* m_pEditor = nullptr;
};
