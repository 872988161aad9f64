// Standard MIDI files built in the test, the frames their events must sound at, and a
// synthesizer stand-in that records what reached it and at which frame.
#pragma once

#include "platform/files.h"
#include "platform/mixer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace soundtest {

using Bytes = std::vector<uint8_t>;

// One track: events with deltas, written as they come.
class CTrack {
public:
    CTrack& Event(uint32_t delta, Bytes message)
    {
        Number(delta);
        m_bytes.insert(m_bytes.end(), message.begin(), message.end());
        return *this;
    }
    CTrack& Tempo(uint32_t delta, uint32_t tempo)
    {
        return Event(
            delta, { 0xFF, 0x51, 0x03, uint8_t(tempo >> 16), uint8_t(tempo >> 8), uint8_t(tempo) });
    }
    CTrack& Text(uint32_t delta, const std::string& text)
    {
        Bytes b = { 0xFF, 0x01, uint8_t(text.size()) };
        b.insert(b.end(), text.begin(), text.end());
        return Event(delta, b);
    }
    CTrack& End(uint32_t delta) { return Event(delta, { 0xFF, 0x2F, 0x00 }); }
    const Bytes& Get() const { return m_bytes; }

private:
    void Number(uint32_t v)
    {
        Bytes groups;
        do {
            groups.insert(groups.begin(), uint8_t(v & 0x7F));
            v >>= 7;
        } while (v != 0);
        for (size_t i = 0; i + 1 < groups.size(); ++i)
            groups[i] |= 0x80;
        m_bytes.insert(m_bytes.end(), groups.begin(), groups.end());
    }
    Bytes m_bytes;
};

inline Bytes Smf(uint16_t format, uint16_t division, const std::vector<CTrack>& tracks)
{
    Bytes b = { 'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, uint8_t(format), 0, uint8_t(tracks.size()),
        uint8_t(division >> 8), uint8_t(division) };
    for (const CTrack& track : tracks) {
        const Bytes& t = track.Get();
        b.insert(b.end(),
            { 'M', 'T', 'r', 'k', uint8_t(t.size() >> 24), uint8_t(t.size() >> 16),
                uint8_t(t.size() >> 8), uint8_t(t.size()) });
        b.insert(b.end(), t.begin(), t.end());
    }
    return b;
}

// The tempo map of a file: (tick, microseconds per quarter note), in tick order.
using TempoMap = std::vector<std::pair<uint64_t, uint32_t>>;

// The frame at which a tick sounds when tick 0 is at frame 0.
inline uint64_t FrameOfTick(uint64_t tick, const TempoMap& tempos, uint16_t division)
{
    unsigned __int128 sum = 0;
    uint64_t segment = 0;
    uint32_t tempo = 500000;
    for (const auto& [at, value] : tempos) {
        if (at > tick)
            break;
        sum += (unsigned __int128)(at - segment) * tempo;
        segment = at;
        tempo = value;
    }
    sum += (unsigned __int128)(tick - segment) * tempo;
    return static_cast<uint64_t>(sum * 44100 / ((unsigned __int128)division * 1000000));
}

// What reached the synthesizer, and when: the frame is the sum of the frames it was asked to
// render before the message came.
struct CHeard {
    uint64_t nFrame;
    uint32_t nMessage; // short messages; 0 for a long one
    Bytes data;
};

struct CSynthLog {
    std::vector<CHeard> heard;
    std::vector<uint64_t> silences;
    uint64_t nFrames = 0;
    std::vector<uint32_t> Messages() const
    {
        std::vector<uint32_t> out;
        for (const CHeard& h : heard)
            out.push_back(h.nMessage);
        return out;
    }
};

class CRecordingSynth : public platform::ISynth {
public:
    explicit CRecordingSynth(std::shared_ptr<CSynthLog> log)
        : m_log(std::move(log))
    {
    }
    void ShortMessage(uint32_t nMessage) override
    {
        m_log->heard.push_back({ m_log->nFrames, nMessage, {} });
    }
    void LongMessage(std::span<const uint8_t> data) override
    {
        m_log->heard.push_back({ m_log->nFrames, 0, Bytes(data.begin(), data.end()) });
    }
    void Silence() override { m_log->silences.push_back(m_log->nFrames); }
    void Render(float*, int nFrames) override { m_log->nFrames += static_cast<uint64_t>(nFrames); }

private:
    std::shared_ptr<CSynthLog> m_log;
};

