// The greeting as it goes over the wire after "DATA": header lines, the plain-text part, the
// attachment part and the closing boundary, each line ending in "\r\n". The texts are UTF-8
// (mimewords.h says how other bytes are read). Plain texts go out as they stand; a text that
// plain 7-bit mail cannot carry (bytes above 127, lines over 998 bytes) is encoded, and a text
// that holds the boundary line makes the message take a boundary of its own (CMailForm).
//
// Charsets: the classic message (no preview) keeps the code page: a text that fits
// Windows-1252 goes out in it, exactly as earlier versions sent it, any other in UTF-8. The
// message with a preview is UTF-8 throughout.
#pragma once

#include "mail/mimewords.h"

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

// How one message is written, decided once from its texts before its first row goes out. The
// default is the plain form: the usual boundary, no "Message-ID:" line, the text as 7-bit.
struct CMailForm {
    std::string m_strBoundary = kMailBoundary; // the token between the double quotes
    std::string m_strMessageId; // "<...>" of the "Message-ID:" line; empty: no such line
    // The text part goes out as quoted-printable: windows-1252 in the classic message when the
    // text fits that code page, utf-8 otherwise.
    bool m_bQuotedText = false;
    // With a preview, the first part of the mixed message is multipart/alternative: the text
    // part as above, then multipart/related with the text as HTML and the greeting as an
    // inline animated GIF that the HTML shows by its Content-ID.
    bool m_bPreview = false;
    std::string m_strAlternativeBoundary; // set by MakeMailForm when m_bPreview
    std::string m_strRelatedBoundary;
    std::string m_strPictureId; // the GIF's Content-ID, without the angle brackets
    // False: no attachment part follows the text; the body rows end with the closing boundary.
    bool m_bAttachment = true;
    // The attached video's file name, which the HTML names as what plays the greeting with its
    // sound; empty when no video goes with the message.
    std::string m_strVideoName;
};

// The form for a message with this subject and text: the usual boundary unless either holds
// its line ("--" and the token), then the token with "_" and 16 random hexadecimal digits; the
// text encoded when NeedsQuotedPrintable says so; a fresh message id dated start in domain.
CMailForm MakeMailForm(const std::string& subject, const std::string& text,
    const std::string& domain, std::time_t start);

// The same, with a preview and with or without the attachment; the boundaries and the
// picture's id are chosen so that no text of the message holds them. With neither a preview
// nor bAttachment false it is the form above. The inner boundaries are
// "alternativebyVelmorant_" and "relatedbyVelmorant_" with 16 random hexadecimal digits, the
// picture's id "greeting." + 16 random hexadecimal digits + "@" + domain.
CMailForm MakeMailForm(const std::string& subject, const std::string& text,
    const std::string& domain, std::time_t start, bool bPreview, bool bAttachment);

// The header: To, From, Date, the fixed "MESSAGE_ID:" line, the "Message-ID:" line of the form
// (when it has one), Subject, the MIME lines and the empty line that ends it. Line breaks
// inside the texts become blanks, so a text cannot add header lines. Plain ASCII goes out as
// it stands, right after the colon. A subject with bytes above 127 goes out as encoded words
// (EncodedWords), after a blank; so do To and From, whose display names with such bytes go out
// as encoded words (EncodedAddressList). Without form.m_bPreview the words are windows-1252
// where the text fits that code page.
std::string MailHeaderRows(const std::string& to, const std::string& from, std::time_t start,
    const std::string& subject, const CMailForm& form = {});
// The preamble and the plain-text part, up to the boundary line that opens the attachment.
// Every line break of the text, whichever form it has, goes out as "\r\n"; with the form's
// m_bQuotedText the part says its charset and "quoted-printable" and its text is encoded so.
std::string MailTextRows(const std::string& text, const CMailForm& form = {});
// Everything after the header up to the attachment's base64 body: the preamble, the text part
// (with form.m_bPreview the multipart/alternative part, picture being the GIF's bytes) and the
// boundary line that opens the attachment; without form.m_bAttachment the rows end with the
// closing boundary instead and nothing follows them. For the plain form it is MailTextRows.
// The alternative holds the text part exactly as MailTextRows writes it, then the
// multipart/related part: the HTML (MailHtmlText, quoted-printable utf-8, the picture's
// size taken from the GIF's header) and the GIF (base64 in lines of 76 characters, Content-ID
// "<" + m_strPictureId + ">", shown inline as "greeting.gif").
std::string MailBodyRows(
    const std::string& text, const CMailForm& form, const std::string& picture = {});
// The text as a small HTML page (UTF-8, the characters HTML gives meaning escaped, line
// breaks kept as "<br>" and "\r\n") that shows the picture with this Content-ID above it, with
// that width and height when both are above 0, and, with a video's file name, a line under it
// saying that the attached video plays the greeting with its sound. Every line ends in "\r\n".
std::string MailHtmlText(const std::string& text, const std::string& pictureId, int nWidth = 0,
    int nHeight = 0, const std::string& videoName = {});
// The header lines of an attached file sent as base64, up to the empty line that ends them:
// its type with its name, the encoding, and the disposition with the file name. A name of
// printable ASCII stands in both as a quoted string (asciiName is not used). Any other goes into
// the disposition as RFC 2231 "filename*" (FileNameParameters), and asciiName
// (AsciiFileName(fileName) when empty) is the type's name and the disposition's plain
// "filename" for older readers.
std::string MailFilePartHeader(const std::string& contentType, const std::string& fileName,
    const std::string& asciiName = {});
// Base64 of RFC 2045 in lines of 76 characters, each ended by "\r\n". Whole blocks of
// kBase64LineBytes bytes encode to whole lines, so a file can be sent block by block.
std::string MailBase64Lines(const std::string& bytes);
constexpr size_t kBase64LineBytes = 57;
// The boundary line between two attachments, with the line end before it.
std::string MailPartSeparator(const CMailForm& form);
// The empty line after the attachment and the closing boundary line.
std::string MailClosingRows(const CMailForm& form = {});

// True when the text cannot go out as 7-bit lines: a byte above 127 or a zero byte, or a line
// (between line breaks of any form) longer than 998 bytes.
bool NeedsQuotedPrintable(const std::string& text);
// Quoted-printable of RFC 2045 for a text whose lines end in "\r\n": those stay hard line
// breaks; "=", bytes outside 33 to 126 and blanks or tabs at the end of a line become "=XX";
// longer lines are cut with soft breaks ("=" and "\r\n") so that no line exceeds 76 bytes.
// With bUtf8 a soft break never falls inside the bytes of one UTF-8 character.
std::string QuotedPrintable(const std::string& text, bool bUtf8 = false);
// Lower-case hexadecimal digits from the system's random source.
std::string RandomHex(size_t digits);
// The domain a message id names: the sender address's domain when it is a plain domain name,
// otherwise the host name when that is one, otherwise "localhost".
std::string MessageIdDomain(const std::string& from, const std::string& hostName);
// "<RANDOM.TIME@DOMAIN>" with 16 random hexadecimal digits and the calendar time in seconds.
std::string MakeMessageId(std::time_t time, const std::string& domain);

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
