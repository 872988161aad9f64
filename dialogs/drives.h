// The "drives" of the file browser's "My Computer" level: the root folder "/", the user's home
// folder and the mounted volumes that a person would save to, each with the system's drive-type
// code of its kind.
#pragma once

#include <functional>
#include <string>
#include <vector>

// System drive-type codes.
constexpr int DRIVE_REMOVABLE = 2;
constexpr int DRIVE_FIXED = 3;
constexpr int DRIVE_REMOTE = 4;
constexpr int DRIVE_CDROM = 5;

struct CDriveInfo {
    std::string strPath; // native bytes, ends with "/"
    int nDriveType;
    bool operator==(const CDriveInfo&) const = default;
};

// The program's own 16 x 16 icon of a drive type: removable 6, fixed 9, network 10, CD-ROM 12.
int DriveIconId(int nDriveType);

// The drive type of a volume of file-system type strType mounted at strMountPoint, or 0 when
// it is not a volume at all (kernel and container plumbing: proc, sysfs, tmpfs, cgroups,
// overlays, snap images and the like).
int DriveTypeOfMount(const std::string& strType, const std::string& strMountPoint);

// The drives from a mount table in the format of /proc/self/mounts (one mount a line: device,
// mount point with blanks written as octal escapes, type, options, two numbers): "/" first,
// then strHome (when not empty), then each further volume in the table's order, each once.
// isFolder tells whether a mount point is a folder; bind mounts of single files are left out.
std::vector<CDriveInfo> ParseMountTable(const std::string& strMounts, const std::string& strHome,
    const std::function<bool(const std::string&)>& isFolder);

// The drives of this machine, from /proc/self/mounts and the home folder.
std::vector<CDriveInfo> LogicalDrives();
