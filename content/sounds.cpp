#include "content/sounds.h"

#include <algorithm>
#include <cmath>

namespace content {

namespace {

constexpr double kPi = 3.14159265358979323846;

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutBE32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>((v >> shift) & 0xFF));
}

void PutTag(std::vector<uint8_t>& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

// A small fixed-seed generator, so the noise is the same on every run.
struct Noise {
    uint32_t state = 0x2545F491u;
    double Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 4294967295.0 * 2.0 - 1.0;
    }
};

double KeyFrequency(double key)
{
    return 440.0 * std::pow(2.0, (key - 69.0) / 12.0);
}

// Adds a bell-like tone: a few inharmonic partials with their own decays.
void AddBell(std::vector<double>& buffer, double start, double frequency, double gain)
{
    static const double partials[][3]
        = { { 1.0, 1.0, 1.6 }, { 2.0, 0.45, 2.8 }, { 2.76, 0.25, 4.0 }, { 5.4, 0.12, 7.0 } };
    size_t first = static_cast<size_t>(start * kWaveRate);
    for (size_t i = first; i < buffer.size(); ++i) {
        double t = static_cast<double>(i - first) / kWaveRate;
        double attack = std::min(1.0, t * 400.0);
        double value = 0;
        for (const auto& p : partials)
            value += p[1] * std::exp(-t * p[2]) * std::sin(2 * kPi * frequency * p[0] * t);
        buffer[i] += gain * attack * value;
    }
}

// Adds a brass-like note: a few harmonics with a soft attack and release.
void AddBrass(
    std::vector<double>& buffer, double start, double length, double frequency, double gain)
{
    size_t first = static_cast<size_t>(start * kWaveRate);
    size_t count = static_cast<size_t>(length * kWaveRate);
    for (size_t n = 0; n < count && first + n < buffer.size(); ++n) {
        double t = static_cast<double>(n) / kWaveRate;
        double envelope = std::min(1.0, t * 30.0) * std::min(1.0, (length - t) * 12.0);
        double vibrato = 1.0 + 0.004 * std::sin(2 * kPi * 5.5 * t);
        double value = 0;
        for (int h = 1; h <= 6; ++h)
            value += std::sin(2 * kPi * frequency * vibrato * h * t) / (h * 0.9);
        buffer[first + n] += gain * envelope * value;
    }
}

std::vector<int16_t> ToSamples(const std::vector<double>& buffer)
{
    double peak = 1e-9;
    for (double v : buffer)
        peak = std::max(peak, std::fabs(v));
    double scale = 0.8 * 32767.0 / peak;
    std::vector<int16_t> samples(buffer.size());
    for (size_t i = 0; i < buffer.size(); ++i)
        samples[i] = static_cast<int16_t>(std::lround(buffer[i] * scale));
    // A short fade at both ends so no click starts or ends the sound.
    size_t fade = std::min<size_t>(samples.size() / 2, 64);
    for (size_t i = 0; i < fade; ++i) {
        double f = static_cast<double>(i) / static_cast<double>(fade);
        samples[i] = static_cast<int16_t>(samples[i] * f);
        samples[samples.size() - 1 - i] = static_cast<int16_t>(samples[samples.size() - 1 - i] * f);
    }
    return samples;
}

std::vector<double> Seconds(double s)
{
    return std::vector<double>(static_cast<size_t>(s * kWaveRate), 0.0);
}

std::vector<int16_t> Applause()
{
    // Many hands: each clap is a short burst of bright noise; the crowd swells and fades.
    auto buffer = Seconds(2.6);
    Noise noise;
    Noise timing;
    timing.state = 0x9E3779B9u;
    for (int clap = 0; clap < 260; ++clap) {
        double start = (timing.Next() * 0.5 + 0.5) * 2.3;
        double gain = 0.4 + 0.3 * (timing.Next() * 0.5 + 0.5);
        size_t first = static_cast<size_t>(start * kWaveRate);
        double last = 0;
        for (size_t n = 0; n < 700 && first + n < buffer.size(); ++n) {
            double t = static_cast<double>(n) / kWaveRate;
            double white = noise.Next();
            double bright = white - 0.6 * last; // a gentle high-pass: claps are bright
            last = white;
            buffer[first + n] += gain * std::exp(-t * 160.0) * bright;
        }
    }
    for (size_t i = 0; i < buffer.size(); ++i) {
        double t = static_cast<double>(i) / kWaveRate;
        buffer[i] *= std::min(1.0, t * 4.0) * std::min(1.0, (2.6 - t) * 1.6);
    }
    return ToSamples(buffer);
}

