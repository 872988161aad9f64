#include "editor/windows/moviepropsdlg.h"

#include "editor/skin/skinlist.h"

#include "platform/text.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>

namespace {

constexpr const char* kFace = "MOVIE_PROPERTIES";

// Tooltip strings.
constexpr int IDS_TIP_OK = 10025;
constexpr int IDS_TIP_CANCEL = 10026;

// The face's panel for the list and the band under it, left of the buttons, for the reason.
const QRect kListRect(16, 62, 268, 120);
const QRect kNoSoundRect(16, 185, 206, 36);

} // namespace

CMoviePropertiesDlg::CMoviePropertiesDlg(const std::vector<std::string>& devices, int32_t nSetting,
    const std::string& strNoSound, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_nSetting(nSetting)
    , m_pList(new QListWidget(this))
    , m_pNoSound(new QLabel(this))
{
    setModal(true);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(faces::ShownFaceText(face->title));

    m_pList->setObjectName(QString::number(IDC_MP_DEVICES));
    SetUpSkinList(m_pList, kListRect, 16, 3, true);

    auto* mapper = new QListWidgetItem(QCoreApplication::translate("CMoviePropertiesDlg", "None"), m_pList);
    mapper->setData(Qt::UserRole, kMidiMapper);
    for (size_t i = 0; i < devices.size(); ++i) {
        auto* row = new QListWidgetItem(QString::fromStdString(devices[i]), m_pList);
        row->setData(Qt::UserRole, static_cast<int>(i));
        row->setToolTip(row->text());
    }
    // The setting taken as an unsigned number: -1 (and any other out-of-range value left by a
    // changed set of devices) selects nothing.
    if (static_cast<uint32_t>(nSetting) < devices.size()) {
        m_pList->setCurrentRow(nSetting + 1);
        m_pList->scrollToItem(m_pList->currentItem());
    } else {
        m_pList->setCurrentRow(-1, QItemSelectionModel::Clear);
    }
    m_pList->setEnabled(!devices.empty());
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });

    QFont font("Liberation Sans");
    font.setPixelSize(11);
    m_pNoSound->setObjectName("nosound");
    m_pNoSound->setGeometry(kNoSoundRect);
    m_pNoSound->setFont(font);
    m_pNoSound->setWordWrap(true);
    m_pNoSound->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pNoSound->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = m_pNoSound->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(faces::colour::ink).lighter(130));
    m_pNoSound->setPalette(palette);
    m_pNoSound->setText(QString::fromStdString(strNoSound));
    m_pNoSound->setVisible(!strNoSound.empty());

    Bind(m_skin.AddButton("mpok", IDC_MP_OK, IDS_TIP_OK));
    Bind(m_skin.AddButton("mpcancel", IDC_MP_CANCEL, IDS_TIP_CANCEL));
}

void CMoviePropertiesDlg::OnCommand(int nId)
{
    if (nId == IDC_MP_OK)
        OnOK();
    else if (nId == IDC_MP_CANCEL)
        reject();
}

void CMoviePropertiesDlg::OnOK()
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (m_pList->isEnabled() && !selected.isEmpty())
        m_nSetting = selected.front()->data(Qt::UserRole).toInt();
    accept();
}
