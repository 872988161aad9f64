#include "editor/windows/playstringdlg.h"

#include "editor/windows/panelcombo.h"
#include "model/sound.h"
#include "platform/speech.h"
#include "platform/strings.h"
#include "resources/facetexts.h"
#include "resources/faces.h"

#include <QAbstractItemView>
#include <QCollator>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPlainTextEdit>
#include <QShowEvent>

#include <algorithm>
#include <map>
#include <vector>

namespace {

constexpr const char* kFace = "PLAY_STRING";

// Where the fields sit on the face. The language choice lies beside the voice buttons, on a
// panel of its own over the face's "m / f".
const QRect kTextRect(8, 61, 158, 135);
const QRect kFrameRect(64, 215, 30, 17);
const QRect kLanguageRect(100, 7, 68, 17);
constexpr int kLanguageListWidth = 220;

const QColor kInk = QColor::fromRgb(faces::colour::ink);

QFont FieldFont(int nPixels = 12)
{
    QFont font("Liberation Sans");
    font.setPixelSize(nPixels);
    return font;
}

void PaintAsField(QWidget* field, int nPixels = 12)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Text, kInk);
    palette.setColor(QPalette::ButtonText, kInk);
    palette.setColor(QPalette::WindowText, kInk);
    palette.setColor(QPalette::Highlight, kInk);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    field->setPalette(palette);
    field->setFont(FieldFont(nPixels));
}

// The words in the last parentheses of espeak-ng's name of a voice ("Scotland" of "English
// (Scotland)"), or the whole name.
QString Qualifier(const QString& englishName)
{
    const int open = englishName.lastIndexOf('(');
    const int close = englishName.lastIndexOf(')');
    if (open < 0 || close <= open)
        return englishName;
    return englishName.mid(open + 1, close - open - 1).trimmed();
}

} // namespace

QString SpeechLanguageName(const std::string& code, const std::string& englishName)
{
    const QStringList parts = QString::fromStdString(code).toLower().split('-');
    QString base = parts.value(0);
    // Mandarin is the Chinese the locale data name.
    if (base == QLatin1String("cmn"))
        base = QStringLiteral("zh");
    QString territory;
    for (int i = 1; i < parts.size() && parts[i] != QLatin1String("x"); ++i) {
        const QString& part = parts[i];
        const bool bDigits
            = std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
        if (part.size() == 2 || (part.size() == 3 && bDigits)) {
            territory = part.toUpper();
            break;
        }
    }
    const bool bPrivate = parts.contains(QLatin1String("x"));
    const QString fallback
        = englishName.empty() ? QString::fromStdString(code) : QString::fromStdString(englishName);
    const QLocale::Language language = QLocale::codeToLanguage(base);
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return fallback;
    const QLocale plain(language);
    // A language without locale data gives the default locale instead.
    if (plain.language() != language)
        return fallback;
    QString name = plain.nativeLanguageName();
    if (!territory.isEmpty()) {
        const QLocale::Territory wanted = QLocale::codeToTerritory(territory);
        const QLocale regional(base + '_' + territory);
        if (wanted != QLocale::AnyTerritory && regional.language() == language
            && regional.territory() == wanted) {
            const QString regionalName = regional.nativeLanguageName();
            // "British English" says its country; "français" of Belgium does not, and gets
            // it said unless it is the language's home (or one of espeak-ng's own variants,
            // which the list tells apart by their names).
            const bool bPlain = regionalName != name || plain.territory() == wanted || bPrivate
                || regional.nativeTerritoryName().isEmpty();
            name = bPlain ? regionalName
                          : regionalName + " (" + regional.nativeTerritoryName() + ")";
        }
    }
    if (name.isEmpty())
        return fallback;
    // A list's entries begin with a capital where the script has them in running text
    // (Georgian has capitals, but not for this).
    const QChar::Script script = name.at(0).script();
    if (script == QChar::Script_Latin || script == QChar::Script_Cyrillic
        || script == QChar::Script_Greek)
        return plain.toUpper(name.left(1)) + name.mid(1);
    return name;
}

