#include "tests/dialogs/box_answerer.h"

#include "dialogs/messagesink.h"
#include "dialogs/prompts.h"
#include "platform/message.h"
#include "platform/strings.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <thread>

namespace {

// Installs a sink for one test.
class MessageSink : public testing::Test {
protected:
    void SetUp() override { m_pPrevious = platform::SetMessageSink(&m_sink); }
    void TearDown() override { platform::SetMessageSink(m_pPrevious); }

    CMessageBoxSink m_sink;
    platform::IMessageSink* m_pPrevious = nullptr;
};

bool OnlyOkShows(CMessageBoxDlg* box)
{
    return !box->Skin().Button(IDC_MB_OK)->isHidden() && box->Skin().Button(IDC_MB_YES)->isHidden()
        && box->Skin().Button(IDC_MB_CANCEL)->isHidden();
}

} // namespace

TEST_F(MessageSink, ShowsTheResourceStringFollowedByTheDetailInAnOkBox)
{
    bool bOkOnly = false;
    CBoxAnswerer<CMessageBoxDlg> answerer([&](CMessageBoxDlg* box) {
        bOkOnly = OnlyOkShows(box);
        ClickButton(box, IDC_MB_OK);
    });
    platform::ShowMessage(platform::IDS_READ_ERROR, "card.kel: read error at byte 18");
    ASSERT_EQ(answerer.Answered(), 1);
    const std::string resource = platform::LoadResString(platform::IDS_READ_ERROR);
    ASSERT_FALSE(resource.empty());
    EXPECT_EQ(answerer.Text(), "   " + resource + "\ncard.kel: read error at byte 18");
    EXPECT_TRUE(bOkOnly);
}

TEST_F(MessageSink, LiteralTextsAndUnknownNumbersShowTheDetailOnly)
{
    EXPECT_EQ(CMessageBoxSink::BoxText({ 0, "Not a valid file!" }), "Not a valid file!");
    EXPECT_EQ(CMessageBoxSink::BoxText({ 987654, "detail" }), "detail");
    EXPECT_EQ(CMessageBoxSink::BoxText({ platform::IDS_MEMORY_ERROR, "" }),
        platform::LoadResString(platform::IDS_MEMORY_ERROR));
}

// A worker thread's message does not wait for the box: it is handed to the user-interface
// thread, which shows it when it next runs its events.
TEST_F(MessageSink, MessageFromAWorkerThreadIsShownOnTheInterfaceThread)
{
    CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_OK));
    std::thread worker([] { platform::ShowMessage(0, "sent from the mail worker"); });
    worker.join();
    EXPECT_EQ(answerer.Answered(), 0);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(answerer.Answered(), 1);
    EXPECT_EQ(answerer.Text(), "   sent from the mail worker");
}

// A message that comes while a box is open waits for that box instead of opening a box inside
// it; the same message raised again while it is shown (the box failing) opens no second box.
TEST_F(MessageSink, MessagesDuringABoxWaitAndTheBoxCannotRecurse)
{
    int nOpenAtOnce = 0;
    int nAnswered = 0;
    CBoxAnswerer<CMessageBoxDlg> answerer(
        [&](CMessageBoxDlg* box) {
            int open = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (qobject_cast<CMessageBoxDlg*>(widget) != nullptr && widget->isVisible())
                    ++open;
            nOpenAtOnce = std::max(nOpenAtOnce, open);
            if (++nAnswered == 1) {
                platform::ShowMessage(0, "first");
                platform::ShowMessage(0, "second");
            }
            ClickButton(box, IDC_MB_OK);
        },
        3);
    platform::ShowMessage(0, "first");
    EXPECT_EQ(answerer.Texts(), (std::vector<std::string> { "   first", "   second" }));
    EXPECT_EQ(nOpenAtOnce, 1);
    EXPECT_EQ(m_sink.ShownCount(), 2);
}

TEST(DialogPrompts, InstallPutsTheBoxBehindTheEditorsQuestionsAndUninstallRemovesIt)
{
    ASSERT_EQ(GetEditorPrompts(), nullptr);
    InstallDialogPrompts();
    ASSERT_NE(dynamic_cast<CDialogPrompts*>(GetEditorPrompts()), nullptr);
    {
        CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_NO));
        EXPECT_EQ(AskMessageBox(nullptr, MB_KIND_YESNOCANCEL, "Save the changes?"), MB_RESULT_NO);
        EXPECT_EQ(answerer.Text(), "   Save the changes?");
    }
    {
        CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_OK));
        platform::ShowMessage(0, "through the sink");
        EXPECT_EQ(answerer.Text(), "   through the sink");
    }
    UninstallDialogPrompts();
    EXPECT_EQ(GetEditorPrompts(), nullptr);
    platform::CMessageRecorder recorder;
    platform::ShowMessage(0, "after");
    EXPECT_EQ(recorder.m_messages.size(), 1u);
}
