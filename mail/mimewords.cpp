#include "mail/mimewords.h"

#include "mail/transliteration.h"
#include "platform/text.h"

#include <unicode/brkiter.h>
#include <unicode/utext.h>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

constexpr char kUpperHex[] = "0123456789ABCDEF";
// RFC 2047: an encoded word holds at most 75 characters; folded lines stay within 76 bytes.
constexpr size_t kMaxWord = 75;
constexpr size_t kMaxLine = 76;

// The length of the well-formed UTF-8 sequence at text[at] (overlong forms, surrogates and
// code points above U+10FFFF are not), 0 when there is none.
size_t SequenceLength(const std::string& text, size_t at)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    return length;
}

bool HasHighBytes(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) > 127)
            return true;
    return false;
}

// The code points of a piece of valid UTF-8, each as its bytes.
std::vector<std::string> CodePoints(const std::string& text)
{
    std::vector<std::string> points;
    for (size_t at = 0; at < text.size();) {
        const size_t length = SequenceLength(text, at);
        points.push_back(text.substr(at, length));
        at += length;
    }
    return points;
}

// Q escapes everything but the characters RFC 2047 lets stand in a display name.
bool IsPlainInQ(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '!'
        || c == '*' || c == '+' || c == '-' || c == '/';
}

size_t QLength(const std::string& bytes)
{
    size_t length = 0;
    for (char c : bytes)
        length += IsPlainInQ(static_cast<unsigned char>(c)) || c == ' ' ? 1 : 3;
    return length;
}

size_t BLength(size_t bytes)
{
    return (bytes + 2) / 3 * 4;
}

std::string QEncoded(const std::string& bytes)
{
    std::string out;
    for (char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (IsPlainInQ(c)) {
            out.push_back(static_cast<char>(c));
        } else if (c == ' ') {
            out.push_back('_');
        } else {
            out.push_back('=');
            out.push_back(kUpperHex[c >> 4]);
            out.push_back(kUpperHex[c & 15]);
        }
    }
    return out;
}

std::string BEncoded(const std::string& bytes)
{
    static const char alphabet[]
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        uint32_t group = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
        if (left > 1)
            group |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
        if (left > 2)
            group |= static_cast<unsigned char>(bytes[i + 2]);
        out.push_back(alphabet[(group >> 18) & 63]);
        out.push_back(alphabet[(group >> 12) & 63]);
        out.push_back(left > 1 ? alphabet[(group >> 6) & 63] : '=');
        out.push_back(left > 2 ? alphabet[group & 63] : '=');
    }
    return out;
}

// RFC 2231's attribute-char: what a parameter value may hold without a percent escape.
bool IsAttributeChar(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
        return true;
    for (char plain : std::string("!#$&+-.^_`|~"))
        if (c == static_cast<unsigned char>(plain))
            return true;
    return false;
}

std::string PercentEncoded(const std::string& bytes)
{
    std::string out;
    for (char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (IsAttributeChar(c)) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(kUpperHex[c >> 4]);
            out.push_back(kUpperHex[c & 15]);
        }
    }
    return out;
}

std::string QuotedString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out.push_back('\\');
        out.push_back(c);
    }
    return out + "\"";
}

