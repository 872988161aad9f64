// Archive bytes built by hand from the file format, without our own writer, so that tests can
// check that reading and writing agree with the format and not merely with each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CAbstractMovie;

namespace fixtures {

// Little-endian byte building.
class CBytes {
public:
    CBytes& U8(uint8_t v);
    CBytes& U16(uint16_t v);
    CBytes& I32(int32_t v);
    CBytes& U32(uint32_t v);
    CBytes& F32(float v);
    CBytes& Text(const std::string& text);   // UTF-8, with the narrow length prefix and its code-page bytes
    CBytes& WideText(const std::u16string& text); // the 0xFFFE form
    CBytes& Raw(const std::vector<uint8_t>& bytes);
    CBytes& Fill(size_t n, uint8_t v);
    size_t Size() const { return m_bytes.size(); }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

// A bitmap file's bytes: "BM" header, 40-byte information header, colour table, rows.
std::vector<uint8_t> BitmapFile(int width, int height, int bitCount, int colorsUsed = 0);
// The packed bitmap block an archive holds for a bitmap file (kind 1).
std::vector<uint8_t> FileBlock(const std::vector<uint8_t>& bmpFile);

// A project file written without our own writer: the tag and the classic coder's output.
std::vector<uint8_t> ProjectFileBytes(const std::vector<uint8_t>& archive);

// The archive of the new-project movie with the three identities given, its stage filled with
// the colour (0x00BBGGRR; white as a new project's).
std::vector<uint8_t> NewProjectArchive(int32_t movieId, int32_t stageId, int32_t backgroundId,
                                       uint32_t background = 0xFFFFFF);

// A movie holding every drawable kind, every shape, bitmaps of kinds 1 and 2 with masks,
// sounds of kinds 0 to 3, all 28 effect kinds, an animation with an inner stage, and texts of
// 254, 255 and 70,000 characters.
std::vector<uint8_t> FullProjectArchive();

// The 28 rows of the effect kinds table: name (code page bytes), type, three parameters,
// frames.
struct EffectRow {
    std::string name;
    int32_t type;
    float p1, p2, p3;
    int32_t frames;
};
const std::vector<EffectRow>& EffectRows();

// A library header: name, category, item number, type, and a preview bitmap of kind 2.
std::vector<uint8_t> HeaderArchive(const std::string& name, const std::string& category,
                                   int32_t value, uint8_t type, bool withPreview);

// A project made for its size: `pictures` 800 x 600 24-bit pictures of soft gradients with a
// little noise (below `noise` in one channel), as painted backgrounds are, each moved 10 pixels
// from the one before and moving for 230 frames, and `waves` wave sounds of waveBytes bytes of
// a buzz on the first layers. The pictures and waves are written into dir first.
std::unique_ptr<CAbstractMovie> PicturesProject(const std::string& dir, int pictures, int noise,
                                                int waves, size_t waveBytes);

} // namespace fixtures
