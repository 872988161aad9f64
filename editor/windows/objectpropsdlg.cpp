#include "editor/windows/objectpropsdlg.h"

#include "editor/core/prompts.h"
#include "editor/windows/emojipicker.h"
#include "editor/windows/panelcombo.h"
#include "platform/dc.h"
#include "platform/strings.h"
#include "platform/translate.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTextEdit>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

using platform::Fill;
using platform::Tr;

namespace {

// Tooltip strings.
constexpr int IDS_TIP_FONT = 10027;
constexpr int IDS_TIP_COLOUR1 = 10028;
constexpr int IDS_TIP_COLOUR2 = 10029;
constexpr int IDS_TIP_OK = 10030;
constexpr int IDS_TIP_CANCEL = 10031;
constexpr int IDS_TIP_FILL = 10032;
constexpr int IDS_TIP_NO_FILL = 10033;
constexpr int IDS_TIP_WIDTH = 10122;

// Where the controls sit on the face.
const QRect kTextRect(10, 37, 304, 134);
const QRect kWidthRect(11, 228, 53, 17);
const QRect kSwatch1Rect(QPoint(11, 198), QPoint(63, 213)); // 11, 198 to 64, 214
const QRect kSwatch2Rect(QPoint(173, 228), QPoint(225, 243)); // 173, 228 to 226, 244
// Between the text and the colours: the family choice on a panel of its own, and the emoji
// button at the text's right edge.
const QRect kFamilyRect(11, 177, 266, 17);
const QRect kEmojiRect(290, 174, 24, 22);
constexpr int kFamilyListWidth = 300;
// The family choice's items: the family (installed), or the face kept as it is (not installed).
constexpr int kFamilyRole = Qt::UserRole;
constexpr int kKeptFaceRole = Qt::UserRole + 1;

constexpr int kMaxLineWidth = 99;

const QColor kInk(0x4A, 0x25, 0x45);
const QColor kCoral(0xFF, 0x6F, 0x61);
const QColor kPaper(0xFF, 0xF4, 0xE4);
const QColor kBlank(0xF7, 0xF1, 0xEA);
const QColor kGreyInk(0xA0, 0x94, 0x9A);

QColor ToQColor(COLORREF cr)
{
    return QColor(GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

std::string FaceOf(const LOGFONT& lf)
{
    return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, kMaxFaceBytes));
}

// A face as a person reads it: its bytes as UTF-8, or each byte a character when they are not
// (an older greeting's face in a single-byte code page).
QString ShownFace(const std::string& face)
{
    const QString utf8 = QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size()));
    if (!utf8.contains(QChar::ReplacementCharacter))
        return utf8;
    return QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size()));
}

// A colour swatch of the dialog: the colour, or a see-through look when it stands for no fill,
// or a hatched blank while it does not apply. A press asks for a new colour.
class CColourSwatch : public QWidget {
public:
    CColourSwatch(QWidget* parent, std::function<void()> onPress)
        : QWidget(parent)
        , m_onPress(std::move(onPress))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void SetColour(COLORREF cr)
    {
        m_cr = cr;
        update();
    }
    void SetEmpty(bool bEmpty)
    {
        m_bEmpty = bEmpty;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect all = rect();
        if (!isEnabled()) {
            painter.fillRect(all, kPaper);
            painter.fillRect(all, QBrush(QColor(0xC8, 0xBC, 0xB0), Qt::BDiagPattern));
        } else if (m_bEmpty) {
            // A checkerboard shows through, crossed out by a slash.
            painter.fillRect(all, Qt::white);
            for (int y = 0; y < height(); y += 4)
                for (int x = (y / 4) % 2 * 4; x < width(); x += 8)
                    painter.fillRect(QRect(x, y, 4, 4), QColor(0xE2, 0xE2, 0xE2));
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(kCoral, 2));
            painter.drawLine(QPointF(2, height() - 2), QPointF(width() - 2, 2));
            painter.setRenderHint(QPainter::Antialiasing, false);
        } else {
            painter.fillRect(all, ToQColor(m_cr));
        }
        painter.setPen(QColor(kInk.red(), kInk.green(), kInk.blue(), isEnabled() ? 150 : 60));
        painter.drawRect(all.adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && m_onPress)
            m_onPress();
    }

