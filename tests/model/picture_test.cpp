// What the model makes of pictures: photo backgrounds, frames, quarter turns and imported
// objects, from pictures made here.
#include "model/picture.h"

#include "model/archive.h"
#include "model/movie.h"
#include "platform/files.h"
#include "platform/message.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <filesystem>
#include <string>

namespace {

constexpr QRgb kMarker = 0xFFE01010;
constexpr QRgb kEdge = 0xFF10C020;
constexpr QRgb kPhoto = 0xFF3050A0;

class PictureFiles : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("picturetest");
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Write(const QImage& image, const std::string& name) const
    {
        const std::string path = m_dir + "/" + name;
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }
    std::string m_dir;
};

// A photo of the colour with a marker square in its middle and bands of another colour along
// its left and right edges.
QImage Photo(int width, int height, int band)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kPhoto);
    QPainter painter(&image);
    painter.fillRect(0, 0, band, height, QColor(kEdge));
    painter.fillRect(width - band, 0, band, height, QColor(kEdge));
    painter.fillRect(width / 2 - 60, height / 2 - 60, 120, 120, QColor(kMarker));
    return image;
}

bool Near(QRgb a, QRgb b, int tolerance = 30)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// ---- Backgrounds ---------------------------------------------------------------------------

struct FillCase {
    int width, height, band;
    const char* file;
};

class BackgroundFill : public PictureFiles, public testing::WithParamInterface<FillCase> {};

