// The keeping store: recovery copies of a greeting being changed and the earlier versions that
// saves replaced, in a state folder of the test's own.
#include "playback/keeping.h"

#include "model/lzss.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "tests/model/fixtures.h"
#include "tests/platform/scoped_env.h"

#include <QImage>
#include <QLockFile>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <filesystem>
#include <functional>
#include <linux/capability.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr int64_t kDay = 24 * 60 * 60;
constexpr int64_t kStart = 1'900'000'000;

int64_t g_now = kStart;
int64_t TestClock()
{
    return g_now;
}

// A one-stage greeting filled with the colour (0x00BBGGRR).
std::vector<uint8_t> Archive(uint32_t colour)
{
    return fixtures::NewProjectArchive(11, 12, 13, colour);
}

// Writes the text as the file's whole content.
void WriteText(const std::string& path, const std::string& text)
{
    platform::WriteWholeFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> Read(const std::string& path)
{
    std::vector<uint8_t> data;
    platform::ReadWholeFile(path, data);
    return data;
}

// The archive a project file holds.
std::vector<uint8_t> ArchiveOf(const std::string& project)
{
    const std::vector<uint8_t> file = Read(project);
    if (file.size() < kProjectTagSize
        || !std::equal(file.begin(), file.begin() + kProjectTagSize, kProjectTag))
        return {};
    return lzss::DecodeBuffer(std::span(file).subspan(kProjectTagSize));
}

std::vector<std::string> Files(const std::string& dir)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

int ModeOf(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

ino_t InodeOf(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

// Runs the body on a thread that file permissions bind even when the test runs as root (the
// capabilities that pass them by are the thread's own). False when they cannot be dropped.
bool RunBoundByPermissions(const std::function<void()>& body)
{
    bool bBound = true;
    std::thread thread([&] {
        if (::geteuid() == 0) {
            __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
            __user_cap_data_struct data[2] = {};
            if (::syscall(SYS_capget, &header, data) != 0) {
                bBound = false;
                return;
            }
            for (int cap : { CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER })
                data[cap / 32].effective &= ~(1u << (cap % 32));
            if (::syscall(SYS_capset, &header, data) != 0) {
                bBound = false;
                return;
            }
        }
        body();
    });
    thread.join();
    return bBound;
}

// Files may grow to no more than the limit while this lives: a full disk, as writers see it.
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~CFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_old {};
    void (*m_previousHandler)(int) = nullptr;
};

class KeepingTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("keeping");
        ASSERT_FALSE(m_dir.empty());
        m_pState = std::make_unique<CScopedEnv>("XDG_STATE_HOME", m_dir + "/state");
        g_now = kStart;
        m_previousClock = keeping::SetClock(&TestClock);
    }
    void TearDown() override
    {
        keeping::SetClock(m_previousClock);
        m_pState.reset();
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(m_dir, ec))
            if (entry.is_directory(ec))
                fs::permissions(entry.path(), fs::perms::owner_all, ec);
        fs::remove_all(m_dir, ec);
    }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    std::string CopyFolder(const std::string& id) const
    {
        return keeping::RecoveryFolder() + "/" + id;
    }
    // Writes a recovery copy and expects it written.
    void Write(const keeping::RecoveryAbout& about, const std::vector<uint8_t>& archive)
    {
        std::string failure;
        ASSERT_TRUE(keeping::WriteRecoveryCopy(about, archive, &failure)) << failure;
    }
    keeping::RecoveryAbout About(const std::string& name = "Card", int64_t pid = 4242) const
    {
        return { keeping::NewRecoveryId(), name, Path(name + ".kel"), pid };
    }
    // A greeting saved at path as a save replaces it: a new file renamed over the old one.
    void Save(const std::string& path, const std::vector<uint8_t>& archive) const
    {
        ASSERT_TRUE(platform::ReplaceFileContent(path, fixtures::ProjectFileBytes(archive)));
    }
    // Keeps what path holds, then saves the archive over it, as the editor's save does.
    void KeepAndSave(const std::string& path, const std::vector<uint8_t>& archive) const
    {
        std::string failure;
        ASSERT_TRUE(keeping::KeepEarlierVersion(path, &failure)) << failure;
        Save(path, archive);
    }

    std::string m_dir;
    std::unique_ptr<CScopedEnv> m_pState;
    keeping::Clock m_previousClock = nullptr;
};

