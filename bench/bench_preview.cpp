// The picture a message shows of each sample greeting: how long making it takes, how large it
// is, and how large the message grows with it. The counters: "frames", "width" and "height" of
// the picture, its "picture" bytes, and the whole message as the worker sends it (header, body,
// the attachment part and the closing rows) "plain" without the picture, "preview" with it and
// "picture_only" with the picture and no attachment. The attachment is the bundle without
// the player's data: "play.exe" of the data directory, the project and the 34-byte trailer;
// "plain_with_data" and "preview_with_data" are the messages whose bundle holds "play.dat" too.
#include "bench/application.h"
#include "mail/base64.h"
#include "mail/message.h"
#include "mail/preview.h"
#include "platform/files.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr char kSamples[] = VIMBLE_DATA_DIR "/samples/";
constexpr int64_t kTrailerBytes = 34;
constexpr int64_t kBase64Line = 60;

// The attachment part's size for a bundle of this many bytes: its header, then base64 in
// lines of 60 characters, each ended by CR LF.
int64_t AttachmentPartBytes(const std::string& name, int64_t bundle)
{
    const int64_t characters = (bundle + 2) / 3 * 4;
    const int64_t lines = (characters + kBase64Line - 1) / kBase64Line;
    return static_cast<int64_t>(Mime64Header(name).size()) + characters + 2 * lines;
}

void BM_MailPreview(benchmark::State& state, const char* sample)
{
    EnsureApplication();
    const std::string project = std::string(kSamples) + sample + ".kel";
    const int64_t projectBytes = platform::FileLength(project);
    const int64_t playerBytes = platform::FileLength(VIMBLE_DATA_DIR "/play.exe");
    if (projectBytes < 0 || playerBytes < 0) {
        state.SkipWithError("the sample greeting or the player is missing");
        return;
    }
    CMailPreview preview;
    for (auto _ : state) {
        std::string reason;
        if (!MakeMailPreview(project, preview, reason)) {
            state.SkipWithError(reason.c_str());
            return;
        }
    }
    const std::string subject = "Happy birthday";
    const std::string text = "Dear Ann,\r\nhere is a greeting for you.\r\nBob";
    const std::string header = MailHeaderRows("ann@vimble.test", "bob@vimble.test", 0, subject,
        MakeMailForm(subject, text, "vimble.test", 0));
    const int64_t dataBytes = platform::FileLength(VIMBLE_DATA_DIR "/play.dat");
    const int64_t attachment
        = AttachmentPartBytes("card.exe", playerBytes + projectBytes + kTrailerBytes);
    // With the player's data the bundle holds "play.dat" as well.
    const int64_t withData = dataBytes < 0
        ? 0
        : AttachmentPartBytes("card.exe", playerBytes + dataBytes + projectBytes + kTrailerBytes)
            - attachment;
    const CMailForm plain = MakeMailForm(subject, text, "vimble.test", 0);
    const CMailForm withPicture = MakeMailForm(subject, text, "vimble.test", 0, true, true);
    const CMailForm pictureOnly = MakeMailForm(subject, text, "vimble.test", 0, true, false);
    const auto size = [&](const CMailForm& form, bool bPicture) {
        int64_t bytes = static_cast<int64_t>(header.size())
            + static_cast<int64_t>(
                MailBodyRows(text, form, bPicture ? preview.m_strPicture : std::string()).size());
        if (form.m_bAttachment)
            bytes += attachment + static_cast<int64_t>(MailClosingRows(form).size());
        return static_cast<double>(bytes);
    };
    state.counters["frames"] = preview.m_nFrames;
    state.counters["width"] = preview.m_nWidth;
    state.counters["height"] = preview.m_nHeight;
    state.counters["picture"] = static_cast<double>(preview.m_strPicture.size());
    state.counters["plain"] = size(plain, false);
    state.counters["preview"] = size(withPicture, true);
    state.counters["picture_only"] = size(pictureOnly, true);
    state.counters["plain_with_data"] = size(plain, false) + static_cast<double>(withData);
    state.counters["preview_with_data"] = size(withPicture, true) + static_cast<double>(withData);
}

BENCHMARK_CAPTURE(BM_MailPreview, happy_birthday, "Happy Birthday")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_MailPreview, seasons_greetings, "Season's Greetings")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_MailPreview, with_love, "With love")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
