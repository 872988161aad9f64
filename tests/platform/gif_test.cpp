#include "platform/gif.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using platform::CGifPalette;
using platform::CGifWriter;

// ---- An independent reading of the file's blocks ---------------------------------------------

struct CImageBlock {
    int nLeft = 0, nTop = 0, nWidth = 0, nHeight = 0;
    bool bControl = false; // a graphic control block came before it
    int nDisposal = 0;
    bool bTransparent = false;
    int nTransparent = 0;
    int nDelay = 0; // hundredths of a second
    int nMinCodeSize = 0;
    size_t nLongestSubBlock = 0;
    Bytes indices; // decoded
};

struct CFile {
    bool bOk = false;
    std::string strWhy;
    int nWidth = 0, nHeight = 0;
    int nTableSize = 0; // 0: no global table
    std::vector<QRgb> table;
    int nLoopBlocks = 0;
    int nLoopCount = -1;
    std::vector<CImageBlock> images;
};

// The plain LZW decoder of GIF, written from the format: a table of (prefix code, last pixel)
// pairs, codes read from the low bit up, the width growing when the table reaches it.
bool DecodeLzw(const Bytes& data, int minCodeSize, size_t nPixels, Bytes& out)
{
    const int clear = 1 << minCodeSize, end = clear + 1;
    std::vector<int> prefix(4096, -1);
    std::vector<uint8_t> last(4096, 0), first(4096, 0);
    for (int i = 0; i < clear; ++i)
        last[size_t(i)] = first[size_t(i)] = uint8_t(i);
    int size = clear + 2;
    int width = minCodeSize + 1;
    size_t bitPos = 0;
    int previous = -1;
    std::vector<size_t> length(4096, 1);
    out.reserve(nPixels);
    auto put = [&](int code) {
        size_t at = out.size() + length[size_t(code)];
        out.resize(at);
        uint8_t* pOut = out.data();
        for (int c = code; c >= 0; c = prefix[size_t(c)])
            pOut[--at] = last[size_t(c)];
    };
    while (bitPos + size_t(width) <= data.size() * 8) {
        int code = 0;
        for (int i = 0; i < width; ++i, ++bitPos)
            code |= ((data[bitPos / 8] >> (bitPos % 8)) & 1) << i;
        if (code == clear) {
            size = clear + 2;
            width = minCodeSize + 1;
            previous = -1;
            continue;
        }
        if (code == end)
            return out.size() == nPixels;
        if (code > size || (code == size && previous < 0) || (code >= clear && code < clear + 2))
            return false;
        if (previous >= 0 && size < 4096) {
            // The new code: the previous string and the first pixel of this one (of itself,
            // when this is the code being made).
            prefix[size_t(size)] = previous;
            first[size_t(size)] = first[size_t(previous)];
            last[size_t(size)] = code == size ? first[size_t(previous)] : first[size_t(code)];
            length[size_t(size)] = length[size_t(previous)] + 1;
            ++size;
            if (size == (1 << width) && width < 12)
                ++width;
        } else if (code == size) {
            return false;
        }
        put(code);
        previous = code;
    }
    return false; // no end code
}

