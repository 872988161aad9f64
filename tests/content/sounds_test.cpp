#include "content/sounds.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace content;

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

uint16_t Le16(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t Be32(const std::vector<uint8_t>& b, size_t at)
{
    return (static_cast<uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

// Decodes a PCM wave file the plain way, chunk by chunk: its format and its 16-bit samples.
struct Decoded {
    int nChannels = 0;
    int nRate = 0;
    int nBits = 0;
    std::vector<int16_t> samples;
};

bool DecodeWave(const std::vector<uint8_t>& file, Decoded& out)
{
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0
        || std::memcmp(file.data() + 8, "WAVE", 4) != 0)
        return false;
    if (Le32(file, 4) + 8 != file.size())
        return false;
    size_t at = 12;
    bool haveFormat = false;
    while (at + 8 <= file.size()) {
        uint32_t size = Le32(file, at + 4);
        if (at + 8 + size > file.size())
            return false;
        if (std::memcmp(file.data() + at, "fmt ", 4) == 0) {
            if (Le16(file, at + 8) != 1)
                return false;
            out.nChannels = Le16(file, at + 10);
            out.nRate = static_cast<int>(Le32(file, at + 12));
            out.nBits = Le16(file, at + 22);
            haveFormat = true;
        } else if (std::memcmp(file.data() + at, "data", 4) == 0 && haveFormat && out.nBits == 16) {
            for (size_t i = 0; i + 1 < size; i += 2)
                out.samples.push_back(static_cast<int16_t>(Le16(file, at + 8 + i)));
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

double Rms(const std::vector<int16_t>& samples)
{
    double sum = 0;
    for (int16_t s : samples)
        sum += static_cast<double>(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

// Walks a MIDI track's events and counts the note-ons; false on any malformed event.
bool WalkTrack(const std::vector<uint8_t>& file, size_t at, size_t end, int& noteOns, bool& ended)
{
    uint8_t status = 0;
    while (at < end) {
        uint32_t delta = 0;
        for (int i = 0;; ++i) {
            if (at >= end || i == 4)
                return false;
            uint8_t b = file[at++];
            delta = (delta << 7) | (b & 0x7F);
            if ((b & 0x80) == 0)
                break;
        }
        if (at >= end)
            return false;
        uint8_t b = file[at];
        if (b & 0x80) {
            status = b;
            ++at;
        }
        if (status == 0xFF) {
            if (at + 2 > end)
                return false;
            uint8_t type = file[at];
            uint8_t length = file[at + 1];
            at += 2 + length;
            if (type == 0x2F) {
                ended = true;
                return at == end;
            }
        } else if ((status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0) {
            at += 1;
        } else if (status >= 0x80 && status < 0xF0) {
            if (at + 2 > end)
                return false;
            if ((status & 0xF0) == 0x90 && file[at + 1] > 0)
                ++noteOns;
            at += 2;
        } else {
            return false;
        }
    }
    return false;
}

std::vector<uint8_t> ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

QString SoundFont()
{
    for (const char* path : { "/usr/share/sounds/sf2/TimGM6mb.sf2",
             "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2" })
        if (QFile::exists(path))
            return path;
    return {};
}

} // namespace

class Waves : public testing::TestWithParam<const char*> { };

TEST_P(Waves, decode_as_audible_mono_pcm)
{
    std::vector<uint8_t> file = WaveFile(WaveSamples(GetParam()));
    Decoded decoded;
    ASSERT_TRUE(DecodeWave(file, decoded));
    EXPECT_EQ(decoded.nChannels, 1);
    EXPECT_EQ(decoded.nRate, kWaveRate);
    EXPECT_EQ(decoded.nBits, 16);
    EXPECT_GT(decoded.samples.size(), static_cast<size_t>(kWaveRate / 10));
    EXPECT_LT(decoded.samples.size(), static_cast<size_t>(kWaveRate * 4));
    EXPECT_GT(Rms(decoded.samples), 1000.0);
    // Faded in and out: no click at either end.
    EXPECT_LT(std::abs(decoded.samples.front()), 200);
    EXPECT_LT(std::abs(decoded.samples.back()), 200);
}

INSTANTIATE_TEST_SUITE_P(
    All, Waves, testing::Values("applause", "chimes", "pop", "boing", "twinkle", "fanfare"));

TEST(Waves, unknown_name_gives_nothing)
{
    EXPECT_TRUE(WaveSamples("nonesuch").empty());
}

class Tunes : public testing::TestWithParam<const char*> { };

TEST_P(Tunes, are_well_formed_standard_midi_files)
{
    Tune tune = TuneByName(GetParam());
    ASSERT_GT(tune.melody.size(), 20u);
    std::vector<uint8_t> file = MidiFile(tune);
    ASSERT_GE(file.size(), 22u);
    EXPECT_EQ(std::memcmp(file.data(), "MThd", 4), 0);
    EXPECT_EQ(Be32(file, 4), 6u);
    EXPECT_EQ(file[8] << 8 | file[9], 0); // format 0
    EXPECT_EQ(file[10] << 8 | file[11], 1); // one track
    EXPECT_EQ(file[12] << 8 | file[13], 480); // ticks a quarter
    EXPECT_EQ(std::memcmp(file.data() + 14, "MTrk", 4), 0);
    ASSERT_EQ(Be32(file, 18) + 22, file.size());
    int noteOns = 0;
    bool ended = false;
    EXPECT_TRUE(WalkTrack(file, 22, file.size(), noteOns, ended));
    EXPECT_TRUE(ended);
    int melodyNotes = 0;
    for (const Note& note : tune.melody)
        melodyNotes += note.nKey > 0 ? 1 : 0;
    EXPECT_GE(noteOns, melodyNotes);
}

INSTANTIATE_TEST_SUITE_P(
    All, Tunes, testing::Values("birthday", "jinglebells", "odetojoy", "twinkle"));

TEST(Tunes, voices_of_a_tune_are_equally_long)
{
    for (const char* name : { "birthday", "jinglebells", "odetojoy", "twinkle" }) {
        Tune tune = TuneByName(name);
        int melody = 0, bass = 0;
        for (const Note& n : tune.melody)
            melody += n.nTicks;
        for (const Note& n : tune.bass)
            bass += n.nTicks;
        EXPECT_EQ(melody, bass) << name;
    }
}

TEST(Tunes, happy_birthday_plays_in_a_general_midi_synthesizer)
{
    const QString fluidsynth = QStandardPaths::findExecutable("fluidsynth");
    const QString font = SoundFont();
    if (fluidsynth.isEmpty() || font.isEmpty())
        GTEST_SKIP() << "fluidsynth or a General MIDI sound font is not installed (tools/setup.sh "
                        "installs them)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString midi = dir.filePath("birthday.mid");
    const QString wave = dir.filePath("birthday.wav");
    {
        QFile file(midi);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        std::vector<uint8_t> bytes = MidiFile(TuneByName("birthday"));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    QProcess process;
    process.start(fluidsynth,
        { "-ni", "-q", "-g", "0.8", "-r", "22050", "-T", "wav", "-F", wave, font, midi });
    ASSERT_TRUE(process.waitForFinished(120000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    std::vector<uint8_t> rendered = ReadAll(wave);
    ASSERT_FALSE(rendered.empty());
    Decoded decoded;
    ASSERT_TRUE(DecodeWave(rendered, decoded));
    ASSERT_GT(decoded.nRate, 0);
    ASSERT_GT(decoded.nChannels, 0);
    // The tune lasts about fifteen seconds: the rendering must be about as long, and sound.
    double seconds
        = static_cast<double>(decoded.samples.size()) / decoded.nChannels / decoded.nRate;
    EXPECT_GT(seconds, 10.0);
    int peak = 0;
    for (int16_t s : decoded.samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 2000);
    EXPECT_GT(Rms(decoded.samples), 100.0);
    // Not only a burst: sound in each third of the tune.
    const size_t third = decoded.samples.size() / 3;
    for (int part = 0; part < 3; ++part) {
        std::vector<int16_t> piece(
            decoded.samples.begin() + static_cast<std::ptrdiff_t>(part * third),
            decoded.samples.begin() + static_cast<std::ptrdiff_t>((part + 1) * third));
        EXPECT_GT(Rms(piece), 50.0) << "third " << part;
    }
}
