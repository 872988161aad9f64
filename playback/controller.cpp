#include "playback/controller.h"

#include "model/movie.h"
#include "playback/projectdoc.h"

CPlaybackController::CPlaybackController(CProjectDoc& doc, IPlayerWindow& window)
    : m_doc(doc), m_window(window)
{
}

void CPlaybackController::Enable(std::initializer_list<int> ids, bool bEnable)
{
    for (int id : ids)
        if (id >= ID_PLAYER_PAUSE && id <= ID_PLAYER_CLOSE)
            m_enabled[id - ID_PLAYER_PAUSE] = bEnable;
}

bool CPlaybackController::IsEnabled(int id) const
{
    if (id < ID_PLAYER_PAUSE || id > ID_PLAYER_CLOSE)
        return false;
    return id == ID_PLAYER_CLOSE || m_enabled[id - ID_PLAYER_PAUSE];
}

void CPlaybackController::ShowNumber(int n)
{
    m_strFrame = std::to_string(n);
}

void CPlaybackController::EnterPlayer()
{
    CAbstractMovie* movie = m_doc.GetMovie();
    m_window.LeaveEditing();
    m_bPlayerMode = true;
    m_nPlayState = stateAtRest;
    m_nStepRequest = 0;
    m_nCounter = 0;
    ShowNumber(0);
    Enable({ID_PLAYER_PLAY, ID_PLAYER_NEXT, ID_PLAYER_LAST}, true);
    Enable({ID_PLAYER_PAUSE, ID_PLAYER_STOP, ID_PLAYER_FIRST, ID_PLAYER_PREVIOUS}, false);
    if (movie != nullptr) {
        movie->SetStopped(true);
        movie->Rewind();
    }
    m_window.Repaint();
}

void CPlaybackController::Play()
{
    CAbstractMovie* movie = m_doc.GetMovie();
    if (movie == nullptr)
        return;
    movie->SetStopped(false);
    m_nPlayState = statePlaying;
    movie->Rewind();
    movie->Resume();
    Enable({ID_PLAYER_PLAY, ID_PLAYER_FIRST, ID_PLAYER_PREVIOUS, ID_PLAYER_NEXT, ID_PLAYER_LAST}, false);
    Enable({ID_PLAYER_PAUSE, ID_PLAYER_STOP}, true);
    m_window.StartClock();
}

void CPlaybackController::PauseOrContinue()
{
    CAbstractMovie* movie = m_doc.GetMovie();
    if (movie == nullptr)
        return;
    if (m_nPlayState == statePlaying) {
        m_window.StopClock();
        m_nPlayState = statePaused;
        movie->Pause();
    } else {
        // At rest or paused: play on from the current frame, without rewinding.
        m_window.StartClock();
        movie->Resume();
        m_nPlayState = statePlaying;
    }
}

void CPlaybackController::Stop()
{
    CAbstractMovie* movie = m_doc.GetMovie();
    if (movie == nullptr)
        return;
    m_window.StopClock();
    m_nPlayState = stateAtRest;
    m_nStepRequest = stepStill;
    movie->Rewind();
    movie->Pause();
    m_nCounter = 0;
    ShowNumber(movie->GetCurrentFrame());
    Enable({ID_PLAYER_PLAY, ID_PLAYER_NEXT, ID_PLAYER_LAST}, true);
    Enable({ID_PLAYER_PAUSE, ID_PLAYER_STOP, ID_PLAYER_FIRST, ID_PLAYER_PREVIOUS}, false);
    m_window.Repaint();
    movie->SetStopped(true);
}

void CPlaybackController::First()
{
    if (m_nPlayState != stateAtRest)
        return;
    m_nStepRequest = stepFirst;
    m_window.Repaint();
}

void CPlaybackController::Previous()
{
    if (m_nPlayState != stateAtRest)
        return;
    m_nStepRequest = stepPrevious;
    m_window.Repaint();
}