CPlayStringDlg::CPlayStringDlg(CSound* pSound, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_pSound(pSound)
    , m_pText(new QPlainTextEdit(this))
    , m_pFrame(new QLineEdit(this))
    , m_pLanguage(new CPanelComboBox(this))
{
    setModal(true);
    if (const faces::WindowFace* face = faces::FindWindow(kFace))
        setWindowTitle(faces::ShownFaceText(face->title));
    if (m_pSound != nullptr) {
        if (m_pSound->m_nKind == CSound::kindMarker) {
            m_strText = m_pSound->m_strRef;
            m_strLanguage = m_pSound->m_strLanguage;
        }
        m_nStartFrame = m_pSound->m_nStartFrame;
        m_bFemale = m_pSound->m_nEndFrame == kVoiceFemale;
    }
    m_bLanguagePicked = !m_strLanguage.empty();

    m_pText->setObjectName(QString::number(IDC_PS_TEXT));
    m_pText->setGeometry(kTextRect);
    m_pText->setFrameShape(QFrame::NoFrame);
    m_pText->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_pText->setTabChangesFocus(true);
    m_pText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pText->setAccessibleName(tr("Text to speak"));
    PaintAsField(m_pText);

    m_pFrame->setObjectName(QString::number(IDC_PS_FRAME));
    m_pFrame->setGeometry(kFrameRect);
    m_pFrame->setFrame(false);
    m_pFrame->setMaxLength(10);
    m_pFrame->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pFrame->setTextMargins(1, 0, 2, 0);
    m_pFrame->setAccessibleName(tr("Frame"));
    PaintAsField(m_pFrame);
    connect(m_pFrame, &QLineEdit::returnPressed, this, [this] { OnOK(); });

    m_pLanguage->setObjectName(QString::number(IDC_PS_LANGUAGE));
    m_pLanguage->setGeometry(kLanguageRect);
    m_pLanguage->setMaxVisibleItems(16);
    m_pLanguage->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pLanguage->setAccessibleName(tr("Language of the voice"));
    PaintAsField(m_pLanguage, 11);
    m_pLanguage->view()->setMinimumWidth(kLanguageListWidth);
    m_skin.SetDecoration([](QImage& face) { PaintFieldPanel(face, kLanguageRect); });
    FillLanguages();
    connect(m_pLanguage, &QComboBox::activated, this, [this](int index) {
        m_strLanguage = m_pLanguage->itemData(index).toString().toStdString();
        m_bLanguagePicked = true;
    });
    connect(m_pText, &QPlainTextEdit::textChanged, this, [this] { FollowText(); });

    Bind(m_skin.AddButton("pspmale", IDC_PS_MALE, IDS_PS_TIP_MALE));
    Bind(m_skin.AddButton("pspfemale", IDC_PS_FEMALE, IDS_PS_TIP_FEMALE));
    Bind(m_skin.AddButton("pspok", IDC_PS_OK, IDS_PS_TIP_OK));
    Bind(m_skin.AddButton("pspcancel", IDC_PS_CANCEL, IDS_PS_TIP_CANCEL));
    m_skin.ToolTip()->AddTool(m_pFrame, platform::LoadResString(IDS_PS_TIP_FRAME));
    m_skin.ToolTip()->AddTool(m_pLanguage, m_pLanguage->accessibleName());
    ShowVoice();
}

void CPlayStringDlg::FillLanguages()
{
    std::string error;
    const std::vector<platform::CSpeechLanguage> languages = platform::SpeechLanguages(error);
    struct CShown {
        QString name;
        std::string strCode;
        QString english;
    };
    std::vector<CShown> shown;
    for (const platform::CSpeechLanguage& language : languages)
        shown.push_back({ SpeechLanguageName(language.strCode, language.strName),
            language.strCode, QString::fromStdString(language.strName) });
    // Voices of one name (the English of Scotland and of Lancaster) are told apart by what
    // espeak-ng says of them, except the plainest one of them (the fewest parts in its code),
    // when there is one: "Русский" for "ru", "Русский (Latvia)" for "ru-lv".
    const auto parts
        = [](const std::string& code) { return std::count(code.begin(), code.end(), '-'); };
    std::map<QString, std::vector<CShown*>> named;
    for (CShown& entry : shown)
        named[entry.name].push_back(&entry);
    for (auto& [name, entries] : named) {
        if (entries.size() < 2)
            continue;
        std::sort(entries.begin(), entries.end(), [&parts](const CShown* a, const CShown* b) {
            return parts(a->strCode) < parts(b->strCode);
        });
        const bool bPlainest = parts(entries[0]->strCode) < parts(entries[1]->strCode);
        for (size_t i = bPlainest ? 1 : 0; i < entries.size(); ++i)
            entries[i]->name += " (" + Qualifier(entries[i]->english) + ")";
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(shown.begin(), shown.end(),
        [&collator](const CShown& a, const CShown& b) { return collator(a.name, b.name); });
    for (const CShown& entry : shown)
        m_pLanguage->addItem(entry.name, QString::fromStdString(entry.strCode));
}

void CPlayStringDlg::ShowLanguage(const std::string& code)
{
    int index = m_pLanguage->findData(QString::fromStdString(code));
    if (index < 0) {
        std::string error;
        const std::vector<platform::CSpeechLanguage> languages
            = platform::SpeechLanguages(error);
        const platform::CSpeechLanguage* known = platform::FindSpeechLanguage(languages, code);
        if (known != nullptr)
            index = m_pLanguage->findData(QString::fromStdString(known->strCode));
    }
    if (index < 0) {
        // A language this synthesizer lacks (the greeting was made elsewhere) stays the
        // sound's, shown first.
        m_pLanguage->insertItem(0, SpeechLanguageName(code, {}), QString::fromStdString(code));
        index = 0;
    }
    const QSignalBlocker quiet(m_pLanguage);
    m_pLanguage->setCurrentIndex(index);
    m_strLanguage = m_pLanguage->itemData(index).toString().toStdString();
}

void CPlayStringDlg::FollowText()
{
    if (m_bLanguagePicked)
        return;
    const std::string text = m_pText->toPlainText().toStdString();
    ShowLanguage(platform::LanguageForText(text, platform::ProgramSpeechLanguage()));
}

void CPlayStringDlg::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        Open();
    CSkinnedDialog::showEvent(event);
}

void CPlayStringDlg::Open()
{
    QString text = QString::fromStdString(m_strText);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    {
        // The text as it was opened decides the language below, once.
        const QSignalBlocker quiet(m_pText);
        m_pText->setPlainText(text);
    }
    m_pText->moveCursor(QTextCursor::End);
    m_pFrame->setText(QString::number(m_nStartFrame));
    if (m_bLanguagePicked)
        ShowLanguage(m_strLanguage);
    else
        FollowText();
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
    const std::string text = typed.toStdString();
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
    m_pSound->SetVoice({ m_strLanguage, m_bFemale });
    accept();
}
