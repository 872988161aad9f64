#include "mail/message.h"

#include "mail/mimewords.h"
#include "platform/text.h"

#include <cstdio>
#include <random>

namespace {

constexpr size_t kDataBlock = 8192;
// Lines of Internet mail hold at most 998 bytes before their line end (RFC 5322).
constexpr size_t kMaxMailLine = 998;
// Encoded lines stay within 76 bytes (RFC 2045 and RFC 2047).
constexpr size_t kMaxEncodedLine = 76;
constexpr char kHexDigits[] = "0123456789ABCDEF";

std::string HexByte(unsigned char c)
{
    return std::string { '=', kHexDigits[c >> 4], kHexDigits[c & 15] };
}

bool HasHighBytes(const std::string& text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) > 127)
            return true;
    return false;
}

bool IsDomainName(const std::string& name)
{
    if (name.empty() || name.size() > 253 || name.front() == '.' || name.back() == '.'
        || name.front() == '-' || name.find("..") != std::string::npos)
        return false;
    for (char c : name)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
                || c == '.'))
            return false;
    return true;
}

// How many bytes the UTF-8 sequence that starts at line[at] takes (1 for anything else).
size_t SequenceBytes(const std::string& line, size_t at)
{
    const unsigned char lead = static_cast<unsigned char>(line[at]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (at + length > line.size())
        return 1;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(line[at + i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

// One line (without its end) in quoted-printable, cut with soft breaks; with bUtf8 a soft
// break never falls inside a character's bytes.
void QuoteLine(const std::string& line, std::string& out, bool bUtf8)
{
    size_t column = 0;
    for (size_t i = 0; i < line.size();) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        const size_t bytes = bUtf8 ? SequenceBytes(line, i) : 1;
        const bool last = i + bytes == line.size();
        std::string token;
        if (bytes > 1) {
            for (size_t k = 0; k < bytes; ++k)
                token += HexByte(static_cast<unsigned char>(line[i + k]));
        } else if (c == '=' || c > 126 || (c < 33 && c != ' ' && c != '\t')
            || ((c == ' ' || c == '\t') && last)) {
            token = HexByte(c);
        } else {
            token.assign(1, static_cast<char>(c));
        }
        i += bytes;
        // A line that goes on must keep one byte for the "=" of its soft break.
        const size_t room = last ? kMaxEncodedLine : kMaxEncodedLine - 1;
        if (column + token.size() > room) {
            out += "=\r\n";
            column = 0;
        }
        out += token;
        column += token.size();
    }
}

// A To or From row: the addresses as typed, on one line; with any letter beyond ASCII, after a
// blank, the display names that hold one as encoded words.
std::string AddressRow(const std::string& name, const std::string& value, bool bCodePage)
{
    const std::string oneLine = SingleLine(value);
    if (!HasHighBytes(oneLine))
        return name + oneLine + "\r\n";
    return name + " " + EncodedAddressList(oneLine, kMaxEncodedLine - name.size() - 1, bCodePage)
        + "\r\n";
}

// What opens the body of every message, before the first boundary line.
constexpr char kPreamble[] = "This is a multi-part message in MIME format.And your mail-reader "
                             "doesn't understand MIME.\r\n";
// The names the inner parts' boundaries start with; none begins with another or with the
// message's own boundary.
constexpr char kAlternativeBoundary[] = "alternativebyVelmorant";
constexpr char kRelatedBoundary[] = "relatedbyVelmorant";

// The charset an encoded text part goes out in: the classic message keeps the code page for a
// text that fits it (plain ASCII too); the message with a preview is UTF-8 throughout.
MailCharset QuotedCharset(const std::string& text, const CMailForm& form)
{
    return form.m_bPreview || !TextFitsCp1252(text) ? charsetUtf8 : charsetCp1252;
}

// The text part from its first header line to the end of its text: the lines every message
// carries between the boundary line that opens it and the empty line that ends it.
std::string TextPartRows(const std::string& text, const CMailForm& form)
{
    std::string rows;
    if (form.m_bQuotedText) {
        const MailCharset charset = QuotedCharset(text, form);
        rows += std::string("Content-Type: text/plain; charset=") + MailCharsetName(charset)
            + "\r\n";
        rows += "Content-Transfer-Encoding: quoted-printable\r\n";
        rows += "\r\n";
        rows += QuotedPrintable(WithCrLf(MailBytesIn(text, charset)), charset == charsetUtf8)
            + "\r\n";
    } else {
        rows += "Content-Type: text/plain; charset=us-ascii\r\n";
        rows += "Content-Transfer-Encoding: 7bit\r\n";
        rows += "\r\n";
        rows += WithCrLf(text) + "\r\n";
    }
    return rows;
}

std::string EscapeHtml(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

// The logical screen size a GIF's header gives; false (nothing set) for anything shorter.
bool GifSize(const std::string& picture, int& width, int& height)
{
    if (picture.size() < 10 || picture.compare(0, 3, "GIF") != 0)
        return false;
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(picture[at]); };
    width = byte(6) | byte(7) << 8;
    height = byte(8) | byte(9) << 8;
    return true;
}

// Base64 of RFC 2045 in lines of 76 characters, each ended by "\r\n".
std::string Base64LinesOf(const std::string& bytes)
{
    static const char alphabet[]
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4 * 78 / 76 + 2);
    size_t column = 0;
    const auto put = [&](char c) {
        out.push_back(c);
        if (++column == kMaxEncodedLine) {
            out += "\r\n";
            column = 0;
        }
    };
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (left > 1)
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (left > 2)
            group |= static_cast<unsigned char>(bytes[i + 2]);
        put(alphabet[group >> 18 & 63]);
        put(alphabet[group >> 12 & 63]);
        put(left > 1 ? alphabet[group >> 6 & 63] : '=');
        put(left > 2 ? alphabet[group & 63] : '=');
    }
    if (column != 0)
        out += "\r\n";
    return out;
}

std::string TwoDigits(int64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(value));
    return text;
}

} // namespace

