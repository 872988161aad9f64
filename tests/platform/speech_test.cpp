#include "platform/speech.h"

#include "platform/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using platform::CPcm;
using platform::CSpeechVoice;
using platform::kAudioRate;

const CSpeechVoice kMale { "en", false };
const CSpeechVoice kFemale { "en", true };

int Peak(const CPcm& pcm)
{
    int peak = 0;
    for (int16_t s : pcm.samples)
        peak = std::max(peak, std::abs(int(s)));
    return peak;
}

double Seconds(const CPcm& pcm)
{
    return double(pcm.Frames()) / kAudioRate;
}

class Speech : public testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        m_pBirthday = platform::SpeakText("Happy birthday", kMale, error);
        if (!m_pBirthday)
            GTEST_SKIP() << "no speech synthesizer: " << error;
    }
    std::shared_ptr<const CPcm> m_pBirthday;
};

TEST_F(Speech, ShortTextSoundsForAPlausibleTime)
{
    EXPECT_GE(Seconds(*m_pBirthday), 0.3);
    EXPECT_LE(Seconds(*m_pBirthday), 5.0);
    EXPECT_GT(Peak(*m_pBirthday), 1000);
}

TEST_F(Speech, FemaleAndMaleVoicesDiffer)
{
    std::string error;
    auto female = platform::SpeakText("Happy birthday", kFemale, error);
    ASSERT_NE(female, nullptr) << error;
    EXPECT_GT(Peak(*female), 1000);
    EXPECT_NE(female->samples, m_pBirthday->samples);
}

TEST_F(Speech, EmptyOrBlankTextIsAnEmptySound)
{
    // The last: a no-break space and an ideographic space.
    for (const char* text : { "", " ", " \t\r\n ", "\u00A0 \u3000" }) {
        std::string error;
        auto pcm = platform::SpeakText(text, kFemale, error);
        ASSERT_NE(pcm, nullptr) << error;
        EXPECT_EQ(pcm->Frames(), 0u);
    }
}

TEST_F(Speech, SameTextAndVoiceIsSynthesizedOnce)
{
    std::string error;
    auto again = platform::SpeakText("Happy birthday", kMale, error);
    EXPECT_EQ(again.get(), m_pBirthday.get());
    auto first = platform::SpeakText("See you soon", kFemale, error);
    auto second = platform::SpeakText("See you soon", kFemale, error);
    ASSERT_NE(first, nullptr) << error;
    EXPECT_EQ(first.get(), second.get());
    // The other voice is another sound.
    auto male = platform::SpeakText("See you soon", kMale, error);
    ASSERT_NE(male, nullptr) << error;
    EXPECT_NE(male.get(), first.get());
}

TEST_F(Speech, OldestResultsMakeRoomForNewOnes)
{
    std::string error;
    auto kept = platform::SpeakText("Number one", kMale, error);
    ASSERT_NE(kept, nullptr) << error;
    for (int i = 0; i < 40; ++i) {
        auto pcm = platform::SpeakText("Number " + std::to_string(i + 2), kMale, error);
        ASSERT_NE(pcm, nullptr) << error;
    }
    // Pushed out of the cache: said again, a new sound (espeak-ng varies it a little).
    auto again = platform::SpeakText("Number one", kMale, error);
    ASSERT_NE(again, nullptr) << error;
    EXPECT_NE(again.get(), kept.get());
    EXPECT_NEAR(Seconds(*again), Seconds(*kept), 0.1 * Seconds(*kept));
}

TEST_F(Speech, Utf8TextIsSpoken)
{
    std::string error;
    auto pcm = platform::SpeakText("Café crème, 20 €", kFemale, error);
    ASSERT_NE(pcm, nullptr) << error;
    EXPECT_GT(Peak(*pcm), 1000);
    EXPECT_GE(Seconds(*pcm), 0.3);
    EXPECT_LE(Seconds(*pcm), 8.0);
}

