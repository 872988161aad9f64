#include "platform/wave.h"

#include "platform/files.h"
#include "platform/mixer.h"
#include "platform/text.h"
#include "platform/video.h"
#include "translations/translator.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <functional>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put24(Bytes& b, uint32_t v)
{
    Put16(b, v);
    b.push_back(uint8_t(v >> 16));
}
void Put32(Bytes& b, uint32_t v)
{
    Put16(b, v);
    Put16(b, v >> 16);
}
void PutFloat(Bytes& b, float f)
{
    uint32_t v;
    std::memcpy(&v, &f, sizeof v);
    Put32(b, v);
}
void PutDouble(Bytes& b, double f)
{
    uint64_t v;
    std::memcpy(&v, &f, sizeof v);
    Put32(b, uint32_t(v));
    Put32(b, uint32_t(v >> 32));
}

struct CChunk {
    std::string tag;
    Bytes body;
    // The length written in the chunk header; -1: the body's own.
    int64_t nClaimed = -1;
};

// A RIFF/WAVE file of the chunks, each followed by its pad byte when its length is odd.
Bytes Riff(const std::vector<CChunk>& chunks)
{
    Bytes out = { 'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E' };
    for (const CChunk& chunk : chunks) {
        out.insert(out.end(), chunk.tag.begin(), chunk.tag.end());
        Put32(out, uint32_t(chunk.nClaimed >= 0 ? chunk.nClaimed : int64_t(chunk.body.size())));
        out.insert(out.end(), chunk.body.begin(), chunk.body.end());
        if (chunk.body.size() % 2 != 0)
            out.push_back(0);
    }
    const uint32_t riffSize = uint32_t(out.size() - 8);
    for (int i = 0; i < 4; ++i)
        out[4 + i] = uint8_t(riffSize >> (8 * i));
    return out;
}

// A format chunk's body; block align -1: channels times the bytes of a sample.
Bytes Fmt(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int blockAlign = -1)
{
    const uint32_t align = blockAlign >= 0 ? uint32_t(blockAlign) : channels * ((bits + 7u) / 8);
    Bytes b;
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * align);
    Put16(b, align);
    Put16(b, bits);
    return b;
}

Bytes FmtExtensible(uint16_t subFormat, uint16_t channels, uint32_t rate, uint16_t bits)
{
    Bytes b = Fmt(0xFFFE, channels, rate, bits);
    Put16(b, 22); // extension size
    Put16(b, bits); // valid bits
    Put32(b, 0); // channel mask
    Put16(b, subFormat);
    const uint8_t guidRest[14]
        = { 0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 };
    b.insert(b.end(), guidRest, guidRest + 14);
    return b;
}

Bytes Wave(const Bytes& fmt, const Bytes& data)
{
    return Riff({ { "fmt ", fmt }, { "data", data } });
}

Bytes Pcm16(const std::vector<int16_t>& samples)
{
    Bytes b;
    for (int16_t s : samples)
        Put16(b, uint16_t(s));
    return b;
}

std::shared_ptr<platform::CPcm> Decode(const Bytes& file, std::string& error)
{
    return platform::DecodeWave(file, error);
}

std::shared_ptr<platform::CPcm> DecodeOk(const Bytes& file)
{
    std::string error;
    auto pcm = Decode(file, error);
    EXPECT_NE(pcm, nullptr) << error;
    return pcm;
}

// The left channel of a sound whose two channels must be equal.
std::vector<int> Mono(const platform::CPcm& pcm)
{
    std::vector<int> out;
    for (size_t i = 0; i < pcm.Frames(); ++i) {
        EXPECT_EQ(pcm.samples[2 * i], pcm.samples[2 * i + 1]) << "frame " << i;
        out.push_back(pcm.samples[2 * i]);
    }
    return out;
}

std::vector<int> DecodeMono(const Bytes& file)
{
    auto pcm = DecodeOk(file);
    return pcm ? Mono(*pcm) : std::vector<int> {};
}

std::string Refusal(const Bytes& file)
{
    std::string error;
    auto pcm = Decode(file, error);
    EXPECT_EQ(pcm, nullptr);
    EXPECT_FALSE(error.empty());
    return error;
}

