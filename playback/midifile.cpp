#include "playback/midifile.h"

#include "platform/files.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace {

uint32_t Big32(const std::vector<uint8_t>& b, size_t at)
{
    return (uint32_t(b[at]) << 24) | (uint32_t(b[at + 1]) << 16) | (uint32_t(b[at + 2]) << 8)
        | uint32_t(b[at + 3]);
}

uint16_t Big16(const std::vector<uint8_t>& b, size_t at)
{
    return static_cast<uint16_t>((b[at] << 8) | b[at + 1]);
}

uint32_t Little32(const std::vector<uint8_t>& b, size_t at)
{
    return uint32_t(b[at]) | (uint32_t(b[at + 1]) << 8) | (uint32_t(b[at + 2]) << 16)
        | (uint32_t(b[at + 3]) << 24);
}

bool TagAt(const std::vector<uint8_t>& b, size_t at, const char* tag)
{
    return b.size() >= at + 4 && std::memcmp(b.data() + at, tag, 4) == 0;
}

// The "data" chunk of a RIFF "RMID" form; the image itself when it is no such form. False when
// the form has no whole "data" chunk.
bool UnwrapRiff(std::vector<uint8_t>& image)
{
    if (!TagAt(image, 0, "RIFF") || !TagAt(image, 8, "RMID"))
        return true;
    size_t pos = 12;
    while (pos + 8 <= image.size()) {
        const uint32_t size = Little32(image, pos + 4);
        if (size > image.size() - pos - 8)
            return false;
        if (TagAt(image, pos, "data")) {
            image = std::vector<uint8_t>(image.begin() + static_cast<std::ptrdiff_t>(pos + 8),
                image.begin() + static_cast<std::ptrdiff_t>(pos + 8 + size));
            return true;
        }
        // Chunks are padded to an even length.
        pos += 8 + size + (size & 1);
    }
    return false;
}

} // namespace

bool DivisionIsValid(uint16_t nDivision)
{
    if ((nDivision & 0x8000) == 0)
        return nDivision != 0;
    return SmpteTicksPerSecond(nDivision) > 0;
}

double SmpteTicksPerSecond(uint16_t nDivision)
{
    const int fps = -static_cast<int8_t>(nDivision >> 8);
    const int ticksPerFrame = nDivision & 0xFF;
    if (ticksPerFrame == 0)
        return 0;
    switch (fps) {
    case 24:
    case 25:
    case 30: return double(fps) * ticksPerFrame;
    case 29: return 29.97 * ticksPerFrame; // drop-frame
    default: return 0;
    }
}

bool CMidiFile::ReadNumber(
    const std::vector<uint8_t>& image, size_t& pos, size_t end, uint32_t& value)
{
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (pos >= end)
            return false;
        const uint8_t byte = image[pos++];
        value = (value << 7) | (byte & 0x7F);
        if ((byte & 0x80) == 0)
            return true;
    }
    return false;
}

int CMidiFile::Open(const std::string& path)
{
    std::vector<uint8_t> image;
    if (platform::FileLength(path) < 0)
        return MIDI_CANNOT_OPEN;
    try {
        if (!platform::ReadWholeFile(path, image))
            return MIDI_CANNOT_OPEN;
        return Parse(std::move(image));
    } catch (const std::bad_alloc&) {
        return MIDI_NO_MEMORY;
    }
}

int CMidiFile::Parse(std::vector<uint8_t> image)
{
    m_image.clear();
    m_tracks.clear();
    m_nLength = 0;
    m_fDurationMicros = 0;
    if (!UnwrapRiff(image))
        return MIDI_BAD_DATA;
    if (image.size() < 8 || !TagAt(image, 0, "MThd"))
        return MIDI_BAD_DATA;
    const uint32_t headerLength = Big32(image, 4);
    if (headerLength < 6 || headerLength > image.size() - 8)
        return MIDI_BAD_DATA;
    const uint16_t format = Big16(image, 8);
    const uint16_t trackCount = Big16(image, 10);
    const uint16_t division = Big16(image, 12);
    if (trackCount == 0 || !DivisionIsValid(division))
        return MIDI_BAD_DATA;
    std::vector<CTrack> tracks;
    size_t pos = 8 + size_t(headerLength);
    for (int i = 0; i < trackCount; ++i) {
        if (image.size() - pos < 8 || !TagAt(image, pos, "MTrk"))
            return MIDI_BAD_DATA;
        const uint32_t length = Big32(image, pos + 4);
        if (length > image.size() - pos - 8)
            return MIDI_BAD_DATA;
        CTrack track;
        track.nStart = track.nPos = pos + 8;
        track.nEnd = track.nStart + length;
        tracks.push_back(track);
        pos = track.nEnd;
    }
    m_image = std::move(image);
    m_tracks = std::move(tracks);
    m_nFormat = format;
    m_nDivision = division;
    // One pass over every event finds the length and any track that does not read.
    Rewind();
    CMidiEvent event;
    int result;
    // The playing time by the tempo map: 500000 us a quarter note until the first tempo event.
    double micros = 0;
    uint64_t segmentTick = 0;
    uint32_t tempo = 500000;
    while ((result = NextEvent(event)) == MIDI_OK) {
        if (event.nKind == CMidiEvent::kindTempo) {
            micros += double(event.nTick - segmentTick) * tempo / division;
            segmentTick = event.nTick;
            tempo = event.nTempo;
        }
    }
    if (result != MIDI_END_OF_DATA || m_nPosition == 0) {
        m_image.clear();
        m_tracks.clear();
        return MIDI_BAD_DATA;
    }
    m_nLength = m_nPosition;
    if (division & 0x8000) {
        m_fDurationMicros = double(m_nLength) * 1e6 / SmpteTicksPerSecond(division);
    } else {
        m_fDurationMicros = micros + double(m_nLength - segmentTick) * tempo / division;
    }
    Rewind();
    return MIDI_OK;
}

