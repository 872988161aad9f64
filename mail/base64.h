// The attachment converter. mime64 keeps the shape of a small command-line tool: it turns a
// binary file into one MIME part (three header lines, an empty line, then base64 lines of 60
// characters) and, in its other mode, such a part back into the binary file. Every line it
// writes ends in carriage return and line feed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Called like a program. argv[0] is not looked at; an argument that begins with '-' is an
// option ("-e" or "-E" selects encoding, any other letter leaves decoding selected); the others
// are the input path, the output path and, when encoding, optionally the file name the part
// gives (UTF-8; the input's own name when absent), in that order.
// Returns 0 when the file was converted, 1 when it was not: the input cannot be opened ("PATH
// file not found" is shown), the output cannot be written, or a path is missing. After a
// failure no output file is left behind.
int mime64(int argc, const char* const argv[]);

// The header that opens the encoded part; name is the attachment's file name (UTF-8). A name of
// printable ASCII stands in the type and the disposition as it is, without quotes. Any other
// goes into the disposition as RFC 2231 "filename*" (FileNameParameters), and asciiName
// (AsciiFileName(name) when empty) is the type's name and the plain "filename" after it.
std::string Mime64Header(const std::string& name, const std::string& asciiName = {});

// Base64 of RFC 2045 in lines of exactly 60 characters (the last may be shorter), each
// followed by "\r\n". Bytes go in in any pieces; the text comes out in the same order.
class CBase64Encoder {
public:
    // Encodes the bytes and appends every completed line to out.
    void Put(const uint8_t* data, size_t size, std::string& out);
    // Pads the last group and appends what is left, ending the text.
    void Finish(std::string& out);

private:
    void Emit(char c, std::string& out);

    uint32_t m_nBits = 0;
    int m_nBitCount = 0;
    std::string m_strLine;
};

// The reverse: base64 characters in, bytes out. Line ends and any other character outside the
// alphabet are skipped; the first '=' ends the data.
class CBase64Decoder {
public:
    void Put(const char* text, size_t size, std::string& out);
    bool Finished() const { return m_bEnded; }

private:
    uint32_t m_nBits = 0;
    int m_nBitCount = 0;
    bool m_bEnded = false;
};
