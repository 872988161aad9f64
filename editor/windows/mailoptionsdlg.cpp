#include "editor/windows/mailoptionsdlg.h"

#include "editor/skin/skinlist.h"

#include "mail/smtp.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QLabel>
#include <QLineEdit>

#include <mutex>
#include <thread>

namespace {

constexpr const char* kFace = "MAIL_OPTIONS";

constexpr int IDS_TIP_ADDRESS = 10075;
constexpr int IDS_TIP_SERVER = 10076;
constexpr int IDS_TIP_OK = 10077;
constexpr int IDS_TIP_CANCEL = 10078;

const QRect kServerRect(11, 6, 170, 18);
const QRect kAddressRect(11, 37, 170, 18);
const QRect kUserRect(11, 108, 170, 18);
const QRect kPasswordRect(11, 139, 170, 18);
const QRect kSourceRect(13, 171, 262, 40);

// How long the typing must rest before DNS is asked, in milliseconds.
constexpr int kLookUpDelayMs = 400;
constexpr int kPollMs = 50;

std::string TipText(const QString& text)
{
    return text.toStdString();
}

// The table's sign-in advice in the person's language.
QString SignInNote(const std::string& key)
{
    if (key == "app-password")
        return CMailOptionsDlg::tr("Sign in with an app password made in the account's "
                                   "security settings.");
    if (key == "app-password-2fa")
        return CMailOptionsDlg::tr("With two-step sign-in turned on, sign in with an app "
                                   "password.");
    if (key == "enable-access")
        return CMailOptionsDlg::tr("Turn on POP3/IMAP access in the web mail's settings first.");
    if (key == "mail-password")
        return CMailOptionsDlg::tr("Sign in with the separate e-mail password set in the "
                                   "customer centre.");
    if (key == "own-sign-in")
        return CMailOptionsDlg::tr("The provider wants its own sign-in; a password may be "
                                   "refused.");
    if (key == "bridge")
        return CMailOptionsDlg::tr("Only through the provider's bridge program running on this "
                                   "computer, whose certificate this computer must trust.");
    return QString::fromStdString(MailSignInNote(key));
}

// The protection a server's port stands for: 587 asks for STARTTLS, 465 for TLS.
int SecurityOfPort(const std::string& server)
{
    std::string host;
    int nPort = 25;
    if (!CSmtpConnection::SplitServer(server, host, nPort))
        return mailSecurityPlain;
    return DefaultMailSecurity(nPort);
}

QLineEdit* MakeField(QWidget* parent, int nId, const QRect& rc)
{
    return NewSkinField(parent, nId, rc);
}

} // namespace

// The worker writes the answer once; the window reads it on its timer. The worker holds its own
// reference, so a window closed meanwhile leaves it nothing to write into but this.
struct CMailOptionsDlg::CLookUp {
    std::string strDomain;
    std::mutex mutex;
    bool bDone = false; // guarded by mutex
    CMailServerGuess found; // guarded by mutex
};

CMailOptionsDlg::CMailOptionsDlg(uint8_t nStartMode, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_nStartMode(nStartMode)
    , m_pServer(MakeField(this, IDC_MO_SERVER, kServerRect))
    , m_pAddress(MakeField(this, IDC_MO_ADDRESS, kAddressRect))
    , m_pUser(MakeField(this, IDC_MO_USER, kUserRect))
    , m_pPassword(MakeField(this, IDC_MO_PASSWORD, kPasswordRect))
    , m_pSource(NewFaceLabel(
          this, "1250", kSourceRect, Lettering(11), QColor::fromRgb(faces::colour::ink)))
{
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pPassword->setMaxLength(1024);
    m_pSource->setWordWrap(true);
    m_pSource->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pSource->setAccessibleName(tr("Where the mail server was found"));
    // Without the table (a data directory of an older installation) DNS and the guess remain.
    std::string reason;
    m_table.Load(MailProviderTablePath(platform::FirstDataDirectory()), reason);
    m_delay.setSingleShot(true);
    m_delay.setInterval(kLookUpDelayMs);
    connect(&m_delay, &QTimer::timeout, this, [this] { StartLookUp(); });
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, [this] { PollLookUp(); });
    connect(m_pAddress, &QLineEdit::textChanged, this, [this] { AddressChanged(); });
    // While no protection was chosen, the one the typed port stands for shows.
    connect(m_pServer, &QLineEdit::textChanged, this, [this] {
        ShowSecurity();
        update();
    });
    // A server the person typed is no longer what was found: the line about it goes.
    connect(m_pServer, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.trimmed() != m_strFilled)
            ShowSource(QString(), QString());
    });
    setModal(true);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(faces::ShownFaceText(face->title));
    Bind(m_skin.AddButton("moserver", IDC_MO_EDIT_SERVER, IDS_TIP_SERVER));
    Bind(m_skin.AddButton("moaddress", IDC_MO_EDIT_ADDRESS, IDS_TIP_ADDRESS));
    Bind(m_skin.AddButton("mook", IDC_MO_OK, IDS_TIP_OK));
    Bind(m_skin.AddButton("mocancel", IDC_MO_CANCEL, IDS_TIP_CANCEL));
    CSkinToolTip* tips = m_skin.ToolTip();
    tips->AddTool(Bind(m_skin.AddButton("mosecplain", IDC_MO_SEC_PLAIN)),
        tr("Talk to the server as mail always went: no protection, no login (port 25)"));
    tips->AddTool(Bind(m_skin.AddButton("mosecstarttls", IDC_MO_SEC_STARTTLS)),
        tr("Protect the talk after it begins (submission, port 587)"));
    tips->AddTool(Bind(m_skin.AddButton("mosectls", IDC_MO_SEC_TLS)),
        tr("Protect the talk from its first byte (port 465)"));
    tips->AddTool(Bind(m_skin.AddButton("mopreview", IDC_MO_PREVIEW)),
        tr("The greeting moves inside the message, in every mail reader"));
    tips->AddTool(Bind(m_skin.AddButton("moplayer", IDC_MO_PLAYER)),
        tr("Send the self-playing attachment too (some mail services refuse programs)"));
    CMyBitmapButton* video = Bind(m_skin.AddButton("movideo", IDC_MO_VIDEO));
    video->setAccessibleName(tr("Attach the video with sound"));
    tips->AddTool(video,
        TipText(tr("The greeting as a video with its sound, which every "
                   "computer plays")));
    CMyBitmapButton* greeting = Bind(m_skin.AddButton("mogreeting", IDC_MO_GREETING));
    greeting->setAccessibleName(tr("Attach the greeting file"));
    tips->AddTool(greeting,
        TipText(tr("The greeting file itself, to open and change in this "
                   "program")));
    tips->Activate(true);
    FocusFollowsPointer();
    EditServer(m_nStartMode != 0);
}

