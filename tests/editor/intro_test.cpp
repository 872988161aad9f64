// The start's pictures and the editor's video export: the splash's pictures, their order,
// pauses, place and end; the intro question and what its check button leaves in the settings;
// the intro video window, frames by the clock, skipping, and files it cannot play; the file
// menu's "Export video" with its front, its window and its results.
#include "dialogs/opensave.h"
#include "editor/main/mainframe.h"
#include "editor/windows/exportvideodlg.h"
#include "editor/windows/introvideodlg.h"
#include "editor/windows/splashdlg.h"
#include "platform/message.h"
#include "platform/settings.h"
#include "platform/video.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"

#include <QSettings>
#include <QSignalSpy>

#include <filesystem>

namespace {

// ---------------------------------------------------------------------------------------------
// The splash

TEST(SplashFrames, are_named_with_two_digits_up_to_8_and_shown_even_below_20)
{
    EXPECT_EQ(CSplashDlg::FrameName(0), "SPLASH_00");
    EXPECT_EQ(CSplashDlg::FrameName(8), "SPLASH_08");
    EXPECT_EQ(CSplashDlg::FrameName(9), "SPLASH_9");
    EXPECT_EQ(CSplashDlg::FrameName(10), "SPLASH_10");
    EXPECT_EQ(CSplashDlg::FrameName(33), "SPLASH_33");
    std::vector<int> shown;
    for (int frame = 0; frame <= CSplashDlg::kLastFrame; frame = CSplashDlg::NextFrame(frame))
        shown.push_back(frame);
    EXPECT_EQ(shown.size(), 24u);
    EXPECT_EQ(shown.front(), 0);
    EXPECT_EQ(shown[9], 18);
    EXPECT_EQ(shown[10], 20);
    EXPECT_EQ(shown.back(), 33);
    int loaded = 0;
    for (int i = 0; i < CSplashDlg::kFrameCount; ++i)
        loaded += CSplashDlg::IsShownFrame(i) ? 1 : 0;
    EXPECT_EQ(loaded, 24) << "only the frames shown are loaded";
    EXPECT_FALSE(CSplashDlg::IsShownFrame(9));
    EXPECT_FALSE(CSplashDlg::IsShownFrame(19));
    EXPECT_TRUE(CSplashDlg::IsShownFrame(21));
}

TEST(SplashFrames, pause_by_the_display_depth)
{
    EXPECT_EQ(CSplashDlg::PauseMs(8), 130);
    EXPECT_EQ(CSplashDlg::PauseMs(16), 100);
    EXPECT_EQ(CSplashDlg::PauseMs(24), 85);
    EXPECT_EQ(CSplashDlg::PauseMs(32), 85);
}

class Splash : public CWithResources {};

TEST_F(Splash, shows_its_pictures_in_the_middle_of_a_black_desktop_and_goes_after_the_hold)
{
    CSplashDlg splash(QRect(0, 0, 1024, 768), 32);
    for (int i = 0; i < CSplashDlg::kFrameCount; ++i) {
        const QImage& frame = splash.GetFrame(i);
        if (!CSplashDlg::IsShownFrame(i)) {
            EXPECT_TRUE(frame.isNull()) << i;
            continue;
        }
        ASSERT_FALSE(frame.isNull()) << CSplashDlg::FrameName(i);
        EXPECT_EQ(frame.size(), QSize(430, 375));
    }
    EXPECT_EQ(splash.PictureRect(), QRect(297, 196, 430, 375));

    QSignalSpy finished(&splash, &CSplashDlg::Finished);
    splash.Start();
    EXPECT_EQ(splash.GetCurrentFrame(), 0);
    const QImage first = splash.grab().toImage();
    Shoot(&splash, "splash-first.png");
    EXPECT_EQ(first.pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(first.pixelColor(1018, 762), QColor(Qt::black));
    // The picture is copied in its own size, nothing of it outside its place.
    EXPECT_EQ(first.copy(splash.PictureRect()), splash.GetFrame(0).convertToFormat(first.format()));
    EXPECT_EQ(first.pixelColor(296, 300), QColor(Qt::black));
    EXPECT_EQ(first.pixelColor(727, 300), QColor(Qt::black));

    std::vector<int> seen{splash.GetCurrentFrame()};
    while (!splash.IsHolding() && seen.size() < 40) {
        splash.Advance();
        seen.push_back(splash.GetCurrentFrame());
        if (seen.back() == 12)
            Shoot(&splash, "splash-midway.png");
    }
    EXPECT_EQ(seen.size(), 24u);
    EXPECT_EQ(seen.back(), 33);
    const QImage last = splash.grab().toImage();
    EXPECT_EQ(last.copy(splash.PictureRect()), splash.GetFrame(33).convertToFormat(last.format()));
    EXPECT_FALSE(splash.IsFinished()) << "the last picture is held";
    splash.Advance();
    EXPECT_EQ(splash.GetCurrentFrame(), 33);
    splash.EndHold();
    EXPECT_TRUE(splash.IsFinished());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(splash.GetFrame(0).isNull()) << "the pictures go with the window";
}

TEST_F(Splash, runs_by_its_timers_to_the_end)
{
    CSplashDlg splash(QRect(0, 0, 800, 600), 32);
    QSignalSpy finished(&splash, &CSplashDlg::Finished);
    splash.Start();
    // 23 pauses of 85 ms and the hold of 1.5 s.
    EXPECT_TRUE(finished.wait(10000));
    EXPECT_EQ(splash.GetCurrentFrame(), 33);
    EXPECT_TRUE(splash.IsFinished());
}

TEST(SplashMissing, pictures_that_are_missing_paint_nothing)
{
    platform::SetResourceLibrary(nullptr);
    CSplashDlg splash(QRect(0, 0, 800, 600), 32);
    EXPECT_TRUE(splash.GetFrame(0).isNull());
    splash.Start();
    const QImage shot = splash.grab().toImage();
    EXPECT_EQ(shot.pixelColor(400, 300), QColor(Qt::black));
    splash.EndHold();
}

// ---------------------------------------------------------------------------------------------
// The intro video window

// A short video of flat colours, as the build makes the intro: 120 ms a frame.
std::string WriteVideo(const std::string& folder, int nFrames, int nWidth = 160, int nHeight = 120)
{
    const std::string path = folder + "/Demo.avi";
    platform::CVideoSettings settings;
    settings.format = platform::VideoFormat::avi;
    settings.nWidth = nWidth;
    settings.nHeight = nHeight;
    platform::CVideoWriter writer;
    std::string error;
    EXPECT_TRUE(writer.Open(path, settings, error)) << error;
    for (int i = 0; i < nFrames; ++i) {
        QImage frame(nWidth, nHeight, QImage::Format_RGB32);
        frame.fill(QColor::fromHsv(i * 360 / nFrames % 360, 255, 220));
        EXPECT_TRUE(writer.AddFrame(frame, error)) << error;
    }
    EXPECT_TRUE(writer.Finish(error)) << error;
    return path;
}

TEST(IntroVideoPath, joins_with_one_separator_and_takes_the_data_directory_when_empty)
{
    EXPECT_EQ(IntroVideoPath("/opt/intro/", "/data"), "/opt/intro/Demo.avi");
    EXPECT_EQ(IntroVideoPath("/opt/intro", "/data"), "/opt/intro/Demo.avi");
    EXPECT_EQ(IntroVideoPath("", "/data"), "/data/Demo.avi");
    EXPECT_EQ(IntroVideoPath("", "/data/"), "/data/Demo.avi");
    EXPECT_EQ(IntroVideoPath("", ""), "/Demo.avi");
}

class IntroVideo : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    std::string Dir() const { return m_dir.path().toStdString(); }
    QTemporaryDir m_dir;
};

TEST_F(IntroVideo, shows_the_frame_the_clock_is_at_and_ends_at_its_length)
{
    const std::string path = WriteVideo(Dir(), 10);
    CIntroVideoDlg video(path, QRect(0, 0, 1024, 768));
    int64_t now = 0;
    video.SetClock([&now] { return now; });
    std::vector<int64_t> shown;
    QTimer::singleShot(0, &video, [&] {
        EXPECT_TRUE(video.IsPlaying());
        EXPECT_EQ(video.size(), QSize(160, 120));
        EXPECT_EQ(video.pos(), QPoint(432, 324)) << "centred on the screen";
        shown.push_back(video.GetShownFrame());
        for (int64_t ms : {50, 130, 250, 251, 700, 1199}) {
            now = ms;
            video.Tick();
            shown.push_back(video.GetShownFrame());
        }
        now = 1200;
        video.Tick();
    });
    EXPECT_EQ(video.exec(), QDialog::Accepted);
    EXPECT_EQ(shown, (std::vector<int64_t>{0, 0, 1, 2, 2, 5, 9}))
        << "slow drawing skips frames, fast drawing shows the same again";
    EXPECT_TRUE(video.IsFinished());
    EXPECT_FALSE(video.IsPlaying());
    EXPECT_TRUE(video.GetError().empty()) << video.GetError();
}

TEST_F(IntroVideo, escape_or_a_click_ends_it_once_the_first_frame_shows)
{
    const std::string path = WriteVideo(Dir(), 50);
    for (bool bKey : {true, false}) {
        CIntroVideoDlg video(path, QRect(0, 0, 1024, 768));
        int64_t now = 0;
        video.SetClock([&now] { return now; });
        QTimer::singleShot(0, &video, [&] {
            now = 240;
            video.Tick();
            EXPECT_EQ(video.GetShownFrame(), 2);
            if (bKey)
                QTest::keyClick(&video, Qt::Key_Escape);
            else
                QTest::mouseClick(&video, Qt::LeftButton, {}, QPoint(10, 10));
        });
        video.exec();
        EXPECT_TRUE(video.IsFinished());
        EXPECT_EQ(video.GetShownFrame(), 2) << (bKey ? "Escape" : "the click") << " ends it at once";
    }
}

TEST_F(IntroVideo, a_video_larger_than_the_screen_is_scaled_to_fit_keeping_its_aspect)
{
    const std::string path = WriteVideo(Dir(), 2, 1600, 800);
    CIntroVideoDlg video(path, QRect(0, 0, 1024, 768));
    QTimer::singleShot(0, &video, [&] {
        EXPECT_EQ(video.size(), QSize(1024, 512));
        video.reject();
    });
    video.exec();
    EXPECT_TRUE(video.IsFinished());
}

TEST_F(IntroVideo, files_it_cannot_play_close_it_at_once)
{
    const std::string missing = Dir() + "/none.avi";
    const std::string garbage = Dir() + "/garbage.avi";
    platform::WriteWholeFile(garbage, std::vector<uint8_t>(4000, 0x5A));
    const std::string empty = Dir() + "/empty.avi";
    platform::WriteWholeFile(empty, std::vector<uint8_t>());
    const std::string whole = WriteVideo(Dir(), 30);
    std::vector<uint8_t> bytes = Bytes(whole);
    bytes.resize(bytes.size() / 3);
    const std::string truncated = Dir() + "/truncated.avi";
    platform::WriteWholeFile(truncated, bytes);
    for (const std::string& path : {missing, garbage, empty}) {
        CIntroVideoDlg video(path, QRect(0, 0, 1024, 768));
        EXPECT_EQ(video.exec(), QDialog::Rejected) << path;
        EXPECT_TRUE(video.IsFinished());
        EXPECT_EQ(video.GetShownFrame(), -1);
        EXPECT_FALSE(video.GetError().empty());
    }
    // A file that ends too soon plays what it has and closes where it ends.
    CIntroVideoDlg video(truncated, QRect(0, 0, 1024, 768));
    int64_t now = 0;
    video.SetClock([&now] { return now; });
    QTimer::singleShot(0, &video, [&] {
        for (; now < 30 * 120 && video.IsPlaying(); now += 120)
            video.Tick();
        if (video.IsPlaying())
            video.reject();
    });
    video.exec();
    EXPECT_TRUE(video.IsFinished());
    EXPECT_LT(video.GetShownFrame(), 29);
}

// ---------------------------------------------------------------------------------------------
// The intro question

// Answers the question box as the test says, and records every box.
class CIntroAnswers : public CAnswers {
public:
    uint8_t QuestionWithCheck(QWidget*, const std::string& strText, bool* pCheck) override
    {
        m_strQuestion = strText;
        ++m_nQuestions;
        *pCheck = m_bCheck;
        return m_nAnswer;
    }
    std::string m_strQuestion;
    int m_nQuestions = 0;
    bool m_bCheck = false;
    uint8_t m_nAnswer = MB_RESULT_NO;
};

class IntroQuestion : public CWithResources {
protected:
    void SetUp() override
    {
        CWithResources::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        m_pPrevious = SetEditorPrompts(&m_answers);
        ClearUser();
    }
    void TearDown() override
    {
        ClearUser();
        SetEditorPrompts(m_pPrevious);
        CWithResources::TearDown();
    }
    static void ClearUser()
    {
        QSettings settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
        settings.clear();
        settings.sync();
    }
    static void SetUser(const char* name, const QVariant& value)
    {
        QSettings settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
        settings.setValue(QStringLiteral("1.00/") + name, value);
        settings.sync();
    }
    // The offer as the frame window makes it, with the settings of now.
    void Offer()
    {
        CQuietApp app(m_dir.path().toStdString() + "/lock");
        app.ReadSettings();
        CMainFrameWnd frame;
        frame.OfferIntro();
    }
    CIntroAnswers m_answers;
    IEditorPrompts* m_pPrevious = nullptr;
    QTemporaryDir m_dir;
};

TEST_F(IntroQuestion, a_ticked_check_and_no_turn_the_question_off_for_later_starts)
{
    SetUser("AviPath", QString::fromStdString(m_dir.path().toStdString()));
    m_answers.m_bCheck = true;
    m_answers.m_nAnswer = MB_RESULT_NO;
    Offer();
    EXPECT_EQ(m_answers.m_nQuestions, 1);
    EXPECT_EQ(m_answers.m_strQuestion, platform::LoadResString(10165));
    EXPECT_FALSE(m_answers.m_strQuestion.empty());
    EXPECT_EQ(platform::ReadSettingInt("PlayAvi", 1), 0);
    EXPECT_TRUE(m_answers.m_questions.empty()) << "No plays nothing and says nothing";
    Offer();
    EXPECT_EQ(m_answers.m_nQuestions, 1) << "the next start asks nothing";
}

TEST_F(IntroQuestion, no_without_the_check_asks_again_next_time)
{
    Offer();
    Offer();
    EXPECT_EQ(m_answers.m_nQuestions, 2);
    EXPECT_EQ(platform::ReadSettingInt("PlayAvi", 1), 1);
}

TEST_F(IntroQuestion, yes_with_no_video_there_names_the_path_it_looked_at)
{
    SetUser("AviPath", QString::fromStdString(m_dir.path().toStdString() + "/"));
    m_answers.m_nAnswer = MB_RESULT_YES;
    m_answers.m_bCheck = true;
    Offer();
    ASSERT_EQ(m_answers.m_questions.size(), 1u);
    EXPECT_EQ(m_answers.m_questions[0], m_dir.path().toStdString() + "/Demo.avi not found!");
    EXPECT_EQ(platform::ReadSettingInt("PlayAvi", 1), 0) << "the check counts whatever the answer";
}

TEST_F(IntroQuestion, yes_plays_the_video_of_the_folder_the_setting_names)
{
    const std::string path = WriteVideo(m_dir.path().toStdString(), 3);
    SetUser("AviPath", QString::fromStdString(m_dir.path().toStdString()));
    m_answers.m_nAnswer = MB_RESULT_YES;
    bool bPlayed = false;
    QTimer::singleShot(50, [&] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* video = qobject_cast<CIntroVideoDlg*>(window); video && video->isVisible()) {
                bPlayed = video->IsPlaying();
                QTest::keyClick(video, Qt::Key_Escape);
            }
    });
    Offer();
    EXPECT_TRUE(m_answers.m_questions.empty()) << m_answers.m_questions.front();
    EXPECT_TRUE(bPlayed);
    EXPECT_EQ(platform::ReadSettingInt("PlayAvi", 1), 1);
}

