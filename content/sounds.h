// The sounds of the sample library, made from scratch: short RIFF/WAVE jingles and effects
// (22050 Hz, 16-bit mono PCM) and standard MIDI files of public-domain tunes written note by
// note. Everything is deterministic: the same bytes on every run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace content {

constexpr int kWaveRate = 22050;

// A complete RIFF/WAVE file (PCM, 16-bit, mono, kWaveRate) holding the samples.
std::vector<uint8_t> WaveFile(const std::vector<int16_t>& samples);

// The waves, by name: "applause", "chimes", "pop", "boing", "twinkle", "fanfare". Empty for
// an unknown name.
std::vector<int16_t> WaveSamples(const std::string& name);

// One note of a tune: a MIDI key (0 for a rest) and its length in ticks (480 to a quarter).
struct Note {
    int nKey;
    int nTicks;
};

// A tune: its melody, the General MIDI programme of the melody and the tempo.
struct Tune {
    std::string strTitle;
    std::vector<Note> melody;
    int nProgram; // 0-based General MIDI programme
    int nQuarterMicros; // microseconds per quarter note
    std::vector<Note> bass; // an optional second voice on channel 2 (may be empty)
};

// The tunes, by name: "birthday", "jinglebells", "odetojoy", "twinkle". A tune without notes
// for an unknown name.
Tune TuneByName(const std::string& name);

// A standard MIDI file of format 0 (one track, 480 ticks a quarter) playing the tune.
std::vector<uint8_t> MidiFile(const Tune& tune);

} // namespace content
