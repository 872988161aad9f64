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
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char FromCodePoint(uint32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
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
        auto b = static_cast<uint8_t>(text[i]);
        uint32_t cp;
        size_t len;
        if (b < 0x80) {
            cp = b;
            len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            len = 4;
        } else {
            out.push_back('?');
            ++i;
            continue;
        }
        if (i + len > text.size()) {
            out.push_back('?');
            break;
        }
        bool ok = true;
        for (size_t k = 1; k < len; ++k) {
            auto c = static_cast<uint8_t>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                ok = false;
            cp = (cp << 6) | (c & 0x3F);
        }
        out.push_back(ok ? FromCodePoint(cp) : '?');
        i += ok ? len : 1;
    }
    return out;
}

char Cp1252FromUtf16Unit(uint16_t unit)
{
    return FromCodePoint(unit);
}

std::string PrintableUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80                               ? 1
                              : (lead & 0xE0) == 0xC0 && lead >= 0xC2   ? 2
                              : (lead & 0xF0) == 0xE0                   ? 3
                              : (lead & 0xF8) == 0xF0 && lead <= 0xF4   ? 4
                                                                        : 0;
        if (length == 0 || i + length > text.size())
            return Utf8FromCp1252(text);
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return Utf8FromCp1252(text);
        i += length;
    }
    return text;
}

} // namespace platform