// --- Sample formats: every kind of sample lands on the 16-bit scale ---

TEST(WaveSamples, Pcm8IsUnsignedAroundTheMiddle)
{
    const Bytes data = { 128, 255, 0, 192, 64, 129 };
    EXPECT_EQ(DecodeMono(Wave(Fmt(1, 1, 44100, 8), data)),
        (std::vector<int> { 0, 32512, -32768, 16384, -16384, 256 }));
}

TEST(WaveSamples, Pcm16IsTakenAsItIs)
{
    const std::vector<int16_t> samples = { 0, 1, -1, 32767, -32768, 12345 };
    EXPECT_EQ(DecodeMono(Wave(Fmt(1, 1, 44100, 16), Pcm16(samples))),
        (std::vector<int> { 0, 1, -1, 32767, -32768, 12345 }));
}

TEST(WaveSamples, Pcm24KeepsTheTopBitsRounded)
{
    Bytes data;
    for (uint32_t v :
        { 0x000000u, 0x123456u, 0x123480u, 0x7FFFFFu, 0x800000u, 0xFFFF00u, 0x0000FFu })
        Put24(data, v);
    EXPECT_EQ(DecodeMono(Wave(Fmt(1, 1, 44100, 24), data)),
        (std::vector<int> { 0, 0x1234, 0x1235, 32767, -32768, -1, 1 }));
}

TEST(WaveSamples, Pcm32KeepsTheTopBitsRounded)
{
    Bytes data;
    for (uint32_t v : { 0x00000000u, 0x12345678u, 0x7FFFFFFFu, 0x80000000u, 0xFFFF0000u })
        Put32(data, v);
    EXPECT_EQ(DecodeMono(Wave(Fmt(1, 1, 44100, 32), data)),
        (std::vector<int> { 0, 0x1234, 32767, -32768, -1 }));
}

TEST(WaveSamples, Float32IsScaledAndClamped)
{
    Bytes data;
    const float inf = std::numeric_limits<float>::infinity();
    for (float f : { 0.0f, 0.5f, -0.5f, -1.0f, 1.0f, 4.0f, -inf, inf,
             std::numeric_limits<float>::quiet_NaN() })
        PutFloat(data, f);
    EXPECT_EQ(DecodeMono(Wave(Fmt(3, 1, 44100, 32), data)),
        (std::vector<int> { 0, 16384, -16384, -32768, 32767, 32767, -32768, 32767, 0 }));
}

TEST(WaveSamples, Float64IsScaledAndClamped)
{
    Bytes data;
    for (double f : { 0.0, 0.25, -0.25, -1.0, 1.0, -7.0, std::numeric_limits<double>::quiet_NaN() })
        PutDouble(data, f);
    EXPECT_EQ(DecodeMono(Wave(Fmt(3, 1, 44100, 64), data)),
        (std::vector<int> { 0, 8192, -8192, -32768, 32767, -32768, 0 }));
}

TEST(WaveSamples, ExtensibleTakesItsSubFormat)
{
    EXPECT_EQ(DecodeMono(Wave(FmtExtensible(1, 1, 44100, 16), Pcm16({ 100, -200 }))),
        (std::vector<int> { 100, -200 }));
    Bytes floats;
    PutFloat(floats, 0.5f);
    PutFloat(floats, -0.25f);
    EXPECT_EQ(DecodeMono(Wave(FmtExtensible(3, 1, 44100, 32), floats)),
        (std::vector<int> { 16384, -8192 }));
}

// --- Channels: mono to both sides, the rest mixed into both ---

TEST(WaveChannels, MonoGoesToBothSides)
{
    auto pcm = DecodeOk(Wave(Fmt(1, 1, 44100, 16), Pcm16({ 7, -9 })));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->samples, (std::vector<int16_t> { 7, 7, -9, -9 }));
}

TEST(WaveChannels, StereoKeepsLeftAndRight)
{
    auto pcm = DecodeOk(Wave(Fmt(1, 2, 44100, 16), Pcm16({ 1, 2, 3, 4 })));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->samples, (std::vector<int16_t> { 1, 2, 3, 4 }));
}