void CMidiFile::Rewind()
{
    for (CTrack& track : m_tracks) {
        track.nPos = track.nStart;
        track.nTick = 0;
        track.nRunning = 0;
        track.bEnded = track.nStart == track.nEnd;
    }
    m_nPosition = 0;
    m_bEnded = false;
}

int CMidiFile::NextEvent(CMidiEvent& event, uint64_t nEndTick)
{
    if (m_bEnded)
        return MIDI_END_OF_DATA;
    // The track whose next event comes first; on equal ticks the earlier track.
    int chosen = -1;
    uint64_t chosenTick = 0;
    size_t chosenPos = 0;
    for (size_t i = 0; i < m_tracks.size(); ++i) {
        CTrack& track = m_tracks[i];
        if (track.bEnded)
            continue;
        size_t pos = track.nPos;
        uint32_t delta = 0;
        if (!ReadNumber(m_image, pos, track.nEnd, delta))
            return MIDI_BAD_DATA;
        const uint64_t tick = track.nTick + delta;
        if (chosen < 0 || tick < chosenTick) {
            chosen = static_cast<int>(i);
            chosenTick = tick;
            chosenPos = pos;
        }
    }
    if (chosen < 0) {
        m_bEnded = true;
        return MIDI_END_OF_DATA;
    }
    if (chosenTick >= nEndTick)
        return MIDI_END_TICK;
    CTrack& track = m_tracks[static_cast<size_t>(chosen)];
    size_t pos = chosenPos;
    if (pos >= track.nEnd)
        return MIDI_BAD_DATA;
    const uint64_t tick = chosenTick;
    event = CMidiEvent {};
    event.nTrack = chosen;
    event.nTick = tick;
    // The chosen track's last event lies at or before the position, so the delta is at most
    // one variable-length number.
    event.nDelta = static_cast<uint32_t>(tick - std::min(tick, m_nPosition));
    uint8_t status = m_image[pos];
    if (status < 0x80) {
        // A data byte: the track's running status applies.
        if (track.nRunning == 0)
            return MIDI_BAD_DATA;
        status = track.nRunning;
    } else {
        ++pos;
    }
    if (status < 0xF0) {
        const int dataBytes = status >= 0xC0 && status <= 0xDF ? 1 : 2;
        if (track.nEnd - pos < size_t(dataBytes))
            return MIDI_BAD_DATA;
        track.nRunning = status;
        event.nKind = CMidiEvent::kindChannel;
        event.nStatus = status;
        event.nData1 = m_image[pos++];
        if (dataBytes == 2)
            event.nData2 = m_image[pos++];
    } else if (status == 0xFF || status == 0xF0 || status == 0xF7) {
        track.nRunning = 0;
        event.nStatus = status;
        if (status == 0xFF) {
            if (pos >= track.nEnd)
                return MIDI_BAD_DATA;
            event.nData1 = m_image[pos++];
        }
        uint32_t length = 0;
        if (!ReadNumber(m_image, pos, track.nEnd, length) || length > track.nEnd - pos)
            return MIDI_BAD_DATA;
        event.data = std::span<const uint8_t>(m_image.data() + pos, length);
        pos += length;
        if (status != 0xFF) {
            event.nKind = CMidiEvent::kindSysEx;
        } else if (event.nData1 == 0x51) {
            if (length != 3)
                return MIDI_BAD_DATA;
            event.nKind = CMidiEvent::kindTempo;
            event.nTempo
                = (uint32_t(event.data[0]) << 16) | (uint32_t(event.data[1]) << 8) | event.data[2];
            if (event.nTempo == 0)
                return MIDI_BAD_DATA;
        } else {
            event.nKind = CMidiEvent::kindMeta;
            if (event.nData1 == 0x2F)
                track.bEnded = true;
        }
    } else {
        return MIDI_BAD_DATA;
    }
    track.nPos = pos;
    track.nTick = chosenTick;
    // A track whose bytes are used up has ended, with or without its end event.
    if (track.nPos >= track.nEnd)
        track.bEnded = true;
    m_nPosition = tick;
    return MIDI_OK;
}

// ---------------------------------------------------------------------------------------------
// Stream records

