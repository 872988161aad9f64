// The toolbox driven as a person drives it: its buttons are clicked and its body pressed and
// dragged, with the faces and texts of the built resource library.
#include "editor/main/editordlg.h"
#include "editor/skin/skin.h"
#include "editor/windows/toolbox.h"
#include "platform/resources.h"
#include "platform/strings.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <ostream>

namespace {

// Presses the window's body at grab, moves the pointer to far (window coordinates of the
// press) and releases it there.
void Drag(QWidget* window, const QPoint& grab, const QPoint& far)
{
    QMouseEvent press(QEvent::MouseButtonPress, grab, window->mapToGlobal(grab), Qt::LeftButton,
        Qt::LeftButton, {});
    QApplication::sendEvent(window, &press);
    QMouseEvent move(
        QEvent::MouseMove, far, window->mapToGlobal(far), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(window, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, far, window->mapToGlobal(far), Qt::LeftButton,
        Qt::NoButton, {});
    QApplication::sendEvent(window, &release);
}

// The tool buttons and what each one stands for.
struct ToolCase {
    uint8_t nTool;
    int nId;
    const char* szButton;
    int nTip;
};
constexpr ToolCase kToolCases[] = {
    {TOOL_SELECT, 1049, "tbselect", 10001},
    {TOOL_TEXT, 1053, "tbtext", 10002},
    {TOOL_LINE, 1050, "tbline", 10003},
    {TOOL_RECT, 1052, "tbrect", 10004},
    {TOOL_POLYGON, 1054, "tbpolygon", 10005},
    {TOOL_ELLIPSE, 1051, "tbellipse", 10006},
    {TOOL_TEXTRECT, 1077, "tbtextrect", 10007},
    {TOOL_TEXTELLIPSE, 1078, "tbtextellipse", 10008},
};

void PrintTo(const ToolCase& entry, std::ostream* os)
{
    *os << entry.szButton;
}

// The tools whose buttons show pressed.
std::vector<uint8_t> PressedTools(const CToolbox& toolbox)
{
    std::vector<uint8_t> pressed;
    for (const ToolCase& entry : kToolCases)
        if (toolbox.ToolButton(entry.nTool)->HasPressedLook())
            pressed.push_back(entry.nTool);
    return pressed;
}

class ToolboxWindow : public testing::Test {
protected:
    void SetUp() override
    {
        m_pLibrary = platform::CResourceLibrary::Load(std::string(built::kResourceDir) + "/ksredfr120.rcc");
        ASSERT_NE(m_pLibrary, nullptr);
        platform::SetResourceLibrary(m_pLibrary.get());
        m_pParent = std::make_unique<QWidget>();
        m_pParent->resize(800, 600);
        m_pToolbox = new CToolbox(m_pParent.get());
        m_pToolbox->move(kPlace);
        m_pParent->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pParent.get()));
    }
    void TearDown() override
    {
        m_pParent.reset();
        platform::SetResourceLibrary(nullptr);
    }

    // Checks that the toolbox is full, at its place, with its buttons as the full face shows
    // them.
    void ExpectFull()
    {
        EXPECT_FALSE(m_pToolbox->IsMinimised());
        EXPECT_EQ(m_pToolbox->size(), QSize(91, 202));
        EXPECT_EQ(m_pToolbox->Skin().GetFaceName(), "TOOLBOX");
        EXPECT_EQ(m_pToolbox->pos(), kPlace);
        for (const ToolCase& entry : kToolCases)
            EXPECT_TRUE(FindButton(m_pToolbox, entry.nId)->isVisible()) << entry.szButton;
        EXPECT_TRUE(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE)->isVisible());
        EXPECT_TRUE(FindButton(m_pToolbox, ID_TOOLBOX_CLOSE)->isVisible());
        EXPECT_FALSE(FindButton(m_pToolbox, ID_TOOLBOX_RESTORE)->isVisible());
        EXPECT_FALSE(FindButton(m_pToolbox, ID_TOOLBOX_CLOSE_MINIMIZED)->isVisible());
    }

    static constexpr QPoint kPlace{300, 150};
    std::unique_ptr<platform::CResourceLibrary> m_pLibrary;
    std::unique_ptr<QWidget> m_pParent;
    CToolbox* m_pToolbox = nullptr; // owned by the parent
};

