// A recorded voice: the cleaning (offset, silence, loudness), the wave that marks it, and the
// microphone itself through SDL's "disk" driver, which reads raw samples from a file.
#include "platform/capture.h"
#include "platform/files.h"
#include "platform/wave.h"
#include "playback/recording.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <random>
#include <thread>

namespace {

constexpr double kFullScale = 32768.0;

double Amplitude(double dbfs)
{
    return kFullScale * std::pow(10.0, dbfs / 20.0);
}

double PeakDb(std::span<const int16_t> samples)
{
    int peak = 0;
    for (int16_t s : samples)
        peak = std::max(peak, std::abs(int(s)));
    return 20.0 * std::log10(peak / kFullScale);
}

// A voice as a microphone gives it: low noise (-60 dBFS) on an offset of +3000, a 440 Hz tone
// for 1.5 s from toneStart, then half a second more of the noise.
struct CTakeShape {
    int nRate;
    double fToneStart; // seconds
    double fToneDb; // the tone's peak
    // Then half a second of zeros: a device that stopped, its offset gone at once (what SDL's
    // disk driver gives once its file has ended).
    bool bStopped = false;
};

constexpr double kToneSeconds = 1.5;
constexpr double kToneHz = 440;
constexpr int kOffset = 3000;

std::vector<int16_t> MakeTake(const CTakeShape& shape)
{
    std::mt19937 random(1234);
    std::uniform_real_distribution<double> noise(-Amplitude(-60), Amplitude(-60));
    const size_t toneStart = size_t(std::lround(shape.fToneStart * shape.nRate));
    const size_t toneLength = size_t(std::lround(kToneSeconds * shape.nRate));
    const size_t total = toneStart + toneLength + size_t(shape.nRate / 2)
        + (shape.bStopped ? size_t(shape.nRate / 2) : 0);
    std::vector<int16_t> take(total);
    for (size_t i = 0; i < total; ++i) {
        const bool bAfterStop = shape.bStopped && i >= total - size_t(shape.nRate / 2);
        double x = bAfterStop ? 0 : kOffset + noise(random);
        if (i >= toneStart && i < toneStart + toneLength)
            x += Amplitude(shape.fToneDb)
                * std::sin(2 * std::numbers::pi * kToneHz * double(i - toneStart) / shape.nRate);
        take[i] = static_cast<int16_t>(std::lround(std::clamp(x, -32768.0, 32767.0)));
    }
    return take;
}

struct CToneCheck {
    double fStartMs; // where the kept wave starts, before the tone's start
    double fEndMs; // where it ends, after the tone's end
    double fPeakDb;
    double fHz;
};

// What every cleaned take must show: it starts within 20 ms before the tone and ends within
// 20 ms after it, holds no offset, peaks between -3 and -1 dBFS and still holds 440 Hz.
CToneCheck CheckCleanedTone(const CCleanedVoice& voice, const CTakeShape& shape)
{
    const double rate = shape.nRate;
    const double toneStart = std::round(shape.fToneStart * rate);
    const double toneEnd = toneStart + std::round(kToneSeconds * rate);
    CToneCheck check {};
    EXPECT_EQ(voice.strReason, "");
    if (voice.samples.empty()) {
        ADD_FAILURE() << "nothing was kept";
        return check;
    }
    check.fStartMs = (toneStart - double(voice.nFirst)) * 1000 / rate;
    check.fEndMs = (double(voice.nFirst + voice.samples.size()) - toneEnd) * 1000 / rate;
    EXPECT_GE(check.fStartMs, 0) << "the tone's beginning was cut";
    EXPECT_LE(check.fStartMs, 20);
    EXPECT_GE(check.fEndMs, 0) << "the tone's end was cut";
    EXPECT_LE(check.fEndMs, 20);

    double sum = 0;
    for (int16_t s : voice.samples)
        sum += s;
    EXPECT_LT(std::abs(sum / double(voice.samples.size()) / kFullScale), 1e-3);

    check.fPeakDb = PeakDb(voice.samples);
    EXPECT_GE(check.fPeakDb, -3.0);
    EXPECT_LE(check.fPeakDb, -1.0);
    EXPECT_NEAR(voice.fPeakDb, check.fPeakDb, 1e-9);

    // Swings through zero over one second in the tone, away from the margins; a swing counts
    // once the wave passes a tenth of its peak on the other side, so that noise near zero does
    // not add any.
    const size_t from = size_t(toneStart) - voice.nFirst + size_t(rate / 10);
    const size_t to = std::min(from + size_t(rate), voice.samples.size());
    EXPECT_EQ(to - from, size_t(rate));
    const double hysteresis = Amplitude(check.fPeakDb) / 10;
    int swings = 0;
    bool bHigh = voice.samples[from] > 0;
    for (size_t i = from; i < to; ++i) {
        if (bHigh ? voice.samples[i] < -hysteresis : voice.samples[i] > hysteresis) {
            bHigh = !bHigh;
            ++swings;
        }
    }
    check.fHz = swings / 2.0;
    EXPECT_NEAR(check.fHz, kToneHz, 2.0);
    return check;
}

// ---- The cleaning ------------------------------------------------------------------------

class CleanRecordingTake : public testing::TestWithParam<CTakeShape> { };

TEST_P(CleanRecordingTake, keeps_the_tone_from_its_start_without_offset_at_the_voice_peak)
{
    const CTakeShape& shape = GetParam();
    const std::vector<int16_t> take = MakeTake(shape);
    const CCleanedVoice voice = CleanRecording(take, shape.nRate);
    CheckCleanedTone(voice, shape);
    EXPECT_NEAR(voice.fPeakDb, kVoicePeakDb, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Shapes, CleanRecordingTake,
    testing::Values(CTakeShape { 48000, 1.0, -12 }, // the tone on a block's edge
        CTakeShape { 44100, 1.0, -12 }, // the same at 44.1 kHz
        CTakeShape { 48000, 1.0073, -12 }, // inside a block
        CTakeShape { 44100, 0.9951, -12 }, // inside a block at 44.1 kHz
        CTakeShape { 48000, 0.5, -1.0 }, // loud: brought down
        CTakeShape { 44100, 1.2, -36 }, // quiet: brought up
        CTakeShape { 48000, 1.0, -12, true }), // the device stopped after the voice
    [](const testing::TestParamInfo<CTakeShape>& info) {
        const CTakeShape& shape = info.param;
        return std::to_string(shape.nRate) + "Hz_tone_from_"
            + std::to_string(std::lround(shape.fToneStart * 1e6)) + "us_"
            + std::to_string(std::lround(-shape.fToneDb)) + "dB_down"
            + (shape.bStopped ? "_then_stopped" : "");
    });

struct CSilentTake {
    const char* name;
    std::vector<int16_t> samples;
};

class CleanRecordingSilence : public testing::TestWithParam<CSilentTake> { };

TEST_P(CleanRecordingSilence, keeps_nothing_and_says_why)
{
    const CCleanedVoice voice = CleanRecording(GetParam().samples, 48000);
    EXPECT_TRUE(voice.samples.empty());
    EXPECT_NE(voice.strReason, "");
}

std::vector<int16_t> Noise(double dbfs, int offset, size_t count)
{
    std::mt19937 random(99);
    std::uniform_real_distribution<double> noise(-Amplitude(dbfs), Amplitude(dbfs));
    std::vector<int16_t> samples(count);
    for (int16_t& s : samples)
        s = static_cast<int16_t>(std::lround(offset + noise(random)));
    return samples;
}

INSTANTIATE_TEST_SUITE_P(Takes, CleanRecordingSilence,
    testing::Values(CSilentTake { "nothing", {} },
        CSilentTake { "zeros", std::vector<int16_t>(96000, 0) },
        CSilentTake { "an_offset_alone", std::vector<int16_t>(96000, kOffset) },
        CSilentTake { "noise_under_minus_45_dbfs", Noise(-50, kOffset, 96000) }),
    [](const testing::TestParamInfo<CSilentTake>& info) { return std::string(info.param.name); });

TEST(CleanRecording, a_take_without_a_pause_is_kept_whole)
{
    // Nothing quieter to tell the voice from: no block stands out, so nothing is cut.
    std::vector<int16_t> take(48000);
    for (size_t i = 0; i < take.size(); ++i)
        take[i] = static_cast<int16_t>(
            std::lround(kOffset + 4000 * std::sin(2 * std::numbers::pi * 300 * double(i) / 48000)));
    const CCleanedVoice voice = CleanRecording(take, 48000);
    EXPECT_EQ(voice.nFirst, 0u);
    EXPECT_EQ(voice.samples.size(), take.size());
    EXPECT_NEAR(PeakDb(voice.samples), kVoicePeakDb, 0.01);
}

// ---- The wave -----------------------------------------------------------------------------

uint32_t Read32(const std::vector<uint8_t>& file, size_t pos)
{
    return uint32_t(file[pos]) | uint32_t(file[pos + 1]) << 8 | uint32_t(file[pos + 2]) << 16
        | uint32_t(file[pos + 3]) << 24;
}

TEST(VoiceWaveFile, holds_the_format_the_mark_and_the_samples_in_that_order)
{
    const std::vector<int16_t> samples { 1, -2, 32767, -32768, 5 };
    const std::vector<uint8_t> file = VoiceWaveFile(samples, 22050);
    const uint8_t expected[] = { 'R', 'I', 'F', 'F', 96, 0, 0, 0, 'W', 'A', 'V', 'E', //
        'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, // PCM, mono
        0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0, // 22050 Hz, 44100 bytes/s, 16-bit
        'L', 'I', 'S', 'T', 42, 0, 0, 0, 'I', 'N', 'F', 'O', //
        'I', 'S', 'F', 'T', 30, 0, 0, 0, //
        'V', 'i', 'm', 'b', 'l', 'e', ' ', 'e', '-', 'm', 'a', 'i', 'l', ' ', 'v', 'o', 'i', 'c',
        'e', ' ', 'r', 'e', 'c', 'o', 'r', 'd', 'e', 'r', 0, 0, //
        'd', 'a', 't', 'a', 10, 0, 0, 0, //
        1, 0, 0xFE, 0xFF, 0xFF, 0x7F, 0x00, 0x80, 5, 0 };
    EXPECT_EQ(file, std::vector<uint8_t>(std::begin(expected), std::end(expected)));
    EXPECT_EQ(Read32(file, 4), file.size() - 8);
}

TEST(VoiceWaveFile, reads_back_through_the_wave_reader)
{
    // At the mixer's own rate the reader copies the samples into both channels unchanged.
    std::vector<int16_t> samples(4410);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<int16_t>(int(i * 37 % 65536) - 32768);
    const std::vector<uint8_t> file = VoiceWaveFile(samples, platform::kAudioRate);
    std::string error;
    auto pcm = platform::DecodeWave(file, error);
    ASSERT_TRUE(pcm) << error;
    ASSERT_EQ(pcm->Frames(), samples.size());
    for (size_t i = 0; i < samples.size(); ++i) {
        ASSERT_EQ(pcm->samples[2 * i], samples[i]) << i;
        ASSERT_EQ(pcm->samples[2 * i + 1], samples[i]) << i;
    }
    // At another rate it is resampled to the same length in time.
    auto resampled = platform::DecodeWave(VoiceWaveFile(samples, 48000), error);
    ASSERT_TRUE(resampled) << error;
    EXPECT_NEAR(double(resampled->Frames()), 4410.0 * 44100 / 48000, 1.0);
}

// ---- The microphone -------------------------------------------------------------------------

// SDL's "disk" driver records from SDL_DISKAUDIOFILEIN, raw samples in the opened format (mono
// 16-bit at 48 kHz here, which it accepts as asked), one buffer every SDL_DISKAUDIODELAY ms;
// after the file's end it records silence.
class VoiceCapture : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("capture");
        ASSERT_FALSE(m_dir.empty());
        m_strRaw = m_dir + "/in.raw";
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    void WriteRaw(const std::vector<int16_t>& samples) const
    {
        std::vector<uint8_t> bytes(samples.size() * 2);
        std::memcpy(bytes.data(), samples.data(), bytes.size());
        ASSERT_TRUE(platform::WriteWholeFile(m_strRaw, bytes));
    }
    // Waits (at most twenty seconds) until the recording holds the seconds asked or stops.
    static void WaitFor(const platform::CVoiceCapture& capture, double seconds)
    {
        for (int i = 0; i < 2000 && capture.IsRecording() && capture.Seconds() < seconds; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::string m_dir;
    std::string m_strRaw;
};

TEST_F(VoiceCapture, records_what_the_device_gives_and_the_cleaning_finds_the_voice)
{
    const CTakeShape shape { 48000, 1.0, -12 };
    const std::vector<int16_t> take = MakeTake(shape);
    WriteRaw(take);
    CScopedEnv driver("SDL_AUDIODRIVER", "disk");
    CScopedEnv file("SDL_DISKAUDIOFILEIN", m_strRaw);
    CScopedEnv pace("SDL_DISKAUDIODELAY", "2");
    platform::CVoiceCapture capture;
    std::string reason;
    ASSERT_TRUE(capture.Start("", reason)) << reason;
    ASSERT_EQ(capture.Rate(), 48000);
    EXPECT_TRUE(capture.IsRecording());
    const double seconds = double(take.size()) / 48000;
    WaitFor(capture, seconds);
    EXPECT_GE(capture.Seconds(), seconds);
    capture.Stop();
    EXPECT_FALSE(capture.IsRecording());
    EXPECT_FALSE(capture.Lost());
    EXPECT_EQ(capture.Level(), 0.0f);
    std::vector<int16_t> recorded = capture.Take();
    ASSERT_GE(recorded.size(), take.size());
    // Exactly the file, from its first sample.
    EXPECT_TRUE(std::equal(take.begin(), take.end(), recorded.begin()));
    EXPECT_EQ(capture.Seconds(), 0.0);
    EXPECT_TRUE(capture.Take().empty());
    // The driver's silence after the file, without the file's offset, is no part of the take
    // (the tool too keeps only the length asked for).
    recorded.resize(take.size());

    const CCleanedVoice voice = CleanRecording(recorded, capture.Rate());
    const CToneCheck check = CheckCleanedTone(voice, shape);
    std::printf("disk driver: kept %.3f s, starts %.2f ms before the tone, ends %.2f ms after it, "
                "peak %.2f dBFS, %.1f Hz\n",
        double(voice.samples.size()) / capture.Rate(), check.fStartMs, check.fEndMs, check.fPeakDb,
        check.fHz);
}

TEST_F(VoiceCapture, the_meter_shows_the_last_peak)
{
    std::vector<int16_t> tone(48000 * 5);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = static_cast<int16_t>(
            std::lround(Amplitude(-6) * std::sin(2 * std::numbers::pi * 440 * double(i) / 48000)));
    WriteRaw(tone);
    CScopedEnv driver("SDL_AUDIODRIVER", "disk");
    CScopedEnv file("SDL_DISKAUDIOFILEIN", m_strRaw);
    platform::CVoiceCapture capture;
    std::string reason;
    ASSERT_TRUE(capture.Start("", reason)) << reason;
    WaitFor(capture, 0.1);
    ASSERT_TRUE(capture.IsRecording());
    EXPECT_NEAR(capture.Level(), Amplitude(-6) / kFullScale, 0.01);
    capture.Stop();
    EXPECT_EQ(capture.Level(), 0.0f);
}

TEST_F(VoiceCapture, stops_by_itself_after_a_minute)
{
    WriteRaw(Noise(-20, 0, 48000));
    CScopedEnv driver("SDL_AUDIODRIVER", "disk");
    CScopedEnv file("SDL_DISKAUDIOFILEIN", m_strRaw);
    CScopedEnv pace("SDL_DISKAUDIODELAY", "0");
    platform::CVoiceCapture capture;
    std::string reason;
    ASSERT_TRUE(capture.Start("", reason)) << reason;
    WaitFor(capture, 2 * platform::CVoiceCapture::kMaxSeconds);
    EXPECT_FALSE(capture.IsRecording());
    EXPECT_EQ(capture.Seconds(), platform::CVoiceCapture::kMaxSeconds);
    EXPECT_EQ(capture.Level(), 0.0f);
    EXPECT_EQ(capture.Take().size(), size_t(48000) * platform::CVoiceCapture::kMaxSeconds);
}

TEST_F(VoiceCapture, without_a_microphone_nothing_starts_and_the_reason_says_so)
{
    // SDL's "dummy" driver stands for no sound hardware at all.
    CScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    std::string reason;
    EXPECT_TRUE(platform::CVoiceCapture::InputDevices(reason).empty());
    EXPECT_EQ(reason, "no microphone was found");
    platform::CVoiceCapture capture;
    reason.clear();
    EXPECT_FALSE(capture.Start("", reason));
    EXPECT_EQ(reason, "no microphone was found");
    EXPECT_FALSE(capture.IsRecording());
    EXPECT_TRUE(capture.Take().empty());
}

TEST_F(VoiceCapture, a_device_that_refuses_gives_sdls_answer)
{
    // The disk driver opens a named device as the file of that name.
    CScopedEnv driver("SDL_AUDIODRIVER", "disk");
    std::string reason;
    const std::vector<std::string> devices = platform::CVoiceCapture::InputDevices(reason);
    EXPECT_EQ(devices.size(), 1u) << reason;
    platform::CVoiceCapture capture;
    reason.clear();
    EXPECT_FALSE(capture.Start(m_dir + "/missing.raw", reason));
    EXPECT_EQ(reason.rfind("the microphone could not be opened: ", 0), 0u) << reason;
    EXPECT_NE(reason.find("missing.raw"), std::string::npos) << reason;
    EXPECT_FALSE(capture.IsRecording());
}

} // namespace
