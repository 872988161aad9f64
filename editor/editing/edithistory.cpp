// The committing half of the object editor: moves and resizes, the edit commands and the
// properties, each recorded as one step of the undo history, and undo and redo, which put the
// recorded states back into the stage. New objects are made in editcreate.cpp.
#include "editor/editing/editing.h"

#include "editor/windows/placedpropsdlg.h"
#include "model/movie.h"
#include "platform/message.h"
#include "platform/strings.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

using platform::Tr;

namespace {

constexpr int kStageW = CObjectEditorHost::kFrameWidth;
constexpr int kStageH = CObjectEditorHost::kFrameHeight;
constexpr int kViewW = CObjectEditorHost::kStageWidth;
constexpr int kViewH = CObjectEditorHost::kStageHeight;

int32_t Clamp32(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(
        v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// Collects the records of one step, saving each state as it is added; pushes them as one step.
class CStepBuilder {
public:
    explicit CStepBuilder(CUndoStore& store)
        : m_store(store)
    {
    }
    void Save(uint8_t nType, uint8_t nKind, CObject& object, int32_t nKey, int32_t nOwner,
        int32_t nIndex = -1)
    {
        if (!m_bOk)
            return;
        auto record = std::make_shared<CUndoRecord>(nType, nKind, nKey, nOwner, nIndex);
        if (m_store.SaveState(*record, object))
            m_records.push_back(record);
        else
            m_bOk = false;
    }
    bool IsOk() const { return m_bOk; }
    // The states are saved already: the records go on the history as they are.
    bool Commit()
    {
        if (!m_bOk || m_records.empty())
            return false;
        std::vector<CUndoEntry> entries;
        for (const CUndoRecordPtr& record : m_records)
            entries.push_back({ record, nullptr });
        return m_store.RecordStep(entries);
    }

private:
    CUndoStore& m_store;
    std::vector<CUndoRecordPtr> m_records;
    bool m_bOk = true;
};

// The loaded state as the class it must be; none (and the state deleted) otherwise.
template <class T> std::unique_ptr<T> Adopt(CUndoObjectPtr p)
{
    if (dynamic_cast<T*>(p.get()) == nullptr)
        return nullptr;
    return std::unique_ptr<T>(static_cast<T*>(p.release()));
}

// Hands the record's loaded state, as the class it must be, to set; false when it is not one.
template <class T, class Set> bool PutBack(CUndoRecord& record, Set set)
{
    std::unique_ptr<T> p = Adopt<T>(record.TakeObject());
    if (!p)
        return false;
    set(std::move(p));
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Small things every change does

void CObjectEditor::Changed(bool bRecomputeLength)
{
    if (bRecomputeLength && m_pDoc != nullptr && m_pDoc->GetMovie() != nullptr)
        RecomputeMovieLength(*m_pDoc->GetMovie());
    RebuildMarks();
    m_host.OnProjectEdited();
}

void CObjectEditor::NotRecorded()
{
    m_bDirty = true;
    ++m_nUnrecorded;
    platform::ShowMessage(platform::Tr("Editing", kNotRecorded));
}

// ---------------------------------------------------------------------------------------------
// Moves and resizes

bool CObjectEditor::CommitMove(QPoint pt)
{
    const QPoint d = pt - m_ptAnchor;
    return MoveSelection(static_cast<int32_t>(int64_t(d.x()) * kStageW / kViewW),
        static_cast<int32_t>(int64_t(d.y()) * kStageH / kViewH));
}

bool CObjectEditor::Nudge(int dx, int dy)
{
    CancelDrag();
    return MoveSelection(dx, dy);
}

bool CObjectEditor::MoveSelection(int dxStage, int dyStage)
{
    const std::vector<CLayer*> layers = Selection();
    if ((dxStage == 0 && dyStage == 0) || layers.empty())
        return false;
    CStepBuilder step(m_store);
    for (CLayer* layer : layers)
        if (layer->m_pPos)
            step.Save(UNDO_POS, UNDO_BEFORE, *layer->m_pPos, layer->m_pPos->m_nId, layer->m_nId);
    for (CLayer* layer : layers) {
        if (!layer->m_pPos)
            continue;
        const CPoint home = layer->m_pPos->m_ptHome;
        layer->m_pPos->SetAll(
            { Clamp32(int64_t(home.x) + dxStage), Clamp32(int64_t(home.y) + dyStage) });
        step.Save(UNDO_POS, UNDO_AFTER, *layer->m_pPos, layer->m_pPos->m_nId, layer->m_nId);
    }
    if (!step.Commit()) {
        NotRecorded();
    }
    Changed(false);
    return true;
}

bool CObjectEditor::CommitResize(QPoint pt, bool bShift)
{
    const std::vector<CLayer*> layers = Selection();
    if (layers.size() != 1 || !layers[0]->m_pPos || !layers[0]->m_pSize)
        return false;
    CLayer& layer = *layers[0];
    const QPoint d = pt - m_ptAnchor;
    const int64_t dx = int64_t(d.x()) * kStageW / kViewW;
    const int64_t dy = int64_t(d.y()) * kStageH / kViewH;
    if (dx == 0 && dy == 0)
        return false;
    const CRect s = StageRectOf(layer);
    // The grabbed corner follows the pointer; the opposite one stays.
    int64_t l = s.left, t = s.top, r = s.right, b = s.bottom;
    const bool bLeft = m_nHandle == 1 || m_nHandle == 2;
    const bool bTop = m_nHandle == 1 || m_nHandle == 4;
    (bLeft ? l : r) += dx;
    (bTop ? t : b) += dy;
    const int64_t oldW = s.Width(), oldH = s.Height();
    if (bShift && oldW != 0 && oldH != 0) {
        const int64_t newW = r - l, newH = b - t;
        if (std::abs(newH - oldH) < std::abs(newW - oldW)) {
            const int64_t h = newW * oldH / oldW;
            (bTop ? t : b) = bTop ? b - h : t + h;
        } else {
            const int64_t w = newH * oldW / oldH;
            (bLeft ? l : r) = bLeft ? r - w : l + w;
        }
    }
    CPoint pos;
    CSize size;
    if (IsLineLayer(layer)) {
        // A line keeps its direction: its start stays on the side it started from.
        const CSize old = layer.m_pSize->m_szDesign;
        pos.x = Clamp32(old.cx >= 0 ? l : r);
        size.cx = Clamp32(old.cx >= 0 ? r - l : l - r);
        pos.y = Clamp32(old.cy >= 0 ? t : b);
        size.cy = Clamp32(old.cy >= 0 ? b - t : t - b);
    } else {
        pos = { Clamp32(std::min(l, r)), Clamp32(std::min(t, b)) };
        size = { Clamp32(std::abs(r - l)), Clamp32(std::abs(b - t)) };
    }
    return SetPlacement(layer, pos, size);
}

bool CObjectEditor::SetPlacement(CLayer& layer, CPoint ptPos, CSize szSize)
{
    if (!layer.m_pPos || !layer.m_pSize)
        return false;
    if (layer.m_pPos->m_ptHome == ptPos && layer.m_pSize->m_szDesign == szSize)
        return false;
    CStepBuilder step(m_store);
    step.Save(UNDO_POS, UNDO_BEFORE, *layer.m_pPos, layer.m_pPos->m_nId, layer.m_nId);
    step.Save(UNDO_SIZE, UNDO_BEFORE, *layer.m_pSize, layer.m_pSize->m_nId, layer.m_nId);
    layer.m_pPos->SetAll(ptPos);
    layer.m_pSize->m_szDesign = szSize;
    layer.m_pSize->m_szCurrent = szSize;
    step.Save(UNDO_POS, UNDO_AFTER, *layer.m_pPos, layer.m_pPos->m_nId, layer.m_nId);
    step.Save(UNDO_SIZE, UNDO_AFTER, *layer.m_pSize, layer.m_pSize->m_nId, layer.m_nId);
    if (!step.Commit()) {
        NotRecorded();
    }
    Changed(false);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Properties and the background

bool CObjectEditor::ReplaceDrawing(CLayer& layer, const std::function<void(CLayer&)>& change)
{
    if (!layer.m_pDrawing)
        return false;
    // The size goes with the drawing: a new text may need more room.
    CStepBuilder step(m_store);
    step.Save(UNDO_DRAWING, UNDO_BEFORE, *layer.m_pDrawing, layer.m_pDrawing->m_nId, layer.m_nId);
    if (layer.m_pSize)
        step.Save(UNDO_SIZE, UNDO_BEFORE, *layer.m_pSize, layer.m_pSize->m_nId, layer.m_nId);
    if (!step.IsOk()) {
        platform::ShowMessage(platform::Tr("Editing", kNotRecorded));
        return false;
    }
    change(layer);
    step.Save(UNDO_DRAWING, UNDO_AFTER, *layer.m_pDrawing, layer.m_pDrawing->m_nId, layer.m_nId);
    if (layer.m_pSize)
        step.Save(UNDO_SIZE, UNDO_AFTER, *layer.m_pSize, layer.m_pSize->m_nId, layer.m_nId);
    if (!step.Commit()) {
        NotRecorded();
    }
    Changed(false);
    return true;
}

bool CObjectEditor::EditSelectedProperties()
{
    const std::vector<CLayer*> layers = Selection();
    return layers.size() == 1 && EditProperties(*layers[0]);
}

bool CObjectEditor::EditProperties(CLayer& layer)
{
    CancelDrag();
    if (!layer.m_pDrawing)
        return false;
    CGenericDrawing* object = layer.m_pDrawing->GetObject();
    auto* drawn = dynamic_cast<CDrawnObject*>(object);
    if (object != nullptr && drawn == nullptr) {
        const QString title = object->Kind() == CGenericDrawing::kindImage
            ? QCoreApplication::translate("CObjectEditor", "Picture properties")
            : object->Kind() == CGenericDrawing::kindAnimation
            ? QCoreApplication::translate("CObjectEditor", "Animation properties")
            : QCoreApplication::translate("CObjectEditor", "Clipart properties");
        CPlacedPropertiesDlg dlg(title.toStdString(), m_pDoc, &layer,
                                 m_host.DialogParent());
        dlg.m_nX = layer.m_pPos ? layer.m_pPos->m_ptHome.x : 0;
        dlg.m_nY = layer.m_pPos ? layer.m_pPos->m_ptHome.y : 0;
        dlg.m_nWidth = layer.m_pSize ? layer.m_pSize->m_szDesign.cx : 1;
        dlg.m_nHeight = layer.m_pSize ? layer.m_pSize->m_szDesign.cy : 1;
        const bool bOk = m_runPlacedDialog(dlg);
        m_host.RepaintStage();
        return bOk && SetPlacement(layer, { dlg.m_nX, dlg.m_nY }, { dlg.m_nWidth, dlg.m_nHeight });
    }
    if (drawn == nullptr || !drawn->m_pShape)
        return false;
    CDrawObj& shape = *drawn->m_pShape;
    auto* text = dynamic_cast<CDrawTextRect*>(&shape);
    auto* rect = dynamic_cast<CDrawRect*>(&shape);
    const int nMode = text != nullptr
        ? (text->m_bPlainText ? OP_MODE_PLAIN_TEXT : OP_MODE_TEXT_IN_SHAPE)
        : rect != nullptr && rect->m_nShape == CDrawRect::line ? OP_MODE_LINE
                                                               : OP_MODE_SHAPE;
    CObjectPropertiesDlg dlg(nMode, m_host.DialogParent());
    dlg.m_crColor1 = text != nullptr ? text->m_crText : shape.m_logpen.lopnColor;
    dlg.m_crColor2 = shape.m_logbrush.lbColor;
    dlg.m_bTransparent = shape.m_bBrush == 0;
    dlg.m_nLineWidth = shape.m_bPen ? shape.m_logpen.lopnWidth.x : 0;
    if (text != nullptr) {
        dlg.m_strText = text->m_strText;
        dlg.m_logfont = text->m_logfont;
        dlg.m_cf = CharFormatFromFont(text->m_logfont, text->m_crText);
    }
    if (!m_runDialog(dlg)) {
        m_host.RepaintStage();
        return false;
    }
    return ReplaceDrawing(layer, [&](CLayer& target) {
        auto* d = dynamic_cast<CDrawnObject*>(target.m_pDrawing->GetObject());
        CDrawObj& s = *d->m_pShape;
        if (auto* t = dynamic_cast<CDrawTextRect*>(&s)) {
            t->m_strText = dlg.m_strText;
            t->m_logfont = dlg.m_logfont;
            t->m_crText = dlg.m_crColor1;
            // A plain text takes its measure; a text in a shape grows to it.
            const CSize measured = MeasureTextSize(t->m_strText, t->m_logfont);
            if (target.m_pSize && measured.cx > 0 && measured.cy > 0) {
                CSize& size = target.m_pSize->m_szDesign;
                size = t->m_bPlainText
                    ? measured
                    : CSize { std::max(size.cx, measured.cx), std::max(size.cy, measured.cy) };
                target.m_pSize->m_szCurrent = size;
            }
            if (t->m_bPlainText)
                return;
        }
        ApplyShapeStyle(s, dlg.m_crColor1, dlg.m_nLineWidth,
            nMode == OP_MODE_LINE ? s.m_logbrush.lbColor : dlg.m_crColor2,
            nMode == OP_MODE_LINE ? s.m_bBrush != 0 : !dlg.m_bTransparent);
    });
}

bool CObjectEditor::SetBackgroundColor(COLORREF crColor)
{
    CStage* stage = Stage();
    if (stage == nullptr)
        return false;
    if (!stage->m_pBackground)
        stage->SetBackground(std::make_unique<CBackground>());
    CBackground& background = *stage->m_pBackground;
    if (background.m_crColor == crColor)
        return false;
    CStepBuilder step(m_store);
    step.Save(UNDO_BACKGROUND, UNDO_BEFORE, background, background.m_nId, stage->m_nId);
    background.m_crColor = crColor;
    stage->m_bBackgroundCached = 0;
    step.Save(UNDO_BACKGROUND, UNDO_AFTER, background, background.m_nId, stage->m_nId);
    if (!step.Commit()) {
        NotRecorded();
    }
    Changed(false);
    return true;
}

bool CObjectEditor::ReplaceBackgroundPicture(std::unique_ptr<CBackgroundBMP> pPicture)
{
    CStage* stage = Stage();
    if (stage == nullptr || (!pPicture && !stage->m_pBackgroundBMP))
        return false;
    // A stage without a picture is recorded as an empty one, flagged as standing for none, so
    // that undo gives the stage no picture again rather than an empty one.
    CBackgroundBMP none;
    auto record = [&](uint8_t nKind) {
        CBackgroundBMP* picture = stage->m_pBackgroundBMP.get();
        auto r = std::make_shared<CUndoRecord>(UNDO_BACKGROUND_BMP, nKind,
            picture != nullptr ? picture->m_nId : none.m_nId, stage->m_nId);
        if (picture == nullptr)
            r->m_nFlag = UNDO_FLAG_NONE;
        return m_store.SaveState(*r, picture != nullptr ? *picture : none) ? r : nullptr;
    };
    CUndoRecordPtr before = record(UNDO_BEFORE);
    stage->SetBackgroundBMP(std::move(pPicture));
    stage->m_bBackgroundCached = 0;
    CUndoRecordPtr after = before ? record(UNDO_AFTER) : nullptr;
    if (!after || !m_store.RecordStep({ { before, nullptr }, { after, nullptr } }))
        NotRecorded();
    Changed(false);
    return true;
}

bool CObjectEditor::RemoveBackgroundPicture()
{
    CancelDrag();
    return HasBackgroundPicture() && ReplaceBackgroundPicture(nullptr);
}

bool CObjectEditor::HasBackgroundPicture() const
{
    const CStage* stage = Stage();
    return stage != nullptr && stage->m_pBackgroundBMP != nullptr;
}

// ---------------------------------------------------------------------------------------------
// Adding and removing objects

bool CObjectEditor::RecordAdded(const std::vector<CLayer*>& layers)
{
    CStage* stage = Stage();
    if (stage == nullptr || layers.empty())
        return false;
    // Each was put on top when it came, so each record puts it back on top in turn.
    std::vector<CUndoEntry> entries;
    for (CLayer* layer : layers)
        entries.push_back(
            { std::make_shared<CUndoRecord>(UNDO_LAYER, UNDO_AFTER, layer->m_nId, stage->m_nId, 0),
                layer });
    if (m_store.RecordStep(entries))
        return true;
    NotRecorded();
    return false;
}

bool CObjectEditor::RemoveLayers(const std::vector<CLayer*>& layers, bool bRecord)
{
    CStage* stage = Stage();
    if (stage == nullptr || stage->GetLayers() == nullptr || layers.empty())
        return false;
    CLayerList& list = *stage->GetLayers();
    if (bRecord) {
        // Each record keeps the index the object has at its own removal, so that undoing them
        // in reverse puts every object back at its place.
        std::vector<CLayer*> order(list.begin(), list.end());
        std::vector<CUndoEntry> entries;
        for (CLayer* layer : layers) {
            auto it = std::find(order.begin(), order.end(), layer);
            if (it == order.end())
                continue;
            const int32_t index = static_cast<int32_t>(it - order.begin());
            order.erase(it);
            entries.push_back({ std::make_shared<CUndoRecord>(
                                    UNDO_LAYER, UNDO_BEFORE, layer->m_nId, stage->m_nId, index),
                layer });
        }
        if (!m_store.RecordStep(entries)) {
            // Nothing is deleted that could not be brought back.
            platform::ShowMessage(Tr("Editing",
                "The objects were kept: the undo history could not keep a copy of them."));
            return false;
        }
    }
    for (CLayer* layer : layers) {
        Deselect(layer);
        const int index = list.IndexOf(layer);
        if (index >= 0)
            list.RemoveAt(list.FindIndex(index));
    }
    return true;
}

bool CObjectEditor::Delete()
{
    CancelDrag();
    const std::vector<CLayer*> layers = Selection();
    if (layers.empty() || !RemoveLayers(layers, true))
        return false;
    ClearSelection();
    Changed(true);
    return true;
}

bool CObjectEditor::Copy()
{
    CancelDrag();
    CStage* stage = Stage();
    const std::vector<CLayer*> layers = Selection();
    if (stage == nullptr || layers.empty())
        return false;
    m_store.ClearWorking();
    std::vector<CUndoEntry> entries;
    for (CLayer* layer : layers)
        entries.push_back(
            { std::make_shared<CUndoRecord>(UNDO_LAYER, UNDO_AFTER, layer->m_nId, stage->m_nId),
                layer });
    m_bClipboardFilled = m_store.Snapshot(entries);
    m_host.RefreshCommands();
    return false; // the project itself did not change
}

bool CObjectEditor::Cut()
{
    CancelDrag();
    CStage* stage = Stage();
    const std::vector<CLayer*> layers = Selection();
    if (stage == nullptr || layers.empty())
        return false;
    m_store.ClearWorking();
    std::vector<CUndoEntry> entries;
    std::vector<CLayer*> order(stage->GetLayers()->begin(), stage->GetLayers()->end());
    for (CLayer* layer : layers) {
        auto it = std::find(order.begin(), order.end(), layer);
        const int32_t index = static_cast<int32_t>(it - order.begin());
        if (it != order.end())
            order.erase(it);
        entries.push_back({ std::make_shared<CUndoRecord>(
                                UNDO_LAYER, UNDO_BEFORE, layer->m_nId, stage->m_nId, index),
            layer });
    }
    if (!m_store.SaveAll(entries)) {
        m_bClipboardFilled = !m_store.Working().empty();
        platform::ShowMessage(Tr("Editing",
            "The objects were kept: the undo history could not keep a copy of them."));
        m_host.RefreshCommands();
        return false;
    }
    m_bClipboardFilled = true;
    RemoveLayers(layers, false);
    ClearSelection();
    Changed(true);
    return true;
}

bool CObjectEditor::Paste()
{
    CancelDrag();
    CStage* stage = Stage();
    if (stage == nullptr || !m_bClipboardFilled || !m_store.LoadAll())
        return false;
    if (!stage->GetLayers())
        stage->SetLayers(std::make_unique<CLayerList>());
    std::vector<CLayer*> added;
    ClearSelection();
    for (const CUndoRecordPtr& record : m_store.Working()) {
        std::unique_ptr<CLayer, CUndoObjectDeleter> layer(
            dynamic_cast<CLayer*>(record->m_pObject.get()));
        if (!layer)
            continue;
        record->m_pObject.release();
        // Every paste is a new object, with identities of its own.
        layer->RenewIds();
        stage->GetLayers()->AddHead(layer.get());
        layer->SetStage(stage);
        layer->AttachParts();
        added.push_back(layer.release());
    }
    if (added.empty())
        return false;
    RecordAdded(added);
    for (CLayer* layer : added)
        Select(layer);
    Changed(true);
    return true;
}

bool CObjectEditor::Reorder(int nMode)
{
    const std::vector<CLayer*> layers = Selection();
    return layers.size() == 1 && MoveLayer(*layers[0], nMode);
}

bool CObjectEditor::MoveLayer(CLayer& layer, int nMode)
{
    CancelDrag();
    CStage* stage = Stage();
    if (stage == nullptr || stage->GetLayers() == nullptr)
        return false;
    CLayerList& list = *stage->GetLayers();
    const int from = list.IndexOf(&layer);
    if (from < 0)
        return false;
    // The move is recorded as the object taken out at its old place and put in at its new one.
    CStepBuilder step(m_store);
    step.Save(UNDO_LAYER, UNDO_BEFORE, layer, layer.m_nId, stage->m_nId, from);
    if (!step.IsOk()) {
        platform::ShowMessage(platform::Tr("Editing", kNotRecorded));
        return false;
    }
    if (!stage->ReorderLayer(from, nMode))
        return false;
    const int to = list.IndexOf(&layer);
    if (to == from)
        return false;
    step.Save(UNDO_LAYER, UNDO_AFTER, layer, layer.m_nId, stage->m_nId, to);
    if (!step.Commit()) {
        NotRecorded();
    }
    Changed(false);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Undo and redo

bool CObjectEditor::Undo()
{
    return ApplyStep(true);
}

bool CObjectEditor::Redo()
{
    return ApplyStep(false);
}

bool CObjectEditor::ApplyStep(bool bUndo)
{
    CancelDrag();
    std::vector<CUndoRecordPtr> records;
    if (m_pDoc == nullptr || !(bUndo ? m_store.UndoStep(records) : m_store.RedoStep(records)))
        return false;
    for (const CUndoRecordPtr& record : records)
        ApplyRecord(*record, bUndo); // a record whose owner is gone leaves the rest to apply
    Changed(true);
    return true;
}

bool CObjectEditor::ApplyRecord(CUndoRecord& record, bool bUndo)
{
    CStage* stage = Stage();
    if (stage == nullptr)
        return false;
    // Undo puts back what was before; redo what came after. The other record of a pair only
    // says that its state goes.
    const bool bPut = bUndo ? record.m_nKind == UNDO_BEFORE : record.m_nKind == UNDO_AFTER;
    if (record.m_nType == UNDO_BACKGROUND || record.m_nType == UNDO_BACKGROUND_BMP) {
        if (!bPut)
            return true;
        if (record.m_nType == UNDO_BACKGROUND)
            return PutBack<CBackground>(
                record, [&](auto p) { stage->SetBackground(std::move(p)); });
        const bool bNone = record.m_nFlag == UNDO_FLAG_NONE;
        stage->m_bBackgroundCached = 0;
        return PutBack<CBackgroundBMP>(record,
            [&](auto p) { stage->SetBackgroundBMP(bNone ? nullptr : std::move(p)); });
    }
    if (record.m_nType == UNDO_STAGE_SOUND) {
        if (!bPut)
            return true;
        // A sound without a kind stands for none.
        return PutBack<CSound>(record, [&](std::unique_ptr<CSound> p) {
            stage->SetSound(p->m_nKind == CSound::kindNone ? nullptr : std::move(p));
        });
    }
    if (record.m_nType == UNDO_LAYER) {
        if (!stage->GetLayers())
            stage->SetLayers(std::make_unique<CLayerList>());
        CLayerList& list = *stage->GetLayers();
        if (!bPut) {
            const int index = list.IndexOf(FindLayer(record.m_nKey));
            if (index < 0)
                return false;
            Deselect(list.GetAt(index));
            list.RemoveAt(list.FindIndex(index));
            return true;
        }
        CUndoObjectPtr object = record.TakeObject();
        auto* layer = dynamic_cast<CLayer*>(object.get());
        if (layer == nullptr)
            return false;
        object.release();
        const int index = std::clamp(record.m_nIndex, 0, list.GetCount());
        list.InsertBefore(list.FindIndex(index), layer);
        layer->SetStage(stage);
        layer->AttachParts();
        return true;
    }
    if (!bPut)
        return true;
    CLayer* layer = FindLayer(record.m_nOwner);
    if (layer == nullptr)
        return false;
    bool bOk = false;
    switch (record.m_nType) {
    case UNDO_POS:
        bOk = PutBack<CObjectPos>(record, [&](auto p) { layer->SetPos(std::move(p)); });
        break;
    case UNDO_SIZE:
        bOk = PutBack<CObjectSize>(record, [&](auto p) { layer->SetSize(std::move(p)); });
        break;
    case UNDO_DRAWING:
        bOk = PutBack<CDrawingObject>(record, [&](auto p) { layer->SetDrawing(std::move(p)); });
        break;
    case UNDO_EFFECTS:
        bOk = PutBack<CEffectList>(record, [&](auto p) { layer->SetEffects(std::move(p)); });
        break;
    case UNDO_SOUNDS:
        bOk = PutBack<CSoundList>(record, [&](auto p) {
            layer->SetSounds(record.m_nFlag == UNDO_FLAG_NONE ? nullptr : std::move(p));
        });
        break;
    default:
        break;
    }
    layer->AttachParts();
    return bOk;
}
