#include "platform/dc.h"

#include "platform/text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBlack = 0xFF000000u;

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace

QString FamilyForFace(const char* face)
{
    std::string name(face, strnlen(face, LF_FACESIZE));
    if (name.empty() || name == "Arial" || name == "MS Sans Serif" || name == "System"
        || name == "Helvetica")
        return QStringLiteral("Liberation Sans");
    if (name == "Times New Roman" || name == "Times")
        return QStringLiteral("Liberation Serif");
    if (name == "Courier New" || name == "Courier")
        return QStringLiteral("Liberation Mono");
    return QString::fromStdString(platform::Utf8FromCp1252(name));
}

QFont FontOfLogFont(const LOGFONT& lf, double scale)
{
    QFont font(FamilyForFace(lf.lfFaceName));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(lf.lfWeight == 0 ? 400 : lf.lfWeight, 100, 900)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    double height = lf.lfHeight == 0 ? 16.0 : std::abs(static_cast<double>(lf.lfHeight));
    if (lf.lfHeight >= 0) {
        font.setPixelSize(100);
        QFontMetricsF metrics(font);
        double cell = metrics.ascent() + metrics.descent();
        if (cell > 0)
            height = height * 100.0 / cell;
    }
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * scale))));
    return font;
}

CDC::CDC(int width, int height, bool bMono)
    : m_own(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32), m_pImage(&m_own),
      m_bMono(bMono)
{
    m_own.fill(kWhite);
}

CDC::CDC(QImage* pTarget) : m_pImage(pTarget), m_bMono(false)
{
    if (m_pImage->format() != QImage::Format_RGB32)
        *m_pImage = m_pImage->convertToFormat(QImage::Format_RGB32);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0xFFFFFFFF;
    return ColorFromPixel(reinterpret_cast<const uint32_t*>(m_pImage->constScanLine(y))[x]);
}

int CDC::SetMapMode(int mode)
{
    return std::exchange(m_state.mapMode, mode);
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return std::exchange(m_state.windowOrg, CPoint{x, y});
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    return std::exchange(m_state.windowExt, CSize{cx, cy});
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return std::exchange(m_state.viewportOrg, CPoint{x, y});
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    return std::exchange(m_state.viewportExt, CSize{cx, cy});
}

double CDC::ScaleX() const
{
    if (m_state.mapMode != MM_ANISOTROPIC || m_state.windowExt.cx == 0)
        return 1.0;
    return static_cast<double>(m_state.viewportExt.cx) / m_state.windowExt.cx;
}

double CDC::ScaleY() const
{
    if (m_state.mapMode != MM_ANISOTROPIC || m_state.windowExt.cy == 0)
        return 1.0;
    return static_cast<double>(m_state.viewportExt.cy) / m_state.windowExt.cy;
}

CPoint CDC::LPtoDP(CPoint pt) const
{
    double x = (static_cast<double>(pt.x) - m_state.windowOrg.x) * ScaleX() + m_state.viewportOrg.x;
    double y = (static_cast<double>(pt.y) - m_state.windowOrg.y) * ScaleY() + m_state.viewportOrg.y;
    auto clampInt = [](double v) {
        return static_cast<int32_t>(std::clamp(std::round(v), -1e9, 1e9));
    };
    return {clampInt(x), clampInt(y)};
}

CRect CDC::LPtoDP(const CRect& rc) const
{
    CPoint a = LPtoDP(CPoint{rc.left, rc.top});
    CPoint b = LPtoDP(CPoint{rc.right, rc.bottom});
    return {a.x, a.y, b.x, b.y};
}

