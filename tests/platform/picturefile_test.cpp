// Reading pictures of every kind: the pictures are made here, written by Qt's own writers (and
// libheif's encoder when it is built in), with the one EXIF segment and the one oversized
// header written byte by byte.
#include "platform/picturefile.h"

#include "platform/gif.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#ifdef VIMBLE_HAVE_LIBHEIF
#include <libheif/heif.h>
#endif

namespace {

using Bytes = std::vector<uint8_t>;
using platform::EPictureFit;

const QRgb kQuadrants[4] = {qRgb(220, 30, 30), qRgb(30, 200, 40), qRgb(30, 40, 220),
    qRgb(230, 220, 30)};

// Top left, top right, bottom left, bottom right in the colours above.
QImage Quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = width / 2;
    const int h = height / 2;
    painter.fillRect(0, 0, w, h, QColor(kQuadrants[0]));
    painter.fillRect(w, 0, width - w, h, QColor(kQuadrants[1]));
    painter.fillRect(0, h, w, height - h, QColor(kQuadrants[2]));
    painter.fillRect(w, h, width - w, height - h, QColor(kQuadrants[3]));
    return image;
}

Bytes Encoded(const QImage& image, const char* format, int quality = 95)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return Bytes(data.begin(), data.end());
}

bool Near(QRgb a, QRgb b, int tolerance = 24)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
        && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The middle of each quadrant has its colour.
void ExpectQuadrants(const QImage& image)
{
    const int w = image.width();
    const int h = image.height();
    const QPoint middles[4] = {{w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4},
        {3 * w / 4, 3 * h / 4}};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Near(image.pixel(middles[i]), kQuadrants[i]))
            << "quadrant " << i << " is " << std::hex << image.pixel(middles[i]);
}

bool Read(const Bytes& bytes, QImage& image, std::string& error, QSize bounds = {800, 600})
{
    return platform::ReadPictureBytes(bytes, "holiday.pic", bounds, EPictureFit::inside, image,
        error);
}

#ifdef VIMBLE_HAVE_LIBHEIF
// The picture as a HEIF file of the compression, or nothing when no encoder for it is built.
Bytes HeifEncoded(const QImage& source, heif_compression_format compression)
{
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    Bytes out;
    if (heif_context_get_encoder_for_format(context, compression, &encoder).code == heif_error_Ok) {
        const QImage rgb = source.convertToFormat(QImage::Format_RGB888);
        heif_image* image = nullptr;
        heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB,
            heif_chroma_interleaved_RGB, &image);
        heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
        int stride = 0;
        uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        for (int y = 0; y < rgb.height(); ++y)
            std::memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
        heif_encoder_set_lossy_quality(encoder, 90);
        if (heif_context_encode_image(context, image, encoder, nullptr, nullptr).code
            == heif_error_Ok) {
            heif_writer writer{};
            writer.writer_api_version = 1;
            writer.write = [](heif_context*, const void* data, size_t size, void* userdata) {
                auto* bytes = static_cast<Bytes*>(userdata);
                const auto* p = static_cast<const uint8_t*>(data);
                bytes->insert(bytes->end(), p, p + size);
                return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
            };
            heif_context_write(context, &writer, &out);
        }
        heif_image_release(image);
        heif_encoder_release(encoder);
    }
    heif_context_free(context);
    return out;
}
#endif

// ---- Every kind reads as its source ------------------------------------------------------------

struct KindCase {
    const char* name;
    const char* format; // Qt's writer, or "heic" / "avif" for libheif's encoder
};

