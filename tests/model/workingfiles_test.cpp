// Where an opened project's working files go, what a failed open leaves (nothing), and that
// reading or closing a project never writes the person's file.
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "tests/model/file_checks.h"
#include "tests/model/fixtures.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iterator>

namespace {

using fixtures::ProjectFileBytes;

// Runs body as the user "nobody" in a child process and returns its exit status; -1 when the
// child could not become that user.
int RunAsNobody(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

class WorkingFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("workfiles");
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(m_dir + "/ro", std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_dir);
    }
    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    std::vector<uint8_t> Read(const std::string& path) const
    {
        std::vector<uint8_t> data;
        EXPECT_TRUE(platform::ReadWholeFile(path, data)) << path;
        return data;
    }
    std::vector<std::string> Files(const std::string& dir) const { return SortedFileNames(dir); }
    std::string m_dir;
};

// Files that are not whole projects: ending inside the archive, inside the compressed stream
// or right after the tag.
std::vector<std::pair<std::string, std::vector<uint8_t>>> DamagedFiles()
{
    std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    std::vector<uint8_t> half(archive.begin(), archive.begin() + static_cast<long>(archive.size() / 2));
    std::vector<uint8_t> whole = ProjectFileBytes(archive);
    return {
        {"half.kel", ProjectFileBytes(half)},
        {"cut.kel", std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(whole.size() / 3))},
        {"tagonly.kel", std::vector<uint8_t>(kProjectTag, kProjectTag + kProjectTagSize)},
    };
}

TEST_F(WorkingFilesTest, AFailedOpenRemovesEveryWorkingFileAndLeavesTheFileAsItWas)
{
    for (const auto& [name, bytes] : DamagedFiles()) {
        const std::string path = Path(name);
        platform::WriteWholeFile(path, bytes);
        const FileIdentity before = IdentityOf(path);
        platform::CMessageRecorder recorder;
        std::unique_ptr<CAbstractMovie> movie;
        EXPECT_FALSE(OpenProject(path, movie)) << name;
        EXPECT_FALSE(movie);
        EXPECT_FALSE(recorder.m_messages.empty()) << name;
        EXPECT_EQ(Files(m_dir), std::vector<std::string>{name}) << name;
        EXPECT_EQ(Read(path), bytes) << name;
        EXPECT_EQ(IdentityOf(path), before) << name;
        platform::DeleteFile(path);
    }
}

TEST_F(WorkingFilesTest, WorkingFilesGoToAPrivateFolderWhenTheProjectsFolderTakesNone)
{
    // A directory where the compressed copy would go: the folder cannot take that file.
    const std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    const std::vector<uint8_t> file = ProjectFileBytes(archive);
    platform::WriteWholeFile(Path("a.kel"), file);
    ASSERT_TRUE(std::filesystem::create_directory(Path("a.k$$")));

    std::unique_ptr<CAbstractMovie> movie;
    ASSERT_TRUE(OpenProject(Path("a.kel"), movie));
    EXPECT_TRUE(HasPrivateWorkingFiles(Path("a.kel")));
    EXPECT_EQ(Files(m_dir), (std::vector<std::string>{"a.k$$", "a.kel"}));
    const std::string w1 = WorkingFilePath(Path("a.kel"), WorkingFile::W1);
    const std::string w3 = WorkingFilePath(Path("a.kel"), WorkingFile::W3);
    EXPECT_EQ(platform::FileNameOf(w1), "a.ke~");
    EXPECT_EQ(platform::DirectoryOf(w1).rfind(platform::TempDirectory() + "/vimble-open-", 0), 0u);
    EXPECT_EQ(Read(w1), archive);
    EXPECT_EQ(Read(w3), std::vector<uint8_t>(file.begin() + kProjectTagSize, file.end()));
    // Only this project's own folder is looked at: other programs' tests share the
    // temporary directory and open projects of their own meanwhile.
    const std::string privateFolder = platform::DirectoryOf(w1);
    EXPECT_EQ(platform::DirectoryOf(w3), privateFolder);
    EXPECT_TRUE(std::filesystem::is_directory(privateFolder));

    CloseProjectFiles(Path("a.kel"));
    EXPECT_FALSE(HasPrivateWorkingFiles(Path("a.kel")));
    EXPECT_FALSE(std::filesystem::exists(privateFolder));
    EXPECT_EQ(Read(Path("a.kel")), file);

    // Putting it back goes through the private copy too, and takes the folder with it.
    ASSERT_TRUE(OpenProject(Path("a.kel"), movie));
    const std::string againFolder = platform::DirectoryOf(WorkingFilePath(Path("a.kel"), WorkingFile::W1));
    EXPECT_TRUE(std::filesystem::is_directory(againFolder));
    RestoreProject(Path("a.kel"));
    EXPECT_FALSE(HasPrivateWorkingFiles(Path("a.kel")));
    EXPECT_FALSE(std::filesystem::exists(againFolder));
    EXPECT_EQ(Read(Path("a.kel")), file);
}

