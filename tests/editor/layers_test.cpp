// The layer manager as a person uses it: the objects of the stage in their order with their
// effects and sounds, reordering, effects and sounds added, changed and removed, the page
// buttons, and the whole session one step: OK keeps it and one undo takes it back, Cancel
// leaves the project byte for byte as it was, with nothing left to redo.
#include "editor/editing/layermanagerdlg.h"
#include "editor/windows/picklistdlg.h"
#include "model/effect.h"
#include "model/header.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "platform/message.h"
#include "playback/effecttable.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QScrollBar>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr QPoint kView(240, 194);

// Kinds the tests pick: 50 and 230 frames.
const std::string kCircle = "3.1 Rotation dans le sens des aiguilles d'une montre";
const std::string kLeft = "1.1 Horizontal vers la gauche";
// How the lists show the circle (in English).
const std::string kCircleShown = "3.1 Circle clockwise";

std::vector<std::string> Rows(const QListWidget* list)
{
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i)
        rows.push_back(list->item(i)->text().toStdString());
    return rows;
}

class LayerManager : public CEditorWindowTest, protected CDialogAnswers {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_appDir.isValid());
        m_pApp = std::make_unique<CQuietApp>(m_appDir.path().toStdString() + "/lock");
        m_pApp->SetDataDirectories({ built::kDataDir });
        ASSERT_TRUE(m_pApp->ScanDataDirectories());
        m_pApp->SortCatalogues();
        OpenEditor();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(m_pEditor->NewProject());
        AnswerDialogs(Editor());
        // The manager runs until the test's steps are done; the picker chooses the row the
        // test names, or cancels when it names none.
        m_pEditor->SetLayerManagerRunner([this](CLayerManagerDlg& dlg) {
            dlg.SetPickerRunner([this](CPickListDlg& picker) {
                picker.show();
                ++m_nPickers;
                m_bPickerEffects = picker.m_bEffects;
                // A row by the name it stands for (its stored bytes), or by its text when it
                // stands for no stored name (the wave file of one's own).
                for (int i = 0; i < picker.List()->count(); ++i) {
                    const QListWidgetItem* item = picker.List()->item(i);
                    const std::string stored = item->data(Qt::UserRole + 1).toByteArray().toStdString();
                    if ((stored.empty() ? item->text().toStdString() : stored) == m_strPick)
                        picker.List()->setCurrentRow(i);
                }
                Click(picker.Button(m_strPick.empty() ? IDC_PL_CANCEL : IDC_PL_OK));
                return picker.result() == QDialog::Accepted;
            });
            dlg.show();
            m_pDlg = &dlg;
            if (m_steps)
                m_steps(dlg);
            m_bLeftOpen = dlg.isVisible();
            m_nResult = dlg.result();
            m_pDlg = nullptr;
        });
    }
    void TearDown() override
    {
        CloseEditor();
        m_pApp.reset();
    }

    // Opens the manager by the command and runs the steps in it.
    void Manage(std::function<void(CLayerManagerDlg&)> steps, int nCommand = ID_VIEW_LAYERMANAGER)
    {
        m_steps = std::move(steps);
        m_pEditor->OnCommand(nCommand);
    }
    // A rectangle drawn in the stage view with the given name; the newest is on top.
    CLayer* Shape(const std::string& name, int n = 0)
    {
        const QPoint at = kView + QPoint(20 + 12 * (n % 30), 20 + 9 * (n % 30));
        m_pEditor->ChooseTool(TOOL_RECT);
        QTest::mousePress(m_pEditor.get(), Qt::LeftButton, {}, at);
        QTest::mouseMove(m_pEditor.get(), at + QPoint(20, 20));
        QTest::mouseRelease(m_pEditor.get(), Qt::LeftButton, {}, at + QPoint(40, 30));
        m_pEditor->ChooseTool(TOOL_SELECT);
        CLayer* layer = Stage()->GetLayers()->GetHead();
        layer->m_pDrawing->m_strName = name;
        return layer;
    }
    // Gives the object effects of the spans by hand (no step).
    void SetEffects(CLayer* layer, const std::vector<std::pair<int32_t, int32_t>>& spans)
    {
        layer->m_pEffects->RemoveAll();
        int n = 0;
        for (auto [start, duration] : spans) {
            auto* e = new CEffect;
            e->m_nType = 0;
            e->m_fParam1 = 3.0f;
            e->m_nStartFrame = start;
            e->m_nDuration = e->m_nDefaultDuration = duration;
            e->m_bOffScreenAfter = 1;
            e->m_strName = "E" + std::to_string(n++);
            layer->m_pEffects->AddTail(e);
        }
        layer->m_pEffects->GetTail()->m_bOffScreenAfter = 0;
        layer->AttachParts();
        RecomputeMovieLength(*m_pEditor->GetDoc()->GetMovie());
    }
    std::vector<std::string> Order()
    {
        std::vector<std::string> names;
        for (const CLayer* layer : *Stage()->GetLayers())
            names.push_back(layer->m_pDrawing->m_strName);
        return names;
    }
    std::vector<uint8_t> Saved(const std::string& name)
    {
        const std::string path = m_strDir + "/" + name + ".kel";
        EXPECT_TRUE(::SaveProject(*m_pEditor->GetDoc()->GetMovie(), path));
        return Bytes(path);
    }
    static void Press(CLayerManagerDlg& dlg, int nId) { Click(dlg.Button(nId)); }
    static void PickObject(CLayerManagerDlg& dlg, int nRow) { dlg.ObjectList()->setCurrentRow(nRow); }
    // Three objects, "A" at the bottom and "C" on top, each with its default effect.
    void ThreeShapes()
    {
        Shape("A", 0);
        Shape("B", 1);
        Shape("C", 2);
        Editor().MarkSaved();
        ASSERT_EQ(Order(), (std::vector<std::string> { "C", "B", "A" }));
    }

    QTemporaryDir m_appDir;
    std::unique_ptr<CQuietApp> m_pApp;
    std::function<void(CLayerManagerDlg&)> m_steps;
    CLayerManagerDlg* m_pDlg = nullptr;
    bool m_bLeftOpen = false;
    int m_nResult = -1;
    std::string m_strPick;
    int m_nPickers = 0;
    bool m_bPickerEffects = false;
};

