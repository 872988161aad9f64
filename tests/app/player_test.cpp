// The stand-alone player as a recipient runs it: a bundle made by vimble-tool, run as a program
// off screen with SDL writing its sound to a file. What it shows after N ticks is what the
// renderer draws for frame N - 1; it sounds; it leaves no private folder behind.
#include "app/playerdata.h"
#include "mail/bundle.h"
#include "platform/files.h"
#include "tests/buildpaths.h"
#include "tests/command.h"
#include "tests/soundcheck.h"
#include "platform/wave.h"

#include <QImage>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

using testcommand::Result;

std::string Quoted(const std::string& path)
{
    return "'" + path + "'";
}

std::string Sample()
{
    return std::string(built::kDataDir) + "/samples/Happy Birthday.kel";
}

class PlayerTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("playertest");
        ASSERT_FALSE(m_dir.empty());
        fs::create_directories(TempDir());
        ASSERT_TRUE(fs::exists(Sample()));
        ASSERT_TRUE(fs::exists(std::string(built::kDataDir) + "/play.exe"));
        ASSERT_TRUE(fs::exists(std::string(built::kDataDir) + "/play.dat"));
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    // The temporary directory the player makes its private folder in.
    std::string TempDir() const { return Path("tmp"); }
    // What the player's environment holds: no screen, SDL's disk driver for a sound card.
    std::string Environment() const
    {
        return "env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="
            + Quoted(Path("out.raw")) + " SDL_DISKAUDIODELAY=5 TMPDIR=" + Quoted(TempDir()) + " ";
    }

    Result Run(const std::string& command) const
    {
        return testcommand::Run(command, Path("stderr.txt"));
    }
    Result Tool(const std::string& arguments) const
    {
        return Run(std::string(built::kTool) + " " + arguments);
    }
    Result Play(const std::string& program, const std::string& arguments) const
    {
        return Run(Environment() + Quoted(program) + " " + arguments);
    }

    // A bundle of the sample greeting, executable as a recipient makes it.
    std::string MakeBundle(bool bPlayer, const std::string& dataDir = built::kDataDir) const
    {
        const std::string out = Path(bPlayer ? "Happy Birthday.exe" : "Birthday plain.exe");
        const Result r = Tool(std::string("bundle ") + (bPlayer ? "--player " : "") + "--data "
            + Quoted(dataDir) + " " + Quoted(Sample()) + " " + Quoted(out));
        EXPECT_EQ(r.status, 0) << r.err;
        fs::permissions(out, fs::perms::owner_all, fs::perm_options::add);
        return out;
    }

    // The renderer's frame of continuous play from a rewind.
    QImage Rendered(int frame) const
    {
        const std::string dir = Path("render");
        fs::create_directories(dir);
        const std::string range = std::to_string(frame) + "-" + std::to_string(frame);
        const Result r
            = Tool("render " + Quoted(Sample()) + " --frames " + range + " --out " + Quoted(dir));
        EXPECT_EQ(r.status, 0) << r.err;
        char name[32];
        std::snprintf(name, sizeof name, "/frame-%04d.png", frame);
        return QImage(QString::fromStdString(dir + name)).convertToFormat(QImage::Format_RGB32);
    }

    static int DifferentPixels(const QImage& a, const QImage& b)
    {
        int different = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                different += a.pixel(x, y) != b.pixel(x, y);
        return different;
    }

    bool SoundWasWritten() const
    {
        std::vector<uint8_t> raw;
        if (!platform::ReadWholeFile(Path("out.raw"), raw))
            return false;
        for (uint8_t byte : raw)
            if (byte != 0)
                return true;
        return false;
    }

    // Neither the private folder nor any other temporary file is left (Qt may keep its
    // runtime folder there).
    bool TempDirIsEmpty() const
    {
        for (const fs::directory_entry& entry : fs::directory_iterator(TempDir()))
            if (entry.path().filename().string().rfind("runtime-", 0) != 0)
                return false;
        return true;
    }

    static std::string InfoLine(const std::string& out, const std::string& key)
    {
        const size_t start = out.find(key + ": ");
        if (start == std::string::npos)
            return {};
        const size_t from = start + key.size() + 2;
        return out.substr(from, out.find('\n', from) - from);
    }

    // Plays the bundle for 40 ticks and checks the picture, the sound and the folder.
    Result PlayFortyTicks(const std::string& bundle) const
    {
        const Result r
            = Play(bundle, "--frames 40 --screenshot " + Quoted(Path("shot.png")) + " --info");
        EXPECT_EQ(r.status, 0) << r.err;
        const QImage shot = QImage(QString::fromStdString(Path("shot.png")))
                                .convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shot.size(), QSize(800, 600));
        const QImage expected = Rendered(39);
        EXPECT_EQ(expected.size(), QSize(800, 600));
        if (shot.size() == expected.size()) {
            EXPECT_EQ(DifferentPixels(shot, expected), 0);
        }
        EXPECT_TRUE(SoundWasWritten());
        const std::string folder = InfoLine(r.out, "folder");
        EXPECT_EQ(folder.rfind(TempDir() + "/vimble-play-", 0), 0u) << r.out;
        EXPECT_FALSE(fs::exists(folder));
        EXPECT_TRUE(TempDirIsEmpty());
        return r;
    }

    // Runs the bundle until it has set itself up, then sends the signal.
    void EndBySignal(const std::string& bundle, int signal) const;

    std::string m_dir;
};

