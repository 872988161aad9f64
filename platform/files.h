// Files and folders as the rest of the program sees them: binary streams, whole-file reads and
// writes, the temporary directory and unique temporary names, copy, rename, delete.
// Paths are byte strings joined with '/'. Every call reports failure by its result, never by
// throwing.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace platform {

// A binary file stream, buffered by the C runtime. Closes itself when destroyed.
class CFile {
public:
    enum Mode { modeRead, modeWrite, modeReadWrite };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // modeWrite creates the file or truncates it; modeReadWrite opens an existing file.
    bool Open(const std::string& path, Mode mode);
    bool IsOpen() const { return m_pFile != nullptr; }
    // Returns the number of bytes read; fewer than asked at the end of the file or on error.
    size_t Read(void* buffer, size_t count);
    bool Write(const void* buffer, size_t count);
    bool Seek(int64_t offset);
    int64_t GetLength();
    // Flushes and closes; false when buffered data could not be written.
    bool Close();

private:
    std::FILE* m_pFile = nullptr;
};

// The whole content of a file. False when it cannot be opened or read completely.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& data);
// Creates or truncates the file and writes the bytes.
bool WriteWholeFile(const std::string& path, std::span<const uint8_t> data);
// Writes the bytes to a new file beside path, then renames it over path, so that path holds
// either its old content or the new one, never a mixture. The other bytes, when given, follow.
bool ReplaceFileContent(const std::string& path, std::span<const uint8_t> head,
                        std::span<const uint8_t> tail = {});

// The new file that is written beside path and then renamed over it, so that path holds its old
// content or the new one, never a mixture. It is named as MakeTempFileName names files with the
// prefix "~vb", and it is locked for as long as this object lives: a writer killed half way
// leaves an unlocked one, which RemoveAbandonedReplacements recognises. The file goes when this
// goes, unless Commit() has put it in place.
class CReplacementFile {
public:
    explicit CReplacementFile(const std::string& path);
    ~CReplacementFile();
    CReplacementFile(const CReplacementFile&) = delete;
    CReplacementFile& operator=(const CReplacementFile&) = delete;
    // The file to write, empty when none could be made.
    const std::string& Path() const { return m_strTemp; }
    // Gives the written file the permissions of the file it replaces and renames it over that.
    // The file's content is on the disk before the rename, and the rename before it returns.
    bool Commit();

private:
    std::string m_strTarget;
    std::string m_strTemp;
    int m_hLock = -1;
};
// Puts the folder's entries (names made, renamed or removed in it) on the disk.
bool SyncFolder(const std::string& dir);
// Removes the replacement files in dir that no writer holds any more: what writers killed
// while they wrote left there. A replacement being written is left alone.
void RemoveAbandonedReplacements(const std::string& dir);

// The file's length in bytes, or -1 when it does not exist or is not a regular file.
int64_t FileLength(const std::string& path);
bool FileExists(const std::string& path);
// Copies src to dst, overwriting dst when it exists.
bool CopyFileTo(const std::string& src, const std::string& dst);
// Renames from to to, replacing to when it exists.
bool RenameFile(const std::string& from, const std::string& to);
// Deletes a file; false when it did not exist or could not be deleted.
bool DeleteFile(const std::string& path);
// True when the file's directory lets us replace the file (the check before a delete).
bool CanReplaceFile(const std::string& path);

// The system's temporary directory, without a trailing '/'.
std::string TempDirectory();
// Creates a new empty file in dir named prefix + four hexadecimal digits + ".tmp" and returns
// its path; empty when no such file could be made.
std::string MakeTempFileName(const std::string& dir, const std::string& prefix);
// A new, empty, private directory under the temporary directory; empty on failure.
std::string MakeTempDirectory(const std::string& prefix);

// A private temporary directory that goes, with everything in it, when this goes. Path() is
// empty when none could be made.
class CTempFolder {
public:
    explicit CTempFolder(const std::string& prefix)
        : m_strPath(MakeTempDirectory(prefix))
    {
    }
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

// The part of path after its last '/' (or backslash).
std::string FileNameOf(const std::string& path);
std::string DirectoryOf(const std::string& path);
std::string JoinPath(const std::string& dir, const std::string& name);

} // namespace platform