// ---------------------------------------------------------------------------------------------
// What it shows

TEST_F(LayerManager, lists_the_objects_in_stacking_order_with_the_effects_and_sounds_of_the_picked_one)
{
    ThreeShapes();
    CLayer* b = Stage()->GetLayers()->GetAt(1);
    SetEffects(b, { { 0, 10 }, { 10, 5 } });
    Stage()->GetLayers()->GetAt(2)->m_pDrawing->m_strName.clear();
    Manage([&](CLayerManagerDlg& dlg) {
        EXPECT_EQ(dlg.windowTitle().toStdString(), "Layers");
        EXPECT_EQ(dlg.size(), QSize(532, 464));
        EXPECT_EQ(Rows(dlg.ObjectList()), (std::vector<std::string> { "C", "B", "<error>" }));
        EXPECT_EQ(dlg.PickedObject(), 0);
        EXPECT_EQ(Rows(dlg.EffectList()), (std::vector<std::string> { "None" }));
        EXPECT_TRUE(Rows(dlg.SoundList()).empty());
        PickObject(dlg, 1);
        EXPECT_EQ(Rows(dlg.EffectList()), (std::vector<std::string> { "E0", "E1" }));
        EXPECT_EQ(dlg.EffectList()->item(1)->toolTip().toStdString(), "E1: frames 10 to 14");
        // The panels of the face, and a tooltip on every button.
        EXPECT_EQ(dlg.ObjectList()->geometry(), QRect(61, 61, 157, 364));
        EXPECT_EQ(dlg.EffectList()->geometry(), QRect(272, 84, 158, 135));
        EXPECT_EQ(dlg.SoundList()->geometry(), QRect(272, 248, 158, 135));
        EXPECT_EQ(dlg.Button(IDC_LM_TOP)->pos(), QPoint(13, 195));
        EXPECT_EQ(dlg.Button(IDC_LM_SOUNDS_DOWN)->pos(), QPoint(452, 372));
        for (CMyBitmapButton* button : dlg.Skin().Buttons())
            EXPECT_FALSE(dlg.Skin().ToolTip()->GetText(button).empty()) << button->GetText();
        EXPECT_EQ(dlg.Skin().ToolTip()->GetText(dlg.Button(IDC_LM_CANCEL)),
            platform::LoadResString(10069));
        Shoot(&dlg, "layer_manager.png");
    });
    EXPECT_EQ(m_nResult, QDialog::Rejected);
}

