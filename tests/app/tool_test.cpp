// vimble-tool as scripts use it: run the real program and look at its output and status.
#include "model/lzss.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/wave.h"
#include "tests/model/fixtures.h"
#include "tests/model/lzss_reference.h"
#include "tests/model/showcase.h"
#include "tests/playback/sound_fixtures.h"
#include "model/sound.h"
#include "tests/buildpaths.h"
#include "tests/command.h"
#include "tests/soundcheck.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <sys/wait.h>

namespace {

using testcommand::Result;

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
        return testcommand::Run(std::string(built::kTool) + " " + arguments, m_dir + "/stderr.txt");
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

// Texts in any script go in through the command line and come out of dump as they were typed;
// the file keeps them through a resave.
TEST_F(ToolTest, TextSetsAnObjectsTextAndDumpPrintsItExactly)
{
    auto movie = fixtures::ShowcaseProject(m_dir);
    ASSERT_TRUE(SaveProject(*movie, Path("showcase.kel")));
    const std::string text = "Sto lat, \u0141ukasz! \U0001F382 \u0639\u064A\u062F \u7F8E\u54B2";
    Result r = Run("text " + Path("showcase.kel") + " --object 4 '" + text + "' " + Path("out.kel"));
    ASSERT_EQ(r.status, 0) << r.err;
    Result dump = Run("dump " + Path("out.kel"));
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_NE(dump.out.find("\"" + text + "\""), std::string::npos) << dump.out;
    ASSERT_EQ(Run("resave " + Path("out.kel") + " " + Path("again.kel")).status, 0);
    EXPECT_EQ(Read("again.kel"), Read("out.kel"));

    Result shape = Run("text " + Path("showcase.kel") + " --object 0 x " + Path("no.kel"));
    EXPECT_EQ(shape.status, 1);
    EXPECT_NE(shape.err.find("object 0 is not a text"), std::string::npos) << shape.err;
    EXPECT_FALSE(platform::FileExists(Path("no.kel")));
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

TEST_F(ToolTest, ExportWritesTheFramesOfRenderAndSaysWhatItCannotDo)
{
    auto movie = fixtures::MotionProject(m_dir);
    ASSERT_TRUE(SaveProject(*movie, Path("motion.kel")));
    std::filesystem::create_directory(Path("frames"));
    ASSERT_EQ(Run("render " + Path("motion.kel") + " --frames 0-5 --out " + Path("frames")
                  + " --scale 308x231").status, 0);
    Result r = Run("export " + Path("motion.kel") + " --format gif --frames 2-5 --scale 308x231 "
                   "--loops 2 " + Path("motion.gif"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Path("motion.gif") + "\n");
    EXPECT_TRUE(r.err.empty()) << "short exports say nothing while they run: " << r.err;
    QImageReader reader(QString::fromStdString(Path("motion.gif")));
    EXPECT_EQ(reader.imageCount(), 4);
    EXPECT_EQ(reader.loopCount(), 1);
    reader.read();
    const QImage third = reader.read();
    const QImage rendered(QString::fromStdString(Path("frames/frame-0003.png")));
    ASSERT_EQ(third.size(), rendered.size());
    int worst = 0;
    for (int y = 0; y < third.height(); y += 3)
        for (int x = 0; x < third.width(); x += 3) {
            const QRgb a = third.pixel(x, y), b = rendered.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(worst, 40) << "the palette's error only";

    // Long exports tell how far they are on standard error.
    r = Run("export " + Path("motion.kel") + " --format gif --scale 80x60 " + Path("long.gif"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find(Path("long.gif") + ": 100%"), std::string::npos) << r.err;

    EXPECT_EQ(Run("export " + Path("motion.kel") + " " + Path("x.gif")).status, 2);
    EXPECT_EQ(Run("export " + Path("motion.kel") + " --format tiff " + Path("x.tif")).status, 2);
    EXPECT_EQ(Run("export " + Path("motion.kel") + " --format gif --scale 0x10 " + Path("x.gif"))
                  .status, 2);
    EXPECT_EQ(Run("export " + Path("motion.kel") + " --format gif --loops -1 " + Path("x.gif"))
                  .status, 2);
    r = Run("export " + Path("missing.kel") + " --format gif " + Path("x.gif"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.kel"), std::string::npos) << r.err;
    r = Run("export " + Path("motion.kel") + " --format gif " + Path("none/x.gif"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind(Path("none/x.gif") + ": ", 0), 0u) << r.err;
    EXPECT_FALSE(platform::FileExists(Path("x.gif")));
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

// A person reads the failures in the desktop's language; scripts read the same standard output
// and exit status in every language.
TEST_F(ToolTest, FailuresAreSaidInThePersonsLanguageWhileScriptsSeeNoDifference)
{
    ASSERT_EQ(Run("new " + Path("a.kel")).status, 0);
    std::filesystem::create_directories(Path("data"));
    std::filesystem::create_directories(Path("damaged"));
    platform::WriteWholeFile(Path("damaged/book.dat"), std::vector<uint8_t>{5, 0, 0, 0, 'a'});
    const std::string bitmap = Path("missing.bmp");
    const std::string book = Path("data/book.dat");
    const std::string picture = Path("no/such/folder/a.png");
    const std::string greeting = Path("missing.kel");
    struct Case {
        std::string command, english, german;
    };
    const Case cases[] = {
        {std::string(built::kTool) + " bmp-info " + bitmap, bitmap + ": cannot be read\n",
         bitmap + ": kann nicht gelesen werden\n"},
        // Through the core's message road, the numbers put in as pieces.
        {std::string(built::kTool) + " book --data " + Path("data") + " remove 3",
         book + ": has no entry 3 (it has 0)\n", book + ": hat keinen Eintrag 3 (es gibt 0)\n"},
        {std::string(built::kTool) + " book --data " + Path("damaged") + " add x",
         Path("damaged/book.dat") + ": damaged or unreadable; left unchanged\n",
         Path("damaged/book.dat") + ": beschädigt oder unlesbar; bleibt unverändert\n"},
        // After the application object that fonts need took the place of the plain one.
        {std::string(built::kTool) + " render " + Path("a.kel") + " --still " + picture,
         picture + ": cannot be written\n", picture + ": kann nicht geschrieben werden\n"},
        {std::string(built::kPlay) + " --frames 1 " + greeting, greeting + ": cannot be opened\n",
         greeting + ": kann nicht geöffnet werden\n"},
    };
    auto run = [&](const char* language, const std::string& command) {
        return testcommand::Run(std::string("LANGUAGE=") + language + " " + command,
                                Path("stderr.txt"));
    };
    for (const Case& c : cases) {
        const Result english = run("en", c.command);
        const Result german = run("de", c.command);
        EXPECT_EQ(english.err, c.english) << c.command;
        EXPECT_EQ(german.err, c.german) << c.command;
        EXPECT_EQ(english.status, 1) << c.command;
        EXPECT_EQ(german.status, 1) << c.command;
        EXPECT_EQ(german.out, english.out) << c.command;
    }
    // The usage: the verbs' summaries are translated too, their own syntax stays.
    const std::string tool = std::string(built::kTool) + " frobnicate";
    const Result english = run("en", tool);
    const Result german = run("de", tool);
    EXPECT_EQ(english.status, 2);
    EXPECT_EQ(german.status, 2);
    EXPECT_EQ(english.err.rfind("usage: vimble-tool VERB ARGUMENTS\n", 0), 0u) << english.err;
    EXPECT_EQ(german.err.rfind("Aufruf: vimble-tool VERB ARGUMENTE\n", 0), 0u) << german.err;
    const std::string verb = "  new OUT.kel" + std::string(30, ' ');
    EXPECT_NE(english.err.find(verb + "write a new, empty project\n"), std::string::npos);
    EXPECT_NE(german.err.find(verb + "ein neues, leeres Projekt schreiben\n"), std::string::npos)
        << german.err;
}

// ---- The sound verbs: a greeting's soundtrack and what the MIDI reader finds ----

std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}

TEST_F(ToolTest, the_soundtrack_of_the_birthday_greeting_is_a_wave_of_the_asked_length)
{
    const std::string sample = std::string(built::kDataDir) + "/samples/Happy Birthday.kel";
    ASSERT_TRUE(std::filesystem::exists(sample));
    const Result r = Run("soundtrack " + Quoted(sample) + " --seconds 2.5 " + Path("hb.wav"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Path("hb.wav") + "\n");
    std::vector<uint8_t> wave;
    ASSERT_TRUE(platform::ReadWholeFile(Path("hb.wav"), wave));
    const size_t frames = 44100 * 5 / 2;
    ASSERT_EQ(wave.size(), 44 + frames * 4);
    EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(wave.begin() + 8, wave.begin() + 16), "WAVEfmt ");
    // 44.1 kHz, stereo, 16 bits.
    EXPECT_EQ(wave[22], 2);
    EXPECT_EQ(wave[24] | (wave[25] << 8) | (wave[26] << 16), 44100);
    EXPECT_EQ(wave[34], 16);
    // The music is heard (when the machine has a SoundFont, as the set-up installs).
    int peak = 0;
    for (size_t i = 44; i + 1 < wave.size(); i += 2)
        peak = std::max(peak, std::abs(int(int16_t(wave[i] | (wave[i + 1] << 8)))));
    EXPECT_GT(peak, 1000);
    EXPECT_FALSE(std::filesystem::exists(Path("hb.wav.part")));
}

TEST_F(ToolTest, a_soundtrack_that_cannot_be_made_leaves_no_file_and_says_why)
{
    EXPECT_EQ(Run("soundtrack " + Path("none.kel") + " --seconds 1 " + Path("x.wav")).status, 1);
    EXPECT_FALSE(std::filesystem::exists(Path("x.wav")));
    for (const char* seconds : { "0", "-1", "abc", "3601", "1x" })
        EXPECT_EQ(Run(std::string("soundtrack a.kel --seconds ") + seconds + " x.wav").status, 2)
            << seconds;
    EXPECT_EQ(Run("soundtrack a.kel x.wav").status, 2);
}

TEST_F(ToolTest, midi_prints_what_the_reader_found_or_the_result_and_why)
{
    // Two tracks: a tempo track, and a note with a text before it.
    const std::vector<uint8_t> file = { 'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96, 'M',
        'T', 'r', 'k', 0, 0, 0, 11, 0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x2F,
        0x00, 'M', 'T', 'r', 'k', 0, 0, 0, 18, 0x00, 0xFF, 0x01, 0x02, 'h', 'i', 0x00, 0x90, 60,
        100, 0x60, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00 };
    platform::WriteWholeFile(Path("two.mid"), file);
    const Result r = Run("midi " + Path("two.mid"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
        "format: 1\n"
        "tracks: 2\n"
        "division: 96\n"
        "length: 96\n"
        "seconds: 0.500000\n"
        "events: 6\n"
        "tick,track,kind,data\n"
        "0,0,tempo,500000\n"
        "0,0,meta,2F 0 bytes\n"
        "0,1,meta,01 2 bytes\n"
        "0,1,channel,90 3C 64\n"
        "96,1,channel,80 3C 00\n"
        "96,1,meta,2F 0 bytes\n");
    std::vector<uint8_t> cut(file.begin(), file.begin() + 30);
    platform::WriteWholeFile(Path("cut.mid"), cut);
    const Result bad = Run("midi " + Path("cut.mid"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("result 296"), std::string::npos) << bad.err;
    EXPECT_EQ(Run("midi").status, 2);
}

TEST_F(ToolTest, soundtrack_note_onsets_keep_the_schedule_within_two_milliseconds)
{
    if (platform::FindSoundFont().empty())
        GTEST_SKIP() << "no SoundFont installed";
    // A new greeting whose music is a tune of separated strokes.
    const soundtest::CStrokes strokes = soundtest::WoodBlockStrokes();
    platform::WriteWholeFile(Path("strokes.mid"), strokes.file);
    {
        auto movie = CAbstractMovie::NewProject();
        auto music = std::make_unique<CSound>();
        ASSERT_TRUE(music->SetSource(CSound::kindMidi, Path("strokes.mid")));
        movie->GetFirstStage()->SetSound(std::move(music));
        ASSERT_TRUE(::SaveProject(*movie, Path("strokes.kel")));
    }
    const Result r = Run("soundtrack " + Path("strokes.kel") + " --seconds 6 " + Path("s.wav"));
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<uint8_t> wave = Read("s.wav");
    ASSERT_EQ(wave.size(), 44u + 44100 * 6 * 4);
    std::vector<int16_t> samples((wave.size() - 44) / 2);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = int16_t(wave[44 + 2 * i] | (wave[45 + 2 * i] << 8));
    const std::vector<double> onsets = soundtest::OnsetsMs(samples);
    ASSERT_GE(onsets.size(), 8u);
    double worst = 0;
    for (size_t i = 0; i < 8; ++i) {
        const double error = (onsets[i] - onsets[0]) - (strokes.expectedMs[i] - strokes.expectedMs[0]);
        worst = std::max(worst, std::abs(error));
        EXPECT_LE(std::abs(error), 2.0) << "stroke " << i;
    }
    std::printf("worst onset error through vimble-tool: %.3f ms\n", worst);
}

// ---- A wave added to a greeting's object, and a recorded voice over the music ----

std::string BirthdaySample()
{
    return std::string(built::kDataDir) + "/samples/Happy Birthday.kel";
}

// A chirp rising from 300 to 1500 Hz at 44.1 kHz, about a fifth of full scale: a voice that
// fits into a track at one lag only.
std::vector<int16_t> Chirp(size_t nSamples)
{
    std::vector<int16_t> chirp;
    for (size_t i = 0; i < nSamples; ++i) {
        const double t = double(i) / 44100;
        chirp.push_back(
            int16_t(std::lround(6000 * std::sin(2 * std::numbers::pi * (300 * t + 600 * t * t)))));
    }
    return chirp;
}

struct CAddCase {
    const char* name;
    bool bVoice; // the wave carries the recorder's mark
    size_t nSamples; // at 44.1 kHz
    const char* options;
    int nObject; // the object that gets the sound
    int nStart;
    int nEnd; // the end frame expected
};

void PrintTo(const CAddCase& c, std::ostream* os)
{
    *os << c.name;
}

class ToolAddSound : public ToolTest, public testing::WithParamInterface<CAddCase> { };

TEST_P(ToolAddSound, the_wave_starts_at_the_frame_and_a_recorded_voice_ends_where_it_has_played)
{
    const CAddCase& c = GetParam();
    const std::string sample = BirthdaySample();
    std::vector<uint8_t> before;
    ASSERT_TRUE(platform::ReadWholeFile(sample, before));
    const std::vector<uint8_t> wave = platform::PcmWaveFile(Chirp(c.nSamples), 1, 44100, c.bVoice);
    platform::WriteWholeFile(Path("sound.wav"), wave);
    const Result r = Run("add-sound " + Quoted(sample) + " " + Path("sound.wav") + " " + c.options
        + " " + Path("out.kel"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Path("out.kel") + "\n");
    std::vector<uint8_t> after;
    ASSERT_TRUE(platform::ReadWholeFile(sample, after));
    EXPECT_EQ(after, before);

    auto movie = ReadProjectFile(Path("out.kel"));
    ASSERT_NE(movie, nullptr);
    const CLayerList& layers = *movie->GetFirstStage()->GetLayers();
    for (int i = 0; i < layers.GetCount(); ++i) {
        const CSoundList* sounds = layers.GetAt(i)->m_pSounds.get();
        if (i != c.nObject) {
            EXPECT_TRUE(sounds == nullptr || sounds->IsEmpty()) << "object " << i;
            continue;
        }
        ASSERT_NE(sounds, nullptr);
        ASSERT_EQ(sounds->GetCount(), 1);
        const CSound& sound = *sounds->GetHead();
        EXPECT_EQ(sound.m_nKind, CSound::kindWave);
        EXPECT_EQ(sound.GetName(), "sound.wav");
        EXPECT_EQ(sound.m_nStartFrame, c.nStart);
        EXPECT_EQ(sound.m_nEndFrame, c.nEnd);
        std::vector<uint8_t> carried;
        ASSERT_TRUE(platform::ReadWholeFile(sound.m_strPath, carried));
        EXPECT_EQ(carried, wave);
    }
}

// A frame is 120 ms, 5292 samples.
INSTANTIATE_TEST_SUITE_P(Waves, ToolAddSound,
    testing::Values(CAddCase { "a_second_of_voice", true, 44100, "--frame 20", 0, 20, 29 },
        CAddCase { "a_voice_of_exactly_eight_frames", true, 8 * 5292, "--object 5 --frame 100", 5,
            100, 108 },
        CAddCase { "a_voice_one_sample_into_its_ninth_frame", true, 8 * 5292 + 1,
            "--frame 0 --object 3", 3, 0, 9 },
        CAddCase { "a_wave_that_is_no_voice_plays_to_the_end", false, 44100,
            "--frame 119 --object 2", 2, 119, -1 }),
    [](const testing::TestParamInfo<CAddCase>& info) { return std::string(info.param.name); });

TEST_F(ToolTest, add_sound_refuses_what_the_editor_refuses_and_writes_nothing)
{
    const std::string sample = Quoted(BirthdaySample());
    platform::WriteWholeFile(Path("voice.wav"), platform::PcmWaveFile(Chirp(44100), 1, 44100, true));
    platform::WriteWholeFile(Path("bad.wav"), std::vector<uint8_t> { 'R', 'I', 'F', 'F' });
    ASSERT_EQ(Run("new " + Path("empty.kel")).status, 0);
    ASSERT_EQ(
        Run("add-sound " + sample + " " + Path("voice.wav") + " --frame 20 " + Path("one.kel"))
            .status,
        0);
    const std::string voice = " " + Path("voice.wav") + " ";
    const struct {
        std::string args;
        int status;
        const char* says;
    } cases[] = {
        // Frames run from 0 to the length - 1 (the greeting has 120).
        { sample + voice + "--frame 120", 1, "past the end of the animation (120 frames)" },
        { sample + voice + "--frame 5 --object 6", 1, "no object 6 (the greeting has 6, from 0)" },
        { Path("empty.kel") + voice + "--frame 0", 1, "no object" },
        // The same object's second second of voice would share frame 29 with the first.
        { Path("one.kel") + voice + "--frame 29", 1, "at the same time as another sound" },
        { sample + " " + Path("bad.wav") + " --frame 0", 1, "not a RIFF/WAVE file" },
        { Path("none.kel") + voice + "--frame 0", 1, "" },
        { sample + voice, 2, "" },
        { sample + voice + "--frame -1", 2, "" },
        { sample + voice + "--frame 1 --loud", 2, "" },
        { sample + voice + "--frame 1 extra.kel", 2, "" },
    };
    for (const auto& c : cases) {
        const Result r = Run("add-sound " + c.args + " " + Path("out.kel"));
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << c.args << ": " << r.err;
        EXPECT_FALSE(std::filesystem::exists(Path("out.kel"))) << c.args;
    }
    // The voice may follow right after the first one on that object.
    EXPECT_EQ(
        Run("add-sound " + Path("one.kel") + voice + "--frame 30 " + Path("out.kel")).status, 0);
}

// The left channel of a 44.1 kHz stereo wave the tool wrote (after its 44-byte header).
std::vector<double> LeftChannel(const std::vector<uint8_t>& wave);

// The left channel of a 44.1 kHz stereo wave the tool wrote (after its 44-byte header).
std::vector<double> LeftChannel(const std::vector<uint8_t>& wave);

TEST_F(ToolTest, add_sound_takes_the_part_of_a_song_asked_for_faded_and_compressed)
{
    // A silent greeting of moving objects: the soundtrack is the song alone.
    ASSERT_TRUE(::SaveProject(*fixtures::MotionProject(m_dir), Path("quiet.kel")));
    // 440 Hz for 2 s, then 880 Hz for 3 s, as an MP3 (ffmpeg: tools/setup.sh installs it).
    const Result made = testcommand::Run(
        "/usr/bin/ffmpeg -nostdin -v error -y -f lavfi -i sine=f=440:d=2:r=44100 -f lavfi -i "
        "sine=f=880:d=3:r=44100 -filter_complex [0][1]concat=n=2:v=0:a=1 -c:a libmp3lame '"
            + Path("tones.mp3") + "'",
        Path("ffmpeg.err"));
    ASSERT_EQ(made.status, 0) << made.err;
    Result r = Run("add-sound " + Path("quiet.kel") + " " + Path("tones.mp3")
        + " --frame 0 --from 2 --seconds 3 --fade 0.5 " + Path("song.kel"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Path("song.kel") + "\n");
    EXPECT_LE(Read("song.kel").size(), Read("quiet.kel").size() + 3 * 20000);

    // The project carries three seconds of IMA ADPCM, named after the song.
    auto movie = ReadProjectFile(Path("song.kel"));
    ASSERT_NE(movie, nullptr);
    const CSoundList* sounds = movie->GetFirstStage()->GetLayers()->GetAt(0)->m_pSounds.get();
    ASSERT_TRUE(sounds != nullptr && sounds->GetCount() == 1);
    const CSound& sound = *sounds->GetHead();
    EXPECT_EQ(sound.GetName(), "tones.mp3");
    EXPECT_EQ(sound.m_nEndFrame, -1);
    std::vector<uint8_t> carried;
    ASSERT_TRUE(platform::ReadWholeFile(sound.m_strPath, carried));
    ASSERT_GT(carried.size(), 22u);
    EXPECT_EQ(carried[20] | carried[21] << 8, 0x0011);
    std::string error;
    const auto pcm = platform::DecodeWave(carried, error);
    ASSERT_NE(pcm, nullptr) << error;
    EXPECT_EQ(pcm->Frames(), 3u * 44100);

    // Heard from the start: the high tone at once after the fade-in, quiet at both ends.
    r = Run("soundtrack " + Path("song.kel") + " --seconds 3 " + Path("song.wav"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<double> left = LeftChannel(Read("song.wav"));
    ASSERT_EQ(left.size(), 3u * 44100);
    EXPECT_NEAR(soundcheck::Pitch(left, 22050, 30870, 44100), 880, 15);
    const double middle = soundcheck::Rms(left, 44100, 88200);
    EXPECT_GT(middle, 1000);
    EXPECT_LT(soundcheck::Rms(left, 0, 4410), middle / 4);
    EXPECT_LT(soundcheck::Rms(left, left.size() - 4410, left.size()), middle / 4);

    // What is no song is refused with its name, and nothing is written.
    platform::WriteWholeFile(Path("words.mp3"), std::vector<uint8_t>(200, 'a'));
    r = Run("add-sound " + Path("quiet.kel") + " " + Path("words.mp3") + " --frame 0 "
        + Path("no.kel"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(Path("words.mp3") + " is no audio file"), std::string::npos) << r.err;
    EXPECT_FALSE(platform::FileExists(Path("no.kel")));
    for (const char* bad : { "--from -1", "--seconds x", "--fade", "--from 1e400" })
        EXPECT_EQ(Run("add-sound " + Path("quiet.kel") + " " + Path("tones.mp3") + " --frame 0 "
                      + bad + " " + Path("no.kel"))
                      .status,
            2)
            << bad;
}


// The left channel of a 44.1 kHz stereo wave the tool wrote (after its 44-byte header).
std::vector<double> LeftChannel(const std::vector<uint8_t>& wave)
{
    return soundcheck::Channel(std::string(wave.begin(), wave.end()), 2, 0, 44);
}

using soundcheck::Rms;

// The lag at which the voice fits the track best: the largest cross-correlation, first over
// means of 8 samples (an 8th of the work squared), then sample by sample around the best.
size_t FindByCorrelation(const std::vector<double>& track, const std::vector<double>& voice)
{
    constexpr size_t kStep = 8;
    const auto means = [](const std::vector<double>& x) {
        std::vector<double> out(x.size() / kStep);
        for (size_t i = 0; i < out.size(); ++i)
            for (size_t k = 0; k < kStep; ++k)
                out[i] += x[i * kStep + k] / kStep;
        return out;
    };
    const auto best = [](const double* t, const double* v, size_t nVoice, size_t from, size_t to) {
        size_t bestLag = from;
        double bestSum = -1e300;
        for (size_t lag = from; lag <= to; ++lag) {
            double sum = 0;
            for (size_t k = 0; k < nVoice; ++k)
                sum += t[lag + k] * v[k];
            if (sum > bestSum) {
                bestSum = sum;
                bestLag = lag;
            }
        }
        return bestLag;
    };
    const std::vector<double> t = means(track);
    const std::vector<double> v = means(voice);
    const size_t coarse = best(t.data(), v.data(), v.size(), 0, t.size() - v.size()) * kStep;
    const size_t from = coarse > 2 * kStep ? coarse - 2 * kStep : 0;
    const size_t to = std::min(coarse + 2 * kStep, track.size() - voice.size());
    return best(track.data(), voice.data(), voice.size(), from, to);
}

TEST_F(ToolTest, a_recorded_voice_at_frame_20_speaks_once_at_2_4_s_with_the_music_10_dB_down)
{
    if (platform::FindSoundFont().empty())
        GTEST_SKIP() << "no SoundFont installed";
    const std::string sample = Quoted(BirthdaySample());
    const std::vector<int16_t> chirp = Chirp(44100);
    platform::WriteWholeFile(Path("voice.wav"), platform::PcmWaveFile(chirp, 1, 44100, true));
    Result r
        = Run("add-sound " + sample + " " + Path("voice.wav") + " --frame 20 " + Path("v.kel"));
    ASSERT_EQ(r.status, 0) << r.err;
    r = Run("soundtrack " + Path("v.kel") + " --seconds 6 " + Path("with.wav"));
    ASSERT_EQ(r.status, 0) << r.err;
    r = Run("soundtrack " + sample + " --seconds 6 " + Path("without.wav"));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<double> with = LeftChannel(Read("with.wav"));
    const std::vector<double> without = LeftChannel(Read("without.wav"));
    ASSERT_EQ(with.size(), 6u * 44100);
    ASSERT_EQ(without.size(), with.size());
    const std::vector<double> voice(chirp.begin(), chirp.end());

    // Frame 20 starts 20 x 120 ms after the rewind.
    const size_t start = FindByCorrelation(with, voice);
    EXPECT_NEAR(double(start) / 44100, 2.4, 0.03);
    const size_t end = start + voice.size();

    // How the music's level is measured: the mixer adds the voice as it is (44.1 kHz mono goes
    // to both sides unchanged) to the music at the duck's gain, and the greeting rendered
    // without the voice is the same music at full level, sample for sample (the synthesizer
    // plays the same tune at the same frames; the gain is applied after it). So the track
    // minus the voice where the correlation put it is the music as heard, and its RMS over
    // the voice-free render's RMS in the same window is the duck's gain. Comparing windows
    // of the same tune keeps its own loudness out of the measure.
    std::vector<double> music = with;
    for (size_t k = 0; k < voice.size(); ++k)
        music[start + k] -= voice[k];
    std::vector<double> change(with.size());
    for (size_t i = 0; i < with.size(); ++i)
        change[i] = music[i] - without[i];
    // Before the voice nothing differs.
    EXPECT_LE(Rms(change, 0, start), 0.5);
    // From 200 ms into the voice (the ramp down is over) to its end: 10 dB down, at least 8.
    const size_t from = start + 44100 / 5;
    ASSERT_GT(Rms(without, from, end), 300) << "the tune plays under the voice";
    const double duck = 20 * std::log10(Rms(music, from, end) / Rms(without, from, end));
    EXPECT_LE(duck, -8.0);
    EXPECT_GE(duck, -11.0);
    // Just before the voice and from 0.3 s after it the music is at full level again.
    EXPECT_LE(Rms(change, end + 44100 * 3 / 10, with.size()), 0.5);
    // Once: what differs right after the voice's end is not the voice starting again (it
    // would correlate with the voice's beginning at nearly 1).
    const size_t n = 44100 / 10;
    double dot = 0, changed = 0, head = 0;
    for (size_t k = 0; k < n; ++k) {
        dot += change[end + k] * voice[k];
        changed += change[end + k] * change[end + k];
        head += voice[k] * voice[k];
    }
    EXPECT_LT(std::abs(dot) / std::sqrt(changed * head + 1), 0.3);
    std::printf("voice found at %.4f s; music under it %.2f dB\n", double(start) / 44100, duck);
}

// ---- add-picture ---------------------------------------------------------------------------

struct AddPictureCase {
    const char* name;
    std::string options;
    std::vector<std::pair<QPoint, QRgb>> pixels; // of the still, 0xRRGGBB
};

class AddPicture : public ToolTest, public testing::WithParamInterface<AddPictureCase> {};

TEST_P(AddPicture, the_still_shows_the_picture_where_it_was_put)
{
    // A 1600 x 1200 photo, blue with a red middle: 800 x 600 on the stage either way.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(qRgb(20, 40, 200));
    for (int y = 500; y < 700; ++y)
        for (int x = 700; x < 900; ++x)
            photo.setPixel(x, y, qRgb(230, 20, 20));
    ASSERT_TRUE(photo.save(QString::fromStdString(Path("photo.jpg"))));
    // A small square for the frames: 200 x 200 of green.
    QImage square(200, 200, QImage::Format_RGB32);
    square.fill(qRgb(20, 200, 40));
    ASSERT_TRUE(square.save(QString::fromStdString(Path("square.png"))));
    ASSERT_EQ(Run("new " + Path("new.kel")).status, 0);

    // "@" stands for the test's folder.
    std::string options = GetParam().options;
    for (size_t at = options.find('@'); at != std::string::npos; at = options.find('@'))
        options.replace(at, 1, m_dir + "/");
    const Result r = Run("add-picture " + Path("new.kel") + " " + options + " " + Path("out.kel"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Path("out.kel") + "\n");
    ASSERT_EQ(Run("render " + Path("out.kel") + " --still " + Path("still.png")).status, 0);
    const QImage still(QString::fromStdString(Path("still.png")));
    ASSERT_EQ(still.size(), QSize(800, 600));
    for (const auto& [pt, colour] : GetParam().pixels) {
        const QRgb seen = still.pixel(pt);
        EXPECT_TRUE(std::abs(qRed(seen) - qRed(colour)) < 40
            && std::abs(qGreen(seen) - qGreen(colour)) < 40
            && std::abs(qBlue(seen) - qBlue(colour)) < 40)
            << pt.x() << "," << pt.y() << ": " << std::hex << seen;
    }
}

const QRgb kBlue = qRgb(20, 40, 200);
const QRgb kRed = qRgb(230, 20, 20);
const QRgb kGreen = qRgb(20, 200, 40);
const QRgb kWhite = qRgb(255, 255, 255);

INSTANTIATE_TEST_SUITE_P(Ways, AddPicture,
    testing::Values(
        AddPictureCase{"fill", "@photo.jpg --background fill",
            {{{400, 300}, kRed}, {{5, 5}, kBlue}, {{795, 595}, kBlue}}},
        AddPictureCase{"fit", "@photo.jpg --background fit",
            {{{400, 300}, kRed}, {{5, 5}, kBlue}}},
        // Centred: the square from 300,200 to 500,400, the white stage around it.
        AddPictureCase{"centred", "@square.png",
            {{{400, 300}, kGreen}, {{302, 202}, kGreen}, {{295, 300}, kWhite}}},
        // At 10,20 in a heart: its middle green, the notch at its top centre and the corners
        // the stage's white.
        AddPictureCase{"heart", "@square.png --at 10,20 --frame heart",
            {{{110, 130}, kGreen}, {{110, 25}, kWhite}, {{11, 21}, kWhite},
                {{208, 218}, kWhite}, {{400, 300}, kWhite}}},
        AddPictureCase{"circle", "--frame circle @square.png",
            {{{400, 300}, kGreen}, {{302, 202}, kWhite}}}),
    [](const testing::TestParamInfo<AddPictureCase>& info) {
        return std::string(info.param.name);
    });

TEST_F(ToolTest, AddPictureRefusesWhatItCannotReadAndMisuse)
{
    ASSERT_EQ(Run("new " + Path("new.kel")).status, 0);
    std::vector<uint8_t> cut(200, 0xAB);
    cut[0] = 0x89, cut[1] = 'P', cut[2] = 'N', cut[3] = 'G';
    platform::WriteWholeFile(Path("cut.png"), cut);
    Result r = Run("add-picture " + Path("new.kel") + " " + Path("cut.png") + " " + Path("o.kel"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind(Path("cut.png") + ": ", 0), 0u) << r.err;
    EXPECT_FALSE(std::filesystem::exists(Path("o.kel")));
    for (const char* misuse : {"--background fit --at 1,2", "--background tile", "--frame oval",
             "--at 1", "--at 1,2 --at 3,4"}) {
        r = Run("add-picture " + Path("new.kel") + " x.png " + misuse + " " + Path("o.kel"));
        EXPECT_EQ(r.status, 2) << misuse;
    }
}

} // namespace
