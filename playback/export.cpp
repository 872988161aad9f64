#include "playback/export.h"

#include "model/movie.h"
#include "platform/audio.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/gif.h"
#include "platform/mixer.h"
#include "platform/translate.h"
#include "platform/video.h"
#include "playback/playpass.h"
#include "playback/projectdoc.h"
#include "playback/soundsystem.h"
#include "playback/soundtrack.h"

#include <QImage>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using platform::Fill;
using platform::Tr;

namespace {

struct CFormatName {
    ExportFormat format;
    const char* szName;
    const char* szExtension;
};
constexpr CFormatName kFormats[] = {{ExportFormat::gif, "gif", "gif"},
    {ExportFormat::apng, "apng", "png"}, {ExportFormat::webm, "webm", "webm"},
    {ExportFormat::mp4, "mp4", "mp4"}, {ExportFormat::avi, "avi", "avi"}};

// The largest picture an export writes, and the longest greeting: an hour of frames.
constexpr int kMaxExportWidth = 4096;
constexpr int kMaxExportHeight = 4096;
constexpr int kMaxExportFrames = 30000;

bool IsVideo(ExportFormat format)
{
    return format == ExportFormat::webm || format == ExportFormat::mp4;
}

platform::VideoFormat VideoFormatOf(ExportFormat format)
{
    switch (format) {
    case ExportFormat::webm:
        return platform::VideoFormat::webm;
    case ExportFormat::mp4:
        return platform::VideoFormat::mp4;
    case ExportFormat::apng:
        return platform::VideoFormat::apng;
    default:
        return platform::VideoFormat::avi;
    }
}

int LastFrameOf(const CProjectDoc& doc, const CExportOptions& options)
{
    if (options.nLastFrame >= 0)
        return options.nLastFrame;
    const CAbstractMovie* movie = doc.GetMovie();
    return movie != nullptr ? std::max(1, movie->GetFrameCount()) - 1 : 0;
}

// Writes the GIF: the first pass counts the colours of every frame, the second writes them.
bool WriteGif(CProjectDoc& doc, CSoundSystem& sound, const CExportOptions& options, int nLast,
    const std::string& strPart, CWorkCounter& work, CExportResult& result)
{
    platform::CGifPalette palette;
    {
        CPlayPass pass(doc, sound, options.nWidth, options.nHeight);
        for (int frame = 0; frame <= nLast; ++frame) {
            pass.Next(false);
            if (frame < options.nFirstFrame)
                continue;
            palette.AddFrame(pass.Picture());
            if (!work.Step())
                return false;
        }
    }
    platform::CGifWriter writer(options.nWidth, options.nHeight, palette.Choose(), options.nLoops);
    {
        CPlayPass pass(doc, sound, options.nWidth, options.nHeight);
        for (int frame = 0; frame <= nLast; ++frame) {
            pass.Next(false);
            if (frame < options.nFirstFrame)
                continue;
            writer.AddFrame(pass.Picture(), 120);
            ++result.nFrames;
            if (!work.Step())
                return false;
        }
    }
    if (!platform::WriteWholeFile(strPart, writer.Finish())) {
        result.strError = Fill(Tr("Video", "%1 cannot be written"), { strPart });
        return false;
    }
    return true;
}

bool WriteVideo(CProjectDoc& doc, CSoundSystem& sound, const CExportOptions& options, int nLast,
    const std::string& strPart, CWorkCounter& work, CExportResult& result)
{
    platform::CVideoSettings settings;
    settings.format = VideoFormatOf(options.format);
    settings.nWidth = options.nWidth;
    settings.nHeight = options.nHeight;
    settings.nFrameMs = 120;
    settings.bSound = IsVideo(options.format);
    settings.nLoops = options.format == ExportFormat::apng ? options.nLoops : 0;
    const int nTimes = settings.format == platform::VideoFormat::apng ? 1 : std::max(1, options.nLoops);
    platform::CVideoWriter writer;
    if (!writer.Open(strPart, settings, result.strError))
        return false;
    for (int time = 0; time < nTimes; ++time) {
        CPlayPass pass(doc, sound, options.nWidth, options.nHeight);
        for (int frame = 0; frame <= nLast; ++frame) {
            pass.Next(settings.bSound);
            if (frame < options.nFirstFrame)
                continue;
            if (!writer.AddFrame(pass.Picture(), result.strError))
                return false;
            if (settings.bSound && !writer.AddSound(pass.Samples(), result.strError))
                return false;
            ++result.nFrames;
            if (!work.Step())
                return false;
        }
    }
    return writer.Finish(result.strError);
}

} // namespace

