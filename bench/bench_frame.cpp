// One frame of a busy greeting: a full background picture and 99 masked cliparts moving on
// effects, composed and copied scaled into the 616 x 462 stage view.
#include "bench/pictures.h"
#include "model/movie.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "playback/effecttable.h"
#include "playback/projectdoc.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <filesystem>

namespace {

std::unique_ptr<CProjectDoc> BusyProject()
{
    auto movie = CAbstractMovie::NewProject();
    CStage& stage = *movie->GetFirstStage();
    QImage sky(800, 600, QImage::Format_RGB32);
    {
        QPainter p(&sky);
        QLinearGradient g(0, 0, 800, 600);
        g.setColorAt(0, QColor(0x9F, 0xD8, 0xF5));
        g.setColorAt(1, QColor(0xFF, 0xF4, 0xE4));
        p.fillRect(sky.rect(), g);
    }
    auto holder = std::make_unique<CBackgroundBMP>();
    holder->m_pBitmap = BitmapFromImage(sky);
    stage.SetBackgroundBMP(std::move(holder));

    QImage picture(100, 100, QImage::Format_RGB32), mask(100, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    mask.fill(Qt::white);
    for (QImage* image : {&picture, &mask}) {
        QPainter p(image);
        p.setPen(Qt::NoPen);
        p.setBrush(image == &mask ? QColor(Qt::black) : QColor(0xFF, 0x6F, 0x61));
        p.drawEllipse(5, 5, 90, 90);
    }
    const auto& kinds = EffectKinds();
    for (int i = 0; i < 99; ++i) {
        CLayer* layer = stage.AddObject(CGenericDrawing::kindClipart, (i * 71) % 700, (i * 43) % 500, 100, 100);
        auto clipart = std::make_unique<CClipartObject>();
        clipart->m_pBitmap = BitmapFromImage(picture);
        clipart->m_pBitmap->SetMask(BitmapFromImage(mask));
        layer->m_pDrawing->SetObject(std::move(clipart));
        const EffectKind& kind = kinds[static_cast<size_t>(1 + i % 24)];
        auto* effect = new CEffect;
        effect->m_nType = kind.m_nType;
        effect->m_fParam1 = kind.m_fParam1;
        effect->m_fParam2 = kind.m_fParam2;
        effect->m_fParam3 = kind.m_fParam3;
        effect->m_nStartFrame = 0;
        effect->m_nDuration = kind.m_nDuration;
        effect->m_bOffScreenAfter = 0;
        layer->m_pEffects->AddTail(effect);
        layer->AttachParts();
    }
    RecomputeMovieLength(*movie);
    auto doc = std::make_unique<CProjectDoc>(std::move(movie));
    doc->CreateBuffers();
    return doc;
}

void BM_FrameOf99Cliparts(benchmark::State& state)
{
    auto doc = BusyProject();
    doc->GetMovie()->Rewind();
    CDC view(616, 462);
    for (auto _ : state)
        doc->RenderTick(view, {0, 0, 616, 462});
}
BENCHMARK(BM_FrameOf99Cliparts)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
