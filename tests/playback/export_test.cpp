// A greeting exported as a moving picture or a video: every frame as continuous play from a
// rewind composes it, 120 ms each, at the size asked; the videos with their sound; the file
// complete or not there at all; the greeting's sounds kept off the program's own output.
#include "tests/playback/playback_fixtures.h"
#include "tests/playback/sound_fixtures.h"

#include "model/sound.h"
#include "platform/audio.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/video.h"
#include "playback/export.h"
#include "playback/voicesound.h"
#include "translations/translator.h"

#include <gtest/gtest.h>

#include <QImageReader>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

using soundtest::CScratchFolder;

constexpr int kFrames = 12;
constexpr int kWidth = 200;
constexpr int kHeight = 150;

// Two boxes moving across the stage, one for the whole greeting, one from frame 4.
std::unique_ptr<CProjectDoc> MovingGreeting()
{
    return playtest::Playable({{0, 100, 120, 120, {{0, 40.0f, 0, 0, 0, kFrames}}},
                                  {300, 300, 200, 80, {{0, -20.0f, 0, 0, 4, kFrames - 4}}}},
        kFrames);
}

// The frames as the renderer shows them in continuous play from a rewind.
std::vector<QImage> ReferenceFrames(int nWidth, int nHeight, int nCount)
{
    auto doc = MovingGreeting();
    QImage picture(nWidth, nHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    CDC target(&picture);
    doc->GetMovie()->Rewind();
    std::vector<QImage> frames;
    for (int i = 0; i < nCount; ++i) {
        doc->RenderTick(target, CRect{0, 0, nWidth, nHeight});
        frames.push_back(picture.copy());
    }
    return frames;
}

// The largest difference of a colour channel between two pictures of the same size.
int LargestDifference(const QImage& a, const QImage& b)
{
    EXPECT_EQ(a.size(), b.size());
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int row = 0; row < std::min(x.height(), y.height()); ++row)
        for (int col = 0; col < std::min(x.width(), y.width()); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

// Counts every call a sound makes of it.
class CCountingOutput : public platform::IAudioOutput {
public:
    int WaveDeviceCount() const override { return 1; }
    int MidiDeviceCount() const override { return 1; }
    uint64_t PlayWaveLooping(const std::string&) override { return ++m_nCalls; }
    void StopWave(uint64_t) override { ++m_nCalls; }
    bool StartMidi(const std::string&) override { return ++m_nCalls != 0; }
    void StopMidi() override { ++m_nCalls; }
    std::atomic<int> m_nCalls{0};
};

// The mean difference of the colour channels.
double MeanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * x.width() * x.height());
}

CExportOptions Options(ExportFormat format)
{
    CExportOptions options;
    options.format = format;
    options.nWidth = kWidth;
    options.nHeight = kHeight;
    return options;
}

bool CanWrite(ExportFormat format)
{
    if (format == ExportFormat::gif)
        return true;
    std::string missing;
    const platform::VideoFormat video = format == ExportFormat::apng ? platform::VideoFormat::apng
        : format == ExportFormat::webm                               ? platform::VideoFormat::webm
        : format == ExportFormat::mp4                                ? platform::VideoFormat::mp4
                                                                     : platform::VideoFormat::avi;
    return platform::CanWriteVideo(video, missing);
}

TEST(ExportFormats, have_their_names_and_extensions)
{
    ExportFormat format = ExportFormat::avi;
    ASSERT_TRUE(ParseExportFormat("apng", format));
    EXPECT_EQ(format, ExportFormat::apng);
    EXPECT_STREQ(ExportFormatExtension(format), "png");
    for (const char* name : {"gif", "webm", "mp4", "avi"}) {
        ASSERT_TRUE(ParseExportFormat(name, format)) << name;
        EXPECT_STREQ(ExportFormatName(format), name);
        EXPECT_STREQ(ExportFormatExtension(format), name);
    }
    EXPECT_FALSE(ParseExportFormat("GIF", format));
    EXPECT_FALSE(ParseExportFormat("png", format));
    EXPECT_FALSE(ParseExportFormat("", format));
}

