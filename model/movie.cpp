#include "model/movie.h"

#include "model/archive.h"
#include "model/listio.h"
#include "platform/audio.h"
#include "platform/dc.h"
#include "platform/message.h"
#include "platform/translate.h"

#include <algorithm>

using platform::Fill;
using platform::Tr;

namespace {

// A stage is at least its ten fixed items, its name's prefix and its four presence bytes; a
// layer at least its identity and five presence bytes.
constexpr int kMinStageBytes = 38;
constexpr int kMinLayerBytes = 9;

// Objects that hold objects of their own kind (a clip's inner stage holds layers that may
// hold clips) could nest until the stack runs out; no real project comes near this.
constexpr int kMaxNesting = 64;

class CNesting {
public:
    explicit CNesting(CArchive& ar) : m_nDepth(++s_nDepth)
    {
        if (m_nDepth > kMaxNesting)
            ar.Fail(Fill(
                Tr("Files", "clips nested more than %1 deep"), { std::to_string(kMaxNesting) }));
    }
    ~CNesting() { --s_nDepth; }

private:
    int m_nDepth;
    static thread_local int s_nDepth;
};
thread_local int CNesting::s_nDepth = 0;

} // namespace

// ---------------------------------------------------------------------------- background

void CBackground::SetBackground(COLORREF crColor, int32_t nMode, int32_t p1, int32_t p2,
                                int32_t p3, int32_t p4)
{
    m_crColor = crColor;
    m_nMode = nMode;
    m_nParam1 = p1;
    m_nParam2 = p2;
    m_nParam3 = p3;
    m_nParam4 = p4;
}

void CBackground::Draw(CDC& target, const CRect& rc) const
{
    if (m_nMode == 0)
        target.FillSolidRect({0, 0, rc.Width(), rc.Height()}, m_crColor);
}

void CBackground::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a background", &m_bError);
    ar.Int(m_nId);
    ar.UInt(m_crColor);
    ar.Int(m_nMode);
    ar.Int(m_nParam1);
    ar.Int(m_nParam2);
    ar.Int(m_nParam3);
    ar.Int(m_nParam4);
}

void CBackgroundBMP::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a background picture", &m_bError);
    ar.Int(m_nId);
    if (ar.Presence(m_pSound != nullptr)) {
        if (ar.IsLoading())
            m_pSound = std::make_unique<CSound>();
        m_pSound->Serialize(ar);
    }
    if (ar.Presence(m_pBitmap != nullptr)) {
        if (ar.IsLoading())
            m_pBitmap = std::make_unique<CHBitmap>();
        m_pBitmap->Serialize(ar);
    }
}

void CBackgroundBMP::Draw(CDC& target, const CRect& rc) const
{
    if (m_pBitmap)
        m_pBitmap->Draw(target, rc);
}

// ------------------------------------------------------------------ position and size

CObjectPos::CObjectPos(int32_t x, int32_t y)
{
    SetAll({x, y});
}

void CObjectPos::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a position");
    ar.Int(m_nId);
    ar.Point(m_ptHome);
    if (ar.IsLoading())
        m_ptOrigin = m_ptCurrent = m_ptHome;
}

CObjectSize::CObjectSize(int32_t cx, int32_t cy) : m_szDesign{cx, cy} {}

void CObjectSize::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a size");
    ar.Int(m_nId);
    ar.Size(m_szDesign);
}

// ---------------------------------------------------------------------------- drawables

void CGenericDrawing::Draw(CDC&, const CRect&, CDC*, CDC*) {}
void CGenericDrawing::DrawAlternate(CDC&, const CRect&, CDC*, CDC*) {}

void CClipartObject::Draw(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask)
{
    if (m_pBitmap)
        m_pBitmap->DrawTransparent(target, rc, pWork, pMask);
}

void CClipartObject::DrawAlternate(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask)
{
    if (m_pBitmap)
        m_pBitmap->DrawSilhouette(target, rc, pWork, pMask);
}

void CDrawnObject::Draw(CDC& target, const CRect& rc, CDC*, CDC*)
{
    if (m_pShape)
        m_pShape->Draw(target, rc);
}