TEST_F(LayerManager, an_empty_stage_gives_empty_lists_and_buttons_that_do_nothing)
{
    const std::vector<uint8_t> before = Saved("before");
    Manage(
        [&](CLayerManagerDlg& dlg) {
            EXPECT_EQ(dlg.ObjectList()->count(), 0);
            for (int id : { IDC_LM_TOP, IDC_LM_UP, IDC_LM_DOWN, IDC_LM_BOTTOM, IDC_LM_PROPERTIES,
                     IDC_LM_EFFECT_ADD, IDC_LM_EFFECT_REMOVE, IDC_LM_EFFECT_PROPERTIES,
                     IDC_LM_SOUND_ADD, IDC_LM_SOUND_REMOVE, IDC_LM_SOUND_PROPERTIES,
                     IDC_LM_OBJECTS_DOWN, IDC_LM_EFFECTS_UP, IDC_LM_SOUNDS_DOWN })
                Press(dlg, id);
            EXPECT_EQ(m_nPickers, 0);
            Press(dlg, IDC_LM_OK);
        },
        ID_BKGND_LAYERMANAGER);
    EXPECT_EQ(m_nResult, QDialog::Accepted);
    EXPECT_FALSE(Editor().CanUndo());
    EXPECT_EQ(Saved("after"), before);
}

// ---------------------------------------------------------------------------------------------
// Reordering

TEST_F(LayerManager, reorders_and_picks_as_each_move_says)
{
    ThreeShapes();
    Manage([&](CLayerManagerDlg& dlg) {
        // Up on the first keeps it first; down on the last keeps it last.
        Press(dlg, IDC_LM_UP);
        EXPECT_EQ(Order(), (std::vector<std::string> { "C", "B", "A" }));
        EXPECT_EQ(dlg.PickedObject(), 0);
        PickObject(dlg, 2);
        Press(dlg, IDC_LM_DOWN);
        EXPECT_EQ(Order(), (std::vector<std::string> { "C", "B", "A" }));
        EXPECT_EQ(dlg.PickedObject(), 2);
        Press(dlg, IDC_LM_UP);
        EXPECT_EQ(Order(), (std::vector<std::string> { "C", "A", "B" }));
        EXPECT_EQ(dlg.PickedObject(), 1);
        Press(dlg, IDC_LM_TOP);
        EXPECT_EQ(Order(), (std::vector<std::string> { "A", "C", "B" }));
        EXPECT_EQ(dlg.PickedObject(), 0);
        Press(dlg, IDC_LM_BOTTOM);
        EXPECT_EQ(Order(), (std::vector<std::string> { "C", "B", "A" }));
        EXPECT_EQ(dlg.PickedObject(), 2);
        Press(dlg, IDC_LM_UP);
        PickObject(dlg, 0);
        Press(dlg, IDC_LM_DOWN);
        EXPECT_EQ(Order(), (std::vector<std::string> { "A", "C", "B" }));
        EXPECT_EQ(dlg.PickedObject(), 1);
        EXPECT_EQ(Rows(dlg.ObjectList()), Order());
        Press(dlg, IDC_LM_OK);
    });
    EXPECT_EQ(m_nResult, QDialog::Accepted);
    // The editor takes the new order: nothing selected, a click picks the object now on top.
    EXPECT_EQ(Editor().SelectionCount(), 0);
    EXPECT_EQ(Editor().HitTest({ 60, 50 })->m_pDrawing->m_strName, "A");
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNewChanged);
    // One undo takes the whole session back.
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(Order(), (std::vector<std::string> { "C", "B", "A" }));
    EXPECT_TRUE(Editor().IsAtSavedState());
    ASSERT_TRUE(Editor().Redo());
    EXPECT_EQ(Order(), (std::vector<std::string> { "A", "C", "B" }));
}

