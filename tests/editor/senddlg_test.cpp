// Sending from the editor as a person does it: the send dialog with its fields, switches, the
// address book and the mail options; Send refuses what cannot go and keeps everything typed,
// and otherwise hands the worker a private copy of the greeting as it is in the editor; the
// editor's host shows the result in the large box; the export writes a self-playing file.
#include "editor/core/mailhost.h"
#include "editor/core/mailsettings.h"
#include "editor/main/maintoolbar.h"
#include "editor/main/outboxrunner.h"
#include "editor/windows/fileprogressdlg.h"
#include "editor/windows/mailoptionsdlg.h"
#include "editor/windows/picklistdlg.h"
#include "editor/windows/recorderdlg.h"
#include "editor/windows/senddlg.h"
#include "mail/addressbook.h"
#include "mail/bundle.h"
#include "mail/contacts.h"
#include "mail/mailthread.h"
#include "mail/outbox.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "platform/secret.h"
#include "tests/buildpaths.h"
#include "tests/mail/silent_port.h"
#include "tests/editor/window_helpers.h"
#include "tests/model/fixtures.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTimeEdit>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>

#include <arpa/inet.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <netinet/in.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr QPoint kView(240, 194);

void SetSetting(const QString& name, const QString& value)
{
    QSettings settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
    settings.beginGroup("1.00");
    if (value.isNull())
        settings.remove(name);
    else
        settings.setValue(name, value);
}

