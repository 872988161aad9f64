// Reading Standard MIDI Files: the file (plain, or inside a RIFF "RMID" form) is read whole,
// its header and track chunks checked against the bytes there are, and its tracks merged into
// one stream of events in the order of their absolute ticks. Nothing is taken on trust: every
// length, variable-length number and message must fit in its track, or the file is bad data.
#pragma once

#include "platform/midistream.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Results of the reader.
constexpr int MIDI_OK = 0;
constexpr int MIDI_BAD_DATA = 1;
constexpr int MIDI_NO_MEMORY = 2;
constexpr int MIDI_CANNOT_OPEN = 3;
constexpr int MIDI_END_OF_DATA = 11;
constexpr int MIDI_END_TICK = 12;

// One event of the merged stream.
struct CMidiEvent {
    enum Kind { kindChannel, kindTempo, kindMeta, kindSysEx };
    Kind nKind = kindChannel;
    uint64_t nTick = 0; // absolute tick
    uint32_t nDelta = 0; // ticks since the event before it in the merged stream
    int nTrack = 0;
    uint8_t nStatus = 0; // channel status, 0xFF for meta events, 0xF0 or 0xF7
    uint8_t nData1 = 0; // first data byte of a channel message; the type of a meta event
    uint8_t nData2 = 0; // second data byte (0 for one-byte messages)
    uint32_t nTempo = 0; // microseconds per quarter note, for a tempo event
    std::span<const uint8_t> data; // the bytes of a meta or system-exclusive event
};

// True for a time division that can be played: ticks per quarter note above 0, or SMPTE
// (top bit set) with 24, 25, 29 (drop-frame) or 30 frames a second and ticks in each frame.
bool DivisionIsValid(uint16_t nDivision);
// Ticks a second of an SMPTE division; 0 when it is not a valid one.
double SmpteTicksPerSecond(uint16_t nDivision);

class CMidiFile {
public:
    // Reads and checks the file; MIDI_CANNOT_OPEN, MIDI_BAD_DATA or MIDI_OK. On success every
    // event has been read once to find the length, and the reader stands at the start. A file
    // that cannot sound is bad data too: no tracks, a time division of 0 (or a frame rate
    // that SMPTE does not have), a tempo of 0, or nothing after tick 0.
    int Open(const std::string& path);
    // The same for a file image in memory.
    int Parse(std::vector<uint8_t> image);

    // The next event of the merged tracks before nEndTick (UINT64_MAX: no end). MIDI_OK with
    // the event, MIDI_END_OF_DATA when every track has ended, MIDI_END_TICK (nothing consumed)
    // when the next event lies at or after the end tick, MIDI_BAD_DATA when a track does not
    // read.
    int NextEvent(CMidiEvent& event, uint64_t nEndTick = UINT64_MAX);
    // Back to the start of every track.
    void Rewind();

    uint16_t GetFormat() const { return m_nFormat; }
    int GetTrackCount() const { return static_cast<int>(m_tracks.size()); }
    uint16_t GetDivision() const { return m_nDivision; }
    // The tick of the last event.
    uint64_t GetLength() const { return m_nLength; }
    uint64_t GetPosition() const { return m_nPosition; }
    // How long the whole file plays, in microseconds, by its tempo map (or its SMPTE rate).
    double GetDurationMicros() const { return m_fDurationMicros; }

private:
    struct CTrack {
        size_t nStart = 0; // offset of the track's data in the image
        size_t nEnd = 0;
        size_t nPos = 0; // read position
        uint64_t nTick = 0; // absolute tick of the last event read
        uint8_t nRunning = 0;
        bool bEnded = false;
    };
    // A variable-length number at pos inside [pos, end); false when it does not end there or
    // needs more than four bytes.
    static bool ReadNumber(
        const std::vector<uint8_t>& image, size_t& pos, size_t end, uint32_t& value);

    std::vector<uint8_t> m_image;
    std::vector<CTrack> m_tracks;
    uint16_t m_nFormat = 0;
    uint16_t m_nDivision = 0;
    uint64_t m_nLength = 0;
    uint64_t m_nPosition = 0;
    double m_fDurationMicros = 0;
    bool m_bEnded = false;
};

// Stream event records, 12 bytes each in the byte order of the machine's stream interface
// (little-endian): the delta in ticks, a stream identifier (always 0) and the event word.
using platform::kMidiRecordSize;
using platform::MEVT_LONGMSG;
using platform::MEVT_NOP;
using platform::MEVT_SHORTMSG;
using platform::MEVT_TEMPO;

// Turns the merged events of a file into stream records, one buffer at a time. Channel
// messages become short records, tempo events tempo records and system-exclusive events long
// records (a 0xF0 event sent with its 0xF0); other meta events write nothing, and the ticks
// they stood for go to the next record written, so nothing after them plays early. A long
// message that does not fit is cut, and its rest opens the next buffer. The last record is a
// no-op carrying the ticks left to the end tick (or the file's length, when that comes first),
// so that a run lasts exactly as long as the file: a tune played again starts on its beat.
class CMidiBufferFiller {
public:
    // Events before nEndTick are written; the file's reader is used as it stands.
    CMidiBufferFiller(CMidiFile& file, uint64_t nEndTick);
    // Fills buffer from its start while at least 16 bytes are free and sets nRecorded to the
    // bytes written. MIDI_END_OF_DATA once the events before the end tick are all written (the
    // end is then marked and later calls write nothing), MIDI_OK otherwise. A reader error ends
    // this buffer early with MIDI_OK.
    int Fill(std::span<uint8_t> buffer, size_t& nRecorded);
    bool IsAtEnd() const { return m_bEnd; }

private:
    // Writes as much of the pending long message as fits at buffer[at]; returns the bytes used.
    size_t WriteLong(std::span<uint8_t> buffer, size_t at, uint32_t nDelta);
    // The delta of the next record: the carried ticks, of which a record takes at most what
    // its 32 bits hold; the rest goes out in no-op records first, while there is room.
    bool TakeDelta(std::span<uint8_t> buffer, size_t& nRecorded, uint32_t& nDelta);

    CMidiFile& m_file;
    uint64_t m_nEndTick;
    bool m_bEnd = false;
    std::vector<uint8_t> m_long; // the long message being written
    size_t m_nLongDone = 0; // of which so many bytes are written
    uint64_t m_nCarry = 0; // ticks of events that wrote nothing
};
