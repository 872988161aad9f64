// Windows that work where the window system, not the program, places them: a window dragged by
// its body asks the window system to move it or moves by hand, every dialog opens over its
// owner, and a drag from the library browser never needs the pointer's place on the screen.
#include "dialogs/messagebox.h"
#include "dialogs/prompts.h"
#include "editor/core/prompts.h"
#include "editor/editing/editing.h"
#include "editor/skin/skin.h"
#include "editor/main/maintoolbar.h"
#include "editor/windows/librarybrowser.h"
#include "model/movie.h"
#include "playback/controller.h"
#include "tests/buildpaths.h"
#include "window_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Dragging by the body

struct DragCase {
    const char* szName;
    bool bTopLevel;      // a window of its own, or one inside another
    bool bSystemAccepts; // what the window system answers when asked to move it
    CSkin::Drag way;     // how the drag goes from its first move
};

void PrintTo(const DragCase& entry, std::ostream* os)
{
    *os << entry.szName;
}

constexpr DragCase kDragCases[] = {
    {"top_level_moved_by_the_window_system", true, true, CSkin::Drag::system},
    {"top_level_moved_by_hand_where_the_window_system_will_not", true, false, CSkin::Drag::hand},
    {"child_moved_by_hand_in_its_parent_even_where_the_system_would", false, true,
        CSkin::Drag::hand},
};

class BodyDrag : public CWithResources, public testing::WithParamInterface<DragCase> {
protected:
    void SetUp() override
    {
        CWithResources::SetUp();
        const DragCase& entry = GetParam();
        if (entry.bTopLevel) {
            m_pWindow
                = std::make_unique<CSkinnedWidget>("LAYER_MANAGER", true, nullptr, Qt::Window);
            m_pWindow->move(150, 120);
        } else {
            m_pParent = std::make_unique<QWidget>();
            m_pParent->resize(900, 700);
            m_pParent->move(40, 30);
            m_pParent->show();
            m_pWindow.reset(new CSkinnedWidget("LAYER_MANAGER", true, m_pParent.get()));
            m_pWindow->move(150, 120);
        }
        m_pWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pWindow->window()));
        m_pWindow->Skin().SetSystemMove([this, entry](QWindow* handle) {
            m_asked.push_back(handle);
            return entry.bSystemAccepts;
        });
    }
    void TearDown() override
    {
        if (m_pParent)
            (void)m_pWindow.release(); // the parent deletes it
        m_pParent.reset();
        m_pWindow.reset();
        CWithResources::TearDown();
    }
    // Where the pointer is, in the coordinates the window moves in: the screen's for a window
    // of its own, the parent's for one inside another.
    QPoint Pointer(QPoint ptWindow) const
    {
        return GetParam().bTopLevel ? m_pWindow->mapToGlobal(ptWindow)
                                    : m_pWindow->mapToParent(ptWindow);
    }
    QPoint FromPointer(QPoint pt) const
    {
        return GetParam().bTopLevel ? m_pWindow->mapFromGlobal(pt) : m_pWindow->mapFromParent(pt);
    }

    std::unique_ptr<QWidget> m_pParent;
    std::unique_ptr<CSkinnedWidget> m_pWindow;
    std::vector<QWindow*> m_asked;
};

