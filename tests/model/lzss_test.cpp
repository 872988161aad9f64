// Tests of the LZSS codec: the encoder against the classic coder kept in lzss_reference.cpp,
// the decoder on hand-made streams, and the file and command-line interface.
#include "model/lzss.h"
#include "tests/model/lzss_reference.h"
#include "tests/model/testdata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <utility>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using namespace testdata;

// ---------------------------------------------------------------------------------------------
// The encoder writes what the classic coder writes, and everything decodes back

struct EncodeCase {
    const char* name;
    std::function<Bytes()> make;
};

void PrintTo(const EncodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class LzssEncodeTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(LzssEncodeTest, MatchesReferenceAndRoundTrips)
{
    const Bytes input = GetParam().make();
    const Bytes ours = lzss::EncodeBuffer(input);
    const Bytes reference = lzss_reference::Encode(input);
    ASSERT_EQ(ours.size(), reference.size());
    ASSERT_TRUE(ours == reference) << "first difference at byte "
                                   << (std::mismatch(ours.begin(), ours.end(), reference.begin())
                                           .first -
                                       ours.begin());
    const Bytes decoded = lzss::DecodeBuffer(ours);
    ASSERT_EQ(decoded.size(), input.size());
    EXPECT_TRUE(decoded == input);
    EXPECT_TRUE(lzss_reference::Decode(ours) == input);
}

const EncodeCase kEncodeCases[] = {
    {"Empty", [] { return Bytes(); }},
    {"OneByte", [] { return Bytes{'A'}; }},
    {"OneSpace", [] { return Bytes{' '}; }},
    {"OneZero", [] { return Bytes{0}; }},
    {"TwoBytes", [] { return Bytes{'A', 'B'}; }},
    {"TwoSpaces", [] { return Bytes{' ', ' '}; }},
    {"ThreeSpaces", [] { return Bytes{' ', ' ', ' '}; }},
    {"Text17", [] { return FromString("Hello, world! abc"); }},
    {"Text18", [] { return FromString("Hello, world! abcd"); }},
    {"Text19", [] { return FromString("Hello, world! abcde"); }},
    {"Run17", [] { return Repeated(17, 'x'); }},
    {"Run18", [] { return Repeated(18, 'x'); }},
    {"Run19", [] { return Repeated(19, 'x'); }},
    {"RunOfA", [] { return Repeated(100000, 'A'); }},
    {"RunOfSpaces", [] { return Repeated(100000, ' '); }},
    {"ShortRunOfSpaces", [] { return Repeated(40, ' '); }},
    {"RunOfZeros", [] { return Repeated(100000, 0); }},
    {"ShortRunOfZeros", [] { return Repeated(40, 0); }},
    {"SpacesThenText", [] { return Concat({Repeated(5000, ' '), EnglishLikeText(5000, 3)}); }},
    {"Text", [] { return EnglishLikeText(300000, 1); }},
    {"ShortText", [] { return EnglishLikeText(1000, 2); }},
    {"Random", [] { return RandomBytes(200000, 7); }},
    {"ShortRandom", [] { return RandomBytes(100, 8); }},
    {"TwoLetters", [] { return SmallAlphabet(50000, 2, 9); }},
    {"FourLetters", [] { return SmallAlphabet(50000, 4, 10); }},
    {"Bitmap", [] { return BitmapLike(300000, 11); }},
    {"Period1Noisy", [] { return Periodic(50000, 1, 50, 12); }},
    {"Period7", [] { return Periodic(50000, 7, 0, 13); }},
    {"Period100Noisy", [] { return Periodic(50000, 100, 200, 14); }},
    {"Period4095", [] { return Periodic(30000, 4095, 1000, 15); }},
    {"Period4096", [] { return Periodic(30000, 4096, 1000, 16); }},
    {"Period4097", [] { return Periodic(30000, 4097, 1000, 17); }},
    {"Period4078", [] { return Periodic(30000, 4078, 1000, 18); }},
    {"Mixture1MB", [] { return Mixture(1 << 20, 19); }},
    {"Text4077", [] { return EnglishLikeText(4077, 20); }},
    {"Text4078", [] { return EnglishLikeText(4078, 21); }},
    {"Text4095", [] { return EnglishLikeText(4095, 22); }},
    {"Text4096", [] { return EnglishLikeText(4096, 23); }},
    {"Text4097", [] { return EnglishLikeText(4097, 24); }},
    {"Text4114", [] { return EnglishLikeText(4114, 25); }},
    {"Text8193", [] { return EnglishLikeText(8193, 26); }},
    {"Random4096", [] { return RandomBytes(4096, 27); }},
    {"Random4097", [] { return RandomBytes(4097, 28); }},
    {"AllByteValues", [] { return AllByteValues(1); }},
    {"AllByteValuesRepeated", [] { return AllByteValues(40); }},
    {"TextEndingInRun", [] { return Concat({EnglishLikeText(9000, 29), Repeated(30, 'z')}); }},
    {"TextEndingInRepeat",
     [] {
         const Bytes text = EnglishLikeText(6000, 30);
         return Concat({text, Bytes(text.begin() + 100, text.begin() + 125)});
     }},
};

INSTANTIATE_TEST_SUITE_P(Inputs, LzssEncodeTest, testing::ValuesIn(kEncodeCases),
                         [](const testing::TestParamInfo<EncodeCase>& info) {
                             return std::string(info.param.name);
                         });

// Every length from 0 to 300 and a spread of longer ones, on data with many near matches: the
// end of the input, where the look-ahead shrinks and stale ring bytes take part in the
// comparisons, is where a coder is most likely to go its own way.
TEST(LzssEncode, ManyLengthsMatchReference)
{
    std::vector<size_t> lengths;
    for (size_t n = 0; n <= 300; ++n)
        lengths.push_back(n);
    for (size_t n = 4060; n <= 4140; ++n)
        lengths.push_back(n);
    for (size_t n : {8000u, 8191u, 8192u, 8193u, 12288u, 20000u})
        lengths.push_back(n);

    uint32_t seed = 100;
    for (size_t n : lengths) {
        for (const Bytes& input : {SmallAlphabet(n, 2, seed), SmallAlphabet(n, 3, seed + 1),
                                   EnglishLikeText(n, seed + 2), Periodic(n, 13, 20, seed + 3)}) {
            const Bytes ours = lzss::EncodeBuffer(input);
            ASSERT_TRUE(ours == lzss_reference::Encode(input)) << "length " << n;
            ASSERT_TRUE(lzss::DecodeBuffer(ours) == input) << "length " << n;
        }
        seed += 4;
    }
}

// Input followed by runs of the bytes the ring holds at the start: spaces match the initial
// ring, and zeros match the never-written tail of the ring and its unfilled mirror.
TEST(LzssEncode, InitialRingContentsMatchReference)
{
    for (size_t n : {1u, 2u, 3u, 17u, 18u, 19u, 36u, 100u, 4000u, 4200u}) {
        for (uint8_t fill : {uint8_t(' '), uint8_t(0)}) {
            for (const Bytes& input : {Repeated(n, fill), Concat({FromString("ab"), Repeated(n, fill)}),
                                       Concat({Repeated(n, fill), FromString("ab"), Repeated(n, fill)})}) {
                const Bytes ours = lzss::EncodeBuffer(input);
                ASSERT_TRUE(ours == lzss_reference::Encode(input))
                    << "length " << n << " fill " << int(fill);
                ASSERT_TRUE(lzss::DecodeBuffer(ours) == input);
            }
        }
    }
}

// Long inputs where neighbouring strings often fall into the same tree, or equal strings follow
// each other for long stretches, or neither: every way the trees can be brought up to date.
TEST(LzssEncode, LongVariedInputsMatchReference)
{
    Bytes rowsOfRuns;
    for (int row = 0; row < 400; ++row)
        for (int x = 0; x < 640; ++x)
            rowsOfRuns.push_back(static_cast<uint8_t>(row % 7 == 0 ? x / 16 : (row * 31) + x / 40));
    const std::vector<Bytes> inputs = {
        Repeated(300000, 0),
        Repeated(300000, 0xFF),
        rowsOfRuns,
        SmallAlphabet(300000, 2, 200),
        Periodic(300000, 1, 30, 201),
        Periodic(300000, 2, 30, 202),
        Periodic(300000, 19, 500, 203),
        Periodic(300000, 640, 100, 204),
        Concat({RandomBytes(50000, 205), Repeated(50000, 'a'), EnglishLikeText(50000, 206),
                Repeated(50000, ' '), BitmapLike(50000, 207), RandomBytes(50000, 208)}),
        Concat({Repeated(4095, 'q'), RandomBytes(4097, 209), Repeated(4096, 'q')}),
    };
    for (size_t k = 0; k < inputs.size(); ++k) {
        const Bytes ours = lzss::EncodeBuffer(inputs[k]);
        ASSERT_TRUE(ours == lzss_reference::Encode(inputs[k])) << "input " << k;
        ASSERT_TRUE(lzss::DecodeBuffer(ours) == inputs[k]) << "input " << k;
    }
}

// A project-sized input, over many fills of the ring and many blocks of strings.
TEST(LzssEncode, TwentyMegabytesMatchReference)
{
    const Bytes input = Mixture(20u << 20, 210);
    const Bytes ours = lzss::EncodeBuffer(input);
    const Bytes reference = lzss_reference::Encode(input);
    ASSERT_EQ(ours.size(), reference.size());
    ASSERT_TRUE(ours == reference);
    ASSERT_TRUE(lzss::DecodeBuffer(ours) == input);
}

// ---------------------------------------------------------------------------------------------
// Two encoders, each keeping half of the trees, write what one writes

// Every parameterised input, through both encoders and through blocks of every awkward size:
// one string, an item's length either side of F, and the usual sizes.
TEST_P(LzssEncodeTest, TwoEncodersMatchReference)
{
    const Bytes input = GetParam().make();
    const Bytes reference = lzss_reference::Encode(input);
    for (size_t block : {size_t{1}, size_t{17}, size_t{18}, size_t{19}, size_t{4096}, size_t{0}}) {
        if (block == 1 && input.size() > 20000)
            continue; // a wait for every string: too slow for long inputs
        ASSERT_TRUE(lzss::EncodeBuffer(input, {}, 2, block) == reference) << "block " << block;
        ASSERT_TRUE(lzss::EncodeBuffer(input, {}, 1, block) == reference) << "block " << block;
    }
}

// Inputs that load the two encoders unevenly or change which trees are busy along the way:
// one byte everywhere, a few bytes that all fall to one side, long stretches of each kind of
// data, and the initial ring's bytes at the end.
TEST(LzssTwoEncoders, UnevenAndChangingInputsMatchReference)
{
    Bytes alternating;
    for (int k = 0; k < 200000; ++k)
        alternating.push_back(static_cast<uint8_t>(k % 2 == 0 ? 'a' : 'b'));
    const std::vector<Bytes> inputs = {
        Repeated(400000, 0),
        alternating,
        Concat({Repeated(300000, 'z'), RandomBytes(300000, 400)}),
        Concat({EnglishLikeText(200000, 401), BitmapLike(200000, 402), Repeated(200000, 7),
                SmallAlphabet(200000, 3, 403)}),
        Periodic(500000, 5, 50, 404),
        Concat({RandomBytes(300000, 405), Repeated(5000, ' ')}),
        Concat({Mixture(300000, 406), Repeated(5000, 0)}),
    };
    for (size_t k = 0; k < inputs.size(); ++k) {
        const Bytes reference = lzss_reference::Encode(inputs[k]);
        for (size_t block : {size_t{1000}, size_t{65536}})
            ASSERT_TRUE(lzss::EncodeBuffer(inputs[k], {}, 2, block) == reference)
                << "input " << k << " block " << block;
    }
}

// Short inputs of every length, where the end of the input and the end of a block meet the
// search for a partner string.
TEST(LzssTwoEncoders, EveryShortLengthMatchesReference)
{
    uint32_t seed = 500;
    for (size_t n = 0; n <= 200; ++n) {
        for (const Bytes& input : {SmallAlphabet(n, 4, seed), EnglishLikeText(n, seed + 1)}) {
            const Bytes reference = lzss_reference::Encode(input);
            for (size_t block : {size_t{1}, size_t{7}, size_t{40}})
                ASSERT_TRUE(lzss::EncodeBuffer(input, {}, 2, block) == reference)
                    << "length " << n << " block " << block;
        }
        seed += 2;
    }
}

TEST(LzssTwoEncoders, ReportProgressLikeOne)
{
    const Bytes input = Mixture(1000000, 407);
    std::vector<size_t> calls;
    const Bytes encoded = lzss::EncodeBuffer(
        input, [&](size_t done, size_t total) {
            EXPECT_EQ(total, input.size());
            calls.push_back(done);
        },
        2, 0);
    EXPECT_TRUE(encoded == lzss::EncodeBuffer(input, {}, 1, 0));
    ASSERT_GE(calls.size(), input.size() / 65536);
    EXPECT_TRUE(std::is_sorted(calls.begin(), calls.end()));
    EXPECT_EQ(calls.back(), input.size());
}

TEST(LzssEncode, EightLiteralsMakeOneFullGroup)
{
    const Bytes encoded = lzss::EncodeBuffer(FromString("abcdefgh"));
    EXPECT_EQ(encoded, (Bytes{0xFF, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}));
    const Bytes nine = lzss::EncodeBuffer(FromString("abcdefghi"));
    EXPECT_EQ(nine, (Bytes{0xFF, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 0x01, 'i'}));
}

TEST(LzssEncode, SpacesAreCodedAsReferenceToTheInitialRing)
{
    // Eighteen spaces match the spaces the ring starts with.
    const Bytes encoded = lzss::EncodeBuffer(Repeated(18, ' '));
    ASSERT_EQ(encoded.size(), 3u);
    EXPECT_EQ(encoded[0], 0x00);
    EXPECT_EQ(encoded[2] & 0x0F, 0x0F);
    EXPECT_EQ(lzss::DecodeBuffer(encoded), Repeated(18, ' '));
}

// ---------------------------------------------------------------------------------------------
// The decoder on hand-made streams

struct DecodeCase {
    const char* name;
    Bytes stream;
    Bytes expected;
};

void PrintTo(const DecodeCase& c, std::ostream* os)
{
    *os << c.name;
}

class LzssDecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(LzssDecodeTest, DecodesAsExpected)
{
    const DecodeCase& c = GetParam();
    EXPECT_EQ(lzss::DecodeBuffer(c.stream), c.expected);
    EXPECT_EQ(lzss_reference::Decode(c.stream), c.expected);
}

const DecodeCase kDecodeCases[] = {
    {"Empty", {}, {}},
    {"OnlyAFlagByte", {0xFF}, {}},
    {"OnlyAReferenceFlag", {0x00}, {}},
    {"Literals", {0x07, 'a', 'b', 'c'}, {'a', 'b', 'c'}},
    {"EndsInsideAGroup", {0xFF, 'a', 'b'}, {'a', 'b'}},
    // Position 0, length 18: the spaces the ring starts with.
    {"ReferenceToInitialSpaces", {0x00, 0x00, 0x0F}, Repeated(18, ' ')},
    {"EndsAfterFirstByteOfReference", {0x00, 0x00}, {}},
    {"EndsAfterFirstByteOfSecondItem", {0x01, 'A', 0x00}, {'A'}},
    {"EndsBetweenGroups", {0xFF, 1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}},
    // Positions 4078..4095 were never filled: they read as zeros.
    {"ReferenceToUnwrittenTail", {0x00, 0xEE, 0xF0}, Repeated(3, 0)},
    {"LongReferenceToUnwrittenTail", {0x00, 0xEE, 0xFF}, Repeated(18, 0)},
    // Position 4095 is a zero; the copy wraps to the space at position 0.
    {"ReferenceToLastRingPosition", {0x00, 0xFF, 0xF0}, {0, ' ', ' '}},
    // 4093..4095 are the three zeros, then the copy wraps to the spaces at 0 and 1.
    {"ReferenceWrapsAroundTheRing", {0x00, 0xFD, 0xF2}, {0, 0, 0, ' ', ' '}},
    // 'x' goes to position 4078; copying from there one step behind repeats it.
    {"OverlappingReference", {0x01, 'x', 0xEE, 0xFF}, Repeated(19, 'x')},
    {"OverlappingDistanceTwo", {0x03, 'x', 'y', 0xEE, 0xF3}, FromString("xyxyxyxy")},
    // Spaces at 4060..4077 followed by what was written at 4078: the copy sees its own output.
    {"ReferenceIntoFreshOutput", {0x01, 'q', 0xEC, 0xF0}, FromString("q  q")},
    {"ReferenceCopiesItsOwnOutput", {0x01, 'q', 0xEC, 0xF2}, FromString("q  q  ")},
    // The last group of a stream has zero flag bits for the items it does not hold.
    {"EndsWhereUnusedFlagBitsBegin", {0x00, 0x00, 0x00, 0x00, 0x00}, Repeated(6, ' ')},
};

INSTANTIATE_TEST_SUITE_P(Streams, LzssDecodeTest, testing::ValuesIn(kDecodeCases),
                         [](const testing::TestParamInfo<DecodeCase>& info) {
                             return std::string(info.param.name);
                         });

Bytes LiteralGroups(const Bytes& data)
{
    // data.size() must be a multiple of 8
    Bytes stream;
    for (size_t i = 0; i < data.size(); i += 8) {
        stream.push_back(0xFF);
        stream.insert(stream.end(), data.begin() + static_cast<ptrdiff_t>(i),
                      data.begin() + static_cast<ptrdiff_t>(i + 8));
    }
    return stream;
}

// After a full ring of output, a reference to the position about to be written reads the byte
// written 4096 bytes earlier.
TEST(LzssDecode, ReferenceToTheNextWritePositionReadsAFullRingBack)
{
    Bytes data(4096);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i % 251);
    Bytes stream = LiteralGroups(data);
    // The next write goes to (4078 + 4096) % 4096 = 4078 = 0xFEE. A second reference to the
    // same position, five bytes later, is a copy from five bytes back.
    const Bytes tail = {0x00, 0xEE, 0xF2, 0xEE, 0xFF};
    stream.insert(stream.end(), tail.begin(), tail.end());

    Bytes expected = data;
    for (size_t k = 0; k < 5; ++k)
        expected.push_back(expected[expected.size() - 4096]);
    for (size_t k = 0; k < 18; ++k)
        expected.push_back(expected[expected.size() - 5]);
    EXPECT_EQ(lzss::DecodeBuffer(stream), expected);
    EXPECT_EQ(lzss_reference::Decode(stream), expected);
}

