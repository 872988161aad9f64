// The greeting as every recipient gets it: a private exim takes it from `vimble-tool send`,
// Python's MIME parser reads the delivered message, and Debian's ffprobe and ffmpeg read the
// attached video as a phone or a browser would. Also the hand-off to the person's own mail
// program, with a stand-in "xdg-email" that records what it was given.
#include "content/sounds.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "model/sound.h"
#include "model/bitmap.h"
#include "model/shapes.h"
#include "playback/projectdoc.h"
#include "tests/buildpaths.h"
#include "tests/mail/exim_fixtures.h"
#include "tests/mail/mail_fixtures.h"
#include "tests/soundcheck.h"
#include "platform/wave.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QImage>
#include <QRandomGenerator>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <sys/stat.h>

using namespace mailtest;

namespace {

// What ffprobe says of a file's streams and container: the first stream of each kind gives
// its keys with "video:" or "audio:" before them, the container its duration as
// "format:duration".
std::map<std::string, std::string> Probe(const std::string& ffprobe, const std::string& file,
    const std::string& out)
{
    if (RunProgram({ ffprobe, "-v", "error", "-show_entries",
                       "stream=codec_type,codec_name,profile,pix_fmt,width,height,r_frame_rate,"
                       "avg_frame_rate,nb_frames:format=duration",
                       "-of", "compact=p=0", file },
            out)
        != 0)
        return { { "error", ReadText(out) } };
    std::map<std::string, std::string> found;
    std::istringstream lines(ReadText(out));
    for (std::string line; std::getline(lines, line);) {
        std::map<std::string, std::string> fields;
        std::istringstream items(line);
        for (std::string item; std::getline(items, item, '|');)
            if (const size_t equals = item.find('='); equals != std::string::npos)
                fields[item.substr(0, equals)] = item.substr(equals + 1);
        const std::string kind = fields.count("codec_type") ? fields["codec_type"] : "format";
        if (found.count(kind + ":seen"))
            continue;
        found[kind + ":seen"] = "1";
        for (const auto& [key, value] : fields)
            found[kind + ":" + key] = value;
    }
    return found;
}

// The top-level boxes of an MP4 file in their order ("ftyp,moov,mdat").
std::string TopBoxes(const std::string& bytes)
{
    std::string order;
    for (size_t at = 0; at + 8 <= bytes.size();) {
        uint64_t size = (uint64_t(uint8_t(bytes[at])) << 24) | (uint64_t(uint8_t(bytes[at + 1])) << 16)
            | (uint64_t(uint8_t(bytes[at + 2])) << 8) | uint8_t(bytes[at + 3]);
        const std::string type = bytes.substr(at + 4, 4);
        if (size == 1 && at + 16 <= bytes.size()) {
            size = 0;
            for (int i = 0; i < 8; ++i)
                size = size << 8 | uint8_t(bytes[at + 8 + i]);
        }
        order += (order.empty() ? "" : ",") + type;
        if (size < 8)
            break;
        at += size;
    }
    return order;
}

// The ticks of a one-track MIDI file up to its end of track, read straight from its events.
uint64_t MidiTicks(const std::vector<uint8_t>& file)
{
    size_t at = 14 + 8; // the header chunk, then the track chunk's name and length
    uint64_t ticks = 0;
    uint8_t running = 0;
    const auto number = [&] {
        uint32_t value = 0;
        while (at < file.size()) {
            const uint8_t byte = file[at++];
            value = value << 7 | (byte & 0x7F);
            if (!(byte & 0x80))
                break;
        }
        return value;
    };
    while (at < file.size()) {
        ticks += number();
        uint8_t status = file[at];
        if (status & 0x80)
            ++at;
        else
            status = running;
        if (status == 0xFF) {
            const uint8_t type = file[at++];
            at += number();
            if (type == 0x2F)
                return ticks;
        } else if (status == 0xF0 || status == 0xF7) {
            at += number();
        } else {
            running = status;
            at += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
        }
    }
    return ticks;
}

// The peak-to-noise ratio of two pictures of the same size over their RGB channels, in dB.
double Psnr(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size() || x.isNull())
        return 0;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            for (int shift : { 0, 8, 16 }) {
                const double d = double((p >> shift) & 255) - double((q >> shift) & 255);
                sum += d * d;
            }
        }
    const double mse = sum / (3.0 * x.width() * x.height());
    return mse <= 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

