#include "content/library.h"

#include "content/failureletters.h"
#include "content/pictures.h"
#include "content/sounds.h"
#include "model/archive.h"
#include "model/header.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/report.h"
#include "platform/text.h"
#include "playback/effecttable.h"
#include "playback/projectdoc.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace content {

namespace {

// ---- bitmap files ----

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The file and information headers of a bottom-up bitmap file with a colour table.
std::vector<uint8_t> BitmapHeaders(
    int width, int height, int bitCount, int colors, uint32_t imageSize)
{
    std::vector<uint8_t> out;
    uint32_t offset = 14 + 40 + static_cast<uint32_t>(colors) * 4;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bitCount));
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, static_cast<uint32_t>(colors));
    Put32(out, 0);
    return out;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(
        reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// A two-colour bitmap of a mask: black where the picture shows.
std::vector<uint8_t> MaskBitmapFile(const QImage& mask)
{
    const int w = mask.width(), h = mask.height();
    const int stride = ((w + 31) / 32) * 4;
    auto out = BitmapHeaders(w, h, 1, 2, static_cast<uint32_t>(stride * h));
    Put32(out, 0x000000);
    Put32(out, 0xFFFFFF);
    for (int y = h - 1; y >= 0; --y) {
        std::vector<uint8_t> row(static_cast<size_t>(stride), 0);
        for (int x = 0; x < w; ++x)
            if (qRed(mask.pixel(x, y)) >= 128)
                row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// A 256-colour bitmap of a picture: the palette by median cut over a 5-bit-per-channel
// histogram, the pixels by error diffusion, so soft gradients stay smooth at a third of the
// size of a true-colour file.
std::vector<uint8_t> PaletteBitmapFile(const QImage& source)
{
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    struct Bin {
        uint32_t count = 0;
        uint64_t r = 0, g = 0, b = 0;
    };
    std::vector<Bin> bins(32768);
    auto binOf = [](int r, int g, int b) { return ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QRgb c = image.pixel(x, y);
            Bin& bin = bins[static_cast<size_t>(binOf(qRed(c), qGreen(c), qBlue(c)))];
            ++bin.count;
            bin.r += static_cast<uint64_t>(qRed(c));
            bin.g += static_cast<uint64_t>(qGreen(c));
            bin.b += static_cast<uint64_t>(qBlue(c));
        }
    std::vector<std::vector<int>> boxes(1);
    for (int i = 0; i < 32768; ++i)
        if (bins[static_cast<size_t>(i)].count > 0)
            boxes[0].push_back(i);
    auto channel = [](int bin, int axis) { return (bin >> (10 - axis * 5)) & 31; };
    while (boxes.size() < 256) {
        // Split the box with the widest spread weighted by how many pixels it holds.
        double best = -1;
        size_t bestBox = 0;
        int bestAxis = 0;
        for (size_t k = 0; k < boxes.size(); ++k) {
            if (boxes[k].size() < 2)
                continue;
            uint64_t pixels = 0;
            for (int bin : boxes[k])
                pixels += bins[static_cast<size_t>(bin)].count;
            for (int axis = 0; axis < 3; ++axis) {
                int lo = 31, hi = 0;
                for (int bin : boxes[k]) {
                    lo = std::min(lo, channel(bin, axis));
                    hi = std::max(hi, channel(bin, axis));
                }
                double score = (hi - lo) * std::sqrt(static_cast<double>(pixels));
                if (score > best) {
                    best = score;
                    bestBox = k;
                    bestAxis = axis;
                }
            }
        }
        if (best <= 0)
            break;
        std::vector<int>& box = boxes[bestBox];
        std::sort(box.begin(), box.end(),
            [&](int a, int b) { return channel(a, bestAxis) < channel(b, bestAxis); });
        uint64_t total = 0, half = 0;
        for (int bin : box)
            total += bins[static_cast<size_t>(bin)].count;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.size(); ++i) {
            half += bins[static_cast<size_t>(box[i])].count;
            cut = i + 1;
            if (half * 2 >= total)
                break;
        }
        std::vector<int> upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<std::array<int, 3>> palette;
    for (const auto& box : boxes) {
        uint64_t n = 0, r = 0, g = 0, b = 0;
        for (int bin : box) {
            const Bin& x = bins[static_cast<size_t>(bin)];
            n += x.count;
            r += x.r;
            g += x.g;
            b += x.b;
        }
        if (n > 0)
            palette.push_back(
                { static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n) });
    }
    if (palette.empty())
        palette.push_back({ 255, 255, 255 });
    std::vector<int16_t> nearest(32768, -1);
    auto lookup = [&](int r, int g, int b) {
        int key = binOf(r, g, b);
        if (nearest[static_cast<size_t>(key)] < 0) {
            int cr = (r & ~7) + 4, cg = (g & ~7) + 4, cb = (b & ~7) + 4;
            int bestIndex = 0, bestDistance = 1 << 30;
            for (size_t i = 0; i < palette.size(); ++i) {
                int dr = palette[i][0] - cr, dg = palette[i][1] - cg, db = palette[i][2] - cb;
                int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (d < bestDistance) {
                    bestDistance = d;
                    bestIndex = static_cast<int>(i);
                }
            }
            nearest[static_cast<size_t>(key)] = static_cast<int16_t>(bestIndex);
        }
        return nearest[static_cast<size_t>(key)];
    };
    const int stride = (w + 3) & ~3;
    std::vector<uint8_t> indices(static_cast<size_t>(stride * h), 0);
    std::vector<std::array<float, 3>> errors(static_cast<size_t>((w + 2) * 2));
    auto err = [&](int row, int x) -> std::array<float, 3>& {
        return errors[static_cast<size_t>((row & 1) * (w + 2) + x + 1)];
    };
    for (int y = 0; y < h; ++y) {
        for (int x = -1; x <= w; ++x)
            err(y + 1, x) = { 0, 0, 0 };
        for (int x = 0; x < w; ++x) {
            QRgb c = image.pixel(x, y);
            int v[3];
            const int channels[3] = { qRed(c), qGreen(c), qBlue(c) };
            for (int k = 0; k < 3; ++k)
                v[k]
                    = std::clamp(static_cast<int>(std::lround(channels[k] + err(y, x)[k])), 0, 255);
            int index = lookup(v[0], v[1], v[2]);
            indices[static_cast<size_t>((h - 1 - y) * stride + x)] = static_cast<uint8_t>(index);
            for (int k = 0; k < 3; ++k) {
                float e = static_cast<float>(
                    v[k] - palette[static_cast<size_t>(index)][static_cast<size_t>(k)]);
                err(y, x + 1)[static_cast<size_t>(k)] += e * 7 / 16;
                err(y + 1, x - 1)[static_cast<size_t>(k)] += e * 3 / 16;
                err(y + 1, x)[static_cast<size_t>(k)] += e * 5 / 16;
                err(y + 1, x + 1)[static_cast<size_t>(k)] += e * 1 / 16;
            }
        }
    }
    auto out = BitmapHeaders(w, h, 8, 256, static_cast<uint32_t>(indices.size()));
    for (size_t i = 0; i < 256; ++i) {
        const auto& p = palette[std::min(i, palette.size() - 1)];
        out.push_back(static_cast<uint8_t>(p[2]));
        out.push_back(static_cast<uint8_t>(p[1]));
        out.push_back(static_cast<uint8_t>(p[0]));
        out.push_back(0);
    }
    out.insert(out.end(), indices.begin(), indices.end());
    return out;
}

// Makes the scratch files that CHBitmap and CSound load from.
class CScratch {
public:
    explicit CScratch(std::string dir)
        : m_strDir(std::move(dir))
    {
    }
    std::string Next(const char* extension)
    {
        return m_strDir + "/part" + std::to_string(++m_nCount) + extension;
    }

    // Each bitmap remembers the file it came from; it is given the plain file name the
    // picture would have had, so that no path of this machine ends up in the library and the
    // same run writes the same bytes anywhere.
    std::unique_ptr<CHBitmap> TrueColour(const QImage& image, const std::string& name)
    {
        std::string path = Next(".bmp");
        image.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(path), "BMP");
        return Load(path, name);
    }
    std::unique_ptr<CHBitmap> Palette(const QImage& image, const std::string& name)
    {
        std::string path = Next(".bmp");
        WriteBytes(path, PaletteBitmapFile(image));
        return Load(path, name);
    }
    std::unique_ptr<CHBitmap> Mask(const QImage& mask, const std::string& name)
    {
        std::string path = Next(".bmp");
        WriteBytes(path, MaskBitmapFile(mask));
        return Load(path, name);
    }
    std::unique_ptr<CHBitmap> Load(const std::string& path, const std::string& name)
    {
        auto bitmap = std::make_unique<CHBitmap>();
        if (!bitmap->LoadFromFile(path))
            m_bFailed = true;
        bitmap->m_strPath = name;
        return bitmap;
    }
    bool Failed() const { return m_bFailed; }

private:
    std::string m_strDir;
    int m_nCount = 0;
    bool m_bFailed = false;
};

// ---- the entries ----

struct ClipPart {
    const char* szClipart;
    int nHeight;
    int x, y;
    int32_t nType; // effect type; -1 stays in place
    float p1, p2, p3;
};

struct ClipDesign {
    int cx, cy;
    int nFrames;
    std::vector<ClipPart> parts; // bottom first
};

const float kTwoPi25 = 0.25132743f;
const float kPi10 = 0.31415927f;

const std::map<std::string, ClipDesign>& ClipDesigns()
{
    static const std::map<std::string, ClipDesign> clips = {
        { "risingballoons",
            { 240, 300, 50,
                { { "balloon-yellow", 100, 150, 170, 7, -2.0f, 0, 0 },
                    { "balloon-red", 120, 10, 160, 7, -3.0f, 0, 0 },
                    { "balloon-teal", 130, 80, 170, 7, -2.5f, 0, 0 } } } },
        { "giftstar",
            { 220, 240, 50,
                { { "gift", 110, 50, 120, -1, 0, 0, 0 },
                    { "star-gold", 56, 82, 20, 20, 30.0f, kTwoPi25, 0 } } } },
        { "dancinghearts",
            { 260, 200, 50,
                { { "heart-pink", 80, 140, 70, 20, 25.0f, -kTwoPi25, 0 },
                    { "heart-red", 96, 30, 60, 20, 25.0f, kTwoPi25, 0 } } } },
        { "floatinghearts",
            { 220, 280, 60,
                { { "heart-pink", 44, 20, 200, 7, -2.5f, 0, 0 },
                    { "heart-red", 60, 80, 230, 7, -3.0f, 0, 0 },
                    { "heart-pink", 36, 160, 190, 7, -2.0f, 0, 0 },
                    { "heartballoon", 90, 120, 150, 7, -1.5f, 0, 0 } } } },
        { "fallingsnow",
            { 280, 300, 60,
                { { "snowflake", 40, 10, 0, 7, 3.0f, 0, 0 },
                    { "snowflake", 54, 80, 20, 7, 2.5f, 0, 0 },
                    { "snowflake", 34, 150, 0, 7, 3.5f, 0, 0 },
                    { "snowflake", 48, 210, 40, 7, 2.0f, 0, 0 },
                    { "snowflake", 30, 120, 90, 7, 2.8f, 0, 0 } } } },
        { "twinklingtree",
            { 220, 280, 50,
                { { "tree", 220, 40, 50, -1, 0, 0, 0 },
                    { "star-gold", 40, 90, 10, 20, 20.0f, kTwoPi25, 0 },
                    { "snowflake", 30, 10, 20, 7, 3.0f, 0, 0 },
                    { "snowflake", 26, 180, 0, 7, 3.5f, 0, 0 } } } },
        { "orbitingstars",
            { 300, 220, 40,
                { { "star-teal", 60, 120, 20, 23, 40.0f, 100.0f, -kPi10 },
                    { "star-gold", 80, 110, 110, 23, 40.0f, 100.0f, kPi10 } } } },
        { "musicnotes",
            { 280, 220, 50,
                { { "popper", 110, 10, 100, -1, 0, 0, 0 },
                    { "notes", 70, 150, 140, 7, -2.4f, 0, 0 },
                    { "star-teal", 36, 200, 40, 20, 18.0f, kTwoPi25, 0 } } } },
    };
    return clips;
}

std::vector<LibraryEntry> MakeEntries()
{
    struct Row {
        int nType;
        const char* szName;
        const char* szCategory;
        const char* szKey;
    };
    const Row rows[] = {
        { 6, "Balloon sky", "Birthday", "balloonsky" },
        { 6, "Confetti", "Birthday", "confetti" },
        { 6, "Pink dawn", "Love", "pinkdawn" },
        { 6, "Heart paper", "Love", "heartpaper" },
        { 6, "Snowy night", "Holidays", "snowynight" },
        { 6, "Winter forest", "Holidays", "winterforest" },
        { 6, "Stage lights", "Party", "stagelights" },
        { 6, "Bunting", "Party", "bunting" },
        { 2, "Red balloon", "Birthday", "balloon-red" },
        { 2, "Teal balloon", "Birthday", "balloon-teal" },
        { 2, "Yellow balloon", "Birthday", "balloon-yellow" },
        { 2, "Birthday cake", "Birthday", "cake" },
        { 2, "Gift box", "Birthday", "gift" },
        { 2, "Party hat", "Birthday", "partyhat" },
        { 2, "Cupcake", "Birthday", "cupcake" },
        { 2, "Red heart", "Love", "heart-red" },
        { 2, "Pink heart", "Love", "heart-pink" },
        { 2, "Heart balloon", "Love", "heartballoon" },
        { 2, "Rose", "Love", "rose" },
        { 2, "Love letter", "Love", "letter" },
        { 2, "Flower", "Love", "flower" },
        { 2, "Christmas tree", "Holidays", "tree" },
        { 2, "Snowman", "Holidays", "snowman" },
        { 2, "Bauble", "Holidays", "bauble" },
        { 2, "Candy cane", "Holidays", "candycane" },
        { 2, "Bell", "Holidays", "bell" },
        { 2, "Snowflake", "Holidays", "snowflake" },
        { 2, "Red present", "Holidays", "gift-coral" },
        { 2, "Gold star", "Party", "star-gold" },
        { 2, "Teal star", "Party", "star-teal" },
        { 2, "Champagne", "Party", "champagne" },
        { 2, "Music notes", "Party", "notes" },
        { 2, "Party popper", "Party", "popper" },
        { 2, "Smiling sun", "Party", "sun" },
        { 1, "Rising balloons", "Birthday", "risingballoons" },
        { 1, "Gift and star", "Birthday", "giftstar" },
        { 1, "Dancing hearts", "Love", "dancinghearts" },
        { 1, "Floating hearts", "Love", "floatinghearts" },
        { 1, "Falling snow", "Holidays", "fallingsnow" },
        { 1, "Twinkling tree", "Holidays", "twinklingtree" },
        { 1, "Orbiting stars", "Party", "orbitingstars" },
        { 1, "Music in the air", "Party", "musicnotes" },
        { 8, "Happy Birthday", "Birthday", "midi:birthday" },
        { 8, "Twinkle, Twinkle", "Birthday", "midi:twinkle" },
        { 8, "Love chimes", "Love", "wave:chimes" },
        { 8, "Jingle Bells", "Holidays", "midi:jinglebells" },
        { 8, "Ode to Joy", "Party", "midi:odetojoy" },
        { 8, "Applause", "Party", "wave:applause" },
        { 7, "Fanfare", "Birthday", "wave:fanfare" },
        { 7, "Sparkle", "Holidays", "wave:twinkle" },
        { 7, "Pop", "Party", "wave:pop" },
        { 7, "Boing", "Party", "wave:boing" },
    };
    std::vector<LibraryEntry> entries;
    int item = 0;
    for (const Row& row : rows)
        entries.push_back({ ++item, row.nType, row.szName, row.szCategory, row.szKey });
    return entries;
}

// ---- objects ----

// The name the effect table gives the movement: the row of the same type whose direction
// (the sign of the parameter that sets it) is the same.
std::string EffectName(int32_t type, float p1, float p2, float p3)
{
    const std::vector<EffectKind>& kinds = EffectKinds();
    auto direction = [](int32_t t, float a, float b, float c) {
        float which = t >= 23 ? c : t >= 20 ? b : a;
        return which < 0;
    };
    for (const EffectKind& kind : kinds)
        if (kind.m_nType == type
            && direction(type, kind.m_fParam1, kind.m_fParam2, kind.m_fParam3)
                == direction(type, p1, p2, p3))
            return kind.m_strName;
    for (const EffectKind& kind : kinds)
        if (kind.m_nType == type)
            return kind.m_strName;
    return kinds.front().m_strName;
}

CEffect* AddEffect(
    CLayer* layer, int32_t type, float p1, float p2, float p3, int32_t start, int32_t duration)
{
    auto* effect = new CEffect;
    effect->m_nType = type;
    effect->m_fParam1 = p1;
    effect->m_fParam2 = p2;
    effect->m_fParam3 = p3;
    effect->m_nStartFrame = start;
    effect->m_nDuration = duration;
    effect->m_nDefaultDuration = duration;
    effect->m_bOffScreenAfter = 0;
    effect->m_strName = EffectName(type, p1, p2, p3);
    layer->m_pEffects->AddTail(effect);
    layer->AttachParts();
    return effect;
}

std::unique_ptr<CClipartObject> MakeClipart(CScratch& scratch, const std::string& key, int height)
{
    Sticker sticker = DrawClipart(key, height);
    auto clipart = std::make_unique<CClipartObject>();
    clipart->m_pBitmap = scratch.TrueColour(sticker.picture, key + ".bmp");
    clipart->m_pBitmap->SetMask(scratch.Mask(sticker.mask, key + "-mask.bmp"));
    return clipart;
}

int ClipartHeight(const std::string& key)
{
    return ClipartDesignSize(key).height() + 8;
}

// The library name of a clipart drawing, as the objects made from it are called.
std::string ClipartName(const std::string& key)
{
    for (const LibraryEntry& entry : LibraryEntries())
        if (entry.nType == CHeaderObject::typeClipart && entry.strKey == key)
            return entry.strName;
    return key;
}

std::unique_ptr<CAnimationObject> MakeClip(
    CScratch& scratch, const std::string& key, CAbstractMovie* pMovie)
{
    const ClipDesign& design = ClipDesigns().at(key);
    auto clip = std::make_unique<CAnimationObject>();
    clip->m_szOriginal = { design.cx, design.cy };
    clip->m_nFrameCount = design.nFrames;
    clip->m_pStage = std::make_unique<CStage>();
    clip->m_pStage->m_nRole = CStage::roleInner;
    clip->m_pStage->SetMovie(pMovie);
    for (const ClipPart& part : design.parts) {
        Sticker sticker = DrawClipart(part.szClipart, part.nHeight);
        CLayer* layer = clip->m_pStage->AddObject(CGenericDrawing::kindClipart, part.x, part.y,
            sticker.picture.width(), sticker.picture.height());
        layer->m_pDrawing->m_strName = ClipartName(part.szClipart);
        layer->m_pDrawing->SetObject(MakeClipart(scratch, part.szClipart, part.nHeight));
        layer->AttachParts();
        AddEffect(layer, part.nType, part.p1, part.p2, part.p3, 0, design.nFrames);
    }
    return clip;
}

// The clip's first frame as one picture with its mask, for the preview.
Sticker ClipPicture(const std::string& key)
{
    const ClipDesign& design = ClipDesigns().at(key);
    QImage art(design.cx, design.cy, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    QPainter p(&art);
    for (const ClipPart& part : design.parts) {
        Sticker sticker = DrawClipart(part.szClipart, part.nHeight);
        QImage piece = sticker.picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < piece.height(); ++y)
            for (int x = 0; x < piece.width(); ++x)
                if (qRed(sticker.mask.pixel(x, y)) >= 128)
                    piece.setPixel(x, y, 0);
        p.drawImage(part.x, part.y, piece);
    }
    p.end();
    Sticker result { QImage(art.size(), QImage::Format_RGB32),
        QImage(art.size(), QImage::Format_RGB32) };
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            QRgb c = art.pixel(x, y);
            bool inside = qAlpha(c) >= 128;
            result.picture.setPixel(x, y, inside ? (c | 0xFF000000u) : 0xFFFFFFFFu);
            result.mask.setPixel(x, y, inside ? 0xFF000000u : 0xFFFFFFFFu);
        }
    return result;
}

