// The skinned windows on a screen of the process's device pixel ratio. The build runs these
// tests again with QT_SCALE_FACTOR 1.25, 1.5 and 2 (the scale must be set before the
// application exists): every window wears its face drawn for that ratio, sized and shaped in
// logical pixels, its outline holding the face's opaque pixels and no more, each button pressed
// by a click at its centre; the tooltip's picture and mask follow.
#include "editor/skin/ownresources.h"
#include "editor/skin/skin.h"
#include "platform/resources.h"
#include "resources/faces.h"
#include "tests/buildpaths.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

// The ratio the run was started for.
qreal ExpectedRatio()
{
    bool ok = false;
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && scale > 0 ? scale : 1.0;
}

class ScreenRatio : public testing::TestWithParam<faces::WindowFace> {
protected:
    static void SetUpTestSuite()
    {
        s_library = platform::CResourceLibrary::Load(std::string(built::kResourceDir)
                                                     + "/ksredfr120.rcc");
        platform::SetResourceLibrary(s_library.get());
    }
    static void TearDownTestSuite()
    {
        platform::SetResourceLibrary(nullptr);
        s_library.reset();
    }
    void SetUp() override
    {
        ASSERT_NE(s_library, nullptr);
        ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), ExpectedRatio());
    }
    static std::unique_ptr<platform::CResourceLibrary> s_library;
};
std::unique_ptr<platform::CResourceLibrary> ScreenRatio::s_library;

// The region's pixels as a logical-size map (1 inside), so the neighbourhood of every device
// pixel can be looked up quickly.
std::vector<uint8_t> Inside(const QRegion& region, const QSize& size)
{
    std::vector<uint8_t> inside(size_t(size.width()) * size.height(), 0);
    for (const QRect& rc : region) {
        const QRect clipped = rc.intersected(QRect(QPoint(0, 0), size));
        for (int y = clipped.top(); y <= clipped.bottom(); ++y)
            std::fill_n(inside.begin() + y * size.width() + clipped.left(), clipped.width(), 1);
    }
    return inside;
}

