#include "platform/mixer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

constexpr uint32_t kDefaultTempo = 500000; // microseconds per quarter note
constexpr uint32_t kDefaultDivision = 96; // ticks per quarter note until the client sets one
// Frames mixed in one pass; the float accumulator is this big and never grows.
constexpr size_t kChunkFrames = 512;
// Room kept in the queue so that a client re-queueing from the audio thread does not allocate.
constexpr size_t kQueueReserve = 64;
// Buffers handed back at one frame with no record played between them; past this the rest
// waits for the next frame, so a client re-queueing an empty buffer cannot hold the lock
// forever.
constexpr int kMaxIdleHandBacks = 64;

uint32_t ReadLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

bool IsSmpte(uint32_t nDivision)
{
    return (nDivision & 0x8000) != 0;
}

// Frames per second times 100 (29 stands for 29.97), or 0 when the value names no rate.
uint32_t SmpteRate100(uint32_t nDivision)
{
    int fps = -int(int8_t(uint8_t(nDivision >> 8)));
    switch (fps) {
    case 24:
        return 2400;
    case 25:
        return 2500;
    case 29:
        return 2997;
    case 30:
        return 3000;
    default:
        return 0;
    }
}

// The music's level under a recorded voice, and the factor that moves it by one frame of a
// ramp: kDuckRampFrames of these make the whole step, evenly in decibels.
const double kDuckLevel = std::pow(10.0, CAudioMixer::kDuckDb / 20.0);
const double kDuckStep
    = std::pow(10.0, CAudioMixer::kDuckDb / 20.0 / double(CAudioMixer::kDuckRampFrames));

// The frames of a sound still to come from nFrame on, or all of them when it loops.
size_t FramesLeft(const CPcm& pcm, size_t nFrame, bool bLoop, size_t nFrames)
{
    const size_t nTotal = pcm.Frames();
    if (bLoop && nTotal > 0)
        return nFrames;
    return nTotal > nFrame ? std::min(nFrames, nTotal - nFrame) : 0;
}

int16_t ToSample(float f)
{
    float scaled = f * 32768.0f;
    if (!(scaled > -32768.0f)) // also catches NaN
        return -32768;
    if (scaled >= 32767.0f)
        return 32767;
    return int16_t(std::lrintf(scaled));
}

} // namespace

struct CAudioMixer::CImpl {
    std::unique_ptr<ISynth> m_pSynth;
    float m_fGain = 1.0f;
    uint64_t m_nPosition = 0;
    std::vector<float> m_mix;

    // The wave.
    std::shared_ptr<const CPcm> m_pWave;
    bool m_bWaveLoop = false;
    size_t m_nWaveFrame = 0;
    uint64_t m_nWaveNumber = 0;
    uint64_t m_nLastWaveNumber = 0;

    // The voice.
    std::shared_ptr<const CPcm> m_pVoice;
    size_t m_nVoiceFrame = 0;

    // The music's level: 1, kDuckLevel under a recorded voice, or on a ramp between.
    double m_fMusicLevel = 1.0;

    // The stream.
    bool m_bStreamOpen = false;
    bool m_bClosing = false;
    IMidiStreamClient* m_pClient = nullptr;
    uint32_t m_nDivision = kDefaultDivision;
    std::vector<CMidiHeader*> m_queue;
    size_t m_nOffset = 0; // next record in the front buffer

    // The run: the tempo map so far and where it stands. A frame is computed from the absolute
    // tick of a record, never by adding per-event times, so rounding cannot accumulate.
    bool m_bPlaying = false;
    bool m_bRunStarted = false;
    uint64_t m_nTick = 0; // absolute tick of the last record dispatched
    uint64_t m_nOrigin = 0; // the frame the tempo map counts from
    uint64_t m_nSegmentTick = 0;
    unsigned __int128 m_nAccumulated = 0; // tick x microsecond-per-quarter products before it
    uint32_t m_nTempo = kDefaultTempo;

