// The editor from the keys alone: its shortcuts reach their commands, Tab visits every control
// of a window once in reading order, the menus go by arrows, Return and Escape, and a button
// that the keys focused shows it with its ring.
#include "editor/main/editordlg.h"
#include "editor/skin/skin.h"
#include "editor/windows/senddlg.h"
#include "playback/controller.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

class KeyboardTest : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenEditor());
        m_pEditor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_pEditor.get()));
    }
    void TearDown() override { CloseEditor(); }

    // A key as a person types it: to whatever holds the keys.
    static void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr)
            target = QApplication::activeWindow();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, mods);
    }
    void OpenSample()
    {
        const std::string path = CopySampleGreeting(m_strDir, "keys.kel");
        ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
        ASSERT_EQ(m_pEditor->GetDocState(), CEditorDialog::docOpened);
    }
    // Presses Tab until the focus comes back where it started; the controls in the order they
    // held the focus (a field that keeps the focus for its own parts counts once).
    static std::vector<QWidget*> TabWalk()
    {
        std::vector<QWidget*> visited{QApplication::focusWidget()};
        for (int i = 0; i < 200; ++i) {
            Key(Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == visited.front())
                return visited;
            if (now != visited.back())
                visited.push_back(now);
        }
        ADD_FAILURE() << "the Tab key never came back to where it started";
        return visited;
    }
    // The controls of the window that a person can reach: shown, enabled, taking Tab.
    static std::set<QWidget*> Reachable(QWidget* window)
    {
        std::set<QWidget*> reachable;
        if ((window->focusPolicy() & Qt::TabFocus) != 0)
            reachable.insert(window);
        for (QWidget* widget : window->findChildren<QWidget*>())
            if (widget->window() == window && widget->isVisible() && widget->isEnabled()
                && (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->focusProxy() == nullptr)
                reachable.insert(widget);
        return reachable;
    }
    // Every reachable control once, and, among controls of one container, never back up a
    // line nor back left on one line, but for the one step where the walk comes round.
    static void ExpectReadingWalk(QWidget* window, const std::vector<QWidget*>& walk)
    {
        const std::set<QWidget*> once(walk.begin(), walk.end());
        EXPECT_EQ(once.size(), walk.size()) << "a control was visited twice";
        EXPECT_EQ(once, Reachable(window));
        int backs = 0;
        std::string said;
        for (size_t i = 0; i < walk.size(); ++i) {
            QWidget* a = walk[i];
            QWidget* b = walk[(i + 1) % walk.size()];
            if (a == window || b == window || a->parentWidget() != b->parentWidget())
                continue;
            const QRect ra = a->geometry(), rb = b->geometry();
            const int shared =
                std::min(ra.bottom(), rb.bottom()) - std::max(ra.top(), rb.top()) + 1;
            const bool sameLine = shared * 2 >= std::min(ra.height(), rb.height());
            if (sameLine ? rb.left() >= ra.left() : rb.top() > ra.top())
                continue;
            ++backs;
            said += a->accessibleName().toStdString() + " then " +
                    b->accessibleName().toStdString() + "; ";
        }
        EXPECT_LE(backs, 1) << "the Tab order goes back against the reading order: " << said;
    }
};

struct ShortcutCase {
    const char* szName;
    bool bProject;            // a sample greeting is open, changed, first
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int nDocState;            // the document state after the key
    bool bFrontAsked;         // the open/save front was shown
    bool bPlaying;            // the player runs after the key
    bool bEnded;              // the editor ended
};

using E = CEditorDialog;
const ShortcutCase kShortcuts[] = {
    {"ctrl_n_new", false, Qt::Key_N, Qt::ControlModifier, E::docNew, false, false, false},
    {"n_alone_nothing", false, Qt::Key_N, Qt::NoModifier, E::docNone, false, false, false},
    {"ctrl_o_open", false, Qt::Key_O, Qt::ControlModifier, E::docNone, true, false, false},
    {"ctrl_s_save", true, Qt::Key_S, Qt::ControlModifier, E::docOpened, false, false, false},
    {"ctrl_shift_s_save_as", true, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier,
     E::docOpenedChanged, true, false, false},
    // Close asks whether to keep the change; the answers say No, which discards it.
    {"ctrl_w_close", true, Qt::Key_W, Qt::ControlModifier, E::docNone, false, false, false},
    {"ctrl_q_quit", false, Qt::Key_Q, Qt::ControlModifier, E::docNone, false, false, true},
    {"space_plays", true, Qt::Key_Space, Qt::NoModifier, E::docOpenedChanged, false, true,
     false},
};