CFile ReadBlocks(const Bytes& b)
{
    CFile f;
    size_t pos = 0;
    auto need = [&](size_t n) { return pos + n <= b.size(); };
    auto u16 = [&](size_t at) { return int(b[at] | (b[at + 1] << 8)); };
    auto fail = [&](const std::string& why) {
        f.bOk = false;
        f.strWhy = why + " at byte " + std::to_string(pos);
        return f;
    };
    if (!need(13) || std::string(b.begin(), b.begin() + 6) != "GIF89a")
        return fail("no GIF89a header");
    f.nWidth = u16(6);
    f.nHeight = u16(8);
    const int packed = b[10];
    pos = 13;
    if (packed & 0x80) {
        f.nTableSize = 2 << (packed & 7);
        if (!need(size_t(3 * f.nTableSize)))
            return fail("short colour table");
        for (int i = 0; i < f.nTableSize; ++i, pos += 3)
            f.table.push_back(qRgb(b[pos], b[pos + 1], b[pos + 2]));
    }
    CImageBlock pending;
    while (true) {
        if (!need(1))
            return fail("no trailer");
        const int tag = b[pos++];
        if (tag == 0x3B) {
            if (pos != b.size())
                return fail("bytes after the trailer");
            f.bOk = true;
            return f;
        }
        if (tag == 0x21) {
            if (!need(2))
                return fail("short extension");
            const int label = b[pos++];
            Bytes body;
            bool bFirst = true;
            Bytes first;
            while (true) {
                if (!need(1))
                    return fail("short extension");
                const size_t n = b[pos++];
                if (n == 0)
                    break;
                if (!need(n))
                    return fail("short sub-block");
                if (bFirst)
                    first.assign(
                        b.begin() + std::ptrdiff_t(pos), b.begin() + std::ptrdiff_t(pos + n));
                else
                    body.insert(body.end(), b.begin() + std::ptrdiff_t(pos),
                        b.begin() + std::ptrdiff_t(pos + n));
                bFirst = false;
                pos += n;
            }
            if (label == 0xF9) {
                if (first.size() != 4)
                    return fail("graphic control of the wrong size");
                pending.bControl = true;
                pending.nDisposal = (first[0] >> 2) & 7;
                pending.bTransparent = first[0] & 1;
                pending.nDelay = first[1] | (first[2] << 8);
                pending.nTransparent = first[3];
            } else if (label == 0xFF) {
                if (std::string(first.begin(), first.end()) == "NETSCAPE2.0") {
                    ++f.nLoopBlocks;
                    if (body.size() != 3 || body[0] != 1)
                        return fail("bad loop block");
                    f.nLoopCount = body[1] | (body[2] << 8);
                }
            }
            continue;
        }
        if (tag != 0x2C)
            return fail("unknown block " + std::to_string(tag));
        if (!need(10))
            return fail("short image descriptor");
        CImageBlock image = pending;
        pending = CImageBlock();
        image.nLeft = u16(pos);
        image.nTop = u16(pos + 2);
        image.nWidth = u16(pos + 4);
        image.nHeight = u16(pos + 6);
        if (b[pos + 8] != 0)
            return fail("local table or interlace");
        pos += 9;
        image.nMinCodeSize = b[pos++];
        Bytes data;
        while (true) {
            if (!need(1))
                return fail("short image data");
            const size_t n = b[pos++];
            if (n == 0)
                break;
            if (!need(n))
                return fail("short image sub-block");
            image.nLongestSubBlock = std::max(image.nLongestSubBlock, n);
            data.insert(
                data.end(), b.begin() + std::ptrdiff_t(pos), b.begin() + std::ptrdiff_t(pos + n));
            pos += n;
        }
        if (!DecodeLzw(data, image.nMinCodeSize, size_t(image.nWidth) * size_t(image.nHeight),
                image.indices))
            return fail("image data do not decode");
        f.images.push_back(std::move(image));
    }
}

// ---- Qt's reading ----------------------------------------------------------------------------

struct CDecoded {
    bool bOk = false;
    int nLoopCount = 0;
    std::vector<QImage> frames; // composed, RGB32
    std::vector<int> delays; // ms
};

CDecoded DecodeWithQt(const Bytes& bytes)
{
    CDecoded d;
    QByteArray data(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    if (!reader.canRead())
        return d;
    d.nLoopCount = reader.loopCount();
    QImage image;
    while (reader.read(&image)) {
        d.frames.push_back(image.convertToFormat(QImage::Format_RGB32));
        d.delays.push_back(reader.nextImageDelay());
    }
    d.bOk = !d.frames.empty();
    return d;
}

// ---- Pictures --------------------------------------------------------------------------------

QImage Flat(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A flat background with a few flat shapes, the square moved by step pixels.
QImage Shapes(int w, int h, int step)
{
    QImage image = Flat(w, h, qRgb(0x9F, 0xD8, 0xF5));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(w / 4, h / 3, w / 2 + 1, h / 5 + 1), QColor(0xFF, 0xF4, 0xE4));
    p.fillRect(QRect(step * 3 % w, h / 2, 20, 20), QColor(0xC0, 0x20, 0x30));
    p.fillRect(QRect(w - 1 - step * 2 % w, h / 5, 7, 9), QColor(0x10, 0x80, 0x10));
    return image;
}

// A smooth picture with tens of thousands of colours.
QImage Gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                qRgb(x * 255 / std::max(1, w - 1), y * 255 / std::max(1, h - 1),
                    (x + y) * 255 / std::max(1, w + h - 2)));
    }
    return image;
}

int Distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

// The pixels at which two pictures of one size differ (alpha ignored).
int DifferentPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF);
    }
    return n;
}

std::vector<QRgb> PaletteOf(const std::vector<QImage>& frames, int nColours = 255)
{
    CGifPalette palette;
    for (const QImage& frame : frames)
        palette.AddFrame(frame);
    return palette.Choose(nColours);
}

Bytes Encode(const std::vector<QImage>& frames, int nLoops = 0, int nDelayMs = 120)
{
    CGifWriter writer(frames[0].width(), frames[0].height(), PaletteOf(frames), nLoops);
    for (const QImage& frame : frames)
        EXPECT_TRUE(writer.AddFrame(frame, nDelayMs));
    return writer.Finish();
}

// ---- The file's frame --------------------------------------------------------------------------

