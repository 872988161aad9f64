#include "platform/audiodevice.h"
#include "platform/mixer.h"
#include "tests/platform/midirecords.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <optional>
#include <thread>
#include <unistd.h>

using namespace platform;
using testmidi::CBuffer;
using testmidi::CRecordingClient;
using testmidi::CRecordingSynth;
using testmidi::CRecords;
using testmidi::CSynthLog;

namespace {

// The frame of a tick under a tempo map, walked segment by segment the long way.
struct CTempoChange {
    uint64_t nTick;
    uint32_t nTempo;
};

uint64_t ReferenceFrame(uint64_t tick, uint32_t nPpqn, const std::vector<CTempoChange>& map)
{
    unsigned __int128 microTicks = 0; // microseconds x ticks per quarter note
    uint64_t last = 0;
    uint32_t tempo = 500000;
    for (const CTempoChange& change : map) {
        if (change.nTick > tick)
            break;
        microTicks += (unsigned __int128)(change.nTick - last) * tempo;
        last = change.nTick;
        tempo = change.nTempo;
    }
    microTicks += (unsigned __int128)(tick - last) * tempo;
    return uint64_t(microTicks * 44100 / ((unsigned __int128)nPpqn * 1000000));
}

// A small fixed-seed generator, so every run plays the same tune.
class CLcg {
public:
    explicit CLcg(uint32_t seed)
        : m_n(seed)
    {
    }
    uint32_t Next(uint32_t nBelow)
    {
        m_n = m_n * 1664525u + 1013904223u;
        return (m_n >> 8) % nBelow;
    }

private:
    uint32_t m_n;
};

class MixerStreamTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(m_mixer.OpenStream(m_client), MMSYSERR_NOERROR); }

    // Renders n frames in calls of chunk frames; returns what the calls returned in all.
    uint64_t RenderFrames(uint64_t n, size_t chunk = 1000, bool bStopWhenDrained = false)
    {
        std::vector<int16_t> out(2 * chunk);
        uint64_t total = 0;
        while (total < n) {
            size_t want = size_t(std::min<uint64_t>(chunk, n - total));
            size_t got = m_mixer.Render(out.data(), want, bStopWhenDrained);
            total += got;
            if (got < want)
                break;
        }
        return total;
    }

    std::shared_ptr<CSynthLog> m_log = std::make_shared<CSynthLog>();
    CAudioMixer m_mixer { std::make_unique<CRecordingSynth>(m_log) };
    CRecordingClient m_client { m_mixer };
};

// ---- When events play -------------------------------------------------------------------

TEST_F(MixerStreamTest, EventsPlayAtTheFramesOfTheirTicksAcrossTempoChanges)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer buffer(CRecords()
                       .NoteOn(0, 60)
                       .NoteOn(96, 61) // tick 96: half a second
                       .Tempo(0, 300000) // from tick 96 a quarter lasts 0.3 s
                       .NoteOn(96, 62) // tick 192
                       .Tempo(0, 1000000) // from tick 192 a quarter lasts 1 s
                       .NoteOn(1, 63) // tick 193
                       .NoteOn(7, 64)); // tick 200
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(60000, 317);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 0, 22050, 35280, 35739, 38955 }));
    EXPECT_EQ(m_log->Shorts(),
        (std::vector<uint32_t> { 0x643C90, 0x643D90, 0x643E90, 0x643F90, 0x644090 }));
}

TEST_F(MixerStreamTest, SmallDeltasDoNotAddUpTheirRounding)
{
    // At 480 ticks per quarter a tick is 45.9375 frames: rounding each delta would lose
    // almost a frame per event.
    ASSERT_EQ(m_mixer.SetTimeDivision(480), 0);
    CRecords records;
    for (int i = 0; i < 80; ++i)
        records.NoteOn(1, 60);
    CBuffer buffer(records);
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(5000, 64);
    std::vector<uint64_t> frames = m_log->ShortFrames();
    ASSERT_EQ(frames.size(), 80u);
    for (uint64_t k = 1; k <= 80; ++k)
        EXPECT_EQ(frames[k - 1], k * 459375 / 10000) << "event " << k;
    EXPECT_EQ(frames.back(), 3675u);
}

// Tunes generated with a fixed seed, tempo changes among the notes, checked against the tempo
// map walked independently.
struct CTuneCase {
    uint32_t nPpqn;
    uint32_t nSeed;
    size_t nChunk;
};

class MixerTuneTest : public MixerStreamTest, public testing::WithParamInterface<CTuneCase> { };

TEST_P(MixerTuneTest, EveryEventPlaysAtTheFrameTheTempoMapGives)
{
    const CTuneCase& param = GetParam();
    ASSERT_EQ(m_mixer.SetTimeDivision(param.nPpqn), 0);
    CLcg random(param.nSeed);
    CRecords records;
    std::vector<CTempoChange> map;
    std::vector<uint64_t> noteTicks;
    uint64_t tick = 0;
    for (int i = 0; i < 70; ++i) {
        uint32_t delta = random.Next(4) == 0 ? 0 : random.Next(param.nPpqn);
        tick += delta;
        if (random.Next(5) == 0) {
            uint32_t tempo = 200000 + random.Next(1000000);
            records.Tempo(delta, tempo);
            map.push_back({ tick, tempo });
        } else {
            records.NoteOn(delta, uint8_t(40 + i));
            noteTicks.push_back(tick);
        }
    }
    CBuffer buffer(records);
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    uint64_t end = ReferenceFrame(tick, param.nPpqn, map) + 10;
    RenderFrames(end, param.nChunk);
    std::vector<uint64_t> frames = m_log->ShortFrames();
    ASSERT_EQ(frames.size(), noteTicks.size());
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], ReferenceFrame(noteTicks[i], param.nPpqn, map)) << "note " << i;
    ASSERT_EQ(m_client.done.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Divisions, MixerTuneTest,
    testing::Values(CTuneCase { 480, 1, 1000 }, CTuneCase { 480, 7, 1 }, CTuneCase { 96, 3, 441 },
        CTuneCase { 96, 11, 4096 }, CTuneCase { 24, 5, 333 }));

