#include "platform/gif.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace platform {

namespace {

constexpr int kCellBits = 18;
constexpr uint32_t kCellCount = 1u << kCellBits;
// Counts stop here, so that the sums of the low bits (at most 3 a pixel) stay within 32 bits.
constexpr uint32_t kMaxCount = 1u << 30;
constexpr int kMaxDistinct = 255;
constexpr int kDistinctSlots = 1024; // a power of two, four times kMaxDistinct and more
constexpr int kRefineRounds = 4;

uint32_t CellOf(QRgb colour)
{
    return ((colour >> 6) & 0x3F000) | ((colour >> 4) & 0xFC0) | ((colour >> 2) & 0x3F);
}

uint32_t HashColour(uint32_t colour, int nBits)
{
    return (colour * 2654435761u) >> (32 - nBits);
}

// RGB32 and ARGB32 share their memory layout and the alpha byte is ignored, so both are read as
// they are; every other format goes through Qt's conversion.
QImage AsRgb32(const QImage& frame)
{
    if (frame.format() == QImage::Format_RGB32 || frame.format() == QImage::Format_ARGB32)
        return frame;
    return frame.convertToFormat(QImage::Format_RGB32);
}

// The palette colour nearest a colour by squared RGB distance, the lowest index among equals.
// The entries are kept in order of green, so the search can stop on either side as soon as the
// green difference alone exceeds the best distance found.
class CNearest {
public:
    explicit CNearest(const std::vector<QRgb>& palette)
    {
        m_entries.reserve(palette.size());
        for (size_t i = 0; i < palette.size(); ++i)
            m_entries.push_back(
                { qRed(palette[i]), qGreen(palette[i]), qBlue(palette[i]), int(i) });
        std::sort(m_entries.begin(), m_entries.end(), [](const CEntry& a, const CEntry& b) {
            return a.nG != b.nG ? a.nG < b.nG : a.nIndex < b.nIndex;
        });
    }

    int Find(int r, int g, int b) const
    {
        const int n = int(m_entries.size());
        int hi = int(std::lower_bound(m_entries.begin(), m_entries.end(), g,
                         [](const CEntry& e, int value) { return e.nG < value; })
            - m_entries.begin());
        int lo = hi - 1;
        int best = INT_MAX;
        int bestIndex = 0;
        auto consider = [&](const CEntry& e) {
            const int dr = e.nR - r, dg = e.nG - g, db = e.nB - b;
            const int d = dr * dr + dg * dg + db * db;
            if (d < best || (d == best && e.nIndex < bestIndex)) {
                best = d;
                bestIndex = e.nIndex;
            }
        };
        while (hi < n || lo >= 0) {
            if (hi < n) {
                const int dg = m_entries[hi].nG - g;
                if (dg * dg > best)
                    hi = n;
                else
                    consider(m_entries[hi++]);
            }
            if (lo >= 0) {
                const int dg = g - m_entries[lo].nG;
                if (dg * dg > best)
                    lo = -1;
                else
                    consider(m_entries[lo--]);
            }
        }
        return bestIndex;
    }

private:
    struct CEntry {
        int nR, nG, nB, nIndex;
    };
    std::vector<CEntry> m_entries;
};

// One occupied histogram cell as the palette chooser sees it: its weight and its mean colour.
struct CSample {
    double fWeight;
    double fColour[3];
    uint32_t nCell; // unique, so that every ordering of samples is total
};

// A run of samples that will become one palette colour.
struct CBox {
    size_t nBegin;
    size_t nEnd;
    double fWeight = 0;
    double fSum[3] = { 0, 0, 0 };
    double fSquares[3] = { 0, 0, 0 }; // weighted sums of squares, a channel
    double fError = 0; // the weighted squared distance of the samples from the mean