// ---- Playing a bundle: the picture the renderer draws, sound, nothing left behind ----

TEST_F(PlayerTest, a_plain_bundle_shows_frame_39_after_40_ticks_and_sounds_with_the_system_files)
{
    const std::string bundle = MakeBundle(false);
    CBundleTrailer trailer;
    ASSERT_TRUE(ReadBundleTrailer(bundle, trailer));
    EXPECT_FALSE(trailer.m_bWithData);
    const Result r = PlayFortyTicks(bundle);
    const std::string soundFont = InfoLine(r.out, "soundfont");
    EXPECT_FALSE(soundFont.empty()) << r.out;
    EXPECT_EQ(soundFont.rfind(TempDir(), 0), std::string::npos) << soundFont;
    EXPECT_EQ(InfoLine(r.out, "fonts"), "0");
}

TEST_F(PlayerTest, a_bundle_with_the_players_data_uses_its_soundfont_and_fonts)
{
    const std::string bundle = MakeBundle(true);
    CBundleTrailer trailer;
    ASSERT_TRUE(ReadBundleTrailer(bundle, trailer));
    EXPECT_TRUE(trailer.m_bWithData);
    const Result r = PlayFortyTicks(bundle);
    const std::string folder = InfoLine(r.out, "folder");
    const std::string soundFont = InfoLine(r.out, "soundfont");
    EXPECT_EQ(soundFont.rfind(folder + "/", 0), 0u) << r.out;
    EXPECT_EQ(platform::FileNameOf(soundFont), "TimGM6mb.sf2");
    EXPECT_EQ(InfoLine(r.out, "fonts"), "8");
}

TEST_F(PlayerTest, a_project_file_named_on_the_command_line_plays_from_frame_0)
{
    const Result r = Play(
        built::kPlay, Quoted(Sample()) + " --frames 1 --screenshot " + Quoted(Path("first.png")));
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage shot
        = QImage(QString::fromStdString(Path("first.png"))).convertToFormat(QImage::Format_RGB32);
    const QImage expected = Rendered(0);
    ASSERT_EQ(shot.size(), expected.size());
    EXPECT_EQ(DifferentPixels(shot, expected), 0);
    EXPECT_TRUE(TempDirIsEmpty());
}

