// The first start's export folder: made in the home folder and filled with the sample
// greetings once, when it is new.
#include "editor/core/app.h"
#include "model/archive.h"
#include "model/header.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

void WriteText(const QString& path, const std::string& text)
{
    std::ofstream file(path.toStdString(), std::ios::binary);
    file << text;
}

std::string ReadText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

void SetSettings(const QString& exportFiles, const QString& dataDir)
{
    QSettings settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
    settings.clear();
    settings.beginGroup("1.00");
    settings.setValue("DllPath", built::kResourceDir);
    settings.setValue("ExportFiles", exportFiles);
    settings.setValue("NoDataDirectory", 1);
    settings.setValue("DataFiles1", dataDir);
    settings.endGroup();
    settings.sync();
}

void ClearSettings()
{
    QSettings settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
    settings.clear();
    settings.sync();
}

// A home folder of its own and a data directory with two sample greetings and one other file.
class FirstStart : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const char* home = std::getenv("HOME");
        m_strSavedHome = home != nullptr ? home : "";
        m_bHadHome = home != nullptr;
        m_home = m_dir.path() + "/home";
        m_data = m_dir.path() + "/data";
        QDir().mkpath(m_home);
        QDir().mkpath(m_data + "/samples");
        setenv("HOME", m_home.toLocal8Bit().constData(), 1);
        WriteText(m_data + "/samples/Happy Birthday.kel", "birthday");
        WriteText(m_data + "/samples/With love.kel", "love");
        WriteText(m_data + "/samples/notes.txt", "not a greeting");
    }
    void TearDown() override
    {
        if (m_bHadHome)
            setenv("HOME", m_strSavedHome.c_str(), 1);
        else
            unsetenv("HOME");
        ClearSettings();
    }
    QString Folder() const { return m_home + "/" + kDefaultExportFolder; }

    QTemporaryDir m_dir;
    QString m_home;
    QString m_data;
    std::string m_strSavedHome;
    bool m_bHadHome = false;
};

} // namespace

TEST_F(FirstStart, a_new_folder_gets_the_greetings_only)
{
    ASSERT_TRUE(
        CopySamplesToNewFolder(Folder().toStdString(), (m_data + "/samples").toStdString()));
    EXPECT_EQ(ReadText(Folder() + "/Happy Birthday.kel"), "birthday");
    EXPECT_EQ(ReadText(Folder() + "/With love.kel"), "love");
    EXPECT_FALSE(QFile::exists(Folder() + "/notes.txt"));
}

TEST_F(FirstStart, an_existing_folder_is_left_as_it_is)
{
    QDir().mkpath(Folder());
    WriteText(Folder() + "/With love.kel", "my own edit");
    EXPECT_FALSE(
        CopySamplesToNewFolder(Folder().toStdString(), (m_data + "/samples").toStdString()));
    EXPECT_EQ(ReadText(Folder() + "/With love.kel"), "my own edit");
    EXPECT_FALSE(QFile::exists(Folder() + "/Happy Birthday.kel"));
}

TEST_F(FirstStart, without_samples_the_folder_is_still_made)
{
    ASSERT_TRUE(
        CopySamplesToNewFolder(Folder().toStdString(), (m_dir.path() + "/none").toStdString()));
    EXPECT_TRUE(QDir(Folder()).exists());
    EXPECT_TRUE(QDir(Folder()).entryList(QDir::Files).isEmpty());
}

TEST_F(FirstStart, the_home_as_export_directory_becomes_the_greetings_folder)
{
    SetSettings("~", m_data);
    CQuietApp app(m_dir.path().toStdString() + "/lock");
    app.ReadSettings();
    ASSERT_EQ(app.GetExportDirectory(), m_home.toStdString());
    app.PrepareExportDirectory();
    EXPECT_EQ(app.GetExportDirectory(), Folder().toStdString());
    EXPECT_EQ(ReadText(Folder() + "/Happy Birthday.kel"), "birthday");

    // The next start finds the folder and copies nothing over what the person changed.
    WriteText(Folder() + "/Happy Birthday.kel", "changed");
    CQuietApp again(m_dir.path().toStdString() + "/lock2");
    again.ReadSettings();
    again.PrepareExportDirectory();
    EXPECT_EQ(again.GetExportDirectory(), Folder().toStdString());
    EXPECT_EQ(ReadText(Folder() + "/Happy Birthday.kel"), "changed");
}

// Without the installed settings (an installation under a prefix the desktop does not search
// for them) the home folder stands in, and the greetings are still copied.
TEST_F(FirstStart, no_export_setting_means_the_home_folder)
{
    SetSettings("~", m_data);
    {
        QSettings settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail");
        settings.remove("1.00/ExportFiles");
        settings.sync();
    }
    CQuietApp app(m_dir.path().toStdString() + "/lock");
    app.ReadSettings();
    ASSERT_EQ(app.GetExportDirectory(), m_home.toStdString());
    app.PrepareExportDirectory();
    EXPECT_EQ(app.GetExportDirectory(), Folder().toStdString());
    EXPECT_EQ(ReadText(Folder() + "/With love.kel"), "love");
}

TEST_F(FirstStart, another_export_directory_is_left_alone)
{
    SetSettings("~/Greetings", m_data);
    CQuietApp app(m_dir.path().toStdString() + "/lock");
    app.ReadSettings();
    app.PrepareExportDirectory();
    EXPECT_EQ(app.GetExportDirectory(), (m_home + "/Greetings").toStdString());
    EXPECT_FALSE(QDir(Folder()).exists());
}

TEST_F(FirstStart, the_start_up_prepares_the_folder)
{
    // One readable header so that the scan succeeds.
    CHeaderObject header;
    header.m_strName = "Heart";
    header.m_strCategory = "Love";
    header.m_nValue = 1;
    header.m_nType = CHeaderObject::typeClipart;
    CArchive ar("1.hdr");
    header.Store(ar);
    {
        std::ofstream file((m_data + "/1.hdr").toStdString(), std::ios::binary);
        file.write(reinterpret_cast<const char*>(ar.Buffer().data()),
            static_cast<std::streamsize>(ar.Buffer().size()));
    }
    SetSettings("~", m_data);
    CQuietApp app(m_dir.path().toStdString() + "/lock");
    ASSERT_EQ(app.InitInstance(CRect { 0, 0, 1024, 768 }), CEditorApp::startRunning);
    EXPECT_EQ(app.GetExportDirectory(), Folder().toStdString());
    EXPECT_EQ(ReadText(Folder() + "/With love.kel"), "love");
    app.ExitInstance();
}