TEST(WaveChannels, SixChannelsShareTheirAverageWithBothSides)
{
    // Channels 2 to 5 average 6000; each side is half its own channel, half that average.
    auto pcm = DecodeOk(Wave(Fmt(1, 6, 44100, 16),
        Pcm16({ 1000, 2000, 3000, 5000, 7000, 9000, -1000, 1000, 0, 0, 0, 0 })));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->samples, (std::vector<int16_t> { 3500, 4000, -500, 500 }));
}

TEST(WaveChannels, SameSoundOnEveryChannelKeepsItsLevel)
{
    Bytes data;
    for (int i = 0; i < 8; ++i)
        PutFloat(data, 0.5f);
    auto pcm = DecodeOk(Wave(FmtExtensible(3, 8, 44100, 32), data));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->samples, (std::vector<int16_t> { 16384, 16384 }));
}

// --- Rates: converted to 44100 Hz by linear interpolation ---

struct CRateCase {
    uint32_t nRate;
    size_t nFrames;
    size_t nExpected;
};

class WaveRates : public testing::TestWithParam<CRateCase> { };

TEST_P(WaveRates, ConstantStaysConstantAndLengthKeepsItsDuration)
{
    const CRateCase c = GetParam();
    std::vector<int16_t> samples(c.nFrames * 2);
    for (size_t i = 0; i < c.nFrames; ++i) {
        samples[2 * i] = -1234;
        samples[2 * i + 1] = 4321;
    }
    auto pcm = DecodeOk(Wave(Fmt(1, 2, c.nRate, 16), Pcm16(samples)));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->Frames(), c.nExpected);
    for (size_t i = 0; i < pcm->Frames(); ++i) {
        ASSERT_EQ(pcm->samples[2 * i], -1234) << "frame " << i;
        ASSERT_EQ(pcm->samples[2 * i + 1], 4321) << "frame " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, WaveRates,
    testing::Values(CRateCase { 22050, 1000, 2000 }, CRateCase { 44100, 1000, 1000 },
        CRateCase { 48000, 4800, 4410 }, CRateCase { 8000, 800, 4410 },
        CRateCase { 384000, 38400, 4410 }, CRateCase { 1000, 3, 132 }));

TEST(WaveResampling, RampAt22050InterpolatesHalfway)
{
    const size_t n = 500;
    std::vector<int16_t> ramp;
    for (size_t k = 0; k < n; ++k)
        ramp.push_back(int16_t(10 * k - 2000));
    const std::vector<int> out = DecodeMono(Wave(Fmt(1, 1, 22050, 16), Pcm16(ramp)));
    ASSERT_GE(out.size(), 2 * n - 1);
    ASSERT_LE(out.size(), 2 * n + 1);
    for (size_t k = 0; k + 1 < n; ++k) {
        ASSERT_EQ(out[2 * k], ramp[k]) << "frame " << 2 * k;
        ASSERT_EQ(out[2 * k + 1], ramp[k] + 5) << "frame " << 2 * k + 1;
    }
}

TEST(WaveResampling, RampAt48000FollowsTheLine)
{
    std::vector<int16_t> ramp;
    for (int k = 0; k < 4800; ++k)
        ramp.push_back(int16_t(6 * k - 14000));
    const std::vector<int> out = DecodeMono(Wave(Fmt(1, 1, 48000, 16), Pcm16(ramp)));
    ASSERT_EQ(out.size(), 4410u);
    for (size_t j = 0; j < out.size(); ++j) {
        const double expected = 6.0 * double(j) * 48000 / 44100 - 14000;
        ASSERT_NEAR(out[j], expected, 0.5 + 1e-9) << "frame " << j;
    }
}

TEST(WaveResampling, PositionsDoNotDriftOverAMinute)
{
    // Every 480th frame at 48000 Hz is a spike, which must come out whole at every 441st
    // frame: a position off by a thousandth of a frame would shave it.
    const size_t n = 48000 * 60;
    std::vector<int16_t> spikes(n, 0);
    for (size_t k = 0; k < n; k += 480)
        spikes[k] = 30000;
    const std::vector<int> out = DecodeMono(Wave(Fmt(1, 1, 48000, 16), Pcm16(spikes)));
    ASSERT_EQ(out.size(), 44100u * 60);
    for (size_t j = 0; j < out.size(); j += 441)
        ASSERT_EQ(out[j], 30000) << "frame " << j;
}

