// Reading packed device-independent bitmaps: a bitmap header of 12 bytes, or of 40 bytes or
// more, the colour table, then the bits (uncompressed, with bit fields, or run-length
// compressed). Nothing is taken on trust: a header, table, mask or run that does not fit the
// block makes the block not a picture.
#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <string>

struct DibInfo {
    int nHeaderSize = 0;
    int nWidth = 0;
    int nHeight = 0;         // always positive
    bool bTopDown = false;
    int nBitCount = 0;
    uint32_t nCompression = 0;
    int nColors = 0;         // colour-table entries
    int nEntrySize = 4;      // 4, or 3 for the 12-byte header
    size_t nTableOffset = 0;
    size_t nBitsOffset = 0;
    uint32_t masks[3] = {0, 0, 0};
};

// Reads the header of a packed bitmap. nColors, when not negative, is the colour-table size
// the holder keeps for the block (packed bitmaps of the archive's second kind); otherwise the
// header says. bAllowCore admits the 12-byte header. False, with error saying why, when the
// header does not describe a picture that fits the block.
bool ParseDib(std::span<const uint8_t> block, int nColors, bool bAllowCore, DibInfo& info,
              std::string& error);

// Decodes the picture into a 32-bit image; false, with error, when the bits do not fit.
bool DecodeDib(std::span<const uint8_t> block, const DibInfo& info, QImage& image,
               std::string& error);

// The largest picture we accept, in pixels on a side and in all.
constexpr int kMaxDibSide = 16384;
constexpr int64_t kMaxDibPixels = 64ll << 20;
