#include "model/bitmap.h"

#include "model/archive.h"
#include "model/dib.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/translate.h"

#include <QBuffer>

#include <cstdlib>
#include <cstring>

using platform::Fill;
using platform::Tr;

namespace {

constexpr size_t kFileHeaderSize = 14;

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
    std::vector<uint8_t> file;
    if (!platform::ReadWholeFile(path, file)) {
        Release();
        m_bError = 1;
        platform::ShowMessage(
            platform::IDS_READ_ERROR, Fill(Tr("Files", "%1: cannot be read"), { path }));
        return false;
    }
    return LoadFromFileBytes(file, path);
}

bool CHBitmap::LoadFromImage(const QImage& image, const std::string& name)
{
    // The picture as the 24-bit bitmap file the reader takes.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) ||
        !image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP")) {
        Release();
        m_bError = 1;
        platform::ShowMessage(platform::IDS_MEMORY_ERROR,
            Fill(Tr("Files", "%1: the picture cannot be kept"), { name }));
        return false;
    }
    const bool bOk = LoadFromFileBytes({bytes.begin(), bytes.end()}, name);
    m_strPath = name;
    return bOk;
}

bool CHBitmap::LoadFromFileBytes(const std::vector<uint8_t>& file, const std::string& path)
{
    Release();
    auto fail = [&](const std::string& text) {
        Release();
        m_bError = 1;
        platform::ShowMessage(platform::IDS_READ_ERROR, text);
        return false;
    };
    if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M')
        return fail(Fill(Tr("Files", "%1: not a bitmap file"), { path }));
    if (file.size() > static_cast<size_t>(INT32_MAX))
        return fail(Fill(Tr("Files", "%1: too large for a bitmap"), { path }));
    m_strPath = path;
    // The block is the file without its file header, followed by as many zero bytes, so
    // that its length is the file's length.
    m_hDIB.assign(file.begin() + kFileHeaderSize, file.end());
    m_hDIB.resize(file.size(), 0);
    m_nSize = static_cast<int32_t>(file.size());
    m_nKind = kindFile;
    // Some writers leave a gap between the colour table and the bits; the block keeps the
    // bits right behind the table, where every reader of it looks.
    DibInfo info;
    std::string error;
    uint32_t bitsAt = Load<uint32_t>(file, 10);
    if (ParseDib(m_hDIB, -1, true, info, error) && bitsAt > kFileHeaderSize + info.nBitsOffset
        && bitsAt <= file.size()) {
        const size_t gap = bitsAt - kFileHeaderSize - info.nBitsOffset;
        m_hDIB.erase(m_hDIB.begin() + static_cast<std::ptrdiff_t>(info.nBitsOffset),
                     m_hDIB.begin() + static_cast<std::ptrdiff_t>(info.nBitsOffset + gap));
        m_nSize = static_cast<int32_t>(m_hDIB.size());
    }
    if (!BuildFromBlock(error))
        return fail(Fill(Tr("Files", "%1: %2"), { path, error }));
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
    m_image = QImage();
}

