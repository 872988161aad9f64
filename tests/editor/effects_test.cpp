// Effects of objects as the editor gives them: a kind attached to the selection or added to one
// object from its end, an effect edited or removed, each change one undoable step; refused
// changes leave the project, its length and the history exactly as they were; the effect
// properties dialog with its ranges and its preview, which gives the project back unchanged.
#include "editor/editing/editing.h"
#include "editor/main/editordlg.h"
#include "editor/windows/effectpropsdlg.h"
#include "model/effect.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/dc.h"
#include "platform/message.h"
#include "playback/effecttable.h"
#include "playback/projectdoc.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

constexpr QPoint kView(240, 194);

// Rows of the kinds table the tests use.
constexpr size_t kRowStill = 0;
constexpr size_t kRowLeft = 1;   // 230 frames
constexpr size_t kRowRight = 4;  // 230 frames
constexpr size_t kRowCircle = 13; // 50 frames

struct CEffectValues {
    int32_t nStart, nDuration, nDefault, nUser, bOff, nType;
    bool operator==(const CEffectValues&) const = default;
};

std::vector<CEffectValues> ValuesOf(const CLayer* layer)
{
    std::vector<CEffectValues> values;
    if (layer->m_pEffects)
        for (const CEffect* e : *layer->m_pEffects)
            values.push_back({ e->m_nStartFrame, e->m_nDuration, e->m_nDefaultDuration,
                e->m_nUserValue, e->m_bOffScreenAfter, e->m_nType });
    return values;
}

class Effects : public CEditorWindowTest, protected CDialogAnswers {
protected:
    void SetUp() override
    {
        OpenEditor();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(m_pEditor->NewProject());
        AnswerDialogs(Editor());
    }
    void TearDown() override { CloseEditor(); }

    const EffectKind& Kind(size_t row) { return EffectKinds().at(row); }
    CAbstractMovie& Movie() { return *m_pEditor->GetDoc()->GetMovie(); }

    // A rectangle drawn at the stage-view point, with the default effect, left selected alone.
    CLayer* Rectangle(QPoint at = QPoint(50, 50))
    {
        m_pEditor->ChooseTool(TOOL_RECT);
        QTest::mousePress(m_pEditor.get(), Qt::LeftButton, {}, kView + at);
        QTest::mouseMove(m_pEditor.get(), kView + at + QPoint(30, 30));
        QTest::mouseRelease(m_pEditor.get(), Qt::LeftButton, {}, kView + at + QPoint(60, 50));
        m_pEditor->ChooseTool(TOOL_SELECT);
        CLayer* layer = Stage()->GetLayers()->GetHead();
        Editor().ClearSelection();
        Editor().Select(layer);
        return layer;
    }
    // Replaces the object's effects by effects of the given start frames and durations (by
    // hand: no step), then recomputes the length as every change does.
    void SetEffects(CLayer* layer, const std::vector<std::pair<int32_t, int32_t>>& spans)
    {
        layer->m_pEffects->RemoveAll();
        for (auto [start, duration] : spans) {
            auto* e = new CEffect;
            e->m_nType = 0;
            e->m_fParam1 = 3.0f;
            e->m_fParam2 = e->m_fParam3 = 0.0f;
            e->m_nStartFrame = start;
            e->m_nDuration = e->m_nDefaultDuration = duration;
            e->m_bOffScreenAfter = 0;
            e->m_strName = "by hand";
            layer->m_pEffects->AddTail(e);
        }
        layer->AttachParts();
        RecomputeMovieLength(Movie());
    }
    std::vector<uint8_t> Saved(const std::string& name)
    {
        const std::string path = m_strDir + "/" + name + ".kel";
        EXPECT_TRUE(::SaveProject(Movie(), path));
        return Bytes(path);
    }
    QImage Still()
    {
        CDC dc(800, 600);
        m_pEditor->GetDoc()->RenderStill(dc, { 0, 0, 800, 600 });
        return dc.Image().copy();
    }
    // Types into a field of the open dialog.
    static void Type(CEffectPropertiesDlg& dlg, int nId, const std::string& text)
    {
        dlg.Field(nId)->setText(QString::fromStdString(text));
    }
    static void Tick(CEffectPropertiesDlg& dlg)
    {
        auto* timer = dlg.findChild<QTimer*>(QString::number(IDT_EP_PREVIEW));
        ASSERT_NE(timer, nullptr);
        ASSERT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 100);
        QMetaObject::invokeMethod(timer, "timeout");
    }

    // Everything a refused change must leave alone.
    struct CState {
        std::vector<std::vector<CEffectValues>> effects;
        int32_t nLength;
        bool bUndo, bRedo;
        uint64_t nPosition;
        std::vector<uint8_t> bytes;
    };
    CState State(const std::string& name)
    {
        CState state;
        for (CLayer* layer : *Stage()->GetLayers())
            state.effects.push_back(ValuesOf(layer));
        state.nLength = Movie().GetFrameCount();
        state.bUndo = Editor().CanUndo();
        state.bRedo = Editor().CanRedo();
        state.nPosition = Editor().Store().Position();
        state.bytes = Saved(name);
        return state;
    }
    void ExpectSame(const CState& a, const CState& b)
    {
        EXPECT_EQ(a.effects, b.effects);
        EXPECT_EQ(a.nLength, b.nLength);
        EXPECT_EQ(a.bUndo, b.bUndo);
        EXPECT_EQ(a.bRedo, b.bRedo);
        EXPECT_EQ(a.nPosition, b.nPosition);
        EXPECT_TRUE(a.bytes == b.bytes) << "the saved project differs";
    }

};