// A recorded voice on the greeting's first frame is heard from the player's first frame on.
TEST_F(PlayerTest, a_recorded_voice_on_the_first_frame_is_heard)
{
    const std::vector<int16_t> sweep = soundcheck::HighSweep(44100);
    platform::WriteWholeFile(Path("voice.wav"), platform::PcmWaveFile(sweep, 1, 44100, true));
    Result r = Tool("add-sound " + Quoted(Sample()) + " " + Quoted(Path("voice.wav"))
        + " --frame 0 " + Quoted(Path("voice.kel")));
    ASSERT_EQ(r.status, 0) << r.err;
    r = Play(built::kPlay, Quoted(Path("voice.kel")) + " --frames 12");
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<uint8_t> raw;
    ASSERT_TRUE(platform::ReadWholeFile(Path("out.raw"), raw));
    const std::vector<double> left
        = soundcheck::Channel(std::string(raw.begin(), raw.end()), 2);
    ASSERT_GT(left.size(), sweep.size() + 44100 / 2) << "the player wrote its sound";
    // The disk "device" plays silence while the player starts; the voice begins with the
    // greeting's first sound (the music's first note is on the first frame too). The disk
    // device runs faster than the clock, so a tick late on a loaded machine shows as several
    // ticks of sound: half a second is the bound.
    size_t firstHeard = 0;
    while (firstHeard < left.size() && std::abs(left[firstHeard]) < 100)
        ++firstHeard;
    // A tenth of a second from the sweep's middle, looked for in the next second and a half.
    const std::vector<double> probe(sweep.begin() + 22050, sweep.begin() + 22050 + 4410);
    const soundcheck::Fit fit = soundcheck::BestFit(left, probe, firstHeard, firstHeard + 44100 * 3 / 2);
    EXPECT_GT(fit.fit, 0.9);
    const double voiceStart = double(fit.nLag) - 22050;
    EXPECT_NEAR(voiceStart, double(firstHeard), 0.5 * 44100) << "the voice starts with the first frame";
}

TEST_F(PlayerTest, the_build_puts_an_executable_player_and_its_data_into_the_data_directory)
{
    const std::string exe = std::string(built::kDataDir) + "/play.exe";
    EXPECT_EQ(fs::status(exe).permissions() & fs::perms::all, fs::perms(0755));
    CPlayerData data;
    std::string error;
    ASSERT_TRUE(ReadPlayerDataFile(std::string(built::kDataDir) + "/play.dat", data, error))
        << error;
    EXPECT_EQ(data.OfKind(kPlayerDataSoundFont).size(), 1u);
    EXPECT_EQ(data.OfKind(kPlayerDataFont).size(), 8u);
    for (const char* face : { "Sans", "Serif" })
        for (const char* style : { "Regular", "Bold", "Italic", "BoldItalic" })
            EXPECT_NE(
                data.Find(std::string("font/Liberation") + face + "-" + style + ".ttf"), nullptr)
                << face << style;
}

// ---- Files without a greeting, damaged greetings ----

TEST_F(PlayerTest, a_file_without_a_greeting_is_refused_with_exit_status_1)
{
    platform::WriteWholeFile(Path("notes.txt"), std::vector<uint8_t> { 'h', 'e', 'l', 'l', 'o' });
    const Result r = Play(built::kPlay, Quoted(Path("notes.txt")) + " --frames 1");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("notes.txt: there is no greeting in this file"), std::string::npos)
        << r.err;
    EXPECT_TRUE(TempDirIsEmpty());
}

TEST_F(PlayerTest, the_player_alone_says_it_carries_no_greeting)
{
    const Result r = Play(built::kPlay, "--frames 1");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("this program carries no greeting"), std::string::npos) << r.err;
    EXPECT_TRUE(TempDirIsEmpty());
}

TEST_F(PlayerTest, a_missing_file_and_a_misused_command_line_are_refused)
{
    const Result missing = Play(built::kPlay, Quoted(Path("none.exe")) + " --frames 1");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.exe: cannot be opened"), std::string::npos) << missing.err;
    EXPECT_EQ(Play(built::kPlay, "--frames 0").status, 2);
    EXPECT_EQ(Play(built::kPlay, "--frames x").status, 2);
    EXPECT_EQ(Play(built::kPlay, "a b").status, 2);
    EXPECT_EQ(Play(built::kPlay, "--colour").status, 2);
    EXPECT_TRUE(TempDirIsEmpty());
}

