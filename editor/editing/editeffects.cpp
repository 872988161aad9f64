// The effects of objects: a kind attached to objects or added to one, an effect edited or
// removed. Each change is one undoable step holding every changed list's state before and
// after; a change that would make two effects of an object share a frame is taken back whole
// and leaves the history as it was.
#include "editor/editing/editing.h"

#include "editor/windows/effectpropsdlg.h"
#include "model/effect.h"
#include "model/movie.h"
#include "platform/message.h"
#include "platform/translate.h"
#include "playback/effecttable.h"
#include "playback/projectdoc.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace {

constexpr int IDS_EFFECT_OVERLAPS = 10130;
constexpr int IDS_EDIT_OVERLAPS = 10146;

// The frame after the object's last effect: the largest start + duration, 0 without effects.
int64_t EndOfEffects(const CEffectList& list)
{
    int64_t end = 0;
    for (const CEffect* effect : list)
        end = std::max(end, int64_t(effect->m_nStartFrame) + effect->m_nDuration);
    return end;
}

// The frames a kind runs on an object: a clip's own length for the kind that does not move;
// the given duration otherwise.
int32_t DurationOn(const CLayer& layer, const EffectKind& kind, int32_t nDuration)
{
    if (kind.m_nType != -1 || !layer.m_pDrawing)
        return nDuration;
    if (const auto* clip = dynamic_cast<const CAnimationObject*>(layer.m_pDrawing->GetObject()))
        return clip->m_nFrameCount;
    return nDuration;
}

// What a list was before a tentative change: enough to put it back exactly (the values a
// change touches, and the identity pair, which files keep).
class CListBackup {
public:
    explicit CListBackup(CEffectList& list)
        : m_list(list)
        , m_nId(list.m_nId)
        , m_nSavedId(list.m_nSavedId)
    {
        for (const CEffect* effect : list)
            m_flags.push_back(effect->m_bOffScreenAfter);
    }
    // Takes the added effect out again (none: nothing was added) and puts the rest back.
    void Restore(CEffect* pAdded)
    {
        if (pAdded != nullptr) {
            const int index = m_list.IndexOf(pAdded);
            if (index >= 0)
                m_list.RemoveAt(m_list.FindIndex(index));
        }
        size_t i = 0;
        for (CEffect* effect : m_list)
            if (i < m_flags.size())
                effect->m_bOffScreenAfter = m_flags[i++];
        m_list.m_nId = m_nId;
        m_list.m_nSavedId = m_nSavedId;
    }

private:
    CEffectList& m_list;
    int32_t m_nId;
    int32_t m_nSavedId;
    std::vector<int32_t> m_flags;
};

// Marks every effect but the last off screen, as playback needs it.
void MarkAllButLastOffScreen(CEffectList& list)
{
    for (CEffect* effect : list)
        if (effect != list.GetTail())
            effect->m_bOffScreenAfter = 1;
}

// A new effect of the kind on the object.
CEffect* NewEffect(CLayer& layer, const EffectKind& kind, const CEffectPropertiesDlg& dlg,
    int32_t nStart, int32_t nDuration)
{
    auto* effect = new CEffect;
    effect->m_nDuration = nDuration;
    effect->m_nDefaultDuration = nDuration;
    effect->m_nUserValue = dlg.m_nUserValue;
    effect->m_nStartFrame = nStart;
    effect->m_strName = kind.m_strName;
    effect->m_nType = kind.m_nType;
    effect->m_fParam1 = kind.m_fParam1;
    effect->m_fParam2 = kind.m_fParam2;
    effect->m_fParam3 = kind.m_fParam3;
    effect->m_pOwner = &layer;
    effect->m_bOffScreenAfter = dlg.m_bOffScreen ? 1 : 0;
    return effect;
}

// True when the effect ends inside the 32-bit frame range playback counts in.
bool EndsInRange(const CEffect& effect)
{
    return int64_t(effect.m_nStartFrame) + effect.m_nDuration
        <= std::numeric_limits<int32_t>::max();
}

// The layer's effect list, made empty when it has none.
CEffectList& EffectsOf(CLayer& layer)
{
    if (!layer.m_pEffects) {
        layer.SetEffects(std::make_unique<CEffectList>());
        layer.AttachParts();
    }
    return *layer.m_pEffects;
}

// One object's effect list changed as one step: its state before, kept when the change begins,
// and its state after, pushed with it when the change is kept.
class CEffectListStep {
public:
    CEffectListStep(CUndoStore& store, CLayer& layer)
        : m_store(store)
        , m_layer(layer)
    {
    }
    // False (and said) when the state before cannot be kept: nothing may change then.
    bool Begin()
    {
        CEffectList& list = *m_layer.m_pEffects;
        m_before = std::make_shared<CUndoRecord>(UNDO_EFFECTS, UNDO_BEFORE, list.m_nId, m_layer.m_nId);
        if (m_store.SaveState(*m_before, list))
            return true;
        platform::ShowMessage(platform::Tr("Editing", kNotRecorded));
        return false;
    }
    // False when the step could not be pushed (the change stays, unrecorded).
    bool Commit()
    {
        CEffectList& list = *m_layer.m_pEffects;
        auto after = std::make_shared<CUndoRecord>(UNDO_EFFECTS, UNDO_AFTER, list.m_nId, m_layer.m_nId);
        return m_store.RecordStep({ { m_before, nullptr }, { after, &list } });
    }

private:
    CUndoStore& m_store;
    CLayer& m_layer;
    CUndoRecordPtr m_before;
};

} // namespace

