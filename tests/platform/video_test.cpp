#include "platform/video.h"

#include "platform/files.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

#include <gtest/gtest.h>

#include <QColor>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using platform::CVideoFile;
using platform::CVideoSettings;
using platform::CVideoWriter;
using platform::VideoFormat;

constexpr int kFrameMs = 120;

// Flat colours far apart, so that a lossy codec cannot turn one into another.
const QRgb kColours[]
    = { qRgb(220, 30, 30), qRgb(30, 200, 40), qRgb(40, 60, 220), qRgb(240, 230, 40),
          qRgb(250, 250, 250), qRgb(20, 20, 20), qRgb(200, 40, 210), qRgb(40, 210, 210) };
constexpr int kColourCount = int(std::size(kColours));

QImage Flat(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRgb ColourOf(int frame)
{
    return kColours[frame % kColourCount];
}

// The mean colour of the picture's middle quarter.
QRgb MiddleColour(const QImage& image)
{
    int64_t r = 0, g = 0, b = 0, n = 0;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
        for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
            const QRgb c = image.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
        }
    return n == 0 ? 0 : qRgb(int(r / n), int(g / n), int(b / n));
}

// True when every channel is within the tolerance.
bool Near(QRgb a, QRgb b, int tolerance = 12)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

std::string Hex(QRgb c)
{
    char text[16];
    std::snprintf(text, sizeof text, "#%06x", unsigned(c & 0xffffff));
    return text;
}

uint32_t Get32(const Bytes& b, size_t pos)
{
    return uint32_t(b[pos]) | uint32_t(b[pos + 1]) << 8 | uint32_t(b[pos + 2]) << 16
        | uint32_t(b[pos + 3]) << 24;
}
void Put32(Bytes& b, size_t pos, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[pos + i] = uint8_t(v >> (8 * i));
}
uint32_t GetBig32(const Bytes& b, size_t pos)
{
    return uint32_t(b[pos]) << 24 | uint32_t(b[pos + 1]) << 16 | uint32_t(b[pos + 2]) << 8
        | uint32_t(b[pos + 3]);
}

// Where the body of the first RIFF chunk with the four-character code starts, walking into the
// RIFF form and its lists; nothing when there is none.
std::optional<size_t> FindChunk(const Bytes& b, const char* tag, size_t pos, size_t end)
{
    while (pos + 8 <= end) {
        const size_t length = Get32(b, pos + 4);
        const size_t body = pos + 8;
        if (std::memcmp(&b[pos], tag, 4) == 0)
            return body;
        const bool bList
            = std::memcmp(&b[pos], "RIFF", 4) == 0 || std::memcmp(&b[pos], "LIST", 4) == 0;
        if (bList && length >= 4) {
            if (auto found = FindChunk(b, tag, body + 4, std::min(end, body + length)))
                return found;
        }
        pos = body + length + (length & 1);
    }
    return std::nullopt;
}
std::optional<size_t> FindChunk(const Bytes& b, const char* tag)
{
    return FindChunk(b, tag, 0, b.size());
}

// Where the first chunk inside the first list of the type starts ("movi").
std::optional<size_t> FindList(const Bytes& b, const char* type, size_t pos, size_t end)
{
    while (pos + 12 <= end) {
        const size_t length = Get32(b, pos + 4);
        const size_t body = pos + 8;
        const bool bList
            = std::memcmp(&b[pos], "RIFF", 4) == 0 || std::memcmp(&b[pos], "LIST", 4) == 0;
        if (bList && length >= 4) {
            if (std::memcmp(&b[body], type, 4) == 0)
                return body + 4;
            if (auto found = FindList(b, type, body + 4, std::min(end, body + length)))
                return found;
        }
        pos = body + length + (length & 1);
    }
    return std::nullopt;
}
std::optional<size_t> FindList(const Bytes& b, const char* type)
{
    return FindList(b, type, 0, b.size());
}

// The body of the first PNG chunk of the type; nothing when there is none.
std::optional<size_t> FindPngChunk(const Bytes& b, const char* type)
{
    size_t pos = 8;
    while (pos + 12 <= b.size()) {
        const size_t length = GetBig32(b, pos);
        if (std::memcmp(&b[pos + 4], type, 4) == 0)
            return pos + 8;
        pos += 12 + length;
    }
    return std::nullopt;
}

// What libavformat itself finds in a file.
struct CProbe {
    bool bOpened = false;
    int nStreams = 0;
    AVMediaType firstType = AVMEDIA_TYPE_UNKNOWN;
    std::string strVideoCodec;
    std::string strSoundCodec;
    int nVideoPackets = 0;
    // From the start of the first packet to the end of the last.
    double fVideoSeconds = 0;
    double fSoundSeconds = 0;
    int nSoundRate = 0;
    int nSoundChannels = 0;
};