TEST(ExportOptions, refuse_what_cannot_be_made)
{
    auto doc = MovingGreeting();
    CExportOptions options = Options(ExportFormat::gif);
    EXPECT_EQ(CheckExportOptions(*doc, options), "");
    options.nWidth = 1;
    EXPECT_NE(CheckExportOptions(*doc, options), "");
    options.nWidth = 5000;
    EXPECT_NE(CheckExportOptions(*doc, options), "");
    options = Options(ExportFormat::gif);
    options.nFirstFrame = 8;
    options.nLastFrame = 7;
    EXPECT_NE(CheckExportOptions(*doc, options), "");
    options.nLastFrame = 40000;
    EXPECT_NE(CheckExportOptions(*doc, options), "");
    options = Options(ExportFormat::webm);
    options.nLoops = -1;
    EXPECT_NE(CheckExportOptions(*doc, options), "");
    options.nLoops = 1000;
    options.nLastFrame = 100;
    EXPECT_NE(CheckExportOptions(*doc, options), "") << "a video of a thousand times over";
}

class Export : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_folder.Path() + "/" + name; }
    CScratchFolder m_folder;
};

TEST_F(Export, a_gif_holds_every_frame_as_the_renderer_draws_it_with_one_palette)
{
    auto doc = MovingGreeting();
    const std::string out = Path("moving.gif");
    std::vector<std::pair<int, int>> progress;
    const CExportResult result = ExportGreeting(*doc, Options(ExportFormat::gif), out,
        [&](int done, int total) {
            progress.emplace_back(done, total);
            return true;
        });
    ASSERT_TRUE(result.Succeeded()) << result.strError;
    EXPECT_EQ(result.nFrames, kFrames);
    ASSERT_EQ(progress.size(), 2u * kFrames) << "the colours first, then the frames";
    EXPECT_EQ(progress.back(), std::make_pair(2 * kFrames, 2 * kFrames));
    EXPECT_FALSE(std::filesystem::exists(out + ".part"));

    const std::vector<QImage> reference = ReferenceFrames(kWidth, kHeight, kFrames);
    QImageReader reader(QString::fromStdString(out));
    ASSERT_TRUE(reader.canRead());
    EXPECT_EQ(reader.imageCount(), kFrames);
    EXPECT_EQ(reader.loopCount(), -1) << "for ever";
    for (int i = 0; i < kFrames; ++i) {
        const QImage frame = reader.read();
        ASSERT_FALSE(frame.isNull()) << "frame " << i;
        EXPECT_EQ(frame.size(), QSize(kWidth, kHeight));
        // A few flat colours and their smoothed edges: the palette keeps them close.
        EXPECT_LE(LargestDifference(frame, reference[i]), 24) << "frame " << i;
        if (i + 1 < kFrames) {
            EXPECT_EQ(reader.nextImageDelay(), 120);
        }
    }
}

TEST_F(Export, frames_and_loops_are_those_asked)
{
    auto doc = MovingGreeting();
    CExportOptions options = Options(ExportFormat::gif);
    options.nFirstFrame = 3;
    options.nLastFrame = 7;
    options.nLoops = 3;
    const std::string out = Path("part.gif");
    ASSERT_TRUE(ExportGreeting(*doc, options, out).Succeeded());
    const std::vector<QImage> reference = ReferenceFrames(kWidth, kHeight, 8);
    QImageReader reader(QString::fromStdString(out));
    EXPECT_EQ(reader.imageCount(), 5);
    EXPECT_EQ(reader.loopCount(), 2) << "three plays: two repeats";
    for (int i = 3; i <= 7; ++i)
        EXPECT_LE(LargestDifference(reader.read(), reference[i]), 24) << "frame " << i;
    // Frames past the greeting's end go on as continuous play does: it loops.
    options.nFirstFrame = kFrames;
    options.nLastFrame = kFrames;
    ASSERT_TRUE(ExportGreeting(*doc, options, out).Succeeded());
    QImageReader again(QString::fromStdString(out));
    EXPECT_LE(LargestDifference(again.read(), reference[0]), 24);
}

