// Reading bitmap files of every kind we accept. Most files are made by ImageMagick, and our
// pixels must be the ones ImageMagick reads back from the same file; a few kinds it does not
// write are built by hand. Then thousands of damaged files must fail cleanly.
#include "model/archive.h"
#include "model/bitmap.h"
#include "model/dib.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/message.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

namespace {

constexpr char kConvert[] = "/usr/bin/convert";
constexpr int kWidth = 37;
constexpr int kHeight = 23;

class BmpTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = platform::MakeTempDirectory("bmptest");
        // The source picture: gradients with a few saturated patches.
        std::string ppm = "P6\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n";
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                bool patch = (x / 6 + y / 5) % 3 == 0;
                ppm.push_back(static_cast<char>(patch ? 255 : x * 7));
                ppm.push_back(static_cast<char>(patch ? (x * 30) % 256 : y * 11));
                ppm.push_back(static_cast<char>((x * y) % 256));
            }
        platform::WriteWholeFile(s_dir + "/source.ppm", std::vector<uint8_t>(ppm.begin(), ppm.end()));
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(s_dir); }

    static bool HaveConvert() { return platform::FileExists(kConvert); }

    static int Run(const std::string& command)
    {
        return std::system((command + " 2>/dev/null").c_str());
    }

    // The pixels ImageMagick reads from a file, top row first, as 0x00BBGGRR.
    static std::vector<COLORREF> ImageMagickPixels(const std::string& file, int& width, int& height)
    {
        std::string raw = file + ".ppm";
        EXPECT_EQ(Run(std::string(kConvert) + " " + file + " -depth 8 ppm:" + raw), 0);
        std::vector<uint8_t> data;
        platform::ReadWholeFile(raw, data);
        std::string text(data.begin(), data.end());
        int maxValue = 0;
        int consumed = 0;
        std::sscanf(text.c_str(), "P6 %d %d %d%n", &width, &height, &maxValue, &consumed);
        std::vector<COLORREF> pixels;
        for (size_t i = static_cast<size_t>(consumed) + 1; i + 2 < data.size(); i += 3)
            pixels.push_back(RGB(data[i], data[i + 1], data[i + 2]));
        return pixels;
    }

    static std::string s_dir;
};

std::string BmpTest::s_dir;

struct ConvertCase {
    const char* name;
    const char* options;
    const char* prefix; // the file format ImageMagick writes, before the file name
    int headerSize;
    int bitCount;
    uint32_t compression;
    int tolerance; // 16-bit channels may widen differently
};

class ImageMagickFiles : public BmpTest, public testing::WithParamInterface<ConvertCase> {};

