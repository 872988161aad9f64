#include "editor/windows/playstringdlg.h"

#include "model/sound.h"
#include "platform/strings.h"
#include "platform/text.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>

namespace {

constexpr const char* kFace = "PLAY_STRING";

// Where the fields sit on the face.
const QRect kTextRect(8, 61, 158, 135);
const QRect kFrameRect(64, 215, 30, 17);

const QColor kInk = QColor::fromRgb(faces::colour::ink);

QFont FieldFont()
{
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    return font;
}

void PaintAsField(QWidget* field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, kInk);
    palette.setColor(QPalette::Highlight, kInk);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    field->setPalette(palette);
    field->setFont(FieldFont());
}

} // namespace

CPlayStringDlg::CPlayStringDlg(CSound* pSound, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_pSound(pSound)
    , m_pText(new QPlainTextEdit(this))
    , m_pFrame(new QLineEdit(this))
{
    setModal(true);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(faces::ShownFaceText(face->title));
    if (m_pSound != nullptr) {
        if (m_pSound->m_nKind == CSound::kindMarker)
            m_strText = m_pSound->m_strRef;
        m_nStartFrame = m_pSound->m_nStartFrame;
        m_bFemale = m_pSound->m_nEndFrame == kVoiceFemale;
    }

    m_pText->setObjectName(QString::number(IDC_PS_TEXT));
    m_pText->setGeometry(kTextRect);
    m_pText->setFrameShape(QFrame::NoFrame);
    m_pText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_pText->setTabChangesFocus(true);
    m_pText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    PaintAsField(m_pText);

    m_pFrame->setObjectName(QString::number(IDC_PS_FRAME));
    m_pFrame->setGeometry(kFrameRect);
    m_pFrame->setFrame(false);
    m_pFrame->setMaxLength(10);
    m_pFrame->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pFrame->setTextMargins(1, 0, 2, 0);
    PaintAsField(m_pFrame);
    connect(m_pFrame, &QLineEdit::returnPressed, this, [this] { OnOK(); });

    Bind(m_skin.AddButton("pspmale", IDC_PS_MALE, IDS_PS_TIP_MALE));
    Bind(m_skin.AddButton("pspfemale", IDC_PS_FEMALE, IDS_PS_TIP_FEMALE));
    Bind(m_skin.AddButton("pspok", IDC_PS_OK, IDS_PS_TIP_OK));
    Bind(m_skin.AddButton("pspcancel", IDC_PS_CANCEL, IDS_PS_TIP_CANCEL));
    m_skin.ToolTip()->AddTool(m_pFrame, platform::LoadResString(IDS_PS_TIP_FRAME));
    ShowVoice();
}

void CPlayStringDlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        Open();
    CSkinnedDialog::showEvent(event);
}

void CPlayStringDlg::Open()
{
    QString text = QString::fromStdString(platform::Utf8FromCp1252(m_strText));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    m_pText->setPlainText(text);
    m_pText->moveCursor(QTextCursor::End);
    m_pFrame->setText(QString::number(m_nStartFrame));
    ShowVoice();
    m_pText->setFocus();
}

void CPlayStringDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_PS_MALE:
    case IDC_PS_FEMALE:
        ToggleVoice();
        break;
    case IDC_PS_OK:
        OnOK();
        break;
    case IDC_PS_CANCEL:
        reject();
        break;
    default:
        break;
    }
}

void CPlayStringDlg::ToggleVoice()
{
    // Either button swaps the voice, as a pair of linked switches does.
    m_bFemale = !m_bFemale;
    ShowVoice();
}

void CPlayStringDlg::ShowVoice()
{
    CMyBitmapButton* male = m_skin.Button(IDC_PS_MALE);
    CMyBitmapButton* female = m_skin.Button(IDC_PS_FEMALE);
    if (male == nullptr || female == nullptr)
        return;
    male->SetPressedLook(!m_bFemale);
    female->SetPressedLook(m_bFemale);
    update(male->geometry().united(female->geometry()));
}

void CPlayStringDlg::OnOK()
{
    if (m_pSound == nullptr) {
        accept();
        return;
    }
    QString typed = m_pText->toPlainText();
    typed.replace('\n', QLatin1String("\r\n"));
    const std::string text = platform::Cp1252FromUtf8(typed.toStdString());
    bool bNumber = false;
    const int typedFrame = m_pFrame->text().trimmed().toInt(&bNumber);
    const int32_t frame = bNumber ? typedFrame : m_nStartFrame;
    // A sound that holds wave or MIDI data cannot become a spoken text; it stays as it was.
    if (!m_pSound->SetSource(CSound::kindMarker, text)) {
        reject();
        return;
    }
    m_strText = text;
    m_nStartFrame = frame;
    m_pSound->m_nStartFrame = frame;
    m_pSound->m_nEndFrame = m_bFemale ? kVoiceFemale : kVoiceMale;
    accept();
}
