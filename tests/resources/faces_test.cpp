// The faces of the built library: the sizes the windows are built around, the four button
// states plainly different, outlines that follow the faces, controls where they fit, the
// effects strip and the splash.
#include "editor/core/required.h"
#include "platform/resources.h"
#include "playback/effecttable.h"
#include "resources/faces.h"
#include "tests/buildpaths.h"

#include <gtest/gtest.h>

#include <QRegion>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

namespace {

using platform::CResourceLibrary;

const CResourceLibrary& Library()
{
    static std::unique_ptr<CResourceLibrary> library = CResourceLibrary::Load(built::kResourceLibrary);
    if (!library)
        throw std::runtime_error("the built resource library cannot be loaded");
    return *library;
}

struct SizeCase {
    const char* name;
    int width;
    int height;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }

class FaceSize : public testing::TestWithParam<SizeCase> {};

TEST_P(FaceSize, is_the_size_the_window_is_built_around)
{
    QImage image = Library().Bitmap(GetParam().name);
    ASSERT_FALSE(image.isNull()) << GetParam().name;
    EXPECT_EQ(image.size(), QSize(GetParam().width, GetParam().height));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FaceSize,
    testing::Values(SizeCase{"MAIN_WND", 800, 600}, SizeCase{"MAIN_TOOLBAR", 100, 581},
                    SizeCase{"MODUL_TABLA", 616, 462}, SizeCase{"TOOLBOX", 91, 202},
                    SizeCase{"TOOLBOX_MINIMIZED", 147, 31}, SizeCase{"LAYER_MANAGER", 532, 464},
                    SizeCase{"LAYER_MANAGER_PROP", 357, 207}, SizeCase{"RAMA", 302, 422},
                    SizeCase{"OBJECT_PROPERTIES", 325, 255}, SizeCase{"EFFECT_PROPERTIES", 349, 288},
                    SizeCase{"PLAY_STRING", 176, 238}, SizeCase{"ADD_EFFECTS", 336, 185},
                    SizeCase{"MAIL_OPTIONS", 286, 331}, SizeCase{"SEND_MAIL", 438, 527},
                    SizeCase{"MESSAGE_BOXKEL", 176, 208}, SizeCase{"MESSAGEBOX_KEL_BIG", 300, 300},
                    SizeCase{"PLAY_AVI_MEM", 176, 240}, SizeCase{"OPEN_SAVE", 452, 294},
                    SizeCase{"SOSCROLLBAR", 31, 277}));

INSTANTIATE_TEST_SUITE_P(
    Pictures, FaceSize,
    testing::Values(SizeCase{"CAPTION_ADDRESS", 215, 31}, SizeCase{"CAPTION_EFFECTS", 215, 31},
                    SizeCase{"CAPTION_SOUNDS", 215, 31}, SizeCase{"MBCAPTIONO", 176, 32},
                    SizeCase{"MBCAPTIONYN", 176, 32}, SizeCase{"MBCAPTIONYNC", 176, 32},
                    SizeCase{"OSCAPTIONOPEN", 200, 20}, SizeCase{"OSCAPTIONIMPORT", 200, 20},
                    SizeCase{"OSCOMBO1", 257, 19}, SizeCase{"OSCOMBO2", 257, 19},
                    SizeCase{"SOCOMBO", 241, 22}, SizeCase{"SOSTATICEFFECTS", 166, 25},
                    SizeCase{"EFFECTIMAGELIST", 896, 32}, SizeCase{"SMANI001", 26, 24},
                    SizeCase{"SMANI016", 26, 24}, SizeCase{"SMANISTOP", 26, 24},
                    SizeCase{"SPLASH_00", 430, 375}, SizeCase{"SPLASH_33", 430, 375}));

INSTANTIATE_TEST_SUITE_P(
    Buttons, FaceSize,
    testing::Values(SizeCase{"fileU", 23, 23}, SizeCase{"viewX", 23, 23},
                    SizeCase{"closeappU", 16, 15}, SizeCase{"minimizeD", 16, 15},
                    SizeCase{"mtb11U", 23, 23}, SizeCase{"mtb5312", 23, 23}, SizeCase{"mtb3M", 23, 23},
                    SizeCase{"mtbchangeF", 16, 16}, SizeCase{"lmlayerssuU", 13, 13},
                    SizeCase{"lmokU", 20, 20}, SizeCase{"soanimationsU", 20, 20},
                    SizeCase{"socloseU", 16, 16}, SizeCase{"tbmmaximizelibraryU", 94, 16},
                    SizeCase{"tbmcloseU", 12, 12}, SizeCase{"upU", 31, 28}, SizeCase{"downX", 31, 28},
                    SizeCase{"opfontU", 12, 12}, SizeCase{"opok1U", 16, 16},
                    SizeCase{"eponscreenU", 20, 20}, SizeCase{"epokU", 16, 16},
                    SizeCase{"lmpokU", 12, 12}, SizeCase{"pspmaleU", 13, 13}));

// The share of pixels in which two faces differ by more than a faint shade.
double Difference(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            QColor p = QColor::fromRgba(a.pixel(x, y)), q = QColor::fromRgba(b.pixel(x, y));
            int d = std::abs(p.red() - q.red()) + std::abs(p.green() - q.green())
                    + std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha());
            if (d > 24)
                ++differing;
        }
    return double(differing) / (a.width() * a.height());
}

