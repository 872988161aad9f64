// Project files: the tag, the working files beside an opened project, putting it back, and
// what a damaged file does.
#include "model/bitmap.h"
#include "model/lzss.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "tests/model/fixtures.h"
#include "translations/translator.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using fixtures::ProjectFileBytes;

class ProjectFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("projtest");
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Path(const char* name) const { return m_dir + "/" + name; }
    std::vector<uint8_t> Read(const std::string& path) const
    {
        std::vector<uint8_t> data;
        EXPECT_TRUE(platform::ReadWholeFile(path, data)) << path;
        return data;
    }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string m_dir;
};

TEST(WorkingFiles, AreFormedFromTheEndOfThePath)
{
    EXPECT_EQ(WorkingFileName("/d/x.kel", WorkingFile::W1), "/d/x.ke~");
    EXPECT_EQ(WorkingFileName("/d/x.kel", WorkingFile::W2), "/d/x.ke$");
    EXPECT_EQ(WorkingFileName("/d/x.kel", WorkingFile::W3), "/d/x.k$$");
}

TEST_F(ProjectFileTest, TagIsComparedExactly)
{
    platform::WriteWholeFile(Path("good.kel"), ProjectFileBytes(fixtures::NewProjectArchive(2, 3, 4)));
    std::vector<uint8_t> lower = Read(Path("good.kel"));
    std::copy_n("120kelfile", 10, lower.begin());
    platform::WriteWholeFile(Path("lower.kel"), lower);
    platform::WriteWholeFile(Path("short.kel"), std::vector<uint8_t>{'1', '2', '0'});
    EXPECT_TRUE(IsProjectFile(Path("good.kel")));
    EXPECT_FALSE(IsProjectFile(Path("lower.kel")));
    EXPECT_FALSE(IsProjectFile(Path("short.kel")));

    platform::CMessageRecorder recorder;
    EXPECT_FALSE(IsProjectFile(Path("missing.kel")));
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_EQ(recorder.m_messages[0].strText, "some other error occured");

    std::unique_ptr<CAbstractMovie> movie;
    recorder.m_messages.clear();
    EXPECT_FALSE(OpenProject(Path("lower.kel"), movie));
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_EQ(recorder.m_messages[0].strText, "Not a valid file!");
    EXPECT_EQ(Files(), (std::vector<std::string>{"good.kel", "lower.kel", "short.kel"}));
}

TEST_F(ProjectFileTest, AddAndStripTagAreInverse)
{
    std::vector<uint8_t> content{1, 2, 3, 4, 5};
    platform::WriteWholeFile(Path("p.kel"), content);
    EXPECT_TRUE(AddHeaderTag(Path("p.kel")));
    std::vector<uint8_t> tagged = Read(Path("p.kel"));
    EXPECT_EQ(std::string(tagged.begin(), tagged.begin() + 10), "120KELFILE");
    EXPECT_TRUE(StripHeaderTag(Path("p.kel")));
    EXPECT_EQ(Read(Path("p.kel")), content);
    EXPECT_EQ(Files(), std::vector<std::string>{"p.kel"}); // no temporary file left behind

    platform::CMessageRecorder recorder;
    EXPECT_FALSE(AddHeaderTag(Path("none.kel")));
    EXPECT_FALSE(StripHeaderTag(Path("none.kel")));
    ASSERT_EQ(recorder.m_messages.size(), 2u);
    EXPECT_EQ(recorder.m_messages[0].strText, "some error occured");
}

TEST_F(ProjectFileTest, OpeningLeavesThePlainAndCompressedWorkingFiles)
{
    std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    std::vector<uint8_t> file = ProjectFileBytes(archive);
    platform::WriteWholeFile(Path("a.kel"), file);
    std::unique_ptr<CAbstractMovie> movie;
    ASSERT_TRUE(OpenProject(Path("a.kel"), movie));
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.k$$", "a.kel", "a.ke~"}));
    EXPECT_EQ(Read(Path("a.ke~")), archive);
    EXPECT_EQ(Read(Path("a.k$$")), std::vector<uint8_t>(file.begin() + 10, file.end()));

    RestoreProject(Path("a.kel"));
    EXPECT_EQ(Files(), std::vector<std::string>{"a.kel"});
    EXPECT_EQ(Read(Path("a.kel")), file);
}

