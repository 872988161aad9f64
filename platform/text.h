// Texts in the model are bytes in the Windows-1252 code page; the person sees UTF-8. These
// convert at that boundary.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

std::string Utf8FromCp1252(const std::string& text);
// Characters the code page lacks become '?'.
std::string Cp1252FromUtf8(const std::string& text);
// One UTF-16 code unit as a code-page byte ('?' when the code page lacks it).
char Cp1252FromUtf16Unit(uint16_t unit);
// The Unicode code point of a code-page byte.
uint32_t UnicodeFromCp1252(uint8_t byte);
// A message as a terminal shows it: a text that is valid UTF-8 already (one that names a path)
// as it is, any other read as the code page (the core's reports, in the person's language).
std::string PrintableUtf8(const std::string& text);

} // namespace platform
