// What the tests look at of files: what a backup or a hard link sees of one, and the names in a
// folder.
#pragma once

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The same inode and modification time means the file was not written again.
struct FileIdentity {
    ino_t ino = 0;
    int64_t sec = 0;
    int64_t nsec = 0;
    bool operator==(const FileIdentity&) const = default;
};

inline FileIdentity IdentityOf(const std::string& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return {st.st_ino, st.st_mtim.tv_sec, st.st_mtim.tv_nsec};
}

// Every name in a folder, sorted.
inline std::vector<std::string> SortedFileNames(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