TEST_F(PlayerTest, a_bundle_whose_lengths_do_not_add_up_is_called_damaged)
{
    const std::string bundle = MakeBundle(false);
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(platform::ReadWholeFile(bundle, bytes));
    bytes[bytes.size() - kBundleTrailerSize + 4] ^= 0x10; // L2
    const std::string damaged = Path("damaged.exe");
    platform::WriteWholeFile(damaged, bytes);
    const Result r = Play(built::kPlay, Quoted(damaged) + " --frames 1");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("damaged.exe: the greeting in this file is damaged"), std::string::npos)
        << r.err;
    EXPECT_TRUE(TempDirIsEmpty());
}

TEST_F(PlayerTest, a_bundle_whose_project_is_damaged_says_why_and_does_not_crash)
{
    // The project's bytes after the tag are cut short.
    std::vector<uint8_t> project;
    ASSERT_TRUE(platform::ReadWholeFile(Sample(), project));
    project.resize(project.size() / 3);
    platform::WriteWholeFile(Path("cut.kel"), project);
    const std::string bundle = Path("cut.exe");
    ASSERT_EQ(Tool("bundle --data " + Quoted(built::kDataDir) + " " + Quoted(Path("cut.kel")) + " "
                  + Quoted(bundle))
                  .status,
        0);
    const Result r = Play(built::kPlay, Quoted(bundle) + " --frames 1");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("cut.exe"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(TempDir()), std::string::npos) << r.err; // no private path
    EXPECT_TRUE(TempDirIsEmpty());

    const Result direct = Play(built::kPlay, Quoted(Path("cut.kel")) + " --frames 1");
    EXPECT_EQ(direct.status, 1) << direct.err;
    EXPECT_NE(direct.err.find("cut.kel"), std::string::npos) << direct.err;
}

TEST_F(PlayerTest, a_bundle_with_damaged_player_data_is_refused_with_the_reason)
{
    const std::string dataDir = Path("data");
    fs::create_directories(dataDir);
    fs::copy_file(std::string(built::kDataDir) + "/play.exe", dataDir + "/play.exe");
    std::vector<uint8_t> data;
    ASSERT_TRUE(platform::ReadWholeFile(std::string(built::kDataDir) + "/play.dat", data));
    data[14] = 9; // the version
    platform::WriteWholeFile(dataDir + "/play.dat", data);
    const std::string bundle = MakeBundle(true, dataDir);
    const Result r = Play(bundle, "--frames 1");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("the player's data in this greeting is damaged: version 9 is not 1"),
        std::string::npos)
        << r.err;
    EXPECT_TRUE(TempDirIsEmpty());
}

// ---- Ending by a signal ----

TEST_F(PlayerTest, sigterm_and_sigint_end_the_player_and_remove_its_folder)
{
    const std::string bundle = MakeBundle(true);
    for (int signal : { SIGTERM, SIGINT })
        EndBySignal(bundle, signal);
}

void PlayerTest::EndBySignal(const std::string& bundle, int signal) const
{
    SCOPED_TRACE(signal);
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", Path("out.raw").c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "5", 1);
        setenv("TMPDIR", TempDir().c_str(), 1);
        execl(bundle.c_str(), bundle.c_str(), "--info", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    // The last line of --info comes once the greeting is taken out and its data applied.
    std::string text;
    char buffer[256];
    ssize_t n;
    while (
        text.find("fonts: ") == std::string::npos && (n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    const std::string folder = InfoLine(text, "folder");
    EXPECT_TRUE(fs::is_directory(folder)) << text;
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    kill(pid, signal);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    close(out[0]);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 128 + signal);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(TempDirIsEmpty());
}

} // namespace
