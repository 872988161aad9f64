// Reading MIDI files built byte by byte: the merge of tracks by absolute tick, running status,
// the RIFF wrapping, the end tick, and every kind of damage a file can carry.
#include "platform/files.h"
#include "playback/midifile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, uint32_t v)
{
    for (int shift : { 24, 16, 8, 0 })
        b.push_back(static_cast<uint8_t>(v >> shift));
}

// A Standard MIDI File of the given format and division with these track bodies.
Bytes Smf(uint16_t format, uint16_t division, const std::vector<Bytes>& tracks)
{
    Bytes b = { 'M', 'T', 'h', 'd' };
    Put32(b, 6);
    b.insert(b.end(),
        { uint8_t(format >> 8), uint8_t(format), uint8_t(tracks.size() >> 8),
            uint8_t(tracks.size()), uint8_t(division >> 8), uint8_t(division) });
    for (const Bytes& track : tracks) {
        b.insert(b.end(), { 'M', 'T', 'r', 'k' });
        Put32(b, static_cast<uint32_t>(track.size()));
        b.insert(b.end(), track.begin(), track.end());
    }
    return b;
}

const Bytes kEnd = { 0x00, 0xFF, 0x2F, 0x00 };

Bytes Cat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Two tracks: the first with the tempo, a program change and notes under running status; the
// second with notes that fall between and on the first track's ticks.
Bytes TwoTracks()
{
    const Bytes first = Cat({ 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, // tempo 500000
                                0x00, 0xC0, 0x05, // program 5
                                0x60, 0x90, 0x3C, 0x40, // tick 96: note on
                                0x60, 0x3C, 0x00 }, // tick 192, running status
        kEnd);
    const Bytes second = Cat({ 0x30, 0x91, 0x40, 0x50, // tick 48
                                 0x30, 0x81, 0x40, 0x00, // tick 96: equal to the first track's
                                 0x81, 0x00, 0x91, 0x43, 0x60 }, // delta 128: tick 224
        kEnd);
    return Smf(1, 96, { first, second });
}

struct Seen {
    uint64_t tick;
    uint32_t delta;
    int track;
    uint8_t status;
    uint8_t data1;
};

std::vector<Seen> ReadAll(CMidiFile& file, uint32_t endTick = UINT32_MAX)
{
    std::vector<Seen> seen;
    CMidiEvent event;
    while (file.NextEvent(event, endTick) == MIDI_OK)
        seen.push_back({ event.nTick, event.nDelta, event.nTrack, event.nStatus, event.nData1 });
    return seen;
}

TEST(MidiFile, tracks_merge_by_absolute_tick_and_the_earlier_track_wins_a_tie)
{
    CMidiFile file;
    ASSERT_EQ(file.Parse(TwoTracks()), MIDI_OK);
    EXPECT_EQ(file.GetFormat(), 1);
    EXPECT_EQ(file.GetTrackCount(), 2);
    EXPECT_EQ(file.GetDivision(), 96);
    EXPECT_EQ(file.GetLength(), 224u);
    const std::vector<Seen> seen = ReadAll(file);
    ASSERT_EQ(seen.size(), 9u);
    const uint32_t ticks[] = { 0, 0, 48, 96, 96, 192, 192, 224, 224 };
    const int tracks[] = { 0, 0, 1, 0, 1, 0, 0, 1, 1 };
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].tick, ticks[i]) << i;
        EXPECT_EQ(seen[i].track, tracks[i]) << i;
        EXPECT_EQ(seen[i].delta, i == 0 ? 0 : ticks[i] - ticks[i - 1]) << i;
    }
    // Running status repeats the track's last channel status.
    EXPECT_EQ(seen[5].status, 0x90);
    EXPECT_EQ(seen[5].data1, 0x3C);
    EXPECT_EQ(seen[1].status, 0xC0);
    EXPECT_EQ(seen[1].data1, 5);
    // Both end-of-track events come last at their ticks.
    EXPECT_EQ(seen[6].status, 0xFF);
    EXPECT_EQ(seen[6].data1, 0x2F);
    // Rewinding gives the same stream again.
    file.Rewind();
    EXPECT_EQ(ReadAll(file).size(), seen.size());
}