// Arbitrary streams decode as the classic decoder decodes them, whether they end on a group
// boundary, inside an item or anywhere else.
TEST(LzssDecode, ArbitraryStreamsMatchReference)
{
    std::mt19937 rng(42);
    for (int round = 0; round < 400; ++round) {
        const size_t size = round < 100 ? static_cast<size_t>(round) : rng() % 20000;
        Bytes stream(size);
        for (auto& b : stream)
            b = static_cast<uint8_t>(rng() >> 24);
        ASSERT_TRUE(lzss::DecodeBuffer(stream) == lzss_reference::Decode(stream))
            << "round " << round << ", size " << size;
    }
}

TEST(LzssDecode, LongOutputFromAFewReferences)
{
    // Every item is a reference of 18 bytes: the output is nine times the input.
    Bytes stream;
    for (int group = 0; group < 2000; ++group) {
        stream.push_back(0x00);
        for (int item = 0; item < 8; ++item) {
            stream.push_back(static_cast<uint8_t>(group * 7 + item));
            stream.push_back(static_cast<uint8_t>(((group + item) & 0xF0) | 0x0F));
        }
    }
    const Bytes decoded = lzss::DecodeBuffer(stream);
    EXPECT_EQ(decoded.size(), 2000u * 8 * 18);
    EXPECT_TRUE(decoded == lzss_reference::Decode(stream));
}