std::unique_ptr<CBackgroundBMP> MakeBackground(CScratch& scratch, const std::string& key)
{
    auto holder = std::make_unique<CBackgroundBMP>();
    holder->m_pBitmap = scratch.Palette(DrawBackground(key), key + ".bmp");
    return holder;
}

std::unique_ptr<CSound> MakeSound(
    CScratch& scratch, const std::string& key, const std::string& name)
{
    bool midi = key.rfind("midi:", 0) == 0;
    std::string what = key.substr(5);
    std::string path = scratch.Next(midi ? ".mid" : ".wav");
    if (midi)
        WriteBytes(path, MidiFile(TuneByName(what)));
    else
        WriteBytes(path, WaveFile(WaveSamples(what)));
    auto sound = std::make_unique<CSound>();
    sound->SetName(name);
    if (!sound->SetSource(midi ? CSound::kindMidi : CSound::kindWave, path))
        return nullptr;
    return sound;
}

// ---- sample greetings ----

template <class Shape> Shape* Drawn(CLayer* layer)
{
    auto drawn = std::make_unique<CDrawnObject>();
    auto shape = std::make_unique<Shape>();
    Shape* result = shape.get();
    drawn->m_pShape = std::move(shape);
    drawn->m_nShape = result->ShapeKind();
    layer->m_pDrawing->SetObject(std::move(drawn));
    layer->AttachParts();
    return result;
}