TEST(MidiFile, tempo_events_carry_their_microseconds_and_other_metas_their_bytes)
{
    CMidiFile file;
    const Bytes track = Cat({ 0x00, 0xFF, 0x03, 0x04, 'S', 'o', 'n', 'g', 0x00, 0xFF, 0x51, 0x03,
                                0x0F, 0x42, 0x40, 0x00, 0xF0, 0x03, 0x7E, 0x09, 0xF7 },
        { 0x0A, 0xFF, 0x2F, 0x00 });
    ASSERT_EQ(file.Parse(Smf(0, 480, { track })), MIDI_OK);
    CMidiEvent event;
    ASSERT_EQ(file.NextEvent(event), MIDI_OK);
    EXPECT_EQ(event.nKind, CMidiEvent::kindMeta);
    EXPECT_EQ(std::string(event.data.begin(), event.data.end()), "Song");
    ASSERT_EQ(file.NextEvent(event), MIDI_OK);
    EXPECT_EQ(event.nKind, CMidiEvent::kindTempo);
    EXPECT_EQ(event.nTempo, 1000000u);
    ASSERT_EQ(file.NextEvent(event), MIDI_OK);
    EXPECT_EQ(event.nKind, CMidiEvent::kindSysEx);
    EXPECT_EQ(event.data.size(), 3u);
    ASSERT_EQ(file.NextEvent(event), MIDI_OK); // the end of the track
    EXPECT_EQ(file.NextEvent(event), MIDI_END_OF_DATA);
    EXPECT_EQ(file.NextEvent(event), MIDI_END_OF_DATA);
}

TEST(MidiFile, the_end_tick_stops_before_an_event_without_consuming_it)
{
    CMidiFile file;
    ASSERT_EQ(file.Parse(TwoTracks()), MIDI_OK);
    EXPECT_EQ(ReadAll(file, 96).size(), 3u);
    CMidiEvent event;
    EXPECT_EQ(file.NextEvent(event, 96), MIDI_END_TICK);
    EXPECT_EQ(file.GetPosition(), 48u);
    ASSERT_EQ(file.NextEvent(event), MIDI_OK);
    EXPECT_EQ(event.nTick, 96u);
    EXPECT_EQ(event.nDelta, 48u);
}

TEST(MidiFile, a_riff_form_gives_its_data_chunk)
{
    const Bytes smf = TwoTracks();
    auto riff = [&](const char* form, const char* chunk) {
        Bytes b = { 'R', 'I', 'F', 'F', 0, 0, 0, 0 };
        b.insert(b.end(), form, form + 4);
        // A chunk before the data, of odd length and padded.
        b.insert(b.end(), { 'I', 'N', 'F', 'O', 3, 0, 0, 0, 'a', 'b', 'c', 0 });
        b.insert(b.end(), chunk, chunk + 4);
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<uint8_t>(smf.size() >> (8 * i)));
        b.insert(b.end(), smf.begin(), smf.end());
        return b;
    };
    CMidiFile file;
    ASSERT_EQ(file.Parse(riff("RMID", "data")), MIDI_OK);
    EXPECT_EQ(file.GetLength(), 224u);
    EXPECT_EQ(ReadAll(file).size(), 9u);
    EXPECT_EQ(file.Parse(riff("RMID", "junk")), MIDI_BAD_DATA);
    // A data chunk that claims more than the form holds.
    Bytes cut = riff("RMID", "data");
    cut.resize(cut.size() - 1);
    EXPECT_EQ(file.Parse(cut), MIDI_BAD_DATA);
}

TEST(MidiFile, a_track_whose_bytes_run_out_has_ended)
{
    CMidiFile file;
    ASSERT_EQ(file.Parse(Smf(0, 96, { { 0x00, 0x90, 0x3C, 0x40, 0x10, 0x3C, 0x00 } })), MIDI_OK);
    EXPECT_EQ(file.GetLength(), 16u);
    EXPECT_EQ(ReadAll(file).size(), 2u);
}