TEST_P(ImageMagickFiles, DecodeToTheSamePixels)
{
    if (!HaveConvert())
        GTEST_SKIP() << "ImageMagick is not installed";
    const ConvertCase& c = GetParam();
    std::string file = s_dir + "/" + c.name + ".bmp";
    ASSERT_EQ(Run(std::string(kConvert) + " " + s_dir + "/source.ppm " + c.options + " " + c.prefix + file), 0);

    CHBitmap bitmap;
    platform::CMessageRecorder recorder;
    ASSERT_TRUE(bitmap.LoadFromFile(file)) << (recorder.m_messages.empty() ? "" : recorder.m_messages[0].strText);
    DibInfo info;
    std::string error;
    ASSERT_TRUE(ParseDib(bitmap.GetBlock(), -1, true, info, error)) << error;
    EXPECT_EQ(info.nHeaderSize, c.headerSize);
    EXPECT_EQ(info.nBitCount, c.bitCount);
    EXPECT_EQ(info.nCompression, c.compression);

    int width = 0, height = 0;
    std::vector<COLORREF> expected = ImageMagickPixels(file, width, height);
    ASSERT_EQ(bitmap.GetWidth(), width);
    ASSERT_EQ(bitmap.GetHeight(), height);
    ASSERT_EQ(expected.size(), static_cast<size_t>(width * height));
    const QImage& image = bitmap.GetImage();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            COLORREF ours = ColorFromPixel(image.pixel(x, y));
            COLORREF theirs = expected[static_cast<size_t>(y * width + x)];
            for (int shift : {0, 8, 16})
                ASSERT_NEAR(static_cast<int>((ours >> shift) & 0xFF),
                            static_cast<int>((theirs >> shift) & 0xFF), c.tolerance)
                    << c.name << " at " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ImageMagickFiles,
    testing::Values(
        ConvertCase{"v5_24", "-type truecolor", "", 124, 24, 0, 0},
        ConvertCase{"info_24", "-type truecolor", "BMP3:", 40, 24, 0, 0},
        ConvertCase{"core_24", "-type truecolor", "BMP2:", 12, 24, 0, 0},
        ConvertCase{"v5_32_alpha", "-alpha set -channel A -evaluate set 100%", "", 124, 32, 3, 0},
        ConvertCase{"info_8", "-colors 200 -type palette -compress none", "BMP3:", 40, 8, 0, 0},
        ConvertCase{"core_8", "-colors 200 -type palette", "BMP2:", 12, 8, 0, 0},
        ConvertCase{"v5_8", "-colors 100 -type palette -compress none", "", 124, 8, 0, 0},
        ConvertCase{"info_4", "-colors 12 -type palette", "BMP3:", 40, 4, 0, 0},
        ConvertCase{"info_1", "-colors 2 -type palette", "BMP3:", 40, 1, 0, 0},
        ConvertCase{"info_rle8", "-colors 200 -type palette -compress RLE", "BMP3:", 40, 8, 1, 0},
        ConvertCase{"v5_565", "-define bmp:subtype=RGB565", "", 124, 16, 3, 4},
        ConvertCase{"v5_555", "-define bmp:subtype=RGB555", "", 124, 16, 3, 4}),
    [](const testing::TestParamInfo<ConvertCase>& info) { return std::string(info.param.name); });

// Bytes of a bitmap file built by hand: file header, a 40-byte header, extra (masks or
// table), bits.
std::vector<uint8_t> HandMade(int width, int height, int bitCount, uint32_t compression,
                              const std::vector<uint8_t>& extra, const std::vector<uint8_t>& bits,
                              uint32_t colorsUsed = 0)
{
    std::vector<uint8_t> f{'B', 'M'};
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto put16 = [&](uint16_t v) {
        f.push_back(static_cast<uint8_t>(v));
        f.push_back(static_cast<uint8_t>(v >> 8));
    };
    put32(static_cast<uint32_t>(14 + 40 + extra.size() + bits.size()));
    put32(0);
    put32(static_cast<uint32_t>(14 + 40 + extra.size()));
    put32(40);
    put32(static_cast<uint32_t>(width));
    put32(static_cast<uint32_t>(height));
    put16(1);
    put16(static_cast<uint16_t>(bitCount));
    put32(compression);
    put32(static_cast<uint32_t>(bits.size()));
    put32(0);
    put32(0);
    put32(colorsUsed);
    put32(0);
    f.insert(f.end(), extra.begin(), extra.end());
    f.insert(f.end(), bits.begin(), bits.end());
    return f;
}

std::vector<uint8_t> Table(std::initializer_list<COLORREF> colors)
{
    std::vector<uint8_t> t;
    for (COLORREF c : colors) {
        t.push_back(GetBValue(c));
        t.push_back(GetGValue(c));
        t.push_back(GetRValue(c));
        t.push_back(0);
    }
    return t;
}

bool Decode(const std::vector<uint8_t>& file, QImage& image, std::string& error)
{
    std::span<const uint8_t> block(file.data() + 14, file.size() - 14);
    DibInfo info;
    return ParseDib(block, -1, true, info, error) && DecodeDib(block, info, image, error);
}