void CDrawnObject::DrawAlternate(CDC& target, const CRect& rc, CDC*, CDC*)
{
    if (m_pShape)
        m_pShape->DrawColored(target, rc, 0x808080);
}

void CImageObject::Draw(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask)
{
    if (m_pBitmap)
        m_pBitmap->DrawTransparent(target, rc, pWork, pMask);
}

void CImageObject::DrawAlternate(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask)
{
    Draw(target, rc, pWork, pMask);
}

void CDrawingObject::Draw(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask)
{
    if (!m_pObject)
        return;
    const CLayer* layer = m_pObject->m_pLayer;
    const CAbstractMovie* movie = layer && layer->GetStage() ? layer->GetStage()->m_pMovie : nullptr;
    if (movie && movie->m_bFocusMode && layer->m_nId != movie->m_nFocusLayerId)
        m_pObject->DrawAlternate(target, rc, pWork, pMask);
    else
        m_pObject->Draw(target, rc, pWork, pMask);
}

void CAnimationObject::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "an animation");
    CNesting nesting(ar);
    ar.Int(m_nFrameCount);
    ar.Size(m_szOriginal);
    if (ar.Presence(m_pStage != nullptr)) {
        if (ar.IsLoading()) {
            m_pStage = std::make_unique<CStage>();
            m_pStage->SetMovie(ar.m_pLoadingMovie);
            m_pStage->m_nRole = CStage::roleInner;
        }
        m_pStage->Serialize(ar);
    }
}

void CClipartObject::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a clipart", &m_bError);
    if (ar.Presence(m_pBitmap != nullptr)) {
        if (ar.IsLoading())
            m_pBitmap = std::make_unique<CHBitmap>();
        m_pBitmap->Serialize(ar);
    }
}

void CDrawnObject::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a drawn object");
    if (ar.IsStoring() && m_pShape)
        m_nShape = m_pShape->ShapeKind();
    ar.Int(m_nShape);
    if (ar.IsLoading()) {
        switch (m_nShape) {
        case 0: m_pShape = std::make_unique<CDrawRect>(); break;
        case 1: m_pShape = std::make_unique<CDrawTextRect>(); break;
        case 2: m_pShape = std::make_unique<CDrawPoly>(); break;
        default:
            m_pShape.reset();
            ar.Fail(Fill(
                Tr("Files", "shape kind %1 is not one of 0 to 2"), { std::to_string(m_nShape) }));
            return;
        }
    } else if (!m_pShape) {
        ar.Fail(Tr("Files", "a drawn object without a shape"));
        return;
    }
    m_pShape->Serialize(ar);
}

void CImageObject::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "an image");
    int32_t present = m_pBitmap != nullptr ? 1 : 0;
    ar.Int(present);
    if (ar.IsLoading())
        m_pBitmap = present != 0 ? std::make_unique<CHBitmap>() : nullptr;
    if (present != 0 && !ar.IsFailed())
        m_pBitmap->Serialize(ar);
}

void CDrawingObject::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a drawing holder", &m_bError);
    ar.Int(m_nId);
    ar.Text(m_strName);
    if (!ar.Presence(m_pObject != nullptr))
        return;
    uint8_t kind = m_pObject ? static_cast<uint8_t>(m_pObject->Kind()) : 0;
    ar.Byte(kind);
    if (ar.IsLoading()) {
        m_pObject.reset();
        if (ar.IsFailed())
            return;
        switch (kind) {
        case CGenericDrawing::kindAnimation: m_pObject = std::make_unique<CAnimationObject>(); break;
        case CGenericDrawing::kindClipart: m_pObject = std::make_unique<CClipartObject>(); break;
        case CGenericDrawing::kindDrawn: m_pObject = std::make_unique<CDrawnObject>(); break;
        case CGenericDrawing::kindImage: m_pObject = std::make_unique<CImageObject>(); break;
        default:
            ar.Fail(Fill(
                Tr("Files", "drawable kind %1 is not one of 1 to 4"), { std::to_string(kind) }));
            return;
        }
    }
    m_pObject->Serialize(ar);
}

// ------------------------------------------------------------------------------- layer

CLayer::CLayer() = default;

void CLayer::SetDrawing(std::unique_ptr<CDrawingObject> p)
{
    m_pDrawing = std::move(p);
    AttachParts();
}