namespace {

void PutLittle32(std::span<uint8_t> buffer, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        buffer[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

void PutRecord(std::span<uint8_t> buffer, size_t at, uint32_t nDelta, uint32_t nEvent)
{
    PutLittle32(buffer, at, nDelta);
    PutLittle32(buffer, at + 4, 0);
    PutLittle32(buffer, at + 8, nEvent);
}

} // namespace

CMidiBufferFiller::CMidiBufferFiller(CMidiFile& file, uint64_t nEndTick)
    : m_file(file)
    , m_nEndTick(nEndTick)
{
}

size_t CMidiBufferFiller::WriteLong(std::span<uint8_t> buffer, size_t at, uint32_t nDelta)
{
    const size_t room = buffer.size() - at - kMidiRecordSize;
    // The part that fits, kept to whole words so that the next record stays aligned.
    const size_t part = std::min(m_long.size() - m_nLongDone, room & ~size_t(3));
    PutRecord(buffer, at, nDelta, (MEVT_LONGMSG << 24) | static_cast<uint32_t>(part));
    std::copy_n(m_long.begin() + static_cast<std::ptrdiff_t>(m_nLongDone), part,
        buffer.begin() + static_cast<std::ptrdiff_t>(at + kMidiRecordSize));
    const size_t padded = (part + 3) & ~size_t(3);
    std::fill_n(buffer.begin() + static_cast<std::ptrdiff_t>(at + kMidiRecordSize + part),
        padded - part, uint8_t(0));
    m_nLongDone += part;
    if (m_nLongDone == m_long.size()) {
        m_long.clear();
        m_nLongDone = 0;
    }
    return kMidiRecordSize + padded;
}

bool CMidiBufferFiller::TakeDelta(std::span<uint8_t> buffer, size_t& nRecorded, uint32_t& nDelta)
{
    constexpr uint64_t kMost = std::numeric_limits<uint32_t>::max();
    while (m_nCarry > kMost) {
        if (buffer.size() - nRecorded < kMidiRecordSize)
            return false;
        PutRecord(buffer, nRecorded, static_cast<uint32_t>(kMost), MEVT_NOP << 24);
        nRecorded += kMidiRecordSize;
        m_nCarry -= kMost;
    }
    nDelta = static_cast<uint32_t>(m_nCarry);
    m_nCarry = 0;
    return true;
}

int CMidiBufferFiller::Fill(std::span<uint8_t> buffer, size_t& nRecorded)
{
    nRecorded = 0;
    if (m_bEnd)
        return MIDI_END_OF_DATA;
    // The rest of a long message that did not fit opens the buffer.
    if (!m_long.empty() && buffer.size() >= 16)
        nRecorded += WriteLong(buffer, 0, 0);
    while (m_long.empty() && buffer.size() - nRecorded >= 16) {
        CMidiEvent event;
        const uint64_t before = m_file.GetPosition();
        const int result = m_file.NextEvent(event, m_nEndTick);
        if (result == MIDI_END_TICK || result == MIDI_END_OF_DATA) {
            // The no-op that lets the run last to the end tick or the file's length.
            const uint64_t end = std::min(m_nEndTick, m_file.GetLength());
            m_nCarry += end - std::min(end, before);
            uint32_t delta = 0;
            if (m_nCarry > 0 && TakeDelta(buffer, nRecorded, delta)
                && buffer.size() - nRecorded >= kMidiRecordSize) {
                PutRecord(buffer, nRecorded, delta, MEVT_NOP << 24);
                nRecorded += kMidiRecordSize;
            }
            m_bEnd = true;
            return MIDI_END_OF_DATA;
        }
        if (result != MIDI_OK) {
            // The file read whole when it was opened, so this cannot happen with its own image;
            // should it, the run ends rather than refilling empty buffers for ever.
            m_bEnd = true;
            return MIDI_END_OF_DATA;
        }
        // Events that write nothing leave their time to the next record that is written.
        m_nCarry += event.nDelta;
        uint32_t delta = 0;
        if (!TakeDelta(buffer, nRecorded, delta))
            break; // only a made-up file waits this long; its event is dropped
        switch (event.nKind) {
        case CMidiEvent::kindChannel:
            PutRecord(buffer, nRecorded, delta,
                (MEVT_SHORTMSG << 24) | event.nStatus | (uint32_t(event.nData1) << 8)
                    | (uint32_t(event.nData2) << 16));
            nRecorded += kMidiRecordSize;
            break;
        case CMidiEvent::kindTempo:
            PutRecord(buffer, nRecorded, delta, (MEVT_TEMPO << 24) | event.nTempo);
            nRecorded += kMidiRecordSize;
            break;
        case CMidiEvent::kindSysEx:
            if (event.nStatus == 0xF0)
                m_long.push_back(0xF0);
            m_long.insert(m_long.end(), event.data.begin(), event.data.end());
            if (m_long.empty())
                m_nCarry += delta;
            else
                nRecorded += WriteLong(buffer, nRecorded, delta);
            break;
        case CMidiEvent::kindMeta:
            m_nCarry += delta;
            break;
        }
    }
    return MIDI_OK;
}
