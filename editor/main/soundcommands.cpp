// The editor window's sound commands: import a tune as the stage's music, a wave for the
// selected object, the project properties with the MIDI output, the mute key, and the end
// message of the MIDI player that lets the music loop.
#include "editor/main/editordlg.h"

#include "editor/core/app.h"
#include "editor/core/programsound.h"
#include "editor/core/prompts.h"
#include "editor/editing/editing.h"
#include "editor/windows/moviepropsdlg.h"
#include "editor/windows/recorderdlg.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/soundsystem.h"

#include <QDir>

using platform::Tr;

namespace {

// What the import of a tune and of a wave take, in any letter case.
constexpr char kMidiExtensions[] = "mid;*.midi;*.kar;*.rmi";
constexpr char kWaveExtensions[] = "wav";

std::string HomeFolder()
{
    std::string folder = QDir::homePath().toStdString();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

void CEditorDialog::ImportMidi()
{
    std::string path;
    if (!AskFileName(
            this, HomeFolder(), "Fichiers MIDI *.mid", kMidiExtensions, OS_MODE_IMPORT, &path))
        return;
    m_pEditing->SetStageMidi(path);
    update();
}

std::string CEditorDialog::ChooseWaveFile()
{
    std::string path;
    if (!AskFileName(this, HomeFolder(), "WAV Files *.wav", kWaveExtensions, OS_MODE_IMPORT, &path))
        return {};
    return path;
}

void CEditorDialog::ImportWaveForSelected()
{
    const std::string path = ChooseWaveFile();
    if (path.empty())
        return;
    m_pEditing->AddWaveToSelected(path);
    update();
}

void CEditorDialog::RecordWaveForSelected()
{
    CRecorderDlg recorder(this);
    const bool bKept = m_runRecorder ? m_runRecorder(recorder) : recorder.exec() == QDialog::Accepted;
    if (!bKept || recorder.KeptWave().empty())
        return;
    // The sound takes a private copy of the file; the recording's own goes with the folder.
    platform::CTempFolder folder("vimble-recorded-");
    const std::string path = platform::JoinPath(folder.Path(), "Recorded sound.wav");
    if (folder.Path().empty() || !platform::WriteWholeFile(path, recorder.KeptWave())) {
        platform::ShowMessage(
            tr("The recording cannot be written into %1.")
                .arg(QString::fromStdString(platform::TempDirectory())).toStdString());
        return;
    }
    m_pEditing->AddWaveToSelected(path);
    update();
}

void CEditorDialog::OpenProjectProperties()
{
    CSoundSystem* sound = ProgramSound();
    const std::vector<std::string> devices
        = sound != nullptr ? sound->MidiDeviceNames() : std::vector<std::string>();
    const std::string why = sound != nullptr ? sound->WhyNoSound() : Tr("Sound", "no audio output");
    CMoviePropertiesDlg dlg(devices, g_nMidiDevice, why, this);
    if (dlg.exec() == QDialog::Accepted) {
        g_nMidiDevice = dlg.m_nSetting;
        if (sound != nullptr)
            sound->SetMidiDevice(g_nMidiDevice);
    }
    update();
}

void CEditorDialog::ToggleMute()
{
    SetSoundMuted(!IsSoundMuted());
}
