// IMA ADPCM, 4 bits per sample, in RIFF/WAVE files (format tag 0x0011). A block starts, for
// each channel, with a 4-byte header: the first sample (16 bits), the step index (0 to 88) and
// a zero byte; then come the other samples, each as a 4-bit code, low nibble first, in groups
// of 4 bytes (8 samples) per channel taking turns. The 'fact' chunk counts the frames, so the
// last block may be padded.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

constexpr uint16_t kFormatImaAdpcm = 0x0011;

// The frames one block of nBlockAlign bytes holds for nChannels; 0 when no such block can be
// (smaller than its headers, or not a whole number of 4-byte groups per channel).
int ImaSamplesPerBlock(int nBlockAlign, int nChannels);

// The block size the writer uses: 512 bytes for each channel at rates up to 22,050 Hz (1017
// frames a block), 1024 above.
int ImaBlockAlign(int nRate, int nChannels);

// A complete RIFF/WAVE file: 'fmt ' (tag 0x0011, 4 bits, cbSize 2 and the samples per block),
// 'fact' (the frames) and 'data'. samples are nChannels interleaved (1 or 2) at nRate Hz.
std::vector<uint8_t> ImaAdpcmWaveFile(std::span<const int16_t> samples, int nChannels, int nRate);

// Decodes the blocks of a data chunk into interleaved 16-bit samples, at most nFrames frames.
// A last block cut short gives the samples it holds. False, with the reason, when a block's
// step index is out of range (the data is damaged).
bool DecodeImaAdpcm(std::span<const uint8_t> data, int nChannels, int nBlockAlign, uint64_t nFrames,
    std::vector<int16_t>& samples, std::string& error);

// The frames the data chunk holds: whole blocks and what a short last block holds.
uint64_t ImaFramesIn(size_t nDataBytes, int nChannels, int nBlockAlign);

} // namespace platform