TEST_F(MixerStreamTest, SmpteDivisionCountsFramesOfFilmAndIgnoresTempo)
{
    // 25 frames per second, 40 ticks per frame: a tick lasts a millisecond, 44.1 frames.
    ASSERT_EQ(m_mixer.SetTimeDivision(uint32_t(uint8_t(-25)) << 8 | 40), 0);
    CBuffer buffer(CRecords()
                       .NoteOn(1, 60) // tick 1
                       .NoteOn(1, 61) // tick 2
                       .Tempo(0, 100000) // means nothing here
                       .NoteOn(7, 62) // tick 9
                       .NoteOn(1000, 63)); // tick 1009
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(50000, 500);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 44, 88, 396, 44496 }));
}

TEST_F(MixerStreamTest, SmpteTwentyNineMeansTheDropFrameRate)
{
    // 29.97 frames per second, one tick per frame: 2997 ticks are exactly 100 seconds.
    ASSERT_EQ(m_mixer.SetTimeDivision(uint32_t(uint8_t(-29)) << 8 | 1), 0);
    CBuffer buffer(CRecords().NoteOn(1, 60).NoteOn(2996, 61));
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(4410001, 8192);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 1471, 4410000 }));
}

TEST_F(MixerStreamTest, TickZeroIsTheFrameRenderedNextWhenTheRunStarts)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer buffer(CRecords().NoteOn(0, 60).NoteOn(96, 61));
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    RenderFrames(1000); // queued, not started: nothing plays
    EXPECT_TRUE(m_log->events.empty());
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(1000);
    ASSERT_EQ(m_mixer.Restart(), 0); // goes on: the run keeps its start
    RenderFrames(30000);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 1000, 23050 }));
}

TEST_F(MixerStreamTest, SynthRendersUpToAnEventBeforeItArrives)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer buffer(CRecords().NoteOn(10, 60)); // frame 2296 (10 x 229.6875)
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    std::vector<int16_t> out(2 * 2296);
    EXPECT_EQ(m_mixer.Render(out.data(), 2296), 2296u);
    // The event falls on the frame right after this call: it is taken before the call ends,
    // with all 2296 frames before it rendered. Its buffer was the last: the run is over and
    // the synthesizer falls silent.
    ASSERT_EQ(m_log->events.size(), 2u);
    EXPECT_EQ(m_log->events[0].nFrame, 2296u);
    EXPECT_EQ(m_log->events[1].kind, 'x');
    uint64_t sum = 0;
    for (int n : m_log->renderCalls)
        sum += uint64_t(n);
    EXPECT_EQ(sum, 2296u);
}

TEST_F(MixerStreamTest, NopRecordsOnlyPassTime)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(480), 0);
    CBuffer buffer(CRecords().Nop(240).Nop(240).NoteOn(0, 60).Nop(480));
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(50000);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 22050 }));
    ASSERT_EQ(m_log->events.size(), 2u);
    ASSERT_EQ(m_client.doneFrames.size(), 1u);
    EXPECT_EQ(m_client.doneFrames[0], 44100u); // the buffer ends with its last NOP
    // and with it the run, which silences every channel at that frame
    EXPECT_EQ(m_log->events[1].kind, 'x');
    EXPECT_EQ(m_log->events[1].nFrame, 44100u);
}

TEST_F(MixerStreamTest, LongMessagesReachTheSynthWithTheirBytes)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    std::vector<uint8_t> gmOn { 0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7 };
    std::vector<uint8_t> odd { 0xF0, 0x41, 0x10, 0x42, 0x12 };
    std::vector<uint8_t> rest { 0x40, 0x00, 0x7F, 0xF7 };
    CBuffer buffer(
        CRecords().Long(0, gmOn).NoteOn(0, 60).Long(96, odd).Long(0, rest).NoteOn(0, 61));
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(30000);
    ASSERT_EQ(m_log->events.size(), 6u); // the last is the silence at the end of the run
    EXPECT_EQ(m_log->events[0].kind, 'l');
    EXPECT_EQ(m_log->events[0].bytes, gmOn);
    EXPECT_EQ(m_log->events[1].nMessage, 0x643C90u); // the padding was skipped
    EXPECT_EQ(m_log->events[2].kind, 'l');
    EXPECT_EQ(m_log->events[2].bytes, odd);
    EXPECT_EQ(m_log->events[2].nFrame, 22050u);
    EXPECT_EQ(m_log->events[3].bytes, rest);
    EXPECT_EQ(m_log->events[4].nMessage, 0x643D90u);
    EXPECT_EQ(m_log->events[4].nFrame, 22050u);
}

TEST_F(MixerStreamTest, LongKindsOtherThanMessagesAreSkippedWithTheirData)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CRecords records;
    records.Event(0, 0x82000000u | 5); // a comment of five bytes
    for (uint8_t b : { 1, 2, 3, 4, 5, 0, 0, 0 })
        records.Bytes().push_back(b);
    records.Event(0, 0x40000000u | 0x643C90); // a short message asking for a callback
    CBuffer buffer(records);
    ASSERT_EQ(m_mixer.Out(buffer.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(100);
    EXPECT_EQ(m_log->Shorts(), (std::vector<uint32_t> { 0x643C90 }));
    EXPECT_EQ(m_log->HeardCount(), 1u);
}

// ---- Buffers handed back ----------------------------------------------------------------

TEST_F(MixerStreamTest, BuffersComeBackInOrderWhenTheirLastRecordHasPlayed)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer a(CRecords().NoteOn(0, 60).NoteOn(96, 61));
    CBuffer b(CRecords().NoteOn(96, 62));
    CBuffer c(CRecords().NoteOn(48, 63));
    for (CBuffer* buffer : { &a, &b, &c }) {
        ASSERT_EQ(m_mixer.Out(buffer->header), 0);
        EXPECT_EQ(buffer->header.nFlags & (MHDR_INQUEUE | MHDR_DONE), MHDR_INQUEUE);
    }
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(60000, 777);
    EXPECT_EQ(m_client.done, (std::vector<CMidiHeader*> { &a.header, &b.header, &c.header }));
    EXPECT_EQ(m_client.doneFrames, (std::vector<uint64_t> { 22050, 44100, 55125 }));
    for (uint32_t flags : m_client.doneFlags)
        EXPECT_EQ(flags & (MHDR_INQUEUE | MHDR_DONE), MHDR_DONE);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 0, 22050, 44100, 55125 }));
}

