#include "platform/text.h"
#include "tests/scripts.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, ConvertsBothWays)
{
    const std::string cp = "R\xE9tr\xE9" "cissant \x80 \x93ok\x94 \xFF";
    const std::string utf8 = "R\u00E9tr\u00E9cissant \u20AC \u201Cok\u201D \u00FF";
    EXPECT_EQ(platform::Utf8FromCp1252(cp), utf8);
    EXPECT_EQ(platform::Cp1252FromUtf8(utf8), cp);
    EXPECT_TRUE(platform::FitsCp1252(utf8));
}

// Every byte of the code page, the five it leaves undefined too, comes back as itself.
TEST(CodePage, EveryByteComesBack)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string utf8 = platform::Utf8FromCp1252(all);
    EXPECT_TRUE(platform::IsValidUtf8(utf8));
    EXPECT_TRUE(platform::FitsCp1252(utf8));
    EXPECT_EQ(platform::Cp1252FromUtf8(utf8), all);
    EXPECT_EQ(platform::UnicodeFromCp1252(0x81), 0x81u);
    EXPECT_EQ(platform::UnicodeFromCp1252(0x9F), 0x178u);
}

TEST(CodePage, CharactersItLacksDoNotFit)
{
    EXPECT_EQ(platform::Cp1252FromUtf8("\u4E2D\U0001F600x"), "??x");
    EXPECT_EQ(platform::Cp1252FromUtf8("\xC3"), "?");   // cut short
    EXPECT_EQ(platform::Cp1252FromUtf8("\x80z"), "?z"); // stray continuation byte
    EXPECT_TRUE(platform::FitsCp1252("a question? yes"));
    EXPECT_FALSE(platform::FitsCp1252("\u0141ukasz"));
    EXPECT_FALSE(platform::FitsCp1252("\xC3"));
}

class ScriptTextTest : public testing::TestWithParam<ScriptText> {};

TEST_P(ScriptTextTest, Utf16RoundTripKeepsEveryCharacter)
{
    const std::string& text = GetParam().strText;
    ASSERT_TRUE(platform::IsValidUtf8(text));
    std::string back;
    ASSERT_TRUE(platform::Utf8FromUtf16(platform::Utf16FromUtf8(text), back));
    EXPECT_EQ(back, text);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptTextTest, testing::ValuesIn(ScriptTexts()),
    [](const auto& info) { return std::string(info.param.szScript); });

TEST(Utf8, InvalidSequencesAreFound)
{
    const std::string invalid[] = {
        "\xC0\xAF",         // overlong
        "\xED\xA0\x80",     // a surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xE2\x82",         // cut short
        "\xBF",             // stray continuation byte
    };
    for (const std::string& text : invalid) {
        EXPECT_FALSE(platform::IsValidUtf8(text)) << testing::PrintToString(text);
        EXPECT_EQ(platform::PrintableUtf8(text), platform::Utf8FromCp1252(text));
    }
    EXPECT_EQ(platform::PrintableUtf8("\u0141\U0001F382"), "\u0141\U0001F382");
}

TEST(Utf8, CutsFallBetweenCharacters)
{
    EXPECT_EQ(platform::FirstCharacters("\u0141\U0001F382ab", 2), "\u0141\U0001F382");
    EXPECT_EQ(platform::FirstCharacters("ab", 5), "ab");
    EXPECT_EQ(platform::FirstCharacters("\u7F8E\u54B2", 0), "");
}

TEST(Utf16, LoneSurrogatesAreRefused)
{
    std::string out = "kept";
    EXPECT_FALSE(platform::Utf8FromUtf16(u"a\xD83D", out));
    EXPECT_FALSE(platform::Utf8FromUtf16(u"\xDE82z", out));
    EXPECT_FALSE(platform::Utf8FromUtf16(std::u16string{ 0xD83D, u'z' }, out));
    EXPECT_EQ(out, "kept");
}

} // namespace
