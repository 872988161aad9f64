// The sound engine: one second of a two-voice tune through the MIDI stream player, the mixer
// and FluidSynth (the audio thread must do this far faster than real time), and a minute of
// CD-quality wave read and converted into the mixer's form (done once, off the audio thread).
#include "model/sound.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/mixer.h"
#include "platform/wave.h"
#include "playback/soundsystem.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

namespace {

// A standard MIDI file: two voices of eighth notes on piano and bass, 64 bars.
std::vector<uint8_t> TwoVoiceTune()
{
    std::vector<uint8_t> track = { 0x00, 0xC0, 0x00, 0x00, 0xC1, 0x21 };
    for (int i = 0; i < 512; ++i) {
        const uint8_t melody = uint8_t(60 + (i * 7) % 12);
        const uint8_t bass = uint8_t(36 + (i * 5) % 12);
        track.insert(track.end(), { 0x00, 0x90, melody, 100, 0x00, 0x91, bass, 90 });
        track.insert(track.end(), { 0x81, 0x70, 0x80, melody, 0, 0x00, 0x81, bass, 0 });
    }
    track.insert(track.end(), { 0x00, 0xFF, 0x2F, 0x00 });
    std::vector<uint8_t> file
        = { 'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k' };
    for (int i = 3; i >= 0; --i)
        file.push_back(uint8_t(track.size() >> (8 * i)));
    file.insert(file.end(), track.begin(), track.end());
    return file;
}

void BM_RenderSecondOfMusic(benchmark::State& state)
{
    std::string error;
    auto synth = platform::CreateSoundFontSynth(platform::FindSoundFont(), error);
    if (!synth) {
        state.SkipWithError(("no SoundFont: " + error).c_str());
        return;
    }
    auto sound = CSoundSystem::CreateOffline(std::move(synth));
    platform::IAudioOutput* previous = platform::SetAudioOutput(sound.get());
    const std::string dir = platform::MakeTempDirectory("benchsound");
    const std::string path = dir + "/tune.mid";
    platform::WriteWholeFile(path, TwoVoiceTune());
    {
        CSound music;
        music.SetSource(CSound::kindMidi, path);
        music.Play();
        std::vector<int16_t> out(44100 * 2);
        for (auto _ : state) {
            sound->RenderOffline(out.data(), 44100);
            benchmark::DoNotOptimize(out.data());
        }
        music.Stop();
    }
    platform::SetAudioOutput(previous);
    std::filesystem::remove_all(dir);
    state.counters["x_real_time"]
        = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderSecondOfMusic)->Unit(benchmark::kMillisecond);

void BM_DecodeMinuteOfWave(benchmark::State& state)
{
    // 16-bit stereo at 48 kHz, so that it is converted to the mixer's rate.
    const uint32_t frames = 48000 * 60;
    std::vector<uint8_t> file
        = { 'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1,
              0, 2, 0, 0x80, 0xBB, 0, 0, 0x00, 0xEE, 0x02, 0, 4, 0, 16, 0, 'd', 'a', 't', 'a' };
    const uint32_t bytes = frames * 4;
    for (int i = 0; i < 4; ++i)
        file.push_back(uint8_t(bytes >> (8 * i)));
    file.resize(file.size() + bytes);
    for (uint32_t i = 0; i < frames; ++i) {
        const int16_t s = int16_t(10000 * std::sin(i * 0.05));
        for (int c = 0; c < 2; ++c) {
            file[44 + i * 4 + c * 2] = uint8_t(s);
            file[44 + i * 4 + c * 2 + 1] = uint8_t(uint16_t(s) >> 8);
        }
    }
    for (auto _ : state) {
        std::string error;
        auto pcm = platform::DecodeWave(file, error);
        benchmark::DoNotOptimize(pcm);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_DecodeMinuteOfWave)->Unit(benchmark::kMillisecond);

} // namespace
