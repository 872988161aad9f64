// Pixels of what the model draws, where the geometry is fixed.
#include "model/movie.h"
#include "platform/dc.h"
#include "tests/scripts.h"

#include <QTextLayout>

#include <memory>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

int CountColor(const CDC& dc, COLORREF color)
{
    int n = 0;
    for (int y = 0; y < dc.Height(); ++y)
        for (int x = 0; x < dc.Width(); ++x)
            n += dc.GetPixel(x, y) == color;
    return n;
}

// The bounding box of every pixel that is not white.
CRect InkBox(const CDC& dc)
{
    CRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = 0; y < dc.Height(); ++y)
        for (int x = 0; x < dc.Width(); ++x)
            if (dc.GetPixel(x, y) != kWhite)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

CDrawRect LineShape(int32_t wx, int32_t wy)
{
    CDrawRect line;
    line.m_nShape = CDrawRect::line;
    line.m_logpen = {PS_SOLID, {wx, wy}, kBlack};
    return line;
}

TEST(LineShape, ThickLineEndsArePulledInsideTheRectangle)
{
    CDC dc(110, 60);
    LineShape(4, 4).Draw(dc, {0, 0, 100, 50});
    EXPECT_EQ(dc.GetPixel(2, 2), kBlack);
    EXPECT_EQ(dc.GetPixel(50, 25), kBlack);
    EXPECT_EQ(dc.GetPixel(98, 48), kBlack);
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite); // a line from the corner itself would cover it
    EXPECT_EQ(dc.GetPixel(100, 50), kWhite);
}