bool IsPrintableAscii(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
            return false;
    return true;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A quoted string's text: without its quotes and with its escapes undone.
std::string Unquoted(const std::string& quoted)
{
    std::string out;
    for (size_t i = 1; i + 1 < quoted.size(); ++i) {
        if (quoted[i] == '\\' && i + 2 < quoted.size())
            ++i;
        out.push_back(quoted[i]);
    }
    return out;
}

// One mailbox of an address list as the header writes it.
struct CMailbox {
    std::string strName; // the display name's text; empty: the mailbox stays as typed
    std::string strRest; // the address in angle brackets and what follows it, or everything
    char separator = 0; // the ',' or ';' after it, 0 for the last
};

std::vector<CMailbox> SplitMailboxes(const std::string& value)
{
    std::vector<CMailbox> boxes;
    std::string piece;
    bool quoted = false, escaped = false;
    int angle = 0, comment = 0;
    const auto finish = [&](char separator) {
        CMailbox box;
        box.separator = separator;
        const std::string text = Trimmed(piece);
        piece.clear();
        // The display name is what stands before the first "<" outside quotes.
        size_t open = std::string::npos;
        bool inQuotes = false;
        for (size_t i = 0; i < text.size() && open == std::string::npos; ++i) {
            if (text[i] == '\\' && inQuotes)
                ++i;
            else if (text[i] == '"')
                inQuotes = !inQuotes;
            else if (text[i] == '<' && !inQuotes)
                open = i;
        }
        std::string name;
        if (open != std::string::npos) {
            name = Trimmed(text.substr(0, open));
            box.strRest = text.substr(open);
        } else if (text.find('@') == std::string::npos) {
            name = text;
        } else {
            box.strRest = text;
        }
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
            name = Unquoted(name);
        if (HasHighBytes(name))
            box.strName = name;
        else if (!name.empty())
            box.strRest = Trimmed(text.substr(0, open == std::string::npos ? text.size() : open))
                + (box.strRest.empty() ? "" : " " + box.strRest);
        if (!box.strName.empty() || !box.strRest.empty() || separator != 0)
            boxes.push_back(box);
    };
    for (char c : value) {
        if (escaped) {
            escaped = false;
        } else if (c == '\\' && (quoted || comment > 0)) {
            escaped = true;
        } else if (quoted) {
            quoted = c != '"';
        } else if (c == '"') {
            quoted = true;
        } else if (c == '(') {
            ++comment;
        } else if (c == ')' && comment > 0) {
            --comment;
        } else if (comment == 0 && c == '<') {
            ++angle;
        } else if (comment == 0 && c == '>' && angle > 0) {
            --angle;
        } else if (comment == 0 && angle == 0 && (c == ',' || c == ';')) {
            finish(c);
            continue;
        }
        piece.push_back(c);
    }
    finish(0);
    return boxes;
}

// A header value being folded: each piece goes on the current line after a blank when it fits
// there, and otherwise on a line of its own.
class CFoldedLine {
public:
    explicit CFoldedLine(size_t firstLineRoom)
        : m_nRoom(firstLineRoom)
    {
    }

    // What the current line leaves for the next piece (after its blank, unless it is the
    // line's first).
    size_t Room() const
    {
        const size_t used = m_nColumn + (m_bEmpty ? 0 : 1);
        return used < m_nRoom ? m_nRoom - used : 0;
    }
    void Put(const std::string& piece, bool bOwnLine = false)
    {
        if (!m_bEmpty && (bOwnLine || piece.size() > Room()))
            NewLine();
        if (!m_bEmpty) {
            m_strText += ' ';
            ++m_nColumn;
        }
        m_strText += piece;
        m_nColumn += piece.size();
        m_bEmpty = false;
    }
    // A character glued to the piece before it (the separator after a mailbox).
    void Append(char c)
    {
        m_strText += c;
        ++m_nColumn;
    }
    void NewLine()
    {
        m_strText += "\r\n ";
        m_nRoom = kMaxLine;
        m_nColumn = 1;
        m_bEmpty = true;
    }
    const std::string& Text() const { return m_strText; }

private:
    std::string m_strText;
    size_t m_nRoom; // bytes the current line may hold
    size_t m_nColumn = 0; // bytes it holds
    bool m_bEmpty = true; // no piece on it yet
};

// A word of a display name that may stand as it is: RFC 5322's atext only, and nothing that a
// reader could take for an encoded word.
bool IsPlainAtom(const std::string& word)
{
    if (word.empty() || word.find("=?") != std::string::npos)
        return false;
    for (char ch : word) {
        const unsigned char c = static_cast<unsigned char>(ch);
        const bool atext = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
            || (c >= '0' && c <= '9')
            || std::string("!#$%&'*+-/=?^_`{|}~").find(static_cast<char>(c)) != std::string::npos;
        if (!atext)
            return false;
    }
    return true;
}

// A display name cut at its blanks into the words that stay plain and the runs of the others,
// each run with its own blanks. Readers keep the blank between an encoded word and a plain one
// but drop the one between two encoded words, so a blank between two runs cannot be; and some
// (Python's parser among them) keep the folding blank inside a run, so plain words stay plain
// and a run is split into several encoded words only when one cannot hold it.
std::vector<std::string> NameRuns(const std::string& name)
{
    std::vector<std::string> runs;
    bool inRun = false; // the last of runs is a run of words that are not plain
    for (size_t at = 0; at < name.size();) {
        const size_t end = std::min(name.find_first_of(" \t", at), name.size());
        const std::string word = name.substr(at, end - at);
        at = std::min(name.find_first_not_of(" \t", end), name.size());
        if (word.empty())
            continue;
        const bool plain = IsPlainAtom(word);
        if (!plain && inRun)
            runs.back() += " " + word;
        else
            runs.push_back(word);
        inRun = !plain;
    }
    return runs;
}

MailCharset HeaderCharset(const std::string& utf8, bool bCodePage)
{
    return bCodePage && TextFitsCp1252(utf8) ? charsetCp1252 : charsetUtf8;
}

} // namespace