void CLayer::SetEffects(std::unique_ptr<CEffectList> p)
{
    m_pEffects = std::move(p);
    AttachParts();
}

void CLayer::SetSounds(std::unique_ptr<CSoundList> p)
{
    m_pSounds = std::move(p);
    AttachParts();
}

void CLayer::AttachParts()
{
    if (m_pDrawing && m_pDrawing->m_pObject)
        m_pDrawing->m_pObject->m_pLayer = this;
    if (m_pEffects)
        for (CEffect* effect : *m_pEffects)
            effect->m_pOwner = this;
    if (m_pSounds)
        for (CSound* sound : *m_pSounds)
            sound->m_pLayer = this;
}

void CLayer::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a layer");
    ar.Int(m_nId);
    bool bPos = ar.Presence(m_pPos != nullptr);
    bool bSize = ar.Presence(m_pSize != nullptr);
    bool bEffects = ar.Presence(m_pEffects != nullptr);
    bool bSounds = ar.Presence(m_pSounds != nullptr);
    bool bDrawing = ar.Presence(m_pDrawing != nullptr);
    if (ar.IsLoading()) {
        if (bPos)
            m_pPos = std::make_unique<CObjectPos>();
        if (bSize)
            m_pSize = std::make_unique<CObjectSize>();
        if (bDrawing && !m_pDrawing)
            m_pDrawing = std::make_unique<CDrawingObject>();
        if (bEffects) {
            if (m_pEffects)
                m_pEffects->RemoveAll();
            else
                m_pEffects = std::make_unique<CEffectList>();
        }
        if (bSounds) {
            if (m_pSounds)
                m_pSounds->RemoveAll();
            else
                m_pSounds = std::make_unique<CSoundList>();
        }
    }
    if (bPos)
        m_pPos->Serialize(ar);
    if (bSize)
        m_pSize->Serialize(ar);
    if (bDrawing)
        m_pDrawing->Serialize(ar);
    if (bEffects)
        m_pEffects->Serialize(ar);
    if (bSounds)
        m_pSounds->Serialize(ar);
    if (ar.IsLoading()) {
        // A layer whose effect list came back empty has no effect list at all.
        if (m_pEffects && m_pEffects->IsEmpty() && !ar.IsFailed())
            m_pEffects.reset();
        AttachParts();
    }
}

void CLayer::ChangeIds(bool bRenew)
{
    for (CIdentity* part : std::initializer_list<CIdentity*>{
             this, m_pSize.get(), m_pPos.get(), m_pDrawing.get(), m_pEffects.get(), m_pSounds.get()})
        if (part != nullptr)
            bRenew ? part->Renew() : part->Restore();
    if (m_pDrawing)
        if (auto* clip = dynamic_cast<CAnimationObject*>(m_pDrawing->GetObject()))
            if (clip->m_pStage)
                clip->m_pStage->ChangeIds(bRenew);
}

// ------------------------------------------------------------------------------- stage

CStage::CStage() = default;
CStage::~CStage() = default;

void CStage::SetBackground(std::unique_ptr<CBackground> p)
{
    m_pBackground = std::move(p);
    m_bBackgroundCached = 0;
}

void CStage::SetBackgroundBMP(std::unique_ptr<CBackgroundBMP> p)
{
    m_pBackgroundBMP = std::move(p);
    m_bBackgroundCached = 0;
}

void CStage::SetLayers(std::unique_ptr<CLayerList> p)
{
    m_pLayers = std::move(p);
    if (m_pLayers)
        for (CLayer* layer : *m_pLayers)
            layer->SetStage(this);
}

void CStage::SetTimes(int32_t t1, int32_t t2, int32_t t3, int32_t t4)
{
    m_nTime1 = t1;
    m_nTime2 = t2;
    m_nTime3 = t3;
    m_nTime4 = t4;
}