// ---- where the store is ----

struct LocationRow {
    const char* state; // nullptr: not set
    const char* expected; // under the test's folder; "HOME" stands for the home folder's
};

class StateFolderLocation : public KeepingTest, public testing::WithParamInterface<LocationRow> { };

TEST_P(StateFolderLocation, is_the_absolute_state_home_or_the_home_folders)
{
    const LocationRow& row = GetParam();
    CScopedEnv home("HOME", Path("home"));
    std::unique_ptr<CScopedEnv> state;
    if (row.state != nullptr)
        state = std::make_unique<CScopedEnv>(
            "XDG_STATE_HOME", row.state[0] == '/' ? Path(row.state + 1) : row.state);
    else
        ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(keeping::StateFolder(), Path(row.expected));
    EXPECT_EQ(keeping::RecoveryFolder(), Path(row.expected) + "/recovery");
    EXPECT_EQ(keeping::VersionsFolder(), Path(row.expected) + "/versions");
}

INSTANTIATE_TEST_SUITE_P(Keeping, StateFolderLocation,
    testing::Values(LocationRow { "/st", "st/vimble-email" },
        LocationRow { "relative/st", "home/.local/state/vimble-email" },
        LocationRow { "", "home/.local/state/vimble-email" },
        LocationRow { nullptr, "home/.local/state/vimble-email" }));

TEST_F(KeepingTest, every_folder_the_store_makes_is_the_persons_alone)
{
    const mode_t previous = ::umask(0);
    const keeping::RecoveryAbout about = About();
    Write(about, Archive(0xFFFFFF));
    Save(Path("Card.kel"), Archive(0xFFFFFF));
    std::string failure;
    EXPECT_TRUE(keeping::KeepEarlierVersion(Path("Card.kel"), &failure)) << failure;
    ::umask(previous);
    const auto versions = keeping::EarlierVersions(Path("Card.kel"));
    ASSERT_EQ(versions.size(), 1u);
    for (const std::string& folder :
        { keeping::StateFolder(), keeping::RecoveryFolder(), CopyFolder(about.strId),
            keeping::VersionsFolder(), platform::DirectoryOf(versions[0].strProject) })
        EXPECT_EQ(ModeOf(folder), 0700) << folder;
}

TEST_F(KeepingTest, recovery_ids_are_new_each_time_and_plain)
{
    const std::string a = keeping::NewRecoveryId();
    const std::string b = keeping::NewRecoveryId();
    EXPECT_NE(a, b);
    for (const std::string& id : { a, b })
        EXPECT_TRUE(std::all_of(id.begin(), id.end(), [](char c) {
            return std::isalnum(c) || c == '-';
        })) << id;
}

// ---- recovery copies: write, list, restore, discard ----

struct GreetingRow {
    const char* name;
    const char* original; // under the test's folder; "" when never saved
};

class RecoveryRoundTrip : public KeepingTest, public testing::WithParamInterface<GreetingRow> { };

TEST_P(RecoveryRoundTrip, a_written_copy_is_listed_restored_and_discarded)
{
    const GreetingRow& row = GetParam();
    const std::string original = *row.original != '\0' ? Path(row.original) : std::string();
    const keeping::RecoveryAbout about { keeping::NewRecoveryId(), row.name, original, 31337 };
    const std::vector<uint8_t> archive = Archive(0x00FF00);
    Write(about, archive);

    const auto copies = keeping::ListRecoveryCopies();
    ASSERT_EQ(copies.size(), 1u);
    const keeping::RecoveryCopy& copy = copies[0];
    EXPECT_TRUE(copy.bReadable) << copy.strProblem;
    EXPECT_EQ(copy.strProblem, "");
    EXPECT_EQ(copy.about.strId, about.strId);
    EXPECT_EQ(copy.about.strName, row.name);
    EXPECT_EQ(copy.about.strOriginal, original);
    EXPECT_EQ(copy.about.nPid, 31337);
    EXPECT_EQ(copy.nTime, kStart);
    EXPECT_EQ(copy.nSize, platform::FileLength(copy.strProject));
    EXPECT_EQ(ArchiveOf(copy.strProject), archive);
    EXPECT_FALSE(copy.strStill.empty());

    const std::string out = Path("восстановлено 復元.kel");
    std::string failure;
    ASSERT_TRUE(keeping::RestoreRecoveryCopy(about.strId, out, &failure)) << failure;
    EXPECT_EQ(Read(out), Read(copy.strProject));
    EXPECT_NE(ReadProjectFile(out), nullptr);

    EXPECT_TRUE(keeping::DiscardRecoveryCopy(about.strId));
    EXPECT_FALSE(platform::FileExists(CopyFolder(about.strId)));
    EXPECT_TRUE(keeping::ListRecoveryCopies().empty());
    EXPECT_FALSE(keeping::RestoreRecoveryCopy(about.strId, Path("again.kel"), &failure));
    EXPECT_NE(failure.find(about.strId), std::string::npos) << failure;
}

