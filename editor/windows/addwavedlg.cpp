#include "editor/windows/addwavedlg.h"

#include "platform/text.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

namespace {

constexpr const char* kFace = "ADD_WAVE";

// Tooltip strings.
constexpr int IDS_TIP_OK = 10043;
constexpr int IDS_TIP_CANCEL = 10044;

// Where the controls sit on the face: the fields on its panels, the texts beside them.
const QRect kNameRect(16, 38, 258, 18);
const QRect kStartRect(132, 64, 56, 20);
const QRect kEndRect(132, 92, 56, 20);
const QRect kLengthRect(196, 64, 82, 20);
const QRect kHintRect(16, 124, 200, 44);

const QColor kInk = QColor::fromRgb(faces::colour::ink);
const QColor kSoftInk = kInk.lighter(130);
const QColor kCoral = QColor::fromRgb(faces::colour::coral).darker(115);

const char* const kEndHint
    = QT_TRANSLATE_NOOP("CAddWaveDlg", "Leave the stop empty to play until the pause or the end of the greeting.");

QLineEdit* NewField(QWidget* parent, int nId, const QRect& rc)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(nId));
    edit->setGeometry(rc);
    edit->setFrame(false);
    edit->setMaxLength(10);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFont(Lettering(12));
    edit->setTextMargins(2, 0, 3, 0);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, kInk);
    palette.setColor(QPalette::Highlight, kInk);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    edit->setPalette(palette);
    return edit;
}

// A whole number as a person types it: digits with an optional sign, blanks around allowed.
bool WholeNumber(const QString& text, int32_t* pValue)
{
    bool bNumber = false;
    const int value = text.trimmed().toInt(&bNumber);
    if (bNumber)
        *pValue = value;
    return bNumber;
}

} // namespace

CAddWaveDlg::CAddWaveDlg(const std::string& strName, int32_t nLength, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_strName(strName)
    , m_pStart(NewField(this, IDC_AW_START, kStartRect))
    , m_pEnd(NewField(this, IDC_AW_END, kEndRect))
    , m_pName(NewFaceLabel(this, "name", kNameRect, Lettering(12, true), kInk))
    , m_pLength(NewFaceLabel(this, "length", kLengthRect, Lettering(11), kSoftInk))
    , m_pHint(NewFaceLabel(this, "hint", kHintRect, Lettering(11), kSoftInk))
{
    setModal(true);
    const QString name = QString::fromStdString(strName);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(faces::ShownFaceText(face->title));

    m_pName->setText(
        QFontMetrics(m_pName->font()).elidedText(name, Qt::ElideMiddle, kNameRect.width()));
    m_pName->setToolTip(name);
    m_pLength->setText(
        nLength == 1 ? tr("of 1 frame") : tr("of %1 frames").arg(nLength));
    m_pHint->setWordWrap(true);
    m_pHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pEnd->setPlaceholderText(tr("end"));
    ShowHint(tr(kEndHint), false);

    for (QLineEdit* field : { m_pStart, m_pEnd })
        connect(field, &QLineEdit::returnPressed, this, [this] { OnOK(); });

    Bind(m_skin.AddButton("awok", IDC_AW_OK, IDS_TIP_OK));
    Bind(m_skin.AddButton("awcancel", IDC_AW_CANCEL, IDS_TIP_CANCEL));
}

QLineEdit* CAddWaveDlg::Field(int nId) const
{
    if (nId == IDC_AW_START)
        return m_pStart;
    if (nId == IDC_AW_END)
        return m_pEnd;
    return nullptr;
}

void CAddWaveDlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        Open();
    CSkinnedDialog::showEvent(event);
}

void CAddWaveDlg::Open()
{
    m_pStart->setText(QString::number(m_nStartFrame));
    m_pEnd->setText(m_nEndFrame == kPlayToEnd ? QString() : QString::number(m_nEndFrame));
    ShowHint(tr(kEndHint), false);
    m_pStart->setFocus();
    m_pStart->selectAll();
}

void CAddWaveDlg::OnCommand(int nId)
{
    if (nId == IDC_AW_OK)
        OnOK();
    else if (nId == IDC_AW_CANCEL)
        reject();
}

void CAddWaveDlg::ShowHint(const QString& text, bool bError)
{
    m_bError = bError;
    QPalette palette = m_pHint->palette();
    palette.setColor(QPalette::WindowText, bError ? kCoral : kSoftInk);
    m_pHint->setPalette(palette);
    QFont font = m_pHint->font();
    font.setBold(bError);
    m_pHint->setFont(font);
    m_pHint->setText(text);
}

void CAddWaveDlg::Refuse(QLineEdit* field, const QString& why)
{
    ShowHint(why, true);
    field->setFocus();
    field->selectAll();
}

void CAddWaveDlg::OnOK()
{
    int32_t start = 0;
    if (!WholeNumber(m_pStart->text(), &start) || start < 0) {
        Refuse(m_pStart, tr("The start must be a whole number of 0 or more."));
        return;
    }
    int32_t end = kPlayToEnd;
    if (!m_pEnd->text().trimmed().isEmpty()) {
        if (!WholeNumber(m_pEnd->text(), &end) || (end != kPlayToEnd && end < start)) {
            Refuse(m_pEnd,
                tr("The stop must be empty or a whole number of %1 or more.")
                    .arg(start));
            return;
        }
    }
    m_nStartFrame = start;
    m_nEndFrame = end;
    accept();
}