// ---------------------------------------------------------------------------------------------
// Cancel and OK

TEST_F(LayerManager, cancel_after_many_changes_leaves_the_project_byte_for_byte_and_nothing_to_redo)
{
    ThreeShapes();
    SetEffects(Stage()->GetLayers()->GetAt(1), { { 0, 10 }, { 10, 5 }, { 15, 20 } });
    // A step before the session stays undoable; the redo stack it had is what a session empties.
    Shape("D", 3);
    const std::vector<uint8_t> before = Saved("before");
    const uint64_t nPosition = Editor().Store().Position();
    const size_t nSteps = Editor().Store().UndoSteps();
    m_strPick = "Pop";
    m_strStart = "3";
    Manage([&](CLayerManagerDlg& dlg) {
        Press(dlg, IDC_LM_BOTTOM); // D to the bottom
        PickObject(dlg, 1);        // B
        ASSERT_EQ(dlg.EffectList()->count(), 3);
        dlg.EffectList()->setCurrentRow(1);
        Press(dlg, IDC_LM_EFFECT_REMOVE);
        EXPECT_EQ(Rows(dlg.EffectList()), (std::vector<std::string> { "E0", "E2" }));
        Press(dlg, IDC_LM_SOUND_ADD);
        EXPECT_EQ(Rows(dlg.SoundList()), (std::vector<std::string> { "Pop" }));
        m_strPick = kLeft;
        Press(dlg, IDC_LM_EFFECT_ADD);
        Press(dlg, IDC_LM_TOP);
        EXPECT_NE(Saved("during"), before);
        Press(dlg, IDC_LM_CANCEL);
    });
    EXPECT_EQ(m_nResult, QDialog::Rejected);
    EXPECT_EQ(Order(), (std::vector<std::string> { "D", "C", "B", "A" }));
    EXPECT_TRUE(Saved("after") == before) << "the saved project differs";
    EXPECT_EQ(Editor().Store().Position(), nPosition);
    EXPECT_EQ(Editor().Store().UndoSteps(), nSteps);
    EXPECT_FALSE(Editor().CanRedo());
    EXPECT_EQ(Editor().SelectionCount(), 0);
    // The step before the session is still the one undo takes.
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(Order(), (std::vector<std::string> { "C", "B", "A" }));
}

TEST_F(LayerManager, escape_cancels_and_return_keeps)
{
    ThreeShapes();
    const std::vector<uint8_t> before = Saved("before");
    Manage([&](CLayerManagerDlg& dlg) {
        Press(dlg, IDC_LM_BOTTOM);
        QTest::keyClick(dlg.ObjectList(), Qt::Key_Escape);
    });
    EXPECT_EQ(m_nResult, QDialog::Rejected);
    EXPECT_EQ(Saved("after"), before);
    Manage([&](CLayerManagerDlg& dlg) {
        Press(dlg, IDC_LM_BOTTOM);
        QTest::keyClick(dlg.ObjectList(), Qt::Key_Return);
    });
    EXPECT_EQ(m_nResult, QDialog::Accepted);
    EXPECT_EQ(Order(), (std::vector<std::string> { "B", "A", "C" }));
    // A manager closed without a change leaves the history alone.
    const uint64_t nPosition = Editor().Store().Position();
    Manage([&](CLayerManagerDlg& dlg) { Press(dlg, IDC_LM_OK); });
    Manage([&](CLayerManagerDlg& dlg) { Press(dlg, IDC_LM_CANCEL); });
    EXPECT_EQ(Editor().Store().Position(), nPosition);
    EXPECT_TRUE(Editor().CanUndo());
}

