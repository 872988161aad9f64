// The LZSS codec of project files: a 4096-byte ring that starts filled with spaces, matches of
// 3 to 18 bytes found through a binary search tree, groups of one flag byte and up to eight
// items. The encoder makes the same match choices as the widely published 4096/18/2 coder, so
// what it writes is byte for byte what that coder writes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace lzss {

// Whole-buffer coding. Decoding never fails: a stream that ends inside an item just ends.
std::vector<uint8_t> EncodeBuffer(std::span<const uint8_t> input);
std::vector<uint8_t> DecodeBuffer(std::span<const uint8_t> input);

// Told how much of the input is done, out of how much: every 64 KB or so, and once at the end
// with done == total (never for an empty input).
using ProgressFunction = std::function<void(size_t done, size_t total)>;

// The same, reporting progress to `progress` (which may be empty).
std::vector<uint8_t> EncodeBuffer(std::span<const uint8_t> input,
                                  const ProgressFunction& progress);
std::vector<uint8_t> DecodeBuffer(std::span<const uint8_t> input,
                                  const ProgressFunction& progress);

// Encoding with the trees kept by `threads` threads (1, or 2: two halves of the trees side by
// side), a block of `blockSize` strings at a time (0: the usual size). The bytes written are
// the same whichever is chosen; EncodeBuffer chooses two threads for large inputs on machines
// with two cores or more.
std::vector<uint8_t> EncodeBuffer(std::span<const uint8_t> input,
                                  const ProgressFunction& progress, int threads,
                                  size_t blockSize);

// File to file: 0 on success, 1 when a file could not be opened (or written).
int Encode(const std::string& inputPath, const std::string& outputPath);
int Decode(const std::string& inputPath, const std::string& outputPath);

// The command-line dispatcher: argv holds program name, mode ("e", "E", "d" or "D"), first
// path, second path. Usage and "??? %s" texts go to console. Returns 0 or 1.
int Dispatch(int argc, const char* const argv[], std::FILE* console);

} // namespace lzss