bool CObjectEditor::EffectsChanged(bool bRecorded)
{
    if (!bRecorded)
        NotRecorded();
    Changed(true);
    return true;
}

void CObjectEditor::RefuseNewEffect(CAbstractMovie& movie)
{
    // The lists are as they were; so are the length and the marks drawn from it.
    platform::ShowMessage(IDS_EFFECT_OVERLAPS, "");
    RecomputeMovieLength(movie);
    RebuildMarks();
}

bool CObjectEditor::RunEffectDialog(CEffectPropertiesDlg& dlg)
{
    const bool bOk = m_runEffectDialog ? m_runEffectDialog(dlg) : dlg.exec() == QDialog::Accepted;
    m_host.RepaintStage();
    return bOk;
}

bool CObjectEditor::AttachEffectToSelection(const EffectKind& kind)
{
    return AttachEffect(Selection(), kind);
}

bool CObjectEditor::AttachEffectToLayer(CLayer& layer, const EffectKind& kind)
{
    return AttachEffect({ &layer }, kind);
}

bool CObjectEditor::AttachEffect(const std::vector<CLayer*>& layers, const EffectKind& kind)
{
    CancelDrag();
    if (layers.empty() || m_pDoc == nullptr || m_pDoc->GetMovie() == nullptr)
        return false;
    CEffectPropertiesDlg dlg(m_pDoc, true, m_host.DialogParent());
    dlg.m_nDuration = dlg.m_nDurationCopy = kind.m_nDuration;
    dlg.m_nUserValue = 0;
    dlg.m_nStartFrame = 0;
    dlg.m_bOffScreen = false;
    dlg.m_nType = kind.m_nType;
    dlg.m_fP1 = kind.m_fParam1;
    dlg.m_fP2 = kind.m_fParam2;
    dlg.m_fP3 = kind.m_fParam3;
    if (!RunEffectDialog(dlg))
        return false;

    // Every state before is kept first; then every object gets its effect; only when all of
    // them fit are the states after kept and the step pushed.
    std::vector<CUndoEntry> entries;
    std::vector<CUndoRecordPtr> before;
    for (CLayer* layer : layers) {
        CEffectList& list = EffectsOf(*layer);
        auto record
            = std::make_shared<CUndoRecord>(UNDO_EFFECTS, UNDO_BEFORE, list.m_nId, layer->m_nId);
        if (!m_store.SaveState(*record, list)) {
            platform::ShowMessage(platform::Tr("Editing", kNotRecorded));
            return false;
        }
        before.push_back(record);
    }
    std::vector<CListBackup> backups;
    std::vector<CEffect*> added;
    bool bFits = true;
    for (CLayer* layer : layers) {
        CEffectList& list = *layer->m_pEffects;
        backups.emplace_back(list);
        const int64_t start = EndOfEffects(list);
        const int32_t duration = DurationOn(*layer, kind, dlg.m_nDuration);
        CEffect* effect = NewEffect(*layer, kind, dlg,
            static_cast<int32_t>(std::min<int64_t>(start, std::numeric_limits<int32_t>::max())),
            duration);
        list.AddTail(effect);
        added.push_back(effect);
        list.RenewIds();
        MarkAllButLastOffScreen(list);
        if (start > std::numeric_limits<int32_t>::max() || !EndsInRange(*effect)
            || !list.NoOverlaps())
            bFits = false;
    }
    CAbstractMovie& movie = *m_pDoc->GetMovie();
    if (!bFits) {
        for (size_t i = 0; i < backups.size(); ++i)
            backups[i].Restore(added[i]);
        RefuseNewEffect(movie);
        return false;
    }
    for (size_t i = 0; i < layers.size(); ++i) {
        CEffectList& list = *layers[i]->m_pEffects;
        entries.push_back({ before[i], nullptr });
        entries.push_back({ std::make_shared<CUndoRecord>(
                                UNDO_EFFECTS, UNDO_AFTER, list.m_nId, layers[i]->m_nId),
            &list });
    }
    return EffectsChanged(m_store.RecordStep(entries));
}