class ButtonStates : public testing::TestWithParam<std::string> {};

TEST_P(ButtonStates, four_faces_of_one_size_and_plainly_different)
{
    const std::string& text = GetParam();
    QImage faces[4];
    const char* states[4] = {"U", "D", "F", "X"};
    for (int i = 0; i < 4; ++i) {
        faces[i] = Library().Bitmap(text + states[i]);
        ASSERT_FALSE(faces[i].isNull()) << text << states[i];
        EXPECT_EQ(faces[i].size(), faces[0].size()) << text << states[i];
    }
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            EXPECT_GE(Difference(faces[i], faces[j]), 0.04)
                << text << ": " << states[i] << " and " << states[j] << " look alike";
}

INSTANTIATE_TEST_SUITE_P(All, ButtonStates, testing::ValuesIn(RequiredButtonTexts()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

// The faces for screens at 1.5x and 2x are drawn anew at that resolution, not the 1x face
// enlarged: their edges are sharper than the enlarged face's (an enlarged copy would be exactly
// as sharp), and a 2x face shrunk to 1x is close to the 1x face while the 1x face enlarged is
// much further from the 2x face. (Shrinking by 1.5 blurs small faces too much to compare.)
struct SetCase {
    std::string name;
    qreal scale;
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name << " at " << c.scale << "x"; }

// The mean difference of two images of one size over all four channels, 0 to 1020.
double MeanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x]))
                   + std::abs(qBlue(p[x]) - qBlue(q[x])) + std::abs(qAlpha(p[x]) - qAlpha(q[x]));
    }
    return sum / (double(a.width()) * a.height());
}

// How sharp a picture's edges are: the mean of the largest step to the right or downwards.
double Sharpness(const QImage& image)
{
    auto level = [](QRgb c) { return qRed(c) + qGreen(c) + qBlue(c) + qAlpha(c); };
    double sum = 0;
    for (int y = 0; y + 1 < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const auto* next = reinterpret_cast<const QRgb*>(image.constScanLine(y + 1));
        for (int x = 0; x + 1 < image.width(); ++x)
            sum += std::max(std::abs(level(row[x]) - level(row[x + 1])),
                            std::abs(level(row[x]) - level(next[x])));
    }
    return sum / (double(image.width()) * image.height());
}

class DrawnSet : public testing::TestWithParam<SetCase> {};