class Shortcut : public KeyboardTest, public testing::WithParamInterface<ShortcutCase> {};

TEST_P(Shortcut, key_reaches_its_command)
{
    const ShortcutCase& c = GetParam();
    if (c.bProject) {
        ASSERT_NO_FATAL_FAILURE(OpenSample());
        Editor().SelectAll();
        m_pEditor->SetModified();
    }
    m_pEditor->setFocus(Qt::OtherFocusReason);
    ASSERT_NO_FATAL_FAILURE(Key(c.key, c.mods));
    EXPECT_EQ(m_pEditor->GetDocState(), c.nDocState);
    EXPECT_EQ(m_answers.m_strExtension == "kel", c.bFrontAsked);
    EXPECT_EQ(m_pEditor->GetPlayer() != nullptr && m_pEditor->GetPlayer()->IsPlayerMode(),
              c.bPlaying);
    EXPECT_EQ(m_pEditor->isVisible(), !c.bEnded);
    if (c.bPlaying) {
        // In the player Space pauses and resumes, and Escape ends it.
        CPlaybackController* player = m_pEditor->GetPlayer();
        ASSERT_EQ(player->GetPlayState(), CPlaybackController::statePlaying);
        Key(Qt::Key_Space);
        EXPECT_EQ(player->GetPlayState(), CPlaybackController::statePaused);
        Key(Qt::Key_Space);
        EXPECT_EQ(player->GetPlayState(), CPlaybackController::statePlaying);
        // Escape leaves the player for the editor.
        Key(Qt::Key_Escape);
        EXPECT_FALSE(player->IsPlayerMode());
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, Shortcut, testing::ValuesIn(kShortcuts),
                         [](const testing::TestParamInfo<ShortcutCase>& info) {
                             return std::string(info.param.szName);
                         });

TEST_F(KeyboardTest, tab_visits_every_control_of_the_editor_and_the_send_dialog_in_reading_order)
{
    ASSERT_NO_FATAL_FAILURE(OpenSample());
    m_pEditor->setFocus(Qt::OtherFocusReason);
    const std::vector<QWidget*> editorWalk = TabWalk();
    ExpectReadingWalk(m_pEditor.get(), editorWalk);
    // The editor's own buttons and the toolbar's among them, the File button before Edit.
    const auto at = [&](QWidget* w) { return std::find(editorWalk.begin(), editorWalk.end(), w); };
    EXPECT_LT(at(m_pEditor->GetWindowButton(ID_WND_FILE)),
              at(m_pEditor->GetWindowButton(ID_WND_EDIT)));
    EXPECT_NE(at(m_pEditor->GetWindowButton(ID_WND_CLOSEAPP)), editorWalk.end());

    bool bRan = false;
    m_pEditor->SetSendDialogRunner([&](CSendMailDlg& dlg) {
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dlg; }, 3000));
        const std::vector<QWidget*> walk = TabWalk();
        EXPECT_GE(walk.size(), 8u);
        ExpectReadingWalk(&dlg, walk);
        // Shift+Tab walks the same way back.
        Key(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), walk.back());
        // Escape closes the dialog.
        Key(Qt::Key_Escape);
        EXPECT_FALSE(dlg.isVisible());
        bRan = true;
    });
    m_pEditor->OnCommand(ID_FILE_SENDMAIL);
    EXPECT_TRUE(bRan);
}

