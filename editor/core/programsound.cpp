#include "editor/core/programsound.h"

#include "editor/core/app.h"
#include "platform/postcall.h"
#include "platform/settings.h"
#include "playback/soundsystem.h"

#include <QObject>

#include <memory>
#include <mutex>

namespace {

std::unique_ptr<CSoundSystem> g_pSound;
platform::IAudioOutput* g_pPreviousOutput = nullptr;

// Guards the receiver: the audio thread posts while holding it, so the window cannot go in
// between.
std::mutex g_receiverMutex;
QObject* g_pReceiver = nullptr;

} // namespace

void PostMidiEnd(uint32_t nRun)
{
    std::lock_guard lock(g_receiverMutex);
    if (g_pReceiver != nullptr)
        platform::PostCall(g_pReceiver, [nRun] {
            if (CSoundSystem* sound = ProgramSound())
                sound->OnMidiEnd(nRun);
        });
}

void StartProgramSound()
{
    if (g_pSound)
        return;
    g_pSound = CSoundSystem::CreateForDevice(PostMidiEnd);
    if (!g_pSound)
        return;
    g_pSound->SetMidiDevice(g_nMidiDevice);
    g_pSound->SetMuted(platform::ReadSettingInt("Mute", 0) != 0);
    g_pPreviousOutput = platform::SetAudioOutput(g_pSound.get());
}

void StopProgramSound()
{
    if (!g_pSound)
        return;
    platform::SetAudioOutput(g_pPreviousOutput);
    g_pPreviousOutput = nullptr;
    g_pSound.reset();
}

CSoundSystem* ProgramSound()
{
    return g_pSound.get();
}

void SetMidiEndReceiver(QObject* pReceiver)
{
    std::lock_guard lock(g_receiverMutex);
    g_pReceiver = pReceiver;
}

bool IsSoundMuted()
{
    return g_pSound ? g_pSound->IsMuted() : platform::ReadSettingInt("Mute", 0) != 0;
}

void SetSoundMuted(bool bMuted)
{
    platform::WriteSettingInt("Mute", bMuted ? 1 : 0);
    if (g_pSound)
        g_pSound->SetMuted(bMuted);
}
