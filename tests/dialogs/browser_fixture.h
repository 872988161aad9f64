// A file browser on folders of the test's own: the "drives" are two temporary folders, so the
// tests never list or touch the machine's real files.
#pragma once

#include "tests/dialogs/box_answerer.h"

#include "dialogs/opensave.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class CTestFront : public COpenSaveDlg {
public:
    CTestFront(const std::string& strFolder, int nMode, std::vector<CDriveInfo> drives)
        : COpenSaveDlg(strFolder, "Vimble card", "kel", nMode, nullptr)
        , m_drives(std::move(drives))
    {
    }

protected:
    std::vector<CDriveInfo> QueryDrives() const override { return m_drives; }

private:
    std::vector<CDriveInfo> m_drives;
};

class BrowserTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_tmp.isValid());
        m_strRoot = m_tmp.path().toStdString() + "/";
        MakeFolder("DriveA");
        MakeFolder("DriveB");
        m_drives = { { Path("DriveA/"), DRIVE_FIXED }, { Path("DriveB/"), DRIVE_REMOVABLE } };
    }

    std::string Path(const std::string& relative) const { return m_strRoot + relative; }
    void MakeFolder(const std::string& relative) const
    {
        ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Path(relative))));
    }
    void MakeFile(const std::string& relative, const std::string& bytes = "x") const
    {
        ASSERT_TRUE(platform::WriteWholeFile(
            Path(relative), { reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size() }));
    }
    std::string ReadFile(const std::string& relative) const
    {
        std::vector<uint8_t> data;
        if (!platform::ReadWholeFile(Path(relative), data))
            return "<missing>";
        return std::string(data.begin(), data.end());
    }
    bool Exists(const std::string& relative) const
    {
        return QFileInfo::exists(QString::fromStdString(Path(relative)));
    }

    // Opens a front on a folder of the test ("" for "My Computer") and shows it.
    std::unique_ptr<CTestFront> Open(const std::string& relative, int nMode = OS_MODE_OPEN)
    {
        auto dlg
            = std::make_unique<CTestFront>(relative.empty() ? "" : Path(relative), nMode, m_drives);
        EXPECT_TRUE(dlg->InitDialog());
        dlg->show();
        return dlg;
    }

    static void Click(CFileBrowserDlg& dlg, const std::string& name)
    {
        const int row = dlg.FindItem(name);
        ASSERT_GE(row, 0) << name << " is not listed";
        QListWidget* list = dlg.FileList();
        list->scrollToItem(list->item(row));
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        ASSERT_EQ(dlg.GetSelectedItem(), row);
    }
    static void Type(CFileBrowserDlg& dlg, const std::string& name)
    {
        dlg.NameField()->clear();
        QTest::keyClicks(dlg.NameField(), QString::fromStdString(name));
    }

    QTemporaryDir m_tmp;
    std::string m_strRoot;
    std::vector<CDriveInfo> m_drives;
};
