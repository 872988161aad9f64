#include "playback/soundtrack.h"

#include "model/movie.h"
#include "platform/audio.h"
#include "playback/projectdoc.h"
#include "playback/soundsystem.h"

#include <algorithm>

void RenderSoundtrack(CProjectDoc& doc, CSoundSystem& sound, size_t nFrames,
    std::vector<int16_t>& out, const std::function<void(size_t)>& progress)
{
    platform::IAudioOutput* previous = platform::SetAudioOutput(&sound);
    CAbstractMovie& movie = *doc.GetMovie();
    movie.SetStopped(false);
    movie.Rewind();
    movie.Resume();
    out.assign(nFrames * 2, 0);
    size_t done = 0;
    while (done < nFrames) {
        // The tick composes a frame: the sounds of that frame start and stop now.
        movie.Tick();
        const size_t n = std::min(kFramesPerTick, nFrames - done);
        sound.RenderOffline(out.data() + done * 2, n);
        done += n;
        if (progress)
            progress(done);
    }
    movie.Pause();
    platform::SetAudioOutput(previous);
}

std::vector<uint8_t> StereoWaveFile(std::span<const int16_t> samples)
{
    std::vector<uint8_t> file;
    auto put16 = [&](uint32_t v) {
        file.push_back(static_cast<uint8_t>(v));
        file.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto put32 = [&](uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            file.push_back(static_cast<uint8_t>(t[i]));
    };
    const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
    file.reserve(44 + data);
    tag("RIFF");
    put32(36 + data);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1); // PCM
    put16(2);
    put32(44100);
    put32(44100 * 4);
    put16(4);
    put16(16);
    tag("data");
    put32(data);
    for (int16_t s : samples)
        put16(static_cast<uint16_t>(s));
    return file;
}
