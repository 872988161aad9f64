#include "platform/files.h"
#include "platform/message.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace {

class FilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("filestest");
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string m_dir;
};

TEST_F(FilesTest, TempNamesHaveThePrefixFourHexDigitsAndAreCreated)
{
    std::set<std::string> names;
    for (int i = 0; i < 200; ++i) {
        std::string path = platform::MakeTempFileName(m_dir, "zty");
        ASSERT_FALSE(path.empty());
        std::string name = platform::FileNameOf(path);
        ASSERT_EQ(name.size(), 3u + 4 + 4) << name;
        EXPECT_EQ(name.substr(0, 3), "zty");
        EXPECT_EQ(name.substr(7), ".tmp");
        EXPECT_EQ(name.substr(3, 4).find_first_not_of("0123456789ABCDEF"), std::string::npos);
        EXPECT_EQ(platform::FileLength(path), 0);
        EXPECT_TRUE(names.insert(name).second) << "handed out twice: " << name;
    }
}

TEST_F(FilesTest, TempNameInAMissingFolderFails)
{
    EXPECT_TRUE(platform::MakeTempFileName(m_dir + "/missing", "obj").empty());
}

TEST_F(FilesTest, CopyRenameDeleteAndExists)
{
    std::string a = m_dir + "/a.bin";
    std::vector<uint8_t> data(200000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 7);
    ASSERT_TRUE(platform::WriteWholeFile(a, data));
    EXPECT_EQ(platform::FileLength(a), 200000);
    ASSERT_TRUE(platform::CopyFileTo(a, m_dir + "/b.bin"));
    std::vector<uint8_t> back;
    ASSERT_TRUE(platform::ReadWholeFile(m_dir + "/b.bin", back));
    EXPECT_EQ(back, data);
    ASSERT_TRUE(platform::WriteWholeFile(m_dir + "/c.bin", std::vector<uint8_t>{1}));
    EXPECT_TRUE(platform::RenameFile(m_dir + "/b.bin", m_dir + "/c.bin"));
    EXPECT_EQ(platform::FileLength(m_dir + "/c.bin"), 200000);
    EXPECT_FALSE(platform::FileExists(m_dir + "/b.bin"));
    EXPECT_TRUE(platform::DeleteFile(a));
    EXPECT_FALSE(platform::DeleteFile(a));
    EXPECT_FALSE(platform::CopyFileTo(a, m_dir + "/d.bin"));
    EXPECT_EQ(platform::FileLength(m_dir), -1);
}

TEST_F(FilesTest, ReplacingContentKeepsPermissionsAndLeavesNoTemporaryFile)
{
    std::string path = m_dir + "/p.kel";
    ASSERT_TRUE(platform::WriteWholeFile(path, std::vector<uint8_t>{9, 9}));
    chmod(path.c_str(), 0600);
    std::vector<uint8_t> head{1, 2}, tail{3};
    ASSERT_TRUE(platform::ReplaceFileContent(path, head, tail));
    std::vector<uint8_t> back;
    platform::ReadWholeFile(path, back);
    EXPECT_EQ(back, (std::vector<uint8_t>{1, 2, 3}));
    struct stat st;
    stat(path.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
}

// A replacement's file is locked while it is written: a cleaner leaves it alone then, removes
// what a killed writer left, and never touches other files that merely look alike.
TEST_F(FilesTest, AbandonedReplacementsGoAndLiveOnesStay)
{
    const std::string target = m_dir + "/greeting.kel";
    ASSERT_TRUE(platform::WriteWholeFile(target, std::vector<uint8_t>{1, 2, 3}));
    const std::string abandoned = m_dir + "/~vb12AB.tmp";
    ASSERT_TRUE(platform::WriteWholeFile(abandoned, std::vector<uint8_t>{9}));
    for (const char* name : {"~vb12AB.tmpx", "~vbXYZW.tmp", "~vb123.tmp", "other.tmp"})
        ASSERT_TRUE(platform::WriteWholeFile(m_dir + "/" + name, std::vector<uint8_t>{7}));
    {
        platform::CReplacementFile live(target);
        ASSERT_FALSE(live.Path().empty());
        ASSERT_TRUE(platform::WriteWholeFile(live.Path(), std::vector<uint8_t>{4, 5}));
        platform::RemoveAbandonedReplacements(m_dir);
        EXPECT_FALSE(platform::FileExists(abandoned));
        EXPECT_TRUE(platform::FileExists(live.Path()));
        for (const char* name : {"~vb12AB.tmpx", "~vbXYZW.tmp", "~vb123.tmp", "other.tmp"})
            EXPECT_TRUE(platform::FileExists(m_dir + "/" + name)) << name;
        ASSERT_TRUE(live.Commit());
    }
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(platform::ReadWholeFile(target, bytes));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{4, 5}));

    // Not committed: the replacement goes and the file stays as it was.
    std::string path;
    {
        platform::CReplacementFile dropped(target);
        path = dropped.Path();
        ASSERT_TRUE(platform::WriteWholeFile(path, std::vector<uint8_t>{6}));
    }
    EXPECT_FALSE(platform::FileExists(path));
    ASSERT_TRUE(platform::ReadWholeFile(target, bytes));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{4, 5}));
}

TEST(Paths, SplitAndJoin)
{
    EXPECT_EQ(platform::FileNameOf("/a/b/c.kel"), "c.kel");
    EXPECT_EQ(platform::FileNameOf("C:\\x\\y.kel"), "y.kel");
    EXPECT_EQ(platform::DirectoryOf("/a/b/c.kel"), "/a/b");
    EXPECT_EQ(platform::DirectoryOf("c.kel"), ".");
    EXPECT_EQ(platform::DirectoryOf("/c.kel"), "/");
    EXPECT_EQ(platform::JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(platform::JoinPath("/a/", "b"), "/a/b");
}

TEST(Messages, RecorderTakesWhatIsShownAndRestoresTheSinkAfter)
{
    {
        platform::CMessageRecorder outer;
        {
            platform::CMessageRecorder inner;
            platform::ShowMessage(10101, "inner");
            ASSERT_EQ(inner.m_messages.size(), 1u);
            EXPECT_EQ(inner.m_messages[0].nStringId, 10101);
        }
        platform::ShowMessage("outer");
        ASSERT_EQ(outer.m_messages.size(), 1u);
        EXPECT_EQ(outer.m_messages[0].strText, "outer");
        EXPECT_EQ(outer.m_messages[0].nStringId, 0);
    }
}

} // namespace