INSTANTIATE_TEST_SUITE_P(Keeping, RecoveryRoundTrip,
    testing::Values(GreetingRow { keeping::kUntitled, "" },
        GreetingRow { "Fête", "cartes/Fête.kel" },
        GreetingRow { "С днём рождения", "открытки/С днём рождения.kel" },
        GreetingRow { "お誕生日おめでとう", "カード/お誕生日おめでとう.kel" }));

TEST_F(KeepingTest, a_second_write_replaces_the_first_and_leaves_one_generation)
{
    const keeping::RecoveryAbout about = About();
    Write(about, Archive(0xFF0000));
    Write(about, Archive(0x0000FF));
    EXPECT_EQ(Files(CopyFolder(about.strId)),
        (std::vector<std::string> { "about.json", "copy-2.kel", "still-2.png" }));
    const auto copies = keeping::ListRecoveryCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(ArchiveOf(copies[0].strProject), Archive(0x0000FF));
}

TEST_F(KeepingTest, what_a_killed_writer_left_is_not_listed_and_goes_with_the_next_write)
{
    const keeping::RecoveryAbout about = About();
    Write(about, Archive(0xFF0000));
    const std::string folder = CopyFolder(about.strId);
    // A writer killed after its project file, and one killed in the middle of the still.
    platform::WriteWholeFile(folder + "/copy-2.kel", fixtures::ProjectFileBytes(Archive(0)));
    WriteText(folder + "/still-9.png", "PNG");
    WriteText(folder + "/~vb1A2B.tmp", "half");

    auto copies = keeping::ListRecoveryCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(platform::FileNameOf(copies[0].strProject), "copy-1.kel");
    EXPECT_EQ(ArchiveOf(copies[0].strProject), Archive(0xFF0000));

    Write(about, Archive(0x00FF00));
    EXPECT_EQ(
        Files(folder), (std::vector<std::string> { "about.json", "copy-2.kel", "still-2.png" }));
    copies = keeping::ListRecoveryCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(ArchiveOf(copies[0].strProject), Archive(0x00FF00));
}

// ---- copies that cannot be read ----

struct DamageRow {
    const char* what;
    std::function<void(const std::string& folder)> damage;
    const char* problem;
};

class UnreadableCopy : public KeepingTest, public testing::WithParamInterface<DamageRow> { };

TEST_P(UnreadableCopy, is_listed_with_its_problem_and_kept_until_discarded)
{
    const DamageRow& row = GetParam();
    const keeping::RecoveryAbout about = About();
    Write(about, Archive(0xFF0000));
    row.damage(CopyFolder(about.strId));

    for (int look = 0; look < 2; ++look) {
        const auto copies = keeping::ListRecoveryCopies();
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_EQ(copies[0].about.strId, about.strId);
        EXPECT_FALSE(copies[0].bReadable);
        EXPECT_EQ(copies[0].strProblem, row.problem);
        EXPECT_EQ(copies[0].strProject, "");
        EXPECT_EQ(keeping::AbandonedRecoveryCopies(0).size(), 1u);
    }
    std::string failure;
    EXPECT_FALSE(keeping::RestoreRecoveryCopy(about.strId, Path("out.kel"), &failure));
    EXPECT_NE(failure.find(row.problem), std::string::npos) << failure;
    EXPECT_FALSE(platform::FileExists(Path("out.kel")));
    EXPECT_TRUE(keeping::DiscardRecoveryCopy(about.strId));
    EXPECT_TRUE(keeping::ListRecoveryCopies().empty());
}

