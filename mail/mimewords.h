// The texts of a message in any script: the header texts, the display names, the file names
// and the charset of the text parts.
//
// Every text these take is UTF-8. A text that is not valid UTF-8 is read as Windows-1252 bytes
// (how earlier versions kept texts), so whatever comes in goes out well-formed. What they write
// is 7-bit ASCII that any mail server carries as it is:
//   - RFC 2047 encoded words: "=?utf-8?Q?...?=" or "=?utf-8?B?...?=", whichever is shorter for
//     the text, or "=?windows-1252?Q?...?=" for a text that fits that code page where the
//     caller asks for the code page (the classic message). A word holds at most 75 characters
//     and only whole characters: never part of a UTF-8 sequence, and a character with its marks,
//     or an emoji with its skin tone and the emoji joined to it, stays in one word unless it
//     alone is too long for a word. Words are folded onto lines of at most 76 bytes.
//   - RFC 2231 file names ("filename*=utf-8''%C5%81ukasz.kel", in numbered pieces when long),
//     with a plain-ASCII name beside them for the readers that know only that.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// How a text is written into a message.
enum MailCharset {
    charsetAscii, // "us-ascii": every byte below 128
    charsetCp1252, // "windows-1252": the code page of the classic message
    charsetUtf8, // "utf-8"
};

// True when every character of the text has a byte in Windows-1252 (ASCII does).
bool TextFitsCp1252(const std::string& text);
// The charset a text goes out in: us-ascii when every byte is below 128; otherwise
// windows-1252 when bCodePage and the text fits that code page; otherwise utf-8.
MailCharset MailCharsetOf(const std::string& text, bool bCodePage);
// "us-ascii", "windows-1252" or "utf-8".
const char* MailCharsetName(MailCharset charset);
// The text's bytes in that charset (for us-ascii the text as it stands).
std::string MailBytesIn(const std::string& text, MailCharset charset);

// Where the characters a reader sees as one end in the text (grapheme clusters: a letter with
// its marks, an emoji with its skin tone and the emoji joined to it), as byte offsets in
// ascending order; the last is the text's size. Bytes that are not valid UTF-8 end a
// character each.
std::vector<size_t> CharacterEnds(const std::string& utf8);

// The text as encoded words of that charset, each a text of its own (no blanks between them):
// the first fits in firstRoom bytes (a room too small for one character leaves the first word
// as large as the others), every further one in 75. Q words hold only letters, digits and
// "!*+-/" besides their escapes, so they may stand wherever a word may, in a display name too.
std::vector<std::string> EncodedWordList(
    const std::string& text, size_t firstRoom, MailCharset charset);
// A header text as encoded words folded onto lines of at most 76 bytes: the first word fits in
// firstLineRoom bytes (what the line leaves after the field name), every further one stands
// on a line of its own after "\r\n ". In windows-1252 when bCodePage and the text fits it,
// otherwise in utf-8.
std::string EncodedWords(const std::string& text, size_t firstLineRoom, bool bCodePage = true);

// A list of addresses (the value of To or From, on one line) with every display name that is
// not plain ASCII as encoded words (charset as EncodedWords says). Mailboxes are separated by
// commas or semicolons outside quotes, angle brackets and parentheses; in each, the display
// name is what stands before the address in angle brackets, a quoted one taken without its
// quotes and escapes. A mailbox without angle brackets and without "@" is a display name
// alone. Addresses and plain parts stay as typed; the line is folded between words and
// mailboxes, its first line holding firstLineRoom bytes and every further one 76.
std::string EncodedAddressList(const std::string& value, size_t firstLineRoom, bool bCodePage);

// A plain-ASCII name for a file: the name itself when it is printable ASCII; otherwise its
// AsciiTransliteration with control characters left out, backslashes and slashes as '_', and
// "greeting" in front of the extension when nothing of the rest is left.
std::string AsciiFileName(const std::string& name);
// The parameters of a header line that name a file, each after "; ", to follow the value they
// belong to. A name of printable ASCII gives `; parameter="name"` (a backslash or double quote
// escaped). Any other gives, each on a line of its own after ";\r\n ", the RFC 2231 parameter
// `parameter*=utf-8''%C5%81...` (or its numbered pieces "parameter*0*=", "parameter*1*=" ...
// when it does not fit on a line of 76 bytes; every piece holds whole characters) and then
// `parameter="fallback"`, fallback being asciiName or, when that is empty, AsciiFileName(name).
std::string FileNameParameters(
    const std::string& parameter, const std::string& name, const std::string& asciiName = {});
// A header row that names a file by its plain-ASCII name: value + FileNameParameters(parameter,
// asciiName), with the parameter on a line of its own when the row would pass 76 bytes and
// bFold. Without bFold the row stays whole, as the rows of plain names always were.
std::string FileNameRow(const std::string& value, const std::string& parameter,
    const std::string& asciiName, bool bFold);
