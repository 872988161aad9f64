// Editing a greeting in the stage view as a person does it: tools chosen in the toolbox, shapes
// drawn with presses and drags, objects selected, moved, resized, cut, copied, pasted, reordered
// and deleted, each change undone and redone. The editor window runs off screen at 1024 x 768,
// so the stage view starts at screen point (240, 194).
#include "dialogs/prompts.h"
#include "editor/editing/editing.h"
#include "editor/main/editordlg.h"
#include "editor/main/maintoolbar.h"
#include "editor/skin/skin.h"
#include "editor/windows/placedpropsdlg.h"
#include "editor/windows/toolbox.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "playback/projectdoc.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <dirent.h>
#include <sys/stat.h>

namespace {

constexpr QPoint kView(240, 194); // the stage view's top-left corner on the screen

// A screen point for a stage point (the inverse of the editor's mapping, for whole multiples).
QPoint Screen(int x, int y)
{
    return kView + QPoint(x * 616 / 800, y * 462 / 600);
}

class Editing : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        OpenEditor();
        if (HasFatalFailure())
            return;
        // The text dialog answers with the text the test gives.
        Editor().SetDialogRunner([this](CObjectPropertiesDlg& dlg) {
            ++m_nDialogs;
            m_nLastMode = dlg.m_nMode;
            if (m_strText.empty())
                return false;
            dlg.m_strText = m_strText;
            return true;
        });
    }
    void TearDown() override { CloseEditor(); }

    int LayerCount() { return Stage()->GetLayers() ? Stage()->GetLayers()->GetCount() : 0; }
    CLayer* Layer(int i) { return Stage()->GetLayers()->GetAt(i); } // 0: the topmost
    std::vector<int32_t> LayerIds()
    {
        std::vector<int32_t> ids;
        if (Stage()->GetLayers())
            for (CLayer* layer : *Stage()->GetLayers())
                ids.push_back(layer->m_nId);
        return ids;
    }

    void Send(QEvent::Type type, QPoint pt, Qt::MouseButton button, Qt::MouseButtons buttons,
        Qt::KeyboardModifiers mods = {})
    {
        QMouseEvent event(
            type, QPointF(pt), QPointF(m_pEditor->mapToGlobal(pt)), button, buttons, mods);
        QApplication::sendEvent(m_pEditor.get(), &event);
    }
    void Press(QPoint pt, Qt::KeyboardModifiers mods = {})
    {
        Send(QEvent::MouseButtonPress, pt, Qt::LeftButton, Qt::LeftButton, mods);
    }
    void Move(QPoint pt, Qt::MouseButtons buttons = Qt::LeftButton)
    {
        Send(QEvent::MouseMove, pt, Qt::NoButton, buttons);
    }
    void Release(QPoint pt, Qt::KeyboardModifiers mods = {})
    {
        Send(QEvent::MouseButtonRelease, pt, Qt::LeftButton, Qt::NoButton, mods);
    }
    void DoubleClick(QPoint pt)
    {
        Press(pt);
        Release(pt);
        Send(QEvent::MouseButtonDblClick, pt, Qt::LeftButton, Qt::LeftButton);
        Release(pt);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {})
    {
        Press(from, mods);
        Move((from + to) / 2);
        Move(to);
        Release(to, mods);
    }
    void Click(QPoint pt, Qt::KeyboardModifiers mods = {})
    {
        Press(pt, mods);
        Release(pt, mods);
    }
    void Key(int key, Qt::KeyboardModifiers mods = {})
    {
        QTest::keyClick(m_pEditor.get(), static_cast<Qt::Key>(key), mods);
    }
    // Draws a shape with its tool, from one stage point to another.
    CLayer* DrawWith(uint8_t nTool, QPoint from, QPoint to)
    {
        const int before = LayerCount();
        m_pEditor->ChooseTool(nTool);
        Drag(from, to);
        m_pEditor->ChooseTool(TOOL_SELECT);
        return LayerCount() > before ? Layer(0) : nullptr;
    }
    CLayer* Rectangle(int x, int y, int w, int h)
    {
        return DrawWith(TOOL_RECT, Screen(x, y), Screen(x + w, y + h));
    }
    // The bottom-right handle of an object's mark, on the screen.
    QPoint BottomRight(const CLayer& layer)
    {
        const QRect mark = Editor().MarkRect(layer);
        return mark.topLeft() + QPoint(mark.width(), mark.height());
    }
    CPoint Pos(CLayer* layer) { return layer->m_pPos->m_ptHome; }
    CSize Size(CLayer* layer) { return layer->m_pSize->m_szDesign; }
    std::string Save(const std::string& name)
    {
        const std::string path = m_strDir + "/" + name;
        EXPECT_TRUE(::SaveProject(*m_pEditor->GetDoc()->GetMovie(), path));
        return path;
    }

    std::string m_strText = "Hello";
    int m_nDialogs = 0;
    int m_nLastMode = 0;
};

// ---------------------------------------------------------------------------------------------
// Making objects