TEST(GifFile, HeaderScreenTableAndTrailer)
{
    const Bytes bytes = Encode({ Shapes(617, 463, 0), Shapes(617, 463, 1) });
    ASSERT_GT(bytes.size(), 13u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
    EXPECT_EQ(bytes[6] | (bytes[7] << 8), 617);
    EXPECT_EQ(bytes[8] | (bytes[9] << 8), 463);
    EXPECT_EQ(bytes[10] & 0x80, 0x80) << "a global colour table";
    EXPECT_EQ(bytes.back(), 0x3B);
    const CFile file = ReadBlocks(bytes);
    ASSERT_TRUE(file.bOk) << file.strWhy;
    EXPECT_EQ(file.nWidth, 617);
    EXPECT_EQ(file.nHeight, 463);
    EXPECT_EQ(file.images.size(), 2u);
}

struct CTableCase {
    int nColours;
    int nTableSize;
    int nMinCodeSize;
};

class GifTableSize : public testing::TestWithParam<CTableCase> { };

// The table holds the colours and the transparent index, in the least power of two (at least
// two entries); the image data start at two bits or the table's bits.
TEST_P(GifTableSize, IsThePowerOfTwoAboveTheColours)
{
    const CTableCase c = GetParam();
    std::vector<QRgb> palette;
    for (int i = 0; i < c.nColours; ++i)
        palette.push_back(qRgb(i, 255 - i, i / 2));
    CGifWriter writer(3, 2, palette, 0);
    EXPECT_EQ(writer.GetTransparentIndex(), c.nColours);
    QImage frame = Flat(3, 2, palette.back());
    frame.setPixel(0, 0, palette.front());
    ASSERT_TRUE(writer.AddFrame(frame, 120));
    const CFile file = ReadBlocks(writer.Finish());
    ASSERT_TRUE(file.bOk) << file.strWhy;
    EXPECT_EQ(file.nTableSize, c.nTableSize);
    for (int i = 0; i < c.nColours; ++i)
        EXPECT_EQ(file.table[size_t(i)], palette[size_t(i)]) << i;
    ASSERT_EQ(file.images.size(), 1u);
    EXPECT_EQ(file.images[0].nMinCodeSize, c.nMinCodeSize);
    const Bytes expected = { 0, uint8_t(c.nColours - 1), uint8_t(c.nColours - 1),
        uint8_t(c.nColours - 1), uint8_t(c.nColours - 1), uint8_t(c.nColours - 1) };
    EXPECT_EQ(file.images[0].indices, expected);
}

INSTANTIATE_TEST_SUITE_P(Gif, GifTableSize,
    testing::Values(CTableCase { 1, 2, 2 }, CTableCase { 2, 4, 2 }, CTableCase { 3, 4, 2 },
        CTableCase { 4, 8, 3 }, CTableCase { 7, 8, 3 }, CTableCase { 8, 16, 4 },
        CTableCase { 127, 128, 7 }, CTableCase { 128, 256, 8 }, CTableCase { 255, 256, 8 }));

TEST(GifFile, PaletteBeyond255ColoursIsCutAndAnEmptyOneIsBlack)
{
    std::vector<QRgb> many;
    for (int i = 0; i < 300; ++i)
        many.push_back(qRgb(i % 256, i / 256, 7));
    CGifWriter big(2, 2, many, 0);
    EXPECT_EQ(big.GetTransparentIndex(), 255);
    ASSERT_TRUE(big.AddFrame(Flat(2, 2, qRgb(7, 0, 7)), 120));
    const CFile bigFile = ReadBlocks(big.Finish());
    ASSERT_TRUE(bigFile.bOk) << bigFile.strWhy;
    EXPECT_EQ(bigFile.nTableSize, 256);

    CGifWriter empty(2, 2, {}, 0);
    EXPECT_EQ(empty.GetTransparentIndex(), 1);
    ASSERT_TRUE(empty.AddFrame(Flat(2, 2, qRgb(200, 200, 200)), 120));
    const CDecoded d = DecodeWithQt(empty.Finish());
    ASSERT_TRUE(d.bOk);
    EXPECT_EQ(d.frames[0].pixel(1, 1) & 0xFFFFFF, 0u);
}

// ---- Looping -----------------------------------------------------------------------------------

struct CLoopCase {
    int nLoops;
    int nBlocks; // NETSCAPE2.0 blocks in the file
    int nStored; // the repeat count in it
    int nQt; // what Qt's reader says (-1: for ever)
};

class GifLoop : public testing::TestWithParam<CLoopCase> { };

TEST_P(GifLoop, TheLoopBlockCountsTheRepeats)
{
    const CLoopCase c = GetParam();
    const Bytes bytes = Encode({ Shapes(40, 30, 0), Shapes(40, 30, 1) }, c.nLoops);
    const CFile file = ReadBlocks(bytes);
    ASSERT_TRUE(file.bOk) << file.strWhy;
    EXPECT_EQ(file.nLoopBlocks, c.nBlocks);
    if (c.nBlocks > 0) {
        EXPECT_EQ(file.nLoopCount, c.nStored);
    }
    // The raw bytes too: the block's fixed part, then the count.
    const std::string text(bytes.begin(), bytes.end());
    const size_t at = text.find("NETSCAPE2.0");
    EXPECT_EQ(at != std::string::npos, c.nBlocks > 0);
    if (at != std::string::npos) {
        ASSERT_GE(at, 3u);
        EXPECT_EQ(bytes[at - 3], 0x21);
        EXPECT_EQ(bytes[at - 2], 0xFF);
        EXPECT_EQ(bytes[at - 1], 11);
        EXPECT_EQ(bytes[at + 11], 3);
        EXPECT_EQ(bytes[at + 12], 1);
        EXPECT_EQ(bytes[at + 13] | (bytes[at + 14] << 8), c.nStored);
        EXPECT_EQ(bytes[at + 15], 0);
    }
    const CDecoded d = DecodeWithQt(bytes);
    ASSERT_TRUE(d.bOk);
    EXPECT_EQ(d.nLoopCount, c.nQt);
}

INSTANTIATE_TEST_SUITE_P(Gif, GifLoop,
    testing::Values(CLoopCase { 0, 1, 0, -1 }, CLoopCase { 1, 0, 0, 0 }, CLoopCase { 2, 1, 1, 1 },
        CLoopCase { 5, 1, 4, 4 }, CLoopCase { -3, 0, 0, 0 }, CLoopCase { 70000, 1, 65535, 65535 }));

// ---- Timing ------------------------------------------------------------------------------------

struct CDelayCase {
    int nMs;
    int nHundredths;
};

class GifDelay : public testing::TestWithParam<CDelayCase> { };

TEST_P(GifDelay, IsKeptInRoundedHundredths)
{
    const CDelayCase c = GetParam();
    CGifWriter writer(8, 8, { qRgb(0, 0, 0), qRgb(255, 255, 255) }, 0);
    ASSERT_TRUE(writer.AddFrame(Flat(8, 8, qRgb(0, 0, 0)), c.nMs));
    ASSERT_TRUE(writer.AddFrame(Flat(8, 8, qRgb(255, 255, 255)), c.nMs));
    const Bytes bytes = writer.Finish();
    const CFile file = ReadBlocks(bytes);
    ASSERT_TRUE(file.bOk) << file.strWhy;
    ASSERT_EQ(file.images.size(), 2u);
    for (const CImageBlock& image : file.images) {
        EXPECT_TRUE(image.bControl);
        EXPECT_EQ(image.nDelay, c.nHundredths);
        EXPECT_EQ(image.nDisposal, 1) << "do not dispose";
    }
    const CDecoded d = DecodeWithQt(bytes);
    ASSERT_EQ(d.delays.size(), 2u);
    // Qt, like most readers, shows a frame of less than two hundredths for a tenth of a second.
    EXPECT_EQ(d.delays[0], c.nHundredths < 2 ? 100 : c.nHundredths * 10);
}

INSTANTIATE_TEST_SUITE_P(Gif, GifDelay,
    testing::Values(CDelayCase { 120, 12 }, CDelayCase { 124, 12 }, CDelayCase { 125, 13 },
        CDelayCase { 4, 0 }, CDelayCase { 10, 1 }, CDelayCase { -50, 0 },
        CDelayCase { 655350, 65535 }, CDelayCase { 655344, 65534 }, CDelayCase { INT_MAX, 65535 }));

// ---- Frames and their rectangles ---------------------------------------------------------------

TEST(GifFrames, TheFirstFrameIsStoredWholeWithoutTransparency)
{
    const Bytes bytes = Encode({ Shapes(61, 47, 0) });
    const CFile file = ReadBlocks(bytes);
    ASSERT_TRUE(file.bOk) << file.strWhy;
    ASSERT_EQ(file.images.size(), 1u);
    const CImageBlock& first = file.images[0];
    EXPECT_EQ(first.nLeft, 0);
    EXPECT_EQ(first.nTop, 0);
    EXPECT_EQ(first.nWidth, 61);
    EXPECT_EQ(first.nHeight, 47);
    EXPECT_TRUE(first.bControl);
    EXPECT_FALSE(first.bTransparent);
}

// Only the rectangle around the changed pixels is stored, and the unchanged pixels inside it
// are the transparent index.
TEST(GifFrames, ALaterFrameStoresTheChangedRectangleWithTheRestTransparent)
{
    QImage a = Flat(50, 40, qRgb(10, 20, 30));
    QImage b = a;
    b.setPixel(12, 7, qRgb(200, 0, 0));
    b.setPixel(30, 19, qRgb(0, 200, 0));
    b.setPixel(20, 10, qRgb(0, 0, 200));
    const std::vector<QRgb> palette
        = { qRgb(10, 20, 30), qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200) };
    CGifWriter writer(50, 40, palette, 0);
    ASSERT_TRUE(writer.AddFrame(a, 120));
    ASSERT_TRUE(writer.AddFrame(b, 120));
    const CFile file = ReadBlocks(writer.Finish());
    ASSERT_TRUE(file.bOk) << file.strWhy;
    ASSERT_EQ(file.images.size(), 2u);
    const CImageBlock& second = file.images[1];
    EXPECT_EQ(second.nLeft, 12);
    EXPECT_EQ(second.nTop, 7);
    EXPECT_EQ(second.nWidth, 30 - 12 + 1);
    EXPECT_EQ(second.nHeight, 19 - 7 + 1);
    EXPECT_TRUE(second.bTransparent);
    EXPECT_EQ(second.nTransparent, 4);
    EXPECT_EQ(second.nDisposal, 1);
    ASSERT_EQ(second.indices.size(), size_t(19 * 13));
    for (int y = 0; y < second.nHeight; ++y) {
        for (int x = 0; x < second.nWidth; ++x) {
            const int stageX = x + 12, stageY = y + 7;
            int expected = 4;
            if (stageX == 12 && stageY == 7)
                expected = 1;
            else if (stageX == 30 && stageY == 19)
                expected = 2;
            else if (stageX == 20 && stageY == 10)
                expected = 3;
            EXPECT_EQ(second.indices[size_t(y * second.nWidth + x)], expected) << x << "," << y;
        }
    }
}

