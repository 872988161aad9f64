#include "platform/adpcm.h"

#include "platform/translate.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace platform {

namespace {

constexpr int kStepTable[89] = { 7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34,
    37, 41, 45, 50, 55, 60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253,
    279, 307, 337, 371, 408, 449, 494, 544, 598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411,
    1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428, 4871, 5358, 5894, 6484,
    7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623,
    27086, 29794, 32767 };
constexpr int kIndexTable[16] = { -1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8 };
constexpr int kMaxIndex = 88;
// Bytes of one channel's block header, and of one channel's group of 8 codes.
constexpr int kHeaderBytes = 4;
constexpr int kGroupBytes = 4;
constexpr int kGroupSamples = 8;

struct CChannelState {
    int nPredictor = 0;
    int nIndex = 0;

    // The decoder's step: the code applied to the predictor, which it returns.
    int16_t Expand(int code)
    {
        const int step = kStepTable[nIndex];
        int diff = step >> 3;
        if (code & 4)
            diff += step;
        if (code & 2)
            diff += step >> 1;
        if (code & 1)
            diff += step >> 2;
        nPredictor = std::clamp(code & 8 ? nPredictor - diff : nPredictor + diff, -32768, 32767);
        nIndex = std::clamp(nIndex + kIndexTable[code], 0, kMaxIndex);
        return int16_t(nPredictor);
    }

