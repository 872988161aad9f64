#include "playback/recording.h"

#include "platform/translate.h"
#include "platform/wave.h"

#include <algorithm>
#include <cmath>

using platform::Tr;

namespace {

constexpr double kFullScale = 32768.0;
// Under this a block holds no voice whatever the noise floor: -45 dBFS.
const double kSilenceLevel = kFullScale * std::pow(10.0, -45.0 / 20.0);
// A block is voice when its level is this many times the floor's (+12 dB).
constexpr double kAboveFloor = 4.0;

double Decibels(double level)
{
    return level > 0 ? 20.0 * std::log10(level / kFullScale) : -INFINITY;
}

} // namespace

CCleanedVoice CleanRecording(std::span<const int16_t> mono, int nRate)
{
    CCleanedVoice result;
    if (mono.empty() || nRate <= 0) {
        result.strReason = Tr("Sound", "nothing was recorded");
        return result;
    }
    const size_t n = mono.size();

    // The level of each 10 ms block around the block's own mean (the last block may be
    // shorter): an offset, or one that drifts or steps (a device that starts or stops), is no
    // sound.
    const size_t block = std::max<size_t>(1, size_t(nRate) / 100);
    const size_t nBlocks = (n + block - 1) / block;
    std::vector<double> levels(nBlocks);
    for (size_t b = 0; b < nBlocks; ++b) {
        const size_t from = b * block;
        const size_t to = std::min(n, from + block);
        double sum = 0;
        for (size_t i = from; i < to; ++i)
            sum += mono[i];
        const double mean = sum / double(to - from);
        double energy = 0;
        for (size_t i = from; i < to; ++i) {
            const double x = mono[i] - mean;
            energy += x * x;
        }
        levels[b] = std::sqrt(energy / double(to - from));
    }
    const double loudest = *std::max_element(levels.begin(), levels.end());
    if (loudest < kSilenceLevel) {
        result.strReason
            = Tr("Sound", "the recording is silent: is the microphone muted or turned down?");
        return result;
    }
    // The noise floor: what the quietest tenth of the blocks hold, however short the pauses.
    std::vector<double> sorted = levels;
    const size_t nQuiet = std::max<size_t>(1, nBlocks / 10);
    std::partial_sort(sorted.begin(), sorted.begin() + ptrdiff_t(nQuiet), sorted.end());
    double floor = 0;
    for (size_t i = 0; i < nQuiet; ++i)
        floor += sorted[i];
    floor /= double(nQuiet);
    const double threshold = std::max(kAboveFloor * floor, kSilenceLevel);

    size_t start = 0;
    size_t end = n;
    size_t fadeIn = 0;
    size_t fadeOut = 0;
    // Without a block clearly above the rest there is no silence to tell apart: all is kept.
    if (loudest > threshold) {
        // A voice lasts longer than a block: a lone loud block is a click, not the voice.
        const auto loud = [&](size_t b) { return b < nBlocks && levels[b] > threshold; };
        const auto isVoice = [&](size_t b) {
            return loud(b) && (nBlocks == 1 || (b > 0 && loud(b - 1)) || loud(b + 1));
        };
        size_t firstBlock = 0;
        while (firstBlock < nBlocks && !isVoice(firstBlock))
            ++firstBlock;
        size_t lastBlock = nBlocks - 1;
        while (lastBlock > firstBlock && !isVoice(lastBlock))
            --lastBlock;
        if (firstBlock == nBlocks)
            firstBlock = lastBlock = size_t(std::max_element(levels.begin(), levels.end()) - levels.begin());
        // A voice's first sound is sharp and its last one fades: a shorter margin before.
        const size_t before = std::max<size_t>(1, size_t(nRate) / 200);
        const size_t after = block;
        const size_t voiceStart = firstBlock * block;
        const size_t voiceEnd = std::min(n, (lastBlock + 1) * block);
        start = voiceStart - std::min(voiceStart, before);
        end = std::min(n, voiceEnd + after);
        fadeIn = voiceStart - start;
        fadeOut = end - voiceEnd;
    }
    result.nFirst = start;

    // The offset of the part kept, which is what is heard (the whole's differs by a little).
    double sum = 0;
    for (size_t i = start; i < end; ++i)
        sum += mono[i];
    const double keptOffset = sum / double(end - start);
    std::vector<double> kept(end - start);
    for (size_t i = 0; i < kept.size(); ++i)
        kept[i] = mono[start + i] - keptOffset;
    // The margins hold noise only; fading them keeps the cuts from clicking.
    for (size_t i = 0; i < fadeIn; ++i)
        kept[i] *= double(i + 1) / double(fadeIn + 1);
    for (size_t i = 0; i < fadeOut; ++i)
        kept[kept.size() - 1 - i] *= double(i + 1) / double(fadeOut + 1);

    double peak = 0;
    for (double x : kept)
        peak = std::max(peak, std::abs(x));
    if (peak == 0) {
        result.strReason
            = Tr("Sound", "the recording is silent: is the microphone muted or turned down?");
        return result;
    }
    const double gain = kFullScale * std::pow(10.0, kVoicePeakDb / 20.0) / peak;
    result.fGainDb = 20.0 * std::log10(gain);
    result.samples.resize(kept.size());
    int outPeak = 0;
    for (size_t i = 0; i < kept.size(); ++i) {
        const long value = std::clamp(std::lround(kept[i] * gain), -32768L, 32767L);
        result.samples[i] = static_cast<int16_t>(value);
        outPeak = std::max(outPeak, std::abs(int(value)));
    }
    result.fPeakDb = Decibels(outPeak);
    return result;
}

std::vector<uint8_t> VoiceWaveFile(std::span<const int16_t> mono, int nRate)
{
    return platform::PcmWaveFile(mono, 1, nRate, true);
}
