// Makes the manual's pictures from the program itself: the editor and its windows open off
// screen on a copy of a sample greeting, in a private home with a few made-up contacts and
// planned greetings, each grabbed as the person would see it.
//
//     vimble-manualpics RESOURCE_DIR DATA_DIR OUT_DIR [en|de|fr|es|pl|ru|ja]
//
// writes OUT_DIR/NAME.png for every picture the manual shows, with the program speaking the
// language named (English when none is). Nothing outside the private
// home it makes (and removes) is read or written but the two directories and OUT_DIR.
#include "editor/core/app.h"
#include "editor/core/prompts.h"
#include "editor/editing/layermanagerdlg.h"
#include "editor/main/editordlg.h"
#include "editor/skin/skin.h"
#include "editor/windows/contactsdlg.h"
#include "editor/windows/effectpropsdlg.h"
#include "editor/windows/librarybrowser.h"
#include "editor/windows/mailoptionsdlg.h"
#include "editor/windows/outboxdlg.h"
#include "editor/windows/recorderdlg.h"
#include "editor/windows/senddlg.h"
#include "mail/contacts.h"
#include "mail/outbox.h"
#include "platform/files.h"
#include "platform/language.h"
#include "playback/effecttable.h"
#include "translations/translator.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

namespace {

// What the made-up person types, in the pictures' language.
struct PersonTexts {
    const char* szSubject;
    const char* szPlanned; // the planned greetings' message
    const char* szMessage; // the send window's message (UTF-8)
};
constexpr PersonTexts kEnglishTexts{"Happy birthday, {first}!", "With love from all of us.",
    "Dear {first},\n\nall the best for your day!\n\nWith love"};
constexpr PersonTexts kGermanTexts{"Alles Gute zum Geburtstag, {first}!",
    "Herzlich, von uns allen.", "Hallo {first},\n\nalles Liebe zu deinem Tag!\n\nHerzlich"};
constexpr PersonTexts kFrenchTexts{"Joyeux anniversaire, {first} !", "Avec toute notre affection.",
    "Bonjour {first},\n\ntous mes v\u0153ux pour ton anniversaire\u00a0!\n\nBien affectueusement"};
constexpr PersonTexts kSpanishTexts{"¡Feliz cumpleaños, {first}!", "Con cariño, de parte de todos.",
    "Hola, {first}:\n\n¡que pases un día estupendo!\n\nUn abrazo"};
constexpr PersonTexts kPolishTexts{"Wszystkiego najlepszego, {first}!",
    "Serdecznie, od nas wszystkich.",
    "Cześć, {first}!\n\nWszystkiego najlepszego w Twoim dniu!\n\nŚciskam"};
constexpr PersonTexts kRussianTexts{"С днём рождения, {first}!", "С любовью, от всех нас.",
    "Привет, {first}!\n\nВсего самого лучшего в твой день!\n\nС любовью"};
constexpr PersonTexts kJapaneseTexts{"{first}さん、お誕生日おめでとう！", "みんなより、愛をこめて。",
    "{first}さんへ\n\nすてきな一日になりますように！\n\nみんなより"};
const PersonTexts* g_pTexts = &kEnglishTexts;

const PersonTexts& TextsOf(platform::ELanguage language)
{
    switch (language) {
    case platform::ELanguage::German:
        return kGermanTexts;
    case platform::ELanguage::French:
        return kFrenchTexts;
    case platform::ELanguage::Spanish:
        return kSpanishTexts;
    case platform::ELanguage::Polish:
        return kPolishTexts;
    case platform::ELanguage::Russian:
        return kRussianTexts;
    case platform::ELanguage::Japanese:
        return kJapaneseTexts;
    case platform::ELanguage::English:
        break;
    }
    return kEnglishTexts;
}

// The person's questions never come up here; were one to, it is answered No.
class CNoPrompts : public IEditorPrompts {
public:
    uint8_t MessageBox(QWidget*, int, const std::string& strText) override
    {
        std::fprintf(stderr, "vimble-manualpics: the editor asked: %s\n", strText.c_str());
        return MB_RESULT_NO;
    }
    bool ChooseFile(QWidget*, const std::string&, const std::string&, const std::string&, int,
                    std::string*) override
    {
        return false;
    }
};

// Lets the windows settle: timers that unfold menus and draw previews run meanwhile.
void Settle(int nMs)
{
    QDeadlineTimer deadline(nMs);
    while (!deadline.hasExpired())
        QTest::qWait(10);
}

bool g_bFailed = false;

void Save(QWidget& window, const QString& folder, const char* name)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(name) + ".png");
    const QImage picture = window.grab().toImage();
    if (picture.isNull() || !picture.save(path)) {
        std::fprintf(stderr, "vimble-manualpics: %s: cannot be written\n", qPrintable(path));
        g_bFailed = true;
    }
}

