// CHBitmap: the one picture holder of cliparts, imported images, background pictures and
// library previews. It keeps a packed device-independent bitmap (header, colour table, bits in
// one block), the palette built from its colour table, its size, an optional mask and the path
// of the file it came from.
#pragma once

#include "model/object.h"
#include "platform/types.h"

#include <QImage>

#include <memory>
#include <string>
#include <vector>

// The 40-byte bitmap information header as it lies in a packed bitmap.
struct BITMAPINFOHEADER {
    uint32_t biSize = 0;
    int32_t biWidth = 0;
    int32_t biHeight = 0;
    uint16_t biPlanes = 0;
    uint16_t biBitCount = 0;
    uint32_t biCompression = 0;
    uint32_t biSizeImage = 0;
    int32_t biXPelsPerMeter = 0;
    int32_t biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0;
    uint32_t biClrImportant = 0;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40);

constexpr uint8_t PC_NOCOLLAPSE = 4;

struct PALETTEENTRY {
    uint8_t peRed = 0;
    uint8_t peGreen = 0;
    uint8_t peBlue = 0;
    uint8_t peFlags = 0;
    friend bool operator==(const PALETTEENTRY&, const PALETTEENTRY&) = default;
};

// A logical palette; on 32-bit colour it is kept for what it says and changes no drawing.
struct CPalette {
    uint16_t palVersion = 0x300;
    std::vector<PALETTEENTRY> m_entries;
};

class CDC;

class CHBitmap : public CObject {
public:
    enum Kind { kindEmpty = 0, kindFile = 1, kindPacked = 2 };

    CHBitmap() = default;
    ~CHBitmap() override = default;

    // Reads a bitmap file: the block holds the file without its 14-byte file header, followed
    // by 14 zero bytes, and m_nSize is the file's length. False, with the bitmap left empty,
    // when the file cannot be read or is not a bitmap file.
    bool LoadFromFile(const std::string& path);
    // The same for the bytes of a bitmap file that path names in messages.
    bool LoadFromFileBytes(const std::vector<uint8_t>& file, const std::string& path);
    // Takes a picture as the 24-bit bitmap file of it; name is the path kept and said in
    // messages. False, with the bitmap left empty, for a null picture.
    bool LoadFromImage(const QImage& image, const std::string& name);
    void Serialize(CArchive& ar) override;
    // Frees everything and puts every field back to its default.
    void Release();

    int32_t GetWidth() const { return m_nWidth; }
    int32_t GetHeight() const { return m_nHeight; }
    CHBitmap* GetMask() const { return m_pMask.get(); }
    // Replacing deletes the old mask.
    void SetMask(std::unique_ptr<CHBitmap> pMask) { m_pMask = std::move(pMask); }
    // The palette, or nullptr when the colour table is empty.
    const CPalette* GetPalette() const { return m_hPalette.get(); }
    // The packed bitmap of either kind (empty when the bitmap holds no data).
    const std::vector<uint8_t>& GetBlock() const { return m_nKind == kindPacked ? m_hData : m_hDIB; }
    bool HasData() const { return !GetBlock().empty(); }
    // Bits per pixel and colour-table entries that the header says, 0 without data.
    int GetBitCount() const { return m_nBitCount; }
    int GetColorCount() const { return m_nColorCount; }
    // The decoded picture (null without data).
    const QImage& GetImage() const { return m_image; }

    // The plain, opaque draw, stretched onto rc (colour-on-colour).
    void Draw(CDC& target, const CRect& rc) const;
    // With a mask and both buffers: the picture shows where the mask is black and the target
    // stays where it is white. Otherwise the plain draw.
    void DrawTransparent(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) const;
    // With a mask and both buffers: the target is blackened where the picture is opaque.
    // Otherwise the plain draw.
    void DrawSilhouette(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) const;
    // A copy for quick blitting at the display's depth (8, 16, 24 or 32 bits per pixel);
    // a null image at other depths or without data.
    QImage CreateDeviceBitmap(int nBitsPerPixel) const;

    int32_t m_bError = 0;
    std::vector<uint8_t> m_hDIB;           // packed bitmap of kind 1
    std::unique_ptr<CPalette> m_hPalette;  // built from the colour table
    int32_t m_nSize = 0;                   // byte count of the block
    std::string m_strPath;                 // file the picture came from (kind 1)
    BITMAPINFOHEADER m_bih;                // header copy of a kind 2 bitmap
    int32_t m_nColors = 0;                 // colour-table entries of a kind 2 bitmap
    std::vector<uint8_t> m_hData;          // packed bitmap of kind 2
    int32_t m_nWidth = 0;
    int32_t m_nHeight = 0;
    std::unique_ptr<CHBitmap> m_pMask;     // black where the picture shows, white elsewhere
    int32_t m_nKind = kindEmpty;

private:
    // Checks the block's header against the block, and takes size, depth, colour count,
    // palette and the decoded picture from it. False, with error, when it is not a picture.
    bool BuildFromBlock(std::string& error);
    void DrawMasked(CDC& target, const CRect& rc, CDC& work, CDC& mask, const QImage& picture) const;

    QImage m_image;

    int m_nBitCount = 0;
    int m_nColorCount = 0;
};