int CDC::SaveDC()
{
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

void CDC::RestoreDC()
{
    if (m_saved.empty())
        return;
    m_state = m_saved.back();
    m_saved.pop_back();
}

int CDC::SetStretchBltMode(int mode)
{
    return std::exchange(m_state.stretchMode, mode);
}

void CDC::SelectPen(const LOGPEN& pen, bool bUse)
{
    m_state.pen = pen;
    m_state.bPen = bUse && pen.lopnStyle != PS_NULL;
}

void CDC::SelectBrush(const LOGBRUSH& brush, bool bUse)
{
    m_state.brush = brush;
    m_state.bBrush = bUse && brush.lbStyle != BS_HOLLOW;
}

void CDC::SelectFont(const LOGFONT& font)
{
    m_state.font = font;
    m_state.bFont = true;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return std::exchange(m_state.textColor, color);
}

int CDC::SetBkMode(int mode)
{
    return std::exchange(m_state.bkMode, mode);
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    return std::exchange(m_state.bkColor, color);
}

void CDC::Threshold(const CRect& area)
{
    if (!m_bMono)
        return;
    int x0 = std::max(0, std::min(area.left, area.right)), x1 = std::min(Width(), std::max(area.left, area.right));
    int y0 = std::max(0, std::min(area.top, area.bottom)), y1 = std::min(Height(), std::max(area.top, area.bottom));
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(m_pImage->scanLine(y));
        for (int x = x0; x < x1; ++x)
            row[x] = (row[x] | 0xFF000000u) == kWhite ? kWhite : kBlack;
    }
}

void CDC::FillSolidRect(const CRect& rc, COLORREF color)
{
    CRect d = LPtoDP(rc);
    int x0 = std::max(0, std::min(d.left, d.right)), x1 = std::min(Width(), std::max(d.left, d.right));
    int y0 = std::max(0, std::min(d.top, d.bottom)), y1 = std::min(Height(), std::max(d.top, d.bottom));
    uint32_t pixel = PixelFromColor(color);
    if (m_bMono)
        pixel = pixel == kWhite ? kWhite : kBlack;
    for (int y = y0; y < y1; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(m_pImage->scanLine(y));
        std::fill(row + x0, row + std::max(x0, x1), pixel);
    }
}

namespace {

// A painter that draws pixel-exact, as the old graphics did: no smoothing of shapes.
class CShapePainter : public QPainter {
public:
    explicit CShapePainter(QImage* image) : QPainter(image)
    {
        setRenderHint(QPainter::Antialiasing, false);
    }
};

QBrush BrushFor(const LOGBRUSH& brush)
{
    if (brush.lbStyle == 2 /* hatched */) {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                 Qt::FDiagPattern, Qt::BDiagPattern,
                                                 Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(ToQColor(brush.lbColor), hatches[brush.lbHatch % 6]);
    }
    return QBrush(ToQColor(brush.lbColor));
}

Qt::PenStyle DashFor(uint32_t style)
{
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

} // namespace

void CDC::Rectangle(const CRect& rc)
{
    CRect d = LPtoDP(rc);
    QRect box = QRect(QPoint(std::min(d.left, d.right), std::min(d.top, d.bottom)),
                      QPoint(std::max(d.left, d.right) - 1, std::max(d.top, d.bottom) - 1));
    if (box.isEmpty())
        return;
    {
        CShapePainter painter(m_pImage);
        if (m_state.bBrush)
            painter.fillRect(box, BrushFor(m_state.brush));
        if (m_state.bPen) {
            int w = std::max(1, static_cast<int>(std::lround(m_state.pen.lopnWidth.x * ScaleX())));
            QColor color = ToQColor(m_state.pen.lopnColor);
            if (DashFor(m_state.pen.lopnStyle) == Qt::SolidLine) {
                // The outline lies inside the rectangle, w pixels thick.
                w = std::min({w, (box.width() + 1) / 2, (box.height() + 1) / 2});
                painter.fillRect(QRect(box.left(), box.top(), box.width(), w), color);
                painter.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), color);
                painter.fillRect(QRect(box.left(), box.top(), w, box.height()), color);
                painter.fillRect(QRect(box.right() - w + 1, box.top(), w, box.height()), color);
            } else {
                painter.setPen(QPen(color, 1, DashFor(m_state.pen.lopnStyle)));
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(box.adjusted(0, 0, -1, -1));
            }
        }
    }
    Threshold(d);
}