// The private home: settings naming the build's library and data, the mail options filled in
// for a made-up person, a few contacts with birthdays.
void MakeHome(const QString& root, const QString& resources, const QString& data)
{
    for (const char* sub : {"home", "config", "data", "cache", "runtime", "system"})
        QDir(root).mkpath(sub);
    QFile::setPermissions(root + "/runtime",
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("HOME", qPrintable(root + "/home"), 1);
    setenv("XDG_CONFIG_HOME", qPrintable(root + "/config"), 1);
    setenv("XDG_CONFIG_DIRS", qPrintable(root + "/system"), 1);
    setenv("XDG_DATA_HOME", qPrintable(root + "/data"), 1);
    setenv("XDG_CACHE_HOME", qPrintable(root + "/cache"), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(root + "/runtime"), 1);
    // No keyring, no sound card and no microphone of the machine's own take part.
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    QSettings settings(root + "/config/Kelbrant/Vimble e-mail.conf", QSettings::IniFormat);
    settings.beginGroup("1.00");
    settings.setValue("DllPath", resources);
    settings.setValue("DataFiles1", data);
    settings.setValue("ExportFiles", root + "/home");
    settings.setValue("PlayAvi", 0);
    settings.setValue("MailServer", "smtp.example.org:587");
    settings.setValue("MailAddress", "you@example.org");
    settings.setValue("MailSecurity", 1);
    settings.setValue("MailUser", "you@example.org");
    settings.endGroup();
    settings.sync();

    QDir(root + "/data").mkpath("vimble-email");
    QFile contacts(root + "/data/vimble-email/contacts.vcf");
    if (contacts.open(QIODevice::WriteOnly)) {
        contacts.write("BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Grandma Rose\r\n"
                       "EMAIL:rose@example.org\r\nBDAY:--03-21\r\nEND:VCARD\r\n"
                       "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Mia Sommer\r\n"
                       "EMAIL:mia@example.org\r\nBDAY:1990-05-17\r\nEND:VCARD\r\n"
                       "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Tom Berger\r\n"
                       "EMAIL:tom@example.net\r\nEND:VCARD\r\n");
    }
}

// Two planned greetings: one for a day, one every year on a birthday.
void PlanGreetings(const std::string& greeting)
{
    std::string reason;
    CContactBook contacts;
    const std::time_t now = std::time(nullptr);
    COutboxEntry form;
    form.m_strFrom = "you@example.org";
    form.m_strServer = "smtp.example.org:587";
    form.m_nSecurity = 1;
    form.m_strSubject = g_pTexts->szSubject;
    form.m_strText = g_pTexts->szPlanned;
    // Nine days from now at six in the evening.
    std::tm day{};
    const std::time_t later = now + 9 * 86400;
    localtime_r(&later, &day);
    day.tm_hour = 18;
    day.tm_min = 0;
    day.tm_sec = 0;
    day.tm_isdst = -1;
    std::vector<std::string> ids, skipped;
    contacts.Load(ContactsPath(), skipped, reason);
    if (!ScheduleGreeting(OutboxPath(), form, "tom@example.net", greeting, std::mktime(&day),
                          false, contacts, now, ids, reason)
        || !ScheduleGreeting(OutboxPath(), form, "mia@example.org", greeting, 0, true, contacts,
                             now, ids, reason)) {
        std::fprintf(stderr, "vimble-manualpics: the outbox: %s\n", reason.c_str());
        g_bFailed = true;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::string code = argc == 5 ? argv[4] : "en";
    platform::ELanguage language = platform::ELanguage::English;
    for (platform::ELanguage each : platform::kTranslatedLanguages)
        if (code == platform::LanguageCode(each))
            language = each;
    if ((argc != 4 && argc != 5) || code != platform::LanguageCode(language)) {
        std::fprintf(stderr, "usage: vimble-manualpics RESOURCE_DIR DATA_DIR OUT_DIR "
                             "[en|de|fr|es|pl|ru|ja]\n");
        return 2;
    }
    const QString resources = QString::fromLocal8Bit(argv[1]);
    const QString data = QString::fromLocal8Bit(argv[2]);
    const QString out = QString::fromLocal8Bit(argv[3]);
    // The pictures look the same on every machine: off screen, at one scale.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    unsetenv("QT_SCALE_FACTOR");
    QTemporaryDir root;
    if (!root.isValid() || !QDir().mkpath(out)) {
        std::fprintf(stderr, "vimble-manualpics: no private folder, or %s cannot be made\n",
                     argv[3]);
        return 1;
    }
    MakeHome(root.path(), resources, data);
    QApplication application(argc, argv);
    translations::InstallTranslators(language);
    g_pTexts = &TextsOf(language);

    CEditorApp app(root.path().toStdString() + "/runtime/lock");
    if (app.InitInstance(CRect{0, 0, 1024, 768}) != CEditorApp::startRunning) {
        std::fprintf(stderr, "vimble-manualpics: the editor does not start with %s and %s\n",
                     argv[1], argv[2]);
        return 1;
    }
    CNoPrompts prompts;
    IEditorPrompts* previous = SetEditorPrompts(&prompts);

    const std::string greeting = root.path().toStdString() + "/home/Happy Birthday.kel";
    if (!platform::CopyFileTo(data.toStdString() + "/samples/Happy Birthday.kel", greeting)) {
        std::fprintf(stderr, "vimble-manualpics: no sample greeting in %s\n", argv[2]);
        return 1;
    }
    PlanGreetings(greeting);
    {
        CEditorDialog editor;
        editor.resize(800, 600);
        editor.show();
        if (!QTest::qWaitForWindowExposed(&editor) || !editor.OpenProjectFile(greeting)) {
            std::fprintf(stderr, "vimble-manualpics: the sample greeting does not open\n");
            return 1;
        }
        Settle(150);
        Save(editor, out, "editor");

        editor.OnCommand(ID_WND_VIEW);
        if (CDropDownMenu* menu = editor.GetMenu(MENU_VIEW))
            if (!QTest::qWaitFor([menu] { return menu->IsUnfolded(); }, 5000))
                std::fprintf(stderr, "vimble-manualpics: the View menu does not unfold\n");
        Settle(50);
        Save(editor, out, "view-menu");
        editor.OnCommand(ID_WND_VIEW);

        editor.OnCommand(ID_VIEW_LIBRARIES);
        if (auto* browser = editor.findChild<CLibraryBrowser*>()) {
            browser->ShowPage(CLibraryBrowser::pageBackgrounds);
            browser->SetCategory(CLibraryBrowser::kAllCategories);
            Settle(200);
            Save(editor, out, "library");
            browser->close();
        }
        Settle(100);

        editor.SetLayerManagerRunner([&](CLayerManagerDlg& dlg) {
            dlg.show();
            if (dlg.ObjectList()->count() > 0)
                dlg.ObjectList()->setCurrentRow(0);
            if (dlg.EffectList()->count() > 0)
                dlg.EffectList()->setCurrentRow(0);
            Settle(150);
            Save(dlg, out, "layers");
            dlg.done(QDialog::Rejected);
        });
        editor.OpenLayerManager();

        {
            // A circle, as the library's effects page gives it, tested in the window.
            CEffectPropertiesDlg effect(editor.GetDoc(), true, &editor);
            for (const EffectKind& kind : EffectKinds()) {
                if (kind.m_nType != 20)
                    continue;
                effect.m_nType = kind.m_nType;
                effect.m_fP1 = kind.m_fParam1;
                effect.m_fP2 = kind.m_fParam2;
                effect.m_fP3 = kind.m_fParam3;
                effect.m_nDuration = effect.m_nDurationCopy = kind.m_nDuration;
                break;
            }
            effect.show();
            Settle(100);
            if (CMyBitmapButton* test = effect.Button(IDC_EP_TEST))
                QTest::mouseClick(test, Qt::LeftButton, {}, test->rect().center());
            Settle(600);
            Save(effect, out, "effect");
            effect.done(QDialog::Rejected);
        }

        editor.SetSendDialogRunner([&](CSendMailDlg& dlg) {
            dlg.show();
            dlg.Field(IDC_SM_TO)->setText("Mia Sommer <mia@example.org>, tom@example.net");
            dlg.Field(IDC_SM_SUBJECT)->setText(QString::fromUtf8(g_pTexts->szSubject));
            if (auto* text = dlg.findChild<QPlainTextEdit*>())
                text->setPlainText(QString::fromUtf8(g_pTexts->szMessage));
            // The line under the message says its size once it has been worked out.
            for (QLabel* line : dlg.findChildren<QLabel*>())
                if (line->accessibleName()
                    == QCoreApplication::translate("CSendMailDlg", "Size of the message"))
                    if (!QTest::qWaitFor(
                            [line] { return !line->text().endsWith(QChar(0x2026)); }, 60000))
                        std::fprintf(stderr, "vimble-manualpics: the size stays unknown\n");
            Settle(100);
            Save(dlg, out, "send");

            CMailOptionsDlg options(0, &dlg);
            options.m_strServer = "smtp.example.org:587";
            options.m_strAddress = "you@example.org";
            options.m_nSecurity = 1;
            options.m_strUser = "you@example.org";
            options.show();
            Settle(150);
            Save(options, out, "options");
            options.done(QDialog::Rejected);
            dlg.done(QDialog::Rejected);
        });
        editor.OpenSendDialog();

        {
            CRecorderDlg recorder(&editor);
            recorder.show();
            Settle(200);
            Save(recorder, out, "recorder");
            recorder.done(QDialog::Rejected);
        }

        editor.SetContactsRunner([&](CContactsDlg& dlg) {
            dlg.show();
            if (auto* list = dlg.findChild<QListWidget*>(); list != nullptr && list->count() > 1)
                list->setCurrentRow(1);
            Settle(150);
            Save(dlg, out, "contacts");
            dlg.done(QDialog::Rejected);
        });
        editor.OpenContacts();

        editor.SetOutboxRunner([&](COutboxDlg& dlg) {
            dlg.show();
            if (auto* list = dlg.findChild<QListWidget*>(); list != nullptr && list->count() > 0)
                list->setCurrentRow(0);
            Settle(150);
            Save(dlg, out, "outbox");
            dlg.done(QDialog::Rejected);
        });
        editor.OpenOutbox();

        editor.CloseProject(true);
    }
    SetEditorPrompts(previous);
    return g_bFailed ? 1 : 0;
}