struct ToolCase {
    uint8_t nTool;
    const char* szName;
    int nShapeKind; // 0 rectangle shape, 1 text, 2 polygon
    int nShape; // CDrawRect's or CDrawTextRect's shape, -1 for none
};

class EveryTool : public Editing, public testing::WithParamInterface<ToolCase> { };

TEST_P(EveryTool, creates_its_object_with_its_name_style_and_default_effect)
{
    const ToolCase& c = GetParam();
    ASSERT_TRUE(m_pEditor->NewProject());
    Editor().Style(0) = { 0x0000FF, 0x00FF00, 3, true }; // line
    Editor().Style(1) = { 0x112233, 0x445566, 2, false }; // rectangle
    Editor().Style(2) = { 0x010203, 0x040506, 4, true }; // polygon
    Editor().Style(3) = { 0x0A0B0C, 0x0D0E0F, 5, true }; // ellipse
    m_pEditor->ChooseTool(c.nTool);
    const QPoint a = Screen(100, 100), b = Screen(300, 250);
    switch (c.nTool) {
    case TOOL_TEXT:
        Click(a);
        break;
    case TOOL_POLYGON:
        Click(a);
        Click(Screen(300, 100));
        Click(b);
        DoubleClick(Screen(100, 250));
        break;
    default:
        Drag(a, b);
        break;
    }
    ASSERT_EQ(LayerCount(), 1);
    CLayer* layer = Layer(0);
    EXPECT_EQ(layer->m_pDrawing->m_strName, c.szName);
    auto* drawn = dynamic_cast<CDrawnObject*>(layer->m_pDrawing->GetObject());
    ASSERT_NE(drawn, nullptr);
    ASSERT_NE(drawn->m_pShape, nullptr);
    EXPECT_EQ(drawn->m_pShape->ShapeKind(), c.nShapeKind);
    EXPECT_EQ(drawn->m_nShape, c.nShapeKind);
    if (auto* rect = dynamic_cast<CDrawRect*>(drawn->m_pShape.get())) {
        EXPECT_EQ(rect->m_nShape, c.nShape);
    }
    if (auto* text = dynamic_cast<CDrawTextRect*>(drawn->m_pShape.get())) {
        EXPECT_EQ(text->m_strText, "Hello");
        EXPECT_EQ(text->m_bPlainText != 0, c.nTool == TOOL_TEXT);
        if (c.nTool != TOOL_TEXT) {
            EXPECT_EQ(text->m_nShape, c.nShape);
        }
    }
    const int style = StyleIndexOfTool(c.nTool);
    if (style >= 0 && style < 4) {
        const CShapeStyle& s = Editor().Style(style);
        EXPECT_EQ(drawn->m_pShape->m_logpen.lopnColor, s.crLine);
        EXPECT_EQ(drawn->m_pShape->m_logpen.lopnWidth.x, s.nLineWidth);
        EXPECT_EQ(drawn->m_pShape->m_logbrush.lbColor, s.crFill);
        EXPECT_EQ(drawn->m_pShape->m_bBrush != 0, s.bFilled);
    }
    // The default movement: none, from frame 0, for one frame, staying on screen.
    ASSERT_EQ(layer->m_pEffects->GetCount(), 1);
    const CEffect* effect = layer->m_pEffects->GetHead();
    EXPECT_EQ(effect->m_strName, "Sans");
    EXPECT_EQ(effect->m_nType, -1);
    EXPECT_EQ(effect->m_fParam1, 0.0f);
    EXPECT_EQ(effect->m_nStartFrame, 0);
    EXPECT_EQ(effect->m_nDuration, 1);
    EXPECT_EQ(effect->m_nDefaultDuration, 1);
    EXPECT_EQ(effect->m_bOffScreenAfter, 0);
    EXPECT_EQ(effect->m_pOwner, layer);
    EXPECT_EQ(Pos(layer), (CPoint { 100, 100 }));
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNewChanged);
    // One step takes it away again, and the project is as new.
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(LayerCount(), 0);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNew);
    EXPECT_TRUE(Editor().Redo());
    ASSERT_EQ(LayerCount(), 1);
    EXPECT_EQ(Layer(0)->m_pDrawing->m_strName, c.szName);
}

INSTANTIATE_TEST_SUITE_P(Tools, EveryTool,
    testing::Values(ToolCase { TOOL_LINE, "Trait", 0, CDrawRect::line },
        ToolCase { TOOL_RECT, "Rectangle", 0, CDrawRect::rectangle },
        ToolCase { TOOL_ELLIPSE, "Ellipse", 0, CDrawRect::ellipse },
        ToolCase { TOOL_POLYGON, "Polygone", 2, -1 }, ToolCase { TOOL_TEXT, "Texte", 1, -1 },
        ToolCase { TOOL_TEXTRECT, "Texte dans le rectangle", 1, 0 },
        ToolCase { TOOL_TEXTELLIPSE, "Texte dans l'ellipse", 1, 2 }));

