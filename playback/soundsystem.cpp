#include "playback/soundsystem.h"

#include "model/sound.h"
#include "platform/audiodevice.h"
#include "platform/speech.h"
#include "platform/translate.h"
#include "platform/wave.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

using platform::Fill;
using platform::Tr;

namespace {

// Decoded waves kept at most; the oldest go first.
constexpr size_t kWaveCacheSize = 16;

// A tune shorter than this plays once instead of starting again and again.
constexpr double kShortestLoopMicros = 100000;

std::string SoundFontName(const std::string& path)
{
    std::string name = std::filesystem::path(path).stem().string();
    return name.empty() ? std::string("SoundFont") : name;
}

// The wave's private file as it is now: a file deleted and made again under the same name is
// another file.
std::string WaveKey(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return {};
    const auto time = std::filesystem::last_write_time(path, error);
    if (error)
        return {};
    return path + '\n' + std::to_string(size) + '\n'
        + std::to_string(time.time_since_epoch().count());
}

} // namespace

std::unique_ptr<CSoundSystem> CSoundSystem::CreateForDevice(EndPoster poster)
{
    std::unique_ptr<CSoundSystem> system(new CSoundSystem());
    std::string error;
    std::string soundFont = platform::FindSoundFont();
    std::unique_ptr<platform::ISynth> synth;
    if (!soundFont.empty())
        synth = platform::CreateSoundFontSynth(soundFont, error);
    system->m_strSoundFont = synth ? soundFont : std::string();
    if (!system->Init(std::move(synth), true, std::move(poster)))
        return nullptr;
    return system;
}

std::unique_ptr<CSoundSystem> CSoundSystem::CreateOffline(std::unique_ptr<platform::ISynth> synth)
{
    std::unique_ptr<CSoundSystem> system(new CSoundSystem());
    system->m_bOffline = true;
    CSoundSystem* self = system.get();
    if (!system->Init(
            std::move(synth), false, [self](uint32_t nRun) { self->m_endedRuns.push_back(nRun); }))
        return nullptr;
    return system;
}

bool CSoundSystem::Init(std::unique_ptr<platform::ISynth> synth, bool bDevice, EndPoster poster)
{
    m_bHasSynth = synth != nullptr;
    m_pMixer = std::make_unique<platform::CAudioMixer>(std::move(synth));
    m_pPlayer = CMidiStreamPlayer::Create(
        *m_pMixer, [poster = std::move(poster)](CMidiStreamPlayer*, uint32_t nRun) {
            if (poster)
                poster(nRun);
        });
    if (!m_pPlayer)
        return false;
    if (bDevice) {
        m_pDevice = std::make_unique<platform::CAudioDevice>(*m_pMixer);
        if (!m_pDevice->IsOpen())
            m_strNoSound = Tr("Sound", "no audio output");
    }
    if (m_strNoSound.empty() && !m_bHasSynth)
        m_strNoSound = Tr("Sound", "no SoundFont");
    return true;
}

CSoundSystem::~CSoundSystem()
{
    // The player goes first: it stops its run and closes the stream. Then the card stops
    // pulling before the mixer goes.
    m_pPlayer.reset();
    m_pDevice.reset();
    m_pMixer.reset();
}

int CSoundSystem::WaveDeviceCount() const
{
    return m_bOffline || (m_pDevice && m_pDevice->IsOpen()) ? 1 : 0;
}

int CSoundSystem::MidiDeviceCount() const
{
    return m_bHasSynth && WaveDeviceCount() > 0 ? 1 : 0;
}

std::vector<std::string> CSoundSystem::MidiDeviceNames() const
{
    if (MidiDeviceCount() == 0)
        return {};
    return { Fill(Tr("Sound", "Synthesizer (%1)"),
        { m_strSoundFont.empty() ? std::string("SoundFont") : SoundFontName(m_strSoundFont) }) };
}

std::string CSoundSystem::WhyNoSound() const
{
    return m_strNoSound;
}

void CSoundSystem::SetMidiDevice(int32_t nDevice)
{
    m_pPlayer->SetDevice(nDevice);
}

void CSoundSystem::SetMuted(bool bMuted)
{
    m_bMuted = bMuted;
    m_pMixer->SetGain(bMuted ? 0.0f : 1.0f);
}

std::string CSoundSystem::LastFailure() const
{
    std::lock_guard lock(m_failureMutex);
    return m_strFailure;
}

// ---------------------------------------------------------------------------------------------
// Waves and spoken text

uint64_t CSoundSystem::PlayWaveLooping(const std::string& path)
{
    if (WaveDeviceCount() == 0)
        return 0;
    const std::string key = WaveKey(path);
    std::shared_ptr<const platform::CPcm> pcm;
    if (auto it = m_waves.find(key); !key.empty() && it != m_waves.end()) {
        pcm = it->second;
    } else {
        // Decoded here, once, never on the audio thread.
        std::string error;
        pcm = platform::LoadWaveFile(path, error);
        if (!pcm) {
            std::lock_guard lock(m_failureMutex);
            m_strFailure = path + ": " + error;
            return 0;
        }
        if (m_waves.size() >= kWaveCacheSize)
            m_waves.erase(m_waves.begin());
        if (!key.empty())
            m_waves[key] = pcm;
    }
    // A recorded voice is said once; any other wave loops until its sound stops it.
    return m_pMixer->PlayWave(pcm, !pcm->bVoice);
}

void CSoundSystem::StopWave(uint64_t nWave)
{
    m_pMixer->StopWave(nWave);
}

void CSoundSystem::Speak(const std::string& text, const platform::CSpeechVoice& voice)
{
    if (WaveDeviceCount() == 0)
        return;
    std::string error;
    std::shared_ptr<const platform::CPcm> pcm = platform::SpeakText(text, voice, error);
    if (!pcm) {
        std::lock_guard lock(m_failureMutex);
        m_strFailure = error;
        return;
    }
    m_pMixer->PlayVoice(pcm);
}

void CSoundSystem::StopSpeech()
{
    m_pMixer->StopVoice();
}

// ---------------------------------------------------------------------------------------------
// MIDI

bool CSoundSystem::StartMidi(const std::string& path)
{
    if (MidiDeviceCount() == 0)
        return false;
    if (m_pPlayer->Open(path) != MIDIPLAYER_OK || m_pPlayer->Play() != MIDIPLAYER_OK)
        return false;
    ++m_nTunesStarted;
    return true;
}

void CSoundSystem::StopMidi()
{
    m_pPlayer->Stop();
}

void CSoundSystem::OnMidiEnd(uint32_t nRun)
{
    // An end message of a run that a newer one replaced, or of a stop, starts nothing.
    if (!m_pPlayer->IsCurrentEnd(nRun))
        return;
    ++m_nTunesEnded;
    CSound* sound = CSound::CurrentMidiSound();
    if (sound == nullptr)
        return;
    sound->OnStreamEnded();
    if (m_pPlayer->GetDurationMicros() >= kShortestLoopMicros)
        sound->Play();
}

void CSoundSystem::RenderOffline(int16_t* out, size_t nFrames)
{
    while (nFrames > 0) {
        const size_t done = m_pMixer->Render(out, nFrames, true);
        out += done * platform::kAudioChannels;
        nFrames -= done;
        // What the editor does with the end message, at the frame the run ended.
        std::vector<uint32_t> ended;
        ended.swap(m_endedRuns);
        for (uint32_t run : ended)
            OnMidiEnd(run);
        if (done == 0 && ended.empty())
            break;
    }
    if (nFrames > 0)
        std::fill(out, out + nFrames * platform::kAudioChannels, int16_t(0));
}
