// The archive: one stream of bytes that a persistent object writes itself to or reads itself
// from through a single Serialize that serves both directions. Every primitive below writes
// its argument when storing and reads into it when loading.
//
// Loading trusts nothing: every length, count and block is checked against the bytes that
// remain before anything is allocated. The first failure makes the archive failed; from then
// on every primitive does nothing and reads give zero, so a Serialize stays straight-line code
// and its caller checks once at the end. The failure remembers where it happened (byte offset,
// the object being read) for the message the person sees.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>
#include <vector>

class CAbstractMovie;

class CArchive {
public:
    // An archive that stores into memory; strName names the file in messages.
    explicit CArchive(std::string strName);
    // An archive that loads from the given bytes.
    CArchive(std::vector<uint8_t> data, std::string strName);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    // Room for that many stored bytes at once, so that a large store grows its buffer once.
    void Reserve(size_t nBytes) { m_data.reserve(nBytes); }

    bool IsLoading() const { return m_bLoading; }
    bool IsStoring() const { return !m_bLoading; }

    void Byte(uint8_t& value);
    void Word(uint16_t& value);
    void Int(int32_t& value);
    void UInt(uint32_t& value);
    void Real(float& value);
    void Point(CPoint& value);
    void Size(CSize& value);
    void Rect(CRect& value);
    void Pen(LOGPEN& value);
    void Brush(LOGBRUSH& value);
    void Font(LOGFONT& value);
    // A UTF-8 text with its length prefix. Written as single Windows-1252 bytes when the code
    // page holds every character (byte for byte what older versions wrote), else in the 2-byte
    // character form (0xFF, 0xFFFE, the prefix again, UTF-16 little-endian units). Loading
    // takes both; a 2-byte text with half of a surrogate pair is a read error.
    void Text(std::string& value);
    // A raw block whose size the caller has already stored or read. On loading the block is
    // resized to nSize first, unless nSize is more than remains (a read error).
    void Raw(std::vector<uint8_t>& block, int64_t nSize);
    // A presence byte: stores 1 or 0; on loading returns whether the byte was not 0.
    bool Presence(bool bPresent);
    // On loading, checks that a count of elements, each at least nMinBytes long, fits in what
    // remains; a count that cannot fit (or is negative) fails the read. True when it fits.
    // what names the elements ("layers"), marked with QT_TRANSLATE_NOOP("Files", ...): the
    // failure says it in the program's language.
    bool CheckCount(int64_t nCount, int64_t nMinBytes, const char* what);

    // Marks the archive failed with the given detail, in the program's language (only the
    // first failure is kept).
    void Fail(const std::string& detail);
    bool IsFailed() const { return m_bFailed; }
    // The resource string of the failure: 10101 when it happened inside an object that keeps
    // an error flag, 10102 otherwise.
    int FailureStringId() const { return m_nFailureId; }
    // "name: read error at byte N in a bitmap (detail)", in the program's language; the
    // record's name ("a bitmap") stays as the code names it.
    const std::string& FailureText() const { return m_strFailure; }

    size_t Offset() const { return m_nPos; }
    size_t Remaining() const { return m_data.size() - m_nPos; }
    const std::vector<uint8_t>& Buffer() const { return m_data; }
    std::vector<uint8_t> TakeBuffer() { return std::move(m_data); }
    const std::string& Name() const { return m_strName; }

    // The movie being loaded: animation clips read into it attach their inner stage to it.
    CAbstractMovie* m_pLoadingMovie = nullptr;

    // Names the object being read or written for failure messages for as long as it lives.
    // When pErrorFlag is given, a failure inside the scope sets *pErrorFlag to 1 and counts
    // as a read error of an object with an error flag.
    class Scope {
    public:
        Scope(CArchive& ar, const char* what, int32_t* pErrorFlag = nullptr);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CArchive& m_ar;
        const char* m_pPreviousWhat;
        int32_t* m_pErrorFlag;
        int m_nPreviousFlagDepth;
        bool m_bFailedBefore;
    };

private:
    bool Take(void* out, size_t n);
    void Put(const void* in, size_t n);
    template <class T> void Fixed(T& value);
    uint32_t ReadLength(bool& bWide);
    void WriteLength(size_t n);

    bool m_bLoading;
    bool m_bFailed = false;
    int m_nFailureId = 0;
    std::vector<uint8_t> m_data;
    size_t m_nPos = 0;
    std::string m_strName;
    std::string m_strFailure;
    const char* m_pWhat = "the file";
    int m_nFlagDepth = 0;
};
