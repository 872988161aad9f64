#include "mail/bundle.h"

#include "mail/mimewords.h"
#include "mail/transliteration.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <QtGlobal>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using platform::Fill;
using platform::ShowMessage;
using platform::Tr;

namespace {

constexpr size_t kCopyBlock = 4096;

// One open file and, when it could not be opened, why not.
class CPieceFile {
public:
    CPieceFile(const std::string& path, int flags)
        : m_strPath(path)
    {
        m_nFd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
        m_nError = m_nFd < 0 ? errno : 0;
        struct stat st;
        if (m_nFd >= 0 && (::fstat(m_nFd, &st) != 0 || S_ISDIR(st.st_mode))) {
            m_nError = EISDIR;
            ::close(m_nFd);
            m_nFd = -1;
        }
    }
    ~CPieceFile() { Close(); }
    CPieceFile(const CPieceFile&) = delete;
    CPieceFile& operator=(const CPieceFile&) = delete;

    bool IsOpen() const { return m_nFd >= 0; }
    int Fd() const { return m_nFd; }
    int Error() const { return m_nError; }
    const std::string& Path() const { return m_strPath; }
    int64_t Length() const
    {
        struct stat st;
        return m_nFd >= 0 && ::fstat(m_nFd, &st) == 0 ? st.st_size : -1;
    }
    bool Close()
    {
        if (m_nFd < 0)
            return true;
        bool ok = ::close(m_nFd) == 0;
        if (!ok)
            m_nError = errno;
        m_nFd = -1;
        return ok;
    }

private:
    std::string m_strPath;
    int m_nFd;
    int m_nError;
};

bool WriteAll(CPieceFile& out, const void* data, size_t size, int& error)
{
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = out.IsOpen() ? ::write(out.Fd(), p, size) : -1;
        if (n < 0 && out.IsOpen() && errno == EINTR)
            continue;
        if (n <= 0) {
            error = out.IsOpen() ? (n < 0 ? errno : EIO) : out.Error();
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Appends the whole input to the output from the input's start. On failure, failed names the
// file whose read or write went wrong and error says why.
bool Append(
    CPieceFile& in, CPieceFile& out, uint64_t& copied, const CPieceFile*& failed, int& error)
{
    copied = 0;
    if (!in.IsOpen()) {
        failed = &in;
        error = in.Error();
        return false;
    }
    if (!out.IsOpen() || ::lseek(out.Fd(), 0, SEEK_END) < 0 || ::lseek(in.Fd(), 0, SEEK_SET) < 0) {
        failed = out.IsOpen() ? &in : &out;
        error = out.IsOpen() ? errno : out.Error();
        return false;
    }
    std::vector<char> block(kCopyBlock);
    for (;;) {
        ssize_t n = ::read(in.Fd(), block.data(), block.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            failed = &in;
            error = errno;
            return false;
        }
        if (n == 0)
            return true;
        if (!WriteAll(out, block.data(), static_cast<size_t>(n), error)) {
            failed = &out;
            return false;
        }
        copied += static_cast<uint64_t>(n);
    }
}

void PutU32(std::vector<uint8_t>& bytes, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t GetU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8)
        | (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The texts that report a failed step, from appending the first piece on.
enum StepError {
    errFirstPiece = 24,
    errSecondPiece = 25,
    errThirdPiece = 26,
    errLengths = 27,
    errLengthFields = 28,
    errName = 29,
    errNameLength = 30,
    errTag = 31,
    errClose = 32,
};

// The English sentence that says which step failed; %1 is the step's number.
const char* StepSentence(StepError step, bool bThreePieces)
{
    switch (step) {
    case errFirstPiece:
        return QT_TRANSLATE_NOOP(
            "Mail", "Error %1: the player program cannot be copied into the player bundle");
    case errSecondPiece:
        return bThreePieces
            ? QT_TRANSLATE_NOOP(
                "Mail", "Error %1: the player's data cannot be copied into the player bundle")
            : QT_TRANSLATE_NOOP(
                "Mail", "Error %1: the greeting cannot be copied into the player bundle");
    case errThirdPiece:
        return QT_TRANSLATE_NOOP(
            "Mail", "Error %1: the greeting cannot be copied into the player bundle");
    case errLengths:
        return QT_TRANSLATE_NOOP("Mail", "Error %1: a piece is too large for the player bundle");
    case errLengthFields:
        return QT_TRANSLATE_NOOP("Mail",
            "Error %1: the lengths of the pieces cannot be written into the player bundle");
    case errName:
        return QT_TRANSLATE_NOOP(
            "Mail", "Error %1: the greeting's name cannot be written into the player bundle");
    case errNameLength:
        return QT_TRANSLATE_NOOP("Mail",
            "Error %1: the length of the greeting's name cannot be written into the player "
            "bundle");
    case errTag:
        return QT_TRANSLATE_NOOP(
            "Mail", "Error %1: the closing mark of the player bundle cannot be written");
    case errClose:
        return QT_TRANSLATE_NOOP("Mail", "Error %1: the player bundle cannot be closed");
    }
    return QT_TRANSLATE_NOOP("Mail", "Error %1: the player bundle cannot be written");
}

// The sentence that says which step failed, in the person's language, with the step's number.
std::string StepText(StepError step, bool bThreePieces)
{
    return Fill(Tr("Mail", StepSentence(step, bThreePieces)),
        { std::to_string(static_cast<int>(step)) });
}

// Reports a failed step: what the system said about the file, then the step's own text.
void ReportStep(StepError step, bool bThreePieces, const std::string& path, int error,
    const std::string& first, const std::string& output)
{
    if (error == ENOENT)
        ShowMessage(Fill(Tr("Mail", "%1: Error! File Not Found"), { path }));
    else if (error == ETXTBSY || error == EBUSY)
        ShowMessage(Fill(Tr("Mail", "%1: Error! Sharing Violation"), { path }));
    ShowMessage(StepText(step, bThreePieces));
    if (step == errFirstPiece) {
        ShowMessage(first);
        ShowMessage(output);
    }
}

// An attachment's base name holds at most this many characters, and this many bytes (a file
// name holds 255).
constexpr size_t kMaxStemCharacters = 64;
constexpr size_t kMaxStemBytes = 180;

// Whether a character beyond ASCII stays in an attachment's name: letters, marks and digits of
// every script, and emoji with what joins and shapes them; blanks, punctuation and the other
// signs make a gap, as they do in ASCII.
bool KeptInName(UChar32 c)
{
    switch (u_charType(c)) {
    case U_UPPERCASE_LETTER:
    case U_LOWERCASE_LETTER:
    case U_TITLECASE_LETTER:
    case U_MODIFIER_LETTER:
    case U_OTHER_LETTER:
    case U_NON_SPACING_MARK:
    case U_ENCLOSING_MARK:
    case U_COMBINING_SPACING_MARK:
    case U_DECIMAL_DIGIT_NUMBER:
    case U_LETTER_NUMBER:
    case U_OTHER_NUMBER:
    case U_OTHER_SYMBOL: // emoji
    case U_MODIFIER_SYMBOL: // their skin tones
        return true;
    default:
        // The joiners and the tag characters of flags.
        return c == 0x200C || c == 0x200D || (c >= 0xE0020 && c <= 0xE007F);
    }
}

// The UTF-8 text with only ASCII letters, digits, "-", "_" and the characters KeptInName
// keeps; every run of others becomes one "_", dropped at either end. Cut to the limits above
// between two characters a reader sees.
std::string NameStem(const std::string& utf8)
{
    std::string stem;
    bool gap = false;
    std::vector<size_t> gaps; // where a "_" stands for a gap
    for (int32_t at = 0; at < static_cast<int32_t>(utf8.size());) {
        const int32_t start = at;
        UChar32 c = 0;
        U8_NEXT(utf8.data(), at, static_cast<int32_t>(utf8.size()), c);
        const bool kept = c < 0x80
            ? (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
                || c == '_'
            : c > 0 && KeptInName(c);
        if (!kept) {
            gap = true;
            continue;
        }
        if (gap && !stem.empty()) {
            gaps.push_back(stem.size());
            stem += "_";
        }
        gap = false;
        stem.append(utf8, static_cast<size_t>(start), static_cast<size_t>(at - start));
    }
    size_t characters = 0, cut = 0;
    for (size_t end : CharacterEnds(stem)) {
        if (++characters > kMaxStemCharacters || end > kMaxStemBytes)
            break;
        cut = end;
    }
    // A gap the cut leaves at the end goes as well.
    if (cut > 0 && std::find(gaps.begin(), gaps.end(), cut - 1) != gaps.end())
        --cut;
    stem.resize(cut);
    return stem;
}

} // namespace

std::string BundleProjectName(const std::string& path)
{
    std::string stem = path.substr(0, path.size() >= 4 ? path.size() - 4 : 0);
    return platform::FileNameOf(stem);
}

std::string AttachmentStem(const std::string& projectPath)
{
    const std::string stem = NameStem(AsciiTransliteration(BundleProjectName(projectPath)));
    return stem.empty() ? "greeting" : stem;
}

std::string AttachmentName(const std::string& projectPath)
{
    const std::string name = NameStem(platform::PrintableUtf8(BundleProjectName(projectPath)));
    return name.empty() ? AttachmentStem(projectPath) : name;
}

bool BuildBundle(int nLayout, const std::string& first, const std::string& second,
    const std::string& third, const std::string& output)
{
    const bool threePieces = nLayout == bundleThreePieces;
    CPieceFile in1(first, O_RDONLY);
    CPieceFile in2(second, O_RDONLY);
    CPieceFile in3(threePieces ? third : std::string(), O_RDONLY);
    CPieceFile out(output, O_RDWR | O_CREAT | O_TRUNC);
    CPieceFile* pieces[3] = { &in1, &in2, threePieces ? &in3 : nullptr };

    // The trailer holds 32-bit lengths: a larger piece would give a bundle that no reader can
    // take apart, so it is refused before anything is copied.
    for (CPieceFile* piece : pieces) {
        if (piece != nullptr && piece->Length() > static_cast<int64_t>(UINT32_MAX)) {
            ShowMessage(Fill(Tr("Mail", "%1: too large for a player bundle"), { piece->Path() }));
            ReportStep(errLengths, threePieces, piece->Path(), 0, first, output);
            return false;
        }
    }

    uint64_t lengths[3] = { 0, 0, 0 };
    for (int i = 0; i < 3; ++i) {
        if (pieces[i] == nullptr)
            break;
        const CPieceFile* failed = nullptr;
        int error = 0;
        if (!Append(*pieces[i], out, lengths[i], failed, error)) {
            ReportStep(static_cast<StepError>(errFirstPiece + i), threePieces, failed->Path(),
                error, first, output);
            return false;
        }
    }
    in1.Close();
    in2.Close();
    in3.Close();
    if (lengths[0] > UINT32_MAX || lengths[1] > UINT32_MAX || lengths[2] > UINT32_MAX) {
        ReportStep(errLengths, threePieces, output, 0, first, output);
        return false;
    }

    std::vector<uint8_t> field;
    int error = 0;
    for (uint64_t length : lengths)
        PutU32(field, static_cast<uint32_t>(length));
    if (!WriteAll(out, field.data(), field.size(), error)) {
        ReportStep(errLengthFields, threePieces, output, error, first, output);
        return false;
    }

    // The field holds single bytes, which the player reads as ASCII.
    std::string name = AsciiTransliteration(BundleProjectName(output));
    char name8[8] = {};
    std::memcpy(name8, name.data(), std::min<size_t>(name.size(), sizeof name8));
    if (!WriteAll(out, name8, sizeof name8, error)) {
        ReportStep(errName, threePieces, output, error, first, output);
        return false;
    }
    field.clear();
    PutU32(field, static_cast<uint32_t>(name.size()));
    if (!WriteAll(out, field.data(), field.size(), error)) {
        ReportStep(errNameLength, threePieces, output, error, first, output);
        return false;
    }
    const char* tag = threePieces ? kBundleTagWithData : kBundleTagWithoutData;
    if (!WriteAll(out, tag, sizeof kBundleTagWithData, error)) {
        ReportStep(errTag, threePieces, output, error, first, output);
        return false;
    }
    if (!out.Close()) {
        ReportStep(errClose, threePieces, output, out.Error(), first, output);
        return false;
    }
    return true;
}

bool ReadBundleTrailer(const std::string& path, CBundleTrailer& trailer)
{
    trailer = CBundleTrailer();
    platform::CFile file;
    if (!file.Open(path, platform::CFile::modeRead))
        return false;
    int64_t length = file.GetLength();
    if (length < static_cast<int64_t>(kBundleTrailerSize))
        return false;
    uint8_t bytes[kBundleTrailerSize];
    if (!file.Seek(length - static_cast<int64_t>(kBundleTrailerSize))
        || file.Read(bytes, sizeof bytes) != sizeof bytes)
        return false;
    for (int i = 0; i < 3; ++i)
        trailer.m_nLength[i] = GetU32(bytes + 4 * i);
    const char* name = reinterpret_cast<const char*>(bytes + 12);
    trailer.m_strName.assign(name, strnlen(name, 8));
    trailer.m_nNameLength = GetU32(bytes + 20);
    const char* tag = reinterpret_cast<const char*>(bytes + 24);
    if (std::memcmp(tag, kBundleTagWithData, sizeof kBundleTagWithData) == 0)
        trailer.m_bWithData = true;
    else if (std::memcmp(tag, kBundleTagWithoutData, sizeof kBundleTagWithoutData) != 0)
        return false;
    if (!trailer.m_bWithData && trailer.m_nLength[2] != 0)
        return false;
    uint64_t total = static_cast<uint64_t>(trailer.m_nLength[0]) + trailer.m_nLength[1]
        + trailer.m_nLength[2] + kBundleTrailerSize;
    return total == static_cast<uint64_t>(length);
}

int64_t BundleBytes(const std::string& projectPath, const std::string& dataDir, bool bWithData)
{
    const auto size = [](const std::string& path) {
        return std::max<int64_t>(0, platform::FileLength(path));
    };
    return size(platform::JoinPath(dataDir, "play.exe"))
        + (bWithData ? size(platform::JoinPath(dataDir, "play.dat")) : 0) + size(projectPath)
        + static_cast<int64_t>(kBundleTrailerSize);
}
