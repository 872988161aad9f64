// The editor's sound commands as a person uses them: a tune imported as the stage's music and
// removed again, a wave and a spoken text given to an object, each change one undoable step,
// and files that cannot be read refused with the program's message and nothing lost.
#include "editor/core/programsound.h"
#include "editor/core/prompts.h"
#include "editor/editing/editing.h"
#include "editor/main/editordlg.h"
#include "editor/windows/addwavedlg.h"
#include "editor/windows/playstringdlg.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "playback/projectdoc.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace {

constexpr QPoint kView(240, 194);

std::vector<uint8_t> MidiFileBytes()
{
    // One note and a rest, 96 ticks to a quarter.
    return { 'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 12,
        0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0, 0x60, 0xFF, 0x2F, 0x00 };
}

std::vector<uint8_t> WaveFileBytes()
{
    std::vector<uint8_t> b = { 'R', 'I', 'F', 'F', 44, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't',
        ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0, 'd', 'a',
        't', 'a', 8, 0, 0, 0, 1, 0, 2, 0, 3, 0, 4, 0 };
    return b;
}

class SoundCommands : public CEditorWindowTest, protected CDialogAnswers {
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

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes)
    {
        const std::string path = m_strDir + "/" + name;
        platform::WriteWholeFile(path, bytes);
        return path;
    }
    // A rectangle drawn and left selected.
    CLayer* Rectangle()
    {
        m_pEditor->ChooseTool(TOOL_RECT);
        QTest::mousePress(m_pEditor.get(), Qt::LeftButton, {}, kView + QPoint(50, 50));
        QTest::mouseMove(m_pEditor.get(), kView + QPoint(100, 90));
        QTest::mouseRelease(m_pEditor.get(), Qt::LeftButton, {}, kView + QPoint(150, 130));
        m_pEditor->ChooseTool(TOOL_SELECT);
        CLayer* layer = Stage()->GetLayers()->GetAt(0);
        if (Editor().SelectionCount() == 0)
            Editor().Select(layer);
        return layer;
    }
    int SoundCount(CLayer* layer) { return layer->m_pSounds ? layer->m_pSounds->GetCount() : 0; }
    // The movie's length, so that frames can be chosen inside it (until the next change that
    // recomputes it from the effects).
    void SetLength(int32_t n) { m_pEditor->GetDoc()->GetMovie()->SetFrameCount(n); }

};

TEST_F(SoundCommands, a_tune_becomes_the_stage_music_and_undo_and_redo_take_it_back_and_again)
{
    EXPECT_FALSE(m_pEditor->IsCommandEnabled(ID_BKGND_DELETESOUND));
    m_answers.m_strFile = Write("Birthday Song.MID", MidiFileBytes());
    m_pEditor->OnCommand(ID_VIEW_IMPORTMIDI);
    // The chooser starts in the home folder and takes every MIDI file name, in any case.
    EXPECT_EQ(m_answers.m_strFolder, QDir::homePath().toStdString() + "/");
    EXPECT_EQ(m_answers.m_strExtension, "mid;*.midi;*.kar;*.rmi");
    ASSERT_NE(Stage()->m_pSound, nullptr);
    EXPECT_EQ(Stage()->m_pSound->m_nKind, CSound::kindMidi);
    EXPECT_EQ(Stage()->m_pSound->GetName(), "Birthday Song.MID");
    EXPECT_EQ(Bytes(Stage()->m_pSound->m_strPath), MidiFileBytes());
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNewChanged);
    EXPECT_TRUE(m_pEditor->IsCommandEnabled(ID_BKGND_DELETESOUND));

    m_pEditor->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Stage()->m_pSound, nullptr);
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNew);
    m_pEditor->OnCommand(ID_EDIT_REDO);
    ASSERT_NE(Stage()->m_pSound, nullptr);
    EXPECT_EQ(Stage()->m_pSound->GetName(), "Birthday Song.MID");
    EXPECT_EQ(Bytes(Stage()->m_pSound->m_strPath), MidiFileBytes());

    // Removing it is a step too.
    m_pEditor->OnCommand(ID_BKGND_DELETESOUND);
    EXPECT_EQ(Stage()->m_pSound, nullptr);
    m_pEditor->OnCommand(ID_EDIT_UNDO);
    ASSERT_NE(Stage()->m_pSound, nullptr);
    EXPECT_EQ(Stage()->m_pSound->m_nKind, CSound::kindMidi);
}