void CDC::Ellipse(const CRect& rc)
{
    CRect d = LPtoDP(rc);
    QPainterPath path;
    QRectF box(std::min(d.left, d.right), std::min(d.top, d.bottom), std::abs(d.right - d.left),
               std::abs(d.bottom - d.top));
    if (box.width() <= 0 || box.height() <= 0)
        return;
    {
        CShapePainter painter(m_pImage);
        int w = m_state.bPen ? std::max(1, static_cast<int>(std::lround(m_state.pen.lopnWidth.x * ScaleX()))) : 0;
        if (m_state.bBrush) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(BrushFor(m_state.brush));
            painter.drawEllipse(box);
        }
        if (m_state.bPen) {
            QPen pen(ToQColor(m_state.pen.lopnColor), w, DashFor(m_state.pen.lopnStyle));
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            // The outline runs inside the bounding rectangle.
            painter.drawEllipse(box.adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
        }
    }
    Threshold(d);
}

void CDC::RoundRect(const CRect& rc, CPoint ptRound)
{
    CRect d = LPtoDP(rc);
    QRectF box(std::min(d.left, d.right), std::min(d.top, d.bottom), std::abs(d.right - d.left),
               std::abs(d.bottom - d.top));
    if (box.width() <= 0 || box.height() <= 0)
        return;
    // The corner ellipse is ptRound wide and high; the painter clips it to the rectangle.
    double rx = std::abs(ptRound.x * ScaleX()) / 2.0, ry = std::abs(ptRound.y * ScaleY()) / 2.0;
    rx = std::min(rx, box.width() / 2.0);
    ry = std::min(ry, box.height() / 2.0);
    {
        CShapePainter painter(m_pImage);
        int w = m_state.bPen ? std::max(1, static_cast<int>(std::lround(m_state.pen.lopnWidth.x * ScaleX()))) : 0;
        if (m_state.bBrush) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(BrushFor(m_state.brush));
            painter.drawRoundedRect(box, rx, ry);
        }
        if (m_state.bPen) {
            painter.setPen(QPen(ToQColor(m_state.pen.lopnColor), w, DashFor(m_state.pen.lopnStyle)));
            painter.setBrush(Qt::NoBrush);
            QRectF inner = box.adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
            painter.drawRoundedRect(inner, std::min(rx, inner.width() / 2.0), std::min(ry, inner.height() / 2.0));
        }
    }
    Threshold(d);
}

void CDC::Polygon(const std::vector<CPoint>& points)
{
    if (points.empty())
        return;
    QPolygon polygon;
    CRect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const CPoint& pt : points) {
        CPoint d = LPtoDP(pt);
        polygon << QPoint(d.x, d.y);
        bounds = {std::min(bounds.left, d.x), std::min(bounds.top, d.y), std::max(bounds.right, d.x + 1),
                  std::max(bounds.bottom, d.y + 1)};
    }
    {
        CShapePainter painter(m_pImage);
        if (m_state.bBrush) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(BrushFor(m_state.brush));
            painter.drawPolygon(polygon, Qt::OddEvenFill);
        }
        if (m_state.bPen) {
            int w = std::max(1, static_cast<int>(std::lround(m_state.pen.lopnWidth.x * ScaleX())));
            painter.setPen(QPen(ToQColor(m_state.pen.lopnColor), w, DashFor(m_state.pen.lopnStyle)));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolygon(polygon, Qt::OddEvenFill);
        }
    }
    Threshold(bounds);
}

void CDC::MoveTo(int x, int y)
{
    m_state.current = {x, y};
}

