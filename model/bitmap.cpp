#include "model/bitmap.h"

#include "model/archive.h"
#include "platform/files.h"
#include "platform/message.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

template <class T> T Load(const std::vector<uint8_t>& block, size_t offset)
{
    T value{};
    std::memcpy(&value, block.data() + offset, sizeof value);
    return value;
}

int ColorsForDepth(int bitCount)
{
    switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
    }
}

} // namespace

bool CHBitmap::LoadFromFile(const std::string& path)
{
    Release();
    m_strPath = path;
    std::vector<uint8_t> file;
    if (!platform::ReadWholeFile(path, file) || file.size() < kFileHeaderSize || file[0] != 'B'
        || file[1] != 'M' || file.size() > INT32_MAX) {
        Release();
        return false;
    }
    // The block is the file without its file header, followed by as many zero bytes, so
    // that its length is the file's length.
    m_hDIB.assign(file.begin() + kFileHeaderSize, file.end());
    m_hDIB.resize(file.size(), 0);
    m_nSize = static_cast<int32_t>(file.size());
    m_nKind = kindFile;
    BuildFromBlock();
    return true;
}

void CHBitmap::Release()
{
    m_bError = 0;
    m_hDIB.clear();
    m_hDIB.shrink_to_fit();
    m_hPalette.reset();
    m_nSize = 0;
    m_strPath.clear();
    m_bih = {};
    m_nColors = 0;
    m_hData.clear();
    m_hData.shrink_to_fit();
    m_nWidth = 0;
    m_nHeight = 0;
    m_pMask.reset();
    m_nKind = kindEmpty;
    m_nBitCount = 0;
    m_nColorCount = 0;
}

void CHBitmap::BuildFromBlock()
{
    const std::vector<uint8_t>& block = GetBlock();
    m_hPalette.reset();
    m_nWidth = m_nHeight = m_nBitCount = m_nColorCount = 0;
    if (block.size() < 4)
        return;
    uint32_t headerSize = Load<uint32_t>(block, 0);
    bool core = m_nKind == kindFile && headerSize == kCoreHeaderSize;
    size_t entrySize = core ? 3 : 4;
    int colors = 0;
    if (core) {
        if (block.size() < kCoreHeaderSize)
            return;
        m_nWidth = Load<uint16_t>(block, 4);
        m_nHeight = Load<uint16_t>(block, 6);
        m_nBitCount = Load<uint16_t>(block, 10);
        colors = ColorsForDepth(m_nBitCount);
    } else {
        if (block.size() < kInfoHeaderSize)
            return;
        BITMAPINFOHEADER bih = Load<BITMAPINFOHEADER>(block, 0);
        m_nWidth = bih.biWidth;
        // Rows stored top-down have a negative height.
        m_nHeight = bih.biHeight == INT32_MIN ? INT32_MAX : std::abs(bih.biHeight);
        m_nBitCount = bih.biBitCount;
        if (m_nKind == kindPacked) {
            m_bih = bih;
            m_nColors = bih.biClrUsed != 0 ? static_cast<int32_t>(bih.biClrUsed)
                                           : ColorsForDepth(bih.biBitCount);
            colors = m_nColors;
        } else {
            colors = bih.biClrUsed != 0 ? static_cast<int>(bih.biClrUsed)
                                        : ColorsForDepth(m_nBitCount);
        }
        headerSize = kInfoHeaderSize;
    }
    m_nColorCount = colors;
    if (colors <= 0 || headerSize + static_cast<uint64_t>(colors) * entrySize > block.size())
        return;
    // Table entries read from a file with the 40-byte header keep flag 0; the 3-byte entries
    // and packed bitmaps ask not to be collapsed onto the system palette.
    uint8_t flags = (m_nKind == kindFile && !core) ? 0 : PC_NOCOLLAPSE;
    m_hPalette = std::make_unique<CPalette>();
    m_hPalette->m_entries.resize(static_cast<size_t>(colors));
    for (int i = 0; i < colors; ++i) {
        const uint8_t* entry = block.data() + headerSize + static_cast<size_t>(i) * entrySize;
        m_hPalette->m_entries[static_cast<size_t>(i)] = {entry[2], entry[1], entry[0], flags};
    }
}

void CHBitmap::Serialize(CArchive& ar)
{
    if (ar.IsFailed())
        return;
    CArchive::Scope scope(ar, "a bitmap", &m_bError);
    int32_t kind = m_nKind;
    ar.Int(kind);
    if (ar.IsLoading()) {
        Release();
        m_nKind = kind;
    }
    if (kind == kindFile || kind == kindPacked) {
        std::vector<uint8_t>& block = kind == kindFile ? m_hDIB : m_hData;
        if (kind == kindFile) {
            // A bitmap without data keeps no path in the archive.
            std::string path = block.empty() ? std::string() : m_strPath;
            ar.Text(path);
            m_strPath = path;
        }
        int32_t n = static_cast<int32_t>(block.size());
        ar.Int(n);
        ar.Raw(block, n);
        if (ar.IsLoading() && !ar.IsFailed()) {
            m_nSize = n;
            if (n > 0)
                BuildFromBlock();
        }
    }
    if (ar.Presence(m_pMask != nullptr)) {
        if (ar.IsLoading())
            m_pMask = std::make_unique<CHBitmap>();
        m_pMask->Serialize(ar);
    }
}
