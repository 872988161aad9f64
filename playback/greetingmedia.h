// The greeting as a message carries it: an animated picture of one play that every mail
// reader shows inside the message, and a video with its soundtrack that every phone, browser
// and webmail player plays. Both come from one pass of continuous play from a rewind: each
// frame is composed once and feeds the picture, the video and the sound together.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class CProjectDoc;

// The video's frame rate: each 120 ms frame of the greeting is held for three video frames.
constexpr int kMailVideoFramesPerSecond = 25;
constexpr int kMailVideoHold = 3;
// The video lasts until the first play of the tune ends (the frame the tune starts on, and as
// long as its file lasts) when that is later than the greeting's end, but no longer than this
// many greeting frames (60 s) for it.
constexpr int kMailVideoMaxFrames = 500;

struct CMediaRequest {
    bool bPicture = true;
    int nPictureWidth = 616;
    int nPictureHeight = 462;
    int nPictureColours = 255;
    bool bVideo = true;
    std::string strVideoPath; // where the MP4 is written (whole, or not at all)
    int nVideoWidth = 800;
    int nVideoHeight = 600;
    int64_t nVideoBitRate = 0; // 0: a constant quality
    int64_t nSoundBitRate = 128'000;
};

struct CGreetingMedia {
    // The animated GIF's bytes, looping for ever, 120 ms a frame; empty when not asked for.
    std::string strPicture;
    int nPictureWidth = 0;
    int nPictureHeight = 0;
    int nPictureFrames = 0;
    int nPictureColours = 0;
    // The video, when one was asked for and made.
    bool bVideo = false;
    int64_t nVideoBytes = 0;
    int nVideoWidth = 0;
    int nVideoHeight = 0;
    int nVideoFrames = 0; // greeting frames it shows (each held three times)
    double dVideoSeconds = 0;
    // What the video lacks although it was made ("the music stays silent: ...").
    std::string strWarning;
};

// Why the media could not be made; empty after a success.
struct CMediaResult {
    bool bCancelled = false;
    bool bNoEncoder = false; // the installed libraries cannot write the video: strError says so
    std::string strError;
    bool Succeeded() const { return strError.empty() && !bCancelled; }
};

// Called with the frames done and the frames the pass expects in all (which grows when the
// tune outlasts the greeting); returning false cancels.
using MediaProgress = std::function<bool(int nDone, int nTotal)>;

// Plays the document once from a rewind and makes what request asks for. The document's
// movie is paused and rewound afterwards; its sounds go to an offline mixer of this thread.
// A video file that was not completed is removed.
CMediaResult RenderGreetingMedia(CProjectDoc& doc, const CMediaRequest& request,
    CGreetingMedia& media, const MediaProgress& progress = {});