constexpr COLORREF kInk = 0x45254A;
constexpr COLORREF kCoral = 0x616FFF;
constexpr COLORREF kTeal = 0xB6C42E;
constexpr COLORREF kPaperLight = 0xF2FAFF;

CLayer* AddTitle(CStage& stage, const char* text, int x, int y, int cx, int cy, int fontHeight,
    COLORREF frame, COLORREF fill)
{
    CLayer* layer = stage.AddObject(CGenericDrawing::kindDrawn, x, y, cx, cy);
    layer->m_pDrawing->m_strName = "Texte";
    auto* title = Drawn<CDrawTextRect>(layer);
    title->m_nShape = CDrawRect::roundRectangle;
    title->m_ptRound = { 40, 40 };
    title->m_strText = text;
    std::memset(title->m_logfont.lfFaceName, 0, LF_FACESIZE);
    std::strcpy(title->m_logfont.lfFaceName, "Arial");
    title->m_logfont.lfHeight = -fontHeight;
    title->m_logfont.lfWeight = 700;
    title->m_crText = kInk;
    title->m_logpen = { PS_INSIDEFRAME, { 4, 4 }, frame };
    title->m_logbrush = { BS_SOLID, fill, 0 };
    return layer;
}

CLayer* AddClipart(CScratch& scratch, CStage& stage, const char* key, const char* name, int x,
    int y, int height = 0)
{
    if (height == 0)
        height = ClipartHeight(key);
    Sticker sticker = DrawClipart(key, height);
    CLayer* layer = stage.AddObject(
        CGenericDrawing::kindClipart, x, y, sticker.picture.width(), sticker.picture.height());
    layer->m_pDrawing->m_strName = name;
    layer->m_pDrawing->SetObject(MakeClipart(scratch, key, height));
    layer->AttachParts();
    return layer;
}

