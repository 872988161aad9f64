// CHeaderObject: the record at the head of a library file ("*.hdr"): name, category, item
// number, type and preview. The program only reads them; the library generator writes them.
#pragma once

#include "model/bitmap.h"
#include "model/object.h"

#include <memory>
#include <string>

class CHeaderObject : public CObject {
public:
    // Library types: the catalogue an entry belongs to.
    enum Type {
        typeAnimation = 1,
        typeClipart = 2,
        typeBackground = 6,
        typeObjectSound = 7,
        typeSound = 8,
        typeUnreadable = 255
    };

    // Reading only; storing writes nothing, as the program never writes a header.
    void Serialize(CArchive& ar) override;
    // Writes the record as a library header file holds it (for the library generator).
    void Store(CArchive& ar);

    // Reads directory/fileName. Returns the type byte, or 255 after a read error (which is
    // reported). On success the directory is remembered.
    int ReadFile(const std::string& directory, const std::string& fileName);
    // The item file of the entry: "%s/%d.zty" from the directory and the item number.
    std::string ItemPath() const;

    std::string m_strDirectory;
    int32_t m_nValue = -1;        // number of the entry's item file
    uint8_t m_nType = typeUnreadable;
    std::unique_ptr<CHBitmap> m_pPreview;
    int32_t m_bError = 0;
    std::string m_strName;
    std::string m_strCategory;
};