// ---------------------------------------------------------------------------------------------
// Attaching a kind

TEST_F(Effects, the_still_kind_on_a_clip_runs_for_the_clip_s_frames)
{
    CLayer* layer = Stage()->AddObject(CGenericDrawing::kindAnimation, 100, 100, 80, 60);
    auto clip = std::make_unique<CAnimationObject>();
    clip->m_nFrameCount = 37;
    layer->m_pDrawing->SetObject(std::move(clip));
    layer->AttachParts();
    ASSERT_TRUE(Editor().AttachEffectToLayer(*layer, Kind(kRowStill)));
    ASSERT_EQ(layer->m_pEffects->GetCount(), 1);
    const CEffect* e = layer->m_pEffects->GetTail();
    EXPECT_EQ(e->m_nStartFrame, 0);
    EXPECT_EQ(e->m_nDuration, 37);
    EXPECT_EQ(e->m_nDefaultDuration, 37);
    EXPECT_EQ(e->m_nType, -1);
    EXPECT_EQ(e->m_pOwner, layer);
    EXPECT_EQ(Movie().GetFrameCount(), 37);
    // The dialog offered the kind's own frames; a shape takes them.
    EXPECT_EQ(m_shown.first, "1");
    CLayer* shape = Rectangle();
    m_answer = [](CEffectPropertiesDlg& dlg) { Type(dlg, IDC_EP_DURATION, "12"); };
    ASSERT_TRUE(Editor().AttachEffectToSelection(Kind(kRowStill)));
    EXPECT_EQ(shape->m_pEffects->GetTail()->m_nDuration, 12);
}

TEST_F(Effects, an_attach_starts_where_the_object_s_effects_end_whatever_start_is_typed)
{
    CLayer* layer = Rectangle();
    SetEffects(layer, { { 0, 230 } });
    const int32_t listId = layer->m_pEffects->m_nId;
    m_answer = [](CEffectPropertiesDlg& dlg) {
        Type(dlg, IDC_EP_START, "5");
        Type(dlg, IDC_EP_USER_VALUE, "7");
        Click(dlg.Button(IDC_EP_OFFSCREEN));
    };
    ASSERT_TRUE(Editor().AttachEffectToSelection(Kind(kRowRight)));
    EXPECT_EQ(m_shown, std::make_pair(std::string("230"), std::string("0")));
    ASSERT_EQ(layer->m_pEffects->GetCount(), 2);
    const CEffect* e = layer->m_pEffects->GetTail();
    EXPECT_EQ(e->m_nStartFrame, 230);
    EXPECT_EQ(e->m_nDuration, 230);
    EXPECT_EQ(e->m_nUserValue, 7);
    EXPECT_EQ(e->m_bOffScreenAfter, 1);
    EXPECT_EQ(e->m_strName, Kind(kRowRight).m_strName);
    EXPECT_EQ(e->m_fParam1, 3.0f);
    // The first effect goes off screen; the list has a new identity; the movie is longer.
    EXPECT_EQ(layer->m_pEffects->GetHead()->m_bOffScreenAfter, 1);
    EXPECT_EQ(layer->m_pEffects->m_nSavedId, listId);
    EXPECT_NE(layer->m_pEffects->m_nId, listId);
    EXPECT_EQ(Movie().GetFrameCount(), 460);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNewChanged);
}