bool ParseExportFormat(const std::string& text, ExportFormat& format)
{
    for (const CFormatName& entry : kFormats)
        if (text == entry.szName) {
            format = entry.format;
            return true;
        }
    return false;
}

const char* ExportFormatName(ExportFormat format)
{
    for (const CFormatName& entry : kFormats)
        if (entry.format == format)
            return entry.szName;
    return "?";
}

const char* ExportFormatExtension(ExportFormat format)
{
    for (const CFormatName& entry : kFormats)
        if (entry.format == format)
            return entry.szExtension;
    return "";
}

std::string CheckExportOptions(const CProjectDoc& doc, const CExportOptions& options)
{
    if (doc.GetMovie() == nullptr || doc.GetFrameBuffer() == nullptr)
        return Tr("Video", "there is no greeting to export");
    if (options.nWidth < 2 || options.nHeight < 2 || options.nWidth > kMaxExportWidth
        || options.nHeight > kMaxExportHeight)
        return Tr("Video", "the size must be from 2 x 2 to 4096 x 4096");
    const int nLast = LastFrameOf(doc, options);
    if (options.nFirstFrame < 0 || nLast < options.nFirstFrame)
        return Tr("Video", "the first frame must come before the last");
    if (nLast >= kMaxExportFrames)
        return Tr("Video", "an export holds at most 30000 frames (an hour)");
    if (options.nLoops < 0 || options.nLoops > 1000)
        return Tr("Video", "the number of plays must be from 0 (for ever) to 1000");
    if (IsVideo(options.format) && std::max(1, options.nLoops) * (nLast - options.nFirstFrame + 1)
        > kMaxExportFrames)
        return Tr("Video", "an export holds at most 30000 frames (an hour)");
    if (options.format != ExportFormat::gif) {
        std::string missing;
        if (!platform::CanWriteVideo(VideoFormatOf(options.format), missing))
            return missing;
    }
    return {};
}

CExportResult ExportGreeting(CProjectDoc& doc, const CExportOptions& options,
    const std::string& strPath, const ExportProgress& progress)
{
    CExportResult result;
    result.strError = CheckExportOptions(doc, options);
    if (!result.strError.empty())
        return result;
    auto sound = MakeOfflineSound(IsVideo(options.format), result.strWarning);
    if (!result.strWarning.empty())
        result.strWarning = Fill(Tr("Video", "the music stays silent: %1"), { result.strWarning });
    if (!sound) {
        result.strError = Tr("Video", "there is not enough memory for the sound");
        return result;
    }
    // The greeting's sounds reach only this thread's mixer, never the program's sound card.
    platform::CThreadAudioOutput ownSound(sound.get());
    const int nLast = LastFrameOf(doc, options);
    const int nFrames = nLast - options.nFirstFrame + 1;
    const int nTotal = options.format == ExportFormat::gif ? 2 * nFrames
        : options.format == ExportFormat::apng             ? nFrames
                                                           : std::max(1, options.nLoops) * nFrames;
    CWorkCounter work(progress, nTotal);
    const std::string part = strPath + ".part";
    const bool bDone = options.format == ExportFormat::gif
        ? WriteGif(doc, *sound, options, nLast, part, work, result)
        : WriteVideo(doc, *sound, options, nLast, part, work, result);
    if (bDone && !platform::RenameFile(part, strPath))
        result.strError = Fill(Tr("Video", "%1 cannot be written"), { strPath });
    if (!bDone || !result.strError.empty()) {
        if (result.strError.empty())
            result.bCancelled = true;
        platform::DeleteFile(part);
    }
    return result;
}