private:
    std::function<void()> m_onPress;
    COLORREF m_cr = 0;
    bool m_bEmpty = false;
};

CColourSwatch* AsSwatch(QWidget* widget)
{
    return static_cast<CColourSwatch*>(widget);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Character formats and fonts

CCharFormat CharFormatFromFont(const LOGFONT& lf, COLORREF cr)
{
    CCharFormat cf;
    cf.dwEffects = 0;
    if (lf.lfWeight >= 700)
        cf.dwEffects |= CFE_BOLD;
    if (lf.lfItalic != 0)
        cf.dwEffects |= CFE_ITALIC;
    if (lf.lfUnderline != 0)
        cf.dwEffects |= CFE_UNDERLINE;
    if (lf.lfStrikeOut != 0)
        cf.dwEffects |= CFE_STRIKEOUT;
    const int64_t height = std::abs(static_cast<int64_t>(lf.lfHeight)) * kTwipsPerPixel;
    cf.yHeight = static_cast<int32_t>(std::min<int64_t>(height, INT32_MAX));
    cf.crTextColor = cr;
    cf.strFaceName = FaceOf(lf);
    return cf;
}

LOGFONT FontFromCharFormat(const CCharFormat& cf)
{
    LOGFONT lf;
    lf.lfHeight = -(cf.yHeight / kTwipsPerPixel);
    lf.lfWeight = (cf.dwEffects & CFE_BOLD) != 0 ? 700 : 400;
    lf.lfItalic = (cf.dwEffects & CFE_ITALIC) != 0 ? 1 : 0;
    lf.lfUnderline = (cf.dwEffects & CFE_UNDERLINE) != 0 ? 1 : 0;
    lf.lfStrikeOut = (cf.dwEffects & CFE_STRIKEOUT) != 0 ? 1 : 0;
    const size_t length = std::min<size_t>(cf.strFaceName.size(), kMaxFaceBytes);
    std::memcpy(lf.lfFaceName, cf.strFaceName.data(), length);
    return lf;
}

QString FamilyForFace(const std::string& strFace)
{
    return ::FamilyForFace(strFace.c_str());
}

std::string FaceForFamily(const QString& family)
{
    if (family == QLatin1String("Liberation Sans"))
        return "Arial";
    if (family == QLatin1String("Liberation Serif"))
        return "Times New Roman";
    if (family == QLatin1String("Liberation Mono"))
        return "Courier New";
    return family.toStdString();
}

QFont QFontFromLogFont(const LOGFONT& lf)
{
    return FontOfLogFont(lf);
}

namespace {

bool IsPrintableAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

} // namespace

bool IsStorableFace(const std::string& strFace)
{
    return strFace.size() <= static_cast<size_t>(kMaxFaceBytes) && IsPrintableAscii(strFace);
}

std::string SetFaceName(LOGFONT& lf, const std::string& strFace)
{
    std::string reason;
    if (!IsPrintableAscii(strFace))
        reason = Tr("CObjectPropertiesDlg", "its name has characters that a greeting cannot store");
    else if (strFace.size() > static_cast<size_t>(kMaxFaceBytes))
        reason = Tr("CObjectPropertiesDlg", "its name is longer than 31 characters");
    if (reason.empty()) {
        std::memset(lf.lfFaceName, 0, sizeof lf.lfFaceName);
        std::memcpy(lf.lfFaceName, strFace.data(), strFace.size());
        return {};
    }
    const std::string old = ShownFace(FaceOf(lf)).toStdString();
    const std::string keeps = old.empty()
        ? Tr("CObjectPropertiesDlg", "The text keeps its font.")
        : Fill(Tr("CObjectPropertiesDlg", "The text keeps the font \"%1\"."), { old });
    return Fill(Tr("CObjectPropertiesDlg", "The font \"%1\" cannot be used: %2."),
               { strFace, reason })
        + " " + keeps;
}

QStringList StorableFamilies()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family) && IsStorableFace(FaceForFamily(family)))
            families.push_back(family);
    return families;
}