TEST(LineShape, PenWidthSetterLeavesTheVerticalEndsAlone)
{
    CDrawRect line = LineShape(1, 1);
    line.SetPenWidth(4);
    EXPECT_EQ(line.m_logpen.lopnWidth, (CPoint{4, 0}));
    CDC dc(110, 60);
    line.Draw(dc, {0, 0, 100, 50});
    EXPECT_EQ(dc.GetPixel(2, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(98, 50), kBlack);
    EXPECT_EQ(dc.GetPixel(98, 51), kBlack); // with the width (4, 4) the end is at (98, 48)
    CDC other(110, 60);
    LineShape(4, 4).Draw(other, {0, 0, 100, 50});
    EXPECT_EQ(other.GetPixel(98, 51), kWhite);
}

TEST(PolygonShape, PointsSharingOneXDrawAVerticalLineAtTheLeftEdge)
{
    CDrawPoly poly;
    for (CPoint pt : {CPoint{5, 0}, CPoint{5, 10}, CPoint{5, 20}})
        poly.AddPoint(pt);
    poly.m_logpen = {PS_SOLID, {1, 1}, kBlack};
    CDC dc(80, 80);
    poly.Draw(dc, {10, 10, 60, 60});
    EXPECT_EQ(dc.GetPixel(10, 30), kBlack);
    EXPECT_EQ(dc.GetPixel(11, 30), kWhite);
    EXPECT_EQ(dc.GetPixel(35, 35), kWhite);
    EXPECT_EQ(InkBox(dc), (CRect{10, 10, 11, 61}));
}

TEST(PolygonShape, PointsMapFromTheirBoundingBoxAndFillAlternately)
{
    // A five-pointed star: its middle is outside under the alternate rule.
    CDrawPoly star;
    for (CPoint pt : {CPoint{50, 0}, CPoint{79, 90}, CPoint{2, 35}, CPoint{98, 35}, CPoint{21, 90}})
        star.AddPoint(pt);
    star.m_logbrush = {BS_SOLID, 0x0000FF, 0};
    star.m_bPen = 0;
    CDC dc(120, 120);
    star.Draw(dc, {10, 10, 106, 100});
    EXPECT_EQ(dc.GetPixel(58, 55), kWhite);    // the pentagon in the middle
    EXPECT_EQ(dc.GetPixel(58, 20), 0x0000FFu); // the top point
    EXPECT_LE(InkBox(dc).left, 12); // the left point is sharp
    EXPECT_TRUE(star.IntersectsRect({45, 5, 55, 15}));
    EXPECT_FALSE(star.IntersectsRect({48, 45, 52, 50}));
    EXPECT_FALSE(star.IntersectsRect({0, 80, 10, 90}));
}

TEST(PolygonShape, AddPointSkipsRepeatsAndGrowsByTen)
{
    CDrawPoly poly;
    poly.AddPoint({1, 1});
    poly.AddPoint({1, 1});
    EXPECT_EQ(poly.GetPointCount(), 1);
    EXPECT_EQ(poly.m_nAllocPoints, 10);
    for (int i = 0; i < 10; ++i)
        poly.AddPoint({i + 2, 0});
    EXPECT_EQ(poly.GetPointCount(), 11);
    EXPECT_EQ(poly.m_nAllocPoints, 20);
    EXPECT_EQ(poly.GetPoint(1), (CPoint{1, 1}));
    EXPECT_EQ(poly.GetPoint(11), (CPoint{11, 0}));
}

TEST(RectShape, RoundRectangleSmallerThanItsCornersLooksLikeAnEllipse)
{
    CDrawRect round, ellipse;
    round.m_nShape = CDrawRect::roundRectangle;
    round.m_ptRound = {16, 16};
    ellipse.m_nShape = CDrawRect::ellipse;
    for (CDrawRect* shape : {&round, &ellipse}) {
        shape->m_logbrush = {BS_SOLID, 0x00FF00, 0};
        shape->m_bPen = 0;
    }
    CDC a(12, 12), b(12, 12);
    round.Draw(a, {0, 0, 10, 10});
    ellipse.Draw(b, {0, 0, 10, 10});
    EXPECT_EQ(a.GetPixel(0, 0), kWhite);
    EXPECT_EQ(a.GetPixel(5, 5), 0x00FF00u);
    EXPECT_NEAR(CountColor(a, 0x00FF00), CountColor(b, 0x00FF00), 8);
}

TEST(RectShape, InsideFrameOutlineStaysInsideTheRectangle)
{
    CDrawRect rect;
    rect.m_logpen = {PS_INSIDEFRAME, {3, 3}, 0xFF0000};
    rect.m_logbrush = {BS_SOLID, 0x00FF00, 0};
    CDC dc(40, 40);
    rect.Draw(dc, {10, 10, 30, 30});
    EXPECT_EQ(InkBox(dc), (CRect{10, 10, 30, 30}));
    EXPECT_EQ(dc.GetPixel(10, 10), 0xFF0000u);
    EXPECT_EQ(dc.GetPixel(12, 20), 0xFF0000u);
    EXPECT_EQ(dc.GetPixel(13, 20), 0x00FF00u);
}

TEST(FocusMode, DrawnObjectsOutOfFocusAreGreyWithABlackOutline)
{
    auto movie = CAbstractMovie::NewProject();
    CStage* stage = movie->GetFirstStage();
    CLayer* layer = stage->AddObject(CGenericDrawing::kindDrawn, 10, 10, 40, 40);
    auto drawn = std::make_unique<CDrawnObject>();
    auto shape = std::make_unique<CDrawRect>();
    shape->m_logpen = {PS_INSIDEFRAME, {3, 3}, 0x0000FF};
    shape->m_logbrush = {BS_SOLID, 0x00FFFF, 0};
    drawn->m_pShape = std::move(shape);
    layer->m_pDrawing->SetObject(std::move(drawn));
    layer->AttachParts();

    CDC dc(60, 60);
    movie->m_bFocusMode = 1;
    movie->m_nFocusLayerId = layer->m_nId + 1000;
    layer->m_pDrawing->Draw(dc, {10, 10, 50, 50}, nullptr, nullptr);
    EXPECT_EQ(dc.GetPixel(30, 30), 0x808080u);
    EXPECT_EQ(dc.GetPixel(10, 30), kBlack);
    EXPECT_EQ(dc.GetPixel(12, 30), kBlack);

    // The layer in focus keeps its own colours.
    movie->m_nFocusLayerId = layer->m_nId;
    layer->m_pDrawing->Draw(dc, {10, 10, 50, 50}, nullptr, nullptr);
    EXPECT_EQ(dc.GetPixel(30, 30), 0x00FFFFu);
    EXPECT_EQ(dc.GetPixel(10, 30), 0x0000FFu);
}

// An 8 x 8 picture: red, with a mask black on its left half (the picture shows there).
std::unique_ptr<CHBitmap> Picture(bool withMask)
{
    auto make = [](auto pixel) {
        auto bitmap = std::make_unique<CHBitmap>();
        std::vector<uint8_t> file{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
        auto put32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i)
                file.push_back(static_cast<uint8_t>(v >> (8 * i)));
        };
        put32(40);
        put32(8);
        put32(8);
        put32(1 | (24 << 16));
        for (int i = 0; i < 6; ++i)
            put32(0);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                COLORREF c = pixel(x);
                file.push_back(GetBValue(c));
                file.push_back(GetGValue(c));
                file.push_back(GetRValue(c));
            }
        std::string path = testing::TempDir() + "/picture.bmp";
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(file.data(), 1, file.size(), f);
        std::fclose(f);
        EXPECT_TRUE(bitmap->LoadFromFile(path));
        std::remove(path.c_str());
        return bitmap;
    };
    auto picture = make([](int) { return COLORREF{0x0000FF}; });
    if (withMask)
        picture->SetMask(make([](int x) { return x < 4 ? kBlack : kWhite; }));
    return picture;
}