// ---------------------------------------------------------------------------------------------
// Progress

struct ProgressLog {
    std::vector<std::pair<size_t, size_t>> calls;
    lzss::ProgressFunction Function()
    {
        return [this](size_t done, size_t total) { calls.emplace_back(done, total); };
    }
};

// Calls come in order, about every 64 KB of input, and the last one says all is done.
void ExpectSteadyProgress(const ProgressLog& log, size_t total)
{
    ASSERT_FALSE(log.calls.empty());
    size_t previous = 0;
    for (const auto& [done, callTotal] : log.calls) {
        EXPECT_EQ(callTotal, total);
        EXPECT_GT(done, previous);
        EXPECT_LE(done - previous, size_t{65536 + 8192});
        previous = done;
    }
    EXPECT_EQ(log.calls.back().first, total);
    EXPECT_GE(log.calls.size(), total / 65536);
}

TEST(LzssProgress, EncodeReportsEvery64KAndTheEnd)
{
    const Bytes input = Mixture(1000000, 300);
    ProgressLog log;
    const Bytes encoded = lzss::EncodeBuffer(input, log.Function());
    EXPECT_TRUE(encoded == lzss::EncodeBuffer(input));
    ExpectSteadyProgress(log, input.size());
}

TEST(LzssProgress, DecodeReportsEvery64KAndTheEnd)
{
    const Bytes encoded = lzss::EncodeBuffer(Mixture(1000000, 301));
    ProgressLog log;
    const Bytes decoded = lzss::DecodeBuffer(encoded, log.Function());
    EXPECT_TRUE(decoded == lzss::DecodeBuffer(encoded));
    ExpectSteadyProgress(log, encoded.size());
}