// ---------------------------------------------------------------------------------------------
// The dialog

CObjectPropertiesDlg::CObjectPropertiesDlg(int nMode, QWidget* parent)
    : CSkinnedDialog("OBJECT_PROPERTIES", false, parent)
    , m_nMode(nMode)
    , m_logfont(FontFromCharFormat(m_cf))
{
    setModal(true);

    m_pText = new QTextEdit(this);
    m_pText->setObjectName(QString::number(IDC_OP_TEXT));
    m_pText->setGeometry(kTextRect);
    m_pText->setFrameShape(QFrame::NoFrame);
    m_pText->setAcceptRichText(false);
    m_pText->setTabChangesFocus(false);
    m_pText->setLineWrapMode(QTextEdit::WidgetWidth);

    m_pWidth = new QLineEdit(this);
    m_pWidth->setObjectName(QString::number(IDC_OP_WIDTH));
    m_pWidth->setGeometry(kWidthRect);
    m_pWidth->setFrame(false);
    m_pWidth->setMaxLength(8);
    QFont fieldFont("Liberation Sans");
    fieldFont.setPixelSize(12);
    m_pWidth->setFont(fieldFont);
    for (QWidget* field : { static_cast<QWidget*>(m_pText), static_cast<QWidget*>(m_pWidth) }) {
        // A field that does not apply to the object looks blank and greyed.
        QPalette palette = field->palette();
        palette.setColor(QPalette::Active, QPalette::Base, Qt::white);
        palette.setColor(QPalette::Inactive, QPalette::Base, Qt::white);
        palette.setColor(QPalette::Disabled, QPalette::Base, kBlank);
        palette.setColor(QPalette::Active, QPalette::Text, kInk);
        palette.setColor(QPalette::Inactive, QPalette::Text, kInk);
        palette.setColor(QPalette::Disabled, QPalette::Text, kGreyInk);
        field->setPalette(palette);
    }

    m_pText->setAccessibleName(tr("Text"));
    m_pWidth->setAccessibleName(tr("Line width"));

    m_pFamily = new CPanelComboBox(this);
    m_pFamily->setObjectName(QString::number(IDC_OP_FAMILY));
    m_pFamily->setGeometry(kFamilyRect);
    m_pFamily->setFont(fieldFont);
    m_pFamily->setMaxVisibleItems(16);
    m_pFamily->setAccessibleName(tr("Font family"));
    m_pFamily->view()->setMinimumWidth(kFamilyListWidth);
    {
        QPalette palette = m_pFamily->palette();
        for (const QPalette::ColorRole role :
            { QPalette::Base, QPalette::Button, QPalette::Window })
            palette.setColor(role, Qt::white);
        for (const QPalette::ColorRole role :
            { QPalette::Text, QPalette::ButtonText, QPalette::WindowText })
            palette.setColor(role, kInk);
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, kGreyInk);
        palette.setColor(QPalette::Disabled, QPalette::Text, kGreyInk);
        m_pFamily->setPalette(palette);
    }
    m_skin.SetDecoration([](QImage& face) { PaintFieldPanel(face, kFamilyRect); });
    FillFamilies();
    connect(m_pFamily, &QComboBox::activated, this, [this](int index) { ChooseFamily(index); });

    m_pSwatch1 = new CColourSwatch(this, [this] { ChooseColour(1); });
    m_pSwatch1->setObjectName("swatch1");
    m_pSwatch1->setGeometry(kSwatch1Rect);
    m_pSwatch2 = new CColourSwatch(this, [this] { ChooseColour(2); });
    m_pSwatch2->setObjectName("swatch2");
    m_pSwatch2->setGeometry(kSwatch2Rect);

    Bind(m_skin.AddButton("opfont", IDC_OP_FONT, IDS_TIP_FONT));
    Bind(m_skin.AddButton("opnone", IDC_OP_NONE, IDS_TIP_FILL));
    Bind(m_skin.AddButton("opok1", IDC_OP_OK, IDS_TIP_OK));
    Bind(m_skin.AddButton("opcancel1", IDC_OP_CANCEL, IDS_TIP_CANCEL));
    CMyBitmapButton* emoji = Bind(m_skin.AddButton("opemoji", IDC_OP_EMOJI, kEmojiRect.topLeft()));
    emoji->setAccessibleName(tr("Emoji"));
    m_skin.ToolTip()->AddTool(emoji, tr("Put an emoji into the text"));
    DrawEmojiButton();
    m_skin.ToolTip()->AddTool(m_pFamily, tr("Font family"));
    m_skin.ToolTip()->AddTool(m_pSwatch1, platform::LoadResString(IDS_TIP_COLOUR1));
    m_skin.ToolTip()->AddTool(m_pSwatch2, platform::LoadResString(IDS_TIP_COLOUR2));
    m_skin.ToolTip()->AddTool(m_pWidth, platform::LoadResString(IDS_TIP_WIDTH));
}

