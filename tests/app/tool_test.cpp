// vimble-tool as scripts use it: run the real program and look at its output and status.
#include "model/lzss.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "tests/model/fixtures.h"
#include "tests/model/lzss_reference.h"
#include "tests/model/showcase.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

class ToolTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("tooltest");
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    Result Run(const std::string& arguments) const
    {
        std::string errFile = m_dir + "/stderr.txt";
        std::string command = std::string(VIMBLE_TOOL) + " " + arguments + " 2>" + errFile;
        Result result{-1, {}, {}};
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr)
            return result;
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            result.out.append(buffer, n);
        int status = pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::vector<uint8_t> err;
        platform::ReadWholeFile(errFile, err);
        result.err.assign(err.begin(), err.end());
        platform::DeleteFile(errFile);
        return result;
    }
    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    std::vector<uint8_t> Read(const std::string& name) const
    {
        std::vector<uint8_t> data;
        platform::ReadWholeFile(Path(name), data);
        return data;
    }
    void WriteProject(const std::string& name, const std::vector<uint8_t>& archive) const
    {
        std::vector<uint8_t> file{'1', '2', '0', 'K', 'E', 'L', 'F', 'I', 'L', 'E'};
        std::vector<uint8_t> compressed = lzss_reference::Encode(archive);
        file.insert(file.end(), compressed.begin(), compressed.end());
        platform::WriteWholeFile(Path(name), file);
    }
    std::string m_dir;
};

TEST_F(ToolTest, NewProjectDecodesToTheDocumentedArchive)
{
    ASSERT_EQ(Run("new " + Path("x.kel")).status, 0);
    std::vector<uint8_t> file = Read("x.kel");
    ASSERT_GT(file.size(), 10u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 10), "120KELFILE");
    platform::WriteWholeFile(Path("x.lz"), std::vector<uint8_t>(file.begin() + 10, file.end()));
    ASSERT_EQ(Run("lzss d " + Path("x.lz") + " " + Path("x.arc")).status, 0);
    std::vector<uint8_t> archive = Read("x.arc");
    ASSERT_EQ(archive.size(), 99u);
    // The identities are the ones the file holds: movie at 21, stage at 29, background at 67.
    auto id = [&](size_t at) {
        return static_cast<int32_t>(archive[at] | (archive[at + 1] << 8) | (archive[at + 2] << 16)
                                    | (archive[at + 3] << 24));
    };
    EXPECT_EQ(archive, fixtures::NewProjectArchive(id(21), id(29), id(67)));
}

