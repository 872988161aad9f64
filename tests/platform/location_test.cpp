// Where the program's files are found when no setting names them: beside the program, in the
// installed layout (PREFIX/bin -> PREFIX/share/vimble-email) or the build tree's (BUILD/app ->
// BUILD/resources and BUILD/data); and the settings still come first.
#include "platform/settings.h"
#include "tests/buildpaths.h"
#include "tests/platform/scoped_env.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <string>

namespace {

void Touch(const std::string& path)
{
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path;
    file.write("x");
}

void MakeDir(const std::string& path)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path))) << path;
}

class Location : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    std::string Path(const std::string& name) const
    {
        return m_dir.path().toStdString() + "/" + name;
    }

    QTemporaryDir m_dir;
};

// ---- The program's own folder ----

TEST_F(Location, program_directory_is_the_folder_of_the_running_program)
{
    const std::string dir = platform::ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.front(), '/');
    EXPECT_NE(dir.back(), '/');
    EXPECT_EQ(QDir(QString::fromStdString(dir)).canonicalPath(),
        QDir(built::kPlatformTestsDir).canonicalPath());
}

TEST_F(Location, nothing_is_found_beside_this_test_program)
{
    // The tests lie in BUILD/tests/platform: neither layout has anything there.
    EXPECT_EQ(platform::DefaultResourceDirectory(), "");
    EXPECT_EQ(platform::DefaultDataDirectory(), "");
}

// ---- The installed layout ----

TEST_F(Location, installed_program_finds_library_and_data_under_share)
{
    Touch(Path("usr/share/vimble-email/ksredfr120.rcc"));
    Touch(Path("usr/share/vimble-email/1.hdr"));
    MakeDir(Path("usr/bin"));
    EXPECT_EQ(
        platform::DefaultResourceDirectoryFor(Path("usr/bin")), Path("usr/share/vimble-email"));
    EXPECT_EQ(platform::DefaultDataDirectoryFor(Path("usr/bin")), Path("usr/share/vimble-email"));
}

TEST_F(Location, a_trailing_slash_of_the_program_directory_changes_nothing)
{
    Touch(Path("opt/share/vimble-email/ksredfr120.rcc"));
    Touch(Path("opt/share/vimble-email/7.HDR"));
    EXPECT_EQ(
        platform::DefaultResourceDirectoryFor(Path("opt/bin/")), Path("opt/share/vimble-email"));
    EXPECT_EQ(platform::DefaultDataDirectoryFor(Path("opt/bin//")), Path("opt/share/vimble-email"));
}

TEST_F(Location, installed_folder_comes_before_build_folders)
{
    Touch(Path("p/share/vimble-email/ksredfr120.rcc"));
    Touch(Path("p/share/vimble-email/1.hdr"));
    Touch(Path("p/resources/ksredfr120.rcc"));
    Touch(Path("p/data/1.hdr"));
    EXPECT_EQ(platform::DefaultResourceDirectoryFor(Path("p/bin")), Path("p/share/vimble-email"));
    EXPECT_EQ(platform::DefaultDataDirectoryFor(Path("p/bin")), Path("p/share/vimble-email"));
}

// ---- The build tree ----

TEST_F(Location, built_program_finds_resources_and_data_of_its_build)
{
    Touch(Path("build/x/resources/ksredfr120.rcc"));
    Touch(Path("build/x/data/12.hdr"));
    MakeDir(Path("build/x/app"));
    EXPECT_EQ(
        platform::DefaultResourceDirectoryFor(Path("build/x/app")), Path("build/x/resources"));
    EXPECT_EQ(platform::DefaultDataDirectoryFor(Path("build/x/app")), Path("build/x/data"));
}

// ---- What a folder must hold to count ----

TEST_F(Location, folder_without_the_library_is_not_the_resource_directory)
{
    MakeDir(Path("a/share/vimble-email"));
    Touch(Path("a/resources/other.rcc"));
    EXPECT_EQ(platform::DefaultResourceDirectoryFor(Path("a/bin")), "");
}

TEST_F(Location, library_name_that_is_a_folder_does_not_count)
{
    MakeDir(Path("a/resources/ksredfr120.rcc"));
    EXPECT_EQ(platform::DefaultResourceDirectoryFor(Path("a/app")), "");
}

TEST_F(Location, folder_without_header_files_is_not_the_data_directory)
{
    Touch(Path("a/share/vimble-email/ksredfr120.rcc"));
    Touch(Path("a/share/vimble-email/play.exe"));
    MakeDir(Path("a/data/folder.hdr"));
    Touch(Path("a/data/hdr"));
    Touch(Path("a/data/.hdrx"));
    EXPECT_EQ(platform::DefaultDataDirectoryFor(Path("a/bin")), "");
    // The library alone is still found.
    EXPECT_EQ(platform::DefaultResourceDirectoryFor(Path("a/bin")), Path("a/share/vimble-email"));
}

