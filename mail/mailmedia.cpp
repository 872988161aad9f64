#include "mail/mailmedia.h"

#include "mail/preview.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "platform/video.h"
#include "playback/projectdoc.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <memory>

using platform::Fill;
using platform::Tr;

namespace {

// The sizes the video is made smaller through before its bit rate is lowered.
constexpr struct {
    int nWidth, nHeight;
} kVideoSizes[] = { { 800, 600 }, { 640, 480 }, { 480, 360 }, { 320, 240 } };
// Below these the video is no longer worth sending.
constexpr int64_t kMinVideoBitRate = 48'000;
constexpr int64_t kSmallSoundBitRate = 64'000;
// What each attachment's header lines and boundary take, at most.
constexpr int64_t kPartOverhead = 512;
constexpr int kMinPictureColours = 32;

// A render's picture, or its video, in place of the one made before: the other stays.
void TakePicture(CGreetingMedia& into, CGreetingMedia& made)
{
    into.strPicture = std::move(made.strPicture);
    into.nPictureWidth = made.nPictureWidth;
    into.nPictureHeight = made.nPictureHeight;
    into.nPictureFrames = made.nPictureFrames;
    into.nPictureColours = made.nPictureColours;
}

void TakeVideo(CGreetingMedia& into, const CGreetingMedia& made)
{
    into.bVideo = made.bVideo;
    into.nVideoBytes = made.nVideoBytes;
    into.nVideoWidth = made.nVideoWidth;
    into.nVideoHeight = made.nVideoHeight;
    into.nVideoFrames = made.nVideoFrames;
    into.dVideoSeconds = made.dVideoSeconds;
    into.strWarning = made.strWarning;
}

int64_t MessageBytes(const CMailMediaPlan& plan, const CMailMedia& media)
{
    int64_t total = plan.nOtherBytes;
    if (!media.media.strPicture.empty())
        total += Base64MessageBytes(static_cast<int64_t>(media.media.strPicture.size()))
            + kPartOverhead;
    if (media.media.bVideo)
        total += Base64MessageBytes(media.media.nVideoBytes) + kPartOverhead;
    if (!media.strGreetingPath.empty())
        total += Base64MessageBytes(media.nGreetingBytes) + kPartOverhead;
    return total;
}

// Megabytes with one decimal, as the person's language writes them: "1.8 MB", "1,8 Mo".
QString MegabyteText(int64_t bytes)
{
    return QCoreApplication::translate("MailSize", "%1 MB")
        .arg(QLocale().toString(static_cast<double>(bytes) / (1024.0 * 1024.0), 'f', 1));
}

std::string Megabytes(int64_t bytes)
{
    return MegabyteText(bytes).toStdString();
}

} // namespace

int64_t Base64MessageBytes(int64_t bytes)
{
    if (bytes <= 0)
        return 0;
    const int64_t characters = (bytes + 2) / 3 * 4;
    return characters + (characters + 75) / 76 * 2;
}

std::string HumanSize(int64_t bytes)
{
    if (bytes >= 1024 * 1024)
        return MegabyteText(bytes).toStdString();
    return QCoreApplication::translate("MailSize", "%1 KB")
        .arg((std::max<int64_t>(bytes, 0) + 1023) / 1024)
        .toStdString();
}

std::string DescribeMailSize(const CMailMedia& media)
{
    // The parts in the person's language; the line starts with a capital.
    QStringList parts;
    const auto add = [&](const char* what, int64_t bytes) {
        parts << QCoreApplication::translate("MailSize", what)
                     .arg(QString::fromStdString(HumanSize(bytes)));
    };
    if (!media.media.strPicture.empty())
        add(QT_TRANSLATE_NOOP("MailSize", "picture %1"),
            static_cast<int64_t>(media.media.strPicture.size()));
    if (media.media.bVideo)
        add(QT_TRANSLATE_NOOP("MailSize", "video with sound %1"), media.media.nVideoBytes);
    if (!media.strGreetingPath.empty())
        add(QT_TRANSLATE_NOOP("MailSize", "greeting file %1"), media.nGreetingBytes);
    const QString total = QString::fromStdString(HumanSize(media.nMessageBytes));
    const QString about = QCoreApplication::translate("MailSize", "about %1").arg(total);
    QString text = parts.isEmpty()
        ? about
        : parts.join(QStringLiteral(" \u00b7 ")) + QStringLiteral(" \u2014 ") + about;
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text.toStdString();
}

