// IMA ADPCM waves: what the writer makes is laid out as the standard says (the video
// libraries' own decoder reads it to nearly the same samples), it sounds like what went in, and
// every player reads it through the one wave reader.
#include "platform/adpcm.h"

#include "platform/files.h"
#include "platform/wave.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Get32(const Bytes& b, size_t at)
{
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16
        | uint32_t(b[at + 3]) << 24;
}
uint16_t Get16(const Bytes& b, size_t at)
{
    return uint16_t(b[at] | b[at + 1] << 8);
}

// nChannels interleaved sines of f Hz (the second channel a fifth above) at nRate.
std::vector<int16_t> Sine(int nChannels, int nRate, double f, size_t nFrames, double amplitude)
{
    std::vector<int16_t> samples;
    for (size_t i = 0; i < nFrames; ++i)
        for (int c = 0; c < nChannels; ++c)
            samples.push_back(int16_t(std::lround(
                amplitude * std::sin(2 * std::numbers::pi * f * (c == 0 ? 1 : 1.5) * i / nRate))));
    return samples;
}

// The data chunk of a file the writer made (its chunks are fmt, fact, data).
std::span<const uint8_t> DataOf(const Bytes& file)
{
    return std::span<const uint8_t>(file).subspan(60);
}

double SnrDb(const std::vector<int16_t>& signal, const std::vector<int16_t>& decoded)
{
    double power = 0;
    double noise = 0;
    for (size_t i = 0; i < signal.size(); ++i) {
        power += double(signal[i]) * signal[i];
        noise += (double(signal[i]) - decoded[i]) * (double(signal[i]) - decoded[i]);
    }
    return 10 * std::log10(power / std::max(noise, 1.0));
}

struct CRoundTrip {
    const char* name;
    int nChannels;
    int nRate;
    double f;
    double amplitude;
    int nBlockAlign; // what the writer must choose
    int nPerBlock;
};

void PrintTo(const CRoundTrip& c, std::ostream* os)
{
    *os << c.name;
}

class AdpcmRoundTrip : public testing::TestWithParam<CRoundTrip> { };

TEST_P(AdpcmRoundTrip, the_file_is_laid_out_as_the_standard_says_and_sounds_as_what_went_in)
{
    const CRoundTrip& c = GetParam();
    // A length that leaves the last block part filled.
    const size_t frames = size_t(c.nRate) + 123;
    const std::vector<int16_t> sine = Sine(c.nChannels, c.nRate, c.f, frames, c.amplitude);
    const Bytes file = platform::ImaAdpcmWaveFile(sine, c.nChannels, c.nRate);

    // The header: RIFF, fmt (20 bytes: tag 0x11, 4 bits, cbSize 2, samples per block), fact.
    ASSERT_GE(file.size(), 60u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(Get32(file, 4), file.size() - 8);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Get32(file, 16), 20u);
    EXPECT_EQ(Get16(file, 20), 0x0011);
    EXPECT_EQ(Get16(file, 22), c.nChannels);
    EXPECT_EQ(Get32(file, 24), uint32_t(c.nRate));
    EXPECT_EQ(Get16(file, 32), c.nBlockAlign);
    EXPECT_EQ(Get16(file, 34), 4);
    EXPECT_EQ(Get16(file, 36), 2);
    EXPECT_EQ(Get16(file, 38), c.nPerBlock);
    EXPECT_NEAR(double(Get32(file, 28)), double(c.nRate) * c.nBlockAlign / c.nPerBlock, 1);
    EXPECT_EQ(std::string(file.begin() + 40, file.begin() + 44), "fact");
    EXPECT_EQ(Get32(file, 48), frames);
    EXPECT_EQ(std::string(file.begin() + 52, file.begin() + 56), "data");
    const size_t blocks = (frames + size_t(c.nPerBlock) - 1) / size_t(c.nPerBlock);
    EXPECT_EQ(Get32(file, 56), blocks * size_t(c.nBlockAlign));
    ASSERT_EQ(file.size(), 60 + blocks * size_t(c.nBlockAlign));
    // Each block starts with each channel's sample as it is, its step index and a zero.
    for (size_t block = 0; block < blocks; ++block)
        for (int ch = 0; ch < c.nChannels; ++ch) {
            const size_t at = 60 + block * size_t(c.nBlockAlign) + 4 * size_t(ch);
            const size_t sample = block * size_t(c.nPerBlock) * size_t(c.nChannels) + size_t(ch);
            EXPECT_EQ(int16_t(Get16(file, at)), sine[sample]) << "block " << block;
            EXPECT_LE(file[at + 2], 88);
            EXPECT_EQ(file[at + 3], 0);
        }

    std::vector<int16_t> decoded;
    std::string error;
    ASSERT_TRUE(platform::DecodeImaAdpcm(
        DataOf(file), c.nChannels, c.nBlockAlign, UINT64_MAX, decoded, error))
        << error;
    ASSERT_GE(decoded.size(), sine.size());
    decoded.resize(sine.size());
    EXPECT_GT(SnrDb(sine, decoded), 25.0);

    // The video libraries' decoder of these waves reads the same samples.
    const std::string dir = platform::MakeTempDirectory("adpcmtest");
    ASSERT_FALSE(dir.empty());
    ASSERT_TRUE(platform::WriteWholeFile(dir + "/ima.wav", file));
    const std::string command = "/usr/bin/ffmpeg -v error -i '" + dir
        + "/ima.wav' -f s16le -acodec pcm_s16le - 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::vector<int16_t> theirs;
    int16_t sample;
    while (std::fread(&sample, sizeof sample, 1, pipe) == 1)
        theirs.push_back(sample);
    EXPECT_EQ(pclose(pipe), 0) << "ffmpeg (tools/setup.sh installs it) decodes the wave";
    std::filesystem::remove_all(dir);
    ASSERT_GE(theirs.size(), sine.size());
    theirs.resize(sine.size());
    int most = 0;
    for (size_t i = 0; i < sine.size(); ++i)
        most = std::max(most, std::abs(theirs[i] - decoded[i]));
    // That decoder works each step out as (2 x code + 1) x step / 8 where the standard adds
    // the shifted steps; the two round apart by a unit or two a sample, within a block.
    EXPECT_LE(most, 32);
    EXPECT_GT(SnrDb(decoded, theirs), 30.0);

    // Every player reads it through the wave reader: the same length at the mixer's rate.
    const auto pcm = platform::DecodeWave(file, error);
    ASSERT_NE(pcm, nullptr) << error;
    EXPECT_NEAR(double(pcm->Frames()), double(frames) * platform::kAudioRate / c.nRate, 1);
    EXPECT_FALSE(pcm->bVoice);
}

