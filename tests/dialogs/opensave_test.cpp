#include "tests/dialogs/browser_fixture.h"

#include "dialogs/prompts.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "platform/strings.h"

#include <QLineEdit>

namespace {

std::string Box(int nId)
{
    return "   " + platform::LoadResString(nId);
}

} // namespace

TEST_F(BrowserTest, SavingCardGivesANewEmptyCardKel)
{
    auto dlg = Open("DriveA/", OS_MODE_SAVE);
    Type(*dlg, "card");
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->GetChosenName(), "card.kel");
    EXPECT_EQ(dlg->GetPath(), Path("DriveA/card.kel"));
    EXPECT_EQ(platform::FileLength(Path("DriveA/card.kel")), 0);
}

TEST_F(BrowserTest, ExportingANameWithADotKeepsIt)
{
    auto dlg = Open("DriveA/", OS_MODE_EXPORT);
    Type(*dlg, "card.v2");
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->GetChosenName(), "card.v2");
    EXPECT_TRUE(Exists("DriveA/card.v2"));
    EXPECT_FALSE(Exists("DriveA/card.v2.kel"));
}

// The overwrite question: No ends the whole front with Cancel, Yes takes the file (its bytes
// are the caller's to replace), Escape only closes the question. The file is never touched.
struct OverwriteCase {
    const char* name;
    int nAnswer; // a button, or 0 for Escape
    int nResult; // the front's
    bool bStaysOpen;
};

class BrowserOverwrite : public BrowserTest, public testing::WithParamInterface<OverwriteCase> { };

TEST_P(BrowserOverwrite, AnswerDecidesAndTheFileStaysAsItWas)
{
    const std::string bytes("120KELFILE\0\x01\x02", 13);
    MakeFile("DriveA/card.kel", bytes);
    auto dlg = Open("DriveA/", OS_MODE_SAVE);
    Type(*dlg, "card");
    const int nAnswer = GetParam().nAnswer;
    CBoxAnswerer<CMessageBoxDlg> answerer([nAnswer](CMessageBoxDlg* box) {
        if (nAnswer == 0)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            ClickButton(box, nAnswer);
    });
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(answerer.Text(), Box(10125));
    EXPECT_EQ(dlg->result(), GetParam().nResult);
    EXPECT_EQ(dlg->isVisible(), GetParam().bStaysOpen);
    EXPECT_EQ(ReadFile("DriveA/card.kel"), bytes);
}

INSTANTIATE_TEST_SUITE_P(Answers, BrowserOverwrite,
    testing::Values(OverwriteCase { "no_cancels_the_front", IDC_MB_NO, QDialog::Rejected, false },
        OverwriteCase { "yes_takes_it", IDC_MB_YES, QDialog::Accepted, false },
        OverwriteCase { "escape_stays", 0, QDialog::Rejected, true }),
    [](const testing::TestParamInfo<OverwriteCase>& info) { return std::string(info.param.name); });

TEST_F(BrowserTest, SavingWithoutANameAsksForOne)
{
    auto dlg = Open("DriveA/", OS_MODE_SAVE);
    CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_OK));
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(answerer.Text(), Box(10151));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(QDir(QString::fromStdString(Path("DriveA"))).isEmpty());
}

TEST_F(BrowserTest, SavingAtMyComputerMakesNoFileBesideTheProgram)
{
    const std::string stray = QDir::currentPath().toStdString() + "/card.kel";
    ASSERT_FALSE(QFileInfo::exists(QString::fromStdString(stray)));
    auto dlg = Open("", OS_MODE_SAVE);
    Type(*dlg, "card");
    CBoxAnswerer<CMessageBoxDlg> answerer(Press(IDC_MB_OK));
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(answerer.Text(), Box(10151));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(stray)));
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(BrowserTest, SavingUnderAFolderNameEntersTheFolder)
{
    MakeFolder("DriveA/cards.2024");
    auto dlg = Open("DriveA/", OS_MODE_SAVE);
    Type(*dlg, "cards.2024");
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(dlg->GetFolder(), Path("DriveA/cards.2024/"));
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(BrowserTest, SavingWithASelectedFolderAndNoNameEntersIt)
{
    MakeFolder("DriveA/cards");
    auto dlg = Open("DriveA/", OS_MODE_SAVE);
    Click(*dlg, "cards");
    ClickButton(dlg.get(), IDC_OS_OK);
    EXPECT_EQ(dlg->GetFolder(), Path("DriveA/cards/"));
}

// ---------------------------------------------------------------------------------------------
// The face and the preparation hook

class FrontCaption : public BrowserTest, public testing::WithParamInterface<int> { };

TEST_P(FrontCaption, TheModesCaptionLiesOnTheFace)
{
    auto dlg = Open("DriveA/", GetParam());
    EXPECT_EQ(dlg->size(), QSize(452, 294));
    const QImage caption = platform::LoadResBitmap(COpenSaveDlg::CaptionOf(GetParam()))
                               .convertToFormat(QImage::Format_ARGB32);
    const QImage face = dlg->Skin().Face().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(caption.isNull());
    int compared = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 200; ++x)
            if (qAlpha(caption.pixel(x, y)) == 255) {
                ASSERT_EQ(face.pixel(10 + x, 55 + y), caption.pixel(x, y)) << x << "," << y;
                ++compared;
            }
    EXPECT_GT(compared, 1000);
}