CProbe Probe(const std::string& path)
{
    CProbe probe;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0)
        return probe;
    if (avformat_find_stream_info(format, nullptr) < 0) {
        avformat_close_input(&format);
        return probe;
    }
    probe.bOpened = true;
    probe.nStreams = int(format->nb_streams);
    int nVideo = -1;
    int nSound = -1;
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVCodecParameters* par = format->streams[i]->codecpar;
        if (i == 0)
            probe.firstType = par->codec_type;
        if (par->codec_type == AVMEDIA_TYPE_VIDEO && nVideo < 0) {
            nVideo = int(i);
            probe.strVideoCodec = avcodec_get_name(par->codec_id);
        }
        if (par->codec_type == AVMEDIA_TYPE_AUDIO && nSound < 0) {
            nSound = int(i);
            probe.strSoundCodec = avcodec_get_name(par->codec_id);
            probe.nSoundRate = par->sample_rate;
            probe.nSoundChannels = par->ch_layout.nb_channels;
        }
    }
    // A muxer may shift every stream by the sound encoder's lead-in.
    double videoStart = 1e9, videoEnd = 0, soundStart = 1e9, soundEnd = 0;
    AVPacket* packet = av_packet_alloc();
    while (av_read_frame(format, packet) >= 0) {
        const AVStream* stream = format->streams[packet->stream_index];
        if (packet->pts != AV_NOPTS_VALUE) {
            const double start = packet->pts * av_q2d(stream->time_base);
            const double end = (packet->pts + packet->duration) * av_q2d(stream->time_base);
            if (packet->stream_index == nVideo) {
                videoStart = std::min(videoStart, start);
                videoEnd = std::max(videoEnd, end);
            } else if (packet->stream_index == nSound) {
                soundStart = std::min(soundStart, start);
                soundEnd = std::max(soundEnd, end);
            }
        }
        if (packet->stream_index == nVideo)
            ++probe.nVideoPackets;
        av_packet_unref(packet);
    }
    av_packet_free(&packet);
    probe.fVideoSeconds = std::max(0.0, videoEnd - videoStart);
    probe.fSoundSeconds = std::max(0.0, soundEnd - soundStart);
    avformat_close_input(&format);
    return probe;
}

// seconds of a 440 Hz sine, 16-bit stereo at 44.1 kHz.
std::vector<int16_t> Sine(double seconds)
{
    const int n = int(seconds * 44100);
    std::vector<int16_t> samples(size_t(n) * 2);
    for (int i = 0; i < n; ++i) {
        const auto v
            = int16_t(std::lround(8000 * std::sin(2 * std::numbers::pi * 440 * i / 44100.0)));
        samples[size_t(i) * 2] = v;
        samples[size_t(i) * 2 + 1] = v;
    }
    return samples;
}

class VideoTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_dir = platform::MakeTempDirectory("videotest");
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string PathOf(const std::string& name) const { return m_dir + "/" + name; }

    // Writes nFrames flat frames in the colours of ColourOf.
    void Write(
        const std::string& path, const CVideoSettings& settings, int nFrames, bool bSound = false)
    {
        CVideoWriter writer;
        std::string error;
        ASSERT_TRUE(writer.Open(path, settings, error)) << error;
        const std::vector<int16_t> sound = Sine(nFrames * kFrameMs / 1000.0);
        const size_t perFrame = sound.size() / size_t(nFrames) & ~size_t(1);
        for (int i = 0; i < nFrames; ++i) {
            ASSERT_TRUE(
                writer.AddFrame(Flat(settings.nWidth, settings.nHeight, ColourOf(i)), error))
                << error;
            if (bSound) {
                ASSERT_TRUE(writer.AddSound(
                    std::span<const int16_t>(sound).subspan(size_t(i) * perFrame, perFrame), error))
                    << error;
            }
        }
        ASSERT_TRUE(writer.Finish(error)) << error;
    }

    std::string WriteAvi(int nFrames, int width = 160, int height = 120)
    {
        CVideoSettings settings;
        settings.format = VideoFormat::avi;
        settings.nWidth = width;
        settings.nHeight = height;
        settings.nFrameMs = kFrameMs;
        const std::string path = PathOf("test.avi");
        Write(path, settings, nFrames);
        return path;
    }

    Bytes ReadBytes(const std::string& path)
    {
        Bytes bytes;
        EXPECT_TRUE(platform::ReadWholeFile(path, bytes));
        return bytes;
    }

    std::string WriteBytes(const std::string& name, const Bytes& bytes)
    {
        const std::string path = PathOf(name);
        EXPECT_TRUE(platform::WriteWholeFile(path, bytes));
        return path;
    }

    std::string m_dir;
};