std::vector<size_t> CharacterEnds(const std::string& text)
{
    std::vector<size_t> ends;
    UErrorCode status = U_ZERO_ERROR;
    UText* utext = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    std::unique_ptr<icu::BreakIterator> breaks(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_SUCCESS(status) && breaks) {
        // A UTF-8 text's indexes are byte offsets.
        breaks->setText(utext, status);
        for (int32_t end = breaks->next(); U_SUCCESS(status) && end != icu::BreakIterator::DONE;
             end = breaks->next())
            ends.push_back(static_cast<size_t>(end));
    }
    utext_close(utext);
    if (U_FAILURE(status) || ends.empty() || ends.back() != text.size()) {
        ends.clear();
        for (size_t at = 0; at < text.size();) {
            const size_t length = SequenceLength(text, at);
            at += length == 0 ? 1 : length;
            ends.push_back(at);
        }
    }
    return ends;
}

bool TextFitsCp1252(const std::string& text)
{
    return platform::FitsCp1252(platform::PrintableUtf8(text));
}

MailCharset MailCharsetOf(const std::string& text, bool bCodePage)
{
    if (!HasHighBytes(text))
        return charsetAscii;
    return HeaderCharset(text, bCodePage);
}

const char* MailCharsetName(MailCharset charset)
{
    switch (charset) {
    case charsetAscii:
        return "us-ascii";
    case charsetCp1252:
        return "windows-1252";
    case charsetUtf8:
        break;
    }
    return "utf-8";
}

std::string MailBytesIn(const std::string& text, MailCharset charset)
{
    switch (charset) {
    case charsetAscii:
        return text;
    case charsetCp1252:
        return platform::Cp1252FromUtf8(platform::PrintableUtf8(text));
    case charsetUtf8:
        break;
    }
    return platform::PrintableUtf8(text);
}

std::vector<std::string> EncodedWordList(
    const std::string& text, size_t firstRoom, MailCharset charset)
{
    const std::string utf8 = platform::PrintableUtf8(text);
    // The characters a reader sees, in UTF-8 and as the charset writes them.
    std::vector<std::string> clusters, characters;
    size_t total = 0, qTotal = 0;
    size_t start = 0;
    for (size_t end : CharacterEnds(utf8)) {
        clusters.push_back(utf8.substr(start, end - start));
        characters.push_back(MailBytesIn(clusters.back(), charset));
        total += characters.back().size();
        qTotal += QLength(characters.back());
        start = end;
    }
    const bool bBase64 = charset == charsetUtf8 && BLength(total) < qTotal;
    const std::string open
        = std::string("=?") + MailCharsetName(charset) + (bBase64 ? "?B?" : "?Q?");
    const size_t frame = open.size() + 2;
    const auto wordLength = [&](const std::string& bytes) {
        return frame + (bBase64 ? BLength(bytes.size()) : QLength(bytes));
    };

    std::vector<std::string> words;
    std::string bytes; // of the word being filled
    size_t room = std::min(firstRoom, kMaxWord);
    // A first line that cannot hold the first character leaves the first word as large as any.
    if (!characters.empty() && wordLength(characters.front()) > room)
        room = kMaxWord;
    const auto close = [&] {
        words.push_back(open + (bBase64 ? BEncoded(bytes) : QEncoded(bytes)) + "?=");
        bytes.clear();
        room = kMaxWord;
    };
    for (size_t i = 0; i < characters.size(); ++i) {
        // A character too long for any word (a family of joined emoji in Q) goes by its code
        // points.
        std::vector<std::string> pieces { characters[i] };
        if (wordLength(characters[i]) > kMaxWord) {
            pieces.clear();
            for (const std::string& point : CodePoints(clusters[i]))
                pieces.push_back(MailBytesIn(point, charset));
        }
        for (const std::string& piece : pieces) {
            if (!bytes.empty() && wordLength(bytes + piece) > room)
                close();
            bytes += piece;
        }
    }
    close();
    return words;
}

