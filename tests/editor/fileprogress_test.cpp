// Opening and saving in the editor: the person's file is only ever written by a save, a
// failed open leaves nothing beside it, a folder that takes no files still opens its
// greeting, and long file work shows its progress window while the editor goes on painting.
#include "dialogs/opensave.h"
#include "dialogs/prompts.h"
#include "editor/main/editordlg.h"
#include "editor/windows/fileprogressdlg.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "playback/projectdoc.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"
#include "tests/model/file_checks.h"
#include "tests/model/fixtures.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int kOk = 1;
constexpr int kNo = 1092;
constexpr char kChildProject[] = "VIMBLE_TEST_READONLY_PROJECT";

std::vector<std::string> Files(const std::string& dir)
{
    return SortedFileNames(dir);
}

// Runs answer on the next modal window that is not the progress window.
void AnswerNextModal(std::function<void(QWidget*)> answer, QObject* context, int nTries = 500)
{
    QTimer::singleShot(10, context, [answer = std::move(answer), context, nTries]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || qobject_cast<CFileProgressDlg*>(modal) != nullptr) {
            if (nTries > 0)
                AnswerNextModal(std::move(answer), context, nTries - 1);
            return;
        }
        answer(modal);
    });
}

// A greeting of 800 x 600 pictures that compress as painted backgrounds do; their bitmap files
// are made in a folder of their own.
std::unique_ptr<CAbstractMovie> LargeGreeting(const std::string& dir, int pictures)
{
    const std::string sources = dir + "/pictures";
    std::filesystem::create_directories(sources);
    auto movie = fixtures::PicturesProject(sources, pictures, 4, 0, 0);
    std::filesystem::remove_all(sources);
    return movie;
}

class EditorFiles : public CWithResources {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(CWithResources::SetUp());
        ASSERT_TRUE(m_dir.isValid());
        m_strDir = m_dir.path().toStdString();
        ::chmod(m_strDir.c_str(), 0755);
        ASSERT_NO_FATAL_FAILURE(ShowEditor(m_pEditor, m_strDir));
    }
    void TearDown() override
    {
        m_pEditor.reset();
        CWithResources::TearDown();
        std::error_code ec;
        std::filesystem::permissions(m_strDir + "/ro", std::filesystem::perms::owner_all, ec);
    }
    std::string MakeGreeting(const std::string& name)
    {
        return CopySampleGreeting(m_strDir, name);
    }

    struct Prompts {
        Prompts() { InstallDialogPrompts(); }
        ~Prompts() { UninstallDialogPrompts(); }
    } m_prompts;
    QTemporaryDir m_dir;
    std::string m_strDir;
    std::unique_ptr<CEditorDialog> m_pEditor;
    QObject m_context;
};

TEST_F(EditorFiles, a_damaged_project_leaves_no_file_beside_it)
{
    std::vector<uint8_t> good = Bytes(MakeGreeting("whole.kel"));
    platform::DeleteFile(m_strDir + "/whole.kel");
    std::filesystem::create_directory(m_strDir + "/in");
    const std::string path = m_strDir + "/in/bad.kel";
    for (size_t cut : {good.size() / 2, good.size() - 4}) {
        const std::vector<uint8_t> damaged(good.begin(), good.begin() + static_cast<long>(cut));
        platform::WriteWholeFile(path, damaged);
        const FileIdentity before = IdentityOf(path);
        platform::CMessageRecorder recorder;
        bool bAnswered = false;
        AnswerNextModal([&bAnswered](QWidget* box) {
            bAnswered = true;
            Click(FindButton(box, kOk));
        }, &m_context);
        EXPECT_FALSE(m_pEditor->OpenProjectFile(path));
        ASSERT_TRUE(QTest::qWaitFor([&] { return bAnswered; }, 5000));
        EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);
        EXPECT_FALSE(recorder.m_messages.empty());
        EXPECT_EQ(Files(m_strDir + "/in"), std::vector<std::string>{"bad.kel"});
        EXPECT_EQ(Bytes(path), damaged);
        EXPECT_EQ(IdentityOf(path), before);
    }
}

