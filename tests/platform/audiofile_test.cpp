// Songs in audio files that ffmpeg (tools/setup.sh installs it) makes for the tests: every kind
// decodes its part at the right time, length and pitch; what is no song is refused by name; a
// two-hour song costs no more than a short one; the waveform summary follows the loudness.
#include "platform/audiofile.h"

#include "platform/files.h"
#include "tests/command.h"
#include "tests/soundcheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

class SongFiles : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = platform::MakeTempDirectory("songtest");
        ASSERT_FALSE(s_dir.empty());
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(s_dir); }

    static std::string Path(const std::string& name) { return s_dir + "/" + name; }

    // Runs ffmpeg with the arguments, writing NAME in the test folder (once per test program).
    static std::string Make(const std::string& name, const std::string& arguments)
    {
        const std::string path = Path(name);
        if (!platform::FileExists(path)) {
            const auto r = testcommand::Run(
                "/usr/bin/ffmpeg -nostdin -v error -y " + arguments + " '" + path + "'",
                Path("ffmpeg.err"));
            EXPECT_EQ(r.status, 0) << "ffmpeg (tools/setup.sh installs it): " << r.err;
        }
        return path;
    }

    // 440 Hz for 2 s, then 880 Hz for 3 s, at 44.1 kHz, in the codec given.
    static std::string TwoTones(const std::string& name, const std::string& codec)
    {
        return Make(name,
            "-f lavfi -i sine=f=440:d=2:r=44100 -f lavfi -i sine=f=880:d=3:r=44100 "
            "-filter_complex [0][1]concat=n=2:v=0:a=1 "
                + codec);
    }

    static std::vector<double> Doubles(const std::vector<int16_t>& samples, int nChannels = 1)
    {
        std::vector<double> out;
        for (size_t i = 0; i < samples.size(); i += size_t(nChannels))
            out.push_back(samples[i]);
        return out;
    }

    static inline std::string s_dir;
};

struct CKind {
    const char* name;
    const char* file;
    const char* codec;
};

void PrintTo(const CKind& c, std::ostream* os)
{
    *os << c.name;
}

class SongKinds : public SongFiles, public testing::WithParamInterface<CKind> { };

