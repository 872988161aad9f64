#include "platform/text.h"

namespace platform {

namespace {

// 0x80..0x9F of the code page; 0 marks the five bytes it leaves undefined.
constexpr uint16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void AppendUtf8(std::string& out, uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// The code point of the UTF-8 sequence at text[i], its length in length; false for an invalid
// sequence (a stray continuation byte, a cut sequence, an overlong form, a surrogate, a code
// point past U+10FFFF), with length 1.
bool DecodeUtf8(const std::string& text, size_t i, uint32_t& cp, size_t& length)
{
    const auto lead = static_cast<uint8_t>(text[i]);
    length = 1;
    if (lead < 0x80) {
        cp = lead;
        return true;
    }
    size_t n;
    uint32_t min;
    if ((lead & 0xE0) == 0xC0) {
        n = 2;
        cp = lead & 0x1F;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        n = 3;
        cp = lead & 0x0F;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        n = 4;
        cp = lead & 0x07;
        min = 0x10000;
    } else {
        return false;
    }
    if (i + n > text.size())
        return false;
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<uint8_t>(text[i + k]);
        if ((c & 0xC0) != 0x80)
            return false;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return false;
    length = n;
    return true;
}

char FromCodePoint(uint32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    // The five bytes the code page leaves undefined read as the C1 controls of their number
    // (UnicodeFromCp1252) and go back to the same byte.
    if (cp >= 0x80 && cp < 0xA0 && kHigh[cp - 0x80] == 0)
        return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == cp)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

uint32_t UnicodeFromCp1252(uint8_t byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHigh[byte - 0x80] != 0 ? kHigh[byte - 0x80] : byte;
    return byte;
}

std::string Utf8FromCp1252(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        AppendUtf8(out, UnicodeFromCp1252(static_cast<uint8_t>(c)));
    return out;
}

std::string Cp1252FromUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        uint32_t cp;
        size_t length;
        out.push_back(DecodeUtf8(text, i, cp, length) ? FromCodePoint(cp) : '?');
        i += length;
    }
    return out;
}

bool FitsCp1252(const std::string& utf8)
{
    for (size_t i = 0; i < utf8.size();) {
        uint32_t cp;
        size_t length;
        if (!DecodeUtf8(utf8, i, cp, length) || (FromCodePoint(cp) == '?' && cp != '?'))
            return false;
        i += length;
    }
    return true;
}

std::u16string Utf16FromUtf8(const std::string& utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        uint32_t cp;
        size_t length;
        if (!DecodeUtf8(utf8, i, cp, length))
            cp = 0xFFFD;
        if (cp >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += length;
    }
    return out;
}

bool Utf8FromUtf16(const std::u16string& units, std::string& out)
{
    std::string text;
    text.reserve(units.size());
    for (size_t i = 0; i < units.size(); ++i) {
        uint32_t cp = units[i];
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 1 >= units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF)
                return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return false;
        }
        AppendUtf8(text, cp);
    }
    out = std::move(text);
    return true;
}

std::string FirstCharacters(const std::string& utf8, size_t n)
{
    size_t characters = 0;
    for (size_t i = 0; i < utf8.size(); ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && characters++ == n)
            return utf8.substr(0, i);
    return utf8;
}

bool IsValidUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        uint32_t cp;
        size_t length;
        if (!DecodeUtf8(text, i, cp, length))
            return false;
        i += length;
    }
    return true;
}

std::string PrintableUtf8(const std::string& text)
{
    return IsValidUtf8(text) ? text : Utf8FromCp1252(text);
}

} // namespace platform