QLineEdit* CMailOptionsDlg::Field(int nId) const
{
    switch (nId) {
    case IDC_MO_SERVER:
        return m_pServer;
    case IDC_MO_ADDRESS:
        return m_pAddress;
    case IDC_MO_USER:
        return m_pUser;
    case IDC_MO_PASSWORD:
        return m_pPassword;
    default:
        return nullptr;
    }
}

void CMailOptionsDlg::showEvent(QShowEvent* event)
{
    if (!m_bShown) {
        m_bShown = true;
        m_pServer->setText(QString::fromStdString(m_strServer));
        m_pAddress->setText(QString::fromStdString(m_strAddress));
        m_pUser->setText(QString::fromStdString(m_strUser));
        m_pPassword->clear();
        m_pPassword->setPlaceholderText(m_strPasswordNote.empty()
                ? tr("unchanged")
                : QString::fromStdString(m_strPasswordNote));
        m_pPassword->setToolTip(QString::fromStdString(m_strPasswordNote));
        ShowSecurity();
        ShowChoices();
        if (!m_strPasswordNote.empty())
            m_pPassword->setFocus();
        else
            (m_nStartMode != 0 ? m_pServer : m_pAddress)->setFocus();
    }
    CSkinnedDialog::showEvent(event);
}

void CMailOptionsDlg::EditServer(bool bServer)
{
    m_pServer->setReadOnly(!bServer);
    m_pAddress->setReadOnly(bServer);
    m_pServer->setEnabled(bServer);
    m_pAddress->setEnabled(!bServer);
    m_skin.Button(IDC_MO_EDIT_SERVER)->SetPressedLook(bServer);
    m_skin.Button(IDC_MO_EDIT_ADDRESS)->SetPressedLook(!bServer);
    (bServer ? m_pServer : m_pAddress)->setFocus();
    repaint();
}

int CMailOptionsDlg::ShownSecurity() const
{
    if (m_nSecurity >= mailSecurityPlain && m_nSecurity <= mailSecurityTls)
        return m_nSecurity;
    return SecurityOfPort(m_pServer->text().trimmed().toStdString());
}

void CMailOptionsDlg::ShowSecurity()
{
    const int nShown = ShownSecurity();
    m_skin.Button(IDC_MO_SEC_PLAIN)->SetPressedLook(nShown == mailSecurityPlain);
    m_skin.Button(IDC_MO_SEC_STARTTLS)->SetPressedLook(nShown == mailSecurityStartTls);
    m_skin.Button(IDC_MO_SEC_TLS)->SetPressedLook(nShown == mailSecurityTls);
}

void CMailOptionsDlg::ShowChoices()
{
    m_skin.Button(IDC_MO_PREVIEW)->SetPressedLook(m_bPreview);
    m_skin.Button(IDC_MO_PLAYER)->SetPressedLook(m_bAttachPlayer);
    m_skin.Button(IDC_MO_VIDEO)->SetPressedLook(m_bAttachVideo);
    m_skin.Button(IDC_MO_GREETING)->SetPressedLook(m_bAttachGreeting);
}