TEST_F(SoundCommands, a_tune_that_cannot_be_read_is_refused_and_the_old_music_stays)
{
    m_answers.m_strFile = Write("good.mid", MidiFileBytes());
    m_pEditor->OnCommand(ID_VIEW_IMPORTMIDI);
    ASSERT_NE(Stage()->m_pSound, nullptr);
    const std::string before = Stage()->m_pSound->m_strPath;
    std::vector<uint8_t> cut = MidiFileBytes();
    cut.resize(25);
    platform::CMessageRecorder messages;
    for (const std::vector<uint8_t>& bad :
        { cut, std::vector<uint8_t>(40, 'x'), std::vector<uint8_t>() }) {
        m_answers.m_strFile = Write("bad.mid", bad);
        m_pEditor->OnCommand(ID_VIEW_IMPORTMIDI);
    }
    m_answers.m_strFile = m_strDir + "/missing.mid";
    m_pEditor->OnCommand(ID_VIEW_IMPORTMIDI);
    ASSERT_EQ(messages.m_messages.size(), 4u);
    for (const auto& message : messages.m_messages)
        EXPECT_EQ(message.nStringId, 10147);
    ASSERT_NE(Stage()->m_pSound, nullptr);
    EXPECT_EQ(Stage()->m_pSound->m_strPath, before);
    // Nothing was recorded for the refusals: one undo takes the good tune away.
    m_pEditor->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(Stage()->m_pSound, nullptr);
    EXPECT_FALSE(m_pEditor->IsCommandEnabled(ID_EDIT_UNDO));
}

TEST_F(SoundCommands, a_wave_is_given_to_the_selected_object_from_the_frame_the_dialog_says)
{
    CLayer* layer = Rectangle();
    SetLength(40);
    EXPECT_TRUE(m_pEditor->IsObjectMenuCommandEnabled(ID_OBJ_IMPORTSOUND));
    m_answers.m_strFile = Write("pop.WAV", WaveFileBytes());
    m_strStart = "5";
    m_strEnd = "12";
    m_pEditor->OnObjectMenuCommand(ID_OBJ_IMPORTSOUND);
    EXPECT_EQ(m_answers.m_strExtension, "wav");
    ASSERT_EQ(SoundCount(layer), 1);
    CSound* sound = layer->m_pSounds->GetHead();
    EXPECT_EQ(sound->m_nKind, CSound::kindWave);
    EXPECT_EQ(sound->GetName(), "pop.WAV");
    EXPECT_EQ(sound->m_nStartFrame, 5);
    EXPECT_EQ(sound->m_nEndFrame, 12);
    EXPECT_EQ(Bytes(sound->m_strPath), WaveFileBytes());

    // A second wave sharing frames with it is refused; one after it is taken.
    platform::CMessageRecorder messages;
    m_strStart = "10";
    m_strEnd = "20";
    m_pEditor->OnObjectMenuCommand(ID_OBJ_IMPORTSOUND);
    ASSERT_EQ(messages.m_messages.size(), 1u);
    EXPECT_EQ(messages.m_messages[0].nStringId, 10147);
    EXPECT_EQ(SoundCount(layer), 1);
    // One starting after the animation's end is refused with its own message.
    m_strStart = "40";
    m_strEnd = "";
    m_pEditor->OnObjectMenuCommand(ID_OBJ_IMPORTSOUND);
    ASSERT_EQ(messages.m_messages.size(), 2u);
    EXPECT_EQ(messages.m_messages[1].nStringId, 10149);
    EXPECT_EQ(SoundCount(layer), 1);
    m_strStart = "13";
    m_pEditor->OnObjectMenuCommand(ID_OBJ_IMPORTSOUND);
    ASSERT_EQ(SoundCount(layer), 2);
    EXPECT_EQ(layer->m_pSounds->GetTail()->m_nEndFrame, -1);
    // Cancel in the dialog adds nothing.
    m_bOk = false;
    m_strStart = "30";
    m_pEditor->OnObjectMenuCommand(ID_OBJ_IMPORTSOUND);
    EXPECT_EQ(SoundCount(layer), 2);

    // Each addition is one step.
    m_pEditor->OnCommand(ID_EDIT_UNDO);
    layer = Stage()->GetLayers()->GetAt(0);
    EXPECT_EQ(SoundCount(layer), 1);
    m_pEditor->OnCommand(ID_EDIT_UNDO);
    layer = Stage()->GetLayers()->GetAt(0);
    EXPECT_EQ(SoundCount(layer), 0);
    m_pEditor->OnCommand(ID_EDIT_REDO);
    layer = Stage()->GetLayers()->GetAt(0);
    ASSERT_EQ(SoundCount(layer), 1);
    EXPECT_EQ(layer->m_pSounds->GetHead()->m_nStartFrame, 5);
    EXPECT_EQ(Bytes(layer->m_pSounds->GetHead()->m_strPath), WaveFileBytes());
}