std::string EncodedWords(const std::string& text, size_t firstLineRoom, bool bCodePage)
{
    const std::string utf8 = platform::PrintableUtf8(text);
    std::string out;
    for (const std::string& word :
        EncodedWordList(utf8, firstLineRoom, HeaderCharset(utf8, bCodePage))) {
        if (!out.empty())
            out += "\r\n ";
        out += word;
    }
    return out;
}

std::string EncodedAddressList(const std::string& value, size_t firstLineRoom, bool bCodePage)
{
    const std::string utf8 = platform::PrintableUtf8(value);
    CFoldedLine line(firstLineRoom);
    for (const CMailbox& box : SplitMailboxes(utf8)) {
        const MailCharset charset = HeaderCharset(box.strName, bCodePage);
        for (const std::string& run : NameRuns(box.strName)) {
            if (IsPlainAtom(run)) {
                line.Put(run);
                continue;
            }
            // A run that one word holds is not split to fill the line.
            std::vector<std::string> words = EncodedWordList(run, kMaxWord, charset);
            if (words.size() > 1)
                words = EncodedWordList(run, line.Room(), charset);
            if (words.front().size() > line.Room()) {
                line.NewLine();
                words = EncodedWordList(run, line.Room(), charset);
            }
            for (size_t i = 0; i < words.size(); ++i)
                line.Put(words[i], i > 0);
        }
        if (!box.strRest.empty())
            line.Put(box.strRest);
        if (box.separator != 0)
            line.Append(box.separator);
    }
    return line.Text();
}

std::string AsciiFileName(const std::string& name)
{
    if (IsPrintableAscii(name))
        return name;
    std::string ascii;
    for (char c : AsciiTransliteration(name)) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            continue;
        ascii.push_back(c == '\\' || c == '/' ? '_' : c);
    }
    const size_t dot = ascii.rfind('.');
    const std::string stem = dot == std::string::npos ? ascii : ascii.substr(0, dot);
    if (stem.find_first_not_of(" .") == std::string::npos)
        ascii = "greeting" + (dot == std::string::npos ? std::string() : ascii.substr(dot));
    return ascii;
}

std::string FileNameParameters(
    const std::string& parameter, const std::string& name, const std::string& asciiName)
{
    if (IsPrintableAscii(name))
        return "; " + parameter + "=" + QuotedString(name);
    const std::string utf8 = platform::PrintableUtf8(name);
    const std::string fallback = QuotedString(asciiName.empty() ? AsciiFileName(utf8) : asciiName);
    // Each line: the blank that continues the header, the parameter and the ";" after it.
    const std::string whole = parameter + "*=utf-8''" + PercentEncoded(utf8);
    if (1 + whole.size() + 1 <= kMaxLine)
        return ";\r\n " + whole + ";\r\n " + parameter + "=" + fallback;
    std::string out;
    std::string piece;
    int number = 0;
    const auto head = [&] {
        return parameter + "*" + std::to_string(number) + "*=" + (number == 0 ? "utf-8''" : "");
    };
    for (const std::string& point : CodePoints(utf8)) {
        const std::string encoded = PercentEncoded(point);
        if (!piece.empty() && 1 + head().size() + piece.size() + encoded.size() + 1 > kMaxLine) {
            out += ";\r\n " + head() + piece;
            piece.clear();
            ++number;
        }
        piece += encoded;
    }
    out += ";\r\n " + head() + piece;
    return out + ";\r\n " + parameter + "=" + fallback;
}

std::string FileNameRow(const std::string& value, const std::string& parameter,
    const std::string& asciiName, bool bFold)
{
    const std::string parameters = FileNameParameters(parameter, asciiName);
    if (!bFold || value.size() + parameters.size() <= kMaxLine)
        return value + parameters;
    // "; name=..." goes on after the ";" on a line of its own.
    return value + ";\r\n" + parameters.substr(1);
}
