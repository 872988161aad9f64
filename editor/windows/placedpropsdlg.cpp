#include "editor/windows/placedpropsdlg.h"

#include "editor/core/prompts.h"
#include "platform/dc.h"
#include "platform/scale.h"
#include "platform/text.h"
#include "playback/projectdoc.h"
#include "resources/faces.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

constexpr const char* kFace = "LAYER_MANAGER_PROP";
const QRect kPreviewRect(16, 40, 208, 156);
constexpr int kFieldLeft = 265;
constexpr int kFieldWidth = 82;
constexpr int kFieldHeight = 18;

const QColor kInk(0x4A, 0x25, 0x45);

// What the preview's object gets for the time of one picture, and puts back after it.
class CPlacementOverride {
public:
    CPlacementOverride(CLayer* pLayer, CPoint pt, CSize sz)
        : m_pPos(pLayer != nullptr ? pLayer->m_pPos.get() : nullptr)
        , m_pSize(pLayer != nullptr ? pLayer->m_pSize.get() : nullptr)
    {
        if (m_pPos != nullptr) {
            m_ptOrigin = m_pPos->m_ptOrigin;
            m_ptHome = m_pPos->m_ptHome;
            m_ptCurrent = m_pPos->m_ptCurrent;
            m_pPos->m_ptHome = pt;
        }
        if (m_pSize != nullptr) {
            m_szDesign = m_pSize->m_szDesign;
            m_szCurrent = m_pSize->m_szCurrent;
            m_pSize->m_szDesign = sz;
        }
    }
    ~CPlacementOverride()
    {
        if (m_pPos != nullptr) {
            m_pPos->m_ptOrigin = m_ptOrigin;
            m_pPos->m_ptHome = m_ptHome;
            m_pPos->m_ptCurrent = m_ptCurrent;
        }
        if (m_pSize != nullptr) {
            m_pSize->m_szDesign = m_szDesign;
            m_pSize->m_szCurrent = m_szCurrent;
        }
    }
    CPlacementOverride(const CPlacementOverride&) = delete;
    CPlacementOverride& operator=(const CPlacementOverride&) = delete;

private:
    CObjectPos* m_pPos;
    CObjectSize* m_pSize;
    CPoint m_ptOrigin, m_ptHome, m_ptCurrent;
    CSize m_szDesign, m_szCurrent;
};

} // namespace

CPlacedPropertiesDlg::CPlacedPropertiesDlg(
    const std::string& strTitle, CProjectDoc* pDoc, CLayer* pLayer, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_strTitle(strTitle)
    , m_pDoc(pDoc)
    , m_pLayer(pLayer)
    , m_pTimer(new QTimer(this))
{
    setModal(true);
    setWindowTitle(QString::fromStdString(strTitle));
    m_skin.SetDecoration([this](QImage& face) { LetterTitle(face); });

    m_fields = {
        { IDC_PP_X, nullptr, &m_nX, kMinPlacedPos, kMaxPlacedPos, "x position" },
        { IDC_PP_Y, nullptr, &m_nY, kMinPlacedPos, kMaxPlacedPos, "y position" },
        { IDC_PP_WIDTH, nullptr, &m_nWidth, kMinPlacedSize, kMaxPlacedSize, "width" },
        { IDC_PP_HEIGHT, nullptr, &m_nHeight, kMinPlacedSize, kMaxPlacedSize, "height" },
    };
    const int tops[] = { 58, 81, 153, 176 };
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::number(m_fields[i].nId));
        edit->setGeometry(kFieldLeft, tops[i], kFieldWidth, kFieldHeight);
        edit->setFrame(false);
        edit->setMaxLength(12);
        edit->setFont(font);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, kInk);
        edit->setPalette(palette);
        m_fields[i].pEdit = edit;
    }

    Bind(m_skin.AddButton("lmpok", IDC_PP_OK));
    Bind(m_skin.AddButton("lmpcancel", IDC_PP_CANCEL));

    m_pTimer->setObjectName(QString::number(IDT_PP_PREVIEW));
    m_pTimer->setInterval(kPreviewPeriodMs);
    connect(m_pTimer, &QTimer::timeout, this, [this] {
        RenderPreview();
        update(kPreviewRect);
    });
}

CPlacedPropertiesDlg::~CPlacedPropertiesDlg()
{
    m_pTimer->stop();
}

QRect CPlacedPropertiesDlg::PreviewRect()
{
    return kPreviewRect;
}

QLineEdit* CPlacedPropertiesDlg::Field(int nId) const
{
    for (const CField& field : m_fields)
        if (field.nId == nId)
            return field.pEdit;
    return nullptr;
}