TEST_P(BodyDrag, a_press_is_a_click_and_the_first_move_decides_how_the_window_follows)
{
    const DragCase& entry = GetParam();
    CSkin& skin = m_pWindow->Skin();
    const QPoint grab(40, 25);
    const QPoint start = m_pWindow->pos();
    QTest::mousePress(m_pWindow.get(), Qt::LeftButton, {}, grab);
    EXPECT_EQ(skin.GetDrag(), CSkin::Drag::pressed);
    EXPECT_TRUE(m_asked.empty()) << "a press alone must stay a click";

    // Two moves with the button held, each to a point given where the window moves.
    for (const QPoint delta : {QPoint(-130, 75), QPoint(260, -40)}) {
        const QPoint target = Pointer(grab) + delta;
        QTest::mouseMove(m_pWindow.get(), FromPointer(target));
        EXPECT_EQ(skin.GetDrag(), entry.way);
        if (entry.way == CSkin::Drag::system)
            EXPECT_EQ(m_pWindow->pos(), start) << "the window system moves it, not the program";
        else
            EXPECT_EQ(Pointer(grab), target) << "the grabbed point follows the pointer";
    }
    // The window system is asked once a drag, and only for a window of its own.
    if (entry.bTopLevel) {
        ASSERT_EQ(m_asked.size(), 1u);
        EXPECT_EQ(m_asked[0], m_pWindow->windowHandle());
    } else {
        EXPECT_TRUE(m_asked.empty());
    }

    // The release went to the window system's move and never comes: the next press starts a
    // drag of its own, which asks again, and its release ends it.
    const QPoint kept = m_pWindow->pos();
    QTest::mousePress(m_pWindow.get(), Qt::LeftButton, {}, grab);
    EXPECT_EQ(skin.GetDrag(), CSkin::Drag::pressed);
    EXPECT_EQ(m_pWindow->pos(), kept);
    QTest::mouseMove(m_pWindow.get(), grab + QPoint(5, 5));
    EXPECT_EQ(skin.GetDrag(), entry.way);
    QTest::mouseRelease(m_pWindow.get(), Qt::LeftButton, {}, grab + QPoint(5, 5));
    EXPECT_EQ(skin.GetDrag(), CSkin::Drag::none);
    EXPECT_EQ(m_asked.size(), entry.bTopLevel ? 2u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Windows, BodyDrag, testing::ValuesIn(kDragCases),
    [](const testing::TestParamInfo<DragCase>& info) { return std::string(info.param.szName); });

// ---------------------------------------------------------------------------------------------
// Owners

// Closes every dialog of the program as it shows, noting its class and the window that owns it.
class CDialogCatcher : public QObject {
public:
    struct Shown {
        std::string strClass;
        QWindow* pOwner;
    };
    CDialogCatcher() { qApp->installEventFilter(this); }
    ~CDialogCatcher() override { qApp->removeEventFilter(this); }
    std::vector<Shown> m_shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog != nullptr && dialog->isWindow()) {
            QWindow* handle = dialog->windowHandle();
            m_shown.push_back({dialog->metaObject()->className(),
                handle != nullptr ? handle->transientParent() : nullptr});
            QPointer<QDialog> pending(dialog);
            QTimer::singleShot(0, this, [pending] {
                if (pending)
                    pending->reject();
            });
        }
        return QObject::eventFilter(watched, event);
    }
};

struct OwnerCase {
    const char* szName;
    const char* szClass; // the dialog that opens first
    std::function<void(CEditorDialog&)> open;
};

void PrintTo(const OwnerCase& entry, std::ostream* os)
{
    *os << entry.szName;
}

const OwnerCase kOwnerCases[] = {
    {"message_box", "CMessageBoxDlg",
        [](CEditorDialog& editor) { AskMessageBox(&editor, MB_KIND_YESNOCANCEL, "Save?"); }},
    {"large_message_box", "CBigMessageBoxDlg",
        [](CEditorDialog& editor) { AskMessageBox(&editor, MB_KIND_LARGE, "Sent."); }},
    {"question_with_check", "CQuestionCheckDlg",
        [](CEditorDialog& editor) { AskQuestionWithCheck(&editor, "Play the intro?", nullptr); }},
    {"box_made_without_a_parent", "CMessageBoxDlg",
        [](CEditorDialog&) {
            CMessageBoxDlg box(MB_KIND_OK, false, nullptr);
            box.SetText("A worker's report");
            box.exec();
        }},
    {"open_front", "COpenSaveDlg", [](CEditorDialog& editor) { editor.OnCommand(ID_FILE_OPEN); }},
    {"background_colour", "QColorDialog",
        [](CEditorDialog& editor) { editor.OnCommand(ID_BKGND_COLOR); }},
    {"project_properties", "CMoviePropertiesDlg",
        [](CEditorDialog& editor) { editor.OnCommand(ID_EDIT_PROPERTIES); }},
    {"layer_manager", "CLayerManagerDlg",
        [](CEditorDialog& editor) { editor.OnCommand(ID_VIEW_LAYERMANAGER); }},
    {"contacts", "CContactsDlg", [](CEditorDialog& editor) { editor.OnCommand(ID_FILE_CONTACTS); }},
    {"outbox", "COutboxDlg", [](CEditorDialog& editor) { editor.OnCommand(ID_FILE_OUTBOX); }},
};

class DialogOwner : public CEditorWindowTest, public testing::WithParamInterface<OwnerCase> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenEditor());
        ASSERT_TRUE(m_pEditor->NewProject());
        // The program's own dialogs, not the answers.
        InstallDialogPrompts();
    }
    void TearDown() override
    {
        UninstallDialogPrompts();
        CloseEditor();
    }
};