TEST_F(Editing, a_line_drawn_right_to_left_keeps_its_negative_width_and_a_rectangle_is_normalised)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    CLayer* line = DrawWith(TOOL_LINE, Screen(400, 100), Screen(200, 300));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(Pos(line), (CPoint { 400, 100 }));
    EXPECT_EQ(Size(line), (CSize { -200, 200 }));
    CLayer* rect = DrawWith(TOOL_RECT, Screen(400, 300), Screen(200, 100));
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(Pos(rect), (CPoint { 200, 100 }));
    EXPECT_EQ(Size(rect), (CSize { 200, 200 }));
    // A flat line keeps its one zero side.
    CLayer* flat = DrawWith(TOOL_LINE, Screen(100, 500), Screen(300, 500));
    ASSERT_NE(flat, nullptr);
    EXPECT_EQ(Size(flat), (CSize { 200, 0 }));
}

TEST_F(Editing, nothing_of_zero_size_is_created)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    for (uint8_t tool : { TOOL_LINE, TOOL_RECT, TOOL_ELLIPSE, TOOL_TEXTRECT }) {
        m_pEditor->ChooseTool(tool);
        Click(Screen(100, 100));
    }
    // A rectangle with no height, a polygon of one point, an empty text.
    DrawWith(TOOL_RECT, Screen(100, 100), Screen(300, 100));
    m_pEditor->ChooseTool(TOOL_POLYGON);
    Click(Screen(50, 50));
    DoubleClick(Screen(50, 50));
    m_strText.clear();
    m_pEditor->ChooseTool(TOOL_TEXT);
    Click(Screen(200, 200));
    EXPECT_EQ(LayerCount(), 0);
    EXPECT_FALSE(Editor().CanUndo());
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNew);
}

TEST_F(Editing, text_in_a_rectangle_dragged_smaller_than_its_text_grows_to_it)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    m_strText = "A rather long line of text";
    CLayer* small = DrawWith(TOOL_TEXTRECT, Screen(100, 100), Screen(120, 110));
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(m_nLastMode, OP_MODE_TEXT_IN_SHAPE);
    EXPECT_GT(Size(small).cx, 100);
    EXPECT_GT(Size(small).cy, 10);
    // A cancelled dialog creates nothing.
    m_strText.clear();
    EXPECT_EQ(DrawWith(TOOL_TEXTRECT, Screen(100, 300), Screen(400, 400)), nullptr);
    EXPECT_EQ(LayerCount(), 1);
}

// ---------------------------------------------------------------------------------------------
// Selecting

TEST_F(Editing, overlap_picks_the_top_object_also_after_it_went_to_the_bottom)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    CLayer* first = Rectangle(100, 100, 200, 200);
    CLayer* second = Rectangle(200, 200, 200, 200);
    const int32_t firstId = first->m_nId, secondId = second->m_nId;
    Click(Screen(250, 250));
    ASSERT_EQ(Editor().SelectionCount(), 1);
    EXPECT_EQ(Editor().Selection()[0]->m_nId, secondId);
    // The newer object goes to the bottom: the same click now finds the older one.
    EXPECT_TRUE(Editor().Reorder(CStage::moveToBottom));
    EXPECT_EQ(LayerIds(), (std::vector<int32_t> { firstId, secondId }));
    Click(Screen(250, 250));
    EXPECT_EQ(Editor().Selection()[0]->m_nId, firstId);
    // Undo puts the order back, and the hit follows it.
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(LayerIds(), (std::vector<int32_t> { secondId, firstId }));
    Click(Screen(250, 250));
    EXPECT_EQ(Editor().Selection()[0]->m_nId, secondId);
    EXPECT_TRUE(Editor().Redo());
    EXPECT_EQ(LayerIds(), (std::vector<int32_t> { firstId, secondId }));
    EXPECT_EQ(Editor().HitTest({ 250, 250 })->m_nId, firstId);
}

TEST_F(Editing, shift_adds_and_removes_and_a_click_beside_everything_deselects)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(50, 50, 100, 100);
    Rectangle(400, 300, 100, 100);
    Click(Screen(100, 100));
    Click(Screen(450, 350), Qt::ShiftModifier);
    EXPECT_EQ(Editor().SelectionCount(), 2);
    EXPECT_EQ(m_pEditor->GetStateCode(), 12 + 3);
    Click(Screen(100, 100), Qt::ShiftModifier);
    EXPECT_EQ(Editor().SelectionCount(), 1);
    Click(Screen(700, 550));
    EXPECT_EQ(Editor().SelectionCount(), 0);
    EXPECT_EQ(m_pEditor->GetStateCode(), 11 + 3);
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Editor().SelectionCount(), 2);
}

TEST_F(Editing, a_press_outside_the_stage_view_does_nothing_to_the_project)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(100, 100, 100, 100);
    const std::string before = Save("before.kel");
    m_pEditor->ChooseTool(TOOL_RECT);
    Drag(QPoint(150, 150), Screen(300, 300));
    m_pEditor->ChooseTool(TOOL_SELECT);
    Drag(QPoint(200, 600), Screen(150, 150));
    EXPECT_EQ(LayerCount(), 1);
    EXPECT_EQ(Bytes(Save("after.kel")), Bytes(before));
}