TEST_F(Speech, EachLanguageHasItsOwnVoice)
{
    // Said by the Russian voice, and spelt out by the English one.
    const std::string hello = "Привет";
    std::string error;
    auto russian = platform::SpeakText(hello, { "ru", false }, error);
    auto english = platform::SpeakText(hello, kMale, error);
    auto female = platform::SpeakText(hello, { "ru", true }, error);
    ASSERT_NE(russian, nullptr) << error;
    ASSERT_NE(english, nullptr) << error;
    ASSERT_NE(female, nullptr) << error;
    EXPECT_GT(Peak(*russian), 1000);
    // The English voice spells the foreign letters out: a much longer sound.
    EXPECT_GT(std::abs(Seconds(*english) - Seconds(*russian)), 0.2 * Seconds(*russian));
    EXPECT_NE(russian->samples, female->samples);
    // The same voice again is the kept sound; a language code's case does not matter.
    EXPECT_EQ(platform::SpeakText(hello, { "RU", false }, error).get(), russian.get());
}

TEST_F(Speech, ALanguageWithoutAVoiceFallsBackToTheProgramsLanguage)
{
    std::string error;
    auto unknown = platform::SpeakText("Happy new year", { "xx-unknown", false }, error);
    auto own = platform::SpeakText(
        "Happy new year", { platform::ProgramSpeechLanguage(), false }, error);
    ASSERT_NE(unknown, nullptr) << error;
    ASSERT_NE(own, nullptr) << error;
    // espeak-ng varies a sound a little from one synthesis to the next: the length tells.
    EXPECT_NEAR(Seconds(*unknown), Seconds(*own), 0.05 * Seconds(*own));
    // No language is the program's: the very sound its voice made.
    EXPECT_EQ(platform::SpeakText("Happy new year", { "", false }, error).get(), own.get());
}

TEST_F(Speech, TheListHasTheLanguagesOfTheScripts)
{
    std::string error;
    const std::vector<platform::CSpeechLanguage> languages = platform::SpeechLanguages(error);
    ASSERT_FALSE(languages.empty()) << error;
    for (const char* code : { "ru", "ar", "ja", "cmn", "ko", "hi", "el", "he", "th", "de" }) {
        const platform::CSpeechLanguage* found = platform::FindSpeechLanguage(languages, code);
        ASSERT_NE(found, nullptr) << code;
        EXPECT_EQ(found->strCode, code);
        EXPECT_FALSE(found->strName.empty()) << code;
    }
    // English and French are spoken by the voices that list them as their first choice.
    const platform::CSpeechLanguage* english = platform::FindSpeechLanguage(languages, "en");
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(english->strCode.rfind("en", 0), 0u) << english->strCode;
    EXPECT_NE(platform::FindSpeechLanguage(languages, "fr"), nullptr);
    // One entry a language.
    for (size_t i = 0; i < languages.size(); ++i)
        for (size_t j = i + 1; j < languages.size(); ++j)
            EXPECT_NE(languages[i].strCode, languages[j].strCode);
}