TEST(Clipart, MaskLetsTheBackgroundShowWhereItIsWhite)
{
    CClipartObject clipart;
    clipart.m_pBitmap = Picture(true);
    CDC frame(40, 40), work(40, 40), mask(40, 40, true);
    frame.FillSolidRect({0, 0, 40, 40}, 0x00FF00);
    clipart.Draw(frame, {10, 10, 26, 26}, &work, &mask);
    for (int y = 10; y < 26; ++y)
        for (int x = 10; x < 26; ++x)
            ASSERT_EQ(frame.GetPixel(x, y), x < 18 ? 0x0000FFu : 0x00FF00u) << x << "," << y;
    EXPECT_EQ(frame.GetPixel(9, 9), 0x00FF00u);
    EXPECT_EQ(frame.GetPixel(26, 26), 0x00FF00u);

    // Out of focus, the opaque part turns black and the rest stays.
    clipart.DrawAlternate(frame, {10, 10, 26, 26}, &work, &mask);
    EXPECT_EQ(frame.GetPixel(12, 12), kBlack);
    EXPECT_EQ(frame.GetPixel(22, 12), 0x00FF00u);
}

TEST(Clipart, OnePassGivesTheSamePixelsAsTheThreePasses)
{
    auto picture = Picture(true);
    // Some grey in the mask: a mask buffer turns it black.
    QImage maskImage = picture->GetMask()->GetImage();
    maskImage.setPixel(6, 6, 0xFF808080u);
    const QImage& image = picture->GetImage();
    for (CRect rc : {CRect{3, 4, 27, 17}, CRect{30, 30, 5, 9}, CRect{-5, -3, 8, 8}}) {
        CDC fused(32, 32), staged(32, 32), work(32, 32), mask(32, 32, true);
        for (CDC* dc : {&fused, &staged})
            for (int i = 0; i < 32; ++i)
                dc->FillSolidRect({i, 0, i + 1, 32}, RGB(static_cast<uint8_t>(i * 8), 90, 200));
        fused.StretchMasked(rc, image, maskImage);
        work.StretchImage(rc, image, {0, 0, 8, 8}, SRCCOPY);
        mask.StretchImage(rc, maskImage, {0, 0, 8, 8}, SRCCOPY);
        staged.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), work, rc.left, rc.top, SRCINVERT);
        staged.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), mask, rc.left, rc.top, SRCAND);
        staged.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), work, rc.left, rc.top, SRCINVERT);
        EXPECT_EQ(fused.Image(), staged.Image());
    }
}

TEST(Clipart, WithoutMaskDrawsOpaquelyAlsoOutOfFocus)
{
    CClipartObject clipart;
    clipart.m_pBitmap = Picture(false);
    CDC frame(40, 40), work(40, 40), mask(40, 40, true);
    frame.FillSolidRect({0, 0, 40, 40}, 0x00FF00);
    clipart.DrawAlternate(frame, {10, 10, 26, 26}, &work, &mask);
    EXPECT_EQ(frame.GetPixel(22, 12), 0x0000FFu);
    EXPECT_EQ(CountColor(frame, 0x0000FF), 16 * 16);
}

TEST(Clipart, EmptyRectangleDrawsNothing)
{
    CClipartObject clipart;
    clipart.m_pBitmap = Picture(true);
    CDC frame(40, 40), work(40, 40), mask(40, 40, true);
    clipart.Draw(frame, {10, 10, 10, 30}, &work, &mask);
    clipart.Draw(frame, {10, 10, 30, 10}, &work, &mask);
    EXPECT_EQ(CountColor(frame, kWhite), 40 * 40);
}

