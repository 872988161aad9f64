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
using platform::kAudioRate;

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
        m_pBirthday = platform::SpeakText("Happy birthday", false, error);
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
    auto female = platform::SpeakText("Happy birthday", true, error);
    ASSERT_NE(female, nullptr) << error;
    EXPECT_GT(Peak(*female), 1000);
    EXPECT_NE(female->samples, m_pBirthday->samples);
}

TEST_F(Speech, EmptyOrBlankTextIsAnEmptySound)
{
    for (const char* text : { "", " ", " \t\r\n " }) {
        std::string error;
        auto pcm = platform::SpeakText(text, true, error);
        ASSERT_NE(pcm, nullptr) << error;
        EXPECT_EQ(pcm->Frames(), 0u);
    }
}

TEST_F(Speech, SameTextAndVoiceIsSynthesizedOnce)
{
    std::string error;
    auto again = platform::SpeakText("Happy birthday", false, error);
    EXPECT_EQ(again.get(), m_pBirthday.get());
    auto first = platform::SpeakText("See you soon", true, error);
    auto second = platform::SpeakText("See you soon", true, error);
    ASSERT_NE(first, nullptr) << error;
    EXPECT_EQ(first.get(), second.get());
    // The other voice is another sound.
    auto male = platform::SpeakText("See you soon", false, error);
    ASSERT_NE(male, nullptr) << error;
    EXPECT_NE(male.get(), first.get());
}

TEST_F(Speech, OldestResultsMakeRoomForNewOnes)
{
    std::string error;
    auto kept = platform::SpeakText("Number one", false, error);
    ASSERT_NE(kept, nullptr) << error;
    for (int i = 0; i < 40; ++i) {
        auto pcm = platform::SpeakText("Number " + std::to_string(i + 2), false, error);
        ASSERT_NE(pcm, nullptr) << error;
    }
    // Pushed out of the cache: said again, a new sound (espeak-ng varies it a little).
    auto again = platform::SpeakText("Number one", false, error);
    ASSERT_NE(again, nullptr) << error;
    EXPECT_NE(again.get(), kept.get());
    EXPECT_NEAR(Seconds(*again), Seconds(*kept), 0.1 * Seconds(*kept));
}

TEST_F(Speech, CodePageTextIsSpoken)
{
    std::string error;
    auto pcm = platform::SpeakText("Caf\xE9 cr\xE8me, 20 \x80", true, error);
    ASSERT_NE(pcm, nullptr) << error;
    EXPECT_GT(Peak(*pcm), 1000);
    EXPECT_GE(Seconds(*pcm), 0.3);
    EXPECT_LE(Seconds(*pcm), 8.0);
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
                results[t * 4 + i] = platform::SpeakText(text, i % 2 == 0, error);
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
            const bool bNone = !platform::SpeakText("Hello", false, first)
                && !platform::SpeakText("Hello there", true, second);
            const char* prefix = "the speech synthesizer cannot be started";
            const bool bReason = first.rfind(prefix, 0) == 0 && second == first;
            rmdir(empty.c_str());
            std::exit(!empty.empty() && bNone && bReason ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