std::string MailDateRow(const std::tm& local, long utcOffsetSeconds)
{
    static const char* const days[] = { "Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat" };
    static const char* const months[]
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    const char* day = local.tm_wday >= 0 && local.tm_wday < 7 ? days[local.tm_wday] : "Sun";
    const char* month = local.tm_mon >= 0 && local.tm_mon < 12 ? months[local.tm_mon] : "Jan";
    const char sign = utcOffsetSeconds < 0 ? '-' : '+';
    const long offsetMinutes = (utcOffsetSeconds < 0 ? -utcOffsetSeconds : utcOffsetSeconds) / 60;
    char text[96];
    std::snprintf(text, sizeof text, "Date: %s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld\r\n", day,
        local.tm_mday, month, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec, sign,
        offsetMinutes / 60 % 100, offsetMinutes % 60);
    return text;
}

std::string MailDateRow(std::time_t time)
{
    std::tm local {};
    localtime_r(&time, &local);
    return MailDateRow(local, local.tm_gmtoff);
}

std::string SingleLine(const std::string& text)
{
    std::string line = text;
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return line;
}

std::string WithCrLf(const std::string& text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            result += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            result += "\r\n";
        } else {
            result.push_back(c);
        }
    }
    return result;
}

CMailForm MakeMailForm(const std::string& subject, const std::string& text,
    const std::string& domain, std::time_t start)
{
    CMailForm form;
    // A text line that equals the boundary line would end the text part there and let the
    // text make parts of its own, so such a message takes a boundary no text can know.
    const std::string line = std::string("--") + kMailBoundary;
    if (subject.find(line) != std::string::npos || text.find(line) != std::string::npos) {
        do
            form.m_strBoundary = std::string(kMailBoundary) + "_" + RandomHex(16);
        while (text.find(form.m_strBoundary) != std::string::npos
            || subject.find(form.m_strBoundary) != std::string::npos);
    }
    form.m_bQuotedText = NeedsQuotedPrintable(text);
    form.m_strMessageId = MakeMessageId(start, domain);
    return form;
}