// --- The AVI round trip ----------------------------------------------------------------------

TEST_F(VideoTest, AviKeepsSizeRateAndLength)
{
    const std::string path = WriteAvi(12);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    EXPECT_TRUE(file.IsOpen());
    EXPECT_EQ(file.GetWidth(), 160);
    EXPECT_EQ(file.GetHeight(), 120);
    EXPECT_EQ(file.GetRate(), 25);
    EXPECT_EQ(file.GetScale(), 3);
    EXPECT_EQ(file.GetLength(), 12);
    // The stream header itself says 25 / 3.
    const Bytes bytes = ReadBytes(path);
    const auto strh = FindChunk(bytes, "strh");
    ASSERT_TRUE(strh);
    EXPECT_EQ(std::memcmp(&bytes[*strh], "vids", 4), 0);
    EXPECT_EQ(Get32(bytes, *strh + 20), 3u);
    EXPECT_EQ(Get32(bytes, *strh + 24), 25u);
}

TEST_F(VideoTest, AviFramesComeBackInTheirColours)
{
    const int n = 12;
    const std::string path = WriteAvi(n);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    for (int k = 0; k < n; ++k) {
        QImage frame;
        ASSERT_TRUE(file.ReadFrame(k, frame, error)) << k << ": " << error;
        ASSERT_EQ(frame.size(), QSize(160, 120));
        EXPECT_EQ(frame.format(), QImage::Format_RGB32);
        EXPECT_TRUE(Near(MiddleColour(frame), ColourOf(k)))
            << "frame " << k << ": " << Hex(MiddleColour(frame)) << " for " << Hex(ColourOf(k));
    }
}

TEST_F(VideoTest, ReadingBackwardStartsAgainAndGivesTheSameFrame)
{
    const std::string path = WriteAvi(30);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    QImage frame;
    for (int k : { 27, 3, 3, 0, 29, 26, 1, 28 }) {
        ASSERT_TRUE(file.ReadFrame(k, frame, error)) << k << ": " << error;
        EXPECT_TRUE(Near(MiddleColour(frame), ColourOf(k)))
            << "frame " << k << ": " << Hex(MiddleColour(frame)) << " for " << Hex(ColourOf(k));
    }
}

TEST_F(VideoTest, AFrameHandedOutStaysAsItWas)
{
    const std::string path = WriteAvi(4);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    QImage first;
    QImage second;
    ASSERT_TRUE(file.ReadFrame(0, first, error)) << error;
    const QImage copy = first.copy();
    ASSERT_TRUE(file.ReadFrame(1, second, error)) << error;
    EXPECT_EQ(first, copy);
    EXPECT_NE(first, second);
}