// A greeting of one still frame over an 800 x 600 photograph (fine noise over gradients, which
// no coder makes small) with a tune of about a minute.
void WritePhotoGreeting(const std::string& dir, const std::string& path)
{
    QImage photo(800, 600, QImage::Format_RGB32);
    QRandomGenerator random(1998);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const int n = int(random.bounded(64));
            photo.setPixel(x, y, qRgb((x * 255 / 800 + n) & 255, (y * 255 / 600 + n) & 255, (x + y + n) & 255));
        }
    const std::string bmp = dir + "/photo.bmp";
    ASSERT_TRUE(photo.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(bmp), "BMP"));
    content::Tune tune;
    tune.strTitle = "minute";
    tune.nProgram = 0;
    tune.nQuarterMicros = 500000;
    for (int i = 0; i < 120; ++i)
        tune.melody.push_back({ 60 + (i % 12), 480 });
    const std::vector<uint8_t> midi = content::MidiFile(tune);
    const std::string mid = dir + "/minute.mid";
    WriteText(mid, std::string(midi.begin(), midi.end()));

    auto movie = CAbstractMovie::NewProject();
    CStage& stage = *movie->GetFirstStage();
    auto background = std::make_unique<CBackgroundBMP>();
    background->m_pBitmap = std::make_unique<CHBitmap>();
    ASSERT_TRUE(background->m_pBitmap->LoadFromFile(bmp));
    stage.SetBackgroundBMP(std::move(background));
    auto sound = std::make_unique<CSound>();
    sound->SetName("A minute of music");
    ASSERT_TRUE(sound->SetSource(CSound::kindMidi, mid));
    stage.SetSound(std::move(sound));
    RecomputeMovieLength(*movie);
    ASSERT_TRUE(SaveProject(*movie, path));
}

class GreetingMailTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_strExim = FindExim();
        if (m_strExim.empty())
            GTEST_SKIP() << kNoExim;
        m_strPython = FindPython();
        ASSERT_FALSE(m_strPython.empty()) << "python3 is needed to read the delivered message";
        m_strData = m_dir / "data";
        ASSERT_EQ(mkdir(m_strData.c_str(), 0700), 0);
        WriteText(m_strData + "/play.exe", "\x7f" "ELF" + PatternBytes(5000, 41));
        WriteText(m_strData + "/play.dat", PatternBytes(3000, 42));
    }

    // Starts the mail server, taking messages of at most sizeLimit (as exim writes it).
    void StartServer(const std::string& sizeLimit = "200M")
    {
        ASSERT_NO_FATAL_FAILURE(m_exim.MakeFolders());
        m_nPort = FreeLoopbackPort();
        std::string config = m_exim.MainSettings(std::to_string(m_nPort), "accept")
            + "tls_advertise_hosts =\n" + m_exim.Delivery();
        const std::string line = "message_size_limit = 200M";
        config.replace(config.find(line), line.size(), "message_size_limit = " + sizeLimit);
        ASSERT_NO_FATAL_FAILURE(
            m_exim.Start(m_strExim, config, std::to_string(m_nPort), { m_nPort }));
    }

    // Sends the project with the given options after the usual ones; the tool's exit status.
    int Send(const std::string& project, const std::vector<std::string>& options)
    {
        std::vector<std::string> args { built::kTool, "send", "--server",
            "127.0.0.1:" + std::to_string(m_nPort), "--from", "me@vimble.test", "--to",
            "ann@vimble.test", "--subject", "Happy birthday", "--text", "Dear Ann,\nall the best!",
            "--data", m_strData, "--timeout", "60" };
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(project);
        return RunProgram(args, m_dir / "send.out");
    }

    // The delivered message read by the parser; the attachments are written to
    // m_dir/attachment, attachment.2...
    std::map<std::string, std::string> ReadDelivered()
    {
        const std::vector<std::string> files = m_exim.Delivered(1);
        if (files.size() != 1)
            return { { "error", "nothing delivered\n" + ReadText(m_dir / "log/mainlog") } };
        m_strMessage = m_exim.Maildir() + "/new/" + files[0];
        return RunReader(m_strPython, built::kParsePreviewScript, m_strMessage,
            m_dir / "attachment", m_dir / "parsed.txt");
    }

    CTempDir m_dir;
    CPrivateExim m_exim { m_dir };
    std::string m_strExim, m_strPython, m_strData, m_strMessage;
    int m_nPort = 0;
};

