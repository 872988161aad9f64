#include "model/shapes.h"

#include "model/archive.h"
#include "platform/dc.h"

#include <QPolygon>
#include <QtGlobal>
#include <QRegion>

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
        if (!ar.CheckCount(m_nPoints, sizeof(CPoint), QT_TRANSLATE_NOOP("Files", "points")))
            return;
        m_pPoints.reserve(static_cast<size_t>(std::max(m_nPoints, m_nAllocPoints)));
        m_pPoints.resize(static_cast<size_t>(m_nPoints));
    }
    for (CPoint& point : m_pPoints)
        ar.Point(point);
}

// ------------------------------------------------------------------------------- drawing

int32_t CDrawObj::SetPenWidth(int32_t nWidth)
{
    int32_t old = m_logpen.lopnWidth.x;
    m_logpen.lopnWidth = {nWidth, 0};
    m_bPen = nWidth != 0;
    return old;
}

uint32_t CDrawObj::SetPenStyle(uint32_t nStyle)
{
    return std::exchange(m_logpen.lopnStyle, nStyle);
}

int32_t CDrawObj::SetNoFill(int32_t bNoFill)
{
    int32_t old = !m_bBrush;
    m_bBrush = !bNoFill;
    return old;
}

void CDrawObj::SelectTools(CDC& dc, bool bColored, COLORREF crFill) const
{
    if (bColored) {
        dc.SelectBrush(LOGBRUSH{BS_SOLID, crFill, 0}, m_bBrush != 0);
        LOGPEN pen{m_logpen.lopnStyle, {m_logpen.lopnWidth.x, 0}, 0x000000};
        dc.SelectPen(pen, m_bPen != 0);
    } else {
        dc.SelectBrush(m_logbrush, m_bBrush != 0);
        dc.SelectPen(m_logpen, m_bPen != 0);
    }
}

int32_t CDrawRect::SetShape(int32_t nShape)
{
    return std::exchange(m_nShape, nShape);
}

void CDrawRect::DrawShape(CDC& dc, const CRect& rc) const
{
    switch (m_nShape) {
    case rectangle: dc.Rectangle(rc); break;
    case roundRectangle: dc.RoundRect(rc, m_ptRound); break;
    case ellipse: dc.Ellipse(rc); break;
    case line: {
        // Both ends come in by the pen's width so that a thick line stays inside rc.
        CRect r = rc;
        const int32_t wy = m_logpen.lopnWidth.y, wx = m_logpen.lopnWidth.x;
        if (r.bottom < r.top) {
            r.top -= wy / 2;
            r.bottom += (wy + 1) / 2;
        } else {
            r.top += (wy + 1) / 2;
            r.bottom -= wy / 2;
        }
        if (r.right < r.left) {
            r.left -= wx / 2;
            r.right += (wx + 1) / 2;
        } else {
            r.left += (wx + 1) / 2;
            r.right -= wx / 2;
        }
        dc.MoveTo(r.left, r.top);
        dc.LineTo(r.right, r.bottom);
        break;
    }
    default: break;
    }
}

void CDrawRect::Draw(CDC& dc, const CRect& rc) const
{
    dc.SaveDC();
    SelectTools(dc, false, 0);
    DrawShape(dc, rc);
    dc.RestoreDC();
}

void CDrawRect::DrawColored(CDC& dc, const CRect& rc, COLORREF crFill) const
{
    dc.SaveDC();
    SelectTools(dc, true, crFill);
    DrawShape(dc, rc);
    dc.RestoreDC();
}

int32_t CDrawTextRect::SetShape(int32_t nShape)
{
    return std::exchange(m_nShape, nShape);
}

void CDrawTextRect::SetPlainText(int32_t bPlainText)
{
    m_bPlainText = bPlainText;
    if (bPlainText != 0) {
        SetPenWidth(0);
        SetPenStyle(PS_NULL);
        SetNoFill(1);
    }
}