// ---------------------------------------------------------------------------------------------
// Moving and resizing

TEST_F(Editing, two_objects_moved_by_77_screen_pixels_move_100_stage_pixels_in_one_step)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    CLayer* a = Rectangle(100, 100, 100, 100);
    CLayer* b = Rectangle(400, 300, 100, 100);
    const int32_t aId = a->m_nId, bId = b->m_nId;
    Click(Screen(150, 150));
    Click(Screen(450, 350), Qt::ShiftModifier);
    const size_t steps = Editor().Store().UndoSteps();
    const QPoint from = Screen(150, 150);
    Drag(from, from + QPoint(77, 77));
    EXPECT_EQ(Editor().Store().UndoSteps(), steps + 1);
    auto pos = [this](int32_t id) {
        for (CLayer* layer : *Stage()->GetLayers())
            if (layer->m_nId == id)
                return layer->m_pPos->m_ptHome;
        return CPoint { -1, -1 };
    };
    EXPECT_EQ(pos(aId), (CPoint { 200, 200 }));
    EXPECT_EQ(pos(bId), (CPoint { 500, 400 }));
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(pos(aId), (CPoint { 100, 100 }));
    EXPECT_EQ(pos(bId), (CPoint { 400, 300 }));
    EXPECT_TRUE(Editor().Redo());
    EXPECT_EQ(pos(aId), (CPoint { 200, 200 }));
    EXPECT_EQ(pos(bId), (CPoint { 500, 400 }));
    // The marks follow the objects.
    EXPECT_EQ(Editor().SelectionCount(), 2);
    // A press on one of them that does not move picks it alone.
    Click(Screen(250, 250));
    ASSERT_EQ(Editor().SelectionCount(), 1);
    EXPECT_EQ(Editor().Selection()[0]->m_nId, aId);
}

TEST_F(Editing, a_click_without_motion_changes_nothing)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(100, 100, 100, 100);
    const std::string path = Save("still.kel");
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    ASSERT_EQ(m_pEditor->GetDocState(), CEditorDialog::docOpened);
    Click(Screen(150, 150));
    EXPECT_EQ(Editor().SelectionCount(), 1);
    Press(Screen(150, 150));
    Move(Screen(150, 150));
    Release(Screen(150, 150));
    EXPECT_FALSE(Editor().CanUndo());
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docOpened);
}

TEST_F(Editing, a_release_outside_the_stage_view_ends_the_drag_at_its_edge)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    CLayer* layer = Rectangle(100, 100, 100, 100);
    Click(Screen(150, 150));
    Press(Screen(150, 150));
    Move(Screen(150, 150) + QPoint(-500, 0));
    EXPECT_TRUE(Editor().IsDragging());
    Release(Screen(150, 150) + QPoint(-500, 0));
    EXPECT_FALSE(Editor().IsDragging());
    // The pointer was held at the view's left edge: the object moved by that much.
    EXPECT_EQ(Pos(Layer(0)).y, 100);
    EXPECT_LT(Pos(Layer(0)).x, 0);
    EXPECT_GE(Pos(Layer(0)).x, -100);
    (void)layer;
    // Escape during a drag cancels it.
    Press(Screen(50, 150));
    Move(Screen(250, 150));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Editor().IsDragging());
    const CPoint kept = Pos(Layer(0));
    Release(Screen(250, 150));
    EXPECT_EQ(Pos(Layer(0)), kept);
}

TEST_F(Editing, a_resize_by_a_handle_is_undone_with_position_and_size_in_one_step)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(200, 200, 200, 100);
    Click(Screen(250, 250));
    // Over the bottom-right corner the handle shows its cursor.
    const QPoint corner = BottomRight(*Layer(0));
    Move(corner, Qt::NoButton);
    EXPECT_EQ(Editor().CursorId(), IDC_RESIZE_NWSE);
    Drag(corner, corner + QPoint(77, 77));
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 200, 200 }));
    EXPECT_EQ(Size(Layer(0)), (CSize { 300, 200 }));
    // The top-left corner past the opposite one turns the rectangle over; it is normalised.
    const QRect mark2 = Editor().MarkRect(*Layer(0));
    Move(mark2.topLeft(), Qt::NoButton);
    EXPECT_EQ(Editor().CursorId(), IDC_RESIZE_NWSE);
    Drag(mark2.topLeft(), mark2.topLeft() + QPoint(308, 0));
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 500, 200 }));
    EXPECT_EQ(Size(Layer(0)), (CSize { 100, 200 }));
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 200, 200 }));
    EXPECT_EQ(Size(Layer(0)), (CSize { 300, 200 }));
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(Size(Layer(0)), (CSize { 200, 100 }));
}

