// The road of the model's failure reports while the editor runs: each message is shown in the
// program's standard box (OK only), its resource string followed by its detail.
#pragma once

#include "platform/message.h"

#include <deque>
#include <string>

class QObject;

class CMessageBoxSink : public platform::IMessageSink {
public:
    // Must be made on the user-interface thread, after the application object. It does not
    // install itself (see InstallDialogPrompts).
    CMessageBoxSink();
    ~CMessageBoxSink() override;

    // On the user-interface thread the box runs at once, modal over the active window, unless
    // the thread is painting (platform::MessagesDeferred). From any other thread, and while
    // painting, the message is handed to the user-interface thread's loop and Show returns
    // without waiting: a worker that waited for the box could hold the message road while the
    // user-interface thread wants it, and neither would move again.
    // A message that arrives while a box is open waits until that box is closed, so boxes never
    // pile up inside each other; the same message raised again while it is being shown (the
    // box itself failing) goes to standard error instead of opening another box.
    void Show(const platform::Message& message) override;

    // The text that the box shows for a message.
    static std::string BoxText(const platform::Message& message);

    // How many boxes this sink has opened.
    int ShownCount() const { return m_nShown; }

private:
    void Display(const platform::Message& message);
    static void WriteToStderr(const platform::Message& message);

    QObject* m_pContext; // lives on the user-interface thread; queued messages go through it
    bool m_bShowing = false;
    std::deque<platform::Message> m_pending;
    int m_nShown = 0;
};
