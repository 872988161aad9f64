// The editor keeps the greeting being changed: a recovery copy after a pause and during a long
// run of changes, never while a dialog is open; saving or letting the changes go removes it, any
// other end leaves it; the copies an ended editor left open as the greeting they were; each save
// over a greeting keeps the version it replaced; a state folder that takes nothing is said once.
#include "editor/main/keeper.h"
#include "editor/windows/keptcopiesdlg.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "playback/keeping.h"
#include "tests/editor/window_helpers.h"
#include "tests/platform/scoped_env.h"

#include <QDialog>
#include <QListWidget>

#include <unistd.h>

namespace {

class Keeper : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_pState = std::make_unique<CScopedEnv>("XDG_STATE_HOME",
                                                m_dir.path().toStdString() + "/state");
        ASSERT_NO_FATAL_FAILURE(OpenEditor());
        CGreetingKeeper::Timing timing;
        timing.nQuietMs = 100;
        timing.nLongestMs = 400;
        timing.nRetryMs = 20;
        m_pEditor->Keeper().SetTiming(timing);
    }
    void TearDown() override
    {
        CloseEditor();
        m_pState.reset();
    }
    std::string Greeting(const std::string& name = "Greeting.kel")
    {
        return CopySampleGreeting(m_strDir, name);
    }
    COLORREF Colour() { return Stage()->m_pBackground->m_crColor; }
    void Change(COLORREF cr)
    {
        Stage()->m_pBackground->m_crColor = cr;
        m_pEditor->SetModified();
    }
    // Waits for the copy the keeper hands over next, and for it to be written.
    bool NextCopy(int nHanded)
    {
        CGreetingKeeper& keeper = m_pEditor->Keeper();
        return QTest::qWaitFor([&] { return keeper.Handed() > nHanded; }, 5000)
               && keeper.WaitUntilIdle(10000);
    }
    static COLORREF ColourOf(const std::string& project)
    {
        auto movie = ReadProjectFile(project);
        return movie ? movie->GetFirstStage()->m_pBackground->m_crColor : 0xFFFFFFFF;
    }
    // A copy left by an editor that ended, of a greeting with the background colour cr.
    keeping::RecoveryCopy LeftCopy(const std::string& original, COLORREF cr,
                                   int64_t nPid = 0x7FFFFFF0 /* no process runs under it */)
    {
        auto movie = ReadProjectFile(Greeting("source.kel"));
        EXPECT_NE(movie, nullptr);
        movie->GetFirstStage()->m_pBackground->m_crColor = cr;
        keeping::RecoveryAbout about;
        about.strId = keeping::NewRecoveryId();
        about.strName = original.empty() ? keeping::kUntitled : "Greeting";
        about.strOriginal = original;
        about.nPid = nPid;
        EXPECT_TRUE(keeping::WriteRecoveryCopy(about, StoreMovie(*movie, "source.kel")));
        for (const keeping::RecoveryCopy& copy : keeping::ListRecoveryCopies())
            if (copy.about.strId == about.strId)
                return copy;
        ADD_FAILURE() << "the copy is not listed";
        return {};
    }
    // The recovery window at the start, answered by pressing nButton on its first row.
    int OfferAndPress(int nButton)
    {
        int nRows = -1;
        m_pEditor->SetKeptCopiesRunner([&](CKeptCopiesDlg& dlg) {
            dlg.show();
            nRows = dlg.List()->count();
            Click(dlg.Button(nButton));
        });
        m_pEditor->OfferRecovery();
        return nRows;
    }

    std::unique_ptr<CScopedEnv> m_pState;
};