TEST_F(MixerStreamTest, AClientRefillingFromTheCallbackKeepsTheTicksRunning)
{
    // Two small buffers of four records each carry a long tune: the ticks go on from buffer
    // to buffer, as if it were one.
    ASSERT_EQ(m_mixer.SetTimeDivision(120), 0);
    CLcg random(42);
    struct CItem {
        uint32_t nDelta;
        bool bTempo;
        uint32_t nValue;
    };
    std::vector<CItem> tune;
    std::vector<CTempoChange> map;
    std::vector<uint64_t> noteTicks;
    uint64_t tick = 0;
    for (int i = 0; i < 150; ++i) {
        uint32_t delta = random.Next(3) == 0 ? 0 : random.Next(100);
        tick += delta;
        if (random.Next(6) == 0) {
            uint32_t tempo = 300000 + random.Next(500000);
            tune.push_back({ delta, true, tempo });
            map.push_back({ tick, tempo });
        } else {
            tune.push_back({ delta, false, uint32_t(30 + i % 60) });
            noteTicks.push_back(tick);
        }
    }
    size_t next = 0;
    auto fill = [&](CBuffer& buffer) {
        CRecords records;
        for (int n = 0; n < 4 && next < tune.size(); ++n, ++next) {
            if (tune[next].bTempo)
                records.Tempo(tune[next].nDelta, tune[next].nValue);
            else
                records.NoteOn(tune[next].nDelta, uint8_t(tune[next].nValue));
        }
        buffer.Set(records);
        return !records.Bytes().empty();
    };
    CBuffer a(48), b(48);
    m_client.onDone = [&](CMidiHeader& header) {
        CBuffer& buffer = *static_cast<CBuffer*>(header.pUser);
        if (fill(buffer)) {
            EXPECT_EQ(m_mixer.Out(header), 0);
        }
    };
    ASSERT_TRUE(fill(a));
    ASSERT_TRUE(fill(b));
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Out(b.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    uint64_t end = ReferenceFrame(tick, 120, map);
    EXPECT_EQ(RenderFrames(end + 100000, 1024, true), end);
    std::vector<uint64_t> frames = m_log->ShortFrames();
    ASSERT_EQ(frames.size(), noteTicks.size());
    for (size_t i = 0; i < frames.size(); ++i)
        EXPECT_EQ(frames[i], ReferenceFrame(noteTicks[i], 120, map)) << "note " << i;
    EXPECT_EQ(m_client.done.size(), (tune.size() + 3) / 4);
}

TEST_F(MixerStreamTest, StopSilencesAndHandsEveryBufferBackBeforeItReturns)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer a(CRecords().NoteOn(0, 60).NoteOn(96, 61));
    CBuffer b(CRecords().NoteOn(96, 62));
    CBuffer c(CRecords().NoteOn(96, 63));
    for (CBuffer* buffer : { &a, &b, &c })
        ASSERT_EQ(m_mixer.Out(buffer->header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(30000);
    ASSERT_EQ(m_client.done.size(), 1u);
    ASSERT_EQ(m_mixer.Stop(), 0);
    EXPECT_EQ(m_client.done, (std::vector<CMidiHeader*> { &a.header, &b.header, &c.header }));
    EXPECT_EQ(m_client.doneFrames, (std::vector<uint64_t> { 22050, 30000, 30000 }));
    for (CBuffer* buffer : { &a, &b, &c })
        EXPECT_EQ(buffer->header.nFlags & (MHDR_INQUEUE | MHDR_DONE), MHDR_DONE);
    ASSERT_FALSE(m_log->events.empty());
    EXPECT_EQ(m_log->events.back().kind, 'x');
    EXPECT_EQ(m_log->events.back().nFrame, 30000u);

    // Nothing plays until the next Restart, which starts again at tick 0 where it is called.
    m_log->events.clear();
    b.Set(CRecords().NoteOn(0, 64).NoteOn(96, 65));
    ASSERT_EQ(m_mixer.Out(b.header), 0);
    RenderFrames(5000);
    EXPECT_TRUE(m_log->events.empty());
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(30000);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 35000, 57050 }));
}

TEST_F(MixerStreamTest, ABufferQueuedAgainWhileStoppingWaitsForTheNextRun)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer a(CRecords().NoteOn(0, 60).NoteOn(96, 61));
    m_client.onDone = [&](CMidiHeader& header) { EXPECT_EQ(m_mixer.Out(header), 0); };
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(1000);
    ASSERT_EQ(m_mixer.Stop(), 0);
    EXPECT_EQ(m_client.done.size(), 1u);
    EXPECT_EQ(a.header.nFlags & (MHDR_INQUEUE | MHDR_DONE), MHDR_INQUEUE);
    m_client.onDone = nullptr;
    RenderFrames(1000);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(30000);
    // From its first record again, at tick 0 of the new run.
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 0, 2000, 24050 }));
}

TEST_F(MixerStreamTest, ADivisionChangedDuringARunCountsFromTheLastRecordPlayed)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer a(CRecords().NoteOn(96, 60).NoteOn(192, 61));
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(22050);
    ASSERT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 22050 }));
    ASSERT_EQ(m_mixer.SetTimeDivision(192), 0);
    RenderFrames(30000);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 22050, 44100 }));
}