TEST(WaveResampling, ConvertToMixerTakesMonoAndStereo)
{
    const std::vector<int16_t> mono = { 0, 100, 200 };
    auto pcm = platform::ConvertToMixer(mono, 1, 22050);
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->samples,
        (std::vector<int16_t> { 0, 0, 50, 50, 100, 100, 150, 150, 200, 200, 200, 200 }));
    const std::vector<int16_t> stereo = { 1, 2, 3, 4, 5 }; // the odd sample is no whole frame
    pcm = platform::ConvertToMixer(stereo, 2, 44100);
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->samples, (std::vector<int16_t> { 1, 2, 3, 4 }));
}

TEST(WaveResampling, ConvertToMixerGivesSilenceForWhatItCannotTake)
{
    const std::vector<int16_t> samples = { 1, 2, 3, 4 };
    for (auto [channels, rate] : { std::pair { 0, 44100 }, { 3, 44100 }, { 1, 0 }, { 2, -5 } }) {
        auto pcm = platform::ConvertToMixer(samples, channels, rate);
        ASSERT_NE(pcm, nullptr);
        EXPECT_EQ(pcm->Frames(), 0u) << channels << " channels at " << rate;
    }
}

// --- Chunks: every length checked against the bytes there are ---

Bytes GoodStereo()
{
    std::vector<int16_t> samples;
    for (int i = 0; i < 40; ++i)
        samples.push_back(int16_t(i * 300 - 6000));
    Bytes odd = { 'a', 'b', 'c' };
    return Riff({ { "LIST", odd }, { "fmt ", Fmt(1, 2, 44100, 16) }, { "fact", { 1, 0, 0, 0 } },
        { "data", Pcm16(samples) } });
}

TEST(WaveChunks, UnknownChunksBeforeTheFormatAreSkipped)
{
    auto pcm = DecodeOk(GoodStereo());
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->Frames(), 20u);
    EXPECT_EQ(pcm->samples[0], -6000);
    EXPECT_EQ(pcm->samples[39], 39 * 300 - 6000);
}

TEST(WaveChunks, OddChunksArePadded)
{
    // An odd data chunk of three 8-bit frames, its pad byte, then a chunk after it.
    auto pcm = DecodeOk(Riff({ { "junk", { 1, 2, 3, 4, 5 } }, { "fmt ", Fmt(1, 1, 44100, 8) },
        { "data", { 128, 129, 127 } }, { "LIST", { 9, 9, 9, 9 } } }));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(Mono(*pcm), (std::vector<int> { 0, 256, -256 }));
}

TEST(WaveChunks, FileCutAtEveryLengthIsRefusedOrShorter)
{
    const Bytes full = GoodStereo();
    auto whole = DecodeOk(full);
    ASSERT_NE(whole, nullptr);
    const size_t dataStart = full.size() - 80; // after the data chunk's header
    for (size_t length = 0; length <= full.size(); ++length) {
        const Bytes cut(full.begin(), full.begin() + std::ptrdiff_t(length));
        std::string error;
        auto pcm = Decode(cut, error);
        if (length < dataStart) {
            EXPECT_EQ(pcm, nullptr) << "length " << length;
            EXPECT_FALSE(error.empty()) << "length " << length;
            continue;
        }
        ASSERT_NE(pcm, nullptr) << "length " << length << ": " << error;
        // What arrived plays: every whole frame, the same as in the whole file.
        EXPECT_EQ(pcm->Frames(), (length - dataStart) / 4) << "length " << length;
        EXPECT_TRUE(std::equal(pcm->samples.begin(), pcm->samples.end(), whole->samples.begin()))
            << "length " << length;
    }
}

TEST(WaveChunks, DataLongerThanTheFilePlaysWhatIsThere)
{
    auto pcm = DecodeOk(Riff({ { "fmt ", Fmt(1, 2, 44100, 16) },
        { "data", Pcm16({ 10, 20, 30, 40, 50 }), 0x7FFFFFF0 } }));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->samples, (std::vector<int16_t> { 10, 20, 30, 40 }));
}