TEST_F(LayerManager, ok_with_an_object_without_effects_says_so_and_stays_open)
{
    ThreeShapes();
    platform::CMessageRecorder messages;
    Manage([&](CLayerManagerDlg& dlg) {
        PickObject(dlg, 1);
        // Removing the only effect leaves an empty list.
        Press(dlg, IDC_LM_EFFECT_REMOVE);
        EXPECT_EQ(dlg.EffectList()->count(), 0);
        EXPECT_TRUE(Stage()->GetLayers()->GetAt(1)->m_pEffects->IsEmpty());
        PickObject(dlg, 0);
        Press(dlg, IDC_LM_OK);
        EXPECT_TRUE(dlg.isVisible());
        ASSERT_EQ(messages.m_messages.size(), 1u);
        EXPECT_EQ(messages.m_messages[0].nStringId, 10127);
        // The object without an effect is picked, to be given one.
        EXPECT_EQ(dlg.PickedObject(), 1);
        m_strPick = kCircle;
        Press(dlg, IDC_LM_EFFECT_ADD);
        EXPECT_EQ(dlg.EffectList()->count(), 1);
        Press(dlg, IDC_LM_OK);
    });
    EXPECT_EQ(m_nResult, QDialog::Accepted);
    EXPECT_EQ(Stage()->GetLayers()->GetAt(1)->m_pEffects->GetHead()->m_strName, kCircle);
}

// ---------------------------------------------------------------------------------------------
// Effects

TEST_F(LayerManager, an_added_effect_starts_where_the_object_s_effects_end_unless_told)
{
    ThreeShapes();
    CLayer* c = Stage()->GetLayers()->GetAt(0);
    SetEffects(c, { { 0, 230 } });
    m_strPick = kCircle;
    Manage([&](CLayerManagerDlg& dlg) {
        Press(dlg, IDC_LM_EFFECT_ADD);
        EXPECT_TRUE(m_bPickerEffects);
        // The start field shows 230 and may be changed.
        EXPECT_EQ(m_shown.second, "230");
        m_answer = [](CEffectPropertiesDlg& effect) {
            effect.Field(IDC_EP_START)->setText("300");
        };
        Press(dlg, IDC_LM_EFFECT_ADD);
        EXPECT_EQ(Rows(dlg.EffectList()), (std::vector<std::string> { "E0", kCircleShown, kCircleShown }));
        EXPECT_EQ(dlg.PickedEffect(), 2);
        Press(dlg, IDC_LM_OK);
    });
    ASSERT_EQ(c->m_pEffects->GetCount(), 3);
    EXPECT_EQ(c->m_pEffects->GetAt(1)->m_nStartFrame, 230);
    EXPECT_EQ(c->m_pEffects->GetAt(2)->m_nStartFrame, 300);
    EXPECT_EQ(m_pEditor->GetDoc()->GetMovie()->GetFrameCount(),
        300 + c->m_pEffects->GetAt(2)->m_nDuration);
}

TEST_F(LayerManager, a_refused_effect_and_a_cancelled_picker_change_nothing)
{
    ThreeShapes();
    CLayer* c = Stage()->GetLayers()->GetAt(0);
    SetEffects(c, { { 0, 230 } });
    const std::vector<uint8_t> before = Saved("before");
    platform::CMessageRecorder messages;
    Manage([&](CLayerManagerDlg& dlg) {
        m_strPick.clear();
        Press(dlg, IDC_LM_EFFECT_ADD);
        EXPECT_EQ(m_nPickers, 1);
        EXPECT_EQ(m_nDialogs, 0);
        m_strPick = kCircle;
        m_answer = [](CEffectPropertiesDlg& effect) {
            effect.Field(IDC_EP_START)->setText("100");
        };
        Press(dlg, IDC_LM_EFFECT_ADD);
        ASSERT_EQ(messages.m_messages.size(), 1u);
        EXPECT_EQ(messages.m_messages[0].nStringId, 10130);
        EXPECT_EQ(Rows(dlg.EffectList()), (std::vector<std::string> { "E0" }));
        Press(dlg, IDC_LM_OK);
    });
    EXPECT_EQ(Saved("after"), before);
    EXPECT_FALSE(Editor().CanRedo());
}