TEST_F(Export, an_animated_png_is_exact)
{
    if (!CanWrite(ExportFormat::apng))
        GTEST_SKIP() << "no animated PNG encoder";
    auto doc = MovingGreeting();
    const std::string out = Path("moving.png");
    ASSERT_TRUE(ExportGreeting(*doc, Options(ExportFormat::apng), out).Succeeded());
    const std::vector<QImage> reference = ReferenceFrames(kWidth, kHeight, kFrames);
    platform::CVideoFile video;
    std::string error;
    ASSERT_TRUE(video.Open(out, error)) << error;
    EXPECT_EQ(video.GetLength(), kFrames);
    for (int i = 0; i < kFrames; ++i) {
        QImage frame;
        ASSERT_TRUE(video.ReadFrame(i, frame, error)) << error;
        EXPECT_EQ(LargestDifference(frame, reference[i]), 0) << "frame " << i;
    }
}

TEST_F(Export, videos_carry_the_frames_and_the_sound_for_their_whole_length)
{
    for (ExportFormat format : {ExportFormat::webm, ExportFormat::mp4}) {
        if (!CanWrite(format))
            continue;
        auto doc = MovingGreeting();
        CExportOptions options = Options(format);
        options.nLoops = 2;
        const std::string out = Path(std::string("moving.") + ExportFormatExtension(format));
        const CExportResult result = ExportGreeting(*doc, options, out);
        ASSERT_TRUE(result.Succeeded()) << result.strError;
        EXPECT_EQ(result.nFrames, 2 * kFrames);
        platform::CVideoProbe probe;
        std::string error;
        ASSERT_TRUE(platform::ProbeVideoFile(out, probe, error)) << error;
        EXPECT_TRUE(probe.bVideoFirst) << ExportFormatName(format);
        EXPECT_TRUE(probe.bAudio) << ExportFormatName(format);
        EXPECT_EQ(probe.nVideoFrames, 2 * kFrames) << ExportFormatName(format);
        EXPECT_NEAR(probe.dVideoSeconds, 2 * kFrames * 0.12, 0.13) << ExportFormatName(format);
        platform::CVideoFile video;
        ASSERT_TRUE(video.Open(out, error)) << error;
        EXPECT_EQ(video.GetWidth(), kWidth);
        QImage frame;
        ASSERT_TRUE(video.ReadFrame(kFrames + 5, frame, error)) << error;
        const std::vector<QImage> reference = ReferenceFrames(kWidth, kHeight, 7);
        // Lossy, but the same picture: the second time over shows frame 5 again, not 4 or 6.
        const double meanError = MeanDifference(frame, reference[5]);
        EXPECT_LE(meanError, 4.0) << ExportFormatName(format);
        EXPECT_LT(meanError, MeanDifference(frame, reference[4])) << ExportFormatName(format);
        EXPECT_LT(meanError, MeanDifference(frame, reference[6])) << ExportFormatName(format);
    }
}

TEST_F(Export, cancelling_leaves_the_old_file_as_it_was_and_nothing_else)
{
    auto doc = MovingGreeting();
    const std::string out = Path("moving.gif");
    ASSERT_TRUE(platform::WriteWholeFile(out, std::vector<uint8_t>{1, 2, 3}));
    for (ExportFormat format : {ExportFormat::gif, ExportFormat::apng, ExportFormat::avi}) {
        if (!CanWrite(format))
            continue;
        const CExportResult result = ExportGreeting(*doc, Options(format), out,
            [](int done, int) { return done < 3; });
        EXPECT_TRUE(result.bCancelled) << ExportFormatName(format);
        EXPECT_TRUE(result.strError.empty()) << result.strError;
        EXPECT_FALSE(result.Succeeded());
        std::vector<uint8_t> bytes;
        ASSERT_TRUE(platform::ReadWholeFile(out, bytes));
        EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3}));
        EXPECT_FALSE(std::filesystem::exists(out + ".part"));
    }
    // Afterwards the greeting plays from its start again.
    EXPECT_TRUE(doc->GetMovie()->m_bPaused);
}