// Tools and their commands.
TEST(ToolboxCommands, each_tool_has_its_command_and_back)
{
    for (const ToolCase& entry : kToolCases) {
        EXPECT_EQ(CToolbox::CommandOfTool(entry.nTool), entry.nId) << entry.szButton;
        EXPECT_EQ(CToolbox::ToolOfCommand(entry.nId), entry.nTool) << entry.szButton;
    }
    EXPECT_EQ(CToolbox::CommandOfTool(8), -1);
    EXPECT_EQ(CToolbox::CommandOfTool(255), -1);
    for (int id : {ID_TOOLBOX_CLOSE, ID_TOOLBOX_MINIMIZE, ID_TOOLBOX_CLOSE_MINIMIZED,
             ID_TOOLBOX_RESTORE, 1048, 0})
        EXPECT_EQ(CToolbox::ToolOfCommand(id), -1) << id;
}

// Choosing a tool.
class ToolButtonPress : public ToolboxWindow, public testing::WithParamInterface<ToolCase> { };

TEST_P(ToolButtonPress, chooses_its_tool_and_is_the_one_button_pressed)
{
    const ToolCase& entry = GetParam();
    // Start from another tool, so that the press has something to release.
    const uint8_t other = static_cast<uint8_t>((entry.nTool + 1) % CToolbox::kTools);
    m_pToolbox->SetTool(other);
    QSignalSpy chosen(m_pToolbox, &CToolbox::ToolChosen);
    QSignalSpy command(m_pToolbox, &CSkinnedWidget::Command);
    CMyBitmapButton* button = FindButton(m_pToolbox, entry.nId);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetText(), entry.szButton);
    EXPECT_EQ(button, m_pToolbox->ToolButton(entry.nTool));
    Click(button);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).value<uint8_t>(), entry.nTool);
    EXPECT_EQ(command.count(), 0); // the toolbox handles its own commands
    EXPECT_EQ(m_pToolbox->GetTool(), entry.nTool);
    EXPECT_EQ(PressedTools(*m_pToolbox), std::vector<uint8_t> {entry.nTool});
    EXPECT_EQ(button->FaceIndex(), 1);
    EXPECT_NE(m_pToolbox->ToolButton(other)->FaceIndex(), 1);
    // Pressing it again keeps it chosen and pressed.
    Click(button);
    EXPECT_EQ(chosen.count(), 2);
    EXPECT_EQ(PressedTools(*m_pToolbox), std::vector<uint8_t> {entry.nTool});
}

TEST_P(ToolButtonPress, tooltip_names_the_tool)
{
    const ToolCase& entry = GetParam();
    const std::string text
        = m_pToolbox->Skin().ToolTip()->GetText(FindButton(m_pToolbox, entry.nId));
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text, platform::LoadResString(entry.nTip));
}

INSTANTIATE_TEST_SUITE_P(EveryTool, ToolButtonPress, testing::ValuesIn(kToolCases),
    [](const testing::TestParamInfo<ToolCase>& info) { return std::string(info.param.szButton); });

TEST_F(ToolboxWindow, opens_full_with_every_face_and_select_pressed)
{
    ExpectFull();
    EXPECT_FALSE(m_pToolbox->Skin().Face().isNull());
    EXPECT_EQ(m_pToolbox->GetTool(), TOOL_SELECT);
    EXPECT_EQ(PressedTools(*m_pToolbox), std::vector<uint8_t> {TOOL_SELECT});
    for (CMyBitmapButton* button : m_pToolbox->Skin().Buttons())
        EXPECT_TRUE(button->HasFace()) << button->GetText();
    // The buttons sit where the face puts them.
    EXPECT_EQ(FindButton(m_pToolbox, ID_TOOL_SELECT)->geometry(), QRect(13, 32, 28, 28));
    EXPECT_EQ(FindButton(m_pToolbox, ID_TOOL_TEXTELLIPSE)->geometry(), QRect(50, 155, 28, 28));
    EXPECT_EQ(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE)->geometry(), QRect(58, 8, 12, 12));
    EXPECT_EQ(FindButton(m_pToolbox, ID_TOOLBOX_CLOSE)->geometry(), QRect(73, 8, 12, 12));
}