TEST_F(SoundCommands, a_wave_that_cannot_be_read_is_refused_before_the_dialog)
{
    CLayer* layer = Rectangle();
    SetLength(40);
    platform::CMessageRecorder messages;
    std::vector<uint8_t> adpcm = WaveFileBytes();
    adpcm[20] = 2; // a compressed format
    for (const std::vector<uint8_t>& bad : { std::vector<uint8_t>(12, 'R'), adpcm }) {
        m_answers.m_strFile = Write("bad.wav", bad);
        m_pEditor->OnObjectMenuCommand(ID_OBJ_IMPORTSOUND);
    }
    ASSERT_EQ(messages.m_messages.size(), 2u);
    EXPECT_EQ(messages.m_messages[0].nStringId, 10147);
    EXPECT_NE(messages.m_messages[1].strText.find("compressed"), std::string::npos);
    EXPECT_EQ(SoundCount(layer), 0);
}

TEST_F(SoundCommands, a_spoken_text_is_given_to_the_object_with_its_frame_and_voice)
{
    CLayer* layer = Rectangle();
    SetLength(40);
    ASSERT_TRUE(m_pEditor->IsObjectMenuCommandEnabled(ID_OBJ_SPEECH));
    m_strStart = "7";
    m_bFemale = true;
    m_pEditor->OnObjectMenuCommand(ID_OBJ_SPEECH);
    ASSERT_EQ(SoundCount(layer), 1);
    CSound* marker = layer->m_pSounds->GetHead();
    EXPECT_EQ(marker->m_nKind, CSound::kindMarker);
    EXPECT_EQ(marker->m_strRef, "Happy birthday");
    EXPECT_EQ(marker->m_nStartFrame, 7);
    EXPECT_EQ(marker->m_nEndFrame, 0); // female

    // Its properties change its text as one step; a marker does not take part in the range
    // test, so a wave may share its frames.
    m_strSaid = "Many happy returns";
    m_bFemale = false;
    ASSERT_TRUE(Editor().EditSpokenText(*layer, *marker));
    marker = layer->m_pSounds->GetHead();
    EXPECT_EQ(marker->m_strRef, "Many happy returns");
    m_answers.m_strFile = Write("pop.wav", WaveFileBytes());
    m_strStart = "7";
    m_pEditor->OnObjectMenuCommand(ID_OBJ_IMPORTSOUND);
    EXPECT_EQ(SoundCount(layer), 2);
    m_pEditor->OnCommand(ID_EDIT_UNDO);
    m_pEditor->OnCommand(ID_EDIT_UNDO);
    layer = Stage()->GetLayers()->GetAt(0);
    ASSERT_EQ(SoundCount(layer), 1);
    EXPECT_EQ(layer->m_pSounds->GetHead()->m_strRef, "Happy birthday");
    // Cancel adds nothing.
    m_bOk = false;
    m_pEditor->OnObjectMenuCommand(ID_OBJ_SPEECH);
    EXPECT_EQ(SoundCount(layer), 1);
}

TEST_F(SoundCommands, the_sounds_are_saved_with_the_project_and_read_back)
{
    CLayer* layer = Rectangle();
    SetLength(40);
    m_answers.m_strFile = Write("pop.wav", WaveFileBytes());
    m_strStart = "3";
    m_pEditor->OnObjectMenuCommand(ID_OBJ_IMPORTSOUND);
    m_answers.m_strFile = Write("tune.mid", MidiFileBytes());
    m_pEditor->OnCommand(ID_VIEW_IMPORTMIDI);
    ASSERT_EQ(SoundCount(layer), 1);
    const std::string path = m_strDir + "/sounds.kel";
    ASSERT_TRUE(::SaveProject(*m_pEditor->GetDoc()->GetMovie(), path));
    std::unique_ptr<CAbstractMovie> movie;
    ASSERT_TRUE(::OpenProject(path, movie));
    CStage* stage = movie->GetFirstStage();
    ASSERT_NE(stage->m_pSound, nullptr);
    EXPECT_EQ(Bytes(stage->m_pSound->m_strPath), MidiFileBytes());
    CLayer* read = stage->GetLayers()->GetAt(0);
    ASSERT_EQ(SoundCount(read), 1);
    EXPECT_EQ(read->m_pSounds->GetHead()->m_nStartFrame, 3);
    EXPECT_EQ(Bytes(read->m_pSounds->GetHead()->m_strPath), WaveFileBytes());
}

TEST_F(SoundCommands, an_end_message_without_a_running_sound_system_changes_nothing)
{
    PostMidiEnd(7);
    QApplication::processEvents();
    EXPECT_EQ(m_pEditor->GetDocState(), CEditorDialog::docNew);
}

} // namespace
