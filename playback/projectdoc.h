// CProjectDoc: one open project as the editor holds it: the movie and the three 800 x 600
// buffers every frame is composed in (frame, work, black-and-white mask), with the operations
// that compose a frame and copy it, scaled, wherever it is shown.
#pragma once

#include "model/movie.h"
#include "platform/types.h"

#include <cstdint>
#include <memory>

class CDC;

// Single-step commands.
enum StepCommand { stepNone = 0, stepNext = 1, stepPrevious = 2, stepFirst = 3, stepLast = 4, stepStill = 5 };

class CProjectDoc {
public:
    explicit CProjectDoc(std::unique_ptr<CAbstractMovie> movie);
    // Pauses the movie (stopping its sounds), releases the buffers and deletes the movie.
    ~CProjectDoc();
    CProjectDoc(const CProjectDoc&) = delete;
    CProjectDoc& operator=(const CProjectDoc&) = delete;

    // Makes the three buffers and hands them to the movie, which is then resumed. When they
    // cannot be made the person is told and nothing composes from then on.
    bool CreateBuffers();

    // The movie plays its current frame and advances; the frame is copied into rc.
    void RenderTick(CDC& target, const CRect& rc);
    // The still picture: every object at its design position and size. While a preview is
    // installed nothing is composed or copied: the project's own still is not the preview's.
    void RenderStill(CDC& target, const CRect& rc);
    // One single step (next, previous, first, last; anything else shows the current frame
    // again), then the copy.
    void RenderStep(CDC& target, const CRect& rc, int command);
    // Copies the frame buffer's last picture without composing.
    void CopyFrame(CDC& target, const CRect& rc) const;

    // Puts the movie's stages aside and installs a one-stage preview of an effect: an ellipse
    // at (350, 250), 100 x 100, moving with the given type and parameters for n frames, looping.
    // The play state, current frame and play mode found are kept to be put back. False (nothing
    // installed) without a movie, while a preview is installed, or when memory runs out (told).
    bool InstallPreview(int32_t type, float p1, float p2, float p3, int32_t n);
    // Deletes the preview and puts the movie's own stages, frame count, play state, current
    // frame and play mode back. Nothing happens while no preview is installed.
    void RestoreMovie();
    bool IsPreviewInstalled() const { return m_bPreviewInstalled; }

    CAbstractMovie* GetMovie() const { return m_pMovie.get(); }
    CDC* GetFrameBuffer() const { return m_pFrame.get(); }

    // Single-step state: direction (1 forwards), at the end, at the start.
    uint8_t m_bStepForward = 1;
    uint8_t m_bAtEnd = 0;
    uint8_t m_bAtStart = 0;

private:
    std::unique_ptr<CAbstractMovie> m_pMovie;
    std::unique_ptr<CDC> m_pFrame;
    std::unique_ptr<CDC> m_pWork;
    std::unique_ptr<CDC> m_pMask;
    // What the preview put aside. The flag says whether a preview is installed: a movie may
    // have no stage list of its own, so the saved list cannot say it.
    bool m_bPreviewInstalled = false;
    std::unique_ptr<CStageList> m_pSavedStages;
    int32_t m_nSavedFrameCount = 0;
    int32_t m_nSavedCurrentFrame = 0;
    int32_t m_nSavedPlayMode = 0;
    int32_t m_bSavedPaused = 0;
    int32_t m_bSavedStopped = 0;
};

// Keeps the movie's length equal to the largest start frame + duration over the effects of
// the first stage's objects (at least 1, the one frame of a new project), marks every effect but the last of each object off
// screen, and sets the first and fourth timeline values of the last stage to the length.
// Returns the length.
int32_t RecomputeMovieLength(CAbstractMovie& movie);