std::vector<int16_t> Chimes()
{
    auto buffer = Seconds(2.4);
    const double keys[] = { 84, 88, 91, 96, 91, 88, 96 };
    for (int i = 0; i < 7; ++i)
        AddBell(buffer, i * 0.16, KeyFrequency(keys[i]), i == 6 ? 0.9 : 0.6);
    return ToSamples(buffer);
}

std::vector<int16_t> Pop()
{
    auto buffer = Seconds(0.22);
    Noise noise;
    double phase = 0;
    for (size_t i = 0; i < buffer.size(); ++i) {
        double t = static_cast<double>(i) / kWaveRate;
        double frequency = 900.0 * std::exp(-t * 18.0) + 180.0;
        phase += 2 * kPi * frequency / kWaveRate;
        buffer[i]
            = std::exp(-t * 28.0) * std::sin(phase) + 0.5 * std::exp(-t * 300.0) * noise.Next();
    }
    return ToSamples(buffer);
}

std::vector<int16_t> Boing()
{
    auto buffer = Seconds(0.8);
    double phase = 0;
    for (size_t i = 0; i < buffer.size(); ++i) {
        double t = static_cast<double>(i) / kWaveRate;
        double frequency
            = 140.0 + 90.0 * std::exp(-t * 3.0) * std::sin(2 * kPi * 11.0 * t) + 60.0 * t;
        phase += 2 * kPi * frequency / kWaveRate;
        buffer[i] = std::exp(-t * 4.5) * (std::sin(phase) + 0.3 * std::sin(2 * phase));
    }
    return ToSamples(buffer);
}

std::vector<int16_t> Twinkle()
{
    auto buffer = Seconds(1.3);
    const double keys[] = { 91, 95, 98, 103, 107 };
    for (int i = 0; i < 5; ++i)
        AddBell(buffer, i * 0.07, KeyFrequency(keys[i]), 0.5);
    return ToSamples(buffer);
}

std::vector<int16_t> Fanfare()
{
    auto buffer = Seconds(1.9);
    // G C E G, the last one held: a short call of trumpets.
    const double keys[] = { 67, 72, 76, 79 };
    const double starts[] = { 0.0, 0.18, 0.36, 0.54 };
    const double lengths[] = { 0.16, 0.16, 0.16, 1.2 };
    for (int i = 0; i < 4; ++i) {
        AddBrass(buffer, starts[i], lengths[i], KeyFrequency(keys[i]), 0.5);
        AddBrass(buffer, starts[i], lengths[i], KeyFrequency(keys[i] - 12), 0.25);
    }
    return ToSamples(buffer);
}

void PutVariable(std::vector<uint8_t>& out, uint32_t value)
{
    uint8_t bytes[5];
    int n = 0;
    bytes[n++] = value & 0x7F;
    while ((value >>= 7) != 0)
        bytes[n++] = static_cast<uint8_t>((value & 0x7F) | 0x80);
    while (n > 0)
        out.push_back(bytes[--n]);
}

struct Event {
    uint32_t nTick;
    int nOrder; // note-offs before note-ons at the same tick
    std::vector<uint8_t> bytes;
};

void AddVoice(
    std::vector<Event>& events, const std::vector<Note>& notes, uint8_t channel, uint8_t velocity)
{
    uint32_t tick = 0;
    for (const Note& note : notes) {
        if (note.nKey > 0) {
            // Notes are held a little short of their length so repeated notes stay apart.
            uint32_t held = static_cast<uint32_t>(note.nTicks * 9 / 10);
            auto key = static_cast<uint8_t>(note.nKey);
            events.push_back({ tick, 1, { static_cast<uint8_t>(0x90 | channel), key, velocity } });
            events.push_back({ tick + held, 0, { static_cast<uint8_t>(0x80 | channel), key, 0 } });
        }
        tick += static_cast<uint32_t>(note.nTicks);
    }
}

} // namespace

