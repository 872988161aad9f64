#include "platform/audiodevice.h"

#include "platform/translate.h"

#include <SDL.h>

#include <cstring>

namespace platform {

namespace {

// Runs on SDL's audio thread. Nothing may leave it by an exception: SDL is C.
void SDLCALL FillFromMixer(void* pUser, Uint8* pStream, int nBytes)
{
    auto* out = reinterpret_cast<int16_t*>(pStream);
    size_t nFrames = size_t(nBytes) / (kAudioChannels * sizeof(int16_t));
    try {
        static_cast<CAudioMixer*>(pUser)->Render(out, nFrames);
    } catch (...) {
        std::memset(pStream, 0, size_t(nBytes));
    }
}

SDL_AudioDeviceID OpenDevice(CAudioMixer& mixer)
{
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = kAudioRate;
    want.format = AUDIO_S16SYS;
    want.channels = kAudioChannels;
    want.samples = 1024;
    want.callback = FillFromMixer;
    want.userdata = &mixer;
    SDL_AudioSpec have;
    // No changes allowed: SDL converts whatever the card wants from our format.
    return SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
}

} // namespace

CAudioDevice::CAudioDevice(CAudioMixer& mixer)
    : m_mixer(mixer)
{
    // SDL would otherwise turn Ctrl+C into an event nobody reads; Qt owns the program's life.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        m_nDevice = OpenDevice(m_mixer);
        if (m_nDevice == 0) {
            m_strFailure = SDL_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    } else {
        m_strFailure = SDL_GetError();
    }
    m_bReal = m_nDevice != 0;
    if (!m_bReal) {
        if (m_strFailure.empty())
            m_strFailure = Tr("Sound", "no audio device could be opened");
        // The stand-in must win over SDL_AUDIODRIVER too, which outranks an ordinary hint;
        // the hint is cleared again so that the next device tries the real driver first.
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            m_nDevice = OpenDevice(m_mixer);
            if (m_nDevice == 0)
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    if (m_nDevice != 0) {
        const char* driver = SDL_GetCurrentAudioDriver();
        m_strDriver = driver != nullptr ? driver : "";
        SDL_PauseAudioDevice(m_nDevice, 0);
    }
}

CAudioDevice::~CAudioDevice()
{
    if (m_nDevice == 0)
        return;
    // Closing waits for a callback that is running, so the mixer is not touched afterwards.
    SDL_CloseAudioDevice(m_nDevice);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace platform