void CDrawTextRect::DrawFramedText(CDC& dc, const CRect& rc, bool bColored, COLORREF crFill) const
{
    dc.SaveDC();
    SelectTools(dc, bColored, crFill);
    dc.SelectFont(m_logfont);
    switch (m_nShape) {
    case 0: dc.Rectangle(rc); break;
    case 1: dc.RoundRect(rc, m_ptRound); break;
    case 2: dc.Ellipse(rc); break;
    default: break;
    }
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(bColored ? 0x000000 : m_crText);
    if (m_bPlainText != 0) {
        CRect r = rc;
        dc.DrawText(m_strText, r, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_EXPANDTABS);
    } else {
        // Measured first, then centred as a block.
        CRect measure = rc;
        int h = dc.DrawText(m_strText, measure,
                            DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS | DT_CALCRECT);
        int top = rc.top + (rc.bottom - rc.top - h) / 2;
        CRect r{rc.left, top, rc.right, top + h};
        dc.DrawText(m_strText, r, DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS);
    }
    dc.RestoreDC();
}

void CDrawTextRect::Draw(CDC& dc, const CRect& rc) const
{
    DrawFramedText(dc, rc, false, 0);
}

void CDrawTextRect::DrawColored(CDC& dc, const CRect& rc, COLORREF crFill) const
{
    DrawFramedText(dc, rc, true, crFill);
}

std::vector<CPoint> CDrawPoly::MapPoints(const CRect& rc) const
{
    std::vector<CPoint> mapped;
    if (m_pPoints.empty())
        return mapped;
    int32_t minX = m_pPoints[0].x, maxX = minX, minY = m_pPoints[0].y, maxY = minY;
    for (const CPoint& pt : m_pPoints) {
        minX = std::min(minX, pt.x);
        maxX = std::max(maxX, pt.x);
        minY = std::min(minY, pt.y);
        maxY = std::max(maxY, pt.y);
    }
    const double spanX = static_cast<double>(maxX) - minX, spanY = static_cast<double>(maxY) - minY;
    const double fx = spanX < 1 ? 0.0 : (static_cast<double>(rc.right) - rc.left) / spanX;
    const double fy = spanY < 1 ? 0.0 : (static_cast<double>(rc.bottom) - rc.top) / spanY;
    mapped.reserve(m_pPoints.size());
    for (const CPoint& pt : m_pPoints)
        mapped.push_back({rc.left + static_cast<int32_t>((static_cast<double>(pt.x) - minX) * fx),
                          rc.top + static_cast<int32_t>((static_cast<double>(pt.y) - minY) * fy)});
    return mapped;
}

void CDrawPoly::Draw(CDC& dc, const CRect& rc) const
{
    dc.SaveDC();
    SelectTools(dc, false, 0);
    dc.Polygon(MapPoints(rc));
    dc.RestoreDC();
}

void CDrawPoly::DrawColored(CDC& dc, const CRect& rc, COLORREF crFill) const
{
    dc.SaveDC();
    SelectTools(dc, true, crFill);
    dc.Polygon(MapPoints(rc));
    dc.RestoreDC();
}

void CDrawPoly::AddPoint(CPoint pt)
{
    if (!m_pPoints.empty() && m_pPoints.back() == pt)
        return;
    if (m_nPoints >= m_nAllocPoints)
        m_nAllocPoints += 10;
    m_pPoints.push_back(pt);
    m_nPoints = static_cast<int32_t>(m_pPoints.size());
}

bool CDrawPoly::IntersectsRect(const CRect& rc) const
{
    QPolygon polygon;
    for (const CPoint& pt : m_pPoints)
        polygon << QPoint(pt.x, pt.y);
    QRegion region(polygon, Qt::OddEvenFill);
    return region.intersects(QRect(QPoint(rc.left, rc.top), QPoint(rc.right - 1, rc.bottom - 1)));
}