TEST_P(DialogOwner, opens_over_the_editor_window)
{
    CDialogCatcher catcher;
    GetParam().open(*m_pEditor);
    ASSERT_FALSE(catcher.m_shown.empty()) << "no dialog opened";
    EXPECT_EQ(catcher.m_shown[0].strClass, GetParam().szClass);
    ASSERT_NE(m_pEditor->windowHandle(), nullptr);
    for (const CDialogCatcher::Shown& shown : catcher.m_shown)
        EXPECT_EQ(shown.pOwner, m_pEditor->windowHandle()) << shown.strClass;
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogOwner, testing::ValuesIn(kOwnerCases),
    [](const testing::TestParamInfo<OwnerCase>& info) { return std::string(info.param.szName); });

// ---------------------------------------------------------------------------------------------
// The library browser's drag

class LibraryDrag : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_appDir.isValid());
        m_pApp = std::make_unique<CQuietApp>(m_appDir.path().toStdString() + "/lock");
        m_pApp->SetDataDirectories({built::kDataDir});
        ASSERT_TRUE(m_pApp->ScanDataDirectories());
        m_pApp->SortCatalogues();
        ASSERT_NO_FATAL_FAILURE(OpenEditor());
        // Away from the screen's corner, so that a point of the window is not one of the
        // screen: a drop read in the wrong coordinates lands elsewhere.
        m_pEditor->move(37, 23);
        ASSERT_NE(m_pEditor->mapToGlobal(QPoint(0, 0)), QPoint(0, 0));
        ASSERT_TRUE(m_pEditor->NewProject());
        m_pEditor->OnCommand(ID_VIEW_LIBRARIES);
        m_pBrowser = m_pEditor->findChild<CLibraryBrowser*>();
        ASSERT_NE(m_pBrowser, nullptr);
        m_pBrowser->ShowPage(CLibraryBrowser::pageCliparts);
        ASSERT_TRUE(m_pBrowser->SetCategory(CLibraryBrowser::kAllCategories));
    }
    void TearDown() override
    {
        CloseEditor();
        m_pApp.reset();
    }

    QTemporaryDir m_appDir;
    std::unique_ptr<CQuietApp> m_pApp;
    CLibraryBrowser* m_pBrowser = nullptr; // the editor's
};

TEST_F(LibraryDrag, the_picture_follows_the_pointer_inside_the_editor_and_drops_where_released)
{
    QWidget* viewport = m_pBrowser->List()->viewport();
    const QRect cell = m_pBrowser->List()->visualItemRect(m_pBrowser->List()->item(0));
    QTest::mousePress(viewport, Qt::LeftButton, {}, cell.center());
    QTest::mouseMove(viewport, cell.center() + QPoint(0, 20));
    ASSERT_TRUE(m_pBrowser->IsDragging());

    // The pointer goes over the stage; the picture goes with it, drawn inside the editor's
    // window beside the pointer, over what the window showed when the drag began.
    const QPoint target = m_pEditor->GetFrameOrigin()
        + QPoint(CEditorDialog::kStageLeft + 200, CEditorDialog::kStageTop + 150);
    QTest::mouseMove(m_pBrowser, m_pBrowser->mapFrom(m_pEditor.get(), target));
    QWidget* image = m_pBrowser->DragImage();
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(image->isWindow());
    EXPECT_EQ(image->parentWidget(), m_pEditor.get());
    EXPECT_TRUE(image->isVisible());
    const QImage shown = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = m_pBrowser->ItemImage(0).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(QRect(target + QPoint(8, 8), picture.size())), picture);

    QTest::mouseRelease(
        m_pBrowser, Qt::LeftButton, {}, m_pBrowser->mapFrom(m_pEditor.get(), target));
    EXPECT_FALSE(m_pBrowser->IsDragging());
    EXPECT_EQ(m_pBrowser->DragImage(), nullptr);
    const CStage* stage = m_pEditor->GetDoc()->GetMovie()->GetFirstStage();
    ASSERT_NE(stage->GetLayers(), nullptr);
    ASSERT_EQ(stage->GetLayers()->GetCount(), 1);
    const CPoint home = stage->GetLayers()->GetAt(0)->m_pPos->m_ptHome;
    const CPoint expected = CEditorDialog::StagePointFromScreen(target, m_pEditor->size());
    EXPECT_EQ(home.x, expected.x);
    EXPECT_EQ(home.y, expected.y);
    EXPECT_EQ(expected.x, 200 * 800 / CEditorDialog::kStageWidth);
}