TEST(WaveChunks, EmptyDataIsAnEmptySound)
{
    auto pcm = DecodeOk(Wave(Fmt(1, 2, 44100, 16), {}));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->Frames(), 0u);
    // Less than one whole frame is no sound either.
    pcm = DecodeOk(Wave(Fmt(1, 2, 44100, 16), { 1, 2, 3 }));
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->Frames(), 0u);
}

TEST(WaveChunks, MissingPiecesAreRefused)
{
    EXPECT_EQ(Refusal({ 'R' }), "not a RIFF/WAVE file");
    EXPECT_EQ(Refusal({}), "not a RIFF/WAVE file");
    Bytes avi = GoodStereo();
    std::memcpy(avi.data() + 8, "AVI ", 4);
    EXPECT_EQ(Refusal(avi), "not a RIFF/WAVE file");
    EXPECT_EQ(Refusal(Riff({ { "data", { 0, 0 } } })), "the wave's format chunk is missing");
    EXPECT_EQ(
        Refusal(Riff({ { "fmt ", Fmt(1, 1, 44100, 16) } })), "the wave's sound data is missing");
    // A chunk before the data that runs past the end of the file.
    EXPECT_EQ(Refusal(Riff({ { "fmt ", Fmt(1, 1, 44100, 16) }, { "LIST", { 1, 2 }, 100 } })),
        "the wave file is cut short");
}

TEST(WaveChunks, FormatChunkTooShortIsRefused)
{
    Bytes fmt = Fmt(1, 1, 44100, 16);
    fmt.resize(14);
    EXPECT_EQ(Refusal(Wave(fmt, { 0, 0 })), "the wave's format chunk is too short");
    Bytes ext = FmtExtensible(1, 1, 44100, 16);
    ext.resize(30);
    EXPECT_EQ(Refusal(Wave(ext, { 0, 0 })), "the wave's extended format chunk is too short");
}

// --- Formats that cannot be played, each with its reason ---

TEST(WaveFormats, CompressedFormatsAreRefused)
{
    for (uint16_t tag : { 2, 0x55, 7, 6 }) {
        const std::string error = Refusal(Wave(Fmt(tag, 1, 44100, 4, 256), Bytes(512, 0)));
        EXPECT_NE(error.find("compressed"), std::string::npos) << error;
        EXPECT_NE(error.find("format " + std::to_string(tag)), std::string::npos) << error;
    }
    const std::string error = Refusal(Wave(FmtExtensible(2, 1, 44100, 16), Bytes(4, 0)));
    EXPECT_NE(error.find("compressed"), std::string::npos) << error;
}

TEST(WaveFormats, ImpossibleFieldsAreRefused)
{
    const Bytes data(64, 0);
    EXPECT_EQ(
        Refusal(Wave(Fmt(1, 0, 44100, 16), data)), "the wave has 0 channels; 1 to 8 can be played");
    EXPECT_EQ(
        Refusal(Wave(Fmt(1, 9, 44100, 16), data)), "the wave has 9 channels; 1 to 8 can be played");
    EXPECT_EQ(Refusal(Wave(Fmt(1, 2, 0, 16), data)),
        "the wave's rate of 0 Hz is outside 1000 to 384000 Hz");
    EXPECT_EQ(Refusal(Wave(Fmt(1, 2, 384001, 16), data)),
        "the wave's rate of 384001 Hz is outside 1000 to 384000 Hz");
    EXPECT_EQ(Refusal(Wave(Fmt(1, 2, 44100, 16, 0), data)),
        "the wave's block size (0 bytes) does not match its 2 channels of 2 bytes");
    EXPECT_EQ(Refusal(Wave(Fmt(1, 2, 44100, 16, 6), data)),
        "the wave's block size (6 bytes) does not match its 2 channels of 2 bytes");
    EXPECT_EQ(Refusal(Wave(Fmt(1, 1, 44100, 0, 1), data)),
        "PCM waves with 0 bits per sample are not supported");
    EXPECT_EQ(Refusal(Wave(Fmt(1, 1, 44100, 40), data)),
        "PCM waves with 40 bits per sample are not supported");
    EXPECT_EQ(Refusal(Wave(Fmt(3, 1, 44100, 16), data)),
        "float waves with 16 bits per sample are not supported");
}

