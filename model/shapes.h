// The vector shapes of drawn objects. A shape keeps no position: it is always drawn into the
// rectangle that its layer's position and size give.
#pragma once

#include "model/object.h"
#include "model/types.h"

#include <string>
#include <vector>

// The head every shape shares: an outline pen and a fill brush, each switchable.
class CDrawObj : public CObject {
public:
    CDrawObj();
    void Serialize(CArchive& ar) override;
    // 0 rectangle shape, 1 text in a frame, 2 polygon: the kind code of the archive.
    virtual int ShapeKind() const = 0;

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

    int32_t m_nShape = rectangle; // 16 bits in the archive
    CPoint m_ptRound{16, 16};     // corner ellipse of the rounded rectangle
};

class CDrawTextRect : public CDrawObj {
public:
    CDrawTextRect();
    void Serialize(CArchive& ar) override;
    int ShapeKind() const override { return 1; }

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

    int32_t m_nPolyParam1 = 0;    // kept and stored, not used for drawing
    int32_t m_nPolyParam2 = 0;
    int32_t m_nPoints = 0;        // 16 bits in the archive
    int32_t m_nAllocPoints = 0;   // capacity as the archive records it, 16 bits
    std::vector<CPoint> m_pPoints; // the polygon in its own coordinate space
};

// The description of the platform's system font, the default font of a text shape.
LOGFONT SystemFontDescription();