TEST_F(WorkingFilesTest, AProjectInAFolderWithoutWritePermissionOpensForAUserWithoutIt)
{
    const std::string ro = Path("ro");
    ASSERT_TRUE(std::filesystem::create_directory(ro));
    const std::vector<uint8_t> file = ProjectFileBytes(fixtures::FullProjectArchive());
    platform::WriteWholeFile(ro + "/card.kel", file);
    const FileIdentity before = IdentityOf(ro + "/card.kel");
    ::chmod(m_dir.c_str(), 0755);
    ::chmod((ro + "/card.kel").c_str(), 0644);
    ::chmod(ro.c_str(), 0555);

    auto body = [&ro, &file]() -> int {
        const std::string path = ro + "/card.kel";
        if (::access(ro.c_str(), W_OK) == 0)
            return 77; // this user may write there after all
        platform::CMessageRecorder recorder;
        std::unique_ptr<CAbstractMovie> movie;
        if (!OpenProject(path, movie) || !movie)
            return 1;
        if (!HasPrivateWorkingFiles(path))
            return 2;
        std::vector<uint8_t> plain;
        if (!platform::ReadWholeFile(WorkingFilePath(path, WorkingFile::W1), plain))
            return 3;
        RestoreProject(path);
        if (HasPrivateWorkingFiles(path))
            return 4;
        if (!ReadProjectFile(path))
            return 5;
        std::vector<uint8_t> after;
        if (!platform::ReadWholeFile(path, after) || after != file)
            return 6;
        // Saving there cannot work, and says so.
        if (SaveProject(*movie, path) || recorder.m_messages.empty())
            return 7;
        return 0;
    };
    int status = 0;
    if (::geteuid() == 0) {
        status = RunAsNobody(body);
    } else {
        status = body();
    }
    if (status == 77)
        GTEST_SKIP() << "this user can write into a folder without write permission";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Files(ro), std::vector<std::string>{"card.kel"});
    EXPECT_EQ(IdentityOf(ro + "/card.kel"), before);
}

TEST_F(WorkingFilesTest, PuttingBackAnUnchangedFileDoesNotWriteIt)
{
    const std::vector<uint8_t> file = ProjectFileBytes(fixtures::FullProjectArchive());
    platform::WriteWholeFile(Path("u.kel"), file);
    ASSERT_EQ(::link(Path("u.kel").c_str(), Path("link.kel").c_str()), 0);
    const FileIdentity before = IdentityOf(Path("u.kel"));
    std::unique_ptr<CAbstractMovie> movie;
    ASSERT_TRUE(OpenProject(Path("u.kel"), movie));
    RestoreProject(Path("u.kel"));
    EXPECT_EQ(IdentityOf(Path("u.kel")), before);
    EXPECT_EQ(Files(m_dir), (std::vector<std::string>{"link.kel", "u.kel"}));

    ASSERT_TRUE(OpenProject(Path("u.kel"), movie));
    CloseProjectFiles(Path("u.kel"));
    EXPECT_EQ(IdentityOf(Path("u.kel")), before);
    EXPECT_EQ(IdentityOf(Path("link.kel")), before);

    // A file saved over since the open keeps what was saved: putting back after a later
    // change never loses the save.
    ASSERT_TRUE(OpenProject(Path("u.kel"), movie));
    movie->GetFirstStage()->m_strName = "Anniversaire";
    ASSERT_TRUE(SaveProject(*movie, Path("u.kel")));
    const std::vector<uint8_t> saved = Read(Path("u.kel"));
    ASSERT_NE(saved, file);
    movie->GetFirstStage()->m_strName = "Not kept";
    RestoreProject(Path("u.kel"));
    EXPECT_EQ(Read(Path("u.kel")), saved);
    EXPECT_EQ(Files(m_dir), (std::vector<std::string>{"link.kel", "u.kel"}));
}

TEST_F(WorkingFilesTest, ReadingAProjectMakesNothingAndWritesNothing)
{
    const std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    platform::WriteWholeFile(Path("r.kel"), ProjectFileBytes(archive));
    const FileIdentity before = IdentityOf(Path("r.kel"));
    platform::CMessageRecorder recorder;
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(Path("r.kel"));
    ASSERT_TRUE(movie);
    EXPECT_EQ(movie->m_nPlayMode, 2);
    EXPECT_EQ(StoreMovie(*movie, "r.kel"), archive);
    EXPECT_EQ(Files(m_dir), std::vector<std::string>{"r.kel"});
    EXPECT_EQ(IdentityOf(Path("r.kel")), before);
    EXPECT_TRUE(recorder.m_messages.empty());
}

