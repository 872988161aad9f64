// CMailWindow: the window the mail host reports a send to.
#pragma once

class QWidget;

// The window a send reports to; the main window implements it.
class CMailWindow {
public:
    // The window itself: the result box opens over it and the worker's calls run on its thread.
    virtual QWidget* MailWindow() = 0;
    // The activity animation runs while a mail is being sent.
    virtual void SetActivity(bool bRunning) = 0;

protected:
    ~CMailWindow() = default;
};
