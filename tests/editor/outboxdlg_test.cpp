// The outbox window: its rows say when, to whom, what and in what state; Don't send, Remove,
// Open and Send now act on the chosen row, Send now on a thread of its own; the File menu's
// row opens it.
#include "editor/main/editordlg.h"
#include "editor/windows/outboxdlg.h"
#include "mail/contacts.h"
#include "mail/outbox.h"
#include "platform/files.h"
#include "platform/message.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QLocale>
#include <QTest>

#include <sys/stat.h>

#include <cstdlib>
#include <optional>

namespace {

std::time_t At(const char* iso)
{
    std::time_t time = 0;
    EXPECT_TRUE(ParseIsoTime(iso, time)) << iso;
    return time;
}

std::vector<std::string> Rows(const QListWidget* list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i)
        rows.push_back(list->item(i)->text().toStdString());
    return rows;
}

class OutboxWindow : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        OpenEditor();
        if (HasFatalFailure())
            return;
        // The contacts file and the outbox are the test's own.
        const char* data = std::getenv("XDG_DATA_HOME");
        m_savedData = data != nullptr ? std::optional<std::string>(data) : std::nullopt;
        setenv("XDG_DATA_HOME", (m_strDir + "/data").c_str(), 1);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        m_strOutbox = OutboxPath();
        CContactBook contacts;
        CContact ann;
        ann.m_strName = "Ann Smith";
        ann.m_addresses = { "ann@x.test" };
        contacts.Add(ann);
        std::string reason;
        ASSERT_TRUE(contacts.Save(ContactsPath(), reason)) << reason;
        m_strProject = m_strDir + "/Hi.kel";
        const std::string bytes = "KEL greeting bytes";
        ASSERT_TRUE(platform::WriteWholeFile(m_strProject,
            std::span<const uint8_t>(
                reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size())));
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::system());
        if (m_savedData)
            setenv("XDG_DATA_HOME", m_savedData->c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
        CloseEditor();
    }

    // A plain greeting (no picture to draw) to `to`, due at `due`, then put in `state`.
    std::string Plan(const std::string& to, const char* due,
        OutboxState state = OutboxState::waiting, const std::string& subject = "Hi")
    {
        COutboxEntry form;
        form.m_strFrom = "me@x.test";
        form.m_strSubject = subject;
        form.m_strServer = "127.0.0.1:1";
        form.m_bPreview = false;
        std::vector<std::string> ids;
        std::string reason;
        EXPECT_TRUE(ScheduleGreeting(m_strOutbox, form, to, m_strProject, At(due), false,
            CContactBook(), At(due) - 86400, ids, reason))
            << reason;
        if (ids.empty())
            return {};
        COutboxEntry entry = Read(ids[0]);
        entry.m_state = state;
        if (state == OutboxState::sent)
            entry.m_lastSent = At(due) + 60;
        if (state == OutboxState::failed)
            entry.m_strLastReply = "550 no such user";
        EXPECT_TRUE(WriteOutboxEntry(entry, reason)) << reason;
        return ids[0];
    }
    COutboxEntry Read(const std::string& id)
    {
        COutboxEntry entry;
        std::string reason;
        EXPECT_TRUE(ReadOutboxEntry(m_strOutbox + "/" + id, entry, reason)) << reason;
        return entry;
    }
    std::unique_ptr<COutboxDlg> Open()
    {
        auto dlg = std::make_unique<COutboxDlg>(m_strOutbox, m_pEditor.get());
        dlg->show();
        return dlg;
    }
    bool Enabled(COutboxDlg& dlg, int nId) { return dlg.Button(nId)->isEnabled(); }

    std::optional<std::string> m_savedData;
    std::string m_strOutbox;
    std::string m_strProject;
};

