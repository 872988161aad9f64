// Drawing of every face, button and picture from the description in faces.h. Everything is
// drawn with anti-aliasing at the face's exact pixel size into 32-bit images whose pixels
// outside a window's outline are transparent. Every face can be drawn for a screen of scale
// 1, 1.5 or 2: the image then has round(size x scale) pixels and the scale as its device pixel
// ratio, and is really drawn at that resolution (lettering at the larger size, strokes at the
// scaled width), never an enlarged copy of the 1x face.
#pragma once

#include "resources/faces.h"

#include <QImage>
#include <QPainter>

#include <functional>

namespace faces {

// Loads the lettering (Liberation Sans); false when the font files are not installed. Letters
// that font lacks come from the system's fonts; while the program speaks Japanese, the Han
// characters from Noto Sans CJK JP where it is installed.
bool LoadFonts();
QFont Lettering(int nPixels, bool bBold = true);

// A text lettered onto a face. Face texts are lettered in the language of the translation
// installed in the application (English without one), each fitted to the room it has: a
// longer translation gets a smaller size, down to 7 pixels, and is never cut off.
struct LetteredText {
    QString source; // the English text
    QString text;   // as lettered
    QRectF drawn;   // the rectangle and flags it was drawn with, in the face's coordinates
    int flags;
    QFont font;
    int nPixels;    // the size it asked for (the font's may be smaller)
    QRectF room;    // where it has to stay
};
// Told of every text lettered from now on (an empty function stops it), for the tests that
// look at the lettering.
void SetLetteringObserver(std::function<void(const LetteredText&)> observer);

// state: 0 "U" up, 1 "D" pressed, 2 "F" focused, 3 "X" disabled.
QImage DrawButton(const ButtonFace& button, int nState, qreal scale = 1);
// A set button of the main toolbar in set 1 to 3 and state 0 to 3.
QImage DrawSetButton(const ToolbarSetButton& button, int nSet, int nState, qreal scale = 1);
// A transition face between set nFrom and the next set: nStep 2 or 4 (the blank middle face
// is DrawSetButtonBlank).
QImage DrawSetTransition(const ToolbarSetButton& button, int nFrom, int nStep, qreal scale = 1);
QImage DrawSetButtonBlank(qreal scale = 1);

QImage DrawWindow(const WindowFace& face, qreal scale = 1);
QImage DrawPicture(const Picture& picture, qreal scale = 1);

void DrawPicto(QPainter& p, Picto picto, const QRectF& box, const QColor& ink, qreal penPixels);

// The program's own resources.
QImage DrawCursor(int nId, qreal scale = 1);     // 32 x 32; the hot spot is the centre
QImage DrawIcon(int nId, int nSize, qreal scale = 1);
QImage DrawSoundIcon(qreal scale = 1);           // bitmap 139, 32 x 32 on white (transparent)
QImage DrawTipEnd(bool bLeft, qreal scale = 1);  // "TIP_LEFT", "TIP_RIGHT"

} // namespace faces
