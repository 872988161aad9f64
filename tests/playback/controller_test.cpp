// The player's state machine, its single steps and the toolbar it drives, with no window.
#include "playback/controller.h"
#include "platform/dc.h"
#include "tests/playback/playback_fixtures.h"

#include <gtest/gtest.h>

namespace {

class CFakeWindow : public IPlayerWindow {
public:
    void StartClock() override { m_bClock = true; }
    void StopClock() override { m_bClock = false; }
    void Repaint() override
    {
        ++m_nRepaints;
        if (m_pPaint)
            m_pPaint();
    }
    bool m_bClock = false;
    int m_nRepaints = 0;
    std::function<void()> m_pPaint;
};

// A project whose one object moves one pixel right per frame from x 0, so its x after a
// frame f is f + 1 (and 0 on the still picture).
class PlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_doc = playtest::Playable({{0, 0, 10, 10, {{0, 1.0f, 0, 0, 0, 5}}}}, 5);
        m_player = std::make_unique<CPlaybackController>(*m_doc, m_window);
        m_window.m_pPaint = [this] { m_player->Paint(m_view, {0, 0, 80, 60}); };
    }
    int X() const { return playtest::LayerAt(*m_doc, 0)->m_pPos->m_ptCurrent.x; }
    CAbstractMovie& Movie() const { return *m_doc->GetMovie(); }

    std::unique_ptr<CProjectDoc> m_doc;
    CFakeWindow m_window;
    std::unique_ptr<CPlaybackController> m_player;
    CDC m_view{80, 60};
};

TEST_F(PlayerTest, EnteringRestsOnARewoundStoppedMovie)
{
    m_player->EnterPlayer();
    EXPECT_TRUE(m_player->IsPlayerMode());
    EXPECT_EQ(m_player->GetPlayState(), CPlaybackController::stateAtRest);
    EXPECT_EQ(Movie().m_bStopped, 1);
    EXPECT_EQ(Movie().GetCurrentFrame(), 0);
    EXPECT_TRUE(m_player->IsEnabled(ID_PLAYER_PLAY));
    EXPECT_TRUE(m_player->IsEnabled(ID_PLAYER_NEXT));
    EXPECT_FALSE(m_player->IsEnabled(ID_PLAYER_PREVIOUS));
    EXPECT_FALSE(m_player->IsEnabled(ID_PLAYER_STOP));
}

