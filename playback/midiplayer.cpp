#include "playback/midiplayer.h"

#include "platform/mixer.h"
#include "platform/translate.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <mutex>
#include <new>

using platform::CMidiHeader;

namespace {

// Each buffer of the block is a header area followed by its data.
constexpr size_t kHeaderArea = 64;

// The device lock: the stream hands buffers back under it.
using CDeviceLock = std::lock_guard<std::recursive_mutex>;

void PutRecord(std::vector<uint8_t>& data, size_t& at, uint32_t nEvent)
{
    for (uint32_t word : { 0u, 0u, nEvent })
        for (int i = 0; i < 4; ++i)
            data[at++] = static_cast<uint8_t>(word >> (8 * i));
}

} // namespace

int MidiResultOf(int nReaderCode)
{
    switch (nReaderCode) {
    case MIDI_OK:
        return MIDIPLAYER_OK;
    case MIDI_NO_MEMORY:
        return MIDIPLAYER_NO_MEMORY;
    case MIDI_BAD_DATA:
    case MIDI_CANNOT_OPEN:
    case 4:
        return MIDIPLAYER_INVALID_FILE;
    default:
        return MIDIPLAYER_WRONG_STATE;
    }
}

const char* MidiResultText(int nResult)
{
    switch (nResult) {
    case MIDIPLAYER_OK:
        return QT_TRANSLATE_NOOP("Sound", "played");
    case MIDIPLAYER_NO_MEMORY:
        return QT_TRANSLATE_NOOP("Sound", "there is not enough memory");
    case MIDIPLAYER_WRONG_STATE:
        return QT_TRANSLATE_NOOP("Sound", "the player cannot do that now");
    case MIDIPLAYER_NOT_READY:
        return QT_TRANSLATE_NOOP("Sound", "the MIDI output is not ready");
    case MIDIPLAYER_INVALID_FILE:
        return QT_TRANSLATE_NOOP("Sound", "the file is not a MIDI file that can be played");
    default:
        return QT_TRANSLATE_NOOP("Sound", "the MIDI output refused");
    }
}

std::string MidiResultReason(int nResult)
{
    return platform::Tr("Sound", MidiResultText(nResult));
}