// The frame count and the timing stay right when a frame repeats the previous one.
TEST(GifFrames, AnUnchangedFrameIsOneTransparentPixel)
{
    const std::vector<QImage> frames
        = { Shapes(64, 48, 0), Shapes(64, 48, 0), Shapes(64, 48, 1), Shapes(64, 48, 1) };
    const Bytes bytes = Encode(frames);
    const CFile file = ReadBlocks(bytes);
    ASSERT_TRUE(file.bOk) << file.strWhy;
    ASSERT_EQ(file.images.size(), 4u);
    for (int i : { 1, 3 }) {
        const CImageBlock& image = file.images[size_t(i)];
        EXPECT_EQ(image.nWidth, 1);
        EXPECT_EQ(image.nHeight, 1);
        EXPECT_TRUE(image.bTransparent);
        EXPECT_EQ(image.indices, Bytes(1, uint8_t(image.nTransparent)));
        EXPECT_EQ(image.nDelay, 12);
    }
    const CDecoded d = DecodeWithQt(bytes);
    ASSERT_EQ(d.frames.size(), 4u);
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(DifferentPixels(d.frames[i], frames[i]), 0) << "frame " << i;
}

TEST(GifFrames, AMostlyStaticAnimationIsFarSmallerThanItsFramesStoredWhole)
{
    std::vector<QImage> frames;
    const QImage background = Gradient(616, 462);
    for (int i = 0; i < 12; ++i) {
        QImage frame = background;
        QPainter p(&frame);
        p.fillRect(QRect(100 + 3 * i, 200, 20, 20), QColor(0xC0, 0x20, 0x30));
        frames.push_back(frame);
    }
    const Bytes all = Encode(frames);
    const Bytes one = Encode({ frames[0] });
    // Each later frame adds less than a fiftieth of the first.
    EXPECT_LT(all.size(), one.size() + (frames.size() - 1) * one.size() / 50);
    const CFile file = ReadBlocks(all);
    ASSERT_TRUE(file.bOk) << file.strWhy;
    ASSERT_EQ(file.images.size(), frames.size());
    for (size_t i = 1; i < file.images.size(); ++i) {
        EXPECT_LE(file.images[i].nWidth, 23) << i;
        EXPECT_LE(file.images[i].nHeight, 20) << i;
    }
}

