#include "model/dib.h"

#include "platform/translate.h"

#include <bit>
#include <cstring>

using platform::Fill;
using platform::Tr;

namespace {

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr uint32_t BI_ALPHABITFIELDS = 6;

template <class T> T Load(std::span<const uint8_t> block, size_t offset)
{
    T value{};
    std::memcpy(&value, block.data() + offset, sizeof value);
    return value;
}

int ColorsForDepth(int bitCount)
{
    return bitCount == 1 ? 2 : bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0;
}

// One colour channel taken out through its mask and widened to eight bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 1;
    explicit Channel(uint32_t m) : mask(m)
    {
        shift = m == 0 ? 0 : std::countr_zero(m);
        max = m == 0 ? 1 : (m >> shift);
    }
    uint32_t Get(uint32_t v) const
    {
        return static_cast<uint32_t>(static_cast<uint64_t>((v & mask) >> shift) * 255 / max);
    }
};

} // namespace

bool ParseDib(std::span<const uint8_t> block, int nColors, bool bAllowCore, DibInfo& info,
              std::string& error)
{
    info = DibInfo{};
    if (block.size() < 4) {
        error = Fill(Tr("Files", "a bitmap block of %1 bytes has no header"),
            { std::to_string(block.size()) });
        return false;
    }
    const uint32_t headerSize = Load<uint32_t>(block, 0);
    int planes;
    uint32_t clrUsed = 0;
    if (headerSize == 12 && bAllowCore) {
        if (block.size() < 12) {
            error = Tr("Files", "the bitmap header is cut short");
            return false;
        }
        info.nWidth = Load<uint16_t>(block, 4);
        info.nHeight = Load<uint16_t>(block, 6);
        planes = Load<uint16_t>(block, 8);
        info.nBitCount = Load<uint16_t>(block, 10);
        info.nEntrySize = 3;
    } else if (headerSize >= 40) {
        if (headerSize > block.size()) {
            error = Fill(Tr("Files", "the bitmap header claims %1 bytes, the block holds %2"),
                { std::to_string(headerSize), std::to_string(block.size()) });
            return false;
        }
        info.nWidth = Load<int32_t>(block, 4);
        int32_t height = Load<int32_t>(block, 8);
        if (height == INT32_MIN) {
            error = Tr("Files", "the bitmap height is out of range");
            return false;
        }
        info.bTopDown = height < 0;
        info.nHeight = height < 0 ? -height : height;
        planes = Load<uint16_t>(block, 12);
        info.nBitCount = Load<uint16_t>(block, 14);
        info.nCompression = Load<uint32_t>(block, 16);
        clrUsed = Load<uint32_t>(block, 32);
    } else {
        error = Fill(Tr("Files", "a bitmap header of %1 bytes is of no known kind"),
            { std::to_string(headerSize) });
        return false;
    }
    info.nHeaderSize = static_cast<int>(headerSize);
    if (info.nWidth <= 0 || info.nHeight <= 0 || info.nWidth > kMaxDibSide || info.nHeight > kMaxDibSide
        || static_cast<int64_t>(info.nWidth) * info.nHeight > kMaxDibPixels) {
        error = Fill(Tr("Files", "a bitmap of %1 x %2 pixels is out of range"),
            { std::to_string(info.nWidth), std::to_string(info.nHeight) });
        return false;
    }
    if (planes != 1) {
        error = Fill(Tr("Files", "a bitmap with %1 planes"), { std::to_string(planes) });
        return false;
    }
    switch (info.nBitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default:
        error = Fill(
            Tr("Files", "a bitmap of %1 bits per pixel"), { std::to_string(info.nBitCount) });
        return false;
    }
    const uint32_t c = info.nCompression;
    const bool fields = c == BI_BITFIELDS || c == BI_ALPHABITFIELDS;
    const bool valid = c == BI_RGB || (c == BI_RLE8 && info.nBitCount == 8)
                       || (c == BI_RLE4 && info.nBitCount == 4)
                       || (fields && (info.nBitCount == 16 || info.nBitCount == 32));
    if (!valid || ((c == BI_RLE8 || c == BI_RLE4) && info.bTopDown)) {
        error = Fill(Tr("Files", "a bitmap with compression %1 at %2 bits per pixel"),
            { std::to_string(c), std::to_string(info.nBitCount) });
        return false;
    }

    if (nColors >= 0)
        info.nColors = nColors;
    else
        info.nColors = clrUsed != 0 ? static_cast<int>(std::min<uint32_t>(clrUsed, 1u << 20))
                                    : ColorsForDepth(info.nBitCount);
    if (info.nColors < 0 || info.nColors > 256) {
        error = Fill(Tr("Files", "a colour table of %1 entries"), { std::to_string(info.nColors) });
        return false;
    }

    // The bit-field masks lie at byte 40 whatever the header's size: after a 40-byte header,
    // inside the longer ones.
    info.nTableOffset = headerSize;
    if (fields) {
        const size_t maskBytes = c == BI_ALPHABITFIELDS ? 16 : 12;
        if (40 + maskBytes > block.size()) {
            error = Tr("Files", "the bit-field masks are cut short");
            return false;
        }
        for (int i = 0; i < 3; ++i)
            info.masks[i] = Load<uint32_t>(block, 40 + 4 * static_cast<size_t>(i));
        if (headerSize == 40)
            info.nTableOffset += maskBytes;
        const uint32_t limit = info.nBitCount == 16 ? 0xFFFFu : 0xFFFFFFFFu;
        for (uint32_t m : info.masks)
            if (m == 0 || (m & ~limit) != 0) {
                error = Fill(Tr("Files", "a bit-field mask of 0x%1 does not fit the pixels"),
                    { std::to_string(m) });
                return false;
            }
    } else if (info.nBitCount == 16) {
        info.masks[0] = 0x7C00;
        info.masks[1] = 0x03E0;
        info.masks[2] = 0x001F;
    } else if (info.nBitCount == 32) {
        info.masks[0] = 0xFF0000;
        info.masks[1] = 0xFF00;
        info.masks[2] = 0xFF;
    }
    info.nBitsOffset = info.nTableOffset + static_cast<size_t>(info.nColors) * static_cast<size_t>(info.nEntrySize);
    if (info.nBitsOffset > block.size()) {
        error = Fill(Tr("Files", "the colour table of %1 entries runs past the block"),
            { std::to_string(info.nColors) });
        return false;
    }
    if (c == BI_RGB || fields) {
        const uint64_t stride = (static_cast<uint64_t>(info.nWidth) * info.nBitCount + 31) / 32 * 4;
        const uint64_t need = stride * static_cast<uint64_t>(info.nHeight);
        if (need > block.size() - info.nBitsOffset) {
            error = Fill(Tr("Files", "the pixels need %1 bytes, %2 remain"),
                { std::to_string(need), std::to_string(block.size() - info.nBitsOffset) });
            return false;
        }
    }
    return true;
}