INSTANTIATE_TEST_SUITE_P(Waves, AdpcmRoundTrip,
    testing::Values(CRoundTrip { "mono_22050_loud", 1, 22050, 440, 20000, 512, 1017 },
        CRoundTrip { "mono_22050_quiet", 1, 22050, 1000, 300, 512, 1017 },
        CRoundTrip { "stereo_44100", 2, 44100, 660, 12000, 2048, 2041 },
        CRoundTrip { "mono_8000", 1, 8000, 200, 8000, 512, 1017 }),
    [](const testing::TestParamInfo<CRoundTrip>& info) { return std::string(info.param.name); });

TEST(AdpcmWave, a_second_of_song_takes_at_most_20_kb)
{
    const Bytes file = platform::ImaAdpcmWaveFile(Sine(1, 22050, 440, 22050 * 10, 16000), 1, 22050);
    EXPECT_LE(file.size(), 10u * 20000);
    EXPECT_GT(file.size(), 10u * 11000);
}

// A block worked out by hand: one channel, 9 frames, so a block of 4 header bytes and 4 code
// bytes. First sample 1000, index 0 (step 7). Each code c adds (c&4 ? 7 : 0) + (c&2 ? 3 : 0) +
// (c&1 ? 1 : 0) + 0 (7 >> 3) with the sign of c&8, and moves the index by the index table.
TEST(AdpcmWave, a_block_worked_out_by_hand_decodes_to_its_samples)
{
    // Codes 7 (+11, index 0 -> 8, step 16), 0 (+2, index 7, step 14), 15 (-(14+7+3+1) = -25,
    // index 15, step 31), 8 (-3, index 14, step 28), then four codes 0 (+3, +3, +2, +2: the
    // steps fall 28 -> 25 -> 23 -> 21 -> 19 with the index 14 -> 10).
    const Bytes data { 0xE8, 0x03, 0, 0, 0x07, 0x8F, 0x00, 0x00 };
    std::vector<int16_t> decoded;
    std::string error;
    ASSERT_TRUE(platform::DecodeImaAdpcm(data, 1, 8, UINT64_MAX, decoded, error)) << error;
    const std::vector<int16_t> expected { 1000, 1011, 1013, 988, 985, 988, 991, 993, 995 };
    EXPECT_EQ(decoded, expected);
}

// A wave with the writer's header around the data given.
Bytes WithData(const Bytes& data, uint32_t nFrames, int nBlockAlign = 512)
{
    Bytes file = platform::ImaAdpcmWaveFile({}, 1, 22050);
    file.resize(60);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    put32(4, uint32_t(52 + data.size()));
    file[32] = uint8_t(nBlockAlign);
    file[33] = uint8_t(nBlockAlign >> 8);
    const int perBlock = platform::ImaSamplesPerBlock(nBlockAlign, 1);
    file[38] = uint8_t(perBlock);
    file[39] = uint8_t(perBlock >> 8);
    put32(48, nFrames);
    put32(56, uint32_t(data.size()));
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

TEST(AdpcmWave, damaged_and_cut_waves)
{
    std::string error;
    // A step index past 88 is damage, named as such.
    Bytes block(512, 0x11);
    block[2] = 89;
    block[3] = 0;
    EXPECT_EQ(platform::DecodeWave(WithData(block, 1017), error), nullptr);
    EXPECT_NE(error.find("damaged"), std::string::npos) << error;

    // A cut file plays what arrived: one whole block and 3 groups of the next (1 + 24 frames).
    const Bytes whole = platform::ImaAdpcmWaveFile(Sine(1, 22050, 440, 3000, 9000), 1, 22050);
    Bytes cut(whole.begin() + 60, whole.begin() + 60 + 512 + 4 + 12 + 3);
    const auto pcm = platform::DecodeWave(WithData(cut, 3000), error);
    ASSERT_NE(pcm, nullptr) << error;
    EXPECT_EQ(pcm->Frames(), (1017u + 25u) * 2);

    // The fact chunk cuts the padding of the last block.
    const auto counted = platform::DecodeWave(WithData(Bytes(512, 0), 10), error);
    ASSERT_NE(counted, nullptr) << error;
    EXPECT_EQ(counted->Frames(), 20u);

    // A block that is no whole number of groups, and a samples-per-block that does not match.
    EXPECT_EQ(platform::DecodeWave(WithData(Bytes(510, 0), 10, 510), error), nullptr);
    EXPECT_NE(error.find("510"), std::string::npos) << error;
    Bytes wrong = WithData(Bytes(512, 0), 10);
    wrong[38] = 0;
    EXPECT_EQ(platform::DecodeWave(wrong, error), nullptr);
    EXPECT_NE(error.find("block size"), std::string::npos) << error;
}

} // namespace
