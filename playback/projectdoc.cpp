#include "playback/projectdoc.h"

#include "model/movie.h"
#include "platform/dc.h"
#include "platform/message.h"

#include <algorithm>
#include <new>

namespace {
constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;
} // namespace

CProjectDoc::CProjectDoc(std::unique_ptr<CAbstractMovie> movie) : m_pMovie(std::move(movie)) {}

CProjectDoc::~CProjectDoc()
{
    if (m_pMovie) {
        m_pMovie->Pause();
        m_pMovie->m_pDC = m_pMovie->m_pWorkDC = m_pMovie->m_pMaskDC = nullptr;
    }
    if (IsPreviewInstalled())
        RestoreMovie();
}

bool CProjectDoc::CreateBuffers()
{
    try {
        m_pFrame = std::make_unique<CDC>(kFrameWidth, kFrameHeight);
        m_pWork = std::make_unique<CDC>(kFrameWidth, kFrameHeight);
        m_pMask = std::make_unique<CDC>(kFrameWidth, kFrameHeight, true);
    } catch (const std::bad_alloc&) {
        m_pFrame.reset();
        m_pWork.reset();
        m_pMask.reset();
    }
    if (!m_pFrame || m_pFrame->Image().isNull() || m_pWork->Image().isNull() || m_pMask->Image().isNull()) {
        platform::ShowMessage("Out of memory! Close the application and solve the problem!");
        if (m_pMovie)
            m_pMovie->m_bCompositionStopped = true;
        return false;
    }
    if (m_pMovie) {
        m_pMovie->m_pDC = m_pFrame.get();
        m_pMovie->m_pWorkDC = m_pWork.get();
        m_pMovie->m_pMaskDC = m_pMask.get();
        m_pMovie->Resume();
    }
    return true;
}

void CProjectDoc::CopyFrame(CDC& target, const CRect& rc) const
{
    if (!m_pFrame)
        return;
    target.SetStretchBltMode(COLORONCOLOR);
    target.StretchBlt(rc, *m_pFrame, {0, 0, kFrameWidth, kFrameHeight}, SRCCOPY);
}

void CProjectDoc::RenderTick(CDC& target, const CRect& rc)
{
    if (!m_pMovie || m_pMovie->m_bCompositionStopped)
        return;
    m_pMovie->Tick();
    CopyFrame(target, rc);
}

void CProjectDoc::RenderStill(CDC& target, const CRect& rc)
{
    if (!m_pMovie || m_pMovie->m_bCompositionStopped || IsPreviewInstalled())
        return;
    // A still shows every clip at the frame it is at: drawing it again must not step it, or
    // each redraw of the editor's stage view would move the clips on.
    const int32_t bPaused = m_pMovie->m_bPaused;
    m_pMovie->m_bPaused = 1;
    m_pMovie->PlayFrame(-1, true);
    m_pMovie->m_bPaused = bPaused;
    CopyFrame(target, rc);
}

void CProjectDoc::RenderStep(CDC& target, const CRect& rc, int command)
{
    if (!m_pMovie)
        return;
    CAbstractMovie& movie = *m_pMovie;
    switch (command) {
    case stepNext:
        // Turning round compensates by one frame, so the neighbouring frame shows.
        if (!m_bStepForward) {
            if (m_bAtStart)
                m_bAtStart = 0;
            else
                ++movie.m_nCurrentFrame;
            m_bStepForward = 1;
        }
        movie.PlayFrame(movie.m_nCurrentFrame, true);
        ++movie.m_nCurrentFrame;
        if (movie.m_nCurrentFrame == movie.m_nFrameCount)
            m_bAtEnd = 1;
        break;
    case stepPrevious:
        if (m_bStepForward) {
            m_bStepForward = 0;
            if (m_bAtEnd)
                m_bAtEnd = 0;
            else
                --movie.m_nCurrentFrame;
        }
        --movie.m_nCurrentFrame;
        movie.PlayFrame(movie.m_nCurrentFrame, false);
        if (movie.m_nCurrentFrame == -1)
            m_bAtStart = 1;
        break;
    case stepFirst:
        m_bStepForward = 0;
        m_bAtEnd = 0;
        movie.GoToFrame(-1);
        movie.PlayFrame(-1, true);
        movie.Rewind();
        m_bAtStart = 1;
        break;
    case stepLast:
        m_bStepForward = 1;
        m_bAtStart = 0;
        movie.GoToLast();
        movie.m_nCurrentFrame = movie.m_nFrameCount - 1;
        movie.PlayFrame(movie.m_nCurrentFrame, true);
        m_bAtEnd = 1;
        break;
    default:
        movie.PlayFrame(movie.m_nCurrentFrame, true);
        break;
    }
    CopyFrame(target, rc);
}