TEST_P(ScreenRatio, window_wears_its_face_in_an_outline_that_fits_and_its_buttons_press)
{
    const faces::WindowFace& description = GetParam();
    const qreal ratio = ExpectedRatio();
    CSkinnedWidget window(description.strName, false, nullptr);
    std::map<int, std::string> names;
    int nextId = 5000;
    for (const faces::Place& place : description.buttons) {
        names[nextId] = place.strButton;
        window.Skin().AddButton(place.strButton, nextId++);
    }
    window.move(40, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.devicePixelRatioF(), ratio);

    // The face: drawn for this ratio, its logical size the window's.
    const QImage& face = window.Skin().Face();
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.devicePixelRatio(), ratio);
    EXPECT_EQ(face.size(), QSize(qRound(description.size.width() * ratio),
                                 qRound(description.size.height() * ratio)));
    EXPECT_EQ(LogicalSize(face), description.size);
    EXPECT_EQ(window.size(), description.size);

    // The outline, in logical pixels, holds the face's opaque device pixels and no more: a
    // device pixel whose logical neighbourhood (one logical pixel around it, the anti-aliased
    // edge) lies wholly inside is opaque, one wholly outside is transparent.
    const QRegion mask = window.mask();
    EXPECT_EQ(mask, OutlineRegion(description.strName, description.size));
    const QSize logical = description.size;
    const std::vector<uint8_t> inside = Inside(mask, logical);
    int opaqueOutside = 0, holesInside = 0;
    // A face drawn for this ratio is exact; between the drawn sets (1.25, 1.75) the face shrunk
    // from the set above keeps a faint halo along its curved corners.
    const bool bDrawn = platform::BitmapScaleFor(ratio) == ratio;
    const int opaque = bDrawn ? 255 : 224, clear = bDrawn ? 0 : 64;
    for (int y = 0; y < face.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(face.constScanLine(y));
        const int ly = int(std::floor((y + 0.5) / ratio));
        for (int x = 0; x < face.width(); ++x) {
            const int lx = int(std::floor((x + 0.5) / ratio));
            bool all = true, none = true;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = lx + dx, ny = ly + dy;
                    const bool in = nx >= 0 && ny >= 0 && nx < logical.width()
                                    && ny < logical.height() && inside[ny * logical.width() + nx];
                    all = all && in;
                    none = none && !in;
                }
            const int alpha = qAlpha(row[x]);
            holesInside += all && alpha < opaque;
            opaqueOutside += none && description.bTransparentCorners && alpha > clear;
        }
    }
    EXPECT_EQ(holesInside, 0) << description.strName << " at " << ratio;
    EXPECT_EQ(opaqueOutside, 0) << description.strName << " at " << ratio;

    // The window shows the face pixel for pixel where no button covers it.
    const QImage shown
        = window.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(shown.devicePixelRatio(), ratio);
    QRegion covered;
    for (CMyBitmapButton* button : window.Skin().Buttons())
        covered += button->geometry().adjusted(-1, -1, 1, 1);
    int compared = 0, differing = 0;
    for (int y = 0; y < std::min(shown.height(), face.height()); y += 3)
        for (int x = 0; x < std::min(shown.width(), face.width()); x += 3) {
            const QPoint at(int(x / ratio), int(y / ratio));
            if (covered.contains(at) || !inside[at.y() * logical.width() + at.x()])
                continue;
            ++compared;
            const QRgb a = shown.pixel(x, y), b = face.pixel(x, y);
            differing += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b))
                             + std::abs(qBlue(a) - qBlue(b)) > 6;
        }
    EXPECT_LE(differing, compared / 100) << "the face is shown as drawn, not rescaled";

    // Every button: its faces for this ratio, its logical size, and a click at its centre lands
    // on it (inside the outline) and sends its command. Buttons sharing a place are never shown
    // together: the one clicked is raised.
    for (CMyBitmapButton* button : window.Skin().Buttons()) {
        const faces::ButtonFace* buttonFace = faces::FindButton(button->GetText());
        ASSERT_NE(buttonFace, nullptr) << button->GetText();
        ASSERT_TRUE(button->HasFace()) << button->GetText();
        EXPECT_EQ(button->Face(0).devicePixelRatio(), ratio) << button->GetText();
        EXPECT_EQ(button->size(), buttonFace->size) << button->GetText();
        button->raise();
        const QPoint centre = button->geometry().center();
        EXPECT_TRUE(mask.contains(centre)) << button->GetText() << " lies outside the outline";
        QWidget* hit = window.childAt(centre);
        ASSERT_EQ(hit, button) << button->GetText();
        int sent = 0;
        QObject::connect(button, &CMyBitmapButton::Command, &window,
                         [&sent](int nId) { sent = nId; });
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&window, centre));
        EXPECT_EQ(names[sent], button->GetText());
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, ScreenRatio, testing::ValuesIn(faces::Windows()),
                         [](const testing::TestParamInfo<faces::WindowFace>& info) {
                             return info.param.strName;
                         });

// The tooltip composes its picture at the ratio of its screen, its end pieces from the set for
// it, and keeps its mask in logical pixels: the label is inside, the transparent corner of an
// end piece is not. The editing cursors come at the ratio with their hot spot in logical pixels.
TEST(ScreenRatioTip, tooltip_and_cursor_follow_the_ratio)
{
    const qreal ratio = ExpectedRatio();
    QWidget tool;
    CSkinToolTip tip(nullptr);
    tip.AddTool(&tool, std::string("Open a greeting"));
    tip.Activate(true);
    tip.ShowFor(&tool, {100, 100});
    ASSERT_TRUE(tip.isVisible());
    const QImage left = LoadOwnBitmap("TIP_LEFT", ratio);
    ASSERT_FALSE(left.isNull());
    EXPECT_EQ(left.devicePixelRatio(), ratio);
    EXPECT_EQ(LogicalSize(left), LoadOwnBitmap("TIP_LEFT").size());
    const QImage shown = tip.grab().toImage();
    EXPECT_EQ(shown.devicePixelRatio(), ratio);
    EXPECT_EQ(shown.size(), QSize(qRound(tip.width() * ratio), qRound(tip.height() * ratio)));
    const QRegion mask = tip.mask();
    EXPECT_EQ(mask.boundingRect(), QRect(QPoint(0, 0), tip.size()));
    EXPECT_TRUE(mask.contains(QPoint(tip.width() / 2, tip.height() / 2)));
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));

    QPoint hot;
    const QImage cursor = LoadOwnCursor(210, ratio, &hot);
    EXPECT_EQ(cursor.size(), QSize(qRound(32 * ratio), qRound(32 * ratio)));
    EXPECT_EQ(hot, QPoint(16, 16));
    const QCursor own = OwnCursor(210, ratio);
    EXPECT_EQ(own.pixmap().devicePixelRatio(), ratio);
    EXPECT_EQ(own.hotSpot(), QPoint(16, 16));
}

} // namespace
