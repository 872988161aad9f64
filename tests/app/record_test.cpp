// vimble-tool record as scripts use it: the real program records through SDL's "disk" driver,
// which reads raw samples (mono 16-bit at 48 kHz, as the tool opens the device) from a file.
#include "platform/files.h"
#include "platform/wave.h"
#include "playback/recording.h"
#include "tests/buildpaths.h"
#include "tests/command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <random>
#include <regex>
#include <sys/wait.h>

namespace {

struct CRun {
    int nStatus;
    std::string strOut;
    std::string strErr;
};

class RecordVerb : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("recordverb");
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    // Runs the tool with the driver (and the file it records from) set for it alone.
    CRun Run(const std::string& driver, const std::string& arguments) const
    {
        const testcommand::Result ran = testcommand::Run("SDL_AUDIODRIVER=" + driver
                + " SDL_DISKAUDIOFILEIN='" + Path("in.raw") + "' SDL_DISKAUDIODELAY=2 "
                + built::kTool + " " + arguments,
            Path("stderr.txt"));
        CRun result { ran.status, ran.out, {} };
        // The disk driver announces itself on every open (SDL's own log): not the tool's.
        std::string line;
        for (char c : ran.err) {
            line += c;
            if (c == '\n') {
                if (line.rfind("CRITICAL: ", 0) != 0)
                    result.strErr += line;
                line.clear();
            }
        }
        result.strErr += line;
        return result;
    }
    void WriteRaw(const std::vector<int16_t>& samples) const
    {
        std::vector<uint8_t> bytes(samples.size() * 2);
        std::memcpy(bytes.data(), samples.data(), bytes.size());
        ASSERT_TRUE(platform::WriteWholeFile(Path("in.raw"), bytes));
    }
    std::string m_dir;
};

TEST_F(RecordVerb, writes_the_cleaned_voice_as_a_marked_wave_and_says_what_it_kept)
{
    // A second of low noise on an offset, 1.5 s of 440 Hz at -12 dBFS, half a second of noise.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> noise(-33, 33);
    std::vector<int16_t> take(48000 * 3);
    for (size_t i = 0; i < take.size(); ++i) {
        double x = 3000 + noise(random);
        if (i >= 48000 && i < 48000 * 5 / 2)
            x += 8231 * std::sin(2 * std::numbers::pi * 440 * double(i - 48000) / 48000);
        take[i] = static_cast<int16_t>(std::lround(x));
    }
    WriteRaw(take);
    const CRun run = Run("disk", "record --seconds 3 " + Path("voice.wav"));
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_TRUE(std::regex_match(run.strOut, std::regex("kept 1\\.5[0-3] s, peak -1\\.5 dBFS\n")))
        << run.strOut;
    EXPECT_FALSE(std::filesystem::exists(Path("voice.wav.part")));

    std::vector<uint8_t> file;
    ASSERT_TRUE(platform::ReadWholeFile(Path("voice.wav"), file));
    const std::string bytes(file.begin(), file.end());
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_NE(bytes.find(std::string("ISFT") + '\x1e' + std::string(3, '\0') + platform::kVoiceMark
                  + std::string(2, '\0') + "data"),
        std::string::npos);
    std::string error;
    auto pcm = platform::DecodeWave(file, error);
    ASSERT_TRUE(pcm) << error;
    // The tone comes within 20 ms of the wave's start (the reader makes 44.1 kHz stereo).
    size_t first = 0;
    while (first < pcm->samples.size() && std::abs(pcm->samples[first]) < 2000)
        ++first;
    EXPECT_LE(double(first / 2) / 44100, 0.020);
    EXPECT_NEAR(double(pcm->Frames()) / 44100, 1.5, 0.03);
}

TEST_F(RecordVerb, without_a_microphone_it_says_so_and_writes_nothing)
{
    const CRun run = Run("dummy", "record --seconds 1 " + Path("voice.wav"));
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strErr, Path("voice.wav") + ": no microphone was found\n");
    EXPECT_EQ(run.strOut, "");
    EXPECT_FALSE(std::filesystem::exists(Path("voice.wav")));
}

TEST_F(RecordVerb, a_silent_recording_says_so_and_writes_nothing)
{
    WriteRaw(std::vector<int16_t>(48000, 3000));
    const CRun run = Run("disk", "record --seconds 1 " + Path("voice.wav"));
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strErr.rfind(Path("voice.wav") + ": the recording is silent", 0), 0u)
        << run.strErr;
    EXPECT_EQ(std::count(run.strErr.begin(), run.strErr.end(), '\n'), 1);
    EXPECT_FALSE(std::filesystem::exists(Path("voice.wav")));
}

class RecordVerbUsage : public RecordVerb, public testing::WithParamInterface<const char*> { };

TEST_P(RecordVerbUsage, a_misused_command_line_shows_the_usage)
{
    const CRun run = Run("dummy", GetParam());
    EXPECT_EQ(run.nStatus, 2) << run.strErr;
    EXPECT_NE(run.strErr.find("record [--seconds S] [--device NAME] OUT.wav"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, RecordVerbUsage,
    testing::Values("record", "record --seconds 0 x.wav", "record --seconds 0.5 x.wav",
        "record --seconds 61 x.wav", "record --seconds 2s x.wav", "record --seconds x.wav",
        "record --device x.wav", "record a.wav b.wav", "record --loud x.wav"));

} // namespace
