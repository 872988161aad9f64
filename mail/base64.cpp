#include "mail/base64.h"

#include "mail/mimewords.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/translate.h"

#include <vector>

using platform::Fill;
using platform::Tr;

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr size_t kLineLength = 60;
constexpr size_t kBlockSize = 1 << 16;

int AlphabetIndex(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

// The part header puts the name on a line of its own; a line break inside it would end the
// header early and let the name write header lines of its own.
std::string SafeName(const std::string& name)
{
    std::string safe = name;
    for (char& c : safe)
        if (c == '\r' || c == '\n' || c == '\0')
            c = '_';
    return safe;
}

// The output is written under a name of its own and renamed into place only when complete, so
// a failed conversion never leaves a truncated part where the caller looks for one.
class COutput {
public:
    explicit COutput(const std::string& path)
        : m_strPath(path)
    {
        m_strTemp = platform::MakeTempFileName(platform::DirectoryOf(path), "~m64");
        m_bOk = !m_strTemp.empty() && m_file.Open(m_strTemp, platform::CFile::modeWrite);
    }
    ~COutput()
    {
        if (!m_strTemp.empty()) {
            m_file.Close();
            platform::DeleteFile(m_strTemp);
        }
    }
    bool IsOpen() const { return m_bOk; }
    void Write(const std::string& text)
    {
        if (m_bOk && !text.empty())
            m_bOk = m_file.Write(text.data(), text.size());
    }
    bool Commit()
    {
        m_bOk = m_file.Close() && m_bOk && platform::RenameFile(m_strTemp, m_strPath);
        if (m_bOk)
            m_strTemp.clear();
        return m_bOk;
    }

private:
    std::string m_strPath;
    std::string m_strTemp;
    platform::CFile m_file;
    bool m_bOk = false;
};

int Encode(platform::CFile& input, const std::string& inputPath, const std::string& name,
    COutput& output)
{
    // The file's own name, when it is plain, is the name for older readers.
    const std::string own = platform::FileNameOf(inputPath);
    std::string text = name.empty() ? Mime64Header(own)
                                    : Mime64Header(name, AsciiFileName(own) == own ? own : "");
    CBase64Encoder encoder;
    std::vector<uint8_t> block(kBlockSize);
    for (;;) {
        size_t n = input.Read(block.data(), block.size());
        if (n == 0)
            break;
        encoder.Put(block.data(), n, text);
        output.Write(text);
        text.clear();
    }
    encoder.Finish(text);
    output.Write(text);
    return output.Commit() ? 0 : 1;
}

int Decode(platform::CFile& input, COutput& output)
{
    CBase64Decoder decoder;
    std::vector<char> block(kBlockSize);
    std::string bytes;
    // A part header, when there is one, runs up to the first empty line. Base64 text never
    // holds a colon, so a colon in the first line tells that the file starts with a header.
    enum { inFirstLine, inHeader, inBody } state = inFirstLine;
    std::string firstLine;
    size_t lineChars = 0;
    for (;;) {
        size_t n = input.Read(block.data(), block.size());
        if (n == 0)
            break;
        size_t i = 0;
        while (i < n && state != inBody) {
            char c = block[i++];
            if (state == inFirstLine) {
                if (c == ':') {
                    state = inHeader;
                    lineChars = 1;
                } else if (c == '\n' || firstLine.size() >= 1000) {
                    decoder.Put(firstLine.data(), firstLine.size(), bytes);
                    decoder.Put(&c, 1, bytes);
                    state = inBody;
                } else {
                    firstLine.push_back(c);
                }
            } else if (c == '\n') {
                if (lineChars == 0)
                    state = inBody;
                lineChars = 0;
            } else if (c != '\r') {
                ++lineChars;
            }
        }
        if (state == inBody && i < n)
            decoder.Put(block.data() + i, n - i, bytes);
        output.Write(bytes);
        bytes.clear();
    }
    if (state == inFirstLine)
        decoder.Put(firstLine.data(), firstLine.size(), bytes);
    output.Write(bytes);
    return output.Commit() ? 0 : 1;
}

} // namespace

