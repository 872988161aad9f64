#include "playback/greetingmedia.h"

#include "model/movie.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/gif.h"
#include "platform/translate.h"
#include "platform/video.h"
#include "playback/playpass.h"
#include "playback/projectdoc.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using platform::Fill;
using platform::Tr;

namespace {

constexpr int kFrameMs = 120;
// The picture's frames are kept from the pass until its palette is known. Beyond this much
// memory they are drawn again in a second pass instead.
constexpr int64_t kMaxKeptPictureBytes = 512LL * 1024 * 1024;

// A thread of its own that does one kind of work on items in the order they come, at most a
// few items behind: the next frame is drawn while the last one is coded.
template <class Item>
class CWorkLine {
public:
    explicit CWorkLine(std::function<bool(Item&)> work)
        : m_work(std::move(work))
        , m_thread([this] { Run(); })
    {
    }
    ~CWorkLine() { Stop(); }
    CWorkLine(const CWorkLine&) = delete;
    CWorkLine& operator=(const CWorkLine&) = delete;

    // Hands on an item, waiting while the line is full. False once the work has failed.
    bool Push(Item item)
    {
        std::unique_lock lock(m_mutex);
        m_room.wait(lock, [&] { return m_items.size() < kQueued || m_bStop; });
        if (m_bStop)
            return false;
        m_items.push_back(std::move(item));
        m_ready.notify_one();
        return true;
    }
    // Waits until every item is done; false when the work failed on one.
    bool Finish()
    {
        {
            std::lock_guard lock(m_mutex);
            m_bEnd = true;
        }
        m_ready.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return !m_bFailed;
    }
    // Drops what is waiting and ends the thread.
    void Stop()
    {
        {
            std::lock_guard lock(m_mutex);
            m_bStop = true;
            m_items.clear();
        }
        m_ready.notify_all();
        m_room.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    static constexpr size_t kQueued = 3;

    void Run()
    {
        for (;;) {
            Item item;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [&] { return !m_items.empty() || m_bEnd || m_bStop; });
                if (m_bStop || m_items.empty())
                    return;
                item = std::move(m_items.front());
                m_items.pop_front();
            }
            m_room.notify_one();
            if (!m_work(item)) {
                std::lock_guard lock(m_mutex);
                m_bFailed = true;
                m_bStop = true;
                m_items.clear();
                m_room.notify_all();
                return;
            }
        }
    }

    std::function<bool(Item&)> m_work;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_room;
    std::deque<Item> m_items;
    bool m_bEnd = false;
    bool m_bStop = false;
    bool m_bFailed = false;
    std::thread m_thread; // last: it starts once everything it uses is made
};

// The picture's palette and frames: counted on a thread of its own while the pass runs, then
// written as the GIF.
class CPictureMaker {
public:
    explicit CPictureMaker(const CMediaRequest& request)
        : m_nWidth(request.nPictureWidth)
        , m_nHeight(request.nPictureHeight)
        , m_nColours(request.nPictureColours)
    {
    }

    // One frame of the picture's size (on the picture's thread).
    void Count(QImage frame)
    {
        m_palette.AddFrame(frame);
        ++m_nFrames;
        if (!m_bKeeping)
            return;
        m_nKeptBytes += frame.sizeInBytes();
        if (m_nKeptBytes > kMaxKeptPictureBytes) {
            m_bKeeping = false;
            m_kept.clear();
            m_kept.shrink_to_fit();
            return;
        }
        m_kept.push_back(std::move(frame));
    }
    bool KeptAll() const { return m_bKeeping; }

    // Writes the GIF from the frames kept; without them, from a second pass over the document
    // (which only the drawing thread may do), or false when none is given. step, when given,
    // is asked after every frame; false from it stops the writing.
    bool Write(CProjectDoc* doc, CSoundSystem* sound, CGreetingMedia& media,
        const std::function<bool()>& step = {})
    {
        platform::CGifWriter writer(m_nWidth, m_nHeight, m_palette.Choose(m_nColours), 0);
        if (m_bKeeping) {
            for (QImage& frame : m_kept) {
                writer.AddFrame(frame, kFrameMs);
                frame = QImage();
                if (step && !step())
                    return false;
            }
        } else if (doc != nullptr && sound != nullptr) {
            CPlayPass pass(*doc, *sound, m_nWidth, m_nHeight);
            for (int frame = 0; frame < m_nFrames; ++frame) {
                pass.Next(false);
                writer.AddFrame(pass.Picture(), kFrameMs);
                if (step && !step())
                    return false;
            }
        } else {
            return false;
        }
        const std::vector<uint8_t> bytes = writer.Finish();
        media.strPicture.assign(bytes.begin(), bytes.end());
        media.nPictureWidth = m_nWidth;
        media.nPictureHeight = m_nHeight;
        media.nPictureFrames = m_nFrames;
        media.nPictureColours = m_nColours;
        return true;
    }

private:
    int m_nWidth;
    int m_nHeight;
    int m_nColours;
    platform::CGifPalette m_palette;
    std::vector<QImage> m_kept;
    int64_t m_nKeptBytes = 0;
    bool m_bKeeping = true;
    int m_nFrames = 0;
};

