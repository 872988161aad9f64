#include "model/shapes.h"

#include "model/archive.h"

#include <algorithm>
#include <cstring>

LOGFONT SystemFontDescription()
{
    LOGFONT lf;
    lf.lfHeight = 16;
    lf.lfWidth = 7;
    lf.lfWeight = 700;
    lf.lfCharSet = 0;
    lf.lfOutPrecision = 1;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = 0x22;
    std::strcpy(lf.lfFaceName, "System");
    return lf;
}

CDrawObj::CDrawObj()
{
    m_logpen.lopnStyle = PS_INSIDEFRAME;
    m_logpen.lopnWidth = {1, 1};
    m_logpen.lopnColor = 0x000000;
    m_logbrush.lbStyle = BS_SOLID;
    m_logbrush.lbColor = 0xFFFFFF;
    m_logbrush.lbHatch = 0;
}

void CDrawObj::Serialize(CArchive& ar)
{
    ar.Pen(m_logpen);
    ar.Brush(m_logbrush);
    ar.Int(m_bPen);
    ar.Int(m_bBrush);
}

namespace {

// A count that lives in 32 bits in memory and in 16 bits in the archive.
void Word16(CArchive& ar, int32_t& value)
{
    uint16_t w = static_cast<uint16_t>(value);
    ar.Word(w);
    value = w;
}

} // namespace

void CDrawRect::Serialize(CArchive& ar)
{
    CArchive::Scope scope(ar, "a rectangle shape");
    CDrawObj::Serialize(ar);
    Word16(ar, m_nShape);
    ar.Point(m_ptRound);
}

CDrawTextRect::CDrawTextRect() : m_logfont(SystemFontDescription()) {}

void CDrawTextRect::Serialize(CArchive& ar)
{
    CArchive::Scope scope(ar, "a text shape");
    CDrawObj::Serialize(ar);
    Word16(ar, m_nShape);
    ar.Point(m_ptRound);
    ar.Font(m_logfont);
    ar.Text(m_strText);
    ar.UInt(m_crText);
    ar.Int(m_bPlainText);
    ar.Int(m_nTextParam);
}

void CDrawPoly::Serialize(CArchive& ar)
{
    CArchive::Scope scope(ar, "a polygon");
    CDrawObj::Serialize(ar);
    if (ar.IsStoring())
        m_nPoints = static_cast<int32_t>(m_pPoints.size());
    Word16(ar, m_nPoints);
    Word16(ar, m_nAllocPoints);
    ar.Int(m_nPolyParam2);
    ar.Int(m_nPolyParam1);
    if (ar.IsLoading()) {
        m_pPoints.clear();
        if (!ar.CheckCount(m_nPoints, sizeof(CPoint), "points"))
            return;
        m_pPoints.reserve(static_cast<size_t>(std::max(m_nPoints, m_nAllocPoints)));
        m_pPoints.resize(static_cast<size_t>(m_nPoints));
    }
    for (CPoint& point : m_pPoints)
        ar.Point(point);
}