    void Measure(const std::vector<CSample>& samples)
    {
        for (size_t i = nBegin; i < nEnd; ++i) {
            const CSample& s = samples[i];
            fWeight += s.fWeight;
            for (int c = 0; c < 3; ++c) {
                fSum[c] += s.fWeight * s.fColour[c];
                fSquares[c] += s.fWeight * s.fColour[c] * s.fColour[c];
            }
        }
        fError = 0;
        for (int c = 0; c < 3; ++c)
            fError += ChannelError(c);
    }
    double ChannelError(int c) const { return fSquares[c] - fSum[c] * fSum[c] / fWeight; }
    QRgb Mean() const
    {
        auto channel = [&](int c) { return std::clamp(int(fSum[c] / fWeight + 0.5), 0, 255); };
        return qRgb(channel(0), channel(1), channel(2));
    }
};

// Splits the box along the channel in which it spreads most, at the place that leaves the
// least squared error in the two halves together.
std::pair<CBox, CBox> Split(const CBox& box, std::vector<CSample>& samples)
{
    int axis = 0;
    for (int c = 1; c < 3; ++c) {
        if (box.ChannelError(c) > box.ChannelError(axis))
            axis = c;
    }
    std::sort(samples.begin() + std::ptrdiff_t(box.nBegin),
        samples.begin() + std::ptrdiff_t(box.nEnd), [axis](const CSample& a, const CSample& b) {
            return a.fColour[axis] != b.fColour[axis] ? a.fColour[axis] < b.fColour[axis]
                                                      : a.nCell < b.nCell;
        });
    // The squares add up to the same whatever the split, so the best split is the one with
    // the largest sum of |sum|^2 / weight over the two halves.
    double weight = 0;
    double sum[3] = { 0, 0, 0 };
    double bestScore = -1;
    size_t bestAt = box.nBegin + 1;
    for (size_t i = box.nBegin; i + 1 < box.nEnd; ++i) {
        const CSample& s = samples[i];
        weight += s.fWeight;
        for (int c = 0; c < 3; ++c)
            sum[c] += s.fWeight * s.fColour[c];
        const double restWeight = box.fWeight - weight;
        if (restWeight <= 0)
            break;
        double left = 0, right = 0;
        for (int c = 0; c < 3; ++c) {
            left += sum[c] * sum[c];
            const double rest = box.fSum[c] - sum[c];
            right += rest * rest;
        }
        const double score = left / weight + right / restWeight;
        if (score > bestScore) {
            bestScore = score;
            bestAt = i + 1;
        }
    }
    CBox low { box.nBegin, bestAt };
    CBox high { bestAt, box.nEnd };
    low.Measure(samples);
    high.Measure(samples);
    return { low, high };
}

// Lloyd's rounds: every sample goes to its nearest colour, every colour moves to the mean of
// its samples. A colour left without samples stays where it is.
void Refine(std::vector<QRgb>& palette, const std::vector<CSample>& samples)
{
    struct CSum {
        double fWeight = 0;
        double fSum[3] = { 0, 0, 0 };
    };
    for (int round = 0; round < kRefineRounds; ++round) {
        const CNearest nearest(palette);
        std::vector<CSum> sums(palette.size());
        for (const CSample& s : samples) {
            const int index = nearest.Find(
                int(s.fColour[0] + 0.5), int(s.fColour[1] + 0.5), int(s.fColour[2] + 0.5));
            CSum& sum = sums[size_t(index)];
            sum.fWeight += s.fWeight;
            for (int c = 0; c < 3; ++c)
                sum.fSum[c] += s.fWeight * s.fColour[c];
        }
        bool bMoved = false;
        for (size_t i = 0; i < palette.size(); ++i) {
            if (sums[i].fWeight <= 0)
                continue;
            auto channel = [&](int c) {
                return std::clamp(int(sums[i].fSum[c] / sums[i].fWeight + 0.5), 0, 255);
            };
            const QRgb moved = qRgb(channel(0), channel(1), channel(2));
            if (moved != palette[i]) {
                palette[i] = moved;
                bMoved = true;
            }
        }
        if (!bMoved)
            break;
    }
}

// The LZW coder of GIF image data: variable code width from minCodeSize + 1 up to 12 bits,
// a clear code first and whenever the 4096 codes are used up, the codes packed from the low
// bit up into sub-blocks of at most 255 bytes. The codes are found in an open hash of
// (prefix, pixel) pairs, except those that add nRunPixel (the transparent index, which fills
// most of a later frame), which have a table of their own.
class CLzwEncoder {
public:
    CLzwEncoder(int minCodeSize, int nRunPixel, std::vector<uint8_t>& out)
        : m_nMinCodeSize(minCodeSize)
        , m_nRunPixel(nRunPixel)
        , m_out(out)
    {
    }

