// Sounds of the project: the stage's music, the waves and spoken texts of objects. Each change
// is one undoable step: the state before and the state after.
#include "editor/editing/editing.h"

#include "editor/windows/addwavedlg.h"
#include "editor/windows/playstringdlg.h"
#include "model/movie.h"
#include "model/sound.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "platform/wave.h"
#include "playback/midifile.h"
#include "playback/midiplayer.h"
#include "playback/projectdoc.h"

#include <QLineEdit>

#include <memory>

using platform::Tr;

namespace {

constexpr int IDS_SOUND_NOT_ADDED = 10147;
constexpr int IDS_SOUND_TOO_LATE = 10149;

// Sound files larger than this are not taken into a project.
constexpr int64_t kMaxSoundFile = int64_t(2) << 30;

// The name a sound is shown with: its file's name.
std::string SoundName(const std::string& strPath)
{
    return platform::FileNameOf(strPath);
}

// Why the sound file cannot be taken, or empty when it can: too large, unreadable, or not of
// its kind.
std::string WhyNotSound(const std::string& strPath, int nKind)
{
    const int64_t length = platform::FileLength(strPath);
    if (length < 0)
        return strPath + ": the file cannot be read";
    if (length > kMaxSoundFile)
        return strPath + ": the file is larger than 2 GB";
    if (nKind == CSound::kindMidi) {
        CMidiFile file;
        const int result = file.Open(strPath);
        if (result != MIDI_OK)
            return strPath + ": " + MidiResultReason(MidiResultOf(result));
        return {};
    }
    std::string error;
    if (!platform::LoadWaveFile(strPath, error))
        return strPath + ": " + error;
    return {};
}

// A sound of that kind holding a private copy of the file; none (the person told) when the
// file cannot be taken.
std::unique_ptr<CSound> SoundFromFile(const std::string& strPath, int nKind)
{
    const std::string why = WhyNotSound(strPath, nKind);
    if (!why.empty()) {
        platform::ShowMessage(IDS_SOUND_NOT_ADDED, why);
        return nullptr;
    }
    auto sound = std::make_unique<CSound>();
    if (!sound->SetSource(nKind, strPath)) {
        platform::ShowMessage(IDS_SOUND_NOT_ADDED,
            strPath + ": no private copy can be made in " + platform::TempDirectory());
        return nullptr;
    }
    sound->SetName(SoundName(strPath));
    return sound;
}

} // namespace

bool CObjectEditor::HasStageSound() const
{
    const CStage* stage = Stage();
    return stage != nullptr && stage->m_pSound != nullptr;
}

bool CObjectEditor::ReplaceStageSound(std::unique_ptr<CSound> pSound)
{
    CStage* stage = Stage();
    if (stage == nullptr)
        return false;
    CSound none;
    CSound& before = stage->m_pSound ? *stage->m_pSound : none;
    // A stage has one sound: the stage's identity is enough to find it again.
    auto beforeRecord
        = std::make_shared<CUndoRecord>(UNDO_STAGE_SOUND, UNDO_BEFORE, stage->m_nId, stage->m_nId);
    bool bRecorded = m_store.SaveState(*beforeRecord, before);
    stage->SetSound(std::move(pSound));
    CSound& after = stage->m_pSound ? *stage->m_pSound : none;
    auto afterRecord
        = std::make_shared<CUndoRecord>(UNDO_STAGE_SOUND, UNDO_AFTER, stage->m_nId, stage->m_nId);
    bRecorded = bRecorded && m_store.SaveState(*afterRecord, after)
        && m_store.RecordStep({ { beforeRecord, nullptr }, { afterRecord, nullptr } });
    if (!bRecorded) {
        NotRecorded();
    }
    Changed(false);
    return true;
}

bool CObjectEditor::SetStageMidi(const std::string& strPath)
{
    if (Stage() == nullptr)
        return false;
    std::unique_ptr<CSound> sound = SoundFromFile(strPath, CSound::kindMidi);
    return sound && ReplaceStageSound(std::move(sound));
}