TEST_F(MixerStreamTest, ResetDoesWhatStopDoes)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer a(CRecords().NoteOn(0, 60).Tempo(0, 250000).NoteOn(96, 61));
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(100);
    ASSERT_EQ(m_mixer.Reset(), 0);
    EXPECT_EQ(m_client.done, (std::vector<CMidiHeader*> { &a.header }));
    EXPECT_EQ(m_log->events.back().kind, 'x');
    // The tempo of the last run is forgotten too.
    m_log->events.clear();
    a.Set(CRecords().NoteOn(96, 62));
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(30000);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 100 + 22050 }));
}

TEST_F(MixerStreamTest, RenderStopsRightAfterTheLastBufferComesBack)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer a(CRecords().NoteOn(0, 60).NoteOn(96, 61));
    CBuffer b(CRecords().NoteOn(48, 62));
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Out(b.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    std::vector<int16_t> out(2 * 100000);
    EXPECT_EQ(m_mixer.Render(out.data(), 100000, true), 33075u);
    EXPECT_EQ(m_mixer.Position(), 33075u);
    EXPECT_EQ(m_client.doneFrames, (std::vector<uint64_t> { 22050, 33075 }));
    // With nothing queued the next call renders all it is asked for.
    EXPECT_EQ(m_mixer.Render(out.data(), 1000, true), 1000u);
}

TEST_F(MixerStreamTest, AHandBackOnTheLastFrameOfACallHappensInsideIt)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer a(CRecords().NoteOn(96, 60));
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    std::vector<int16_t> out(2 * 22050);
    EXPECT_EQ(m_mixer.Render(out.data(), 22050, true), 22050u);
    EXPECT_EQ(m_client.doneFrames, (std::vector<uint64_t> { 22050 }));
}

TEST_F(MixerStreamTest, QueueingTheSameBufferTwiceFails)
{
    CBuffer a(CRecords().NoteOn(0, 60));
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    EXPECT_EQ(m_mixer.Out(a.header), MCIERR_UNSUPPORTED_FUNCTION);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(10);
    EXPECT_EQ(m_client.done.size(), 1u);
    EXPECT_EQ(m_log->HeardCount(), 1u);
    // Once handed back it may go again.
    EXPECT_EQ(m_mixer.Out(a.header), 0);
}

TEST_F(MixerStreamTest, AnEmptyBufferComesBackAtOnce)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CBuffer empty(64);
    CBuffer a(CRecords().NoteOn(96, 60));
    ASSERT_EQ(m_mixer.Out(empty.header), 0);
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    std::vector<int16_t> out(2 * 100);
    EXPECT_EQ(m_mixer.Render(out.data(), 100), 100u);
    EXPECT_EQ(m_client.done, (std::vector<CMidiHeader*> { &empty.header }));
    EXPECT_EQ(m_client.doneFrames, (std::vector<uint64_t> { 0 }));
    RenderFrames(30000);
    EXPECT_EQ(m_log->ShortFrames(), (std::vector<uint64_t> { 22050 }));

    // Alone in the queue it drains it: an offline render returns at that frame.
    ASSERT_EQ(m_mixer.Out(empty.header), 0);
    EXPECT_EQ(m_mixer.Render(out.data(), 100, true), 0u);
    EXPECT_EQ(m_client.done.size(), 3u);
}