TEST(WaveFormats, RatesAtTheLimitsAreTaken)
{
    EXPECT_NE(DecodeOk(Wave(Fmt(1, 1, 1000, 16), Pcm16({ 1 }))), nullptr);
    EXPECT_NE(DecodeOk(Wave(Fmt(1, 1, 384000, 16), Pcm16({ 1 }))), nullptr);
}

TEST(WaveFormats, SoundTooLongOnceConvertedIsRefused)
{
    // Six million frames at 1000 Hz are over 100 minutes: over a gigabyte at 44100 Hz stereo.
    const std::string error = Refusal(Wave(Fmt(1, 1, 1000, 8), Bytes(6100000, 128)));
    EXPECT_EQ(error, "the wave is too long to play (over 101 minutes)");
}

// --- Damaged files never crash ---

TEST(WaveDamage, ByteFlipsNeverCrash)
{
    std::vector<int16_t> samples;
    for (int i = 0; i < 48; ++i)
        samples.push_back(int16_t(i * 1000 - 24000));
    Bytes floats;
    for (int i = 0; i < 36; ++i)
        PutFloat(floats, float(i) / 40);
    const std::vector<Bytes> seeds = {
        GoodStereo(),
        Riff({ { "fmt ", FmtExtensible(3, 6, 48000, 32) }, { "data", floats } }),
        Riff({ { "fmt ", Fmt(1, 1, 22050, 8) }, { "data", { 1, 2, 3, 4, 5 } }, { "LIST", { 7 } } }),
    };
    uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    int decoded = 0;
    for (int round = 0; round < 4000; ++round) {
        Bytes file = seeds[size_t(round) % seeds.size()];
        const int flips = 1 + int(next() % 4);
        for (int f = 0; f < flips; ++f) {
            const size_t at = next() % file.size();
            // Sometimes a whole byte (a length's top byte becomes 0xFF), sometimes one bit.
            if (next() % 2 == 0)
                file[at] = uint8_t(next());
            else
                file[at] ^= uint8_t(1u << (next() % 8));
        }
        if (next() % 8 == 0)
            file.resize(next() % file.size());
        std::string error;
        auto pcm = platform::DecodeWave(file, error);
        if (pcm) {
            ++decoded;
            // Never more than the bytes could hold at the slowest rate.
            EXPECT_LE(pcm->Frames(), file.size() * 45) << "round " << round;
        } else {
            EXPECT_FALSE(error.empty()) << "round " << round;
        }
    }
    EXPECT_GT(decoded, 0);
}

// --- Files ---

class WaveFiles : public testing::Test {
protected:
    void SetUp() override
    {
        m_strDir = platform::MakeTempDirectory("wave-test-");
        ASSERT_FALSE(m_strDir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_strDir); }
    std::string m_strDir;
};

TEST_F(WaveFiles, LoadsAFile)
{
    const std::string path = platform::JoinPath(m_strDir, "a.wav");
    ASSERT_TRUE(platform::WriteWholeFile(path, Wave(Fmt(1, 1, 44100, 16), Pcm16({ 5, 6 }))));
    std::string error;
    auto pcm = platform::LoadWaveFile(path, error);
    ASSERT_NE(pcm, nullptr) << error;
    EXPECT_EQ(pcm->samples, (std::vector<int16_t> { 5, 5, 6, 6 }));
}

TEST_F(WaveFiles, MissingFileIsRefused)
{
    std::string error;
    EXPECT_EQ(platform::LoadWaveFile(platform::JoinPath(m_strDir, "none.wav"), error), nullptr);
    EXPECT_EQ(error, "the wave file cannot be found");
}