TEST(Bitmap, StretchesByDroppingAndRepeatingPixels)
{
    auto picture = Picture(true);
    const CHBitmap* mask = picture->GetMask();
    CDC dc(4, 4);
    mask->Draw(dc, {0, 0, 4, 4}); // halved: columns 0, 2, 4, 6 of the mask
    EXPECT_EQ(dc.GetPixel(1, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(2, 0), kWhite);
    CDC mirror(8, 8);
    mask->Draw(mirror, {8, 0, 0, 8}); // a negative width mirrors
    EXPECT_EQ(mirror.GetPixel(0, 0), kWhite);
    EXPECT_EQ(mirror.GetPixel(7, 0), kBlack);
}

TEST(Background, ColourFillsFromTheOriginAndOtherModesDrawNothing)
{
    CBackground background;
    background.SetBackground(0x336699, 0, 0, 0, 0, 0);
    CDC dc(20, 20);
    background.Draw(dc, {5, 5, 15, 15});
    EXPECT_EQ(dc.GetPixel(0, 0), 0x336699u);
    EXPECT_EQ(dc.GetPixel(9, 9), 0x336699u);
    EXPECT_EQ(dc.GetPixel(10, 10), kWhite);
    CDC other(20, 20);
    background.SetBackground(0x336699, 1, 0, 0, 0, 0);
    background.Draw(other, {0, 0, 20, 20});
    EXPECT_EQ(CountColor(other, kWhite), 400);
}

struct TextLayout {
    CRect ink;
};

TextLayout DrawTextShape(bool plain)
{
    CDrawTextRect text;
    text.m_strText = "Joyeux anniversaire et bonne f\u00EAte \u00E0 toi";
    std::strcpy(text.m_logfont.lfFaceName, "Arial");
    text.m_logfont.lfHeight = -16;
    text.m_logfont.lfWeight = 400;
    text.m_nShape = 3; // no frame
    text.m_bBrush = 0;
    text.SetPlainText(plain ? 1 : 0);
    CDC dc(120, 200);
    text.Draw(dc, {0, 0, 120, 200});
    return {InkBox(dc)};
}

TEST(TextShape, PlainTextWrapsFromTheTopLeft)
{
    TextLayout layout = DrawTextShape(true);
    EXPECT_LT(layout.ink.top, 8);
    EXPECT_LT(layout.ink.left, 4);
    EXPECT_GT(layout.ink.bottom - layout.ink.top, 30); // more than one line
    EXPECT_LT(layout.ink.right, 121);
}

TEST(TextShape, CentredTextIsMeasuredThenCentredAsABlock)
{
    TextLayout layout = DrawTextShape(false);
    const int above = layout.ink.top, below = 200 - layout.ink.bottom;
    EXPECT_GT(above, 50);
    EXPECT_NEAR(above, below, 12);
    EXPECT_GT(layout.ink.bottom - layout.ink.top, 30);
    EXPECT_NEAR(layout.ink.left, 120 - layout.ink.right, 12);
}

// Texts from damaged or hand-made projects may hold NUL and other control characters. They
// are not drawn (no box, no fallback font looked for them), and the text around them is.
TEST(TextShape, ControlCharactersDrawNothing)
{
    auto inkOf = [](const std::string& string) {
        CDrawTextRect text;
        text.m_strText = string;
        std::strcpy(text.m_logfont.lfFaceName, "Arial");
        text.m_logfont.lfHeight = -16;
        text.m_logfont.lfWeight = 400;
        text.m_nShape = 3;
        text.m_bBrush = 0;
        text.SetPlainText(1);
        CDC dc(200, 60);
        text.Draw(dc, {0, 0, 200, 60});
        return CountColor(dc, kWhite);
    };
    const int plain = inkOf("Hi there");
    EXPECT_EQ(inkOf(std::string("Hi\0 there", 9)), plain);
    EXPECT_EQ(inkOf(std::string("Hi\x01\x02\x1F there\x7F", 13)), plain);
    EXPECT_EQ(inkOf(std::string(40, '\0')), 200 * 60);
}

TEST(TextShape, PlainTextTakesAwayOutlineAndFillForGood)
{
    CDrawTextRect text;
    text.SetPlainText(1);
    EXPECT_EQ(text.m_bPen, 0);
    EXPECT_EQ(text.m_bBrush, 0);
    EXPECT_EQ(text.m_logpen.lopnStyle, PS_NULL);
    text.SetPlainText(0);
    EXPECT_EQ(text.m_bPlainText, 0);
    EXPECT_EQ(text.m_bPen, 0);
    EXPECT_EQ(text.m_bBrush, 0);
}

TEST(DeviceContext, MappingScalesLogicalCoordinatesOntoTheViewport)
{
    CDC dc(100, 100);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(-20, -10);
    dc.SetWindowExt(400, 400);
    dc.SetViewportExt(100, 100);
    EXPECT_EQ(dc.LPtoDP(CPoint{0, 0}), (CPoint{5, 3}));
    dc.SaveDC();
    dc.SetMapMode(MM_TEXT);
    dc.SetWindowOrg(0, 0);
    EXPECT_EQ(dc.LPtoDP(CPoint{7, 7}), (CPoint{7, 7}));
    dc.RestoreDC();
    EXPECT_EQ(dc.LPtoDP(CPoint{380, 390}), (CPoint{100, 100}));
    dc.FillSolidRect({0, 0, 40, 40}, kBlack);
    EXPECT_EQ(InkBox(dc), (CRect{5, 3, 15, 13}));
}

TEST(DeviceContext, MaskBufferStaysBlackAndWhite)
{
    CDC mask(10, 10, true);
    mask.FillSolidRect({0, 0, 5, 10}, 0x808080);
    EXPECT_EQ(mask.GetPixel(2, 2), kBlack);
    EXPECT_EQ(mask.GetPixel(7, 2), kWhite);
}

std::unique_ptr<CDC> DrawnText(const std::string& string, int width, int height, COLORREF color = kBlack)
{
    CDrawTextRect text;
    text.m_strText = string;
    std::strcpy(text.m_logfont.lfFaceName, "Arial");
    text.m_logfont.lfHeight = -24;
    text.m_logfont.lfWeight = 400;
    text.m_crText = color;
    text.m_nShape = 3;
    text.m_bBrush = 0;
    text.SetPlainText(1);
    auto dc = std::make_unique<CDC>(width, height);
    text.Draw(*dc, {0, 0, width, height});
    return dc;
}

class ScriptDrawingTest : public testing::TestWithParam<ScriptText> {};

// Every character is drawn with a glyph of some installed font (none is the missing-glyph box
// of the font chosen), and ink is drawn.
TEST_P(ScriptDrawingTest, EveryCharacterHasAGlyph)
{
    LOGFONT lf {};
    std::strcpy(lf.lfFaceName, "Arial");
    lf.lfHeight = -24;
    QTextLayout layout(QString::fromStdString(GetParam().strText), FontOfLogFont(lf));
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (quint32 index : run.glyphIndexes()) {
            EXPECT_NE(index, 0u) << run.rawFont().familyName().toStdString();
            ++glyphs;
        }
    }
    EXPECT_GT(glyphs, 0);
    EXPECT_GT(700 * 60 - CountColor(*DrawnText(GetParam().strText, 700, 60), kWhite), 50);
}

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptDrawingTest, testing::ValuesIn(ScriptTexts()),
    [](const auto& info) { return std::string(info.param.szScript); });