bool CObjectEditor::RemoveStageSound()
{
    return HasStageSound() && ReplaceStageSound(nullptr);
}

bool CObjectEditor::ChangeSounds(CLayer& layer, const std::function<bool(CSoundList&)>& change)
{
    // An object without a list gets one for the change; its state before stands for none, so
    // that undo takes the list away again.
    const bool bHadNone = !layer.m_pSounds;
    if (bHadNone)
        layer.SetSounds(std::make_unique<CSoundList>());
    CSoundList& list = *layer.m_pSounds;
    auto before = std::make_shared<CUndoRecord>(UNDO_SOUNDS, UNDO_BEFORE, list.m_nId, layer.m_nId);
    if (bHadNone)
        before->m_nFlag = UNDO_FLAG_NONE;
    const bool bSaved = m_store.SaveState(*before, list);
    if (!bSaved)
        platform::ShowMessage(platform::Tr("Editing", kNotRecorded));
    if (!bSaved || !change(list)) {
        if (bHadNone)
            layer.SetSounds(nullptr);
        return false;
    }
    auto after = std::make_shared<CUndoRecord>(UNDO_SOUNDS, UNDO_AFTER, list.m_nId, layer.m_nId);
    if (!m_store.SaveState(*after, list)
        || !m_store.RecordStep({ { before, nullptr }, { after, nullptr } })) {
        NotRecorded();
    }
    layer.AttachParts();
    Changed(false);
    return true;
}

bool CObjectEditor::AddWaveToSelected(const std::string& strPath)
{
    const std::vector<CLayer*> layers = Selection();
    return layers.size() == 1 && AddWaveToLayer(*layers[0], strPath);
}

bool CObjectEditor::AddWaveToLayer(CLayer& layer, const std::string& strPath)
{
    if (m_pDoc == nullptr)
        return false;
    std::unique_ptr<CSound> sound = SoundFromFile(strPath, CSound::kindWave);
    return sound && AskAndAddSound(layer, std::move(sound));
}

bool CObjectEditor::AskAndAddSound(CLayer& layer, std::unique_ptr<CSound> sound)
{
    if (m_pDoc == nullptr)
        return false;
    const int32_t length = m_pDoc->GetMovie()->GetFrameCount();
    CAddWaveDlg dlg(sound->GetName(), length, m_host.DialogParent());
    const bool bOk = m_runSoundDialog(dlg);
    m_host.RepaintStage();
    if (!bOk)
        return false;
    // Frames run from 0 to the length - 1: a sound at the length would never be heard.
    if (dlg.m_nStartFrame >= length) {
        platform::ShowMessage(IDS_SOUND_TOO_LATE, "");
        return false;
    }
    sound->m_nStartFrame = dlg.m_nStartFrame;
    sound->m_nEndFrame = dlg.m_nEndFrame;
    return AddSoundToLayer(layer, std::move(sound));
}

bool CObjectEditor::AddSoundToLayer(CLayer& layer, std::unique_ptr<CSound> sound)
{
    return ChangeSounds(layer, [&](CSoundList& list) {
        CSound* added = sound.release();
        added->m_pLayer = &layer;
        list.AddTail(added);
        if (list.NoOverlaps())
            return true;
        // It would share frames with another wave: the list stays as it was.
        list.RemoveAt(list.FindIndex(list.IndexOf(added)));
        platform::ShowMessage(
            IDS_SOUND_NOT_ADDED,
            Tr("Editing", "It would play at the same time as another sound of the object."));
        return false;
    });
}

bool CObjectEditor::AddSpokenTextToSelected()
{
    const std::vector<CLayer*> layers = Selection();
    return layers.size() == 1 && AddSpokenTextToLayer(*layers[0]);
}