CLayer* AddClip(CScratch& scratch, CAbstractMovie& movie, const char* key, const char* name, int x,
    int y, double scale = 1.0)
{
    const ClipDesign& design = ClipDesigns().at(key);
    CStage& stage = *movie.GetFirstStage();
    CLayer* layer = stage.AddObject(CGenericDrawing::kindAnimation, x, y,
        static_cast<int>(design.cx * scale), static_cast<int>(design.cy * scale));
    layer->m_pDrawing->m_strName = name;
    layer->m_pDrawing->SetObject(MakeClip(scratch, key, &movie));
    layer->AttachParts();
    return layer;
}

void Finish(CAbstractMovie& movie)
{
    for (CLayer* layer : *movie.GetFirstStage()->GetLayers())
        layer->AttachParts();
    RecomputeMovieLength(movie);
}

std::unique_ptr<CAbstractMovie> BirthdayGreeting(CScratch& scratch)
{
    auto movie = CAbstractMovie::NewProject();
    CStage& stage = *movie->GetFirstStage();
    stage.SetBackgroundBMP(MakeBackground(scratch, "balloonsky"));
    stage.SetSound(MakeSound(scratch, "midi:birthday", "Happy Birthday"));
    // Added from the bottom up: each new object lies on top.
    AddEffect(AddClip(scratch, *movie, "risingballoons", "Rising balloons", 560, 130), -1, 0, 0, 0,
        0, 120);
    AddEffect(AddClipart(scratch, stage, "cake", "Birthday cake", 300, 400), -1, 0, 0, 0, 0, 120);
    AddEffect(AddClipart(scratch, stage, "gift", "Gift box", 470, 470, 100), 0, 1.0f, 0, 0, 0, 120);
    AddEffect(AddClipart(scratch, stage, "partyhat", "Party hat", 170, 300), 20, 20.0f, kTwoPi25, 0,
        0, 120);
    AddEffect(
        AddClipart(scratch, stage, "balloon-red", "Red balloon", 60, 470), 7, -3.0f, 0, 0, 0, 120);
    AddEffect(AddTitle(stage, "Happy Birthday!", 150, 60, 420, 110, 46, kCoral, kPaperLight), -1, 0,
        0, 0, 0, 120);
    Finish(*movie);
    return movie;
}

