// A greeting as a moving picture or a video: the frames of continuous play from a rewind, as
// the renderer composes them, 120 ms each, scaled to the size asked; the videos carry the
// soundtrack those frames play. The file appears only when it is complete.
#pragma once

#include <functional>
#include <string>

class CProjectDoc;

enum class ExportFormat {
    gif,  // one palette for the whole greeting, later frames as their changes
    apng, // animated PNG, every colour exact
    webm, // VP9 or VP8 with Opus or Vorbis sound
    mp4,  // H.264 with AAC sound
    avi   // MPEG-4 part 2 without sound (what the intro video is made of)
};

// "gif", "apng", "webm", "mp4", "avi"; false for anything else.
bool ParseExportFormat(const std::string& text, ExportFormat& format);
const char* ExportFormatName(ExportFormat format);
// The file name extension, without the dot: the animated PNG is a ".png".
const char* ExportFormatExtension(ExportFormat format);

struct CExportOptions {
    ExportFormat format = ExportFormat::gif;
    int nFirstFrame = 0;
    int nLastFrame = -1; // -1: the greeting's last frame
    int nWidth = 800;
    int nHeight = 600;
    // GIF and APNG: how often the picture plays in all, 0 for ever. Videos cannot repeat by
    // themselves: they hold the frames this many times over (0 counts as once).
    int nLoops = 0;
};

// Called after every frame with the work done and the whole work (the GIF counts its frames
// twice: once to choose the palette, once to write them). Returning false cancels the export.
using ExportProgress = std::function<bool(int nDone, int nTotal)>;

// Why an export could not start or did not end; empty after a success.
struct CExportResult {
    bool bCancelled = false;
    std::string strError;
    int nFrames = 0;        // frames written
    std::string strWarning; // what the file lacks although it was written ("no SoundFont...")
    bool Succeeded() const { return strError.empty() && !bCancelled; }
};

// Checks the options against the greeting and the installed encoders; empty when they are
// usable, otherwise the reason.
std::string CheckExportOptions(const CProjectDoc& doc, const CExportOptions& options);

// Plays the document from a rewind and writes the file at strPath (first as strPath + ".part",
// renamed when complete; nothing is left behind on failure or cancel). The document's movie is
// paused and rewound afterwards. Its sounds go to an offline mixer of this thread only.
CExportResult ExportGreeting(CProjectDoc& doc, const CExportOptions& options,
    const std::string& strPath, const ExportProgress& progress = {});