TEST_F(Editing, shift_keeps_the_proportions_and_a_line_keeps_its_direction)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(100, 100, 200, 100);
    Click(Screen(150, 150));
    QPoint corner = BottomRight(*Layer(0));
    Move(corner, Qt::NoButton);
    Drag(corner, corner + QPoint(154, 10), Qt::ShiftModifier);
    EXPECT_EQ(Size(Layer(0)), (CSize { 400, 200 }));

    CLayer* line = DrawWith(TOOL_LINE, Screen(600, 100), Screen(400, 300));
    ASSERT_NE(line, nullptr);
    Click(Screen(500, 200));
    ASSERT_EQ(Editor().Selection()[0], Layer(0));
    corner = BottomRight(*Layer(0));
    Move(corner, Qt::NoButton);
    Drag(corner, corner + QPoint(77, 0));
    // Still from the top right to the bottom left, one hundred pixels wider.
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 700, 100 }));
    EXPECT_EQ(Size(Layer(0)), (CSize { -300, 200 }));
}

TEST_F(Editing, arrow_keys_nudge_the_selection_as_one_step_each)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(100, 100, 100, 100);
    Click(Screen(150, 150));
    Key(Qt::Key_Right);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 101, 110 }));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 101, 100 }));
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 101, 110 }));
}

// ---------------------------------------------------------------------------------------------
// Cut, copy, paste, delete

TEST_F(Editing, cut_of_two_objects_selected_bottom_first_then_undo_restores_the_order)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(10, 10, 50, 50);
    Rectangle(100, 10, 50, 50);
    Rectangle(200, 10, 50, 50);
    Rectangle(300, 10, 50, 50);
    const std::vector<int32_t> order = LayerIds(); // top first
    // The bottom one of the two first, then one nearer the top.
    Click(Screen(130, 30));
    Click(Screen(230, 30), Qt::ShiftModifier);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(LayerCount(), 2);
    EXPECT_TRUE(Editor().IsClipboardFilled());
    EXPECT_EQ(m_pEditor->GetStateCode(), 11 + 21 + 3);
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(LayerIds(), order);
    EXPECT_TRUE(Editor().Redo());
    EXPECT_EQ(LayerCount(), 2);
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(LayerIds(), order);
}

TEST_F(Editing, paste_twice_gives_independent_copies_with_fresh_identities)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    CLayer* original = Rectangle(100, 100, 100, 100);
    const int32_t id = original->m_nId;
    Click(Screen(150, 150));
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(Editor().Store().Working().empty());
    EXPECT_EQ(m_pEditor->GetStateCode(), 12 + 21 + 3);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(LayerCount(), 3);
    std::vector<int32_t> ids = LayerIds();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(std::unique(ids.begin(), ids.end()), ids.end());
    EXPECT_NE(Layer(0)->m_pPos->m_nId, Layer(1)->m_pPos->m_nId);
    EXPECT_NE(Layer(0)->m_pDrawing->m_nId, Layer(2)->m_pDrawing->m_nId);
    EXPECT_EQ(Layer(2)->m_nId, id);
    // They are independent: moving one leaves the others.
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 110, 100 }));
    EXPECT_EQ(Pos(Layer(1)), (CPoint { 100, 100 }));
    // Each paste is one step.
    EXPECT_TRUE(Editor().Undo());
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(LayerCount(), 2);
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(LayerCount(), 1);
    // New objects do not take identities the copies had.
    CLayer* next = Rectangle(300, 300, 50, 50);
    EXPECT_GT(next->m_nId, *std::max_element(ids.begin(), ids.end()));
}

TEST_F(Editing, delete_removes_the_selection_and_undo_brings_it_back)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(100, 100, 100, 100);
    Rectangle(300, 100, 100, 100);
    const std::vector<int32_t> order = LayerIds();
    Key(Qt::Key_A, Qt::ControlModifier);
    QTest::keyRelease(m_pEditor.get(), Qt::Key_Delete);
    EXPECT_EQ(LayerCount(), 0);
    EXPECT_EQ(Editor().SelectionCount(), 0);
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(LayerIds(), order);
}

TEST_F(Editing, undo_then_redo_saves_byte_identical_files)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(100, 100, 200, 100);
    DrawWith(TOOL_ELLIPSE, Screen(300, 300), Screen(500, 400));
    DrawWith(TOOL_LINE, Screen(600, 100), Screen(400, 300));
    Click(Screen(150, 150));
    Drag(Screen(150, 150), Screen(150, 150) + QPoint(40, 20));
    const std::string edited = Save("edited.kel");
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Editor().Undo()) << i;
    EXPECT_FALSE(Editor().CanUndo());
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Editor().Redo()) << i;
    EXPECT_EQ(Bytes(Save("redone.kel")), Bytes(edited));
}

// The still picture of the open project, 800 x 600.
QImage Still(CProjectDoc& doc)
{
    CDC dc(800, 600);
    doc.RenderStill(dc, { 0, 0, 800, 600 });
    return dc.Image().copy();
}

