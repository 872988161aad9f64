#include "platform/mixer.h"
#include "tests/platform/midirecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace platform;

namespace {

constexpr float kMinus60dB = 0.001f;

float Peak(const std::vector<float>& samples)
{
    float peak = 0.0f;
    for (float f : samples)
        peak = std::max(peak, std::fabs(f));
    return peak;
}

std::vector<float> RenderSynth(ISynth& synth, int nFrames)
{
    std::vector<float> out(2 * size_t(nFrames), 0.0f);
    synth.Render(out.data(), nFrames);
    return out;
}

uint32_t Message(uint8_t status, uint8_t data1, uint8_t data2 = 0)
{
    return uint32_t(status) | uint32_t(data1) << 8 | uint32_t(data2) << 16;
}

class SoundFontSynthTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_strSoundFont = FindSoundFont();
        if (m_strSoundFont.empty())
            GTEST_SKIP() << "no General MIDI SoundFont on this system";
        m_pSynth = Make();
        ASSERT_NE(m_pSynth, nullptr);
    }
    std::unique_ptr<ISynth> Make()
    {
        std::string error;
        std::unique_ptr<ISynth> synth = CreateSoundFontSynth(m_strSoundFont, error);
        EXPECT_NE(synth, nullptr) << error;
        EXPECT_EQ(error, "");
        return synth;
    }
    std::string m_strSoundFont;
    std::unique_ptr<ISynth> m_pSynth;
};

TEST_F(SoundFontSynthTest, SilentUntilANotePlays)
{
    EXPECT_LT(Peak(RenderSynth(*m_pSynth, 4410)), 1e-6f);
}

TEST_F(SoundFontSynthTest, ANoteSoundsWithinTenMilliseconds)
{
    m_pSynth->ShortMessage(Message(0xC0, 0)); // piano
    m_pSynth->ShortMessage(Message(0x90, 60, 100));
    EXPECT_GT(Peak(RenderSynth(*m_pSynth, 441)), kMinus60dB);
}

TEST_F(SoundFontSynthTest, SilenceEndsEverySoundAtOnce)
{
    m_pSynth->ShortMessage(Message(0xC0, 19)); // an organ holds its note
    m_pSynth->ShortMessage(Message(0xC9, 0));
    for (uint8_t key : { 48, 55, 60, 64, 67 })
        m_pSynth->ShortMessage(Message(0x90, key, 110));
    m_pSynth->ShortMessage(Message(0x99, 49, 127)); // and a cymbal on the drum channel
    ASSERT_GT(Peak(RenderSynth(*m_pSynth, 8820)), 0.01f);
    m_pSynth->ShortMessage(Message(0x80, 60));
    m_pSynth->Silence();
    // What is left is the reverberation dying away; half a second is more than enough.
    RenderSynth(*m_pSynth, 22050 - 441);
    EXPECT_LT(Peak(RenderSynth(*m_pSynth, 441)), kMinus60dB);
}

TEST_F(SoundFontSynthTest, AHeldNoteGoesOnAndAReleasedOneEnds)
{
    m_pSynth->ShortMessage(Message(0xC0, 19));
    m_pSynth->ShortMessage(Message(0xC1, 19));
    m_pSynth->ShortMessage(Message(0x90, 60, 100));
    m_pSynth->ShortMessage(Message(0x91, 67, 100));
    RenderSynth(*m_pSynth, 4410);
    m_pSynth->ShortMessage(Message(0x81, 67)); // a note-off
    m_pSynth->ShortMessage(Message(0x90, 60, 0)); // a note-on at velocity 0 ends it too
    m_pSynth->ShortMessage(Message(0x90, 72, 100)); // this one stays
    RenderSynth(*m_pSynth, 2 * 44100);
    std::vector<float> held = RenderSynth(*m_pSynth, 441);
    EXPECT_GT(Peak(held), 0.01f);

    std::unique_ptr<ISynth> other = Make();
    other->ShortMessage(Message(0xC0, 19));
    other->ShortMessage(Message(0x90, 72, 100));
    RenderSynth(*other, 4410);
    other->ShortMessage(Message(0x80, 72));
    RenderSynth(*other, 2 * 44100);
    EXPECT_LT(Peak(RenderSynth(*other, 441)), kMinus60dB);
}

