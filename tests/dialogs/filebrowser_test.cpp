#include "tests/dialogs/browser_fixture.h"

#include "platform/message.h"
#include "platform/resources.h"
#include "platform/strings.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <set>

namespace {

std::string Box(int nId)
{
    return "   " + platform::LoadResString(nId);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Filter text and masks

TEST(FileTypes, FilterTextGivesItsPairs)
{
    EXPECT_EQ(ParseFileTypes(COpenSaveDlg::MakeFilter("Vimble card", "kel")),
        (std::vector<CFileType> { { "Vimble card", "*.kel" }, { " All Files ", "*.*" } }));
    EXPECT_EQ(
        ParseFileTypes("Pictures|*.bmp|"), (std::vector<CFileType> { { "Pictures", "*.bmp" } }));
    EXPECT_EQ(
        ParseFileTypes("Pictures|*.bmp"), (std::vector<CFileType> { { "Pictures", "*.bmp" } }));
    EXPECT_TRUE(ParseFileTypes("no bars at all").empty());
    EXPECT_TRUE(ParseFileTypes("").empty());
}

TEST(FileTypes, MasksMatchAsTheFileSystemOfTheProgramDid)
{
    EXPECT_TRUE(MatchesMask("card.kel", "*.kel"));
    EXPECT_TRUE(MatchesMask("CARD.KEL", "*.kel"));
    EXPECT_FALSE(MatchesMask("card.kel.txt", "*.kel"));
    EXPECT_FALSE(MatchesMask("kel", "*.kel"));
    EXPECT_TRUE(MatchesMask("README", "*.*"));
    EXPECT_TRUE(MatchesMask("a.b.c", "*.*"));
    EXPECT_TRUE(MatchesMask("song1.mid", "song?.mid"));
}

TEST(FileTypes, a_mask_of_several_patterns_matches_any_of_them)
{
    const std::string pictures = "*.bmp;*.png;*.jpg";
    EXPECT_TRUE(MatchesMask("a.bmp", pictures));
    EXPECT_TRUE(MatchesMask("b.PNG", pictures));
    EXPECT_TRUE(MatchesMask("c.jpg", pictures));
    EXPECT_FALSE(MatchesMask("d.gif", pictures));
    EXPECT_FALSE(MatchesMask("e.png.txt", pictures));
    EXPECT_FALSE(MatchesMask("f.kel", ";;"));
}

TEST(FileTypes, ParentFolderDropsOneLevel)
{
    EXPECT_EQ(ParentFolder("/home/ann/cards/"), "/home/ann/");
    EXPECT_EQ(ParentFolder("/home/"), "/");
    EXPECT_EQ(ParentFolder("/"), "");
    EXPECT_EQ(ParentFolder(""), "");
}

// ---------------------------------------------------------------------------------------------
// Moving between "My Computer", drives and folders

TEST_F(BrowserTest, FolderUpFromADriveRootReturnsToMyComputerWithTheDrives)
{
    auto dlg = Open("DriveA/");
    EXPECT_EQ(dlg->GetFolder(), Path("DriveA/"));
    EXPECT_EQ(dlg->GetSelectorIndex(), 1);
    QTest::keyClick(dlg->FileList(), Qt::Key_Backspace);
    EXPECT_EQ(dlg->GetFolder(), "");
    EXPECT_EQ(dlg->GetSelectorIndex(), 0);
    EXPECT_EQ(dlg->FolderSelector()->currentText(), "My Computer");
    EXPECT_EQ(dlg->ListedNames(), (std::vector<std::string> { Path("DriveA/"), Path("DriveB/") }));
    // The drives are labelled by their paths.
    EXPECT_EQ(dlg->FileList()->item(1)->text().toStdString(), Path("DriveB"));
}

TEST_F(BrowserTest, FolderUpFromADeeperFolderDropsItsLastLevel)
{
    MakeFolder("DriveA/cards/2024");
    auto dlg = Open("DriveA/cards/2024");
    EXPECT_EQ(dlg->GetFolderEntries(),
        (std::vector<CFolderEntry> { { Path("DriveA/"), DRIVE_FIXED, 1 },
            { Path("DriveA/cards/"), DRIVE_FIXED, 2 },
            { Path("DriveA/cards/2024/"), DRIVE_FIXED, 3 },
            { Path("DriveB/"), DRIVE_REMOVABLE, 1 } }));
    EXPECT_EQ(dlg->GetSelectorIndex(), 3);
    ClickButton(dlg.get(), IDC_OS_FOLDERUP);
    EXPECT_EQ(dlg->GetFolder(), Path("DriveA/cards/"));
    EXPECT_EQ(dlg->GetSelectorIndex(), 2);
    EXPECT_EQ(dlg->GetFolderEntries().size(), 3u);
    EXPECT_EQ(dlg->ListedNames(), std::vector<std::string> { "2024" });
}

TEST_F(BrowserTest, OkOnADriveAtMyComputerEntersItsRoot)
{
    MakeFile("DriveB/hello.kel");
    auto dlg = Open("");
    EXPECT_EQ(dlg->GetFolder(), "");
    Click(*dlg, Path("DriveB/"));
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(dlg->GetFolder(), Path("DriveB/"));
    EXPECT_EQ(dlg->GetSelectorIndex(), 2);
    EXPECT_EQ(dlg->GetFolderEntries().size(), 2u) << "the drive's own entry, not a second one";
    EXPECT_EQ(dlg->ListedNames(), std::vector<std::string> { "hello.kel" });
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(BrowserTest, OkOnAFolderEntersItAndAddsItsLevel)
{
    MakeFolder("DriveA/cards");
    auto dlg = Open("DriveA/");
    Click(*dlg, "cards");
    QTest::keyClick(dlg->FileList(), Qt::Key_Return);
    EXPECT_EQ(dlg->GetFolder(), Path("DriveA/cards/"));
    EXPECT_EQ(dlg->GetSelectorIndex(), 2);
    EXPECT_EQ(dlg->GetFolderEntries()[1], (CFolderEntry { Path("DriveA/cards/"), DRIVE_FIXED, 2 }));
    EXPECT_EQ(dlg->FolderSelector()->currentText().toStdString(), Path("DriveA/cards"));
}

TEST_F(BrowserTest, ChoosingASelectorEntryDropsTheLevelsBetween)
{
    MakeFolder("DriveA/cards/2024");
    auto dlg = Open("DriveA/cards/2024/");
    dlg->ChooseFolderEntry(2);
    EXPECT_EQ(dlg->GetFolder(), Path("DriveA/cards/"));
    EXPECT_EQ(dlg->GetFolderEntries().size(), 3u);
    dlg->ChooseFolderEntry(3);
    EXPECT_EQ(dlg->GetFolder(), Path("DriveB/"));
    EXPECT_EQ(dlg->GetSelectorIndex(), 2);
    EXPECT_EQ(dlg->GetFolderEntries(),
        (std::vector<CFolderEntry> {
            { Path("DriveA/"), DRIVE_FIXED, 1 }, { Path("DriveB/"), DRIVE_REMOVABLE, 1 } }));
}

// A folder that cannot be listed any more: the system's text is shown and the browser stays
// where it was.
TEST_F(BrowserTest, AFolderThatCannotBeListedLeavesTheBrowserWhereItWas)
{
    MakeFolder("DriveA/gone");
    MakeFile("DriveA/stay.kel");
    auto dlg = Open("DriveA/");
    Click(*dlg, "gone");
    ASSERT_TRUE(QDir(QString::fromStdString(Path("DriveA/gone"))).removeRecursively());
    platform::CMessageRecorder recorder;
    ClickButton(dlg.get(), IDC_OS_OK);
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_NE(recorder.m_messages[0].strText.find("No such file"), std::string::npos);
    EXPECT_EQ(dlg->GetFolder(), Path("DriveA/"));
    EXPECT_EQ(dlg->GetSelectorIndex(), 1);
    EXPECT_EQ(dlg->ListedNames(), std::vector<std::string> { "stay.kel" });
}

// ---------------------------------------------------------------------------------------------
// What the list shows

class BrowserListing : public BrowserTest, public testing::WithParamInterface<int> { };

// Folders come first, each once, whatever their name; then the files of the type.
TEST_P(BrowserListing, FoldersFirstThenTheFilesOfTheType)
{
    MakeFolder("DriveA/v1.kel");
    MakeFolder("DriveA/plain");
    for (const char* name : { "a.kel", "B.KEL", "notes.txt", "README" })
        MakeFile(std::string("DriveA/") + name);
    auto dlg = Open("DriveA/");
    dlg->TypeSelector()->setCurrentIndex(GetParam());
    const std::vector<std::string> names = dlg->ListedNames();
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.begin() + 2),
        (std::set<std::string> { "v1.kel", "plain" }));
    const std::set<std::string> files(names.begin() + 2, names.end());
    EXPECT_EQ(files.size(), names.size() - 2) << "nothing listed twice";
    const std::set<std::string> expected = GetParam() == 0
        ? std::set<std::string> { "a.kel", "B.KEL" }
        : std::set<std::string> { "a.kel", "B.KEL", "notes.txt", "README" };
    EXPECT_EQ(files, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Types, BrowserListing, testing::Values(0, 1), [](const testing::TestParamInfo<int>& info) {
        return info.param == 0 ? std::string("own_type") : std::string("all_files");
    });

TEST_F(BrowserTest, SelectingAFileCopiesItsNameAndAFolderDoesNot)
{
    MakeFolder("DriveA/plain");
    MakeFile("DriveA/a.kel");
    auto dlg = Open("DriveA/");
    EXPECT_EQ(dlg->TypeSelector()->count(), 2);
    EXPECT_EQ(dlg->TypeSelector()->itemText(1), " All Files ");
    Click(*dlg, "a.kel");
    EXPECT_EQ(dlg->NameField()->text(), "a.kel");
    Click(*dlg, "plain");
    EXPECT_EQ(dlg->NameField()->text(), "a.kel");
}

// ---------------------------------------------------------------------------------------------
// OK in the browser's own logic (opening)

TEST_F(BrowserTest, OkWithANameThatDoesNotExistSaysSoAndStays)
{
    auto dlg = Open("DriveA/");
    Type(*dlg, "nothere.kel");
    CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_OK));
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(answerer.Text(),
        "   "
            + platform::FormatResText(
                platform::LoadResString(10152), { Path("DriveA/nothere.kel") }));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), 0);
}