bool CObjectEditor::AddEffect(CLayer& layer, const EffectKind& kind)
{
    CancelDrag();
    if (m_pDoc == nullptr || m_pDoc->GetMovie() == nullptr)
        return false;
    CEffectList& list = EffectsOf(layer);
    CEffectPropertiesDlg dlg(m_pDoc, true, m_host.DialogParent());
    dlg.m_nDuration = dlg.m_nDurationCopy = kind.m_nDuration;
    dlg.m_nUserValue = 0;
    dlg.m_nStartFrame
        = static_cast<int32_t>(std::min<int64_t>(EndOfEffects(list), kMaxEffectStart));
    dlg.m_bOffScreen = false;
    dlg.m_nType = kind.m_nType;
    dlg.m_fP1 = kind.m_fParam1;
    dlg.m_fP2 = kind.m_fParam2;
    dlg.m_fP3 = kind.m_fParam3;
    if (!RunEffectDialog(dlg))
        return false;

    CEffectListStep step(m_store, layer);
    if (!step.Begin())
        return false;
    CListBackup backup(list);
    CEffect* effect = NewEffect(
        layer, kind, dlg, dlg.m_nStartFrame, DurationOn(layer, kind, dlg.m_nDuration));
    list.AddTail(effect);
    list.RenewIds();
    MarkAllButLastOffScreen(list);
    CAbstractMovie& movie = *m_pDoc->GetMovie();
    if (!list.NoOverlaps()) {
        // Nothing of the refused effect stays: no state after, the redo stack untouched.
        backup.Restore(effect);
        RefuseNewEffect(movie);
        return false;
    }
    return EffectsChanged(step.Commit());
}

bool CObjectEditor::EditEffect(CLayer& layer, CEffect& effect)
{
    CancelDrag();
    if (m_pDoc == nullptr || m_pDoc->GetMovie() == nullptr || !layer.m_pEffects
        || layer.m_pEffects->IndexOf(&effect) < 0)
        return false;
    CEffectList& list = *layer.m_pEffects;
    CEffectPropertiesDlg dlg(m_pDoc, true, m_host.DialogParent());
    // An effect whose default duration was never given is edited from what it runs.
    dlg.m_nDuration = effect.m_nDefaultDuration >= 0 ? effect.m_nDefaultDuration : effect.m_nDuration;
    dlg.m_nDurationCopy = effect.m_nDuration;
    dlg.m_nUserValue = effect.m_nUserValue;
    dlg.m_nStartFrame = effect.m_nStartFrame;
    dlg.m_bOffScreen = effect.m_bOffScreenAfter != 0;
    dlg.m_nType = effect.m_nType;
    dlg.m_fP1 = effect.m_fParam1;
    dlg.m_fP2 = effect.m_fParam2;
    dlg.m_fP3 = effect.m_fParam3;
    if (!RunEffectDialog(dlg))
        return false;
    const int32_t offScreen = dlg.m_bOffScreen ? 1 : 0;
    if (dlg.m_nDuration == effect.m_nDuration && dlg.m_nDuration == effect.m_nDefaultDuration
        && dlg.m_nUserValue == effect.m_nUserValue && dlg.m_nStartFrame == effect.m_nStartFrame
        && offScreen == effect.m_bOffScreenAfter)
        return false; // nothing to change, nothing to undo

    CEffectListStep step(m_store, layer);
    if (!step.Begin())
        return false;
    struct {
        int32_t nDuration, nDefaultDuration, nUserValue, nStartFrame, bOffScreenAfter;
    } const old { effect.m_nDuration, effect.m_nDefaultDuration, effect.m_nUserValue,
        effect.m_nStartFrame, effect.m_bOffScreenAfter };
    effect.m_nDuration = dlg.m_nDuration;
    effect.m_nDefaultDuration = dlg.m_nDuration;
    effect.m_nUserValue = dlg.m_nUserValue;
    effect.m_nStartFrame = dlg.m_nStartFrame;
    effect.m_bOffScreenAfter = offScreen;
    if (!list.NoOverlaps()) {
        // All five values the edit changed go back, so the effect is as it was.
        platform::ShowMessage(IDS_EDIT_OVERLAPS, "");
        effect.m_nDuration = old.nDuration;
        effect.m_nDefaultDuration = old.nDefaultDuration;
        effect.m_nUserValue = old.nUserValue;
        effect.m_nStartFrame = old.nStartFrame;
        effect.m_bOffScreenAfter = old.bOffScreenAfter;
        return false;
    }
    list.RenewIds();
    return EffectsChanged(step.Commit());
}

bool CObjectEditor::RemoveEffect(CLayer& layer, CEffect& effect)
{
    CancelDrag();
    if (m_pDoc == nullptr || m_pDoc->GetMovie() == nullptr || !layer.m_pEffects)
        return false;
    CEffectList& list = *layer.m_pEffects;
    const int index = list.IndexOf(&effect);
    if (index < 0)
        return false;
    CEffectListStep step(m_store, layer);
    if (!step.Begin())
        return false;
    // The last effect's choice passes to the new last one; taking out any other effect puts
    // the last one on screen.
    const int32_t offScreen = &effect == list.GetTail() ? effect.m_bOffScreenAfter : 0;
    list.RemoveAt(list.FindIndex(index));
    list.RenewIds();
    if (CEffect* last = list.GetTail())
        last->m_bOffScreenAfter = offScreen;
    return EffectsChanged(step.Commit());
}
