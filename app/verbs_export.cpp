// The export verb: a greeting as an animated GIF or PNG, or as a WebM or MP4 video with its
// soundtrack.
#include "app/tool.h"
#include "platform/translate.h"
#include "playback/export.h"
#include "playback/projectdoc.h"

#include <cstdio>
#include <unistd.h>

using platform::Fill;
using platform::Tr;

namespace {

// Exports with fewer steps than this say nothing while they run.
constexpr int kQuietSteps = 50;

int CmdExport(const std::vector<std::string>& args)
{
    if (args.size() < 4 || args.size() % 2 != 0)
        return -1;
    const std::string& path = args[0];
    const std::string& out = args.back();
    CExportOptions options;
    bool bFormat = false;
    for (size_t i = 1; i + 1 < args.size(); i += 2) {
        const std::string& name = args[i];
        const std::string& value = args[i + 1];
        char extra = 0;
        if (name == "--format")
            bFormat = ParseExportFormat(value, options.format);
        else if (name == "--frames") {
            if (!ParseRange(value, options.nFirstFrame, options.nLastFrame))
                return -1;
        } else if (name == "--scale") {
            if (!ParseSize(value, options.nWidth, options.nHeight, 4096, 4096))
                return -1;
        } else if (name == "--loops") {
            if (std::sscanf(value.c_str(), "%d%c", &options.nLoops, &extra) != 1
                || options.nLoops < 0)
                return -1;
        } else {
            return -1;
        }
    }
    if (!bFormat)
        return -1;

    auto doc = OpenForPlayback(path);
    if (!doc)
        return 1;
    // Long exports tell how far they are, on standard error: a running figure on a terminal,
    // a line every tenth otherwise.
    const bool bTerminal = isatty(STDERR_FILENO) != 0;
    int nShown = -1;
    const std::string progress = Tr("Tool", "%1: %2%");
    const CExportResult result = ExportGreeting(*doc, options, out, [&](int done, int total) {
        if (total < kQuietSteps)
            return true;
        const int percent = static_cast<int>(static_cast<long long>(done) * 100 / total);
        char figure[16];
        if (bTerminal && percent != nShown) {
            std::snprintf(figure, sizeof figure, "%3d", percent);
            std::fprintf(stderr, "\r%s%s", Fill(progress, {out, figure}).c_str(),
                done == total ? "\n" : "");
        } else if (!bTerminal && percent / 10 != nShown / 10) {
            std::snprintf(figure, sizeof figure, "%d", percent / 10 * 10);
            std::fprintf(stderr, "%s\n", Fill(progress, {out, figure}).c_str());
        }
        nShown = percent;
        return true;
    });
    if (!result.strWarning.empty())
        PrintFileLine(path, result.strWarning);
    if (!result.Succeeded()) {
        PrintFileLine(out, result.strError);
        return 1;
    }
    std::printf("%s\n", out.c_str());
    return 0;
}

} // namespace

void AddExportVerbs(VerbTable& verbs)
{
    verbs["export"] = {"export FILE.kel --format gif|apng|webm|mp4|avi [--frames A-B] "
                       "[--scale WxH] [--loops N] OUT",
        Tr("Tool",
            "frames of continuous play from a rewind as an animated picture or a video with "
            "sound"),
        CmdExport};
}
