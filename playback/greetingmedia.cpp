#include "playback/greetingmedia.h"

#include "model/movie.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/gif.h"
#include "platform/video.h"
#include "playback/playpass.h"
#include "playback/projectdoc.h"

#include <QImage>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr int kFrameMs = 120;
// The picture's frames are kept from the pass until its palette is known. Beyond this much
// memory they are drawn again in a second pass instead.
constexpr int64_t kMaxKeptPictureBytes = 512LL * 1024 * 1024;

// Counts the frames done against the frames expected.
class CFrameCounter {
public:
    CFrameCounter(const MediaProgress& progress, int nTotal)
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
    const MediaProgress& m_progress;
    int m_nTotal;
    int m_nDone = 0;
};

// The picture's palette and frames while the pass runs.
class CPictureMaker {
public:
    explicit CPictureMaker(const CMediaRequest& request)
        : m_scaled(request.nPictureWidth, request.nPictureHeight, QImage::Format_RGB32)
        , m_nColours(request.nPictureColours)
    {
        m_scaled.fill(Qt::white);
    }

    void Take(const CPlayPass& pass)
    {
        pass.CopyTo(m_scaled);
        m_palette.AddFrame(m_scaled);
        ++m_nFrames;
        if (!m_bKeeping)
            return;
        m_nKeptBytes += m_scaled.sizeInBytes();
        if (m_nKeptBytes > kMaxKeptPictureBytes) {
            m_bKeeping = false;
            m_kept.clear();
            m_kept.shrink_to_fit();
            return;
        }
        m_kept.push_back(m_scaled.copy());
    }
    int Frames() const { return m_nFrames; }
    bool KeptAll() const { return m_bKeeping; }

    // Writes the GIF from the frames kept, or from a second pass when they were too many.
    bool Write(CProjectDoc& doc, CSoundSystem& sound, CGreetingMedia& media,
        CFrameCounter& counter)
    {
        platform::CGifWriter writer(
            m_scaled.width(), m_scaled.height(), m_palette.Choose(m_nColours), 0);
        if (m_bKeeping) {
            for (QImage& frame : m_kept) {
                writer.AddFrame(frame, kFrameMs);
                frame = QImage();
                if (!counter.Step())
                    return false;
            }
        } else {
            CPlayPass pass(doc, sound, m_scaled.width(), m_scaled.height());
            for (int frame = 0; frame < m_nFrames; ++frame) {
                pass.Next(false);
                writer.AddFrame(pass.Picture(), kFrameMs);
                if (!counter.Step())
                    return false;
            }
        }
        const std::vector<uint8_t> bytes = writer.Finish();
        media.strPicture.assign(bytes.begin(), bytes.end());
        media.nPictureWidth = m_scaled.width();
        media.nPictureHeight = m_scaled.height();
        media.nPictureFrames = m_nFrames;
        media.nPictureColours = m_nColours;
        return true;
    }

private:
    QImage m_scaled;
    int m_nColours;
    platform::CGifPalette m_palette;
    std::vector<QImage> m_kept;
    int64_t m_nKeptBytes = 0;
    bool m_bKeeping = true;
    int m_nFrames = 0;
};

} // namespace