TEST(LzssProgress, EmptyFunctionAndEmptyInputAreFine)
{
    const Bytes input = EnglishLikeText(200000, 302);
    EXPECT_TRUE(lzss::EncodeBuffer(input, {}) == lzss::EncodeBuffer(input));
    ProgressLog log;
    EXPECT_TRUE(lzss::EncodeBuffer(Bytes(), log.Function()).empty());
    EXPECT_TRUE(lzss::DecodeBuffer(Bytes(), log.Function()).empty());
    EXPECT_TRUE(log.calls.empty());
    // A short input gets just the final call.
    lzss::EncodeBuffer(FromString("abc"), log.Function());
    ASSERT_EQ(log.calls.size(), 1u);
    EXPECT_EQ(log.calls[0], (std::pair<size_t, size_t>{3, 3}));
}

// ---------------------------------------------------------------------------------------------
// Files and the command line

class LzssFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::temp_directory_path() /
                ("vimble_lzss_" + std::to_string(getpid()) + "_" + info->name() + "_" +
                 std::to_string(counter++));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    static void WriteFile(const std::string& path, const Bytes& data)
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data.data()),
                   static_cast<std::streamsize>(data.size()));
        ASSERT_TRUE(file.good());
    }

    static Bytes ReadFile(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    // Runs the dispatcher with the given arguments (after the program name) and returns what it
    // wrote to the console.
    static std::string Dispatch(const std::vector<std::string>& args, int& result)
    {
        std::vector<const char*> argv = {"lzss"};
        for (const std::string& arg : args)
            argv.push_back(arg.c_str());
        argv.push_back(nullptr);
        std::FILE* console = std::tmpfile();
        EXPECT_NE(console, nullptr);
        if (console == nullptr)
            return {};
        result = lzss::Dispatch(static_cast<int>(argv.size() - 1), argv.data(), console);
        std::fflush(console);
        std::rewind(console);
        std::string text;
        int c;
        while ((c = std::fgetc(console)) != EOF)
            text.push_back(static_cast<char>(c));
        std::fclose(console);
        return text;
    }

    std::filesystem::path m_dir;
};

