// What continuous play of a project sounds like, rendered offline: the movie plays from a
// rewind at its 120 ms clock, and between two ticks the mixer renders the 120 ms of sound that
// pass, with the waves, the music and the spoken texts the frames start and stop.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class CProjectDoc;
class CSoundSystem;

// Audio frames (stereo) in one tick of the frame clock.
constexpr size_t kFramesPerTick = 44100 * 120 / 1000;

// The frame at which a recorded voice of nFrames audio frames, started at frame nStart, has
// played to its end: nStart + ceil(nFrames / kFramesPerTick), at most INT32_MAX. A voice
// added to an object ends there, so that its sound, which loops in programs that know no
// recorded voice, stops after one play in them too.
int32_t VoiceEndFrame(int32_t nStart, size_t nFrames);

// Renders nFrames stereo frames of play from a rewind into out (interleaved, 16-bit). The
// sound system is the audio output while it runs; the movie is paused at the end, which
// stops its sounds. progress, when given, is called after every tick with the frames done.
void RenderSoundtrack(CProjectDoc& doc, CSoundSystem& sound, size_t nFrames,
    std::vector<int16_t>& out, const std::function<void(size_t)>& progress = {});

// A RIFF/WAVE file of interleaved 16-bit stereo at 44.1 kHz.
std::vector<uint8_t> StereoWaveFile(std::span<const int16_t> samples);
