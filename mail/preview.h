// The greeting as the picture a mail reader shows inside the message: an animated GIF of the
// whole greeting's continuous play, 120 ms a frame, at most the stage view's size, made smaller
// until it fits the message's budget for it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CProjectDoc;

// The largest picture a message carries, in bytes before base64.
constexpr int64_t kMaxPreviewBytes = 3 * 1024 * 1024;
// The stage view's size: the largest picture made.
constexpr int kPreviewWidth = 616;
constexpr int kPreviewHeight = 462;

struct CMailPreview {
    std::string m_strPicture; // the GIF's bytes
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nFrames = 0;
};

// The greeting of a project file, ready to be drawn, for a message: the movie is taken from
// the file's bytes, so no working file appears beside it, and a failure is not shown to the
// person but said in reason. Null when it cannot be read or drawn (the fonts need the
// application object, a QGuiApplication).
std::unique_ptr<CProjectDoc> OpenMailGreeting(const std::string& projectPath, std::string& reason);

// The smallest picture tried before a greeting is given up as too large for the message.
constexpr int kMinPreviewWidth = 160;

// Renders the project file at projectPath into preview: every frame of continuous play from a
// rewind, as the export draws it, looping for ever, first at kPreviewWidth x kPreviewHeight and
// then, while the GIF holds more than nMaxBytes, again at three quarters of the size before
// (both sides), down to kMinPreviewWidth. The project file is only read: the movie is taken
// from its bytes, so no working file appears beside it, and the GIF is made in memory. The
// fonts need the application object (a QGuiApplication); the call may come from any thread.
// isCancelled, when given, is asked between frames; a cancel returns false with reason "the
// send was cancelled". False with reason (a line saying what failed, naming the file where a
// file is at fault) otherwise; nothing is shown to the person. preview is set only on success.
bool MakeMailPreview(const std::string& projectPath, CMailPreview& preview, std::string& reason,
    const std::function<bool()>& isCancelled = {}, int64_t nMaxBytes = kMaxPreviewBytes);
