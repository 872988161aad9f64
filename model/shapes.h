// The vector shapes of drawn objects. A shape keeps no position: it is always drawn into the
// rectangle that its layer's position and size give.
#pragma once

#include "model/object.h"
#include "platform/types.h"

#include <string>
#include <vector>

class CDC;

// The head every shape shares: an outline pen and a fill brush, each switchable.
class CDrawObj : public CObject {
public:
    CDrawObj();
    void Serialize(CArchive& ar) override;
    // 0 rectangle shape, 1 text in a frame, 2 polygon: the kind code of the archive.
    virtual int ShapeKind() const = 0;

    // Draws the shape into rc with its own pen, brush and colours.
    virtual void Draw(CDC& dc, const CRect& rc) const = 0;
    // The same shape at the same place, filled with crFill and outlined in black: the look of
    // an object that is not in focus.
    virtual void DrawColored(CDC& dc, const CRect& rc, COLORREF crFill) const = 0;

    // The editor's setters; each returns the old value.
    int32_t SetPenWidth(int32_t nWidth);   // width (n, 0); the outline is drawn when n != 0
    uint32_t SetPenStyle(uint32_t nStyle);
    int32_t SetNoFill(int32_t bNoFill);    // the inside is filled when the flag is 0

protected:
    // Selects the shape's pen and brush (or the null pen and hollow brush where switched off);
    // with bColored, a solid brush of crFill and a black pen of the shape's style and width.
    void SelectTools(CDC& dc, bool bColored, COLORREF crFill) const;

public:

    int32_t m_bPen = 1;
    LOGPEN m_logpen;
    int32_t m_bBrush = 1;
    LOGBRUSH m_logbrush;
};

class CDrawRect : public CDrawObj {
public:
    enum Shape { rectangle = 0, roundRectangle = 1, ellipse = 2, line = 3 };
    void Serialize(CArchive& ar) override;
    int ShapeKind() const override { return 0; }
    void Draw(CDC& dc, const CRect& rc) const override;
    void DrawColored(CDC& dc, const CRect& rc, COLORREF crFill) const override;
    int32_t SetShape(int32_t nShape);

private:
    void DrawShape(CDC& dc, const CRect& rc) const;

public:

    int32_t m_nShape = rectangle; // 16 bits in the archive
    CPoint m_ptRound{16, 16};     // corner ellipse of the rounded rectangle
};

class CDrawTextRect : public CDrawObj {
public:
    CDrawTextRect();
    void Serialize(CArchive& ar) override;
    int ShapeKind() const override { return 1; }
    void Draw(CDC& dc, const CRect& rc) const override;
    void DrawColored(CDC& dc, const CRect& rc, COLORREF crFill) const override;
    int32_t SetShape(int32_t nShape);
    // Stores the flag; a set flag also takes away the outline (width 0, null pen) and the fill.
    void SetPlainText(int32_t bPlainText);

private:
    void DrawFramedText(CDC& dc, const CRect& rc, bool bColored, COLORREF crFill) const;

public:

    int32_t m_nTextParam = 0;     // kept and stored, not used for drawing
    int32_t m_nShape = 0;         // frame: 0 rectangle, 1 rounded, 2 ellipse, other none
    CPoint m_ptRound{16, 16};
    std::string m_strText = "ZestyScreen";
    LOGFONT m_logfont;            // the system font's description until changed
    COLORREF m_crText = 0;
    int32_t m_nReserved = 1;      // not stored
    int32_t m_bPlainText = 0;     // 0: centred both ways in the frame; else top-left text only
};

class CDrawPoly : public CDrawObj {
public:
    void Serialize(CArchive& ar) override;
    int ShapeKind() const override { return 2; }
    void Draw(CDC& dc, const CRect& rc) const override;
    void DrawColored(CDC& dc, const CRect& rc, COLORREF crFill) const override;

    int32_t GetPointCount() const { return m_nPoints; }
    // The point at index from 1.
    CPoint GetPoint(int32_t index) const { return m_pPoints.at(static_cast<size_t>(index - 1)); }
    // Appends a point unless it equals the last one; a full array grows by 10 points.
    void AddPoint(CPoint pt);
    // True when the rectangle touches the polygon's inside (alternate filling rule), in the
    // polygon's own coordinates.
    bool IntersectsRect(const CRect& rc) const;
    // The points mapped from their bounding box onto rc.
    std::vector<CPoint> MapPoints(const CRect& rc) const;


    int32_t m_nPolyParam1 = 0;    // kept and stored, not used for drawing
    int32_t m_nPolyParam2 = 0;
    int32_t m_nPoints = 0;        // 16 bits in the archive
    int32_t m_nAllocPoints = 0;   // capacity as the archive records it, 16 bits
    std::vector<CPoint> m_pPoints; // the polygon in its own coordinate space
};

// The description of the platform's system font, the default font of a text shape.
LOGFONT SystemFontDescription();