// The reasons people meet most, from the readers themselves: English without a catalogue, the
// person's language with one, the pieces (a number, a path) in their places either way.
TEST_F(WaveFiles, CommonFailuresAreSaidInThePersonsLanguage)
{
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "platform_tests";
        static char* argv[] = { name, nullptr };
        static QCoreApplication app(argc, argv);
    }
    const std::string missing = platform::JoinPath(m_strDir, "none.wav");
    const std::string mp3 = platform::JoinPath(m_strDir, "mp3.wav");
    ASSERT_TRUE(platform::WriteWholeFile(mp3, Wave(Fmt(0x55, 2, 44100, 0, 1), { 0, 0 })));
    struct CCase {
        std::function<bool(std::string&)> fail; // false with the reason
        std::string strEnglish;
        std::string strGerman; // UTF-8 here; the reason is in the code page
    };
    const std::vector<CCase> cases = {
        { [&](std::string& e) { return platform::LoadWaveFile(missing, e) != nullptr; },
            "the wave file cannot be found", "die Wave-Datei wird nicht gefunden" },
        { [&](std::string& e) { return platform::LoadWaveFile(mp3, e) != nullptr; },
            "compressed waves (format 85) are not supported",
            "komprimierte Wave-Dateien (Format 85) werden nicht unterstützt" },
        { [&](std::string& e) { return platform::CreateSoundFontSynth(missing, e) != nullptr; },
            "the SoundFont \"" + missing + "\" does not exist",
            "den SoundFont „" + missing + "“ gibt es nicht" },
        { [&](std::string& e) {
             platform::CVideoFile video;
             return video.Open(missing, e);
         },
            "the file does not exist", "die Datei gibt es nicht" },
    };
    const auto reasons = [&] {
        std::vector<std::string> said;
        for (const CCase& c : cases) {
            std::string reason;
            EXPECT_FALSE(c.fail(reason));
            said.push_back(reason);
        }
        return said;
    };
    const std::vector<std::string> english = reasons();
    ASSERT_TRUE(translations::InstallTranslators(platform::ELanguage::German));
    const std::vector<std::string> german = reasons();
    translations::InstallTranslators(platform::ELanguage::English);
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(english[i], cases[i].strEnglish);
        EXPECT_EQ(german[i], cases[i].strGerman);
    }
}

TEST_F(WaveFiles, FileOverTwoGigabytesIsRefusedUnread)
{
    // A sparse file: its length is all that is looked at.
    const std::string path = platform::JoinPath(m_strDir, "huge.wav");
    ASSERT_TRUE(platform::WriteWholeFile(path, Wave(Fmt(1, 1, 44100, 16), {})));
    std::filesystem::resize_file(path, (uintmax_t(2) << 30) + 1);
    std::string error;
    EXPECT_EQ(platform::LoadWaveFile(path, error), nullptr);
    EXPECT_EQ(error, "the wave file is too large (over 2 GB)");
}

// ---- The voice recorder's mark ----------------------------------------------------------

// A LIST chunk's body: its type, then each entry with its pad byte when its length is odd.
Bytes List(const char* type, const std::vector<CChunk>& entries)
{
    Bytes body(type, type + 4);
    for (const CChunk& entry : entries) {
        body.insert(body.end(), entry.tag.begin(), entry.tag.end());
        Put32(body, uint32_t(entry.nClaimed >= 0 ? entry.nClaimed : int64_t(entry.body.size())));
        body.insert(body.end(), entry.body.begin(), entry.body.end());
        if (entry.body.size() % 2 != 0)
            body.push_back(0);
    }
    return body;
}

