// Greetings handed over by a later start open one after the other, as fast as they come: the
// editor shows the last one exactly as if it had been opened alone.
#include "tests/editor/window_helpers.h"
#include "tests/buildpaths.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

class Handoff : public CEditorWindowTest {
protected:
    void SetUp() override { OpenEditor(); }
    void TearDown() override { CloseEditor(); }
    std::string Sample(const char* name, const char* as)
    {
        const std::string path = m_strDir + "/" + as;
        QFile::copy(QString(built::kDataDir) + "/samples/" + name, QString::fromStdString(path));
        return path;
    }
    QImage Shown()
    {
        QTest::qWait(50);
        return m_pEditor->grab().toImage();
    }
};

TEST_F(Handoff, a_greeting_opened_right_after_another_shows_as_if_opened_alone)
{
    const std::string first = Sample("Happy Birthday.kel", "first.kel");
    const std::string second = Sample("With love.kel", "second.kel");
    ASSERT_TRUE(m_pEditor->OpenProjectFile(second));
    const QImage alone = Shown();
    ASSERT_TRUE(m_pEditor->OpenProjectFile(first));
    const QImage other = Shown();
    EXPECT_NE(other, alone);

    ASSERT_TRUE(m_pEditor->OpenProjectFile(first));
    ASSERT_TRUE(m_pEditor->OpenProjectFile(second));
    EXPECT_EQ(Shown(), alone);
}

} // namespace
