#include "tests/model/fixtures.h"

#include "platform/text.h"

#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "tests/model/lzss_reference.h"

#include <bit>
#include <cstring>
#include <random>

namespace fixtures {

CBytes& CBytes::U8(uint8_t v)
{
    m_bytes.push_back(v);
    return *this;
}

CBytes& CBytes::U16(uint16_t v)
{
    return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8));
}

CBytes& CBytes::U32(uint32_t v)
{
    return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16));
}

CBytes& CBytes::I32(int32_t v)
{
    return U32(static_cast<uint32_t>(v));
}

CBytes& CBytes::F32(float v)
{
    return U32(std::bit_cast<uint32_t>(v));
}

CBytes& CBytes::Text(const std::string& given)
{
    // A UTF-8 text the code page holds goes in as its bytes, as the program writes it; any
    // other string (bytes of the code page already, or damage on purpose) as it stands.
    const std::string text = platform::IsValidUtf8(given) && platform::FitsCp1252(given)
        ? platform::Cp1252FromUtf8(given)
        : given;
    size_t n = text.size();
    if (n <= 254) {
        U8(static_cast<uint8_t>(n));
    } else if (n <= 65533) {
        U8(0xFF).U16(static_cast<uint16_t>(n));
    } else {
        U8(0xFF).U16(0xFFFF).U32(static_cast<uint32_t>(n));
    }
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return *this;
}

CBytes& CBytes::WideText(const std::u16string& text)
{
    U8(0xFF).U16(0xFFFE);
    size_t n = text.size();
    if (n <= 254)
        U8(static_cast<uint8_t>(n));
    else
        U8(0xFF).U16(static_cast<uint16_t>(n));
    for (char16_t c : text)
        U16(c);
    return *this;
}

