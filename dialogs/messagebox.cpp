#include "dialogs/messagebox.h"

#include "platform/resources.h"
#include "platform/text.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QPolygon>
#include <QWheelEvent>

#include <algorithm>

namespace {

// Tooltip strings of the buttons.
constexpr int IDS_TIP_OK = 10021;
constexpr int IDS_TIP_CANCEL = 10022;
constexpr int IDS_TIP_YES = 10023;
constexpr int IDS_TIP_NO = 10024;

// Text rectangles: (10, 30) to (165, 164) in the small boxes, (10, 30) to (290, 255) in the
// large one; the right and bottom edges lie outside.
const QRect kSmallText(QPoint(10, 30), QPoint(164, 163));
const QRect kBigText(QPoint(10, 30), QPoint(289, 254));

// The caption strip lies under the text, where the buttons sit.
const QPoint kCaptionStripAt(0, 176);

const char* CaptionStripOf(int nKind)
{
    switch (nKind) {
    case MB_KIND_YESNO:
        return "MBCAPTIONYN";
    case MB_KIND_YESNOCANCEL:
        return "MBCAPTIONYNC";
    default:
        return "MBCAPTIONO";
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// What the boxes share

CMessageBoxBase::CMessageBoxBase(
    const std::string& strFace, const QRect& rcText, int nKind, bool bOwnPalette, QWidget* parent)
    : CSkinnedDialog(strFace, true, parent)
    , m_nKind(nKind)
    , m_bOwnPalette(bOwnPalette)
    , m_rcText(rcText)
{
    setModal(true);
}

void CMessageBoxBase::OnOK()
{
    m_nResult = MB_RESULT_OK;
    done(Accepted);
}

void CMessageBoxBase::OnCancel()
{
    // Yes and No end the box through here with their own result already set.
    if (m_nResult == MB_RESULT_NONE)
        m_nResult = MB_RESULT_CANCEL;
    done(Rejected);
}

void CMessageBoxBase::reject()
{
    OnCancel();
}

void CMessageBoxBase::showEvent(QShowEvent* event)
{
    if (!m_bOpened) {
        m_bOpened = true;
        m_strText = "   " + m_strText;
    }
    CSkinnedDialog::showEvent(event);
}

void CMessageBoxBase::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            OnOK();
            return;
        }
        // A text that scrolls takes the keys that move through it.
        if (const TextFit fit = Fit(); fit.nMaxScroll > 0) {
            const int line = fit.nPixelSize + 2;
            const int page = std::max(line, m_rcText.height() - line);
            switch (event->key()) {
            case Qt::Key_Down: ScrollTo(m_nScroll + line); return;
            case Qt::Key_Up: ScrollTo(m_nScroll - line); return;
            case Qt::Key_PageDown: ScrollTo(m_nScroll + page); return;
            case Qt::Key_PageUp: ScrollTo(m_nScroll - page); return;
            case Qt::Key_End: ScrollTo(fit.nMaxScroll); return;
            case Qt::Key_Home: ScrollTo(0); return;
            default: break;
            }
        }
    }
    CSkinnedDialog::keyPressEvent(event);
}

void CMessageBoxBase::wheelEvent(QWheelEvent* event)
{
    // One notch (120) is three lines, as lists scroll.
    const int lines = -event->angleDelta().y() * 3 / 120;
    ScrollTo(m_nScroll + lines * (TextPixelSize() + 2));
    event->accept();
}

QFont CMessageBoxBase::TextFont(int nPixelSize)
{
    QFont font("Arial");
    font.setPixelSize(nPixelSize);
    return font;
}

CMessageBoxBase::TextFit CMessageBoxBase::Fit() const
{
    const QString text = QString::fromStdString(m_strText);
    int height = 0;
    for (int size : {11, 10, 9}) {
        height = QFontMetrics(TextFont(size))
                     .boundingRect(QRect(0, 0, m_rcText.width(), 1 << 20),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text)
                     .height();
        if (height <= m_rcText.height())
            return {size, 0};
    }
    return {9, height - m_rcText.height()};
}

void CMessageBoxBase::ScrollTo(int nOffset)
{
    const int offset = std::clamp(nOffset, 0, MaxScroll());
    if (offset == m_nScroll)
        return;
    m_nScroll = offset;
    update(m_rcText);
}