TEST_F(Keeper, a_copy_follows_a_pause_and_comes_during_a_long_run_of_changes)
{
    const std::string path = Greeting();
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    CGreetingKeeper& keeper = m_pEditor->Keeper();
    Change(0x010203);
    EXPECT_EQ(keeper.Handed(), 0) << "not at the change itself";
    ASSERT_TRUE(NextCopy(0));
    std::vector<keeping::RecoveryCopy> copies = keeping::ListRecoveryCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(copies[0].bReadable) << copies[0].strProblem;
    EXPECT_EQ(copies[0].about.strOriginal, path);
    EXPECT_EQ(copies[0].about.strName, "Greeting");
    EXPECT_EQ(copies[0].about.nPid, getpid());
    EXPECT_EQ(ColourOf(copies[0].strProject), 0x010203u);

    // Changes every 30 ms, never a pause of 100: the longest wait brings copies all the same.
    const int before = keeper.Handed();
    for (int i = 0; i < 40; ++i) {
        Change(0x100000 + i);
        QTest::qWait(30);
    }
    EXPECT_GE(keeper.Handed() - before, 2);
    // The last change comes after the pause.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !keeper.IsWaiting(); }, 5000));
    ASSERT_TRUE(keeper.WaitUntilIdle(10000));
    copies = keeping::ListRecoveryCopies();
    ASSERT_EQ(copies.size(), 1u) << "one copy for one greeting";
    EXPECT_EQ(ColourOf(copies[0].strProject), 0x100000u + 39);
    // The person's own file is never written by the keeper.
    EXPECT_EQ(ColourOf(path), ColourOf(Greeting("fresh.kel")));
}

TEST_F(Keeper, no_copy_is_taken_while_a_dialog_is_open)
{
    ASSERT_TRUE(m_pEditor->OpenProjectFile(Greeting()));
    QDialog dialog(m_pEditor.get());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    Change(0x0A0B0C);
    QTest::qWait(600); // past the quiet and the longest waits
    EXPECT_EQ(m_pEditor->Keeper().Handed(), 0);
    EXPECT_TRUE(m_pEditor->Keeper().IsWaiting());
    dialog.close();
    ASSERT_TRUE(NextCopy(0));
    EXPECT_EQ(keeping::ListRecoveryCopies().size(), 1u);
}

TEST_F(Keeper, saving_or_letting_the_changes_go_removes_the_copy_any_other_end_leaves_it)
{
    const std::string path = Greeting();
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    Change(0x111111);
    ASSERT_TRUE(NextCopy(0));
    ASSERT_EQ(keeping::ListRecoveryCopies().size(), 1u);
    ASSERT_TRUE(m_pEditor->SaveProject());
    ASSERT_TRUE(m_pEditor->Keeper().WaitUntilIdle(5000));
    EXPECT_TRUE(keeping::ListRecoveryCopies().empty()) << "saved";
    EXPECT_EQ(ColourOf(path), 0x111111u);

    Change(0x222222);
    ASSERT_TRUE(NextCopy(1));
    ASSERT_EQ(keeping::ListRecoveryCopies().size(), 1u);
    ASSERT_TRUE(m_pEditor->CloseProject(true)); // "Save the changes?" No
    ASSERT_TRUE(m_pEditor->Keeper().WaitUntilIdle(5000));
    EXPECT_TRUE(keeping::ListRecoveryCopies().empty()) << "closed without saving";
    EXPECT_EQ(ColourOf(path), 0x111111u);

    // A never-saved greeting is kept as well, and an editor that ends without closing it
    // leaves its copy.
    ASSERT_TRUE(m_pEditor->NewProject());
    Change(0x333333);
    ASSERT_TRUE(NextCopy(2));
    m_pEditor.reset();
    const std::vector<keeping::RecoveryCopy> copies = keeping::ListRecoveryCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].about.strName, keeping::kUntitled);
    EXPECT_TRUE(copies[0].about.strOriginal.empty());
    EXPECT_EQ(ColourOf(copies[0].strProject), 0x333333u);
}

TEST_F(Keeper, a_left_copy_opens_as_the_changed_greeting_and_saving_it_writes_its_own_file)
{
    const std::string path = Greeting();
    const std::vector<uint8_t> own = Bytes(path);
    const keeping::RecoveryCopy copy = LeftCopy(path, 0x445566);
    // The editor's own copies are not offered: it is still running.
    LeftCopy({}, 0x778899, getpid());
    ASSERT_EQ(OfferAndPress(IDC_KC_OPEN), 1);
    ASSERT_NE(m_pEditor->GetDoc(), nullptr);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docOpenedChanged);
    EXPECT_EQ(m_pEditor->GetPath(), path);
    EXPECT_EQ(Colour(), 0x445566u);
    EXPECT_EQ(Bytes(path), own) << "opening the copy writes nothing";
    EXPECT_EQ(keeping::ListRecoveryCopies().size(), 2u) << "kept until saved";
    ASSERT_TRUE(m_pEditor->SaveProject());
    ASSERT_TRUE(m_pEditor->Keeper().WaitUntilIdle(5000));
    EXPECT_EQ(ColourOf(path), 0x445566u);
    const std::vector<keeping::RecoveryCopy> left = keeping::ListRecoveryCopies();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_NE(left[0].about.strId, copy.about.strId) << "the saved one went";
}