std::vector<uint8_t> WaveFile(const std::vector<int16_t>& samples)
{
    std::vector<uint8_t> out;
    uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataSize);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, kWaveRate);
    Put32(out, kWaveRate * 2); // bytes a second
    Put16(out, 2); // block alignment
    Put16(out, 16); // bits a sample
    PutTag(out, "data");
    Put32(out, dataSize);
    for (int16_t s : samples)
        Put16(out, static_cast<uint16_t>(s));
    return out;
}

std::vector<int16_t> WaveSamples(const std::string& name)
{
    if (name == "applause")
        return Applause();
    if (name == "chimes")
        return Chimes();
    if (name == "pop")
        return Pop();
    if (name == "boing")
        return Boing();
    if (name == "twinkle")
        return Twinkle();
    if (name == "fanfare")
        return Fanfare();
    return {};
}

Tune TuneByName(const std::string& name)
{
    constexpr int q = 480, h = 960, e = 240, dq = 720, w = 1920;
    // Key numbers: C4 = 60.
    enum {
        C3 = 48,
        D3 = 50,
        F3 = 53,
        G3 = 55,
        C4 = 60,
        D4 = 62,
        E4 = 64,
        F4 = 65,
        G4 = 67,
        A4 = 69,
        B4 = 71,
        C5 = 72,
        D5 = 74,
        E5 = 76,
        F5 = 77,
        G5 = 79
    };
    Tune tune;
    if (name == "birthday") {
        tune = { "Happy Birthday", {}, 0, 600000, {} };
        tune.melody = { { G4, 360 }, { G4, 120 }, { A4, q }, { G4, q }, { C5, q }, { B4, h },
            { G4, 360 }, { G4, 120 }, { A4, q }, { G4, q }, { D5, q }, { C5, h }, { G4, 360 },
            { G4, 120 }, { G5, q }, { E5, q }, { C5, q }, { B4, q }, { A4, q }, { F5, 360 },
            { F5, 120 }, { E5, q }, { C5, q }, { D5, q }, { C5, h + q } };
        // Three-four time with a pick-up: one bass note for each bar.
        tune.bass = { { 0, q }, { C3, 3 * q }, { G3, 3 * q }, { G3, 3 * q }, { C3, 3 * q },
            { C3, 3 * q }, { F3, 3 * q }, { G3, 3 * q }, { C3, 3 * q } };
    } else if (name == "jinglebells") {
        tune = { "Jingle Bells", {}, 10, 460000, {} };
        tune.melody = { { E4, q }, { E4, q }, { E4, h }, { E4, q }, { E4, q }, { E4, h }, { E4, q },
            { G4, q }, { C4, dq }, { D4, e }, { E4, w }, { F4, q }, { F4, q }, { F4, dq },
            { F4, e }, { F4, q }, { E4, q }, { E4, q }, { E4, e }, { E4, e }, { E4, q }, { D4, q },
            { D4, q }, { E4, q }, { D4, h }, { G4, h }, { E4, q }, { E4, q }, { E4, h }, { E4, q },
            { E4, q }, { E4, h }, { E4, q }, { G4, q }, { C4, dq }, { D4, e }, { E4, w }, { F4, q },
            { F4, q }, { F4, dq }, { F4, e }, { F4, q }, { E4, q }, { E4, q }, { E4, e }, { E4, e },
            { G4, q }, { G4, q }, { F4, q }, { D4, q }, { C4, w } };
        tune.bass = { { C3, w }, { C3, w }, { C3, w }, { C3, w }, { F3, w }, { C3, w }, { D3, w },
            { G3, w }, { C3, w }, { C3, w }, { C3, w }, { C3, w }, { F3, w }, { C3, w }, { G3, w },
            { C3, w } };
    } else if (name == "odetojoy") {
        tune = { "Ode to Joy", {}, 48, 520000, {} };
        tune.melody = { { E4, q }, { E4, q }, { F4, q }, { G4, q }, { G4, q }, { F4, q }, { E4, q },
            { D4, q }, { C4, q }, { C4, q }, { D4, q }, { E4, q }, { E4, dq }, { D4, e }, { D4, h },
            { E4, q }, { E4, q }, { F4, q }, { G4, q }, { G4, q }, { F4, q }, { E4, q }, { D4, q },
            { C4, q }, { C4, q }, { D4, q }, { E4, q }, { D4, dq }, { C4, e }, { C4, h } };
        tune.bass = { { C3, w }, { G3, w }, { C3, w }, { G3, h }, { G3, h }, { C3, w }, { G3, w },
            { C3, w }, { G3, h }, { C3, h } };
    } else if (name == "twinkle") {
        tune = { "Twinkle, Twinkle, Little Star", {}, 9, 540000, {} };
        tune.melody = { { C4, q }, { C4, q }, { G4, q }, { G4, q }, { A4, q }, { A4, q }, { G4, h },
            { F4, q }, { F4, q }, { E4, q }, { E4, q }, { D4, q }, { D4, q }, { C4, h }, { G4, q },
            { G4, q }, { F4, q }, { F4, q }, { E4, q }, { E4, q }, { D4, h }, { G4, q }, { G4, q },
            { F4, q }, { F4, q }, { E4, q }, { E4, q }, { D4, h }, { C4, q }, { C4, q }, { G4, q },
            { G4, q }, { A4, q }, { A4, q }, { G4, h }, { F4, q }, { F4, q }, { E4, q }, { E4, q },
            { D4, q }, { D4, q }, { C4, h } };
        tune.bass = { { C3, w }, { F3, h }, { C3, h }, { F3, h }, { C3, h }, { G3, h }, { C3, h },
            { C3, h }, { G3, h }, { C3, h }, { G3, h }, { C3, h }, { G3, h }, { C3, h }, { G3, h },
            { C3, w }, { F3, h }, { C3, h }, { F3, h }, { C3, h }, { G3, h }, { C3, h } };
    }
    return tune;
}