TEST_F(VideoTest, FramesOutsideTheVideoAreRefused)
{
    const std::string path = WriteAvi(5);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    QImage frame;
    EXPECT_FALSE(file.ReadFrame(5, frame, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(file.ReadFrame(-1, frame, error));
    EXPECT_TRUE(file.ReadFrame(4, frame, error)) << error;
}

TEST_F(VideoTest, FrameAtFollowsTheClock)
{
    const int n = 10;
    const std::string path = WriteAvi(n);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    EXPECT_EQ(file.FrameAt(0), 0);
    EXPECT_EQ(file.FrameAt(119), 0);
    EXPECT_EQ(file.FrameAt(120), 1);
    EXPECT_EQ(file.FrameAt(239), 1);
    EXPECT_EQ(file.FrameAt(n * 120), n);
    EXPECT_EQ(file.FrameAt(int64_t(1) << 40), (int64_t(1) << 40) * 25 / 3000);
}

TEST_F(VideoTest, CloseForgetsTheVideo)
{
    const std::string path = WriteAvi(3);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.GetLength(), 0);
    EXPECT_EQ(file.FrameAt(1000), 0);
    QImage frame;
    EXPECT_FALSE(file.ReadFrame(0, frame, error));
    // And it opens again.
    ASSERT_TRUE(file.Open(path, error)) << error;
    EXPECT_EQ(file.GetLength(), 3);
}

TEST_F(VideoTest, FramesOfAnotherSizeAreScaledToTheVideo)
{
    CVideoSettings settings;
    settings.nWidth = 160;
    settings.nHeight = 120;
    const std::string path = PathOf("scaled.avi");
    {
        CVideoWriter writer;
        std::string error;
        ASSERT_TRUE(writer.Open(path, settings, error)) << error;
        ASSERT_TRUE(writer.AddFrame(Flat(40, 30, ColourOf(0)), error)) << error;
        QImage indexed = Flat(500, 20, ColourOf(1)).convertToFormat(QImage::Format_Indexed8);
        ASSERT_TRUE(writer.AddFrame(indexed, error)) << error;
        ASSERT_TRUE(writer.AddFrame(Flat(160, 120, ColourOf(2)), error)) << error;
        ASSERT_TRUE(writer.Finish(error)) << error;
    }
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    ASSERT_EQ(file.GetLength(), 3);
    for (int k = 0; k < 3; ++k) {
        QImage frame;
        ASSERT_TRUE(file.ReadFrame(k, frame, error)) << error;
        EXPECT_EQ(frame.size(), QSize(160, 120));
        EXPECT_TRUE(Near(MiddleColour(frame), ColourOf(k))) << k;
    }
}

TEST_F(VideoTest, OddSizesAreRoundedUpToEvenForYuvFormats)
{
    const std::string path = WriteAvi(2, 161, 121);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    EXPECT_EQ(file.GetWidth(), 162);
    EXPECT_EQ(file.GetHeight(), 122);
}

TEST_F(VideoTest, AMovingSquareStaysWhereItWasDrawn)
{
    CVideoSettings settings;
    settings.nWidth = 320;
    settings.nHeight = 240;
    const std::string path = PathOf("square.avi");
    const int n = 8;
    {
        CVideoWriter writer;
        std::string error;
        ASSERT_TRUE(writer.Open(path, settings, error)) << error;
        for (int i = 0; i < n; ++i) {
            QImage image = Flat(320, 240, qRgb(255, 255, 255));
            QPainter(&image).fillRect(20 + 30 * i, 80, 40, 40, QColor(0, 0, 200));
            ASSERT_TRUE(writer.AddFrame(image, error)) << error;
        }
        ASSERT_TRUE(writer.Finish(error)) << error;
    }
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    for (int k : { 0, 5, 7, 2 }) {
        QImage frame;
        ASSERT_TRUE(file.ReadFrame(k, frame, error)) << error;
        EXPECT_TRUE(Near(frame.pixel(40 + 30 * k, 100), qRgb(0, 0, 200), 24))
            << k << ": " << Hex(frame.pixel(40 + 30 * k, 100));
        EXPECT_TRUE(Near(frame.pixel(40 + 30 * k, 180), qRgb(255, 255, 255), 24)) << k;
    }
}

// --- The exports -----------------------------------------------------------------------------

TEST_F(VideoTest, EveryFormatCanBeWrittenHere)
{
    for (VideoFormat format :
        { VideoFormat::avi, VideoFormat::webm, VideoFormat::mp4, VideoFormat::apng }) {
        std::string missing = "unchanged";
        EXPECT_TRUE(platform::CanWriteVideo(format, missing)) << missing;
        EXPECT_TRUE(missing.empty());
    }
    EXPECT_STREQ(platform::VideoFormatExtension(VideoFormat::avi), "avi");
    EXPECT_STREQ(platform::VideoFormatExtension(VideoFormat::webm), "webm");
    EXPECT_STREQ(platform::VideoFormatExtension(VideoFormat::mp4), "mp4");
    EXPECT_STREQ(platform::VideoFormatExtension(VideoFormat::apng), "apng");
}

struct CExportCase {
    VideoFormat format;
    const char* szVideoCodec;
    const char* szSoundCodec; // nullptr: no sound
    int nSoundRate;
};

class VideoExportTest : public VideoTest, public testing::WithParamInterface<CExportCase> { };

TEST_P(VideoExportTest, TenFramesKeepTheirCountDurationAndSound)
{
    const CExportCase& c = GetParam();
    CVideoSettings settings;
    settings.format = c.format;
    settings.nWidth = 616;
    settings.nHeight = 462;
    settings.nFrameMs = kFrameMs;
    settings.bSound = c.szSoundCodec != nullptr;
    settings.nLoops = 3;
    // The name says nothing of the format: the writer takes it from the settings.
    const std::string path = PathOf("export.part");
    Write(path, settings, 10, settings.bSound);

    const CProbe probe = Probe(path);
    ASSERT_TRUE(probe.bOpened);
    EXPECT_EQ(probe.firstType, AVMEDIA_TYPE_VIDEO);
    EXPECT_EQ(probe.strVideoCodec, c.szVideoCodec);
    EXPECT_EQ(probe.nVideoPackets, 10);
    EXPECT_NEAR(probe.fVideoSeconds, 1.2, 0.001);
    if (c.szSoundCodec != nullptr) {
        EXPECT_EQ(probe.nStreams, 2);
        EXPECT_EQ(probe.strSoundCodec, c.szSoundCodec);
        EXPECT_EQ(probe.nSoundRate, c.nSoundRate);
        EXPECT_EQ(probe.nSoundChannels, 2);
        // Encoders pad the last frame and add their own lead-in.
        EXPECT_NEAR(probe.fSoundSeconds, 1.2, 0.1);
    } else {
        EXPECT_EQ(probe.nStreams, 1);
    }
}

TEST_P(VideoExportTest, TheReaderTakesTheExportBack)
{
    const CExportCase& c = GetParam();
    CVideoSettings settings;
    settings.format = c.format;
    settings.nWidth = 160;
    settings.nHeight = 120;
    settings.bSound = c.szSoundCodec != nullptr;
    const std::string path = PathOf("export.part");
    Write(path, settings, 10, settings.bSound);
    CVideoFile file;
    std::string error;
    // An animated PNG says neither its length nor its duration: its frames are counted.
    ASSERT_TRUE(file.Open(path, error)) << error;
    EXPECT_EQ(file.GetWidth(), 160);
    EXPECT_EQ(file.GetHeight(), 120);
    EXPECT_EQ(file.GetLength(), 10);
    EXPECT_DOUBLE_EQ(double(file.GetRate()) / file.GetScale(), 25.0 / 3);
    for (int k : { 9, 0, 4 }) {
        QImage frame;
        ASSERT_TRUE(file.ReadFrame(k, frame, error)) << k << ": " << error;
        EXPECT_TRUE(Near(MiddleColour(frame), ColourOf(k), 16))
            << "frame " << k << ": " << Hex(MiddleColour(frame)) << " for " << Hex(ColourOf(k));
    }
}

INSTANTIATE_TEST_SUITE_P(Video, VideoExportTest,
    testing::Values(CExportCase { VideoFormat::avi, "mpeg4", nullptr, 0 },
        CExportCase { VideoFormat::webm, "vp9", "opus", 48000 },
        CExportCase { VideoFormat::mp4, "h264", "aac", 44100 },
        CExportCase { VideoFormat::apng, "apng", nullptr, 0 }),
    [](const testing::TestParamInfo<CExportCase>& info) {
        return std::string(platform::VideoFormatExtension(info.param.format));
    });

TEST_F(VideoTest, AnimatedPngSaysItsFramesAndPlays)
{
    for (int nLoops : { 0, 1, 3 }) {
        CVideoSettings settings;
        settings.format = VideoFormat::apng;
        settings.nWidth = 61; // no rounding: the pictures are RGB
        settings.nHeight = 47;
        settings.nLoops = nLoops;
        const std::string path = PathOf("loops.apng");
        Write(path, settings, 10);
        const Bytes bytes = ReadBytes(path);
        ASSERT_GE(bytes.size(), 8u);
        EXPECT_EQ(std::memcmp(bytes.data(), "\x89PNG\r\n\x1a\n", 8), 0);
        const auto actl = FindPngChunk(bytes, "acTL");
        ASSERT_TRUE(actl);
        EXPECT_EQ(GetBig32(bytes, *actl), 10u);
        EXPECT_EQ(GetBig32(bytes, *actl + 4), uint32_t(nLoops));
        const auto ihdr = FindPngChunk(bytes, "IHDR");
        ASSERT_TRUE(ihdr);
        EXPECT_EQ(GetBig32(bytes, *ihdr), 61u);
        EXPECT_EQ(GetBig32(bytes, *ihdr + 4), 47u);
        // Each frame's control chunk: 120 ms as delay_num / delay_den.
        const auto fctl = FindPngChunk(bytes, "fcTL");
        ASSERT_TRUE(fctl);
        const int num = bytes[*fctl + 20] << 8 | bytes[*fctl + 21];
        const int den = bytes[*fctl + 22] << 8 | bytes[*fctl + 23];
        ASSERT_NE(den, 0);
        EXPECT_DOUBLE_EQ(double(num) / den, 0.12);
    }
}

TEST_F(VideoTest, SoundMayComeBeforeTheFramesAndInOddSizes)
{
    CVideoSettings settings;
    settings.format = VideoFormat::mp4;
    settings.nWidth = 96;
    settings.nHeight = 64;
    settings.bSound = true;
    const std::string path = PathOf("order.mp4");
    {
        CVideoWriter writer;
        std::string error;
        ASSERT_TRUE(writer.Open(path, settings, error)) << error;
        const std::vector<int16_t> sound = Sine(1.2);
        std::span<const int16_t> rest(sound);
        // Pieces of odd lengths in frames, down to one frame.
        for (size_t piece : { 2, 6, 2000, 77778, 30000 }) {
            const size_t n = std::min(piece, rest.size());
            ASSERT_TRUE(writer.AddSound(rest.first(n), error)) << error;
            rest = rest.subspan(n);
        }
        ASSERT_TRUE(writer.AddSound(rest, error)) << error;
        for (int i = 0; i < 10; ++i)
            ASSERT_TRUE(writer.AddFrame(Flat(96, 64, ColourOf(i)), error)) << error;
        ASSERT_TRUE(writer.Finish(error)) << error;
    }
    const CProbe probe = Probe(path);
    ASSERT_TRUE(probe.bOpened);
    EXPECT_EQ(probe.nVideoPackets, 10);
    EXPECT_NEAR(probe.fSoundSeconds, 1.2, 0.1);
}

TEST_F(VideoTest, WriterRefusesWhatItCannotWrite)
{
    std::string error;
    CVideoSettings settings;
    settings.nWidth = 1;
    CVideoWriter writer;
    EXPECT_FALSE(writer.Open(PathOf("a.avi"), settings, error));
    EXPECT_FALSE(error.empty());
    settings.nWidth = platform::kMaxVideoSide + 1;
    EXPECT_FALSE(writer.Open(PathOf("a.avi"), settings, error));
    settings.nWidth = 64;
    settings.nFrameMs = 0;
    EXPECT_FALSE(writer.Open(PathOf("a.avi"), settings, error));
    settings.nFrameMs = kFrameMs;
    EXPECT_FALSE(writer.Open(m_dir + "/missing/a.avi", settings, error));
    EXPECT_NE(error.find("created"), std::string::npos) << error;
    EXPECT_FALSE(writer.AddFrame(Flat(64, 64, 0), error));
    EXPECT_FALSE(writer.Finish(error));

    // An AVI has no soundtrack, whatever the settings say.
    settings.bSound = true;
    ASSERT_TRUE(writer.Open(PathOf("a.avi"), settings, error)) << error;
    const std::vector<int16_t> sound(200);
    EXPECT_FALSE(writer.AddSound(sound, error));
    EXPECT_FALSE(writer.AddFrame(QImage(), error));
    ASSERT_TRUE(writer.AddFrame(Flat(64, 64, 0), error)) << error;
    ASSERT_TRUE(writer.Finish(error)) << error;
    EXPECT_FALSE(writer.AddFrame(Flat(64, 64, 0), error));
    EXPECT_FALSE(writer.Finish(error));
    EXPECT_EQ(Probe(PathOf("a.avi")).nStreams, 1);
}

TEST_F(VideoTest, StereoSoundNeedsPairsOfSamples)
{
    CVideoSettings settings;
    settings.format = VideoFormat::webm;
    settings.nWidth = 64;
    settings.nHeight = 64;
    settings.bSound = true;
    CVideoWriter writer;
    std::string error;
    ASSERT_TRUE(writer.Open(PathOf("a.webm"), settings, error)) << error;
    const std::vector<int16_t> sound(201);
    EXPECT_FALSE(writer.AddSound(sound, error));
    EXPECT_FALSE(error.empty());
}

TEST_F(VideoTest, AWriterLeftUnfinishedReleasesEverything)
{
    for (VideoFormat format :
        { VideoFormat::avi, VideoFormat::webm, VideoFormat::mp4, VideoFormat::apng }) {
        CVideoSettings settings;
        settings.format = format;
        settings.nWidth = 64;
        settings.nHeight = 48;
        settings.bSound = true;
        CVideoWriter writer;
        std::string error;
        ASSERT_TRUE(writer.Open(PathOf("half.part"), settings, error)) << error;
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(writer.AddFrame(Flat(64, 48, ColourOf(i)), error)) << error;
        if (format == VideoFormat::webm || format == VideoFormat::mp4) {
            ASSERT_TRUE(writer.AddSound(Sine(0.5), error)) << error;
        }
        // Opening again drops the first file half written.
        ASSERT_TRUE(writer.Open(PathOf("other.part"), settings, error)) << error;
        ASSERT_TRUE(writer.AddFrame(Flat(64, 48, ColourOf(0)), error)) << error;
    }
}

// --- Damaged and foreign files ---------------------------------------------------------------

class VideoDamageTest : public VideoTest {
protected:
    // Open fails, or some frame cannot be read; never more than that.
    void ExpectRefused(const std::string& path, bool bOpenMustFail)
    {
        CVideoFile file;
        std::string error;
        if (!file.Open(path, error)) {
            EXPECT_FALSE(error.empty());
            EXPECT_FALSE(file.IsOpen());
            return;
        }
        EXPECT_FALSE(bOpenMustFail) << "opened " << path;
        bool bAllRead = true;
        for (int64_t k = 0; k < std::min<int64_t>(file.GetLength(), 100) && bAllRead; ++k) {
            QImage frame;
            bAllRead = file.ReadFrame(k, frame, error);
        }
        EXPECT_FALSE(bAllRead) << "every frame of " << path << " was read";
        EXPECT_FALSE(error.empty());
    }
};

TEST_F(VideoDamageTest, AZeroRateOrScaleIsRefused)
{
    const Bytes good = ReadBytes(WriteAvi(5));
    const auto strh = FindChunk(good, "strh");
    const auto avih = FindChunk(good, "avih");
    ASSERT_TRUE(strh && avih);
    for (size_t field : { 20u, 24u }) { // dwScale, dwRate
        Bytes bytes = good;
        Put32(bytes, *strh + field, 0);
        CVideoFile file;
        std::string error;
        EXPECT_FALSE(file.Open(WriteBytes("rate.avi", bytes), error));
        EXPECT_NE(error.find("rate or scale is 0"), std::string::npos) << error;
        // Without the frame time of the main header as well.
        Put32(bytes, *avih, 0); // dwMicroSecPerFrame
        EXPECT_FALSE(file.Open(WriteBytes("rate0.avi", bytes), error));
        EXPECT_NE(error.find("rate or scale is 0"), std::string::npos) << error;
    }
    // The frame time alone is not what the stream's rate comes from.
    Bytes bytes = good;
    Put32(bytes, *avih, 0);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(WriteBytes("frametime.avi", bytes), error)) << error;
    EXPECT_EQ(file.GetRate(), 25);
    EXPECT_EQ(file.GetScale(), 3);
}

