// The program's own pictures, compiled into it (they do not come from the resource library):
// the editing cursors 209, 210 and 211, the icons 5 (the program), 6, 9, 10, 12 (drives), 16
// (My Computer) and 600 (a folder), the sound icon bitmap 139 and the tooltip ends "TIP_LEFT"
// and "TIP_RIGHT". Each is drawn at 1x, 1.5x and 2x; the ratio overloads return the picture for
// a screen of that device pixel ratio, carrying the ratio, its logical size the 1x size (the
// nearest set at or above the ratio, scaled down between sets).
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPoint>

#include <string>
#include <vector>

// A bitmap by name ("139", "TIP_LEFT", "TIP_RIGHT"); a null image when the program has none.
QImage LoadOwnBitmap(const std::string& name);
QImage LoadOwnBitmap(const std::string& name, qreal ratio);
// An icon at 16 or 32 pixels; a null image when the program has none.
QImage LoadOwnIcon(int nId, int nSize);
QImage LoadOwnIcon(int nId, int nSize, qreal ratio);
// A cursor picture; *pHotSpot (when given) receives the point that aims (logical pixels).
QImage LoadOwnCursor(int nId, QPoint* pHotSpot = nullptr);
QImage LoadOwnCursor(int nId, qreal ratio, QPoint* pHotSpot = nullptr);
// The cursor for a window of that device pixel ratio (its picture at the ratio, the hot spot in
// logical pixels); the arrow when the program has no such cursor.
QCursor OwnCursor(int nId, qreal ratio);
// The icon at 16 and 32 pixels, each at every scale, for window icons.
QIcon OwnIconSet(int nId);

// The names of the own resources the program needs and lacks ("cursor 209", "icon 5 (16)",
// "bitmap TIP_LEFT" at 1x, "cursor 209 at 2x" for another scale); empty when all are there.
std::vector<std::string> MissingOwnResources();
