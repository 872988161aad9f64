// The classic public-domain LZSS coder of 1989 (4096-byte ring, matches of up to 18 bytes,
// threshold 2), kept here as a test oracle only. It is a line-for-line transcription of the
// original: the globals live in a struct and getc/putc read from a span and push to a vector,
// but the tree code and the main loops are unchanged, stale ring bytes and all. Our own coder
// in model/lzss.cpp must write exactly what this one writes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lzss_reference {

std::vector<uint8_t> Encode(std::span<const uint8_t> input);
std::vector<uint8_t> Decode(std::span<const uint8_t> input);

} // namespace lzss_reference