INSTANTIATE_TEST_SUITE_P(Keeping, UnreadableCopy,
    testing::Values(
        DamageRow { "garbled",
            [](const std::string& folder) { WriteText(folder + "/about.json", R"({"id)"); },
            "its description cannot be read" },
        DamageRow { "fieldless",
            [](const std::string& folder) {
                WriteText(folder + "/about.json", R"({"format": 1, "name": "Card"})");
            },
            "its description cannot be read" },
        DamageRow { "no_description",
            [](const std::string& folder) { platform::DeleteFile(folder + "/about.json"); },
            "its description is missing" },
        DamageRow { "no_project",
            [](const std::string& folder) { platform::DeleteFile(folder + "/copy-1.kel"); },
            "its project file copy-1.kel is missing" },
        DamageRow { "untagged_project",
            [](const std::string& folder) { StripHeaderTag(folder + "/copy-1.kel"); },
            "its project file copy-1.kel is not a project file" }),
    [](const testing::TestParamInfo<DamageRow>& info) { return info.param.what; });

// ---- writes that cannot be done ----

class KeepingFailures : public KeepingTest {
protected:
    void SetUp() override
    {
        KeepingTest::SetUp();
        m_about = About();
        Write(m_about, Archive(0xFF0000));
        m_folder = CopyFolder(m_about.strId);
        m_before = Files(m_folder);
        m_beforeProject = Read(m_folder + "/copy-1.kel");
    }
    // The previous copy is as it was, with nothing beside it.
    void ExpectPreviousCopyIntact()
    {
        EXPECT_EQ(Files(m_folder), m_before);
        EXPECT_EQ(Read(m_folder + "/copy-1.kel"), m_beforeProject);
        const auto copies = keeping::ListRecoveryCopies();
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_TRUE(copies[0].bReadable);
        EXPECT_EQ(ArchiveOf(copies[0].strProject), Archive(0xFF0000));
    }
    keeping::RecoveryAbout m_about;
    std::string m_folder;
    std::vector<std::string> m_before;
    std::vector<uint8_t> m_beforeProject;
};

TEST_F(KeepingFailures, an_archive_that_does_not_read_back_is_not_written)
{
    std::vector<uint8_t> cut = Archive(0x00FF00);
    cut.resize(cut.size() / 2);
    std::string failure;
    EXPECT_FALSE(keeping::WriteRecoveryCopy(m_about, cut, &failure));
    EXPECT_NE(failure.find("Card"), std::string::npos) << failure;
    ExpectPreviousCopyIntact();
}

TEST_F(KeepingFailures, a_full_disk_leaves_the_previous_copy_and_says_why)
{
    std::string failure;
    bool bWritten = true;
    {
        const CFileSizeLimit full(16);
        bWritten = keeping::WriteRecoveryCopy(m_about, Archive(0x00FF00), &failure);
    }
    EXPECT_FALSE(bWritten);
    EXPECT_NE(failure.find("File too large"), std::string::npos) << failure;
    ExpectPreviousCopyIntact();
}

TEST_F(KeepingFailures, a_read_only_folder_leaves_the_previous_copy_and_says_why)
{
    ASSERT_EQ(::chmod(m_folder.c_str(), 0500), 0);
    std::string failure;
    bool bWritten = true;
    bool bBound = false;
    ASSERT_TRUE(RunBoundByPermissions([&] {
        const std::string probe = m_folder + "/probe";
        bBound = ::mkdir(probe.c_str(), 0700) != 0;
        if (bBound)
            bWritten = keeping::WriteRecoveryCopy(m_about, Archive(0x00FF00), &failure);
        else
            ::rmdir(probe.c_str());
    }));
    ::chmod(m_folder.c_str(), 0700);
    if (!bBound)
        GTEST_SKIP() << "this user writes into folders without write permission";
    EXPECT_FALSE(bWritten);
    EXPECT_NE(failure.find("Permission denied"), std::string::npos) << failure;
    ExpectPreviousCopyIntact();
}

TEST_F(KeepingFailures, a_full_disk_keeps_no_version_and_leaves_those_kept)
{
    const std::string path = Path("Card.kel");
    Save(path, Archive(1));
    KeepAndSave(path, Archive(2));
    const auto before = keeping::EarlierVersions(path);
    const std::string folder = platform::DirectoryOf(before.at(0).strProject);
    const std::vector<std::string> files = Files(folder);
    std::string failure;
    bool bKept = true;
    {
        const CFileSizeLimit full(16);
        bKept = keeping::KeepEarlierVersion(path, &failure);
    }
    EXPECT_FALSE(bKept);
    EXPECT_NE(failure.find("File too large"), std::string::npos) << failure;
    EXPECT_EQ(Files(folder), files);
    ASSERT_EQ(keeping::EarlierVersions(path).size(), 1u);
    EXPECT_EQ(ArchiveOf(keeping::EarlierVersions(path)[0].strProject), Archive(1));
}

// ---- whose copies they are ----

TEST_F(KeepingTest, abandoned_copies_are_those_of_editors_that_do_not_run)
{
    const keeping::RecoveryAbout ended = About("Ended", 100);
    const keeping::RecoveryAbout running = About("Running", 200);
    Write(ended, Archive(1));
    g_now += 10;
    Write(running, Archive(2));

    auto ids = [](const std::vector<keeping::RecoveryCopy>& copies) {
        std::vector<std::string> result;
        for (const auto& copy : copies)
            result.push_back(copy.about.strId);
        return result;
    };
    // Newest first.
    EXPECT_EQ(ids(keeping::ListRecoveryCopies()),
        (std::vector<std::string> { running.strId, ended.strId }));
    EXPECT_EQ(ids(keeping::AbandonedRecoveryCopies(0)),
        (std::vector<std::string> { running.strId, ended.strId }));
    EXPECT_EQ(ids(keeping::AbandonedRecoveryCopies(200)), std::vector<std::string> { ended.strId });
    // The running editor opened the ended one's copy: it is no longer left behind.
    EXPECT_TRUE(keeping::AdoptRecoveryCopy(ended.strId, 200));
    EXPECT_TRUE(keeping::AbandonedRecoveryCopies(200).empty());
    EXPECT_EQ(keeping::ListRecoveryCopies().at(1).about.nPid, 200);
    EXPECT_FALSE(keeping::AdoptRecoveryCopy("no-such-copy", 200));
}

TEST_F(KeepingTest, the_running_editor_is_the_one_holding_the_lock)
{
    const std::string lockPath = Path("editor.lock");
    EXPECT_EQ(keeping::RunningEditorPid(lockPath), 0);
    {
        QLockFile held(QString::fromStdString(lockPath));
        ASSERT_TRUE(held.tryLock(0));
        EXPECT_EQ(keeping::RunningEditorPid(lockPath), ::getpid());
        // Asking did not take the lock from its holder.
        EXPECT_TRUE(held.isLocked());
        EXPECT_EQ(keeping::RunningEditorPid(lockPath), ::getpid());
    }
    EXPECT_EQ(keeping::RunningEditorPid(lockPath), 0);
    // The lock of an editor that has ended is nobody's.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string text
        = std::to_string(child) + "\nvimble\n" + QSysInfo::machineHostName().toStdString() + "\n";
    WriteText(lockPath, text);
    EXPECT_EQ(keeping::RunningEditorPid(lockPath), 0);
}

// ---- earlier versions ----

TEST_F(KeepingTest, the_five_newest_versions_are_kept_and_numbered_from_the_newest)
{
    const std::string path = Path("Grüße/Karte.kel");
    ASSERT_TRUE(fs::create_directories(Path("Grüße")));
    std::vector<std::vector<uint8_t>> saved;
    for (uint32_t i = 0; i < 8; ++i) {
        g_now = kStart + i * 60;
        saved.push_back(fixtures::ProjectFileBytes(Archive(i)));
        if (i == 0)
            Save(path, Archive(i));
        else
            KeepAndSave(path, Archive(i));
    }
    // Seven saves replaced seven versions: the five newest are there, the last replaced first.
    const auto versions = keeping::EarlierVersions(path);
    ASSERT_EQ(versions.size(), 5u);
    for (size_t n = 0; n < versions.size(); ++n) {
        SCOPED_TRACE(n);
        const std::vector<uint8_t>& was = saved[saved.size() - 2 - n];
        EXPECT_EQ(versions[n].nNumber, static_cast<int>(n) + 1);
        EXPECT_EQ(versions[n].nTime, kStart + static_cast<int64_t>(saved.size() - 1 - n) * 60);
        EXPECT_EQ(versions[n].nSize, static_cast<int64_t>(was.size()));
        EXPECT_EQ(Read(versions[n].strProject), was);
        EXPECT_EQ(versions[n].strStill, "");
    }
    // Nothing else is kept.
    EXPECT_EQ(Files(platform::DirectoryOf(versions[0].strProject)).size(), 6u);

    for (int n : { 1, 3, 5 }) {
        const std::string out = Path("restored-" + std::to_string(n) + ".kel");
        std::string failure;
        ASSERT_TRUE(keeping::RestoreEarlierVersion(path, n, out, &failure)) << failure;
        EXPECT_EQ(Read(out), saved[saved.size() - 1 - static_cast<size_t>(n)]) << n;
    }
    std::string failure;
    for (int n : { 0, 6, -1 }) {
        EXPECT_FALSE(keeping::RestoreEarlierVersion(path, n, Path("none.kel"), &failure));
        EXPECT_NE(failure.find("no earlier version " + std::to_string(n)), std::string::npos)
            << failure;
    }
    EXPECT_FALSE(platform::FileExists(Path("none.kel")));
}

TEST_F(KeepingTest, versions_replaced_more_than_thirty_days_ago_go)
{
    const std::string path = Path("Card.kel");
    Save(path, Archive(1));
    KeepAndSave(path, Archive(2)); // replaced at the start
    g_now = kStart + 10 * kDay;
    KeepAndSave(path, Archive(3));
    ASSERT_EQ(keeping::EarlierVersions(path).size(), 2u);
    const std::string oldest = keeping::EarlierVersions(path)[1].strProject;

    g_now = kStart + keeping::kKeptDays * kDay;
    EXPECT_EQ(keeping::EarlierVersions(path).size(), 2u);
    g_now = kStart + keeping::kKeptDays * kDay + 1;
    const auto versions = keeping::EarlierVersions(path);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].nTime, kStart + 10 * kDay);
    EXPECT_EQ(ArchiveOf(versions[0].strProject), Archive(2));
    EXPECT_FALSE(platform::FileExists(oldest));
}

