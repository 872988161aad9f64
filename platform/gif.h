// Animated GIF pictures: one palette chosen for a whole animation, so that no frame flickers
// against the next, and every frame after the first stored as the rectangle that changed, with
// the unchanged pixels in it transparent, so that files stay small. Every frame is a full
// picture of the animation's size when shown; the first one is stored whole.
#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// Collects the colours of an animation's frames and chooses the palette from them. Holds
// about 4 MB however many frames it counts.
class CGifPalette {
public:
    CGifPalette();
    // Counts the colours of one frame (any format; converted to RGB32 when needed, alpha is
    // ignored). A null image counts nothing.
    void AddFrame(const QImage& frame);
    // At most nColours colours (clamped to 1 to 255: the writer keeps one index for
    // transparency), chosen so that the colours counted most are matched best. When the frames
    // held no more than nColours distinct colours, those very colours (in ascending order of
    // their 0xRRGGBB value); otherwise a median cut of the counted colours, refined by a few
    // rounds of moving each colour to the mean of the colours nearest it. No colours counted:
    // an empty palette. The same frames, in any order, give the same palette.
    std::vector<QRgb> Choose(int nColours = 255) const;

private:
    // A cell of the histogram: the colours whose top six bits a channel are the cell's, how
    // many pixels had them (saturating) and the sums of their low two bits a channel, so that
    // a cell's mean colour is exact.
    struct CCell {
        uint32_t nCount = 0;
        uint32_t nLowR = 0;
        uint32_t nLowG = 0;
        uint32_t nLowB = 0;
    };
    void Count(QRgb colour, uint32_t nPixels);
    void NoteDistinct(QRgb colour);

    std::vector<CCell> m_histogram; // 2^18 cells, index rrrrrrggggggbbbbbb
    // The distinct colours seen, as long as there are few of them: an open hash of 0xFFRRGGBB
    // values (0 is an empty slot); m_bDistinctFull once there were too many to keep.
    std::vector<uint32_t> m_distinct;
    int m_nDistinct = 0;
    bool m_bDistinctFull = false;
};

// Writes one animated GIF into memory: GIF89a with one global colour table (the palette, then
// the transparent index), looping as nLoops says, each frame in the frame rectangle that
// changed since the previous one. Besides the file it holds two frames of indices and a cache
// of the colours met (up to 8 MB).
class CGifWriter {
public:
    // width and height: every frame's size (1 to 65535; a writer of another size takes no
    // frames). palette: up to 255 colours (more are cut off; an empty one is taken as black);
    // every pixel is written as the nearest of them (squared RGB distance; a palette colour as
    // itself). nLoops: how often the animation plays in all; 0 plays it for ever, 1 (or less)
    // once.
    CGifWriter(int width, int height, std::vector<QRgb> palette, int nLoops);
    ~CGifWriter();
    CGifWriter(const CGifWriter&) = delete;
    CGifWriter& operator=(const CGifWriter&) = delete;

    // Appends one frame, shown for nDelayMs (kept in hundredths of a second, rounded, 0 to
    // 655350 ms). The frame must have the writer's size (any format; alpha is ignored); false
    // (nothing appended) when it does not, or after Finish.
    bool AddFrame(const QImage& frame, int nDelayMs);
    // Ends the file and hands out its bytes; the writer takes no frames after it, and a second
    // call (or a writer of an impossible size) hands out nothing.
    std::vector<uint8_t> Finish();

    int GetFrameCount() const { return m_nFrames; }
    // The index kept for transparency (the palette's size).
    int GetTransparentIndex() const { return int(m_palette.size()); }

private:
    struct CColourMap;
    void WriteHeader();
    void WriteFrame(int nLeft, int nTop, int nWidth, int nHeight, int nDelayMs, bool bTransparent,
        const std::vector<uint8_t>& indices);

    int m_nWidth;
    int m_nHeight;
    std::vector<QRgb> m_palette;
    int m_nLoops;
    int m_nTableBits = 1; // the colour table holds 2^m_nTableBits entries
    int m_nFrames = 0;
    bool m_bValid = false; // the size is one a GIF can have
    bool m_bFinished = false;
    std::vector<uint8_t> m_bytes;
    std::vector<uint8_t> m_previous; // the indices the last frame showed
    std::vector<uint8_t> m_current; // the indices of the frame being added
    std::unique_ptr<CColourMap> m_pMap;
};

} // namespace platform