bool DecodeDib(std::span<const uint8_t> block, const DibInfo& info, QImage& image,
               std::string& error)
{
    const int w = info.nWidth, h = info.nHeight;
    image = QImage(w, h, QImage::Format_RGB32);
    if (image.isNull()) {
        error = Fill(Tr("Files", "no memory for a picture of %1 x %2"),
            { std::to_string(w), std::to_string(h) });
        return false;
    }
    uint32_t table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = 0xFF000000u; // indices beyond the table show black
    for (int i = 0; i < std::min(info.nColors, 256); ++i) {
        const uint8_t* e = block.data() + info.nTableOffset + static_cast<size_t>(i) * static_cast<size_t>(info.nEntrySize);
        table[i] = 0xFF000000u | (static_cast<uint32_t>(e[2]) << 16) | (static_cast<uint32_t>(e[1]) << 8) | e[0];
    }
    auto rowOf = [&](int fileRow) {
        return reinterpret_cast<uint32_t*>(image.scanLine(info.bTopDown ? fileRow : h - 1 - fileRow));
    };
    const uint8_t* bits = block.data() + info.nBitsOffset;
    const size_t available = block.size() - info.nBitsOffset;

    if (info.nCompression == BI_RLE8 || info.nCompression == BI_RLE4) {
        image.fill(table[0]);
        const bool four = info.nCompression == BI_RLE4;
        size_t i = 0;
        int x = 0, y = 0;
        // The text says what went wrong, with %1 for the byte of the block where it did.
        auto fail = [&](const std::string& text) {
            error = Fill(text, { std::to_string(info.nBitsOffset + i) });
            return false;
        };
        // Pixels that fall past the end of a row or below the last row are dropped: some
        // writers encode the padding of each row too.
        auto put = [&](int index) {
            if (x < w && y < h)
                rowOf(y)[x] = table[index];
            ++x;
        };
        for (;;) {
            if (i + 2 > available)
                return fail(Tr("Files", "a run-length stream ends early at byte %1"));
            const uint8_t count = bits[i], value = bits[i + 1];
            i += 2;
            if (count > 0) {
                for (int k = 0; k < count; ++k)
                    put(four ? ((k & 1) ? value & 0x0F : value >> 4) : value);
                continue;
            }
            if (value == 0) { // end of line
                x = 0;
                ++y;
            } else if (value == 1) { // end of the picture
                return true;
            } else if (value == 2) { // move right and down
                if (i + 2 > available)
                    return fail(Tr("Files", "a run-length stream ends early at byte %1"));
                x += bits[i];
                y += bits[i + 1];
                i += 2;
            } else { // a run of literal pixels, padded to a whole word
                const int n = value;
                const size_t bytes = four ? static_cast<size_t>((n + 1) / 2) : static_cast<size_t>(n);
                if (i + bytes > available)
                    return fail(Tr("Files", "a run-length literal run passes the data at byte %1"));
                for (int k = 0; k < n; ++k)
                    put(four ? ((k & 1) ? bits[i + static_cast<size_t>(k / 2)] & 0x0F : bits[i + static_cast<size_t>(k / 2)] >> 4)
                             : bits[i + static_cast<size_t>(k)]);
                i += (bytes + 1) & ~static_cast<size_t>(1);
            }
        }
    }

    const size_t stride = (static_cast<size_t>(w) * static_cast<size_t>(info.nBitCount) + 31) / 32 * 4;
    const Channel r(info.masks[0]), g(info.masks[1]), b(info.masks[2]);
    for (int row = 0; row < h; ++row) {
        const uint8_t* in = bits + static_cast<size_t>(row) * stride;
        uint32_t* out = rowOf(row);
        switch (info.nBitCount) {
        case 1:
            for (int x = 0; x < w; ++x)
                out[x] = table[(in[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (int x = 0; x < w; ++x)
                out[x] = table[(x & 1) ? in[x >> 1] & 0x0F : in[x >> 1] >> 4];
            break;
        case 8:
            for (int x = 0; x < w; ++x)
                out[x] = table[in[x]];
            break;
        case 16:
            for (int x = 0; x < w; ++x) {
                uint32_t v = static_cast<uint32_t>(in[2 * x] | (in[2 * x + 1] << 8));
                out[x] = 0xFF000000u | (r.Get(v) << 16) | (g.Get(v) << 8) | b.Get(v);
            }
            break;
        case 24:
            for (int x = 0; x < w; ++x)
                out[x] = 0xFF000000u | (static_cast<uint32_t>(in[3 * x + 2]) << 16)
                         | (static_cast<uint32_t>(in[3 * x + 1]) << 8) | in[3 * x];
            break;
        case 32:
            for (int x = 0; x < w; ++x) {
                uint32_t v;
                std::memcpy(&v, in + 4 * x, 4);
                out[x] = 0xFF000000u | (r.Get(v) << 16) | (g.Get(v) << 8) | b.Get(v);
            }
            break;
        }
    }
    return true;
}
