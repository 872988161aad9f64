// The resource library: the file beside the program that holds every window face, button face
// and picture as a named bitmap and most display texts as numbered strings. It is a Qt binary
// resource file ("ksredfr120.rcc"): bitmaps under "bitmaps/NAME.png", strings under
// "strings/NUMBER" in UTF-8, their texts in each translated language under "strings/de/NUMBER",
// "strings/ja/NUMBER" and so on. The program loads it once and reaches it through LoadResString
// (platform/strings.h) and LoadResBitmap.
//
// Every bitmap is drawn for three screen scales: "bitmaps/NAME.png" at 1x, beside it
// "bitmaps/NAME@1.5x.png" and "bitmaps/NAME@2x.png" with round(size x scale) pixels. A bitmap
// asked for at a device pixel ratio comes from the nearest set at or above the ratio, scaled
// down smoothly to round(size x ratio) pixels when the ratio lies between sets, and carries the
// ratio, so its logical size (deviceIndependentSize) is always the 1x size.
//
// A face that letters text is there in each translated language as well, with the same names
// under "bitmaps/de/", "bitmaps/ja/" and so on: a bitmap is the one in the program's language
// (ProgramLanguage) when the library has it, the English one otherwise.
#pragma once

#include "platform/language.h"
#include "platform/strings.h"

#include <QImage>

#include <memory>
#include <string>
#include <vector>

namespace platform {

// The scales every bitmap is drawn at.
inline constexpr qreal kBitmapScales[3] = {1.0, 1.5, 2.0};

// The set a device pixel ratio takes its bitmaps from: the nearest at or above it.
inline qreal BitmapScaleFor(qreal ratio)
{
    return ratio <= 1.0 ? 1.0 : (ratio <= 1.5 ? 1.5 : 2.0);
}

// The name of a bitmap's picture in the set for that scale: "NAME", "NAME@1.5x", "NAME@2x".
inline std::string ScaledName(const std::string& name, qreal scale)
{
    const qreal set = BitmapScaleFor(scale);
    return set == 1.0 ? name : name + (set == 1.5 ? "@1.5x" : "@2x");
}

// A picture of a set made ready for a device pixel ratio: scaled smoothly to round(logical x
// ratio) pixels when it does not have them, as 32-bit premultiplied, carrying the ratio.
QImage FitToRatio(QImage picture, const QSize& logical, qreal ratio);

class CResourceLibrary : public IStringTable {
public:
    // Opens the library file; nullptr when it does not exist or is not a resource file.
    static std::unique_ptr<CResourceLibrary> Load(const std::string& path);
    ~CResourceLibrary() override;
    CResourceLibrary(const CResourceLibrary&) = delete;
    CResourceLibrary& operator=(const CResourceLibrary&) = delete;

    // The string, whole; empty when the library has none by that number.
    // In the program's language (ProgramLanguage), English where the library has no
    // translation of it.
    std::string Get(int nId) const override;
    std::string Get(int nId, ELanguage language) const;
    bool HasString(int nId) const;
    // The bitmap of that name, read afresh, as a 32-bit image (premultiplied alpha; pixels
    // outside a window's outline are transparent). A null image when the name is missing or
    // is not a plain resource name (letters, digits, "_", "%" and "-" only).
    QImage Bitmap(const std::string& name) const;
    bool HasBitmap(const std::string& name) const;
    // The bitmap for a screen of that device pixel ratio (see above); at a ratio of 1 or less
    // the 1x bitmap. A library without the set falls back on the 1x picture, enlarged; null
    // when the 1x bitmap is missing.
    QImage Bitmap(const std::string& name, qreal ratio) const;
    // Whether the picture of the set for that scale is there itself (in English; with a
    // language, in that language's own folder).
    bool HasBitmap(const std::string& name, qreal scale) const;
    bool HasBitmap(const std::string& name, qreal scale, ELanguage language) const;

    // What the library holds, sorted: bitmap names (at 1x, without the scale) and string
    // numbers.
    std::vector<std::string> BitmapNames() const;
    std::vector<int> StringIds() const;

    const std::string& Path() const { return m_strPath; }

private:
    CResourceLibrary(std::string path, std::string root);
    std::string m_strPath;
    std::string m_strRoot; // where the file's content is mapped, ":/ksredfr120-N"
};

// Installs the library for the process (also as the string table of LoadResString) and returns
// the previous one; nullptr uninstalls. The caller keeps ownership and uninstalls the library
// before destroying it.
CResourceLibrary* SetResourceLibrary(CResourceLibrary* library);
CResourceLibrary* GetResourceLibrary();

// The bitmap of that name from the installed library: a null image without a library or when
// the name is missing. Loaded afresh each time.
QImage LoadResBitmap(const std::string& name);
QImage LoadResBitmap(const std::string& name, qreal ratio);

// Fills a display string's text arguments: each "%s" takes the next argument, "%%" becomes
// "%", and anything else after a "%" stays as it is, so a string can never read an argument
// that is not there. Missing arguments leave their "%s" as it is.
std::string FormatResText(const std::string& format, const std::vector<std::string>& args);

} // namespace platform
