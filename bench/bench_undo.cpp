// The undo history: what one step of a move costs (its states written, then undone and redone),
// and keeping and reading back a placed picture the size of the stage, as a cut and its undo do.
#include "bench/pictures.h"
#include "model/movie.h"
#include "model/undo.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace {

// A move of n objects: each position before and after, as one step; then undo and redo it.
void BM_UndoMoveStep(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    auto movie = CAbstractMovie::NewProject();
    CStage* stage = movie->GetFirstStage();
    std::vector<CLayer*> layers;
    for (int i = 0; i < n; ++i)
        layers.push_back(stage->AddObject(CGenericDrawing::kindDrawn, i * 7, i * 5, 40, 30));
    CUndoStore store;
    for (auto _ : state) {
        std::vector<CUndoEntry> entries;
        for (CLayer* layer : layers) {
            auto before = std::make_shared<CUndoRecord>(
                UNDO_POS, UNDO_BEFORE, layer->m_pPos->m_nId, layer->m_nId);
            store.SaveState(*before, *layer->m_pPos);
            entries.push_back({ before, nullptr });
        }
        for (CLayer* layer : layers) {
            layer->m_pPos->SetAll({ layer->m_pPos->m_ptHome.x + 1, layer->m_pPos->m_ptHome.y });
            entries.push_back({ std::make_shared<CUndoRecord>(
                                    UNDO_POS, UNDO_AFTER, layer->m_pPos->m_nId, layer->m_nId),
                layer->m_pPos.get() });
        }
        std::vector<CUndoRecordPtr> records;
        if (!store.RecordStep(entries) || !store.UndoStep(records) || !store.RedoStep(records))
            state.SkipWithError("the step failed");
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_UndoMoveStep)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

// A placed 800 x 600 picture kept as a removed object and read back, as cut and undo do.
void BM_UndoPictureLayer(benchmark::State& state)
{
    auto movie = CAbstractMovie::NewProject();
    CStage* stage = movie->GetFirstStage();
    CLayer* layer = stage->AddObject(CGenericDrawing::kindImage, 0, 0, 800, 600);
    QImage picture(800, 600, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), QColor(255, 244, 228));
    for (int i = 0; i < 60; ++i)
        painter.fillRect(i * 13 % 760, i * 29 % 560, 40, 40, QColor(i * 4, 111, 97));
    painter.end();
    auto image = std::make_unique<CImageObject>();
    image->m_pBitmap = BitmapFromImage(picture);
    layer->m_pDrawing->SetObject(std::move(image));
    layer->AttachParts();
    CUndoStore store;
    for (auto _ : state) {
        auto record
            = std::make_shared<CUndoRecord>(UNDO_LAYER, UNDO_BEFORE, layer->m_nId, stage->m_nId, 0);
        std::vector<CUndoRecordPtr> records;
        if (!store.RecordStep({ { record, layer } }) || !store.UndoStep(records) || records.empty()
            || !records[0]->GetObject())
            state.SkipWithError("the step failed");
    }
    state.SetBytesProcessed(state.iterations() * 800 * 600 * 3);
}
BENCHMARK(BM_UndoPictureLayer)->Unit(benchmark::kMillisecond);

} // namespace
