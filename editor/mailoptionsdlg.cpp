#include "editor/mailoptionsdlg.h"

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
{
    setModal(true);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(face->title);
    Bind(m_skin.AddButton("moserver", IDC_MO_EDIT_SERVER, IDS_TIP_SERVER));
    Bind(m_skin.AddButton("moaddress", IDC_MO_EDIT_ADDRESS, IDS_TIP_ADDRESS));
    Bind(m_skin.AddButton("mook", IDC_MO_OK, IDS_TIP_OK));
    Bind(m_skin.AddButton("mocancel", IDC_MO_CANCEL, IDS_TIP_CANCEL));
    m_skin.ToolTip()->Activate(true);
    FocusFollowsPointer();
    EditServer(m_nStartMode != 0);
}

QLineEdit* CMailOptionsDlg::Field(int nId) const
{
    return nId == IDC_MO_SERVER ? m_pServer : nId == IDC_MO_ADDRESS ? m_pAddress : nullptr;
}

void CMailOptionsDlg::showEvent(QShowEvent* event)
{
    if (!m_bShown) {
        m_bShown = true;
        m_pServer->setText(QString::fromStdString(m_strServer));
        m_pAddress->setText(QString::fromStdString(m_strAddress));
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

void CMailOptionsDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_MO_EDIT_SERVER:
        EditServer(true);
        break;
    case IDC_MO_EDIT_ADDRESS:
        EditServer(false);
        break;
    case IDC_MO_OK:
        m_strServer = m_pServer->text().trimmed().toStdString();
        m_strAddress = m_pAddress->text().trimmed().toStdString();
        accept();
        break;
    case IDC_MO_CANCEL:
        reject();
        break;
    default:
        break;
    }
}