// The default message: the text, the HTML with the moving picture, the video with its sound
// and the greeting file, and nothing a mail service would take for a program.
TEST_F(GreetingMailTest, TheDefaultMessageCarriesPictureVideoAndGreeting)
{
    const std::string ffprobe = FindProgram({ "/usr/bin/ffprobe" });
    const std::string ffmpeg = FindProgram({ "/usr/bin/ffmpeg" });
    ASSERT_FALSE(ffprobe.empty() || ffmpeg.empty())
        << "ffmpeg and ffprobe (tools/setup.sh installs ffmpeg) read the video";
    ASSERT_NO_FATAL_FAILURE(StartServer());
    const std::string project = m_dir / "Happy Birthday.kel";
    WriteText(project, ReadText(std::string(built::kDataDir) + "/samples/Happy Birthday.kel"));
    ASSERT_EQ(Send(project, {}), 0) << ReadText(m_dir / "send.out");
    auto found = ReadDelivered();
    ASSERT_EQ(found.count("error"), 0u) << found["error"];

    EXPECT_EQ(found["defects"], "");
    ASSERT_EQ(found["parts"], "3");
    EXPECT_EQ(found["first:content-type"], "multipart/alternative");
    EXPECT_EQ(found["text:content-type"], "text/plain");
    EXPECT_EQ(found["related:content-type"], "multipart/related");
    EXPECT_EQ("<" + found["img:src"].substr(4) + ">", found["image:content-id"]);
    EXPECT_EQ(found["img:src"].substr(0, 4), "cid:");
    EXPECT_FALSE(found["img:alt"].empty());
    EXPECT_NE(found["html:content"].find("Happy_Birthday.mp4 plays the greeting with its sound"),
        std::string::npos)
        << found["html:content"];
    EXPECT_EQ(found["gif:frames"], "120");
    EXPECT_EQ(found["attachment:content-type"], "video/mp4");
    EXPECT_EQ(found["attachment:filename"], "Happy_Birthday.mp4");
    EXPECT_EQ(found["attachment:disposition"], "attachment");
    EXPECT_EQ(found["attachment2:content-type"], "application/x-vimble-greeting");
    EXPECT_EQ(found["attachment2:filename"], "Happy_Birthday.kel");
    EXPECT_EQ(ReadText(m_dir / "attachment.2"), ReadText(project))
        << "the greeting file is the greeting as it was sent";
    EXPECT_EQ(found["programs"], "") << "no part of the message may be a program";

    // The video as players see it.
    const std::string video = m_dir / "attachment";
    auto probe = Probe(ffprobe, video, m_dir / "probe.txt");
    ASSERT_EQ(probe.count("error"), 0u) << probe["error"];
    EXPECT_EQ(probe["video:codec_name"], "h264");
    EXPECT_EQ(probe["video:pix_fmt"], "yuv420p");
    EXPECT_EQ(probe["video:r_frame_rate"], "25/1");
    EXPECT_EQ(probe["video:avg_frame_rate"], "25/1") << "a constant 25 frames a second";
    EXPECT_LE(std::stoi(probe["video:width"]), 800);
    EXPECT_EQ(probe["audio:codec_name"], "aac");
    EXPECT_EQ(probe["audio:profile"], "LC");
    EXPECT_EQ(TopBoxes(ReadText(video)).find("moov") < TopBoxes(ReadText(video)).find("mdat"),
        true)
        << TopBoxes(ReadText(video));
    EXPECT_EQ(std::stoi(probe["video:nb_frames"]) % 3, 0) << "each frame held three times";

    // Its sound is the music, not silence; the music starts on a frame of the greeting.
    ASSERT_EQ(RunProgram({ ffmpeg, "-v", "error", "-i", video, "-map", "0:a", "-ac", "1", "-ar",
                  "8000", "-f", "s16le", m_dir / "sound.raw" },
                  m_dir / "ffmpeg.out"),
        0)
        << ReadText(m_dir / "ffmpeg.out");
    const std::string raw = ReadText(m_dir / "sound.raw");
    double energy = 0;
    size_t firstHeard = raw.size() / 2;
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
        const double sample = int16_t(uint16_t(uint8_t(raw[i])) | uint16_t(uint8_t(raw[i + 1])) << 8);
        energy += sample * sample;
        if (std::abs(sample) > 500 && firstHeard == raw.size() / 2)
            firstHeard = i / 2;
    }
    EXPECT_GT(std::sqrt(energy / std::max<size_t>(1, raw.size() / 2)), 300.0);
    // The greeting's 120 frames, or the first play of its tune when that ends later: from the
    // frame it starts on, as long as its notes.
    const content::Tune tune = content::TuneByName("birthday");
    const double tuneSeconds
        = MidiTicks(content::MidiFile(tune)) / 480.0 * tune.nQuarterMicros / 1e6;
    const double tuneStart = std::floor(firstHeard / 8000.0 / 0.12 + 0.2) * 0.12;
    const double expected
        = std::max(120 * 0.12, tuneStart + std::ceil(tuneSeconds / 0.12 - 1e-9) * 0.12);
    EXPECT_NEAR(std::stod(probe["format:duration"]), expected, 0.1)
        << "the tune starts at " << tuneStart << " s and lasts " << tuneSeconds << " s";

    // A frame of the video is the frame the renderer draws (held three times: the middle copy).
    const int frame = 60;
    ASSERT_EQ(RunProgram({ ffmpeg, "-v", "error", "-i", video, "-vf",
                  "select=eq(n\\," + std::to_string(frame * 3 + 1) + ")", "-vframes", "1",
                  m_dir / "video-frame.png" },
                  m_dir / "ffmpeg.out"),
        0)
        << ReadText(m_dir / "ffmpeg.out");
    ASSERT_EQ(RunProgram({ built::kTool, "render", project, "--frames",
                  std::to_string(frame) + "-" + std::to_string(frame), "--out", m_dir.Path() },
                  m_dir / "render.out"),
        0)
        << ReadText(m_dir / "render.out");
    QImage drawn(QString::fromStdString(m_dir / "frame-0060.png"));
    QImage decoded(QString::fromStdString(m_dir / "video-frame.png"));
    ASSERT_FALSE(drawn.isNull() || decoded.isNull());
    EXPECT_GE(Psnr(drawn.scaled(decoded.size()), decoded), 30.0);
}