void CMessageBoxBase::paintEvent(QPaintEvent* event)
{
    CSkinnedDialog::paintEvent(event);
    QPainter painter(this);
    const TextFit fit = Fit();
    painter.setFont(TextFont(fit.nPixelSize));
    painter.setPen(Qt::white);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setClipRect(m_rcText);
    const QRect area(m_rcText.left(), m_rcText.top() - m_nScroll, m_rcText.width(),
        m_rcText.height() + fit.nMaxScroll);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
        QString::fromStdString(m_strText));
    // Where more of the text lies above or below, a small white triangle at that edge says so.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const int x = m_rcText.right() - 4;
    if (m_nScroll > 0) {
        const int y = m_rcText.top() + 1;
        painter.drawPolygon(QPolygon({QPoint(x - 4, y + 4), QPoint(x + 4, y + 4), QPoint(x, y)}));
    }
    if (m_nScroll < fit.nMaxScroll) {
        const int y = m_rcText.bottom() - 1;
        painter.drawPolygon(QPolygon({QPoint(x - 4, y - 4), QPoint(x + 4, y - 4), QPoint(x, y)}));
    }
}

// ---------------------------------------------------------------------------------------------
// The standard box

CMessageBoxDlg::CMessageBoxDlg(int nKind, bool bOwnPalette, QWidget* parent)
    : CMessageBoxBase("MESSAGE_BOXKEL", kSmallText, nKind, bOwnPalette, parent)
{
    // The caption strip, at the face's pixel ratio, whenever the face is loaded.
    m_skin.SetDecoration([strip = CaptionStripOf(nKind)](QImage& face) {
        const QImage picture = platform::LoadResBitmap(strip, face.devicePixelRatio());
        if (!picture.isNull()) {
            QPainter painter(&face);
            painter.drawImage(kCaptionStripAt, picture);
        }
    });
    const bool bQuestion = nKind == MB_KIND_YESNO || nKind == MB_KIND_YESNOCANCEL;
    Bind(m_skin.AddButton("mbok", IDC_MB_OK, IDS_TIP_OK))->setVisible(!bQuestion);
    Bind(m_skin.AddButton("mbcancel", IDC_MB_CANCEL, IDS_TIP_CANCEL))
        ->setVisible(nKind == MB_KIND_YESNOCANCEL);
    Bind(m_skin.AddButton("mbyes", IDC_MB_YES, IDS_TIP_YES))->setVisible(bQuestion);
    Bind(m_skin.AddButton("mbno", IDC_MB_NO, IDS_TIP_NO))->setVisible(bQuestion);
}

void CMessageBoxDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_MB_OK:
        OnOK();
        break;
    case IDC_MB_CANCEL:
        OnCancel();
        break;
    case IDC_MB_YES:
        m_nResult = MB_RESULT_YES;
        OnCancel();
        break;
    case IDC_MB_NO:
        m_nResult = MB_RESULT_NO;
        OnCancel();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// The large box

CBigMessageBoxDlg::CBigMessageBoxDlg(int nKind, bool bOwnPalette, QWidget* parent)
    : CMessageBoxBase("MESSAGEBOX_KEL_BIG", kBigText, nKind, bOwnPalette, parent)
{
    Bind(m_skin.AddButton("mbok", IDC_MB_OK, IDS_TIP_OK));
}

void CBigMessageBoxDlg::OnCommand(int nId)
{
    if (nId == IDC_MB_OK)
        OnOK();
}

// ---------------------------------------------------------------------------------------------
// The question box

CQuestionCheckDlg::CQuestionCheckDlg(int nKind, bool bOwnPalette, QWidget* parent)
    : CMessageBoxBase("PLAY_AVI_MEM", kSmallText, nKind, bOwnPalette, parent)
{
    Bind(m_skin.AddButton("mbyes", IDC_QC_YES, IDS_TIP_YES));
    Bind(m_skin.AddButton("mbno", IDC_QC_NO, IDS_TIP_NO));
    Bind(m_skin.AddButton("pacheck", IDC_QC_CHECK));
}

void CQuestionCheckDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_QC_YES:
        m_nResult = MB_RESULT_YES;
        done(Accepted);
        break;
    case IDC_QC_NO:
        m_nResult = MB_RESULT_NO;
        OnCancel();
        break;
    case IDC_QC_CHECK:
        m_bCheck = !m_bCheck;
        if (CMyBitmapButton* button = m_skin.Button(IDC_QC_CHECK))
            button->SetPressedLook(m_bCheck);
        break;
    default:
        break;
    }
}

uint8_t RunMessageBox(QWidget* parent, int nKind, const std::string& strText)
{
    CMessageBoxDlg box(nKind, false, parent);
    box.SetText(strText);
    box.exec();
    return box.GetResult();
}
