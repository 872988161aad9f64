// The player: the state machine behind the player buttons, the frame clock's ticks and what
// each paint composes, with the buttons' enabling and the frame counter the toolbar shows.
// It knows no window: the window binds its buttons, its timer and its repaint to it.
#pragma once

#include "platform/types.h"

#include <string>

class CDC;
class CProjectDoc;

// Command numbers of the player buttons.
constexpr int ID_PLAYER_PAUSE = 1239;
constexpr int ID_PLAYER_STOP = 1240;
constexpr int ID_PLAYER_FIRST = 1241;
constexpr int ID_PLAYER_PREVIOUS = 1242;
constexpr int ID_PLAYER_NEXT = 1243;
constexpr int ID_PLAYER_LAST = 1244;
constexpr int ID_PLAYER_PLAY = 1245;
constexpr int ID_PLAYER_CLOSE = 1246;

// The frame clock: timer 6669 of the editor window, every 120 ms.
constexpr int ID_PLAYBACK_TIMER = 6669;
constexpr int PLAYBACK_INTERVAL_MS = 120;

// What the player asks of the window that shows it.
class IPlayerWindow {
public:
    virtual ~IPlayerWindow() = default;
    virtual void StartClock() = 0;  // timer 6669 at 120 ms
    virtual void StopClock() = 0;
    virtual void Repaint() = 0;     // invalidate and paint at once
    // Entering the player: the selection is cleared, the toolbox and the library browser close.
    virtual void LeaveEditing() {}
    // Leaving the player: the editing view is drawn afresh.
    virtual void ReturnToEditing() {}
};

class CPlaybackController {
public:
    enum PlayState { stateAtRest = 1, statePlaying = 2, statePaused = 3 };

    CPlaybackController(CProjectDoc& doc, IPlayerWindow& window);

    void EnterPlayer();
    void Play();
    // Pauses while playing; otherwise plays on from the current frame.
    void PauseOrContinue();
    void Stop();
    void First();
    void Previous();
    void Next();
    void Last();
    void ClosePlayer();
    // A player button by its command number.
    void OnCommand(int id);
    // A tick of the frame clock: a repaint, unless the last one is still being painted.
    void OnTimer();
    // Composes what the player shows in this paint into rc of the target.
    void Paint(CDC& target, const CRect& rc);

    bool IsPlayerMode() const { return m_bPlayerMode; }
    int GetPlayState() const { return m_nPlayState; }
    int GetStepRequest() const { return m_nStepRequest; }
    bool IsEnabled(int id) const;
    // The number the toolbar shows.
    const std::string& GetFrameText() const { return m_strFrame; }

private:
    void Enable(std::initializer_list<int> ids, bool bEnable);
    // What the toolbar does after a step was composed.
    void AfterStep(int command);
    void ShowNumber(int n);

    CProjectDoc& m_doc;
    IPlayerWindow& m_window;
    bool m_bPlayerMode = false;
    int m_nPlayState = stateAtRest;
    int m_nStepRequest = 0;
    bool m_bPaintAllowed = true;
    int m_nCounter = 0;
    bool m_enabled[8] = {};
    std::string m_strFrame = "0";
};