void CDC::LineTo(int x, int y)
{
    CPoint a = LPtoDP(m_state.current), b = LPtoDP(CPoint{x, y});
    m_state.current = {x, y};
    if (!m_state.bPen)
        return;
    int w = std::max(1, static_cast<int>(std::lround(m_state.pen.lopnWidth.x * ScaleX())));
    {
        CShapePainter painter(m_pImage);
        QPen pen(ToQColor(m_state.pen.lopnColor), w, DashFor(m_state.pen.lopnStyle), Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(a.x, a.y, b.x, b.y);
    }
    Threshold({std::min(a.x, b.x) - w, std::min(a.y, b.y) - w, std::max(a.x, b.x) + w + 1,
               std::max(a.y, b.y) + w + 1});
}

void CDC::BitBlt(int x, int y, int width, int height, const CDC& src, int xSrc, int ySrc,
                 RasterOp rop)
{
    CRect srcRect = src.LPtoDP(CRect{xSrc, ySrc, xSrc + width, ySrc + height});
    Blit(LPtoDP(CRect{x, y, x + width, y + height}), src.Image(), srcRect, rop);
}

void CDC::StretchBlt(const CRect& dst, const CDC& src, const CRect& srcRect, RasterOp rop)
{
    Blit(LPtoDP(dst), src.Image(), src.LPtoDP(srcRect), rop);
}

void CDC::StretchImage(const CRect& dst, const QImage& src, const CRect& srcRect, RasterOp rop)
{
    Blit(LPtoDP(dst), src, srcRect, rop);
}

namespace {

// One row of a transfer. Into a mask buffer every result is made black or white on the way.
template <RasterOp Rop, bool Mono>
void BlitRow(uint32_t* out, const uint32_t* in, const int* columns, int begin, int end)
{
    for (int i = begin; i < end; ++i) {
        const uint32_t p = columns != nullptr ? in[columns[i]] : in[i];
        uint32_t r;
        if constexpr (Rop == SRCCOPY)
            r = p;
        else if constexpr (Rop == SRCINVERT)
            r = (out[i] ^ p) | 0xFF000000u;
        else
            r = out[i] & p;
        if constexpr (Mono)
            r = (r | 0xFF000000u) == kWhite ? kWhite : kBlack;
        out[i] = r;
    }
}

// One row of a masked transfer: the picture where the mask is black, the target elsewhere.
void MaskedRow(uint32_t* out, const uint32_t* in, const uint32_t* mask, const int* columns, int begin,
               int end)
{
    for (int i = begin; i < end; ++i) {
        const int c = columns != nullptr ? columns[i] : i;
        if ((mask[c] | 0xFF000000u) != kWhite)
            out[i] = in[c];
    }
}

template <RasterOp Rop>
void BlitRowFor(bool mono, uint32_t* out, const uint32_t* in, const int* columns, int begin, int end)
{
    if (mono)
        BlitRow<Rop, true>(out, in, columns, begin, end);
    else
        BlitRow<Rop, false>(out, in, columns, begin, end);
}

} // namespace

bool CDC::IsIdentityMapping() const
{
    const bool sameScale = m_state.mapMode != MM_ANISOTROPIC
                           || (m_state.windowExt == m_state.viewportExt);
    return sameScale && m_state.windowOrg == m_state.viewportOrg;
}

void CDC::StretchMasked(const CRect& dst, const QImage& picture, const QImage& mask)
{
    if (picture.size() != mask.size())
        return;
    Blit(LPtoDP(dst), picture, {0, 0, picture.width(), picture.height()}, SRCCOPY, &mask);
}

void CDC::Blit(const CRect& d, const QImage& src, const CRect& s, RasterOp rop, const QImage* pMask)
{
    const int dw = d.right - d.left, dh = d.bottom - d.top;
    const int sw = s.right - s.left, sh = s.bottom - s.top;
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0 || src.isNull())
        return;
    // A negative width or height on one side only mirrors.
    const bool flipX = (dw < 0) != (sw < 0), flipY = (dh < 0) != (sh < 0);
    const int adw = std::abs(dw), adh = std::abs(dh), asw = std::abs(sw), ash = std::abs(sh);
    const int dx0 = std::min(d.left, d.right), dy0 = std::min(d.top, d.bottom);
    const int sx0 = std::min(s.left, s.right), sy0 = std::min(s.top, s.bottom);
    int xBegin = std::max(0, -dx0), xEnd = std::min(adw, Width() - dx0);
    const int yBegin = std::max(0, -dy0), yEnd = std::min(adh, Height() - dy0);
    const int srcWidth = src.width(), srcHeight = src.height();
    const bool scaled = adw != asw || flipX;
    if (!scaled) {
        // Columns outside the source are left alone.
        xBegin = std::max(xBegin, -sx0);
        xEnd = std::min(xEnd, srcWidth - sx0);
    }
    if (xBegin >= xEnd || yBegin >= yEnd)
        return;

    // Source columns for each destination column, computed once; -1 where the source has
    // none.
    thread_local std::vector<int> columns;
    const int* map = nullptr;
    if (scaled) {
        columns.resize(static_cast<size_t>(xEnd));
        for (int i = xBegin; i < xEnd; ++i) {
            int64_t k = static_cast<int64_t>(i) * asw / adw;
            columns[static_cast<size_t>(i)] = sx0 + static_cast<int>(flipX ? asw - 1 - k : k);
        }
        // Trim the ends that fall outside the source.
        while (xBegin < xEnd && (columns[static_cast<size_t>(xBegin)] < 0 || columns[static_cast<size_t>(xBegin)] >= srcWidth))
            ++xBegin;
        while (xEnd > xBegin && (columns[static_cast<size_t>(xEnd - 1)] < 0 || columns[static_cast<size_t>(xEnd - 1)] >= srcWidth))
            --xEnd;
        map = columns.data();
    }
    for (int j = yBegin; j < yEnd; ++j) {
        int64_t k = static_cast<int64_t>(j) * ash / adh;
        const int sy = sy0 + static_cast<int>(flipY ? ash - 1 - k : k);
        if (sy < 0 || sy >= srcHeight)
            continue;
        const auto* in = reinterpret_cast<const uint32_t*>(src.constScanLine(sy)) + (scaled ? 0 : sx0);
        auto* out = reinterpret_cast<uint32_t*>(m_pImage->scanLine(dy0 + j)) + dx0;
        if (pMask != nullptr) {
            const auto* mask = reinterpret_cast<const uint32_t*>(pMask->constScanLine(sy)) + (scaled ? 0 : sx0);
            MaskedRow(out, in, mask, map, xBegin, xEnd);
            continue;
        }
        if (!scaled && rop == SRCCOPY && !m_bMono) {
            std::memcpy(out + xBegin, in + xBegin, static_cast<size_t>(xEnd - xBegin) * 4);
            continue;
        }
        switch (rop) {
        case SRCCOPY: BlitRowFor<SRCCOPY>(m_bMono, out, in, map, xBegin, xEnd); break;
        case SRCINVERT: BlitRowFor<SRCINVERT>(m_bMono, out, in, map, xBegin, xEnd); break;
        case SRCAND: BlitRowFor<SRCAND>(m_bMono, out, in, map, xBegin, xEnd); break;
        }
    }
}