// One frame of the video with the sound that plays until the next.
struct CVideoFrame {
    QImage picture;
    std::vector<int16_t> samples;
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
        result.strError = Tr("Video", "there is no greeting to draw");
        return;
    }
    if (!request.bPicture && !request.bVideo)
        return;
    if ((request.bPicture
            && (request.nPictureWidth < 2 || request.nPictureHeight < 2
                || request.nPictureWidth > platform::kMaxVideoSide
                || request.nPictureHeight > platform::kMaxVideoSide))
        || (request.bVideo && request.strVideoPath.empty())) {
        result.strError
            = Tr("Video", "the picture's or the video's size is not one that can be made");
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
        media.strWarning = Fill(Tr("Video", "the music stays silent: %1"), { media.strWarning });
    if (!sound) {
        result.strError = Tr("Video", "there is not enough memory for the sound");
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

    // The video is coded and the picture's colours counted on threads of their own while this
    // one draws: each frame is composed once and feeds both.
    std::string videoError;
    std::unique_ptr<CWorkLine<CVideoFrame>> videoLine;
    if (request.bVideo)
        videoLine = std::make_unique<CWorkLine<CVideoFrame>>([&](CVideoFrame& frame) {
            return writer.AddFrame(frame.picture, videoError)
                && writer.AddSound(frame.samples, videoError);
        });
    std::unique_ptr<CPictureMaker> picture;
    std::unique_ptr<CWorkLine<QImage>> pictureLine;
    QImage scaled;
    if (request.bPicture) {
        picture = std::make_unique<CPictureMaker>(request);
        pictureLine = std::make_unique<CWorkLine<QImage>>([&](QImage& frame) {
            picture->Count(std::move(frame));
            return true;
        });
        scaled = QImage(request.nPictureWidth, request.nPictureHeight, QImage::Format_RGB32);
        scaled.fill(Qt::white);
    }
    const auto stopLines = [&] {
        if (videoLine)
            videoLine->Stop();
        if (pictureLine)
            pictureLine->Stop();
    };
    // Without a video the picture is written here after the pass, and counts as much again.
    CWorkCounter counter(progress, nGreeting * (request.bVideo ? 1 : 2));
    int nFrames = 0;
    // Where the first play of the tune ends, in frames: from the frame it starts on, as long
    // as its file lasts. -1 while no tune has started.
    int nTuneEnd = -1;
    {
        // The video's size decides the pass's; the picture is copied from the same frame.
        const int nWidth = request.bVideo ? request.nVideoWidth : request.nPictureWidth;
        const int nHeight = request.bVideo ? request.nVideoHeight : request.nPictureHeight;
        CPlayPass pass(doc, *sound, nWidth, nHeight);
        for (;; ++nFrames) {
            // The greeting plays once; the video goes on while the first play of its tune
            // lasts, so that the music is not cut off in the middle.
            if (nFrames >= nGreeting
                && (!request.bVideo || nFrames >= std::min(nTuneEnd, kMailVideoMaxFrames)))
                break;
            pass.Next(request.bVideo);
            if (request.bVideo && nTuneEnd < 0 && sound->TunesStarted() > 0) {
                const double micros = sound->Player() ? sound->Player()->GetDurationMicros() : 0;
                nTuneEnd = nFrames + static_cast<int>(std::ceil(micros / (kFrameMs * 1000.0)));
                counter.Expect(std::min(nTuneEnd, kMailVideoMaxFrames) - nFrames - 1);
            }
            if (picture && nFrames < nGreeting) {
                pass.CopyTo(scaled);
                pictureLine->Push(scaled.copy());
            }
            if (videoLine && !videoLine->Push({ pass.Picture().copy(), pass.Samples() })) {
                stopLines();
                return fail(videoError);
            }
            if (!counter.Step()) {
                stopLines();
                return fail({});
            }
        }
    }
    // With a video, the picture is written while the video's last frames are coded.
    bool bPictureWritten = false;
    std::thread pictureWriter;
    if (picture) {
        pictureLine->Finish();
        if (picture->KeptAll() && request.bVideo)
            pictureWriter = std::thread(
                [&] { bPictureWritten = picture->Write(nullptr, nullptr, media); });
    }
    std::string error;
    const bool bVideoDone = !request.bVideo
        || (videoLine->Finish() && writer.Finish(error)
            && (platform::RenameFile(part, request.strVideoPath)
                || (error = Fill(Tr("Video", "%1 cannot be written"), { request.strVideoPath }),
                    false)));
    if (pictureWriter.joinable())
        pictureWriter.join();
    if (!bVideoDone)
        return fail(videoError.empty() ? error : videoError);
    if (request.bVideo) {
        media.bVideo = true;
        media.nVideoBytes = platform::FileLength(request.strVideoPath);
        media.nVideoWidth = request.nVideoWidth + (request.nVideoWidth & 1);
        media.nVideoHeight = request.nVideoHeight + (request.nVideoHeight & 1);
        media.nVideoFrames = nFrames;
        media.dVideoSeconds = nFrames * kFrameMs / 1000.0;
    }
    // Here: the picture alone, or one whose frames were too many to keep (drawn again, where
    // the document may be used).
    if (picture && !bPictureWritten
        && !picture->Write(&doc, sound.get(), media, [&] { return counter.Step(); })) {
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
