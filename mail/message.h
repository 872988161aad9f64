// The greeting as it goes over the wire after "DATA": header lines, the plain-text part, the
// attachment part and the closing boundary, each line ending in "\r\n". The texts are bytes
// in the code page; nothing is folded or encoded.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

constexpr char kMailBoundary[] = "theboundarybyVelmorant";

// The date line of Internet mail, "Date: Tue, 08 Dec 2026 14:05:09 +0100\r\n", for a
// broken-down local time and that time's offset from UTC in seconds (east positive).
std::string MailDateRow(const std::tm& local, long utcOffsetSeconds);
// The same for a calendar time, in the local time zone.
std::string MailDateRow(std::time_t time);

// The header: To, From, Date, the fixed message id, Subject, the MIME lines and the empty line
// that ends it. Line breaks inside the texts become blanks, so a text cannot add header lines.
std::string MailHeaderRows(
    const std::string& to, const std::string& from, std::time_t start, const std::string& subject);
// The preamble and the plain-text part, up to the boundary line that opens the attachment.
// Every line break of the text, whichever form it has, goes out as "\r\n".
std::string MailTextRows(const std::string& text);
// The empty line after the attachment and the closing boundary line.
std::string MailClosingRows();

// A text for a one-line header field or command: carriage returns and line feeds become blanks.
std::string SingleLine(const std::string& text);
// The text with every line break (CR LF, a lone CR or a lone LF) as CR LF.
std::string WithCrLf(const std::string& text);

// The addresses of a recipients text: it is cut at every comma, semicolon, blank, tab, carriage
// return and line feed; empty pieces are dropped. Addresses are not otherwise checked.
std::vector<std::string> SplitRecipients(const std::string& to);

// An elapsed time through a time-span template: "%D" whole days, "%H" hours (0 to 23), "%M"
// minutes and "%S" seconds within the day with two digits, "%%" one percent sign; any other
// character after a percent sign stays with its percent sign.
std::string FormatTimeSpan(const std::string& strTemplate, int64_t seconds);

// A printf-style template filled with texts: each "%s" takes the next argument (an empty text
// once they run out), "%%" gives one percent sign, and every other conversion is kept as it
// stands, so a template read from a file cannot make the program read what it was not given.
std::string FillTemplate(const std::string& strTemplate, const std::vector<std::string>& args);

// Message data on its way to the connection: a full stop at the start of a line is doubled,
// as the mail protocol asks, so that no line of the message can end the data early; the server
// takes the extra one away. Bytes are passed on in blocks of at most 8192.
class CMailDataStream {
public:
    using Sink = std::function<bool(const char* data, size_t size)>;
    explicit CMailDataStream(Sink sink)
        : m_sink(std::move(sink))
    {
    }

    // False once the sink has failed; every later call does nothing.
    bool Write(const char* data, size_t size);
    bool Write(const std::string& text) { return Write(text.data(), text.size()); }
    // Passes on what is buffered.
    bool Flush();

private:
    Sink m_sink;
    std::string m_buffer;
    bool m_bLineStart = true;
    bool m_bFailed = false;
};
