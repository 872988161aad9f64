#include "editor/windows/effectpropsdlg.h"

#include "editor/core/prompts.h"
#include "platform/dc.h"
#include "platform/scale.h"
#include "platform/strings.h"
#include "playback/projectdoc.h"
#include "resources/facetexts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>

#include <limits>

namespace {

constexpr const char* kFace = "EFFECT_PROPERTIES";
// The face's preview panel; the 800 x 600 stage fits it exactly at 4:3.
const QRect kPreviewRect(130, 44, 208, 156);

const QColor kInk(0x4A, 0x25, 0x45);

constexpr int IDS_TIP_OK = 10048;
constexpr int IDS_TIP_CANCEL = 10049;
constexpr int IDS_TIP_DURATION_COPY = 10050;
constexpr int IDS_TIP_DURATION = 10051;
constexpr int IDS_TIP_START = 10052;
constexpr int IDS_TIP_ONSCREEN = 10053;
constexpr int IDS_TIP_OFFSCREEN = 10054;
constexpr int IDS_TIP_TEST = 10055;
constexpr int IDS_TIP_STOP = 10056;
constexpr int IDS_TIP_USER_VALUE = 10166;

constexpr int32_t kIntMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kIntMax = std::numeric_limits<int32_t>::max();

} // namespace

CEffectPropertiesDlg::CEffectPropertiesDlg(CProjectDoc* pDoc, bool bEditable, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_pDoc(pDoc)
    , m_bEditable(bEditable)
    , m_pTimer(new QTimer(this))
{
    setModal(true);
    setWindowTitle(faces::ShownFaceText(QStringLiteral("Effect")));

    // The two boxes that start hidden sit below the preview panel, where it cannot cover them.
    struct Place {
        int nId;
        QRect rc;
        int nTip;
    };
    const Place places[] = {
        { IDC_EP_DURATION, QRect(87, 67, 27, 17), IDS_TIP_DURATION },
        { IDC_EP_START, QRect(87, 98, 27, 17), IDS_TIP_START },
        { IDC_EP_USER_VALUE, QRect(140, 206, 30, 13), IDS_TIP_USER_VALUE },
        { IDC_EP_DURATION_COPY, QRect(176, 206, 30, 13), IDS_TIP_DURATION_COPY },
    };
    m_fields = {
        { IDC_EP_DURATION, nullptr, &m_nDuration, kMinEffectDuration, kMaxEffectDuration,
            "duration", true },
        { IDC_EP_START, nullptr, &m_nStartFrame, kMinEffectStart, kMaxEffectStart,
            "start frame", true },
        { IDC_EP_USER_VALUE, nullptr, &m_nUserValue, kIntMin, kIntMax, "own value", true },
        { IDC_EP_DURATION_COPY, nullptr, &m_nDurationCopy, kIntMin, kIntMax, "duration copy",
            false },
    };
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::number(places[i].nId));
        edit->setGeometry(places[i].rc);
        edit->setFrame(false);
        edit->setMaxLength(11);
        edit->setFont(font);
        edit->setTextMargins(0, 0, 0, 0);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, kInk);
        edit->setPalette(palette);
        m_skin.ToolTip()->AddTool(edit, platform::LoadResString(places[i].nTip));
        if (i >= 2)
            edit->hide();
        m_fields[i].pEdit = edit;
    }
    m_fields.front().pEdit->setReadOnly(!m_bEditable);

    Bind(m_skin.AddButton("eponscreen", IDC_EP_ONSCREEN, IDS_TIP_ONSCREEN));
    Bind(m_skin.AddButton("epoffscreen", IDC_EP_OFFSCREEN, IDS_TIP_OFFSCREEN));
    Bind(m_skin.AddButton("eptest", IDC_EP_TEST, IDS_TIP_TEST));
    Bind(m_skin.AddButton("epstop", IDC_EP_STOP, IDS_TIP_STOP));
    Bind(m_skin.AddButton("epok", IDC_EP_OK, IDS_TIP_OK));
    Bind(m_skin.AddButton("epcancel", IDC_EP_CANCEL, IDS_TIP_CANCEL));
    m_skin.Button(IDC_EP_STOP)->setEnabled(false);

    m_pTimer->setObjectName(QString::number(IDT_EP_PREVIEW));
    m_pTimer->setInterval(kEffectPreviewPeriodMs);
    connect(m_pTimer, &QTimer::timeout, this, &CEffectPropertiesDlg::OnPreviewTick);
}