bool CProjectDoc::InstallPreview(int32_t type, float p1, float p2, float p3, int32_t n)
{
    if (!m_pMovie || IsPreviewInstalled())
        return false;
    try {
        auto stages = std::make_unique<CStageList>();
        auto* stage = new CStage;
        stages->AddTail(stage);
        auto background = std::make_unique<CBackground>();
        background->SetBackground(0xFFFFFF, 0, 0, 0, 0, 0);
        stage->SetBackground(std::move(background));
        stage->SetTimes(n, 0, 0, n);
        CLayer* layer = stage->AddObject(CGenericDrawing::kindDrawn, 350, 250, 100, 100);
        layer->m_pDrawing->m_strName = "Ellipse";
        auto drawn = std::make_unique<CDrawnObject>();
        auto ellipse = std::make_unique<CDrawRect>();
        ellipse->m_nShape = CDrawRect::ellipse;
        drawn->m_pShape = std::move(ellipse);
        drawn->m_nShape = 0;
        layer->m_pDrawing->SetObject(std::move(drawn));
        auto* effect = new CEffect;
        effect->m_nType = type;
        effect->m_fParam1 = p1;
        effect->m_fParam2 = p2;
        effect->m_fParam3 = p3;
        effect->m_nStartFrame = 0;
        effect->m_nDuration = n;
        effect->m_nDefaultDuration = n;
        layer->m_pEffects->AddTail(effect);
        layer->AttachParts();
        m_pSavedStages.reset(m_pMovie->m_pStages.release());
        m_nSavedFrameCount = m_pMovie->m_nFrameCount;
        m_nSavedCurrentFrame = m_pMovie->m_nCurrentFrame;
        m_nSavedPlayMode = m_pMovie->m_nPlayMode;
        m_bSavedPaused = m_pMovie->m_bPaused;
        m_bSavedStopped = m_pMovie->m_bStopped;
        m_bPreviewInstalled = true;
        m_pMovie->SetStages(std::move(stages));
        m_pMovie->m_nFrameCount = n;
        m_pMovie->m_nPlayMode = 2;
    } catch (const std::bad_alloc&) {
        platform::ShowMessage("Arbeitsspeicher reicht nicht aus (3)!");
        return false;
    }
    return true;
}

void CProjectDoc::RestoreMovie()
{
    if (!m_pMovie || !IsPreviewInstalled())
        return;
    m_pMovie->SetStages(std::unique_ptr<CStageList>(m_pSavedStages.release()));
    m_pMovie->m_nFrameCount = m_nSavedFrameCount;
    m_pMovie->m_nCurrentFrame = m_nSavedCurrentFrame;
    m_pMovie->m_nPlayMode = m_nSavedPlayMode;
    m_pMovie->m_bPaused = m_bSavedPaused;
    m_pMovie->m_bStopped = m_bSavedStopped;
    m_bPreviewInstalled = false;
}

int32_t RecomputeMovieLength(CAbstractMovie& movie)
{
    int64_t length = 0;
    CStage* first = movie.GetFirstStage();
    if (first != nullptr && first->GetLayers()) {
        for (CLayer* layer : *first->GetLayers()) {
            if (!layer->m_pEffects)
                continue;
            for (CEffect* effect : *layer->m_pEffects) {
                length = std::max(length, static_cast<int64_t>(effect->m_nStartFrame) + effect->m_nDuration);
                if (effect != layer->m_pEffects->GetTail())
                    effect->m_bOffScreenAfter = 1;
            }
        }
    }
    // A greeting without moving objects still shows its one frame, as a new project does.
    const auto frames = static_cast<int32_t>(std::clamp<int64_t>(length, 1, INT32_MAX));
    movie.m_nFrameCount = frames;
    if (movie.GetStages() && !movie.GetStages()->IsEmpty()) {
        CStage* last = movie.GetStages()->GetTail();
        last->m_nTime1 = frames;
        last->m_nTime4 = frames;
    }
    return frames;
}