TEST_P(BackgroundFill, covers_the_stage_cropped_in_the_middle)
{
    const FillCase& c = GetParam();
    const std::string path = Write(Photo(c.width, c.height, c.band), c.file);
    auto holder = ReadBackgroundPicture(path, EBackgroundFit::fill, 0xFFFFFF);
    ASSERT_TRUE(holder && holder->m_pBitmap);
    const QImage& stage = holder->m_pBitmap->GetImage();
    ASSERT_EQ(stage.size(), QSize(800, 600));
    EXPECT_TRUE(Near(stage.pixel(400, 300), kMarker)) << std::hex << stage.pixel(400, 300);
    // The bands along a wide picture's sides lie beyond its 4:3 middle: cropped off.
    for (const QPoint pt : {QPoint(2, 300), QPoint(797, 300)})
        EXPECT_TRUE(Near(stage.pixel(pt), kPhoto)) << pt.x() << ": " << std::hex << stage.pixel(pt);
    EXPECT_EQ(holder->m_pBitmap->GetMask(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Photos, BackgroundFill,
    testing::Values(FillCase{4000, 3000, 0, "photo.jpg"}, FillCase{4000, 2000, 500, "wide.png"},
        FillCase{1200, 2400, 0, "tall.png"}, FillCase{400, 300, 0, "small.png"}));

TEST_F(PictureFiles, a_fitted_tall_picture_has_the_background_colour_at_its_sides)
{
    QImage tall(300, 900, QImage::Format_RGB32);
    tall.fill(kPhoto);
    const std::string path = Write(tall, "tall.png");
    const COLORREF colour = RGB(250, 240, 10);
    auto holder = ReadBackgroundPicture(path, EBackgroundFit::fit, colour);
    ASSERT_TRUE(holder && holder->m_pBitmap);
    const QImage& stage = holder->m_pBitmap->GetImage();
    ASSERT_EQ(stage.size(), QSize(800, 600));
    // 300 x 900 fitted is 200 x 600, from x = 300 to 500.
    for (const int x : {5, 290, 510, 795})
        EXPECT_EQ(stage.pixel(x, 300) & 0xFFFFFF, 0xFAF00Au) << x;
    for (const int x : {305, 400, 495})
        EXPECT_TRUE(Near(stage.pixel(x, 300), kPhoto)) << x;
}

TEST(BackgroundSetting, a_new_picture_keeps_the_stage_s_background_sound)
{
    auto movie = CAbstractMovie::NewProject();
    CStage* stage = movie->GetFirstStage();
    auto first = std::make_unique<CBackgroundBMP>();
    first->m_pSound = std::make_unique<CSound>();
    CSound* sound = first->m_pSound.get();
    stage->SetBackgroundBMP(std::move(first));
    auto second = std::make_unique<CBackgroundBMP>();
    second->m_pBitmap = BitmapFromPicture(Photo(800, 600, 0), "photo.png");
    SetBackgroundPicture(*stage, std::move(second));
    ASSERT_TRUE(stage->m_pBackgroundBMP->m_pBitmap);
    EXPECT_EQ(stage->m_pBackgroundBMP->m_pSound.get(), sound);
}

// ---- Frames --------------------------------------------------------------------------------

bool Inside(const QImage& mask, int x, int y)
{
    return qGray(mask.pixel(x, y)) < 128;
}

struct FrameCase {
    EPictureFrame frame;
    const char* name;
    std::vector<QPoint> inside;
    std::vector<QPoint> outside;
};

class Frames : public testing::TestWithParam<FrameCase> {};

TEST_P(Frames, the_mask_has_the_frame_s_shape_in_black_and_white)
{
    const FrameCase& c = GetParam();
    const QImage mask = FrameMask(c.frame, {200, 160});
    ASSERT_EQ(mask.size(), QSize(200, 160));
    for (const QPoint pt : c.inside)
        EXPECT_TRUE(Inside(mask, pt.x(), pt.y())) << pt.x() << "," << pt.y();
    for (const QPoint pt : c.outside)
        EXPECT_FALSE(Inside(mask, pt.x(), pt.y())) << pt.x() << "," << pt.y();
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb pixel = mask.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(pixel == 0 || pixel == 0xFFFFFF) << x << "," << y;
        }
    EPictureFrame named = EPictureFrame::none;
    EXPECT_TRUE(FrameByName(c.name, named));
    EXPECT_EQ(named, c.frame);
}

const QPoint kCorners[] = {{0, 0}, {199, 0}, {0, 159}, {199, 159}};

INSTANTIATE_TEST_SUITE_P(Shapes, Frames,
    testing::Values(
        FrameCase{EPictureFrame::rounded, "rounded", {{100, 80}, {100, 1}, {1, 80}, {10, 10}},
            {kCorners, kCorners + 4}},
        FrameCase{EPictureFrame::circle, "circle", {{100, 80}, {100, 2}, {2, 80}},
            {{kCorners[0], kCorners[1], kCorners[2], kCorners[3], {25, 20}}}},
        // The heart: its middle inside; the notch at the top centre and every corner outside.
        FrameCase{EPictureFrame::heart, "heart", {{100, 88}, {50, 40}, {150, 40}, {100, 150}},
            {{kCorners[0], kCorners[1], kCorners[2], kCorners[3], {100, 10}, {100, 30}}}},
        FrameCase{EPictureFrame::star, "star", {{100, 85}, {100, 3}},
            {{kCorners[0], kCorners[1], kCorners[2], kCorners[3], {100, 157}}}}),
    [](const testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

TEST(Frames, a_framed_picture_keeps_its_see_through_parts_and_the_project_keeps_the_mask)
{
    QImage picture(100, 80, QImage::Format_ARGB32);
    picture.fill(kPhoto);
    // A see-through hole in the middle.
    for (int y = 30; y < 50; ++y)
        for (int x = 40; x < 60; ++x)
            picture.setPixel(x, y, 0);
    auto bitmap = BitmapFromPicture(picture, "hole.png");
    ASSERT_TRUE(bitmap && bitmap->GetMask());
    ASSERT_TRUE(SetPictureFrame(*bitmap, EPictureFrame::circle));
    const QImage& mask = bitmap->GetMask()->GetImage();
    ASSERT_EQ(mask.size(), QSize(100, 80));
    EXPECT_TRUE(Inside(mask, 20, 40));
    EXPECT_FALSE(Inside(mask, 50, 40)); // the hole
    EXPECT_FALSE(Inside(mask, 0, 0));   // outside the circle
    EXPECT_EQ(bitmap->m_strPath, "hole.png");

    // Stored and read as any picture with a mask is.
    CArchive out("framed");
    bitmap->Serialize(out);
    ASSERT_FALSE(out.IsFailed());
    CArchive in(out.TakeBuffer(), "framed");
    CHBitmap read;
    read.Serialize(in);
    ASSERT_FALSE(in.IsFailed());
    ASSERT_TRUE(read.GetMask());
    EXPECT_EQ(read.GetMask()->GetImage(), mask);
}

// ---- Quarter turns -------------------------------------------------------------------------

struct TurnCase {
    int turns;
    QPoint red; // where the picture's red left half lies after the turn
};

class QuarterTurns : public testing::TestWithParam<TurnCase> {};

TEST_P(QuarterTurns, turn_the_picture_and_its_mask_clockwise)
{
    QImage picture(60, 40, QImage::Format_ARGB32);
    picture.fill(kPhoto);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 30, 40, QColor(kMarker));
    painter.end();
    picture.setPixel(0, 0, 0); // see-through at the top left
    auto bitmap = BitmapFromPicture(picture, "turn.png");
    ASSERT_TRUE(bitmap);
    ASSERT_TRUE(RotatePicture(*bitmap, GetParam().turns));
    const bool bOdd = GetParam().turns % 2 != 0;
    ASSERT_EQ(bitmap->GetImage().size(), bOdd ? QSize(40, 60) : QSize(60, 40));
    const QPoint red = GetParam().red;
    EXPECT_EQ(bitmap->GetImage().pixel(red) & 0xFFFFFF, kMarker & 0xFFFFFF);
    ASSERT_TRUE(bitmap->GetMask());
    EXPECT_EQ(bitmap->GetMask()->GetImage().size(), bitmap->GetImage().size());
}

INSTANTIATE_TEST_SUITE_P(Turns, QuarterTurns,
    testing::Values(TurnCase{1, {20, 10}}, TurnCase{2, {50, 20}}, TurnCase{3, {20, 50}},
        TurnCase{-1, {20, 50}}, TurnCase{4, {10, 20}}));

// ---- Imported objects ----------------------------------------------------------------------

TEST_F(PictureFiles, an_imported_photo_is_fitted_inside_the_stage_and_stands_still)
{
    const std::string path = Write(Photo(1600, 1600, 0), "square.jpg");
    auto bitmap = ReadPictureBitmap(path);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(QSize(bitmap->GetWidth(), bitmap->GetHeight()), QSize(600, 600));
    auto movie = CAbstractMovie::NewProject();
    CLayer* layer
        = AddPictureObject(*movie->GetFirstStage(), std::move(bitmap), {100, 0}, "square.jpg");
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->m_pPos->m_ptHome, CPoint(100, 0));
    EXPECT_EQ(layer->m_pSize->m_szDesign, CSize(600, 600));
    EXPECT_EQ(layer->m_pDrawing->m_strName, "square.jpg");
    ASSERT_EQ(layer->m_pEffects->GetCount(), 1);
    EXPECT_EQ(layer->m_pEffects->GetHead()->m_nType, -1);
}

TEST_F(PictureFiles, a_damaged_picture_is_refused_with_a_message_naming_it)
{
    const std::string path = Write(Photo(200, 100, 0), "cut.png");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(platform::ReadWholeFile(path, bytes));
    bytes.resize(bytes.size() / 2);
    ASSERT_TRUE(platform::WriteWholeFile(path, bytes));
    platform::CMessageRecorder messages;
    EXPECT_EQ(ReadPictureBitmap(path), nullptr);
    EXPECT_EQ(ReadBackgroundPicture(path, EBackgroundFit::fill, 0), nullptr);
    ASSERT_EQ(messages.m_messages.size(), 2u);
    for (const platform::Message& message : messages.m_messages) {
        EXPECT_EQ(message.nStringId, platform::IDS_READ_ERROR);
        EXPECT_EQ(message.strText.rfind(path + ": the picture is damaged or cut short", 0), 0u)
            << message.strText;
    }
}

} // namespace
