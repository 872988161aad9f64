// Opening and saving a large project: about 20 MB of pictures and sounds.
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "tests/model/fixtures.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace {

// An 800 x 600 24-bit picture: soft gradients with a little noise, as painted backgrounds are.
std::vector<uint8_t> PictureFile(int seed)
{
    const int width = 800, height = 600, stride = width * 3;
    std::vector<uint8_t> file = fixtures::BitmapFile(width, height, 24);
    std::mt19937 random(static_cast<unsigned>(seed));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &file[54 + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3];
            p[0] = static_cast<uint8_t>(x / 4 + seed * 20);
            p[1] = static_cast<uint8_t>(y / 3);
            p[2] = static_cast<uint8_t>((x + y) / 8 + (random() % 4));
        }
    return file;
}

class ProjectFixture : public benchmark::Fixture {
public:
    void SetUp(benchmark::State&) override
    {
        if (!m_dir.empty())
            return;
        m_dir = platform::MakeTempDirectory("benchproj");
        auto movie = CAbstractMovie::NewProject();
        CStage* stage = movie->GetFirstStage();
        for (int i = 0; i < 12; ++i) {
            std::string bmp = m_dir + "/p" + std::to_string(i) + ".bmp";
            platform::WriteWholeFile(bmp, PictureFile(i));
            CLayer* layer = stage->AddObject(CGenericDrawing::kindImage, i * 10, i * 10, 800, 600);
            auto image = std::make_unique<CImageObject>();
            image->m_pBitmap = std::make_unique<CHBitmap>();
            image->m_pBitmap->LoadFromFile(bmp);
            layer->m_pDrawing->SetObject(std::move(image));
            auto effect = new CEffect;
            effect->m_nType = 0;
            effect->m_nDuration = 230;
            effect->m_nStartFrame = 0;
            layer->m_pEffects->AddTail(effect);
        }
        std::mt19937 random(7);
        for (int i = 0; i < 3; ++i) {
            std::vector<uint8_t> wave(1 << 20);
            for (size_t k = 0; k < wave.size(); ++k)
                wave[k] = static_cast<uint8_t>(128 + 60 * ((k / 40) % 2) + random() % 8);
            std::string path = m_dir + "/s" + std::to_string(i) + ".wav";
            platform::WriteWholeFile(path, wave);
            auto sounds = std::make_unique<CSoundList>();
            auto* sound = new CSound;
            sound->SetSource(CSound::kindWave, path);
            sounds->AddTail(sound);
            stage->GetLayers()->GetAt(i)->SetSounds(std::move(sounds));
        }
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