TEST(MidiFile, a_file_that_cannot_sound_is_refused)
{
    CMidiFile file;
    const Bytes note = { 0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00 };
    ASSERT_EQ(file.Parse(Smf(0, 96, { note })), MIDI_OK);
    // No tracks, nothing after tick 0, a division of 0, a tempo of 0.
    EXPECT_EQ(file.Parse(Smf(0, 96, {})), MIDI_BAD_DATA);
    EXPECT_EQ(file.Parse(Smf(0, 96, { { 0x00, 0x90, 0x3C, 0x40 } })), MIDI_BAD_DATA);
    EXPECT_EQ(file.Parse(Smf(0, 0, { note })), MIDI_BAD_DATA);
    EXPECT_EQ(file.Parse(Smf(0, 96, { Cat({ 0x00, 0xFF, 0x51, 0x03, 0, 0, 0 }, note) })),
        MIDI_BAD_DATA);
    // SMPTE: 25 frames of 40 ticks is a millisecond a tick; 23 frames a second does not exist.
    ASSERT_EQ(file.Parse(Smf(0, 0xE728, { note })), MIDI_OK);
    EXPECT_DOUBLE_EQ(file.GetDurationMicros(), 96000.0);
    EXPECT_EQ(file.Parse(Smf(0, 0xE900, { note })), MIDI_BAD_DATA);
    EXPECT_EQ(file.Parse(Smf(0, 0xE700, { note })), MIDI_BAD_DATA);
}

TEST(MidiFile, the_duration_follows_the_tempo_map)
{
    // 96 ticks at the default half second a quarter, then 96 at a quarter second.
    const Bytes track = { 0x00, 0x90, 0x3C, 0x40, 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, 0x60,
        0x80, 0x3C, 0x00 };
    CMidiFile file;
    ASSERT_EQ(file.Parse(Smf(0, 96, { track })), MIDI_OK);
    EXPECT_EQ(file.GetLength(), 192u);
    EXPECT_DOUBLE_EQ(file.GetDurationMicros(), 750000.0);
}

struct Damage {
    const char* szName;
    Bytes image;
};

class DamagedMidiFile : public testing::TestWithParam<Damage> { };

TEST_P(DamagedMidiFile, is_bad_data)
{
    CMidiFile file;
    EXPECT_EQ(file.Parse(GetParam().image), MIDI_BAD_DATA);
    EXPECT_EQ(file.GetTrackCount(), 0);
}

Bytes WithHeaderLength(uint32_t length)
{
    Bytes b = TwoTracks();
    for (int i = 0; i < 4; ++i)
        b[4 + static_cast<size_t>(i)] = static_cast<uint8_t>(length >> (24 - 8 * i));
    return b;
}

Bytes WithTrackCount(uint16_t count)
{
    Bytes b = TwoTracks();
    b[10] = static_cast<uint8_t>(count >> 8);
    b[11] = static_cast<uint8_t>(count);
    return b;
}

// One track chunk whose length says more than the file holds.
Bytes TrackClaiming(uint32_t length)
{
    Bytes b = Smf(0, 96, {});
    b[11] = 1;
    b.insert(b.end(), { 'M', 'T', 'r', 'k' });
    Put32(b, length);
    b.insert(b.end(), kEnd.begin(), kEnd.end());
    return b;
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedMidiFile,
    testing::Values(Damage { "empty", {} }, Damage { "no_header", Bytes(40, 'x') },
        Damage { "short_header", WithHeaderLength(5) },
        Damage { "header_past_the_end", WithHeaderLength(0x7FFFFFFF) },
        Damage { "more_tracks_than_chunks", WithTrackCount(3) },
        Damage { "track_past_the_end", TrackClaiming(0x7FFFFFFF) },
        Damage { "data_byte_without_status", Smf(0, 96, { Cat({ 0x00, 0x3C, 0x40 }, kEnd) }) },
        Damage { "system_common_status", Smf(0, 96, { Cat({ 0x00, 0xF4 }, kEnd) }) },
        Damage {
            "tempo_of_two_bytes", Smf(0, 96, { Cat({ 0x00, 0xFF, 0x51, 0x02, 1, 2 }, kEnd) }) },
        Damage { "five_byte_delta", Smf(0, 96, { Cat({ 0x81, 0x81, 0x81, 0x81, 0x01 }, kEnd) }) },
        Damage { "meta_past_the_track", Smf(0, 96, { { 0x00, 0xFF, 0x01, 0x7F, 'a' } }) },
        Damage { "message_cut_short", Smf(0, 96, { { 0x00, 0x90, 0x3C } }) }),
    [](const testing::TestParamInfo<Damage>& info) { return info.param.szName; });