CObjectPropertiesDlg::~CObjectPropertiesDlg() = default;

bool CObjectPropertiesDlg::event(QEvent* event)
{
    if (IsPixelRatioChange(event))
        DrawEmojiButton();
    return CSkinnedDialog::event(event);
}

void CObjectPropertiesDlg::DrawEmojiButton()
{
    CMyBitmapButton* button = m_skin.Button(IDC_OP_EMOJI);
    const qreal ratio = devicePixelRatioF();
    if (button == nullptr || ratio == m_fEmojiRatio)
        return;
    m_fEmojiRatio = ratio;
    const QSize size = kEmojiRect.size();
    button->SetFaces(EmojiButtonFace(size, 0, ratio), EmojiButtonFace(size, 1, ratio),
        EmojiButtonFace(size, 2, ratio), EmojiButtonFace(size, 3, ratio));
}

void CObjectPropertiesDlg::FillFamilies()
{
    for (const QString& family : StorableFamilies())
        m_pFamily->addItem(family, family);
}

void CObjectPropertiesDlg::ShowFamily()
{
    // A kept face from the last opening goes; the description's face decides anew.
    for (int i = m_pFamily->count() - 1; i >= 0; --i)
        if (!m_pFamily->itemData(i, kKeptFaceRole).isNull())
            m_pFamily->removeItem(i);
    const std::string face = FaceOf(m_logfont);
    const QString family = FamilyForFace(face);
    int index = m_pFamily->findData(family, kFamilyRole, Qt::MatchFixedString);
    if (index < 0) {
        // A greeting made where other fonts were installed keeps its face until the person
        // picks another.
        m_pFamily->insertItem(0, tr("%1 (not installed)").arg(ShownFace(face)));
        m_pFamily->setItemData(0, QByteArray::fromStdString(face), kKeptFaceRole);
        index = 0;
    }
    m_pFamily->setCurrentIndex(index);
}

void CObjectPropertiesDlg::ChooseFamily(int nIndex)
{
    if (!HasText() || nIndex < 0)
        return;
    const QVariant kept = m_pFamily->itemData(nIndex, kKeptFaceRole);
    const std::string face = kept.isNull()
        ? FaceForFamily(m_pFamily->itemData(nIndex, kFamilyRole).toString())
        : kept.toByteArray().toStdString();
    if (face == FaceOf(m_logfont))
        return;
    // The offered families are all storable; the check stays for what the list cannot know.
    const std::string why = SetFaceName(m_logfont, face);
    if (!why.empty()) {
        AskMessageBox(this, MB_KIND_OK, why);
        ShowFamily();
        return;
    }
    m_cf = CharFormatFromFont(m_logfont, m_crColor1);
    ApplyCharFormat();
}