TEST_F(BrowserTest, OkWithAnExistingFileEndsWithItsName)
{
    MakeFile("DriveA/a.kel");
    auto dlg = Open("DriveA/");
    Type(*dlg, "a.kel");
    QTest::keyClick(dlg->NameField(), Qt::Key_Return);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->GetPath(), Path("DriveA/a.kel"));
}

TEST_F(BrowserTest, DoubleClickOnAFileEndsWithIt)
{
    MakeFile("DriveA/a.kel");
    auto dlg = Open("DriveA/");
    Click(*dlg, "a.kel");
    QListWidget* list = dlg->FileList();
    QTest::mouseDClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->GetChosenName(), "a.kel");
}

TEST_F(BrowserTest, ATypedFolderIsEnteredNotChosen)
{
    MakeFolder("DriveA/plain");
    auto dlg = Open("DriveA/");
    Type(*dlg, "plain");
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(dlg->result(), 0);
    EXPECT_EQ(dlg->GetFolder(), Path("DriveA/plain/"));
    EXPECT_EQ(dlg->NameField()->text(), "");
}

// ---------------------------------------------------------------------------------------------
// Deleting

class BrowserDelete : public BrowserTest,
                      public testing::WithParamInterface<std::tuple<bool, int>> { };

// Only Yes deletes; No, and Escape, leave the entry and the list as they were. The answer is
// a button, or 0 for the Escape key.
TEST_P(BrowserDelete, TheAnswerDecides)
{
    const auto [bFolder, answer] = GetParam();
    MakeFile("DriveA/keep.kel");
    if (bFolder)
        MakeFolder("DriveA/victim");
    else
        MakeFile("DriveA/victim", "content");
    auto dlg = Open("DriveA/");
    dlg->TypeSelector()->setCurrentIndex(1);
    const std::vector<std::string> before = dlg->ListedNames();
    Click(*dlg, "victim");
    CBoxAnswerer<CMessageBoxDlg> answerer([answer](CMessageBoxDlg* box) {
        if (answer == 0)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            ClickButton(box, answer);
    });
    QTest::keyClick(dlg->FileList(), Qt::Key_Delete);
    EXPECT_EQ(answerer.Text(), Box(bFolder ? 10155 : 10157));
    std::vector<std::string> expected = before;
    if (answer == IDC_MB_YES) {
        EXPECT_FALSE(Exists("DriveA/victim"));
        expected.erase(std::find(expected.begin(), expected.end(), "victim"));
    } else {
        EXPECT_TRUE(Exists("DriveA/victim"));
        if (!bFolder) {
            EXPECT_EQ(ReadFile("DriveA/victim"), "content");
        }
    }
    EXPECT_EQ(dlg->ListedNames(), expected);
    EXPECT_TRUE(Exists("DriveA/keep.kel"));
}

