// A recorded voice made ready for a greeting: cleaned (no offset, no silence around it, one
// steady loudness) and written as the mono wave the player recognises as a recorded voice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The peak a cleaned voice is brought to, in dBFS (full scale is 32768).
constexpr double kVoicePeakDb = -1.5;

struct CCleanedVoice {
    std::vector<int16_t> samples; // mono, at the recording's rate; empty when nothing was heard
    size_t nFirst = 0; // where the kept part begins in the recording, in samples
    double fPeakDb = 0; // the kept part's peak after the gain, dBFS
    double fGainDb = 0; // the gain that was applied
    std::string strReason; // why nothing was kept; empty when something was
};

// Cleans a mono recording at nRate samples a second, in three steps:
// - the silence at both ends is cut: the level of each 10 ms block (its RMS around the block's
//   own mean, so that an offset, drifting or stepping, is no sound) is compared with
//   max(4 x the noise floor, -45 dBFS), the floor being the mean level of the quietest tenth of
//   the blocks; the first and the last block above it with a neighbour above it too (a lone
//   loud block is a click) bound the voice, and 5 ms before and 10 ms after it are kept, faded
//   in and out over those margins. A recording with no quiet part to tell the voice from
//   (every block alike and above -45 dBFS) is kept whole;
// - the offset of the part kept (its mean) is subtracted;
// - a gain brings the peak to kVoicePeakDb (up or down; no limiter, so the voice keeps its
//   shape).
// A recording whose loudest block stays under -45 dBFS is silence: the result is empty and
// strReason says so.
CCleanedVoice CleanRecording(std::span<const int16_t> mono, int nRate);

// A RIFF/WAVE file: "fmt " (PCM, mono, 16-bit, nRate), a "LIST" chunk of type "INFO" holding
// one "ISFT" sub-chunk with platform::kVoiceMark, NUL-terminated and padded with a second NUL
// to an even length (the sub-chunk's size counts both), then "data".
std::vector<uint8_t> VoiceWaveFile(std::span<const int16_t> mono, int nRate);