// A recorded voice at frame 20 speaks in the mailed video at 2.4 s, and the music under it is
// lowered as the editor plays it. The voice is a high sweep, so a low-pass leaves the music
// alone (the video's coder spreads a sound's error only near its own frequencies), measured
// against the same greeting's sound without the voice.
TEST_F(GreetingMailTest, ARecordedVoiceSpeaksInTheMailedVideoOverLoweredMusic)
{
    const std::string ffmpeg = FindProgram({ "/usr/bin/ffmpeg" });
    ASSERT_FALSE(ffmpeg.empty()) << "ffmpeg (tools/setup.sh installs it) reads the video";
    ASSERT_NO_FATAL_FAILURE(StartServer());
    const std::string sample = std::string(built::kDataDir) + "/samples/Happy Birthday.kel";
    const std::vector<int16_t> sweep = soundcheck::HighSweep(44100 * 3 / 2);
    const std::vector<uint8_t> wave = platform::PcmWaveFile(sweep, 1, 44100, true);
    WriteText(m_dir / "voice.wav", std::string(wave.begin(), wave.end()));
    const std::string project = m_dir / "Voice.kel";
    ASSERT_EQ(RunProgram({ built::kTool, "add-sound", sample, m_dir / "voice.wav", "--frame", "20",
                  project },
                  m_dir / "add.out"),
        0)
        << ReadText(m_dir / "add.out");
    ASSERT_EQ(RunProgram({ built::kTool, "soundtrack", sample, "--seconds", "6",
                  m_dir / "without.wav" },
                  m_dir / "soundtrack.out"),
        0)
        << ReadText(m_dir / "soundtrack.out");
    ASSERT_EQ(Send(project, {}), 0) << ReadText(m_dir / "send.out");
    auto found = ReadDelivered();
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    ASSERT_EQ(found["attachment:content-type"], "video/mp4");
    ASSERT_EQ(RunProgram({ ffmpeg, "-v", "error", "-i", m_dir / "attachment", "-map", "0:a",
                  "-ac", "2", "-ar", "44100", "-t", "6", "-f", "s16le", m_dir / "sound.raw" },
                  m_dir / "ffmpeg.out"),
        0)
        << ReadText(m_dir / "ffmpeg.out");
    const std::vector<double> heard = soundcheck::Channel(ReadText(m_dir / "sound.raw"), 2);
    const std::vector<double> without = soundcheck::Channel(ReadText(m_dir / "without.wav"), 2, 0, 44);
    ASSERT_GE(heard.size(), 6u * 44100 - 2048);
    ASSERT_EQ(without.size(), 6u * 44100);

    // A tenth of a second from the sweep's middle, looked for from 1.5 to 3.5 s.
    const std::vector<double> probe(sweep.begin() + 22050, sweep.begin() + 22050 + 4410);
    const soundcheck::Fit fit = soundcheck::BestFit(heard, probe, 44100 * 3 / 2, 44100 * 7 / 2);
    const double start = (double(fit.nLag) - 22050) / 44100;
    EXPECT_NEAR(start, 2.4, 0.03);
    EXPECT_GT(fit.fit, 0.9) << "the voice is heard clearly over the music";

    // The music: the second before the voice as loud as without it; from 200 ms into the
    // voice to its end, 8 to 12 dB lower.
    const std::vector<double> music = soundcheck::LowPassed(heard, 1000);
    const std::vector<double> plain = soundcheck::LowPassed(without, 1000);
    const size_t at = size_t(std::lround(start * 44100));
    const auto change = [&](size_t from, size_t to) {
        return 20 * std::log10(soundcheck::Rms(music, from, to) / soundcheck::Rms(plain, from, to));
    };
    ASSERT_GT(soundcheck::Rms(plain, at, at + sweep.size()), 300) << "the tune plays under the voice";
    EXPECT_NEAR(change(at - 44100, at), 0.0, 1.0);
    const double duck = change(at + 44100 / 5, at + sweep.size());
    EXPECT_LE(duck, -8.0);
    EXPECT_GE(duck, -12.0);
    std::printf("voice found at %.4f s (fit %.3f); music under it %.2f dB\n", start, fit.fit, duck);
}