void CObjectPropertiesDlg::OpenEmojiPicker()
{
    CMyBitmapButton* button = m_skin.Button(IDC_OP_EMOJI);
    if (!HasText() || button == nullptr)
        return;
    if (m_pEmoji == nullptr) {
        m_pEmoji = new CEmojiPicker(this);
        connect(m_pEmoji, &CEmojiPicker::Chosen, this,
            [this](const QString& emoji) { InsertEmoji(emoji); });
    }
    m_pEmoji->Popup(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()));
}

void CObjectPropertiesDlg::InsertEmoji(const QString& emoji)
{
    if (!HasText())
        return;
    QTextCursor cursor = m_pText->textCursor();
    cursor.insertText(emoji);
    m_pText->setTextCursor(cursor);
}

void CObjectPropertiesDlg::showEvent(QShowEvent* event)
{
    if (!m_bOpen)
        Open();
    CSkinnedDialog::showEvent(event);
}

void CObjectPropertiesDlg::Open()
{
    m_bOpen = true;
    m_given = { m_cf, m_logfont, m_strText, m_crColor1, m_crColor2, m_bTransparent, m_nLineWidth };

    if (m_logfont.lfFaceName[0] == 0)
        m_logfont = FontFromCharFormat(m_cf);
    m_cf = CharFormatFromFont(m_logfont, HasText() ? m_crColor1 : m_cf.crTextColor);

    if (HasText()) {
        m_pText->setEnabled(true);
        m_pText->setReadOnly(false);
        m_pText->setPlaceholderText({});
        QString text = QString::fromStdString(m_strText);
        text.replace("\r\n", "\n").replace('\r', '\n');
        m_pText->setPlainText(text);
        m_pText->moveCursor(QTextCursor::End);
    } else {
        m_pText->clear();
        m_pText->setReadOnly(true);
        m_pText->setEnabled(false);
        m_pText->setPlaceholderText(tr("Shapes and lines have no text."));
    }
    ApplyCharFormat();
    ShowFamily();
    m_pFamily->setEnabled(HasText());

    m_pWidth->setText(QString::number(m_nLineWidth));
    m_pWidth->setEnabled(HasOutline());

    AsSwatch(m_pSwatch1)->SetColour(m_crColor1);
    AsSwatch(m_pSwatch2)->SetColour(m_crColor2);
    m_pSwatch2->setEnabled(HasFill());
    if (CMyBitmapButton* font = m_skin.Button(IDC_OP_FONT))
        font->setEnabled(HasText());
    if (CMyBitmapButton* emoji = m_skin.Button(IDC_OP_EMOJI))
        emoji->setEnabled(HasText());
    if (CMyBitmapButton* none = m_skin.Button(IDC_OP_NONE))
        none->setEnabled(HasFill());
    RefreshNoFill();

    if (HasText())
        m_pText->setFocus();
    else if (HasOutline())
        m_pWidth->setFocus();
}

void CObjectPropertiesDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_OP_FONT:
        ChooseFont();
        break;
    case IDC_OP_NONE:
        ToggleTransparent();
        break;
    case IDC_OP_EMOJI:
        OpenEmojiPicker();
        break;
    case IDC_OP_OK:
        OnOK();
        break;
    case IDC_OP_CANCEL:
        reject();
        break;
    default:
        break;
    }
}

void CObjectPropertiesDlg::ChooseColour(int nIndex)
{
    if (nIndex == 2 && !HasFill())
        return;
    COLORREF cr = nIndex == 1 ? m_crColor1 : m_crColor2;
    if (!AskColor(this, &cr))
        return;
    if (nIndex == 1) {
        m_crColor1 = cr;
        AsSwatch(m_pSwatch1)->SetColour(cr);
        if (HasText()) {
            m_cf.crTextColor = cr;
            ApplyCharFormat();
        }
    } else {
        m_crColor2 = cr;
        AsSwatch(m_pSwatch2)->SetColour(cr);
    }
}