CMailForm MakeMailForm(const std::string& subject, const std::string& text,
    const std::string& domain, std::time_t start, bool bPreview, bool bAttachment)
{
    CMailForm form = MakeMailForm(subject, text, domain, start);
    form.m_bAttachment = bAttachment;
    if (!bPreview)
        return form;
    form.m_bPreview = true;
    // The inner boundaries have names of their own: a reader may take any line that begins
    // with a boundary line for that boundary, so none may begin with another. The random part
    // keeps the texts from holding them; the HTML and the encoded texts are made of the texts'
    // own letters, so what the texts do not hold, they do not hold either.
    const std::string texts[] = { subject, text, MailHtmlText(text, {}) };
    const auto held = [&](const std::string& token) {
        for (const std::string& piece : texts)
            if (piece.find(token) != std::string::npos)
                return true;
        return false;
    };
    do
        form.m_strAlternativeBoundary = std::string(kAlternativeBoundary) + "_" + RandomHex(16);
    while (held(form.m_strAlternativeBoundary));
    do
        form.m_strRelatedBoundary = std::string(kRelatedBoundary) + "_" + RandomHex(16);
    while (held(form.m_strRelatedBoundary));
    do
        form.m_strPictureId = "greeting." + RandomHex(16) + "@" + domain;
    while (held(form.m_strPictureId));
    return form;
}

std::string MailHeaderRows(const std::string& to, const std::string& from, std::time_t start,
    const std::string& subject, const CMailForm& form)
{
    // The classic message keeps the code page for the texts that fit it.
    const bool bCodePage = !form.m_bPreview;
    std::string rows;
    rows += AddressRow("To:", to, bCodePage);
    rows += AddressRow("From:", from, bCodePage);
    rows += MailDateRow(start);
    rows += "MESSAGE_ID: <3AB45D459C44CC34A>\r\n";
    if (!form.m_strMessageId.empty())
        rows += "Message-ID: " + form.m_strMessageId + "\r\n";
    const std::string oneLine = SingleLine(subject);
    if (HasHighBytes(oneLine)) {
        const std::string name = "Subject: ";
        rows += name + EncodedWords(oneLine, kMaxEncodedLine - name.size(), bCodePage) + "\r\n";
    } else {
        rows += "Subject:" + oneLine + "\r\n";
    }
    rows += "MIME-Version: 1.0\r\n";
    rows += "Content-Type: multipart/mixed; boundary=\"" + form.m_strBoundary + "\"\r\n";
    rows += "\r\n";
    return rows;
}

std::string MailTextRows(const std::string& text, const CMailForm& form)
{
    std::string rows = kPreamble;
    rows += "--" + form.m_strBoundary + "\r\n";
    rows += TextPartRows(text, form);
    rows += "\r\n";
    rows += "--" + form.m_strBoundary + "\r\n";
    return rows;
}