    void ResetRun()
    {
        m_bPlaying = false;
        m_bRunStarted = false;
        m_nTick = 0;
        m_nOrigin = 0;
        m_nSegmentTick = 0;
        m_nAccumulated = 0;
        m_nTempo = kDefaultTempo;
        m_nOffset = 0;
    }

    uint64_t FrameOfTick(uint64_t tick) const
    {
        unsigned __int128 numerator;
        unsigned __int128 denominator;
        uint64_t ticks = tick - m_nSegmentTick;
        if (IsSmpte(m_nDivision)) {
            numerator = (unsigned __int128)ticks * (kAudioRate * 100u);
            denominator = (unsigned __int128)SmpteRate100(m_nDivision) * (m_nDivision & 0xFF);
        } else {
            numerator = (m_nAccumulated + (unsigned __int128)ticks * m_nTempo) * kAudioRate;
            denominator = (unsigned __int128)m_nDivision * 1000000u;
        }
        unsigned __int128 frame = m_nOrigin + numerator / denominator;
        if (frame > std::numeric_limits<uint64_t>::max())
            return std::numeric_limits<uint64_t>::max();
        return uint64_t(frame);
    }

    // A tempo change at tick: the time up to it is kept in the accumulated products, the time
    // after it counts at the new tempo.
    void NewSegment(uint64_t tick)
    {
        m_nAccumulated += (unsigned __int128)(tick - m_nSegmentTick) * m_nTempo;
        m_nSegmentTick = tick;
    }

    // The bytes of the front buffer that hold records; never past what the caller gave.
    size_t RecordedBytes(const CMidiHeader& header) const
    {
        if (header.pData == nullptr)
            return 0;
        return std::min(header.nBytesRecorded, header.nBufferLength);
    }

    void HandBackFront()
    {
        CMidiHeader* pHeader = m_queue.front();
        m_queue.erase(m_queue.begin());
        m_nOffset = 0;
        pHeader->nFlags = (pHeader->nFlags & ~MHDR_INQUEUE) | MHDR_DONE;
        if (m_pClient != nullptr)
            m_pClient->OnBufferDone(*pHeader);
        // The last buffer of a run is back: what still sounds (a note whose end lies at the
        // tune's last tick) falls silent with the end of the run.
        if (m_bPlaying && m_queue.empty() && m_pSynth)
            m_pSynth->Silence();
    }

    // Dispatches every record due at the current position; sets nNextFrame to the frame of
    // the next record waiting (max when none). True when a buffer was handed back.
    bool DispatchDue(uint64_t& nNextFrame)
    {
        nNextFrame = std::numeric_limits<uint64_t>::max();
        bool bHandedBack = false;
        int nIdle = 0;
        while (m_bPlaying && !m_queue.empty()) {
            CMidiHeader& header = *m_queue.front();
            size_t nRecorded = RecordedBytes(header);
            // The end of the buffer, bytes too few for a record, or a length that runs past
            // the recorded bytes (nothing after it can be trusted): the buffer is done.
            bool bEnds = m_nOffset + kMidiRecordSize > nRecorded;
            const uint8_t* pRecord = header.pData + m_nOffset;
            uint32_t nDelta = 0;
            uint32_t nEvent = 0;
            size_t nSize = kMidiRecordSize;
            size_t nLength = 0;
            if (!bEnds) {
                nDelta = ReadLe32(pRecord);
                nEvent = ReadLe32(pRecord + 8);
                if (nEvent & 0x80000000u) {
                    nLength = nEvent & 0xFFFFFF;
                    bEnds = nLength > nRecorded - m_nOffset - kMidiRecordSize;
                    nSize = std::min(
                        kMidiRecordSize + ((nLength + 3) & ~size_t(3)), nRecorded - m_nOffset);
                }
            }
            if (bEnds) {
                if (nIdle == kMaxIdleHandBacks) {
                    nNextFrame = m_nPosition + 1;
                    break;
                }
                HandBackFront();
                bHandedBack = true;
                ++nIdle;
                continue;
            }
            uint64_t tick = m_nTick + nDelta;
            uint64_t frame = FrameOfTick(tick);
            if (frame > m_nPosition) {
                nNextFrame = frame;
                break;
            }
            m_nTick = tick;
            m_nOffset += nSize;
            nIdle = 0;
            // The callback flag (bit 30) asks for a notification we do not give; it does not
            // change the kind.
            uint32_t nType = (nEvent >> 24) & ~0x40u;
            if (nType == MEVT_LONGMSG) {
                if (m_pSynth)
                    m_pSynth->LongMessage(
                        std::span<const uint8_t>(pRecord + kMidiRecordSize, nLength));
            } else if (nType == MEVT_SHORTMSG) {
                if (m_pSynth)
                    m_pSynth->ShortMessage(nEvent & 0xFFFFFF);
            } else if (nType == MEVT_TEMPO) {
                // A tempo of 0 would put the rest of the tune at one instant; it is ignored.
                uint32_t nNewTempo = nEvent & 0xFFFFFF;
                if (!IsSmpte(m_nDivision) && nNewTempo != 0) {
                    NewSegment(tick);
                    m_nTempo = nNewTempo;
                }
            }
            // MEVT_NOP and kinds we do not know only pass time.
            if (m_nOffset >= nRecorded && !m_queue.empty() && m_queue.front() == &header) {
                HandBackFront();
                bHandedBack = true;
            }
        }
        return bHandedBack;
    }

