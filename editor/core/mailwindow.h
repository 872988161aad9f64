// CMailWindow: the window the mail host reports a send to.
#pragma once

#include <string>

class QWidget;

// The window a send reports to; the main window implements it.
class CMailWindow {
public:
    // The window itself: the result box opens over it and the worker's calls run on its thread.
    virtual QWidget* MailWindow() = 0;
    // The activity animation runs while a mail is being sent.
    virtual void SetActivity(bool bRunning) = 0;
    // How far the making of the message has come while the activity runs: the step being done
    // ("Drawing the greeting") and its percentage.
    virtual void SetActivityProgress(const std::string& /*strStep*/, int /*nPercent*/) { }

protected:
    ~CMailWindow() = default;
};
