// Speed of the LZSS codec on a 16 MB mixture of bitmap-like data, English-like text and random
// bytes, next to the classic coder that the tests use as their oracle.
#include "model/lzss.h"
#include "tests/model/lzss_reference.h"
#include "tests/model/testdata.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kDataSize = 16u << 20;

const Bytes& MixedData()
{
    static const Bytes data = testdata::Mixture(kDataSize, 20240601);
    return data;
}

const Bytes& EncodedMixedData()
{
    static const Bytes data = lzss::EncodeBuffer(MixedData());
    return data;
}

void BM_LzssEncode(benchmark::State& state)
{
    const Bytes& input = MixedData();
    size_t outSize = 0;
    for (auto _ : state) {
        Bytes out = lzss::EncodeBuffer(input);
        outSize = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
    state.counters["ratio"] = static_cast<double>(outSize) / static_cast<double>(input.size());
}

// The same on one thread, the whole of the trees kept by one encoder.
void BM_LzssEncodeOneThread(benchmark::State& state)
{
    const Bytes& input = MixedData();
    for (auto _ : state) {
        Bytes out = lzss::EncodeBuffer(input, {}, 1, 0);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void BM_LzssDecode(benchmark::State& state)
{
    const Bytes& input = EncodedMixedData();
    for (auto _ : state) {
        Bytes out = lzss::DecodeBuffer(input);
        benchmark::DoNotOptimize(out.data());
    }
    // Measured on the decoded size, like the encoder.
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * MixedData().size()));
}

void BM_ReferenceEncode(benchmark::State& state)
{
    const Bytes& input = MixedData();
    for (auto _ : state) {
        Bytes out = lzss_reference::Encode(input);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void BM_ReferenceDecode(benchmark::State& state)
{
    const Bytes& input = EncodedMixedData();
    for (auto _ : state) {
        Bytes out = lzss_reference::Decode(input);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * MixedData().size()));
}

// Wall-clock time: the encoder may keep its trees on two threads.
BENCHMARK(BM_LzssEncode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LzssEncodeOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LzssDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceEncode)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReferenceDecode)->Unit(benchmark::kMillisecond);

} // namespace