TEST_F(WorkingFilesTest, ReadingADamagedProjectSaysWhyOnceAndMakesNothing)
{
    std::vector<uint8_t> lower = ProjectFileBytes(fixtures::NewProjectArchive(2, 3, 4));
    std::copy_n("120kelfile", 10, lower.begin());
    auto cases = DamagedFiles();
    cases.push_back({"lower.kel", lower});
    for (const auto& [name, bytes] : cases) {
        platform::WriteWholeFile(Path(name), bytes);
        platform::CMessageRecorder recorder;
        // Told to the caller, nothing shown.
        platform::Message failure;
        EXPECT_FALSE(ReadProjectFile(Path(name), &failure)) << name;
        EXPECT_TRUE(recorder.m_messages.empty()) << name;
        EXPECT_NE(failure.strText.find(name), std::string::npos) << failure.strText;
        // Shown, as an open shows it.
        EXPECT_FALSE(ReadProjectFile(Path(name))) << name;
        ASSERT_EQ(recorder.m_messages.size(), 1u) << name;
        if (name == "lower.kel") {
            EXPECT_EQ(recorder.m_messages[0].strText, "Not a valid file!");
        } else {
            EXPECT_NE(recorder.m_messages[0].strText.find(name + ": read error"), std::string::npos)
                << recorder.m_messages[0].strText;
        }
        EXPECT_EQ(Files(m_dir), std::vector<std::string>{name});
        EXPECT_EQ(Read(Path(name)), bytes);
        platform::DeleteFile(Path(name));
    }
    platform::CMessageRecorder recorder;
    platform::Message failure;
    EXPECT_FALSE(ReadProjectFile(Path("missing.kel"), &failure));
    EXPECT_NE(failure.strText.find("missing.kel: cannot be read"), std::string::npos);
    EXPECT_FALSE(ReadProjectFile(Path("missing.kel")));
    ASSERT_EQ(recorder.m_messages.size(), 2u);
    EXPECT_EQ(recorder.m_messages[1].strText, "Not a valid file!");
}

struct Report {
    FileStep step;
    int64_t done;
    int64_t total;
};

TEST_F(WorkingFilesTest, OpeningAndSavingSayHowFarTheyAreStepByStep)
{
    std::vector<Report> reports;
    auto record = [&reports](FileStep step, int64_t done, int64_t total) {
        reports.push_back({step, done, total});
    };
    auto movie = CAbstractMovie::NewProject();
    ASSERT_TRUE(SaveProject(*movie, Path("p.kel"), record));
    const int64_t length = platform::FileLength(Path("p.kel"));
    ASSERT_GE(reports.size(), 4u);
    EXPECT_EQ(reports.front().step, FileStep::storing);
    EXPECT_EQ(reports[1].step, FileStep::packing);
    EXPECT_EQ(reports.back().step, FileStep::writing);
    EXPECT_EQ(reports.back().done, length);
    EXPECT_EQ(reports.back().total, length);
    // The packing itself says how far it is, up to the whole archive.
    EXPECT_TRUE(std::any_of(reports.begin(), reports.end(), [](const Report& r) {
        return r.step == FileStep::packing && r.done > 0 && r.done == r.total;
    }));

    reports.clear();
    std::unique_ptr<CAbstractMovie> back;
    ASSERT_TRUE(OpenProject(Path("p.kel"), back, record));
    RestoreProject(Path("p.kel"));
    ASSERT_GE(reports.size(), 3u);
    EXPECT_EQ(reports.front().step, FileStep::reading);
    // Reading up to the whole file, then unpacking up to its end, then building.
    const auto unpacking = std::find_if(reports.begin(), reports.end(),
        [](const Report& r) { return r.step == FileStep::unpacking; });
    ASSERT_NE(unpacking, reports.begin());
    ASSERT_NE(unpacking, reports.end());
    EXPECT_EQ(std::prev(unpacking)->step, FileStep::reading);
    EXPECT_EQ(std::prev(unpacking)->done, length);
    EXPECT_EQ(reports.back().step, FileStep::building);
    const Report& unpacked = reports[reports.size() - 2];
    EXPECT_EQ(unpacked.step, FileStep::unpacking);
    EXPECT_GT(unpacked.done, 0);
    EXPECT_EQ(unpacked.done, unpacked.total);

    // Every step goes forward: done never passes total and never goes back within a step.
    for (size_t i = 1; i < reports.size(); ++i) {
        EXPECT_LE(reports[i].done, std::max<int64_t>(reports[i].total, 0));
        if (reports[i].step == reports[i - 1].step) {
            EXPECT_GE(reports[i].done, reports[i - 1].done);
        }
    }
}

} // namespace