TEST_F(ProjectFileTest, ResavingAnIndependentlyWrittenFileGivesTheSameBytes)
{
    for (const auto& archive : {fixtures::FullProjectArchive(), fixtures::NewProjectArchive(9, 8, 7)}) {
        std::vector<uint8_t> file = ProjectFileBytes(archive);
        platform::WriteWholeFile(Path("in.kel"), file);
        std::unique_ptr<CAbstractMovie> movie;
        ASSERT_TRUE(OpenProject(Path("in.kel"), movie));
        ASSERT_TRUE(SaveProject(*movie, Path("out.kel")));
        RestoreProject(Path("in.kel"));
        EXPECT_EQ(Read(Path("out.kel")), file);
    }
}

TEST_F(ProjectFileTest, SavingOverTheOpenedFileThenClosingKeepsTheSave)
{
    platform::WriteWholeFile(Path("s.kel"), ProjectFileBytes(fixtures::NewProjectArchive(2, 3, 4)));
    std::unique_ptr<CAbstractMovie> movie;
    ASSERT_TRUE(OpenProject(Path("s.kel"), movie));
    movie->GetFirstStage()->m_strName = "Anniversaire";
    ASSERT_TRUE(SaveProject(*movie, Path("s.kel")));
    CloseProjectFiles(Path("s.kel"));
    EXPECT_EQ(Files(), std::vector<std::string>{"s.kel"});
    std::unique_ptr<CAbstractMovie> back;
    ASSERT_TRUE(OpenProject(Path("s.kel"), back));
    EXPECT_EQ(back->GetFirstStage()->m_strName, "Anniversaire");
    RestoreProject(Path("s.kel"));
}

TEST_F(ProjectFileTest, ArchiveEndingEarlyIsAReadErrorAndLaterWorkGoesOn)
{
    std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    archive.resize(archive.size() / 2);
    std::vector<uint8_t> damaged = ProjectFileBytes(archive);
    platform::WriteWholeFile(Path("bad.kel"), damaged);
    platform::WriteWholeFile(Path("good.kel"), ProjectFileBytes(fixtures::FullProjectArchive()));

    platform::CMessageRecorder recorder;
    std::unique_ptr<CAbstractMovie> movie;
    EXPECT_FALSE(OpenProject(Path("bad.kel"), movie));
    EXPECT_FALSE(movie);
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_NE(recorder.m_messages[0].strText.find("bad.kel: read error at byte"), std::string::npos);
    EXPECT_FALSE(platform::FileExists(Path("bad.ke~")));
    RestoreProject(Path("bad.kel"));
    EXPECT_EQ(Read(Path("bad.kel")), damaged);

    // One damaged file does not stop the next open and save.
    ASSERT_TRUE(OpenProject(Path("good.kel"), movie));
    EXPECT_TRUE(SaveProject(*movie, Path("copy.kel")));
    RestoreProject(Path("good.kel"));
    EXPECT_EQ(Read(Path("copy.kel")), Read(Path("good.kel")));
}

TEST_F(ProjectFileTest, AFailedSaveLeavesTheOldFileWhole)
{
    std::vector<uint8_t> old = ProjectFileBytes(fixtures::NewProjectArchive(2, 3, 4));
    platform::WriteWholeFile(Path("keep.kel"), old);
    auto movie = CAbstractMovie::NewProject();
    // A sound whose private file has vanished cannot be written.
    auto sound = std::make_unique<CSound>();
    sound->m_nKind = CSound::kindWave;
    sound->m_strPath = Path("vanished.wav");
    movie->GetFirstStage()->SetSound(std::move(sound));
    platform::CMessageRecorder recorder;
    EXPECT_FALSE(SaveProject(*movie, Path("keep.kel")));
    EXPECT_EQ(Read(Path("keep.kel")), old);
    EXPECT_EQ(Files(), std::vector<std::string>{"keep.kel"});
    ASSERT_EQ(recorder.m_messages.size(), 1u);
    EXPECT_NE(recorder.m_messages[0].strText.find("vanished.wav"), std::string::npos);
}