// Each attachment can be left out, and the self-playing program goes only when asked for.
TEST_F(GreetingMailTest, TheAttachmentsFollowTheSwitches)
{
    ASSERT_NO_FATAL_FAILURE(StartServer());
    const std::string project = m_dir / "card.kel";
    ASSERT_EQ(RunProgram({ built::kTool, "new", project }, m_dir / "new.out"), 0);
    ASSERT_EQ(Send(project, { "--no-video", "--attach-player" }), 0) << ReadText(m_dir / "send.out");
    auto found = ReadDelivered();
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    ASSERT_EQ(found["parts"], "3");
    EXPECT_EQ(found["first:content-type"], "multipart/alternative");
    EXPECT_EQ(found["html:content"].find(".mp4"), std::string::npos)
        << "no video, so the text names none";
    EXPECT_EQ(found["attachment:content-type"], "application/x-vimble-greeting");
    EXPECT_EQ(found["attachment2:content-type"], "application/octet-stream");
    EXPECT_EQ(found["attachment2:filename"], "card.exe");
    EXPECT_EQ(found["programs"], "application/octet-stream");
}

// A minute of music over a photograph is made to fit a server that takes 5 MB; a server that
// takes almost nothing gets nothing, and the person is told the sizes.
TEST_F(GreetingMailTest, TheMessageFitsTheServersSizeOrIsNotSent)
{
    const std::string ffprobe = FindProgram({ "/usr/bin/ffprobe" });
    ASSERT_FALSE(ffprobe.empty());
    ASSERT_NO_FATAL_FAILURE(StartServer("5M"));
    const std::string project = m_dir / "photo.kel";
    ASSERT_NO_FATAL_FAILURE(WritePhotoGreeting(m_dir.Path(), project));
    ASSERT_EQ(Send(project, {}), 0) << ReadText(m_dir / "send.out") << ReadText(m_dir / "log/rejectlog");
    auto found = ReadDelivered();
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_LE(ReadText(m_strMessage).size(), 5u * 1024 * 1024);
    EXPECT_EQ(found["attachment:content-type"], "video/mp4");
    auto probe = Probe(ffprobe, m_dir / "attachment", m_dir / "probe.txt");
    ASSERT_EQ(probe.count("error"), 0u) << probe["error"];
    EXPECT_NEAR(std::stod(probe["format:duration"]), 60.0, 0.1) << "the tune, to the minute";

    // A limit under the greeting file itself: refused, with the sizes, and nothing sent.
    ASSERT_NE(Send(project, { "--size-limit", "200000" }), 0);
    const std::string said = ReadText(m_dir / "send.out");
    EXPECT_NE(said.find("even with the smallest picture and video"), std::string::npos) << said;
    EXPECT_NE(said.find("0.2 MB"), std::string::npos) << said;
    EXPECT_EQ(m_exim.Delivered(1).size(), 1u) << "the refused greeting was not sent";
}