TEST_F(MixerStreamTest, AnEmptyBufferRequeuedForeverDoesNotHangARender)
{
    // Each hand-back queues it again: the render still ends, having rendered its frames.
    CBuffer empty(64);
    size_t count = 0;
    m_client.onDone = [&](CMidiHeader& header) {
        ++count;
        EXPECT_EQ(m_mixer.Out(header), 0);
    };
    ASSERT_EQ(m_mixer.Out(empty.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    std::vector<int16_t> out(2 * 100);
    EXPECT_EQ(m_mixer.Render(out.data(), 100), 100u);
    EXPECT_EQ(m_mixer.Render(out.data(), 100, true), 100u);
    EXPECT_GE(count, 200u);
    EXPECT_EQ(m_mixer.Stop(), 0);
}

TEST_F(MixerStreamTest, ALengthPastTheRecordedBytesEndsTheBuffer)
{
    ASSERT_EQ(m_mixer.SetTimeDivision(96), 0);
    CRecords broken;
    broken.NoteOn(0, 60).Event(0, MEVT_LONGMSG << 24 | 100).Word(0xF7F7F7F0);
    broken.NoteOn(0, 61); // after the broken record: never read
    CBuffer a(broken);
    CBuffer b(CRecords().NoteOn(96, 62));
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Out(b.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(30000);
    EXPECT_EQ(m_client.done, (std::vector<CMidiHeader*> { &a.header, &b.header }));
    EXPECT_EQ(m_client.doneFrames, (std::vector<uint64_t> { 0, 22050 }));
    EXPECT_EQ(m_log->Shorts(), (std::vector<uint32_t> { 0x643C90, 0x643E90 }));
    EXPECT_EQ(m_log->HeardCount(), 2u);
}

TEST_F(MixerStreamTest, BytesTooFewForARecordEndTheBuffer)
{
    CBuffer a(CRecords().NoteOn(0, 60).Word(5).Word(0)); // a record cut after 8 bytes
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(100);
    EXPECT_EQ(m_client.doneFrames, (std::vector<uint64_t> { 0 }));
    EXPECT_EQ(m_log->HeardCount(), 1u);
}

TEST_F(MixerStreamTest, RecordsAreNeverReadPastTheBuffer)
{
    CBuffer a(CRecords().NoteOn(0, 60));
    a.header.nBytesRecorded = 4096; // claims more than the 12 bytes there are
    CBuffer b(24);
    b.header.pData = nullptr;
    b.header.nBytesRecorded = 24;
    ASSERT_EQ(m_mixer.Out(a.header), 0);
    ASSERT_EQ(m_mixer.Out(b.header), 0);
    ASSERT_EQ(m_mixer.Restart(), 0);
    RenderFrames(100);
    EXPECT_EQ(m_client.done.size(), 2u);
    EXPECT_EQ(m_log->HeardCount(), 1u);
}

// ---- The stream's states ----------------------------------------------------------------

TEST(MixerStreamStates, CallsWithoutAnOpenStreamFail)
{
    CAudioMixer mixer(nullptr);
    CBuffer a(CRecords().NoteOn(0, 60));
    EXPECT_FALSE(mixer.IsStreamOpen());
    EXPECT_EQ(mixer.Out(a.header), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(mixer.Restart(), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(mixer.Stop(), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(mixer.Reset(), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(mixer.SetTimeDivision(96), MCIERR_UNSUPPORTED_FUNCTION);
    mixer.CloseStream(); // nothing to close: nothing happens
    EXPECT_EQ(a.header.nFlags, 0u);
}

TEST(MixerStreamStates, OneStreamAtATime)
{
    CAudioMixer mixer(nullptr);
    CRecordingClient first(mixer), second(mixer);
    ASSERT_EQ(mixer.OpenStream(first), 0);
    EXPECT_TRUE(mixer.IsStreamOpen());
    EXPECT_EQ(mixer.OpenStream(second), MCIERR_UNSUPPORTED_FUNCTION);
    EXPECT_EQ(mixer.Stop(), 0);
    mixer.CloseStream();
    EXPECT_FALSE(mixer.IsStreamOpen());
    EXPECT_EQ(mixer.OpenStream(second), 0);
}

TEST(MixerStreamStates, CloseHandsTheBuffersBackAndForgetsTheClient)
{
    auto log = std::make_shared<CSynthLog>();
    CAudioMixer mixer(std::make_unique<CRecordingSynth>(log));
    CRecordingClient client(mixer);
    int refused = 0;
    client.onDone = [&](CMidiHeader& header) {
        if (mixer.Out(header) != 0)
            ++refused;
    };
    ASSERT_EQ(mixer.OpenStream(client), 0);
    CBuffer a(CRecords().NoteOn(100, 60)), b(CRecords().NoteOn(100, 61));
    ASSERT_EQ(mixer.Out(a.header), 0);
    ASSERT_EQ(mixer.Out(b.header), 0);
    ASSERT_EQ(mixer.Restart(), 0);
    mixer.CloseStream();
    EXPECT_EQ(client.done, (std::vector<CMidiHeader*> { &a.header, &b.header }));
    EXPECT_EQ(refused, 2); // a closing stream takes nothing more
    ASSERT_EQ(log->events.size(), 1u);
    EXPECT_EQ(log->events[0].kind, 'x');
    std::vector<int16_t> out(2 * 1000);
    mixer.Render(out.data(), 1000);
    EXPECT_EQ(client.done.size(), 2u);
}

struct CDivisionCase {
    uint32_t nDivision;
    int nResult;
};

class MixerDivisionTest : public testing::TestWithParam<CDivisionCase> { };

TEST_P(MixerDivisionTest, BrokenDivisionsAreRefused)
{
    CAudioMixer mixer(nullptr);
    CRecordingClient client(mixer);
    ASSERT_EQ(mixer.OpenStream(client), 0);
    EXPECT_EQ(mixer.SetTimeDivision(GetParam().nDivision), GetParam().nResult);
}

INSTANTIATE_TEST_SUITE_P(Values, MixerDivisionTest,
    testing::Values(CDivisionCase { 0, MCIERR_DEVICE_NOT_READY },
        CDivisionCase { 1, MMSYSERR_NOERROR }, CDivisionCase { 0x7FFF, MMSYSERR_NOERROR },
        CDivisionCase { 0x10000, MCIERR_DEVICE_NOT_READY },
        CDivisionCase { 0xE828, MMSYSERR_NOERROR }, // 24 fps
        CDivisionCase { 0xE728, MMSYSERR_NOERROR }, // 25 fps
        CDivisionCase { 0xE350, MMSYSERR_NOERROR }, // 29.97 fps
        CDivisionCase { 0xE250, MMSYSERR_NOERROR }, // 30 fps
        CDivisionCase { 0xE950, MCIERR_DEVICE_NOT_READY }, // 23 fps
        CDivisionCase { 0xE700, MCIERR_DEVICE_NOT_READY }, // no ticks per frame
        CDivisionCase { 0x8028, MCIERR_DEVICE_NOT_READY }));

TEST(MixerStreamStates, WithoutASynthTheStreamStillKeepsTime)
{
    CAudioMixer mixer(nullptr);
    EXPECT_FALSE(mixer.HasSynth());
    CRecordingClient client(mixer);
    ASSERT_EQ(mixer.OpenStream(client), 0);
    ASSERT_EQ(mixer.SetTimeDivision(96), 0);
    CBuffer a(CRecords().NoteOn(96, 60).Long(0, { 0xF0, 0xF7 }));
    ASSERT_EQ(mixer.Out(a.header), 0);
    ASSERT_EQ(mixer.Restart(), 0);
    std::vector<int16_t> out(2 * 30000);
    EXPECT_EQ(mixer.Render(out.data(), 30000, true), 22050u);
    EXPECT_EQ(client.doneFrames, (std::vector<uint64_t> { 22050 }));
    for (size_t i = 0; i < 2 * 22050; ++i)
        ASSERT_EQ(out[i], 0) << i;
}

// ---- Waves, the voice and the mix -------------------------------------------------------

std::shared_ptr<CPcm> MakePcm(size_t nFrames, int16_t (*sample)(size_t frame, int channel))
{
    auto pcm = std::make_shared<CPcm>();
    for (size_t i = 0; i < nFrames; ++i) {
        pcm->samples.push_back(sample(i, 0));
        pcm->samples.push_back(sample(i, 1));
    }
    return pcm;
}

std::shared_ptr<CPcm> Constant(size_t nFrames, int16_t value)
{
    auto pcm = std::make_shared<CPcm>();
    pcm->samples.assign(2 * nFrames, value);
    return pcm;
}

int16_t Ramp(size_t frame, int channel)
{
    return int16_t(channel == 0 ? 10 * frame + 1 : -int(10 * frame) - 1);
}

std::vector<int16_t> RenderAll(CAudioMixer& mixer, size_t nFrames, size_t chunk)
{
    std::vector<int16_t> out(2 * nFrames);
    for (size_t done = 0; done < nFrames;) {
        size_t n = std::min(chunk, nFrames - done);
        EXPECT_EQ(mixer.Render(out.data() + 2 * done, n), n);
        done += n;
    }
    return out;
}

TEST(MixerWaves, ALoopingWaveWrapsSampleExactly)
{
    CAudioMixer mixer(nullptr);
    auto wave = MakePcm(100, Ramp);
    mixer.PlayWave(wave, true);
    std::vector<int16_t> out = RenderAll(mixer, 1000, 37);
    for (size_t i = 0; i < 1000; ++i) {
        ASSERT_EQ(out[2 * i], Ramp(i % 100, 0)) << "frame " << i;
        ASSERT_EQ(out[2 * i + 1], Ramp(i % 100, 1)) << "frame " << i;
    }
    EXPECT_TRUE(mixer.IsWavePlaying());
    EXPECT_EQ(mixer.Position(), 1000u);
}

TEST(MixerWaves, AWavePlayedOnceEndsWithItsLastFrame)
{
    CAudioMixer mixer(nullptr);
    mixer.PlayWave(MakePcm(100, Ramp), false);
    std::vector<int16_t> out = RenderAll(mixer, 250, 64);
    for (size_t i = 0; i < 250; ++i) {
        ASSERT_EQ(out[2 * i], i < 100 ? Ramp(i, 0) : 0) << "frame " << i;
        ASSERT_EQ(out[2 * i + 1], i < 100 ? Ramp(i, 1) : 0) << "frame " << i;
    }
    EXPECT_FALSE(mixer.IsWavePlaying());
}

TEST(MixerWaves, AnEmptyLoopingWaveEndsInsteadOfSpinning)
{
    CAudioMixer mixer(nullptr);
    mixer.PlayWave(std::make_shared<CPcm>(), true);
    std::vector<int16_t> out = RenderAll(mixer, 100, 100);
    EXPECT_FALSE(mixer.IsWavePlaying());
    EXPECT_EQ(out, std::vector<int16_t>(200, 0));
}

TEST(MixerWaves, PlayWaveReplacesTheWaveAndStartsItFromItsBeginning)
{
    CAudioMixer mixer(nullptr);
    uint64_t first = mixer.PlayWave(Constant(1000, 111), true);
    RenderAll(mixer, 10, 10);
    uint64_t second = mixer.PlayWave(MakePcm(100, Ramp), true);
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 0u);
    EXPECT_NE(first, second);
    std::vector<int16_t> out = RenderAll(mixer, 2, 2);
    EXPECT_EQ(out, (std::vector<int16_t> { 1, -1, 11, -11 }));
}

TEST(MixerWaves, StopWaveOfAnOlderNumberLeavesTheNewWavePlaying)
{
    CAudioMixer mixer(nullptr);
    uint64_t first = mixer.PlayWave(Constant(1000, 111), true);
    uint64_t second = mixer.PlayWave(Constant(1000, 222), true);
    mixer.StopWave(first);
    EXPECT_TRUE(mixer.IsWavePlaying());
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 222, 222 }));
    mixer.StopWave(second);
    EXPECT_FALSE(mixer.IsWavePlaying());
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 0, 0 }));
    mixer.PlayWave(Constant(1000, 333), true);
    mixer.StopWave();
    EXPECT_FALSE(mixer.IsWavePlaying());
}