std::unique_ptr<CAbstractMovie> LoveGreeting(CScratch& scratch)
{
    auto movie = CAbstractMovie::NewProject();
    CStage& stage = *movie->GetFirstStage();
    stage.SetBackgroundBMP(MakeBackground(scratch, "pinkdawn"));
    stage.SetSound(MakeSound(scratch, "midi:twinkle", "Twinkle, Twinkle"));
    AddEffect(AddClipart(scratch, stage, "rose", "Rose", 70, 360), -1, 0, 0, 0, 0, 125);
    AddEffect(AddClipart(scratch, stage, "flower", "Flower", 640, 380), -1, 0, 0, 0, 0, 125);
    AddEffect(AddClip(scratch, *movie, "dancinghearts", "Dancing hearts", 230, 300, 1.3), -1, 0, 0,
        0, 0, 125);
    AddEffect(AddClip(scratch, *movie, "floatinghearts", "Floating hearts", 560, 60, 0.8), -1, 0, 0,
        0, 0, 125);
    AddEffect(
        AddClipart(scratch, stage, "letter", "Love letter", -120, 200), 0, 3.0f, 0, 0, 0, 125);
    AddEffect(AddTitle(stage, "With love, always", 120, 70, 440, 100, 40, kCoral, kPaperLight), -1,
        0, 0, 0, 0, 125);
    Finish(*movie);
    return movie;
}