TEST_F(VideoDamageTest, AHugeFrameSizeIsRefusedAtOpen)
{
    Bytes bytes = ReadBytes(WriteAvi(5));
    const auto avih = FindChunk(bytes, "avih");
    const auto strf = FindChunk(bytes, "strf");
    ASSERT_TRUE(avih && strf);
    Put32(bytes, *avih + 32, 60000); // dwWidth
    Put32(bytes, *avih + 36, 60000); // dwHeight
    Put32(bytes, *strf + 4, 60000); // biWidth
    Put32(bytes, *strf + 8, 60000); // biHeight
    const std::string path = WriteBytes("huge.avi", bytes);
    CVideoFile file;
    std::string error;
    EXPECT_FALSE(file.Open(path, error));
    EXPECT_NE(error.find("60000"), std::string::npos) << error;
}

TEST_F(VideoDamageTest, HalfAFileFailsAtItsLateFrames)
{
    const Bytes good = ReadBytes(WriteAvi(40));
    const Bytes half(good.begin(), good.begin() + ptrdiff_t(good.size() / 2));
    const std::string path = WriteBytes("half.avi", half);
    CVideoFile file;
    std::string error;
    if (!file.Open(path, error))
        return; // refusing it at once is fine too
    ASSERT_EQ(file.GetLength(), 40);
    QImage frame;
    EXPECT_TRUE(file.ReadFrame(0, frame, error)) << error;
    EXPECT_FALSE(file.ReadFrame(39, frame, error));
    EXPECT_FALSE(error.empty());
    // The file is still usable after it.
    EXPECT_TRUE(file.ReadFrame(1, frame, error)) << error;
    EXPECT_TRUE(Near(MiddleColour(frame), ColourOf(1)));
}