TEST(MixerWaves, TheVoicePlaysOnceOverTheWave)
{
    CAudioMixer mixer(nullptr);
    mixer.PlayWave(Constant(10, 100), true);
    mixer.PlayVoice(Constant(3, 1000));
    EXPECT_EQ(RenderAll(mixer, 5, 5),
        (std::vector<int16_t> { 1100, 1100, 1100, 1100, 1100, 1100, 100, 100, 100, 100 }));
    mixer.PlayVoice(Constant(3, -50));
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 50, 50 }));
    mixer.StopVoice();
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 100, 100 }));
}

TEST(MixerWaves, TheSynthIsMixedAtFullScaleOne)
{
    auto log = std::make_shared<CSynthLog>();
    log->fLevel = 0.25f;
    CAudioMixer mixer(std::make_unique<CRecordingSynth>(log));
    EXPECT_TRUE(mixer.HasSynth());
    mixer.PlayWave(Constant(10, 100), true);
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 8292, 8292 }));
}

TEST(MixerWaves, GainScalesEverythingAndZeroMutes)
{
    auto log = std::make_shared<CSynthLog>();
    log->fLevel = 0.25f;
    CAudioMixer mixer(std::make_unique<CRecordingSynth>(log));
    mixer.PlayWave(Constant(10, 1000), true);
    mixer.PlayVoice(Constant(10, 2000));
    mixer.SetGain(0.5f);
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 5596, 5596 }));
    mixer.SetGain(0.0f);
    EXPECT_EQ(RenderAll(mixer, 4, 4), std::vector<int16_t>(8, 0));
    mixer.SetGain(-3.0f);
    EXPECT_EQ(RenderAll(mixer, 1, 1), std::vector<int16_t>(2, 0));
    mixer.SetGain(7.0f); // no louder than 1
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 11192, 11192 }));
}