TEST_F(Editing, undoing_everything_gives_the_empty_project_again)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    const QImage empty = Still(*m_pEditor->GetDoc());
    Rectangle(100, 100, 200, 100);
    m_answers.m_bColor = true;
    m_answers.m_crColor = 0x00FFFF;
    m_pEditor->OnCommand(ID_BKGND_COLOR);
    EXPECT_EQ(Stage()->m_pBackground->m_crColor, 0x00FFFFu);
    EXPECT_NE(Still(*m_pEditor->GetDoc()), empty);
    while (Editor().CanUndo())
        ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(LayerCount(), 0);
    EXPECT_EQ(Still(*m_pEditor->GetDoc()), empty);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNew);
    EXPECT_EQ(m_pEditor->GetStateCode(), 5);
}

// ---------------------------------------------------------------------------------------------
// Commands, menus and the history's files

TEST_F(Editing, the_object_menu_opens_on_an_object_and_the_background_menu_beside_it)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(100, 100, 100, 100);
    Click(Screen(500, 500));
    Send(QEvent::MouseButtonPress, Screen(150, 150), Qt::RightButton, Qt::RightButton);
    // A right press on an object selects it first.
    EXPECT_EQ(Editor().SelectionCount(), 1);
    EXPECT_TRUE(m_pEditor->GetObjectMenu()->isVisible());
    EXPECT_FALSE(m_pEditor->GetBackgroundMenu()->isVisible());
    EXPECT_TRUE(FindButton(m_pEditor->GetObjectMenu(), ID_OBJ_TOP)->isEnabled());
    EXPECT_TRUE(FindButton(m_pEditor->GetObjectMenu(), ID_OBJ_IMPORTSOUND)->isEnabled());
    EXPECT_TRUE(FindButton(m_pEditor->GetObjectMenu(), ID_OBJ_SPEECH)->isEnabled());
    Send(QEvent::MouseButtonPress, Screen(500, 500), Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(m_pEditor->GetObjectMenu()->isVisible());
    EXPECT_TRUE(m_pEditor->GetBackgroundMenu()->isVisible());
    // The object menu's delete.
    Send(QEvent::MouseButtonPress, Screen(150, 150), Qt::RightButton, Qt::RightButton);
    m_pEditor->OnObjectMenuCommand(ID_OBJ_DELETE);
    EXPECT_EQ(LayerCount(), 0);
    EXPECT_FALSE(m_pEditor->GetObjectMenu()->isVisible());
}

TEST_F(Editing, the_object_menus_properties_open_the_placed_object_dialog_for_a_picture)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    QImage picture(40, 30, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 5; y < 25; ++y)
        for (int x = 5; x < 35; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    const std::string png = m_strDir + "/picture.png";
    ASSERT_TRUE(picture.save(QString::fromStdString(png)));
    m_answers.m_strFile = png;
    m_pEditor->OnCommand(ID_VIEW_IMPORTIMAGE);
    EXPECT_EQ(m_answers.m_strFolder, m_strDir + "/");
    ASSERT_EQ(LayerCount(), 1);
    auto* image = dynamic_cast<CImageObject*>(Layer(0)->m_pDrawing->GetObject());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->m_pBitmap->GetWidth(), 40);
    EXPECT_EQ(image->m_pBitmap->GetBitCount(), 24);
    ASSERT_NE(image->m_pBitmap->GetMask(), nullptr); // see-through corners
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 0, 0 }));
    EXPECT_EQ(Size(Layer(0)), (CSize { 40, 30 }));
    EXPECT_EQ(Layer(0)->m_pDrawing->m_strName, "picture.png");

    std::string title;
    Editor().SetPlacedDialogRunner([&](CPlacedPropertiesDlg& dlg) {
        title = dlg.windowTitle().toStdString();
        EXPECT_EQ(dlg.m_nWidth, 40);
        dlg.m_nX = 120;
        dlg.m_nWidth = 80;
        return true;
    });
    Click(Screen(10, 10));
    m_pEditor->OnObjectMenuCommand(ID_OBJ_PROPERTIES);
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 120, 0 }));
    EXPECT_EQ(Size(Layer(0)), (CSize { 80, 30 }));
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(Pos(Layer(0)), (CPoint { 0, 0 }));
    EXPECT_EQ(Size(Layer(0)), (CSize { 40, 30 }));
    // The next import starts where the last one was.
    m_answers.m_strFile.clear();
    m_pEditor->OnCommand(ID_VIEW_IMPORTIMAGE);
    EXPECT_EQ(m_answers.m_strFolder, m_strDir + "/");
}