    void Encode(const uint8_t* pData, size_t nSize)
    {
        m_out.push_back(uint8_t(m_nMinCodeSize));
        StartBlock();
        const int clear = 1 << m_nMinCodeSize;
        const int end = clear + 1;
        Reset();
        Put(clear);
        if (nSize > 0) {
            int prefix = pData[0];
            for (size_t i = 1; i < nSize; ++i) {
                const int k = pData[i];
                uint32_t slot = 0;
                uint32_t key = 0;
                if (k == m_nRunPixel) {
                    if (const int child = m_runChild[size_t(prefix)]; child != 0) {
                        prefix = child;
                        continue;
                    }
                } else {
                    key = (uint32_t(prefix) << 8) | uint32_t(k);
                    slot = HashColour(key, kHashBits);
                    int child = -1;
                    while (m_table[slot] != 0) {
                        if ((m_table[slot] >> 12) == key) {
                            child = int(m_table[slot] & 0xFFF);
                            break;
                        }
                        slot = (slot + 1) & (kHashSlots - 1);
                    }
                    if (child >= 0) {
                        prefix = child;
                        continue;
                    }
                }
                Put(prefix);
                if (m_nNext < 4096) {
                    if (k == m_nRunPixel)
                        m_runChild[size_t(prefix)] = uint16_t(m_nNext);
                    else
                        m_table[slot] = (key << 12) | uint32_t(m_nNext);
                    ++m_nNext;
                    // The decoder learns each code one step later than the coder, so the width
                    // grows once the code just made no longer fits the old one.
                    if (m_nNext > (1 << m_nWidth) && m_nWidth < 12)
                        ++m_nWidth;
                } else {
                    Put(clear);
                    Reset();
                }
                prefix = k;
            }
            Put(prefix);
            // Reading that last code, the decoder makes the code the coder no longer needed;
            // the end code comes at the width that follows from it.
            if (m_nNext == (1 << m_nWidth) && m_nWidth < 12)
                ++m_nWidth;
        }
        Put(end);
        if (m_nBits > 0)
            PutByte(uint8_t(m_nAccumulator));
        EndBlocks();
    }

private:
    static constexpr int kHashBits = 14;
    static constexpr uint32_t kHashSlots = 1u << kHashBits;

    void Reset()
    {
        m_table.assign(kHashSlots, 0);
        m_runChild.assign(4096, 0);
        m_nNext = (1 << m_nMinCodeSize) + 2;
        m_nWidth = m_nMinCodeSize + 1;
    }
    void Put(int code)
    {
        m_nAccumulator |= uint64_t(code) << m_nBits;
        m_nBits += m_nWidth;
        while (m_nBits >= 8) {
            PutByte(uint8_t(m_nAccumulator));
            m_nAccumulator >>= 8;
            m_nBits -= 8;
        }
    }
    void StartBlock()
    {
        m_nBlockAt = m_out.size();
        m_out.push_back(0);
    }
    void PutByte(uint8_t byte)
    {
        if (m_out.size() - m_nBlockAt > 255) {
            m_out[m_nBlockAt] = 255;
            StartBlock();
        }
        m_out.push_back(byte);
    }
    void EndBlocks()
    {
        const size_t length = m_out.size() - m_nBlockAt - 1;
        if (length > 0) {
            m_out[m_nBlockAt] = uint8_t(length);
            m_out.push_back(0);
        }
        // An empty last block is the terminator itself.
    }

    int m_nMinCodeSize;
    int m_nRunPixel;
    std::vector<uint8_t>& m_out;
    std::vector<uint32_t> m_table; // (prefix << 8 | pixel) << 12 | code; 0 is an empty slot
    std::vector<uint16_t> m_runChild; // the code of prefix + nRunPixel; 0: none yet
    int m_nNext = 0;
    int m_nWidth = 0;
    uint64_t m_nAccumulator = 0;
    int m_nBits = 0;
    size_t m_nBlockAt = 0;
};

void Put16(std::vector<uint8_t>& out, int value)
{
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

} // namespace

// ---------------------------------------------------------------------------------------------

CGifPalette::CGifPalette()
    : m_histogram(kCellCount)
    , m_distinct(kDistinctSlots, 0)
{
}

void CGifPalette::AddFrame(const QImage& frame)
{
    if (frame.isNull())
        return;
    const QImage image = AsRgb32(frame);
    // Pictures come in runs of one colour; each run is counted at once.
    QRgb run = 0;
    uint32_t nRun = 0;
    const int width = image.width();
    const int height = image.height();
    for (int y = 0; y < height; ++y) {
        const QRgb* pLine = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb colour = pLine[x] | 0xFF000000u;
            if (colour == run && nRun < kMaxCount) {
                ++nRun;
                continue;
            }
            if (nRun > 0)
                Count(run, nRun);
            run = colour;
            nRun = 1;
        }
    }
    if (nRun > 0)
        Count(run, nRun);
}

