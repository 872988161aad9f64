#include "platform/audio.h"

#include <atomic>

namespace platform {

namespace {

class CSilentOutput : public IAudioOutput {
public:
    int WaveDeviceCount() const override { return 0; }
    int MidiDeviceCount() const override { return 0; }
    uint64_t PlayWaveLooping(const std::string&) override { return 0; }
    void StopWave(uint64_t) override {}
    bool StartMidi(const std::string&) override { return false; }
    void StopMidi() override {}
};

CSilentOutput g_silent;
std::atomic<IAudioOutput*> g_pOutput{nullptr};

} // namespace

IAudioOutput* SetAudioOutput(IAudioOutput* output)
{
    return g_pOutput.exchange(output);
}

IAudioOutput& AudioOutput()
{
    IAudioOutput* output = g_pOutput.load();
    return output != nullptr ? *output : g_silent;
}

} // namespace platform
