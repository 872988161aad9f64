// One fuzzer: libFuzzer's entry points around the target this executable is built for.
#include "tests/fuzz/targets.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

const fuzz::Target* g_pTarget = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::PrepareProcess(argc, argv);
    g_pTarget = fuzz::FindTarget(VIMBLE_FUZZ_TARGET);
    if (g_pTarget == nullptr) {
        std::fprintf(stderr, "no fuzz target named %s\n", VIMBLE_FUZZ_TARGET);
        std::abort();
    }
    // Seeds made in the process go where fuzz.sh asks, and the fuzzer ends.
    if (const char* folder = std::getenv("VIMBLE_FUZZ_WRITE_SEEDS")) {
        if (g_pTarget->pSeeds != nullptr) {
            std::filesystem::create_directories(folder);
            int n = 0;
            for (const auto& seed : g_pTarget->pSeeds()) {
                std::ofstream out(std::string(folder) + "/made-" + std::to_string(n++),
                    std::ios::binary);
                out.write(reinterpret_cast<const char*>(seed.data()), std::streamsize(seed.size()));
            }
        }
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_pTarget->pRead(fuzz::Input(data, size));
    return 0;
}