CEffectPropertiesDlg::~CEffectPropertiesDlg()
{
    StopPreview();
}

QRect CEffectPropertiesDlg::PreviewRect()
{
    return kPreviewRect;
}

const CEffectPropertiesDlg::CField* CEffectPropertiesDlg::FindField(int nId) const
{
    for (const CField& field : m_fields)
        if (field.nId == nId)
            return &field;
    return nullptr;
}

QLineEdit* CEffectPropertiesDlg::Field(int nId) const
{
    const CField* field = FindField(nId);
    return field != nullptr ? field->pEdit : nullptr;
}

void CEffectPropertiesDlg::showEvent(QShowEvent* event)
{
    if (!m_bOpened)
        Open();
    CSkinnedDialog::showEvent(event);
}

void CEffectPropertiesDlg::Open()
{
    m_bOpened = true;
    for (const CField& field : m_fields)
        field.pEdit->setText(QString::number(*field.pValue));
    ShowScreenChoice();
    QLineEdit* first = m_bEditable ? m_fields[0].pEdit : m_fields[1].pEdit;
    first->setFocus();
    first->selectAll();
}

void CEffectPropertiesDlg::ShowScreenChoice()
{
    m_skin.Button(IDC_EP_ONSCREEN)->SetPressedLook(!m_bOffScreen);
    m_skin.Button(IDC_EP_OFFSCREEN)->SetPressedLook(m_bOffScreen);
}

void CEffectPropertiesDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_EP_OK:
        OnOK();
        break;
    case IDC_EP_CANCEL:
        reject();
        break;
    case IDC_EP_TEST:
        StartPreview();
        break;
    case IDC_EP_STOP:
        StopPreview();
        break;
    case IDC_EP_ONSCREEN:
    case IDC_EP_OFFSCREEN:
        if (!m_bPreviewRunning) {
            m_bOffScreen = nId == IDC_EP_OFFSCREEN;
            ShowScreenChoice();
        }
        break;
    default:
        break;
    }
}

void CEffectPropertiesDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnOK();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        CSkinnedDialog::keyPressEvent(event);
    }
}

bool CEffectPropertiesDlg::ReadFields(std::vector<int32_t>& values)
{
    values.assign(m_fields.size(), 0);
    std::string message;
    QLineEdit* first = nullptr;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const CField& field = m_fields[i];
        if (!field.bReadBack)
            continue;
        bool bNumber = false;
        const qlonglong value = field.pEdit->text().trimmed().toLongLong(&bNumber);
        if (bNumber && value >= field.nMin && value <= field.nMax) {
            values[i] = static_cast<int32_t>(value);
            continue;
        }
        if (!message.empty())
            message += " ";
        if (field.nMin == kIntMin)
            message += "The " + std::string(field.pszName) + " must be a whole number.";
        else
            message += "The " + std::string(field.pszName) + " must be a whole number from "
                + std::to_string(field.nMin) + " to " + std::to_string(field.nMax) + ".";
        if (first == nullptr)
            first = field.pEdit;
    }
    if (first == nullptr)
        return true;
    AskMessageBox(this, MB_KIND_OK, message);
    if (first->isVisible() && first->isEnabled()) {
        first->setFocus();
        first->selectAll();
    }
    return false;
}

