// The program's sound: the mixer with its synthesizer, the sound card (or none, offline), the
// MIDI stream player, and the project sounds' view of it all. The editor, the stand-alone
// player and the command-line renderer each make one and install it as the audio output.
#pragma once

#include "platform/audio.h"
#include "platform/mixer.h"
#include "playback/midiplayer.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform {
class CAudioDevice;
}

class CSoundSystem : public platform::IAudioOutput {
public:
    // How a run's end reaches the user-interface thread: the poster must post, never call
    // back (it runs on the audio thread). The receiver then calls OnMidiEnd with the run.
    using EndPoster = std::function<void(uint32_t nRun)>;

    // With the sound card: the synthesizer of the system's SoundFont, SDL's device (the dummy
    // stand-in when none opens: then there are no devices and nothing sounds).
    static std::unique_ptr<CSoundSystem> CreateForDevice(EndPoster poster);
    // Without a sound card, for rendering with RenderOffline: synth may be null (no MIDI).
    static std::unique_ptr<CSoundSystem> CreateOffline(std::unique_ptr<platform::ISynth> synth);
    ~CSoundSystem() override;
    CSoundSystem(const CSoundSystem&) = delete;
    CSoundSystem& operator=(const CSoundSystem&) = delete;

    // The output as the project's sounds see it.
    int WaveDeviceCount() const override;
    int MidiDeviceCount() const override;
    // A wave loops, except a recorded voice (platform::CPcm::bVoice), which plays once while
    // the music steps back (see platform::CAudioMixer). The editor's play, the soundtrack and
    // the exports all start their waves here, so they all hear it the same way.
    uint64_t PlayWaveLooping(const std::string& path) override;
    void StopWave(uint64_t nWave = 0) override;
    bool StartMidi(const std::string& path) override;
    void StopMidi() override;
    void Speak(const std::string& text, const platform::CSpeechVoice& voice) override;
    void StopSpeech() override;

    // A run of the MIDI player ended (the end message). When it is the run that played last
    // and a MIDI sound is current, that sound counts as ended and starts again, so the music
    // loops; a tune too short to loop (under a tenth of a second) plays once.
    void OnMidiEnd(uint32_t nRun);

    // How many tunes have started, and how many of those played to their end, since the
    // system was made: a render knows from them when the first play of the music is over.
    int TunesStarted() const { return m_nTunesStarted.load(); }
    int TunesEnded() const { return m_nTunesEnded.load(); }
    // True while a tune plays (not after it was stopped, nor between its end and its repeat).
    bool IsTunePlaying() const
    {
        return m_pPlayer && m_pPlayer->GetState() == CMidiStreamPlayer::statePlaying;
    }

    // Renders offline: the mixer's next frames, acting on each run's end at its exact frame.
    void RenderOffline(int16_t* out, size_t nFrames);

    // The MIDI outputs by device number: our synthesizer, named with its SoundFont.
    std::vector<std::string> MidiDeviceNames() const;
    // Why nothing sounds, in a few words ("no audio output", "no SoundFont"); empty when sound
    // works.
    std::string WhyNoSound() const;
    // The device setting the next tune plays on (MIDI_MAPPER or a device number).
    void SetMidiDevice(int32_t nDevice);
    // Silences everything without stopping anything: the music plays on, unheard.
    void SetMuted(bool bMuted);
    bool IsMuted() const { return m_bMuted; }

    platform::CAudioMixer& Mixer() { return *m_pMixer; }
    CMidiStreamPlayer* Player() { return m_pPlayer.get(); }
    // The last reason a wave or a spoken text could not be played (empty when none).
    std::string LastFailure() const;

private:
    CSoundSystem() = default;
    bool Init(std::unique_ptr<platform::ISynth> synth, bool bDevice, EndPoster poster);

    std::unique_ptr<platform::CAudioMixer> m_pMixer;
    std::unique_ptr<platform::CAudioDevice> m_pDevice;
    std::unique_ptr<CMidiStreamPlayer> m_pPlayer;
    bool m_bOffline = false;
    bool m_bHasSynth = false;
    bool m_bMuted = false;
    std::string m_strSoundFont;
    std::atomic<int> m_nTunesStarted { 0 };
    std::atomic<int> m_nTunesEnded { 0 };
    std::string m_strNoSound;
    // Runs that ended while rendering offline, in order.
    std::vector<uint32_t> m_endedRuns;
    // Waves decoded once, by their private file.
    std::map<std::string, std::shared_ptr<const platform::CPcm>> m_waves;
    mutable std::mutex m_failureMutex;
    std::string m_strFailure;
};