namespace {

struct Line {
    QString text;
    double width;
    bool bRightToLeft; // the line's paragraph starts with a right-to-left letter
};

// Breaks the text into lines: at line ends always, and with word breaking also where the next
// piece would pass the right edge (a piece wider than the line keeps a line of its own). The
// pieces end where the Unicode line-breaking rules allow a break: after the spaces between
// words, and between the characters of scripts that write no spaces (Chinese, Japanese, Thai).
std::vector<Line> Layout(const QString& text, const QFontMetricsF& metrics, double maxWidth,
                         bool wordBreak, bool expandTabs)
{
    const double tabWidth = 8 * metrics.averageCharWidth();
    auto measure = [&](const QString& s) {
        if (!expandTabs || !s.contains('\t'))
            return metrics.horizontalAdvance(s);
        const QStringList pieces = s.split('\t');
        double x = 0;
        for (qsizetype k = 0; k < pieces.size(); ++k) {
            x += metrics.horizontalAdvance(pieces[k]);
            if (k + 1 < pieces.size())
                x = (std::floor(x / tabWidth) + 1) * tabWidth;
        }
        return x;
    };
    auto trimmed = [](QString s) {
        while (!s.isEmpty() && s.back() == ' ')
            s.chop(1);
        return s;
    };
    std::vector<Line> lines;
    QString normal = text;
    normal.replace("\r\n", "\n").replace('\r', '\n');
    for (const QString& paragraph : normal.split('\n')) {
        const bool rtl = paragraph.isRightToLeft();
        if (!wordBreak) {
            lines.push_back({paragraph, measure(paragraph), rtl});
            continue;
        }
        QString current;
        QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, paragraph);
        qsizetype start = 0;
        while (start < paragraph.size()) {
            qsizetype end = breaks.toNextBoundary();
            if (end <= start)
                end = paragraph.size();
            const QString piece = paragraph.mid(start, end - start);
            start = end;
            const QString candidate = current + piece;
            if (!current.isEmpty() && measure(trimmed(candidate)) > maxWidth) {
                const QString line = trimmed(current);
                lines.push_back({line, measure(line), rtl});
                current = piece;
            } else {
                current = candidate;
            }
        }
        const QString line = trimmed(current);
        lines.push_back({line, measure(line), rtl});
    }
    return lines;
}

} // namespace