TEST_F(ToolTest, ResaveGivesIndependentlyWrittenFilesBackByteForByte)
{
    WriteProject("full.kel", fixtures::FullProjectArchive());
    Result r = Run("resave " + Path("full.kel") + " " + Path("again.kel"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Read("again.kel"), Read("full.kel"));
    // The opened file is back as it was, with nothing left beside it.
    EXPECT_FALSE(platform::FileExists(Path("full.ke~")));
    EXPECT_FALSE(platform::FileExists(Path("full.k$$")));
    // Saving over the file that was opened keeps the save.
    r = Run("resave " + Path("again.kel") + " " + Path("again.kel"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Read("again.kel"), Read("full.kel"));
    EXPECT_FALSE(platform::FileExists(Path("again.k$$")));
}

TEST_F(ToolTest, DumpShowsTheWholeTree)
{
    WriteProject("full.kel", fixtures::FullProjectArchive());
    Result r = Run("dump " + Path("full.kel"));
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* expected :
         {"\"type\": \"project\"", "\"m_nFrameCount\": 230", "\"m_crColor\": 3368601",
          "\"class\": \"CAnimationObject\"", "\"class\": \"CClipartObject\"",
          "\"m_strName\": \"1.1.2 Horizontal vers la gauche en r\u00E9tr\u00E9cissant\"",
          "\"m_fParam2\": 0.251327425", "\"m_fParam3\": -0.314159274", "\"m_strRef\": \"Joyeux anniversaire\"",
          "\"m_nAllocPoints\": 10", "\"lfFaceName\": \"Times New Roman\"", "\"width\": 33",
          "\"colors\": 5", "\"m_nRole\": 2", "\"bytes\": 500"})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected;
}

TEST_F(ToolTest, DumpReadsHeadersAndTheItemsTheyName)
{
    platform::WriteWholeFile(Path("x.hdr"), fixtures::HeaderArchive("Ballon", "F\xEAte", 7, 1, true));
    // The item file: an animation object with no inner stage.
    fixtures::CBytes item;
    item.I32(5).I32(320).I32(240).U8(0);
    platform::WriteWholeFile(Path("7.zty"), item.Bytes());
    Result r = Run("dump " + Path("x.hdr"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"m_strCategory\": \"F\u00EAte\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"m_nValue\": 7"), std::string::npos);
    r = Run("dump " + Path("7.zty"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"class\": \"CAnimationObject\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"m_szOriginal\": [320, 240]"), std::string::npos) << r.out;
}

TEST_F(ToolTest, DamagedFilesGiveOneLineAndStatusOne)
{
    std::vector<uint8_t> archive = fixtures::FullProjectArchive();
    WriteProject("cut.kel", std::vector<uint8_t>(archive.begin(), archive.begin() + 3000));
    std::vector<uint8_t> lower{'1', '2', '0', 'k', 'e', 'l', 'f', 'i', 'l', 'e', 0};
    platform::WriteWholeFile(Path("lower.kel"), lower);
    for (const std::string& name : {std::string("cut.kel"), std::string("lower.kel"),
                                    std::string("missing.kel")}) {
        for (const std::string& verb : {std::string("dump "), std::string("resave ")}) {
            std::string args = verb + Path(name) + (verb == "resave " ? " " + Path("o.kel") : "");
            Result r = Run(args);
            EXPECT_EQ(r.status, 1) << args;
            EXPECT_TRUE(r.out.empty());
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
            EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
        }
    }
    EXPECT_NE(Run("dump " + Path("lower.kel")).err.find("Not a valid file!"), std::string::npos);
    EXPECT_NE(Run("dump " + Path("cut.kel")).err.find("read error at byte"), std::string::npos);
    EXPECT_FALSE(platform::FileExists(Path("o.kel")));
    EXPECT_EQ(Read("lower.kel"), lower);
}

TEST_F(ToolTest, StillPictureDrawsEveryObjectAtItsDesignPlace)
{
    auto movie = fixtures::ShowcaseProject(m_dir);
    ASSERT_TRUE(SaveProject(*movie, Path("showcase.kel")));
    Result r = Run("render " + Path("showcase.kel") + " --still " + Path("still.png"));
    ASSERT_EQ(r.status, 0) << r.err;
    QImage still(QString::fromStdString(Path("still.png")));
    ASSERT_EQ(still.size(), QSize(800, 600));
    auto at = [&](int x, int y) { return still.pixel(x, y) & 0xFFFFFF; };
    EXPECT_EQ(at(120, 90), 0xFFC857u);  // the rectangle's fill
    EXPECT_EQ(at(41, 41), 0x4A2545u);   // its outline
    EXPECT_EQ(at(390, 420), 0xFF6F61u); // the balloon, through its mask
    const QImage sky(QString::fromStdString(Path("sky.bmp")));
    EXPECT_EQ(at(302, 470), sky.pixel(302, 470) & 0xFFFFFF); // the mask lets the sky show
    EXPECT_EQ(at(482, 520), 0xFFFFFFu); // the balloon without a mask hides the sky
    EXPECT_EQ(at(5, 5), sky.pixel(5, 5) & 0xFFFFFF);
    // The project file is back as it was and nothing is left beside it.
    EXPECT_FALSE(platform::FileExists(Path("showcase.ke~")));
}

TEST_F(ToolTest, BitmapInfoSaysWhatTheHeaderSaysAndWhetherItDecodes)
{
    auto movie = fixtures::ShowcaseProject(m_dir);
    Result r = Run("bmp-info " + Path("photo.bmp"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("width: 160\nheight: 110\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("decodes: yes"), std::string::npos);
    std::vector<uint8_t> bad = Read("photo.bmp");
    bad.resize(200);
    platform::WriteWholeFile(Path("bad.bmp"), bad);
    r = Run("bmp-info " + Path("bad.bmp"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("decodes: no"), std::string::npos);
    EXPECT_NE(r.err.find("bad.bmp: the pixels need"), std::string::npos) << r.err;
}

TEST_F(ToolTest, RenderWritesFramesOfContinuousPlayAndTraceSaysWhereEverythingIs)
{
    auto movie = fixtures::MotionProject(m_dir);
    ASSERT_TRUE(SaveProject(*movie, Path("motion.kel")));
    std::filesystem::create_directory(Path("frames"));
    Result r = Run("render " + Path("motion.kel") + " --frames 2-4 --out " + Path("frames") + " --scale 616x462");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    EXPECT_EQ(r.out, Path("frames") + "/frame-0002.png\n" + Path("frames") + "/frame-0003.png\n"
                         + Path("frames") + "/frame-0004.png\n");
    QImage frame(QString::fromStdString(Path("frames/frame-0003.png")));
    EXPECT_EQ(frame.size(), QSize(616, 462));
    EXPECT_FALSE(platform::FileExists(Path("frames/frame-0001.png")));

    r = Run("trace " + Path("motion.kel") + " --frames 62");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines;
    for (size_t at = 0, next; (next = r.out.find('\n', at)) != std::string::npos; at = next + 1)
        lines.push_back(r.out.substr(at, next - at));
    ASSERT_EQ(lines.size(), 1u + 62 * 4);
    EXPECT_EQ(lines[0], "frame,object,effect,x,y,w,h");
    // The head object (the rising balloon) at frame 0 and the growing one at frame 59; the
    // movie loops after its 60 frames.
    EXPECT_EQ(lines[1], "0,0,0,420,415,121,161"); // a shrink starts one pixel larger
    EXPECT_EQ(lines[1 + 59 * 4 + 1], "59,1,0,280,250,121,161");
    EXPECT_EQ(lines[1 + 60 * 4].substr(0, 4), "0,0,");
}

TEST_F(ToolTest, MisusedCommandLinesShowUsage)
{
    EXPECT_EQ(Run("").status, 2);
    EXPECT_EQ(Run("frobnicate").status, 2);
    EXPECT_EQ(Run("resave onlyone.kel").status, 2);
    EXPECT_EQ(Run("render x.kel --frames 5-2 --out d").status, 2);
    EXPECT_EQ(Run("trace x.kel").status, 2);
    Result r = Run("lzss e");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "'lzss e file1 file2' encodes file1 into file2.\n"
                     "'lzss d file2 file1' decodes file2 into file1.\n");
}

} // namespace
