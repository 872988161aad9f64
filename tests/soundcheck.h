// Measures for the sound a greeting makes: where a known voice is in a track, and how loud the
// music under it is. Tracks are doubles at 44.1 kHz.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace soundcheck {

// One channel of interleaved 16-bit little-endian samples, from byte `offset` on.
inline std::vector<double> Channel(
    const std::string& bytes, int nChannels, int nChannel = 0, size_t offset = 0)
{
    std::vector<double> out;
    const size_t frame = 2 * size_t(nChannels);
    for (size_t i = offset + 2 * size_t(nChannel); i + 1 < bytes.size(); i += frame)
        out.push_back(int16_t(uint16_t(uint8_t(bytes[i])) | uint16_t(uint8_t(bytes[i + 1])) << 8));
    return out;
}

inline double Rms(const std::vector<double>& x, size_t from, size_t to)
{
    to = std::min(to, x.size());
    if (from >= to)
        return 0;
    double sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += x[i] * x[i];
    return std::sqrt(sum / double(to - from));
}

// The pitch of a plain tone in x[from, to) sampled at nRate Hz: its zero crossings (from below
// to above or back) counted, two a period.
inline double Pitch(const std::vector<double>& x, size_t from, size_t to, int nRate)
{
    to = std::min(to, x.size());
    if (from + 1 >= to)
        return 0;
    size_t crossings = 0;
    for (size_t i = from + 1; i < to; ++i)
        crossings += (x[i - 1] < 0) != (x[i] < 0);
    return double(crossings) / 2 / (double(to - from) / nRate);
}

// A voice no instrument of the tunes reaches: a sweep from 4 to 8 kHz, `amplitude` high.
inline std::vector<int16_t> HighSweep(size_t nSamples, double amplitude = 8000)
{
    std::vector<int16_t> sweep;
    const double seconds = double(nSamples) / 44100;
    for (size_t i = 0; i < nSamples; ++i) {
        const double t = double(i) / 44100;
        const double phase = 4000 * t + 4000 * t * t / (2 * seconds);
        sweep.push_back(int16_t(std::lround(amplitude * std::sin(2 * std::numbers::pi * phase))));
    }
    return sweep;
}

// The lag in [from, to] at which `probe` fits `track` best (the largest cross-correlation),
// and how well, as the normalised correlation at that lag (1 for the probe alone).
struct Fit {
    size_t nLag = 0;
    double fit = 0;
};
inline Fit BestFit(const std::vector<double>& track, const std::vector<double>& probe, size_t from,
    size_t to)
{
    Fit best;
    double bestSum = -1e300;
    if (probe.empty() || track.size() < probe.size())
        return best;
    to = std::min(to, track.size() - probe.size());
    for (size_t lag = from; lag <= to; ++lag) {
        double sum = 0;
        for (size_t k = 0; k < probe.size(); ++k)
            sum += track[lag + k] * probe[k];
        if (sum > bestSum) {
            bestSum = sum;
            best.nLag = lag;
        }
    }
    double energy = 0, own = 0;
    for (size_t k = 0; k < probe.size(); ++k) {
        energy += track[best.nLag + k] * track[best.nLag + k];
        own += probe[k] * probe[k];
    }
    best.fit = bestSum / std::sqrt(energy * own + 1e-9);
    return best;
}

// The track through a fourth-order low-pass at `cutoff` Hz (two Butterworth sections), which
// keeps a tune's notes and takes a 4 kHz sweep down by about 48 dB.
inline std::vector<double> LowPassed(const std::vector<double>& x, double cutoff)
{
    const double w = 2 * std::numbers::pi * cutoff / 44100;
    std::vector<double> y = x;
    for (double q : { 0.5412, 1.3066 }) {
        const double alpha = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + alpha;
        const double b0 = (1 - c) / 2 / a0, b1 = (1 - c) / a0, b2 = b0;
        const double a1 = -2 * c / a0, a2 = (1 - alpha) / a0;
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (double& v : y) {
            const double out = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = v;
            y2 = y1;
            y1 = out;
            v = out;
        }
    }
    return y;
}

} // namespace soundcheck
