// One fuzzer: libFuzzer's entry points around the target this executable is built for.
#include "tests/fuzz/targets.h"

#include <cstdio>
#include <cstdlib>

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
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_pTarget->pRead(fuzz::Input(data, size));
    return 0;
}
