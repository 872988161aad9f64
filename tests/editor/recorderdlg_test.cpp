// The voice recorder as a person uses it, through SDL's "disk" driver standing in for the
// microphone: a recording kept is a cleaned, marked voice; without a microphone it says so and
// nothing can be kept; the send dialog's "Voice mail" puts the kept voice into the copy that is
// sent, from the first frame, and leaves the person's own greeting alone.
#include "editor/windows/recorderdlg.h"
#include "editor/windows/senddlg.h"
#include "mail/mailthread.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "platform/files.h"
#include "platform/wave.h"
#include "playback/projectdoc.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSettings>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <numbers>

namespace {

// What the disk driver gives as the microphone: a second of quiet on an offset, then 1.2 s of
// 440 Hz, then quiet again (mono 16-bit at 48 kHz, as the recorder opens the device).
void WriteMicrophone(const std::string& path)
{
    std::vector<int16_t> samples;
    for (int i = 0; i < 48000 * 3; ++i) {
        const bool bTone = i >= 48000 && i < 48000 + 57600;
        samples.push_back(int16_t(2000 + (bTone ? 8000 * std::sin(2 * std::numbers::pi * 440 * i / 48000.0) : 0)));
    }
    std::vector<uint8_t> bytes(samples.size() * 2);
    std::memcpy(bytes.data(), samples.data(), bytes.size());
    ASSERT_TRUE(platform::WriteWholeFile(path, bytes));
}

// Records for as long as the microphone file lasts, as a person presses Record and Stop.
void RecordAll(CRecorderDlg& recorder)
{
    Click(recorder.Button(IDC_RC_RECORD));
    ASSERT_TRUE(recorder.IsRecording()) << recorder.Status()->text().toStdString();
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(3200);
    while (std::chrono::steady_clock::now() < until)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    Click(recorder.Button(IDC_RC_STOP));
}

class Recorder : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        m_strDir = platform::MakeTempDirectory("recorder");
        ASSERT_FALSE(m_strDir.empty());
        WriteMicrophone(m_strDir + "/mic.raw");
        m_driver.emplace("SDL_AUDIODRIVER", "disk");
        m_input.emplace("SDL_DISKAUDIOFILEIN", m_strDir + "/mic.raw");
        m_pace.emplace("SDL_DISKAUDIODELAY", "10");
        m_output.emplace("SDL_DISKAUDIOFILE", m_strDir + "/out.raw");
    }
    void TearDown() override
    {
        CloseEditor();
        m_pace.reset();
        m_input.reset();
        m_driver.reset();
        m_output.reset();
        std::error_code ec;
        std::filesystem::remove_all(m_strDir, ec);
    }
    std::string m_strDir;
    std::optional<CScopedEnv> m_driver, m_input, m_pace, m_output;
};

TEST_F(Recorder, a_recording_kept_is_the_cleaned_voice_marked_as_one)
{
    CRecorderDlg recorder(nullptr);
    recorder.show();
    EXPECT_FALSE(recorder.Button(IDC_RC_KEEP)->isEnabled());
    EXPECT_FALSE(recorder.Button(IDC_RC_STOP)->isEnabled());
    RecordAll(recorder);
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_TRUE(recorder.Button(IDC_RC_LISTEN)->isEnabled());
    ASSERT_TRUE(recorder.Button(IDC_RC_KEEP)->isEnabled()) << recorder.Status()->text().toStdString();
    // The tone alone, its 1.2 s and a few milliseconds of margin.
    EXPECT_NEAR(recorder.KeptSeconds(), 1.2, 0.03);
    EXPECT_NE(recorder.Status()->text().toStdString().find("kept"), std::string::npos);
    Click(recorder.Button(IDC_RC_KEEP));
    EXPECT_EQ(recorder.result(), QDialog::Accepted);
    std::string error;
    const auto pcm = platform::DecodeWave(recorder.KeptWave(), error);
    ASSERT_TRUE(pcm) << error;
    EXPECT_TRUE(pcm->bVoice);
}

TEST_F(Recorder, without_a_microphone_it_says_so_and_nothing_can_be_kept)
{
    CScopedEnv dummy("SDL_AUDIODRIVER", "dummy");
    CRecorderDlg recorder(nullptr);
    recorder.show();
    EXPECT_NE(recorder.Status()->text().toStdString().find("No microphone"), std::string::npos)
        << recorder.Status()->text().toStdString();
    EXPECT_FALSE(recorder.Button(IDC_RC_RECORD)->isEnabled());
    EXPECT_FALSE(recorder.Button(IDC_RC_KEEP)->isEnabled());
    Click(recorder.Button(IDC_RC_CANCEL));
    EXPECT_TRUE(recorder.KeptWave().empty());
}

TEST_F(Recorder, voice_mail_goes_into_the_copy_that_is_sent_from_the_first_frame)
{
    OpenEditor();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(m_pEditor->OpenProjectFile(std::string(built::kDataDir) + "/samples/Happy Birthday.kel"));
    QSettings settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
    settings.beginGroup("1.00");
    settings.setValue("MailServer", "mail.example.org");
    settings.setValue("MailAddress", "me@example.org");
    std::unique_ptr<CMailThread> started;
    {
        CSendMailDlg dlg(*m_pEditor);
        dlg.SetStarter([&](std::unique_ptr<CMailThread> thread) {
            started = std::move(thread);
            return true;
        });
        dlg.SetRecorderRunner([](CRecorderDlg& recorder) {
            recorder.show();
            RecordAll(recorder);
            Click(recorder.Button(IDC_RC_KEEP));
            return recorder.result() == QDialog::Accepted;
        });
        dlg.show();
        Click(dlg.Button(IDC_SM_VOICEMAIL));
        EXPECT_FALSE(dlg.VoiceMessage().empty());
        EXPECT_TRUE(dlg.Button(IDC_SM_VOICEMAIL)->HasPressedLook());
        dlg.Field(IDC_SM_TO)->setText("ann@example.org");
        Click(dlg.Button(IDC_SM_SEND));
    }
    settings.remove("MailServer");
    settings.remove("MailAddress");
    ASSERT_TRUE(started);
    const auto movie = ReadProjectFile(started->m_strProjectPath);
    ASSERT_TRUE(movie);
    CLayer* first = movie->GetFirstStage()->GetLayers()->GetAt(0);
    ASSERT_TRUE(first != nullptr && first->m_pSounds);
    bool bVoice = false;
    for (CSound* sound : *first->m_pSounds)
        bVoice = bVoice || (sound->m_nStartFrame == 0 && sound->GetName() == "Voice message.wav");
    EXPECT_TRUE(bVoice);
    // The person's own greeting in the editor has no voice.
    const CLayer* own = m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->GetLayers()->GetAt(0);
    if (own->m_pSounds) {
        for (CSound* sound : *own->m_pSounds)
            EXPECT_NE(sound->GetName(), "Voice message.wav");
    }
    std::error_code ec;
    std::filesystem::remove_all(started->m_strOwnedFolder, ec);
}

} // namespace