TEST_F(Keeper, a_never_saved_copy_opens_as_untitled_and_later_keeps_every_copy)
{
    LeftCopy({}, 0x0F0E0D);
    EXPECT_EQ(OfferAndPress(IDC_KC_LATER), 1);
    EXPECT_EQ(m_pEditor->GetDoc(), nullptr);
    EXPECT_EQ(keeping::ListRecoveryCopies().size(), 1u) << "Later keeps it";
    ASSERT_EQ(OfferAndPress(IDC_KC_OPEN), 1);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNewChanged);
    EXPECT_TRUE(m_pEditor->GetPath().empty());
    EXPECT_EQ(Colour(), 0x0F0E0Du);
    m_answers.m_strFile = m_strDir + "/Recovered.kel";
    ASSERT_TRUE(m_pEditor->SaveProject());
    ASSERT_TRUE(m_pEditor->Keeper().WaitUntilIdle(5000));
    EXPECT_EQ(ColourOf(m_answers.m_strFile), 0x0F0E0Du);
    EXPECT_TRUE(keeping::ListRecoveryCopies().empty());
}

TEST_F(Keeper, three_saves_list_the_two_versions_before_and_each_opens_as_it_was)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    m_answers.m_strFile = m_strDir + "/Three.kel";
    const COLORREF colours[] = {0x0000AA, 0x00BB00, 0xCC0000};
    Change(colours[0]);
    ASSERT_TRUE(m_pEditor->SaveProject()); // a new file: nothing replaced
    for (COLORREF cr : {colours[1], colours[2]}) {
        Change(cr);
        ASSERT_TRUE(m_pEditor->SaveProject());
    }
    const std::vector<keeping::EarlierVersion> versions =
        keeping::EarlierVersions(m_answers.m_strFile);
    ASSERT_EQ(versions.size(), 2u);
    for (int row : {0, 1}) {
        int nRows = -1;
        m_pEditor->SetKeptCopiesRunner([&](CKeptCopiesDlg& dlg) {
            dlg.show();
            nRows = dlg.List()->count();
            dlg.List()->setCurrentRow(row);
            Click(dlg.Button(IDC_KC_OPEN));
        });
        ASSERT_TRUE(m_pEditor->IsCommandEnabled(ID_FILE_VERSIONS));
        m_pEditor->OnCommand(ID_FILE_VERSIONS);
        EXPECT_EQ(nRows, 2);
        // The newest first: the version the last save replaced.
        EXPECT_EQ(Colour(), colours[1 - row]) << row;
        EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNewChanged);
        EXPECT_TRUE(m_pEditor->GetPath().empty());
        EXPECT_FALSE(m_pEditor->IsCommandEnabled(ID_FILE_VERSIONS));
        // Back to the greeting for the next; this one is let go ("Save the changes?" No).
        ASSERT_TRUE(m_pEditor->OpenProjectFile(m_answers.m_strFile));
    }
    EXPECT_EQ(ColourOf(m_answers.m_strFile), colours[2]);
}

TEST_F(Keeper, a_state_folder_that_takes_nothing_is_said_once_and_the_work_goes_on)
{
    // Not even the owner of everything can make a folder inside a file.
    const std::string file = m_strDir + "/not-a-folder";
    ASSERT_TRUE(platform::WriteWholeFile(file, std::vector<uint8_t>{'x'}));
    m_pState.reset();
    m_pState = std::make_unique<CScopedEnv>("XDG_STATE_HOME", file + "/state");
    const std::string path = Greeting();
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    Change(0x123123);
    ASSERT_TRUE(NextCopy(0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_answers.m_questions.empty(); }, 5000));
    EXPECT_NE(m_answers.m_questions[0].find("not being kept"), std::string::npos)
        << m_answers.m_questions[0];
    Change(0x456456);
    ASSERT_TRUE(NextCopy(1));
    ASSERT_TRUE(m_pEditor->SaveProject()); // its earlier version cannot be kept either
    QTest::qWait(100);
    EXPECT_EQ(m_answers.m_questions.size(), 1u) << "said once";
    EXPECT_EQ(ColourOf(path), 0x456456u) << "the save itself goes on";
}

} // namespace