TEST_F(VideoDamageTest, AFileCutBetweenFramesSaysWhereItEnds)
{
    const Bytes good = ReadBytes(WriteAvi(40));
    const auto movi = FindList(good, "movi");
    ASSERT_TRUE(movi);
    // Keep the first 20 frame chunks.
    size_t pos = *movi;
    for (int i = 0; i < 20; ++i) {
        ASSERT_LE(pos + 8, good.size());
        EXPECT_EQ(std::memcmp(&good[pos], "00dc", 4), 0);
        const size_t length = Get32(good, pos + 4);
        pos += 8 + length + (length & 1);
    }
    const std::string path
        = WriteBytes("cut.avi", Bytes(good.begin(), good.begin() + ptrdiff_t(pos)));
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(path, error)) << error;
    ASSERT_EQ(file.GetLength(), 40);
    QImage frame;
    EXPECT_TRUE(file.ReadFrame(19, frame, error)) << error;
    EXPECT_TRUE(Near(MiddleColour(frame), ColourOf(19)));
    EXPECT_FALSE(file.ReadFrame(20, frame, error));
    EXPECT_EQ(error, "the file ends before frame 20");
    EXPECT_FALSE(file.ReadFrame(39, frame, error));
    EXPECT_EQ(error, "the file ends before frame 39");
    EXPECT_TRUE(file.ReadFrame(2, frame, error)) << error;
    EXPECT_TRUE(Near(MiddleColour(frame), ColourOf(2)));
}

