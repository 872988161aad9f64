// Continuous play from a rewind, frame by frame, as the exports and the mail's pictures and
// videos draw it: each tick composes the next frame into a picture of the size asked, and the
// sounds the frame starts and stops go to an offline mixer of the calling thread.
#pragma once

#include "platform/dc.h"
#include "playback/soundsystem.h"

#include <QImage>

#include <cstdint>
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

// The offline sound system of a render: with bMusic the synthesizer of the system's
// SoundFont, whose absence is said in strWarning (the music then stays silent).
std::unique_ptr<CSoundSystem> MakeOfflineSound(bool bMusic, std::string& strWarning);