void CGifPalette::Count(QRgb colour, uint32_t nPixels)
{
    if (!m_bDistinctFull)
        NoteDistinct(colour);
    CCell& cell = m_histogram[CellOf(colour)];
    const uint32_t n = std::min(nPixels, kMaxCount - cell.nCount);
    cell.nCount += n;
    cell.nLowR += n * (qRed(colour) & 3);
    cell.nLowG += n * (qGreen(colour) & 3);
    cell.nLowB += n * (qBlue(colour) & 3);
}

void CGifPalette::NoteDistinct(QRgb colour)
{
    uint32_t slot = HashColour(colour, 10);
    static_assert(kDistinctSlots == 1 << 10);
    while (m_distinct[slot] != 0) {
        if (m_distinct[slot] == colour)
            return;
        slot = (slot + 1) & (kDistinctSlots - 1);
    }
    if (m_nDistinct == kMaxDistinct) {
        m_bDistinctFull = true;
        m_distinct.clear();
        m_distinct.shrink_to_fit();
        return;
    }
    m_distinct[slot] = colour;
    ++m_nDistinct;
}

std::vector<QRgb> CGifPalette::Choose(int nColours) const
{
    nColours = std::clamp(nColours, 1, 255);
    std::vector<QRgb> palette;
    if (!m_bDistinctFull && m_nDistinct <= nColours) {
        for (uint32_t colour : m_distinct) {
            if (colour != 0)
                palette.push_back(colour);
        }
        std::sort(palette.begin(), palette.end());
        return palette;
    }

    std::vector<CSample> samples;
    for (uint32_t i = 0; i < kCellCount; ++i) {
        const CCell& cell = m_histogram[i];
        if (cell.nCount == 0)
            continue;
        const double w = cell.nCount;
        CSample s { w,
            { double((i >> 12) << 2) + cell.nLowR / w,
                double(((i >> 6) & 0x3F) << 2) + cell.nLowG / w,
                double((i & 0x3F) << 2) + cell.nLowB / w },
            i };
        samples.push_back(s);
    }
    if (samples.empty())
        return palette;

    std::vector<CBox> boxes;
    boxes.push_back(CBox { 0, samples.size() });
    boxes.back().Measure(samples);
    while (int(boxes.size()) < nColours) {
        int worst = -1;
        for (int i = 0; i < int(boxes.size()); ++i) {
            const CBox& box = boxes[size_t(i)];
            if (box.nEnd - box.nBegin < 2)
                continue;
            if (worst < 0 || box.fError > boxes[size_t(worst)].fError)
                worst = i;
        }
        if (worst < 0)
            break;
        auto [low, high] = Split(boxes[size_t(worst)], samples);
        boxes[size_t(worst)] = low;
        boxes.push_back(high);
    }
    for (const CBox& box : boxes)
        palette.push_back(box.Mean());
    Refine(palette, samples);

    // Two boxes may end on one colour; the second copy would only waste an index.
    std::vector<QRgb> unique;
    for (QRgb colour : palette) {
        if (std::find(unique.begin(), unique.end(), colour) == unique.end())
            unique.push_back(colour);
    }
    return unique;
}

// ---------------------------------------------------------------------------------------------

// Colour to palette index, remembered in an open hash of 0xRRGGBBII words (the colour, then its
// index; all ones, index 255, is an empty slot, since indices stop at 254) that grows up to
// kMaxBits and is emptied when it fills at that size.
struct CGifWriter::CColourMap {
    static constexpr int kMinBits = 12;
    static constexpr int kMaxBits = 21;
    static constexpr uint32_t kEmpty = 0xFFFFFFFFu;

    explicit CColourMap(const std::vector<QRgb>& palette)
        : m_nearest(palette)
    {
        Resize(kMinBits);
    }