// ---- What a reader shows -----------------------------------------------------------------------

class GifSizes : public testing::TestWithParam<QSize> { };

// Frames of few colours come back exactly, at every size.
TEST_P(GifSizes, FewColourFramesComeBackExactly)
{
    const QSize size = GetParam();
    std::vector<QImage> frames;
    for (int i = 0; i < 6; ++i)
        frames.push_back(Shapes(size.width(), size.height(), i / 2));
    if (size.width() * size.height() > 1)
        frames[4].setPixel(size.width() - 1, size.height() - 1, qRgb(1, 2, 3));
    const Bytes bytes = Encode(frames);
    const CFile file = ReadBlocks(bytes);
    ASSERT_TRUE(file.bOk) << file.strWhy;
    EXPECT_EQ(file.nWidth, size.width());
    EXPECT_EQ(file.nHeight, size.height());
    const CDecoded d = DecodeWithQt(bytes);
    ASSERT_TRUE(d.bOk);
    ASSERT_EQ(d.frames.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        ASSERT_EQ(d.frames[i].size(), size);
        EXPECT_EQ(DifferentPixels(d.frames[i], frames[i]), 0) << "frame " << i;
        EXPECT_EQ(d.delays[i], 120);
    }
}

INSTANTIATE_TEST_SUITE_P(Gif, GifSizes,
    testing::Values(QSize(1, 1), QSize(2, 1), QSize(1, 5), QSize(3, 3), QSize(617, 463),
        QSize(616, 462), QSize(800, 600)));

