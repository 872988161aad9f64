#include "dialogs/drives.h"

#include <gtest/gtest.h>

namespace {

bool EveryPathIsAFolder(const std::string&)
{
    return true;
}

} // namespace

// Each mount line on its own: is it a drive, and of which kind.
struct MountCase {
    const char* name;
    const char* line;
    int nDriveType; // 0: not listed
};

class MountKinds : public testing::TestWithParam<MountCase> { };

TEST_P(MountKinds, LineGivesItsDriveOrNone)
{
    const MountCase& c = GetParam();
    const std::vector<CDriveInfo> drives = ParseMountTable(c.line, "", EveryPathIsAFolder);
    ASSERT_GE(drives.size(), 1u);
    EXPECT_EQ(drives[0], (CDriveInfo { "/", DRIVE_FIXED })) << "the root comes first, always";
    if (c.nDriveType == 0) {
        EXPECT_EQ(drives.size(), 1u);
    } else {
        ASSERT_EQ(drives.size(), 2u);
        EXPECT_EQ(drives[1].nDriveType, c.nDriveType);
    }
}

INSTANTIATE_TEST_SUITE_P(Mounts, MountKinds,
    testing::Values(MountCase { "ext4_disk", "/dev/sda2 /data ext4 rw,relatime 0 0", DRIVE_FIXED },
        MountCase { "efi_partition", "/dev/sda1 /boot/efi vfat rw 0 0", DRIVE_FIXED },
        MountCase { "usb_stick", "/dev/sdb1 /media/ann/STICK vfat rw,nosuid 0 0", DRIVE_REMOVABLE },
        MountCase {
            "usb_disk_run_media", "/dev/sdc1 /run/media/ann/Disk exfat rw 0 0", DRIVE_REMOVABLE },
        MountCase { "usb_ext4", "/dev/sdc2 /media/ann/Backup ext4 rw 0 0", DRIVE_REMOVABLE },
        MountCase { "cdrom", "/dev/sr0 /media/ann/CARDS iso9660 ro 0 0", DRIVE_CDROM },
        MountCase { "dvd", "/dev/sr0 /mnt/dvd udf ro 0 0", DRIVE_CDROM },
        MountCase { "nfs", "server:/export /net/cards nfs4 rw 0 0", DRIVE_REMOTE },
        MountCase { "samba", "//server/share /mnt/share cifs rw 0 0", DRIVE_REMOTE },
        MountCase { "sshfs", "ann@host: /home/ann/remote fuse.sshfs rw 0 0", DRIVE_REMOTE },
        MountCase { "vm_share", "share /mnt/host 9p rw 0 0", DRIVE_REMOTE },
        MountCase { "proc", "proc /proc proc rw 0 0", 0 },
        MountCase { "sysfs", "sysfs /sys sysfs rw 0 0", 0 },
        MountCase { "tmpfs", "tmpfs /tmp tmpfs rw 0 0", 0 },
        MountCase { "devtmpfs", "udev /dev devtmpfs rw 0 0", 0 },
        MountCase { "devpts", "devpts /dev/pts devpts rw 0 0", 0 },
        MountCase { "cgroup2", "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0", 0 },
        MountCase { "mqueue", "mqueue /dev/mqueue mqueue rw 0 0", 0 },
        MountCase { "container_root", "overlay / overlay rw,lowerdir=/a 0 0", 0 },
        MountCase { "docker_layer", "overlay /var/lib/docker/overlay2/x/merged overlay rw 0 0", 0 },
        MountCase { "snap", "/dev/loop3 /snap/core/123 squashfs ro 0 0", 0 },
        MountCase { "run_user", "/dev/sda2 /run/user/1000/doc ext4 rw 0 0", 0 },
        MountCase { "binfmt", "binfmt_misc /proc/sys/fs/binfmt_misc binfmt_misc rw 0 0", 0 },
        MountCase { "relative_point", "none relative ext4 rw 0 0", 0 },
        MountCase { "short_line", "/dev/sda2", 0 }),
    [](const testing::TestParamInfo<MountCase>& info) { return std::string(info.param.name); });

TEST(MountTable, ContainerTableGivesRootHomeAndVolumesOnceEach)
{
    const std::string mounts = "overlay / overlay rw,relatime,lowerdir=/var/lib/docker/l 0 0\n"
                               "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n"
                               "tmpfs /dev tmpfs rw,nosuid,size=65536k,mode=755 0 0\n"
                               "/dev/sda1 /etc/resolv.conf ext4 rw,relatime 0 0\n"
                               "/dev/sda1 /etc/hosts ext4 rw,relatime 0 0\n"
                               "/dev/sda1 /home/ann ext4 rw,relatime 0 0\n"
                               "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
                               "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
                               "/dev/sr0 /mnt/cd iso9660 ro 0 0\n"
                               "srv:/cards /net/cards nfs rw 0 0\n";
    auto isFolder = [](const std::string& path) {
        return path != "/etc/resolv.conf" && path != "/etc/hosts";
    };
    const std::vector<CDriveInfo> expected = { { "/", DRIVE_FIXED }, { "/home/ann/", DRIVE_FIXED },
        { "/media/ann/USB STICK/", DRIVE_REMOVABLE }, { "/mnt/cd/", DRIVE_CDROM },
        { "/net/cards/", DRIVE_REMOTE } };
    EXPECT_EQ(ParseMountTable(mounts, "/home/ann", isFolder), expected);
}

TEST(MountTable, DriveTypesWearTheirIcons)
{
    EXPECT_EQ(DriveIconId(DRIVE_REMOVABLE), 6);
    EXPECT_EQ(DriveIconId(DRIVE_FIXED), 9);
    EXPECT_EQ(DriveIconId(DRIVE_REMOTE), 10);
    EXPECT_EQ(DriveIconId(DRIVE_CDROM), 12);
}

TEST(MountTable, ThisMachineHasItsRootAndHome)
{
    const std::vector<CDriveInfo> drives = LogicalDrives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives[0].strPath, "/");
    for (const CDriveInfo& drive : drives)
        EXPECT_EQ(drive.strPath.back(), '/') << drive.strPath;
}
