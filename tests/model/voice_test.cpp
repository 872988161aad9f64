// The voice of a spoken-text marker across the archive: a marker keeps its language and its
// male or female voice after its name, behind a 0 byte, and a marker without either (every
// greeting written before there were languages) reads and writes exactly the bytes it always
// had.
#include "model/archive.h"
#include "model/sound.h"
#include "platform/text.h"
#include "tests/model/fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using fixtures::CBytes;

namespace {

// The bytes of one marker: name, kind 3, start frame, text.
std::vector<uint8_t> MarkerBytes(const std::string& name, int32_t start, const std::string& text)
{
    CBytes bytes;
    bytes.Text(name).I32(CSound::kindMarker).I32(start);
    if (platform::FitsCp1252(text))
        bytes.Text(text);
    else
        bytes.WideText(platform::Utf16FromUtf8(text));
    return bytes.Bytes();
}

std::vector<uint8_t> Written(CSound& sound)
{
    CArchive out("voice");
    sound.Serialize(out);
    EXPECT_FALSE(out.IsFailed()) << out.FailureText();
    return out.Buffer();
}

void Read(CSound& sound, const std::vector<uint8_t>& bytes)
{
    CArchive in(bytes, "voice");
    sound.Serialize(in);
    ASSERT_FALSE(in.IsFailed()) << in.FailureText();
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(MarkerVoice, a_marker_without_a_voice_reads_and_writes_its_old_bytes)
{
    const std::vector<uint8_t> old = MarkerBytes("Voice", 12, "Happy birthday");
    CSound sound;
    ASSERT_NO_FATAL_FAILURE(Read(sound, old));
    EXPECT_EQ(sound.m_strName, "Voice");
    EXPECT_EQ(sound.m_strRef, "Happy birthday");
    EXPECT_EQ(sound.m_nStartFrame, 12);
    // The program's language, and male, as before.
    EXPECT_EQ(sound.Voice(), (platform::CSpeechVoice { "", false }));
    EXPECT_EQ(Written(sound), old);
}

TEST(MarkerVoice, the_voice_follows_the_name_behind_a_zero_byte)
{
    CSound sound;
    ASSERT_TRUE(sound.SetSource(CSound::kindMarker, "\xD0\x9F\xD1\x80\xD0\xB8"));
    sound.SetName("Voice");
    sound.m_nStartFrame = 7;
    sound.SetVoice({ "ru", true });
    EXPECT_EQ(sound.m_nEndFrame, 0);
    EXPECT_EQ(Written(sound),
        MarkerBytes(std::string("Voice\0voice:ru/f", 16), 7, "\xD0\x9F\xD1\x80\xD0\xB8"));
}

// A round trip keeps every voice; the name comes back without the tag.
class MarkerVoiceTrip : public testing::TestWithParam<platform::CSpeechVoice> { };

TEST_P(MarkerVoiceTrip, a_round_trip_keeps_the_voice)
{
    CSound sound;
    ASSERT_TRUE(sound.SetSource(CSound::kindMarker, "Hello"));
    sound.SetName("Voice");
    sound.SetVoice(GetParam());
    const std::vector<uint8_t> bytes = Written(sound);
    CSound back;
    ASSERT_NO_FATAL_FAILURE(Read(back, bytes));
    EXPECT_EQ(back.m_strName, "Voice");
    EXPECT_EQ(back.m_strRef, "Hello");
    EXPECT_EQ(back.Voice(), GetParam());
    EXPECT_EQ(Written(back), bytes);
}

INSTANTIATE_TEST_SUITE_P(Voices, MarkerVoiceTrip,
    testing::Values(platform::CSpeechVoice { "ru", false }, platform::CSpeechVoice { "ja", true },
        platform::CSpeechVoice { "cmn", false }, platform::CSpeechVoice { "en-gb-x-rp", true },
        platform::CSpeechVoice { "", true }));

TEST(MarkerVoice, a_male_voice_without_a_language_writes_no_tag)
{
    CSound sound;
    ASSERT_TRUE(sound.SetSource(CSound::kindMarker, "Hi"));
    sound.SetName("Voice");
    sound.SetVoice({ "", false });
    EXPECT_EQ(Written(sound), MarkerBytes("Voice", 0, "Hi"));
}

TEST(MarkerVoice, a_language_that_is_no_language_code_is_not_kept)
{
    CSound sound;
    sound.SetVoice({ "RU", false });
    EXPECT_EQ(sound.m_strLanguage, "ru");
    sound.SetVoice({ "ru/f\x01", false });
    EXPECT_EQ(sound.m_strLanguage, "");
}

// Names this program does not write as a marker's tag stay whole and are written back as
// they were read; the voice is the old one.
class ForeignMarkerName : public testing::TestWithParam<std::string> { };

TEST_P(ForeignMarkerName, stays_the_name_byte_for_byte)
{
    const std::vector<uint8_t> old = MarkerBytes(GetParam(), 3, "Hi");
    CSound sound;
    ASSERT_NO_FATAL_FAILURE(Read(sound, old));
    EXPECT_EQ(sound.m_strName, GetParam());
    EXPECT_EQ(sound.Voice(), (platform::CSpeechVoice { "", false }));
    EXPECT_EQ(Written(sound), old);
}

INSTANTIATE_TEST_SUITE_P(Names, ForeignMarkerName,
    testing::Values(std::string("Voice\0voice:RU/f", 16), std::string("Voice\0voice:ru/x", 16),
        std::string("Voice\0voice:/m", 14), std::string("Voice\0voice:ru", 14),
        std::string("Voice\0other", 11), std::string("Voice\0voice:ru/ff", 17),
        std::string("Voice\0voice:r u/f", 17), std::string("voice:ru/f")));

TEST(MarkerVoice, only_a_marker_carries_a_voice)
{
    // A sound without data keeps any name as it is (kind 0 reads back without a name).
    const std::string tagged("Tune\0voice:ru/f", 15);
    const std::vector<uint8_t> midi = CBytes()
                                          .Text(tagged)
                                          .I32(CSound::kindMidi)
                                          .I32(0)
                                          .I32(4)
                                          .Raw({ 'M', 'T', 'h', 'd' })
                                          .Bytes();
    CSound sound;
    ASSERT_NO_FATAL_FAILURE(Read(sound, midi));
    EXPECT_EQ(sound.m_strName, tagged);
    EXPECT_EQ(sound.m_strLanguage, "");
    EXPECT_EQ(Written(sound), midi);
}

TEST(MarkerVoice, a_list_of_old_markers_is_written_back_unchanged)
{
    const std::pair<std::string, std::string> markers[]
        = { { "Voice", "One" }, { "", "Two" }, { "Voix", "Joyeux anniversaire" } };
    CBytes bytes;
    bytes.I32(41).I32(3);
    for (const auto& [name, text] : markers)
        bytes.Raw(MarkerBytes(name, 5, text));
    CSoundList list;
    CArchive in(bytes.Bytes(), "list");
    list.Serialize(in);
    ASSERT_FALSE(in.IsFailed()) << in.FailureText();
    ASSERT_EQ(list.GetCount(), 3);
    CArchive out("list");
    list.Serialize(out);
    EXPECT_EQ(out.Buffer(), bytes.Bytes());
}

} // namespace
