// Plain geometry and drawing-tool records shared by the model, the archive and the renderer.
// The pen, brush and font records have the exact layout of their 16-, 12- and 60-byte archive
// form (little-endian integers, single-byte face name).
#pragma once

#include <cstdint>

using COLORREF = uint32_t; // 0x00BBGGRR

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b)
{
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8)
           | (static_cast<COLORREF>(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) { return static_cast<uint8_t>(c); }
constexpr uint8_t GetGValue(COLORREF c) { return static_cast<uint8_t>(c >> 8); }
constexpr uint8_t GetBValue(COLORREF c) { return static_cast<uint8_t>(c >> 16); }

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const CPoint&, const CPoint&) = default;
};

struct CSize {
    int32_t cx = 0;
    int32_t cy = 0;
    friend bool operator==(const CSize&, const CSize&) = default;
};

struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    friend bool operator==(const CRect&, const CRect&) = default;
};

// Pen styles and brush styles the shapes use.
constexpr uint32_t PS_SOLID = 0;
constexpr uint32_t PS_NULL = 5;
constexpr uint32_t PS_INSIDEFRAME = 6;
constexpr uint32_t BS_SOLID = 0;
constexpr uint32_t BS_HOLLOW = 1;

struct LOGPEN {
    uint32_t lopnStyle = PS_SOLID;
    CPoint lopnWidth;
    COLORREF lopnColor = 0;
    friend bool operator==(const LOGPEN&, const LOGPEN&) = default;
};

struct LOGBRUSH {
    uint32_t lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    uint32_t lbHatch = 0;
    friend bool operator==(const LOGBRUSH&, const LOGBRUSH&) = default;
};

constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

static_assert(sizeof(LOGPEN) == 16 && sizeof(LOGBRUSH) == 12 && sizeof(LOGFONT) == 60);