    static void AddPcm(
        float* out, size_t nFrames, const CPcm& pcm, size_t& nFrame, bool bLoop, bool& bEnded)
    {
        size_t nTotal = pcm.Frames();
        bEnded = false;
        size_t i = 0;
        while (i < nFrames) {
            if (nFrame >= nTotal) {
                if (!bLoop || nTotal == 0) {
                    bEnded = true;
                    return;
                }
                nFrame = 0;
            }
            size_t nCount = std::min(nFrames - i, nTotal - nFrame);
            const int16_t* pIn = pcm.samples.data() + 2 * nFrame;
            float* pOut = out + 2 * i;
            for (size_t k = 0; k < 2 * nCount; ++k)
                pOut[k] += float(pIn[k]) * (1.0f / 32768.0f);
            nFrame += nCount;
            i += nCount;
        }
        if (nFrame >= nTotal && !bLoop)
            bEnded = true;
    }

    // How many of the next nFrames frames a recorded voice sounds in, from the first: a
    // voice that ends inside them lets the music come back from the frame after its last.
    size_t VoiceFrames(size_t nFrames) const
    {
        size_t nVoice = 0;
        if (m_pWave && m_pWave->bVoice)
            nVoice = FramesLeft(*m_pWave, m_nWaveFrame, m_bWaveLoop, nFrames);
        if (m_pVoice && m_pVoice->bVoice)
            nVoice = std::max(nVoice, FramesLeft(*m_pVoice, m_nVoiceFrame, false, nFrames));
        return nVoice;
    }

    // Scales the music (the synthesizer's frames alone in pMix) by its level, moving the
    // level one step a frame towards kDuckLevel during the voice's frames and towards 1 after.
    void DuckMusic(float* pMix, size_t nFrames, size_t nVoiceFrames)
    {
        for (size_t i = 0; i < nFrames; ++i) {
            if (i < nVoiceFrames)
                m_fMusicLevel = std::max(kDuckLevel, m_fMusicLevel * kDuckStep);
            else if (m_fMusicLevel < 1.0)
                m_fMusicLevel = std::min(1.0, m_fMusicLevel / kDuckStep);
            else
                return; // at full level with no voice left: the rest stays as it is
            const float fLevel = float(m_fMusicLevel);
            pMix[2 * i] *= fLevel;
            pMix[2 * i + 1] *= fLevel;
        }
    }