TEST_P(SongKinds, the_part_starts_where_asked_lasts_as_long_and_keeps_its_pitch)
{
    const CKind& c = GetParam();
    const std::string song = TwoTones(c.file, c.codec);
    double seconds = 0;
    std::string error;
    ASSERT_TRUE(platform::SongSeconds(song, seconds, error)) << error;
    EXPECT_NEAR(seconds, 5.0, 0.1);

    // From 1.5 s for 1 s: half a second of the low tone, then the high one.
    for (int channels : { 1, 2 }) {
        platform::CSongPart part;
        part.fFrom = 1.5;
        part.fSeconds = 1;
        part.nChannels = channels;
        std::vector<int16_t> samples;
        ASSERT_TRUE(platform::DecodeSongPart(song, part, samples, error)) << error;
        ASSERT_EQ(samples.size(), 22050u * size_t(channels));
        const std::vector<double> left = Doubles(samples, channels);
        EXPECT_NEAR(soundcheck::Pitch(left, 0, 9000, 22050), 440, 9);
        EXPECT_NEAR(soundcheck::Pitch(left, 13000, 22050, 22050), 880, 18);
        // A sine source's level, about an eighth of full scale, on both sides.
        EXPECT_NEAR(soundcheck::Rms(left, 0, 22050), 4096 / std::sqrt(2.0), 600);
        if (channels == 2) {
            EXPECT_EQ(samples[2 * 5000], samples[2 * 5000 + 1]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SongKinds,
    testing::Values(CKind { "wav", "tones.wav", "-c:a pcm_s16le" },
        CKind { "mp3", "tones.mp3", "-c:a libmp3lame -b:a 128k" },
        CKind { "m4a", "tones.m4a", "-c:a aac -b:a 128k" },
        CKind { "ogg", "tones.ogg", "-c:a libvorbis" },
        CKind { "opus", "tones.opus", "-c:a libopus" },
        CKind { "flac", "tones.flac", "-c:a flac" }),
    [](const testing::TestParamInfo<CKind>& info) { return std::string(info.param.name); });

TEST_F(SongFiles, the_part_fades_in_and_out_and_ends_with_the_song)
{
    const std::string song = TwoTones("fade.flac", "-c:a flac");
    platform::CSongPart part;
    part.fFrom = 2;
    part.fSeconds = 3;
    part.fFade = 0.5;
    std::vector<int16_t> samples;
    std::string error;
    ASSERT_TRUE(platform::DecodeSongPart(song, part, samples, error)) << error;
    const std::vector<double> x = Doubles(samples);
    ASSERT_EQ(x.size(), 3u * 22050);
    const double middle = soundcheck::Rms(x, 22050, 44100);
    EXPECT_LT(soundcheck::Rms(x, 0, 2205), middle / 4);
    EXPECT_NEAR(soundcheck::Rms(x, 11025, 22050), middle, middle / 10);
    EXPECT_LT(soundcheck::Rms(x, x.size() - 2205, x.size()), middle / 4);
    // Asked past the end, the part ends with the song.
    part.fFrom = 4;
    ASSERT_TRUE(platform::DecodeSongPart(song, part, samples, error)) << error;
    EXPECT_NEAR(double(samples.size()), 22050, 50);
}

TEST_F(SongFiles, what_is_no_song_is_refused_with_the_files_name_and_why)
{
    const std::string tones = TwoTones("whole.m4a", "-c:a aac");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(platform::ReadWholeFile(tones, bytes));
    bytes.resize(bytes.size() / 2);
    platform::WriteWholeFile(Path("half.m4a"), bytes);
    const std::string text = "These are the words of a song, not its sound.\n";
    platform::WriteWholeFile(Path("words.mp3"), std::vector<uint8_t>(text.begin(), text.end()));
    std::vector<uint8_t> noise(50000);
    uint32_t seed = 12345;
    for (uint8_t& b : noise) {
        seed = seed * 1103515245 + 12345;
        b = uint8_t(seed >> 24);
    }
    platform::WriteWholeFile(Path("noise.ogg"), noise);
    Make("picture.mkv", "-f lavfi -i color=c=red:s=32x32:d=1 -c:v ffv1");
    const std::string flac = TwoTones("five.flac", "-c:a flac");

    const struct {
        std::string path;
        double fFrom;
        const char* says;
    } cases[] = {
        { Path("half.m4a"), 0, "damaged" },
        { Path("words.mp3"), 0, "is no audio file of a kind that can be read" },
        { Path("noise.ogg"), 0, "is no audio file of a kind that can be read" },
        { Path("picture.mkv"), 0, "holds no sound" },
        { Path("missing.mp3"), 0, "cannot be found" },
        { flac, 5.5, "starts past the song's end (5 s)" },
    };
    for (const auto& c : cases) {
        platform::CSongPart part;
        part.fFrom = c.fFrom;
        std::vector<int16_t> samples;
        std::string error;
        EXPECT_FALSE(platform::DecodeSongPart(c.path, part, samples, error)) << c.path;
        EXPECT_NE(error.find(c.path), std::string::npos) << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_TRUE(samples.empty());
    }
}

TEST_F(SongFiles, a_two_hour_song_gives_its_part_from_the_middle)
{
    // Two hours of near silence at 8 kbit/s: about 7 MB, and then a tone to find.
    const std::string song = Make("long.mp3",
        "-f lavfi -i anullsrc=r=8000:cl=mono:d=3600 -f lavfi -i sine=f=500:r=8000:d=3600 "
        "-filter_complex [0][1]concat=n=2:v=0:a=1 -c:a libmp3lame -b:a 8k");
    double seconds = 0;
    std::string error;
    ASSERT_TRUE(platform::SongSeconds(song, seconds, error)) << error;
    EXPECT_NEAR(seconds, 7200, 2);
    platform::CSongPart part;
    part.fFrom = 3599;
    part.fSeconds = 3;
    std::vector<int16_t> samples;
    ASSERT_TRUE(platform::DecodeSongPart(song, part, samples, error)) << error;
    ASSERT_EQ(samples.size(), 3u * 22050);
    const std::vector<double> x = Doubles(samples);
    EXPECT_LT(soundcheck::Rms(x, 0, 15000), 50);
    EXPECT_NEAR(soundcheck::Pitch(x, 30000, 66150, 22050), 500, 10);
}

TEST_F(SongFiles, the_summary_follows_the_loudness_and_stops_when_cancelled)
{
    // Loud for 2 s, then 20 dB lower for 2 s.
    const std::string song = Make("steps.ogg",
        "-f lavfi -i sine=f=300:d=2:r=44100 -f lavfi -i sine=f=300:d=2:r=44100 "
        "-filter_complex '[1]volume=0.1[q];[0][q]concat=n=2:v=0:a=1' -c:a libvorbis");
    std::vector<platform::CPeak> peaks;
    std::string error;
    ASSERT_TRUE(platform::SongSummary(song, 200, peaks, error)) << error;
    ASSERT_EQ(peaks.size(), 200u);
    for (size_t i = 0; i < 200; ++i) {
        if (i < 95) {
            EXPECT_GT(peaks[i].nHigh, 3000) << i;
            EXPECT_LT(peaks[i].nLow, -3000) << i;
        } else if (i >= 105) {
            EXPECT_LT(peaks[i].nHigh, 600) << i;
            EXPECT_GT(peaks[i].nLow, -600) << i;
        }
        EXPECT_LE(peaks[i].nLow, peaks[i].nHigh);
    }
    int asked = 0;
    EXPECT_FALSE(platform::SongSummary(song, 200, peaks, error, [&] { return ++asked > 3; }));
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_EQ(asked, 4);
    EXPECT_FALSE(platform::SongSummary(Path("absent.flac"), 10, peaks, error));
    EXPECT_NE(error.find("absent.flac"), std::string::npos);
}

} // namespace