TEST_F(EditorFiles, closing_an_unchanged_or_discarded_project_does_not_write_its_file)
{
    const std::string path = MakeGreeting("keep.kel");
    const FileIdentity before = IdentityOf(path);
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    m_pEditor->OnCommand(ID_FILE_CLOSE);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);
    EXPECT_EQ(IdentityOf(path), before);
    EXPECT_EQ(Files(m_strDir), std::vector<std::string>{"keep.kel"});

    // Changed, then closed with No: the file still holds what was opened, so it is not written.
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->m_pBackground->m_crColor = 0x123456;
    m_pEditor->SetModified();
    AnswerNextModal([](QWidget* box) { Click(FindButton(box, kNo)); }, &m_context);
    m_pEditor->OnCommand(ID_FILE_CLOSE);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);
    EXPECT_EQ(IdentityOf(path), before);
    EXPECT_EQ(Files(m_strDir), std::vector<std::string>{"keep.kel"});
}

TEST_F(EditorFiles, a_folder_that_takes_no_working_files_opens_and_save_asks_for_a_new_place)
{
    const std::string path = MakeGreeting("card.kel");
    const std::vector<uint8_t> before = Bytes(path);
    // A folder where the compressed copy cannot be made.
    ASSERT_TRUE(std::filesystem::create_directory(m_strDir + "/card.k$$"));
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    EXPECT_TRUE(HasPrivateWorkingFiles(path));
    EXPECT_EQ(Files(m_strDir), (std::vector<std::string>{"card.k$$", "card.kel"}));
    m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->m_pBackground->m_crColor = 0x00ABCDEF;
    m_pEditor->SetModified();

    bool bFront = false;
    AnswerNextModal([&bFront](QWidget* front) {
        bFront = qobject_cast<COpenSaveDlg*>(front) != nullptr;
        QLineEdit* field = front->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        field->setText("elsewhere");
        Click(FindButton(front, 1266));
    }, &m_context);
    EXPECT_TRUE(m_pEditor->SaveProject());
    EXPECT_TRUE(bFront);
    EXPECT_EQ(m_pEditor->GetPath(), m_strDir + "/elsewhere.kel");
    EXPECT_FALSE(HasPrivateWorkingFiles(path));
    EXPECT_EQ(Bytes(path), before);
    auto saved = ReadProjectFile(m_strDir + "/elsewhere.kel");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->GetFirstStage()->m_pBackground->m_crColor, 0x00ABCDEFu);
    // From now on Save writes the new file without asking.
    EXPECT_TRUE(m_pEditor->SaveProject());
}

TEST_F(EditorFiles, a_long_save_shows_the_progress_window_while_the_editor_paints_on)
{
    const std::string path = m_strDir + "/big.kel";
    ASSERT_TRUE(::SaveProject(*LargeGreeting(m_strDir, 2), path));
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->m_strName = "Grand";
    m_pEditor->SetModified();
    m_pEditor->SetFileProgressDelay(0);

    struct Seen {
        bool bShown = false;
        bool bModal = false;
        bool bWorking = false;
        QString name;
        int nStateDuring = -1;
        int nPermille = -1;
    } seen;
    m_pEditor->SetFileProgressObserver([this, &seen](CFileProgressDlg& dlg) {
        seen.bShown = dlg.isVisible();
        seen.bModal = QApplication::activeModalWidget() == &dlg;
        seen.bWorking = m_pEditor->IsFileWorkRunning();
        seen.name = dlg.GetNameText();
        // Painting goes on from what was composed; a command waits for the work.
        m_pEditor->repaint();
        m_pEditor->OnCommand(ID_FILE_CLOSE);
        seen.nStateDuring = m_pEditor->GetDocState();
        seen.nPermille = dlg.GetPermille();
    });
    EXPECT_TRUE(m_pEditor->SaveProject());
    EXPECT_TRUE(seen.bShown);
    EXPECT_TRUE(seen.bModal);
    EXPECT_TRUE(seen.bWorking);
    EXPECT_EQ(seen.name, "Saving big.kel");
    EXPECT_EQ(seen.nStateDuring, CEditorDialog::docOpenedChanged);
    EXPECT_GE(seen.nPermille, 0);
    EXPECT_LE(seen.nPermille, 1000);
    EXPECT_FALSE(m_pEditor->IsFileWorkRunning());
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docOpened);
    auto back = ReadProjectFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetFirstStage()->m_strName, "Grand");

    // Opening shows it too, named for the open.
    seen = {};
    m_pEditor->OnCommand(ID_FILE_CLOSE);
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    EXPECT_TRUE(seen.bShown);
    EXPECT_EQ(seen.name, "Opening big.kel");
    EXPECT_EQ(m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->m_strName, "Grand");
}