TEST_F(Effects, an_add_offers_the_object_s_end_and_takes_the_start_typed)
{
    CLayer* layer = Rectangle();
    SetEffects(layer, { { 0, 230 } });
    m_answer = [](CEffectPropertiesDlg& dlg) { Type(dlg, IDC_EP_START, "500"); };
    ASSERT_TRUE(Editor().AddEffect(*layer, Kind(kRowLeft)));
    EXPECT_EQ(m_shown.second, "230");
    EXPECT_EQ(layer->m_pEffects->GetTail()->m_nStartFrame, 500);
    EXPECT_EQ(Movie().GetFrameCount(), 730);
    EXPECT_TRUE(Editor().Undo());
    EXPECT_EQ(layer->m_pEffects->GetCount(), 1);
    EXPECT_EQ(Movie().GetFrameCount(), 230);
}

TEST_F(Effects, one_kind_on_three_objects_is_one_step_each_from_its_own_end)
{
    CLayer* a = Rectangle({ 10, 10 });
    CLayer* b = Rectangle({ 100, 10 });
    CLayer* c = Rectangle({ 200, 10 });
    SetEffects(a, { { 0, 10 } });
    SetEffects(b, { { 0, 50 } });
    SetEffects(c, { { 0, 10 }, { 10, 90 } });
    Editor().ClearSelection();
    Editor().Select(a);
    Editor().Select(b);
    Editor().Select(c);
    const int32_t ids[] = { a->m_nId, b->m_nId, c->m_nId };
    const auto before = State("before");
    ASSERT_TRUE(Editor().AttachEffectToSelection(Kind(kRowCircle)));
    EXPECT_EQ(m_nDialogs, 1);
    EXPECT_EQ(a->m_pEffects->GetTail()->m_nStartFrame, 10);
    EXPECT_EQ(b->m_pEffects->GetTail()->m_nStartFrame, 50);
    EXPECT_EQ(c->m_pEffects->GetTail()->m_nStartFrame, 100);
    EXPECT_EQ(Movie().GetFrameCount(), 150);
    const auto after = State("after");

    EXPECT_TRUE(Editor().Undo());
    CState undone = State("undone");
    EXPECT_EQ(undone.effects, before.effects);
    EXPECT_EQ(undone.nLength, 10 + 90);
    EXPECT_TRUE(undone.bytes == before.bytes);

    EXPECT_TRUE(Editor().Redo());
    CState redone = State("redone");
    EXPECT_EQ(redone.effects, after.effects);
    EXPECT_EQ(redone.nLength, 150);
    EXPECT_TRUE(redone.bytes == after.bytes);
    // The lists put back belong to their objects, so they play.
    for (int32_t id : ids) {
        for (CLayer* layer : *Stage()->GetLayers()) {
            if (layer->m_nId != id)
                continue;
            for (const CEffect* e : *layer->m_pEffects)
                EXPECT_EQ(e->m_pOwner, layer);
        }
    }
}

TEST_F(Effects, a_kind_dropped_with_nothing_selected_does_nothing)
{
    Rectangle();
    Editor().ClearSelection();
    const auto before = State("before");
    EXPECT_FALSE(Editor().AttachEffectToSelection(Kind(kRowRight)));
    EXPECT_EQ(m_nDialogs, 0);
    ExpectSame(State("after"), before);
}