TEST_F(Location, library_and_data_are_found_apart)
{
    Touch(Path("b/resources/ksredfr120.rcc"));
    Touch(Path("b/share/vimble-email/3.hdr"));
    EXPECT_EQ(platform::DefaultResourceDirectoryFor(Path("b/app")), Path("b/resources"));
    EXPECT_EQ(platform::DefaultDataDirectoryFor(Path("b/app")), Path("b/share/vimble-email"));
}

TEST_F(Location, no_program_directory_finds_nothing)
{
    EXPECT_EQ(platform::DefaultResourceDirectoryFor(""), "");
    EXPECT_EQ(platform::DefaultDataDirectoryFor(""), "");
    EXPECT_EQ(platform::DefaultResourceDirectoryFor("bin"), "");
}

// ---- The settings come first ----

class LocationSettings : public Location {
protected:
    void SetUp() override
    {
        Location::SetUp();
        // Private settings folders for both scopes, so nothing of the machine's is read.
        QSettings::setPath(
            QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(Path("user")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
            QString::fromStdString(Path("system")));
    }
    void TearDown() override
    {
        QSettings(QSettings::UserScope, "Kelbrant", "Vimble e-mail").clear();
    }
};

TEST_F(LocationSettings, first_data_directory_from_the_settings_wins)
{
    platform::WriteSettingString("DataFiles1", "/somewhere/else");
    EXPECT_EQ(platform::FirstDataDirectory(), "/somewhere/else");
}

// "~" at the start of the setting is the user's home, as the start-up scan reads it, so the
// mail worker, the player export and the tool find the same folder; other tildes stay.
TEST_F(LocationSettings, first_data_directory_expands_the_home_folder)
{
    const CScopedEnv home("HOME", "/home/ann");
    const struct {
        const char* setting;
        const char* directory;
    } cases[] = {
        { "~", "/home/ann" },
        { "~/", "/home/ann/" },
        { "~/Vimble data", "/home/ann/Vimble data" },
        { "~bob/data", "~bob/data" },
        { "/srv/~/data", "/srv/~/data" },
        { "data~", "data~" },
    };
    for (const auto& c : cases) {
        platform::WriteSettingString("DataFiles1", c.setting);
        EXPECT_EQ(platform::FirstDataDirectory(), c.directory) << c.setting;
        EXPECT_EQ(platform::ExpandHome(c.setting), c.directory) << c.setting;
    }
    // Without a home to put in, the setting is taken as it stands.
    const CScopedEnv noHome("HOME", "");
    platform::WriteSettingString("DataFiles1", "~/data");
    EXPECT_EQ(platform::FirstDataDirectory(), "~/data");
}

TEST_F(LocationSettings, first_data_directory_without_a_setting_is_the_default)
{
    // Beside this test program there is no data directory, so the default is empty too.
    EXPECT_EQ(platform::FirstDataDirectory(), platform::DefaultDataDirectory());
    platform::WriteSettingString("DataFiles1", "");
    EXPECT_EQ(platform::FirstDataDirectory(), platform::DefaultDataDirectory());
}

// A writer killed between making the settings' lock file and filling it in leaves a lock that
// names no one. The next write goes ahead within about a second, not after Qt's half minute,
// and the lock is gone after it; a lock that names its owner is left to Qt.
TEST_F(LocationSettings, a_lock_left_empty_by_a_killed_writer_holds_the_next_write_up_a_moment)
{
    const QString file = QSettings(QSettings::UserScope, "Kelbrant", "Vimble e-mail").fileName();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    QFile lock(file + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.close();

    QElapsedTimer clock;
    clock.start();
    platform::WriteSettingString("MailServer", "new.example.org");
    EXPECT_LT(clock.elapsed(), 10000) << "the empty lock held the write up like a live one";
    EXPECT_EQ(platform::ReadSettingString("MailServer"), "new.example.org");
    EXPECT_FALSE(QFile::exists(file + ".lock"));
}

// A writer killed before renaming its temporary file over the settings leaves it behind; the
// next one to hold the lock removes it. Files that are not such a copy stay.
TEST_F(LocationSettings, a_copy_left_by_a_killed_writer_goes_at_the_next_setting)
{
    const QString file = QSettings(QSettings::UserScope, "Kelbrant", "Vimble e-mail").fileName();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    for (const QString& name : {file + ".MWZOTB", file + ".bak"}) {
        QFile copy(name);
        ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
        copy.write("[1.00]\nMailServer=half\n");
    }
    platform::WriteSettingString("MailServer", "new.example.org");
    EXPECT_EQ(platform::ReadSettingString("MailServer"), "new.example.org");
    EXPECT_FALSE(QFile::exists(file + ".MWZOTB"));
    EXPECT_TRUE(QFile::exists(file + ".bak"));
    EXPECT_FALSE(QFile::exists(file + ".lock"));
}

} // namespace