TEST_F(LzssFileTest, EncodeAndDecodeFilesRoundTrip)
{
    const Bytes original = Mixture(100000, 5);
    WriteFile(PathOf("plain"), original);
    ASSERT_EQ(lzss::Encode(PathOf("plain"), PathOf("packed")), 0);
    EXPECT_EQ(ReadFile(PathOf("packed")), lzss::EncodeBuffer(original));
    ASSERT_EQ(lzss::Decode(PathOf("packed"), PathOf("unpacked")), 0);
    EXPECT_EQ(ReadFile(PathOf("unpacked")), original);
}

TEST_F(LzssFileTest, EmptyFileGivesEmptyFile)
{
    WriteFile(PathOf("empty"), {});
    ASSERT_EQ(lzss::Encode(PathOf("empty"), PathOf("packed")), 0);
    EXPECT_TRUE(std::filesystem::exists(PathOf("packed")));
    EXPECT_EQ(std::filesystem::file_size(PathOf("packed")), 0u);
    ASSERT_EQ(lzss::Decode(PathOf("packed"), PathOf("unpacked")), 0);
    EXPECT_EQ(std::filesystem::file_size(PathOf("unpacked")), 0u);
}

TEST_F(LzssFileTest, OutputIsTruncated)
{
    WriteFile(PathOf("plain"), FromString("abc"));
    WriteFile(PathOf("packed"), Repeated(1000, 'z'));
    ASSERT_EQ(lzss::Encode(PathOf("plain"), PathOf("packed")), 0);
    EXPECT_EQ(ReadFile(PathOf("packed")), (Bytes{0x07, 'a', 'b', 'c'}));
}

