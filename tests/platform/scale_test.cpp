// The smooth scaler against the definition it follows, computed slowly in floating point:
// each output pixel is the mean of the source pixels under it, weighted by the area each one
// covers. Sizes that shrink, enlarge, keep one side, end in a part pixel, are too narrow for
// the four-tap path, or large enough to be made in parts at once, on noise that reaches every
// channel's extremes.
#include "platform/scale.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

namespace {

// The weights of the source pixels under output pixel j along one axis.
std::vector<std::pair<int, double>> Cover(int nSrc, int nDst, int j)
{
    const double s = static_cast<double>(nSrc) / nDst;
    const double a = j * s, b = (j + 1) * s;
    std::vector<std::pair<int, double>> taps;
    for (int i = static_cast<int>(std::floor(a)); i < nSrc && i < b; ++i) {
        const double overlap = std::min<double>(b, i + 1) - std::max<double>(a, i);
        if (overlap > 0)
            taps.emplace_back(i, overlap / s);
    }
    return taps;
}

QImage Reference(const QImage& src, QSize size)
{
    QImage out(size, src.format());
    for (int y = 0; y < size.height(); ++y) {
        const auto rows = Cover(src.height(), size.height(), y);
        for (int x = 0; x < size.width(); ++x) {
            const auto columns = Cover(src.width(), size.width(), x);
            double channel[4] = {};
            for (const auto& [sy, wy] : rows)
                for (const auto& [sx, wx] : columns) {
                    const QRgb p = reinterpret_cast<const QRgb*>(src.constScanLine(sy))[sx];
                    channel[0] += wx * wy * qRed(p);
                    channel[1] += wx * wy * qGreen(p);
                    channel[2] += wx * wy * qBlue(p);
                    channel[3] += wx * wy * qAlpha(p);
                }
            reinterpret_cast<QRgb*>(out.scanLine(y))[x] = qRgba(
                qRound(channel[0]), qRound(channel[1]), qRound(channel[2]), qRound(channel[3]));
        }
    }
    return out;
}

struct Case {
    QSize src;
    QSize dst;
};

class SmoothScale : public testing::TestWithParam<Case> { };

TEST_P(SmoothScale, every_pixel_is_the_area_weighted_mean_of_those_under_it)
{
    const Case& c = GetParam();
    std::mt19937 random(uint32_t(c.src.width() * 7919 + c.dst.width()));
    // Half the rows noise, half hard steps between 0 and 255: the worst case for the sums.
    for (QImage::Format format : { QImage::Format_RGB32, QImage::Format_ARGB32 }) {
        QImage src(c.src, format);
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x) {
                const uint32_t v = y % 2 == 0 ? random() : ((x + y) % 3 == 0 ? 0xFFFFFFFFu : 0u);
                reinterpret_cast<QRgb*>(src.scanLine(y))[x]
                    = format == QImage::Format_RGB32 ? (v | 0xFF000000u) : v;
            }
        const QImage expected = Reference(src, c.dst);
        QImage out = platform::ScaledSmooth(src, c.dst, 1.5);
        ASSERT_EQ(out.size(), c.dst);
        EXPECT_EQ(out.devicePixelRatio(), 1.5);
        ASSERT_EQ(out.format(), format);
        int worst = 0;
        for (int y = 0; y < c.dst.height(); ++y)
            for (int x = 0; x < c.dst.width(); ++x) {
                const QRgb a = out.pixel(x, y), b = expected.pixel(x, y);
                worst = std::max(
                    { worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b)) });
            }
        // Weights in 256ths and two roundings cost at most two steps of a channel.
        EXPECT_LE(worst, 2) << c.src.width() << "x" << c.src.height() << " -> " << c.dst.width()
                            << "x" << c.dst.height() << " format " << format;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SmoothScale,
    testing::Values(Case { { 400, 300 }, { 308, 231 } }, // the stage view's 0.77
        Case { { 400, 300 }, { 616, 462 } }, // the stage view's 1.54, at 200 %
        Case { { 200, 120 }, { 231, 139 } }, // its 1.155, at 150 %
        Case { { 800, 600 }, { 208, 156 } }, // the effect preview: five taps
        Case { { 37, 23 }, { 37, 11 } }, // one side kept
        Case { { 3, 5 }, { 7, 2 } }, // narrower than four taps
        Case { { 97, 61 }, { 1, 1 } }, // everything into one pixel
        Case { { 13, 9 }, { 13, 9 } }, // the same size
        // Large enough to be made in parts at once: the rows where parts meet too.
        Case { { 800, 600 }, { 1232, 924 } }, // the stage view at 200 %
        Case { { 1600, 1000 }, { 800, 520 } })); // a shrink in parts

// Two threads scaling large pictures at once (the stage view and a video being written) get
// what each would get alone.
TEST(SmoothScaleTogether, two_callers_at_once_each_get_their_own_picture)
{
    std::mt19937 random(7);
    QImage a(800, 600, QImage::Format_RGB32), b(800, 600, QImage::Format_RGB32);
    for (QImage* image : {&a, &b})
        for (int y = 0; y < image->height(); ++y)
            for (int x = 0; x < image->width(); ++x)
                reinterpret_cast<QRgb*>(image->scanLine(y))[x] = random() | 0xFF000000u;
    const QImage aloneA = platform::ScaledSmooth(a, {1232, 924});
    const QImage aloneB = platform::ScaledSmooth(b, {1024, 768});
    for (int round = 0; round < 4; ++round) {
        QImage togetherA, togetherB;
        std::thread other([&] { togetherB = platform::ScaledSmooth(b, {1024, 768}); });
        togetherA = platform::ScaledSmooth(a, {1232, 924});
        other.join();
        EXPECT_EQ(togetherA, aloneA) << "round " << round;
        EXPECT_EQ(togetherB, aloneB) << "round " << round;
    }
}

} // namespace