TEST(GifRoundTrip, AGradientComesBackWithASmallMeanError)
{
    const QImage gradient = Gradient(256, 256);
    const Bytes bytes = Encode({ gradient });
    const CDecoded d = DecodeWithQt(bytes);
    ASSERT_EQ(d.frames.size(), 1u);
    double sum = 0;
    int worst = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            const int e = Distance(d.frames[0].pixel(x, y), gradient.pixel(x, y));
            sum += std::sqrt(double(e));
            worst = std::max(worst, e);
        }
    }
    // 65536 colours in 255 leave each colour a patch of about 16 x 16 pixels, whose mean
    // distance from its middle is about six steps; no pixel is far off.
    EXPECT_LT(sum / (256 * 256), 7.5);
    EXPECT_LT(worst, 20 * 20);
}

// Many changing colours: the image data fill the code table many times over.
TEST(GifRoundTrip, NoiseMakesTheCoderClearItsTableAndStillDecodes)
{
    std::mt19937 random(20240601);
    std::vector<QRgb> palette;
    for (int i = 0; i < 255; ++i)
        palette.push_back(qRgb(int(random() % 256), int(random() % 256), int(random() % 256)));
    std::vector<QImage> frames;
    for (int f = 0; f < 3; ++f) {
        QImage frame(301, 203, QImage::Format_RGB32);
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x)
                frame.setPixel(x, y, palette[random() % (f == 2 ? 3 : palette.size())]);
        }
        frames.push_back(frame);
    }
    CGifWriter writer(301, 203, palette, 0);
    for (const QImage& frame : frames)
        ASSERT_TRUE(writer.AddFrame(frame, 120));
    const Bytes bytes = writer.Finish();
    const CFile file = ReadBlocks(bytes);
    ASSERT_TRUE(file.bOk) << file.strWhy;
    for (const CImageBlock& image : file.images)
        EXPECT_LE(image.nLongestSubBlock, 255u);
    EXPECT_EQ(file.images[0].nLongestSubBlock, 255u);
    const CDecoded d = DecodeWithQt(bytes);
    ASSERT_EQ(d.frames.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(DifferentPixels(d.frames[i], frames[i]), 0) << "frame " << i;
}

// The code width must follow the decoder's table to the very end code, however the data end:
// every length of a run, of few and of many colours, and lengths about the place where the
// 4096 codes run out.
TEST(GifLzw, EveryLengthDecodesToTheLastCode)
{
    std::mt19937 random(99);
    std::vector<QRgb> palette;
    for (int i = 0; i < 255; ++i)
        palette.push_back(qRgb(i, (i * 5) % 256, 255 - i));
    struct CCase {
        int nColours; // of the palette
        int nUsed; // of them in the picture
        int nFrom, nTo, nStep;
    };
    const CCase cases[] = { { 1, 1, 1, 400, 1 }, { 3, 2, 1, 200, 1 }, { 255, 255, 1, 200, 1 },
        { 255, 255, 3800, 3880, 1 }, { 255, 3, 8000, 14000, 251 }, { 2, 2, 5000, 30000, 997 } };
    for (const CCase& c : cases) {
        const std::vector<QRgb> used(palette.begin(), palette.begin() + c.nColours);
        for (int n = c.nFrom; n <= c.nTo; n += c.nStep) {
            QImage frame(n, 1, QImage::Format_RGB32);
            Bytes expected;
            for (int x = 0; x < n; ++x) {
                const int index = int(random() % uint32_t(c.nUsed));
                frame.setPixel(x, 0, used[size_t(index)]);
                expected.push_back(uint8_t(index));
            }
            CGifWriter writer(n, 1, used, 0);
            ASSERT_TRUE(writer.AddFrame(frame, 120));
            const CFile file = ReadBlocks(writer.Finish());
            ASSERT_TRUE(file.bOk) << file.strWhy << ", " << c.nColours << " colours, " << n
                                  << " pixels";
            ASSERT_EQ(file.images.size(), 1u);
            ASSERT_EQ(file.images[0].indices, expected) << n;
        }
    }
}

// The same for a later frame, where the transparent index (coded apart) fills most of the row.
TEST(GifLzw, TransparentRunsDecodeToTheLastCode)
{
    std::mt19937 random(5);
    const std::vector<QRgb> palette = { qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255) };
    for (int n = 2; n <= 40000; n += n < 300 ? 1 : 997) {
        const QImage first = Flat(n, 1, palette[0]);
        QImage second = first;
        Bytes expected;
        for (int x = 0; x < n; ++x) {
            const uint32_t r = random() % 8;
            const int index = r == 0 ? 1 : r == 1 ? 2 : 0;
            second.setPixel(x, 0, palette[size_t(index)]);
            expected.push_back(uint8_t(index == 0 ? 3 : index));
        }
        second.setPixel(0, 0, palette[1]);
        second.setPixel(n - 1, 0, palette[2]);
        expected.front() = 1;
        expected.back() = 2;
        CGifWriter writer(n, 1, palette, 0);
        ASSERT_TRUE(writer.AddFrame(first, 120));
        ASSERT_TRUE(writer.AddFrame(second, 120));
        const CFile file = ReadBlocks(writer.Finish());
        ASSERT_TRUE(file.bOk) << file.strWhy << ", " << n << " pixels";
        ASSERT_EQ(file.images.size(), 2u);
        ASSERT_EQ(file.images[1].nWidth, n);
        ASSERT_EQ(file.images[1].indices, expected) << n;
    }
}