TEST_F(IntroQuestion, the_installed_intro_video_is_there_and_plays)
{
    const std::string path = IntroVideoPath(built::kDataDir, "");
    platform::CVideoFile video;
    std::string error;
    ASSERT_TRUE(video.Open(path, error)) << error;
    EXPECT_EQ(video.GetWidth(), 800);
    EXPECT_EQ(video.GetHeight(), 600);
    EXPECT_EQ(video.GetRate() * 120, video.GetScale() * 1000) << "120 ms a frame";
    EXPECT_GT(video.GetLength(), 100);
    QImage frame;
    EXPECT_TRUE(video.ReadFrame(video.GetLength() / 2, frame, error)) << error;
}

// ---------------------------------------------------------------------------------------------
// Export video

// The front answers with a path and a type.
class CExportAnswers : public CAnswers {
public:
    bool ChooseFileOfTypes(QWidget*, const std::string& strFolder,
        const std::vector<CPromptFileType>& types, int nMode, std::string* pPath,
        int* pType) override
    {
        m_strFolder = strFolder;
        m_types = types;
        m_nMode = nMode;
        if (m_strFile.empty())
            return false;
        // The front makes a new name as an empty file.
        platform::WriteWholeFile(m_strFile, std::vector<uint8_t>());
        *pPath = m_strFile;
        *pType = m_nType;
        return true;
    }
    std::vector<CPromptFileType> m_types;
    int m_nMode = -1;
    int m_nType = 0;
};