    // The code, of the sample's sign, whose decoded value comes nearest the sample; the state
    // then moves on as the decoder's will.
    int Encode(int sample)
    {
        const int step = kStepTable[nIndex];
        const int sign = sample < nPredictor ? 8 : 0;
        int best = sign;
        int bestError = INT32_MAX;
        for (int magnitude = 0; magnitude < 8; ++magnitude) {
            int diff = step >> 3;
            if (magnitude & 4)
                diff += step;
            if (magnitude & 2)
                diff += step >> 1;
            if (magnitude & 1)
                diff += step >> 2;
            const int value
                = std::clamp(sign != 0 ? nPredictor - diff : nPredictor + diff, -32768, 32767);
            const int error = std::abs(value - sample);
            if (error < bestError) {
                bestError = error;
                best = sign | magnitude;
            }
        }
        Expand(best);
        return best;
    }
};

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void PutTag(std::vector<uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

int ImaSamplesPerBlock(int nBlockAlign, int nChannels)
{
    if (nChannels < 1 || nBlockAlign <= kHeaderBytes * nChannels
        || (nBlockAlign - kHeaderBytes * nChannels) % (kGroupBytes * nChannels) != 0)
        return 0;
    return (nBlockAlign - kHeaderBytes * nChannels) / (kGroupBytes * nChannels) * kGroupSamples + 1;
}

int ImaBlockAlign(int nRate, int nChannels)
{
    return (nRate <= 22050 ? 512 : 1024) * nChannels;
}

uint64_t ImaFramesIn(size_t nDataBytes, int nChannels, int nBlockAlign)
{
    const int perBlock = ImaSamplesPerBlock(nBlockAlign, nChannels);
    if (perBlock == 0)
        return 0;
    const uint64_t blocks = nDataBytes / size_t(nBlockAlign);
    const size_t rest = nDataBytes % size_t(nBlockAlign);
    uint64_t frames = blocks * uint64_t(perBlock);
    const size_t headers = size_t(kHeaderBytes * nChannels);
    if (rest >= headers)
        frames += 1 + (rest - headers) / size_t(kGroupBytes * nChannels) * kGroupSamples;
    return frames;
}

bool DecodeImaAdpcm(std::span<const uint8_t> data, int nChannels, int nBlockAlign, uint64_t nFrames,
    std::vector<int16_t>& samples, std::string& error)
{
    samples.clear();
    const int perBlock = ImaSamplesPerBlock(nBlockAlign, nChannels);
    if (perBlock == 0)
        return true;
    const uint64_t frames = std::min(nFrames, ImaFramesIn(data.size(), nChannels, nBlockAlign));
    const size_t channels = size_t(nChannels);
    samples.resize(size_t(frames) * channels);
    CChannelState state[8];
    uint64_t done = 0;
    for (size_t block = 0; done < frames; block += size_t(nBlockAlign)) {
        const uint8_t* p = data.data() + block;
        for (size_t c = 0; c < channels; ++c, p += kHeaderBytes) {
            state[c].nPredictor = int16_t(uint16_t(p[0] | p[1] << 8));
            state[c].nIndex = p[2];
            if (state[c].nIndex > kMaxIndex) {
                error
                    = Fill(Tr("Sound", "the IMA ADPCM wave's data is damaged (a step index of %1)"),
                        { std::to_string(state[c].nIndex) });
                samples.clear();
                return false;
            }
            samples[size_t(done) * channels + c] = int16_t(state[c].nPredictor);
        }
        ++done;
        // Each group: 4 bytes of each channel in turn, 8 frames.
        const uint64_t inBlock = std::min<uint64_t>(perBlock - 1, frames - done);
        for (uint64_t g = 0; g * kGroupSamples < inBlock; ++g) {
            const uint64_t n = std::min<uint64_t>(kGroupSamples, inBlock - g * kGroupSamples);
            for (size_t c = 0; c < channels; ++c) {
                const uint8_t* codes = p + (g * channels + c) * kGroupBytes;
                int16_t* out = samples.data() + (done + g * kGroupSamples) * channels + c;
                for (uint64_t k = 0; k < n; ++k) {
                    const int code = k % 2 == 0 ? codes[k / 2] & 0x0F : codes[k / 2] >> 4;
                    out[k * channels] = state[c].Expand(code);
                }
            }
        }
        done += inBlock;
    }
    return true;
}

std::vector<uint8_t> ImaAdpcmWaveFile(std::span<const int16_t> samples, int nChannels, int nRate)
{
    const size_t channels = size_t(std::clamp(nChannels, 1, 2));
    const int blockAlign = ImaBlockAlign(nRate, int(channels));
    const int perBlock = ImaSamplesPerBlock(blockAlign, int(channels));
    // A RIFF file counts its bytes in 32 bits; sound beyond what fits is cut.
    const uint64_t maxBlocks = (uint64_t(UINT32_MAX) - 64) / uint64_t(blockAlign);
    const uint64_t frames
        = std::min<uint64_t>(samples.size() / channels, maxBlocks * uint64_t(perBlock));
    const uint64_t blocks = (frames + uint64_t(perBlock) - 1) / uint64_t(perBlock);
    const uint32_t dataBytes = uint32_t(blocks * uint64_t(blockAlign));

    std::vector<uint8_t> out;
    out.reserve(60 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 4 + 28 + 12 + 8 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 20);
    Put16(out, kFormatImaAdpcm);
    Put16(out, uint32_t(channels));
    Put32(out, uint32_t(nRate));
    Put32(out,
        uint32_t((uint64_t(nRate) * uint64_t(blockAlign) + uint64_t(perBlock) / 2)
            / uint64_t(perBlock)));
    Put16(out, uint32_t(blockAlign));
    Put16(out, 4);
    Put16(out, 2);
    Put16(out, uint32_t(perBlock));
    PutTag(out, "fact");
    Put32(out, 4);
    Put32(out, uint32_t(frames));
    PutTag(out, "data");
    Put32(out, dataBytes);

    // The step index goes on from block to block; the predictor starts at each block's first
    // sample. Frames past the end (the last block's padding) repeat the predictor.
    CChannelState state[2];
    const auto sampleAt = [&](uint64_t frame, size_t c) {
        return frame < frames ? int(samples[size_t(frame) * channels + c]) : state[c].nPredictor;
    };
    for (uint64_t block = 0; block < blocks; ++block) {
        const uint64_t first = block * uint64_t(perBlock);
        for (size_t c = 0; c < channels; ++c) {
            state[c].nPredictor = sampleAt(first, c);
            Put16(out, uint16_t(int16_t(state[c].nPredictor)));
            out.push_back(uint8_t(state[c].nIndex));
            out.push_back(0);
        }
        for (int g = 0; g < (perBlock - 1) / kGroupSamples; ++g) {
            for (size_t c = 0; c < channels; ++c) {
                const uint64_t at = first + 1 + uint64_t(g) * kGroupSamples;
                for (int k = 0; k < kGroupSamples; k += 2) {
                    const int low = state[c].Encode(sampleAt(at + uint64_t(k), c));
                    const int high = state[c].Encode(sampleAt(at + uint64_t(k) + 1, c));
                    out.push_back(uint8_t(low | high << 4));
                }
            }
        }
    }
    return out;
}

} // namespace platform