TEST(HandMadeFiles, Rle4RunsAndLiteralsAndMoves)
{
    // 6 x 3, bottom-up: row 0 = 1 2 1 2 0 0 via a run, a move, row 1 literal 3 4 5, end.
    std::vector<uint8_t> bits{4, 0x12, 0, 0,            // run of 4: 1 2 1 2; end of line
                              0, 3, 0x34, 0x50, 0, 0,   // literal 3 4 5 (padded); end of line
                              0, 2, 2, 0,               // move right by 2
                              2, 0x66, 0, 1};           // run of 2: 6 6; end of picture
    std::vector<uint8_t> table = Table({0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0x000000});
    QImage image;
    std::string error;
    ASSERT_TRUE(Decode(HandMade(6, 3, 4, 2, table, bits, 7), image, error)) << error;
    auto at = [&](int x, int fileRow) { return ColorFromPixel(image.pixel(x, 2 - fileRow)); };
    EXPECT_EQ(at(0, 0), 0x0000FFu);
    EXPECT_EQ(at(1, 0), 0x00FF00u);
    EXPECT_EQ(at(3, 0), 0x00FF00u);
    EXPECT_EQ(at(4, 0), 0xFFFFFFu); // not written: colour 0
    EXPECT_EQ(at(0, 1), 0xFF0000u);
    EXPECT_EQ(at(2, 1), 0xFF00FFu);
    EXPECT_EQ(at(2, 2), 0x000000u);
    EXPECT_EQ(at(3, 2), 0x000000u);
    EXPECT_EQ(at(0, 2), 0xFFFFFFu);
}

TEST(HandMadeFiles, RunsPastTheRowEndAreCutAndRunsPastTheDataFail)
{
    std::vector<uint8_t> table = Table({0, 0xFFFFFF});
    QImage image;
    std::string error;
    // A run of 5 in a row of 4 (as writers that encode row padding make) is cut at the edge.
    ASSERT_TRUE(Decode(HandMade(4, 2, 8, 1, table, {5, 1, 0, 0, 4, 1, 0, 1}, 2), image, error)) << error;
    EXPECT_EQ(image.pixel(3, 1), 0xFFFFFFFFu);
    EXPECT_EQ(image.pixel(3, 0), 0xFFFFFFFFu);
    // Moves and runs below the last row draw nothing.
    ASSERT_TRUE(Decode(HandMade(4, 2, 8, 1, table, {0, 2, 0, 9, 3, 1, 0, 1}, 2), image, error)) << error;
    // A literal run longer than the data, a stream cut short, no end mark.
    EXPECT_FALSE(Decode(HandMade(4, 2, 8, 1, table, {0, 6, 1, 1, 1}, 2), image, error));
    EXPECT_NE(error.find("passes the data"), std::string::npos) << error;
    EXPECT_FALSE(Decode(HandMade(4, 2, 8, 1, table, {0}, 2), image, error));
    EXPECT_FALSE(Decode(HandMade(4, 2, 8, 1, table, {4, 1}, 2), image, error));
    EXPECT_NE(error.find("ends early"), std::string::npos) << error;
}

TEST(HandMadeFiles, TopDownRowsAndBitFieldsAfterAShortHeader)
{
    // 2 x 2 at 32 bits with masks after the 40-byte header, stored top-down.
    std::vector<uint8_t> masks{0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
    std::vector<uint8_t> bits{0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0, // top row
                              0x77, 0x88, 0x99, 0, 0xAA, 0xBB, 0xCC, 0};
    QImage image;
    std::string error;
    ASSERT_TRUE(Decode(HandMade(2, -2, 32, 3, masks, bits), image, error)) << error;
    EXPECT_EQ(image.pixel(0, 0), 0xFF332211u); // red from the third byte's mask
    EXPECT_EQ(image.pixel(1, 1), 0xFFCCBBAAu);
}

TEST(HandMadeFiles, SixteenBitsWithoutMasksAreFiveFiveFive)
{
    std::vector<uint8_t> bits{0x00, 0x7C, 0xE0, 0x03}; // pure red, pure green
    QImage image;
    std::string error;
    ASSERT_TRUE(Decode(HandMade(2, 1, 16, 0, {}, bits), image, error)) << error;
    EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(1, 0), 0xFF00FF00u);
}