// The Happy Birthday sample with its title made personal: "Happy birthday, {first}!".
void WritePersonalGreeting(const std::string& path)
{
    platform::Message failure;
    auto movie = ReadProjectFile(std::string(built::kDataDir) + "/samples/Happy Birthday.kel", &failure);
    ASSERT_TRUE(movie) << failure.strText;
    bool changed = false;
    for (CLayer* layer : *movie->GetFirstStage()->GetLayers()) {
        auto* drawn = dynamic_cast<CDrawnObject*>(layer->m_pDrawing->GetObject());
        auto* title = drawn != nullptr ? dynamic_cast<CDrawTextRect*>(drawn->m_pShape.get()) : nullptr;
        if (title != nullptr && !changed) {
            title->m_strText = "Happy birthday, {first}!";
            changed = true;
        }
    }
    ASSERT_TRUE(changed);
    ASSERT_TRUE(SaveProject(*movie, path));
}

// Three recipients, two of them in the contacts: three messages, each with only its own
// address on the To line and its name in the subject, the text and the greeting's title.
TEST_F(GreetingMailTest, EachRecipientGetsAGreetingOfTheirOwn)
{
    ASSERT_NO_FATAL_FAILURE(StartServer());
    const std::string project = m_dir / "Birthday.kel";
    ASSERT_NO_FATAL_FAILURE(WritePersonalGreeting(project));
    const std::string data = m_dir / "share";
    std::filesystem::create_directories(data + "/vimble-email");
    WriteText(data + "/vimble-email/contacts.vcf",
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ann Smith\r\nEMAIL:ann@vimble.test\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob Brown\r\nEMAIL:bob@vimble.test\r\nEND:VCARD\r\n");
    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string kept = old != nullptr ? old : "";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    std::vector<std::string> args { built::kTool, "send", "--server",
        "127.0.0.1:" + std::to_string(m_nPort), "--from", "me@vimble.test", "--to",
        "ann@vimble.test, bob@vimble.test; carol@vimble.test", "--subject", "Happy birthday, {first}",
        "--text", "Dear {name},\nall the best!", "--data", m_strData, "--no-video", project };
    const int status = RunProgram(args, m_dir / "send.out");
    if (kept.empty())
        unsetenv("XDG_DATA_HOME");
    else
        setenv("XDG_DATA_HOME", kept.c_str(), 1);
    ASSERT_EQ(status, 0) << ReadText(m_dir / "send.out");
    EXPECT_NE(ReadText(m_dir / "send.out").find(
                  "Sent to: ann@vimble.test, bob@vimble.test, carol@vimble.test."),
        std::string::npos)
        << ReadText(m_dir / "send.out");

    const std::vector<std::string> files = m_exim.Delivered(3);
    ASSERT_EQ(files.size(), 3u) << ReadText(m_dir / "log/mainlog");
    std::map<std::string, std::string> pictures;
    for (const std::string& file : files) {
        const std::string message = ReadText(m_exim.Maildir() + "/new/" + file);
        const auto header = [&](const std::string& field) {
            const size_t at = message.find("\n" + field);
            if (at == std::string::npos)
                return std::string();
            std::string value = message.substr(at + 1 + field.size(),
                message.find('\n', at + 1) - at - 1 - field.size());
            if (!value.empty() && value.back() == '\r')
                value.pop_back();
            return value;
        };
        const std::string to = header("To:");
        SCOPED_TRACE(to);
        const size_t open = to.find('<');
        const std::string address
            = open == std::string::npos ? to : to.substr(open + 1, to.find('>') - open - 1);
        const std::string first = address == "ann@vimble.test" ? "Ann"
            : address == "bob@vimble.test"                     ? "Bob"
                                                               : "carol";
        const std::string name = first == "Ann" ? "Ann Smith" : first == "Bob" ? "Bob Brown" : first;
        // The contacts' names stand in To; an address they do not know stands alone.
        EXPECT_EQ(to, first == "carol" ? address : name + " <" + address + ">");
        EXPECT_EQ(header("Subject:"), "Happy birthday, " + first);
        auto found = RunReader(m_strPython, built::kParsePreviewScript,
            m_exim.Maildir() + "/new/" + file, m_dir / "attachment", m_dir / "parsed.txt");
        ASSERT_EQ(found.count("error"), 0u) << found["error"];
        EXPECT_EQ(found["text:content"].substr(0, 6 + name.size()), "Dear " + name + ",");
        EXPECT_EQ(found["attachment:content-type"], "application/x-vimble-greeting");
        ASSERT_EQ(RunProgram({ built::kTool, "dump", m_dir / "attachment" }, m_dir / "dump.json"), 0);
        EXPECT_NE(ReadText(m_dir / "dump.json").find("Happy birthday, " + first + "!"),
            std::string::npos);
        pictures[address] = found["image:bytes"] + ReadText(m_dir / "attachment");
    }
    ASSERT_EQ(pictures.size(), 3u) << "each address on a message of its own";
    EXPECT_NE(pictures["ann@vimble.test"], pictures["bob@vimble.test"]);
}

// The person's own mail program gets a message for each recipient, with only their address and
// their name in the subject, the text and the three files, which stay after the command has
// returned; the greeting's files are made once when its texts name nobody.
TEST_F(GreetingMailTest, TheMailProgramGetsAMessageForEachRecipient)
{
    const std::string bin = m_dir / "bin";
    ASSERT_EQ(mkdir(bin.c_str(), 0700), 0);
    WriteText(bin + "/xdg-email",
        "#!/bin/sh\n{ echo '--call--'; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } >> \""
            + (m_dir / "args.txt") + "\"\n");
    ASSERT_EQ(chmod((bin + "/xdg-email").c_str(), 0700), 0);
    const std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    const std::string cache = std::getenv("XDG_CACHE_HOME") != nullptr ? std::getenv("XDG_CACHE_HOME") : "";
    setenv("PATH", (bin + ":" + path).c_str(), 1);
    setenv("XDG_CACHE_HOME", (m_dir / "cache").c_str(), 1);
    const std::string project = m_dir / "Happy Birthday.kel";
    WriteText(project, ReadText(std::string(built::kDataDir) + "/samples/Happy Birthday.kel"));
    const int status = RunProgram({ built::kTool, "send", "--mail-program", "--to",
                                      "ann@vimble.test, bob@vimble.test", "--subject",
                                      "F\xc3\xaate for {first}", "--text", "Dear {name},\nall the best!",
                                      project },
        m_dir / "send.out");
    setenv("PATH", path.c_str(), 1);
    if (cache.empty())
        unsetenv("XDG_CACHE_HOME");
    else
        setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    ASSERT_EQ(status, 0) << ReadText(m_dir / "send.out");

    std::vector<std::vector<std::string>> calls;
    std::istringstream lines(ReadText(m_dir / "args.txt"));
    for (std::string line; std::getline(lines, line);) {
        if (line == "--call--")
            calls.emplace_back();
        else if (!calls.empty())
            calls.back().push_back(line);
    }
    ASSERT_EQ(calls.size(), 2u) << ReadText(m_dir / "args.txt");
    const std::string folder = m_dir / "cache/vimble-email/outgoing/";
    std::vector<std::string> first;
    for (size_t i = 0; i < calls.size(); ++i) {
        const std::vector<std::string>& args = calls[i];
        const auto after = [&](const std::string& option) {
            std::vector<std::string> values;
            for (size_t k = 0; k + 1 < args.size(); ++k)
                if (args[k] == option)
                    values.push_back(args[k + 1]);
            return values;
        };
        const std::string name = i == 0 ? "ann" : "bob";
        SCOPED_TRACE(name);
        EXPECT_EQ(after("--subject"), std::vector<std::string> { "F\xc3\xaate for " + name });
        EXPECT_EQ(after("--body"), std::vector<std::string> { "Dear " + name + "," });
        EXPECT_EQ(args.back(), name + "@vimble.test");
        EXPECT_EQ(std::count_if(args.begin(), args.end(),
                      [](const std::string& arg) { return arg.find("@vimble.test") != std::string::npos; }),
            1);
        const std::vector<std::string> files = after("--attach");
        ASSERT_EQ(files.size(), 3u);
        EXPECT_EQ(files[0].substr(files[0].size() - 19), "/Happy_Birthday.gif");
        EXPECT_EQ(files[1].substr(files[1].size() - 19), "/Happy_Birthday.mp4");
        EXPECT_EQ(files[2].substr(files[2].size() - 19), "/Happy_Birthday.kel");
        for (const std::string& file : files) {
            EXPECT_EQ(file.rfind(folder, 0), 0u) << file;
            EXPECT_TRUE(Exists(file)) << file;
        }
        EXPECT_EQ(ReadText(files[2]), ReadText(project));
        if (i == 0)
            first = files;
        else
            EXPECT_EQ(files, first); // drawn once for both
    }
}

} // namespace
