#include "editor/main/outboxrunner.h"

#include "editor/core/mailsettings.h"
#include "editor/windows/mailoptionsdlg.h"
#include "mail/contacts.h"
#include "mail/outboxnotify.h"
#include "platform/message.h"
#include "platform/postcall.h"
#include "platform/secret.h"
#include "platform/settings.h"

COutboxRunner::COutboxRunner(std::string outbox, QObject* parent)
    : QObject(parent)
    , m_strOutbox(std::move(outbox))
{
    connect(&m_timer, &QTimer::timeout, this, [this] { RunNow(); });
}

COutboxRunner::~COutboxRunner()
{
    m_timer.stop();
    if (m_thread.joinable())
        m_thread.join();
}

void COutboxRunner::Start(int nIntervalMs)
{
    m_timer.start(nIntervalMs);
    RunNow();
}

bool COutboxRunner::RunNow()
{
    if (m_bRunning)
        return false;
    if (m_thread.joinable())
        m_thread.join();
    m_bRunning = true;
    const std::time_t now = m_clock ? m_clock() : std::time(nullptr);
    COutboxSendOptions options;
    options.strDataDir = platform::FirstDataDirectory();
    options.password = [](const std::string& server, const std::string& user) {
        return SessionMailPassword(server, user);
    };
    m_thread = std::thread([this, now, options, outbox = m_strOutbox] {
        const COutboxReport report = SendDueGreetings(outbox, now, options);
        NotifyOutboxReport(report);
        NotifyComingBirthdays(outbox, ContactsPath(), now);
        // The answer comes back through the event queue; the runner waits for this thread
        // before it goes, and its queued calls go with it.
        platform::PostCall(this, [this, report] { Finished(report); });
    });
    return true;
}

void COutboxRunner::Finished(const COutboxReport& report)
{
    m_bRunning = false;
    if (m_thread.joinable())
        m_thread.join();
    if (m_onReport)
        m_onReport(report);
    if (m_bAsked || !m_askPassword)
        return;
    for (const COutboxReport::CLine& line : report.lines) {
        if (line.strOutcome != "needs password")
            continue;
        std::vector<std::string> damaged;
        for (const COutboxEntry& entry : ListOutbox(m_strOutbox, damaged)) {
            if (entry.m_strId == line.strId) {
                m_bAsked = true;
                m_askPassword(entry.m_strServer, entry.m_strUser);
                return;
            }
        }
    }
}

bool AskOutboxPassword(QWidget* parent, const std::string& server, const std::string& user)
{
    const CMailSettings settings = CMailSettings::Load();
    CMailOptionsDlg dlg(0, parent);
    // The greeting's own server and login: they may differ from today's settings, which stay
    // as they are.
    dlg.m_strServer = server;
    dlg.m_strAddress = settings.m_strAddress;
    dlg.m_nSecurity = settings.m_nSecurity;
    dlg.m_strUser = user;
    dlg.m_bPreview = settings.m_bPreview;
    dlg.m_bAttachPlayer = settings.m_bAttachPlayer;
    dlg.m_bAttachVideo = settings.m_bAttachVideo;
    dlg.m_bAttachGreeting = settings.m_bAttachGreeting;
    dlg.AskForPassword(QObject::tr("a planned greeting waits for this password").toStdString());
    const bool bOk = dlg.exec() == QDialog::Accepted && !dlg.m_strPassword.empty();
    if (bOk) {
        const std::string note = KeepMailPassword(server, user, dlg.m_strPassword);
        (void)note; // without a keyring it is kept for this session, which is what is needed
    }
    platform::WipeSecret(dlg.m_strPassword);
    return bOk;
}
