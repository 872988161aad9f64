#include "playback/soundtrack.h"

#include "platform/wave.h"

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

int32_t VoiceEndFrame(int32_t nStart, size_t nFrames)
{
    const uint64_t ticks = (uint64_t(nFrames) + kFramesPerTick - 1) / kFramesPerTick;
    const int64_t end = int64_t(nStart) + int64_t(std::min<uint64_t>(ticks, INT32_MAX));
    return int32_t(std::min<int64_t>(end, INT32_MAX));
}

std::vector<uint8_t> StereoWaveFile(std::span<const int16_t> samples)
{
    return platform::PcmWaveFile(samples, 2, platform::kAudioRate);
}