TEST_F(PlayerTest, NextNextPreviousShowsFramesZeroOneZero)
{
    m_player->EnterPlayer();
    std::vector<int> xs;
    for (int id : {ID_PLAYER_NEXT, ID_PLAYER_NEXT, ID_PLAYER_PREVIOUS}) {
        m_player->OnCommand(id);
        xs.push_back(X());
    }
    EXPECT_EQ(xs, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(m_player->GetFrameText(), "1");
}

TEST_F(PlayerTest, PreviousRightAfterLastShowsTheFrameBeforeTheLast)
{
    m_player->EnterPlayer();
    m_player->OnCommand(ID_PLAYER_LAST);
    EXPECT_EQ(X(), 5);
    EXPECT_EQ(m_player->GetFrameText(), "5");
    EXPECT_FALSE(m_player->IsEnabled(ID_PLAYER_NEXT));
    EXPECT_TRUE(m_player->IsEnabled(ID_PLAYER_FIRST));
    m_player->OnCommand(ID_PLAYER_PREVIOUS);
    EXPECT_EQ(X(), 4); // frame count - 2 = 3, whose x is 4
    EXPECT_EQ(m_player->GetFrameText(), "4");
}

TEST_F(PlayerTest, FirstShowsTheStillPictureThenNextShowsFrameZero)
{
    m_player->EnterPlayer();
    m_player->OnCommand(ID_PLAYER_NEXT);
    m_player->OnCommand(ID_PLAYER_NEXT);
    m_player->OnCommand(ID_PLAYER_FIRST);
    EXPECT_EQ(X(), 0);
    EXPECT_EQ(m_player->GetFrameText(), "0");
    EXPECT_EQ(Movie().GetCurrentFrame(), 0);
    EXPECT_FALSE(m_player->IsEnabled(ID_PLAYER_PREVIOUS));
    m_player->OnCommand(ID_PLAYER_NEXT);
    EXPECT_EQ(X(), 1);
}

TEST_F(PlayerTest, PlayTicksAndLoopsPausePausesAndContinuesWithoutRewinding)
{
    m_player->EnterPlayer();
    m_player->OnCommand(ID_PLAYER_PLAY);
    EXPECT_TRUE(m_window.m_bClock);
    EXPECT_EQ(m_player->GetPlayState(), CPlaybackController::statePlaying);
    EXPECT_FALSE(m_player->IsEnabled(ID_PLAYER_PLAY));
    EXPECT_FALSE(m_player->IsEnabled(ID_PLAYER_NEXT));
    EXPECT_TRUE(m_player->IsEnabled(ID_PLAYER_PAUSE));
    for (int i = 0; i < 7; ++i)
        m_player->OnTimer();
    EXPECT_EQ(X(), 2); // frames 0..4, then 0, 1 again
    EXPECT_EQ(m_player->GetFrameText(), "2");
    m_player->OnCommand(ID_PLAYER_PAUSE);
    EXPECT_FALSE(m_window.m_bClock);
    EXPECT_EQ(m_player->GetPlayState(), CPlaybackController::statePaused);
    EXPECT_EQ(Movie().m_bPaused, 1);
    // A repaint while paused composes nothing and advances nothing.
    m_window.Repaint();
    EXPECT_EQ(X(), 2);
    m_player->OnCommand(ID_PLAYER_PAUSE);
    EXPECT_EQ(m_player->GetPlayState(), CPlaybackController::statePlaying);
    m_player->OnTimer();
    EXPECT_EQ(X(), 3);
}

TEST_F(PlayerTest, PauseAtRestPlaysOnFromTheCurrentFrame)
{
    m_player->EnterPlayer();
    m_player->OnCommand(ID_PLAYER_NEXT);
    m_player->OnCommand(ID_PLAYER_NEXT);
    m_player->OnCommand(ID_PLAYER_PAUSE);
    EXPECT_EQ(m_player->GetPlayState(), CPlaybackController::statePlaying);
    m_player->OnTimer();
    EXPECT_EQ(X(), 3);
}

TEST_F(PlayerTest, StopShowsTheStillPictureAndStepsOnlyWorkAtRest)
{
    m_player->EnterPlayer();
    m_player->OnCommand(ID_PLAYER_PLAY);
    m_player->OnTimer();
    m_player->OnTimer();
    m_player->OnCommand(ID_PLAYER_NEXT); // ignored while playing
    EXPECT_EQ(m_player->GetStepRequest(), 0);
    m_player->OnCommand(ID_PLAYER_STOP);
    EXPECT_FALSE(m_window.m_bClock);
    EXPECT_EQ(m_player->GetPlayState(), CPlaybackController::stateAtRest);
    EXPECT_EQ(X(), 0); // the still picture, not frame 0
    EXPECT_EQ(Movie().m_bStopped, 1);
    EXPECT_EQ(Movie().m_bPaused, 1);
    EXPECT_EQ(m_player->GetFrameText(), "0");
    EXPECT_TRUE(m_player->IsEnabled(ID_PLAYER_PLAY));
    EXPECT_FALSE(m_player->IsEnabled(ID_PLAYER_STOP));
    m_player->OnCommand(ID_PLAYER_NEXT);
    EXPECT_EQ(X(), 1);
}

TEST_F(PlayerTest, TicksAreDroppedWhileAFrameIsBeingPainted)
{
    m_player->EnterPlayer();
    m_player->OnCommand(ID_PLAYER_PLAY);
    int nested = 0;
    m_window.m_pPaint = [&] {
        m_player->Paint(m_view, {0, 0, 80, 60});
    };
    // A tick arriving during a paint: simulated by ticking from inside the paint.
    CFakeWindow* window = &m_window;
    m_window.m_pPaint = [&, window] {
        if (nested++ == 0) {
            m_player->Paint(m_view, {0, 0, 80, 60});
        }
        (void)window;
    };
    m_player->OnTimer();
    EXPECT_EQ(X(), 1);
}

TEST_F(PlayerTest, ClosingRewindsPausesAndLeavesPlayerMode)
{
    m_player->EnterPlayer();
    m_player->OnCommand(ID_PLAYER_PLAY);
    m_player->OnTimer();
    m_player->OnCommand(ID_PLAYER_CLOSE);
    EXPECT_FALSE(m_player->IsPlayerMode());
    EXPECT_FALSE(m_window.m_bClock);
    EXPECT_EQ(Movie().GetCurrentFrame(), 0);
    EXPECT_EQ(Movie().m_bPaused, 1);
    EXPECT_EQ(Movie().m_bStopped, 0);
}

struct Transition {
    int from;      // 1 at rest, 2 playing, 3 paused
    int command;
    int to;
};

class StateTable : public PlayerTest, public testing::WithParamInterface<Transition> {};

TEST_P(StateTable, CommandsMoveThePlayerAsTheTableSays)
{
    const Transition& t = GetParam();
    m_player->EnterPlayer();
    if (t.from >= 2)
        m_player->OnCommand(ID_PLAYER_PLAY);
    if (t.from == 3)
        m_player->OnCommand(ID_PLAYER_PAUSE);
    ASSERT_EQ(m_player->GetPlayState(), t.from);
    m_player->OnCommand(t.command);
    EXPECT_EQ(m_player->GetPlayState(), t.to);
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, StateTable,
    testing::Values(Transition{1, ID_PLAYER_PLAY, 2}, Transition{1, ID_PLAYER_PAUSE, 2},
                    Transition{1, ID_PLAYER_NEXT, 1}, Transition{1, ID_PLAYER_LAST, 1},
                    Transition{2, ID_PLAYER_PAUSE, 3}, Transition{3, ID_PLAYER_PAUSE, 2},
                    Transition{2, ID_PLAYER_STOP, 1}, Transition{3, ID_PLAYER_STOP, 1},
                    Transition{3, ID_PLAYER_PLAY, 2}, Transition{2, ID_PLAYER_PLAY, 2},
                    Transition{2, ID_PLAYER_FIRST, 2}, Transition{3, ID_PLAYER_NEXT, 3}));

} // namespace