// Two fresh synthesizers given the same messages render the same samples, so a message
// decoded wrongly shows as a difference.
std::vector<float> Play(ISynth& synth, const std::vector<uint32_t>& messages)
{
    for (uint32_t message : messages)
        synth.ShortMessage(message);
    synth.ShortMessage(Message(0x90, 69, 100));
    return RenderSynth(synth, 4410);
}

TEST_F(SoundFontSynthTest, PitchBendCarriesItsLowSevenBitsFirst)
{
    std::vector<float> plain = Play(*m_pSynth, {});
    // 0x2000, the centre: no bend at all.
    std::vector<float> centred = Play(*Make(), { Message(0xE0, 0x00, 0x40) });
    std::vector<float> bent = Play(*Make(), { Message(0xE0, 0x7F, 0x7F) });
    EXPECT_EQ(plain, centred);
    EXPECT_NE(plain, bent);
}

TEST_F(SoundFontSynthTest, ProgramAndControllersChangeTheSound)
{
    std::vector<float> plain = Play(*m_pSynth, {});
    EXPECT_EQ(plain, Play(*Make(), { Message(0xC0, 0) }));
    EXPECT_NE(plain, Play(*Make(), { Message(0xC0, 73) })); // a flute
    EXPECT_NE(plain, Play(*Make(), { Message(0xB0, 7, 20) })); // channel volume
    EXPECT_EQ(plain, Play(*Make(), { Message(0xB1, 7, 20) })); // another channel's
    EXPECT_NE(plain, Play(*Make(), { Message(0xB0, 10, 0) })); // pan hard left
}

TEST_F(SoundFontSynthTest, SilenceResetsTheControllers)
{
    // Reset-all-controllers brings expression and pitch bend back; channel volume and pan
    // are left as they are, as the MIDI practice has it.
    std::vector<float> plain = Play(*m_pSynth, {});
    std::unique_ptr<ISynth> synth = Make();
    synth->ShortMessage(Message(0xB0, 11, 10));
    synth->ShortMessage(Message(0xE0, 0x7F, 0x7F));
    synth->Silence();
    RenderSynth(*synth, 4410);
    std::vector<float> after = Play(*synth, {});
    // Reverberation state aside, the note is as loud as from a fresh synthesizer.
    EXPECT_NEAR(Peak(after), Peak(plain), 0.1f * Peak(plain));
}

TEST_F(SoundFontSynthTest, SystemExclusiveMessagesInPiecesAreTaken)
{
    const uint8_t gmOn[] = { 0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7 };
    m_pSynth->LongMessage(gmOn);
    const uint8_t first[] = { 0xF0, 0x41, 0x10, 0x42 };
    const uint8_t second[] = { 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7 };
    m_pSynth->LongMessage(first);
    m_pSynth->LongMessage(second);
    m_pSynth->LongMessage(second); // a continuation with no start: dropped
    m_pSynth->LongMessage({});
    m_pSynth->ShortMessage(Message(0x90, 60, 100));
    EXPECT_GT(Peak(RenderSynth(*m_pSynth, 441)), kMinus60dB);
}

TEST_F(SoundFontSynthTest, RenderAddsToWhatIsThere)
{
    std::vector<float> out(2 * 3000, 0.5f);
    m_pSynth->Render(out.data(), 3000); // more than one block of the synthesizer
    for (float f : out)
        ASSERT_NEAR(f, 0.5f, 1e-6f); // silence, give or take the reverberation's noise floor
    m_pSynth->ShortMessage(Message(0x90, 60, 100));
    std::unique_ptr<ISynth> twin = Make();
    RenderSynth(*twin, 3000); // both at the same place in their blocks
    twin->ShortMessage(Message(0x90, 60, 100));
    std::vector<float> a = RenderSynth(*m_pSynth, 3000);
    std::vector<float> b(2 * 3000, 0.25f);
    twin->Render(b.data(), 3000);
    for (size_t i = 0; i < a.size(); ++i)
        ASSERT_FLOAT_EQ(b[i], a[i] + 0.25f) << i;
    EXPECT_GT(Peak(a), kMinus60dB);
}