std::vector<uint8_t> MidiFile(const Tune& tune)
{
    std::vector<Event> events;
    // Tempo, then the programmes of both channels.
    uint32_t tempo = static_cast<uint32_t>(tune.nQuarterMicros);
    events.push_back({ 0, -2,
        { 0xFF, 0x51, 0x03, static_cast<uint8_t>(tempo >> 16), static_cast<uint8_t>(tempo >> 8),
            static_cast<uint8_t>(tempo) } });
    events.push_back({ 0, -1, { 0xC0, static_cast<uint8_t>(tune.nProgram) } });
    events.push_back({ 0, -1, { 0xC1, 32 } }); // acoustic bass
    events.push_back({ 0, -1, { 0xB1, 7, 80 } });
    AddVoice(events, tune.melody, 0, 100);
    AddVoice(events, tune.bass, 1, 70);
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.nTick != b.nTick ? a.nTick < b.nTick : a.nOrder < b.nOrder;
    });

    std::vector<uint8_t> track;
    // The track's name first.
    PutVariable(track, 0);
    track.push_back(0xFF);
    track.push_back(0x03);
    PutVariable(track, static_cast<uint32_t>(tune.strTitle.size()));
    track.insert(track.end(), tune.strTitle.begin(), tune.strTitle.end());
    uint32_t last = 0;
    for (const Event& event : events) {
        PutVariable(track, event.nTick - last);
        last = event.nTick;
        track.insert(track.end(), event.bytes.begin(), event.bytes.end());
    }
    PutVariable(track, 480); // a beat of silence before the end
    track.insert(track.end(), { 0xFF, 0x2F, 0x00 });

    std::vector<uint8_t> out;
    PutTag(out, "MThd");
    PutBE32(out, 6);
    out.insert(out.end(), { 0x00, 0x00, 0x00, 0x01, 0x01, 0xE0 }); // format 0, one track, 480
    PutTag(out, "MTrk");
    PutBE32(out, static_cast<uint32_t>(track.size()));
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

} // namespace content