CLayer* CStage::AddObject(int nKind, int32_t x, int32_t y, int32_t cx, int32_t cy)
{
    if (nKind < CGenericDrawing::kindAnimation || nKind > CGenericDrawing::kindImage)
        return nullptr;
    if (!m_pLayers)
        m_pLayers = std::make_unique<CLayerList>();
    auto* layer = new CLayer;
    m_pLayers->AddHead(layer);
    layer->SetStage(this);
    layer->SetEffects(std::make_unique<CEffectList>());
    layer->SetDrawing(std::make_unique<CDrawingObject>());
    layer->SetPos(std::make_unique<CObjectPos>(x, y));
    layer->SetSize(std::make_unique<CObjectSize>(cx, cy));
    return layer;
}

bool CStage::ReorderLayer(int index, int mode)
{
    if (!m_pLayers || mode < moveUp || mode > moveDown)
        return false;
    auto it = m_pLayers->FindIndex(index);
    if (it == m_pLayers->end())
        return false;
    CLayer* layer = *it;
    const bool atHead = it == m_pLayers->begin();
    const bool atTail = std::next(it) == m_pLayers->end();
    CLayerList::iterator target;
    switch (mode) {
    case moveUp:
        if (atHead)
            return true;
        target = std::prev(it);
        break;
    case moveToBottom:
        if (atTail)
            return true;
        target = m_pLayers->end();
        break;
    case moveToTop:
        if (atHead)
            return true;
        target = m_pLayers->begin();
        break;
    default: // moveDown
        if (atTail)
            return true;
        target = std::next(it, 2);
        break;
    }
    // The new node holds its own reference before the old node lets go of its one, so the
    // count never reaches 0 on the way.
    layer->AddRef();
    m_pLayers->InsertBefore(target, layer);
    m_pLayers->RemoveAt(it);
    return true;
}

void CStage::ChangeIds(bool bRenew)
{
    for (CIdentity* part : std::initializer_list<CIdentity*>{this, m_pBackground.get(), m_pBackgroundBMP.get()})
        if (part != nullptr)
            bRenew ? part->Renew() : part->Restore();
    if (m_pLayers)
        for (CLayer* layer : *m_pLayers)
            layer->ChangeIds(bRenew);
}

void CStage::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a stage");
    CNesting nesting(ar);
    ar.Int(m_nId);
    ar.Int(m_nReserved1);
    ar.Int(m_nTime4);
    ar.Int(m_nReserved2);
    ar.Text(m_strName);
    ar.Int(m_nTime2);
    ar.Int(m_nTime1);
    ar.Int(m_nTime3);
    ar.Int(m_nRole);
    uint8_t zero = 0;
    ar.Byte(zero);
    bool bBackground = ar.Presence(m_pBackground != nullptr);
    bool bBackgroundBMP = ar.Presence(m_pBackgroundBMP != nullptr);
    bool bSound = ar.Presence(m_pSound != nullptr);
    bool bLayers = ar.Presence(m_pLayers != nullptr);
    if (ar.IsFailed())
        return;
    if (bBackground) {
        if (ar.IsLoading())
            SetBackground(std::make_unique<CBackground>());
        m_pBackground->Serialize(ar);
    }
    if (bBackgroundBMP) {
        if (ar.IsLoading())
            SetBackgroundBMP(std::make_unique<CBackgroundBMP>());
        m_pBackgroundBMP->Serialize(ar);
    }
    if (bSound) {
        if (ar.IsLoading())
            m_pSound = std::make_unique<CSound>();
        m_pSound->Serialize(ar);
    }
    if (bLayers) {
        if (ar.IsLoading())
            m_pLayers = std::make_unique<CLayerList>();
        CArchive::Scope listScope(ar, "a layer list");
        SerializeListElements(ar, *m_pLayers, kMinLayerBytes, QT_TRANSLATE_NOOP("Files", "layers"));
        if (ar.IsLoading())
            for (CLayer* layer : *m_pLayers)
                layer->SetStage(this);
    }
}

// ------------------------------------------------------------------------------- movie

CAbstractMovie::CAbstractMovie() = default;
CAbstractMovie::~CAbstractMovie() = default;

