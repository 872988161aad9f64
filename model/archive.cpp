#include "model/archive.h"

#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <bit>
#include <cstring>

using platform::Fill;
using platform::Tr;

CArchive::CArchive(std::string strName) : m_bLoading(false), m_strName(std::move(strName)) {}

CArchive::CArchive(std::vector<uint8_t> data, std::string strName)
    : m_bLoading(true), m_data(std::move(data)), m_strName(std::move(strName))
{
}

bool CArchive::Take(void* out, size_t n)
{
    if (m_bFailed) {
        std::memset(out, 0, n);
        return false;
    }
    if (n > Remaining()) {
        std::memset(out, 0, n);
        Fail(
            Fill(Tr("Files", "the file ends %1 bytes early"), { std::to_string(n - Remaining()) }));
        return false;
    }
    std::memcpy(out, m_data.data() + m_nPos, n);
    m_nPos += n;
    return true;
}

void CArchive::Put(const void* in, size_t n)
{
    if (m_bFailed || n == 0)
        return;
    const auto* bytes = static_cast<const uint8_t*>(in);
    m_data.insert(m_data.end(), bytes, bytes + n);
}

// Every fixed-size item is its little-endian bytes, which is the memory layout on the
// machines we build for.
static_assert(std::endian::native == std::endian::little);

template <class T> void CArchive::Fixed(T& value)
{
    if (m_bLoading)
        Take(&value, sizeof value);
    else
        Put(&value, sizeof value);
}

void CArchive::Byte(uint8_t& value) { Fixed(value); }
void CArchive::Word(uint16_t& value) { Fixed(value); }
void CArchive::Int(int32_t& value) { Fixed(value); }
void CArchive::UInt(uint32_t& value) { Fixed(value); }
void CArchive::Real(float& value) { Fixed(value); }
void CArchive::Point(CPoint& value) { Fixed(value); }
void CArchive::Size(CSize& value) { Fixed(value); }
void CArchive::Rect(CRect& value) { Fixed(value); }
void CArchive::Pen(LOGPEN& value) { Fixed(value); }
void CArchive::Brush(LOGBRUSH& value) { Fixed(value); }
void CArchive::Font(LOGFONT& value) { Fixed(value); }

uint32_t CArchive::ReadLength(bool& bWide)
{
    uint8_t b = 0;
    Take(&b, 1);
    if (b < 0xFF)
        return b;
    uint16_t w = 0;
    Take(&w, 2);
    if (w == 0xFFFE) {
        if (bWide) {
            Fail(Tr("Files", "a text repeats its wide-character mark"));
            return 0;
        }
        bWide = true;
        return ReadLength(bWide);
    }
    if (w < 0xFFFF)
        return w;
    uint32_t n = 0;
    Take(&n, 4);
    return n;
}

void CArchive::WriteLength(size_t n)
{
    uint8_t b;
    if (n <= 254) {
        b = static_cast<uint8_t>(n);
        Put(&b, 1);
        return;
    }
    b = 0xFF;
    Put(&b, 1);
    if (n <= 65533) {
        uint16_t w = static_cast<uint16_t>(n);
        Put(&w, 2);
    } else {
        uint16_t w = 0xFFFF;
        uint32_t n32 = static_cast<uint32_t>(n);
        Put(&w, 2);
        Put(&n32, 4);
    }
}