// A folder of its own, removed at the end.
class CScratchFolder {
public:
    CScratchFolder()
        : m_strPath(platform::MakeTempDirectory("soundtest"))
    {
    }
    ~CScratchFolder() { std::filesystem::remove_all(m_strPath); }
    const std::string& Path() const { return m_strPath; }
    std::string Write(const std::string& name, const Bytes& bytes) const
    {
        const std::string path = m_strPath + "/" + name;
        platform::WriteWholeFile(path, bytes);
        return path;
    }

private:
    std::string m_strPath;
};

// A RIFF/WAVE file of 16-bit mono samples at 22.05 kHz.
inline Bytes MonoWave22k(const std::vector<int16_t>& samples)
{
    Bytes wave = { 'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0,
        0, 1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0, 'd', 'a', 't', 'a' };
    const uint32_t bytes = uint32_t(samples.size() * 2);
    for (int i = 0; i < 4; ++i)
        wave.push_back(uint8_t(bytes >> (8 * i)));
    for (int16_t s : samples) {
        wave.push_back(uint8_t(s));
        wave.push_back(uint8_t(uint16_t(s) >> 8));
    }
    return wave;
}

// The largest sample (absolute) of interleaved stereo frames [from, to).
inline int Peak(const std::vector<int16_t>& samples, size_t from, size_t to)
{
    int peak = 0;
    for (size_t i = from * 2; i < to * 2 && i < samples.size(); ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

// The times (ms) at which a sound begins: the envelope (peak of 1 ms blocks) rises above a
// tenth of the loudest block and above four times what it was 5 to 15 ms before; the onset
// is the first sample of that block above that level. After an onset, 50 ms pass before the
// next may come.
inline std::vector<double> OnsetsMs(const std::vector<int16_t>& samples)
{
    constexpr size_t kBlock = 44;
    std::vector<int> envelope;
    for (size_t at = 0; at + kBlock <= samples.size() / 2; at += kBlock)
        envelope.push_back(Peak(samples, at, at + kBlock));
    const int loudest = *std::max_element(envelope.begin(), envelope.end());
    std::vector<double> onsets;
    size_t next = 0;
    for (size_t i = 1; i < envelope.size(); ++i) {
        if (i < next)
            continue;
        const int before = i < 15
            ? 0
            : *std::min_element(envelope.begin() + long(i) - 15, envelope.begin() + long(i) - 5);
        const int level = std::max(loudest / 10, 4 * before);
        if (envelope[i] <= level)
            continue;
        // The first sample above the level, in this block or the one before.
        size_t frame = (i - 1) * kBlock;
        while (frame < (i + 1) * kBlock && std::abs(samples[frame * 2]) <= level)
            ++frame;
        onsets.push_back(double(frame) * 1000.0 / 44100);
        next = i + 50;
    }
    return onsets;
}

// Eight strokes of a wood block on the drum channel (a sharp attack, a short decay) at
// irregular ticks, 96 to a quarter, with a tempo change between them; and the times (ms) at
// which the file's schedule puts them.
struct CStrokes {
    Bytes file;
    std::vector<double> expectedMs;
};

inline CStrokes WoodBlockStrokes()
{
    const uint64_t ticks[] = { 0, 150, 320, 460, 670, 830, 1020, 1165 };
    const TempoMap tempos = { { 610, 400000 } };
    struct CTimed {
        uint64_t tick;
        Bytes message;
    };
    std::vector<CTimed> events = { { 610, { 0xFF, 0x51, 0x03, 0x06, 0x1A, 0x80 } } };
    for (uint64_t tick : ticks) {
        events.push_back({ tick, { 0x99, 76, 110 } });
        events.push_back({ tick + 30, { 0x89, 76, 0 } });
    }
    std::stable_sort(events.begin(), events.end(),
        [](const CTimed& a, const CTimed& b) { return a.tick < b.tick; });
    CTrack track;
    uint64_t last = 0;
    for (const CTimed& e : events) {
        track.Event(uint32_t(e.tick - last), e.message);
        last = e.tick;
    }
    track.End(400);
    CStrokes strokes;
    strokes.file = Smf(0, 96, { track });
    for (uint64_t tick : ticks)
        strokes.expectedMs.push_back(double(FrameOfTick(tick, tempos, 96)) * 1000.0 / 44100);
    return strokes;
}

} // namespace soundtest