    uint8_t Find(QRgb colour)
    {
        const uint32_t key = colour << 8;
        uint32_t slot = HashColour(key, m_nBits);
        const uint32_t mask = (1u << m_nBits) - 1;
        while (m_slots[slot] != kEmpty) {
            if ((m_slots[slot] & 0xFFFFFF00u) == key)
                return uint8_t(m_slots[slot]);
            slot = (slot + 1) & mask;
        }
        const uint8_t index = uint8_t(m_nearest.Find(qRed(colour), qGreen(colour), qBlue(colour)));
        if (2 * (m_nUsed + 1) > (1u << m_nBits)) {
            Resize(m_nBits < kMaxBits ? m_nBits + 1 : kMaxBits);
            Insert(key | index);
        } else {
            m_slots[slot] = key | index;
            ++m_nUsed;
        }
        return index;
    }

private:
    void Insert(uint32_t word)
    {
        const uint32_t mask = (1u << m_nBits) - 1;
        uint32_t slot = HashColour(word & 0xFFFFFF00u, m_nBits);
        while (m_slots[slot] != kEmpty)
            slot = (slot + 1) & mask;
        m_slots[slot] = word;
        ++m_nUsed;
    }
    // At the largest size the colours already found are dropped rather than moved.
    void Resize(int nBits)
    {
        std::vector<uint32_t> old;
        if (nBits != m_nBits)
            old.swap(m_slots);
        m_nBits = nBits;
        m_slots.assign(size_t(1) << nBits, kEmpty);
        m_nUsed = 0;
        for (uint32_t word : old) {
            if (word != kEmpty)
                Insert(word);
        }
    }

    CNearest m_nearest;
    int m_nBits = 0;
    uint32_t m_nUsed = 0;
    std::vector<uint32_t> m_slots;
};

CGifWriter::CGifWriter(int width, int height, std::vector<QRgb> palette, int nLoops)
    : m_nWidth(width)
    , m_nHeight(height)
    , m_palette(std::move(palette))
    , m_nLoops(nLoops)
{
    if (m_palette.size() > 255)
        m_palette.resize(255);
    if (m_palette.empty())
        m_palette.push_back(qRgb(0, 0, 0));
    for (QRgb& colour : m_palette)
        colour |= 0xFF000000u;
    while ((1u << m_nTableBits) < m_palette.size() + 1)
        ++m_nTableBits;
    m_bValid = width >= 1 && width <= 65535 && height >= 1 && height <= 65535;
    if (!m_bValid)
        return;
    m_pMap = std::make_unique<CColourMap>(m_palette);
    WriteHeader();
}

CGifWriter::~CGifWriter() = default;

void CGifWriter::WriteHeader()
{
    const char* signature = "GIF89a";
    m_bytes.insert(m_bytes.end(), signature, signature + 6);
    Put16(m_bytes, m_nWidth);
    Put16(m_bytes, m_nHeight);
    // A global table, eight bits a primary, unsorted, 2^m_nTableBits entries.
    m_bytes.push_back(uint8_t(0x80 | (7 << 4) | (m_nTableBits - 1)));
    m_bytes.push_back(0); // background: index 0
    m_bytes.push_back(0); // no aspect ratio
    for (int i = 0; i < (1 << m_nTableBits); ++i) {
        const QRgb colour = i < int(m_palette.size()) ? m_palette[size_t(i)] : 0;
        m_bytes.push_back(uint8_t(qRed(colour)));
        m_bytes.push_back(uint8_t(qGreen(colour)));
        m_bytes.push_back(uint8_t(qBlue(colour)));
    }
    // Playing once needs no loop block; otherwise it counts the repeats after the first play.
    if (m_nLoops == 0 || m_nLoops > 1) {
        const uint8_t block[]
            = { 0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1 };
        m_bytes.insert(m_bytes.end(), std::begin(block), std::end(block));
        Put16(m_bytes, m_nLoops == 0 ? 0 : std::min(m_nLoops - 1, 65535));
        m_bytes.push_back(0);
    }
}

