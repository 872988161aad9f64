#include "bench/pictures.h"

#include "platform/files.h"

std::unique_ptr<CHBitmap> BitmapFromImage(const QImage& image)
{
    const std::string path = platform::MakeTempFileName(platform::TempDirectory(), "bmp");
    image.convertToFormat(QImage::Format_RGB888).save(QString::fromStdString(path), "BMP");
    auto bitmap = std::make_unique<CHBitmap>();
    bitmap->LoadFromFile(path);
    platform::DeleteFile(path);
    return bitmap;
}