TEST_F(Speech, CallsFromSeveralThreadsTakeTurns)
{
    std::vector<std::shared_ptr<const CPcm>> results(12);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < 3; ++t) {
        threads.emplace_back([t, &results] {
            for (size_t i = 0; i < 4; ++i) {
                std::string error;
                const std::string text = "Greetings number " + std::to_string(t * 4 + i);
                const CSpeechVoice& voice = i % 2 == 0 ? kFemale : kMale;
                results[t * 4 + i] = platform::SpeakText(text, voice, error);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (const auto& pcm : results) {
        ASSERT_NE(pcm, nullptr);
        EXPECT_GT(Peak(*pcm), 1000);
    }
}

TEST(SpeechLanguageSearch, the_own_language_first_then_the_preferred_alias)
{
    const std::vector<platform::CSpeechLanguage> languages = {
        { "en-029", "English (Caribbean)", { { "en", 10 } } },
        { "en-gb", "English (Great Britain)", { { "en", 2 } } },
        { "en-us", "English (America)", { { "en", 3 } } },
        { "cmn", "Chinese (Mandarin)", { { "zh-cmn", 5 }, { "zh", 5 } } },
        { "yue", "Chinese (Cantonese)", { { "zh", 8 } } },
    };
    struct Row {
        const char* szCode;
        const char* szFound; // nullptr: none
    };
    const Row rows[] = {
        { "en-us", "en-us" }, { "EN-US", "en-us" }, { "en", "en-gb" }, { "zh", "cmn" },
        { "yue", "yue" }, { "zh-cmn", "cmn" }, { "ru", nullptr }, { "", nullptr },
    };
    for (const Row& row : rows) {
        const platform::CSpeechLanguage* found
            = platform::FindSpeechLanguage(languages, row.szCode);
        if (row.szFound == nullptr)
            EXPECT_EQ(found, nullptr) << row.szCode;
        else
            EXPECT_TRUE(found != nullptr && found->strCode == row.szFound) << row.szCode;
    }
}

// The language a text's script asks for, with German as the program's language.
struct ScriptRow {
    const char* szName;
    const char* szText; // UTF-8
    const char* szLanguage;
};

class ScriptLanguage : public testing::TestWithParam<ScriptRow> { };

TEST_P(ScriptLanguage, the_script_with_the_most_letters_decides)
{
    EXPECT_EQ(platform::LanguageForText(GetParam().szText, "de"), GetParam().szLanguage);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptLanguage,
    testing::Values(ScriptRow { "latin", "Alles Gute zum Geburtstag!", "de" },
        ScriptRow { "empty", "", "de" },
        ScriptRow { "digits_and_emoji", "2024 🎂!", "de" },
        ScriptRow { "cyrillic", "С днём рождения", "ru" },
        ScriptRow { "arabic", "عيد ميلاد سعيد", "ar" },
        ScriptRow { "kanji_and_kana", "誕生日おめでとう", "ja" },
        ScriptRow { "katakana", "ケーキ", "ja" },
        ScriptRow { "han_only", "生日快乐", "cmn" },
        ScriptRow { "hangul", "생일 축하해요", "ko" },
        ScriptRow { "devanagari", "जन्मदिन मुबारक", "hi" },
        ScriptRow { "greek", "Χρόνια πολλά", "el" },
        ScriptRow { "hebrew", "מזל טוב", "he" },
        ScriptRow { "thai", "สุขสันต์วันเกิด", "th" },
        // A Russian name in a German greeting leaves it German; a German name in a Russian one
        // leaves it Russian.
        ScriptRow { "latin_with_a_cyrillic_name", "Herzlichen Glückwunsch, Юля", "de" },
        ScriptRow { "cyrillic_with_a_latin_name", "Привет, Max", "ru" },
        // As many Greek as Hebrew letters: the first script wins.
        ScriptRow { "tie", "αβ אב", "el" },
        ScriptRow { "other_script", "გილოცავ", "de" }),
    [](const testing::TestParamInfo<ScriptRow>& info) { return std::string(info.param.szName); });

TEST(SpeechWithoutData, EveryCallGivesTheReason)
{
    // In a fresh process whose synthesizer looks for its data in an empty folder.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string empty = platform::MakeTempDirectory("speech-test-");
            setenv("ESPEAK_DATA_PATH", empty.c_str(), 1);
            std::string first;
            std::string second;
            const bool bNone = !platform::SpeakText("Hello", kMale, first)
                && !platform::SpeakText("Hello there", kFemale, second);
            const char* prefix = "the speech synthesizer cannot be started";
            const bool bReason = first.rfind(prefix, 0) == 0 && second == first;
            rmdir(empty.c_str());
            std::exit(!empty.empty() && bNone && bReason ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