void CArchive::Text(std::string& value)
{
    if (m_bFailed) {
        if (m_bLoading)
            value.clear();
        return;
    }
    if (!m_bLoading) {
        // A text the code page holds whole is written as single bytes, as it always was; any
        // other in the 2-byte form, so that no character is lost.
        if (platform::FitsCp1252(value)) {
            const std::string bytes = platform::Cp1252FromUtf8(value);
            WriteLength(bytes.size());
            Put(bytes.data(), bytes.size());
            return;
        }
        const std::u16string units = platform::Utf16FromUtf8(value);
        const uint8_t mark = 0xFF;
        const uint16_t wide = 0xFFFE;
        Put(&mark, 1);
        Put(&wide, 2);
        WriteLength(units.size());
        for (char16_t unit : units) {
            const uint8_t pair[2] = { static_cast<uint8_t>(unit & 0xFF),
                static_cast<uint8_t>(unit >> 8) };
            Put(pair, 2);
        }
        return;
    }
    bool bWide = false;
    uint32_t n = ReadLength(bWide);
    value.clear();
    if (m_bFailed)
        return;
    uint64_t bytes = static_cast<uint64_t>(n) * (bWide ? 2 : 1);
    if (bytes > Remaining()) {
        Fail(Fill(Tr("Files", "a text claims %1 bytes, %2 remain"),
            { std::to_string(bytes), std::to_string(Remaining()) }));
        return;
    }
    const uint8_t* p = m_data.data() + m_nPos;
    if (bWide) {
        std::u16string units(n, u'\0');
        for (uint32_t i = 0; i < n; ++i)
            units[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
        if (!platform::Utf8FromUtf16(units, value)) {
            Fail(Tr("Files", "a text of 2-byte characters holds half of a character pair"));
            return;
        }
    } else {
        value = platform::Utf8FromCp1252(std::string(reinterpret_cast<const char*>(p), n));
    }
    m_nPos += bytes;
}

void CArchive::Raw(std::vector<uint8_t>& block, int64_t nSize)
{
    if (m_bFailed) {
        if (m_bLoading)
            block.clear();
        return;
    }
    if (!m_bLoading) {
        Put(block.data(), block.size());
        return;
    }
    if (nSize < 0 || static_cast<uint64_t>(nSize) > Remaining()) {
        block.clear();
        Fail(Fill(Tr("Files", "a block claims %1 bytes, %2 remain"),
            { std::to_string(nSize), std::to_string(Remaining()) }));
        return;
    }
    block.assign(m_data.begin() + static_cast<std::ptrdiff_t>(m_nPos),
                 m_data.begin() + static_cast<std::ptrdiff_t>(m_nPos + static_cast<size_t>(nSize)));
    m_nPos += static_cast<size_t>(nSize);
}

bool CArchive::Presence(bool bPresent)
{
    uint8_t b = bPresent ? 1 : 0;
    Byte(b);
    return !m_bFailed && b != 0;
}

bool CArchive::CheckCount(int64_t nCount, int64_t nMinBytes, const char* what)
{
    if (m_bFailed)
        return false;
    if (!m_bLoading)
        return true;
    if (nCount < 0 || nCount * nMinBytes > static_cast<int64_t>(Remaining())) {
        Fail(Fill(Tr("Files", "a list claims %1 %2, %3 bytes remain"),
            { std::to_string(nCount), Tr("Files", what), std::to_string(Remaining()) }));
        return false;
    }
    return true;
}

void CArchive::Fail(const std::string& detail)
{
    if (m_bFailed)
        return;
    m_bFailed = true;
    m_nFailureId = m_nFlagDepth > 0 ? platform::IDS_READ_ERROR : platform::IDS_MEMORY_ERROR;
    if (m_bLoading)
        m_strFailure = Fill(Tr("Files", "%1: read error at byte %2 in %3 (%4)"),
            { m_strName, std::to_string(m_nPos), m_pWhat, detail });
    else
        m_strFailure
            = Fill(Tr("Files", "%1: write error in %2 (%3)"), { m_strName, m_pWhat, detail });
}

CArchive::Scope::Scope(CArchive& ar, const char* what, int32_t* pErrorFlag)
    : m_ar(ar), m_pPreviousWhat(ar.m_pWhat), m_pErrorFlag(pErrorFlag),
      m_nPreviousFlagDepth(ar.m_nFlagDepth), m_bFailedBefore(ar.m_bFailed)
{
    ar.m_pWhat = what;
    if (pErrorFlag != nullptr)
        ++ar.m_nFlagDepth;
}

CArchive::Scope::~Scope()
{
    if (m_pErrorFlag != nullptr && m_ar.m_bLoading && !m_bFailedBefore && m_ar.m_bFailed)
        *m_pErrorFlag = 1;
    m_ar.m_pWhat = m_pPreviousWhat;
    m_ar.m_nFlagDepth = m_nPreviousFlagDepth;
}