std::string MailBodyRows(const std::string& text, const CMailForm& form, const std::string& picture)
{
    if (!form.m_bPreview && form.m_bAttachment)
        return MailTextRows(text, form);
    std::string rows = kPreamble;
    rows += "--" + form.m_strBoundary + "\r\n";
    if (form.m_bPreview) {
        const std::string& alternative = form.m_strAlternativeBoundary;
        const std::string& related = form.m_strRelatedBoundary;
        rows += "Content-Type: multipart/alternative; boundary=\"" + alternative + "\"\r\n";
        rows += "\r\n";
        rows += "--" + alternative + "\r\n";
        rows += TextPartRows(text, form);
        rows += "\r\n";
        rows += "--" + alternative + "\r\n";
        rows += "Content-Type: multipart/related; boundary=\"" + related
            + "\"; type=\"text/html\"\r\n";
        rows += "\r\n";
        rows += "--" + related + "\r\n";
        rows += "Content-Type: text/html; charset=utf-8\r\n";
        rows += "Content-Transfer-Encoding: quoted-printable\r\n";
        rows += "\r\n";
        int width = 0, height = 0;
        GifSize(picture, width, height);
        rows += QuotedPrintable(
                    MailHtmlText(text, form.m_strPictureId, width, height, form.m_strVideoName),
                    true)
            + "\r\n";
        rows += "--" + related + "\r\n";
        rows += "Content-Type: image/gif\r\n";
        rows += "Content-Transfer-Encoding: base64\r\n";
        rows += "Content-ID: <" + form.m_strPictureId + ">\r\n";
        rows += "Content-Disposition: inline; filename=\"greeting.gif\"\r\n";
        rows += "\r\n";
        rows += Base64LinesOf(picture);
        rows += "--" + related + "--\r\n";
        rows += "\r\n";
        rows += "--" + alternative + "--\r\n";
    } else {
        rows += TextPartRows(text, form);
    }
    rows += "\r\n";
    rows += "--" + form.m_strBoundary + (form.m_bAttachment ? "\r\n" : "--\r\n");
    return rows;
}

std::string MailHtmlText(const std::string& text, const std::string& pictureId, int nWidth,
    int nHeight, const std::string& videoName)
{
    std::string html = "<!DOCTYPE html>\r\n"
                       "<html><head><meta http-equiv=\"Content-Type\" "
                       "content=\"text/html; charset=utf-8\"></head>\r\n"
                       "<body>\r\n";
    html += "<p><img src=\"cid:" + EscapeHtml(pictureId) + "\" alt=\"The greeting\"";
    if (nWidth > 0 && nHeight > 0)
        html += " width=\"" + std::to_string(nWidth) + "\" height=\"" + std::to_string(nHeight)
            + "\"";
    html += "></p>\r\n";
    if (!videoName.empty())
        html += "<p><small>The attached video " + EscapeHtml(platform::PrintableUtf8(videoName))
            + " plays the greeting with its sound.</small></p>\r\n";
    html += "<p>";
    const std::string lines = WithCrLf(platform::PrintableUtf8(text));
    for (size_t start = 0;;) {
        const size_t end = lines.find("\r\n", start);
        html += EscapeHtml(lines.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            break;
        html += "<br>\r\n";
        start = end + 2;
    }
    html += "</p>\r\n";
    html += "</body></html>\r\n";
    return html;
}

std::string MailFilePartHeader(
    const std::string& contentType, const std::string& fileName, const std::string& asciiName)
{
    const std::string name = SingleLine(fileName);
    // A plain name is its own fallback.
    const bool plain = AsciiFileName(name) == name;
    const std::string fallback
        = plain || asciiName.empty() ? AsciiFileName(name) : SingleLine(asciiName);
    return FileNameRow("Content-Type: " + contentType, "name", fallback, !plain)
        + "\r\n" + "Content-Transfer-Encoding: base64\r\n" + "Content-Disposition: attachment"
        + FileNameParameters("filename", name, fallback) + "\r\n" + "\r\n";
}

std::string MailBase64Lines(const std::string& bytes)
{
    return Base64LinesOf(bytes);
}

std::string MailPartSeparator(const CMailForm& form)
{
    return "\r\n--" + form.m_strBoundary + "\r\n";
}

std::string MailClosingRows(const CMailForm& form)
{
    return "\r\n--" + form.m_strBoundary + "--\r\n";
}

bool NeedsQuotedPrintable(const std::string& text)
{
    size_t lineLength = 0;
    for (char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c > 127 || c == 0)
            return true;
        if (c == '\r' || c == '\n') {
            lineLength = 0;
        } else if (++lineLength > kMaxMailLine) {
            return true;
        }
    }
    return false;
}