std::unique_ptr<CAbstractMovie> CAbstractMovie::NewProject()
{
    auto movie = std::make_unique<CAbstractMovie>();
    movie->m_rcStage = {0, 0, 800, 600};
    movie->m_nFrameCount = 1;
    movie->m_nPlayMode = 2;
    auto stage = new CStage;
    auto stages = std::make_unique<CStageList>();
    stages->AddTail(stage);
    movie->SetStages(std::move(stages));
    auto background = std::make_unique<CBackground>();
    background->SetBackground(0xFFFFFF, 0, 0, 0, 0, 0);
    stage->SetBackground(std::move(background));
    stage->SetLayers(std::make_unique<CLayerList>());
    stage->SetTimes(1, 0, 0, 1);
    return movie;
}

void CAbstractMovie::SetStages(std::unique_ptr<CStageList> p)
{
    m_pStages = std::move(p);
    if (m_pStages)
        for (CStage* stage : *m_pStages)
            stage->SetMovie(this);
}

void CAbstractMovie::ChangeIds(bool bRenew)
{
    bRenew ? Renew() : Restore();
    if (m_pStages)
        for (CStage* stage : *m_pStages)
            stage->ChangeIds(bRenew);
}

void CAbstractMovie::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "the movie");
    ar.Int(m_nFrameCount);
    bool bStages = ar.Presence(m_pStages != nullptr);
    ar.Rect(m_rcStage);
    ar.Int(m_nId);
    if (!bStages || ar.IsFailed())
        return;
    if (ar.IsLoading())
        m_pStages = std::make_unique<CStageList>();
    CArchive::Scope listScope(ar, "the stage list");
    SerializeListElements(ar, *m_pStages, kMinStageBytes, QT_TRANSLATE_NOOP("Files", "stages"));
    if (ar.IsLoading())
        for (CStage* stage : *m_pStages)
            stage->SetMovie(this);
}

// ----------------------------------------------------------------------------- playback

bool CLayer::CanStep()
{
    if (m_pEffects && m_pStage != nullptr)
        return true;
    if (!m_bReported) {
        m_bReported = true;
        const std::string name = m_pDrawing ? m_pDrawing->m_strName : std::string();
        platform::ShowMessage(platform::IDS_MISSING_RESOURCE,
            Fill(m_pEffects ? Tr("Files", "object \"%1\" has no stage and is not drawn")
                            : Tr("Files", "object \"%1\" has no effect list and is not drawn"),
                { name }));
    }
    return false;
}

int CLayer::StepForward(int32_t frame)
{
    if (!CanStep())
        return 0;
    for (CEffect* effect : *m_pEffects) {
        effect->StepForward(frame);
        if (effect->m_bDrawn || frame == -1)
            break;
    }
    const CAbstractMovie* movie = m_pStage->m_pMovie;
    if (movie != nullptr && !movie->m_bPaused && frame != -1 && m_pSounds)
        for (CSound* sound : *m_pSounds)
            sound->OnFrame(frame);
    return 1;
}

int CLayer::StepBackward(int32_t frame)
{
    if (!CanStep())
        return 0;
    for (CEffect* effect : *m_pEffects) {
        effect->StepBackward(frame);
        if (effect->m_bDrawn)
            break;
    }
    return 1;
}

void CLayer::Rewind()
{
    if (!m_pPos || !m_pDrawing)
        return;
    m_pPos->m_ptCurrent = m_pPos->m_ptHome;
    m_pPos->m_ptOrigin = m_pPos->m_ptHome;
    if (auto* clip = dynamic_cast<CAnimationObject*>(m_pDrawing->GetObject()))
        clip->Rewind();
    if (m_pEffects)
        for (CEffect* effect : *m_pEffects)
            effect->ResetEffect();
}

void CLayer::GoToEnd()
{
    if (!m_pEffects)
        return;
    for (CEffect* effect : *m_pEffects)
        effect->GoToEnd();
    if (m_pPos && !m_pEffects->IsEmpty())
        m_pPos->m_ptOrigin = m_pEffects->StartPosition(m_pEffects->GetTail(), m_pPos->m_ptHome);
}

void CLayer::SetStep(int32_t n)
{
    if (m_pEffects)
        for (CEffect* effect : *m_pEffects)
            effect->SetStep(n);
}

