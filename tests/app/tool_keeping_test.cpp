// vimble-tool's keeping verbs as scripts use them: the recovery copies and the earlier versions
// of a state folder of the test's own, listed, written out and removed by the real program.
#include "mail/outbox.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "playback/keeping.h"
#include "tests/buildpaths.h"
#include "tests/command.h"
#include "tests/model/fixtures.h"
#include "tests/platform/scoped_env.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using testcommand::Result;

constexpr int64_t kStart = 1'900'000'000;
int64_t g_now = kStart;
int64_t TestClock()
{
    return g_now;
}

std::vector<uint8_t> Archive(uint32_t colour)
{
    return fixtures::NewProjectArchive(21, 22, 23, colour);
}

std::vector<uint8_t> Read(const std::string& path)
{
    std::vector<uint8_t> data;
    platform::ReadWholeFile(path, data);
    return data;
}

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

class ToolKeeping : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("toolkeeping");
        ASSERT_FALSE(m_dir.empty());
        // The tool inherits both: its store and the editor's lock are the test's.
        m_pState = std::make_unique<CScopedEnv>("XDG_STATE_HOME", m_dir + "/state");
        m_pRuntime = std::make_unique<CScopedEnv>("XDG_RUNTIME_DIR", m_dir);
        m_pLanguage = std::make_unique<CScopedEnv>("LANGUAGE", "en");
        m_previousClock = keeping::SetClock(&TestClock);
        g_now = kStart;
    }
    void TearDown() override
    {
        keeping::SetClock(m_previousClock);
        m_pLanguage.reset();
        m_pRuntime.reset();
        m_pState.reset();
        std::filesystem::remove_all(m_dir);
    }

    Result Run(const std::string& arguments) const
    {
        return testcommand::Run(std::string(built::kTool) + " " + arguments, m_dir + "/stderr.txt");
    }
    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    keeping::RecoveryAbout WriteCopy(
        const std::string& name, const std::string& original, int64_t pid, uint32_t colour)
    {
        const keeping::RecoveryAbout about { keeping::NewRecoveryId(), name, original, pid };
        std::string failure;
        EXPECT_TRUE(keeping::WriteRecoveryCopy(about, Archive(colour), &failure)) << failure;
        return about;
    }
    // The verb's output as a JSON array (empty when it is not one).
    static QJsonArray Array(const Result& result)
    {
        return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).array();
    }
    // The copy's project file.
    static std::string ProjectOf(const std::string& id)
    {
        for (const keeping::RecoveryCopy& copy : keeping::ListRecoveryCopies())
            if (copy.about.strId == id)
                return copy.strProject;
        return {};
    }

    std::string m_dir;
    std::unique_ptr<CScopedEnv> m_pState;
    std::unique_ptr<CScopedEnv> m_pRuntime;
    std::unique_ptr<CScopedEnv> m_pLanguage;
    keeping::Clock m_previousClock = nullptr;
};

TEST_F(ToolKeeping, recovery_list_describes_every_copy_as_json)
{
    // This process stands for the running editor: it holds the editor's lock.
    QLockFile editor(QString::fromStdString(keeping::EditorLockPath()));
    ASSERT_TRUE(editor.tryLock(0));
    const std::string original = Path("Открытки/День рождения.kel");
    const auto running = WriteCopy("День рождения", original, ::getpid(), 0x0000FF);
    g_now += 60;
    const auto ended = WriteCopy(keeping::kUntitled, "", 1, 0x00FF00);
    g_now += 60;
    const auto damaged = WriteCopy("Broken", Path("Broken.kel"), 1, 0xFF0000);
    platform::DeleteFile(ProjectOf(damaged.strId));

    const Result r = Run("recovery list");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const QJsonArray copies = Array(r);
    ASSERT_EQ(copies.size(), 3) << r.out;
    struct Expected {
        const keeping::RecoveryAbout& about;
        int64_t time;
        const char* readable;
        const char* problem; // nullptr: no problem field
        const char* running;
    } rows[] = {
        // Newest first.
        { damaged, kStart + 120, "no", "its project file copy-1.kel is missing", "no" },
        { ended, kStart + 60, "yes", nullptr, "no" },
        { running, kStart, "yes", nullptr, "yes" },
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const Expected& row = rows[i];
        const QJsonObject copy = copies[i].toObject();
        EXPECT_EQ(copy.value("id").toString().toStdString(), row.about.strId);
        EXPECT_EQ(copy.value("name").toString().toStdString(), row.about.strName);
        if (row.about.strOriginal.empty()) {
            EXPECT_TRUE(copy.value("original").isNull());
        } else {
            EXPECT_EQ(copy.value("original").toString().toStdString(), row.about.strOriginal);
        }
        EXPECT_EQ(copy.value("time").toString().toStdString(), IsoTimeUtc(row.time));
        const std::string project = ProjectOf(row.about.strId);
        EXPECT_EQ(
            copy.value("size").toInteger(), project.empty() ? 0 : platform::FileLength(project));
        EXPECT_EQ(copy.value("readable").toString().toStdString(), row.readable);
        EXPECT_EQ(copy.contains("problem"), row.problem != nullptr);
        if (row.problem != nullptr) {
            EXPECT_EQ(copy.value("problem").toString().toStdString(), row.problem);
        }
        EXPECT_EQ(copy.value("running").toString().toStdString(), row.running);
    }
    // With no editor running, no copy's editor runs.
    editor.unlock();
    const QJsonArray later = Array(Run("recovery list"));
    ASSERT_EQ(later.size(), 3);
    EXPECT_EQ(later[2].toObject().value("running").toString(), "no");
}

