#include "platform/files.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
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
    std::string temp = MakeTempFileName(DirectoryOf(path), "~vb");
    if (temp.empty())
        return false;
    CFile file;
    bool ok = file.Open(temp, CFile::modeWrite) && file.Write(head.data(), head.size())
              && file.Write(tail.data(), tail.size());
    ok = file.Close() && ok;
    if (ok) {
        // Keep the permissions of the file being replaced.
        struct stat st;
        if (stat(path.c_str(), &st) == 0)
            chmod(temp.c_str(), st.st_mode & 07777);
        ok = RenameFile(temp, path);
    }
    if (!ok)
        DeleteFile(temp);
    return ok;
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