TEST(MixerWaves, TheMixClipsAtFullScale)
{
    auto log = std::make_shared<CSynthLog>();
    CAudioMixer mixer(std::make_unique<CRecordingSynth>(log));
    mixer.PlayWave(Constant(10, 30000), true);
    mixer.PlayVoice(Constant(1, 30000));
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 32767, 32767 }));
    mixer.PlayWave(Constant(10, -30000), true);
    mixer.PlayVoice(Constant(1, -30000));
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { -32768, -32768 }));
    mixer.StopWave();
    log->fLevel = 3.0f;
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 32767, 32767 }));
    log->fLevel = -1.0f;
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { -32768, -32768 }));
    mixer.PlayWave(Constant(10, 32767), true);
    log->fLevel = 0.0f;
    EXPECT_EQ(RenderAll(mixer, 1, 1), (std::vector<int16_t> { 32767, 32767 }));
}

// ---- The music steps back for a recorded voice ----------------------------------------

constexpr size_t kSecond = kAudioRate;

// A 440 Hz tone at about a fifth of full scale, standing in for a voice.
int16_t Tone(size_t frame, int)
{
    return int16_t(
        std::lround(6000 * std::sin(2 * std::numbers::pi * 440 * double(frame) / kSecond)));
}

enum class EWay { waveOnce, waveStopped, voice };

struct CDuckCase {
    const char* name;
    EWay way; // played once as the wave, as the wave stopped after 0.6 s, or as the voice
    size_t nChunk; // the frames the card asks for at once
};

// Half a second of the synthesizer's steady level (a quarter of full scale) alone, then a
// second of the tone played as the case says, then music alone again, 2.5 s in all. The
// music's gain at a frame is what the mix holds beyond the tone, over that level: exact to
// 1/8192, the rounding to 16 bits. The tone sounds in [nStart, nEnd).
struct CDuckRun {
    std::vector<int16_t> out;
    std::vector<double> gain;
    size_t nStart = kSecond / 2;
    size_t nEnd = 0;
};

CDuckRun RenderUnderTone(EWay way, bool bVoice, size_t nChunk)
{
    auto log = std::make_shared<CSynthLog>();
    log->fLevel = 0.25f;
    CAudioMixer mixer(std::make_unique<CRecordingSynth>(log));
    auto tone = MakePcm(kSecond, Tone);
    tone->bVoice = bVoice;
    CDuckRun run;
    run.nEnd = run.nStart + (way == EWay::waveStopped ? kSecond * 6 / 10 : kSecond);
    const auto render = [&](size_t nFrames) {
        const std::vector<int16_t> part = RenderAll(mixer, nFrames, nChunk);
        run.out.insert(run.out.end(), part.begin(), part.end());
    };
    render(run.nStart);
    if (way == EWay::voice)
        mixer.PlayVoice(tone);
    else
        mixer.PlayWave(tone, false);
    render(run.nEnd - run.nStart);
    if (way == EWay::waveStopped)
        mixer.StopWave();
    render(kSecond * 5 / 2 - run.nEnd);
    for (size_t i = 0; i < run.out.size() / 2; ++i) {
        const int toneHere = i >= run.nStart && i < run.nEnd ? Tone(i - run.nStart, 0) : 0;
        run.gain.push_back((run.out[2 * i] - toneHere) / 8192.0);
    }
    return run;
}

void PrintTo(const CDuckCase& c, std::ostream* os)
{
    *os << c.name;
}

class MixerDuck : public testing::TestWithParam<CDuckCase> { };

TEST_P(MixerDuck, UnderARecordedVoiceTheMusicRampsTenDecibelsDownAndBack)
{
    const CDuckCase& c = GetParam();
    const CDuckRun run = RenderUnderTone(c.way, true, c.nChunk);
    const auto db = [&](size_t frame) { return 20 * std::log10(run.gain[frame]); };
    // Untouched before the voice.
    for (size_t i = 0; i < run.nStart; ++i)
        ASSERT_EQ(run.gain[i], 1.0) << "frame " << i;
    // Never a jump: one frame moves the gain by less than 4e-4 (the ramp's steps are under
    // 2e-4, the rounding adds up to 1.2e-4); a step of 10 dB would be 0.68.
    double worst = 0;
    for (size_t i = 1; i < run.gain.size(); ++i)
        worst = std::max(worst, std::abs(run.gain[i] - run.gain[i - 1]));
    EXPECT_LT(worst, 4e-4);
    // A ramp of 150 ms, even in decibels: a third of the way down after 50 ms.
    EXPECT_NEAR(db(run.nStart + kSecond / 20), -10.0 / 3, 0.05);
    // Down by 10 dB (at least 8) from 200 ms into the voice to its end.
    for (size_t i = run.nStart + kSecond / 5; i < run.nEnd; ++i) {
        ASSERT_LE(db(i), -8.0) << "frame " << i;
        ASSERT_NEAR(db(i), -10.0, 0.01) << "frame " << i;
    }
    // Back up from the voice's end: a third of the way after 50 ms, all of it within 0.3 s.
    EXPECT_NEAR(db(run.nEnd + kSecond / 20), -20.0 / 3, 0.05);
    for (size_t i = run.nEnd + kSecond * 3 / 10; i < run.gain.size(); ++i)
        ASSERT_EQ(run.gain[i], 1.0) << "frame " << i;
    // How the card asks for the frames changes nothing.
    EXPECT_EQ(run.out, RenderUnderTone(c.way, true, 4410).out);
}

INSTANTIATE_TEST_SUITE_P(Ways, MixerDuck,
    testing::Values(CDuckCase { "wave_asked_frame_by_frame", EWay::waveOnce, 1 },
        CDuckCase { "wave_asked_in_odd_chunks", EWay::waveOnce, 37 },
        CDuckCase { "wave_asked_in_chunks_of_100_ms", EWay::waveOnce, 4410 },
        CDuckCase { "wave_stopped_while_it_speaks", EWay::waveStopped, 512 },
        CDuckCase { "voice", EWay::voice, 300 }),
    [](const testing::TestParamInfo<CDuckCase>& info) { return std::string(info.param.name); });