// Events that come through the window, as the window system delivers them, go where a grab
// sends them: a drag or a play that kept hold of the pointer would swallow the next click on a
// menu's word. After each, one click opens the menu.
// The library opened from the View menu takes the keys, and again when the menu switches the
// open library to another page: Return places the chosen clipart in the middle of the stage,
// then puts an effect on it;
// Escape closes it and the editor has the keys again.
TEST_F(LibraryDrag, the_library_takes_the_keys_on_every_page_the_view_menu_opens)
{
    m_pEditor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_pEditor.get()));
    const auto key = [](Qt::Key k) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), k);
    };
    m_pEditor->setFocus(Qt::OtherFocusReason); // where a closing menu leaves the keys
    m_pEditor->OnCommand(ID_VIEW_LIBRARIES);
    ASSERT_TRUE(m_pBrowser->List()->hasFocus());
    m_pBrowser->ShowPage(CLibraryBrowser::pageCliparts);
    m_pBrowser->List()->setCurrentRow(0);
    key(Qt::Key_Return);
    CLayer* placed = m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->GetLayers()->GetHead();
    ASSERT_NE(placed, nullptr);
    // With its middle on the stage's middle.
    const CPoint at = placed->m_pPos->m_ptHome;
    const CSize size = placed->m_pSize->m_szDesign;
    EXPECT_NEAR(at.x + size.cx / 2, 400, 2);
    EXPECT_NEAR(at.y + size.cy / 2, 300, 2);
    const int effects = placed->m_pEffects->GetCount();

    // The effect's dialog is answered with OK as it opens.
    bool asked = false;
    Editor().SetEffectDialogRunner([&](CEffectPropertiesDlg&) { return asked = true; });
    m_pEditor->setFocus(Qt::OtherFocusReason);
    m_pEditor->OnCommand(ID_VIEW_EFFECTS);
    EXPECT_EQ(m_pBrowser->GetPage(), CLibraryBrowser::pageEffects);
    ASSERT_TRUE(m_pBrowser->List()->hasFocus());
    m_pBrowser->List()->setCurrentRow(1);
    key(Qt::Key_Return);
    EXPECT_TRUE(asked);
    EXPECT_EQ(placed->m_pEffects->GetCount(), effects + 1);

    // Escape closes the library and gives the keys back to the editor, where Space plays.
    key(Qt::Key_Escape);
    m_pBrowser = nullptr;
    EXPECT_EQ(QApplication::focusWidget(), m_pEditor.get());
    key(Qt::Key_Space);
    EXPECT_TRUE(m_pEditor->GetPlayer()->IsPlayerMode());
    m_pEditor->OnCommand(ID_PLAYER_CLOSE);
    EXPECT_FALSE(m_pEditor->GetPlayer()->IsPlayerMode());
}

TEST_F(LibraryDrag, after_a_drop_and_after_a_play_the_first_click_on_a_menu_word_opens_it)
{
    QWindow* window = m_pEditor->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint fileWord = m_pEditor->GetFrameOrigin() + QPoint(485, 31);
    auto clickFileWord = [&] {
        QTest::mouseClick(window, Qt::LeftButton, {}, fileWord);
        return m_pEditor->GetOpenMenu() == MENU_FILE && m_pEditor->GetMenu(MENU_FILE)->isVisible();
    };

    QListWidget* list = m_pBrowser->List();
    const QPoint cell = list->viewport()->mapTo(
        m_pEditor.get(), list->visualItemRect(list->item(0)).center());
    const QPoint target = m_pEditor->GetFrameOrigin()
        + QPoint(CEditorDialog::kStageLeft + 200, CEditorDialog::kStageTop + 150);
    QTest::mousePress(window, Qt::LeftButton, {}, cell);
    QTest::mouseMove(window, cell + QPoint(0, 20));
    ASSERT_TRUE(m_pBrowser->IsDragging());
    QTest::mouseMove(window, target);
    QTest::mouseRelease(window, Qt::LeftButton, {}, target);
    ASSERT_FALSE(m_pBrowser->IsDragging());
    ASSERT_EQ(m_pEditor->GetDoc()->GetMovie()->GetFirstStage()->GetLayers()->GetCount(), 1);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    EXPECT_TRUE(clickFileWord()) << "after a drop from the library";
    QTest::mouseClick(window, Qt::LeftButton, {}, fileWord);
    ASSERT_EQ(m_pEditor->GetOpenMenu(), MENU_NONE);

    QTest::keyClick(window, Qt::Key_Space);
    CPlaybackController* player = m_pEditor->GetPlayer();
    ASSERT_TRUE(player->IsPlayerMode());
    QTest::qWait(300);
    CMyBitmapButton* close = FindButton(m_pEditor->GetToolbar(), ID_PLAYER_CLOSE);
    QTest::mouseClick(window, Qt::LeftButton, {}, close->mapTo(m_pEditor.get(), close->rect().center()));
    ASSERT_FALSE(player->IsPlayerMode());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_TRUE(clickFileWord()) << "after a play";
}

} // namespace
