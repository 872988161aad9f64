// mime64: the part header, 60-character lines ending in CR LF, padding, and its results.
#include "mail/base64.h"
#include "platform/message.h"
#include "tests/mail/mail_fixtures.h"

#include <gtest/gtest.h>

using namespace mailtest;

namespace {

int Convert(const char* option, const std::string& in, const std::string& out)
{
    const char* argv[] = { "mime64", option, in.c_str(), out.c_str() };
    return mime64(4, argv);
}

const std::string kHeaderX = "Content-Type: application/octet-stream; name=x.exe\r\n"
                             "Content-transfer-encoding: base64\r\n"
                             "Content-Disposition: attachment; filename=x.exe\r\n"
                             "\r\n";

struct SizeCase {
    size_t size;
    std::vector<size_t> lineLengths; // of the base64 lines after the header
    char lastChar; // of the last base64 line (0: no lines)
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.size);
}

std::vector<size_t> LinesOf(size_t fullLines, size_t last)
{
    std::vector<size_t> lines(fullLines, 60);
    lines.push_back(last);
    return lines;
}

class Base64LineTest : public testing::TestWithParam<SizeCase> { };

TEST_P(Base64LineTest, LinesAndPaddingFollowTheInputSize)
{
    const SizeCase& c = GetParam();
    CTempDir dir;
    std::string input = PatternBytes(c.size, static_cast<uint32_t>(c.size));
    WriteText(dir / "x.exe", input);
    ASSERT_EQ(Convert("-e", dir / "x.exe", dir / "x.mim"), 0);
    std::string text = ReadText(dir / "x.mim");
    ASSERT_EQ(text.substr(0, kHeaderX.size()), kHeaderX);
    std::string body = text.substr(kHeaderX.size());
    EXPECT_EQ(body, ReferenceBase64(input));
    std::vector<size_t> lengths;
    for (size_t at = 0; at < body.size();) {
        size_t end = body.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "every line ends in CR LF";
        lengths.push_back(end - at);
        at = end + 2;
    }
    EXPECT_EQ(lengths, c.lineLengths);
    if (c.lastChar != 0) {
        EXPECT_EQ(body[body.size() - 3], c.lastChar);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, Base64LineTest,
    testing::Values(SizeCase { 0, {}, 0 }, SizeCase { 1, { 4 }, '=' }, SizeCase { 2, { 4 }, '=' },
        SizeCase { 3, { 4 }, 0 }, SizeCase { 44, { 60 }, '=' }, SizeCase { 45, { 60 }, 0 },
        SizeCase { 46, { 60, 4 }, '=' }, SizeCase { 47, { 60, 4 }, '=' },
        SizeCase { 89, { 60, 60 }, '=' }, SizeCase { 90, { 60, 60 }, 0 },
        SizeCase { 100000, LinesOf(2222, 16), '=' }));

TEST(Base64, KnownVectors)
{
    struct {
        std::string in, out;
    } cases[] = { { std::string(3, '\0'), "AAAA" }, { "abc", "YWJj" }, { "f", "Zg==" },
        { "fo", "Zm8=" }, { "foobar", "Zm9vYmFy" }, { "\xff\xfe", "//4=" } };
    for (const auto& c : cases) {
        CBase64Encoder encoder;
        std::string out;
        encoder.Put(reinterpret_cast<const uint8_t*>(c.in.data()), c.in.size(), out);
        encoder.Finish(out);
        EXPECT_EQ(out, c.out + "\r\n") << c.in;
    }
}

TEST(Base64, PiecesOfAnySizeGiveTheSameText)
{
    std::string input = PatternBytes(1000, 7);
    std::string whole;
    CBase64Encoder one;
    one.Put(reinterpret_cast<const uint8_t*>(input.data()), input.size(), whole);
    one.Finish(whole);
    std::string pieces;
    CBase64Encoder many;
    for (size_t i = 0; i < input.size(); i += 7)
        many.Put(reinterpret_cast<const uint8_t*>(input.data()) + i,
            std::min<size_t>(7, input.size() - i), pieces);
    many.Finish(pieces);
    EXPECT_EQ(pieces, whole);
    EXPECT_EQ(whole, ReferenceBase64(input));
}

struct NameCase {
    std::string inputName; // path relative to the test folder, or absolute marker
    std::string partName;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << testing::PrintToString(c.inputName);
}

class Base64NameTest : public testing::TestWithParam<NameCase> { };

TEST_P(Base64NameTest, PartIsNamedAfterTheLastPathPart)
{
    CTempDir dir;
    std::string path = dir / GetParam().inputName;
    WriteText(path, "abc");
    ASSERT_EQ(Convert("-e", path, dir / "out.mim"), 0);
    std::string text = ReadText(dir / "out.mim");
    EXPECT_EQ(text,
        "Content-Type: application/octet-stream; name=" + GetParam().partName
            + "\r\nContent-transfer-encoding: base64\r\n"
              "Content-Disposition: attachment; filename="
            + GetParam().partName + "\r\n\r\nYWJj\r\n");
}

INSTANTIATE_TEST_SUITE_P(Names, Base64NameTest,
    testing::Values(NameCase { "x.exe", "x.exe" }, NameCase { "C:\\TEMP\\x.exe", "x.exe" },
        NameCase { "birthday card.exe", "birthday card.exe" }));

TEST(Base64, ALineBreakInTheNameCannotAddHeaderLines)
{
    EXPECT_EQ(Mime64Header("a\r\nX-Evil: 1.exe").find("\r\nX-Evil"), std::string::npos);
}

TEST(Base64, MissingInputGivesOneAndNoOutput)
{
    CTempDir dir;
    platform::CMessageRecorder recorder;
    EXPECT_EQ(Convert("-e", dir / "missing.exe", dir / "out.mim"), 1);
    EXPECT_FALSE(Exists(dir / "out.mim"));
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_EQ(recorder.m_messages[0].strText, (dir / "missing.exe") + " file not found");
}

TEST(Base64, OutputThatCannotBeCreatedGivesOne)
{
    CTempDir dir;
    WriteText(dir / "x.exe", "abc");
    platform::CMessageRecorder recorder;
    EXPECT_EQ(Convert("-e", dir / "x.exe", dir / "no/such/folder/out.mim"), 1);
    EXPECT_EQ(recorder.m_messages.size(), 1u);
}

TEST(Base64, FailedWriteLeavesNoPartialOutput)
{
    CTempDir dir;
    WriteText(dir / "x.exe", PatternBytes(5000, 1));
    platform::CMessageRecorder recorder;
    {
        CFileSizeLimit limit(1000); // the part would be about 6900 bytes
        EXPECT_EQ(Convert("-e", dir / "x.exe", dir / "out.mim"), 1);
    }
    EXPECT_EQ(ListDir(dir.Path()), (std::vector<std::string> { "x.exe" }));
    EXPECT_FALSE(recorder.m_messages.empty());
}

TEST(Base64, MissingArgumentsGiveOne)
{
    platform::CMessageRecorder recorder;
    const char* argv[] = { "mime64", "-e", "only-input" };
    EXPECT_EQ(mime64(3, argv), 1);
}

class Base64RoundTrip : public testing::TestWithParam<size_t> { };

TEST_P(Base64RoundTrip, DecodingGivesTheBytesBack)
{
    CTempDir dir;
    std::string input = PatternBytes(GetParam(), 99);
    WriteText(dir / "x.exe", input);
    ASSERT_EQ(Convert("-E", dir / "x.exe", dir / "x.mim"), 0);
    ASSERT_EQ(Convert("-d", dir / "x.mim", dir / "back.bin"), 0);
    EXPECT_EQ(ReadText(dir / "back.bin"), input);
    // Bare base64 without a header decodes too, and so does text without an option.
    WriteText(dir / "bare.b64", ReferenceBase64(input));
    const std::string bare = dir / "bare.b64", back = dir / "bare.bin";
    const char* argv[] = { "mime64", bare.c_str(), back.c_str() };
    ASSERT_EQ(mime64(3, argv), 0);
    EXPECT_EQ(ReadText(dir / "bare.bin"), input);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Base64RoundTrip, testing::Values(0, 1, 2, 3, 44, 45, 46, 70000));

} // namespace