void CObjectPropertiesDlg::ChooseFont()
{
    if (!HasText())
        return;
    LOGFONT chosen = m_logfont;
    if (!AskFont(this, &chosen))
        return;
    // The chooser's face is checked like any other: the description keeps the old face when
    // the new one cannot be stored.
    const std::string face(chosen.lfFaceName, strnlen(chosen.lfFaceName, LF_FACESIZE));
    LOGFONT taken = chosen;
    std::memcpy(taken.lfFaceName, m_logfont.lfFaceName, sizeof taken.lfFaceName);
    const std::string why = SetFaceName(taken, face);
    if (!why.empty())
        AskMessageBox(this, MB_KIND_OK, why);
    m_logfont = taken;
    m_cf = CharFormatFromFont(m_logfont, m_crColor1);
    ApplyCharFormat();
    ShowFamily();
}

void CObjectPropertiesDlg::ToggleTransparent()
{
    if (!HasFill())
        return;
    m_bTransparent = !m_bTransparent;
    RefreshNoFill();
}

void CObjectPropertiesDlg::RefreshNoFill()
{
    const bool bEmpty = HasFill() && m_bTransparent;
    AsSwatch(m_pSwatch2)->SetEmpty(bEmpty);
    if (CMyBitmapButton* none = m_skin.Button(IDC_OP_NONE)) {
        none->SetPressedLook(bEmpty);
        m_skin.ToolTip()->UpdateTipText(
            none, platform::LoadResString(m_bTransparent ? IDS_TIP_NO_FILL : IDS_TIP_FILL));
    }
}

void CObjectPropertiesDlg::ApplyCharFormat()
{
    const QFont font = QFontFromLogFont(FontFromCharFormat(m_cf));
    m_pText->setFont(font);
    m_pText->document()->setDefaultFont(font);
    QPalette palette = m_pText->palette();
    palette.setColor(QPalette::Active, QPalette::Text, ToQColor(m_cf.crTextColor));
    palette.setColor(QPalette::Inactive, QPalette::Text, ToQColor(m_cf.crTextColor));
    m_pText->setPalette(palette);
}

void CObjectPropertiesDlg::OnOK()
{
    if (HasOutline()) {
        bool bNumber = false;
        const int width = m_pWidth->text().trimmed().toInt(&bNumber);
        // The width the object came with stands even outside the range: only a change is
        // checked, so OK always has a way out.
        const bool bTaken
            = bNumber && (width == m_nLineWidth || (width >= 0 && width <= kMaxLineWidth));
        if (!bTaken) {
            m_pWidth->setText(QString::number(m_nLineWidth));
            AskMessageBox(this, MB_KIND_OK,
                Fill(Tr("CObjectPropertiesDlg",
                         "The line width must be a whole number from 0 to 99 pixels. It stays "
                         "at %1."),
                    { std::to_string(m_nLineWidth) }));
            m_pWidth->setFocus();
            m_pWidth->selectAll();
            return;
        }
        m_nLineWidth = width;
    }
    if (HasText()) {
        // The person's line breaks are stored the way the text tools draw them: CR LF.
        QString text = m_pText->toPlainText();
        text.replace('\n', "\r\n");
        m_strText = text.toStdString();
    }
    m_bOpen = false;
    done(Accepted);
}

void CObjectPropertiesDlg::reject()
{
    if (m_bOpen) {
        m_cf = m_given.cf;
        m_logfont = m_given.logfont;
        m_strText = m_given.strText;
        m_crColor1 = m_given.crColor1;
        m_crColor2 = m_given.crColor2;
        m_bTransparent = m_given.bTransparent;
        m_nLineWidth = m_given.nLineWidth;
        m_bOpen = false;
    }
    CSkinnedDialog::reject();
}