void CEffectPropertiesDlg::OnOK()
{
    // Every field is read before any value changes, so a refused entry changes nothing and
    // the dialog stays open on the entry to mend.
    std::vector<int32_t> values;
    if (!ReadFields(values))
        return;
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].bReadBack)
            *m_fields[i].pValue = values[i];
    done(Accepted);
}

void CEffectPropertiesDlg::done(int result)
{
    StopPreview();
    CSkinnedDialog::done(result);
}

void CEffectPropertiesDlg::StartPreview()
{
    if (m_bPreviewRunning || m_pDoc == nullptr)
        return;
    const CField& duration = m_fields[0];
    bool bNumber = false;
    const qlonglong n = duration.pEdit->text().trimmed().toLongLong(&bNumber);
    if (!bNumber || n < duration.nMin || n > duration.nMax) {
        AskMessageBox(this, MB_KIND_OK,
            "The duration must be a whole number from " + std::to_string(duration.nMin) + " to "
                + std::to_string(duration.nMax) + " to try the effect.");
        return;
    }
    if (!m_pDoc->InstallPreview(m_nType, m_fP1, m_fP2, m_fP3, static_cast<int32_t>(n)))
        return;
    CAbstractMovie& movie = *m_pDoc->GetMovie();
    movie.Rewind();
    movie.Resume();
    m_bPreviewRunning = true;
    for (const CField& field : m_fields)
        field.pEdit->setEnabled(false);
    m_skin.Button(IDC_EP_ONSCREEN)->setEnabled(false);
    m_skin.Button(IDC_EP_OFFSCREEN)->setEnabled(false);
    m_skin.Button(IDC_EP_TEST)->setEnabled(false);
    m_skin.Button(IDC_EP_STOP)->setEnabled(true);
    OnPreviewTick();
    m_pTimer->start();
}

void CEffectPropertiesDlg::StopPreview()
{
    if (!m_bPreviewRunning)
        return;
    m_pTimer->stop();
    m_bPreviewRunning = false;
    if (m_pDoc != nullptr && m_pDoc->IsPreviewInstalled()) {
        CAbstractMovie& movie = *m_pDoc->GetMovie();
        movie.Rewind();
        movie.Pause();
        m_pDoc->RestoreMovie();
    }
    for (const CField& field : m_fields)
        field.pEdit->setEnabled(true);
    m_skin.Button(IDC_EP_ONSCREEN)->setEnabled(true);
    m_skin.Button(IDC_EP_OFFSCREEN)->setEnabled(true);
    m_skin.Button(IDC_EP_TEST)->setEnabled(true);
    m_skin.Button(IDC_EP_STOP)->setEnabled(false);
    // Focus left the disabled fields; Return and Escape keep working from the dialog itself.
    if (isVisible())
        m_fields[m_bEditable ? 0 : 1].pEdit->setFocus();
    update();
}

void CEffectPropertiesDlg::OnPreviewTick()
{
    // A tick that comes while the last one is still drawing is skipped.
    if (m_bDrawing || !m_bPreviewRunning || m_pDoc == nullptr || !m_pDoc->IsPreviewInstalled())
        return;
    m_bDrawing = true;
    // Composed at full size and scaled smoothly to the panel's pixels on the screen, as the
    // stage view is: sharp at any screen scale, and no outline dropped by the shrink.
    CDC frame(800, 600);
    m_pDoc->RenderTick(frame, { 0, 0, 800, 600 });
    const qreal ratio = devicePixelRatioF();
    m_preview = platform::ScaledSmooth(frame.Image(),
                                       platform::DeviceSize(kPreviewRect.size(), ratio), ratio);
    m_bDrawing = false;
    update(kPreviewRect);
}

void CEffectPropertiesDlg::paintEvent(QPaintEvent* event)
{
    CSkinnedDialog::paintEvent(event);
    if (!m_bPreviewRunning || m_preview.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(kPreviewRect.topLeft(), m_preview);
}