TEST_F(SoundFontSynthTest, ThroughTheMixerTheNoteStartsAtItsFrame)
{
    CAudioMixer mixer(std::move(m_pSynth));
    testmidi::CRecordingClient client(mixer);
    ASSERT_EQ(mixer.OpenStream(client), 0);
    ASSERT_EQ(mixer.SetTimeDivision(96), 0);
    // The run lasts a quarter note past the note: its end would silence the note.
    testmidi::CBuffer buffer(testmidi::CRecords().Short(0, 0xC0, 0).NoteOn(96, 60).Nop(96));
    ASSERT_EQ(mixer.Out(buffer.header), 0);
    ASSERT_EQ(mixer.Restart(), 0);
    std::vector<int16_t> out(2 * 50000);
    ASSERT_EQ(mixer.Render(out.data(), 50000), 50000u);
    for (size_t i = 0; i < 2 * 22050; ++i)
        ASSERT_EQ(out[i], 0) << "sound before the note, frame " << i / 2;
    int peak = 0;
    for (size_t i = 2 * 22050; i < 2 * (22050 + 441); ++i)
        peak = std::max(peak, std::abs(int(out[i])));
    EXPECT_GT(peak, 33); // -60 dBFS
    EXPECT_EQ(client.doneFrames, (std::vector<uint64_t> { 44100 }));
    // With the end of the run the note falls silent at once.
    EXPECT_EQ(*std::max_element(out.begin() + 2 * 44200, out.end()), 0);
    EXPECT_EQ(*std::min_element(out.begin() + 2 * 44200, out.end()), 0);
}

// ---- SoundFonts that cannot be loaded ---------------------------------------------------

class BadSoundFontTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() / ("synth-test-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Write(const std::string& name, const std::vector<char>& bytes)
    {
        std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }
    std::filesystem::path m_dir;
};

TEST_F(BadSoundFontTest, AMissingFileGivesNoSynthAndSaysWhy)
{
    std::string error;
    std::string path = (m_dir / "missing.sf2").string();
    EXPECT_EQ(CreateSoundFontSynth(path, error), nullptr);
    EXPECT_NE(error.find("missing.sf2"), std::string::npos) << error;
    error.clear();
    EXPECT_EQ(CreateSoundFontSynth("", error), nullptr);
    EXPECT_NE(error, "");
    EXPECT_EQ(CreateSoundFontSynth(m_dir.string(), error), nullptr); // a folder
    EXPECT_NE(error, "");
}

TEST_F(BadSoundFontTest, GarbageGivesNoSynthAndSaysWhy)
{
    std::vector<char> garbage(5000);
    for (size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char(i * 7919 % 251);
    std::string error;
    EXPECT_EQ(CreateSoundFontSynth(Write("garbage.sf2", garbage), error), nullptr);
    EXPECT_NE(error.find("garbage.sf2"), std::string::npos) << error;
    EXPECT_EQ(CreateSoundFontSynth(Write("empty.sf2", {}), error), nullptr);
    EXPECT_NE(error, "");
}

TEST_F(BadSoundFontTest, ACutSoundFontGivesNoSynthAndSaysWhy)
{
    std::string soundFont = FindSoundFont();
    if (soundFont.empty())
        GTEST_SKIP() << "no General MIDI SoundFont on this system";
    std::ifstream in(soundFont, std::ios::binary);
    std::vector<char> head(4096);
    in.read(head.data(), std::streamsize(head.size()));
    std::string error;
    EXPECT_EQ(CreateSoundFontSynth(Write("cut.sf2", head), error), nullptr);
    EXPECT_NE(error.find("cut.sf2"), std::string::npos) << error;
}

TEST(FindSoundFontTest, NamesAFileThatExistsOrNothing)
{
    std::string soundFont = FindSoundFont();
    if (!soundFont.empty()) {
        EXPECT_TRUE(std::filesystem::is_regular_file(soundFont)) << soundFont;
    }
}

} // namespace