INSTANTIATE_TEST_SUITE_P(Answers, BrowserDelete,
    testing::Combine(testing::Bool(), testing::Values(IDC_MB_NO, 0, IDC_MB_YES)),
    [](const testing::TestParamInfo<std::tuple<bool, int>>& info) {
        const int answer = std::get<1>(info.param);
        return std::string(std::get<0>(info.param) ? "folder_" : "file_")
            + (answer == IDC_MB_NO ? "no"
                    : answer == 0  ? "escape"
                                   : "yes");
    });

TEST_F(BrowserTest, DeleteRefusesAFolderThatIsNotEmpty)
{
    MakeFolder("DriveA/full");
    MakeFile("DriveA/full/inside.kel");
    auto dlg = Open("DriveA/");
    const std::vector<std::string> before = dlg->ListedNames();
    Click(*dlg, "full");
    CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_OK), 2);
    QTest::keyClick(dlg->FileList(), Qt::Key_Delete);
    EXPECT_EQ(answerer.Texts(), std::vector<std::string> { Box(10154) }) << "refused, not asked";
    EXPECT_TRUE(Exists("DriveA/full/inside.kel"));
    EXPECT_EQ(dlg->ListedNames(), before);
}

TEST_F(BrowserTest, DeleteDoesNothingAtMyComputer)
{
    auto dlg = Open("");
    Click(*dlg, Path("DriveA/"));
    CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_YES));
    QTest::keyClick(dlg->FileList(), Qt::Key_Delete);
    EXPECT_EQ(answerer.Answered(), 0);
    EXPECT_TRUE(Exists("DriveA"));
}