// Each pixel becomes the nearest palette colour; a palette colour comes out as itself.
TEST(GifMapping, EveryPixelTakesTheNearestPaletteColour)
{
    std::mt19937 random(7);
    std::vector<QRgb> palette;
    for (int i = 0; i < 200; ++i)
        palette.push_back(qRgb(int(random() % 256), int(random() % 256), int(random() % 256)));
    QImage frame(128, 96, QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb c = (x + y) % 3 == 0
                ? palette[random() % palette.size()]
                : qRgb(int(random() % 256), int(random() % 256), int(random() % 256));
            frame.setPixel(x, y, c);
        }
    }
    CGifWriter writer(frame.width(), frame.height(), palette, 0);
    ASSERT_TRUE(writer.AddFrame(frame, 120));
    const CDecoded d = DecodeWithQt(writer.Finish());
    ASSERT_EQ(d.frames.size(), 1u);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb source = frame.pixel(x, y);
            int best = INT_MAX;
            for (QRgb p : palette)
                best = std::min(best, Distance(source, p));
            const QRgb shown = d.frames[0].pixel(x, y);
            ASSERT_EQ(Distance(source, shown), best) << x << "," << y;
            ASSERT_NE(
                std::find(palette.begin(), palette.end(), shown | 0xFF000000u), palette.end());
            if ((x + y) % 3 == 0) {
                ASSERT_EQ(shown & 0xFFFFFF, source & 0xFFFFFF) << x << "," << y;
            }
        }
    }
}

class GifFormats : public testing::TestWithParam<QImage::Format> { };

// Any format is read as its RGB32 picture; alpha plays no part.
TEST_P(GifFormats, AreReadAsTheirRgb32Picture)
{
    QImage source(33, 21, QImage::Format_ARGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgba((x / 4) * 32, (y / 3) * 36, 128, 255));
    }
    const QImage frame = source.convertToFormat(GetParam());
    const QImage expected = frame.convertToFormat(QImage::Format_RGB32);
    CGifPalette palette;
    palette.AddFrame(frame);
    CGifWriter writer(33, 21, palette.Choose(), 0);
    ASSERT_TRUE(writer.AddFrame(frame, 120));
    const CDecoded d = DecodeWithQt(writer.Finish());
    ASSERT_EQ(d.frames.size(), 1u);
    EXPECT_EQ(DifferentPixels(d.frames[0], expected), 0);
}

INSTANTIATE_TEST_SUITE_P(Gif, GifFormats,
    testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32,
        QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888, QImage::Format_Indexed8,
        QImage::Format_RGB16, QImage::Format_RGBA8888));

TEST(GifFormats, AlphaIsIgnored)
{
    QImage frame(4, 4, QImage::Format_ARGB32);
    frame.fill(qRgba(10, 20, 30, 0));
    frame.setPixel(1, 1, qRgba(200, 100, 50, 17));
    CGifPalette palette;
    palette.AddFrame(frame);
    const std::vector<QRgb> colours = palette.Choose();
    EXPECT_EQ(colours, (std::vector<QRgb> { qRgb(10, 20, 30), qRgb(200, 100, 50) }));
    CGifWriter writer(4, 4, colours, 0);
    ASSERT_TRUE(writer.AddFrame(frame, 120));
    const CDecoded d = DecodeWithQt(writer.Finish());
    ASSERT_EQ(d.frames.size(), 1u);
    EXPECT_EQ(d.frames[0].pixel(0, 0) & 0xFFFFFF, 0x0A141Eu);
    EXPECT_EQ(d.frames[0].pixel(1, 1) & 0xFFFFFF, 0xC86432u);
}

// ---- The writer's refusals ---------------------------------------------------------------------

TEST(GifWriter, RefusesAFrameOfAnotherSize)
{
    CGifWriter writer(20, 10, { qRgb(0, 0, 0) }, 0);
    EXPECT_FALSE(writer.AddFrame(Flat(21, 10, 0), 120));
    EXPECT_FALSE(writer.AddFrame(Flat(20, 9, 0), 120));
    EXPECT_FALSE(writer.AddFrame(QImage(), 120));
    EXPECT_EQ(writer.GetFrameCount(), 0);
    EXPECT_TRUE(writer.AddFrame(Flat(20, 10, 0), 120));
    EXPECT_FALSE(writer.AddFrame(Flat(10, 20, 0), 120));
    EXPECT_EQ(writer.GetFrameCount(), 1);
    const CFile file = ReadBlocks(writer.Finish());
    ASSERT_TRUE(file.bOk) << file.strWhy;
    EXPECT_EQ(file.images.size(), 1u);
}

