// Reading RIFF/WAVE files into the mixer's form. Every chunk length and format field is
// checked against the bytes there are; what cannot be read is refused with a reason a person
// can act on, never guessed at.
#pragma once

#include "platform/mixer.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Formats read: PCM with 8, 16, 24 or 32 bits, IEEE float with 32 or 64 bits (also inside
// WAVE_FORMAT_EXTENSIBLE), IMA ADPCM with 4 bits (its 'fact' chunk, when there is one, counts
// the frames), 1 to 8 channels (mixed down to stereo), any rate from 1000 to
// 384000 Hz (converted to kAudioRate).
// A file without sound (no frames) reads as an empty CPcm.
// A recorded voice is known by its mark (kVoiceMark as the ISFT text of a LIST INFO chunk,
// before or after the data): its CPcm has bVoice set. A damaged LIST chunk is no mark and no
// failure.
// On failure: none, and error says why ("not a RIFF/WAVE file", "the wave's format chunk is
// missing", "compressed waves (format 2) are not supported", "the wave data is cut short"...).
std::shared_ptr<CPcm> DecodeWave(std::span<const uint8_t> file, std::string& error);
std::shared_ptr<CPcm> LoadWaveFile(const std::string& path, std::string& error);

// The software name the voice recorder writes into its waves.
constexpr const char* kVoiceMark = "Vimble e-mail voice recorder";

// A RIFF/WAVE file of 16-bit PCM (nChannels interleaved) at nRate Hz; with bVoiceMark, a LIST
// INFO chunk between the format and the data names kVoiceMark as its software (ISFT,
// NUL-terminated, padded to an even length), so that it reads back as a recorded voice. A RIFF
// file counts its bytes in 32 bits: sound beyond that (over six hours of mono) is cut.
std::vector<uint8_t> PcmWaveFile(
    std::span<const int16_t> samples, int nChannels, int nRate, bool bVoiceMark = false);

// Resamples mono or interleaved stereo 16-bit sound at nRate to the mixer's stereo at
// kAudioRate (linear interpolation).
std::shared_ptr<CPcm> ConvertToMixer(std::span<const int16_t> samples, int nChannels, int nRate);

} // namespace platform