TEST_F(LayerManager, an_effect_is_changed_from_its_properties_or_a_double_click)
{
    ThreeShapes();
    CLayer* c = Stage()->GetLayers()->GetAt(0);
    SetEffects(c, { { 0, 10 }, { 10, 5 } });
    Manage([&](CLayerManagerDlg& dlg) {
        // Nothing picked in the effect list: the button does nothing.
        dlg.EffectList()->setCurrentRow(-1, QItemSelectionModel::Clear);
        Press(dlg, IDC_LM_EFFECT_PROPERTIES);
        EXPECT_EQ(m_nDialogs, 0);
        dlg.EffectList()->setCurrentRow(1);
        m_answer = [](CEffectPropertiesDlg& effect) {
            effect.Field(IDC_EP_DURATION)->setText("40");
        };
        Press(dlg, IDC_LM_EFFECT_PROPERTIES);
        EXPECT_EQ(m_nDialogs, 1);
        EXPECT_EQ(m_shown, (std::pair<std::string, std::string>("5", "10")));
        EXPECT_EQ(dlg.EffectList()->item(1)->toolTip().toStdString(), "E1: frames 10 to 49");
        QListWidget* list = dlg.EffectList();
        const QRect row = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_EQ(m_nDialogs, 2);
        EXPECT_EQ(m_shown.second, "0");
        Press(dlg, IDC_LM_OK);
    });
    EXPECT_EQ(c->m_pEffects->GetAt(1)->m_nDuration, 40);
    EXPECT_EQ(m_pEditor->GetDoc()->GetMovie()->GetFrameCount(), 50);
}

// ---------------------------------------------------------------------------------------------
// Sounds

TEST_F(LayerManager, sounds_come_from_the_library_or_as_a_spoken_text_and_go_again)
{
    ThreeShapes();
    CLayer* c = Stage()->GetLayers()->GetAt(0);
    SetEffects(c, { { 0, 100 } });
    Manage([&](CLayerManagerDlg& dlg) {
        m_strPick = "Fanfare";
        m_strStart = "5";
        Press(dlg, IDC_LM_SOUND_ADD);
        EXPECT_FALSE(m_bPickerEffects);
        m_strPick = "Voice";
        m_strStart = "50";
        m_strSaid = "Happy birthday, Anna";
        Press(dlg, IDC_LM_SOUND_ADD);
        EXPECT_EQ(Rows(dlg.SoundList()), (std::vector<std::string> { "Fanfare", "Voice" }));
        EXPECT_EQ(dlg.PickedSound(), 1);
        // A second wave at frames the first one plays is refused.
        platform::CMessageRecorder messages;
        m_strPick = "Pop";
        m_strStart = "5";
        Press(dlg, IDC_LM_SOUND_ADD);
        ASSERT_EQ(messages.m_messages.size(), 1u);
        EXPECT_EQ(messages.m_messages[0].nStringId, 10147);
        EXPECT_EQ(dlg.SoundList()->count(), 2);
        // The spoken text's properties open its own dialog.
        m_strSaid = "Happy birthday, Ben";
        Press(dlg, IDC_LM_SOUND_PROPERTIES);
        EXPECT_EQ(c->m_pSounds->GetAt(1)->m_strRef, "Happy birthday, Ben");
        // The wave's open the add-wave dialog on its frames.
        dlg.SoundList()->setCurrentRow(0);
        m_strStart = "20";
        Press(dlg, IDC_LM_SOUND_PROPERTIES);
        EXPECT_EQ(c->m_pSounds->GetAt(0)->m_nStartFrame, 20);
        dlg.SoundList()->setCurrentRow(1);
        QTest::keyClick(dlg.SoundList(), Qt::Key_Delete);
        EXPECT_EQ(Rows(dlg.SoundList()), (std::vector<std::string> { "Fanfare" }));
        Press(dlg, IDC_LM_OK);
    });
    EXPECT_EQ(m_nResult, QDialog::Accepted);
    ASSERT_EQ(c->m_pSounds->GetCount(), 1);
    EXPECT_EQ(c->m_pSounds->GetHead()->m_nKind, CSound::kindWave);
    EXPECT_EQ(c->m_pSounds->GetHead()->m_nStartFrame, 20);
    ASSERT_TRUE(Editor().Undo());
    EXPECT_TRUE(!c->m_pSounds || c->m_pSounds->IsEmpty());
}