class PictureKinds : public testing::TestWithParam<KindCase> {
protected:
    // The picture of the kind, or a skip when this machine cannot write it.
    Bytes Make(const QImage& image)
    {
        const std::string format = GetParam().format;
        if (format == "heic" || format == "avif") {
#ifdef VIMBLE_HAVE_LIBHEIF
            Bytes bytes = HeifEncoded(image,
                format == "heic" ? heif_compression_HEVC : heif_compression_AV1);
            if (bytes.empty())
                ADD_FAILURE() << "libheif has no " << format << " encoder";
            return bytes;
#else
            return {};
#endif
        }
        if (format == "gif") {
            // Two frames: the first is the picture, the second must not be what is read.
            platform::CGifWriter writer(image.width(), image.height(),
                {kQuadrants[0], kQuadrants[1], kQuadrants[2], kQuadrants[3]}, 0);
            QImage second(image.size(), QImage::Format_RGB32);
            second.fill(kQuadrants[1]);
            writer.AddFrame(image, 100);
            writer.AddFrame(second, 100);
            return writer.Finish();
        }
        return Encoded(image, GetParam().format);
    }
    bool Supported()
    {
        const std::string format = GetParam().format;
        if (format == "heic" || format == "avif")
            return platform::CanReadHeif();
        return QImageReader::supportedImageFormats().contains(GetParam().format);
    }
};

TEST_P(PictureKinds, read_as_their_source)
{
    if (!Supported())
        GTEST_SKIP() << GetParam().name << " is not built in on this machine";
    const Bytes bytes = Make(Quadrants(64, 48));
    ASSERT_FALSE(bytes.empty());
    QImage image;
    std::string error;
    ASSERT_TRUE(Read(bytes, image, error)) << error;
    EXPECT_EQ(image.size(), QSize(64, 48));
    ExpectQuadrants(image);
}

TEST_P(PictureKinds, cut_short_are_refused_naming_the_file)
{
    if (!Supported())
        GTEST_SKIP() << GetParam().name << " is not built in on this machine";
    Bytes bytes = Make(Quadrants(64, 48));
    ASSERT_FALSE(bytes.empty());
    // A third: within the first frame of a GIF too.
    bytes.resize(bytes.size() / 3);
    QImage image;
    std::string error;
    EXPECT_FALSE(Read(bytes, image, error));
    EXPECT_TRUE(image.isNull());
    EXPECT_EQ(error.rfind("holiday.pic: the picture is damaged or cut short", 0), 0u) << error;
}