class ExportVideo : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        OpenEditor();
        SetEditorPrompts(&m_export);
        const std::string sample = std::string(built::kDataDir) + "/samples/With love.kel";
        ASSERT_TRUE(std::filesystem::exists(sample));
        std::filesystem::copy_file(sample, m_strDir + "/love.kel");
        ASSERT_TRUE(m_pEditor->OpenProjectFile(m_strDir + "/love.kel"));
    }
    void TearDown() override { CloseEditor(); }
    CExportAnswers m_export;
    // The failures the export says.
    platform::CMessageRecorder m_said;
};

TEST_F(ExportVideo, the_file_menu_row_writes_the_chosen_type_through_the_export_window)
{
    // The last type, a video: the chosen type is the one written, not the first. (An animated
    // PNG of this greeting takes the encoder many times as long; its writer is tested beside the
    // others in the playback tests.)
    m_export.m_strFile = m_strDir + "/love.mp4";
    m_export.m_nType = 3;
    QString status;
    bool bShown = false;
    int total = 0;
    m_pEditor->SetExportVideoRunner([&](CExportVideoDlg& dlg) {
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, &dlg, [&] {
            if (dlg.GetDone() > 3 && !bShown) {
                bShown = dlg.isVisible();
                status = dlg.GetStatusText();
                total = dlg.GetTotal();
                Shoot(&dlg, "export-progress.png");
            }
        });
        poll.start();
        dlg.exec();
    });
    ASSERT_TRUE(m_pEditor->IsCommandEnabled(ID_FILE_EXPORTVIDEO));
    m_pEditor->OnCommand(ID_FILE_EXPORTVIDEO);
    ASSERT_EQ(m_export.m_types.size(), 4u);
    EXPECT_EQ(m_export.m_types[0].strExtension, "gif");
    EXPECT_EQ(m_export.m_types[1].strExtension, "png");
    EXPECT_EQ(m_export.m_types[2].strExtension, "webm");
    EXPECT_EQ(m_export.m_types[3].strExtension, "mp4");
    EXPECT_EQ(m_export.m_nMode, OS_MODE_EXPORT);
    EXPECT_TRUE(bShown);
    EXPECT_TRUE(status.startsWith("Frame ")) << status.toStdString();
    const int frames = m_pEditor->GetDoc()->GetMovie()->GetFrameCount();
    EXPECT_EQ(total, frames);
    ASSERT_EQ(m_export.m_questions.size(), 1u);
    EXPECT_EQ(m_export.m_questions[0], "The greeting was exported to " + m_export.m_strFile + ".");
    platform::CVideoFile written;
    std::string error;
    ASSERT_TRUE(written.Open(m_export.m_strFile, error)) << error;
    EXPECT_EQ(written.GetLength(), frames);
    EXPECT_EQ(written.GetWidth(), 800);
    EXPECT_FALSE(std::filesystem::exists(m_export.m_strFile + ".part"));
}

