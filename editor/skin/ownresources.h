// The program's own pictures, compiled into it (they do not come from the resource library):
// the editing cursors 209, 210 and 211, the icons 5 (the program), 6, 9, 10, 12 (drives), 16
// (My Computer) and 600 (a folder), the sound icon bitmap 139 and the tooltip ends "TIP_LEFT"
// and "TIP_RIGHT".
#pragma once

#include <QImage>
#include <QPoint>

#include <string>
#include <vector>

// A bitmap by name ("139", "TIP_LEFT", "TIP_RIGHT"); a null image when the program has none.
QImage LoadOwnBitmap(const std::string& name);
// An icon at 16 or 32 pixels; a null image when the program has none.
QImage LoadOwnIcon(int nId, int nSize);
// A cursor picture; *pHotSpot (when given) receives the point that aims.
QImage LoadOwnCursor(int nId, QPoint* pHotSpot = nullptr);

// The names of the own resources the program needs and lacks ("cursor 209", "icon 5",
// "bitmap TIP_LEFT"); empty when all are there.
std::vector<std::string> MissingOwnResources();