bool CHBitmap::BuildFromBlock(std::string& error)
{
    const std::vector<uint8_t>& block = GetBlock();
    m_hPalette.reset();
    m_image = QImage();
    m_nWidth = m_nHeight = m_nBitCount = m_nColorCount = 0;
    DibInfo info;
    int colors = -1;
    if (m_nKind == kindPacked) {
        // A packed bitmap keeps its own colour count: the header's, or what its depth implies.
        if (block.size() < sizeof(BITMAPINFOHEADER)) {
            error = Fill(Tr("Files", "a packed bitmap of %1 bytes has no header"),
                { std::to_string(block.size()) });
            return false;
        }
        m_bih = Load<BITMAPINFOHEADER>(block, 0);
        m_nColors = m_bih.biClrUsed != 0 ? static_cast<int32_t>(std::min<uint32_t>(m_bih.biClrUsed, 1u << 20))
                                         : ColorsForDepth(m_bih.biBitCount);
        colors = m_nColors;
    }
    if (!ParseDib(block, colors, m_nKind == kindFile, info, error) || !DecodeDib(block, info, m_image, error)) {
        m_image = QImage();
        return false;
    }
    m_nWidth = info.nWidth;
    m_nHeight = info.nHeight;
    m_nBitCount = info.nBitCount;
    m_nColorCount = info.nColors;
    if (info.nColors > 0) {
        // Table entries read from a file with the long header keep flag 0; the 3-byte entries
        // and packed bitmaps ask not to be collapsed onto the system palette.
        const uint8_t flags = (m_nKind == kindFile && info.nEntrySize == 4) ? 0 : PC_NOCOLLAPSE;
        m_hPalette = std::make_unique<CPalette>();
        m_hPalette->m_entries.resize(static_cast<size_t>(info.nColors));
        for (int i = 0; i < info.nColors; ++i) {
            const uint8_t* entry = block.data() + info.nTableOffset + static_cast<size_t>(i) * static_cast<size_t>(info.nEntrySize);
            m_hPalette->m_entries[static_cast<size_t>(i)] = {entry[2], entry[1], entry[0], flags};
        }
    }
    return true;
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
            std::string error;
            if (n > 0 && !BuildFromBlock(error)) {
                // Not a picture: the bitmap stays empty.
                block.clear();
                m_nSize = 0;
                m_strPath.clear();
                ar.Fail(error);
                return;
            }
        }
    }
    if (ar.Presence(m_pMask != nullptr)) {
        if (ar.IsLoading())
            m_pMask = std::make_unique<CHBitmap>();
        m_pMask->Serialize(ar);
    }
}

void CHBitmap::Draw(CDC& target, const CRect& rc) const
{
    if (m_image.isNull() || rc.Width() == 0 || rc.Height() == 0)
        return;
    target.SetStretchBltMode(COLORONCOLOR);
    target.StretchImage(rc, m_image, {0, 0, m_nWidth, m_nHeight}, SRCCOPY);
}

void CHBitmap::DrawMasked(CDC& target, const CRect& rc, CDC& work, CDC& mask,
                          const QImage& picture) const
{
    const QImage& maskImage = m_pMask->GetImage();
    if (target.IsIdentityMapping() && work.IsIdentityMapping() && mask.IsIdentityMapping()
        && maskImage.size() == picture.size()) {
        // With no mapping anywhere the three passes below come to one.
        target.StretchMasked(rc, picture, maskImage);
        return;
    }
    work.SetStretchBltMode(COLORONCOLOR);
    mask.SetStretchBltMode(COLORONCOLOR);
    work.StretchImage(rc, picture, {0, 0, picture.width(), picture.height()}, SRCCOPY);
    mask.StretchImage(rc, maskImage, {0, 0, maskImage.width(), maskImage.height()}, SRCCOPY);
    // Exclusive or, and, exclusive or: where the mask is white the target comes out as it
    // was, where it is black the work buffer's picture replaces it.
    target.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), work, rc.left, rc.top, SRCINVERT);
    target.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), mask, rc.left, rc.top, SRCAND);
    target.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), work, rc.left, rc.top, SRCINVERT);
}

void CHBitmap::DrawTransparent(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) const
{
    if (m_image.isNull() || rc.Width() == 0 || rc.Height() == 0)
        return;
    if (m_pMask && !m_pMask->GetImage().isNull() && pWork != nullptr && pMask != nullptr)
        DrawMasked(target, rc, *pWork, *pMask, m_image);
    else
        Draw(target, rc);
}

void CHBitmap::DrawSilhouette(CDC& target, const CRect& rc, CDC* pWork, CDC* pMask) const
{
    if (m_image.isNull() || rc.Width() == 0 || rc.Height() == 0)
        return;
    if (m_pMask && !m_pMask->GetImage().isNull() && pWork != nullptr && pMask != nullptr)
        DrawMasked(target, rc, *pWork, *pMask, m_pMask->GetImage());
    else
        Draw(target, rc);
}

QImage CHBitmap::CreateDeviceBitmap(int nBitsPerPixel) const
{
    if (m_image.isNull())
        return {};
    switch (nBitsPerPixel) {
    case 8: return m_image.convertToFormat(QImage::Format_Indexed8);
    case 16: return m_image.convertToFormat(QImage::Format_RGB16);
    case 24: return m_image.convertToFormat(QImage::Format_RGB888);
    case 32: return m_image.copy();
    default: return {};
    }
}
