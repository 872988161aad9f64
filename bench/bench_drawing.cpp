// Drawing speed: a masked clipart into the frame buffer, a full background into the stage
// buffer.
#include "bench/pictures.h"
#include "model/bitmap.h"
#include "platform/dc.h"
#include "platform/files.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <filesystem>

namespace {

std::unique_ptr<CHBitmap> MaskedClipart()
{
    QImage picture(100, 100, QImage::Format_RGB32), mask(100, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    mask.fill(Qt::white);
    for (QImage* image : {&picture, &mask}) {
        QPainter p(image);
        p.setPen(Qt::NoPen);
        p.setBrush(image == &mask ? QColor(Qt::black) : QColor(0xFF, 0x6F, 0x61));
        p.drawEllipse(5, 5, 90, 90);
    }
    auto bitmap = BitmapFromImage(picture);
    bitmap->SetMask(BitmapFromImage(mask));
    return bitmap;
}

void BM_MaskedClipart100(benchmark::State& state)
{
    auto clipart = MaskedClipart();
    CDC frame(800, 600), work(800, 600), mask(800, 600, true);
    int i = 0;
    for (auto _ : state) {
        int x = (i * 37) % 700, y = (i * 53) % 500;
        clipart->DrawTransparent(frame, {x, y, x + 100, y + 100}, &work, &mask);
        ++i;
    }
}
BENCHMARK(BM_MaskedClipart100)->Unit(benchmark::kMicrosecond);

void BM_Background800x600(benchmark::State& state)
{
    QImage sky(800, 600, QImage::Format_RGB32);
    {
        QPainter p(&sky);
        QLinearGradient g(0, 0, 0, 600);
        g.setColorAt(0, Qt::cyan);
        g.setColorAt(1, Qt::yellow);
        p.fillRect(sky.rect(), g);
    }
    auto background = BitmapFromImage(sky);
    CDC stage(800, 600);
    for (auto _ : state)
        background->Draw(stage, {0, 0, 800, 600});
}
BENCHMARK(BM_Background800x600)->Unit(benchmark::kMicrosecond);

} // namespace
