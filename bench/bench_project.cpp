// Opening and saving a large project: about 20 MB of pictures and sounds.
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "tests/model/fixtures.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

class ProjectFixture : public benchmark::Fixture {
public:
    void SetUp(benchmark::State&) override
    {
        if (!m_dir.empty())
            return;
        m_dir = platform::MakeTempDirectory("benchproj");
        auto movie = fixtures::PicturesProject(m_dir, 12, 4, 3, 1 << 20);
        m_path = m_dir + "/big.kel";
        SaveProject(*movie, m_path);
        m_movie = std::move(movie);
    }
    void TearDown(benchmark::State&) override {}
    ~ProjectFixture() override
    {
        m_movie.reset();
        if (!m_dir.empty())
            std::filesystem::remove_all(m_dir);
    }

protected:
    std::string m_dir;
    std::string m_path;
    std::unique_ptr<CAbstractMovie> m_movie;
};

BENCHMARK_DEFINE_F(ProjectFixture, Open)(benchmark::State& state)
{
    for (auto _ : state) {
        std::unique_ptr<CAbstractMovie> movie;
        if (!OpenProject(m_path, movie))
            state.SkipWithError("open failed");
        RestoreProject(m_path);
        benchmark::DoNotOptimize(movie.get());
    }
    state.counters["archive_MB"] = 12 * 1.44 + 3 * 1.05;
    state.counters["file_MB"] = static_cast<double>(platform::FileLength(m_path)) / 1e6;
}

BENCHMARK_DEFINE_F(ProjectFixture, Save)(benchmark::State& state)
{
    std::string out = m_dir + "/saved.kel";
    for (auto _ : state) {
        if (!SaveProject(*m_movie, out))
            state.SkipWithError("save failed");
    }
}

BENCHMARK_REGISTER_F(ProjectFixture, Open)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_REGISTER_F(ProjectFixture, Save)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
