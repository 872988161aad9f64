#include "mail/preview.h"

#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/translate.h"
#include "playback/greetingmedia.h"
#include "playback/projectdoc.h"

#include <QGuiApplication>

#include <filesystem>
#include <memory>
#include <vector>

using platform::Fill;
using platform::Tr;

namespace {

// The movie of a project file, read from its bytes alone: opening it the editor's way would
// make working files beside the project, and a failure would be shown to the person, where the
// mail worker only wants to know why.
std::unique_ptr<CAbstractMovie> ReadMovie(const std::string& path, std::string& reason)
{
    platform::Message failure;
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(path, &failure);
    if (!movie) {
        reason = failure.strText;
        return nullptr;
    }
    movie->m_rcStage = { 0, 0, 800, 600 };
    return movie;
}

} // namespace

std::unique_ptr<CProjectDoc> OpenMailGreeting(const std::string& projectPath, std::string& reason)
{
    reason.clear();
    // Text is drawn with Qt's fonts, which exist only under the application object.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        reason = Tr("Mail", "the greeting cannot be drawn: the program has no fonts");
        return nullptr;
    }
    std::unique_ptr<CAbstractMovie> movie = ReadMovie(projectPath, reason);
    if (!movie)
        return nullptr;
    auto doc = std::make_unique<CProjectDoc>(std::move(movie));
    if (!doc->CreateBuffers()) {
        reason = Tr("Mail", "there is not enough memory to draw the greeting");
        return nullptr;
    }
    return doc;
}

bool MakeMailPreview(const std::string& projectPath, CMailPreview& preview, std::string& reason,
    const std::function<bool()>& isCancelled, int64_t nMaxBytes)
{
    reason.clear();
    if (isCancelled && isCancelled()) {
        reason = Tr("Mail", "the send was cancelled");
        return false;
    }
    std::unique_ptr<CProjectDoc> owned = OpenMailGreeting(projectPath, reason);
    if (!owned)
        return false;
    CProjectDoc& doc = *owned;

    // The picture alone, from the pass the message's video comes from too.
    CMediaRequest request;
    request.bVideo = false;
    request.nPictureWidth = kPreviewWidth;
    request.nPictureHeight = kPreviewHeight;
    int64_t nLastSize = 0;
    int nLastWidth = 0, nLastHeight = 0;
    while (request.nPictureWidth >= kMinPreviewWidth) {
        CGreetingMedia made;
        const CMediaResult result = RenderGreetingMedia(
            doc, request, made, [&](int, int) { return !isCancelled || !isCancelled(); });
        if (result.bCancelled) {
            reason = Tr("Mail", "the send was cancelled");
            return false;
        }
        if (!result.Succeeded()) {
            reason = Fill(
                Tr("Mail", "the greeting's picture cannot be made: %1"), { result.strError });
            return false;
        }
        if (static_cast<int64_t>(made.strPicture.size()) <= nMaxBytes) {
            preview.m_strPicture = std::move(made.strPicture);
            preview.m_nWidth = made.nPictureWidth;
            preview.m_nHeight = made.nPictureHeight;
            preview.m_nFrames = made.nPictureFrames;
            return true;
        }
        nLastSize = static_cast<int64_t>(made.strPicture.size());
        nLastWidth = request.nPictureWidth;
        nLastHeight = request.nPictureHeight;
        request.nPictureWidth = request.nPictureWidth * 3 / 4;
        request.nPictureHeight = request.nPictureHeight * 3 / 4;
    }
    reason = Fill(Tr("Mail",
                      "the greeting's picture is too large for the message: %1 bytes at %2 x "
                      "%3, at most %4 allowed"),
        { std::to_string(nLastSize), std::to_string(nLastWidth), std::to_string(nLastHeight),
            std::to_string(nMaxBytes) });
    return false;
}