int CDC::DrawText(const std::string& text, CRect& rc, unsigned format)
{
    CRect d = LPtoDP(rc);
    LOGFONT lf = m_state.bFont ? m_state.font : LOGFONT{};
    if (!m_state.bFont)
        std::strcpy(lf.lfFaceName, "System");
    QFont font = FontOfLogFont(lf, std::abs(ScaleY()));
    QFontMetricsF metrics(font);
    QString qtext = QString::fromStdString(text);
    // Control characters (a NUL from a damaged project, say) have no glyph: they are left out
    // rather than drawn as boxes and looked for in every fallback font. Tabs and line ends
    // stay for the layout.
    qtext.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != '\t' && u != '\n' && u != '\r') || (u >= 0x7F && u <= 0x9F);
    });
    const bool expandTabs = (format & DT_EXPANDTABS) != 0;
    if (!expandTabs)
        qtext.replace('\t', ' ');
    std::vector<Line> lines = Layout(qtext, metrics, d.right - d.left, (format & DT_WORDBREAK) != 0, expandTabs);
    const double lineHeight = std::ceil(metrics.height());
    const int height = static_cast<int>(lineHeight * static_cast<double>(lines.size()));
    const double scaleY = ScaleY() == 0 ? 1.0 : ScaleY();
    if (format & DT_CALCRECT) {
        rc.bottom = rc.top + static_cast<int>(std::lround(height / scaleY));
        if (!(format & DT_WORDBREAK)) {
            double widest = 0;
            for (const Line& line : lines)
                widest = std::max(widest, line.width);
            rc.right = rc.left + static_cast<int>(std::ceil(widest / (ScaleX() == 0 ? 1.0 : ScaleX())));
        }
        return static_cast<int>(std::lround(height / scaleY));
    }
    {
        QPainter painter(m_pImage);
        painter.setRenderHint(QPainter::TextAntialiasing, !m_bMono);
        painter.setFont(font);
        if (!(format & DT_NOCLIP))
            painter.setClipRect(QRect(QPoint(d.left, d.top), QPoint(d.right - 1, d.bottom - 1)));
        painter.setPen(ToQColor(m_state.textColor));
        double y = d.top;
        for (const Line& line : lines) {
            // A right-to-left paragraph (Arabic, Hebrew) runs from the right edge, as it is read.
            painter.setLayoutDirection(line.bRightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
            double x = (format & DT_CENTER) ? d.left + (d.right - d.left - line.width) / 2.0
                       : line.bRightToLeft  ? d.right - line.width
                                            : d.left;
            if (m_state.bkMode == OPAQUE)
                painter.fillRect(QRectF(x, y, line.width, lineHeight), ToQColor(m_state.bkColor));
            if (expandTabs && line.text.contains('\t')) {
                const double tabWidth = 8 * metrics.averageCharWidth();
                double cx = x;
                const QStringList pieces = line.text.split('\t');
                for (qsizetype k = 0; k < pieces.size(); ++k) {
                    painter.drawText(QPointF(cx, y + metrics.ascent()), pieces[k]);
                    cx += metrics.horizontalAdvance(pieces[k]);
                    if (k + 1 < pieces.size())
                        cx = x + (std::floor((cx - x) / tabWidth) + 1) * tabWidth;
                }
            } else {
                painter.drawText(QPointF(x, y + metrics.ascent()), line.text);
            }
            y += lineHeight;
        }
    }
    Threshold(d);
    return static_cast<int>(std::lround(height / scaleY));
}
