// Helpers of the mixer tests: stream records written by hand, a synthesizer stand-in that
// notes at which frame each message reached it, and a stream client that notes the buffers
// handed back.
#pragma once

#include "platform/mixer.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace testmidi {

// Writes 12-byte records (delta, stream id 0, event word), little-endian.
class CRecords {
public:
    CRecords& Word(uint32_t n)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(uint8_t(n >> (8 * i)));
        return *this;
    }
    CRecords& Event(uint32_t nDelta, uint32_t nEvent) { return Word(nDelta).Word(0).Word(nEvent); }
    CRecords& Short(uint32_t nDelta, uint8_t status, uint8_t data1 = 0, uint8_t data2 = 0)
    {
        return Event(nDelta, uint32_t(status) | uint32_t(data1) << 8 | uint32_t(data2) << 16);
    }
    CRecords& NoteOn(uint32_t nDelta, uint8_t key) { return Short(nDelta, 0x90, key, 100); }
    CRecords& Tempo(uint32_t nDelta, uint32_t nTempo)
    {
        return Event(nDelta, platform::MEVT_TEMPO << 24 | nTempo);
    }
    CRecords& Nop(uint32_t nDelta) { return Event(nDelta, platform::MEVT_NOP << 24); }
    CRecords& Long(uint32_t nDelta, const std::vector<uint8_t>& data)
    {
        Event(nDelta, platform::MEVT_LONGMSG << 24 | uint32_t(data.size()));
        m_bytes.insert(m_bytes.end(), data.begin(), data.end());
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
        return *this;
    }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    std::vector<uint8_t>& Bytes() { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

// A buffer that owns its data, like the player's 1024-byte buffers.
struct CBuffer {
    explicit CBuffer(size_t nCapacity = 1024)
        : data(nCapacity)
    {
        Attach();
    }
    explicit CBuffer(const CRecords& records)
        : data(records.Bytes())
    {
        Set(records);
    }
    CBuffer(const CBuffer&) = delete;
    CBuffer& operator=(const CBuffer&) = delete;
    void Attach()
    {
        header.pData = data.data();
        header.nBufferLength = uint32_t(data.size());
        header.pUser = this;
    }
    // Puts the records in the buffer (growing it when they do not fit).
    void Set(const CRecords& records)
    {
        if (records.Bytes().size() > data.size())
            data.resize(records.Bytes().size());
        std::copy(records.Bytes().begin(), records.Bytes().end(), data.begin());
        Attach();
        header.nBytesRecorded = uint32_t(records.Bytes().size());
    }
    std::vector<uint8_t> data;
    platform::CMidiHeader header;
};

// What reached the synthesizer stand-in, and at which frame (the frames it had rendered).
struct CSynthEvent {
    uint64_t nFrame = 0;
    char kind = 's'; // 's' short, 'l' long, 'x' silence
    uint32_t nMessage = 0;
    std::vector<uint8_t> bytes;
};

struct CSynthLog {
    uint64_t nRendered = 0;
    std::vector<CSynthEvent> events;
    std::vector<int> renderCalls; // frames of each Render call
    float fLevel = 0.0f; // what every rendered sample adds
    std::vector<uint32_t> Shorts() const
    {
        std::vector<uint32_t> result;
        for (const CSynthEvent& e : events) {
            if (e.kind == 's')
                result.push_back(e.nMessage);
        }
        return result;
    }
    // The messages that reached the synthesizer, without the silences.
    size_t HeardCount() const
    {
        size_t n = 0;
        for (const CSynthEvent& e : events)
            n += e.kind != 'x' ? 1 : 0;
        return n;
    }
    std::vector<uint64_t> ShortFrames() const
    {
        std::vector<uint64_t> result;
        for (const CSynthEvent& e : events) {
            if (e.kind == 's')
                result.push_back(e.nFrame);
        }
        return result;
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
        m_log->events.push_back({ m_log->nRendered, 's', nMessage, {} });
    }
    void LongMessage(std::span<const uint8_t> data) override
    {
        m_log->events.push_back(
            { m_log->nRendered, 'l', 0, std::vector<uint8_t>(data.begin(), data.end()) });
    }
    void Silence() override { m_log->events.push_back({ m_log->nRendered, 'x', 0, {} }); }
    void Render(float* out, int nFrames) override
    {
        for (int i = 0; i < 2 * nFrames; ++i)
            out[i] += m_log->fLevel;
        m_log->nRendered += uint64_t(nFrames);
        m_log->renderCalls.push_back(nFrames);
    }

private:
    std::shared_ptr<CSynthLog> m_log;
};

// Notes each buffer handed back with the mixer's position at that moment; onDone, when set,
// runs afterwards (to queue the buffer again, say).
class CRecordingClient : public platform::IMidiStreamClient {
public:
    explicit CRecordingClient(platform::CAudioMixer& mixer)
        : m_mixer(mixer)
    {
    }
    void OnBufferDone(platform::CMidiHeader& header) override
    {
        done.push_back(&header);
        doneFrames.push_back(m_mixer.Position());
        doneFlags.push_back(header.nFlags);
        if (onDone)
            onDone(header);
    }
    std::vector<platform::CMidiHeader*> done;
    std::vector<uint64_t> doneFrames;
    std::vector<uint32_t> doneFlags;
    std::function<void(platform::CMidiHeader&)> onDone;

private:
    platform::CAudioMixer& m_mixer;
};

} // namespace testmidi