TEST_F(OutboxWindow, rows_say_when_to_whom_what_and_in_what_state)
{
    {
        auto empty = Open();
        ASSERT_EQ(Rows(empty->List()),
            std::vector<std::string> {
                "Nothing is planned. Choose \"Send on\" in the send dialog." });
        EXPECT_FALSE(empty->List()->item(0)->flags() & Qt::ItemIsSelectable);
        EXPECT_FALSE(Enabled(*empty, IDC_OB_OPEN));
    }
    Plan("ann@x.test", "2026-12-24T08:00");
    Plan("bob@x.test", "2026-12-20T09:30", OutboxState::sent, "Old news");
    Plan("cy@x.test", "2026-12-25T10:00", OutboxState::failed);
    Plan("di@x.test", "2026-12-26T11:00", OutboxState::beingSent);
    const std::string broken = m_strOutbox + "/20261210-080000-Ab12Cd";
    ASSERT_EQ(mkdir(broken.c_str(), 0700), 0);
    ASSERT_TRUE(platform::WriteWholeFile(broken + "/entry", std::span<const uint8_t>()));

    auto dlg = Open();
    const std::vector<std::string> rows = Rows(dlg->List());
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0],
        "Sun 20 Dec 2026 09:30 \u00b7 bob@x.test \u00b7 Old news \u00b7 sent on Sun 20 Dec 2026 "
        "09:31");
    EXPECT_EQ(
        rows[1], "Thu 24 Dec 2026 08:00 \u00b7 Ann Smith <ann@x.test> \u00b7 Hi \u00b7 waiting");
    EXPECT_EQ(rows[2],
        "Fri 25 Dec 2026 10:00 \u00b7 cy@x.test \u00b7 Hi \u00b7 failed: 550 no such user");
    EXPECT_EQ(
        rows[3], "Sat 26 Dec 2026 11:00 \u00b7 di@x.test \u00b7 Hi \u00b7 perhaps sent: decide");
    EXPECT_EQ(rows[4].rfind("damaged: 20261210-080000-Ab12Cd: ", 0), 0u) << rows[4];
    EXPECT_EQ(dlg->List()->accessibleName(), "Planned greetings");
    Shoot(dlg.get(), "outbox.png");

    // Only what applies to the chosen row can be pressed: Send now, Don't send, Open, Remove.
    const std::vector<std::vector<bool>> expected = {
        { false, false, true, true }, // sent
        { true, true, true, false }, // waiting
        { true, false, true, true }, // failed
        { true, true, true, false }, // being sent
        { false, false, false, true }, // damaged
    };
    for (int row = 0; row < 5; ++row) {
        dlg->List()->setCurrentRow(row);
        const std::vector<bool> enabled
            = { Enabled(*dlg, IDC_OB_SENDNOW), Enabled(*dlg, IDC_OB_CANCEL),
                  Enabled(*dlg, IDC_OB_OPEN), Enabled(*dlg, IDC_OB_REMOVE) };
        EXPECT_EQ(enabled, expected[static_cast<size_t>(row)]) << rows[static_cast<size_t>(row)];
    }
    Click(dlg->Button(IDC_OB_REMOVE));
    EXPECT_FALSE(platform::FileExists(broken + "/entry"));
    EXPECT_EQ(dlg->List()->count(), 4);
}

TEST_F(OutboxWindow, dont_send_cancels_and_remove_takes_only_what_will_not_go)
{
    const std::string id = Plan("ann@x.test", "2026-12-24T08:00");
    auto dlg = Open();
    ASSERT_TRUE(dlg->Choose(id));
    EXPECT_FALSE(Enabled(*dlg, IDC_OB_REMOVE));
    Click(dlg->Button(IDC_OB_CANCEL));
    EXPECT_EQ(Read(id).m_state, OutboxState::cancelled);
    EXPECT_EQ(dlg->List()->currentItem()->text().toStdString(),
        "Thu 24 Dec 2026 08:00 \u00b7 Ann Smith <ann@x.test> \u00b7 Hi \u00b7 not sent");
    EXPECT_FALSE(Enabled(*dlg, IDC_OB_CANCEL));
    EXPECT_FALSE(Enabled(*dlg, IDC_OB_SENDNOW));
    Click(dlg->Button(IDC_OB_REMOVE));
    EXPECT_FALSE(platform::FileExists(m_strOutbox + "/" + id + "/entry"));
    EXPECT_EQ(Rows(dlg->List()),
        std::vector<std::string> { "Nothing is planned. Choose \"Send on\" in the send dialog." });
    EXPECT_EQ(dlg->GetMessage(), "");
}

