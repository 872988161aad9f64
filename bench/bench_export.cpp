// Exports of a sample greeting, 230 frames at the stage view's 616 x 462, in each format: how
// long each takes and how large the file is (the counter "bytes").
#include "bench/application.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "playback/export.h"
#include "playback/projectdoc.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr char kSample[] = VIMBLE_DATA_DIR "/samples/Happy Birthday.kel";

void BM_ExportSample(benchmark::State& state, ExportFormat format)
{
    EnsureApplication();
    const std::string folder = platform::MakeTempDirectory("vimble-bench-export-");
    const std::string copy = folder + "/sample.kel";
    std::filesystem::copy_file(kSample, copy);
    std::unique_ptr<CAbstractMovie> movie;
    if (!OpenProject(copy, movie)) {
        state.SkipWithError("the sample greeting cannot be opened");
        return;
    }
    RestoreProject(copy);
    movie->m_rcStage = {0, 0, 800, 600};
    CProjectDoc doc(std::move(movie));
    doc.CreateBuffers();
    CExportOptions options;
    options.format = format;
    options.nFirstFrame = 0;
    options.nLastFrame = 229;
    options.nWidth = 616;
    options.nHeight = 462;
    const std::string out = folder + "/sample." + ExportFormatExtension(format);
    for (auto _ : state) {
        const CExportResult result = ExportGreeting(doc, options, out);
        if (!result.Succeeded()) {
            state.SkipWithError(result.strError.c_str());
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(platform::FileLength(out));
    state.counters["frames"] = 230;
    std::filesystem::remove_all(folder);
}

BENCHMARK_CAPTURE(BM_ExportSample, gif, ExportFormat::gif)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportSample, apng, ExportFormat::apng)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportSample, webm, ExportFormat::webm)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportSample, mp4, ExportFormat::mp4)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
