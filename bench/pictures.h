// Pictures for the benchmarks: drawn with QPainter, loaded the way the program loads a bitmap
// file (through a temporary file that is gone afterwards).
#pragma once

#include "model/bitmap.h"

#include <QImage>

#include <memory>

std::unique_ptr<CHBitmap> BitmapFromImage(const QImage& image);