TEST_F(Editing, the_object_dialog_changes_a_shape_as_one_undoable_step)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    DrawWith(TOOL_LINE, Screen(100, 100), Screen(300, 200));
    Click(Screen(200, 150));
    ASSERT_EQ(Editor().SelectionCount(), 1);
    Editor().SetDialogRunner([&](CObjectPropertiesDlg& dlg) {
        m_nLastMode = dlg.m_nMode;
        dlg.m_crColor1 = 0x0000FF;
        dlg.m_nLineWidth = 6;
        return true;
    });
    m_pEditor->OnObjectMenuCommand(ID_OBJ_PROPERTIES);
    EXPECT_EQ(m_nLastMode, OP_MODE_LINE);
    auto shape = [this] {
        return dynamic_cast<CDrawnObject*>(Layer(0)->m_pDrawing->GetObject())->m_pShape.get();
    };
    EXPECT_EQ(shape()->m_logpen.lopnColor, 0x0000FFu);
    EXPECT_EQ(shape()->m_logpen.lopnWidth.x, 6);
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(shape()->m_logpen.lopnColor, 0u);
    EXPECT_EQ(shape()->m_logpen.lopnWidth.x, 1);
    EXPECT_TRUE(Editor().Redo());
    EXPECT_EQ(shape()->m_logpen.lopnWidth.x, 6);
}

TEST_F(Editing, menus_and_toolbar_follow_the_state_code)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    EXPECT_EQ(m_pEditor->GetStateCode(), 0);
    Rectangle(100, 100, 100, 100);
    EXPECT_EQ(m_pEditor->GetStateCode(), 12 + 3); // the new object is selected
    Editor().ClearSelection();
    m_pEditor->RefreshCommands();
    EXPECT_EQ(m_pEditor->GetStateCode(), 11 + 3);
    CDropDownMenu* edit = m_pEditor->GetMenu(MENU_EDIT);
    EXPECT_TRUE(FindButton(edit, ID_EDIT_UNDO)->isEnabled());
    EXPECT_FALSE(FindButton(edit, ID_EDIT_REDO)->isEnabled());
    EXPECT_FALSE(FindButton(edit, ID_EDIT_CUT)->isEnabled());
    EXPECT_TRUE(FindButton(edit, ID_EDIT_SELECTALL)->isEnabled());
    EXPECT_TRUE(FindButton(edit, ID_EDIT_PROPERTIES)->isEnabled());
    m_pEditor->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(m_pEditor->GetStateCode(), 5);
    EXPECT_TRUE(FindButton(edit, ID_EDIT_REDO)->isEnabled());
    // The edit set of the toolbar: cut, copy, paste, undo, redo.
    CMainToolbar* toolbar = m_pEditor->GetToolbar();
    toolbar->SetSet(1);
    m_pEditor->RefreshCommands();
    EXPECT_FALSE(FindButton(toolbar, ID_MTB_SET1)->isEnabled());
    EXPECT_FALSE(FindButton(toolbar, ID_MTB_SET4)->isEnabled());
    EXPECT_TRUE(FindButton(toolbar, ID_MTB_SET5)->isEnabled());
    m_pEditor->OnCommand(ID_MTB_SET5); // redo
    EXPECT_EQ(LayerCount(), 1);
    EXPECT_TRUE(FindButton(toolbar, ID_MTB_SET4)->isEnabled());
}

TEST_F(Editing, the_toolbox_opens_from_the_view_menu_and_closes_on_play)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    m_pEditor->OnCommand(ID_VIEW_TOOLBOX);
    CToolbox* toolbox = m_pEditor->GetToolbox();
    ASSERT_NE(toolbox, nullptr);
    EXPECT_TRUE(toolbox->isVisible());
    QTest::mouseClick(FindButton(toolbox, 1052), Qt::LeftButton);
    EXPECT_EQ(Editor().GetTool(), TOOL_RECT);
    Drag(Screen(100, 100), Screen(200, 200));
    EXPECT_EQ(LayerCount(), 1);
    // A double click with a drawing tool goes back to selecting.
    DoubleClick(Screen(150, 150));
    EXPECT_EQ(Editor().GetTool(), TOOL_SELECT);
    EXPECT_EQ(toolbox->GetTool(), TOOL_SELECT);
    EXPECT_EQ(Editor().SelectionCount(), 1);
    m_pEditor->OnCommand(ID_FILE_PLAY);
    EXPECT_EQ(m_pEditor->GetToolbox(), nullptr);
    EXPECT_EQ(Editor().GetTool(), TOOL_SELECT);
}

// The folders the undo store made in the temporary directory.
std::vector<std::string> UndoFolders()
{
    std::vector<std::string> found;
    const std::string tmp = platform::TempDirectory();
    const std::string prefix = "vimble-undo-" + std::to_string(::getpid()) + "-";
    if (DIR* dir = ::opendir(tmp.c_str())) {
        while (dirent* entry = ::readdir(dir))
            if (std::string(entry->d_name).rfind(prefix, 0) == 0)
                found.push_back(tmp + "/" + entry->d_name);
        ::closedir(dir);
    }
    return found;
}

TEST_F(Editing, no_undo_file_or_folder_remains_after_close_or_after_the_editor_ends)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(100, 100, 100, 100);
    ASSERT_FALSE(Editor().Store().Folder().empty());
    const std::string folder = Editor().Store().Folder();
    struct stat info { };
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // Closing without saving asks first; No discards, and the history goes.
    m_pEditor->OnCommand(ID_FILE_CLOSE);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNone);
    EXPECT_FALSE(platform::FileExists(folder));
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(100, 100, 100, 100);
    EXPECT_FALSE(UndoFolders().empty());
    m_pEditor.reset();
    EXPECT_TRUE(UndoFolders().empty());
}

