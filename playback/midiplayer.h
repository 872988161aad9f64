// The MIDI stream player: one Standard MIDI File at a time, read whole, its tracks merged and
// turned into stream records that four 1024-byte buffers carry to the mixer's stream. As the
// stream hands a played buffer back, the player refills it and queues it again; when the last
// one comes back after the end of the data (or a stop), the run is over and the owner is told
// by a posted end message.
//
// Threads: the stream hands buffers back on the audio thread with the device lock held; every
// public call takes the same lock, so the two never touch the player's state at once. The
// hand-back never waits and never closes the stream; it only marks the run ended and posts.
#pragma once

#include "platform/midistream.h"
#include "playback/midifile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class CAudioMixer;
}

// Results of the player's calls.
constexpr int MIDIPLAYER_OK = platform::MMSYSERR_NOERROR;
constexpr int MIDIPLAYER_NO_MEMORY = platform::MCIERR_OUT_OF_MEMORY;
constexpr int MIDIPLAYER_WRONG_STATE = platform::MCIERR_UNSUPPORTED_FUNCTION;
constexpr int MIDIPLAYER_NOT_READY = platform::MCIERR_DEVICE_NOT_READY;
constexpr int MIDIPLAYER_INVALID_FILE = platform::MCIERR_INVALID_FILE;

// The device number of the system's MIDI mapper.
constexpr int32_t MIDI_MAPPER = -1;

// The result a reader's code stands for: 0 stays 0, no memory is 264, bad data and a file
// that cannot be opened are 296, anything else 274.
int MidiResultOf(int nReaderCode);
// Why a result came, in a few words ("the file is not a MIDI file it can read"), in English
// (for logs); MidiResultReason says it in the program's language.
const char* MidiResultText(int nResult);
std::string MidiResultReason(int nResult);

class CMidiStreamPlayer : public platform::IMidiStreamClient {
public:
    enum State {
        stateNoFile = 0,
        stateOpened = 1,
        statePrerolling = 2,
        statePrerolled = 3,
        statePlaying = 4,
        statePaused = 5,
        stateStopping = 6,
        stateReset = 7,
    };
    static constexpr int kBufferCount = 4;
    static constexpr uint32_t kBufferSize = 1024;
    static constexpr uint32_t kStateBufferSize = 4096;

    // Told when a run is over: the player and the run's number. Called on the audio thread
    // (or inside Stop): it must only post.
    using EndPoster = std::function<void(CMidiStreamPlayer* pPlayer, uint32_t nRun)>;

    // The player of the mixer's stream; none when memory runs out. The mixer outlives it.
    static std::unique_ptr<CMidiStreamPlayer> Create(
        platform::CAudioMixer& mixer, EndPoster poster);
    // Stops a run and closes the stream and the file.
    ~CMidiStreamPlayer() override;
    CMidiStreamPlayer(const CMidiStreamPlayer&) = delete;
    CMidiStreamPlayer& operator=(const CMidiStreamPlayer&) = delete;

    // Stops what plays (doing nothing more when that fails), closes the file and opens the one
    // at path. 0, or 296 (a file that cannot be opened or read), 264, 274.
    int Open(const std::string& path);
    // The same with a file image in memory (name is only kept).
    int OpenImage(const std::string& name, std::vector<uint8_t> image);
    // Prerolls the whole file on the device and starts the stream. 0 on success.
    int Play();
    // Stops a playing run; the buffers are back when it returns, and the end message is posted.
    int Stop();

    // The device the next preroll opens: MIDI_MAPPER or a device number.
    void SetDevice(int32_t nDevice);
    int32_t GetDevice() const;

    int GetState() const;
    int GetLastError() const;
    uint64_t GetLength() const;
    int GetTrackCount() const;
    uint16_t GetDivision() const;
    // How long one run lasts, in microseconds.
    double GetDurationMicros() const;
    const std::string& GetFileName() const { return m_strFile; }
    // The number of the run that plays or played last (1 for the first).
    uint32_t GetRun() const;
    // True when nRun is the run that ended last and no other has started since: an end message
    // of an older run is stale.
    bool IsCurrentEnd(uint32_t nRun) const;
    // Buffers queued at the device and not yet back.
    int BuffersOut() const;

    void OnBufferDone(platform::CMidiHeader& header) override;

private:
    CMidiStreamPlayer(platform::CAudioMixer& mixer, EndPoster poster);

    int CloseFile();
    int Preroll();
    int Start();
    // The controller, programme and tempo values in force at the start tick, as records.
    void FillStateBuffer(uint64_t nStartTick);
    // Fills and queues one buffer; false when that failed (the error is kept).
    int Refill(platform::CMidiHeader& header);
    void ToFreeList(platform::CMidiHeader& header);
    // The last buffer is back after the end or a stop: the run is over.
    void EndRun();

    platform::CAudioMixer& m_mixer;
    EndPoster m_poster;
    std::string m_strFile;
    int32_t m_nDevice = 0;
    int m_nState = stateNoFile;
    int m_nLastError = 0;
    std::unique_ptr<CMidiFile> m_pFile;
    std::unique_ptr<CMidiBufferFiller> m_pFiller;
    bool m_bStreamOpen = false;
    std::vector<uint8_t> m_block; // the four buffers, each a header area and its data
    platform::CMidiHeader m_headers[kBufferCount];
    std::vector<platform::CMidiHeader*> m_free;
    std::vector<uint8_t> m_stateData;
    platform::CMidiHeader m_stateHeader;
    int m_nBuffersOut = 0;
    uint64_t m_nStartTick = 0;
    uint64_t m_nEndTick = 0;
    bool m_bEndOfData = false; // flag bit 0
    bool m_bStopping = false; // flag bit 2
    uint32_t m_nRun = 0;
    uint32_t m_nEndedRun = 0;
};