// A short wave file of the person's own, "beep.wav" in the test's folder.
std::string Beep(const std::string& folder)
{
    const std::string wave = folder + "/beep.wav";
    const std::vector<uint8_t> bytes = { 'R', 'I', 'F', 'F', 44, 0, 0, 0, 'W', 'A', 'V', 'E', 'f',
        'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0,
        'd', 'a', 't', 'a', 8, 0, 0, 0, 1, 0, 2, 0, 3, 0, 4, 0 };
    EXPECT_TRUE(platform::WriteWholeFile(wave, bytes));
    return wave;
}

TEST_F(LayerManager, a_library_without_object_sounds_offers_a_wave_file)
{
    ThreeShapes();
    m_pApp->SetDataDirectories({ m_appDir.path().toStdString() });
    m_pApp->ScanDataDirectories();
    const CCatalogue* sounds = m_pApp->GetCatalogue(CHeaderObject::typeObjectSound);
    ASSERT_TRUE(sounds == nullptr || sounds->empty());
    m_answers.m_strFile = Beep(m_strDir);
    Manage([&](CLayerManagerDlg& dlg) {
        Press(dlg, IDC_LM_SOUND_ADD);
        EXPECT_EQ(m_nPickers, 0);
        EXPECT_EQ(Rows(dlg.SoundList()), (std::vector<std::string> { "beep.wav" }));
        Press(dlg, IDC_LM_OK);
    });
    EXPECT_EQ(m_answers.m_strExtension, "wav");
}

// With sounds in the library the picker still offers a wave file of the person's own; and a
// MIDI tune of the object has properties too: its start frame (it plays to its own end).
TEST_F(LayerManager, with_library_sounds_a_wave_file_still_comes_and_a_midi_tune_moves)
{
    ThreeShapes();
    CLayer* c = Stage()->GetLayers()->GetAt(0);
    SetEffects(c, { { 0, 100 } });
    auto* tune = new CSound;
    tune->m_nKind = CSound::kindMidi;
    tune->SetName("Tune");
    tune->m_nStartFrame = 5;
    tune->m_nEndFrame = kPlayToEnd;
    tune->m_pLayer = c;
    c->SetSounds(std::make_unique<CSoundList>());
    c->m_pSounds->AddTail(tune);
    c->AttachParts();
    Editor().MarkSaved();
    const std::vector<uint8_t> before = Saved("before");
    m_answers.m_strFile = Beep(m_strDir);
    Manage([&](CLayerManagerDlg& dlg) {
        const int pickers = m_nPickers;
        m_strPick = "A wave file of your own...";
        m_strStart = "30";
        Press(dlg, IDC_LM_SOUND_ADD);
        EXPECT_EQ(m_nPickers, pickers + 1);
        EXPECT_EQ(Rows(dlg.SoundList()), (std::vector<std::string> { "Tune", "beep.wav" }));
        dlg.SoundList()->setCurrentRow(0);
        m_strStart = "40";
        Press(dlg, IDC_LM_SOUND_PROPERTIES);
        Press(dlg, IDC_LM_OK);
    });
    EXPECT_EQ(m_nResult, QDialog::Accepted);
    EXPECT_EQ(m_answers.m_strExtension, "wav");
    ASSERT_EQ(c->m_pSounds->GetCount(), 2);
    EXPECT_EQ(c->m_pSounds->GetAt(0)->m_nKind, CSound::kindMidi);
    EXPECT_EQ(c->m_pSounds->GetAt(0)->m_nStartFrame, 40);
    EXPECT_EQ(c->m_pSounds->GetAt(0)->m_nEndFrame, kPlayToEnd);
    EXPECT_EQ(c->m_pSounds->GetAt(1)->m_nKind, CSound::kindWave);
    EXPECT_EQ(c->m_pSounds->GetAt(1)->m_nStartFrame, 30);
    // The session is one step.
    ASSERT_TRUE(Editor().Undo());
    EXPECT_EQ(Saved("undone"), before);
}

