// Texts inside the program are UTF-8. The project file and a few old formats keep texts as
// single-byte Windows-1252 where they can; these convert at those boundaries and between UTF-8
// and UTF-16, the project file's 2-byte character form.
#pragma once

#include <cstdint>
#include <string>


namespace platform {

std::string Utf8FromCp1252(const std::string& text);
// Characters the code page lacks become '?': only for fields that can hold nothing else (and
// only after FitsCp1252 said no, where a text must stay whole).
std::string Cp1252FromUtf8(const std::string& text);
// Whether every character of a UTF-8 text exists in the code page (an invalid sequence does not).
bool FitsCp1252(const std::string& utf8);
// The Unicode code point of a code-page byte.
uint32_t UnicodeFromCp1252(uint8_t byte);

// A UTF-8 text as UTF-16 code units; invalid sequences become U+FFFD.
std::u16string Utf16FromUtf8(const std::string& utf8);
// UTF-16 code units as UTF-8; false (and out unchanged) when a surrogate stands alone.
bool Utf8FromUtf16(const std::u16string& units, std::string& out);

// The first n characters of a UTF-8 text (all of it when it has fewer): a cut never splits one.
std::string FirstCharacters(const std::string& utf8, size_t n);

// Whether the bytes are valid UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool IsValidUtf8(const std::string& text);
// A text of unknown origin as UTF-8: valid UTF-8 as it is, any other read as the code page
// (a file name or an entry written by an older version of the program).
std::string PrintableUtf8(const std::string& text);

} // namespace platform