TEST_F(KeepingTest, a_kept_version_is_a_second_name_of_the_replaced_file)
{
    const std::string path = Path("Card.kel");
    Save(path, Archive(1));
    const ino_t before = InodeOf(path);
    KeepAndSave(path, Archive(2));
    const auto versions = keeping::EarlierVersions(path);
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(InodeOf(versions[0].strProject), before);
    EXPECT_NE(InodeOf(path), before);
    EXPECT_EQ(ArchiveOf(versions[0].strProject), Archive(1));
}

TEST_F(KeepingTest, a_greeting_on_another_file_system_is_kept_as_a_copy)
{
    struct stat shm;
    struct stat here;
    char folder[] = "/dev/shm/keepingXXXXXX";
    if (::stat("/dev/shm", &shm) != 0 || ::stat(m_dir.c_str(), &here) != 0
        || shm.st_dev == here.st_dev || ::mkdtemp(folder) == nullptr)
        GTEST_SKIP() << "no second file system to keep from";
    const std::string path = std::string(folder) + "/Card.kel";
    Save(path, Archive(1));
    KeepAndSave(path, Archive(2));
    const auto versions = keeping::EarlierVersions(path);
    struct stat kept { };
    const int found = versions.size() == 1 ? ::stat(versions[0].strProject.c_str(), &kept) : -1;
    const std::vector<uint8_t> archive
        = found == 0 ? ArchiveOf(versions[0].strProject) : std::vector<uint8_t> {};
    std::error_code ec;
    fs::remove_all(folder, ec);
    ASSERT_EQ(found, 0);
    EXPECT_EQ(kept.st_nlink, 1u);
    EXPECT_EQ(archive, Archive(1));
}

