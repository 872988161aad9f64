// The audio mixer: one looping wave, one spoken voice and the MIDI synthesizer, mixed into
// 44.1 kHz stereo 16-bit frames. The same mixer feeds the sound card (its callback asks for the
// next frames) and renders offline (a program asks for frames as fast as it likes).
//
// Timing of MIDI events: every record of the stream has an absolute tick (the sum of the
// whole-number deltas before it); its sample frame is computed from that tick, the tempo map
// so far and the time division, never by adding up rounded per-event times. An event is
// dispatched to the synthesizer exactly at its frame: the synthesizer renders up to it, takes
// the event, and renders on.
#pragma once

#include "platform/midistream.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace platform {

constexpr int kAudioRate = 44100;
constexpr int kAudioChannels = 2;

// Decoded sound, ready to mix: interleaved stereo 16-bit frames at kAudioRate.
struct CPcm {
    std::vector<int16_t> samples; // 2 per frame
    // A recorded voice: while it sounds, the music steps back (see CAudioMixer).
    bool bVoice = false;
    size_t Frames() const { return samples.size() / 2; }
};

// What turns MIDI messages into sound. The mixer's own is FluidSynth with a SoundFont; tests
// use a stand-in that records what reached it and when.
class ISynth {
public:
    virtual ~ISynth() = default;
    // A channel message: status | data1 << 8 | data2 << 16.
    virtual void ShortMessage(uint32_t nMessage) = 0;
    // A system-exclusive message as the stream carries it (0xF0 ... 0xF7, or a continuation).
    virtual void LongMessage(std::span<const uint8_t> data) = 0;
    // Every channel: all notes off, all sounds off, controllers reset.
    virtual void Silence() = 0;
    // Adds nFrames stereo frames of sound to out (interleaved, float, full scale 1.0).
    virtual void Render(float* out, int nFrames) = 0;
};

// The mixer's synthesizer: FluidSynth (no audio driver of its own) with the SoundFont at path.
// None, with a reason in error, when the SoundFont cannot be loaded.
std::unique_ptr<ISynth> CreateSoundFontSynth(const std::string& soundFont, std::string& error);
// The SoundFont the program uses: the setting "SoundFont" when it names a file, else the first
// General MIDI SoundFont of the system that exists (Debian's timgm6mb first). Empty: none.
std::string FindSoundFont();

class CAudioMixer {
public:
    // synth may be null: then MIDI streams open but nothing sounds.
    explicit CAudioMixer(std::unique_ptr<ISynth> synth);
    ~CAudioMixer();
    CAudioMixer(const CAudioMixer&) = delete;
    CAudioMixer& operator=(const CAudioMixer&) = delete;

    // The device lock: held by Render and by every call below. The user-interface side takes
    // it around anything it shares with a stream client.
    std::recursive_mutex& Mutex() { return m_mutex; }
    bool HasSynth() const;

    // Waves. PlayWave replaces the wave playing and returns its number (never 0); StopWave
    // stops the wave of that number if it is still the one playing (0: whatever plays).
    uint64_t PlayWave(std::shared_ptr<const CPcm> pcm, bool bLoop);
    void StopWave(uint64_t nWave = 0);
    bool IsWavePlaying() const;
    // The spoken voice: plays once, replacing any voice speaking.
    void PlayVoice(std::shared_ptr<const CPcm> pcm);
    void StopVoice();

    // The MIDI stream (one; opening again while open fails with 274).
    int OpenStream(IMidiStreamClient& client);
    // Ticks per quarter note, or SMPTE (top bit set: -frames per second in the high byte,
    // ticks per frame in the low byte). 0 or a broken SMPTE value: 276.
    int SetTimeDivision(uint32_t nDivision);
    // Queues a buffer at the end of the queue (flags: MHDR_INQUEUE set, MHDR_DONE cleared).
    // 274 when no stream is open or the buffer is queued already. Records are read up to
    // nBytesRecorded but never past nBufferLength; a record cut short ends the buffer.
    int Out(CMidiHeader& header);
    // Starts (or goes on) playing the queue. The first Restart after an Open, Stop or Reset
    // puts tick 0 at the next frame to be rendered, tempo 500000 us per quarter note.
    int Restart();
    // Stop and Reset: the synthesizer falls silent at once, every queued buffer is handed back
    // (in queue order, before the call returns), the stream stands at tick 0, not playing.
    // A buffer the client queues again from inside these hand-backs waits for the next run.
    int Stop();
    int Reset();
    // Stops (as above) and closes the stream; Out from inside its hand-backs fails. Never
    // call it from inside OnBufferDone.
    void CloseStream();
    bool IsStreamOpen() const;

    // Master gain, 0 (muted) to 1.
    void SetGain(float fGain);

    // The music steps back for a recorded voice: while a sound marked bVoice plays (as the
    // wave or as the voice), the synthesizer's output is lowered by kDuckDb. The level moves
    // evenly in decibels over kDuckRampFrames, down from the voice's first frame and back up
    // from the frame after its last; a ramp under way turns round where it stands. Sounds
    // not marked change nothing. The level is part of the rendering state, under the lock.
    static constexpr double kDuckDb = -10.0;
    static constexpr size_t kDuckRampFrames = kAudioRate * 150 / 1000;

    // Renders up to nFrames frames (interleaved stereo) into out and returns how many it
    // rendered. With bStopWhenDrained, it returns early right after the frame at which the
    // stream handed back its last queued buffer, so an offline caller can act at that exact
    // frame (a run that ended, a tune to start again); otherwise it always renders nFrames.
    size_t Render(int16_t* out, size_t nFrames, bool bStopWhenDrained = false);
    // Frames rendered since the mixer was made.
    uint64_t Position() const;

private:
    struct CImpl;
    std::unique_ptr<CImpl> m_pImpl;
    mutable std::recursive_mutex m_mutex;
};

} // namespace platform