// ---------------------------------------------------------------------------------------------
// New folder

namespace {

QLineEdit* LabelEditor(CFileBrowserDlg& dlg)
{
    return dlg.FileList()->viewport()->findChild<QLineEdit*>();
}

} // namespace

TEST_F(BrowserTest, NewFolderWhoseEditIsCancelledKeepsItsName)
{
    auto dlg = Open("DriveA/");
    ClickButton(dlg.get(), IDC_OS_NEWFOLDER);
    EXPECT_TRUE(Exists("DriveA/New Folder"));
    QLineEdit* editor = LabelEditor(*dlg);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "Birthdays");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(Exists("DriveA/New Folder"));
    EXPECT_FALSE(Exists("DriveA/Birthdays"));
    EXPECT_EQ(dlg->ListedNames(), std::vector<std::string> { "New Folder" });
    EXPECT_EQ(dlg->FileList()->item(0)->text(), "New Folder");
    EXPECT_FALSE(dlg->FileList()->item(0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(dlg->isVisible()) << "Escape ended the edit, not the browser";
}

TEST_F(BrowserTest, NewFolderIsRenamedWhenItsEditEnds)
{
    auto dlg = Open("DriveA/");
    ClickButton(dlg.get(), IDC_OS_NEWFOLDER);
    QLineEdit* editor = LabelEditor(*dlg);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Birthdays");
    QTest::keyClick(editor, Qt::Key_Return);
    // The list ends the edit once the editor has seen its key.
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(Exists("DriveA/New Folder"));
    EXPECT_TRUE(Exists("DriveA/Birthdays"));
    EXPECT_EQ(dlg->ListedNames(), std::vector<std::string> { "Birthdays" });
    EXPECT_TRUE(dlg->isVisible()) << "Return ended the edit, not the browser";
}

TEST_F(BrowserTest, NewFolderIsNotRenamedOverAnotherEntry)
{
    MakeFolder("DriveA/Taken");
    auto dlg = Open("DriveA/");
    ClickButton(dlg.get(), IDC_OS_NEWFOLDER);
    QLineEdit* editor = LabelEditor(*dlg);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Taken");
    CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_OK));
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(answerer.Text(), Box(10153));
    EXPECT_TRUE(Exists("DriveA/New Folder"));
    EXPECT_TRUE(Exists("DriveA/Taken"));
    EXPECT_EQ(dlg->FileList()->item(dlg->FindItem("New Folder"))->text(), "New Folder");
}

TEST_F(BrowserTest, NewFolderThatCannotBeMadeSaysSo)
{
    MakeFolder("DriveA/New Folder");
    auto dlg = Open("DriveA/");
    CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_OK));
    ClickButton(dlg.get(), IDC_OS_NEWFOLDER);
    EXPECT_EQ(answerer.Text(), Box(10153));
    EXPECT_EQ(dlg->ListedNames(), std::vector<std::string> { "New Folder" });
}

TEST_F(BrowserTest, NewFolderDoesNothingAtMyComputer)
{
    auto dlg = Open("");
    ClickButton(dlg.get(), IDC_OS_NEWFOLDER);
    EXPECT_EQ(dlg->ListedNames().size(), 2u);
    EXPECT_EQ(LabelEditor(*dlg), nullptr);
}

// ---------------------------------------------------------------------------------------------
// Keys in the list

TEST_F(BrowserTest, HomeEndAndPagesMoveTheSingleSelection)
{
    for (int i = 0; i < 40; ++i)
        MakeFile("DriveA/card" + std::to_string(100 + i) + ".kel");
    auto dlg = Open("DriveA/");
    QListWidget* list = dlg->FileList();
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->currentRow(), 39);
    EXPECT_EQ(dlg->GetSelectedItem(), 39);
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_PageDown);
    const int page = list->currentRow();
    EXPECT_GT(page, 1);
    EXPECT_LT(page, 39);
    QTest::keyClick(list, Qt::Key_PageUp);
    EXPECT_EQ(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->selectedItems().size(), 1);
}