int CStage::PlayFrame(int32_t frame, bool bForward)
{
    CAbstractMovie* movie = m_pMovie;
    if (movie == nullptr || movie->m_bCompositionStopped || movie->m_pDC == nullptr)
        return 0;
    if (!movie->m_bPaused && frame == 0 && platform::AudioOutput().MidiDeviceCount() > 0 && m_pSound)
        m_pSound->Play();
    if (frame == 0)
        m_bBackgroundCached = 0;
    if (m_nRole == roleMovie) {
        const CRect& rc = movie->m_rcStage;
        if (!m_bBufferCreated) {
            if (rc.Width() <= 0 || rc.Height() <= 0 || rc.Width() > 16384 || rc.Height() > 16384) {
                if (!m_bBufferReported) {
                    m_bBufferReported = true;
                    platform::ShowMessage(platform::IDS_MISSING_RESOURCE,
                        Fill(Tr("Files", "no stage buffer of %1 x %2 pixels can be made"),
                            { std::to_string(rc.Width()), std::to_string(rc.Height()) }));
                }
                return 0;
            }
            m_hMemDC = std::make_unique<CDC>(rc.Width(), rc.Height());
            m_bBufferCreated = 1;
        }
        if (!m_bBackgroundCached) {
            // The stage's palette is selected here on screens that have palettes.
            if (m_pBackground)
                m_pBackground->Draw(*m_hMemDC, rc);
            if (m_pBackgroundBMP)
                m_pBackgroundBMP->Draw(*m_hMemDC, rc);
            m_bBackgroundCached = 1;
        }
        // The copy erases everything the previous frame drew.
        movie->m_pDC->BitBlt(0, 0, rc.Width(), rc.Height(), *m_hMemDC, 0, 0, SRCCOPY);
    }
    if (m_pLayers) {
        for (auto it = m_pLayers->end(); it != m_pLayers->begin();) {
            CLayer* layer = *--it;
            if (bForward)
                layer->StepForward(frame);
            else
                layer->StepBackward(frame);
        }
    }
    return 1;
}

void CStage::Rewind()
{
    m_nState = 0;
    if (m_nRole == roleMovie)
        platform::AudioOutput().StopWave();
    if (m_pLayers) {
        for (CLayer* layer : *m_pLayers) {
            layer->Rewind();
            // Each pass, a marker silences the wave once again.
            if (layer->m_pSounds)
                for (CSound* sound : *layer->m_pSounds)
                    if (sound->m_nKind == CSound::kindMarker)
                        sound->m_nMarkState = 2;
        }
    }
}

void CStage::Pause()
{
    if (platform::AudioOutput().MidiDeviceCount() > 0 && m_pSound)
        m_pSound->Stop();
    // Whatever still sounds falls silent with the pause, whoever started it.
    if (m_nRole == roleMovie) {
        platform::AudioOutput().StopWave();
        platform::AudioOutput().StopSpeech();
    }
    if (m_pLayers) {
        for (auto it = m_pLayers->end(); it != m_pLayers->begin();) {
            CLayer* layer = *--it;
            if (layer->m_pSounds)
                for (CSound* sound : *layer->m_pSounds)
                    sound->Stop();
        }
    }
}

void CStage::GoToLast()
{
    if (m_pLayers)
        for (CLayer* layer : *m_pLayers)
            layer->GoToEnd();
}

void CStage::GoToFrame(int32_t n)
{
    if (m_pLayers)
        for (CLayer* layer : *m_pLayers)
            layer->SetStep(n);
}

void CAbstractMovie::PlayFrame(int32_t frame, bool bForward)
{
    if (m_pStages)
        for (CStage* stage : *m_pStages)
            stage->PlayFrame(frame, bForward);
}

void CAbstractMovie::Tick()
{
    if (m_bPaused)
        return;
    if (m_nCurrentFrame >= m_nFrameCount) {
        if (m_nPlayMode != 2)
            return; // the frame buffer keeps the last frame
        Rewind();
    }
    PlayFrame(m_nCurrentFrame, true);
    ++m_nCurrentFrame;
}

void CAbstractMovie::Rewind()
{
    if (m_pStages)
        for (CStage* stage : *m_pStages)
            stage->Rewind();
    m_nCurrentFrame = 0;
}

void CAbstractMovie::Pause()
{
    m_bPaused = 1;
    if (m_pStages)
        for (CStage* stage : *m_pStages)
            stage->Pause();
}

