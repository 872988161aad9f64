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
thread_local IAudioOutput* t_pOutput = nullptr;

} // namespace

IAudioOutput* SetAudioOutput(IAudioOutput* output)
{
    return g_pOutput.exchange(output);
}

IAudioOutput& AudioOutput()
{
    if (t_pOutput != nullptr)
        return *t_pOutput;
    IAudioOutput* output = g_pOutput.load();
    return output != nullptr ? *output : g_silent;
}

CThreadAudioOutput::CThreadAudioOutput(IAudioOutput* output) : m_pPrevious(t_pOutput)
{
    t_pOutput = output;
}

CThreadAudioOutput::~CThreadAudioOutput()
{
    t_pOutput = m_pPrevious;
}

} // namespace platform
