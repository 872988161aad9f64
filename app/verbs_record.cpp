// The recording verb: a voice from the microphone, cleaned and written as the wave the player
// recognises as a recorded voice, through the same capture and cleaning as the editor's.
#include "app/tool.h"
#include "platform/capture.h"
#include "platform/files.h"
#include "platform/translate.h"
#include "playback/recording.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

using platform::Fill;
using platform::Tr;

namespace {

constexpr double kDefaultSeconds = 10;
// A device that sends nothing for this long is given up on.
constexpr auto kStall = std::chrono::seconds(3);

int CmdRecord(const std::vector<std::string>& args)
{
    double seconds = kDefaultSeconds;
    std::string device;
    std::string out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--seconds" && i + 1 < args.size()) {
            char extra = 0;
            if (std::sscanf(args[++i].c_str(), "%lf%c", &seconds, &extra) != 1 || !(seconds >= 1)
                || seconds > platform::CVoiceCapture::kMaxSeconds)
                return -1;
        } else if (arg == "--device" && i + 1 < args.size()) {
            device = args[++i];
        } else if (arg.empty() || arg[0] == '-' || !out.empty()) {
            return -1;
        } else {
            out = arg;
        }
    }
    if (out.empty())
        return -1;

    platform::CVoiceCapture capture;
    std::string reason;
    if (!capture.Start(device, reason)) {
        PrintFileLine(out, reason);
        return 1;
    }
    double heard = 0;
    auto lastNews = std::chrono::steady_clock::now();
    while (capture.IsRecording() && capture.Seconds() < seconds) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const auto now = std::chrono::steady_clock::now();
        if (capture.Seconds() > heard) {
            heard = capture.Seconds();
            lastNews = now;
        } else if (now - lastNews > kStall) {
            PrintLine(Fill(Tr("Tool", "%1: the microphone sends no sound"), {out}));
            return 1;
        }
    }
    const bool bLost = capture.Lost();
    const int rate = capture.Rate();
    std::vector<int16_t> samples = capture.Take();
    if (bLost) {
        char heardSeconds[32];
        std::snprintf(heardSeconds, sizeof heardSeconds, "%.2f", double(samples.size()) / rate);
        PrintLine(Fill(Tr("Tool",
                           "%1: the microphone went away after %2 s; what came before is kept"),
            {out, heardSeconds}));
    }
    // The callback hands over whole buffers: what came after the asked length is not wanted.
    const auto wanted = static_cast<size_t>(std::llround(seconds * rate));
    if (samples.size() > wanted)
        samples.resize(wanted);
    const CCleanedVoice voice = CleanRecording(samples, rate);
    if (voice.samples.empty()) {
        PrintFileLine(out, voice.strReason);
        return 1;
    }
    // Written beside the target first, so that a failure leaves no half-written file.
    const std::string temporary = out + ".part";
    if (!platform::WriteWholeFile(temporary, VoiceWaveFile(voice.samples, rate))
        || !platform::RenameFile(temporary, out)) {
        platform::DeleteFile(temporary);
        PrintLine(Fill(Tr("Tool", "%1: cannot be written"), {out}));
        return 1;
    }
    std::printf(
        "kept %.2f s, peak %.1f dBFS\n", double(voice.samples.size()) / rate, voice.fPeakDb);
    return 0;
}

} // namespace

void AddRecordVerbs(VerbTable& verbs)
{
    verbs["record"] = { "record [--seconds S] [--device NAME] OUT.wav",
        Tr("Tool",
            "S seconds (1 to 60, 10 by default) of the microphone, cleaned, as a mono WAV"),
        CmdRecord };
}