TEST_F(KeepingTest, restoring_over_the_greeting_keeps_what_it_was)
{
    const std::string path = Path("Card.kel");
    Save(path, Archive(1));
    KeepAndSave(path, Archive(2));
    KeepAndSave(path, Archive(3));
    std::string failure;
    ASSERT_TRUE(keeping::RestoreEarlierVersion(path, 2, path, &failure)) << failure;
    EXPECT_EQ(ArchiveOf(path), Archive(1));
    const auto versions = keeping::EarlierVersions(path);
    ASSERT_EQ(versions.size(), 3u);
    EXPECT_EQ(ArchiveOf(versions[0].strProject), Archive(3));
    EXPECT_EQ(ArchiveOf(versions[1].strProject), Archive(2));
    EXPECT_EQ(ArchiveOf(versions[2].strProject), Archive(1));
}

TEST_F(KeepingTest, a_greeting_never_saved_has_nothing_to_keep)
{
    std::string failure;
    EXPECT_TRUE(keeping::KeepEarlierVersion(Path("new.kel"), &failure)) << failure;
    EXPECT_TRUE(keeping::EarlierVersions(Path("new.kel")).empty());
    EXPECT_FALSE(platform::FileExists(keeping::VersionsFolder()));
}

TEST_F(KeepingTest, versions_are_found_by_the_greetings_normal_path)
{
    ASSERT_TRUE(fs::create_directories(Path("a/b")));
    const std::string path = Path("a/b/Card.kel");
    Save(path, Archive(1));
    KeepAndSave(path, Archive(2));
    EXPECT_EQ(keeping::EarlierVersions(Path("a/./b/../b//Card.kel")).size(), 1u);
    EXPECT_TRUE(keeping::EarlierVersions(Path("a/Card.kel")).empty());
}