TEST_F(ExportVideo, cancelling_leaves_no_file_and_says_nothing)
{
    m_export.m_strFile = m_strDir + "/love.gif";
    m_pEditor->SetExportVideoRunner([&](CExportVideoDlg& dlg) {
        QTimer::singleShot(0, &dlg, [&dlg] { Click(FindButton(&dlg, IDC_EV_CANCEL)); });
        dlg.exec();
        EXPECT_TRUE(dlg.IsCancelling());
        EXPECT_EQ(dlg.GetStatusText(), QStringLiteral("Cancelling\u2026"));
    });
    EXPECT_TRUE(m_pEditor->ExportVideo().empty());
    EXPECT_FALSE(std::filesystem::exists(m_export.m_strFile)) << "the front's empty file goes";
    EXPECT_FALSE(std::filesystem::exists(m_export.m_strFile + ".part"));
    EXPECT_TRUE(m_export.m_questions.empty());
    EXPECT_TRUE(m_said.m_messages.empty());
}

TEST_F(ExportVideo, a_file_that_cannot_be_written_is_said_and_the_old_one_stays)
{
    // A folder where the file should go: the export cannot put its file there.
    m_export.m_strFile = m_strDir + "/taken.mp4";
    m_pEditor->SetExportVideoRunner([&](CExportVideoDlg& dlg) { dlg.exec(); });
    std::filesystem::create_directory(m_strDir + "/taken.mp4.part");
    EXPECT_TRUE(m_pEditor->ExportVideo().empty());
    EXPECT_TRUE(m_export.m_questions.empty());
    ASSERT_EQ(m_said.m_messages.size(), 1u);
    const std::string& said = m_said.m_messages[0].strText;
    EXPECT_EQ(said.rfind("The greeting cannot be exported to " + m_export.m_strFile + ": ", 0), 0u)
        << said;
    EXPECT_FALSE(std::filesystem::exists(m_export.m_strFile)) << "the front's empty file goes";
}

TEST_F(ExportVideo, nothing_is_asked_without_a_choice)
{
    m_export.m_strFile.clear();
    bool bRan = false;
    m_pEditor->SetExportVideoRunner([&](CExportVideoDlg&) { bRan = true; });
    EXPECT_TRUE(m_pEditor->ExportVideo().empty());
    EXPECT_FALSE(bRan);
    EXPECT_TRUE(m_export.m_questions.empty());
}

} // namespace
