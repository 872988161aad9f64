// The smooth scaler every composed frame and preview goes through on its way to the screen.
// Each output pixel is the mean of the source pixels under it, weighted by the area each one
// covers, so a one-pixel outline stays a (lighter) line at any shrink instead of dropping out,
// and an enlargement keeps the frame's edges with a soft seam where a pixel straddles two.
// Still and playing frames take the same way, so a greeting looks the same when it plays.
#pragma once

#include <QImage>
#include <QSize>

namespace platform {

// Scales src (any format; RGB32 and ARGB32 go without a conversion) into out, which keeps its
// size and device pixel ratio; out is made RGB32 (or ARGB32 from ARGB32) when it is not one of
// them. Nothing happens when either is empty. A large picture (a view at 200 %) is made in
// parts of rows at once, on the cores there are; the result is the same.
void ScaleSmooth(const QImage& src, QImage& out);

// A new image of size device pixels scaled smoothly from src, carrying the device pixel ratio
// given, so that it paints at size / ratio logical pixels.
QImage ScaledSmooth(const QImage& src, QSize size, qreal ratio = 1.0);

// The device size of a logical size at a device pixel ratio: each side rounded to the nearest
// pixel, at least 1.
QSize DeviceSize(QSize logical, qreal ratio);

} // namespace platform