// No session bus, so no keyring, as on a desktop without one; the environment comes back after.
class CNoKeyring {
public:
    CNoKeyring()
    {
        for (const char* name : { "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR" }) {
            const char* value = std::getenv(name);
            m_kept.emplace_back(name, value != nullptr ? std::optional<std::string>(value)
                                                       : std::nullopt);
            ::unsetenv(name);
        }
        ForgetSessionMailPasswords();
    }
    ~CNoKeyring()
    {
        ForgetSessionMailPasswords();
        for (const auto& [name, value] : m_kept)
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_kept;
};

// The user's settings file, as bytes.
std::string UserSettingsText()
{
    QSettings settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
    settings.sync();
    QFile file(settings.fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The pointer coming onto a control, as the window system tells it.
void Hover(QWidget* widget)
{
    QEnterEvent enter(QPointF(2, 2), widget->mapTo(widget->window(), QPointF(2, 2)),
        widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &enter);
}

// ---------------------------------------------------------------------------------------------
// The mail options

class MailOptions : public CWithResources { };

TEST_F(MailOptions, start_with_the_address_to_type_and_switch_to_the_server_and_back)
{
    CMailOptionsDlg dlg(0, nullptr);
    dlg.m_strServer = "mail.example.org";
    dlg.m_strAddress = "me@example.org";
    dlg.show();
    EXPECT_EQ(dlg.size(), QSize(286, 331));
    EXPECT_EQ(dlg.Field(IDC_MO_SERVER)->text(), "mail.example.org");
    EXPECT_EQ(dlg.Field(IDC_MO_ADDRESS)->text(), "me@example.org");
    EXPECT_EQ(dlg.Field(IDC_MO_SERVER)->geometry(), QRect(11, 6, 170, 18));
    EXPECT_EQ(dlg.Field(IDC_MO_ADDRESS)->geometry(), QRect(11, 37, 170, 18));
    auto look = [&] {
        return std::make_tuple(dlg.Field(IDC_MO_SERVER)->isReadOnly(),
            dlg.Field(IDC_MO_ADDRESS)->isReadOnly(),
            dlg.Button(IDC_MO_EDIT_SERVER)->HasPressedLook(),
            dlg.Button(IDC_MO_EDIT_ADDRESS)->HasPressedLook());
    };
    const auto start = look();
    EXPECT_EQ(start, std::make_tuple(true, false, false, true));
    Click(dlg.Button(IDC_MO_EDIT_SERVER));
    EXPECT_EQ(look(), std::make_tuple(false, true, true, false));
    Click(dlg.Button(IDC_MO_EDIT_ADDRESS));
    EXPECT_EQ(look(), start);
    EXPECT_EQ(dlg.Skin().ToolTip()->GetText(dlg.Button(IDC_MO_EDIT_ADDRESS)),
        platform::LoadResString(10075));
    EXPECT_EQ(dlg.Skin().ToolTip()->GetText(dlg.Button(IDC_MO_EDIT_SERVER)),
        platform::LoadResString(10076));
    EXPECT_EQ(dlg.Skin().ToolTip()->GetText(dlg.Button(IDC_MO_OK)), platform::LoadResString(10077));
    EXPECT_EQ(
        dlg.Skin().ToolTip()->GetText(dlg.Button(IDC_MO_CANCEL)), platform::LoadResString(10078));
    Shoot(&dlg, "mail_options.png");

    // Another start mode begins with the server.
    CMailOptionsDlg server(1, nullptr);
    server.show();
    EXPECT_FALSE(server.Field(IDC_MO_SERVER)->isReadOnly());
    EXPECT_TRUE(server.Field(IDC_MO_ADDRESS)->isReadOnly());
    EXPECT_TRUE(server.Button(IDC_MO_EDIT_SERVER)->HasPressedLook());
}

TEST_F(MailOptions, cancel_keeps_both_texts_even_after_editing_both_and_ok_takes_them)
{
    CMailOptionsDlg dlg(0, nullptr);
    dlg.m_strServer = "old.example.org";
    dlg.m_strAddress = "old@example.org";
    dlg.show();
    dlg.Field(IDC_MO_ADDRESS)->setText("new@example.org");
    Click(dlg.Button(IDC_MO_EDIT_SERVER));
    dlg.Field(IDC_MO_SERVER)->setText("new.example.org");
    Click(dlg.Button(IDC_MO_CANCEL));
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.m_strServer, "old.example.org");
    EXPECT_EQ(dlg.m_strAddress, "old@example.org");

    CMailOptionsDlg ok(0, nullptr);
    ok.show();
    ok.Field(IDC_MO_ADDRESS)->setText("  me@example.org ");
    Click(ok.Button(IDC_MO_EDIT_SERVER));
    ok.Field(IDC_MO_SERVER)->setText("smtp.example.org:587");
    Click(ok.Button(IDC_MO_OK));
    EXPECT_EQ(ok.result(), QDialog::Accepted);
    EXPECT_EQ(ok.m_strServer, "smtp.example.org:587");
    EXPECT_EQ(ok.m_strAddress, "me@example.org");
}

TEST_F(MailOptions, the_protection_follows_the_port_until_one_is_chosen)
{
    CMailOptionsDlg dlg(1, nullptr);
    dlg.m_strServer = "smtp.example.org:587";
    dlg.show();
    auto shown = [&] {
        return std::make_tuple(dlg.Button(IDC_MO_SEC_PLAIN)->HasPressedLook(),
            dlg.Button(IDC_MO_SEC_STARTTLS)->HasPressedLook(),
            dlg.Button(IDC_MO_SEC_TLS)->HasPressedLook());
    };
    EXPECT_EQ(shown(), std::make_tuple(false, true, false));
    dlg.Field(IDC_MO_SERVER)->setText("smtp.example.org:465");
    EXPECT_EQ(shown(), std::make_tuple(false, false, true));
    dlg.Field(IDC_MO_SERVER)->setText("smtp.example.org");
    EXPECT_EQ(shown(), std::make_tuple(true, false, false));
    for (const auto& [nButton, nMode] : { std::pair { IDC_MO_SEC_TLS, 2 },
             std::pair { IDC_MO_SEC_PLAIN, 0 }, std::pair { IDC_MO_SEC_STARTTLS, 1 } }) {
        Click(dlg.Button(nButton));
        EXPECT_EQ(dlg.m_nSecurity, nMode);
    }
    // A chosen mode stays whatever port is typed.
    dlg.Field(IDC_MO_SERVER)->setText("smtp.example.org:465");
    EXPECT_EQ(shown(), std::make_tuple(false, true, false));
    for (int nId : { IDC_MO_SEC_PLAIN, IDC_MO_SEC_STARTTLS, IDC_MO_SEC_TLS, IDC_MO_PREVIEW,
             IDC_MO_PLAYER, IDC_MO_VIDEO, IDC_MO_GREETING })
        EXPECT_FALSE(dlg.Skin().ToolTip()->GetText(dlg.Button(nId)).empty()) << nId;
    for (int nId : { IDC_MO_VIDEO, IDC_MO_GREETING })
        EXPECT_FALSE(dlg.Button(nId)->accessibleName().isEmpty()) << nId;
    EXPECT_FALSE(dlg.SourceLine()->accessibleName().isEmpty());
    Click(dlg.Button(IDC_MO_OK));
    EXPECT_EQ(dlg.m_nSecurity, 1);
}

TEST_F(MailOptions, the_message_carries_the_picture_or_the_player_or_both_and_what_else_is_chosen)
{
    CMailOptionsDlg dlg(0, nullptr);
    dlg.show();
    auto choices = [&] {
        EXPECT_EQ(dlg.Button(IDC_MO_PREVIEW)->HasPressedLook(), dlg.m_bPreview);
        EXPECT_EQ(dlg.Button(IDC_MO_PLAYER)->HasPressedLook(), dlg.m_bAttachPlayer);
        EXPECT_EQ(dlg.Button(IDC_MO_VIDEO)->HasPressedLook(), dlg.m_bAttachVideo);
        EXPECT_EQ(dlg.Button(IDC_MO_GREETING)->HasPressedLook(), dlg.m_bAttachGreeting);
        return std::make_tuple(
            dlg.m_bPreview, dlg.m_bAttachPlayer, dlg.m_bAttachVideo, dlg.m_bAttachGreeting);
    };
    // The picture, the video and the greeting file go; the player only when asked for.
    EXPECT_EQ(choices(), std::make_tuple(true, false, true, true));
    Click(dlg.Button(IDC_MO_PLAYER));
    EXPECT_EQ(choices(), std::make_tuple(true, true, true, true));
    Click(dlg.Button(IDC_MO_PREVIEW)); // no picture: the player has to go
    EXPECT_EQ(choices(), std::make_tuple(false, true, true, true));
    Click(dlg.Button(IDC_MO_PLAYER)); // no player: the picture has to go
    EXPECT_EQ(choices(), std::make_tuple(true, false, true, true));
    Click(dlg.Button(IDC_MO_VIDEO));
    EXPECT_EQ(choices(), std::make_tuple(true, false, false, true));
    Click(dlg.Button(IDC_MO_GREETING));
    EXPECT_EQ(choices(), std::make_tuple(true, false, false, false));
    Click(dlg.Button(IDC_MO_VIDEO));
    Click(dlg.Button(IDC_MO_OK));
    EXPECT_EQ(choices(), std::make_tuple(true, false, true, false));
}

// Typing one's address fills in the server from the providers' table at once; a domain the
// table does not know is looked up on a worker thread (here at a name server that never
// answers, so the look-up ends with the guess), and its answer counts only for the address
// still typed. What the person typed into the server field is never replaced.
TEST_F(MailOptions, typing_an_address_fills_in_the_server_unless_the_person_typed_one)
{
    SetSetting("DataFiles1", QString::fromUtf8(built::kDataDir));
    CSilentUdpPort silent;
    ASSERT_NE(silent.Port(), 0);
    CMailDnsOptions dns;
    dns.m_strServer = "127.0.0.1";
    dns.m_nPort = silent.Port();
    dns.m_nTimeoutMs = 1000;
    // Events go on while the look-up runs; bounded well beyond its limit.
    auto waitFor = [](const std::function<bool()>& done) {
        for (int i = 0; i < 200 && !done(); ++i) {
            QApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return done();
    };

    CMailOptionsDlg dlg(0, nullptr);
    dlg.SetDnsOptions(dns);
    dlg.show();
    QLineEdit* server = dlg.Field(IDC_MO_SERVER);
    QLineEdit* typed = dlg.Field(IDC_MO_ADDRESS);
    typed->setText("Anna@GMail.com");
    EXPECT_EQ(server->text(), "smtp.gmail.com:465");
    EXPECT_EQ(dlg.m_nSecurity, 2);
    EXPECT_TRUE(dlg.Button(IDC_MO_SEC_TLS)->HasPressedLook());
    EXPECT_TRUE(dlg.SourceLine()->text().contains("Gmail"))
        << dlg.SourceLine()->text().toStdString();
    EXPECT_EQ(dlg.SourceLine()->accessibleDescription(), dlg.SourceLine()->text());
    EXPECT_TRUE(dlg.SourceLine()->toolTip().contains("https://support.google.com/"));
    Shoot(&dlg, "mail_options_found.png");
    // The last fill is still there: the next address fills again.
    typed->setText("anna@web.de");
    EXPECT_EQ(server->text(), "smtp.web.de:587");
    EXPECT_TRUE(dlg.Button(IDC_MO_SEC_STARTTLS)->HasPressedLook());

    // An unknown domain: the window says it is looking and goes on.
    typed->setText("anna@quiet.test");
    EXPECT_EQ(server->text(), "smtp.web.de:587");
    EXPECT_TRUE(dlg.SourceLine()->text().contains("quiet.test"));
    ASSERT_TRUE(waitFor([&] { return dlg.IsLookingUp(); }));
    // Another address meanwhile: the late answer for the first is dropped.
    typed->setText("anna@yahoo.com");
    EXPECT_EQ(server->text(), "smtp.mail.yahoo.com:465");
    std::this_thread::sleep_for(std::chrono::milliseconds(dns.m_nTimeoutMs + 200));
    QApplication::processEvents();
    EXPECT_FALSE(dlg.IsLookingUp());
    EXPECT_EQ(server->text(), "smtp.mail.yahoo.com:465");

    typed->setText("anna@quiet.test");
    ASSERT_TRUE(waitFor([&] { return dlg.IsLookingUp(); }));
    ASSERT_TRUE(waitFor([&] { return !dlg.IsLookingUp(); }));
    EXPECT_EQ(server->text(), "smtp.quiet.test:587");
    EXPECT_EQ(dlg.m_nSecurity, 1);
    EXPECT_TRUE(dlg.SourceLine()->text().startsWith("A guess"));
    Shoot(&dlg, "mail_options_guess.png");

    // The person's own server stays whatever address follows.
    Click(dlg.Button(IDC_MO_EDIT_SERVER));
    server->clear();
    QTest::keyClicks(server, "mail.my-own.test");
    EXPECT_TRUE(dlg.SourceLine()->text().isEmpty()) << "the guess no longer speaks for it";
    Click(dlg.Button(IDC_MO_EDIT_ADDRESS));
    typed->setText("anna@gmx.de");
    EXPECT_EQ(server->text(), "mail.my-own.test");
    typed->setText("anna@quiet.test");
    for (int i = 0; i < 30; ++i) {
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_FALSE(dlg.IsLookingUp());
    Click(dlg.Button(IDC_MO_OK));
    EXPECT_EQ(dlg.m_strServer, "mail.my-own.test");
    EXPECT_EQ(dlg.m_strAddress, "anna@quiet.test");
    SetSetting("DataFiles1", QString());
}

TEST_F(MailOptions, the_password_is_masked_starts_empty_and_only_ok_hands_it_on)
{
    CMailOptionsDlg dlg(0, nullptr);
    dlg.m_strUser = "anna";
    dlg.m_strPassword = "never shown";
    dlg.show();
    QLineEdit* password = dlg.Field(IDC_MO_PASSWORD);
    EXPECT_EQ(dlg.Field(IDC_MO_USER)->text(), "anna");
    EXPECT_EQ(dlg.Field(IDC_MO_USER)->geometry(), QRect(11, 108, 170, 18));
    EXPECT_EQ(password->geometry(), QRect(11, 139, 170, 18));
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_TRUE(password->text().isEmpty());
    password->setText("s3cret");
    dlg.Field(IDC_MO_USER)->setText(" anna.b ");
    Shoot(&dlg, "mail_options_login.png");
    Click(dlg.Button(IDC_MO_OK));
    EXPECT_EQ(dlg.m_strUser, "anna.b");
    EXPECT_EQ(dlg.m_strPassword, "s3cret");
    EXPECT_TRUE(password->text().isEmpty());

    CMailOptionsDlg cancelled(0, nullptr);
    cancelled.show();
    cancelled.Field(IDC_MO_PASSWORD)->setText("typed");
    Click(cancelled.Button(IDC_MO_CANCEL));
    EXPECT_TRUE(cancelled.m_strPassword.empty());

    // Asked for at the send, the password field is the one to type into.
    CMailOptionsDlg ask(0, nullptr);
    ask.AskForPassword("type it");
    ask.show();
    EXPECT_EQ(ask.Field(IDC_MO_PASSWORD)->placeholderText(), "type it");
}

// ---------------------------------------------------------------------------------------------
// The send dialog

class SendDialog : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        // A temporary directory of this test's own: the copies for the worker are counted
        // there, and tests in other processes make theirs meanwhile.
        m_strTmp = platform::MakeTempDirectory("senddlg");
        ASSERT_FALSE(m_strTmp.empty());
        m_tmpDir.emplace("TMPDIR", m_strTmp);
        SetSetting("MailServer", "mail.example.org");
        SetSetting("MailAddress", "me@example.org");
        OpenEditor();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(m_pEditor->NewProject());
    }
    void TearDown() override
    {
        for (const std::string& folder : m_folders) {
            std::error_code ec;
            fs::remove_all(folder, ec);
        }
        CloseEditor();
        for (const char* name :
            { "MailServer", "MailAddress", "DataFiles1", "MailSecurity", "MailUser", "MailPreview",
                "MailAttachPlayer", "MailAttachVideo", "MailAttachGreeting" })
            SetSetting(name, QString());
        m_tmpDir.reset();
        if (!m_strTmp.empty()) {
            std::error_code ec;
            fs::remove_all(m_strTmp, ec);
        }
    }
    // A send dialog over the editor, with the worker started by the test.
    std::unique_ptr<CSendMailDlg> Dialog()
    {
        auto dlg = std::make_unique<CSendMailDlg>(*m_pEditor);
        dlg->SetStarter([this](std::unique_ptr<CMailThread> thread) {
            ++m_nStarts;
            if (!m_bStart)
                return false;
            m_pStarted = std::move(thread);
            m_folders.push_back(m_pStarted->m_strOwnedFolder);
            return true;
        });
        dlg->show();
        return dlg;
    }
    void Type(CSendMailDlg& dlg, const std::string& to, const std::string& subject,
        const std::string& text)
    {
        dlg.Field(IDC_SM_TO)->setText(QString::fromStdString(to));
        dlg.Field(IDC_SM_SUBJECT)->setText(QString::fromStdString(subject));
        dlg.Text()->setPlainText(QString::fromStdString(text));
    }
    // Everything typed is still there.
    void ExpectKept(CSendMailDlg& dlg, const std::string& to)
    {
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.Field(IDC_SM_TO)->text().toStdString(), to);
        EXPECT_EQ(dlg.Field(IDC_SM_SUBJECT)->text().toStdString(), "Hello");
        EXPECT_EQ(dlg.Text()->toPlainText().toStdString(), "Happy day");
    }
    size_t SendFolders()
    {
        size_t n = 0;
        for (const auto& entry : fs::directory_iterator(platform::TempDirectory()))
            if (entry.path().filename().string().rfind("vimble-send-", 0) == 0)
                ++n;
        return n;
    }

    // Saves the project under path, as the save front would.
    bool SaveAs(const std::string& path)
    {
        m_answers.m_strFile = path;
        const bool bSaved = m_pEditor->SaveProjectAs();
        m_answers.m_strFile.clear();
        return bSaved;
    }

    std::string m_strTmp;
    std::optional<CScopedEnv> m_tmpDir;
    bool m_bStart = true;
    int m_nStarts = 0;
    std::unique_ptr<CMailThread> m_pStarted;
    std::vector<std::string> m_folders;
};

TEST_F(SendDialog, shows_its_fields_on_the_face_and_starts_from_the_kept_settings)
{
    auto dlg = Dialog();
    EXPECT_EQ(dlg->size(), QSize(438, 527));
    EXPECT_EQ(dlg->GetServer(), "mail.example.org");
    EXPECT_EQ(dlg->GetAddress(), "me@example.org");
    EXPECT_TRUE(dlg->focusWidget() == dlg->Field(IDC_SM_TO));
    for (CMyBitmapButton* button : dlg->Skin().Buttons())
        EXPECT_FALSE(dlg->Skin().ToolTip()->GetText(button).empty()) << button->GetText();
    Type(*dlg, "anna@example.org", "Hello", "Happy day");
    Shoot(dlg.get(), "send_dialog.png");
}

TEST_F(SendDialog, the_switches_flip_their_look_and_twice_is_back_to_off)
{
    auto dlg = Dialog();
    EXPECT_FALSE(dlg->IsPlayerOn());
    Click(dlg->Button(IDC_SM_PLAYER));
    EXPECT_TRUE(dlg->IsPlayerOn());
    EXPECT_TRUE(dlg->Button(IDC_SM_PLAYER)->HasPressedLook());
    Click(dlg->Button(IDC_SM_PLAYER));
    EXPECT_FALSE(dlg->IsPlayerOn());
    EXPECT_FALSE(dlg->Button(IDC_SM_PLAYER)->HasPressedLook());
    // "Voice mail" opens the recorder; closed without keeping, nothing goes and the look stays.
    int opened = 0;
    dlg->SetRecorderRunner([&](CRecorderDlg&) {
        ++opened;
        return false;
    });
    Click(dlg->Button(IDC_SM_VOICEMAIL));
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(dlg->Button(IDC_SM_VOICEMAIL)->HasPressedLook());
    EXPECT_TRUE(dlg->VoiceMessage().empty());
    EXPECT_FALSE(dlg->IsPlayerOn());
}

TEST_F(SendDialog, hovering_a_button_never_takes_the_focus_from_a_field)
{
    auto dlg = Dialog();
    dlg->Text()->setFocus();
    ASSERT_TRUE(dlg->focusWidget() == dlg->Text());
    Hover(dlg->Button(IDC_SM_SEND));
    EXPECT_TRUE(dlg->focusWidget() == dlg->Text());
    dlg->Field(IDC_SM_SUBJECT)->setFocus();
    Hover(dlg->Button(IDC_SM_CANCEL));
    EXPECT_TRUE(dlg->focusWidget() == dlg->Field(IDC_SM_SUBJECT));
    // Away from the fields the focus follows the pointer.
    dlg->Button(IDC_SM_OPTIONS)->setFocus();
    Hover(dlg->Button(IDC_SM_PLAYER));
    EXPECT_TRUE(dlg->focusWidget() == dlg->Button(IDC_SM_PLAYER));
}

TEST_F(SendDialog, a_picked_entry_replaces_all_recipients_and_no_choice_keeps_them)
{
    auto dlg = Dialog();
    dlg->Field(IDC_SM_TO)->setText("one@example.org, two@example.org");
    int nPickers = 0;
    std::string pick;
    dlg->SetPickerRunner([&](CPickListDlg& picker) {
        ++nPickers;
        EXPECT_EQ(picker.GetMode(), PICK_MODE_ADDRESS);
        if (pick.empty())
            return false;
        picker.m_nSelected = 0;
        picker.m_strSelected = pick;
        return true;
    });
    Click(dlg->Button(IDC_SM_ADDRESSES));
    EXPECT_EQ(nPickers, 1);
    EXPECT_EQ(dlg->Field(IDC_SM_TO)->text(), "one@example.org, two@example.org");
    pick = "Gr\u00E9gory <greg@example.org>";
    Click(dlg->Button(IDC_SM_ADDRESSES));
    EXPECT_EQ(dlg->Field(IDC_SM_TO)->text(), QString::fromUtf8("Grégory <greg@example.org>"));
}

TEST_F(SendDialog, the_options_change_the_settings_only_on_ok)
{
    auto dlg = Dialog();
    bool bOk = false;
    dlg->SetOptionsRunner([&](CMailOptionsDlg& options) {
        EXPECT_EQ(options.m_strServer, dlg->GetServer());
        options.m_strServer = "smtp.example.net:587";
        options.m_strAddress = "other@example.net";
        return bOk;
    });
    Click(dlg->Button(IDC_SM_OPTIONS));
    EXPECT_EQ(dlg->GetServer(), "mail.example.org");
    bOk = true;
    Click(dlg->Button(IDC_SM_OPTIONS));
    EXPECT_EQ(dlg->GetServer(), "smtp.example.net:587");
    EXPECT_EQ(dlg->GetAddress(), "other@example.net");
    // The next dialog starts from them.
    CSendMailDlg next(*m_pEditor);
    EXPECT_EQ(next.GetServer(), "smtp.example.net:587");
    EXPECT_EQ(next.GetAddress(), "other@example.net");
}

TEST_F(SendDialog, send_refuses_what_cannot_go_and_keeps_everything_typed)
{
    platform::CMessageRecorder messages;
    const size_t folders = SendFolders();
    auto dlg = Dialog();
    struct Case {
        std::string to, server, address, why;
    };
    const Case cases[] = {
        { "", "mail.example.org", "me@example.org", "Type whom" },
        { " , ; ", "mail.example.org", "me@example.org", "Type whom" },
        { "anna@example.org>, x", "mail.example.org", "me@example.org", "cannot be used" },
        { "anna@example.org\x01", "mail.example.org", "me@example.org", "cannot be used" },
        { "anna@example.org", "", "me@example.org", "mail server" },
        { "anna@example.org", "mail.example.org", "", "your e-mail address" },
        { "anna@example.org", "mail.example.org", "me@example.org, you@example.org", "sender" },
    };
    for (const Case& c : cases) {
        dlg->SetOptionsRunner([&](CMailOptionsDlg& options) {
            options.m_strServer = c.server;
            options.m_strAddress = c.address;
            return true;
        });
        Click(dlg->Button(IDC_SM_OPTIONS));
        Type(*dlg, c.to, "Hello", "Happy day");
        Click(dlg->Button(IDC_SM_SEND));
        EXPECT_NE(dlg->GetRefusal().find(c.why), std::string::npos)
            << c.to << " / " << c.server << " / " << c.address << ": " << dlg->GetRefusal();
        ExpectKept(*dlg, c.to);
    }
    EXPECT_EQ(m_nStarts, 0);
    EXPECT_EQ(messages.m_messages.size(), std::size(cases));
    EXPECT_EQ(SendFolders(), folders);
}

TEST_F(SendDialog, a_worker_that_does_not_start_leaves_no_copy_and_keeps_the_dialog)
{
    platform::CMessageRecorder messages;
    const size_t folders = SendFolders();
    auto dlg = Dialog();
    Type(*dlg, "anna@example.org", "Hello", "Happy day");
    m_bStart = false;
    Click(dlg->Button(IDC_SM_SEND));
    EXPECT_EQ(m_nStarts, 1);
    EXPECT_NE(dlg->GetRefusal().find("did not start"), std::string::npos);
    ExpectKept(*dlg, "anna@example.org");
    EXPECT_EQ(SendFolders(), folders);
}

TEST_F(SendDialog, send_hands_the_worker_a_private_copy_of_the_greeting_as_it_is_now)
{
    // A change not saved goes with the greeting; the user's own file is not touched.
    const std::string own = m_strDir + "/Party time.kel";
    ASSERT_TRUE(SaveAs(own));
    const std::vector<uint8_t> ownBytes = Bytes(own);
    m_pEditor->ChooseTool(TOOL_RECT);
    QTest::mousePress(m_pEditor.get(), Qt::LeftButton, {}, kView + QPoint(40, 40));
    QTest::mouseMove(m_pEditor.get(), kView + QPoint(80, 80));
    QTest::mouseRelease(m_pEditor.get(), Qt::LeftButton, {}, kView + QPoint(120, 100));
    ASSERT_EQ(Stage()->GetLayers()->GetCount(), 1);

    auto dlg = Dialog();
    Click(dlg->Button(IDC_SM_PLAYER));
    Type(*dlg, "anna@example.org; ben@example.org", "Gr\xC3\xBC\xC3\x9F" "e", "Line one\nLine two");
    Click(dlg->Button(IDC_SM_SEND));
    ASSERT_NE(m_pStarted, nullptr);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    const CMailThread& thread = *m_pStarted;
    EXPECT_EQ(thread.m_strTo, "anna@example.org; ben@example.org");
    EXPECT_EQ(thread.m_strSubject, "Gr\u00FC\u00DF" "e");
    EXPECT_EQ(thread.m_strText, "Line one\r\nLine two");
    EXPECT_EQ(thread.m_strServer, "mail.example.org");
    EXPECT_EQ(thread.m_strFrom, "me@example.org");
    EXPECT_TRUE(thread.m_bSendPlayer);
    EXPECT_EQ(thread.m_pHost, &CEditorMailHost::Get());
    // The copy is named like the project, in a folder only the user can enter.
    EXPECT_EQ(platform::FileNameOf(thread.m_strProjectPath), "Party time.kel");
    EXPECT_EQ(platform::DirectoryOf(thread.m_strProjectPath), thread.m_strOwnedFolder);
    struct stat st {};
    ASSERT_EQ(::stat(thread.m_strOwnedFolder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    std::unique_ptr<CAbstractMovie> copy;
    ASSERT_TRUE(OpenProject(thread.m_strProjectPath, copy));
    EXPECT_EQ(copy->GetFirstStage()->GetLayers()->GetCount(), 1);
    CloseProjectFiles(thread.m_strProjectPath);
    EXPECT_EQ(Bytes(own), ownBytes);
}

TEST_F(SendDialog, the_greetings_copy_is_written_on_the_file_worker_over_the_dialog)
{
    const std::string own = m_strDir + "/big.kel";
    {
        const std::string pictures = m_strDir + "/pictures";
        fs::create_directories(pictures);
        auto movie = fixtures::PicturesProject(pictures, 1, 4, 0, 0);
        fs::remove_all(pictures);
        ASSERT_TRUE(::SaveProject(*movie, own));
    }
    ASSERT_TRUE(m_pEditor->OpenProjectFile(own));
    const std::vector<uint8_t> ownBytes = Bytes(own);
    m_pEditor->SetFileProgressDelay(0);
    struct Seen {
        QWidget* pOver = nullptr;
        bool bModal = false;
        bool bWorking = false;
        QString name;
    } seen;
    m_pEditor->SetFileProgressObserver([this, &seen](CFileProgressDlg& progress) {
        seen.pOver = progress.parentWidget();
        seen.bModal = QApplication::activeModalWidget() == &progress;
        seen.bWorking = m_pEditor->IsFileWorkRunning();
        seen.name = progress.GetNameText();
    });

    auto dlg = Dialog();
    Type(*dlg, "anna@example.org", "Hello", "Happy day");
    Click(dlg->Button(IDC_SM_SEND));
    ASSERT_NE(m_pStarted, nullptr);
    // The progress window stood over the send dialog, not behind it, while the copy was written.
    EXPECT_EQ(seen.pOver, dlg.get());
    EXPECT_TRUE(seen.bModal);
    EXPECT_TRUE(seen.bWorking);
    EXPECT_EQ(seen.name, "Saving big.kel");
    EXPECT_FALSE(m_pEditor->IsFileWorkRunning());
    auto copy = ReadProjectFile(m_pStarted->m_strProjectPath);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetFirstStage()->GetLayers()->GetCount(), 1);
    EXPECT_EQ(Bytes(own), ownBytes);
}

TEST_F(SendDialog, a_second_send_while_one_runs_keeps_the_dialog_and_its_text)
{
    platform::CMessageRecorder messages;
    CMailThread running;
    g_pMailThread.store(&running);
    auto dlg = Dialog();
    Type(*dlg, "anna@example.org", "Hello", "Happy day");
    Click(dlg->Button(IDC_SM_SEND));
    g_pMailThread.store(nullptr);
    EXPECT_EQ(m_nStarts, 0);
    EXPECT_NE(dlg->GetRefusal().find("still being sent"), std::string::npos);
    ExpectKept(*dlg, "anna@example.org");
}

// ---------------------------------------------------------------------------------------------
// The editor's host and commands

TEST_F(SendDialog, the_file_menu_and_the_toolbar_open_the_send_dialog)
{
    int nOpened = 0;
    m_pEditor->SetSendDialogRunner([&](CSendMailDlg& dlg) {
        ++nOpened;
        EXPECT_TRUE(dlg.isModal());
    });
    EXPECT_TRUE(m_pEditor->IsCommandEnabled(ID_FILE_SENDMAIL));
    m_pEditor->OnCommand(ID_FILE_SENDMAIL);
    EXPECT_EQ(nOpened, 1);
    m_pEditor->GetToolbar()->SetSet(0);
    m_pEditor->OnCommand(ID_MTB_SET4); // the first set's send button
    EXPECT_EQ(nOpened, 2);
}

TEST_F(SendDialog, the_result_shows_in_the_large_box_and_the_worker_waits_for_it)
{
    CEditorMailHost& host = CEditorMailHost::Get();
    const uint64_t shown = host.ResultsShown();
    host.StartActivity();
    EXPECT_TRUE(m_pEditor->IsActivityRunning());
    // The making of the message shows as it goes, and is said to screen readers.
    std::thread([&] { host.ShowProgress("Drawing the greeting", 5, 10); }).join();
    for (int i = 0; i < 200 && m_pEditor->GetActivityPercent() != 50; ++i)
        QTest::qWait(10);
    EXPECT_EQ(m_pEditor->GetActivityPercent(), 50);
    EXPECT_TRUE(m_pEditor->accessibleDescription().contains("Drawing the greeting"));
    bool bReturned = false;
    std::thread worker([&] {
        host.StopActivity();
        host.ShowResult("Your greeting has been sent.", true, "");
        bReturned = true;
    });
    // The window's thread shows the box when its events run; the worker waits till then.
    for (int i = 0; i < 200 && host.ResultsShown() == shown; ++i)
        QTest::qWait(10);
    worker.join();
    EXPECT_TRUE(bReturned);
    EXPECT_EQ(host.ResultsShown(), shown + 1);
    ASSERT_FALSE(m_answers.m_questions.empty());
    EXPECT_EQ(m_answers.m_questions.back(), "Your greeting has been sent.");
    EXPECT_EQ(m_answers.m_nLastKind, MB_KIND_LARGE);
    EXPECT_FALSE(m_pEditor->IsActivityRunning());
    EXPECT_EQ(m_pEditor->GetActivityPercent(), -1);
}

TEST_F(SendDialog, a_worker_waiting_for_its_box_goes_on_when_the_window_goes)
{
    CEditorMailHost& host = CEditorMailHost::Get();
    std::atomic<bool> bReturned = false;
    std::thread worker([&] {
        host.ShowResult("late", false, "the server could not be reached");
        bReturned = true;
    });
    // The window goes before its events run: the box never shows, the worker is let go.
    QTest::qWait(20);
    CloseEditor();
    worker.join();
    EXPECT_TRUE(bReturned);
    // Without a window nothing is shown and nothing waits.
    host.StopActivity();
    host.ShowResult("after", true, "");
    OpenEditor();
}

TEST_F(SendDialog, export_writes_a_self_playing_file_that_asks_before_replacing)
{
    platform::CMessageRecorder messages;
    const std::string data = m_strDir + "/data";
    ASSERT_TRUE(fs::create_directories(data));
    SetSetting("DataFiles1", QString::fromStdString(data));
    // Without a player nothing is written.
    EXPECT_EQ(m_pEditor->ExportPlayer(), "");
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_NE(messages.m_messages[0].strText.find("play.exe"), std::string::npos);
    ASSERT_TRUE(platform::WriteWholeFile(data + "/play.exe", std::vector<uint8_t> { 'P', 'L', 'A', 'Y' }));
    ASSERT_TRUE(platform::WriteWholeFile(data + "/play.dat", std::vector<uint8_t> { 'D', 'A', 'T' }));
    ASSERT_TRUE(SaveAs(m_strDir + "/Happy Birthday.kel"));
    const std::string path = m_pEditor->ExportPlayer();
    EXPECT_EQ(path, m_strDir + "/Happy_Birthday.exe");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    CBundleTrailer trailer;
    ASSERT_TRUE(ReadBundleTrailer(path, trailer));
    EXPECT_TRUE(trailer.m_bWithData);
    EXPECT_EQ(trailer.m_nLength[0], 4u);
    EXPECT_EQ(trailer.m_nLength[1], 3u);
    EXPECT_EQ(trailer.m_strName, "Happy_Bi");
    // Asked before it is replaced: No keeps the file as it was.
    const std::vector<uint8_t> before = Bytes(path);
    ASSERT_TRUE(platform::WriteWholeFile(data + "/play.exe", std::vector<uint8_t> { 'N', 'E', 'W' }));
    EXPECT_EQ(m_pEditor->ExportPlayer(), "");
    EXPECT_EQ(Bytes(path), before);
    ASSERT_FALSE(m_answers.m_questions.empty());
    EXPECT_NE(m_answers.m_questions.back().find("Replace"), std::string::npos);
    EXPECT_FALSE(platform::FileExists(path + ".part"));
}

} // namespace

namespace {

TEST_F(SendDialog, the_login_and_the_message_choices_go_to_the_worker_and_never_the_password)
{
    CNoKeyring noKeyring;
    platform::CMessageRecorder messages;
    auto dlg = Dialog();
    dlg->SetOptionsRunner([&](CMailOptionsDlg& options) {
        EXPECT_EQ(options.m_nSecurity, -1);
        EXPECT_TRUE(options.m_bPreview);
        EXPECT_FALSE(options.m_bAttachPlayer);
        EXPECT_TRUE(options.m_bAttachVideo);
        EXPECT_TRUE(options.m_bAttachGreeting);
        options.m_strServer = "smtp.example.net:587";
        options.m_strUser = "anna";
        options.m_strPassword = "pa55 w0rd";
        options.m_bAttachVideo = false;
        return true;
    });
    Click(dlg->Button(IDC_SM_OPTIONS));
    // No keyring: the password is kept for this session only, and the person is told.
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_NE(messages.m_messages[0].strText.find("until the program ends"), std::string::npos);
    EXPECT_EQ(SessionMailPassword("smtp.example.net:587", "anna"), "pa55 w0rd");
    const std::string settings = UserSettingsText();
    EXPECT_NE(settings.find("MailUser=anna"), std::string::npos) << settings;
    EXPECT_NE(settings.find("MailAttachPlayer=0"), std::string::npos) << settings;
    EXPECT_NE(settings.find("MailAttachVideo=0"), std::string::npos) << settings;
    EXPECT_NE(settings.find("MailAttachGreeting=1"), std::string::npos) << settings;
    EXPECT_EQ(settings.find("pa55"), std::string::npos) << settings;

    Click(dlg->Button(IDC_SM_PLAYER));
    Type(*dlg, "ben@example.org", "Hello", "Happy day");
    Click(dlg->Button(IDC_SM_SEND));
    ASSERT_NE(m_pStarted, nullptr) << dlg->GetRefusal();
    EXPECT_EQ(m_pStarted->m_strServer, "smtp.example.net:587");
    EXPECT_EQ(m_pStarted->m_nSecurity, 1); // the port's
    EXPECT_EQ(m_pStarted->m_strUser, "anna");
    EXPECT_EQ(m_pStarted->m_strPassword, "pa55 w0rd");
    EXPECT_TRUE(m_pStarted->m_bPreview);
    EXPECT_FALSE(m_pStarted->m_bAttachVideo);
    EXPECT_TRUE(m_pStarted->m_bAttachGreeting);
    // "With player" asks for the self-playing attachment, with the player's data, although
    // the options leave it out by default.
    EXPECT_TRUE(m_pStarted->m_bAttachPlayer);
    EXPECT_TRUE(m_pStarted->m_bSendPlayer);

    // The next dialog starts from the kept choices.
    CSendMailDlg next(*m_pEditor);
    EXPECT_EQ(next.GetMailSettings().m_strUser, "anna");
    EXPECT_FALSE(next.GetMailSettings().m_bAttachPlayer);
    EXPECT_FALSE(next.GetMailSettings().m_bAttachVideo);
    EXPECT_TRUE(next.GetMailSettings().m_bAttachGreeting);
    EXPECT_EQ(next.GetMailSettings().Security(), 1);
}

TEST_F(SendDialog, without_a_keyring_the_send_asks_for_the_password_once_per_session)
{
    CNoKeyring noKeyring;
    platform::CMessageRecorder messages;
    SetSetting("MailUser", "anna");
    SetSetting("MailSecurity", "2");
    auto dlg = Dialog();
    Type(*dlg, "ben@example.org", "Hello", "Happy day");
    // Not given: nothing starts, everything typed stays.
    int nAsked = 0;
    dlg->SetOptionsRunner([&](CMailOptionsDlg& options) {
        ++nAsked;
        EXPECT_FALSE(options.GetPasswordNote().empty());
        return false;
    });
    Click(dlg->Button(IDC_SM_SEND));
    EXPECT_EQ(nAsked, 1);
    EXPECT_EQ(m_nStarts, 0);
    EXPECT_NE(dlg->GetRefusal().find("password"), std::string::npos);
    ExpectKept(*dlg, "ben@example.org");

    dlg->SetOptionsRunner([&](CMailOptionsDlg& options) {
        ++nAsked;
        options.m_strPassword = "typed at the send";
        return true;
    });
    Click(dlg->Button(IDC_SM_SEND));
    EXPECT_EQ(nAsked, 2);
    ASSERT_NE(m_pStarted, nullptr) << dlg->GetRefusal();
    EXPECT_EQ(m_pStarted->m_nSecurity, 2);
    EXPECT_EQ(m_pStarted->m_strPassword, "typed at the send");
    m_pStarted.reset();

    // The second greeting of the session goes without asking.
    auto second = Dialog();
    Type(*second, "ben@example.org", "Hello", "Happy day");
    second->SetOptionsRunner([&](CMailOptionsDlg&) {
        ++nAsked;
        return false;
    });
    Click(second->Button(IDC_SM_SEND));
    EXPECT_EQ(nAsked, 2);
    ASSERT_NE(m_pStarted, nullptr);
    EXPECT_EQ(m_pStarted->m_strPassword, "typed at the send");
    EXPECT_EQ(UserSettingsText().find("typed at"), std::string::npos);
}

} // namespace

// Before sending, the dialog says what goes in the message and about how large it is, and
// follows the options; the mail program needs no server or address.
TEST_F(SendDialog, says_what_the_message_carries_and_hands_it_to_the_mail_program)
{
    auto dlg = Dialog();
    const auto waitForEstimate = [&] {
        for (int i = 0; i < 3000 && !dlg->IsEstimateDone(); ++i)
            QTest::qWait(20);
        return dlg->SizeLine()->text().toStdString();
    };
    std::string line = waitForEstimate();
    for (const char* part : { "Picture ", "video with sound ", "greeting file ", "about " })
        EXPECT_NE(line.find(part), std::string::npos) << part << " in " << line;

    dlg->SetOptionsRunner([](CMailOptionsDlg& options) {
        options.m_strServer.clear();
        options.m_strAddress.clear();
        options.m_bAttachVideo = false;
        return true;
    });
    Click(dlg->Button(IDC_SM_OPTIONS));
    line = waitForEstimate();
    EXPECT_EQ(line.find("video"), std::string::npos) << line;
    EXPECT_NE(line.find("greeting file "), std::string::npos) << line;

    Type(*dlg, "anna@example.org", "Hello", "Happy day");
    Click(dlg->Button(IDC_SM_SEND));
    EXPECT_NE(dlg->GetRefusal().find("mail server"), std::string::npos) << dlg->GetRefusal();
    Click(dlg->Button(IDC_SM_MAILPROGRAM));
    EXPECT_TRUE(dlg->Button(IDC_SM_MAILPROGRAM)->HasPressedLook());
    Click(dlg->Button(IDC_SM_SEND));
    ASSERT_NE(m_pStarted, nullptr) << dlg->GetRefusal();
    EXPECT_TRUE(m_pStarted->m_bMailProgram);
    EXPECT_FALSE(m_pStarted->m_bAttachVideo);
    EXPECT_LE(m_pStarted->m_sendPressed, std::chrono::steady_clock::now());
    EXPECT_GT(m_pStarted->m_sendPressed, std::chrono::steady_clock::now() - std::chrono::seconds(30));
}

namespace {

// "Send on" puts the greeting into the outbox for its day instead of starting the worker; for
// one contact it offers their next birthday at 8:00; what cannot be planned is refused with
// nothing put in; "every year" needs each recipient's birthday.
TEST_F(SendDialog, planning_puts_the_greeting_in_the_outbox_for_its_day)
{
    CScopedEnv data("XDG_DATA_HOME", m_strTmp + "/data");
    CContactBook contacts;
    CContact ann;
    ann.m_strName = "Ann Smith";
    ann.m_addresses = { "ann@vimble.test" };
    ann.m_nBirthMonth = 5;
    ann.m_nBirthDay = 17;
    contacts.Add(ann);
    std::string reason;
    ASSERT_TRUE(contacts.Save(ContactsPath(), reason)) << reason;
    std::time_t now = 0, birthday = 0, chosen = 0;
    ASSERT_TRUE(ParseIsoTime("2027-01-10T12:00", now));
    ASSERT_TRUE(ParseIsoTime("2027-05-17T08:00", birthday));
    ASSERT_TRUE(ParseIsoTime("2027-02-01T09:30", chosen));
    platform::CMessageRecorder messages;

    auto dlg = Dialog();
    dlg->SetClock([now] { return now; });
    Type(*dlg, "ann@vimble.test", "Hello", "Happy day");
    EXPECT_FALSE(dlg->When()->isEnabled());
    Click(dlg->Button(IDC_SM_LATER));
    EXPECT_TRUE(dlg->IsLaterOn());
    EXPECT_TRUE(dlg->When()->isEnabled());
    EXPECT_EQ(dlg->When()->dateTime().toSecsSinceEpoch(), birthday);

    Click(dlg->Button(IDC_SM_MAILPROGRAM));
    Click(dlg->Button(IDC_SM_SEND));
    EXPECT_NE(dlg->GetRefusal().find("mail program"), std::string::npos) << dlg->GetRefusal();
    Click(dlg->Button(IDC_SM_MAILPROGRAM));
    dlg->When()->setDateTime(QDateTime::fromSecsSinceEpoch(now - 60));
    Click(dlg->Button(IDC_SM_SEND));
    EXPECT_NE(dlg->GetRefusal().find("still to come"), std::string::npos) << dlg->GetRefusal();
    ExpectKept(*dlg, "ann@vimble.test");
    std::vector<std::string> damaged;
    EXPECT_TRUE(ListOutbox(OutboxPath(), damaged).empty());

    dlg->When()->setDateTime(QDateTime::fromSecsSinceEpoch(chosen));
    Click(dlg->Button(IDC_SM_SEND));
    EXPECT_TRUE(dlg->GetRefusal().empty()) << dlg->GetRefusal();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(m_nStarts, 0);
    std::vector<COutboxEntry> planned = ListOutbox(OutboxPath(), damaged);
    ASSERT_EQ(planned.size(), 1u);
    EXPECT_EQ(planned[0].m_due, chosen);
    EXPECT_EQ(planned[0].m_strTo, "ann@vimble.test");
    EXPECT_EQ(planned[0].m_strSubject, "Hello");
    EXPECT_EQ(planned[0].m_strServer, "mail.example.org");
    EXPECT_FALSE(planned[0].m_bYearly);
    EXPECT_TRUE(IsProjectFile(planned[0].m_strFolder + "/" + planned[0].m_strProject));
    ASSERT_FALSE(messages.m_messages.empty());
    EXPECT_NE(messages.m_messages.back().strText.find("in the outbox"), std::string::npos);

    // Every year: Bob's birthday is not known, so nothing goes in; Ann's alone is planned.
    auto yearly = Dialog();
    yearly->SetClock([now] { return now; });
    Type(*yearly, "ann@vimble.test, bob@vimble.test", "Hello", "Happy day");
    Click(yearly->Button(IDC_SM_YEARLY));
    EXPECT_TRUE(yearly->IsLaterOn());
    EXPECT_FALSE(yearly->When()->isEnabled());
    Click(yearly->Button(IDC_SM_SEND));
    EXPECT_NE(yearly->GetRefusal().find("bob@vimble.test"), std::string::npos) << yearly->GetRefusal();
    EXPECT_EQ(ListOutbox(OutboxPath(), damaged).size(), 1u);
    // Turning "send on" off turns the yearly switch off too.
    Click(yearly->Button(IDC_SM_LATER));
    EXPECT_FALSE(yearly->IsYearlyOn());
    yearly->Field(IDC_SM_TO)->setText("ann@vimble.test");
    Click(yearly->Button(IDC_SM_YEARLY));
    Click(yearly->Button(IDC_SM_SEND));
    EXPECT_FALSE(yearly->isVisible());
    planned = ListOutbox(OutboxPath(), damaged);
    ASSERT_EQ(planned.size(), 2u);
    EXPECT_TRUE(planned[1].m_bYearly);
    EXPECT_EQ(planned[1].m_due, birthday);
}

// The editor sends what is due on a thread of its own and hears back on the window's; a login
// with no password kept is asked for once, and the password given is the one the next run uses.
TEST_F(SendDialog, the_editor_sends_what_is_due_and_asks_once_for_a_missing_password)
{
    CNoKeyring noKeyring;
    CScopedEnv data("XDG_DATA_HOME", m_strTmp + "/data");
    std::time_t now = 0;
    ASSERT_TRUE(ParseIsoTime("2027-01-10T12:00", now));
    const std::string project = m_strTmp + "/card.kel";
    ASSERT_TRUE(SaveAs(project));
    COutboxEntry form;
    form.m_strFrom = "me@example.org";
    form.m_strServer = "127.0.0.1:1"; // nobody listens: a send that tries fails at once
    form.m_strUser = "nobody-here-vimble-test";
    form.m_bPreview = false;
    std::vector<std::string> ids;
    std::string reason;
    ASSERT_TRUE(ScheduleGreeting(OutboxPath(), form, "ann@vimble.test", project, now - 60, false,
        CContactBook(), now - 3600, ids, reason))
        << reason;

    COutboxRunner runner;
    runner.m_clock = [now] { return now; };
    std::vector<std::string> outcomes;
    int asked = 0;
    runner.m_onReport = [&](const COutboxReport& report) {
        for (const auto& line : report.lines)
            outcomes.push_back(line.strOutcome);
    };
    runner.m_askPassword = [&](const std::string& server, const std::string& user) {
        ++asked;
        EXPECT_EQ(server, "127.0.0.1:1");
        EXPECT_EQ(user, "nobody-here-vimble-test");
    };
    auto waitForRun = [&](size_t count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (outcomes.size() < count && std::chrono::steady_clock::now() < deadline)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return outcomes.size() >= count;
    };
    runner.Start(60 * 60 * 1000);
    ASSERT_TRUE(waitForRun(1));
    EXPECT_EQ(outcomes[0], "needs password");
    EXPECT_EQ(asked, 1);
    ASSERT_TRUE(runner.RunNow());
    ASSERT_TRUE(waitForRun(2));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(outcomes[1], "needs password");
    SetSessionMailPassword("127.0.0.1:1", "nobody-here-vimble-test", "secret");
    ASSERT_TRUE(runner.RunNow());
    ASSERT_TRUE(waitForRun(3));
    EXPECT_EQ(outcomes[2], "retry"); // it got as far as the closed port
}

} // namespace

