// The manual: F1 and View -> Help open its first page in the browser. A stand-in for xdg-open on
// the PATH records the address it is given: off screen Qt has no desktop services, so this is
// the editor's own way to the browser, run for real. Without a manual or a browser the
// program's box says so. The build puts the manual where the built editor looks.
#include "editor/main/help.h"
#include "platform/files.h"
#include "platform/settings.h"
#include "tests/buildpaths.h"
#include "tests/editor/window_helpers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class Help : public CEditorWindowTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_files.isValid());
        // A manual whose folder has a blank in its name: the address must carry it encoded.
        m_strIndex = m_files.filePath("my manual/index.html");
        WriteFile(m_strIndex, "<title>manual</title>");
        m_strRecord = m_files.filePath("opened");
        WriteFile(m_files.filePath("bin/xdg-open"),
                  "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + m_strRecord.toUtf8()
                      + ".part' && mv '" + m_strRecord.toUtf8() + ".part' '"
                      + m_strRecord.toUtf8() + "'\n");
        ASSERT_TRUE(QFile::setPermissions(m_files.filePath("bin/xdg-open"),
                                          QFile::ReadOwner | QFile::ExeOwner));
        const char* path = std::getenv("PATH");
        m_strPath = path != nullptr ? path : "/usr/bin:/bin";
        UsePath(m_files.filePath("bin").toStdString() + ":" + m_strPath);
        platform::WriteSettingString("HelpFile", m_strIndex.toStdString());
        OpenEditor();
    }
    void TearDown() override
    {
        CloseEditor();
        platform::WriteSettingString("HelpFile", "");
        setenv("PATH", m_strPath.c_str(), 1);
    }
    static void UsePath(const std::string& path) { setenv("PATH", path.c_str(), 1); }
    // What the stand-in browser was given, once it has been started; empty when it was not
    // within the time.
    QString Opened(int nMs = 5000)
    {
        if (!QTest::qWaitFor([this] { return QFile::exists(m_strRecord); }, nMs))
            return {};
        QFile file(m_strRecord);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void PressF1() { QTest::keyClick(m_pEditor.get(), Qt::Key_F1); }

    QTemporaryDir m_files;
    QString m_strIndex;
    QString m_strRecord;
    std::string m_strPath;
};

enum class Way { F1, MenuRow };

class HelpOpens : public Help, public testing::WithParamInterface<Way> { };

TEST_P(HelpOpens, the_manuals_first_page_in_the_browser)
{
    if (GetParam() == Way::F1) {
        PressF1();
    } else {
        Click(m_pEditor->GetWindowButton(ID_WND_VIEW));
        ASSERT_EQ(m_pEditor->GetOpenMenu(), MENU_VIEW);
        CDropDownMenu* menu = m_pEditor->GetMenu(MENU_VIEW);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->IsUnfolded(); }, 2000));
        CMyBitmapButton* row = FindButton(menu, ID_VIEW_HELP);
        ASSERT_NE(row, nullptr);
        // The row sits inside the menu's face, below the rows before it.
        EXPECT_TRUE(menu->rect().contains(row->geometry()));
        EXPECT_GT(row->y(), FindButton(menu, ID_VIEW_IMPORTMIDI)->y());
        Click(row);
        EXPECT_EQ(m_pEditor->GetOpenMenu(), -1);
    }
    const QString expected = QString::fromLatin1(QUrl::fromLocalFile(m_strIndex).toEncoded());
    EXPECT_TRUE(expected.contains("my%20manual/index.html")) << expected.toStdString();
    EXPECT_EQ(Opened(), expected + "\n");
    EXPECT_TRUE(m_answers.m_questions.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, HelpOpens, testing::Values(Way::F1, Way::MenuRow),
                         [](const testing::TestParamInfo<Way>& info) {
                             return info.param == Way::F1 ? std::string("F1")
                                                          : std::string("ViewHelp");
                         });

TEST_F(Help, a_missing_manual_or_a_missing_browser_is_said)
{
    platform::WriteSettingString("HelpFile", m_files.filePath("gone/index.html").toStdString());
    PressF1();
    ASSERT_EQ(m_answers.m_questions.size(), 1u);
    EXPECT_NE(m_answers.m_questions[0].find("manual is not installed"), std::string::npos)
        << m_answers.m_questions[0];
    EXPECT_EQ(m_answers.m_nLastKind, MB_KIND_OK);

    // The manual is there, but nothing on the PATH opens it.
    platform::WriteSettingString("HelpFile", m_strIndex.toStdString());
    UsePath(m_files.filePath("gone").toStdString());
    PressF1();
    ASSERT_EQ(m_answers.m_questions.size(), 2u);
    EXPECT_NE(m_answers.m_questions[1].find("No web browser"), std::string::npos)
        << m_answers.m_questions[1];
    EXPECT_NE(m_answers.m_questions[1].find(m_strIndex.toStdString()), std::string::npos);
    EXPECT_TRUE(Opened(300).isEmpty());
}

// Beside an installed program, beside a built one (this build's own included), and nowhere.
TEST(ManualPlace, is_found_from_the_programs_own_place)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString installed = dir.filePath("usr/share/doc/vimble-email/manual/index.html");
    const QString built = dir.filePath("build/manual/index.html");
    WriteFile(installed, "x");
    WriteFile(built, "x");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("usr/bin")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("build/app")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("elsewhere/bin")));
    EXPECT_EQ(ManualIndexPathFor(dir.filePath("usr/bin").toStdString()),
              QFileInfo(installed).canonicalFilePath().toStdString());
    EXPECT_EQ(ManualIndexPathFor(dir.filePath("build/app").toStdString()),
              QFileInfo(built).canonicalFilePath().toStdString());
    EXPECT_EQ(ManualIndexPathFor(dir.filePath("elsewhere/bin").toStdString()), "");
    EXPECT_EQ(ManualIndexPathFor(""), "");
    // In the person's language where the manual has it, else in English.
    const QString german = dir.filePath("usr/share/doc/vimble-email/manual/de/index.html");
    const QString japanese = dir.filePath("usr/share/doc/vimble-email/manual/ja/index.html");
    WriteFile(german, "x");
    WriteFile(japanese, "x");
    EXPECT_EQ(ManualIndexPathFor(dir.filePath("usr/bin").toStdString(), platform::ELanguage::German),
              QFileInfo(german).canonicalFilePath().toStdString());
    EXPECT_EQ(
        ManualIndexPathFor(dir.filePath("usr/bin").toStdString(), platform::ELanguage::Japanese),
        QFileInfo(japanese).canonicalFilePath().toStdString());
    EXPECT_EQ(ManualIndexPathFor(dir.filePath("usr/bin").toStdString(), platform::ELanguage::French),
              QFileInfo(installed).canonicalFilePath().toStdString());

    // This build's own, in each of its languages.
    std::vector<platform::ELanguage> languages{platform::ELanguage::English};
    languages.insert(languages.end(), std::begin(platform::kTranslatedLanguages),
                     std::end(platform::kTranslatedLanguages));
    for (platform::ELanguage language : languages) {
        const std::string ours = std::string(built::kBuildDir) + "/manual/"
            + (language == platform::ELanguage::English
                    ? std::string()
                    : std::string(platform::LanguageCode(language)) + "/")
            + "index.html";
        EXPECT_EQ(ManualIndexPathFor(std::string(built::kBuildDir) + "/app", language),
                  QFileInfo(QString::fromStdString(ours)).canonicalFilePath().toStdString())
            << platform::LanguageCode(language);
    }
}

} // namespace