CBytes& CBytes::Raw(const std::vector<uint8_t>& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

CBytes& CBytes::Fill(size_t n, uint8_t v)
{
    m_bytes.insert(m_bytes.end(), n, v);
    return *this;
}

std::vector<uint8_t> BitmapFile(int width, int height, int bitCount, int colorsUsed)
{
    int colors = colorsUsed != 0 ? colorsUsed : bitCount <= 8 ? 1 << bitCount : 0;
    int stride = ((width * bitCount + 31) / 32) * 4;
    int bitsSize = stride * height;
    int offset = 14 + 40 + colors * 4;
    CBytes b;
    b.U8('B').U8('M').U32(static_cast<uint32_t>(offset + bitsSize)).U32(0).U32(static_cast<uint32_t>(offset));
    b.U32(40).I32(width).I32(height).U16(1).U16(static_cast<uint16_t>(bitCount)).U32(0);
    b.U32(static_cast<uint32_t>(bitsSize)).I32(2835).I32(2835).U32(static_cast<uint32_t>(colorsUsed)).U32(0);
    for (int i = 0; i < colors; ++i)
        b.U8(static_cast<uint8_t>(i * 7)).U8(static_cast<uint8_t>(i * 3)).U8(static_cast<uint8_t>(255 - i)).U8(0);
    for (int i = 0; i < bitsSize; ++i)
        b.U8(static_cast<uint8_t>((i * 37) ^ (i >> 3)));
    return b.Bytes();
}

std::vector<uint8_t> FileBlock(const std::vector<uint8_t>& bmpFile)
{
    std::vector<uint8_t> block(bmpFile.begin() + 14, bmpFile.end());
    block.resize(bmpFile.size(), 0);
    return block;
}

std::vector<uint8_t> ProjectFileBytes(const std::vector<uint8_t>& archive)
{
    std::vector<uint8_t> file(kProjectTag, kProjectTag + kProjectTagSize);
    std::vector<uint8_t> compressed = lzss_reference::Encode(archive);
    file.insert(file.end(), compressed.begin(), compressed.end());
    return file;
}

std::vector<uint8_t> NewProjectArchive(int32_t movieId, int32_t stageId, int32_t backgroundId,
                                       uint32_t background)
{
    CBytes b;
    b.I32(1).U8(1).I32(0).I32(0).I32(800).I32(600).I32(movieId);
    b.I32(1);                                   // one stage
    b.I32(stageId).I32(-1).I32(1).I32(0).Text("").I32(0).I32(1).I32(0).I32(1).U8(0);
    b.U8(1).U8(0).U8(0).U8(1);
    b.I32(backgroundId).U32(background).I32(0).I32(0).I32(0).I32(0).I32(0);
    b.I32(0);                                   // no layers
    return b.Bytes();
}

const std::vector<EffectRow>& EffectRows()
{
    const float twoPi25 = std::bit_cast<float>(0x3E80ADFDu);
    const float pi10 = std::bit_cast<float>(0x3EA0D97Cu);
    static const std::vector<EffectRow> rows = {
        {"0. Sans: Aucun effet n'est attribu\u00E9 \u00E0 l'objet", -1, 0, 0, 0, 1},
        {"1.1 Horizontal vers la gauche", 0, -3.0f, 0, 0, 230},
        {"1.1.1 Horizontal vers la gauche en grossissant", 5, -3.0f, 0, 0, 230},
        {"1.1.2 Horizontal vers la gauche en r\u00E9tr\u00E9" "cissant", 6, -3.0f, 0, 0, 230},
        {"1.2 Horizontal vers la droite", 0, 3.0f, 0, 0, 230},
        {"1.2.1 Horizontal vers la droite en grossissant", 5, 3.0f, 0, 0, 230},
        {"1.2.2 Horizontal vers la droite en r\u00E9tr\u00E9" "cissant", 6, 3.0f, 0, 0, 230},
        {"2.1 Vertical vers le haut", 7, -3.0f, 0, 0, 180},
        {"2.1.1 Vertical vers le haut en grossissant", 12, -3.0f, 0, 0, 180},
        {"2.1.2 Vertical vers le haut en r\u00E9tr\u00E9" "cissant", 13, -3.0f, 0, 0, 180},
        {"2.2 Vertical vers le bas", 7, 3.0f, 0, 0, 180},
        {"2.2.1 Vertical vers le bas en grossissant", 12, 3.0f, 0, 0, 180},
        {"2.2.2 Vertical vers le bas en r\u00E9tr\u00E9" "cissant", 13, 3.0f, 0, 0, 180},
        {"3.1 Rotation dans le sens des aiguilles d'une montre", 20, 50.0f, twoPi25, 0, 50},
        {"3.1.1 Rotation en grossissant", 21, 50.0f, twoPi25, 0, 50},
        {"3.1.2 Rotation en r\u00E9tr\u00E9" "cissant", 22, 50.0f, twoPi25, 0, 50},
        {"3.2 Rotation sens contraire des aiguilles d'une montre", 20, 50.0f, -twoPi25, 0, 50},
        {"3.2.1 Rotation en grossissant", 21, 50.0f, -twoPi25, 0, 50},
        {"3.2.2 Rotation en r\u00E9tr\u00E9" "cissant", 22, 50.0f, -twoPi25, 0, 50},
        {"4.1 Rotation elliptique sens des aiguilles d'une montre", 23, 20.0f, 100.0f, pi10, 40},
        {"4.1.1 Rotation elliptique en grossissant", 24, 40.0f, 100.0f, pi10, 40},
        {"4.1.2 Rotation elliptique en r\u00E9tr\u00E9" "cissant", 25, 40.0f, 100.0f, pi10, 40},
        {"4.2 Rotation elliptique sens contraire des aiguilles", 23, 40.0f, 100.0f, -pi10, 40},
        {"4.2.1 Rotation elliptique en grossissant", 24, 40.0f, 100.0f, -pi10, 40},
        {"4.2.2 Rotation elliptique en r\u00E9tr\u00E9" "cissant", 25, 40.0f, 100.0f, -pi10, 40},
        {"5. Contr\u00F4le al\u00E9" "atoire de l'objet", 29, 0, 0, 0, 100},
        {"5.1 Contr\u00F4le al\u00E9" "atoire de l'objet en grossissant", 30, 0, 0, 0, 100},
        {"5.2 Contr\u00F4le al\u00E9" "atoire de l'objet en r\u00E9tr\u00E9" "cissant", 31, 0, 0, 0, 100},
    };
    return rows;
}

namespace {

// The head of every shape: pen (style, width x, width y, colour), brush (style, colour,
// hatch), pen flag, brush flag.
void ShapeHead(CBytes& b, uint32_t penStyle, int32_t width, uint32_t penColor, uint32_t brushColor)
{
    b.U32(penStyle).I32(width).I32(width).U32(penColor);
    b.U32(0).U32(brushColor).U32(0);
    b.I32(1).I32(1);
}

void Font(CBytes& b, const char* face, int32_t height)
{
    b.I32(height).I32(0).I32(0).I32(0).I32(700);
    b.U8(1).U8(0).U8(0).U8(0).U8(3).U8(2).U8(1).U8(0x22);
    size_t n = std::strlen(face);
    for (size_t i = 0; i < 32; ++i)
        b.U8(i < n ? static_cast<uint8_t>(face[i]) : 0);
}

void BitmapKind1(CBytes& b, const std::string& path, const std::vector<uint8_t>& bmpFile)
{
    std::vector<uint8_t> block = FileBlock(bmpFile);
    b.I32(1).Text(path).I32(static_cast<int32_t>(block.size())).Raw(block);
}

void BitmapKind2(CBytes& b, int width, int height, int bitCount, int colorsUsed)
{
    std::vector<uint8_t> file = BitmapFile(width, height, bitCount, colorsUsed);
    std::vector<uint8_t> block(file.begin() + 14, file.end());
    b.I32(2).I32(static_cast<int32_t>(block.size())).Raw(block);
}

std::vector<uint8_t> SoundBytes(size_t n, uint8_t seed)
{
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(seed + i * 13 + (i >> 5));
    return bytes;
}

void Effect(CBytes& b, const EffectRow& row, int32_t start, int32_t offScreen)
{
    b.I32(offScreen).I32(row.frames).I32(row.type).Text(row.name).I32(row.frames).I32(-1).I32(1005);
    b.I32(start).F32(row.p1).F32(row.p2).F32(row.p3);
}

// A layer: identity, presence of position, size, effect list, sound list, drawing holder;
// then position, size, holder, effects, sounds.
void LayerHead(CBytes& b, int32_t id, bool effects, bool sounds, int32_t x, int32_t y,
               int32_t cx, int32_t cy, int32_t& nextId)
{
    b.I32(id).U8(1).U8(1).U8(effects ? 1 : 0).U8(sounds ? 1 : 0).U8(1);
    b.I32(nextId++).I32(x).I32(y);
    b.I32(nextId++).I32(cx).I32(cy);
}

void OneEffect(CBytes& b, int32_t& nextId, int row, int32_t start)
{
    b.I32(nextId++).I32(1);
    Effect(b, EffectRows()[static_cast<size_t>(row)], start, 0);
}

} // namespace

std::vector<uint8_t> FullProjectArchive()
{
    int32_t id = 500;
    CBytes b;
    b.I32(230).U8(1).I32(0).I32(0).I32(800).I32(600).I32(id++);
    b.I32(2); // two stages

    // Stage 1: every part present, a name of 254 characters.
    b.I32(id++).I32(-1).I32(1).I32(0).Text(std::string(254, 'S')).I32(0).I32(1).I32(0).I32(1).U8(0);
    b.U8(1).U8(1).U8(1).U8(1);
    b.I32(id++).U32(0x00336699).I32(0).I32(0).I32(0).I32(0).I32(0);            // background
    b.I32(id++);                                                                // picture holder
    b.U8(1).Text("loop.wav").I32(1).I32(3).I32(40);                             // wave sound
    std::vector<uint8_t> wave = SoundBytes(300, 1);
    b.I32(static_cast<int32_t>(wave.size())).Raw(wave);
    b.U8(1);
    BitmapKind1(b, "C:\\bilder\\fond.bmp", BitmapFile(20, 15, 24));            // 24-bit, no table
    b.U8(1);                                                                    // with a mask
    BitmapKind1(b, "C:\\bilder\\masque.bmp", BitmapFile(20, 15, 1));
    b.U8(0);
    std::vector<uint8_t> midi = SoundBytes(500, 2);                              // stage sound
    b.Text("birthday.mid").I32(2).I32(0).I32(static_cast<int32_t>(midi.size())).Raw(midi);

    b.I32(8); // layers, head (topmost) first
    // 1. A clipart with a packed bitmap and its mask, carrying all 28 effect kinds and a
    //    sound list with an empty sound and a spoken-text marker.
    LayerHead(b, id++, true, true, 10, 20, 100, 80, id);
    b.I32(id++).Text("Ballon").U8(1).U8(2).U8(1);
    BitmapKind2(b, 8, 6, 8, 0);
    b.U8(1);
    BitmapKind2(b, 8, 6, 1, 2);
    b.U8(0);
    b.I32(id++).I32(28);
    int32_t start = 0;
    for (size_t i = 0; i < 28; ++i) {
        Effect(b, EffectRows()[i], start, i + 1 < 28 ? 1 : 0);
        start += EffectRows()[i].frames;
    }
    b.I32(id++).I32(2);
    b.Text("").I32(0).I32(0);
    b.Text("Joyeux").I32(3).I32(12).Text("Joyeux anniversaire");

    // 2. A rectangle shape (line).
    LayerHead(b, id++, true, false, 0, 0, 100, 50, id);
    b.I32(id++).Text("Ligne").U8(1).U8(3).I32(0);
    ShapeHead(b, 6, 4, 0x0000FF, 0x00FF00);
    b.U16(3).I32(16).I32(16);
    OneEffect(b, id, 4, 0);

    // 3. A text shape with a text of 255 characters in a rounded frame, and an empty sound list.
    LayerHead(b, id++, true, true, 50, 60, 300, 200, id);
    b.I32(id++).Text("Texte").U8(1).U8(3).I32(1);
    ShapeHead(b, 0, 2, 0x123456, 0xFFFFFF);
    b.U16(1).I32(20).I32(24);
    Font(b, "Times New Roman", -24);
    b.Text(std::string(255, 'T')).U32(0x0000FF).I32(0).I32(7);
    OneEffect(b, id, 13, 0);
    b.I32(id++).I32(0);

    // 4. A polygon of five points with room for ten.
    LayerHead(b, id++, true, false, 200, 100, 150, 150, id);
    b.I32(id++).Text("Etoile").U8(1).U8(3).I32(2);
    ShapeHead(b, 6, 1, 0, 0x00FFFF);
    b.U16(5).U16(10).I32(-2).I32(9);
    for (int32_t p : {50, 0, 100, 40, 80, 100, 20, 100, 0, 40})
        b.I32(p);
    OneEffect(b, id, 19, 10);

    // 5. An image object without a bitmap.
    LayerHead(b, id++, true, false, 5, 5, 10, 10, id);
    b.I32(id++).Text("vide.bmp").U8(1).U8(4).I32(0);
    OneEffect(b, id, 0, 0);

    // 6. An image object with a kind 1 bitmap that holds no data.
    LayerHead(b, id++, true, false, 5, 5, 10, 10, id);
    b.I32(id++).Text("rien.bmp").U8(1).U8(4).I32(1).I32(1).Text("").I32(0).U8(0);
    OneEffect(b, id, 25, 0);

    // 7. An image object with a 4-bit picture using 5 colours, from a file.
    LayerHead(b, id++, true, false, 400, 300, 33, 17, id);
    b.I32(id++).Text("photo.bmp").U8(1).U8(4).I32(1);
    BitmapKind1(b, "/home/anna/photo.bmp", BitmapFile(33, 17, 4, 5));
    b.U8(0);
    OneEffect(b, id, 10, 5);

    // 8. An animation: an inner stage (role 2) without background holding one ellipse.
    LayerHead(b, id++, true, false, 300, 200, 160, 120, id);
    b.I32(id++).Text("Papillon").U8(1).U8(1);
    b.I32(12).I32(800).I32(600).U8(1);
    b.I32(id++).I32(-1).I32(12).I32(0).Text("").I32(0).I32(12).I32(0).I32(2).U8(0);
    b.U8(0).U8(0).U8(0).U8(1);
    b.I32(1);
    LayerHead(b, id++, true, false, 100, 100, 200, 120, id);
    b.I32(id++).Text("Aile").U8(1).U8(3).I32(0);
    ShapeHead(b, 6, 1, 0, 0xFF00FF);
    b.U16(2).I32(16).I32(16);
    OneEffect(b, id, 16, 0);
    OneEffect(b, id, 1, 0);

    // Stage 2: nothing but a name of 70,000 characters.
    b.I32(id++).I32(-1).I32(1).I32(0).Text(std::string(70000, 'N')).I32(0).I32(1).I32(0).I32(1).U8(0);
    b.U8(0).U8(0).U8(0).U8(0);
    return b.Bytes();
}

std::vector<uint8_t> HeaderArchive(const std::string& name, const std::string& category,
                                   int32_t value, uint8_t type, bool withPreview)
{
    CBytes b;
    b.Text(name).Text(category).I32(value).U8(type).I32(withPreview ? 1 : 0);
    if (withPreview) {
        BitmapKind2(b, 32, 32, 24, 0);
        b.U8(0);
    }
    return b.Bytes();
}

namespace {

std::vector<uint8_t> PaintedPictureFile(int seed, int noise)
{
    const int width = 800, height = 600, stride = width * 3;
    std::vector<uint8_t> file = BitmapFile(width, height, 24);
    std::mt19937 random(static_cast<unsigned>(seed));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &file[54 + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3];
            p[0] = static_cast<uint8_t>(x / 4 + seed * 20);
            p[1] = static_cast<uint8_t>(y / 3);
            p[2] = static_cast<uint8_t>((x + y) / 8 + (random() % static_cast<unsigned>(noise)));
        }
    return file;
}

} // namespace