TEST(MixerDuckNot, SoundsThatAreNoRecordedVoiceLeaveTheMusicAlone)
{
    for (EWay way : { EWay::waveOnce, EWay::voice }) {
        const CDuckRun run = RenderUnderTone(way, false, 512);
        for (size_t i = 0; i < run.gain.size(); ++i)
            ASSERT_EQ(run.gain[i], 1.0) << "frame " << i;
    }
}

// ---- The sound card ---------------------------------------------------------------------

std::vector<int16_t> ReadSamples(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

class AudioDeviceTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_path = (std::filesystem::temp_directory_path()
            / ("mixer-disk-" + std::to_string(getpid()) + ".raw"))
                     .string();
    }
    void TearDown() override { std::filesystem::remove(m_path); }
    std::string m_path;
};

TEST_F(AudioDeviceTest, TheDiskDriverWritesWhatTheMixerPlays)
{
    CScopedEnv driver("SDL_AUDIODRIVER", "disk");
    CScopedEnv file("SDL_DISKAUDIOFILE", m_path);
    CAudioMixer mixer(nullptr);
    mixer.PlayWave(Constant(4410, 1234), true);
    bool bHeard = false;
    {
        CAudioDevice device(mixer);
        EXPECT_TRUE(device.IsOpen());
        EXPECT_EQ(device.DriverName(), "disk");
        EXPECT_EQ(device.Failure(), "");
        // Wait (at most five seconds) for the callback to have written a second of sound.
        for (int i = 0; i < 250 && !bHeard; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            std::error_code ec;
            bHeard = std::filesystem::file_size(m_path, ec) >= 4 * 44100 && !ec;
        }
    }
    ASSERT_TRUE(bHeard) << "no sound reached " << m_path;
    // Before the device starts SDL may write silence; after that, only the wave.
    std::vector<int16_t> samples = ReadSamples(m_path);
    size_t first = 0;
    while (first < samples.size() && samples[first] == 0)
        ++first;
    ASSERT_LT(first, samples.size()) << "only silence reached the file";
    size_t nOther = 0;
    for (size_t i = first; i < samples.size(); ++i)
        nOther += samples[i] != 1234;
    EXPECT_EQ(nOther, 0u);
    EXPECT_GE(samples.size() - first, 2u * 22050);
    EXPECT_GE(mixer.Position(), 44100u);
}

TEST_F(AudioDeviceTest, TheStreamIsDrivenFromBothThreadsUnderTheDeviceLock)
{
    // The audio thread plays and hands buffers back (the client queues them again from
    // there) while this thread stops and restarts the stream, as the player does.
    CScopedEnv driver("SDL_AUDIODRIVER", "disk");
    CScopedEnv file("SDL_DISKAUDIOFILE", m_path);
    auto log = std::make_shared<CSynthLog>();
    CAudioMixer mixer(std::make_unique<CRecordingSynth>(log));
    CRecordingClient client(mixer);
    bool bRefill = true;
    CBuffer a(48), b(48);
    auto fill = [](CBuffer& buffer) {
        buffer.Set(CRecords().NoteOn(5, 60).NoteOn(5, 61).Tempo(5, 400000).NoteOn(5, 62));
    };
    client.onDone = [&](CMidiHeader& header) {
        if (bRefill) {
            fill(*static_cast<CBuffer*>(header.pUser));
            mixer.Out(header);
        }
    };
    ASSERT_EQ(mixer.OpenStream(client), 0);
    ASSERT_EQ(mixer.SetTimeDivision(96), 0);
    CAudioDevice device(mixer);
    ASSERT_TRUE(device.IsOpen());
    size_t nHeard = 0;
    for (int round = 0; round < 5; ++round) {
        {
            std::lock_guard lock(mixer.Mutex());
            bRefill = true;
            fill(a);
            fill(b);
            ASSERT_EQ(mixer.Out(a.header), 0);
            ASSERT_EQ(mixer.Out(b.header), 0);
            ASSERT_EQ(mixer.Restart(), 0);
        }
        // Wait (at most five seconds) until notes of this round have played.
        for (int i = 0; i < 500; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            std::lock_guard lock(mixer.Mutex());
            if (log->Shorts().size() > nHeard + 6)
                break;
        }
        std::lock_guard lock(mixer.Mutex());
        EXPECT_GT(log->Shorts().size(), nHeard) << "round " << round;
        bRefill = false;
        ASSERT_EQ(mixer.Stop(), 0);
        EXPECT_EQ(a.header.nFlags & MHDR_INQUEUE, 0u);
        EXPECT_EQ(b.header.nFlags & MHDR_INQUEUE, 0u);
        EXPECT_EQ(log->events.back().kind, 'x');
        nHeard = log->Shorts().size();
    }
    mixer.CloseStream();
}

TEST_F(AudioDeviceTest, WithoutADriverTheDummyStandsInAndTheNextDeviceTriesAgain)
{
    CAudioMixer mixer(nullptr);
    mixer.PlayWave(Constant(10, 1), true);
    {
        CScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
        CAudioDevice device(mixer);
        EXPECT_FALSE(device.IsOpen());
        EXPECT_NE(device.Failure(), "");
        EXPECT_EQ(device.DriverName(), "dummy");
        // The stand-in still pulls frames, so a tune played into it comes to its end.
        for (int i = 0; i < 500 && mixer.Position() == 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_GT(mixer.Position(), 0u);
    }
    // The stand-in was not kept for later: a driver that exists opens.
    CScopedEnv driver("SDL_AUDIODRIVER", "disk");
    CScopedEnv file("SDL_DISKAUDIOFILE", m_path);
    CAudioDevice device(mixer);
    EXPECT_TRUE(device.IsOpen());
    EXPECT_EQ(device.DriverName(), "disk");
}

} // namespace
