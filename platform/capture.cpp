#include "platform/capture.h"

#include "platform/translate.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

constexpr int kWantedRate = 48000;
// About 10 ms a callback at 48 kHz: the meter follows the voice closely.
constexpr Uint16 kCallbackSamples = 512;

// Starts SDL's audio the way the sound card does; both count on the subsystem's reference
// count, so either may come first and each quits what it started.
bool InitAudio(std::string& reason)
{
    // SDL would otherwise turn Ctrl+C into an event nobody reads; Qt owns the program's life.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
        return true;
    reason = Fill(Tr("Sound", "the sound system did not start: %1"), { SDL_GetError() });
    return false;
}

// SDL's "dummy" driver offers a capture device that records silence; it stands for no sound
// hardware at all (also when the sound card fell back to it), so it counts as no microphone.
bool IsDummyDriver()
{
    const char* driver = SDL_GetCurrentAudioDriver();
    return driver == nullptr || std::strcmp(driver, "dummy") == 0;
}

} // namespace

CVoiceCapture::~CVoiceCapture()
{
    Stop();
}

std::vector<std::string> CVoiceCapture::InputDevices(std::string& reason)
{
    std::vector<std::string> names;
    if (!InitAudio(reason))
        return names;
    if (!IsDummyDriver()) {
        const int count = SDL_GetNumAudioDevices(1);
        for (int i = 0; i < count; ++i) {
            // The name lives only until SDL looks for devices again: copied at once.
            if (const char* name = SDL_GetAudioDeviceName(i, 1))
                names.emplace_back(name);
        }
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (names.empty())
        reason = Tr("Sound", "no microphone was found");
    return names;
}

bool CVoiceCapture::Start(const std::string& device, std::string& reason)
{
    Stop();
    {
        std::lock_guard lock(m_mutex);
        m_samples = {};
        m_nLimit = 0;
    }
    m_nCount = 0;
    m_bFull = false;
    m_fLevel = 0.0f;
    m_bLost = false;
    if (!InitAudio(reason))
        return false;
    // A count of -1 means SDL cannot list the devices; the default one may still open.
    if (IsDummyDriver() || (device.empty() && SDL_GetNumAudioDevices(1) == 0)) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        reason = Tr("Sound", "no microphone was found");
        return false;
    }
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = kWantedRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = kCallbackSamples;
    want.callback = Receive;
    want.userdata = this;
    SDL_AudioSpec have;
    // The device's own rate is taken rather than resampled; SDL converts format and channels.
    m_nDevice = SDL_OpenAudioDevice(device.empty() ? nullptr : device.c_str(), 1, &want, &have,
        SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (m_nDevice == 0) {
        reason = Fill(Tr("Sound", "the microphone could not be opened: %1"), { SDL_GetError() });
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_nRate = have.freq;
    {
        // The device starts paused: the callback adds nothing before the buffer is there, and
        // takes the same lock to see it.
        std::lock_guard lock(m_mutex);
        m_nLimit = size_t(m_nRate) * kMaxSeconds;
        m_samples.reserve(m_nLimit);
        m_nLevelWindow = std::max<size_t>(1, size_t(m_nRate) / 20);
    }
    SDL_PauseAudioDevice(m_nDevice, 0);
    return true;
}

void CVoiceCapture::Stop()
{
    if (m_nDevice == 0)
        return;
    // SDL marks a device that went away as stopped; closing would forget it.
    m_bLost = SDL_GetAudioDeviceStatus(m_nDevice) == SDL_AUDIO_STOPPED;
    // Closing waits for a callback that is running, so the buffer is not touched afterwards.
    SDL_CloseAudioDevice(m_nDevice);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_nDevice = 0;
    m_fLevel = 0.0f;
}

bool CVoiceCapture::IsRecording() const
{
    return m_nDevice != 0 && !m_bFull && SDL_GetAudioDeviceStatus(m_nDevice) != SDL_AUDIO_STOPPED;
}

bool CVoiceCapture::Lost() const
{
    if (m_nDevice != 0)
        return SDL_GetAudioDeviceStatus(m_nDevice) == SDL_AUDIO_STOPPED;
    return m_bLost;
}

double CVoiceCapture::Seconds() const
{
    return m_nRate > 0 ? double(m_nCount.load()) / m_nRate : 0.0;
}

float CVoiceCapture::Level() const
{
    return IsRecording() ? m_fLevel.load() : 0.0f;
}

std::vector<int16_t> CVoiceCapture::Take()
{
    Stop();
    std::vector<int16_t> samples;
    {
        std::lock_guard lock(m_mutex);
        samples.swap(m_samples);
    }
    m_nCount = 0;
    return samples;
}

// Runs on SDL's audio thread. Nothing may leave it by an exception: SDL is C.
void CVoiceCapture::Receive(void* pUser, uint8_t* pStream, int nBytes)
{
    // SDL's buffers of 16-bit samples are aligned for them.
    const auto* samples = reinterpret_cast<const int16_t*>(pStream);
    try {
        static_cast<CVoiceCapture*>(pUser)->Append(samples, size_t(nBytes) / sizeof(int16_t));
    } catch (...) {
    }
}

void CVoiceCapture::Append(const int16_t* samples, size_t count)
{
    std::lock_guard lock(m_mutex);
    // Within the reserved minute, so inserting never allocates; what comes after is dropped.
    const size_t n = std::min(count, m_nLimit - m_samples.size());
    m_samples.insert(m_samples.end(), samples, samples + n);
    if (m_nLimit > 0 && m_samples.size() == m_nLimit)
        m_bFull = true;
    const size_t from = m_samples.size() - std::min(m_samples.size(), m_nLevelWindow);
    int peak = 0;
    for (size_t i = from; i < m_samples.size(); ++i)
        peak = std::max(peak, std::abs(int(m_samples[i])));
    m_fLevel = float(peak) / 32768.0f;
    m_nCount = m_samples.size();
}

} // namespace platform
