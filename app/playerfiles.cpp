#include "app/playerfiles.h"

#include "mail/bundle.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

using platform::Fill;
using platform::Tr;

namespace {

constexpr size_t kCopyBlock = 1 << 16;

// Copies length bytes from offset of in into a new file at path.
bool CopyPiece(platform::CFile& in, int64_t offset, uint64_t length, const std::string& path)
{
    platform::CFile out;
    if (!in.Seek(offset) || !out.Open(path, platform::CFile::modeWrite))
        return false;
    std::vector<uint8_t> buffer(kCopyBlock);
    while (length > 0) {
        const size_t want = static_cast<size_t>(std::min<uint64_t>(length, buffer.size()));
        if (in.Read(buffer.data(), want) != want || !out.Write(buffer.data(), want))
            return false;
        length -= want;
    }
    return out.Close();
}

bool ReadPiece(platform::CFile& in, int64_t offset, uint64_t length, std::vector<uint8_t>& data)
{
    data.assign(static_cast<size_t>(length), 0);
    return in.Seek(offset) && in.Read(data.data(), data.size()) == data.size();
}

// The bundle's tag is there even when its lengths are wrong: the file was meant as a greeting.
bool EndsWithBundleTag(platform::CFile& in, int64_t length)
{
    if (length < static_cast<int64_t>(kBundleTrailerSize))
        return false;
    char tag[10] = {};
    if (!in.Seek(length - 10) || in.Read(tag, sizeof tag) != sizeof tag)
        return false;
    return std::memcmp(tag, kBundleTagWithData, sizeof tag) == 0
        || std::memcmp(tag, kBundleTagWithoutData, sizeof tag) == 0;
}

bool StartsWithProjectTag(platform::CFile& in)
{
    char tag[kProjectTagSize] = {};
    return in.Seek(0) && in.Read(tag, sizeof tag) == sizeof tag
        && std::memcmp(tag, kProjectTag, kProjectTagSize) == 0;
}

bool HasKelExtension(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string end = path.substr(path.size() - 4);
    std::transform(end.begin(), end.end(), end.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return end == ".kel";
}

// A stored file name that can be written into the folder as it stands: no folders, no dots
// alone.
bool IsPlainFileName(const std::string& name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos
        && name.find('\\') == std::string::npos;
}

std::string TitleOfPath(const std::string& path)
{
    std::string name = platform::FileNameOf(path);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

GreetingResult UnpackPlayerData(const std::string& file, std::span<const uint8_t> bytes,
    const std::string& folder, CGreeting& greeting, std::string& error)
{
    std::string reason;
    if (!LoadPlayerData(bytes, greeting.m_data, reason)) {
        error = Fill(Tr("Player", "%1: the player's data in this greeting is damaged: %2"),
            { file, platform::PrintableUtf8(reason) });
        return GreetingResult::damaged;
    }
    const auto soundFonts = greeting.m_data.OfKind(kPlayerDataSoundFont);
    if (soundFonts.empty())
        return GreetingResult::found;
    const CPlayerDataEntry& entry = *soundFonts.front();
    const std::string name = entry.m_strName.substr(std::strlen(kPlayerDataSoundFont));
    if (!IsPlainFileName(name)) {
        error = Fill(Tr("Player", "%1: the player's data names its SoundFont \"%2\""),
            { file, platform::PrintableUtf8(name) });
        return GreetingResult::damaged;
    }
    const std::string path = platform::JoinPath(folder, name);
    if (!platform::WriteWholeFile(path, entry.m_data)) {
        error = Fill(Tr("Player", "%1: cannot be written"), { path });
        return GreetingResult::damaged;
    }
    greeting.m_strSoundFont = path;
    return GreetingResult::found;
}

} // namespace

CPlayerFolder::~CPlayerFolder()
{
    Remove();
}

bool CPlayerFolder::Create()
{
    Remove();
    m_strPath = platform::MakeTempDirectory("vimble-play-");
    if (m_strPath.empty())
        return false;
    std::error_code ec;
    std::filesystem::permissions(
        m_strPath, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace, ec);
    return true;
}

void CPlayerFolder::Remove()
{
    if (m_strPath.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(m_strPath, ec);
    m_strPath.clear();
}

GreetingResult TakeGreeting(const std::string& file, const std::string& folder,
    const std::string& projectName, CGreeting& greeting, std::string& error)
{
    greeting = CGreeting();
    const std::string copy = platform::JoinPath(
        folder, IsPlainFileName(projectName) ? projectName : std::string("greeting.kel"));
    platform::CFile in;
    if (!in.Open(file, platform::CFile::modeRead)) {
        error = Fill(Tr("Player", "%1: cannot be opened"), { file });
        return GreetingResult::damaged;
    }
    const int64_t length = in.GetLength();
    if (length < 0) {
        error = Fill(Tr("Player", "%1: cannot be read"), { file });
        return GreetingResult::damaged;
    }

    CBundleTrailer trailer;
    if (ReadBundleTrailer(file, trailer)) {
        greeting.m_bFromBundle = true;
        greeting.m_bWithData = trailer.m_bWithData;
        greeting.m_strTitle = platform::Utf8FromCp1252(trailer.m_strName);
        if (greeting.m_strTitle.empty())
            greeting.m_strTitle = TitleOfPath(file);
        const int64_t dataOffset = trailer.m_nLength[0];
        int64_t projectOffset = dataOffset;
        uint32_t projectLength = trailer.m_nLength[1];
        if (trailer.m_bWithData) {
            projectOffset += trailer.m_nLength[1];
            projectLength = trailer.m_nLength[2];
            std::vector<uint8_t> data;
            if (!ReadPiece(in, dataOffset, trailer.m_nLength[1], data)) {
                error = Fill(Tr("Player", "%1: the player's data cannot be read"), { file });
                return GreetingResult::damaged;
            }
            GreetingResult result = UnpackPlayerData(file, data, folder, greeting, error);
            if (result != GreetingResult::found)
                return result;
        }
        if (projectLength == 0) {
            error = Fill(Tr("Player", "%1: the greeting in this file is empty"), { file });
            return GreetingResult::damaged;
        }
        greeting.m_strProject = copy;
        if (!CopyPiece(in, projectOffset, projectLength, greeting.m_strProject)) {
            error = Fill(Tr("Player", "%1: the greeting cannot be copied into %2"),
                { file, folder });
            return GreetingResult::damaged;
        }
        return GreetingResult::found;
    }
    if (EndsWithBundleTag(in, length)) {
        error = Fill(Tr("Player",
                         "%1: the greeting in this file is damaged (its pieces do not add up to "
                         "the file's length)"),
            { file });
        return GreetingResult::damaged;
    }
    if (StartsWithProjectTag(in) || HasKelExtension(file)) {
        greeting.m_strTitle = TitleOfPath(file); // file names are UTF-8 already
        greeting.m_strProject = copy;
        if (!CopyPiece(in, 0, static_cast<uint64_t>(length), greeting.m_strProject)) {
            error = Fill(Tr("Player", "%1: cannot be copied into %2"), { file, folder });
            return GreetingResult::damaged;
        }
        return GreetingResult::found;
    }
    error = Fill(Tr("Player", "%1: there is no greeting in this file"), { file });
    return GreetingResult::noGreeting;
}