TEST_F(ToolboxWindow, set_tool_presses_only_that_button_without_a_signal)
{
    QSignalSpy chosen(m_pToolbox, &CToolbox::ToolChosen);
    m_pToolbox->SetTool(TOOL_POLYGON);
    EXPECT_EQ(m_pToolbox->GetTool(), TOOL_POLYGON);
    EXPECT_EQ(PressedTools(*m_pToolbox), std::vector<uint8_t> {TOOL_POLYGON});
    m_pToolbox->SetTool(TOOL_SELECT);
    EXPECT_EQ(PressedTools(*m_pToolbox), std::vector<uint8_t> {TOOL_SELECT});
    // An unknown tool leaves the pressed one.
    m_pToolbox->SetTool(8);
    m_pToolbox->SetTool(255);
    EXPECT_EQ(m_pToolbox->GetTool(), TOOL_SELECT);
    EXPECT_EQ(PressedTools(*m_pToolbox), std::vector<uint8_t> {TOOL_SELECT});
    EXPECT_EQ(chosen.count(), 0);
}

// Closing.
TEST_F(ToolboxWindow, close_button_asks_to_close_from_the_full_face)
{
    m_pToolbox->SetTool(TOOL_LINE);
    QSignalSpy closing(m_pToolbox, &CToolbox::CloseRequested);
    QSignalSpy chosen(m_pToolbox, &CToolbox::ToolChosen);
    Click(FindButton(m_pToolbox, ID_TOOLBOX_CLOSE));
    EXPECT_EQ(closing.count(), 1);
    EXPECT_EQ(chosen.count(), 0);
    // Setting the tool back and closing are the editor's.
    EXPECT_TRUE(m_pToolbox->isVisible());
    EXPECT_EQ(m_pToolbox->GetTool(), TOOL_LINE);
}

TEST_F(ToolboxWindow, close_button_asks_to_close_from_the_bar)
{
    Click(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE));
    ASSERT_TRUE(m_pToolbox->IsMinimised());
    QSignalSpy closing(m_pToolbox, &CToolbox::CloseRequested);
    Click(FindButton(m_pToolbox, ID_TOOLBOX_CLOSE_MINIMIZED));
    EXPECT_EQ(closing.count(), 1);
    EXPECT_TRUE(m_pToolbox->IsMinimised()); // the close does not restore
}

// Minimising and restoring.
TEST_F(ToolboxWindow, minimise_folds_into_the_bar_with_its_restore_and_close_buttons)
{
    Click(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE));
    EXPECT_TRUE(m_pToolbox->IsMinimised());
    EXPECT_EQ(m_pToolbox->size(), QSize(147, 31));
    EXPECT_EQ(m_pToolbox->Skin().GetFaceName(), "TOOLBOX_MINIMIZED");
    EXPECT_FALSE(m_pToolbox->Skin().Face().isNull());
    EXPECT_EQ(m_pToolbox->pos(), kPlace);
    for (const ToolCase& entry : kToolCases)
        EXPECT_FALSE(FindButton(m_pToolbox, entry.nId)->isVisible()) << entry.szButton;
    EXPECT_FALSE(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE)->isVisible());
    EXPECT_FALSE(FindButton(m_pToolbox, ID_TOOLBOX_CLOSE)->isVisible());
    CMyBitmapButton* restore = FindButton(m_pToolbox, ID_TOOLBOX_RESTORE);
    CMyBitmapButton* close = FindButton(m_pToolbox, ID_TOOLBOX_CLOSE_MINIMIZED);
    ASSERT_TRUE(restore->isVisible());
    ASSERT_TRUE(close->isVisible());
    EXPECT_EQ(restore->GetText(), "dtmmaximizelibrarys");
    EXPECT_EQ(close->GetText(), "tbmclose");
    EXPECT_TRUE(restore->HasFace());
    EXPECT_TRUE(close->HasFace());
    EXPECT_EQ(restore->geometry(), QRect(8, 8, 94, 16));
    EXPECT_EQ(close->geometry(), QRect(119, 10, 12, 12));
    // The window's region is the bar's.
    const QRegion mask = m_pToolbox->mask();
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 147, 31));
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_TRUE(mask.contains(QPoint(140, 15)));
    // A second minimise changes nothing.
    m_pToolbox->Minimise();
    EXPECT_EQ(m_pToolbox->size(), QSize(147, 31));
}