TEST_F(Editing, a_sample_greeting_clicked_and_closed_asks_nothing_and_stays_byte_for_byte)
{
    const std::string path = m_strDir + "/Happy Birthday.kel";
    ASSERT_TRUE(platform::CopyFileTo(std::string(built::kDataDir) + "/samples/Happy Birthday.kel", path));
    const std::vector<uint8_t> before = Bytes(path);
    ASSERT_TRUE(m_pEditor->OpenProjectFile(path));
    ASSERT_GT(LayerCount(), 0);
    const CRect rc = StageRectOf(*Layer(0));
    Click(Screen((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
    EXPECT_EQ(Editor().SelectionCount(), 1);
    m_pEditor->OnCommand(ID_FILE_CLOSE);
    EXPECT_TRUE(m_answers.m_questions.empty());
    EXPECT_EQ(Bytes(path), before);
}

} // namespace

namespace {

TEST_F(Editing, the_stage_view_keeps_every_one_pixel_outline_of_the_still)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    // Outlines at stage columns and rows that a colour-on-colour shrink to 0.77 would drop.
    for (int i = 0; i < 12; ++i) {
        CLayer* layer = Stage()->AddObject(CGenericDrawing::kindDrawn, 40 + 61 * i, 40 + 45 * i,
                                           13 + i, 11 + i);
        auto drawn = std::make_unique<CDrawnObject>();
        drawn->m_pShape = std::make_unique<CDrawRect>();
        layer->m_pDrawing->SetObject(std::move(drawn));
        layer->m_pEffects->AddTail(new CEffect);
        layer->AttachParts();
    }
    m_pEditor->OnProjectEdited();
    m_pEditor->repaint();
    const QImage& view = m_pEditor->Composition();
    for (int i = 0; i < 12; ++i) {
        // The darkest pixel across each edge of the outline, in the view.
        const CRect rc{40 + 61 * i, 40 + 45 * i, 40 + 61 * i + 13 + i, 40 + 45 * i + 11 + i};
        auto darkest = [&](int x0, int x1, int y0, int y1) {
            int best = 255;
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x)
                    best = std::min(best, qGray(view.pixel(128 + x, 110 + y)));
            return best;
        };
        const int midY = (rc.top + rc.bottom) / 2 * 462 / 600;
        const int midX = (rc.left + rc.right) / 2 * 616 / 800;
        const int right = (rc.right - 1) * 616 / 800, bottom = (rc.bottom - 1) * 462 / 600;
        EXPECT_LT(darkest(right - 1, right + 1, midY, midY), 200) << i;
        EXPECT_LT(darkest(midX, midX, bottom - 1, bottom + 1), 200) << i;
    }
}

} // namespace

namespace {

TEST_F(Editing, a_press_where_a_handle_was_before_the_object_moved_does_not_resize_it)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    Rectangle(200, 200, 200, 100);
    Click(Screen(250, 250));
    const QPoint corner = BottomRight(*Layer(0));
    Move(corner, Qt::NoButton);
    ASSERT_EQ(Editor().CursorId(), IDC_RESIZE_NWSE);
    // The keys move the object away from under the resting pointer.
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Left, Qt::ShiftModifier);
    Drag(corner, corner + QPoint(77, 77));
    EXPECT_EQ(Size(Layer(0)), (CSize{200, 100}));
    EXPECT_EQ(Pos(Layer(0)), (CPoint{170, 200}));
}

} // namespace

namespace {

TEST_F(Editing, a_longer_text_given_in_the_properties_grows_its_object_in_the_same_step)
{
    ASSERT_TRUE(m_pEditor->NewProject());
    m_strText = "Hi";
    m_pEditor->ChooseTool(TOOL_TEXT);
    Click(Screen(100, 100));
    m_pEditor->ChooseTool(TOOL_SELECT);
    ASSERT_EQ(LayerCount(), 1);
    const CSize small = Size(Layer(0));
    Editor().SetDialogRunner([](CObjectPropertiesDlg& dlg) {
        EXPECT_EQ(dlg.m_nMode, OP_MODE_PLAIN_TEXT);
        EXPECT_EQ(dlg.m_strText, "Hi");
        dlg.m_strText = "Hello there, everybody";
        return true;
    });
    Click(Screen(102, 102));
    ASSERT_EQ(Editor().SelectionCount(), 1);
    m_pEditor->OnObjectMenuCommand(ID_OBJ_PROPERTIES);
    EXPECT_GT(Size(Layer(0)).cx, small.cx * 4);
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(Size(Layer(0)), small);
    auto* text = dynamic_cast<CDrawTextRect*>(
        dynamic_cast<CDrawnObject*>(Layer(0)->m_pDrawing->GetObject())->m_pShape.get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_strText, "Hi");
}

} // namespace