// ---- still pictures ----

TEST_F(KeepingTest, stills_are_the_first_stage_at_320_by_240)
{
    const keeping::RecoveryAbout about = About();
    Write(about, Archive(0x0000FF)); // red
    const auto copies = keeping::ListRecoveryCopies();
    ASSERT_EQ(copies.size(), 1u);
    const std::string path = Path("Card.kel");
    Save(path, Archive(0xFF0000)); // blue
    KeepAndSave(path, Archive(0x00FF00));
    const auto versions = keeping::EarlierVersions(path);
    ASSERT_EQ(versions.size(), 1u);
    const QImage versionStill = keeping::EarlierVersionStill(path, versions[0]);
    const auto again = keeping::EarlierVersions(path);

    struct Row {
        const char* what;
        QImage image;
        QRgb colour;
    } rows[] = {
        { "recovery copy", QImage(QString::fromStdString(copies[0].strStill)), qRgb(255, 0, 0) },
        { "rendered", keeping::RenderProjectStill(path), qRgb(0, 255, 0) },
        { "earlier version", versionStill, qRgb(0, 0, 255) },
        { "earlier version kept", QImage(QString::fromStdString(again[0].strStill)),
            qRgb(0, 0, 255) },
        { "earlier version again", keeping::EarlierVersionStill(path, again[0]), qRgb(0, 0, 255) },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_EQ(row.image.size(), QSize(320, 240));
        for (const QPoint at : { QPoint(0, 0), QPoint(160, 120), QPoint(319, 239) })
            EXPECT_EQ(row.image.pixel(at) & 0xFFFFFF, row.colour & 0xFFFFFF);
    }
    EXPECT_TRUE(keeping::RenderProjectStill(Path("missing.kel")).isNull());
}

TEST_F(KeepingTest, a_versions_still_is_given_even_when_it_cannot_be_kept)
{
    const std::string path = Path("Card.kel");
    Save(path, Archive(0x0000FF));
    KeepAndSave(path, Archive(0x00FF00));
    const auto versions = keeping::EarlierVersions(path);
    ASSERT_EQ(versions.size(), 1u);
    const std::string folder = platform::DirectoryOf(versions[0].strProject);
    const std::vector<std::string> before = Files(folder);
    ASSERT_EQ(::chmod(folder.c_str(), 0500), 0);
    QImage still;
    bool bBound = false;
    ASSERT_TRUE(RunBoundByPermissions([&] {
        const std::string probe = folder + "/probe";
        bBound = ::mkdir(probe.c_str(), 0700) != 0;
        if (bBound)
            still = keeping::EarlierVersionStill(path, versions[0]);
        else
            ::rmdir(probe.c_str());
    }));
    ::chmod(folder.c_str(), 0700);
    if (!bBound)
        GTEST_SKIP() << "this user writes into folders without write permission";
    ASSERT_EQ(still.size(), QSize(320, 240));
    EXPECT_EQ(still.pixel(160, 120) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
    EXPECT_EQ(Files(folder), before);
}

} // namespace