    void Mix(int16_t* out, size_t nFrames)
    {
        float* pMix = m_mix.data();
        std::fill(pMix, pMix + 2 * nFrames, 0.0f);
        if (m_pSynth) {
            m_pSynth->Render(pMix, int(nFrames));
            DuckMusic(pMix, nFrames, VoiceFrames(nFrames));
        }
        bool bEnded = false;
        if (m_pWave) {
            AddPcm(pMix, nFrames, *m_pWave, m_nWaveFrame, m_bWaveLoop, bEnded);
            if (bEnded)
                m_pWave.reset();
        }
        if (m_pVoice) {
            AddPcm(pMix, nFrames, *m_pVoice, m_nVoiceFrame, false, bEnded);
            if (bEnded)
                m_pVoice.reset();
        }
        for (size_t k = 0; k < 2 * nFrames; ++k)
            out[k] = ToSample(pMix[k] * m_fGain);
        m_nPosition += nFrames;
    }

    // Hands back every buffer queued when it is called, in order. A buffer the client queues
    // again from its OnBufferDone stays queued for the next run.
    void HandBackAll()
    {
        size_t nCount = m_queue.size();
        for (size_t i = 0; i < nCount && !m_queue.empty(); ++i)
            HandBackFront();
    }

    int StopRun()
    {
        if (!m_bStreamOpen)
            return MCIERR_UNSUPPORTED_FUNCTION;
        if (m_pSynth)
            m_pSynth->Silence();
        ResetRun();
        HandBackAll();
        return MMSYSERR_NOERROR;
    }
};

CAudioMixer::CAudioMixer(std::unique_ptr<ISynth> synth)
    : m_pImpl(std::make_unique<CImpl>())
{
    m_pImpl->m_pSynth = std::move(synth);
    m_pImpl->m_mix.resize(2 * kChunkFrames);
    m_pImpl->m_queue.reserve(kQueueReserve);
}

CAudioMixer::~CAudioMixer() = default;

bool CAudioMixer::HasSynth() const
{
    return m_pImpl->m_pSynth != nullptr;
}

uint64_t CAudioMixer::PlayWave(std::shared_ptr<const CPcm> pcm, bool bLoop)
{
    std::lock_guard lock(m_mutex);
    CImpl& d = *m_pImpl;
    d.m_pWave = std::move(pcm);
    d.m_bWaveLoop = bLoop;
    d.m_nWaveFrame = 0;
    d.m_nWaveNumber = ++d.m_nLastWaveNumber;
    return d.m_nWaveNumber;
}

void CAudioMixer::StopWave(uint64_t nWave)
{
    std::lock_guard lock(m_mutex);
    CImpl& d = *m_pImpl;
    if (nWave == 0 || nWave == d.m_nWaveNumber)
        d.m_pWave.reset();
}

bool CAudioMixer::IsWavePlaying() const
{
    std::lock_guard lock(m_mutex);
    return m_pImpl->m_pWave != nullptr;
}

void CAudioMixer::PlayVoice(std::shared_ptr<const CPcm> pcm)
{
    std::lock_guard lock(m_mutex);
    m_pImpl->m_pVoice = std::move(pcm);
    m_pImpl->m_nVoiceFrame = 0;
}

void CAudioMixer::StopVoice()
{
    std::lock_guard lock(m_mutex);
    m_pImpl->m_pVoice.reset();
}

int CAudioMixer::OpenStream(IMidiStreamClient& client)
{
    std::lock_guard lock(m_mutex);
    CImpl& d = *m_pImpl;
    if (d.m_bStreamOpen)
        return MCIERR_UNSUPPORTED_FUNCTION;
    d.m_bStreamOpen = true;
    d.m_pClient = &client;
    d.m_nDivision = kDefaultDivision;
    d.ResetRun();
    return MMSYSERR_NOERROR;
}