TEST_F(ToolKeeping, recovery_list_of_an_empty_store_is_an_empty_array)
{
    const Result r = Run("recovery list");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "[]\n");
}

TEST_F(ToolKeeping, recovery_restore_and_discard)
{
    const auto about = WriteCopy("Card", Path("Card.kel"), 1, 0x0000FF);
    const std::string out = Path("Récupéré カード.kel");
    Result r = Run("recovery restore " + about.strId + " " + Quoted(out));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Read(out), Read(ProjectOf(about.strId)));

    r = Run("recovery discard " + about.strId);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(keeping::ListRecoveryCopies().empty());
    EXPECT_EQ(Array(Run("recovery list")).size(), 0);
}

TEST_F(ToolKeeping, recovery_failures_say_what_in_one_line)
{
    const auto damaged = WriteCopy("Broken", Path("Broken.kel"), 1, 0xFF0000);
    StripHeaderTag(ProjectOf(damaged.strId));
    const auto good = WriteCopy("Card", Path("Card.kel"), 1, 0x0000FF);
    struct Case {
        std::string arguments;
        std::string err;
        int status;
    } cases[] = {
        { "recovery restore no-such-id " + Quoted(Path("out.kel")),
            "no-such-id: there is no such recovery copy\n", 1 },
        { "recovery restore " + damaged.strId + " " + Quoted(Path("out.kel")),
            damaged.strId
                + ": the recovery copy cannot be read (its project file copy-1.kel is not a "
                  "project file)\n",
            1 },
        { "recovery restore " + good.strId + " " + Quoted(Path("no/such/folder/out.kel")),
            Path("no/such/folder/out.kel") + ": cannot be written (No such file or directory)\n",
            1 },
        { "recovery discard no-such-id", "no-such-id: there is no such recovery copy\n", 1 },
        { "recovery discard ../state", "../state: there is no such recovery copy\n", 1 },
    };
    for (const Case& c : cases) {
        const Result r = Run(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments;
        EXPECT_EQ(r.err, c.err) << c.arguments;
        EXPECT_EQ(r.out, "") << c.arguments;
    }
    EXPECT_FALSE(platform::FileExists(Path("out.kel")));
    // The damaged copy stays until it is discarded.
    EXPECT_EQ(keeping::ListRecoveryCopies().size(), 2u);
    EXPECT_EQ(Run("recovery discard " + damaged.strId).status, 0);
    EXPECT_EQ(keeping::ListRecoveryCopies().size(), 1u);
    for (const char* misuse : { "recovery", "recovery list more", "recovery restore id",
             "recovery discard", "recovery frobnicate" })
        EXPECT_EQ(Run(misuse).status, 2) << misuse;
}

TEST_F(ToolKeeping, versions_are_listed_and_restored)
{
    const std::string path = Path("Grüße.kel");
    std::vector<std::vector<uint8_t>> files;
    for (uint32_t i = 0; i < 3; ++i) {
        g_now = kStart + i * 3600;
        std::string failure;
        ASSERT_TRUE(keeping::KeepEarlierVersion(path, &failure)) << failure;
        files.push_back(fixtures::ProjectFileBytes(Archive(i)));
        ASSERT_TRUE(platform::ReplaceFileContent(path, files.back()));
    }
    Result r = Run("versions " + Quoted(path));
    ASSERT_EQ(r.status, 0) << r.err;
    const QJsonArray versions = Array(r);
    ASSERT_EQ(versions.size(), 2) << r.out;
    for (int n = 1; n <= 2; ++n) {
        const QJsonObject version = versions[n - 1].toObject();
        EXPECT_EQ(version.value("number").toInt(), n);
        EXPECT_EQ(
            version.value("time").toString().toStdString(), IsoTimeUtc(kStart + (3 - n) * 3600));
        EXPECT_EQ(version.value("size").toInteger(), static_cast<int64_t>(files[2 - n].size()));
        EXPECT_EQ(version.keys(), (QStringList { "number", "size", "time" }));
    }
    for (int n = 1; n <= 2; ++n) {
        const std::string out = Path("version " + std::to_string(n) + ".kel");
        r = Run("versions restore " + Quoted(path) + " " + std::to_string(n) + " " + Quoted(out));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(Read(out), files[2 - static_cast<size_t>(n)]);
    }
    r = Run("versions restore " + Quoted(path) + " 3 " + Quoted(Path("out.kel")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, path + ": there is no earlier version 3\n");
    EXPECT_FALSE(platform::FileExists(Path("out.kel")));
    r = Run("versions " + Quoted(Path("never saved.kel")));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "[]\n");
    const std::string misuses[]
        = { "versions", "versions restore " + Quoted(path) + " x " + Quoted(Path("o.kel")),
              "versions " + Quoted(path) + " more" };
    for (const std::string& misuse : misuses)
        EXPECT_EQ(Run(misuse).status, 2) << misuse;
}

TEST_F(ToolKeeping, the_usage_names_both_verbs)
{
    const Result r = Run("frobnicate");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("  recovery list | restore ID OUT.kel | discard ID "), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("  versions FILE.kel | restore FILE.kel N OUT.kel "), std::string::npos)
        << r.err;
}

} // namespace
