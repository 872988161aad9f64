// Generated test data for the codec's tests and benchmarks: deterministic for a given seed.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace testdata {

using Bytes = std::vector<uint8_t>;

Bytes FromString(const std::string& text);
Bytes Repeated(size_t size, uint8_t value);
Bytes RandomBytes(size_t size, uint32_t seed);
Bytes SmallAlphabet(size_t size, uint32_t alphabet, uint32_t seed);
Bytes EnglishLikeText(size_t size, uint32_t seed);
Bytes BitmapLike(size_t size, uint32_t seed);
Bytes Periodic(size_t size, size_t period, size_t noiseEvery, uint32_t seed);
Bytes AllByteValues(size_t repeats);
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Mixture(size_t size, uint32_t seed);

} // namespace testdata