std::unique_ptr<CAbstractMovie> SeasonGreeting(CScratch& scratch)
{
    auto movie = CAbstractMovie::NewProject();
    CStage& stage = *movie->GetFirstStage();
    stage.SetBackgroundBMP(MakeBackground(scratch, "snowynight"));
    stage.SetSound(MakeSound(scratch, "midi:jinglebells", "Jingle Bells"));
    AddEffect(
        AddClip(scratch, *movie, "fallingsnow", "Falling snow", 20, 0, 1.4), -1, 0, 0, 0, 0, 120);
    AddEffect(
        AddClip(scratch, *movie, "fallingsnow", "Falling snow", 420, 40, 1.4), -1, 0, 0, 0, 0, 120);
    AddEffect(
        AddClip(scratch, *movie, "twinklingtree", "Twinkling tree", 520, 260), -1, 0, 0, 0, 0, 120);
    AddEffect(AddClipart(scratch, stage, "snowman", "Snowman", 300, 400), -1, 0, 0, 0, 0, 120);
    AddEffect(AddClipart(scratch, stage, "bell", "Bell", 120, 320), 20, 14.0f, kTwoPi25, 0, 0, 120);
    AddEffect(AddTitle(stage, "Season's Greetings", 110, 60, 480, 100, 42, kTeal, kPaperLight), -1,
        0, 0, 0, 0, 120);
    Finish(*movie);
    return movie;
}