void CGifWriter::WriteFrame(int nLeft, int nTop, int nWidth, int nHeight, int nDelayMs,
    bool bTransparent, const std::vector<uint8_t>& indices)
{
    // Graphic control: "do not dispose", so the next frame draws over this one.
    m_bytes.push_back(0x21);
    m_bytes.push_back(0xF9);
    m_bytes.push_back(4);
    m_bytes.push_back(uint8_t((1 << 2) | (bTransparent ? 1 : 0)));
    Put16(m_bytes, (std::clamp(nDelayMs, 0, 655350) + 5) / 10);
    m_bytes.push_back(uint8_t(bTransparent ? GetTransparentIndex() : 0));
    m_bytes.push_back(0);
    // Image descriptor: no local table, not interlaced.
    m_bytes.push_back(0x2C);
    Put16(m_bytes, nLeft);
    Put16(m_bytes, nTop);
    Put16(m_bytes, nWidth);
    Put16(m_bytes, nHeight);
    m_bytes.push_back(0);
    CLzwEncoder(std::max(2, m_nTableBits), GetTransparentIndex(), m_bytes)
        .Encode(indices.data(), indices.size());
}

bool CGifWriter::AddFrame(const QImage& frame, int nDelayMs)
{
    if (!m_bValid || m_bFinished || frame.isNull() || frame.width() != m_nWidth
        || frame.height() != m_nHeight)
        return false;
    nDelayMs = std::max(nDelayMs, 0);
    const QImage image = AsRgb32(frame);
    const size_t width = size_t(m_nWidth);
    m_current.resize(width * size_t(m_nHeight));
    // A pixel is most often the colour of the one before it or of the one above it.
    QRgb last = image.pixel(0, 0) | 0xFF000000u;
    uint8_t lastIndex = m_pMap->Find(last & 0xFFFFFF);
    const QRgb* pAbove = nullptr;
    for (int y = 0; y < m_nHeight; ++y) {
        const QRgb* pLine = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uint8_t* pOut = m_current.data() + size_t(y) * width;
        for (size_t x = 0; x < width; ++x) {
            const QRgb colour = pLine[x] | 0xFF000000u;
            if (colour != last) {
                last = colour;
                if (pAbove && (pAbove[x] | 0xFF000000u) == colour)
                    lastIndex = (pOut - width)[x];
                else
                    lastIndex = m_pMap->Find(colour & 0xFFFFFF);
            }
            pOut[x] = lastIndex;
        }
        pAbove = pLine;
    }

    if (m_nFrames == 0) {
        WriteFrame(0, 0, m_nWidth, m_nHeight, nDelayMs, false, m_current);
    } else {
        // The rectangle of the pixels whose index changed.
        int top = -1, bottom = -1;
        int left = m_nWidth, right = -1;
        for (int y = 0; y < m_nHeight; ++y) {
            const uint8_t* pNew = m_current.data() + size_t(y) * width;
            const uint8_t* pOld = m_previous.data() + size_t(y) * width;
            if (std::memcmp(pNew, pOld, width) == 0)
                continue;
            if (top < 0)
                top = y;
            bottom = y;
            int x = 0;
            while (x < left && pNew[x] == pOld[x])
                ++x;
            left = std::min(left, x);
            x = m_nWidth - 1;
            while (x > right && pNew[x] == pOld[x])
                --x;
            right = std::max(right, x);
        }
        const uint8_t transparent = uint8_t(GetTransparentIndex());
        if (top < 0) {
            // Nothing changed: one see-through pixel keeps the frame and its time.
            WriteFrame(0, 0, 1, 1, nDelayMs, true, std::vector<uint8_t>(1, transparent));
        } else {
            const int rectWidth = right - left + 1;
            const int rectHeight = bottom - top + 1;
            std::vector<uint8_t> rect(size_t(rectWidth) * size_t(rectHeight));
            uint8_t* pOut = rect.data();
            for (int y = top; y <= bottom; ++y) {
                const uint8_t* pNew = m_current.data() + size_t(y) * width + size_t(left);
                const uint8_t* pOld = m_previous.data() + size_t(y) * width + size_t(left);
                for (int x = 0; x < rectWidth; ++x)
                    *pOut++ = pNew[x] == pOld[x] ? transparent : pNew[x];
            }
            WriteFrame(left, top, rectWidth, rectHeight, nDelayMs, true, rect);
        }
    }
    m_previous.swap(m_current);
    ++m_nFrames;
    return true;
}

std::vector<uint8_t> CGifWriter::Finish()
{
    if (!m_bValid || m_bFinished)
        return {};
    m_bFinished = true;
    m_bytes.push_back(0x3B);
    m_previous = {};
    m_current = {};
    m_pMap.reset();
    return std::move(m_bytes);
}

} // namespace platform