TEST_F(Effects, a_cancelled_dialog_changes_nothing)
{
    CLayer* layer = Rectangle();
    const auto before = State("before");
    m_bOk = false;
    EXPECT_FALSE(Editor().AttachEffectToSelection(Kind(kRowRight)));
    EXPECT_FALSE(Editor().AddEffect(*layer, Kind(kRowRight)));
    EXPECT_FALSE(Editor().EditEffect(*layer, *layer->m_pEffects->GetHead()));
    EXPECT_EQ(m_nDialogs, 3);
    ExpectSame(State("after"), before);
}

// ---------------------------------------------------------------------------------------------
// Refusals

TEST_F(Effects, a_refused_attach_restores_every_object_and_leaves_the_history)
{
    CLayer* good = Rectangle({ 10, 10 });
    CLayer* bad = Rectangle({ 200, 10 });
    SetEffects(good, { { 0, 20 } });
    // A stored project may hold effects that already share frames.
    SetEffects(bad, { { 0, 20 }, { 10, 20 } });
    bad->m_pEffects->GetTail()->m_bOffScreenAfter = 0;
    good->m_pEffects->GetTail()->m_bOffScreenAfter = 0;
    Editor().ClearSelection();
    Editor().Select(good);
    Editor().Select(bad);
    // Something to redo, which a refusal must not lose.
    ASSERT_TRUE(Editor().Nudge(1, 0));
    ASSERT_TRUE(Editor().Undo());
    const auto before = State("before");
    platform::CMessageRecorder messages;
    EXPECT_FALSE(Editor().AttachEffectToSelection(Kind(kRowRight)));
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_EQ(messages.m_messages[0].nStringId, 10130);
    ExpectSame(State("after"), before);
    EXPECT_EQ(good->m_pEffects->GetTail()->m_bOffScreenAfter, 0);
}

TEST_F(Effects, a_refused_add_keeps_no_state_and_leaves_the_redo_stack)
{
    CLayer* layer = Rectangle();
    SetEffects(layer, { { 0, 230 } });
    layer->m_pEffects->GetTail()->m_bOffScreenAfter = 0;
    ASSERT_TRUE(Editor().Nudge(0, 1));
    ASSERT_TRUE(Editor().Undo());
    const auto before = State("before");
    m_answer = [](CEffectPropertiesDlg& dlg) { Type(dlg, IDC_EP_START, "100"); };
    platform::CMessageRecorder messages;
    EXPECT_FALSE(Editor().AddEffect(*layer, Kind(kRowLeft)));
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_EQ(messages.m_messages[0].nStringId, 10130);
    ExpectSame(State("after"), before);
    EXPECT_TRUE(Editor().Redo());
}

TEST_F(Effects, a_refused_edit_puts_back_all_five_values)
{
    CLayer* layer = Rectangle();
    SetEffects(layer, { { 0, 230 }, { 230, 230 } });
    CEffect* second = layer->m_pEffects->GetTail();
    second->m_nDefaultDuration = 200;
    second->m_nUserValue = 4;
    second->m_bOffScreenAfter = 0;
    const auto before = State("before");
    m_answer = [](CEffectPropertiesDlg& dlg) {
        Type(dlg, IDC_EP_START, "100");
        Type(dlg, IDC_EP_DURATION, "50");
        Type(dlg, IDC_EP_USER_VALUE, "9");
        Click(dlg.Button(IDC_EP_OFFSCREEN));
    };
    platform::CMessageRecorder messages;
    EXPECT_FALSE(Editor().EditEffect(*layer, *second));
    // The dialog showed the default duration and the start.
    EXPECT_EQ(m_shown, std::make_pair(std::string("200"), std::string("230")));
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_EQ(messages.m_messages[0].nStringId, 10146);
    ExpectSame(State("after"), before);
}

// ---------------------------------------------------------------------------------------------
// Editing and removing