TEST_P(DrawnSet, has_more_detail_than_the_1x_face_enlarged)
{
    const SetCase& c = GetParam();
    const QImage one = Library().Bitmap(c.name);
    QImage set = Library().Bitmap(c.name, c.scale);
    ASSERT_FALSE(one.isNull());
    ASSERT_TRUE(Library().HasBitmap(c.name, c.scale));
    ASSERT_EQ(set.size(), QSize(qRound(one.width() * c.scale), qRound(one.height() * c.scale)));
    set.setDevicePixelRatio(1);
    const QImage shrunk = set.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage enlarged = one.scaled(set.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(Sharpness(set), (c.scale == 2 ? 1.08 : 1.04) * Sharpness(enlarged))
        << "sharper edges";
    if (c.scale != 2)
        return;
    const double near = MeanDifference(shrunk, one);
    const double far = MeanDifference(enlarged, set);
    EXPECT_LT(near, 30.0) << "the same picture";
    EXPECT_GT(far, 1.4 * near) << "more than the 1x face enlarged";
}

std::vector<SetCase> SetCases()
{
    std::vector<SetCase> cases;
    for (qreal scale : {1.5, 2.0}) {
        for (const faces::WindowFace& face : faces::Windows())
            cases.push_back({face.strName, scale});
        for (const std::string& text : RequiredButtonTexts())
            for (const char* state : {"U", "F"})
                cases.push_back({text + state, scale});
        for (const char* picture :
             {"EFFECTIMAGELIST", "MBCAPTIONYN", "SMANI008", "SOSTATICCLIPARTS", "OSCOMBO1"})
            cases.push_back({picture, scale});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(All, DrawnSet, testing::ValuesIn(SetCases()),
                         [](const testing::TestParamInfo<SetCase>& info) {
                             return info.param.name + (info.param.scale == 2 ? "_2x" : "_1_5x");
                         });

// A window's region is the union of its outline polygons; its face must be opaque inside and
// leave nothing painted outside, apart from the anti-aliased pixels on the line itself.
class WindowOutline : public testing::TestWithParam<faces::WindowFace> {};

TEST_P(WindowOutline, follows_the_face)
{
    const faces::WindowFace& face = GetParam();
    QImage image = Library().Bitmap(face.strName);
    ASSERT_FALSE(image.isNull());
    QRegion region;
    for (const QPolygon& polygon : faces::OutlinePolygons(face)) {
        EXPECT_GE(polygon.size(), 4);
        region += QRegion(polygon);
    }
    EXPECT_EQ(region.boundingRect(), QRect(QPoint(0, 0), face.size)) << "the outline spans the face";
    int wrong = 0;
    for (int y = 0; y < face.size.height(); ++y) {
        for (int x = 0; x < face.size.width(); ++x) {
            bool all = true, none = true;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    bool in = region.contains(QPoint(x + dx, y + dy));
                    all = all && in;
                    none = none && !in;
                }
            int alpha = qAlpha(image.pixel(x, y));
            if ((all && alpha != 255) || (none && face.bTransparentCorners && alpha != 0))
                ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0) << face.strName;
}

INSTANTIATE_TEST_SUITE_P(All, WindowOutline, testing::ValuesIn(faces::Windows()),
                         [](const testing::TestParamInfo<faces::WindowFace>& info) {
                             return info.param.strName;
                         });

// Buttons placed on a face fit inside its outline and keep clear of one another and of the
// panels where lists and fields sit. Buttons that are never shown together may share a place.
TEST(FacePlaces, buttons_fit_and_keep_clear)
{
    const std::set<std::pair<std::string, std::string>> together = {
        {"mbok", "mbyes"}, {"mbok", "mbno"}};
    for (const faces::WindowFace& face : faces::Windows()) {
        QRegion region;
        for (const QPolygon& polygon : faces::OutlinePolygons(face))
            region += QRegion(polygon);
        for (size_t i = 0; i < face.buttons.size(); ++i) {
            const faces::Place& place = face.buttons[i];
            ASSERT_NE(faces::FindButton(place.strButton), nullptr) << place.strButton;
            QRect rc = faces::PlacedRect(place);
            for (QPoint corner : {rc.topLeft(), rc.topRight(), rc.bottomLeft(), rc.bottomRight()})
                EXPECT_TRUE(region.contains(corner))
                    << face.strName << ": " << place.strButton << " sticks out at " << corner.x()
                    << ", " << corner.y();
            for (size_t j = i + 1; j < face.buttons.size(); ++j) {
                if (together.count({place.strButton, face.buttons[j].strButton}))
                    continue;
                if (face.strName == "MAIN_TOOLBAR")
                    continue; // the player and the set buttons are never shown together
                EXPECT_FALSE(rc.intersects(faces::PlacedRect(face.buttons[j])))
                    << face.strName << ": " << place.strButton << " and " << face.buttons[j].strButton;
            }
            for (const faces::Zone& zone : face.zones) {
                if (zone.kind == faces::ZoneKind::Panel || zone.kind == faces::ZoneKind::TextPanel) {
                    EXPECT_FALSE(rc.intersects(zone.rc)) << face.strName << ": " << place.strButton;
                }
            }
        }
    }
}

TEST(FacePlaces, outline_polygons_have_cut_corners)
{
    const faces::WindowFace* box = faces::FindWindow("MESSAGE_BOXKEL");
    ASSERT_NE(box, nullptr);
    std::vector<QPolygon> polygons = faces::OutlinePolygons(*box);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].size(), 4 * faces::kCornerPoints);
    QRegion region(polygons[0]);
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_TRUE(region.contains(QPoint(88, 0)));
    EXPECT_TRUE(region.contains(QPoint(0, 104)));
    // The picker's window is the union of two parts.
    EXPECT_EQ(faces::OutlinePolygons(*faces::FindWindow("ADD_EFFECTS")).size(), 2u);
}

// The strip has one 32-pixel cell per effect kind, at the kind's image number - 1.
TEST(EffectStrip, one_distinct_picture_per_kind)
{
    QImage strip = Library().Bitmap("EFFECTIMAGELIST");
    ASSERT_EQ(strip.size(), QSize(28 * 32, 32));
    std::vector<QImage> cells;
    std::set<int> images;
    for (const EffectKind& kind : EffectKinds()) {
        images.insert(kind.m_nImage);
        QImage cell = strip.copy((kind.m_nImage - 1) * 32, 0, 32, 32);
        int drawn = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (cell.pixel(x, y) != qRgb(255, 255, 255))
                    ++drawn;
        EXPECT_GT(drawn, 40) << kind.m_strName;
        // White is transparent in the list: the cell's corner stays white.
        EXPECT_EQ(cell.pixel(0, 0), qRgb(255, 255, 255)) << kind.m_strName;
        cells.push_back(cell);
    }
    EXPECT_EQ(images.size(), 28u);
    EXPECT_EQ(*images.begin(), 1);
    EXPECT_EQ(*images.rbegin(), 28);
    for (size_t i = 0; i < cells.size(); ++i)
        for (size_t j = i + 1; j < cells.size(); ++j)
            EXPECT_NE(cells[i], cells[j]) << "kinds " << i << " and " << j << " share a picture";
}

TEST(Splash, every_shown_frame_is_a_new_picture)
{
    std::vector<QImage> frames;
    for (const std::string& name : RequiredBitmapNames())
        if (name.rfind("SPLASH_", 0) == 0)
            frames.push_back(Library().Bitmap(name));
    ASSERT_EQ(frames.size(), 24u);
    for (size_t i = 1; i < frames.size(); ++i)
        EXPECT_NE(frames[i], frames[i - 1]) << "frame " << i;
}

TEST(Activity, sixteen_steps_and_a_rest)
{
    QImage rest = Library().Bitmap("SMANISTOP");
    QImage previous = rest;
    for (int i = 1; i <= 16; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "SMANI0%02d", i);
        QImage step = Library().Bitmap(name);
        ASSERT_FALSE(step.isNull()) << name;
        EXPECT_NE(step, previous) << name;
        EXPECT_NE(step, rest) << name;
        previous = step;
    }
}

} // namespace
