// Sound output as the project's sounds see it: how many wave and MIDI devices there are, one
// looping wave at a time, one MIDI stream at a time, one spoken text at a time. The program
// installs its real output; without one, there are no devices and nothing sounds. Tests
// install a recorder.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The voice a spoken text is said in: a language as espeak-ng names it ("en", "ru", "cmn",
// "pt-br"; empty: the program's language) and male or female.
struct CSpeechVoice {
    std::string strLanguage;
    bool bFemale = false;
    bool operator==(const CSpeechVoice&) const = default;
};

class IAudioOutput {
public:
    virtual ~IAudioOutput() = default;
    virtual int WaveDeviceCount() const = 0;
    virtual int MidiDeviceCount() const = 0;
    // Starts the wave file playing in the background, looping; replaces any wave playing.
    // Returns the number of this wave, 0 when it does not play (a file that cannot be read).
    virtual uint64_t PlayWaveLooping(const std::string& path) = 0;
    // Cancels the wave of that number if it still plays; 0: whatever wave plays.
    virtual void StopWave(uint64_t nWave = 0) = 0;
    // Opens and starts the MIDI file; false when it cannot be played. The end of the data is
    // reported to the program's window later.
    virtual bool StartMidi(const std::string& path) = 0;
    virtual void StopMidi() = 0;
    // Says the text (UTF-8) in the voice, replacing any text being said.
    virtual void Speak(const std::string& /*text*/, const CSpeechVoice& /*voice*/) {}
    virtual void StopSpeech() {}
};

// Installs the output for this process and returns the previous one (nullptr: none). The
// caller keeps ownership.
IAudioOutput* SetAudioOutput(IAudioOutput* output);
// The installed output, or a silent one with no devices. A thread that has its own output
// (CThreadAudioOutput) sees that one instead.
IAudioOutput& AudioOutput();

// While one of these lives, the sounds of movies played on its thread go to the given output
// and the rest of the program keeps its own: an export renders its soundtrack on a worker
// while the editor goes on sounding.
class CThreadAudioOutput {
public:
    explicit CThreadAudioOutput(IAudioOutput* output);
    ~CThreadAudioOutput();
    CThreadAudioOutput(const CThreadAudioOutput&) = delete;
    CThreadAudioOutput& operator=(const CThreadAudioOutput&) = delete;

private:
    IAudioOutput* m_pPrevious;
};

} // namespace platform