TEST_F(Export, a_place_that_cannot_be_written_is_a_failure_that_says_so)
{
    auto doc = MovingGreeting();
    for (ExportFormat format : {ExportFormat::gif, ExportFormat::apng}) {
        if (!CanWrite(format))
            continue;
        const CExportResult result
            = ExportGreeting(*doc, Options(format), Path("no/such/folder/out.gif"));
        EXPECT_FALSE(result.Succeeded());
        EXPECT_FALSE(result.bCancelled);
        EXPECT_FALSE(result.strError.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(Path("no")));
}

// The reasons people meet most, in German with their pieces in place.
TEST_F(Export, reasons_are_given_in_the_programs_language)
{
    auto doc = MovingGreeting();
    const std::string wave = Path("voice.wav");
    ASSERT_TRUE(
        platform::WriteWholeFile(wave, soundtest::MonoWave22k(std::vector<int16_t>(2205, 0))));
    CExportOptions tiny = Options(ExportFormat::gif);
    tiny.nWidth = 1;
    struct CGerman {
        CGerman() { EXPECT_TRUE(translations::InstallTranslators(platform::ELanguage::German)); }
        ~CGerman() { translations::InstallTranslators(platform::ELanguage::English); }
    };
    std::string late;
    std::string size;
    CExportResult unwritable;
    {
        CGerman german;
        EXPECT_FALSE(AddWaveSound(*doc->GetMovie(), wave, 500, 0, late));
        size = CheckExportOptions(*doc, tiny);
        unwritable
            = ExportGreeting(*doc, Options(ExportFormat::gif), Path("no/such/folder/out.gif"));
    }
    // In the model's code page.
    EXPECT_EQ(late, "Bild 500 liegt hinter dem Ende der Animation (12 Bilder)");
    EXPECT_EQ(
        size, "die Größe muss zwischen 2 x 2 und 4096 x 4096 liegen");
    EXPECT_EQ(unwritable.strError,
        
            Path("no/such/folder/out.gif.part") + " lässt sich nicht schreiben");
    // And English again once the language is back.
    EXPECT_EQ(CheckExportOptions(*doc, tiny), "the size must be from 2 x 2 to 4096 x 4096");
}

TEST_F(Export, the_sounds_of_an_export_never_reach_the_programs_output)
{
    auto doc = MovingGreeting();
    std::vector<int16_t> tone(22050, 3000);
    auto waves = std::make_unique<CSoundList>();
    auto* wave = new CSound;
    ASSERT_TRUE(wave->SetSource(CSound::kindWave, m_folder.Write("tone.wav", soundtest::MonoWave22k(tone))));
    wave->m_nStartFrame = 1;
    wave->m_nEndFrame = 5;
    waves->AddTail(wave);
    playtest::LayerAt(*doc, 0)->SetSounds(std::move(waves));

    CCountingOutput program;
    platform::IAudioOutput* previous = platform::SetAudioOutput(&program);
    CExportResult result;
    std::thread worker([&] { result = ExportGreeting(*doc, Options(ExportFormat::gif), Path("a.gif")); });
    worker.join();
    platform::SetAudioOutput(previous);
    EXPECT_TRUE(result.Succeeded()) << result.strError;
    EXPECT_EQ(program.m_nCalls, 0) << "the export's wave went to the program's sound card";
}

} // namespace
