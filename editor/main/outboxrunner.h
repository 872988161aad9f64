// Sends the outbox's greetings that are due while the editor runs: when it starts and every
// few minutes after, one run at a time on a thread of its own, beside the hourly timer (each
// message is locked while it is sent, so the two never send one twice). The person is told on
// their desktop what went; greetings that wait for a password nobody keeps are asked for once.
#pragma once

#include "mail/outbox.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

class QWidget;

// Asks for the password of user at server for a planned greeting that waits for it, in the
// mail options with the password field to type into; the password is kept as the options keep
// it (the keyring, else this session). False when the person did not give it.
bool AskOutboxPassword(QWidget* parent, const std::string& server, const std::string& user);

class COutboxRunner : public QObject {
    Q_OBJECT
public:
    explicit COutboxRunner(std::string outbox = OutboxPath(), QObject* parent = nullptr);
    // Waits for a run in progress.
    ~COutboxRunner() override;

    // A first run now, then one every interval.
    void Start(int nIntervalMs = 5 * 60 * 1000);
    // A run now, unless one is going; false then.
    bool RunNow();
    bool IsRunning() const { return m_bRunning; }

    // Called on the window's thread after each run, with what it did.
    std::function<void(const COutboxReport&)> m_onReport;
    // Called on the window's thread, once, when a greeting is due but no password is known for
    // its login: the editor asks for it (and calls RunNow when it has it).
    std::function<void(const std::string& server, const std::string& user)> m_askPassword;
    // The clock (tests stand in for it).
    std::function<std::time_t()> m_clock;

private:
    void Finished(const COutboxReport& report);

    std::string m_strOutbox;
    QTimer m_timer;
    std::thread m_thread;
    std::atomic<bool> m_bRunning { false };
    bool m_bAsked = false;
};
