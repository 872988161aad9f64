#include "dialogs/drives.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

namespace {

// File systems that hold no files of the person: the kernel's views, memory file systems,
// container layers and packaged images.
constexpr std::array<std::string_view, 27> kPseudoTypes = { "proc", "sysfs", "tmpfs", "devtmpfs",
    "devpts", "cgroup", "cgroup2", "securityfs", "debugfs", "tracefs", "pstore", "bpf", "mqueue",
    "hugetlbfs", "fusectl", "configfs", "autofs", "binfmt_misc", "overlay", "squashfs", "efivarfs",
    "ramfs", "rpc_pipefs", "nsfs", "selinuxfs", "nfsd", "fuse.gvfsd-fuse" };

constexpr std::array<std::string_view, 2> kCdTypes = { "iso9660", "udf" };

constexpr std::array<std::string_view, 16> kRemoteTypes
    = { "nfs", "nfs4", "cifs", "smb3", "smbfs", "sshfs", "fuse.sshfs", "9p", "afs", "ceph",
          "glusterfs", "fuse.glusterfs", "davfs", "fuse.davfs2", "fuse.rclone", "virtiofs" };

template <size_t N>
bool IsOneOf(const std::string& value, const std::array<std::string_view, N>& list)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool StartsWith(const std::string& text, std::string_view prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Mount points of the system's own plumbing, whatever their file system.
bool IsSystemFolder(const std::string& strMountPoint)
{
    for (std::string_view prefix : { "/proc/", "/sys/", "/dev/", "/snap/" })
        if (StartsWith(strMountPoint + "/", prefix))
            return true;
    return StartsWith(strMountPoint + "/", "/run/") && !StartsWith(strMountPoint, "/run/media/");
}

bool IsRemovableFolder(const std::string& strMountPoint)
{
    return StartsWith(strMountPoint, "/media/") || StartsWith(strMountPoint, "/run/media/");
}

// The table writes blanks, tabs, line ends and backslashes of mount points as "\ooo".
std::string DecodeMountPoint(const std::string& field)
{
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            auto octal = [](char c) { return c >= '0' && c <= '7'; };
            if (std::all_of(digits.begin(), digits.end(), octal)) {
                out += static_cast<char>(std::stoi(digits, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

std::string WithSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

} // namespace

int DriveIconId(int nDriveType)
{
    switch (nDriveType) {
    case DRIVE_REMOVABLE:
        return 6;
    case DRIVE_REMOTE:
        return 10;
    case DRIVE_CDROM:
        return 12;
    default:
        return 9;
    }
}

int DriveTypeOfMount(const std::string& strType, const std::string& strMountPoint)
{
    if (IsOneOf(strType, kPseudoTypes) || IsSystemFolder(strMountPoint))
        return 0;
    if (IsOneOf(strType, kCdTypes))
        return DRIVE_CDROM;
    if (IsOneOf(strType, kRemoteTypes) || StartsWith(strType, "nfs"))
        return DRIVE_REMOTE;
    if (IsRemovableFolder(strMountPoint))
        return DRIVE_REMOVABLE;
    return DRIVE_FIXED;
}

std::vector<CDriveInfo> ParseMountTable(const std::string& strMounts, const std::string& strHome,
    const std::function<bool(const std::string&)>& isFolder)
{
    std::vector<CDriveInfo> drives = { { "/", DRIVE_FIXED } };
    auto add = [&drives](const std::string& path, int nType) {
        const std::string folder = WithSlash(path);
        for (const CDriveInfo& drive : drives)
            if (drive.strPath == folder)
                return;
        drives.push_back({ folder, nType });
    };
    if (!strHome.empty() && strHome.front() == '/')
        add(strHome, DRIVE_FIXED);

    std::istringstream lines(strMounts);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        if (!(fields >> device >> mountPoint >> type))
            continue;
        mountPoint = DecodeMountPoint(mountPoint);
        if (mountPoint.empty() || mountPoint.front() != '/')
            continue;
        const int nType = DriveTypeOfMount(type, mountPoint);
        if (nType == 0 || !isFolder(mountPoint))
            continue;
        add(mountPoint, nType);
    }
    return drives;
}

std::vector<CDriveInfo> LogicalDrives()
{
    std::ifstream file("/proc/self/mounts");
    std::stringstream text;
    text << file.rdbuf();
    const std::string home = QFile::encodeName(QDir::homePath()).toStdString();
    return ParseMountTable(text.str(), home, [](const std::string& path) {
        struct stat info { };
        return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    });
}