TEST_F(ToolboxWindow, restore_button_unfolds_the_toolbox_with_its_tool_kept)
{
    Click(FindButton(m_pToolbox, ID_TOOL_TEXTRECT));
    Click(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE));
    ASSERT_TRUE(m_pToolbox->IsMinimised());
    QSignalSpy chosen(m_pToolbox, &CToolbox::ToolChosen);
    Click(FindButton(m_pToolbox, ID_TOOLBOX_RESTORE));
    ExpectFull();
    EXPECT_EQ(m_pToolbox->GetTool(), TOOL_TEXTRECT);
    EXPECT_EQ(PressedTools(*m_pToolbox), std::vector<uint8_t> {TOOL_TEXTRECT});
    EXPECT_EQ(chosen.count(), 0);
    const QRegion mask = m_pToolbox->mask();
    EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 91, 202));
    EXPECT_TRUE(mask.contains(QPoint(45, 190)));
}

TEST_F(ToolboxWindow, press_on_the_bar_restores_the_toolbox)
{
    m_pToolbox->SetTool(TOOL_ELLIPSE);
    Click(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE));
    ASSERT_TRUE(m_pToolbox->IsMinimised());
    // Between the restore and the close button: the bar itself.
    const QPoint bar(110, 15);
    ASSERT_EQ(m_pToolbox->childAt(bar), nullptr);
    QTest::mousePress(m_pToolbox, Qt::LeftButton, {}, bar);
    QTest::mouseRelease(m_pToolbox, Qt::LeftButton, {}, bar);
    ExpectFull();
    EXPECT_EQ(PressedTools(*m_pToolbox), std::vector<uint8_t> {TOOL_ELLIPSE});
}

TEST_F(ToolboxWindow, press_on_the_full_face_does_not_minimise_or_restore)
{
    const QPoint body(30, 195);
    ASSERT_EQ(m_pToolbox->childAt(body), nullptr);
    QTest::mousePress(m_pToolbox, Qt::LeftButton, {}, body);
    QTest::mouseRelease(m_pToolbox, Qt::LeftButton, {}, body);
    ExpectFull();
}

// Dragging right of the main toolbar.
class ToolboxInEditor : public testing::Test {
protected:
    void SetUp() override
    {
        m_pLibrary = platform::CResourceLibrary::Load(std::string(built::kResourceDir) + "/ksredfr120.rcc");
        ASSERT_NE(m_pLibrary, nullptr);
        platform::SetResourceLibrary(m_pLibrary.get());
        m_pEditor = std::make_unique<CEditorDialog>();
        m_pEditor->resize(1024, 768);
        m_pEditor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pEditor.get()));
        m_pToolbox = new CToolbox(m_pEditor.get());
        m_pEditor->KeepRightOfToolbar(m_pToolbox->Skin());
        m_ptStart = m_pEditor->GetFrameOrigin() + QPoint(300, 200);
        m_pToolbox->move(m_ptStart);
        m_pToolbox->show();
    }
    void TearDown() override
    {
        m_pEditor.reset();
        platform::SetResourceLibrary(nullptr);
    }
    int LeftLimit() const { return m_pEditor->GetFrameOrigin().x() + 101; }

    std::unique_ptr<platform::CResourceLibrary> m_pLibrary;
    std::unique_ptr<CEditorDialog> m_pEditor;
    CToolbox* m_pToolbox = nullptr; // owned by the editor
    QPoint m_ptStart;
};

