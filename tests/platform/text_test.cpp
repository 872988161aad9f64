#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, ConvertsBothWays)
{
    const std::string cp = "R\xE9tr\xE9" "cissant \x80 \x93ok\x94 \xFF";
    const std::string utf8 = "R\u00E9tr\u00E9cissant \u20AC \u201Cok\u201D \u00FF";
    EXPECT_EQ(platform::Utf8FromCp1252(cp), utf8);
    EXPECT_EQ(platform::Cp1252FromUtf8(utf8), cp);
}

TEST(CodePage, CharactersItLacksBecomeQuestionMarks)
{
    EXPECT_EQ(platform::Cp1252FromUtf8("\u4E2D\U0001F600x"), "??x");
    EXPECT_EQ(platform::Cp1252FromUtf8("\xC3"), "?");     // cut short
    EXPECT_EQ(platform::Cp1252FromUtf8("\x80z"), "?z");   // stray continuation byte
    EXPECT_EQ(platform::Cp1252FromUtf16Unit(0x20AC), '\x80');
    EXPECT_EQ(platform::Cp1252FromUtf16Unit(0x4E2D), '?');
}

TEST(CodePage, UndefinedBytesKeepTheirValue)
{
    EXPECT_EQ(platform::UnicodeFromCp1252(0x81), 0x81u);
    EXPECT_EQ(platform::UnicodeFromCp1252(0x9F), 0x178u);
}

} // namespace