TEST_F(VideoDamageTest, AFileCutAnywhereFailsCleanly)
{
    const Bytes good = ReadBytes(WriteAvi(6, 64, 48));
    for (size_t cut = 0; cut < good.size(); cut += std::max<size_t>(1, good.size() / 40)) {
        const Bytes bytes(good.begin(), good.begin() + ptrdiff_t(cut));
        const std::string path = WriteBytes("cut.avi", bytes);
        CVideoFile file;
        std::string error;
        if (!file.Open(path, error))
            continue;
        for (int64_t k = 0; k < file.GetLength(); ++k) {
            QImage frame;
            if (!file.ReadFrame(k, frame, error))
                break;
            EXPECT_EQ(frame.size(), QSize(file.GetWidth(), file.GetHeight()));
        }
    }
}

TEST_F(VideoDamageTest, ScrambledBytesFailCleanly)
{
    const Bytes good = ReadBytes(WriteAvi(6, 64, 48));
    std::mt19937 random(1234);
    for (int round = 0; round < 30; ++round) {
        Bytes bytes = good;
        for (int i = 0; i < 20; ++i)
            bytes[random() % bytes.size()] = uint8_t(random());
        const std::string path = WriteBytes("scrambled.avi", bytes);
        CVideoFile file;
        std::string error;
        if (!file.Open(path, error))
            continue;
        EXPECT_GT(file.GetWidth(), 0);
        EXPECT_LE(file.GetWidth(), platform::kMaxVideoSide);
        for (int64_t k = 0; k < std::min<int64_t>(file.GetLength(), 20); ++k) {
            QImage frame;
            if (!file.ReadFrame(k, frame, error))
                break;
            EXPECT_EQ(frame.size(), QSize(file.GetWidth(), file.GetHeight()));
        }
    }
}