std::unique_ptr<CMidiStreamPlayer> CMidiStreamPlayer::Create(
    platform::CAudioMixer& mixer, EndPoster poster)
{
    try {
        return std::unique_ptr<CMidiStreamPlayer>(new CMidiStreamPlayer(mixer, std::move(poster)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

CMidiStreamPlayer::CMidiStreamPlayer(platform::CAudioMixer& mixer, EndPoster poster)
    : m_mixer(mixer)
    , m_poster(std::move(poster))
    , m_block(kBufferCount * (kHeaderArea + kBufferSize))
    , m_stateData(kStateBufferSize)
{
    for (int i = 0; i < kBufferCount; ++i) {
        CMidiHeader& header = m_headers[i];
        header.pData = m_block.data() + size_t(i) * (kHeaderArea + kBufferSize) + kHeaderArea;
        header.nBufferLength = kBufferSize;
        header.pUser = this;
        m_free.push_back(&header);
    }
    m_stateHeader.pData = m_stateData.data();
    m_stateHeader.nBufferLength = kStateBufferSize;
    m_stateHeader.pUser = this;
}

CMidiStreamPlayer::~CMidiStreamPlayer()
{
    CDeviceLock lock(m_mixer.Mutex());
    Stop();
    if (m_nState == stateOpened)
        CloseFile();
    if (m_bStreamOpen)
        m_mixer.CloseStream();
    m_bStreamOpen = false;
}

void CMidiStreamPlayer::SetDevice(int32_t nDevice)
{
    CDeviceLock lock(m_mixer.Mutex());
    m_nDevice = nDevice;
}

int32_t CMidiStreamPlayer::GetDevice() const
{
    CDeviceLock lock(m_mixer.Mutex());
    return m_nDevice;
}

int CMidiStreamPlayer::GetState() const
{
    CDeviceLock lock(m_mixer.Mutex());
    return m_nState;
}

int CMidiStreamPlayer::GetLastError() const
{
    CDeviceLock lock(m_mixer.Mutex());
    return m_nLastError;
}

uint64_t CMidiStreamPlayer::GetLength() const
{
    CDeviceLock lock(m_mixer.Mutex());
    return m_pFile ? m_pFile->GetLength() : 0;
}

int CMidiStreamPlayer::GetTrackCount() const
{
    CDeviceLock lock(m_mixer.Mutex());
    return m_pFile ? m_pFile->GetTrackCount() : 0;
}

uint16_t CMidiStreamPlayer::GetDivision() const
{
    CDeviceLock lock(m_mixer.Mutex());
    return m_pFile ? m_pFile->GetDivision() : 0;
}

double CMidiStreamPlayer::GetDurationMicros() const
{
    CDeviceLock lock(m_mixer.Mutex());
    return m_pFile ? m_pFile->GetDurationMicros() : 0;
}

uint32_t CMidiStreamPlayer::GetRun() const
{
    CDeviceLock lock(m_mixer.Mutex());
    return m_nRun;
}

bool CMidiStreamPlayer::IsCurrentEnd(uint32_t nRun) const
{
    CDeviceLock lock(m_mixer.Mutex());
    return nRun != 0 && nRun == m_nEndedRun && nRun == m_nRun;
}

int CMidiStreamPlayer::BuffersOut() const
{
    CDeviceLock lock(m_mixer.Mutex());
    return m_nBuffersOut;
}

// ---------------------------------------------------------------------------------------------
// Opening and closing

int CMidiStreamPlayer::Open(const std::string& path)
{
    std::unique_ptr<CMidiFile> file;
    int result = MIDI_OK;
    try {
        file = std::make_unique<CMidiFile>();
        result = file->Open(path);
    } catch (const std::bad_alloc&) {
        result = MIDI_NO_MEMORY;
    }
    CDeviceLock lock(m_mixer.Mutex());
    if (Stop() != MIDIPLAYER_OK)
        return MIDIPLAYER_NOT_READY;
    if (m_nState == stateOpened) {
        const int closed = CloseFile();
        if (closed != MIDIPLAYER_OK)
            return closed;
    }
    m_strFile = path;
    if (result != MIDI_OK)
        return m_nLastError = MidiResultOf(result);
    m_pFile = std::move(file);
    m_nState = stateOpened;
    m_nLastError = MIDIPLAYER_OK;
    return MIDIPLAYER_OK;
}

int CMidiStreamPlayer::OpenImage(const std::string& name, std::vector<uint8_t> image)
{
    std::unique_ptr<CMidiFile> file;
    int result = MIDI_OK;
    try {
        file = std::make_unique<CMidiFile>();
        result = file->Parse(std::move(image));
    } catch (const std::bad_alloc&) {
        result = MIDI_NO_MEMORY;
    }
    CDeviceLock lock(m_mixer.Mutex());
    if (Stop() != MIDIPLAYER_OK)
        return MIDIPLAYER_NOT_READY;
    if (m_nState == stateOpened && CloseFile() != MIDIPLAYER_OK)
        return MIDIPLAYER_WRONG_STATE;
    m_strFile = name;
    if (result != MIDI_OK)
        return m_nLastError = MidiResultOf(result);
    m_pFile = std::move(file);
    m_nState = stateOpened;
    return MIDIPLAYER_OK;
}

int CMidiStreamPlayer::CloseFile()
{
    if (m_nState != stateOpened)
        return MIDIPLAYER_WRONG_STATE;
    m_pFiller.reset();
    m_pFile.reset();
    for (CMidiHeader* header : m_free)
        header->nFlags &= ~platform::MHDR_PREPARED;
    m_stateHeader.nFlags &= ~platform::MHDR_PREPARED;
    if (m_bStreamOpen)
        m_mixer.CloseStream();
    m_bStreamOpen = false;
    m_nState = stateNoFile;
    return MIDIPLAYER_OK;
}

// ---------------------------------------------------------------------------------------------
// Playing

int CMidiStreamPlayer::Play()
{
    CDeviceLock lock(m_mixer.Mutex());
    const int result = Preroll();
    if (result != MIDIPLAYER_OK)
        return result;
    return Start();
}

int CMidiStreamPlayer::Preroll()
{
    if (m_nState != stateOpened && m_nState != statePrerolled)
        return MIDIPLAYER_WRONG_STATE;
    m_nStartTick = 0;
    m_nEndTick = m_pFile->GetLength();
    if (m_bStreamOpen) {
        // The stream hands every queued buffer back before Reset returns.
        m_nState = stateReset;
        m_mixer.Reset();
    }
    m_nState = statePrerolling;
    m_bEndOfData = false;
    if (!m_bStreamOpen) {
        int result = MIDIPLAYER_NOT_READY;
        if (m_nDevice == MIDI_MAPPER || m_nDevice == 0)
            result = m_mixer.OpenStream(*this);
        if (result != MIDIPLAYER_OK) {
            m_nState = stateOpened;
            return m_nLastError = result;
        }
        m_bStreamOpen = true;
        if (m_mixer.SetTimeDivision(m_pFile->GetDivision()) != MIDIPLAYER_OK) {
            m_mixer.CloseStream();
            m_bStreamOpen = false;
            m_nState = stateOpened;
            return m_nLastError = MIDIPLAYER_NOT_READY;
        }
    }
    FillStateBuffer(m_nStartTick);
    m_stateHeader.nFlags |= platform::MHDR_PREPARED;
    if (const int result = m_mixer.Out(m_stateHeader); result != MIDIPLAYER_OK) {
        m_nState = stateOpened;
        return m_nLastError = result;
    }
    ++m_nBuffersOut;
    try {
        m_pFile->Rewind();
        m_pFiller = std::make_unique<CMidiBufferFiller>(*m_pFile, m_nEndTick);
    } catch (const std::bad_alloc&) {
        m_nState = stateOpened;
        return m_nLastError = MIDIPLAYER_NO_MEMORY;
    }
    while (!m_bEndOfData && !m_free.empty()) {
        CMidiHeader* header = m_free.back();
        m_free.pop_back();
        if (const int result = Refill(*header); result != MIDIPLAYER_OK) {
            m_free.push_back(header);
            m_nState = stateOpened;
            return m_nLastError = result;
        }
    }
    m_nState = statePrerolled;
    return MIDIPLAYER_OK;
}

void CMidiStreamPlayer::FillStateBuffer(uint64_t nStartTick)
{
    // The last tempo, the last programme of each channel and the last value of each
    // controller before the start tick, all at delta 0.
    std::array<int, 16> programs;
    programs.fill(-1);
    std::array<std::array<int, 120>, 16> controllers;
    for (auto& channel : controllers)
        channel.fill(-1);
    uint32_t tempo = 0;
    m_pFile->Rewind();
    CMidiEvent event;
    while (nStartTick > 0 && m_pFile->NextEvent(event, nStartTick) == MIDI_OK) {
        if (event.nKind == CMidiEvent::kindTempo)
            tempo = event.nTempo;
        else if (event.nKind == CMidiEvent::kindChannel && (event.nStatus & 0xF0) == 0xC0)
            programs[event.nStatus & 0x0F] = event.nData1;
        else if (event.nKind == CMidiEvent::kindChannel && (event.nStatus & 0xF0) == 0xB0
            && event.nData1 < 120)
            controllers[event.nStatus & 0x0F][event.nData1] = event.nData2;
    }
    size_t at = 0;
    auto room = [&] { return m_stateData.size() - at >= kMidiRecordSize; };
    if (tempo != 0 && room())
        PutRecord(m_stateData, at, (MEVT_TEMPO << 24) | tempo);
    for (uint32_t channel = 0; channel < 16; ++channel)
        if (programs[channel] >= 0 && room())
            PutRecord(m_stateData, at, 0xC0 | channel | (uint32_t(programs[channel]) << 8));
    for (uint32_t channel = 0; channel < 16; ++channel)
        for (uint32_t cc = 0; cc < 120; ++cc)
            if (controllers[channel][cc] >= 0 && room())
                PutRecord(m_stateData, at,
                    0xB0 | channel | (cc << 8) | (uint32_t(controllers[channel][cc]) << 16));
    m_stateHeader.nBytesRecorded = static_cast<uint32_t>(at);
}

int CMidiStreamPlayer::Refill(CMidiHeader& header)
{
    size_t recorded = 0;
    const int result
        = m_pFiller->Fill(std::span<uint8_t>(header.pData, header.nBufferLength), recorded);
    header.nBytesRecorded = static_cast<uint32_t>(recorded);
    if (result == MIDI_END_OF_DATA)
        m_bEndOfData = true;
    header.nFlags |= platform::MHDR_PREPARED;
    const int queued = m_mixer.Out(header);
    if (queued == MIDIPLAYER_OK)
        ++m_nBuffersOut;
    return queued;
}

int CMidiStreamPlayer::Start()
{
    if (m_nState != statePrerolled)
        return MIDIPLAYER_WRONG_STATE;
    m_nState = statePlaying;
    ++m_nRun;
    if (const int result = m_mixer.Restart(); result != MIDIPLAYER_OK) {
        // Nothing will play: take the buffers back and end the run cleanly.
        m_nState = stateStopping;
        m_bStopping = true;
        m_mixer.Stop();
        return m_nLastError = result;
    }
    return MIDIPLAYER_OK;
}

int CMidiStreamPlayer::Stop()
{
    CDeviceLock lock(m_mixer.Mutex());
    if (m_nState != statePlaying && m_nState != statePaused) {
        m_bStopping = false;
        return MIDIPLAYER_OK;
    }
    const int previous = m_nState;
    m_nState = stateStopping;
    m_bStopping = true;
    if (m_mixer.Stop() != MIDIPLAYER_OK) {
        // The stream goes on playing: so does the run.
        m_bStopping = false;
        m_nState = previous;
        return MIDIPLAYER_NOT_READY;
    }
    // The stream hands every buffer back inside Stop, so the run is over by now.
    return MIDIPLAYER_OK;
}

// ---------------------------------------------------------------------------------------------
// Buffers coming back

void CMidiStreamPlayer::ToFreeList(CMidiHeader& header)
{
    if (&header == &m_stateHeader)
        return;
    if (std::find(m_free.begin(), m_free.end(), &header) == m_free.end())
        m_free.push_back(&header);
}

void CMidiStreamPlayer::EndRun()
{
    m_nState = stateOpened;
    m_nLastError = MIDIPLAYER_OK;
    m_bStopping = false;
    m_nEndedRun = m_nRun;
    if (m_poster)
        m_poster(this, m_nRun);
}

void CMidiStreamPlayer::OnBufferDone(CMidiHeader& header)
{
    m_nBuffersOut = std::max(0, m_nBuffersOut - 1);
    if (m_nState == stateReset) {
        ToFreeList(header);
        return;
    }
    if (m_nState == stateStopping || m_bEndOfData || &header == &m_stateHeader) {
        ToFreeList(header);
        header.nFlags &= ~platform::MHDR_PREPARED;
        if (m_nBuffersOut == 0 && (m_nState == stateStopping || m_bEndOfData))
            EndRun();
        return;
    }
    if (m_nState != statePlaying) {
        ToFreeList(header);
        return;
    }
    // Playing on: the buffer goes back with the next events.
    if (Refill(header) != MIDIPLAYER_OK) {
        m_nState = stateStopping;
        ToFreeList(header);
        if (m_nBuffersOut == 0)
            EndRun();
    }
}