TEST_F(OutboxWindow, open_hands_the_greeting_file_to_the_editor)
{
    const std::string id = Plan("ann@x.test", "2026-12-24T08:00");
    auto dlg = Open();
    std::vector<std::string> opened;
    dlg->SetOpener([&](const std::string& path) { opened.push_back(path); });
    ASSERT_TRUE(dlg->Choose(id));
    // Return on the chosen row opens it, as the button does.
    QTest::keyClick(dlg->List(), Qt::Key_Return);
    ASSERT_EQ(opened, std::vector<std::string> { m_strOutbox + "/" + id + "/Hi.kel" });
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(OutboxWindow, send_now_of_one_perhaps_sent_asks_first)
{
    const std::string id = Plan("di@x.test", "2026-12-26T11:00", OutboxState::beingSent);
    auto dlg = Open();
    ASSERT_TRUE(dlg->Choose(id));
    Click(dlg->Button(IDC_OB_SENDNOW)); // answered No
    ASSERT_EQ(m_answers.m_questions,
        std::vector<std::string> {
            "The mail server may have this greeting already. Send it again?" });
    EXPECT_EQ(m_answers.m_nLastKind, MB_KIND_YESNO);
    EXPECT_FALSE(dlg->IsSending());
    EXPECT_EQ(Read(id).m_state, OutboxState::beingSent);
    EXPECT_TRUE(dlg->LastReport().lines.empty());
}

TEST_F(OutboxWindow, send_now_runs_beside_the_window_and_comes_back_to_wait_for_a_retry)
{
    const std::string id = Plan("ann@x.test", "2026-12-24T08:00");
    auto dlg = Open();
    const std::time_t now = At("2026-12-24T09:00");
    dlg->SetClock([now] { return now; });
    platform::CMessageRecorder messages;
    ASSERT_TRUE(dlg->Choose(id));
    Click(dlg->Button(IDC_OB_SENDNOW));
    // The answer comes through the window's events: until they run, the window is sending,
    // says so and offers nothing to press.
    EXPECT_TRUE(dlg->IsSending());
    EXPECT_NE(
        dlg->List()->currentItem()->text().toStdString().find("being sent now"), std::string::npos);
    for (int nId : { IDC_OB_SENDNOW, IDC_OB_CANCEL, IDC_OB_OPEN, IDC_OB_REMOVE, IDC_OB_CLOSE })
        EXPECT_FALSE(Enabled(*dlg, nId)) << nId;
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_TRUE(dlg->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!dlg->IsSending(), 30000);

    ASSERT_EQ(dlg->LastReport().lines.size(), 1u);
    EXPECT_EQ(dlg->LastReport().lines[0].strOutcome, "retry")
        << dlg->LastReport().lines[0].strReason;
    const COutboxEntry entry = Read(id);
    EXPECT_EQ(entry.m_state, OutboxState::waiting);
    EXPECT_EQ(entry.m_nextTry, now + 5 * 60);
    // The row waits for the retry, five minutes on.
    EXPECT_EQ(dlg->List()->currentItem()->text().toStdString(),
        "Thu 24 Dec 2026 09:05 \u00b7 Ann Smith <ann@x.test> \u00b7 Hi \u00b7 waiting to try again");
    EXPECT_TRUE(Enabled(*dlg, IDC_OB_SENDNOW));
    EXPECT_TRUE(Enabled(*dlg, IDC_OB_CLOSE));
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_NE(dlg->GetMessage().find("tried again on Thu 24 Dec 2026 09:05"), std::string::npos)
        << dlg->GetMessage();
}

TEST_F(OutboxWindow, the_file_menu_row_opens_it_and_the_editor_opens_its_greeting)
{
    std::string path;
    {
        COutboxEntry form;
        form.m_strFrom = "me@x.test";
        form.m_strServer = "127.0.0.1:1";
        std::vector<std::string> ids;
        std::string reason;
        const std::string greeting = CopySampleGreeting(m_strDir, "Birthday.kel");
        ASSERT_TRUE(ScheduleGreeting(m_strOutbox, form, "ann@x.test", greeting,
            At("2026-12-24T08:00"), false, CContactBook(), At("2026-12-23T08:00"), ids, reason))
            << reason;
        path = m_strOutbox + "/" + ids[0] + "/Birthday.kel";
    }
    int opened = 0;
    m_pEditor->SetOutboxRunner([&](COutboxDlg& dlg) {
        ++opened;
        EXPECT_TRUE(dlg.isModal());
        EXPECT_EQ(dlg.windowTitle(), "Outbox");
        for (int nId : { IDC_OB_SENDNOW, IDC_OB_CANCEL, IDC_OB_OPEN, IDC_OB_REMOVE, IDC_OB_CLOSE })
            EXPECT_FALSE(dlg.Button(nId)->accessibleName().isEmpty()) << nId;
        EXPECT_EQ(dlg.Button(IDC_OB_CLOSE)->accessibleName(), "Close");
        dlg.show();
        dlg.List()->setCurrentRow(0);
        Click(dlg.Button(IDC_OB_OPEN));
    });
    CDropDownMenu* file = m_pEditor->GetMenu(MENU_FILE);
    ASSERT_NE(FindButton(file, ID_FILE_OUTBOX), nullptr);
    Click(m_pEditor->GetWindowButton(ID_WND_FILE));
    ASSERT_TRUE(QTest::qWaitFor([file] { return file->IsUnfolded(); }, 2000));
    Click(FindButton(file, ID_FILE_OUTBOX));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(m_pEditor->GetPath(), path);
}

} // namespace
