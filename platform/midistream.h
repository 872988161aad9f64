// The MIDI stream as the mixer offers it: buffers of 12-byte event records queued in order,
// played by the synthesizer at the sample frames their ticks give, and handed back one by one
// when their last record has played.
#pragma once

#include <cstdint>
#include <span>

namespace platform {

// Event words of the stream records: the kind in bits 24-31.
constexpr uint32_t MEVT_SHORTMSG = 0x00; // status | data1 << 8 | data2 << 16
constexpr uint32_t MEVT_TEMPO = 0x01; // microseconds per quarter note in bits 0-23
constexpr uint32_t MEVT_NOP = 0x02; // nothing happens; the delta still passes
constexpr uint32_t MEVT_LONGMSG = 0x80; // length in bits 0-23, then the bytes, padded to 4
constexpr size_t kMidiRecordSize = 12; // delta (uint32), stream id (uint32, 0), event word

// Flags of a buffer header.
constexpr uint32_t MHDR_DONE = 1; // handed back
constexpr uint32_t MHDR_PREPARED = 2;
constexpr uint32_t MHDR_INQUEUE = 4; // queued and not yet played

// Results of the stream calls.
constexpr int MMSYSERR_NOERROR = 0;
constexpr int MCIERR_OUT_OF_MEMORY = 264;
constexpr int MCIERR_UNSUPPORTED_FUNCTION = 274; // not valid in this state
constexpr int MCIERR_DEVICE_NOT_READY = 276;
constexpr int MCIERR_INVALID_FILE = 296;

// One buffer of records. The caller owns it and its data; the stream holds it from Out until
// it is handed back.
struct CMidiHeader {
    uint8_t* pData = nullptr;
    uint32_t nBufferLength = 0;
    uint32_t nBytesRecorded = 0; // records from pData on, a multiple of 4
    void* pUser = nullptr;
    uint32_t nFlags = 0;
};

// Who receives the played buffers. OnBufferDone runs with the device lock held: on the audio
// thread while the stream plays, or on the caller's thread inside Stop, Reset and Close (and
// inside an offline Render). It may queue the buffer again with Out; it must not wait.
class IMidiStreamClient {
public:
    virtual ~IMidiStreamClient() = default;
    virtual void OnBufferDone(CMidiHeader& header) = 0;
};

} // namespace platform
