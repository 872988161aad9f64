// Exporting a greeting as an animated GIF: 230 frames (27.6 s at 120 ms) of the 616 x 462 stage
// view, a smooth background with a few moving shapes. The frames are drawn with the clock
// stopped; the palette's counting and choice and the writer are measured, apart and together.
#include "platform/gif.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <cstdint>
#include <vector>

namespace {

constexpr int kFrames = 230;
constexpr int kWidth = 616;
constexpr int kHeight = 462;

const QImage& Background()
{
    static const QImage image = [] {
        QImage sky(kWidth, kHeight, QImage::Format_RGB32);
        QPainter p(&sky);
        QLinearGradient g(0, 0, kWidth, kHeight);
        g.setColorAt(0, QColor(0x9F, 0xD8, 0xF5));
        g.setColorAt(0.6, QColor(0xFF, 0xF4, 0xE4));
        g.setColorAt(1, QColor(0xF7, 0xB5, 0xC9));
        p.fillRect(sky.rect(), g);
        return sky;
    }();
    return image;
}

// Frame i: a disc crossing the stage, a square sliding down and a ring bouncing, drawn smooth.
void DrawFrame(int i, QImage& frame)
{
    frame = Background().copy();
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x6F, 0x61));
    p.drawEllipse(QRectF(-80 + i * 3.1, 120, 80, 80));
    p.setBrush(QColor(0x3A, 0x7D, 0x44));
    p.drawRect(QRectF(430, -60 + i * 2.2, 50, 50));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2B, 0x4C, 0x9B), 6));
    const int bounce = i % 40 < 20 ? i % 40 : 40 - i % 40;
    p.drawEllipse(QRectF(150, 250 + bounce * 6, 70, 70));
}

void CountFrames(benchmark::State& state, platform::CGifPalette& palette, QImage& frame)
{
    for (int i = 0; i < kFrames; ++i) {
        state.PauseTiming();
        DrawFrame(i, frame);
        state.ResumeTiming();
        palette.AddFrame(frame);
    }
}

std::vector<uint8_t> WriteFrames(
    benchmark::State& state, const std::vector<QRgb>& colours, QImage& frame)
{
    platform::CGifWriter writer(kWidth, kHeight, colours, 0);
    for (int i = 0; i < kFrames; ++i) {
        state.PauseTiming();
        DrawFrame(i, frame);
        state.ResumeTiming();
        writer.AddFrame(frame, 120);
    }
    return writer.Finish();
}

void BM_GifPalette(benchmark::State& state)
{
    QImage frame;
    for (auto _ : state) {
        platform::CGifPalette palette;
        CountFrames(state, palette, frame);
        std::vector<QRgb> colours = palette.Choose();
        benchmark::DoNotOptimize(colours.data());
    }
    state.SetItemsProcessed(state.iterations() * kFrames);
}

void BM_GifWrite(benchmark::State& state)
{
    QImage frame;
    std::vector<QRgb> colours;
    {
        platform::CGifPalette palette;
        for (int i = 0; i < kFrames; ++i) {
            DrawFrame(i, frame);
            palette.AddFrame(frame);
        }
        colours = palette.Choose();
    }
    size_t size = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> bytes = WriteFrames(state, colours, frame);
        size = bytes.size();
    }
    state.SetItemsProcessed(state.iterations() * kFrames);
    state.counters["bytes"] = double(size);
}

void BM_GifExport(benchmark::State& state)
{
    QImage frame;
    size_t size = 0;
    for (auto _ : state) {
        platform::CGifPalette palette;
        CountFrames(state, palette, frame);
        const std::vector<uint8_t> bytes = WriteFrames(state, palette.Choose(), frame);
        size = bytes.size();
    }
    state.SetItemsProcessed(state.iterations() * kFrames);
    state.counters["bytes"] = double(size);
}

BENCHMARK(BM_GifPalette)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GifWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GifExport)->Unit(benchmark::kMillisecond);

} // namespace