std::unique_ptr<CAbstractMovie> PicturesProject(const std::string& dir, int pictures, int noise,
                                                int waves, size_t waveBytes)
{
    auto movie = CAbstractMovie::NewProject();
    CStage* stage = movie->GetFirstStage();
    for (int i = 0; i < pictures; ++i) {
        const std::string bmp = dir + "/p" + std::to_string(i) + ".bmp";
        platform::WriteWholeFile(bmp, PaintedPictureFile(i, noise));
        CLayer* layer = stage->AddObject(CGenericDrawing::kindImage, i * 10, i * 10, 800, 600);
        auto image = std::make_unique<CImageObject>();
        image->m_pBitmap = std::make_unique<CHBitmap>();
        image->m_pBitmap->LoadFromFile(bmp);
        layer->m_pDrawing->SetObject(std::move(image));
        auto* effect = new CEffect;
        effect->m_nType = 0;
        effect->m_nDuration = 230;
        effect->m_nStartFrame = 0;
        layer->m_pEffects->AddTail(effect);
    }
    std::mt19937 random(7);
    for (int i = 0; i < waves && i < pictures; ++i) {
        std::vector<uint8_t> wave(waveBytes);
        for (size_t k = 0; k < wave.size(); ++k)
            wave[k] = static_cast<uint8_t>(128 + 60 * ((k / 40) % 2) + random() % 8);
        const std::string path = dir + "/s" + std::to_string(i) + ".wav";
        platform::WriteWholeFile(path, wave);
        auto sounds = std::make_unique<CSoundList>();
        auto* sound = new CSound;
        sound->SetSource(CSound::kindWave, path);
        sounds->AddTail(sound);
        stage->GetLayers()->GetAt(i)->SetSounds(std::move(sounds));
    }
    return movie;
}

} // namespace fixtures