TEST_F(KeyboardTest, arrows_go_through_the_menus_return_runs_a_row_and_escape_closes)
{
    m_pEditor->setFocus(Qt::OtherFocusReason);
    Key(Qt::Key_F10);
    ASSERT_EQ(m_pEditor->GetOpenMenu(), MENU_FILE);
    CDropDownMenu* file = m_pEditor->GetMenu(MENU_FILE);
    // The first enabled row takes the keys once the menu has unfolded.
    ASSERT_TRUE(QTest::qWaitFor([file] { return file->FocusedRow() != nullptr; }, 2000));
    EXPECT_EQ(file->FocusedRow()->GetId(), ID_FILE_NEW);
    // Down skips the rows that cannot be used without a greeting; Up wraps round to the last.
    Key(Qt::Key_Down);
    EXPECT_EQ(file->FocusedRow()->GetId(), ID_FILE_OPEN);
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(file->FocusedRow()->GetId(), ID_FILE_EXIT);
    // Right and Left go from menu title to menu title, round the ends.
    Key(Qt::Key_Right);
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_EDIT);
    EXPECT_FALSE(file->isVisible());
    Key(Qt::Key_Right);
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_VIEW);
    Key(Qt::Key_Right);
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_FILE);
    Key(Qt::Key_Left);
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_VIEW);
    Key(Qt::Key_Right);
    ASSERT_EQ(m_pEditor->GetOpenMenu(), MENU_FILE);
    // Escape closes it and gives the keys back to the File button, ring and all.
    Key(Qt::Key_Escape);
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_NONE);
    CMyBitmapButton* fileButton = m_pEditor->GetWindowButton(ID_WND_FILE);
    EXPECT_TRUE(fileButton->ShowsFocusRing());
    // Return on the File button opens the menu for the keys; Return on its first row runs it.
    Key(Qt::Key_Return);
    ASSERT_EQ(m_pEditor->GetOpenMenu(), MENU_FILE);
    Key(Qt::Key_Down); // unfolds at once and chooses the first row
    ASSERT_NE(file->FocusedRow(), nullptr);
    EXPECT_EQ(file->FocusedRow()->GetId(), ID_FILE_NEW);
    Key(Qt::Key_Return);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNew);
    EXPECT_EQ(m_pEditor->GetOpenMenu(), MENU_NONE);
    EXPECT_EQ(QApplication::focusWidget(), m_pEditor.get());
    // With a greeting, Shift+F10 opens the background menu; Space runs a row as Return does.
    Key(Qt::Key_F10, Qt::ShiftModifier);
    CDropDownMenu* background = m_pEditor->GetBackgroundMenu();
    ASSERT_TRUE(background->isVisible());
    Key(Qt::Key_Down);
    ASSERT_NE(background->FocusedRow(), nullptr);
    EXPECT_EQ(background->FocusedRow()->GetId(), ID_BKGND_COLOR);
    m_answers.m_bColor = true;
    m_answers.m_crColor = 0x00345678;
    Key(Qt::Key_Space);
    EXPECT_FALSE(background->isVisible());
    EXPECT_EQ(Stage()->m_pBackground->m_crColor, 0x00345678u);
}

TEST_F(KeyboardTest, a_button_focused_by_the_keys_paints_its_ring_and_one_pointed_at_does_not)
{
    CMyBitmapButton* button = m_pEditor->GetWindowButton(ID_WND_VIEW);
    const QPoint edge(1, button->height() / 2); // on the ring, left of the middle
    auto teal = [](QRgb px) {
        return std::abs(qRed(px) - 0x2E) < 40 && std::abs(qGreen(px) - 0xC4) < 40
               && std::abs(qBlue(px) - 0xB6) < 40;
    };
    const QImage plain = button->grab().toImage();
    EXPECT_FALSE(teal(plain.pixel(edge)));

    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_TRUE(button->ShowsFocusRing());
    EXPECT_EQ(button->FaceIndex(), 2); // the "F" face under the ring
    const QImage ringed = button->grab().toImage();
    EXPECT_TRUE(teal(ringed.pixel(edge)));
    EXPECT_TRUE(teal(ringed.pixel(button->width() / 2, 0)));
    EXPECT_TRUE(teal(ringed.pixel(button->width() / 2, button->height() - 1)));
    // The middle is the face, not the ring.
    EXPECT_EQ(ringed.pixel(button->width() / 2, button->height() / 2),
              button->Face(2).pixel(button->Face(2).width() / 2, button->Face(2).height() / 2));

    m_pEditor->setFocus(Qt::OtherFocusReason);
    button->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(button->ShowsFocusRing());
    EXPECT_FALSE(teal(button->grab().toImage().pixel(edge)));
}

} // namespace