TEST(HandMadeFiles, HeadersThatDoNotFitAreNotPictures)
{
    struct Bad {
        std::vector<uint8_t> file;
        const char* expected;
    };
    std::vector<uint8_t> table = Table({0, 0xFFFFFF});
    std::vector<Bad> cases = {
        {HandMade(0, 5, 24, 0, {}, std::vector<uint8_t>(60)), "out of range"},
        {HandMade(40000, 1, 24, 0, {}, std::vector<uint8_t>(60)), "out of range"},
        {HandMade(4, 4, 7, 0, {}, std::vector<uint8_t>(60)), "bits per pixel"},
        {HandMade(4, 4, 24, 4, {}, std::vector<uint8_t>(60)), "compression"},
        {HandMade(4, -4, 8, 1, table, {0, 1}, 2), "compression"},
        {HandMade(4, 4, 8, 0, table, std::vector<uint8_t>(15), 2), "pixels need"},
        {HandMade(4, 4, 8, 0, table, std::vector<uint8_t>(16), 300), "colour table"},
        {HandMade(4, 4, 8, 0, table, std::vector<uint8_t>(16), 200), "colour table"},
        {HandMade(2, 2, 16, 3, {0, 0, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, std::vector<uint8_t>(8)), "mask"},
    };
    for (const Bad& bad : cases) {
        QImage image;
        std::string error;
        EXPECT_FALSE(Decode(bad.file, image, error)) << bad.expected;
        EXPECT_NE(error.find(bad.expected), std::string::npos) << error;
    }
}

TEST(HandMadeFiles, PackedBitmapWithoutColourCountTakesItFromItsDepth)
{
    // A 24-bit packed bitmap (archive kind 2) with a used-colour count of 0 has no table.
    std::vector<uint8_t> file = HandMade(2, 2, 24, 0, {}, std::vector<uint8_t>(16, 0x80));
    CHBitmap bitmap;
    std::vector<uint8_t> archive{2, 0, 0, 0};
    uint32_t n = static_cast<uint32_t>(file.size() - 14);
    for (int i = 0; i < 4; ++i)
        archive.push_back(static_cast<uint8_t>(n >> (8 * i)));
    archive.insert(archive.end(), file.begin() + 14, file.end());
    archive.push_back(0);
    CArchive ar(archive, "packed");
    bitmap.Serialize(ar);
    ASSERT_FALSE(ar.IsFailed()) << ar.FailureText();
    EXPECT_EQ(bitmap.m_nColors, 0);
    EXPECT_EQ(bitmap.GetPalette(), nullptr);
    EXPECT_EQ(bitmap.GetImage().pixel(1, 1), 0xFF808080u);
}

TEST(HandMadeFiles, GapBeforeTheBitsIsClosedUp)
{
    std::vector<uint8_t> file = HandMade(1, 1, 24, 0, {}, {0x10, 0x20, 0x30, 0});
    file.insert(file.begin() + 54, {9, 9, 9, 9, 9, 9});
    file[10] = 60;
    std::string path = testing::TempDir() + "/gap.bmp";
    platform::WriteWholeFile(path, file);
    CHBitmap bitmap;
    const bool bLoaded = bitmap.LoadFromFile(path);
    std::remove(path.c_str());
    ASSERT_TRUE(bLoaded);
    EXPECT_EQ(bitmap.GetImage().pixel(0, 0), 0xFF302010u);
}

TEST(HandMadeFiles, NotABitmapFileLeavesTheBitmapEmpty)
{
    std::string path = testing::TempDir() + "/notbmp.bmp";
    platform::WriteWholeFile(path, std::vector<uint8_t>{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0});
    CHBitmap bitmap;
    platform::CMessageRecorder recorder;
    EXPECT_FALSE(bitmap.LoadFromFile(path));
    std::remove(path.c_str());
    EXPECT_FALSE(bitmap.HasData());
    EXPECT_EQ(bitmap.m_nKind, 0);
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_EQ(recorder.m_messages[0].nStringId, platform::IDS_READ_ERROR);
}

// Damaged pictures: random byte changes anywhere and cuts at every length up to the end of
// the colour table. Every one must decode or fail with a reason; the sanitizers watch for
// reads out of bounds.
TEST(DamagedFiles, TenThousandMutationsDecodeOrFailCleanly)
{
    std::vector<std::vector<uint8_t>> seeds = {
        HandMade(9, 7, 8, 1, Table({0, 0xFF, 0xFF00, 0xFF0000}), {3, 1, 0, 3, 2, 3, 1, 0, 0, 0, 9, 2, 0, 1}, 4),
        HandMade(9, 7, 4, 2, Table({0, 0xFF, 0xFF00}), {4, 0x12, 0, 4, 0x12, 0x10, 0, 0, 0, 2, 1, 1, 0, 1}, 3),
        HandMade(5, 4, 24, 0, {}, std::vector<uint8_t>(64, 0x55)),
        HandMade(5, 4, 1, 0, Table({0, 0xFFFFFF}), std::vector<uint8_t>(16, 0xA5)),
        HandMade(3, 3, 16, 3, {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, std::vector<uint8_t>(24, 0x3C)),
        HandMade(3, -3, 32, 0, {}, std::vector<uint8_t>(36, 0x7F)),
    };
    std::mt19937 random(12345);
    int tried = 0, decoded = 0;
    auto attempt = [&](const std::vector<uint8_t>& file) {
        ++tried;
        if (file.size() < 14)
            return;
        QImage image;
        std::string error;
        if (Decode(file, image, error)) {
            ++decoded;
            EXPECT_FALSE(image.isNull());
        } else {
            EXPECT_FALSE(error.empty());
        }
    };
    for (const auto& seed : seeds) {
        for (size_t cut = 14; cut < std::min<size_t>(seed.size(), 14 + 40 + 64); ++cut)
            attempt(std::vector<uint8_t>(seed.begin(), seed.begin() + static_cast<long>(cut)));
        for (int i = 0; i < 1800; ++i) {
            std::vector<uint8_t> file = seed;
            int flips = 1 + static_cast<int>(random() % 6);
            for (int k = 0; k < flips; ++k) {
                size_t at = 14 + random() % (file.size() - 14);
                file[at] = (random() % 4 == 0) ? 0xFF : static_cast<uint8_t>(random());
            }
            if (random() % 5 == 0)
                file.resize(14 + random() % (file.size() - 14));
            attempt(file);
        }
    }
    EXPECT_GE(tried, 10000);
    EXPECT_GT(decoded, 100); // the mutations do not all fall at the first check
}

} // namespace

TEST(PicturesInMemory, a_picture_becomes_a_24_bit_bitmap_with_its_own_pixels)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    const QRgb colours[6] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                             qRgb(1, 2, 3),   qRgb(250, 251, 252), qRgb(128, 64, 32)};
    for (int i = 0; i < 6; ++i)
        image.setPixel(i % 3, i / 3, colours[i]);
    CHBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromImage(image, "/pictures/six.png"));
    EXPECT_EQ(bitmap.GetWidth(), 3);
    EXPECT_EQ(bitmap.GetHeight(), 2);
    EXPECT_EQ(bitmap.GetBitCount(), 24);
    EXPECT_EQ(bitmap.m_strPath, "/pictures/six.png");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(bitmap.GetImage().pixel(i % 3, i / 3) & 0xFFFFFF, colours[i] & 0xFFFFFF) << i;

    platform::CMessageRecorder recorder;
    CHBitmap none;
    EXPECT_FALSE(none.LoadFromImage(QImage(), "nothing"));
    EXPECT_FALSE(none.HasData());
    EXPECT_EQ(recorder.m_messages.size(), 1u);
}