INSTANTIATE_TEST_SUITE_P(Modes, FrontCaption,
    testing::Values(OS_MODE_OPEN, OS_MODE_SAVE, OS_MODE_EXPORT, OS_MODE_IMPORT));

TEST_F(BrowserTest, TheBrowserAloneRefusesToOpen)
{
    CFileBrowserDlg dlg(Path("DriveA/"), "Cards|*.kel|", nullptr);
    EXPECT_EQ(dlg.exec(), QDialog::Rejected);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(BrowserTest, AFrontWithoutItsFaceReportsTheMissingResourceAndCancels)
{
    platform::CResourceLibrary* library = platform::SetResourceLibrary(nullptr);
    platform::CMessageRecorder recorder;
    int code = -1;
    {
        CTestFront dlg(Path("DriveA/"), OS_MODE_OPEN, m_drives);
        code = dlg.exec();
    }
    platform::SetResourceLibrary(library);
    EXPECT_EQ(code, QDialog::Rejected);
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_EQ(recorder.m_messages[0].nStringId, platform::IDS_MISSING_RESOURCE);
}

// ---------------------------------------------------------------------------------------------
// The editor's question for a file

TEST_F(BrowserTest, ChooseFileGivesTheFolderAndNameAsOnePath)
{
    CDialogPrompts prompts;
    CBoxAnswerer<COpenSaveDlg> answerer([](COpenSaveDlg* dlg) {
        QTest::keyClicks(dlg->NameField(), "card");
        ClickButton(dlg, IDC_OS_OK);
    });
    std::string path;
    EXPECT_TRUE(
        prompts.ChooseFile(nullptr, Path("DriveA"), "Vimble card", "kel", OS_MODE_SAVE, &path));
    EXPECT_EQ(path, Path("DriveA/card.kel"));
    EXPECT_TRUE(Exists("DriveA/card.kel"));

    CBoxAnswerer<COpenSaveDlg> cancel([](COpenSaveDlg* dlg) { ClickButton(dlg, IDC_OS_CANCEL); });
    path.clear();
    EXPECT_FALSE(
        prompts.ChooseFile(nullptr, Path("DriveA"), "Vimble card", "kel", OS_MODE_OPEN, &path));
    EXPECT_EQ(path, "");
}

TEST_F(BrowserTest, SavingStartsInTheNameFieldAndOpeningInTheList)
{
    auto save = Open("DriveA/", OS_MODE_SAVE);
    EXPECT_EQ(save->focusWidget(), save->NameField());
    auto open = Open("DriveA/", OS_MODE_OPEN);
    EXPECT_NE(open->focusWidget(), open->NameField());
    EXPECT_NE(open->focusWidget(), nullptr);
}

TEST_F(BrowserTest, AFrontOfSeveralTypesGivesANameTheCurrentTypesExtension)
{
    const std::vector<CPromptFileType> types
        = {{"Animated GIF picture", "gif"}, {"WebM video", "webm"}, {"MP4 video", "mp4"}};
    CDialogPrompts prompts;
    std::string path;
    int nType = -1;
    // The first type is current; a name without a dot gets its extension.
    {
        CBoxAnswerer<COpenSaveDlg> answerer([](COpenSaveDlg* dlg) {
            ASSERT_EQ(dlg->TypeSelector()->count(), 4) << "the types and All Files";
            EXPECT_EQ(dlg->TypeSelector()->currentIndex(), 0);
            QTest::keyClicks(dlg->NameField(), "card");
            ClickButton(dlg, IDC_OS_OK);
        });
        ASSERT_TRUE(prompts.ChooseFileOfTypes(
            nullptr, Path("DriveA"), types, OS_MODE_EXPORT, &path, &nType));
    }
    EXPECT_EQ(path, Path("DriveA/card.gif"));
    EXPECT_EQ(nType, 0);
    EXPECT_TRUE(Exists("DriveA/card.gif"));
    // Another type chosen in the selector gives its own.
    {
        CBoxAnswerer<COpenSaveDlg> answerer([](COpenSaveDlg* dlg) {
            dlg->TypeSelector()->setCurrentIndex(2);
            QTest::keyClicks(dlg->NameField(), "film");
            ClickButton(dlg, IDC_OS_OK);
        });
        ASSERT_TRUE(prompts.ChooseFileOfTypes(
            nullptr, Path("DriveA"), types, OS_MODE_EXPORT, &path, &nType));
    }
    EXPECT_EQ(path, Path("DriveA/film.mp4"));
    EXPECT_EQ(nType, 2);
    // A name with one of the extensions is of that type, whatever is current.
    {
        CBoxAnswerer<COpenSaveDlg> answerer([](COpenSaveDlg* dlg) {
            QTest::keyClicks(dlg->NameField(), "clip.WEBM");
            ClickButton(dlg, IDC_OS_OK);
        });
        ASSERT_TRUE(prompts.ChooseFileOfTypes(
            nullptr, Path("DriveA"), types, OS_MODE_EXPORT, &path, &nType));
    }
    EXPECT_EQ(path, Path("DriveA/clip.WEBM"));
    EXPECT_EQ(nType, 1);
}