// ---------------------------------------------------------------------------------------------
// Object properties and paging

TEST_F(LayerManager, the_object_properties_open_from_the_button_and_a_double_click)
{
    ThreeShapes();
    int nDialogs = 0;
    Editor().SetDialogRunner([&](CObjectPropertiesDlg& dlg) {
        ++nDialogs;
        dlg.m_nLineWidth = 7;
        return true;
    });
    Manage([&](CLayerManagerDlg& dlg) {
        PickObject(dlg, 2);
        Press(dlg, IDC_LM_PROPERTIES);
        EXPECT_EQ(nDialogs, 1);
        EXPECT_EQ(dlg.PickedObject(), 2);
        QListWidget* list = dlg.ObjectList();
        const QPoint row = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        EXPECT_EQ(nDialogs, 2);
        Press(dlg, IDC_LM_CANCEL);
    });
    EXPECT_EQ(nDialogs, 2);
}

TEST_F(LayerManager, page_buttons_move_by_pages_and_stop_at_the_ends)
{
    for (int i = 0; i < 60; ++i)
        Shape("S" + std::to_string(i), i);
    CLayer* top = Stage()->GetLayers()->GetAt(0);
    std::vector<std::pair<int32_t, int32_t>> spans;
    for (int i = 0; i < 25; ++i)
        spans.push_back({ i * 2, 2 });
    SetEffects(top, spans);
    Manage([&](CLayerManagerDlg& dlg) {
        QListWidget* objects = dlg.ObjectList();
        ASSERT_EQ(objects->count(), 60);
        // A page shows 27 rows: the list scrolls no further than to row 33.
        Press(dlg, IDC_LM_OBJECTS_DOWN);
        EXPECT_EQ(CLayerManagerDlg::TopRow(objects), 27);
        EXPECT_EQ(dlg.PickedObject(), 27);
        Press(dlg, IDC_LM_OBJECTS_DOWN); // 27 < 33: to at most 60 - 26
        EXPECT_EQ(CLayerManagerDlg::TopRow(objects), 33);
        EXPECT_EQ(dlg.PickedObject(), 34);
        Press(dlg, IDC_LM_OBJECTS_DOWN); // nothing below: the last is picked
        EXPECT_EQ(dlg.PickedObject(), 59);
        Press(dlg, IDC_LM_OBJECTS_UP);
        EXPECT_EQ(CLayerManagerDlg::TopRow(objects), 6);
        EXPECT_EQ(dlg.PickedObject(), 6);
        Press(dlg, IDC_LM_OBJECTS_UP);
        EXPECT_EQ(dlg.PickedObject(), 0);

        QListWidget* effects = dlg.EffectList();
        ASSERT_EQ(effects->count(), 25);
        QTest::keyClick(effects, Qt::Key_PageDown);
        EXPECT_EQ(CLayerManagerDlg::TopRow(effects), 10);
        EXPECT_EQ(dlg.PickedEffect(), 10);
        Press(dlg, IDC_LM_EFFECTS_DOWN);
        EXPECT_EQ(CLayerManagerDlg::TopRow(effects), 15);
        EXPECT_EQ(dlg.PickedEffect(), 16);
        Press(dlg, IDC_LM_EFFECTS_DOWN);
        EXPECT_EQ(dlg.PickedEffect(), 24);
        Press(dlg, IDC_LM_EFFECTS_UP);
        EXPECT_EQ(CLayerManagerDlg::TopRow(effects), 5);
        EXPECT_EQ(dlg.PickedEffect(), 5);
        Press(dlg, IDC_LM_EFFECTS_UP);
        EXPECT_EQ(dlg.PickedEffect(), 0);
        // The sound list scrolls without picking.
        QListWidget* sounds = dlg.SoundList();
        EXPECT_EQ(sounds->count(), 0);
        Press(dlg, IDC_LM_SOUNDS_DOWN);
        EXPECT_EQ(dlg.PickedSound(), -1);
        Press(dlg, IDC_LM_CANCEL);
    });
}

} // namespace
