// Reading pictures from files of every common kind.
#include "platform/picturefile.h"

#include "platform/translate.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#ifdef VIMBLE_HAVE_LIBHEIF
#include <libheif/heif.h>
#endif

namespace platform {

namespace {

// A 100-megapixel picture decodes into 400 MB at four bytes a pixel; Qt refuses more than that
// before allocating, whatever a header claimed.
constexpr int kAllocationLimitMb = 420;
// Neither side of a picture may be longer than this, whatever its area.
constexpr int kMaxPictureSide = 65535;

enum class EKind { unknown, png, jpeg, gif, bmp, webp, heif };

bool StartsWith(std::span<const uint8_t> bytes, size_t at, const char* text)
{
    const size_t n = std::strlen(text);
    return bytes.size() >= at + n && std::memcmp(bytes.data() + at, text, n) == 0;
}

// What the bytes say they are, from their first bytes alone.
EKind KindOf(std::span<const uint8_t> bytes)
{
    if (StartsWith(bytes, 0, "\x89PNG\r\n\x1a\n"))
        return EKind::png;
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
        return EKind::jpeg;
    if (StartsWith(bytes, 0, "GIF87a") || StartsWith(bytes, 0, "GIF89a"))
        return EKind::gif;
    if (StartsWith(bytes, 0, "BM"))
        return EKind::bmp;
    if (StartsWith(bytes, 0, "RIFF") && StartsWith(bytes, 8, "WEBP"))
        return EKind::webp;
    // An ISO base media file whose brand is one of the still-picture ones.
    if (StartsWith(bytes, 4, "ftyp")) {
        for (const char* brand : { "heic", "heix", "heim", "heis", "hevc", "hevx", "hevm", "hevs",
                 "mif1", "msf1", "avif", "avis" })
            if (StartsWith(bytes, 8, brand))
                return EKind::heif;
    }
    return EKind::unknown;
}

// english is marked with QT_TRANSLATE_NOOP("Pictures", ...) where it is written.
std::string Said(const char* english, const std::string& name)
{
    return Fill(Tr("Pictures", english), { name });
}

std::string Damaged(const std::string& name, const std::string& why)
{
    if (why.empty())
        return Said(QT_TRANSLATE_NOOP("Pictures", "%1: the picture is damaged or cut short"), name);
    return Fill(Tr("Pictures", "%1: the picture is damaged or cut short (%2)"), { name, why });
}

bool TooLarge(QSize size)
{
    return size.width() > kMaxPictureSide || size.height() > kMaxPictureSide
        || int64_t(size.width()) * size.height() > kMaxPicturePixels;
}

std::string TooLargeText(const std::string& name, QSize size)
{
    return Fill(Tr("Pictures",
                    "%1: the picture is too large (%2 x %3 pixels; at most %4 "
                    "megapixels are read)"),
        { name, std::to_string(size.width()), std::to_string(size.height()),
            std::to_string(kMaxPicturePixels / 1'000'000) });
}

// A JPEG whose last scan does not end with the end-of-picture marker was cut short: the
// decoder would fill the missing part with grey and call it a picture. Inside the coded data
// every 0xFF byte is followed by 0 or a restart marker, so the first FF D9 after a scan's
// start is the end of the picture.
bool JpegIsWhole(std::span<const uint8_t> bytes)
{
    size_t lastScan = 0;
    for (size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA)
            lastScan = i;
    if (lastScan == 0)
        return false;
    for (size_t i = lastScan + 2; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xD9)
            return true;
    return false;
}

// A bitmap file shorter than its header's file size was cut short; the decoder would leave
// the missing rows black. A size of 0 says nothing (some writers leave it so).
bool BmpIsWhole(std::span<const uint8_t> bytes)
{
    if (bytes.size() < 6)
        return false;
    const uint32_t size = uint32_t(bytes[2]) | uint32_t(bytes[3]) << 8 | uint32_t(bytes[4]) << 16
        | uint32_t(bytes[5]) << 24;
    return size == 0 || size <= bytes.size();
}

// Whether the blocks of a GIF reach the end of its first picture's data; the decoder shows a
// picture cut short as far as it came.
bool GifFirstFrameIsWhole(std::span<const uint8_t> bytes)
{
    size_t at = 13; // signature and screen descriptor
    auto skipTable = [&](uint8_t flags) {
        if (flags & 0x80)
            at += 3u << ((flags & 7) + 1);
    };
    auto skipSubBlocks = [&]() {
        while (at < bytes.size()) {
            const uint8_t length = bytes[at++];
            if (length == 0)
                return true;
            at += length;
        }
        return false;
    };
    if (bytes.size() < at)
        return false;
    skipTable(bytes[10]);
    while (at < bytes.size()) {
        const uint8_t introducer = bytes[at++];
        if (introducer == 0x21) { // an extension: its label, then its sub-blocks
            ++at;
            if (!skipSubBlocks())
                return false;
        } else if (introducer == 0x2C) { // a picture: descriptor, table, code size, data
            if (at + 9 > bytes.size())
                return false;
            const uint8_t flags = bytes[at + 8];
            at += 9;
            skipTable(flags);
            ++at;
            return skipSubBlocks();
        } else {
            return false; // the trailer or anything else before the first picture
        }
    }
    return false;
}

// The picture at exactly size, smoothly; as it is when it already has that size.
QImage ToSize(QImage image, QSize size)
{
    if (image.isNull() || image.size() == size)
        return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool ReadWithQt(std::span<const uint8_t> bytes, EKind kind, const std::string& name, QSize szBounds,
    EPictureFit fit, QImage& image, std::string& error)
{
    QImageReader::setAllocationLimit(kAllocationLimitMb);
    const QByteArray data = QByteArray::fromRawData(
        reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly)) {
        error = Said(QT_TRANSLATE_NOOP("Pictures", "%1: cannot be read"), name);
        return false;
    }
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        if (kind == EKind::webp)
            error = Said(QT_TRANSLATE_NOOP("Pictures",
                             "%1: WebP pictures cannot be read here: Qt's image format plug-ins "
                             "are missing"),
                name);
        else if (kind == EKind::unknown)
            error = Said(QT_TRANSLATE_NOOP("Pictures",
                             "%1: not a picture that can be read (PNG, JPEG, GIF, WebP, BMP, HEIC "
                             "or AVIF)"),
                name);
        else
            error = Damaged(name, {});
        return false;
    }
    const QSize stored = reader.size();
    if (!stored.isValid()) {
        error = Damaged(name, reader.errorString().toStdString());
        return false;
    }
    if (TooLarge(stored)) {
        error = TooLargeText(name, stored);
        return false;
    }
    // The stored picture may lie on its side; the bounds are for the upright one.
    const bool bOnSide = (reader.transformation() & QImageIOHandler::TransformationRotate90) != 0;
    const QSize upright = bOnSide ? stored.transposed() : stored;
    const QSize wanted = FittedPictureSize(upright, szBounds, fit);
    if (wanted != upright)
        reader.setScaledSize(bOnSide ? wanted.transposed() : wanted);
    QImage read = reader.read();
    if (read.isNull()) {
        error = Damaged(name, reader.errorString().toStdString());
        return false;
    }
    if ((kind == EKind::jpeg && !JpegIsWhole(bytes)) || (kind == EKind::bmp && !BmpIsWhole(bytes))
        || (kind == EKind::gif && !GifFirstFrameIsWhole(bytes))) {
        error = Damaged(name, {});
        return false;
    }
    image = ToSize(std::move(read), wanted);
    return true;
}

#ifdef VIMBLE_HAVE_LIBHEIF

struct CHeifFree {
    void operator()(heif_context* p) const { heif_context_free(p); }
    void operator()(heif_image_handle* p) const { heif_image_handle_release(p); }
    void operator()(heif_image* p) const { heif_image_release(p); }
};
template <class T> using HeifPtr = std::unique_ptr<T, CHeifFree>;

QSize HandleSize(const heif_image_handle* handle)
{
    // The size after the file's own rotation, mirroring and crop.
    return { heif_image_handle_get_width(handle), heif_image_handle_get_height(handle) };
}

bool ReadWithHeif(std::span<const uint8_t> bytes, const std::string& name, QSize szBounds,
    EPictureFit fit, QImage& image, std::string& error)
{
    HeifPtr<heif_context> context(heif_context_alloc());
    if (!context) {
        error = Said(
            QT_TRANSLATE_NOOP("Pictures", "%1: there is not enough memory for the picture"), name);
        return false;
    }
    heif_context_set_maximum_image_size_limit(context.get(), kMaxPictureSide);
    heif_error result = heif_context_read_from_memory_without_copy(
        context.get(), bytes.data(), bytes.size(), nullptr);
    if (result.code != heif_error_Ok) {
        error = Damaged(name, result.message ? result.message : "");
        return false;
    }
    heif_image_handle* primary = nullptr;
    result = heif_context_get_primary_image_handle(context.get(), &primary);
    HeifPtr<heif_image_handle> handle(primary);
    if (result.code != heif_error_Ok || !handle) {
        error = Damaged(name, result.message ? result.message : "");
        return false;
    }
    const QSize upright = HandleSize(handle.get());
    if (upright.isEmpty()) {
        error = Damaged(name, {});
        return false;
    }
    if (TooLarge(upright)) {
        error = TooLargeText(name, upright);
        return false;
    }
    const QSize wanted = FittedPictureSize(upright, szBounds, fit);
    // A thumbnail at least as large as the picture is wanted saves decoding the whole of it.
    if (wanted != upright) {
        const int count = heif_image_handle_get_number_of_thumbnails(handle.get());
        std::vector<heif_item_id> ids(static_cast<size_t>(std::max(count, 0)));
        if (count > 0)
            heif_image_handle_get_list_of_thumbnail_IDs(handle.get(), ids.data(), count);
        for (heif_item_id id : ids) {
            heif_image_handle* thumbnail = nullptr;
            if (heif_image_handle_get_thumbnail(handle.get(), id, &thumbnail).code != heif_error_Ok)
                continue;
            HeifPtr<heif_image_handle> candidate(thumbnail);
            const QSize size = HandleSize(candidate.get());
            if (size.width() >= wanted.width() && size.height() >= wanted.height()
                && int64_t(size.width()) * size.height()
                    < int64_t(upright.width()) * upright.height()) {
                handle = std::move(candidate);
                break;
            }
        }
    }
    const bool bAlpha = heif_image_handle_has_alpha_channel(handle.get()) != 0;
    heif_image* decodedRaw = nullptr;
    // Without options libheif applies the file's rotation, mirroring and crop itself.
    result = heif_decode_image(handle.get(), &decodedRaw, heif_colorspace_RGB,
        bAlpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, nullptr);
    HeifPtr<heif_image> decoded(decodedRaw);
    if (result.code != heif_error_Ok || !decoded) {
        error = Damaged(name, result.message ? result.message : "");
        return false;
    }
    const int width = heif_image_get_width(decoded.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(decoded.get(), heif_channel_interleaved);
    int stride = 0;
    const uint8_t* plane
        = heif_image_get_plane_readonly(decoded.get(), heif_channel_interleaved, &stride);
    if (plane == nullptr || width <= 0 || height <= 0 || TooLarge({ width, height })) {
        error = Damaged(name, {});
        return false;
    }
    // Copied out: the decoded image goes with its handle.
    const QImage view(
        plane, width, height, stride, bAlpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    QImage copy = view.convertToFormat(bAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (copy.isNull()) {
        error = Said(
            QT_TRANSLATE_NOOP("Pictures", "%1: there is not enough memory for the picture"), name);
        return false;
    }
    image = ToSize(std::move(copy), wanted);
    return true;
}

#endif

} // namespace

QSize FittedPictureSize(QSize szPicture, QSize szBounds, EPictureFit fit)
{
    const double w = szPicture.width();
    const double h = szPicture.height();
    if (w <= 0 || h <= 0 || szBounds.isEmpty())
        return szPicture;
    const double sx = szBounds.width() / w;
    const double sy = szBounds.height() / h;
    const double scale = fit == EPictureFit::inside ? std::min(sx, sy) : std::max(sx, sy);
    if (scale >= 1.0)
        return szPicture;
    // Rounded, so that a picture of the bounds' shape meets them exactly.
    return { std::max(1, static_cast<int>(std::lround(w * scale))),
        std::max(1, static_cast<int>(std::lround(h * scale))) };
}

bool CanReadHeif()
{
#ifdef VIMBLE_HAVE_LIBHEIF
    return true;
#else
    return false;
#endif
}

bool ReadPictureBytes(std::span<const uint8_t> bytes, const std::string& name, QSize szBounds,
    EPictureFit fit, QImage& image, std::string& error)
{
    image = QImage();
    error.clear();
    if (bytes.empty()) {
        error = Said(QT_TRANSLATE_NOOP("Pictures", "%1: the file is empty"), name);
        return false;
    }
    if (int64_t(bytes.size()) > kMaxPictureFileBytes) {
        error
            = Said(QT_TRANSLATE_NOOP("Pictures", "%1: the file is too large for a picture"), name);
        return false;
    }
    const EKind kind = KindOf(bytes);
    if (kind == EKind::heif) {
#ifdef VIMBLE_HAVE_LIBHEIF
        return ReadWithHeif(bytes, name, szBounds, fit, image, error);
#else
        error = Said(QT_TRANSLATE_NOOP(
                         "Pictures", "%1: HEIC and AVIF pictures cannot be read by this build"),
            name);
        return false;
#endif
    }
    return ReadWithQt(bytes, kind, name, szBounds, fit, image, error);
}

bool ReadPictureFile(
    const std::string& path, QSize szBounds, EPictureFit fit, QImage& image, std::string& error)
{
    image = QImage();
    std::error_code failed;
    const uintmax_t size = std::filesystem::file_size(path, failed);
    if (failed) {
        error = Said(QT_TRANSLATE_NOOP("Pictures", "%1: cannot be read"), path);
        return false;
    }
    if (size > uintmax_t(kMaxPictureFileBytes)) {
        error
            = Said(QT_TRANSLATE_NOOP("Pictures", "%1: the file is too large for a picture"), path);
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (!file || !file.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size))) {
        error = Said(QT_TRANSLATE_NOOP("Pictures", "%1: cannot be read"), path);
        return false;
    }
    return ReadPictureBytes(bytes, path, szBounds, fit, image, error);
}

} // namespace platform
