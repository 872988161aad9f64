// The pictures of the sample library, drawn from scratch in the house palette: 800 x 600
// backgrounds, cliparts with their transparency masks, and the 32-pixel previews.
#pragma once

#include <QColor>
#include <QImage>

#include <string>
#include <vector>

namespace content {

// The palette of the look.
namespace colors {
const QColor paper(0xFF, 0xF4, 0xE4);
const QColor paperLight(0xFF, 0xFA, 0xF2);
const QColor ink(0x4A, 0x25, 0x45);
const QColor coral(0xFF, 0x6F, 0x61);
const QColor teal(0x2E, 0xC4, 0xB6);
const QColor sunshine(0xFF, 0xC8, 0x57);
const QColor edge(0xD9, 0xC3, 0xA5);
} // namespace colors

// A picture with its mask: the mask is black where the picture shows and white where the
// stage shows through; the picture is white there.
struct Sticker {
    QImage picture; // RGB32
    QImage mask; // RGB32, black and white only
};

// The clipart drawings by name (see ClipartNames); each has its own design size in pixels
// at scale 1.
std::vector<std::string> ClipartNames();
QSize ClipartDesignSize(const std::string& name);
// Draws the named clipart scaled to the given height (the width follows the design's
// proportions). An unknown name gives empty images.
Sticker DrawClipart(const std::string& name, int height);

// The background pictures by name (see BackgroundNames), 800 x 600.
std::vector<std::string> BackgroundNames();
QImage DrawBackground(const std::string& name);

// A 32 x 32 preview on white (the browser's transparent colour) of a picture with an
// optional mask (a null mask shows the whole picture), fitted inside with its proportions.
QImage Preview(const QImage& picture, const QImage& mask);
// The preview of a sound: a note on a round badge, teal for waves and coral for MIDI.
QImage SoundPreview(bool bMidi);

} // namespace content