INSTANTIATE_TEST_SUITE_P(Kinds, PictureKinds,
    testing::Values(KindCase{"png", "png"}, KindCase{"jpeg", "jpeg"}, KindCase{"gif", "gif"},
        KindCase{"bmp", "bmp"}, KindCase{"webp", "webp"}, KindCase{"heic", "heic"},
        KindCase{"avif", "avif"}),
    [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

// ---- Orientation ---------------------------------------------------------------------------

// An APP1 segment holding a big-endian TIFF directory with the one Orientation entry.
Bytes ExifOrientation(uint16_t orientation)
{
    Bytes tiff = {'M', 'M', 0, 42, 0, 0, 0, 8, // header, directory at 8
        0, 1,                                   // one entry
        0x01, 0x12, 0, 3, 0, 0, 0, 1,           // Orientation, SHORT, one value
        uint8_t(orientation >> 8), uint8_t(orientation), 0, 0, //
        0, 0, 0, 0};                            // no further directory
    Bytes segment = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    segment.insert(segment.end(), tiff.begin(), tiff.end());
    const size_t length = segment.size() - 2;
    segment[2] = uint8_t(length >> 8);
    segment[3] = uint8_t(length);
    return segment;
}

TEST(PictureOrientation, an_exif_rotated_jpeg_comes_out_upright)
{
    // Stored lying down: red on the left, blue on the right. Orientation 6 says the stored
    // picture is to be turned a quarter clockwise, so the red comes on top.
    QImage stored(60, 40, QImage::Format_RGB32);
    QPainter painter(&stored);
    painter.fillRect(0, 0, 30, 40, QColor(kQuadrants[0]));
    painter.fillRect(30, 0, 30, 40, QColor(kQuadrants[2]));
    painter.end();
    Bytes jpeg = Encoded(stored, "jpeg");
    ASSERT_GT(jpeg.size(), 2u);
    const Bytes exif = ExifOrientation(6);
    jpeg.insert(jpeg.begin() + 2, exif.begin(), exif.end());
    QImage image;
    std::string error;
    ASSERT_TRUE(Read(jpeg, image, error)) << error;
    ASSERT_EQ(image.size(), QSize(40, 60));
    EXPECT_TRUE(Near(image.pixel(20, 10), kQuadrants[0])) << std::hex << image.pixel(20, 10);
    EXPECT_TRUE(Near(image.pixel(20, 50), kQuadrants[2])) << std::hex << image.pixel(20, 50);
}

TEST(PictureOrientation, a_rotated_jpeg_too_large_is_fitted_upright)
{
    // 1200 x 800 lying down is 800 x 1200 upright: fitted inside the stage, 400 x 600.
    Bytes jpeg = Encoded(Quadrants(1200, 800), "jpeg");
    const Bytes exif = ExifOrientation(6);
    jpeg.insert(jpeg.begin() + 2, exif.begin(), exif.end());
    QImage image;
    std::string error;
    ASSERT_TRUE(Read(jpeg, image, error)) << error;
    EXPECT_EQ(image.size(), QSize(400, 600));
}

// ---- Fitting -------------------------------------------------------------------------------

struct FitCase {
    QSize picture;
    EPictureFit fit;
    QSize expected;
};

class PictureFitting : public testing::TestWithParam<FitCase> {};

TEST_P(PictureFitting, larger_pictures_are_scaled_down_with_their_aspect_smaller_stay)
{
    const FitCase& c = GetParam();
    const Bytes png = Encoded(Quadrants(c.picture.width(), c.picture.height()), "png");
    QImage image;
    std::string error;
    ASSERT_TRUE(platform::ReadPictureBytes(png, "p.png", {800, 600}, c.fit, image, error))
        << error;
    EXPECT_EQ(image.size(), c.expected);
    ExpectQuadrants(image);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PictureFitting,
    testing::Values(FitCase{{4000, 3000}, EPictureFit::inside, {800, 600}},
        FitCase{{2000, 500}, EPictureFit::inside, {800, 200}},
        FitCase{{600, 1800}, EPictureFit::inside, {200, 600}},
        FitCase{{320, 200}, EPictureFit::inside, {320, 200}},
        FitCase{{2000, 500}, EPictureFit::cover, {2000, 500}},
        FitCase{{2000, 3000}, EPictureFit::cover, {800, 1200}},
        FitCase{{640, 480}, EPictureFit::cover, {640, 480}}));

// ---- Refusals ------------------------------------------------------------------------------

void PutBig(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(uint8_t(value >> shift));
}

uint32_t Crc32(const uint8_t* data, size_t size)
{
    uint32_t crc = 0xFFFFFFFF;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

void PutChunk(Bytes& out, const char* type, const Bytes& data)
{
    PutBig(out, uint32_t(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig(out, Crc32(out.data() + start, out.size() - start));
}

// A PNG whose header says width x height in 8-bit RGB, with a few bytes of data after it.
Bytes PngHeader(uint32_t width, uint32_t height)
{
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    PutBig(header, width);
    PutBig(header, height);
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
    PutChunk(png, "IEND", {});
    return png;
}

TEST(PictureRefusals, a_header_over_100_megapixels_is_refused_before_decoding)
{
    // 20,000 x 20,000 would take 1.6 GB decoded: the header alone is enough to refuse it.
    QImage image;
    std::string error;
    EXPECT_FALSE(Read(PngHeader(20000, 20000), image, error));
    EXPECT_TRUE(image.isNull());
    EXPECT_EQ(error,
        "holiday.pic: the picture is too large (20000 x 20000 pixels; at most 100 megapixels "
        "are read)");
}

TEST(PictureRefusals, what_is_no_picture_says_so)
{
    const std::string text = "Dear Anna, happy birthday!";
    QImage image;
    std::string error;
    EXPECT_FALSE(Read(Bytes(text.begin(), text.end()), image, error));
    EXPECT_EQ(error.rfind("holiday.pic: not a picture that can be read", 0), 0u) << error;
    EXPECT_FALSE(Read({}, image, error));
    EXPECT_EQ(error, "holiday.pic: the file is empty");
    EXPECT_FALSE(platform::ReadPictureFile("/nonexistent/holiday.png", {800, 600},
        EPictureFit::inside, image, error));
    EXPECT_EQ(error, "/nonexistent/holiday.png: cannot be read");
}

} // namespace
