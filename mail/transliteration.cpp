#include "mail/transliteration.h"

#include "mail/mimewords.h"
#include "platform/text.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <memory>
#include <mutex>

namespace {

// Russian's own rules come first: the general Cyrillic ones write "Щ" as "Ŝ" and "Ж" as "Ž",
// which lose their sound once the marks are gone ("S", "Z"); these write "Shch" and "Zh".
constexpr char kRules[] = "Russian-Latin/BGN; Any-Latin; Latin-ASCII";

// Signs the rules leave as they are although they have a word everybody reads.
struct CSignWord {
    const char* sign;
    const char* word;
};
constexpr CSignWord kSignWords[] = { { "\xe2\x82\xac", "EUR" }, { "\xc2\xa3", "GBP" } };

bool IsAscii(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) > 127)
            return false;
    return true;
}

// The rules take some 60 ms to build, so they are built once. A transliterator keeps state
// while it works, so one call at a time uses it.
class CAsciiRules {
public:
    static CAsciiRules& Get()
    {
        static CAsciiRules rules;
        return rules;
    }

    // False when the rules could not be built (no ICU data): the text is left as it was.
    bool Apply(icu::UnicodeString& text)
    {
        std::lock_guard lock(m_mutex);
        if (!m_pRules)
            return false;
        m_pRules->transliterate(text);
        return true;
    }

private:
    CAsciiRules()
    {
        UErrorCode status = U_ZERO_ERROR;
        m_pRules.reset(icu::Transliterator::createInstance(
            icu::UnicodeString::fromUTF8(kRules), UTRANS_FORWARD, status));
        if (U_FAILURE(status))
            m_pRules.reset();
    }

    std::mutex m_mutex;
    std::unique_ptr<icu::Transliterator> m_pRules;
};

// Keeps the ASCII of the text and leaves the rest out, with the blank that leaving a character
// out doubles or leaves at either end.
std::string AsciiPart(const std::string& text)
{
    std::string out;
    bool dropped = false; // a character was left out since the last one kept
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c > 127) {
            dropped = true;
            continue;
        }
        if (c == ' ' && dropped && (out.empty() || out.back() == ' '))
            continue;
        out.push_back(static_cast<char>(c));
        if (c != ' ')
            dropped = false;
    }
    if (dropped)
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
    return out;
}

} // namespace

std::string AsciiTransliteration(const std::string& utf8)
{
    if (IsAscii(utf8))
        return utf8;
    std::string text = platform::PrintableUtf8(utf8);
    for (const CSignWord& sign : kSignWords) {
        const std::string from = sign.sign;
        for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, from.size(), sign.word);
    }
    icu::UnicodeString wide = icu::UnicodeString::fromUTF8(text);
    if (CAsciiRules::Get().Apply(wide)) {
        text.clear();
        wide.toUTF8String(text);
    }
    return AsciiPart(text);
}