Bytes Text(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

// The recorder's name with its NUL (29 bytes), as the software entry of an INFO list.
CChunk Software(const std::string& text = std::string(platform::kVoiceMark) + '\0')
{
    return { "ISFT", Text(text) };
}

struct CMarkCase {
    const char* name;
    Bytes file;
    bool bVoice;
};

void PrintTo(const CMarkCase& c, std::ostream* os)
{
    *os << c.name;
}

class WaveVoiceMark : public testing::TestWithParam<CMarkCase> { };

TEST_P(WaveVoiceMark, OnlyTheRecordersSoftwareEntryInAnInfoListMakesAVoice)
{
    const auto pcm = DecodeOk(GetParam().file);
    ASSERT_NE(pcm, nullptr);
    EXPECT_EQ(pcm->bVoice, GetParam().bVoice);
    // The mark changes nothing of the sound.
    EXPECT_EQ(Mono(*pcm), (std::vector<int> { 5, -6, 7, -8 }));
}

std::vector<CMarkCase> MarkCases()
{
    const Bytes fmt = Fmt(1, 1, 44100, 16);
    const Bytes data = Pcm16({ 5, -6, 7, -8 });
    const std::string mark(platform::kVoiceMark);
    const auto with = [&](const Bytes& list, bool bAfterData = false) {
        if (bAfterData)
            return Riff({ { "fmt ", fmt }, { "data", data }, { "LIST", list } });
        return Riff({ { "fmt ", fmt }, { "LIST", list }, { "data", data } });
    };
    const std::vector<int16_t> samples = { 5, -6, 7, -8 };
    Bytes cutList = with(List("INFO", { Software() }), true);
    cutList.resize(cutList.size() - 6);
    return {
        { "the_recorders_own_file", platform::PcmWaveFile(samples, 1, 44100, true), true },
        { "the_encoder_without_the_mark", platform::PcmWaveFile(samples, 1, 44100, false), false },
        { "before_the_data", with(List("INFO", { Software() })), true },
        { "after_the_data", with(List("INFO", { Software() }), true), true },
        { "padded_inside_the_entry", with(List("INFO", { Software(mark + '\0' + '\0') })), true },
        { "after_other_entries_of_odd_length",
            with(List("INFO", { { "INAM", Text("hello") }, { "ICMT", Text("x") }, Software() })),
            true },
        { "without_its_nul", with(List("INFO", { Software(mark) })), true },
        { "no_list", Wave(fmt, data), false },
        { "another_program", with(List("INFO", { Software("Some sound editor") })), false },
        { "the_name_with_more_after_it", with(List("INFO", { Software(mark + " 2") })), false },
        { "the_name_cut_short", with(List("INFO", { Software(mark.substr(0, 10)) })), false },
        { "the_name_in_another_entry", with(List("INFO", { { "INAM", Text(mark) } })), false },
        { "the_entry_in_another_kind_of_list", with(List("adtl", { Software() })), false },
        { "an_entry_before_it_running_past_the_list",
            with(List("INFO", { { "INAM", Text("hi"), 400 }, Software() })), false },
        { "the_entry_running_past_the_list",
            with(List("INFO", { { "ISFT", Text(mark + '\0'), 31 } })), false },
        { "a_list_too_short_for_its_type", with(Text("IN")), false },
        { "the_list_cut_off_at_the_end_of_the_file", cutList, false },
    };
}

INSTANTIATE_TEST_SUITE_P(Files, WaveVoiceMark, testing::ValuesIn(MarkCases()),
    [](const testing::TestParamInfo<CMarkCase>& info) { return std::string(info.param.name); });

TEST(WaveEncoder, WritesMonoSixteenBitsAtItsRateWithTheMarkBeforeTheData)
{
    std::vector<int16_t> samples;
    for (int i = 0; i < 1000; ++i)
        samples.push_back(int16_t(i * 38 - 19000));
    const Bytes file = platform::PcmWaveFile(samples, 1, 22050, true);
    // The lengths add up: RIFF, the format, the list of 4 + 8 + 30 bytes, the data.
    ASSERT_EQ(file.size(), 12u + 24 + 50 + 8 + 2000);
    EXPECT_EQ(file[4] | file[5] << 8 | file[6] << 16, int(file.size() - 8));
    EXPECT_EQ(
        Bytes(file.begin() + 36, file.begin() + 48), Text(std::string("LIST*\0\0\0INFO", 12)));
    const auto pcm = DecodeOk(file);
    ASSERT_NE(pcm, nullptr);
    EXPECT_TRUE(pcm->bVoice);
    // At 22.05 kHz: every sample, then the value halfway to the next one.
    const std::vector<int> mono = Mono(*pcm);
    ASSERT_EQ(mono.size(), 2000u);
    for (size_t i = 0; i + 1 < samples.size(); ++i) {
        ASSERT_EQ(mono[2 * i], samples[i]) << i;
        ASSERT_EQ(mono[2 * i + 1], samples[i] + 19) << i;
    }
}

} // namespace
