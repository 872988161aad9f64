#include "bench/pictures.h"

std::unique_ptr<CHBitmap> BitmapFromImage(const QImage& image)
{
    auto bitmap = std::make_unique<CHBitmap>();
    bitmap->LoadFromImage(image, "picture");
    return bitmap;
}
