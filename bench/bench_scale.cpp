// The copy of a composed 800 x 600 frame into the stage view, once per tick of the 120 ms
// clock: the smooth scaler at the view's size at 100 % (616 x 462) and at 200 % (1232 x 924),
// beside Qt's own smooth scaling and the shrink that drops rows and columns, for comparison.
#include "platform/dc.h"
#include "platform/scale.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace {

// A busy frame: a gradient sky, many outlined shapes and thin lines in every direction.
QImage Frame()
{
    QImage frame(800, 600, QImage::Format_RGB32);
    QPainter p(&frame);
    QLinearGradient sky(0, 0, 800, 600);
    sky.setColorAt(0, QColor(0x9F, 0xD8, 0xF5));
    sky.setColorAt(1, QColor(0xFF, 0xF4, 0xE4));
    p.fillRect(frame.rect(), sky);
    for (int i = 0; i < 120; ++i) {
        p.setPen(QPen(QColor(0x4A, 0x25, 0x45), 1 + i % 3));
        p.setBrush(QColor::fromHsv((i * 37) % 360, 160, 255));
        p.drawEllipse((i * 71) % 740, (i * 43) % 540, 20 + i % 60, 15 + i % 45);
        p.drawLine(i * 7, 0, 800 - i * 5, 600);
    }
    return frame;
}

void BM_ScaleSmooth(benchmark::State& state)
{
    const QImage frame = Frame();
    QImage view(
        static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), QImage::Format_RGB32);
    for (auto _ : state) {
        platform::ScaleSmooth(frame, view);
        benchmark::DoNotOptimize(view.constBits());
    }
}
BENCHMARK(BM_ScaleSmooth)
    ->Args({ 616, 462 })
    ->Args({ 1232, 924 })
    ->Args({ 924, 693 })
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_QtScaledSmooth(benchmark::State& state)
{
    const QImage frame = Frame();
    for (auto _ : state) {
        QImage view = frame.scaled(static_cast<int>(state.range(0)),
            static_cast<int>(state.range(1)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(view.constBits());
    }
}
BENCHMARK(BM_QtScaledSmooth)
    ->Args({ 616, 462 })
    ->Args({ 1232, 924 })
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ShrinkDroppingLines(benchmark::State& state)
{
    CDC frame(800, 600);
    frame.Image() = Frame();
    CDC view(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        view.StretchBlt({ 0, 0, view.Width(), view.Height() }, frame, { 0, 0, 800, 600 }, SRCCOPY);
        benchmark::DoNotOptimize(view.Image().constBits());
    }
}
BENCHMARK(BM_ShrinkDroppingLines)
    ->Args({ 616, 462 })
    ->Args({ 1232, 924 })
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