TEST_F(Effects, an_edit_takes_the_dialog_s_values_as_one_step)
{
    CLayer* layer = Rectangle();
    SetEffects(layer, { { 0, 230 } });
    CEffect* e = layer->m_pEffects->GetTail();
    e->m_nDefaultDuration = -1; // never given: the duration is what is edited
    const auto before = State("before");
    m_answer = [](CEffectPropertiesDlg& dlg) {
        Type(dlg, IDC_EP_START, "20");
        Type(dlg, IDC_EP_USER_VALUE, "3");
    };
    ASSERT_TRUE(Editor().EditEffect(*layer, *e));
    EXPECT_EQ(m_shown, std::make_pair(std::string("230"), std::string("0")));
    EXPECT_EQ(ValuesOf(layer), (std::vector<CEffectValues> { { 20, 230, 230, 3, 0, 0 } }));
    EXPECT_EQ(Movie().GetFrameCount(), 250);
    ASSERT_TRUE(Editor().Undo());
    CState undone = State("undone");
    EXPECT_EQ(undone.effects, before.effects);
    EXPECT_EQ(undone.nLength, 230);
}

TEST_F(Effects, removing_the_middle_effect_puts_the_last_on_screen)
{
    CLayer* layer = Rectangle();
    SetEffects(layer, { { 0, 10 }, { 10, 10 }, { 20, 10 } });
    layer->m_pEffects->GetTail()->m_bOffScreenAfter = 1;
    ASSERT_TRUE(Editor().RemoveEffect(*layer, *layer->m_pEffects->GetAt(1)));
    EXPECT_EQ(ValuesOf(layer),
        (std::vector<CEffectValues> { { 0, 10, 10, 0, 1, 0 }, { 20, 10, 10, 0, 0, 0 } }));
    EXPECT_EQ(Movie().GetFrameCount(), 30);
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(ValuesOf(layer),
        (std::vector<CEffectValues> {
            { 0, 10, 10, 0, 1, 0 }, { 10, 10, 10, 0, 1, 0 }, { 20, 10, 10, 0, 1, 0 } }));
}

TEST_F(Effects, removing_the_last_effect_passes_its_choice_on)
{
    CLayer* layer = Rectangle();
    SetEffects(layer, { { 0, 10 }, { 10, 10 } });
    layer->m_pEffects->GetTail()->m_bOffScreenAfter = 1;
    ASSERT_TRUE(Editor().RemoveEffect(*layer, *layer->m_pEffects->GetTail()));
    EXPECT_EQ(ValuesOf(layer), (std::vector<CEffectValues> { { 0, 10, 10, 0, 1, 0 } }));
    EXPECT_EQ(Movie().GetFrameCount(), 10);

    SetEffects(layer, { { 0, 10 }, { 10, 10 } });
    layer->m_pEffects->GetTail()->m_bOffScreenAfter = 0;
    ASSERT_TRUE(Editor().RemoveEffect(*layer, *layer->m_pEffects->GetTail()));
    EXPECT_EQ(ValuesOf(layer), (std::vector<CEffectValues> { { 0, 10, 10, 0, 0, 0 } }));
}

TEST_F(Effects, removing_the_only_effect_leaves_an_empty_list_and_undo_brings_it_back)
{
    CLayer* layer = Rectangle();
    const auto before = State("before");
    ASSERT_TRUE(Editor().RemoveEffect(*layer, *layer->m_pEffects->GetHead()));
    EXPECT_TRUE(layer->m_pEffects->IsEmpty());
    EXPECT_EQ(Movie().GetFrameCount(), 1); // still one frame to show
    ASSERT_TRUE(Editor().Undo());
    CState undone = State("undone");
    EXPECT_EQ(undone.effects, before.effects);
    EXPECT_EQ(undone.nLength, before.nLength);
    EXPECT_TRUE(undone.bytes == before.bytes);
}

// ---------------------------------------------------------------------------------------------
// The dialog

