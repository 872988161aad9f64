// Pictures for the benchmarks: drawn with QPainter, taken the way the program takes an
// imported picture.
#pragma once

#include "model/bitmap.h"

#include <QImage>

#include <memory>

std::unique_ptr<CHBitmap> BitmapFromImage(const QImage& image);
