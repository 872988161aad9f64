// Continuous play from a rewind, frame by frame, as the exports and the mail's pictures and
// videos draw it: each tick composes the next frame into a picture of the size asked, and the
// sounds the frame starts and stops go to an offline mixer of the calling thread.
#pragma once

#include "platform/dc.h"
#include "playback/soundsystem.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CProjectDoc;

class CPlayPass {
public:
    // Rewinds the document's movie and resumes it.
    CPlayPass(CProjectDoc& doc, CSoundSystem& sound, int nWidth, int nHeight);
    // Pauses and rewinds the movie: pausing stops the sounds while this thread's mixer still
    // hears them.
    ~CPlayPass();
    CPlayPass(const CPlayPass&) = delete;
    CPlayPass& operator=(const CPlayPass&) = delete;

    // Plays the next frame; with bSound, also the 120 ms of sound that pass until the next.
    void Next(bool bSound);
    // The frame just played, copied again into a picture of another size (with the same
    // scaling as the pass's own picture).
    void CopyTo(QImage& picture) const;
    const QImage& Picture() const { return m_picture; }
    const std::vector<int16_t>& Samples() const { return m_samples; }

private:
    CProjectDoc& m_doc;
    CSoundSystem& m_sound;
    QImage m_picture;
    CDC m_target;
    CRect m_rc;
    std::vector<int16_t> m_samples;
};

// Counts the frames a render has done against those it expects (which may grow as it goes),
// and asks the progress callback, when there is one, whether to go on.
class CWorkCounter {
public:
    using Progress = std::function<bool(int nDone, int nTotal)>;
    CWorkCounter(const Progress& progress, int nTotal)
        : m_progress(progress)
        , m_nTotal(nTotal)
    {
    }
    bool Step()
    {
        ++m_nDone;
        m_nTotal = std::max(m_nTotal, m_nDone);
        return !m_progress || m_progress(m_nDone, m_nTotal);
    }
    void Expect(int nMore) { m_nTotal = std::max(m_nTotal, m_nDone + nMore); }

private:
    const Progress& m_progress;
    int m_nTotal;
    int m_nDone = 0;
};

// The offline sound system of a render: with bMusic the synthesizer of the system's
// SoundFont, whose absence is said in strWarning (the music then stays silent).
std::unique_ptr<CSoundSystem> MakeOfflineSound(bool bMusic, std::string& strWarning);