std::string QuotedPrintable(const std::string& text, bool bUtf8)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        QuoteLine(text.substr(start, end == std::string::npos ? std::string::npos : end - start),
            out, bUtf8);
        if (end == std::string::npos)
            break;
        out += "\r\n";
        start = end + 2;
    }
    return out;
}

std::string RandomHex(size_t digits)
{
    static const char lower[] = "0123456789abcdef";
    std::random_device source;
    std::string hex;
    while (hex.size() < digits) {
        uint32_t bits = source();
        for (int i = 0; i < 8 && hex.size() < digits; ++i, bits >>= 4)
            hex.push_back(lower[bits & 15]);
    }
    return hex;
}

std::string MessageIdDomain(const std::string& from, const std::string& hostName)
{
    const size_t at = from.rfind('@');
    if (at != std::string::npos && IsDomainName(from.substr(at + 1)))
        return from.substr(at + 1);
    if (IsDomainName(hostName))
        return hostName;
    return "localhost";
}

std::string MakeMessageId(std::time_t time, const std::string& domain)
{
    // Appended piece by piece: GCC 12 takes a text put in front of a temporary for an overflow.
    std::string id = "<";
    id += RandomHex(16);
    id += '.';
    id += std::to_string(static_cast<long long>(time));
    id += '@';
    id += domain;
    id += '>';
    return id;
}

std::vector<std::string> SplitRecipients(const std::string& to)
{
    std::vector<std::string> addresses;
    std::string current;
    for (char c : to) {
        if (c == ',' || c == ';' || c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!current.empty())
                addresses.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty())
        addresses.push_back(current);
    return addresses;
}

std::string FormatTimeSpan(const std::string& strTemplate, int64_t seconds)
{
    if (seconds < 0)
        seconds = 0;
    const int64_t days = seconds / 86400;
    const int64_t hours = seconds / 3600 % 24;
    const int64_t minutes = seconds / 60 % 60;
    const int64_t secs = seconds % 60;
    std::string result;
    for (size_t i = 0; i < strTemplate.size(); ++i) {
        char c = strTemplate[i];
        if (c != '%' || i + 1 == strTemplate.size()) {
            result.push_back(c);
            continue;
        }
        char next = strTemplate[++i];
        switch (next) {
        case 'D':
            result += std::to_string(days);
            break;
        case 'H':
            result += TwoDigits(hours);
            break;
        case 'M':
            result += TwoDigits(minutes);
            break;
        case 'S':
            result += TwoDigits(secs);
            break;
        case '%':
            result.push_back('%');
            break;
        default:
            result.push_back('%');
            result.push_back(next);
        }
    }
    return result;
}

std::string FillTemplate(const std::string& strTemplate, const std::vector<std::string>& args)
{
    std::string result;
    size_t next = 0;
    for (size_t i = 0; i < strTemplate.size(); ++i) {
        char c = strTemplate[i];
        if (c == '%' && i + 1 < strTemplate.size() && strTemplate[i + 1] == 's') {
            if (next < args.size())
                result += args[next];
            ++next;
            ++i;
        } else if (c == '%' && i + 1 < strTemplate.size() && strTemplate[i + 1] == '%') {
            result.push_back('%');
            ++i;
        } else {
            result.push_back(c);
        }
    }
    return result;
}

bool CMailDataStream::Write(const char* data, size_t size)
{
    if (m_bFailed)
        return false;
    for (size_t i = 0; i < size; ++i) {
        char c = data[i];
        if (m_bLineStart && c == '.')
            m_buffer.push_back('.');
        m_buffer.push_back(c);
        m_bLineStart = c == '\n';
        if (m_buffer.size() >= kDataBlock - 1 && !Flush())
            return false;
    }
    return true;
}

bool CMailDataStream::Flush()
{
    if (m_bFailed)
        return false;
    if (!m_buffer.empty() && !m_sink(m_buffer.data(), m_buffer.size()))
        m_bFailed = true;
    m_buffer.clear();
    return !m_bFailed;
}