int CAudioMixer::SetTimeDivision(uint32_t nDivision)
{
    std::lock_guard lock(m_mutex);
    CImpl& d = *m_pImpl;
    if (!d.m_bStreamOpen)
        return MCIERR_UNSUPPORTED_FUNCTION;
    if (nDivision == 0 || nDivision > 0xFFFF)
        return MCIERR_DEVICE_NOT_READY;
    if (IsSmpte(nDivision) && (SmpteRate100(nDivision) == 0 || (nDivision & 0xFF) == 0))
        return MCIERR_DEVICE_NOT_READY;
    if (d.m_bRunStarted && nDivision != d.m_nDivision) {
        // The frames already played stay where they are; the new division counts from the
        // last record dispatched.
        uint64_t frame = d.FrameOfTick(d.m_nTick);
        d.m_nDivision = nDivision;
        d.m_nOrigin = frame;
        d.m_nSegmentTick = d.m_nTick;
        d.m_nAccumulated = 0;
    } else {
        d.m_nDivision = nDivision;
    }
    return MMSYSERR_NOERROR;
}

int CAudioMixer::Out(CMidiHeader& header)
{
    std::lock_guard lock(m_mutex);
    CImpl& d = *m_pImpl;
    if (!d.m_bStreamOpen || d.m_bClosing)
        return MCIERR_UNSUPPORTED_FUNCTION;
    if (std::find(d.m_queue.begin(), d.m_queue.end(), &header) != d.m_queue.end())
        return MCIERR_UNSUPPORTED_FUNCTION;
    header.nFlags = (header.nFlags | MHDR_INQUEUE) & ~MHDR_DONE;
    d.m_queue.push_back(&header);
    return MMSYSERR_NOERROR;
}

int CAudioMixer::Restart()
{
    std::lock_guard lock(m_mutex);
    CImpl& d = *m_pImpl;
    if (!d.m_bStreamOpen)
        return MCIERR_UNSUPPORTED_FUNCTION;
    if (!d.m_bRunStarted) {
        d.ResetRun();
        d.m_bRunStarted = true;
        d.m_nOrigin = d.m_nPosition;
    }
    d.m_bPlaying = true;
    return MMSYSERR_NOERROR;
}

int CAudioMixer::Stop()
{
    std::lock_guard lock(m_mutex);
    return m_pImpl->StopRun();
}

int CAudioMixer::Reset()
{
    std::lock_guard lock(m_mutex);
    return m_pImpl->StopRun();
}

void CAudioMixer::CloseStream()
{
    std::lock_guard lock(m_mutex);
    CImpl& d = *m_pImpl;
    if (!d.m_bStreamOpen)
        return;
    // While the buffers go back the client may not queue them again: nobody would return them.
    d.m_bClosing = true;
    d.StopRun();
    d.m_queue.clear();
    d.m_bClosing = false;
    d.m_bStreamOpen = false;
    d.m_pClient = nullptr;
}

bool CAudioMixer::IsStreamOpen() const
{
    std::lock_guard lock(m_mutex);
    return m_pImpl->m_bStreamOpen;
}

void CAudioMixer::SetGain(float fGain)
{
    std::lock_guard lock(m_mutex);
    m_pImpl->m_fGain = fGain > 0.0f ? std::min(fGain, 1.0f) : 0.0f; // NaN mutes too
}

size_t CAudioMixer::Render(int16_t* out, size_t nFrames, bool bStopWhenDrained)
{
    std::lock_guard lock(m_mutex);
    CImpl& d = *m_pImpl;
    size_t nDone = 0;
    for (;;) {
        // Records due now go first, so that those at the last frame of this call are not left
        // for the next one.
        uint64_t nNextFrame = 0;
        bool bHandedBack = d.DispatchDue(nNextFrame);
        if (bHandedBack && bStopWhenDrained && d.m_queue.empty())
            return nDone;
        if (nDone == nFrames)
            return nDone;
        size_t nCount = std::min(nFrames - nDone, kChunkFrames);
        if (nNextFrame - d.m_nPosition < nCount)
            nCount = size_t(nNextFrame - d.m_nPosition);
        d.Mix(out + 2 * nDone, nCount);
        nDone += nCount;
    }
}

uint64_t CAudioMixer::Position() const
{
    std::lock_guard lock(m_mutex);
    return m_pImpl->m_nPosition;
}

} // namespace platform
