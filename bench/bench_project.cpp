// Opening and saving a large project: about 20 MB of pictures and sounds.
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "playback/keeping.h"
#include "tests/model/fixtures.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The state folder the keeper writes into, for as long as it lives.
class CScopedState {
public:
    explicit CScopedState(const std::string& folder)
    {
        if (const char* old = std::getenv("XDG_STATE_HOME"))
            m_old = old;
        setenv("XDG_STATE_HOME", folder.c_str(), 1);
    }
    ~CScopedState()
    {
        if (m_old.empty())
            unsetenv("XDG_STATE_HOME");
        else
            setenv("XDG_STATE_HOME", m_old.c_str(), 1);
    }

private:
    std::string m_old;
};

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

// Keeping the greeting while the person works: the window's own part of a recovery copy is the
// archive in memory, and it must fit in a frame of the stage (60 frames a second); the
// packing, the still and the files are the keeper's thread's.
BENCHMARK_DEFINE_F(ProjectFixture, RecoverySnapshotOnWindow)(benchmark::State& state)
{
    // After its first copy (argument 1) the keeper knows the length of its last one.
    size_t bytes = StoreMovie(*m_movie, "big.kel").size();
    const size_t hint = state.range(0) != 0 ? bytes : 0;
    for (auto _ : state) {
        std::vector<uint8_t> archive = StoreMovie(*m_movie, "big.kel", hint);
        bytes = archive.size();
        benchmark::DoNotOptimize(archive.data());
    }
    state.counters["archive_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["frame_ms"] = 1000.0 / 60;
}

BENCHMARK_DEFINE_F(ProjectFixture, RecoveryWriteOnKeeper)(benchmark::State& state)
{
    const std::vector<uint8_t> archive = StoreMovie(*m_movie, "big.kel");
    CScopedState scoped(m_dir + "/state");
    keeping::RecoveryAbout about;
    about.strId = "bench";
    about.strName = "big";
    for (auto _ : state) {
        if (!keeping::WriteRecoveryCopy(about, archive))
            state.SkipWithError("the copy was not written");
    }
}

BENCHMARK_REGISTER_F(ProjectFixture, RecoverySnapshotOnWindow)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_REGISTER_F(ProjectFixture, RecoveryWriteOnKeeper)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_REGISTER_F(ProjectFixture, Open)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_REGISTER_F(ProjectFixture, Save)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