// Emoji come in their own colours, whatever the text's colour.
TEST(TextShape, EmojiAreDrawnInColour)
{
    const auto drawn = DrawnText("\U0001F382\U0001F381", 120, 60);
    const CDC& dc = *drawn;
    int coloured = 0;
    for (int y = 0; y < dc.Height(); ++y) {
        for (int x = 0; x < dc.Width(); ++x) {
            const COLORREF c = dc.GetPixel(x, y);
            const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
            coloured += std::max({ r, g, b }) - std::min({ r, g, b }) > 60;
        }
    }
    EXPECT_GT(coloured, 100);
}

// A right-to-left paragraph starts at the right edge: its first word is drawn there, the same
// whether more words follow it or not.
TEST(TextShape, ArabicRunsFromTheRight)
{
    const std::string first = "\u0639\u064A\u062F"; // the first word
    const auto drawnAlone = DrawnText(first, 400, 40);
    const auto drawnSentence = DrawnText(first + " \u0645\u064A\u0644\u0627\u062F \u0633\u0639\u064A\u062F", 400, 40);
    const CDC& alone = *drawnAlone;
    const CDC& sentence = *drawnSentence;
    const CRect word = InkBox(alone);
    ASSERT_GT(word.right, word.left);
    EXPECT_GT(word.right, 390); // at the right edge, not the left
    EXPECT_GT(InkBox(sentence).left, 0);
    EXPECT_LT(InkBox(sentence).left, word.left - 20); // the words after it lie to its left
    int differing = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = word.left; x < 400; ++x)
            differing += alone.GetPixel(x, y) != sentence.GetPixel(x, y);
    EXPECT_LT(differing, 10);
}

// Scripts written without spaces break between their characters when a line is full.
TEST(TextShape, TextWithoutSpacesWrapsToTheBox)
{
    const std::string chinese = "\u751F\u65E5\u5FEB\u4E50\u751F\u65E5\u5FEB\u4E50\u751F\u65E5\u5FEB\u4E50";
    const CRect ink = InkBox(*DrawnText(chinese, 100, 200));
    EXPECT_LE(ink.right, 100);
    EXPECT_GT(ink.bottom - ink.top, 50); // several lines
}

} // namespace

