// The verbs that only read a project make nothing beside it and never write it, whatever the
// project holds, and read projects in folders their user may not write.
#include "model/lzss.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "tests/model/file_checks.h"
#include "tests/model/fixtures.h"
#include "tests/model/showcase.h"
#include "model/movie.h"
#include "tests/buildpaths.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

using fixtures::ProjectFileBytes;

class ToolFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("toolfiles");
        ASSERT_FALSE(m_dir.empty());
        ::chmod(m_dir.c_str(), 0755);
        ASSERT_TRUE(std::filesystem::create_directory(Path("in")));
        ASSERT_TRUE(std::filesystem::create_directory(Path("out")));
        ASSERT_TRUE(std::filesystem::create_directory(Path("out/frames")));
        ::chmod(Path("out").c_str(), 0777);
        ::chmod(Path("out/frames").c_str(), 0777);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(Path("in"), std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_dir);
    }
    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    // Runs the tool (as prefix says, for example as another user); its exit status.
    int Run(const std::string& arguments, const std::string& prefix = {}) const
    {
        const std::string command = prefix + std::string(built::kTool) + " " + arguments
                                    + " >/dev/null 2>" + Path("out/stderr.txt");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string LastError() const
    {
        std::vector<uint8_t> err;
        platform::ReadWholeFile(Path("out/stderr.txt"), err);
        return {err.begin(), err.end()};
    }
    std::vector<std::string> Files(const std::string& dir) const { return SortedFileNames(dir); }
    std::vector<uint8_t> Read(const std::string& path) const
    {
        std::vector<uint8_t> data;
        platform::ReadWholeFile(path, data);
        return data;
    }
    std::string m_dir;
};

// The read-only verbs, each with what it writes into out/.
std::vector<std::string> ReadingVerbs(const std::string& project, const std::string& out)
{
    return {
        "dump " + project,
        "render " + project + " --still " + out + "/still.png",
        "render " + project + " --frames 0-1 --out " + out + "/frames",
        "trace " + project + " --frames 2",
        "export " + project + " --format gif --frames 0-1 --scale 80x60 " + out + "/x.gif",
        "soundtrack " + project + " --seconds 1 " + out + "/x.wav",
    };
}

TEST_F(ToolFilesTest, ADamagedProjectLeavesNoFileBesideIt)
{
    std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    archive.resize(archive.size() / 2);
    const std::vector<uint8_t> damaged = ProjectFileBytes(archive);
    const std::string project = Path("in/bad.kel");
    platform::WriteWholeFile(project, damaged);
    const FileIdentity before = IdentityOf(project);
    for (const std::string& verb : ReadingVerbs(project, Path("out"))) {
        EXPECT_EQ(Run(verb), 1) << verb;
        EXPECT_NE(LastError().find("bad.kel: read error"), std::string::npos) << LastError();
        EXPECT_EQ(Files(Path("in")), std::vector<std::string>{"bad.kel"}) << verb;
    }
    EXPECT_EQ(Read(project), damaged);
    EXPECT_EQ(IdentityOf(project), before);
}

TEST_F(ToolFilesTest, AGoodProjectKeepsItsInodeAndTime)
{
    const std::string project = Path("in/good.kel");
    ASSERT_TRUE(SaveProject(*fixtures::MotionProject(m_dir), project));
    ASSERT_EQ(::link(project.c_str(), Path("in/link.kel").c_str()), 0);
    const FileIdentity before = IdentityOf(project);
    for (const std::string& verb : ReadingVerbs(project, Path("out"))) {
        EXPECT_EQ(Run(verb), 0) << verb << ": " << LastError();
        EXPECT_EQ(Files(Path("in")), (std::vector<std::string>{"good.kel", "link.kel"})) << verb;
        EXPECT_EQ(IdentityOf(project), before) << verb;
    }
    // Resaving into another file reads the first one alone.
    EXPECT_EQ(Run("resave " + project + " " + Path("out/again.kel")), 0) << LastError();
    EXPECT_EQ(Read(Path("out/again.kel")), Read(project));
    EXPECT_EQ(IdentityOf(project), before);
    EXPECT_EQ(Files(Path("in")), (std::vector<std::string>{"good.kel", "link.kel"}));
}

TEST_F(ToolFilesTest, AProjectInAReadOnlyFolderRendersForAUserWithoutWritePermission)
{
    const std::string project = Path("in/card.kel");
    ASSERT_TRUE(SaveProject(*fixtures::MotionProject(m_dir), project));
    ::chmod(project.c_str(), 0644);
    ::chmod(Path("in").c_str(), 0555);
    const FileIdentity before = IdentityOf(project);
    std::string prefix;
    if (::geteuid() == 0)
        // Qt makes the other user a runtime folder of its own in the temporary folder, which
        // is this test's, not the process's.
        prefix = "setpriv --reuid=nobody --regid=nogroup --clear-groups env TMPDIR=" + Path("out")
                 + " ";
    else if (::access(Path("in").c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user can write into a folder without write permission";
    // The one who runs it may not write there.
    ASSERT_NE(Run("new " + Path("in/probe.kel"), prefix), 0);
    for (const std::string& verb : ReadingVerbs(project, Path("out")))
        EXPECT_EQ(Run(verb, prefix), 0) << verb << ": " << LastError();
    EXPECT_GT(platform::FileLength(Path("out/still.png")), 0);
    EXPECT_GT(platform::FileLength(Path("out/frames/frame-0001.png")), 0);
    EXPECT_EQ(Files(Path("in")), std::vector<std::string>{"card.kel"});
    EXPECT_EQ(IdentityOf(project), before);
}

} // namespace
