// Reading the pictures a person brings from anywhere: PNG, JPEG, GIF (its first frame), WebP
// and BMP through Qt's image readers, HEIC/HEIF and AVIF through libheif. A picture comes out
// upright (as its EXIF or HEIF orientation says) and, when larger than asked, scaled down
// smoothly with its aspect kept. Memory stays bounded: the header's size is checked before
// anything is decoded, and large pictures are decoded small where the reader can.
#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// The largest picture read, in pixels, as its header says: 100 megapixels.
constexpr int64_t kMaxPicturePixels = 100'000'000;
// The largest picture file read, in bytes.
constexpr int64_t kMaxPictureFileBytes = 256ll << 20;

// How a picture is made to fit the size asked for. Neither ever makes a picture larger.
enum class EPictureFit {
    inside, // the whole picture inside the size (an object on the stage)
    cover,  // the smallest picture that still covers the size (a background to crop)
};

// The size a picture of szPicture comes out at for the bounds; szPicture itself when it needs
// no scaling. Never smaller than 1 x 1.
QSize FittedPictureSize(QSize szPicture, QSize szBounds, EPictureFit fit);

// Whether libheif is built in: without it HEIC and AVIF files are refused with a message.
bool CanReadHeif();

// Reads the picture file at path, fitted to szBounds. False, with error saying the file and
// what is wrong in the person's language ("holiday.png: the picture is damaged or cut short"),
// when the file cannot be read, is too large, damaged, cut short or of a kind not read; the
// image is then null.
bool ReadPictureFile(const std::string& path, QSize szBounds, EPictureFit fit, QImage& image,
    std::string& error);
// The same for a file's bytes; name is the file's name said in messages.
bool ReadPictureBytes(std::span<const uint8_t> bytes, const std::string& name, QSize szBounds,
    EPictureFit fit, QImage& image, std::string& error);

} // namespace platform
