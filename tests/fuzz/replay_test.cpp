// Every reader against its seed corpus and every reproducer the fuzzers found: an input that
// once crashed, hung or leaked must not do so again. One test per target.
#include "tests/fuzz/targets.h"
#include "tests/buildpaths.h"
#include "tests/guard/process_guard.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::filesystem::path> InputsOf(const std::string& target, const char* kind)
{
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder =
        std::filesystem::path(built::kFuzzSourceDir) / kind / target;
    if (std::filesystem::is_directory(folder))
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<uint8_t> Read(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

class Replay : public testing::TestWithParam<std::string> {};

TEST_P(Replay, seeds_and_regressions_read_safely)
{
    const fuzz::Target* target = fuzz::FindTarget(GetParam());
    ASSERT_NE(target, nullptr);
    const auto seeds = InputsOf(GetParam(), "seeds");
    std::vector<std::vector<uint8_t>> made;
    if (target->pSeeds != nullptr)
        made = target->pSeeds();
    // Every target starts from inputs our writers made.
    ASSERT_FALSE(seeds.empty() && made.empty()) << "no seeds for " << GetParam();
    for (const std::vector<uint8_t>& bytes : made) {
        SCOPED_TRACE("a seed made in the process");
        target->pRead(fuzz::Input(bytes.data(), bytes.size()));
        for (size_t cut : {bytes.size() / 2, bytes.size() * 9 / 10})
            target->pRead(fuzz::Input(bytes.data(), cut));
    }
    std::vector<std::filesystem::path> inputs = seeds;
    for (const auto& regression : InputsOf(GetParam(), "regressions"))
        inputs.push_back(regression);
    for (const auto& path : inputs) {
        SCOPED_TRACE(path.string());
        const std::vector<uint8_t> bytes = Read(path);
        target->pRead(fuzz::Input(bytes.data(), bytes.size()));
        // Every prefix of a seed too: inputs cut short are the commonest damage.
        if (path.parent_path().parent_path().filename() == "seeds")
            for (size_t cut : {bytes.size() / 2, bytes.size() * 9 / 10})
                target->pRead(fuzz::Input(bytes.data(), cut));
    }
    RecordProperty("inputs", static_cast<int>(inputs.size() + made.size()));
}

std::vector<std::string> TargetNames()
{
    std::vector<std::string> names;
    for (const fuzz::Target& target : fuzz::Targets())
        names.emplace_back(target.strName);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Targets, Replay, testing::ValuesIn(TargetNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

} // namespace

int main(int argc, char** argv)
{
    testguard::GuardProcess();
    fuzz::PrepareProcess(&argc, &argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
