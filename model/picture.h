// Pictures from files as the stage takes them: an object's picture with the mask of its
// see-through parts, a photo as the stage's background, the frames a picture can be cut to
// (the holder's mask, so the object moves, grows and plays like any clipart) and quarter
// turns. Reading is platform/picturefile's; this is what the model makes of a picture.
#pragma once

#include "model/bitmap.h"
#include "platform/types.h"

#include <QImage>
#include <QSize>

#include <memory>
#include <string>

class CBackgroundBMP;
class CLayer;
class CStage;

// The stage every picture is fitted to.
inline constexpr QSize kPictureStageSize{800, 600};

enum class EBackgroundFit {
    fill, // scaled to cover the stage, centred, the rest cropped off
    fit,  // the whole picture scaled to fit, centred, on the background colour
};

enum class EPictureFrame { none, rounded, circle, heart, star };

// "none", "rounded", "circle", "heart", "star"; false for any other name.
bool FrameByName(const std::string& name, EPictureFrame& frame);
bool BackgroundFitByName(const std::string& name, EBackgroundFit& fit);

// An object's picture from a file of any kind read: upright, scaled down smoothly to fit
// inside the stage when larger, with a mask (black where the picture shows, white where it is
// see-through) when some of it is see-through. A bitmap file that fits the stage is kept as
// the file came. None, with the message shown (the read error, naming the file and what is
// wrong), when it cannot be read.
std::unique_ptr<CHBitmap> ReadPictureBitmap(const std::string& path);

// The holder of a picture: its colours as a 24-bit bitmap, and a mask where its alpha is
// below one half (none when nothing is see-through). name is kept as the holder's path. None,
// with the message shown, for a null picture.
std::unique_ptr<CHBitmap> BitmapFromPicture(const QImage& picture, const std::string& name);

// The stage-sized (800 x 600) picture a photo makes as the background: filled (cropped in the
// middle to the stage's 4:3) or fitted whole on crBackground (0x00BBGGRR). Null for a null
// picture.
QImage BackgroundPicture(const QImage& picture, EBackgroundFit fit, COLORREF crBackground);

// Reads the file as the stage's background picture (fitted as asked, on the stage's colour)
// and makes its holder; the holder has no sound. None, with the message shown, when the file
// cannot be read.
std::unique_ptr<CBackgroundBMP> ReadBackgroundPicture(
    const std::string& path, EBackgroundFit fit, COLORREF crBackground);

// Gives the stage the picture as its background, keeping the background sound it had.
void SetBackgroundPicture(CStage& stage, std::unique_ptr<CBackgroundBMP> pPicture);

// The frame's shape for a picture of size: black inside, white outside, no grey (the masked
// draw combines bits). Rounded is a rectangle with corners of an eighth of the shorter side,
// circle the inscribed ellipse, heart and star fill the size. Null for none or an empty size.
QImage FrameMask(EPictureFrame frame, QSize size);

// Cuts the picture to the frame: the holder's mask becomes the frame's shape, and what was
// see-through in the picture stays so. None leaves the picture as it is. False when the
// picture is empty (it stays so) or cannot be kept again (the message shown).
bool SetPictureFrame(CHBitmap& bitmap, EPictureFrame frame);

// Turns the picture and its mask by nQuarterTurns quarter turns clockwise (negative ones
// anticlockwise). The layer showing it keeps its size: its caller swaps width and height for
// an odd count. False when the picture is empty or cannot be kept again, as for a frame.
bool RotatePicture(CHBitmap& bitmap, int nQuarterTurns);

// Adds the picture as the topmost object of the stage at ptAt (its top left corner, stage
// pixels), at the picture's own size, named name, standing still from frame 0 ("Sans" for one
// frame), as the editor places an imported picture. Nullptr for an empty picture.
CLayer* AddPictureObject(
    CStage& stage, std::unique_ptr<CHBitmap> pBitmap, CPoint ptAt, const std::string& name);