bool CMailOptionsDlg::MayFill() const
{
    const QString server = m_pServer->text().trimmed();
    return server.isEmpty() || server == m_strFilled;
}

void CMailOptionsDlg::AddressChanged()
{
    // An answer still on its way is for an address that is no longer there.
    m_pPending.reset();
    m_poll.stop();
    m_delay.stop();
    const std::string domain = MailDomainOf(m_pAddress->text().trimmed().toStdString());
    if (domain.empty() || !MayFill()) {
        if (MayFill())
            ShowSource({}, {});
        return;
    }
    CMailServerGuess found;
    if (LookUpMailServerTable(domain, m_table, found)) {
        Fill(found);
        return;
    }
    ShowSource(tr("Looking for the mail server of %1…").arg(QString::fromStdString(domain)), {});
    m_delay.start();
}

void CMailOptionsDlg::StartLookUp()
{
    const std::string domain = MailDomainOf(m_pAddress->text().trimmed().toStdString());
    if (domain.empty() || !MayFill())
        return;
    auto lookUp = std::make_shared<CLookUp>();
    lookUp->strDomain = domain;
    m_pPending = lookUp;
    std::thread([lookUp, dns = m_dns] {
        CMailServerGuess found;
        if (!LookUpMailServerDns(lookUp->strDomain, dns, found))
            found = GuessMailServer(lookUp->strDomain);
        std::lock_guard<std::mutex> lock(lookUp->mutex);
        lookUp->found = found;
        lookUp->bDone = true;
    }).detach();
    m_poll.start();
}

void CMailOptionsDlg::PollLookUp()
{
    if (!m_pPending) {
        m_poll.stop();
        return;
    }
    CMailServerGuess found;
    {
        std::lock_guard<std::mutex> lock(m_pPending->mutex);
        if (!m_pPending->bDone)
            return;
        found = m_pPending->found;
    }
    const std::string domain = m_pPending->strDomain;
    m_pPending.reset();
    m_poll.stop();
    // Only for the address as it is now, and never over a server the person typed meanwhile.
    if (domain == MailDomainOf(m_pAddress->text().trimmed().toStdString()) && MayFill())
        Fill(found);
}

void CMailOptionsDlg::Fill(const CMailServerGuess& found)
{
    m_strFilled = QString::fromStdString(found.m_strServer) + ':' + QString::number(found.m_nPort);
    m_nSecurity = found.m_nSecurity;
    m_pServer->setText(m_strFilled);
    ShowSecurity();
    QString text;
    if (found.m_strSource == kMailSourceTable) {
        text = tr("Found in the list of providers: %1.")
                   .arg(QString::fromStdString(found.m_strProvider));
        const QString note = SignInNote(found.m_strSignIn);
        if (!note.isEmpty())
            text += ' ' + note;
    } else if (found.m_strSource == kMailSourceDns) {
        text = tr("Found in the domain's DNS records.");
    } else {
        text = tr("A guess: check it with your provider.");
    }
    ShowSource(text, QString::fromStdString(found.m_strHelp));
    update();
}

void CMailOptionsDlg::ShowSource(const QString& strText, const QString& strHelp)
{
    m_pSource->setText(strText);
    m_pSource->setAccessibleDescription(strText);
    m_pSource->setToolTip(strHelp.isEmpty() ? QString() : tr("Published at %1").arg(strHelp));
}

void CMailOptionsDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_MO_SEC_PLAIN:
    case IDC_MO_SEC_STARTTLS:
    case IDC_MO_SEC_TLS:
        m_nSecurity = nId - IDC_MO_SEC_PLAIN;
        ShowSecurity();
        repaint();
        break;
    // A message carries the greeting one way or the other: the picture, the player or both.
    case IDC_MO_PREVIEW:
        m_bPreview = !m_bPreview;
        if (!m_bPreview)
            m_bAttachPlayer = true;
        ShowChoices();
        repaint();
        break;
    case IDC_MO_PLAYER:
        m_bAttachPlayer = !m_bAttachPlayer;
        if (!m_bAttachPlayer)
            m_bPreview = true;
        ShowChoices();
        repaint();
        break;
    case IDC_MO_VIDEO:
        m_bAttachVideo = !m_bAttachVideo;
        ShowChoices();
        repaint();
        break;
    case IDC_MO_GREETING:
        m_bAttachGreeting = !m_bAttachGreeting;
        ShowChoices();
        repaint();
        break;
    case IDC_MO_EDIT_SERVER:
        EditServer(true);
        break;
    case IDC_MO_EDIT_ADDRESS:
        EditServer(false);
        break;
    case IDC_MO_OK:
        m_strServer = m_pServer->text().trimmed().toStdString();
        m_strAddress = m_pAddress->text().trimmed().toStdString();
        m_strUser = m_pUser->text().trimmed().toStdString();
        m_strPassword = m_pPassword->text().toStdString();
        m_pPassword->clear();
        accept();
        break;
    case IDC_MO_CANCEL:
        reject();
        break;
    default:
        break;
    }
}