namespace {

bool Prepare(const std::string& projectPath, const std::string& folder, const std::string& stem,
    const CMailMediaPlan& plan, CMailMedia& result, std::string& reason,
    const std::function<bool(const std::string& step, int nDone, int nTotal)>& progress,
    bool& bCopied);

} // namespace

bool PrepareMailMedia(const std::string& projectPath, const std::string& folder,
    const std::string& stem, const CMailMediaPlan& plan, CMailMedia& result, std::string& reason,
    const std::function<bool(const std::string& step, int nDone, int nTotal)>& progress)
{
    bool bCopied = false;
    if (Prepare(projectPath, folder, stem, plan, result, reason, progress, bCopied))
        return true;
    // What was made for a message that cannot go is of no use to anyone.
    if (bCopied)
        platform::DeleteFile(result.strGreetingPath);
    if (!result.strVideoPath.empty())
        platform::DeleteFile(result.strVideoPath);
    result = CMailMedia();
    return false;
}

namespace {

bool Prepare(const std::string& projectPath, const std::string& folder, const std::string& stem,
    const CMailMediaPlan& plan, CMailMedia& result, std::string& reason,
    const std::function<bool(const std::string& step, int nDone, int nTotal)>& progress,
    bool& bCopied)
{
    result = CMailMedia();
    reason.clear();
    if (plan.bGreeting) {
        result.strGreetingPath = platform::JoinPath(folder, stem + ".kel");
        std::error_code ec;
        const bool same = std::filesystem::equivalent(projectPath, result.strGreetingPath, ec);
        bCopied = !same;
        if (!same && !platform::CopyFileTo(projectPath, result.strGreetingPath)) {
            reason = Fill(Tr("Mail", "%1 cannot be copied for the message"),
                { platform::FileNameOf(projectPath) });
            return false;
        }
        result.nGreetingBytes = platform::FileLength(result.strGreetingPath);
    }
    // What cannot be made smaller must fit by itself.
    result.nMessageBytes = MessageBytes(plan, result);
    if (result.nMessageBytes > plan.nLimit) {
        reason = Fill(Tr("Mail",
                          "the greeting is %1 even with the smallest picture and video; a "
                          "message may be at most %2"),
            { Megabytes(result.nMessageBytes), Megabytes(plan.nLimit) });
        return false;
    }
    if (!plan.bPicture && !plan.bVideo)
        return true;
    std::unique_ptr<CProjectDoc> doc = OpenMailGreeting(projectPath, reason);
    if (!doc)
        return false;

    CMediaRequest request;
    request.bPicture = plan.bPicture;
    request.bVideo = plan.bVideo;
    std::string missing;
    if (request.bVideo && !platform::CanWriteVideo(platform::VideoFormat::mp4, missing)) {
        // The message goes without the video; the person is told why.
        result.strVideoLeftOut = Fill(Tr("Mail", "the video is left out: %1"), { missing });
        request.bVideo = false;
    }
    request.strVideoPath = platform::JoinPath(folder, stem + ".mp4");
    request.nPictureWidth = kPreviewWidth;
    request.nPictureHeight = kPreviewHeight;
    size_t nVideoSize = 0;
    bool bRateSet = false;
    std::string step = Tr("Mail", "Drawing the greeting");
    // Renders what request asks for into result, keeping what it does not ask for.
    const auto render = [&]() -> bool {
        CGreetingMedia made;
        const CMediaResult outcome = RenderGreetingMedia(*doc, request, made,
            [&](int nDone, int nTotal) { return !progress || progress(step, nDone, nTotal); });
        if (outcome.bCancelled) {
            reason = Tr("Mail", "the send was cancelled");
            return false;
        }
        if (!outcome.Succeeded()) {
            reason = Fill(Tr("Mail", "the greeting's picture and video cannot be made: %1"),
                { outcome.strError });
            return false;
        }
        if (request.bPicture)
            TakePicture(result.media, made);
        if (request.bVideo) {
            TakeVideo(result.media, made);
            result.strVideoPath = request.strVideoPath;
        }
        return true;
    };
    if (!render())
        return false;
    // The picture alone stays within its own budget, as mail readers show it inline.
    request.bVideo = false;
    while (request.bPicture
        && static_cast<int64_t>(result.media.strPicture.size()) > plan.nMaxPictureBytes
        && request.nPictureWidth * 3 / 4 >= kMinPreviewWidth) {
        request.nPictureWidth = request.nPictureWidth * 3 / 4;
        request.nPictureHeight = request.nPictureHeight * 3 / 4;
        step = Tr("Mail", "Making the picture smaller");
        if (!render())
            return false;
    }
    for (;;) {
        result.nMessageBytes = MessageBytes(plan, result);
        if (result.nMessageBytes <= plan.nLimit)
            return true;
        // The video gives way first: a smaller size, then a lower bit rate.
        request.bPicture = false;
        request.bVideo = result.media.bVideo;
        if (request.bVideo && nVideoSize + 1 < std::size(kVideoSizes)) {
            ++nVideoSize;
            request.nVideoWidth = kVideoSizes[nVideoSize].nWidth;
            request.nVideoHeight = kVideoSizes[nVideoSize].nHeight;
            step = Tr("Mail", "Making the video smaller");
            if (!render())
                return false;
            continue;
        }
        if (request.bVideo) {
            // The bytes left for the video, as a bit rate over its length, with a tenth kept
            // for the container and the encoder's overshoot.
            const int64_t room = plan.nLimit
                - (result.nMessageBytes - Base64MessageBytes(result.media.nVideoBytes));
            const int64_t rawRoom = room * 76 / 78 * 3 / 4;
            const double seconds = std::max(0.12, result.media.dVideoSeconds);
            const int64_t total = static_cast<int64_t>(rawRoom * 8 * 0.9 / seconds);
            const int64_t video = total - kSmallSoundBitRate;
            const int64_t wanted = bRateSet ? std::min(video, request.nVideoBitRate * 4 / 5) : video;
            if (wanted >= kMinVideoBitRate) {
                bRateSet = true;
                request.nVideoBitRate = wanted;
                request.nSoundBitRate = kSmallSoundBitRate;
                step = Tr("Mail", "Making the video smaller");
                if (!render())
                    return false;
                continue;
            }
        }
        // Then the picture: a smaller size, then fewer colours.
        request.bVideo = false;
        request.bPicture = !result.media.strPicture.empty();
        if (request.bPicture && request.nPictureWidth * 3 / 4 >= kMinPreviewWidth) {
            request.nPictureWidth = request.nPictureWidth * 3 / 4;
            request.nPictureHeight = request.nPictureHeight * 3 / 4;
        } else if (request.bPicture && request.nPictureColours > kMinPictureColours) {
            request.nPictureColours /= 2;
        } else {
            reason = Fill(Tr("Mail",
                              "the greeting is %1 even with the smallest picture and video; "
                              "a message may be at most %2"),
                { Megabytes(result.nMessageBytes), Megabytes(plan.nLimit) });
            return false;
        }
        step = Tr("Mail", "Making the picture smaller");
        if (!render())
            return false;
    }
}

} // namespace
