// The drawing surface: a device context over a 32-bit image, holding what the program draws
// with and nothing more. Colour buffers are RGB32; a mask buffer is the same in black and
// white only (anything drawn into it that is not white becomes black). Coordinates go through
// the mapping (window origin and extent, viewport origin and extent) before they reach pixels.
// Palettes do not exist at 32 bits per pixel; the calls that select and realise them are
// accepted by their callers and do nothing here.
#pragma once

#include "platform/types.h"

#include <QFont>
#include <QImage>
#include <string>
#include <vector>

// Raster operations of the block transfers.
enum RasterOp { SRCCOPY, SRCINVERT /* exclusive or */, SRCAND };

// Mapping modes.
constexpr int MM_TEXT = 1;
constexpr int MM_ANISOTROPIC = 8;

// Stretch modes: the colour-on-colour mode drops the lines a shrink eliminates.
constexpr int COLORONCOLOR = 3;

// Background modes of text output.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Text formats.
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_EXPANDTABS = 0x0040;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;

class CDC {
public:
    // A memory device context with its own buffer of the given size, white.
    CDC(int width, int height, bool bMono = false);
    // A device context drawing into an image the caller owns (converted to RGB32 first).
    explicit CDC(QImage* pTarget);
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    QImage& Image() { return *m_pImage; }
    const QImage& Image() const { return *m_pImage; }
    int Width() const { return m_pImage->width(); }
    int Height() const { return m_pImage->height(); }
    bool IsMono() const { return m_bMono; }
    // The pixel at device coordinates, 0x00BBGGRR.
    COLORREF GetPixel(int x, int y) const;

    // Mapping. Each setter returns the previous value.
    int SetMapMode(int mode);
    CPoint SetWindowOrg(int x, int y);
    CSize SetWindowExt(int cx, int cy);
    CPoint SetViewportOrg(int x, int y);
    CSize SetViewportExt(int cx, int cy);
    CPoint GetWindowOrg() const { return m_state.windowOrg; }
    CSize GetWindowExt() const { return m_state.windowExt; }
    CSize GetViewportExt() const { return m_state.viewportExt; }
    int GetMapMode() const { return m_state.mapMode; }
    CPoint LPtoDP(CPoint pt) const;
    CRect LPtoDP(const CRect& rc) const;

    // Saves the whole drawing state (mapping, tools, colours, modes) and restores it.
    int SaveDC();
    void RestoreDC();

    int SetStretchBltMode(int mode);
    // Tools. The pen is drawn only when bUse is set (otherwise the null pen); the same for the
    // brush (otherwise the hollow brush).
    void SelectPen(const LOGPEN& pen, bool bUse = true);
    void SelectBrush(const LOGBRUSH& brush, bool bUse = true);
    void SelectFont(const LOGFONT& font);
    COLORREF SetTextColor(COLORREF color);
    int SetBkMode(int mode);
    COLORREF SetBkColor(COLORREF color);

    // The rectangle filled with a solid colour (the pattern copy of a solid brush).
    void FillSolidRect(const CRect& rc, COLORREF color);
    void Rectangle(const CRect& rc);
    void RoundRect(const CRect& rc, CPoint ptRound);
    void Ellipse(const CRect& rc);
    // A filled and outlined polygon, alternate filling rule.
    void Polygon(const std::vector<CPoint>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

    // Block transfers in logical coordinates of both contexts. A zero width or height draws
    // nothing; a negative one mirrors.
    void BitBlt(int x, int y, int width, int height, const CDC& src, int xSrc, int ySrc,
                RasterOp rop);
    void StretchBlt(const CRect& dst, const CDC& src, const CRect& srcRect, RasterOp rop);
    // Stretches part of an RGB32 image onto the destination rectangle.
    void StretchImage(const CRect& dst, const QImage& src, const CRect& srcRect, RasterOp rop);
    // Stretches a picture onto dst through a mask of the same size: the picture where the
    // mask is not white, the target where it is. The same pixels as copying the picture into
    // a work buffer and the mask into a mask buffer at dst and combining them into this
    // context with exclusive or, and, exclusive or; done in one pass.
    void StretchMasked(const CRect& dst, const QImage& picture, const QImage& mask);
    // True when logical and device coordinates are the same.
    bool IsIdentityMapping() const;

    // A UTF-8 text, drawn with fallback fonts for characters the chosen font lacks (emoji in
    // colour), right-to-left paragraphs from the right edge. With DT_CALCRECT nothing is drawn: rc's bottom becomes the top
    // plus the height the text needs (and, without DT_WORDBREAK, its right the widest line).
    // Returns the height of the text.
    int DrawText(const std::string& text, CRect& rc, unsigned format);

private:
    struct State {
        int mapMode = MM_TEXT;
        CPoint windowOrg;
        CSize windowExt{1, 1};
        CPoint viewportOrg;
        CSize viewportExt{1, 1};
        LOGPEN pen{PS_SOLID, {1, 1}, 0};
        bool bPen = true;
        LOGBRUSH brush{BS_SOLID, 0xFFFFFF, 0};
        bool bBrush = true;
        LOGFONT font;
        bool bFont = false;
        COLORREF textColor = 0;
        COLORREF bkColor = 0xFFFFFF;
        int bkMode = OPAQUE;
        int stretchMode = COLORONCOLOR;
        CPoint current;
    };

    void Blit(const CRect& dstDevice, const QImage& src, const CRect& srcRect, RasterOp rop,
              const QImage* pMask = nullptr);
    // Logical to device for a length along x or y.
    double ScaleX() const;
    double ScaleY() const;
    // Makes what was just painted black and white again on a mask buffer.
    void Threshold(const CRect& deviceArea);

    QImage m_own;
    QImage* m_pImage;
    bool m_bMono;
    State m_state;
    std::vector<State> m_saved;
};

// The installed family that stands in for a face the program's files name (the faces known by
// their Windows names become the Liberation fonts that look like them); others as they are.
QString FamilyForFace(const char* face);
// The font a logical font describes, at a pixel height scaled by scale. A negative height is
// the character height, a positive one the cell height, 0 the usual 16 pixels.
QFont FontOfLogFont(const LOGFONT& lf, double scale = 1.0);

// A QColor-free conversion between 0x00BBGGRR and the image's 0xAARRGGBB pixels.
constexpr uint32_t PixelFromColor(COLORREF c)
{
    return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(uint32_t p)
{
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}