TEST_F(LzssFileTest, MissingInputOrUnwritableOutputFails)
{
    WriteFile(PathOf("plain"), FromString("abc"));
    EXPECT_EQ(lzss::Encode(PathOf("missing"), PathOf("packed")), 1);
    EXPECT_EQ(lzss::Decode(PathOf("missing"), PathOf("packed")), 1);
    EXPECT_FALSE(std::filesystem::exists(PathOf("packed")));
    EXPECT_EQ(lzss::Encode(PathOf("plain"), PathOf("no/such/dir/packed")), 1);
    EXPECT_EQ(lzss::Decode(PathOf("plain"), PathOf("no/such/dir/unpacked")), 1);
}

TEST_F(LzssFileTest, DispatchWithTooFewArgumentsShowsUsage)
{
    const std::string usage = "'lzss e file1 file2' encodes file1 into file2.\n"
                              "'lzss d file2 file1' decodes file2 into file1.\n";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"e"}, {"e", PathOf("a")}}) {
        int result = -1;
        EXPECT_EQ(Dispatch(args, result), usage);
        EXPECT_EQ(result, 1);
    }
}

TEST_F(LzssFileTest, DispatchRejectsUnknownModes)
{
    WriteFile(PathOf("plain"), FromString("abc"));
    for (const std::string mode : {"x", "ee", "ed", "", "dd", "e ", "c"}) {
        int result = -1;
        EXPECT_EQ(Dispatch({mode, PathOf("plain"), PathOf("out")}, result), "??? " + mode + "\n");
        EXPECT_EQ(result, 1);
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("out")));
}