std::string Mime64Header(const std::string& name, const std::string& asciiName)
{
    std::string safe = SafeName(name);
    if (AsciiFileName(safe) == safe)
        return "Content-Type: application/octet-stream; name=" + safe
            + "\r\nContent-transfer-encoding: base64\r\nContent-Disposition: attachment; "
              "filename="
            + safe + "\r\n\r\n";
    const std::string fallback = asciiName.empty() ? AsciiFileName(safe) : SafeName(asciiName);
    return FileNameRow("Content-Type: application/octet-stream", "name", fallback, true)
        + "\r\nContent-transfer-encoding: base64\r\nContent-Disposition: attachment"
        + FileNameParameters("filename", safe, fallback) + "\r\n\r\n";
}

void CBase64Encoder::Emit(char c, std::string& out)
{
    m_strLine.push_back(c);
    if (m_strLine.size() == kLineLength) {
        out += m_strLine;
        out += "\r\n";
        m_strLine.clear();
    }
}

void CBase64Encoder::Put(const uint8_t* data, size_t size, std::string& out)
{
    for (size_t i = 0; i < size; ++i) {
        m_nBits = (m_nBits << 8) | data[i];
        m_nBitCount += 8;
        while (m_nBitCount >= 6) {
            m_nBitCount -= 6;
            Emit(kAlphabet[(m_nBits >> m_nBitCount) & 0x3F], out);
        }
        m_nBits &= (1u << m_nBitCount) - 1;
    }
}

void CBase64Encoder::Finish(std::string& out)
{
    if (m_nBitCount == 2 || m_nBitCount == 4) {
        int pads = m_nBitCount == 2 ? 2 : 1;
        m_nBits <<= 8;
        m_nBitCount += 8 - 6;
        Emit(kAlphabet[(m_nBits >> m_nBitCount) & 0x3F], out);
        for (int i = 0; i < pads; ++i)
            Emit('=', out);
    }
    m_nBits = 0;
    m_nBitCount = 0;
    if (!m_strLine.empty()) {
        out += m_strLine;
        out += "\r\n";
        m_strLine.clear();
    }
}

void CBase64Decoder::Put(const char* text, size_t size, std::string& out)
{
    for (size_t i = 0; i < size && !m_bEnded; ++i) {
        if (text[i] == '=') {
            m_bEnded = true;
            break;
        }
        int value = AlphabetIndex(text[i]);
        if (value < 0)
            continue;
        m_nBits = (m_nBits << 6) | static_cast<uint32_t>(value);
        m_nBitCount += 6;
        if (m_nBitCount >= 8) {
            m_nBitCount -= 8;
            out.push_back(static_cast<char>((m_nBits >> m_nBitCount) & 0xFF));
            m_nBits &= (1u << m_nBitCount) - 1;
        }
    }
}

int mime64(int argc, const char* const argv[])
{
    bool encode = false;
    std::string paths[4]; // program name, input, output, the name the part gives
    int count = 0;
    for (int i = 0; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg == nullptr)
            continue;
        if (i > 0 && arg[0] == '-') {
            encode = arg[1] == 'e' || arg[1] == 'E';
            continue;
        }
        if (count < 4)
            paths[count++] = arg;
    }
    const std::string& inputPath = paths[1];
    const std::string& outputPath = paths[2];
    if (count < 3 || inputPath.empty() || outputPath.empty()) {
        platform::ShowMessage(Tr("Mail", "mime64: an input and an output file are needed"));
        return 1;
    }
    platform::CFile input;
    if (!input.Open(inputPath, platform::CFile::modeRead)) {
        platform::ShowMessage(Fill(Tr("Mail", "%1 file not found"), { inputPath }));
        return 1;
    }
    COutput output(outputPath);
    if (!output.IsOpen()) {
        platform::ShowMessage(Fill(Tr("Mail", "%1: cannot be written"), { outputPath }));
        return 1;
    }
    int result = encode ? Encode(input, inputPath, paths[3], output) : Decode(input, output);
    if (result != 0)
        platform::ShowMessage(Fill(Tr("Mail", "%1: cannot be written"), { outputPath }));
    return result;
}