namespace {

// The pass itself; what failed goes into result.
void Render(CProjectDoc& doc, const CMediaRequest& request, CGreetingMedia& media,
    const MediaProgress& progress, CMediaResult& result)
{
    media = CGreetingMedia();
    const CAbstractMovie* movie = doc.GetMovie();
    if (movie == nullptr || doc.GetFrameBuffer() == nullptr) {
        result.strError = "there is no greeting to draw";
        return;
    }
    if (!request.bPicture && !request.bVideo)
        return;
    if ((request.bPicture
            && (request.nPictureWidth < 2 || request.nPictureHeight < 2
                || request.nPictureWidth > platform::kMaxVideoSide
                || request.nPictureHeight > platform::kMaxVideoSide))
        || (request.bVideo && request.strVideoPath.empty())) {
        result.strError = "the picture's or the video's size is not one that can be made";
        return;
    }
    const int nGreeting = std::max(1, movie->GetFrameCount());
    if (request.bVideo) {
        std::string missing;
        if (!platform::CanWriteVideo(platform::VideoFormat::mp4, missing)) {
            result.bNoEncoder = true;
            result.strError = missing;
            return;
        }
    }
    auto sound = MakeOfflineSound(request.bVideo, media.strWarning);
    if (!media.strWarning.empty())
        media.strWarning = "the music stays silent: " + media.strWarning;
    if (!sound) {
        result.strError = "there is not enough memory for the sound";
        return;
    }
    platform::CThreadAudioOutput ownSound(sound.get());

    const std::string part = request.strVideoPath + ".part";
    platform::CVideoWriter writer;
    if (request.bVideo) {
        platform::CVideoSettings settings;
        settings.format = platform::VideoFormat::mp4;
        settings.nWidth = request.nVideoWidth;
        settings.nHeight = request.nVideoHeight;
        settings.nFrameMs = kFrameMs;
        settings.nHold = kMailVideoHold;
        settings.bSound = true;
        settings.nVideoBitRate = request.nVideoBitRate;
        settings.nSoundBitRate = request.nSoundBitRate;
        if (!writer.Open(part, settings, result.strError)) {
            platform::DeleteFile(part);
            return;
        }
    }
    const auto fail = [&](const std::string& why) {
        result.strError = why;
        if (why.empty())
            result.bCancelled = true;
        if (request.bVideo)
            platform::DeleteFile(part);
        media = CGreetingMedia();
        return;
    };

    std::unique_ptr<CPictureMaker> picture;
    if (request.bPicture)
        picture = std::make_unique<CPictureMaker>(request);
    CFrameCounter counter(progress, nGreeting * (request.bPicture ? 2 : 1));
    int nFrames = 0;
    {
        // The video's size decides the pass's; the picture is copied from the same frame.
        const int nWidth = request.bVideo ? request.nVideoWidth : request.nPictureWidth;
        const int nHeight = request.bVideo ? request.nVideoHeight : request.nPictureHeight;
        CPlayPass pass(doc, *sound, nWidth, nHeight);
        for (;; ++nFrames) {
            // The greeting plays once; the video goes on while the first play of its tune
            // lasts, so that the music is not cut off in the middle.
            if (nFrames >= nGreeting
                && (!request.bVideo || nFrames >= kMailVideoMaxFrames || sound->TunesStarted() == 0
                    || sound->TunesEnded() > 0 || !sound->IsTunePlaying()))
                break;
            if (nFrames >= nGreeting)
                counter.Expect(1);
            pass.Next(request.bVideo);
            if (picture && nFrames < nGreeting)
                picture->Take(pass);
            std::string error;
            if (request.bVideo
                && (!writer.AddFrame(pass.Picture(), error)
                    || !writer.AddSound(pass.Samples(), error)))
                return fail(error);
            if (!counter.Step())
                return fail({});
        }
    }
    if (request.bVideo) {
        std::string error;
        if (!writer.Finish(error))
            return fail(error);
        if (!platform::RenameFile(part, request.strVideoPath))
            return fail(request.strVideoPath + " cannot be written");
        media.bVideo = true;
        media.nVideoBytes = platform::FileLength(request.strVideoPath);
        media.nVideoWidth = request.nVideoWidth + (request.nVideoWidth & 1);
        media.nVideoHeight = request.nVideoHeight + (request.nVideoHeight & 1);
        media.nVideoFrames = nFrames;
        media.dVideoSeconds = nFrames * kFrameMs / 1000.0;
    }
    if (picture && !picture->Write(doc, *sound, media, counter)) {
        if (request.bVideo)
            platform::DeleteFile(request.strVideoPath);
        media = CGreetingMedia();
        result.bCancelled = true;
    }
    return;
}

} // namespace

CMediaResult RenderGreetingMedia(CProjectDoc& doc, const CMediaRequest& request,
    CGreetingMedia& media, const MediaProgress& progress)
{
    CMediaResult result;
    Render(doc, request, media, progress, result);
    return result;
}