void CAbstractMovie::GoToLast()
{
    if (m_pStages)
        for (CStage* stage : *m_pStages)
            stage->GoToLast();
    m_nCurrentFrame = m_nFrameCount - 1;
}

void CAbstractMovie::GoToFrame(int32_t n)
{
    if (m_pStages)
        for (CStage* stage : *m_pStages)
            stage->GoToFrame(n);
    m_nCurrentFrame = n;
}

// ---------------------------------------------------------------------------------- clips

void CAnimationObject::Rewind()
{
    m_nFrame = 0;
    if (m_pStage)
        m_pStage->Rewind();
}

void CAnimationObject::Draw(CDC& target, const CRect& rc, CDC*, CDC*)
{
    if (!m_pStage || rc.Width() == 0 || rc.Height() == 0)
        return;
    CAbstractMovie* movie = m_pStage->m_pMovie;
    // Inside the clip in focus its own objects draw normally.
    const bool focus = movie != nullptr && movie->m_bFocusMode != 0;
    if (focus && m_pLayer != nullptr && m_pLayer->m_nId == movie->m_nFocusLayerId)
        movie->m_bFocusMode = 0;

    float sx = static_cast<float>(m_szOriginal.cx) / static_cast<float>(rc.Width());
    float sy = static_cast<float>(m_szOriginal.cy) / static_cast<float>(rc.Height());
    sx = std::max(sx, 0.01f);
    sy = std::max(sy, 0.01f);
    const int previousMode = target.SetMapMode(MM_ANISOTROPIC);
    const CPoint previousOrigin =
        target.SetWindowOrg(static_cast<int>(-rc.left * sx), static_cast<int>(-rc.top * sy));
    const CSize previousWindow =
        target.SetWindowExt(static_cast<int>(rc.Width() * sx), static_cast<int>(rc.Height() * sy));
    const CSize previousViewport = target.SetViewportExt(rc.Width(), rc.Height());

    if (movie != nullptr && movie->m_bPaused) {
        m_pStage->PlayFrame(m_nFrame, true);
    } else {
        if (m_nFrame >= m_nFrameCount)
            Rewind();
        m_pStage->PlayFrame(m_nFrame, true);
        ++m_nFrame;
    }

    target.SetMapMode(previousMode);
    target.SetWindowOrg(previousOrigin.x, previousOrigin.y);
    target.SetWindowExt(previousWindow.cx, previousWindow.cy);
    target.SetViewportExt(previousViewport.cx, previousViewport.cy);
    if (focus && movie != nullptr)
        movie->m_bFocusMode = 1;
}

void CAnimationObject::DrawAlternate(CDC& target, const CRect& rc, CDC*, CDC*)
{
    Draw(target, rc, nullptr, nullptr);
}

// ------------------------------------------------------------------------------ identities

namespace {

void TakeHighest(int32_t& nHighest, const CIdentity* part)
{
    if (part != nullptr && part->m_nId > nHighest)
        nHighest = part->m_nId;
}

void TakeHighest(int32_t& nHighest, const CStage& stage)
{
    TakeHighest(nHighest, &stage);
    TakeHighest(nHighest, stage.m_pBackground.get());
    TakeHighest(nHighest, stage.m_pBackgroundBMP.get());
    if (!stage.m_pLayers)
        return;
    for (const CLayer* layer : *stage.m_pLayers) {
        for (const CIdentity* part : std::initializer_list<const CIdentity*>{
                 layer, layer->m_pSize.get(), layer->m_pPos.get(), layer->m_pDrawing.get(),
                 layer->m_pEffects.get(), layer->m_pSounds.get()})
            TakeHighest(nHighest, part);
        if (layer->m_pDrawing)
            if (auto* clip = dynamic_cast<const CAnimationObject*>(layer->m_pDrawing->GetObject()))
                if (clip->m_pStage)
                    TakeHighest(nHighest, *clip->m_pStage);
    }
}

} // namespace

int32_t HighestObjectId(const CAbstractMovie& movie)
{
    int32_t nHighest = movie.m_nId;
    if (movie.m_pStages)
        for (const CStage* stage : *movie.m_pStages)
            TakeHighest(nHighest, *stage);
    return nHighest;
}