TEST_F(VideoDamageTest, AnAviOfSoundOnlyHoldsNoVideo)
{
    const std::string path = PathOf("sound.avi");
    AVFormatContext* format = nullptr;
    ASSERT_GE(avformat_alloc_output_context2(&format, nullptr, "avi", path.c_str()), 0);
    AVStream* stream = avformat_new_stream(format, nullptr);
    ASSERT_NE(stream, nullptr);
    stream->codecpar->codec_type = AVMEDIA_TYPE_AUDIO;
    stream->codecpar->codec_id = AV_CODEC_ID_PCM_S16LE;
    stream->codecpar->sample_rate = 44100;
    stream->codecpar->ch_layout = AV_CHANNEL_LAYOUT_STEREO;
    stream->codecpar->bits_per_coded_sample = 16;
    stream->codecpar->block_align = 4;
    stream->codecpar->bit_rate = 44100 * 4 * 8;
    stream->time_base = AVRational { 1, 44100 };
    ASSERT_GE(avio_open(&format->pb, path.c_str(), AVIO_FLAG_WRITE), 0);
    ASSERT_GE(avformat_write_header(format, nullptr), 0);
    const std::vector<int16_t> sound = Sine(0.5);
    AVPacket* packet = av_packet_alloc();
    ASSERT_GE(av_new_packet(packet, int(sound.size() * 2)), 0);
    std::memcpy(packet->data, sound.data(), sound.size() * 2);
    packet->pts = 0;
    packet->duration = int64_t(sound.size() / 2);
    packet->stream_index = 0;
    ASSERT_GE(av_write_frame(format, packet), 0);
    av_packet_free(&packet);
    ASSERT_GE(av_write_trailer(format), 0);
    avio_closep(&format->pb);
    avformat_free_context(format);

    CVideoFile file;
    std::string error;
    EXPECT_FALSE(file.Open(path, error));
    EXPECT_NE(error.find("holds no video"), std::string::npos) << error;
}

TEST_F(VideoDamageTest, WhatIsNoVideoIsRefused)
{
    std::mt19937 random(99);
    Bytes noise(100000);
    for (uint8_t& b : noise)
        b = uint8_t(random());
    ExpectRefused(WriteBytes("noise.avi", noise), true);
    ExpectRefused(WriteBytes("empty.avi", {}), true);
    // A RIFF header and nothing after it.
    ExpectRefused(
        WriteBytes("riff.avi", { 'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' ' }), true);
    ExpectRefused(PathOf("missing.avi"), true);
    ExpectRefused(m_dir, true);
    CVideoFile file;
    std::string error;
    EXPECT_FALSE(file.Open(PathOf("missing.avi"), error));
    EXPECT_NE(error.find("does not exist"), std::string::npos) << error;
}

TEST_F(VideoDamageTest, ANameWithAColonIsAFile)
{
    const std::string path = WriteAvi(2);
    const std::string odd = PathOf("concat:x.avi");
    std::filesystem::rename(path, odd);
    CVideoFile file;
    std::string error;
    ASSERT_TRUE(file.Open(odd, error)) << error;
    EXPECT_EQ(file.GetLength(), 2);
}

} // namespace