TEST(MidiFile, every_truncation_of_a_good_file_reads_or_fails_cleanly)
{
    const Bytes whole = TwoTracks();
    for (size_t n = 0; n < whole.size(); ++n) {
        CMidiFile file;
        const int result = file.Parse(Bytes(whole.begin(), whole.begin() + static_cast<long>(n)));
        EXPECT_TRUE(result == MIDI_BAD_DATA || result == MIDI_OK) << n;
        if (result == MIDI_OK) {
            EXPECT_LE(file.GetLength(), 224u) << n;
        }
    }
}

TEST(MidiFile, a_file_is_opened_from_disk_and_a_missing_one_cannot_be)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.path().toStdString() + "/tune.mid";
    ASSERT_TRUE(platform::WriteWholeFile(path, TwoTracks()));
    CMidiFile file;
    EXPECT_EQ(file.Open(path), MIDI_OK);
    EXPECT_EQ(file.GetLength(), 224u);
    EXPECT_EQ(file.Open(path + ".missing"), MIDI_CANNOT_OPEN);
}

// The records of one buffer: delta, stream identifier, event word and long data.
struct Record {
    uint32_t delta;
    uint32_t stream;
    uint32_t event;
    Bytes data;
};

std::vector<Record> Records(const Bytes& buffer, size_t recorded)
{
    auto word = [&](size_t at) {
        return uint32_t(buffer[at]) | (uint32_t(buffer[at + 1]) << 8)
            | (uint32_t(buffer[at + 2]) << 16) | (uint32_t(buffer[at + 3]) << 24);
    };
    std::vector<Record> records;
    for (size_t at = 0; at < recorded;) {
        Record r { word(at), word(at + 4), word(at + 8), {} };
        at += kMidiRecordSize;
        if ((r.event >> 24) == MEVT_LONGMSG) {
            const size_t length = r.event & 0xFFFFFF;
            r.data.assign(buffer.begin() + static_cast<long>(at),
                buffer.begin() + static_cast<long>(at + length));
            at += (length + 3) & ~size_t(3);
        }
        records.push_back(r);
    }
    return records;
}

TEST(MidiRecords, channel_and_tempo_events_become_records_and_metas_lend_their_ticks)
{
    // A text event at tick 100 between a note at 0 and a note at 150.
    const Bytes track = Cat({ 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0x90, 0x3C, 0x40,
                                0x64, 0xFF, 0x01, 0x01, 'x', 0x32, 0x80, 0x3C, 0x00 },
        kEnd);
    CMidiFile file;
    ASSERT_EQ(file.Parse(Smf(0, 96, { track })), MIDI_OK);
    // To the length inclusive, so that the last note's end is sent.
    CMidiBufferFiller filler(file, file.GetLength() + 1);
    Bytes buffer(1024, 0xEE);
    size_t recorded = 0;
    EXPECT_EQ(filler.Fill(buffer, recorded), MIDI_END_OF_DATA);
    const std::vector<Record> records = Records(buffer, recorded);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].event, 0x01000000u | 500000u);
    EXPECT_EQ(records[1].event, 0x90u | (0x3Cu << 8) | (0x40u << 16));
    EXPECT_EQ(records[1].delta, 0u);
    // The note off plays 150 ticks after the note on, not 50.
    EXPECT_EQ(records[2].delta, 150u);
    EXPECT_EQ(records[2].event, 0x80u | (0x3Cu << 8));
    for (const Record& r : records)
        EXPECT_EQ(r.stream, 0u);
    // Once the end is marked nothing more is written.
    EXPECT_TRUE(filler.IsAtEnd());
    EXPECT_EQ(filler.Fill(buffer, recorded), MIDI_END_OF_DATA);
    EXPECT_EQ(recorded, 0u);
}