void CPlaybackController::Next()
{
    if (m_nPlayState != stateAtRest)
        return;
    m_nStepRequest = stepNext;
    m_window.Repaint();
}

void CPlaybackController::Last()
{
    if (m_nPlayState != stateAtRest)
        return;
    m_nStepRequest = stepLast;
    m_window.Repaint();
}

void CPlaybackController::ClosePlayer()
{
    CAbstractMovie* movie = m_doc.GetMovie();
    m_window.StopClock();
    if (movie != nullptr) {
        movie->Rewind();
        movie->Pause();
    }
    m_bPlayerMode = false;
    m_window.ReturnToEditing();
    if (movie != nullptr)
        movie->SetStopped(false);
    m_window.Repaint();
}

void CPlaybackController::OnCommand(int id)
{
    switch (id) {
    case ID_PLAYER_PAUSE: PauseOrContinue(); break;
    case ID_PLAYER_STOP: Stop(); break;
    case ID_PLAYER_FIRST: First(); break;
    case ID_PLAYER_PREVIOUS: Previous(); break;
    case ID_PLAYER_NEXT: Next(); break;
    case ID_PLAYER_LAST: Last(); break;
    case ID_PLAYER_PLAY: Play(); break;
    case ID_PLAYER_CLOSE: ClosePlayer(); break;
    default: break;
    }
}

void CPlaybackController::OnTimer()
{
    if (m_bPaintAllowed)
        m_window.Repaint();
}

void CPlaybackController::AfterStep(int command)
{
    CAbstractMovie* movie = m_doc.GetMovie();
    const int frames = movie != nullptr ? movie->m_nFrameCount : 0;
    switch (command) {
    case stepNext:
        Enable({ID_PLAYER_FIRST, ID_PLAYER_PREVIOUS}, true);
        ++m_nCounter;
        if (m_nCounter >= frames) {
            Enable({ID_PLAYER_NEXT, ID_PLAYER_LAST}, false);
            if (movie != nullptr)
                movie->m_nCurrentFrame = frames - 1;
        }
        ShowNumber(m_nCounter);
        break;
    case stepPrevious:
        Enable({ID_PLAYER_NEXT, ID_PLAYER_LAST}, true);
        --m_nCounter;
        if (m_nCounter <= 0) {
            m_nCounter = 0;
            Enable({ID_PLAYER_FIRST, ID_PLAYER_PREVIOUS}, false);
            if (movie != nullptr)
                movie->Rewind();
        }
        ShowNumber(m_nCounter);
        break;
    case stepFirst:
        Enable({ID_PLAYER_FIRST, ID_PLAYER_PREVIOUS}, false);
        Enable({ID_PLAYER_NEXT, ID_PLAYER_LAST}, true);
        if (movie != nullptr)
            movie->Rewind();
        m_nCounter = 0;
        ShowNumber(0);
        break;
    case stepLast:
        Enable({ID_PLAYER_NEXT, ID_PLAYER_LAST}, false);
        Enable({ID_PLAYER_FIRST, ID_PLAYER_PREVIOUS}, true);
        m_nCounter = frames;
        ShowNumber(m_nCounter);
        break;
    default: break;
    }
}

void CPlaybackController::Paint(CDC& target, const CRect& rc)
{
    CAbstractMovie* movie = m_doc.GetMovie();
    if (m_nPlayState == statePlaying) {
        m_bPaintAllowed = false;
        m_doc.RenderTick(target, rc);
        if (movie != nullptr)
            ShowNumber(movie->GetCurrentFrame());
        m_bPaintAllowed = true;
        return;
    }
    if (m_nPlayState == stateAtRest && m_nStepRequest != 0) {
        const int request = m_nStepRequest;
        m_nStepRequest = 0;
        if (request == stepStill) {
            m_doc.RenderStill(target, rc);
        } else {
            m_doc.RenderStep(target, rc, request);
            AfterStep(request);
        }
        return;
    }
    // Nothing to compose: the frame buffer's last picture shows.
    m_doc.CopyFrame(target, rc);
}
