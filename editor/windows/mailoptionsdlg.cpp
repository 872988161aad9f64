#include "editor/windows/mailoptionsdlg.h"

#include "mail/smtp.h"
#include "resources/faces.h"

#include <QLineEdit>

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
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(nId));
    edit->setGeometry(rc);
    edit->setFrame(false);
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    edit->setFont(font);
    edit->setMaxLength(255);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor::fromRgb(faces::colour::ink));
    // A field that cannot be typed into reads as such.
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor::fromRgb(faces::colour::paper));
    edit->setPalette(palette);
    return edit;
}

} // namespace

CMailOptionsDlg::CMailOptionsDlg(uint8_t nStartMode, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_nStartMode(nStartMode)
    , m_pServer(MakeField(this, IDC_MO_SERVER, kServerRect))
    , m_pAddress(MakeField(this, IDC_MO_ADDRESS, kAddressRect))
    , m_pUser(MakeField(this, IDC_MO_USER, kUserRect))
    , m_pPassword(MakeField(this, IDC_MO_PASSWORD, kPasswordRect))
{
    m_pPassword->setEchoMode(QLineEdit::Password);
    m_pPassword->setMaxLength(1024);
    // While no protection was chosen, the one the typed port stands for shows.
    connect(m_pServer, &QLineEdit::textChanged, this, [this] {
        ShowSecurity();
        update();
    });
    setModal(true);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(face->title);
    Bind(m_skin.AddButton("moserver", IDC_MO_EDIT_SERVER, IDS_TIP_SERVER));
    Bind(m_skin.AddButton("moaddress", IDC_MO_EDIT_ADDRESS, IDS_TIP_ADDRESS));
    Bind(m_skin.AddButton("mook", IDC_MO_OK, IDS_TIP_OK));
    Bind(m_skin.AddButton("mocancel", IDC_MO_CANCEL, IDS_TIP_CANCEL));
    CSkinToolTip* tips = m_skin.ToolTip();
    tips->AddTool(Bind(m_skin.AddButton("mosecplain", IDC_MO_SEC_PLAIN)),
        "Talk to the server as mail always went: no protection, no login (port 25)");
    tips->AddTool(Bind(m_skin.AddButton("mosecstarttls", IDC_MO_SEC_STARTTLS)),
        "Protect the talk after it begins (submission, port 587)");
    tips->AddTool(Bind(m_skin.AddButton("mosectls", IDC_MO_SEC_TLS)),
        "Protect the talk from its first byte (port 465)");
    tips->AddTool(Bind(m_skin.AddButton("mopreview", IDC_MO_PREVIEW)),
        "The greeting moves inside the message, in every mail reader");
    tips->AddTool(Bind(m_skin.AddButton("moplayer", IDC_MO_PLAYER)),
        "Send the self-playing attachment too (some mail services refuse programs)");
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
                ? QStringLiteral("unchanged")
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