TEST_F(Effects, the_dialog_keeps_out_of_range_numbers_and_says_why)
{
    CLayer* layer = Rectangle();
    struct Case {
        int nField;
        const char* pszText;
        bool bTaken;
    };
    const Case cases[] = {
        { IDC_EP_DURATION, "0", false },
        { IDC_EP_DURATION, "100001", false },
        { IDC_EP_DURATION, "ten", false },
        { IDC_EP_DURATION, "100000", true },
        { IDC_EP_DURATION, "1", true },
        { IDC_EP_START, "-1", false },
        { IDC_EP_START, "1000001", false },
        { IDC_EP_START, "1000000", true },
        { IDC_EP_START, "0", true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        CEffectPropertiesDlg dlg(m_pEditor->GetDoc(), true, m_pEditor.get());
        dlg.show();
        Type(dlg, c.nField, c.pszText);
        m_answers.m_questions.clear();
        Click(dlg.Button(IDC_EP_OK));
        EXPECT_EQ(dlg.isVisible(), !c.bTaken);
        EXPECT_EQ(m_answers.m_questions.empty(), c.bTaken);
        if (c.bTaken) {
            EXPECT_EQ((c.nField == IDC_EP_DURATION ? dlg.m_nDuration : dlg.m_nStartFrame),
                std::stoi(c.pszText));
        } else if (!m_answers.m_questions.empty()) {
            EXPECT_NE(m_answers.m_questions[0].find("whole number"), std::string::npos);
        }
        dlg.hide();
    }
    (void)layer;
}

TEST_F(Effects, a_read_only_dialog_shows_the_duration_without_typing)
{
    CEffectPropertiesDlg dlg(m_pEditor->GetDoc(), false, m_pEditor.get());
    dlg.m_nDuration = 42;
    dlg.show();
    EXPECT_EQ(dlg.Field(IDC_EP_DURATION)->text(), "42");
    EXPECT_TRUE(dlg.Field(IDC_EP_DURATION)->isReadOnly());
    EXPECT_FALSE(dlg.Field(IDC_EP_START)->isReadOnly());
    EXPECT_FALSE(dlg.Field(IDC_EP_USER_VALUE)->isVisible());
    EXPECT_FALSE(dlg.Field(IDC_EP_DURATION_COPY)->isVisible());
    EXPECT_FALSE(dlg.Button(IDC_EP_STOP)->isEnabled());
    // Stop without a preview changes nothing.
    QMetaObject::invokeMethod(dlg.Button(IDC_EP_STOP), "click");
    EXPECT_FALSE(dlg.IsPreviewRunning());
    EXPECT_TRUE(dlg.Button(IDC_EP_TEST)->isEnabled());
    // The tips are the program's texts.
    EXPECT_EQ(dlg.Skin().ToolTip()->GetText(dlg.Button(IDC_EP_TEST)), "Try the effect");
    EXPECT_EQ(dlg.Skin().ToolTip()->GetText(dlg.Field(IDC_EP_START)),
        "Frame at which the effect starts");
}

TEST_F(Effects, a_preview_then_stop_gives_the_project_back_unchanged)
{
    CLayer* layer = Rectangle();
    SetEffects(layer, { { 0, 40 } });
    Movie().SetCurrentFrame(7);
    Movie().m_nPlayMode = 0;
    const int32_t paused = Movie().m_bPaused;
    const auto before = State("before");
    const QImage still = Still();
    CStageList* stages = Movie().GetStages();

    CEffectPropertiesDlg dlg(m_pEditor->GetDoc(), true, m_pEditor.get());
    const EffectKind& kind = Kind(kRowCircle);
    dlg.m_nType = kind.m_nType;
    dlg.m_fP1 = kind.m_fParam1;
    dlg.m_fP2 = kind.m_fParam2;
    dlg.m_fP3 = kind.m_fParam3;
    dlg.m_nDuration = 50;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    Click(dlg.Button(IDC_EP_TEST));
    ASSERT_TRUE(dlg.IsPreviewRunning());
    EXPECT_FALSE(dlg.Button(IDC_EP_TEST)->isEnabled());
    EXPECT_TRUE(dlg.Button(IDC_EP_STOP)->isEnabled());
    EXPECT_FALSE(dlg.Field(IDC_EP_DURATION)->isEnabled());
    EXPECT_TRUE(m_pEditor->GetDoc()->IsPreviewInstalled());
    EXPECT_EQ(Movie().GetFrameCount(), 50);
    EXPECT_EQ(Movie().m_nPlayMode, 2);
    // The preview is the scaled stage: white round the ellipse.
    ASSERT_EQ(dlg.PreviewImage().size(), QSize(208, 156));
    EXPECT_EQ(dlg.PreviewImage().pixel(2, 2), qRgb(255, 255, 255));

    Tick(dlg);
    Shoot(&dlg, "effect_preview_1.png");
    const QImage first = dlg.PreviewImage();
    Tick(dlg);
    Tick(dlg);
    Shoot(&dlg, "effect_preview_2.png");
    EXPECT_NE(dlg.PreviewImage(), first) << "the ellipse moves";
    // It loops: many more ticks than frames keep playing.
    for (int i = 0; i < 120; ++i)
        Tick(dlg);
    EXPECT_LT(Movie().GetCurrentFrame(), 50);

    Click(dlg.Button(IDC_EP_STOP));
    EXPECT_FALSE(dlg.IsPreviewRunning());
    EXPECT_FALSE(m_pEditor->GetDoc()->IsPreviewInstalled());
    EXPECT_TRUE(dlg.Button(IDC_EP_TEST)->isEnabled());
    EXPECT_TRUE(dlg.Field(IDC_EP_DURATION)->isEnabled());
    EXPECT_EQ(Movie().GetStages(), stages);
    EXPECT_EQ(Movie().GetCurrentFrame(), 7);
    EXPECT_EQ(Movie().m_nPlayMode, 0);
    EXPECT_EQ(Movie().m_bPaused, paused);
    ExpectSame(State("after"), before);
    EXPECT_EQ(Still(), still);
}

TEST_F(Effects, the_still_is_not_composed_while_a_preview_runs)
{
    Rectangle();
    CProjectDoc& doc = *m_pEditor->GetDoc();
    ASSERT_TRUE(doc.InstallPreview(0, 3.0f, 0.0f, 0.0f, 10));
    CDC dc(800, 600);
    dc.Image().fill(Qt::black);
    doc.RenderStill(dc, { 0, 0, 800, 600 });
    EXPECT_EQ(dc.Image().pixel(400, 300), qRgb(0, 0, 0));
    doc.RestoreMovie();
    EXPECT_FALSE(doc.IsPreviewInstalled());
    doc.RenderStill(dc, { 0, 0, 800, 600 });
    EXPECT_EQ(dc.Image().pixel(790, 590), qRgb(255, 255, 255));
}

TEST_F(Effects, a_movie_without_stages_still_gets_its_preview_taken_back)
{
    CProjectDoc& doc = *m_pEditor->GetDoc();
    std::unique_ptr<CStageList> own(Movie().m_pStages.release());
    ASSERT_TRUE(doc.InstallPreview(0, 3.0f, 0.0f, 0.0f, 10));
    EXPECT_TRUE(doc.IsPreviewInstalled());
    doc.RestoreMovie();
    EXPECT_FALSE(doc.IsPreviewInstalled());
    EXPECT_EQ(Movie().GetStages(), nullptr);
    Movie().SetStages(std::move(own));
}

TEST_F(Effects, escape_stops_a_running_preview_and_cancels)
{
    Rectangle();
    const auto before = State("before");
    CEffectPropertiesDlg dlg(m_pEditor->GetDoc(), true, m_pEditor.get());
    dlg.m_nType = 0;
    dlg.m_fP1 = 3.0f;
    dlg.m_nDuration = 30;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    Click(dlg.Button(IDC_EP_TEST));
    ASSERT_TRUE(dlg.IsPreviewRunning());
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.IsPreviewRunning());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(m_pEditor->GetDoc()->IsPreviewInstalled());
    ExpectSame(State("after"), before);
}

TEST_F(Effects, return_takes_the_values)
{
    CEffectPropertiesDlg dlg(m_pEditor->GetDoc(), true, m_pEditor.get());
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.Field(IDC_EP_DURATION)->setText("64");
    QTest::keyClick(dlg.Field(IDC_EP_DURATION), Qt::Key_Return);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_nDuration, 64);
}

} // namespace