TEST(MidiRecords, events_at_the_end_tick_are_not_sent_and_buffers_fill_to_sixteen_free_bytes)
{
    // Eighty notes a tick apart, and one more at the end tick.
    Bytes track;
    for (int i = 0; i < 80; ++i)
        track.insert(track.end(), { 0x01, 0x90, uint8_t(i), 0x40 });
    track.insert(track.end(), { 0x01, 0x90, 0x7F, 0x40 });
    track = Cat(track, kEnd);
    CMidiFile file;
    ASSERT_EQ(file.Parse(Smf(0, 96, { track })), MIDI_OK);
    ASSERT_EQ(file.GetLength(), 81u);
    CMidiBufferFiller filler(file, 81);
    Bytes buffer(1024);
    size_t recorded = 0;
    std::vector<Record> all;
    int result = MIDI_OK;
    int buffers = 0;
    while (result == MIDI_OK && buffers < 10) {
        result = filler.Fill(buffer, recorded);
        EXPECT_LE(recorded, buffer.size());
        if (result == MIDI_OK) {
            EXPECT_LT(buffer.size() - recorded, 16u);
        }
        const std::vector<Record> records = Records(buffer, recorded);
        all.insert(all.end(), records.begin(), records.end());
        ++buffers;
    }
    EXPECT_EQ(result, MIDI_END_OF_DATA);
    EXPECT_EQ(buffers, 1 + 81 * 12 / 1024);
    // The eighty notes, then the no-op that waits out the last tick.
    ASSERT_EQ(all.size(), 81u);
    EXPECT_EQ((all[79].event >> 8) & 0xFF, 79u);
    EXPECT_EQ(all.back().event, MEVT_NOP << 24);
    EXPECT_EQ(all.back().delta, 1u);
}

TEST(MidiRecords, a_long_message_that_does_not_fit_continues_in_the_next_buffer)
{
    Bytes sysex(2500);
    for (size_t i = 0; i < sysex.size(); ++i)
        sysex[i] = static_cast<uint8_t>(i % 127);
    Bytes track = { 0x00, 0x90, 0x3C, 0x40, 0x05, 0xF0, 0x93, 0x44 }; // 2500 bytes follow
    track.insert(track.end(), sysex.begin(), sysex.end());
    track = Cat(track, { 0x00, 0x80, 0x3C, 0x00, 0x01, 0xFF, 0x2F, 0x00 });
    CMidiFile file;
    ASSERT_EQ(file.Parse(Smf(0, 96, { track })), MIDI_OK);
    CMidiBufferFiller filler(file, file.GetLength());
    Bytes sent;
    std::vector<uint32_t> deltas;
    Bytes buffer(1024);
    size_t recorded = 0;
    int result = MIDI_OK;
    for (int n = 0; n < 10 && result == MIDI_OK; ++n) {
        result = filler.Fill(buffer, recorded);
        for (const Record& r : Records(buffer, recorded)) {
            if ((r.event >> 24) == MEVT_LONGMSG) {
                sent.insert(sent.end(), r.data.begin(), r.data.end());
                deltas.push_back(r.delta);
            }
        }
    }
    EXPECT_EQ(result, MIDI_END_OF_DATA);
    // The message goes out whole, starting with its 0xF0, over three buffers.
    ASSERT_EQ(sent.size(), sysex.size() + 1);
    EXPECT_EQ(sent[0], 0xF0);
    EXPECT_TRUE(std::equal(sysex.begin(), sysex.end(), sent.begin() + 1));
    ASSERT_EQ(deltas.size(), 3u);
    EXPECT_EQ(deltas[0], 5u);
    EXPECT_EQ(deltas[1], 0u);
}

} // namespace
