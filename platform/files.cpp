#include "platform/files.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace fs = std::filesystem;

CFile::~CFile()
{
    Close();
}

bool CFile::Open(const std::string& path, Mode mode)
{
    Close();
    const char* flags = mode == modeRead ? "rb" : mode == modeWrite ? "wb" : "r+b";
    m_pFile = std::fopen(path.c_str(), flags);
    if (m_pFile == nullptr)
        return false;
    struct stat st;
    if (fstat(fileno(m_pFile), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fclose(m_pFile);
        m_pFile = nullptr;
        return false;
    }
    return true;
}

size_t CFile::Read(void* buffer, size_t count)
{
    if (m_pFile == nullptr || count == 0)
        return 0;
    return std::fread(buffer, 1, count, m_pFile);
}

bool CFile::Write(const void* buffer, size_t count)
{
    if (m_pFile == nullptr)
        return false;
    return count == 0 || std::fwrite(buffer, 1, count, m_pFile) == count;
}

bool CFile::Seek(int64_t offset)
{
    return m_pFile != nullptr && fseeko(m_pFile, offset, SEEK_SET) == 0;
}

int64_t CFile::GetLength()
{
    if (m_pFile == nullptr)
        return -1;
    std::fflush(m_pFile);
    struct stat st;
    if (fstat(fileno(m_pFile), &st) != 0)
        return -1;
    return st.st_size;
}

bool CFile::Close()
{
    if (m_pFile == nullptr)
        return true;
    bool ok = std::fflush(m_pFile) == 0;
    ok = std::fclose(m_pFile) == 0 && ok;
    m_pFile = nullptr;
    return ok;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& data)
{
    data.clear();
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        return false;
    int64_t length = file.GetLength();
    if (length < 0)
        return false;
    data.resize(static_cast<size_t>(length));
    return file.Read(data.data(), data.size()) == data.size();
}

bool WriteWholeFile(const std::string& path, std::span<const uint8_t> data)
{
    CFile file;
    if (!file.Open(path, CFile::modeWrite))
        return false;
    bool ok = file.Write(data.data(), data.size());
    return file.Close() && ok;
}

bool ReplaceFileContent(const std::string& path, std::span<const uint8_t> head,
                        std::span<const uint8_t> tail)
{
    CReplacementFile replacement(path);
    if (replacement.Path().empty())
        return false;
    CFile file;
    bool ok = file.Open(replacement.Path(), CFile::modeWrite)
              && file.Write(head.data(), head.size()) && file.Write(tail.data(), tail.size());
    ok = file.Close() && ok;
    return ok && replacement.Commit();
}

namespace {

constexpr char kReplacementPrefix[] = "~vb";

// True when the descriptor and the path name the same file.
bool IsSameFile(int fd, const std::string& path)
{
    struct stat opened;
    struct stat named;
    return ::fstat(fd, &opened) == 0 && ::lstat(path.c_str(), &named) == 0
           && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// "~vb", four hexadecimal digits, ".tmp".
bool IsReplacementName(const std::string& name)
{
    const size_t prefix = sizeof kReplacementPrefix - 1;
    if (name.size() != prefix + 8 || name.compare(0, prefix, kReplacementPrefix) != 0
        || name.compare(prefix + 4, 4, ".tmp") != 0)
        return false;
    return std::all_of(name.begin() + prefix, name.begin() + prefix + 4,
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

bool SyncFolder(const std::string& dir)
{
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

CReplacementFile::CReplacementFile(const std::string& path)
    : m_strTarget(path)
{
    // Between making the name and taking the lock the file is unlocked, and a cleaner may take
    // it away: then another name is made.
    for (int attempt = 0; attempt < 16 && m_hLock < 0; ++attempt) {
        m_strTemp = MakeTempFileName(DirectoryOf(path), kReplacementPrefix);
        if (m_strTemp.empty())
            return;
        const int fd = ::open(m_strTemp.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && IsSameFile(fd, m_strTemp)) {
            m_hLock = fd;
            break;
        }
        if (fd >= 0)
            ::close(fd);
    }
    if (m_hLock < 0)
        m_strTemp.clear();
}

CReplacementFile::~CReplacementFile()
{
    if (m_hLock < 0)
        return;
    if (!m_strTemp.empty() && IsSameFile(m_hLock, m_strTemp))
        ::unlink(m_strTemp.c_str());
    ::close(m_hLock);
}

bool CReplacementFile::Commit()
{
    if (m_strTemp.empty())
        return false;
    // The file being replaced keeps its permissions.
    struct stat st;
    if (::stat(m_strTarget.c_str(), &st) == 0)
        ::chmod(m_strTemp.c_str(), st.st_mode & 07777);
    // The content reaches the disk before the name does, and the name before this returns: a
    // power cut after the rename finds the whole new file, never an empty one under its name.
    if (::fsync(m_hLock) != 0)
        return false;
    if (!RenameFile(m_strTemp, m_strTarget))
        return false;
    m_strTemp.clear();
    SyncFolder(DirectoryOf(m_strTarget));
    return true;
}

void RemoveAbandonedReplacements(const std::string& dir)
{
    const std::string folder = dir.empty() ? std::string(".") : dir;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr)
        return;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(listing))
        if (IsReplacementName(entry->d_name))
            names.emplace_back(entry->d_name);
    ::closedir(listing);
    for (const std::string& name : names) {
        const std::string path = JoinPath(folder, name);
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        // A living writer holds its lock; the lock of a killed one went with it.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && IsSameFile(fd, path))
            ::unlink(path.c_str());
        ::close(fd);
    }
}

int64_t FileLength(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return st.st_size;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

bool CopyFileTo(const std::string& src, const std::string& dst)
{
    CFile in;
    if (!in.Open(src, CFile::modeRead))
        return false;
    CFile out;
    if (!out.Open(dst, CFile::modeWrite))
        return false;
    std::vector<char> buffer(1 << 16);
    for (;;) {
        size_t n = in.Read(buffer.data(), buffer.size());
        if (n == 0)
            break;
        if (!out.Write(buffer.data(), n))
            return false;
    }
    return out.Close();
}

bool RenameFile(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool DeleteFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0;
}

bool CanReplaceFile(const std::string& path)
{
    std::string dir = DirectoryOf(path);
    return ::access(dir.empty() ? "." : dir.c_str(), W_OK) == 0;
}

std::string TempDirectory()
{
    std::error_code ec;
    std::string dir = fs::temp_directory_path(ec).string();
    if (ec || dir.empty())
        dir = "/tmp";
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    return dir;
}

namespace {

// Successive calls start from different numbers so that names made in a row rarely collide.
unsigned NextUniqueSeed()
{
    static std::atomic<unsigned> counter{0};
    auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<unsigned>(now) ^ (static_cast<unsigned>(::getpid()) << 4)
           ^ (counter.fetch_add(1) * 40503u);
}

} // namespace

std::string MakeTempFileName(const std::string& dir, const std::string& prefix)
{
    std::string base = dir.empty() ? std::string(".") : dir;
    unsigned start = NextUniqueSeed();
    for (unsigned i = 0; i < 0x10000; ++i) {
        unsigned unique = (start + i) & 0xFFFF;
        if (unique == 0)
            continue;
        char name[16];
        std::snprintf(name, sizeof name, "%04X.tmp", unique);
        std::string path = JoinPath(base, prefix + name);
        int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

CTempFolder::~CTempFolder()
{
    std::error_code ec;
    if (!m_strPath.empty())
        std::filesystem::remove_all(m_strPath, ec);
}

std::string MakeTempDirectory(const std::string& prefix)
{
    std::string pattern = JoinPath(TempDirectory(), prefix + "XXXXXX");
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr)
        return {};
    return buffer.data();
}

std::string FileNameOf(const std::string& path)
{
    size_t pos = path.find_last_of("/\\");
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string DirectoryOf(const std::string& path)
{
    size_t pos = path.find_last_of('/');
    if (pos == std::string::npos)
        return ".";
    if (pos == 0)
        return "/";
    return path.substr(0, pos);
}

std::string JoinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty())
        return name;
    if (dir.back() == '/')
        return dir + name;
    return dir + "/" + name;
}

} // namespace platform