TEST(FileProgressWindow, the_bar_follows_the_steps_of_the_work)
{
    CFileProgressDlg dlg(CFileProgressDlg::kindSave, "/x/big.kel", nullptr);
    EXPECT_EQ(dlg.GetPermille(), 0);
    dlg.OnProgress(FileStep::storing, 0, 0);
    EXPECT_EQ(dlg.GetStatusText(), QStringLiteral("Gathering the greeting\u2026"));
    const int storing = dlg.GetPermille();
    dlg.OnProgress(FileStep::packing, 0, 0);
    const int packing = dlg.GetPermille();
    dlg.OnProgress(FileStep::writing, 50, 100);
    const int writing = dlg.GetPermille();
    dlg.OnProgress(FileStep::writing, 100, 100);
    EXPECT_LT(storing, packing);
    EXPECT_LT(packing, writing);
    EXPECT_EQ(dlg.GetPermille(), 1000);
    EXPECT_EQ(dlg.GetStatusText(), QStringLiteral("Writing the file\u2026"));
}

// Runs as another user, started by the test below: the greeting in a folder that user may
// not write opens, plays, and Save asks for a new place.
TEST_F(EditorFiles, child_opens_a_read_only_folders_greeting)
{
    const char* project = std::getenv(kChildProject);
    if (project == nullptr)
        GTEST_SKIP() << "started by the read-only folder test";
    const std::string path = project;
    ASSERT_NE(::access(platform::DirectoryOf(path).c_str(), W_OK), 0);
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    EXPECT_TRUE(HasPrivateWorkingFiles(path));
    m_pEditor->OnCommand(ID_FILE_PLAY);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_pEditor->GetPaintStats().nFrames >= 3; }, 10000));
    m_pEditor->SetModified();
    bool bFront = false;
    AnswerNextModal([&bFront](QWidget* front) {
        bFront = qobject_cast<COpenSaveDlg*>(front) != nullptr;
        static_cast<QDialog*>(front)->reject();
    }, &m_context);
    EXPECT_FALSE(m_pEditor->SaveProject());
    EXPECT_TRUE(bFront);
}

TEST_F(EditorFiles, a_read_only_folders_greeting_opens_and_plays_for_a_user_without_write_permission)
{
    const std::string ro = m_strDir + "/ro";
    ASSERT_TRUE(std::filesystem::create_directory(ro));
    const std::string path = ro + "/party.kel";
    ASSERT_TRUE(platform::CopyFileTo(std::string(built::kDataDir) + "/samples/Happy Birthday.kel", path));
    ::chmod(path.c_str(), 0644);
    ::chmod(ro.c_str(), 0555);
    const FileIdentity before = IdentityOf(path);
    std::string prefix;
    if (::geteuid() == 0)
        prefix = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    else if (::access(ro.c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user can write into a folder without write permission";
    char self[4096] = {};
    ASSERT_GT(::readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::string log = m_strDir + "/child.txt";
    const std::string command = std::string(kChildProject) + "='" + path + "' " + prefix + self
                                + " --gtest_filter=EditorFiles.child_opens_a_read_only_folders_greeting"
                                + " >" + log + " 2>&1";
    const int status = std::system(command.c_str());
    const std::vector<uint8_t> output = Bytes(log);
    const std::string text(output.begin(), output.end());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << text;
    EXPECT_NE(text.find("[  PASSED  ] 1 test"), std::string::npos) << text;
    EXPECT_EQ(text.find("SKIPPED"), std::string::npos) << text;
    EXPECT_EQ(Files(ro), std::vector<std::string>{"party.kel"});
    EXPECT_EQ(IdentityOf(path), before);
}

} // namespace