// The failures people meet most, in German with their pieces in place: a project cut short,
// a file that is no project, a picture that is no picture, a save whose sound has vanished.
TEST_F(ProjectFileTest, FailuresAreGivenInTheProgramsLanguage)
{
    std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    archive.resize(3);
    platform::WriteWholeFile(Path("cut.kel"), ProjectFileBytes(archive));
    const std::string notes = "shopping list";
    platform::WriteWholeFile(
        Path("notes.kel"), std::span(reinterpret_cast<const uint8_t*>(notes.data()), notes.size()));
    // A 1 x 1 bitmap of two planes.
    std::vector<uint8_t> bmp = { 'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0,
        0, 0, 1, 0, 0, 0, 2, 0, 24, 0 };
    bmp.resize(58, 0);
    platform::WriteWholeFile(Path("planes.bmp"), bmp);
    auto movie = CAbstractMovie::NewProject();
    auto sound = std::make_unique<CSound>();
    sound->m_nKind = CSound::kindWave;
    sound->m_strPath = Path("vanished.wav");
    movie->GetFirstStage()->SetSound(std::move(sound));

    const auto failures = [&] {
        std::vector<std::string> texts;
        platform::Message failure;
        EXPECT_FALSE(ReadProjectFile(Path("cut.kel"), &failure));
        texts.push_back(failure.strText);
        EXPECT_FALSE(ReadProjectFile(Path("notes.kel"), &failure));
        texts.push_back(failure.strText);
        platform::CMessageRecorder recorder;
        CHBitmap bitmap;
        EXPECT_FALSE(bitmap.LoadFromFile(Path("planes.bmp")));
        EXPECT_FALSE(SaveProject(*movie, Path("keep.kel")));
        for (const platform::Message& message : recorder.m_messages)
            texts.push_back(message.strText);
        return texts;
    };
    const std::vector<std::string> english = failures();
    ASSERT_TRUE(translations::InstallTranslators(platform::ELanguage::German));
    const std::vector<std::string> german = failures();
    translations::InstallTranslators(platform::ELanguage::English);

    ASSERT_EQ(english.size(), 4u);
    EXPECT_EQ(
        english[0], "cut.kel: read error at byte 0 in the movie (the file ends 1 bytes early)");
    // In the model's code page.
    const std::vector<std::string> expected = {
        
            "cut.kel: Lesefehler bei Byte 0 in „the movie“ (die Datei endet 1 Bytes zu früh)",
        Path("notes.kel") + ": keine Grußdatei (die Kennung am Anfang fehlt)",
        Path("planes.bmp") + ": eine Bitmap mit 2 Ebenen",
        "keep.kel: Schreibfehler in „a sound“ (die Klangdatei "
            + Path("vanished.wav") + " lässt sich nicht lesen)",
    };
    EXPECT_EQ(german, expected);
}

TEST_F(ProjectFileTest, TruncatedProjectFilesFailCleanly)
{
    std::vector<uint8_t> file = ProjectFileBytes(fixtures::NewProjectArchive(2, 3, 4));
    for (size_t cut = 0; cut < file.size(); ++cut) {
        platform::WriteWholeFile(Path("t.kel"), std::vector<uint8_t>(file.begin(), file.begin() + static_cast<long>(cut)));
        platform::CMessageRecorder recorder;
        std::unique_ptr<CAbstractMovie> movie;
        EXPECT_FALSE(OpenProject(Path("t.kel"), movie)) << cut;
        EXPECT_FALSE(recorder.m_messages.empty());
        RestoreProject(Path("t.kel"));
        EXPECT_EQ(Files(), std::vector<std::string>{"t.kel"}) << cut;
    }
}

} // namespace