TEST_F(ToolboxInEditor, dragged_far_left_the_full_toolbox_stops_right_of_the_main_toolbar)
{
    Drag(m_pToolbox, QPoint(30, 195), QPoint(-600, 195));
    EXPECT_EQ(m_pToolbox->x(), LeftLimit());
    EXPECT_EQ(m_pToolbox->y(), m_ptStart.y());
    EXPECT_EQ(m_pToolbox->size(), QSize(91, 202));
}

TEST_F(ToolboxInEditor, dragged_far_left_from_the_bar_the_toolbox_stops_right_of_the_main_toolbar)
{
    Click(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE));
    ASSERT_TRUE(m_pToolbox->IsMinimised());
    // The press restores, and the same press drags the toolbox.
    Drag(m_pToolbox, QPoint(110, 15), QPoint(-600, 25));
    EXPECT_FALSE(m_pToolbox->IsMinimised());
    EXPECT_EQ(m_pToolbox->x(), LeftLimit());
    EXPECT_EQ(m_pToolbox->y(), m_ptStart.y() + 10);
    EXPECT_EQ(m_pToolbox->size(), QSize(91, 202));
}

TEST_F(ToolboxInEditor, the_bar_keeps_the_move_limit)
{
    Click(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE));
    ASSERT_TRUE(m_pToolbox->IsMinimised());
    m_pToolbox->Skin().MoveTo(QPoint(m_pEditor->GetFrameOrigin().x() - 50, m_ptStart.y()));
    EXPECT_EQ(m_pToolbox->x(), LeftLimit());
    EXPECT_TRUE(m_pToolbox->IsMinimised());
    EXPECT_EQ(m_pToolbox->size(), QSize(147, 31));
    // Restoring keeps the corner the limit gave, and the limit stays.
    Click(FindButton(m_pToolbox, ID_TOOLBOX_RESTORE));
    EXPECT_EQ(m_pToolbox->pos(), QPoint(LeftLimit(), m_ptStart.y()));
    Drag(m_pToolbox, QPoint(30, 195), QPoint(-600, 195));
    EXPECT_EQ(m_pToolbox->x(), LeftLimit());
}

TEST_F(ToolboxInEditor, the_bar_at_the_screens_right_edge_stays_on_the_screen)
{
    // The full toolbox fits at the right edge; the wider bar would not.
    m_pToolbox->move(m_pEditor->width() - 95, m_ptStart.y());
    Click(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE));
    ASSERT_TRUE(m_pToolbox->IsMinimised());
    EXPECT_EQ(m_pToolbox->x() + m_pToolbox->width(), m_pEditor->width());
    EXPECT_EQ(m_pToolbox->y(), m_ptStart.y());
    Click(FindButton(m_pToolbox, ID_TOOLBOX_RESTORE));
    EXPECT_LE(m_pToolbox->x() + m_pToolbox->width(), m_pEditor->width());
}

// Tooltips of the window buttons.
TEST_F(ToolboxWindow, window_buttons_have_their_tooltips)
{
    CSkinToolTip* tip = m_pToolbox->Skin().ToolTip();
    EXPECT_EQ(
        tip->GetText(FindButton(m_pToolbox, ID_TOOLBOX_CLOSE)), platform::LoadResString(10009));
    EXPECT_EQ(
        tip->GetText(FindButton(m_pToolbox, ID_TOOLBOX_MINIMIZE)), platform::LoadResString(10088));
    EXPECT_EQ(tip->GetText(FindButton(m_pToolbox, ID_TOOLBOX_CLOSE_MINIMIZED)),
        platform::LoadResString(10009));
    EXPECT_FALSE(platform::LoadResString(10009).empty());
    EXPECT_FALSE(platform::LoadResString(10088).empty());
    EXPECT_EQ(tip->GetText(FindButton(m_pToolbox, ID_TOOL_SELECT)), "Select and move objects");
}

} // namespace
