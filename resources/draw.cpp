#include "resources/draw.h"

#include "platform/language.h"
#include "playback/effecttable.h"
#include "resources/facetexts.h"
#include "resources/paths.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace faces {

namespace {

const QColor kPaper(colour::paper);
const QColor kPaperLight(colour::paperLight);
const QColor kInk(colour::ink);
const QColor kCoral(colour::coral);
const QColor kTeal(colour::teal);
const QColor kSun(colour::sunshine);
const QColor kEdge(colour::edge);
const QColor kMargin(colour::margin);
// Derived tints and shades.
const QColor kEdgeDark = kEdge.darker(135);
const QColor kStrip = QColor(0xF6, 0xE3, 0xC6);
const QColor kPressed = QColor(0xF4, 0xE1, 0xC6);
const QColor kCoralTint = QColor(0xFF, 0xE4, 0xDF);
const QColor kWhite(0xFF, 0xFF, 0xFF);

QColor WithAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

std::function<void(const LetteredText&)>& Observer()
{
    static std::function<void(const LetteredText&)> observer;
    return observer;
}

// The lettering for a text in the room it has: the size asked for, or a pixel or a few
// smaller when a longer translation needs it, so that no face ever cuts a word off.
QFont Fitted(const QString& text, qreal room, int px, bool bold)
{
    QFont font = Lettering(px, bold);
    const int smallest = 7;
    while (px > smallest && QFontMetricsF(font).horizontalAdvance(text) > room)
        font = Lettering(--px, bold);
    return font;
}

void Tell(const QString& source, const QString& text, const QRectF& drawn, int flags,
          const QFont& font, int px, const QRectF& room)
{
    if (Observer())
        Observer()({source, text, drawn, flags, font, px, room});
}

// A face of logical size drawn for a screen of that scale: round(size x scale) device pixels,
// with the scale as its device pixel ratio, so everything is drawn in logical coordinates.
QImage NewImage(QSize size, qreal scale, const QColor& fill = Qt::transparent)
{
    QImage image(qRound(size.width() * scale), qRound(size.height() * scale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

// Smooth drawing onto a face made by NewImage. The painter's scale is the image's ratio; where
// the rounded device size is not exactly size x scale (odd sizes at 1.5x) the logical
// rectangle is stretched by that fraction of a pixel, so it still covers the image edge to edge.
void Smooth(QPainter& p, QSize logical = {})
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPaintDevice* device = p.device();
    if (logical.isEmpty() || device == nullptr)
        return;
    const qreal ratio = device->devicePixelRatioF();
    p.scale(device->width() / (logical.width() * ratio),
            device->height() / (logical.height() * ratio));
}

// Cosmetic pens are given in device pixels: a pictogram's stroke is as thick on a 2x face as
// on its 1x twin only when it is scaled with the face.
qreal DevicePen(const QPainter& p, qreal pixels)
{
    return p.device() != nullptr ? pixels * p.device()->devicePixelRatioF() : pixels;
}

// A deterministic generator per face, so the build always makes the same pictures.
std::mt19937 Seeded(const std::string& name)
{
    uint32_t h = 2166136261u;
    for (unsigned char c : name)
        h = (h ^ c) * 16777619u;
    return std::mt19937(h);
}

// ---------------------------------------------------------------------------------------
// Pictograms, designed on a 24 x 24 grid.

class CPicto {
public:
    CPicto(QPainter& p, const QRectF& box, const QColor& ink, qreal penPixels)
        : m_p(p), m_ink(ink)
    {
        m_p.save();
        qreal side = std::min(box.width(), box.height());
        m_p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
        m_p.scale(side / 24.0, side / 24.0);
        m_pen = QPen(ink, DevicePen(p, penPixels), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        m_pen.setCosmetic(true);
        m_p.setPen(m_pen);
        m_p.setBrush(Qt::NoBrush);
    }
    ~CPicto() { m_p.restore(); }

    void Line(qreal x1, qreal y1, qreal x2, qreal y2) { m_p.drawLine(QPointF(x1, y1), QPointF(x2, y2)); }
    void Poly(std::initializer_list<QPointF> pts, bool closed, const QBrush& fill = Qt::NoBrush)
    {
        QPolygonF poly(pts);
        m_p.setBrush(fill);
        if (closed)
            m_p.drawPolygon(poly);
        else
            m_p.drawPolyline(poly);
        m_p.setBrush(Qt::NoBrush);
    }
    void Rect(qreal x, qreal y, qreal w, qreal h, const QBrush& fill = Qt::NoBrush, qreal r = 1.5)
    {
        m_p.setBrush(fill);
        m_p.drawRoundedRect(QRectF(x, y, w, h), r, r);
        m_p.setBrush(Qt::NoBrush);
    }
    void Ellipse(qreal cx, qreal cy, qreal rx, qreal ry, const QBrush& fill = Qt::NoBrush)
    {
        m_p.setBrush(fill);
        m_p.drawEllipse(QPointF(cx, cy), rx, ry);
        m_p.setBrush(Qt::NoBrush);
    }
    void Path(const QPainterPath& path, const QBrush& fill = Qt::NoBrush)
    {
        m_p.setBrush(fill);
        m_p.drawPath(path);
        m_p.setBrush(Qt::NoBrush);
    }
    void Solid(const QPainterPath& path, const QColor& c)
    {
        m_p.save();
        m_p.setPen(Qt::NoPen);
        m_p.fillPath(path, c);
        m_p.restore();
    }
    void Pen(const QColor& c)
    {
        QPen pen = m_pen;
        pen.setColor(c);
        m_p.setPen(pen);
    }
    void InkPen() { m_p.setPen(m_pen); }
    QColor Ink() const { return m_ink; }
    QBrush Fill() const { return QBrush(m_ink); }
    QBrush Tint() const { return QBrush(WithAlpha(m_ink, 60)); }

private:
    QPainter& m_p;
    QColor m_ink;
    QPen m_pen;
};

void Sheet(CPicto& d)
{
    d.Poly({{6, 3}, {14, 3}, {19, 8}, {19, 21}, {6, 21}}, true);
    d.Poly({{14, 3}, {14, 8}, {19, 8}}, false);
}

void Folder(CPicto& d)
{
    d.Poly({{3, 6}, {9, 6}, {11, 8}, {21, 8}, {21, 19}, {3, 19}}, true, d.Tint());
}

void Speaker(CPicto& d)
{
    d.Poly({{3, 9}, {7, 9}, {12, 5}, {12, 19}, {7, 15}, {3, 15}}, true, d.Fill());
}

void Tray(CPicto& d)
{
    d.Poly({{4, 14}, {4, 20}, {20, 20}, {20, 14}}, false);
}

void ArrowUp(CPicto& d, qreal x, qreal top, qreal bottom)
{
    d.Line(x, bottom, x, top);
    d.Poly({{x - 5, top + 5}, {x, top}, {x + 5, top + 5}}, false);
}

void ArrowDown(CPicto& d, qreal x, qreal top, qreal bottom)
{
    d.Line(x, top, x, bottom);
    d.Poly({{x - 5, bottom - 5}, {x, bottom}, {x + 5, bottom - 5}}, false);
}

} // namespace

void DrawPicto(QPainter& p, Picto picto, const QRectF& box, const QColor& ink, qreal penPixels)
{
    CPicto d(p, box, ink, penPixels);
    switch (picto) {
    case Picto::None:
        break;
    case Picto::New:
    case Picto::File:
        Sheet(d);
        if (picto == Picto::File) {
            d.Line(9, 12, 16, 12);
            d.Line(9, 16, 16, 16);
        }
        break;
    case Picto::CloseDocument:
        Sheet(d);
        d.Line(9, 11, 15, 17);
        d.Line(15, 11, 9, 17);
        break;
    case Picto::Open:
        d.Poly({{3, 19}, {3, 5}, {9, 5}, {11, 7}, {19, 7}, {19, 10}}, false);
        d.Poly({{3, 19}, {6.5, 11}, {22, 11}, {18.5, 19}}, true, d.Tint());
        break;
    case Picto::Save:
    case Picto::SaveAs:
        Tray(d);
        ArrowDown(d, 12, 3, 15);
        if (picto == Picto::SaveAs) {
            d.Line(17, 3, 21, 7);
            d.Line(17, 7, 21, 3);
        }
        break;
    case Picto::Send: {
        d.Poly({{2, 11}, {22, 3}, {15, 21}, {11, 13}}, true, d.Tint());
        d.Line(11, 13, 22, 3);
        break;
    }
    case Picto::Play:
        d.Poly({{7, 4}, {19, 12}, {7, 20}}, true, d.Fill());
        break;
    case Picto::Pause:
        d.Rect(6, 5, 4, 14, d.Fill(), 1);
        d.Rect(14, 5, 4, 14, d.Fill(), 1);
        break;
    case Picto::Stop:
        d.Rect(6, 6, 12, 12, d.Fill(), 2);
        break;
    case Picto::First:
        d.Line(6, 5, 6, 19);
        d.Poly({{18, 5}, {9, 12}, {18, 19}}, true, d.Fill());
        break;
    case Picto::Previous:
        d.Poly({{15, 5}, {6, 12}, {15, 19}}, true, d.Fill());
        d.Line(19, 6, 19, 18);
        break;
    case Picto::Next:
        d.Poly({{9, 5}, {18, 12}, {9, 19}}, true, d.Fill());
        d.Line(5, 6, 5, 18);
        break;
    case Picto::Last:
        d.Poly({{6, 5}, {15, 12}, {6, 19}}, true, d.Fill());
        d.Line(18, 5, 18, 19);
        break;
    case Picto::Eject:
        d.Poly({{5, 13}, {12, 5}, {19, 13}}, true, d.Fill());
        d.Rect(5, 16, 14, 3, d.Fill(), 1);
        break;
    case Picto::Cut:
        d.Ellipse(7, 18, 3, 3);
        d.Ellipse(17, 18, 3, 3);
        d.Line(9, 15.5, 16, 3);
        d.Line(15, 15.5, 8, 3);
        break;
    case Picto::Copy:
        d.Rect(4, 8, 11, 13, QBrush(kPaperLight));
        d.Rect(9, 3, 11, 13, QBrush(kPaperLight));
        break;
    case Picto::Paste:
        d.Rect(5, 5, 14, 16);
        d.Rect(9, 3, 6, 4, d.Fill(), 1);
        d.Line(8, 12, 16, 12);
        d.Line(8, 16, 14, 16);
        break;
    case Picto::Undo:
    case Picto::Redo: {
        QPainterPath path;
        bool undo = picto == Picto::Undo;
        auto X = [undo](qreal x) { return undo ? x : 24 - x; };
        path.moveTo(X(19), 19);
        path.cubicTo(X(19), 10, X(14), 8, X(6), 9);
        d.Path(path);
        d.Poly({{X(10), 5}, {X(6), 9}, {X(10), 13}}, false);
        break;
    }
    case Picto::Delete:
        d.Line(5, 6, 19, 6);
        d.Poly({{10, 6}, {10, 3.5}, {14, 3.5}, {14, 6}}, false);
        d.Poly({{7, 6}, {8, 21}, {16, 21}, {17, 6}}, false);
        d.Line(10.5, 10, 10.5, 17);
        d.Line(13.5, 10, 13.5, 17);
        break;
    case Picto::Properties:
    case Picto::Options:
        d.Line(4, 7, 20, 7);
        d.Line(4, 12, 20, 12);
        d.Line(4, 17, 20, 17);
        d.Ellipse(15, 7, 2.3, 2.3, QBrush(kPaperLight));
        d.Ellipse(8, 12, 2.3, 2.3, QBrush(kPaperLight));
        d.Ellipse(13, 17, 2.3, 2.3, QBrush(kPaperLight));
        break;
    case Picto::Library:
        d.Rect(3, 5, 4, 15, d.Tint(), 1);
        d.Rect(9, 3, 4, 17, QBrush(), 1);
        d.Poly({{15, 6}, {19, 5}, {22, 19}, {18, 20}}, true, d.Tint());
        d.Line(2, 21, 22, 21);
        break;
    case Picto::Effects: {
        d.Path(StarPath({10, 13}, 8.5, 2.6, 4), d.Fill());
        d.Path(StarPath({19, 5}, 3.8, 1.2, 4), d.Fill());
        break;
    }
    case Picto::Layers:
        d.Poly({{12, 3}, {21, 8}, {12, 13}, {3, 8}}, true, d.Tint());
        d.Poly({{3, 12.5}, {12, 17.5}, {21, 12.5}}, false);
        d.Poly({{3, 17}, {12, 22}, {21, 17}}, false);
        break;
    case Picto::ImportImage:
        d.Rect(3, 5, 18, 14);
        d.Poly({{5, 17}, {10, 11}, {13, 14}, {15, 12}, {19, 17}}, false);
        d.Ellipse(15.5, 8.5, 1.6, 1.6, d.Fill());
        break;
    case Picto::ImportMidi:
        d.Line(16, 4, 16, 16);
        d.Poly({{16, 4}, {21, 7}}, false);
        d.Ellipse(12.5, 17, 3.8, 2.8, d.Fill());
        break;
    case Picto::Help: {
        // A question mark in a ring.
        d.Ellipse(12, 12, 9.5, 9.5);
        QPainterPath mark;
        mark.moveTo(9, 9.5);
        mark.cubicTo(9, 5.5, 15, 5.5, 15, 9.5);
        mark.cubicTo(15, 12, 12, 12, 12, 14.5);
        d.Path(mark);
        d.Ellipse(12, 17.8, 1.3, 1.3, d.Fill());
        break;
    }
    case Picto::Toolbox:
        d.Poly({{7, 3}, {11.5, 10.5}, {2.5, 10.5}}, true);
        d.Ellipse(17, 7, 4, 4);
        d.Rect(7, 13.5, 8, 8, QBrush(), 1);
        break;
    case Picto::Text:
        d.Line(5, 5, 19, 5);
        d.Line(12, 5, 12, 20);
        d.Line(9, 20, 15, 20);
        break;
    case Picto::Line:
        d.Line(5, 19, 19, 5);
        d.Ellipse(5, 19, 1.5, 1.5, d.Fill());
        d.Ellipse(19, 5, 1.5, 1.5, d.Fill());
        break;
    case Picto::Rect:
        d.Rect(3, 6, 18, 12, QBrush(), 1);
        break;
    case Picto::Ellipse:
        d.Ellipse(12, 12, 9.5, 6.5);
        break;
    case Picto::Polygon:
        d.Poly({{5, 19}, {3, 9}, {11, 3}, {21, 8}, {17, 20}}, true);
        break;
    case Picto::TextRect:
    case Picto::TextEllipse:
        if (picto == Picto::TextRect)
            d.Rect(2, 4, 20, 16, QBrush(), 1);
        else
            d.Ellipse(12, 12, 10.5, 8.5);
        d.Line(8.5, 8.5, 15.5, 8.5);
        d.Line(12, 8.5, 12, 16);
        break;
    case Picto::Close:
    case Picto::Cross:
        d.Line(6, 6, 18, 18);
        d.Line(18, 6, 6, 18);
        break;
    case Picto::Minimise:
        d.Line(6, 15, 18, 15);
        break;
    case Picto::Restore:
        d.Rect(4, 6, 16, 12, QBrush(), 1.5);
        d.Line(4, 10, 20, 10);
        break;
    case Picto::Up:
        ArrowUp(d, 12, 4, 20);
        break;
    case Picto::Down:
        ArrowDown(d, 12, 4, 20);
        break;
    case Picto::Top:
        d.Line(5, 4, 19, 4);
        ArrowUp(d, 12, 8, 21);
        break;
    case Picto::Bottom:
        d.Line(5, 20, 19, 20);
        ArrowDown(d, 12, 3, 16);
        break;
    case Picto::Add:
        d.Line(12, 5, 12, 19);
        d.Line(5, 12, 19, 12);
        break;
    case Picto::Remove:
        d.Line(5, 12, 19, 12);
        break;
    case Picto::Select:
        d.Poly({{7, 3}, {7, 19}, {11, 15.5}, {14, 21}, {16.5, 20}, {13.5, 14.5}, {19, 14.5}}, true,
               d.Tint());
        break;
    case Picto::SelectAll: {
        d.Poly({{4, 4}, {4, 20}}, false);
        for (int i = 0; i < 4; ++i) {
            d.Line(4 + i * 4.5, 4, 6 + i * 4.5, 4);
            d.Line(4 + i * 4.5, 20, 6 + i * 4.5, 20);
            d.Line(4, 4 + i * 4.5, 4, 6 + i * 4.5);
            d.Line(20, 4 + i * 4.5, 20, 6 + i * 4.5);
        }
        d.Rect(9, 9, 6, 6, d.Fill(), 1);
        break;
    }
    case Picto::Colour: {
        QPainterPath blob;
        blob.addEllipse(QPointF(12, 12), 9.5, 8);
        QPainterPath hole;
        hole.addEllipse(QPointF(15.5, 16), 2.2, 2.2);
        d.Path(blob.subtracted(hole), QBrush(kPaperLight));
        d.Solid([] { QPainterPath c; c.addEllipse(QPointF(8, 10), 2, 2); return c; }(), kCoral);
        d.Solid([] { QPainterPath c; c.addEllipse(QPointF(12.5, 7.5), 2, 2); return c; }(), kTeal);
        d.Solid([] { QPainterPath c; c.addEllipse(QPointF(8, 15), 2, 2); return c; }(), kSun);
        break;
    }
    case Picto::Background:
    case Picto::RemoveBackground: {
        QPainterPath hills;
        hills.moveTo(2, 19);
        hills.quadTo(7, 9, 12, 15);
        hills.quadTo(17, 10, 22, 15);
        hills.lineTo(22, 19);
        hills.closeSubpath();
        d.Path(hills, d.Tint());
        d.Ellipse(8, 7, 2.6, 2.6, QBrush(kSun));
        if (picto == Picto::RemoveBackground) {
            d.Pen(kCoral);
            d.Line(3, 3, 21, 21);
            d.InkPen();
        }
        break;
    }
    case Picto::Sound:
    case Picto::RemoveSound: {
        Speaker(d);
        if (picto == Picto::Sound) {
            QPainterPath waves;
            waves.moveTo(15, 8.5);
            waves.quadTo(17.5, 12, 15, 15.5);
            waves.moveTo(17.5, 5.5);
            waves.quadTo(22, 12, 17.5, 18.5);
            d.Path(waves);
        } else {
            d.Pen(kCoral);
            d.Line(15, 9, 21, 15);
            d.Line(21, 9, 15, 15);
            d.InkPen();
        }
        break;
    }
    case Picto::Font:
        d.Poly({{4, 20}, {12, 4}, {20, 20}}, false);
        d.Line(7.5, 14, 16.5, 14);
        break;
    case Picto::NoFill:
        d.Rect(5, 5, 14, 14, QBrush(), 1);
        d.Pen(kCoral);
        d.Line(3, 21, 21, 3);
        d.InkPen();
        break;
    case Picto::Check:
    case Picto::Tick:
        d.Poly({{4.5, 12.5}, {10, 18}, {19.5, 6}}, false);
        break;
    case Picto::Male:
        d.Ellipse(10, 14, 5.5, 5.5);
        d.Line(14, 10, 20, 4);
        d.Poly({{14.5, 4}, {20, 4}, {20, 9.5}}, false);
        break;
    case Picto::Female:
        d.Ellipse(12, 9, 5.5, 5.5);
        d.Line(12, 14.5, 12, 22);
        d.Line(8.5, 18.5, 15.5, 18.5);
        break;
    case Picto::FolderUp:
        Folder(d);
        ArrowUp(d, 12, 10, 17);
        break;
    case Picto::NewFolder:
        Folder(d);
        d.Line(12, 10.5, 12, 17);
        d.Line(8.7, 13.7, 15.3, 13.7);
        break;
    case Picto::AddressBook:
        d.Rect(5, 3, 15, 18, QBrush(), 1.5);
        d.Line(8, 3, 8, 21);
        d.Ellipse(14, 9.5, 2.4, 2.4);
        d.Poly({{10.5, 17}, {11, 14.5}, {14, 13.5}, {17, 14.5}, {17.5, 17}}, false);
        break;
    case Picto::Outbox:
        // A letter that waits for its hour: an envelope with a clock before it.
        d.Rect(2, 4, 15, 11, QBrush(), 1);
        d.Poly({{2.5, 4.5}, {9.5, 10}, {16.5, 4.5}}, false);
        d.Ellipse(16, 15.5, 5.5, 5.5, d.Tint());
        d.Line(16, 15.5, 16, 12.5);
        d.Line(16, 15.5, 18.5, 16.5);
        break;
    case Picto::Versions:
        // Pages kept one behind the other, a clock turning back before them.
        d.Rect(7, 2, 12, 15, QBrush(), 1);
        d.Rect(4, 5, 12, 15, d.Fill(), 1);
        d.Ellipse(14, 15.5, 5.5, 5.5, d.Tint());
        d.Line(14, 15.5, 14, 12.5);
        d.Line(14, 15.5, 11.5, 16.5);
        break;
    case Picto::Player:
        d.Rect(3, 4, 18, 16, d.Tint(), 3);
        d.Poly({{10, 8.5}, {15.5, 12}, {10, 15.5}}, true, d.Fill());
        break;
    case Picto::Film:
        // A strip of film: sprocket holes along both edges, a frame playing between them.
        d.Rect(3, 4, 18, 16, QBrush(), 2);
        for (qreal x : {6.0, 11.0, 16.0}) {
            d.Rect(x, 6, 2, 1.5, d.Fill(), 0.3);
            d.Rect(x, 16.5, 2, 1.5, d.Fill(), 0.3);
        }
        d.Poly({{10, 9.5}, {14.5, 12}, {10, 14.5}}, true, d.Fill());
        break;
    case Picto::VoiceMail:
        d.Rect(9, 3, 6, 11, QBrush(), 3);
        d.Path([] {
            QPainterPath arc;
            arc.moveTo(6, 11);
            arc.quadTo(6, 17.5, 12, 17.5);
            arc.quadTo(18, 17.5, 18, 11);
            return arc;
        }());
        d.Line(12, 17.5, 12, 21);
        d.Line(8.5, 21, 15.5, 21);
        break;
    case Picto::Export:
        d.Poly({{4, 11}, {4, 20}, {20, 20}, {20, 11}}, false);
        ArrowUp(d, 12, 3, 15);
        break;
    case Picto::Exit:
        d.Poly({{13, 6}, {13, 3}, {4, 3}, {4, 21}, {13, 21}, {13, 18}}, false);
        d.Line(9, 12, 21, 12);
        d.Poly({{17, 8}, {21, 12}, {17, 16}}, false);
        break;
    case Picto::PageUp:
        d.Poly({{5, 12}, {12, 5}, {19, 12}}, false);
        d.Poly({{5, 19}, {12, 12}, {19, 19}}, false);
        break;
    case Picto::PageDown:
        d.Poly({{5, 5}, {12, 12}, {19, 5}}, false);
        d.Poly({{5, 12}, {12, 19}, {19, 12}}, false);
        break;
    case Picto::ScrollUp:
        d.Poly({{5, 16}, {12, 7}, {19, 16}}, true, d.Fill());
        break;
    case Picto::ScrollDown:
        d.Poly({{5, 8}, {12, 17}, {19, 8}}, true, d.Fill());
        break;
    case Picto::Thumb:
        d.Line(7, 8, 17, 8);
        d.Line(7, 12, 17, 12);
        d.Line(7, 16, 17, 16);
        break;
    case Picto::OnScreen:
        d.Rect(2.5, 4, 19, 16, QBrush(), 2);
        d.Ellipse(12, 12, 4, 4, d.Fill());
        break;
    case Picto::OffScreen:
        d.Rect(2.5, 4, 13, 16, QBrush(), 2);
        d.Line(8, 12, 22, 12);
        d.Poly({{18, 8}, {22, 12}, {18, 16}}, false);
        break;
    case Picto::Animations:
        d.Rect(3, 4, 18, 16, QBrush(), 1.5);
        for (int i = 0; i < 4; ++i) {
            d.Rect(5 + i * 4, 5.5, 2, 2, d.Fill(), 0.5);
            d.Rect(5 + i * 4, 16.5, 2, 2, d.Fill(), 0.5);
        }
        d.Poly({{10, 9.5}, {14.5, 12}, {10, 14.5}}, true, d.Fill());
        break;
    case Picto::Cliparts:
        d.Path(HeartPath({12, 12.5}, 8.5), d.Tint());
        break;
    case Picto::SetSwitch: {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(4, 4, 16, 16), 70);
        arc.arcTo(QRectF(4, 4, 16, 16), 70, 290);
        d.Path(arc);
        d.Poly({{13.5, 0.5}, {17.5, 4}, {13.5, 7.5}}, false);
        break;
    }
    case Picto::Edit:
        d.Poly({{5, 19}, {6, 15}, {16, 5}, {19, 8}, {9, 18}}, true, d.Tint());
        d.Line(14, 7, 17, 10);
        break;
    case Picto::View: {
        QPainterPath eye;
        eye.moveTo(2, 12);
        eye.quadTo(12, 2, 22, 12);
        eye.quadTo(12, 22, 2, 12);
        d.Path(eye);
        d.Ellipse(12, 12, 3.5, 3.5, d.Fill());
        break;
    }
    case Picto::Server:
        d.Rect(4, 4, 16, 7, QBrush(), 1.5);
        d.Rect(4, 13, 16, 7, QBrush(), 1.5);
        d.Ellipse(16, 7.5, 1, 1, d.Fill());
        d.Ellipse(16, 16.5, 1, 1, d.Fill());
        break;
    case Picto::Sender:
        d.Ellipse(12, 8, 4, 4);
        d.Path([] {
            QPainterPath body;
            body.moveTo(4, 21);
            body.quadTo(4.5, 14, 12, 14);
            body.quadTo(19.5, 14, 20, 21);
            return body;
        }());
        break;
    }
}

namespace {

// ---------------------------------------------------------------------------------------
// Buttons.

QColor ContentColour(Role role, int state)
{
    if (state == 3)
        return kEdgeDark.lighter(115);
    if (role == Role::Go)
        return kTeal.darker(112);
    if (role == Role::Halt)
        return kCoral;
    if (role == Role::MenuRow && state == 1)
        return kWhite;
    return kInk;
}

qreal PenFor(QSize size)
{
    int side = std::min(size.width(), size.height());
    return side <= 13 ? 1.4 : (side <= 17 ? 1.6 : 2.0);
}

void DrawButtonBody(QPainter& p, QSize size, Role role, int state)
{
    QRectF rc(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    qreal radius = std::max(2.0, size.height() / 4.0);
    if (role == Role::MenuRow) {
        if (state == 2) {
            p.setPen(QPen(kCoral, 2));
            p.setBrush(kCoralTint);
            p.drawRoundedRect(rc.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        } else if (state == 1) {
            p.setPen(QPen(kCoral.darker(115), 1));
            p.setBrush(kCoral);
            p.drawRoundedRect(rc, radius, radius);
        }
        return;
    }
    QLinearGradient g(0, 0, 0, size.height());
    if (state == 1) {
        g.setColorAt(0, kPressed.darker(104));
        g.setColorAt(1, kPaperLight);
    } else if (state == 2) {
        g.setColorAt(0, kWhite);
        g.setColorAt(1, kPaperLight);
    } else if (state == 3) {
        g.setColorAt(0, kPaper);
        g.setColorAt(1, kPaper);
    } else {
        g.setColorAt(0, kPaperLight);
        g.setColorAt(1, kPaper.darker(102));
    }
    p.setBrush(g);
    if (state == 2) {
        p.setPen(QPen(kCoral, 2));
        p.drawRoundedRect(rc.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    } else {
        p.setPen(QPen(state == 1 ? kEdgeDark : kEdge, 1));
        p.drawRoundedRect(rc, radius, radius);
        if (state == 1) {
            // The pressed face sits lower: a shade along its top edge.
            p.setPen(QPen(WithAlpha(kEdgeDark, 110), 1));
            p.drawLine(QPointF(radius, 1.8), QPointF(size.width() - radius, 1.8));
        }
    }
}

void DrawButtonContent(QPainter& p, QSize size, Picto picto, const QString& label, Role role,
                       int state)
{
    const QColor ink = ContentColour(role, state);
    const qreal shift = state == 1 ? 1 : 0;
    const int w = size.width(), h = size.height();
    p.save();
    p.translate(shift, shift);
    if (role == Role::CheckBox) {
        QRectF box(2.5, 2.5, w - 5.0, h - 5.0);
        p.setPen(QPen(ink, 1.4));
        p.setBrush(state == 3 ? kPaper : kWhite);
        p.drawRoundedRect(box, 2, 2);
        if (state == 1)
            DrawPicto(p, Picto::Tick, box.adjusted(1, 1, -1, -1), state == 3 ? ink : kTeal.darker(112),
                      1.8);
        p.restore();
        return;
    }
    const bool wide = ShowsLabel({{}, size, picto, label, role});
    if (!wide) {
        qreal inset = std::max(2.0, std::min(w, h) * 0.16);
        QRectF box(inset, inset, w - 2 * inset, h - 2 * inset);
        DrawPicto(p, picto, box, ink, PenFor(size));
        p.restore();
        return;
    }
    const int px = h >= 24 ? 13 : (h >= 20 ? 12 : 11);
    const QString text = ShownFaceText(label);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    if (role == Role::MenuRow) {
        qreal icon = h - 8;
        if (picto != Picto::None)
            DrawPicto(p, picto, QRectF(8, 4, icon, icon), ink, 1.7);
        const QRectF room(8 + icon + 8, 0, w - icon - 20, h);
        const QFont font = Fitted(text, room.width(), px, true);
        p.setFont(font);
        p.setPen(ink);
        p.drawText(room, flags, text);
        Tell(label, text, room, flags, font, px, room);
        p.restore();
        return;
    }
    qreal icon = picto == Picto::None ? 0 : h - 10;
    qreal gap = icon > 0 ? 6 : 0;
    // The pictogram and the label are centred together, 6 pixels clear of either side; a label
    // too long for both at two pixels less than its size goes without the pictogram.
    if (icon > 0 && QFontMetricsF(Lettering(px - 2)).horizontalAdvance(text) > w - 12 - icon - gap)
        icon = gap = 0;
    const QRectF room(6 + icon + gap, 0, w - 12 - icon - gap, h);
    const QFont font = Fitted(text, room.width(), px, true);
    p.setFont(font);
    qreal textWidth = QFontMetricsF(font).horizontalAdvance(text);
    qreal x = (w - icon - gap - textWidth) / 2;
    if (icon > 0)
        DrawPicto(p, picto, QRectF(x, 5, icon, icon), ink, h >= 24 ? 2.0 : 1.7);
    p.setPen(role == Role::Go && state != 3 ? kInk : ink);
    const QRectF drawn(x + icon + gap, 0, textWidth + 2, h);
    p.drawText(drawn, flags, text);
    Tell(label, text, drawn, flags, font, px, room);
    p.restore();
}

} // namespace

void SetLetteringObserver(std::function<void(const LetteredText&)> observer)
{
    Observer() = std::move(observer);
}

bool LoadFonts()
{
    const char* dirs[] = {"/usr/share/fonts/truetype/liberation2/",
                          "/usr/share/fonts/truetype/liberation/"};
    bool found = false;
    for (const char* dir : dirs) {
        for (const char* file : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}) {
            if (QFontDatabase::addApplicationFont(QString(dir) + file) >= 0)
                found = true;
        }
        if (found)
            break;
    }
    return found;
}

QFont Lettering(int nPixels, bool bBold)
{
    // Scripts that Liberation Sans lacks come from the fonts that fontconfig falls back to. In
    // Japanese the Han characters are named a family, though: the fallback follows the
    // machine's locale, and a Chinese one would letter Japanese with Chinese glyph shapes.
    QFont font("Liberation Sans");
    if (platform::ProgramLanguage() == platform::ELanguage::Japanese)
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(nPixels);
    font.setBold(bBold);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QImage DrawButton(const ButtonFace& button, int nState, qreal scale)
{
    QImage image = NewImage(button.size, scale);
    QPainter p(&image);
    Smooth(p, button.size);
    DrawButtonBody(p, button.size, button.role, nState);
    DrawButtonContent(p, button.size, button.picto, button.label, button.role, nState);
    return image;
}

QImage DrawSetButton(const ToolbarSetButton& button, int nSet, int nState, qreal scale)
{
    ButtonFace face{button.strName, {23, 23}, button.picto[nSet - 1], {}, button.role[nSet - 1]};
    return DrawButton(face, nState, scale);
}

QImage DrawSetButtonBlank(qreal scale)
{
    QImage image = NewImage({23, 23}, scale);
    QPainter p(&image);
    Smooth(p, {23, 23});
    DrawButtonBody(p, {23, 23}, Role::Plain, 0);
    return image;
}

QImage DrawSetTransition(const ToolbarSetButton& button, int nFrom, int nStep, qreal scale)
{
    // Step 2: the old pictogram slides up and out; step 4: the new one slides in from below.
    QImage image = DrawSetButtonBlank(scale);
    QPainter p(&image);
    Smooth(p, {23, 23});
    p.setClipRect(QRect(2, 2, 19, 19));
    int set = nStep == 2 ? nFrom : nFrom % 3 + 1;
    qreal offset = nStep == 2 ? -7 : 7;
    QColor ink = ContentColour(button.role[set - 1], 0);
    ink.setAlpha(150);
    DrawPicto(p, button.picto[set - 1], QRectF(4, 4 + offset, 15, 15), ink, 2.0);
    return image;
}

// ---------------------------------------------------------------------------------------
// Window faces.

namespace {

QPainterPath OutlinePath(const WindowFace& face)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QPolygon& polygon : OutlinePolygons(face))
        path.addPolygon(QPolygonF(polygon));
    return path.simplified();
}

void Speckle(QPainter& p, const QRect& area, const std::string& seed, int density)
{
    std::mt19937 rng = Seeded(seed);
    std::uniform_real_distribution<double> x(area.left(), area.right() + 1);
    std::uniform_real_distribution<double> y(area.top(), area.bottom() + 1);
    std::uniform_int_distribution<int> kind(0, 3);
    p.setPen(Qt::NoPen);
    int count = area.width() * area.height() / density;
    for (int i = 0; i < count; ++i) {
        QColor c = kind(rng) == 0 ? WithAlpha(kEdge, 40) : WithAlpha(kWhite, 150);
        p.setBrush(c);
        p.drawEllipse(QPointF(x(rng), y(rng)), 0.7, 0.7);
    }
}

void Panel(QPainter& p, const QRect& rc)
{
    QRectF r = QRectF(rc).adjusted(-0.5, -0.5, 0.5, 0.5);
    p.setPen(QPen(kEdge, 1));
    p.setBrush(kWhite);
    p.drawRoundedRect(r, 3, 3);
    // The recess: a soft shade along the top and left inside edges.
    p.save();
    p.setClipRect(rc);
    QLinearGradient top(0, rc.top(), 0, rc.top() + 4);
    top.setColorAt(0, WithAlpha(kEdgeDark, 90));
    top.setColorAt(1, WithAlpha(kEdgeDark, 0));
    p.fillRect(QRect(rc.left(), rc.top(), rc.width(), 4), top);
    QLinearGradient left(rc.left(), 0, rc.left() + 3, 0);
    left.setColorAt(0, WithAlpha(kEdgeDark, 60));
    left.setColorAt(1, WithAlpha(kEdgeDark, 0));
    p.fillRect(QRect(rc.left(), rc.top(), 3, rc.height()), left);
    p.restore();
}

// Letters a face text in the language of the installed translation, fitted to the rectangle.
void Lettered(QPainter& p, const QRect& rc, const QString& source, int px, bool bold, int align,
              const QColor& colour = kInk)
{
    const QString text = ShownFaceText(source);
    const QFont font = Fitted(text, rc.width(), px, bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(rc, align, text);
    Tell(source, text, rc, align, font, px, rc);
}

void TitleWithStar(QPainter& p, const QRect& rc, const QString& source, int px)
{
    // The star after the title reaches 0.87 of the lettering's size past its end.
    const QString title = ShownFaceText(source);
    const QRectF room(rc.left(), rc.top(), rc.width() - px * 0.9, rc.height());
    QFont font = Fitted(title, room.width(), px, true);
    Tell(source, title, rc, Qt::AlignLeft | Qt::AlignVCenter, font, px, room);
    px = font.pixelSize();
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(rc, Qt::AlignLeft | Qt::AlignVCenter, title);
    qreal width = QFontMetricsF(font).horizontalAdvance(title);
    QPointF star(rc.left() + width + px * 0.55, rc.center().y() - px * 0.15);
    p.setPen(Qt::NoPen);
    p.fillPath(StarPath(star, px * 0.32, px * 0.13, 5), kSun);
    p.fillPath(StarPath(star, px * 0.32, px * 0.13, 5), QBrush(WithAlpha(kCoral, 40)));
}

void Mount(QPainter& p, const QRect& rc)
{
    // A picture mount: a coral frame around the view with a sunshine inner lip.
    QRectF outer = QRectF(rc).adjusted(-9, -9, 9, 9);
    QLinearGradient g(outer.topLeft(), outer.bottomRight());
    g.setColorAt(0, kCoral.lighter(112));
    g.setColorAt(1, kCoral.darker(108));
    p.setPen(QPen(kCoral.darker(125), 1));
    p.setBrush(g);
    p.drawRoundedRect(outer, 7, 7);
    p.setPen(QPen(kSun, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rc).adjusted(-2, -2, 2, 2));
    p.fillRect(rc, kWhite);
    // Small sunshine studs at the corners of the mount.
    p.setPen(Qt::NoPen);
    for (QPointF c : {outer.topLeft() + QPointF(4.5, 4.5), outer.topRight() + QPointF(-4.5, 4.5),
                      outer.bottomLeft() + QPointF(4.5, -4.5),
                      outer.bottomRight() + QPointF(-4.5, -4.5)})
        p.fillPath(StarPath(c, 3.6, 1.5, 4), kSun);
}

void Strip(QPainter& p, const QRect& rc, bool edgeOnRight)
{
    QLinearGradient g(rc.left(), 0, rc.right(), 0);
    g.setColorAt(0, kStrip.lighter(103));
    g.setColorAt(1, kStrip.darker(102));
    p.fillRect(rc, g);
    if (edgeOnRight) {
        p.setPen(QPen(kEdge, 2));
        p.drawLine(QPointF(rc.right(), rc.top()), QPointF(rc.right(), rc.bottom() + 1));
    }
}

void Pocket(QPainter& p, const QRect& rc)
{
    QRectF r = QRectF(rc).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(0, rc.top(), 0, rc.bottom());
    g.setColorAt(0, kPressed);
    g.setColorAt(1, kPaperLight);
    p.setPen(QPen(kEdge, 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
}

void Rail(QPainter& p, const QRect& rc)
{
    QRectF r(rc.center().x() - 1.5, rc.top(), 3, rc.height());
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(kEdge, 170));
    p.drawRoundedRect(r, 1.5, 1.5);
}

void TextPanel(QPainter& p, const QRect& rc)
{
    QLinearGradient g(0, rc.top(), 0, rc.bottom());
    g.setColorAt(0, kInk.lighter(118));
    g.setColorAt(1, kInk);
    p.setPen(QPen(kInk.darker(130), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(rc).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    // A thin sunshine stitch line inside the card, clear of the text the box writes in it.
    QPen stitch(WithAlpha(kSun, 120), 1, Qt::DashLine);
    p.setPen(stitch);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(rc).adjusted(2.5, 2.5, -2.5, -2.5), 6, 6);
}

void DrawMainTitle(QPainter& p, const QRect& rc, const QString& source)
{
    // "Vimble" in plum, " e-mail" in coral, with sunshine stars around (reaching 39 pixels
    // past the name).
    const QString text = ShownFaceText(source);
    QString first = text.section(' ', 0, 0);
    QString rest = text.mid(first.size());
    const QRectF room(rc.left(), rc.top(), rc.width() - 39, rc.height());
    QFont font = Fitted(text, room.width(), 40, true);
    p.setFont(font);
    QFontMetricsF fm(font);
    Tell(source, text, QRectF(rc.left(), rc.top(), fm.horizontalAdvance(text), rc.height()),
         Qt::AlignLeft | Qt::AlignVCenter, font, 40, room);
    qreal x = rc.left();
    qreal base = rc.top() + (rc.height() + fm.ascent() - fm.descent()) / 2;
    p.setPen(kInk);
    p.drawText(QPointF(x, base), first);
    x += fm.horizontalAdvance(first);
    p.setPen(kCoral);
    p.drawText(QPointF(x, base), rest);
    x += fm.horizontalAdvance(rest);
    p.setPen(Qt::NoPen);
    p.fillPath(StarPath(QPointF(x + 16, rc.top() + 12), 9, 3.6, 5), kSun);
    p.fillPath(StarPath(QPointF(x + 34, rc.top() + 28), 5, 2, 5), kTeal);
    p.fillPath(HeartPath(QPointF(rc.left() - 2, rc.top() + 4), 5), kCoral);
}

void DrawZone(QPainter& p, const WindowFace& face, const Zone& zone)
{
    switch (zone.kind) {
    case ZoneKind::Panel:
        Panel(p, zone.rc);
        break;
    case ZoneKind::TextPanel:
        TextPanel(p, zone.rc);
        break;
    case ZoneKind::Label:
        Lettered(p, zone.rc, zone.text, 13, true, zone.align);
        break;
    case ZoneKind::SmallLabel:
        Lettered(p, zone.rc, zone.text, 11, false, zone.align, kInk.lighter(130));
        break;
    case ZoneKind::Strip:
        Strip(p, zone.rc, zone.rc.width() < face.size.width());
        break;
    case ZoneKind::Mount:
        Mount(p, zone.rc);
        break;
    case ZoneKind::Rail:
        Rail(p, zone.rc);
        break;
    case ZoneKind::Pocket:
        Pocket(p, zone.rc);
        break;
    case ZoneKind::Slot:
        break;
    case ZoneKind::Title:
        DrawMainTitle(p, zone.rc, zone.text);
        break;
    case ZoneKind::Stitch:
        p.setPen(QPen(WithAlpha(kCoral, 150), 1.5, Qt::DashLine, Qt::RoundCap));
        p.drawLine(QPointF(zone.rc.left(), zone.rc.center().y() + 0.5),
                   QPointF(zone.rc.right() + 1, zone.rc.center().y() + 0.5));
        break;
    }
}

// A soft shade under every button that has its place to itself, so the face shows where its
// buttons sit; thin dotted rules between the rows of a menu.
void DrawSeats(QPainter& p, const WindowFace& face)
{
    for (size_t i = 0; i < face.buttons.size(); ++i) {
        const ButtonFace* button = FindButton(face.buttons[i].strButton);
        if (button == nullptr)
            continue;
        QRect rc = PlacedRect(face.buttons[i]);
        if (button->role == Role::MenuRow) {
            if (i + 1 < face.buttons.size()) {
                p.setPen(QPen(WithAlpha(kEdge, 200), 1, Qt::DotLine));
                qreal y = rc.bottom() + 2.5;
                p.drawLine(QPointF(rc.left() + 8, y), QPointF(rc.right() - 8, y));
            }
            continue;
        }
        bool alone = true;
        for (size_t j = 0; j < face.buttons.size(); ++j)
            if (j != i && PlacedRect(face.buttons[j]).intersects(rc))
                alone = false;
        if (face.strName == "MAIN_TOOLBAR") // the player shares the set buttons' places
            alone = false;
        if (!alone)
            continue;
        qreal radius = std::max(2.0, button->size.height() / 4.0) + 1;
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(kEdgeDark, 60));
        p.drawRoundedRect(QRectF(rc).adjusted(-1, -0.5, 1, 1.5), radius, radius);
    }
}

} // namespace

QImage DrawWindow(const WindowFace& face, qreal scale)
{
    QImage image = NewImage(face.size, scale,
                            face.bTransparentCorners ? QColor(Qt::transparent) : kMargin);
    QPainter p(&image);
    Smooth(p, face.size);
    const QPainterPath outline = OutlinePath(face);
    const QRect all(QPoint(0, 0), face.size);

    p.save();
    p.setClipPath(outline);
    QLinearGradient paper(0, 0, 0, face.size.height());
    paper.setColorAt(0, kPaperLight);
    paper.setColorAt(1, kPaper);
    p.fillRect(all, paper);
    // The card's texture and the soft inner shadow along its border.
    Speckle(p, all, face.strName, 60);
    if (face.nRadius > 0) {
        for (int i = 5; i >= 1; --i) {
            p.setPen(QPen(WithAlpha(kEdge, 22), i * 2.0 + 4));
            p.setBrush(Qt::NoBrush);
            p.drawPath(outline);
        }
    }
    p.restore();

    for (const Zone& zone : face.zones)
        DrawZone(p, face, zone);
    DrawSeats(p, face);

    if (!face.title.isEmpty()) {
        if (face.titleRect.width() < 80)
            Lettered(p, face.titleRect, face.title, 15, true, Qt::AlignLeft | Qt::AlignVCenter);
        else
            TitleWithStar(p, face.titleRect, face.title, face.titleRect.height() >= 30 ? 22 : 18);
    }

    // The border: edge colour inside the outline, 2.5 pixels wide.
    if (face.nRadius > 0) {
        p.save();
        p.setClipPath(outline);
        p.setPen(QPen(kEdge, 5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
        p.setPen(QPen(WithAlpha(kWhite, 160), 1));
        p.drawPath(outline.translated(0, 0));
        p.restore();
    }
    return image;
}

// ---------------------------------------------------------------------------------------
// Pictures.

namespace {

void Ribbon(QPainter& p, QSize size, const QString& text)
{
    const qreal w = size.width(), h = size.height();
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, w, h), 4, 4);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, kCoral.lighter(108));
    g.setColorAt(1, kCoral.darker(106));
    p.fillPath(path, g);
    // Notched ends like a ribbon's.
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(kCoral.darker(125), 160));
    p.drawPolygon(QPolygonF({QPointF(w - 9, 0), QPointF(w, 0), QPointF(w - 5, h / 2),
                             QPointF(w, h), QPointF(w - 9, h)}));
    p.setPen(QPen(WithAlpha(kWhite, 110), 1, Qt::DashLine));
    p.drawLine(QPointF(4, 2.5), QPointF(w - 12, 2.5));
    p.drawLine(QPointF(4, h - 2.5), QPointF(w - 12, h - 2.5));
    int px = h >= 28 ? 16 : 13;
    p.setPen(Qt::NoPen);
    p.fillPath(StarPath(QPointF(10, h / 2), h * 0.24, h * 0.1, 5), kSun);
    Lettered(p, QRect(20, 0, int(w) - 34, int(h)), text, px, true, Qt::AlignLeft | Qt::AlignVCenter,
             kWhite);
}

void MessageStrip(QPainter& p, QSize size, const QString& kind)
{
    // The bottom of a message box: the coral band on which its buttons sit, with the box's
    // own rounded bottom corners and border.
    const WindowFace* box = FindWindow("MESSAGE_BOXKEL");
    QPainterPath outline;
    for (const QPolygon& poly : OutlinePolygons(*box))
        outline.addPolygon(QPolygonF(poly.translated(0, -176)));
    p.save();
    p.setClipPath(outline);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, kCoral.lighter(110));
    g.setColorAt(1, kCoral.darker(104));
    p.fillRect(QRect(QPoint(0, 0), size), g);
    p.setPen(QPen(WithAlpha(kWhite, 120), 1, Qt::DashLine));
    p.drawLine(QPointF(6, 3.5), QPointF(size.width() - 6, 3.5));
    // Wells where the buttons of the kind sit.
    std::vector<QRect> wells;
    if (kind == "O")
        wells = {QRect(50, 8, 102, 24)};
    else
        wells = {QRect(50, 8, 32, 24), QRect(82, 8, 32, 24)};
    if (kind == "YNC")
        wells.push_back(QRect(153, 8, 22, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(kCoral.darker(135), 110));
    for (const QRect& well : wells)
        p.drawRoundedRect(QRectF(well), 7, 7);
    p.fillPath(HeartPath(QPointF(24, 19), 7), kSun);
    p.setPen(QPen(kEdge, 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.restore();
}

void Combo(QPainter& p, QSize size, bool folder)
{
    const qreal w = size.width(), h = size.height();
    p.setPen(QPen(kEdge, 1));
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), h / 3.0, h / 3.0);
    // The drop button: a coral disc with a white chevron.
    QPointF c(w - h / 2.0 - 1, h / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kCoral);
    p.drawEllipse(c, h / 2.0 - 2, h / 2.0 - 2);
    QPen pen(kWhite, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    qreal s = h * 0.17;
    p.drawPolyline(QPolygonF({c + QPointF(-s, -s * 0.5), c + QPointF(0, s * 0.6),
                              c + QPointF(s, -s * 0.5)}));
    if (folder) {
        p.setPen(QPen(WithAlpha(kEdge, 200), 1));
        p.drawLine(QPointF(h + 2, 3), QPointF(h + 2, h - 3));
    }
}

void PageTitle(QPainter& p, QSize size, const QString& text, int page)
{
    static const Picto pictos[] = {Picto::Animations, Picto::Cliparts, Picto::Background,
                                   Picto::Sound, Picto::Effects};
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, kPaperLight);
    g.setColorAt(1, kPaper);
    p.fillRect(QRect(QPoint(0, 0), size), g);
    DrawPicto(p, pictos[page - 1], QRectF(3, 3, 19, 19), kCoral, 1.8);
    Lettered(p, QRect(28, 0, size.width() - 28, size.height() - 3), text, 15, true,
             Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(kCoral, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(28, size.height() - 2.5), QPointF(size.width() - 6, size.height() - 2.5));
}

void ListFrame(QPainter& p, QSize size)
{
    QRectF r(1.5, 1.5, size.width() - 3.0, size.height() - 3.0);
    p.setPen(QPen(kEdge, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(QPen(WithAlpha(kWhite, 200), 1));
    p.drawRoundedRect(r.adjusted(-1, -1, 1, 1), 7, 7);
}

void Envelope(QPainter& p, const QRectF& r, const QColor& seal)
{
    p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kWhite);
    p.drawRoundedRect(r, 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({r.topLeft() + QPointF(0.5, 0.5), QPointF(r.center().x(), r.center().y() + 1),
                              r.topRight() + QPointF(-0.5, 0.5)}));
    p.setPen(Qt::NoPen);
    p.fillPath(HeartPath(QPointF(r.center().x(), r.center().y() + 1.5), r.height() * 0.2), seal);
}

void PaperPlane(QPainter& p, QPointF c, qreal s, qreal angle, const QColor& fill)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    QPolygonF body({QPointF(s, 0), QPointF(-s, -s * 0.75), QPointF(-s * 0.45, 0), QPointF(-s, s * 0.75)});
    p.setPen(QPen(kInk, std::max(1.0, s * 0.14), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(body);
    p.drawLine(QPointF(-s * 0.45, 0), QPointF(s, 0));
    p.restore();
}

void Activity(QPainter& p, QSize size, int index)
{
    QRectF cell(0, 0, size.width(), size.height());
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, kPaperLight);
    sky.setColorAt(1, kPaper);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(cell, 4, 4);
    if (index == 0) {
        Envelope(p, QRectF(4.5, 6.5, 17, 11), kCoral);
        return;
    }
    // The plane loops around the cell, with a trail of dots behind it.
    auto at = [&](double t) {
        double a = 2 * M_PI * t;
        return QPointF(13 + 8.5 * std::cos(a), 12 + 6.0 * std::sin(a));
    };
    double t = (index - 1) / 16.0;
    p.setPen(Qt::NoPen);
    for (int k = 1; k <= 4; ++k) {
        p.setBrush(WithAlpha(kCoral, 200 - k * 40));
        p.drawEllipse(at(t - k * 0.05), 1.1, 1.1);
    }
    QPointF pos = at(t), ahead = at(t + 0.01);
    double angle = std::atan2(ahead.y() - pos.y(), ahead.x() - pos.x()) * 180 / M_PI;
    PaperPlane(p, pos, 5.5, angle, kTeal.lighter(130));
    if (index % 4 == 1)
        p.fillPath(StarPath(QPointF(22, 5), 2.6, 1, 4), kSun);
}

void EffectCell(QPainter& p, const EffectKind& kind, const QRectF& cell)
{
    QPen path(kInk, 1.4, Qt::DotLine, Qt::RoundCap, Qt::RoundJoin);
    QPen arrow(kCoral, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const int type = kind.m_nType;
    const int mode = type < 0 ? 0 : (type <= 13 ? (type % 7 == 5 ? 1 : type % 7 == 6 ? 2 : 0)
                                                : (type - 14) % 3);
    // Objects: sunshine squares, their size telling the size mode (1 grows, 2 shrinks).
    auto object = [&](QPointF c, qreal half) {
        p.setPen(QPen(kInk, 1.1));
        p.setBrush(kSun);
        p.drawRoundedRect(QRectF(c.x() - half, c.y() - half, 2 * half, 2 * half), 1.2, 1.2);
    };
    auto head = [&](QPointF tip, double angle) {
        p.setPen(arrow);
        p.setBrush(Qt::NoBrush);
        double a1 = angle + M_PI * 0.8, a2 = angle - M_PI * 0.8;
        p.drawPolyline(QPolygonF({tip + QPointF(4.5 * std::cos(a1), 4.5 * std::sin(a1)), tip,
                                  tip + QPointF(4.5 * std::cos(a2), 4.5 * std::sin(a2))}));
    };
    const qreal startHalf = mode == 1 ? 2.2 : (mode == 2 ? 5 : 3.5);
    const qreal endHalf = mode == 1 ? 5.5 : (mode == 2 ? 2 : 3.5);
    const QPointF c = cell.center();
    p.save();
    p.setClipRect(cell);
    if (type < 0) {
        object(c, 5);
        p.setPen(QPen(kInk.lighter(140), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            double a = i * M_PI / 2 + M_PI / 4;
            p.drawLine(c + QPointF(8 * std::cos(a), 8 * std::sin(a)),
                       c + QPointF(11 * std::cos(a), 11 * std::sin(a)));
        }
    } else if (type <= 13) {
        bool vertical = type >= 7;
        double dir = kind.m_fParam1 < 0 ? -1 : 1;
        QPointF from = vertical ? QPointF(c.x(), c.y() - dir * 9) : QPointF(c.x() - dir * 9, c.y());
        QPointF to = vertical ? QPointF(c.x(), c.y() + dir * 11) : QPointF(c.x() + dir * 11, c.y());
        object(from, startHalf);
        p.setPen(path);
        p.drawLine(from, to);
        if (mode != 0)
            object(to - (to - from) * 0.22, endHalf * 0.75);
        double angle = vertical ? (dir > 0 ? M_PI / 2 : -M_PI / 2) : (dir > 0 ? 0 : M_PI);
        head(to, angle);
    } else if (type >= 20 && type <= 25) {
        bool circle = type <= 22;
        double rx = circle ? 10 : (kind.m_fParam1 < 30 ? 6 : 8.5);
        double ry = circle ? 10 : 12.5;
        double step = circle ? kind.m_fParam2 : kind.m_fParam3;
        bool clockwise = step > 0; // y grows downwards
        p.setPen(path);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, rx, ry);
        // Start at the right; draw the object there and the arrow a little further on.
        double sweep = (clockwise ? 1 : -1) * 1.1;
        QPointF start(c.x() + rx, c.y());
        QPointF tip(c.x() + rx * std::cos(sweep), c.y() + ry * std::sin(sweep));
        double tangent = std::atan2(ry * std::cos(sweep) * (clockwise ? 1 : -1),
                                    -rx * std::sin(sweep) * (clockwise ? 1 : -1));
        object(c, mode == 0 ? 3 : (mode == 1 ? 2 : 4.5));
        if (mode != 0)
            object(start, mode == 1 ? 3.8 : 1.8);
        head(tip, tangent);
    } else {
        // Random jumps: a zigzag of hops.
        QPointF pts[] = {c + QPointF(-10, 8), c + QPointF(-3, -9), c + QPointF(4, 6),
                         c + QPointF(11, -8)};
        p.setPen(path);
        for (int i = 0; i < 3; ++i)
            p.drawLine(pts[i], pts[i + 1]);
        for (int i = 0; i < 3; ++i) {
            qreal half = mode == 1 ? 1.8 + i * 1.1 : (mode == 2 ? 4 - i * 1.0 : 2.6);
            object(pts[i], half);
        }
        QPointF d = pts[3] - pts[2];
        head(pts[3], std::atan2(d.y(), d.x()));
    }
    p.restore();
}

void EffectStrip(QPainter& p)
{
    for (const EffectKind& kind : EffectKinds()) {
        QRectF cell((kind.m_nImage - 1) * 32.0, 0, 32, 32);
        EffectCell(p, kind, cell);
    }
}

void Confetti(QPainter& p, const QRectF& area, const std::string& seed, int count, double grow,
              const QRectF& avoid = QRectF())
{
    std::mt19937 rng = Seeded(seed);
    std::uniform_real_distribution<double> x(area.left(), area.right());
    std::uniform_real_distribution<double> y(area.top(), area.bottom());
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_real_distribution<double> size(3, 7);
    std::uniform_real_distribution<double> turn(0, M_PI);
    const QColor colours[] = {kSun, kTeal, kCoral};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        QPointF c(x(rng), y(rng));
        for (int tries = 0; tries < 20 && avoid.contains(c); ++tries)
            c = QPointF(x(rng), y(rng));
        int k = kind(rng);
        double s = size(rng) * grow;
        double t = turn(rng);
        if (s <= 0.2)
            continue;
        if (k == 0)
            p.fillPath(StarPath(c, s, s * 0.42, 5, t), colours[i % 3]);
        else if (k == 1)
            p.fillPath(HeartPath(c, s * 0.8), colours[(i + 1) % 3]);
        else {
            p.setBrush(colours[(i + 2) % 3]);
            p.drawEllipse(c, s * 0.45, s * 0.45);
        }
    }
}

void Welcome(QPainter& p, QSize size)
{
    const qreal w = size.width(), h = size.height();
    QRadialGradient g(QPointF(w / 2, h * 0.42), w * 0.7);
    g.setColorAt(0, kPaperLight);
    g.setColorAt(1, kPaper.darker(104));
    p.fillRect(QRectF(0, 0, w, h), g);
    Confetti(p, QRectF(20, 20, w - 40, h - 40), "MODUL_TABLA", 46, 1.0,
             QRectF(w / 2 - 160, 80, 320, 320));
    // A big envelope with a heart seal, a card peeking out of it.
    QRectF card(w / 2 - 110, 92, 220, 150);
    p.setPen(QPen(kEdge, 2));
    p.setBrush(kWhite);
    p.save();
    p.translate(card.center());
    p.rotate(-6);
    p.translate(-card.center());
    p.drawRoundedRect(card, 8, 8);
    p.fillPath(StarPath(card.center() + QPointF(0, -20), 26, 11, 5), kSun);
    p.restore();
    QRectF env(w / 2 - 140, 160, 280, 150);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kPaperLight);
    p.drawRoundedRect(env, 10, 10);
    p.drawPolyline(QPolygonF({env.topLeft() + QPointF(4, 4), QPointF(env.center().x(), env.top() + 92),
                              env.topRight() + QPointF(-4, 4)}));
    p.setPen(Qt::NoPen);
    p.fillPath(HeartPath(QPointF(env.center().x(), env.top() + 94), 20), kCoral);
    Lettered(p, QRect(0, 330, int(w), 40), "Start a new greeting", 26, true, Qt::AlignCenter);
    Lettered(p, QRect(0, 368, int(w), 26), "File \u25B8 New, or open a greeting you have made",
             15, false, Qt::AlignCenter, kInk.lighter(140));
}

void SplashFrame(QPainter& p, QSize size, int frame)
{
    // The 24 pictures shown are frames 0, 2, ... 18, then 20 ... 33: step k runs 0 ... 23.
    const int k = frame < 20 ? frame / 2 : frame - 10;
    const qreal w = size.width(), h = size.height();
    auto ramp = [k](double a, double b) { return std::clamp((k - a) / (b - a), 0.0, 1.0); };
    QRadialGradient bg(QPointF(w / 2, h / 2), w * 0.75);
    bg.setColorAt(0, kInk.lighter(135));
    bg.setColorAt(1, kInk.darker(115));
    p.fillRect(QRectF(0, 0, w, h), bg);
    // Stars in the dark around the card twinkle in.
    Confetti(p, QRectF(8, 8, w - 16, h - 16), "splash-sky", 30, 0.6 * ramp(0, 6));

    // The card grows from the middle and settles.
    double open = 1 - std::pow(1 - ramp(0, 8), 3);
    QRectF card(40, 36, w - 80, h - 72);
    p.save();
    p.translate(w / 2, h / 2);
    p.rotate((1 - open) * -14);
    p.scale(0.25 + 0.75 * open, 0.25 + 0.75 * open);
    p.translate(-w / 2, -h / 2);
    QLinearGradient paper(0, card.top(), 0, card.bottom());
    paper.setColorAt(0, kPaperLight);
    paper.setColorAt(1, kPaper);
    p.setPen(QPen(kEdge, 3));
    p.setBrush(paper);
    p.drawRoundedRect(card, 16, 16);
    p.setClipRect(card.adjusted(3, 3, -3, -3));
    Confetti(p, card.adjusted(10, 10, -10, -10), "splash-card", 30, ramp(4, 13),
             QRectF(40, h / 2 - 50, w - 80, 150));
    p.restore();

    // The name, letter by letter.
    if (k >= 8) {
        QFont font = Lettering(40);
        QFontMetricsF fm(font);
        const QString first = "Vimble", rest = " e-mail";
        qreal total = fm.horizontalAdvance(first + rest);
        qreal x = (w - total) / 2, base = h / 2 + 4;
        p.save();
        p.setClipRect(QRectF(0, 0, x + total * ramp(8, 17) + 2, h));
        p.setFont(font);
        p.setPen(kInk);
        p.drawText(QPointF(x, base), first);
        p.setPen(kCoral);
        p.drawText(QPointF(x + fm.horizontalAdvance(first), base), rest);
        p.restore();
    }
    // The line under the name and the maker's name fade in.
    if (frame >= kSplashWordsFrame) {
        double fade = ramp(14, 20);
        p.setOpacity(fade);
        Lettered(p, QRect(48, int(h / 2 + 18), int(w) - 96, 24), "Greetings that move", 17, false,
                 Qt::AlignCenter, kInk.lighter(140));
        Lettered(p, QRect(0, int(h - 64), int(w), 18), "Kelbrant", 13, true, Qt::AlignCenter,
                 kEdgeDark);
        p.setOpacity(1);
    }
    // A paper plane crosses under the name, leaving a dotted trail.
    if (k >= 12) {
        double t = ramp(12, 23);
        QPointF from(62, h - 92), to(w - 72, h - 108);
        QPointF pos = from + (to - from) * t + QPointF(0, -18 * std::sin(t * M_PI));
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(kCoral, 200));
        for (double s = 0; s < t - 0.03; s += 0.045) {
            QPointF dot = from + (to - from) * s + QPointF(0, -18 * std::sin(s * M_PI));
            p.drawEllipse(dot, 1.8, 1.8);
        }
        PaperPlane(p, pos, 13, -8 + 20 * std::cos(t * M_PI), kTeal.lighter(125));
    }
}

void SwitchSpin(QPainter& p, QSize size, int index)
{
    p.save();
    p.translate(size.width() / 2.0, size.height() / 2.0);
    p.rotate((index - 1) * 45.0);
    p.translate(-size.width() / 2.0, -size.height() / 2.0);
    DrawPicto(p, Picto::SetSwitch, QRectF(1, 1, size.width() - 2, size.height() - 2), kCoral, 1.6);
    p.restore();
}

void Twinkle(QPainter& p, QSize size, int index)
{
    const QPointF c(size.width() / 2.0, size.height() / 2.0);
    double phase = std::sin((index - 1) * M_PI / 4);
    QRadialGradient glow(c, size.width() / 2.0);
    glow.setColorAt(0, WithAlpha(kSun, int(150 + 60 * phase)));
    glow.setColorAt(1, WithAlpha(kSun, 0));
    p.fillRect(QRectF(0, 0, size.width(), size.height()), glow);
    double r = size.width() * (0.32 + 0.05 * phase);
    p.setPen(QPen(kCoral.darker(110), 1.5));
    p.setBrush(kSun);
    p.drawPath(StarPath(c, r, r * 0.45, 5, (index - 1) * M_PI / 40));
    p.setPen(Qt::NoPen);
    p.fillPath(StarPath(c + QPointF(r * 0.9, -r * 0.9), 5 + 2 * phase, 2, 4), kTeal);
}

void FolderTray(QPainter& p, QSize size)
{
    p.setPen(QPen(kEdge, 1));
    p.setBrush(kStrip);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 7, 7);
}

} // namespace

QImage DrawPicture(const Picture& picture, qreal scale)
{
    QImage image = NewImage(picture.size, scale);
    QPainter p(&image);
    Smooth(p, picture.size);
    switch (picture.kind) {
    case PictureKind::CaptionRibbon:
        Ribbon(p, picture.size, picture.text);
        break;
    case PictureKind::MessageStrip:
        MessageStrip(p, picture.size, picture.text);
        break;
    case PictureKind::Combo:
        Combo(p, picture.size, picture.text == "folder");
        break;
    case PictureKind::PageTitle:
        PageTitle(p, picture.size, picture.text, picture.nIndex);
        break;
    case PictureKind::ListFrame:
        ListFrame(p, picture.size);
        break;
    case PictureKind::Activity:
        Activity(p, picture.size, picture.nIndex);
        break;
    case PictureKind::Splash:
        SplashFrame(p, picture.size, picture.nIndex);
        break;
    case PictureKind::EffectStrip:
        p.fillRect(QRect(QPoint(0, 0), picture.size), kWhite); // white is the list's transparent colour
        EffectStrip(p);
        break;
    case PictureKind::Welcome:
        Welcome(p, picture.size);
        break;
    case PictureKind::SwitchSpin:
        SwitchSpin(p, picture.size, picture.nIndex);
        break;
    case PictureKind::Twinkle:
        Twinkle(p, picture.size, picture.nIndex);
        break;
    case PictureKind::FolderTray:
        FolderTray(p, picture.size);
        break;
    case PictureKind::ScrollTrack:
        break;
    }
    return image;
}

// ---------------------------------------------------------------------------------------
// The program's own resources.

QImage DrawCursor(int nId, qreal scale)
{
    QImage image = NewImage({32, 32}, scale);
    QPainter p(&image);
    Smooth(p, {32, 32});
    QPainterPath arrow;
    auto doubleArrow = [&](double angle) {
        QPainterPath path;
        // A double-headed arrow along the x axis, then turned.
        path.moveTo(-11, 0);
        path.lineTo(-5, -6);
        path.lineTo(-5, -2.2);
        path.lineTo(5, -2.2);
        path.lineTo(5, -6);
        path.lineTo(11, 0);
        path.lineTo(5, 6);
        path.lineTo(5, 2.2);
        path.lineTo(-5, 2.2);
        path.lineTo(-5, 6);
        path.closeSubpath();
        QTransform t;
        t.translate(16, 16);
        t.rotate(angle);
        return t.map(path);
    };
    if (nId == 210) {
        arrow = doubleArrow(0).united(doubleArrow(90));
    } else {
        // 209 runs from the bottom left to the top right, 211 from the top left to the bottom
        // right.
        arrow = doubleArrow(nId == 209 ? -45 : 45);
    }
    p.setPen(QPen(kWhite, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kInk);
    p.drawPath(arrow);
    p.setPen(QPen(kInk, 1));
    p.drawPath(arrow);
    return image;
}

QImage DrawIcon(int nId, int nSize, qreal scale)
{
    QImage image = NewImage({nSize, nSize}, scale);
    QPainter p(&image);
    Smooth(p, {nSize, nSize});
    const qreal s = nSize / 32.0;
    p.scale(s, s);
    QPen ink(kInk, 1.6 / s * (nSize >= 32 ? 1.2 : 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    ink.setCosmetic(true);
    ink.setWidthF(DevicePen(p, nSize >= 32 ? 2.0 : 1.2));
    p.setPen(ink);
    switch (nId) {
    case 5: { // the program: an envelope with a heart and a star
        p.setBrush(kPaperLight);
        p.drawRoundedRect(QRectF(2, 8, 28, 20), 3, 3);
        p.drawPolyline(QPolygonF({QPointF(3, 9), QPointF(16, 20), QPointF(29, 9)}));
        p.setPen(Qt::NoPen);
        p.fillPath(HeartPath(QPointF(16, 20), 6), kCoral);
        p.fillPath(StarPath(QPointF(26, 6), 5.5, 2.3, 5), kSun);
        break;
    }
    case 6: // removable drive
        p.setBrush(kTeal.lighter(140));
        p.drawRoundedRect(QRectF(5, 12, 22, 12), 2, 2);
        p.setBrush(kInk);
        p.drawRect(QRectF(10, 17, 12, 2));
        break;
    case 9: // fixed drive
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
        p.setBrush(kTeal);
        p.drawEllipse(QPointF(24, 17), 1.8, 1.8);
        break;
    case 10: // network drive
        p.setBrush(kPaper);
        p.drawRoundedRect(QRectF(3, 6, 26, 11), 2, 2);
        p.drawLine(QPointF(16, 17), QPointF(16, 24));
        p.drawLine(QPointF(6, 26), QPointF(26, 26));
        p.setBrush(kTeal);
        p.drawEllipse(QPointF(24, 11.5), 1.8, 1.8);
        break;
    case 12: // CD-ROM
        p.setBrush(QColor(0xEE, 0xE6, 0xF5));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setBrush(kPaperLight);
        p.drawEllipse(QPointF(16, 16), 3.5, 3.5);
        break;
    case 16: // My Computer
        p.setBrush(kPaperLight);
        p.drawRoundedRect(QRectF(3, 4, 26, 18), 2, 2);
        p.setBrush(kTeal.lighter(150));
        p.drawRect(QRectF(6, 7, 20, 12));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(16, 22), QPointF(16, 26));
        p.drawLine(QPointF(9, 27), QPointF(23, 27));
        break;
    case 600: // folder
    default: {
        QPainterPath folder;
        folder.moveTo(3, 8);
        folder.lineTo(12, 8);
        folder.lineTo(15, 11);
        folder.lineTo(29, 11);
        folder.lineTo(29, 26);
        folder.lineTo(3, 26);
        folder.closeSubpath();
        p.setBrush(kSun);
        p.drawPath(folder);
        break;
    }
    }
    return image;
}

QImage DrawSoundIcon(qreal scale)
{
    // On white, which the image list treats as transparent: nothing else may be pure white.
    QImage image = NewImage({32, 32}, scale, kWhite);
    QPainter p(&image);
    Smooth(p, {32, 32});
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal.lighter(160));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    DrawPicto(p, Picto::Sound, QRectF(4, 4, 24, 24), kInk, 2.0);
    return image;
}

QImage DrawTipEnd(bool bLeft, qreal scale)
{
    QImage image = NewImage({8, 22}, scale);
    QPainter p(&image);
    Smooth(p, {8, 22});
    QRectF pill = bLeft ? QRectF(0.5, 0.5, 16, 21) : QRectF(-8.5, 0.5, 16, 21);
    p.setPen(QPen(kEdge, 1));
    p.setBrush(QColor(0xFF, 0xF1, 0xCC));
    p.drawRoundedRect(pill, 8, 8);
    return image;
}

} // namespace faces