TEST_F(LzssFileTest, DispatchNamesAFileThatCannotBeOpened)
{
    int result = -1;
    EXPECT_EQ(Dispatch({"e", PathOf("missing"), PathOf("out")}, result),
              "??? " + PathOf("missing") + "\n");
    EXPECT_EQ(result, 1);

    WriteFile(PathOf("plain"), FromString("abc"));
    const std::string unwritable = PathOf("no/such/dir/out");
    result = -1;
    EXPECT_EQ(Dispatch({"d", PathOf("plain"), unwritable}, result), "??? " + unwritable + "\n");
    EXPECT_EQ(result, 1);
}

TEST_F(LzssFileTest, DispatchEncodesAndDecodesInEitherCase)
{
    const Bytes original = EnglishLikeText(20000, 6);
    WriteFile(PathOf("plain"), original);
    for (const auto& [encodeMode, decodeMode] :
         {std::pair<std::string, std::string>{"e", "d"}, {"E", "D"}, {"e", "D"}, {"E", "d"}}) {
        int result = -1;
        EXPECT_EQ(Dispatch({encodeMode, PathOf("plain"), PathOf("packed")}, result), "");
        EXPECT_EQ(result, 0);
        EXPECT_EQ(ReadFile(PathOf("packed")), lzss::EncodeBuffer(original));
        result = -1;
        EXPECT_EQ(Dispatch({decodeMode, PathOf("packed"), PathOf("unpacked")}, result), "");
        EXPECT_EQ(result, 0);
        EXPECT_EQ(ReadFile(PathOf("unpacked")), original);
        std::filesystem::remove(PathOf("packed"));
        std::filesystem::remove(PathOf("unpacked"));
    }
}

TEST_F(LzssFileTest, DispatchIgnoresExtraArguments)
{
    WriteFile(PathOf("plain"), FromString("abc"));
    int result = -1;
    EXPECT_EQ(Dispatch({"e", PathOf("plain"), PathOf("packed"), "extra"}, result), "");
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFile(PathOf("packed")), (Bytes{0x07, 'a', 'b', 'c'}));
}

} // namespace