bool StoreHeader(const std::string& path, CHeaderObject& header)
{
    CArchive ar(path);
    header.Store(ar);
    return !ar.IsFailed() && WriteBytes(path, ar.Buffer());
}

} // namespace

const std::vector<LibraryEntry>& LibraryEntries()
{
    static const std::vector<LibraryEntry> entries = MakeEntries();
    return entries;
}

std::vector<std::string> SampleFileNames()
{
    return { "Happy Birthday.kel", "With love.kel", "Season's Greetings.kel" };
}

std::string FailureTemplateName(platform::ELanguage language)
{
    return platform::LanguageFileName("err", "msg", language);
}

std::string FailureTemplate(platform::ELanguage language)
{
    // The arguments: the program's title three times, then the address to write to for help.
    // What failed is said after this letter, so the letter names no cause of its own.
    if (language == platform::ELanguage::German)
        return "Leider konnte %s Ihren Gruß nicht senden.\n\n"
               "Was nicht geklappt hat, steht am Ende dieser Nachricht. Wenn der Mailserver nicht "
               "erreichbar war oder den Gruß abgelehnt hat, prüfen Sie, ob dieser Computer mit dem "
               "Internet verbunden ist und ob der Mailserver und Ihre eigene E-Mail-Adresse in den "
               "Mail-Optionen von %s richtig eingetragen sind.\n\n"
               "Ihr Gruß ist sicher: Er ist noch in %s geöffnet, Sie können es also gleich noch "
               "einmal versuchen.\n\n"
               "Hilfe bekommen Sie unter %s\n";
    if (language == platform::ELanguage::French)
        return "Désolé, %s n’a pas pu envoyer votre carte.\n\n"
               "Ce qui a échoué est indiqué à la fin de ce message. Si le serveur de messagerie "
               "n’a pas pu être joint ou a refusé la carte, vérifiez que cet ordinateur est "
               "connecté à Internet, et que le serveur de messagerie et votre propre adresse "
               "électronique sont "
               "correctement indiqués dans les options de messagerie de %s.\n\n"
               "Votre carte ne risque rien : elle est toujours ouverte dans %s, vous pouvez donc "
               "simplement réessayer dans un instant.\n\n"
               "Pour obtenir de l’aide, écrivez à %s\n";
    if (language != platform::ELanguage::English)
        if (const char* letter = BuiltInFailureLetter(platform::LanguageCode(language)))
            return letter;
    return "Sorry, %s could not send your greeting.\n\n"
           "What failed is said at the end of this message. When the mail server could not be "
           "reached or refused the greeting, check that this computer is connected to the "
           "Internet, and that the mail server and your own e-mail address are entered "
           "correctly in the mail options of %s.\n\n"
           "Your greeting is safe: it is still open in %s, so you can simply try again in a "
           "moment.\n\n"
           "For help, write to %s\n";
}