void CPlacedPropertiesDlg::LetterTitle(QImage& image)
{
    const faces::WindowFace* face = faces::FindWindow(kFace);
    if (m_strTitle.empty() || face == nullptr || image.isNull())
        return;
    const QRect box = face->titleRect.intersected(QRect(QPoint(0, 0), LogicalSize(image)));
    if (box.isEmpty())
        return;
    if (image.depth() != 32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    // The caption the face was drawn with goes under the card's own colour, row by row (the
    // card shades from top to bottom): the middle value of each row is the card, not ink. The
    // rows are the face's own pixels (twice as many on a 2x face).
    const qreal ratio = image.devicePixelRatio();
    const QRect cells = QRectF(box.x() * ratio, box.y() * ratio, box.width() * ratio,
                               box.height() * ratio).toAlignedRect().intersected(image.rect());
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::vector<QRgb> pixels(row + cells.left(), row + cells.right() + 1);
        std::vector<int> lightness(pixels.size());
        for (size_t i = 0; i < pixels.size(); ++i)
            lightness[i] = qRed(pixels[i]) + qGreen(pixels[i]) + qBlue(pixels[i]);
        std::vector<size_t> order(pixels.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::nth_element(order.begin(), order.begin() + static_cast<long>(order.size() / 2),
            order.end(), [&](size_t a, size_t b) { return lightness[a] < lightness[b]; });
        const QRgb card = pixels[order[order.size() / 2]];
        std::fill(row + cells.left(), row + cells.right() + 1, card);
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QString title = QString::fromStdString(m_strTitle);
    QFont font("Liberation Sans");
    int pixels = 18;
    font.setPixelSize(pixels);
    while (pixels > 9 && QFontMetrics(font).horizontalAdvance(title) > box.width()) {
        font.setPixelSize(--pixels);
    }
    painter.setFont(font);
    painter.setPen(kInk);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(font).elidedText(title, Qt::ElideRight, box.width()));
}

void CPlacedPropertiesDlg::showEvent(QShowEvent* event)
{
    if (!m_pTimer->isActive())
        Open();
    CSkinnedDialog::showEvent(event);
}

void CPlacedPropertiesDlg::Open()
{
    for (const CField& field : m_fields)
        field.pEdit->setText(QString::number(*field.pValue));
    // Centred on its owner, the editor that covers the screen; a window system that places
    // windows itself puts it over its owner.
    if (const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr)
        move(owner->geometry().center() - QPoint(width() / 2, height() / 2));
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
    m_fields.front().pEdit->setFocus();
    m_fields.front().pEdit->selectAll();
    RenderPreview();
    m_pTimer->start();
}

void CPlacedPropertiesDlg::OnCommand(int nId)
{
    if (nId == IDC_PP_OK)
        OnOK();
    else if (nId == IDC_PP_CANCEL)
        reject();
}

bool CPlacedPropertiesDlg::ReadField(const CField& field, int32_t* pValue)
{
    bool bNumber = false;
    const int value = field.pEdit->text().trimmed().toInt(&bNumber);
    // The value the object came with stands even outside the range: only a change is checked.
    if (!bNumber || (value != *field.pValue && (value < field.nMin || value > field.nMax)))
        return false;
    *pValue = value;
    return true;
}

void CPlacedPropertiesDlg::OnOK()
{
    // Every field is read before any value changes, so a refused entry leaves all four as
    // they were; the refused ones show their old value again.
    std::vector<int32_t> values(m_fields.size());
    std::string message;
    QLineEdit* first = nullptr;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const CField& field = m_fields[i];
        if (ReadField(field, &values[i]))
            continue;
        if (!message.empty())
            message += " ";
        message += "The " + std::string(field.pszName) + " must be a whole number from "
            + std::to_string(field.nMin) + " to " + std::to_string(field.nMax) + "; it stays at "
            + std::to_string(*field.pValue) + ".";
        field.pEdit->setText(QString::number(*field.pValue));
        if (first == nullptr)
            first = field.pEdit;
    }
    if (first != nullptr) {
        AskMessageBox(this, MB_KIND_OK, message);
        first->setFocus();
        first->selectAll();
        return;
    }
    for (size_t i = 0; i < m_fields.size(); ++i)
        *m_fields[i].pValue = values[i];
    done(Accepted);
}

void CPlacedPropertiesDlg::done(int result)
{
    m_pTimer->stop();
    CSkinnedDialog::done(result);
}

void CPlacedPropertiesDlg::RenderPreview()
{
    if (m_pDoc == nullptr)
        return;
    // What is typed shows as soon as it is a valid entry; until then the value given.
    int32_t typed[4];
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (!ReadField(m_fields[i], &typed[i]))
            typed[i] = *m_fields[i].pValue;
    // Composed at full size and scaled smoothly to the panel's pixels on the screen, as the
    // stage view is.
    CDC frame(800, 600);
    {
        CPlacementOverride placement(m_pLayer, { typed[0], typed[1] }, { typed[2], typed[3] });
        m_pDoc->RenderStill(frame, { 0, 0, 800, 600 });
    }
    const qreal ratio = devicePixelRatioF();
    m_preview = platform::ScaledSmooth(frame.Image(),
                                       platform::DeviceSize(kPreviewRect.size(), ratio), ratio);
}

void CPlacedPropertiesDlg::paintEvent(QPaintEvent* event)
{
    CSkinnedDialog::paintEvent(event);
    if (m_preview.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(kPreviewRect.topLeft(), m_preview);
}