bool CObjectEditor::AddSpokenTextToLayer(CLayer& layer)
{
    auto sound = std::make_unique<CSound>();
    CPlayStringDlg dlg(sound.get(), m_host.DialogParent());
    const bool bOk = m_runSoundDialog(dlg);
    m_host.RepaintStage();
    if (!bOk || sound->m_nKind != CSound::kindMarker)
        return false;
    sound->SetName("Voice");
    return ChangeSounds(layer, [&](CSoundList& list) {
        sound->m_pLayer = &layer;
        list.AddTail(sound.release());
        return true;
    });
}

bool CObjectEditor::EditSpokenText(CLayer& layer, CSound& marker)
{
    if (marker.m_nKind != CSound::kindMarker || !layer.m_pSounds)
        return false;
    // The dialog works on a copy, so that the step can keep the state before.
    CSound edited;
    edited.m_nKind = CSound::kindMarker;
    edited.m_strRef = marker.m_strRef;
    edited.m_nStartFrame = marker.m_nStartFrame;
    edited.m_nEndFrame = marker.m_nEndFrame;
    edited.m_strLanguage = marker.m_strLanguage;
    CPlayStringDlg dlg(&edited, m_host.DialogParent());
    const bool bOk = m_runSoundDialog(dlg);
    m_host.RepaintStage();
    if (!bOk)
        return false;
    return ChangeSounds(layer, [&](CSoundList& list) {
        if (list.IndexOf(&marker) < 0)
            return false;
        marker.m_strRef = edited.m_strRef;
        marker.m_nStartFrame = edited.m_nStartFrame;
        marker.m_nEndFrame = edited.m_nEndFrame;
        marker.m_strLanguage = edited.m_strLanguage;
        marker.m_nMarkState = 2;
        return true;
    });
}

bool CObjectEditor::EditWave(CLayer& layer, CSound& wave)
{
    const bool bMidi = wave.m_nKind == CSound::kindMidi;
    if ((wave.m_nKind != CSound::kindWave && !bMidi) || !layer.m_pSounds || m_pDoc == nullptr)
        return false;
    const int32_t length = m_pDoc->GetMovie()->GetFrameCount();
    CAddWaveDlg dlg(wave.GetName(), length, m_host.DialogParent());
    dlg.m_nStartFrame = wave.m_nStartFrame;
    // A MIDI tune plays to its own end: only its start can be given.
    dlg.m_nEndFrame = bMidi ? kPlayToEnd : wave.m_nEndFrame;
    if (bMidi)
        dlg.Field(IDC_AW_END)->setEnabled(false);
    const bool bOk = m_runSoundDialog(dlg);
    m_host.RepaintStage();
    if (bMidi)
        dlg.m_nEndFrame = wave.m_nEndFrame;
    if (!bOk || (dlg.m_nStartFrame == wave.m_nStartFrame && dlg.m_nEndFrame == wave.m_nEndFrame))
        return false;
    if (dlg.m_nStartFrame >= length) {
        platform::ShowMessage(IDS_SOUND_TOO_LATE, "");
        return false;
    }
    return ChangeSounds(layer, [&](CSoundList& list) {
        if (list.IndexOf(&wave) < 0)
            return false;
        const int32_t nStart = wave.m_nStartFrame;
        const int32_t nEnd = wave.m_nEndFrame;
        wave.m_nStartFrame = dlg.m_nStartFrame;
        wave.m_nEndFrame = dlg.m_nEndFrame;
        if (list.NoOverlaps())
            return true;
        wave.m_nStartFrame = nStart;
        wave.m_nEndFrame = nEnd;
        platform::ShowMessage(
            IDS_SOUND_NOT_ADDED,
            Tr("Editing", "It would play at the same time as another sound of the object."));
        return false;
    });
}

bool CObjectEditor::RemoveSound(CLayer& layer, CSound& sound)
{
    if (!layer.m_pSounds || layer.m_pSounds->IndexOf(&sound) < 0)
        return false;
    return ChangeSounds(layer, [&](CSoundList& list) {
        const int index = list.IndexOf(&sound);
        if (index < 0)
            return false;
        list.RemoveAt(list.FindIndex(index));
        return true;
    });
}