bool WriteLibrary(const std::string& dataDir, std::string& error)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(dataDir, ec);
    fs::create_directories(dataDir + "/" + kSamplesFolder, ec);
    if (!fs::is_directory(dataDir)) {
        error = dataDir + ": cannot make the data directory";
        return false;
    }
    const std::string scratchDir = dataDir + "/.scratch";
    fs::remove_all(scratchDir, ec);
    fs::create_directories(scratchDir, ec);
    struct Cleanup {
        std::string dir;
        ~Cleanup()
        {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        }
    } cleanup { scratchDir };
    CScratch scratch(scratchDir);

    for (const LibraryEntry& entry : LibraryEntries()) {
        const std::string number = std::to_string(entry.nItem);
        const std::string itemPath = dataDir + "/" + number + ".zty";
        CHeaderObject header;
        header.m_strName = entry.strName;
        header.m_strCategory = entry.strCategory;
        header.m_nValue = entry.nItem;
        header.m_nType = static_cast<uint8_t>(entry.nType);
        bool stored = false;
        switch (entry.nType) {
        case CHeaderObject::typeBackground: {
            QImage picture = DrawBackground(entry.strKey);
            auto holder = MakeBackground(scratch, entry.strKey);
            header.m_pPreview
                = scratch.TrueColour(Preview(picture, QImage()), entry.strKey + "-preview.bmp");
            stored = StoreObject(itemPath, *holder);
            break;
        }
        case CHeaderObject::typeClipart: {
            Sticker sticker = DrawClipart(entry.strKey, ClipartHeight(entry.strKey));
            auto clipart = MakeClipart(scratch, entry.strKey, ClipartHeight(entry.strKey));
            header.m_pPreview = scratch.TrueColour(
                Preview(sticker.picture, sticker.mask), entry.strKey + "-preview.bmp");
            stored = StoreObject(itemPath, *clipart);
            break;
        }
        case CHeaderObject::typeAnimation: {
            Sticker still = ClipPicture(entry.strKey);
            auto clip = MakeClip(scratch, entry.strKey, nullptr);
            header.m_pPreview = scratch.TrueColour(
                Preview(still.picture, still.mask), entry.strKey + "-preview.bmp");
            stored = StoreObject(itemPath, *clip);
            break;
        }
        case CHeaderObject::typeSound:
        case CHeaderObject::typeObjectSound: {
            auto sound = MakeSound(scratch, entry.strKey, entry.strName);
            const bool midi = entry.strKey.rfind("midi:", 0) == 0;
            header.m_pPreview = scratch.TrueColour(
                SoundPreview(midi), midi ? "tune-preview.bmp" : "sound-preview.bmp");
            stored = sound && StoreObject(itemPath, *sound);
            break;
        }
        default:
            break;
        }
        if (!stored || scratch.Failed()) {
            error = itemPath + ": cannot be written";
            return false;
        }
        if (!StoreHeader(dataDir + "/" + number + ".hdr", header)) {
            error = dataDir + "/" + number + ".hdr: cannot be written";
            return false;
        }
    }

    std::vector<platform::ELanguage> languages { platform::ELanguage::English };
    languages.insert(languages.end(), std::begin(platform::kTranslatedLanguages),
        std::end(platform::kTranslatedLanguages));
    for (platform::ELanguage language : languages) {
        const std::string message = FailureTemplate(language);
        const std::string path = dataDir + "/" + FailureTemplateName(language);
        if (!WriteBytes(path, std::vector<uint8_t>(message.begin(), message.end()))) {
            error = path + ": cannot be written";
            return false;
        }
    }
    // An empty address book: its archive is the entry count 0 as a 16-bit word.
    if (!WriteBytes(dataDir + "/book.dat", { 0x00, 0x00 })) {
        error = dataDir + "/book.dat: cannot be written";
        return false;
    }

    const auto names = SampleFileNames();
    std::unique_ptr<CAbstractMovie> samples[]
        = { BirthdayGreeting(scratch), LoveGreeting(scratch), SeasonGreeting(scratch) };
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string path = dataDir + "/" + kSamplesFolder + "/" + names[i];
        if (scratch.Failed() || !SaveProject(*samples[i], path)) {
            error = path + ": cannot be written";
            return false;
        }
    }
    return true;
}

std::unique_ptr<CAbstractMovie> ClipShowcase(const std::string& dataDir)
{
    auto movie = CAbstractMovie::NewProject();
    CStage& stage = *movie->GetFirstStage();
    auto background = std::make_unique<CBackground>();
    background->SetBackground(0xE4F4FF, 0, 0, 0, 0, 0);
    stage.SetBackground(std::move(background));
    int longest = 1;
    for (const auto& [key, design] : ClipDesigns())
        longest = std::max(longest, design.nFrames);
    int index = 0;
    for (const LibraryEntry& entry : LibraryEntries()) {
        if (entry.nType != CHeaderObject::typeAnimation)
            continue;
        // Read as the browser reads it when the clip is dropped on a stage.
        auto clip = std::make_unique<CAnimationObject>();
        if (!LoadObject(dataDir + "/" + std::to_string(entry.nItem) + ".zty", *clip, movie.get()))
            return nullptr;
        const CSize original = clip->GetOriginalSize();
        // Four to a row, each in a 200 x 300 cell, at its own proportions.
        double scale = std::min(190.0 / original.cx, 280.0 / original.cy);
        int x = (index % 4) * 200 + 5, y = (index / 4) * 300 + 10;
        CLayer* layer = stage.AddObject(CGenericDrawing::kindAnimation, x, y,
            static_cast<int>(original.cx * scale), static_cast<int>(original.cy * scale));
        layer->m_pDrawing->m_strName = entry.strName;
        layer->m_pDrawing->SetObject(std::move(clip));
        layer->AttachParts();
        AddEffect(layer, -1, 0, 0, 0, 0, 2 * longest);
        ++index;
    }
    Finish(*movie);
    return movie;
}

} // namespace content
