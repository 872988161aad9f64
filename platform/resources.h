// The resource library: the file beside the program that holds every window face, button face
// and picture as a named bitmap and most display texts as numbered strings. It is a Qt binary
// resource file ("ksredfr120.rcc"): bitmaps under "bitmaps/NAME.png", strings under
// "strings/NUMBER" in UTF-8. The program loads it once and reaches it through LoadResString
// (platform/strings.h) and LoadResBitmap.
#pragma once

#include "platform/strings.h"

#include <QImage>

#include <memory>
#include <string>
#include <vector>

namespace platform {

class CResourceLibrary : public IStringTable {
public:
    // Opens the library file; nullptr when it does not exist or is not a resource file.
    static std::unique_ptr<CResourceLibrary> Load(const std::string& path);
    ~CResourceLibrary() override;
    CResourceLibrary(const CResourceLibrary&) = delete;
    CResourceLibrary& operator=(const CResourceLibrary&) = delete;

    // The string in the code page, whole; empty when the library has none by that number.
    std::string Get(int nId) const override;
    bool HasString(int nId) const;
    // The bitmap of that name, read afresh, as a 32-bit image (premultiplied alpha; pixels
    // outside a window's outline are transparent). A null image when the name is missing or
    // is not a plain resource name (letters, digits, "_", "%" and "-" only).
    QImage Bitmap(const std::string& name) const;
    bool HasBitmap(const std::string& name) const;

    // What the library holds, sorted: bitmap names and string numbers.
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

// Fills a display string's text arguments: each "%s" takes the next argument, "%%" becomes
// "%", and anything else after a "%" stays as it is, so a string can never read an argument
// that is not there. Missing arguments leave their "%s" as it is.
std::string FormatResText(const std::string& format, const std::vector<std::string>& args);

} // namespace platform