TEST(GifWriter, TakesNothingAfterFinish)
{
    CGifWriter writer(5, 5, { qRgb(0, 0, 0) }, 0);
    ASSERT_TRUE(writer.AddFrame(Flat(5, 5, 0), 120));
    EXPECT_FALSE(writer.Finish().empty());
    EXPECT_FALSE(writer.AddFrame(Flat(5, 5, 0), 120));
    EXPECT_TRUE(writer.Finish().empty());
    EXPECT_EQ(writer.GetFrameCount(), 1);
}

TEST(GifWriter, WithoutFramesTheFileHoldsNoPictures)
{
    const Bytes bytes = CGifWriter(5, 5, { qRgb(0, 0, 0) }, 0).Finish();
    const CFile file = ReadBlocks(bytes);
    ASSERT_TRUE(file.bOk) << file.strWhy;
    EXPECT_TRUE(file.images.empty());
    EXPECT_EQ(file.nLoopBlocks, 1);
}

TEST(GifWriter, AnImpossibleSizeTakesNoFrames)
{
    for (QSize size : { QSize(0, 10), QSize(10, 0), QSize(-1, 5), QSize(65536, 1) }) {
        CGifWriter writer(size.width(), size.height(), { qRgb(0, 0, 0) }, 0);
        EXPECT_FALSE(writer.AddFrame(Flat(std::max(1, size.width() % 65536), 1, 0), 120));
        EXPECT_TRUE(writer.Finish().empty());
    }
}

// ---- The palette -------------------------------------------------------------------------------

TEST(GifPalette, FewColoursComeOutExactlyEvenWhenClose)
{
    QImage frame = Flat(40, 40, qRgb(0, 0, 0));
    std::set<QRgb> colours = { qRgb(0, 0, 0) };
    for (int i = 1; i < 255; ++i) {
        const QRgb c = qRgb(i % 3, (i * 7) % 256, i); // many neighbours in one 6-bit cell
        frame.setPixel(i % 40, i / 40, c);
        colours.insert(c);
    }
    ASSERT_EQ(colours.size(), 255u);
    CGifPalette palette;
    palette.AddFrame(frame);
    const std::vector<QRgb> chosen = palette.Choose();
    EXPECT_EQ(chosen, std::vector<QRgb>(colours.begin(), colours.end()));
}

TEST(GifPalette, IsTheSameForTheSameFramesInAnyOrder)
{
    const std::vector<QImage> frames = { Gradient(120, 80), Shapes(120, 80, 3), Gradient(80, 120) };
    const std::vector<QRgb> first = PaletteOf(frames);
    EXPECT_EQ(PaletteOf(frames), first);
    EXPECT_EQ(PaletteOf({ frames[2], frames[0], frames[1] }), first);
    EXPECT_EQ(first.size(), 255u);
    EXPECT_EQ(std::set<QRgb>(first.begin(), first.end()).size(), first.size()) << "no repeats";
}

TEST(GifPalette, ChoosesAtMostTheColoursAskedFor)
{
    CGifPalette palette;
    palette.AddFrame(Gradient(100, 100));
    for (int n : { 1, 2, 16, 100, 255 }) {
        const std::vector<QRgb> chosen = palette.Choose(n);
        EXPECT_GE(chosen.size(), 1u);
        EXPECT_LE(chosen.size(), size_t(n));
    }
    EXPECT_EQ(palette.Choose(0).size(), 1u);
    EXPECT_EQ(palette.Choose(1000).size(), 255u);
    // Two colours in a picture of two colours, even with many more allowed.
    CGifPalette two;
    QImage frame = Flat(10, 10, qRgb(255, 0, 0));
    frame.setPixel(3, 3, qRgb(0, 0, 255));
    two.AddFrame(frame);
    EXPECT_EQ(two.Choose(1).size(), 1u);
    EXPECT_EQ(two.Choose(2), (std::vector<QRgb> { qRgb(0, 0, 255), qRgb(255, 0, 0) }));
}

// Weighted by counts: a colour covering most of the picture is matched exactly even when the
// picture has far more colours than the palette.
TEST(GifPalette, TheCommonestColourIsMatchedExactly)
{
    QImage frame = Gradient(200, 200);
    QPainter(&frame).fillRect(QRect(0, 0, 200, 150), QColor(0x37, 0x81, 0xC5));
    CGifPalette palette;
    palette.AddFrame(frame);
    const std::vector<QRgb> chosen = palette.Choose(16);
    EXPECT_NE(std::find(chosen.begin(), chosen.end(), qRgb(0x37, 0x81, 0xC5)), chosen.end());
}

TEST(GifPalette, NothingCountedGivesNoColours)
{
    CGifPalette palette;
    palette.AddFrame(QImage());
    EXPECT_TRUE(palette.Choose().empty());
}

} // namespace
