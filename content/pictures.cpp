#include "content/pictures.h"

#include "resources/paths.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <map>

namespace content {

namespace {

using namespace colors;

constexpr double kPi = 3.14159265358979323846;

const QColor kGreen(0x7C, 0xC3, 0x6A);
const QColor kDarkGreen(0x3F, 0x9A, 0x5A);
const QColor kPink(0xFF, 0x9A, 0xA8);
const QColor kSky(0x9F, 0xD8, 0xF5);
const QColor kSnow(0xF4, 0xF8, 0xFF);
const QColor kBrown(0x9A, 0x62, 0x45);
const QColor kOrange(0xFF, 0x9A, 0x3C);

// A fixed-seed generator for scattered details, the same on every run.
struct Scatter {
    uint32_t state;
    explicit Scatter(uint32_t seed)
        : state(seed)
    {
    }
    double Next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 16777216.0;
    }
    double Range(double a, double b) { return a + (b - a) * Next(); }
};

QPen InkPen(double width)
{
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Fills a path with a soft top-to-bottom gradient of the colour and outlines it in ink.
void Shape(QPainter& p, const QPainterPath& path, const QColor& color, double outline = 3.5)
{
    QRectF box = path.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, color.lighter(122));
    fill.setColorAt(1, color);
    p.setBrush(fill);
    p.setPen(outline > 0 ? InkPen(outline) : QPen(Qt::NoPen));
    p.drawPath(path);
}

void Shine(QPainter& p, const QRectF& rect)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(rect);
}

QPainterPath Ellipse(double x, double y, double w, double h)
{
    QPainterPath path;
    path.addEllipse(QRectF(x, y, w, h));
    return path;
}

QPainterPath Rounded(double x, double y, double w, double h, double r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath HeartPath(double cx, double cy, double size)
{
    // Designed in a 100 x 100 box centred on (50, 50).
    auto pt = [&](double x, double y) {
        return QPointF(cx + (x - 50) * size / 100, cy + (y - 50) * size / 100);
    };
    QPainterPath path;
    path.moveTo(pt(50, 92));
    path.cubicTo(pt(18, 68), pt(2, 48), pt(8, 28));
    path.cubicTo(pt(14, 8), pt(42, 4), pt(50, 26));
    path.cubicTo(pt(58, 4), pt(86, 8), pt(92, 28));
    path.cubicTo(pt(98, 48), pt(82, 68), pt(50, 92));
    path.closeSubpath();
    return path;
}

void Face(QPainter& p, double cx, double cy, double size)
{
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(cx - size * 0.35, cy - size * 0.1), size * 0.09, size * 0.12);
    p.drawEllipse(QPointF(cx + size * 0.35, cy - size * 0.1), size * 0.09, size * 0.12);
    p.setBrush(QColor(0xFF, 0x6F, 0x61, 110));
    p.drawEllipse(QPointF(cx - size * 0.55, cy + size * 0.15), size * 0.12, size * 0.08);
    p.drawEllipse(QPointF(cx + size * 0.55, cy + size * 0.15), size * 0.12, size * 0.08);
    p.setPen(InkPen(size * 0.08));
    p.setBrush(Qt::NoBrush);
    p.drawArc(
        QRectF(cx - size * 0.25, cy - size * 0.1, size * 0.5, size * 0.4), 200 * 16, 140 * 16);
}

// Outlined stroke: an ink line with a coloured line inside it.
void Stroke(QPainter& p, const QPainterPath& path, const QColor& color, double width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, width + 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void Balloon(QPainter& p, const QColor& color)
{
    // 100 x 140
    QPainterPath string;
    string.moveTo(50, 102);
    string.cubicTo(40, 115, 60, 125, 48, 138);
    p.setPen(InkPen(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(string);
    Shape(p, Polygon({ { 50, 92 }, { 42, 104 }, { 58, 104 } }), color.darker(110), 3);
    Shape(p, Ellipse(10, 4, 80, 92), color);
    Shine(p, QRectF(24, 16, 18, 28));
}

void Heart(QPainter& p, const QColor& color)
{
    Shape(p, HeartPath(50, 50, 94), color);
    Shine(p, QRectF(18, 18, 20, 14));
}

void HeartBalloon(QPainter& p)
{
    // 100 x 140
    QPainterPath string;
    string.moveTo(50, 96);
    string.cubicTo(60, 112, 40, 122, 52, 138);
    p.setPen(InkPen(2.5));
    p.drawPath(string);
    Shape(p, HeartPath(50, 50, 96), kPink);
    Shine(p, QRectF(18, 20, 18, 13));
}

void Star(QPainter& p, const QColor& color)
{
    Shape(p, faces::StarPath(QPointF(50, 53), 48, 22, 5), color);
    Face(p, 50, 55, 20);
}

void Gift(QPainter& p, const QColor& box, const QColor& ribbon)
{
    // 100 x 100
    Shape(p, Rounded(12, 42, 76, 54, 4), box);
    Shape(p, Rounded(44, 42, 12, 54, 0), ribbon, 3);
    Shape(p, Rounded(6, 28, 88, 18, 4), box.lighter(108));
    Shape(p, Rounded(44, 28, 12, 18, 0), ribbon, 3);
    QPainterPath bow;
    bow.moveTo(50, 28);
    bow.cubicTo(30, 2, 14, 22, 50, 28);
    bow.moveTo(50, 28);
    bow.cubicTo(70, 2, 86, 22, 50, 28);
    Shape(p, bow, ribbon, 3);
}

void Cake(QPainter& p)
{
    // 100 x 110
    Shape(p, Ellipse(4, 92, 92, 14), paperLight, 3);
    Shape(p, Rounded(12, 58, 76, 40, 6), kPink);
    Shape(p, Rounded(24, 34, 52, 28, 6), coral.lighter(115));
    QPainterPath icing;
    icing.moveTo(12, 64);
    for (int i = 0; i < 8; ++i)
        icing.quadTo(16.75 + i * 9.5, 74, 21.5 + i * 9.5, 64);
    p.setPen(InkPen(3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(icing);
    for (int i = 0; i < 3; ++i) {
        double x = 34 + i * 14;
        Shape(p, Rounded(x, 14, 6, 22, 2), i == 1 ? teal : paperLight, 2.5);
        QPainterPath flame;
        flame.moveTo(x + 3, 0);
        flame.cubicTo(x + 10, 8, x + 7, 13, x + 3, 13);
        flame.cubicTo(x - 1, 13, x - 4, 8, x + 3, 0);
        Shape(p, flame, sunshine, 2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(sunshine);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(22 + i * 14, 84), 3, 3);
}

void PartyHat(QPainter& p)
{
    // 100 x 110
    QPainterPath cone = Polygon({ { 50, 14 }, { 86, 98 }, { 14, 98 } });
    Shape(p, cone, teal);
    p.save();
    p.setClipPath(cone);
    p.setPen(QPen(coral, 9));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(0, 40 + i * 16), QPointF(100, 20 + i * 16));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(3.5));
    p.drawPath(cone);
    Shape(p, Rounded(10, 94, 80, 10, 5), sunshine, 3);
    Shape(p, Ellipse(40, 2, 20, 20), sunshine, 3);
}

void Cupcake(QPainter& p)
{
    // 100 x 110
    QPainterPath wrapper = Polygon({ { 16, 58 }, { 84, 58 }, { 74, 106 }, { 26, 106 } });
    Shape(p, wrapper, teal);
    p.setPen(InkPen(2));
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(16 + i * 13.6, 60), QPointF(26 + i * 9.6, 104));
    Shape(p, Ellipse(8, 42, 84, 26), kPink);
    Shape(p, Ellipse(18, 26, 64, 24), kPink.lighter(106));
    Shape(p, Ellipse(30, 12, 40, 22), kPink.lighter(112));
    Shape(p, Ellipse(43, 0, 14, 14), coral, 2.5);
    p.setPen(Qt::NoPen);
    const QColor sprinkles[] = { sunshine, teal, paperLight, coral };
    Scatter s(7);
    for (int i = 0; i < 10; ++i) {
        p.setBrush(sprinkles[i % 4]);
        p.drawEllipse(QPointF(s.Range(22, 78), s.Range(34, 58)), 2.2, 2.2);
    }
}

void Rose(QPainter& p)
{
    // 100 x 130
    QPainterPath stem;
    stem.moveTo(50, 60);
    stem.cubicTo(46, 90, 56, 105, 50, 128);
    Stroke(p, stem, kDarkGreen, 5);
    QPainterPath leaf;
    leaf.moveTo(51, 96);
    leaf.cubicTo(60, 80, 80, 80, 84, 86);
    leaf.cubicTo(78, 98, 62, 102, 51, 96);
    Shape(p, leaf, kGreen, 3);
    QPainterPath leaf2;
    leaf2.moveTo(49, 110);
    leaf2.cubicTo(40, 96, 20, 98, 16, 104);
    leaf2.cubicTo(24, 114, 40, 116, 49, 110);
    Shape(p, leaf2, kGreen, 3);
    Shape(p, Ellipse(14, 6, 72, 64), coral.darker(105));
    p.setPen(InkPen(2.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(30, 18, 40, 36), 30 * 16, 260 * 16);
    p.drawArc(QRectF(38, 26, 24, 20), 200 * 16, 250 * 16);
    p.drawArc(QRectF(22, 12, 56, 50), 220 * 16, 100 * 16);
    Shine(p, QRectF(26, 14, 14, 10));
}

void LoveLetter(QPainter& p)
{
    // 110 x 80
    Shape(p, Rounded(4, 6, 102, 70, 5), paperLight);
    p.setPen(InkPen(3));
    p.setBrush(Qt::NoBrush);
    QPainterPath flap;
    flap.moveTo(6, 10);
    flap.lineTo(55, 46);
    flap.lineTo(104, 10);
    p.drawPath(flap);
    p.drawLine(QPointF(6, 72), QPointF(40, 40));
    p.drawLine(QPointF(104, 72), QPointF(70, 40));
    Shape(p, HeartPath(55, 46, 32), coral, 2.5);
}

void Flower(QPainter& p)
{
    // 100 x 130
    QPainterPath stem;
    stem.moveTo(50, 60);
    stem.cubicTo(54, 90, 44, 110, 50, 128);
    Stroke(p, stem, kDarkGreen, 5);
    QPainterPath leaf;
    leaf.moveTo(50, 104);
    leaf.cubicTo(60, 88, 80, 90, 82, 94);
    leaf.cubicTo(76, 106, 62, 110, 50, 104);
    Shape(p, leaf, kGreen, 3);
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(50, 44);
        p.rotate(i * 60);
        Shape(p, Ellipse(-13, -42, 26, 38), i % 2 == 0 ? kPink : kPink.lighter(108), 3);
        p.restore();
    }
    Shape(p, Ellipse(36, 30, 28, 28), sunshine, 3);
    Face(p, 50, 45, 10);
}

void Tree(QPainter& p)
{
    // 100 x 130
    Shape(p, Rounded(42, 104, 16, 22, 2), kBrown, 3);
    Shape(p, Polygon({ { 50, 40 }, { 94, 110 }, { 6, 110 } }), kDarkGreen);
    Shape(p, Polygon({ { 50, 24 }, { 84, 80 }, { 16, 80 } }), kDarkGreen.lighter(108));
    Shape(p, Polygon({ { 50, 12 }, { 74, 52 }, { 26, 52 } }), kGreen);
    const QPointF baubles[]
        = { { 36, 66 }, { 62, 60 }, { 48, 90 }, { 26, 98 }, { 74, 96 }, { 52, 40 } };
    const QColor tints[] = { coral, teal, sunshine, teal, coral, coral };
    for (int i = 0; i < 6; ++i)
        Shape(p, Ellipse(baubles[i].x() - 5, baubles[i].y() - 5, 10, 10), tints[i], 2);
    Shape(p, faces::StarPath(QPointF(50, 13), 13, 6, 5), sunshine, 2.5);
}

void Snowman(QPainter& p)
{
    // 100 x 130
    Shape(p, Ellipse(12, 70, 76, 58), kSnow);
    Shape(p, Ellipse(22, 36, 56, 44), kSnow);
    Shape(p, Ellipse(30, 14, 40, 32), kSnow);
    Shape(p, Rounded(24, 40, 52, 10, 5), coral, 3);
    Shape(p, Rounded(56, 44, 10, 24, 3), coral, 3);
    Shape(p, Rounded(32, 10, 36, 6, 3), ink, 0);
    Shape(p, Rounded(38, -2 + 2, 24, 12, 2), ink, 0);
    Shape(p, Polygon({ { 50, 28 }, { 66, 32 }, { 50, 33 } }), kOrange, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawEllipse(QPointF(43, 25), 2.6, 2.6);
    p.drawEllipse(QPointF(57, 25), 2.6, 2.6);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(50, 60 + i * 14), 3, 3);
}

void Bauble(QPainter& p)
{
    // 100 x 110
    p.setPen(InkPen(3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(42, 0, 16, 14));
    Shape(p, Rounded(38, 10, 24, 14, 3), sunshine, 3);
    QPainterPath ball = Ellipse(8, 20, 84, 84);
    QRadialGradient fill(QPointF(36, 46), 70);
    fill.setColorAt(0, coral.lighter(140));
    fill.setColorAt(1, coral.darker(108));
    p.setBrush(fill);
    p.setPen(InkPen(3.5));
    p.drawPath(ball);
    p.save();
    p.setClipPath(ball);
    QPainterPath zig;
    zig.moveTo(0, 66);
    for (int i = 0; i < 10; ++i)
        zig.lineTo(5 + i * 10, i % 2 == 0 ? 56 : 66);
    p.setPen(QPen(paperLight, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(zig);
    p.restore();
    Shine(p, QRectF(24, 32, 18, 12));
}

void CandyCane(QPainter& p)
{
    // 80 x 130
    QPainterPath cane;
    cane.moveTo(52, 124);
    cane.lineTo(52, 40);
    cane.arcTo(QRectF(16, 12, 36, 40), 0, 180);
    cane.lineTo(16, 44);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(cane);
    p.setPen(QPen(paperLight, 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(cane);
    QPainterPathStroker stroker;
    stroker.setWidth(15);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    p.save();
    p.setClipPath(stroker.createStroke(cane));
    p.setPen(QPen(coral, 7));
    for (int i = -4; i < 14; ++i)
        p.drawLine(QPointF(0, i * 14), QPointF(80, i * 14 - 40));
    p.restore();
}

void Bell(QPainter& p)
{
    // 100 x 110
    QPainterPath bell;
    bell.moveTo(50, 18);
    bell.cubicTo(22, 18, 22, 50, 20, 70);
    bell.cubicTo(18, 84, 8, 86, 8, 92);
    bell.lineTo(92, 92);
    bell.cubicTo(92, 86, 82, 84, 80, 70);
    bell.cubicTo(78, 50, 78, 18, 50, 18);
    bell.closeSubpath();
    Shape(p, Ellipse(40, 86, 20, 20), sunshine.darker(110), 3);
    Shape(p, bell, sunshine);
    Shine(p, QRectF(32, 28, 10, 30));
    QPainterPath bow;
    bow.moveTo(50, 16);
    bow.cubicTo(30, -4, 18, 20, 50, 16);
    bow.moveTo(50, 16);
    bow.cubicTo(70, -4, 82, 20, 50, 16);
    Shape(p, bow, coral, 3);
    Shape(p, Ellipse(44, 10, 12, 12), coral, 3);
}

void Snowflake(QPainter& p)
{
    // 100 x 100
    QPainterPath arms;
    for (int i = 0; i < 6; ++i) {
        double a = i * kPi / 3 - kPi / 2;
        QPointF c(50, 50);
        QPointF tip(50 + 44 * std::cos(a), 50 + 44 * std::sin(a));
        arms.moveTo(c);
        arms.lineTo(tip);
        QPointF mid(50 + 26 * std::cos(a), 50 + 26 * std::sin(a));
        for (double side : { -1.0, 1.0 }) {
            double b = a + side * kPi / 4;
            arms.moveTo(mid);
            arms.lineTo(mid.x() + 13 * std::cos(b), mid.y() + 13 * std::sin(b));
        }
    }
    Stroke(p, arms, teal.lighter(140), 5);
    Shape(p, Ellipse(42, 42, 16, 16), kSnow, 3);
}

void Champagne(QPainter& p)
{
    // 80 x 130
    QPainterPath bowl;
    bowl.moveTo(14, 6);
    bowl.lineTo(66, 6);
    bowl.cubicTo(68, 40, 60, 62, 40, 66);
    bowl.cubicTo(20, 62, 12, 40, 14, 6);
    bowl.closeSubpath();
    Shape(p, Rounded(37, 64, 6, 46, 2), paperLight, 2.5);
    Shape(p, Ellipse(14, 106, 52, 14), paperLight, 3);
    Shape(p, bowl, QColor(0xE6, 0xF6, 0xF4));
    p.save();
    p.setClipPath(bowl);
    QLinearGradient wine(0, 20, 0, 66);
    wine.setColorAt(0, sunshine.lighter(120));
    wine.setColorAt(1, sunshine);
    p.fillRect(QRectF(0, 20, 80, 60), wine);
    p.setPen(Qt::NoPen);
    p.setBrush(paperLight);
    Scatter s(11);
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(s.Range(24, 56), s.Range(28, 58)), 2.2, 2.2);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(3.5));
    p.drawPath(bowl);
    p.setPen(InkPen(2.5));
    p.drawLine(QPointF(14, 20), QPointF(66, 20));
}

void MusicNotes(QPainter& p)
{
    // 110 x 110
    QPainterPath beam = Polygon({ { 40, 20 }, { 96, 8 }, { 96, 22 }, { 40, 34 } });
    Shape(p, Rounded(36, 24, 7, 66, 3), ink, 0);
    Shape(p, Rounded(92, 12, 7, 66, 3), ink, 0);
    Shape(p, beam, ink, 0);
    p.save();
    p.translate(28, 92);
    p.rotate(-20);
    Shape(p, Ellipse(-17, -11, 34, 22), teal, 3.5);
    p.restore();
    p.save();
    p.translate(84, 80);
    p.rotate(-20);
    Shape(p, Ellipse(-17, -11, 34, 22), coral, 3.5);
    p.restore();
    Shape(p, faces::StarPath(QPointF(14, 24), 10, 4, 5), sunshine, 2);
}

void PartyPopper(QPainter& p)
{
    // 110 x 110
    QPainterPath cone = Polygon({ { 8, 102 }, { 40, 40 }, { 70, 70 } });
    Shape(p, cone, coral);
    p.save();
    p.setClipPath(cone);
    p.setPen(QPen(sunshine, 6));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(0 + i * 14, 40), QPointF(40 + i * 14, 110));
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(3.5));
    p.drawPath(cone);
    QPainterPath curl;
    curl.moveTo(56, 52);
    curl.cubicTo(66, 30, 84, 44, 76, 24);
    Stroke(p, curl, teal, 4);
    QPainterPath curl2;
    curl2.moveTo(60, 58);
    curl2.cubicTo(80, 60, 88, 76, 104, 64);
    Stroke(p, curl2, kPink, 4);
    Scatter s(3);
    const QColor bits[] = { teal, sunshine, coral, kPink };
    for (int i = 0; i < 9; ++i) {
        p.save();
        p.translate(s.Range(52, 104), s.Range(4, 50));
        p.rotate(s.Range(0, 180));
        Shape(p, Rounded(-5, -3, 10, 6, 1.5), bits[i % 4], 2);
        p.restore();
    }
}

void Sun(QPainter& p)
{
    // 110 x 110
    QPainterPath rays;
    for (int i = 0; i < 12; ++i) {
        double a = i * kPi / 6;
        double b1 = a - 0.16, b2 = a + 0.16;
        rays.addPolygon(QPolygonF({ QPointF(55 + 34 * std::cos(b1), 55 + 34 * std::sin(b1)),
            QPointF(55 + 52 * std::cos(a), 55 + 52 * std::sin(a)),
            QPointF(55 + 34 * std::cos(b2), 55 + 34 * std::sin(b2)) }));
        rays.closeSubpath();
    }
    Shape(p, rays, kOrange.lighter(115), 3);
    Shape(p, Ellipse(19, 19, 72, 72), sunshine);
    Face(p, 55, 58, 26);
}

struct ClipartDesign {
    QSize size;
    std::function<void(QPainter&)> draw;
};

const std::map<std::string, ClipartDesign>& Designs()
{
    static const std::map<std::string, ClipartDesign> designs = {
        { "balloon-red", { { 100, 140 }, [](QPainter& p) { Balloon(p, coral); } } },
        { "balloon-teal", { { 100, 140 }, [](QPainter& p) { Balloon(p, teal); } } },
        { "balloon-yellow", { { 100, 140 }, [](QPainter& p) { Balloon(p, sunshine); } } },
        { "cake", { { 100, 110 }, Cake } },
        { "gift", { { 100, 100 }, [](QPainter& p) { Gift(p, teal, coral); } } },
        { "gift-coral", { { 100, 100 }, [](QPainter& p) { Gift(p, coral, sunshine); } } },
        { "partyhat", { { 100, 110 }, PartyHat } },
        { "cupcake", { { 100, 110 }, Cupcake } },
        { "heart-red", { { 100, 100 }, [](QPainter& p) { Heart(p, coral); } } },
        { "heart-pink", { { 100, 100 }, [](QPainter& p) { Heart(p, kPink); } } },
        { "heartballoon", { { 100, 140 }, HeartBalloon } },
        { "rose", { { 100, 130 }, Rose } },
        { "letter", { { 110, 80 }, LoveLetter } },
        { "flower", { { 100, 130 }, Flower } },
        { "tree", { { 100, 130 }, Tree } },
        { "snowman", { { 100, 130 }, Snowman } },
        { "bauble", { { 100, 110 }, Bauble } },
        { "candycane", { { 80, 130 }, CandyCane } },
        { "bell", { { 100, 110 }, Bell } },
        { "snowflake", { { 100, 100 }, Snowflake } },
        { "star-gold", { { 100, 100 }, [](QPainter& p) { Star(p, sunshine); } } },
        { "star-teal", { { 100, 100 }, [](QPainter& p) { Star(p, teal); } } },
        { "champagne", { { 80, 130 }, Champagne } },
        { "notes", { { 110, 110 }, MusicNotes } },
        { "popper", { { 110, 110 }, PartyPopper } },
        { "sun", { { 110, 110 }, Sun } },
    };
    return designs;
}

// ---- backgrounds ----

void VerticalGradient(QPainter& p, std::initializer_list<std::pair<double, QColor>> stops)
{
    QLinearGradient g(0, 0, 0, 600);
    for (const auto& [at, color] : stops)
        g.setColorAt(at, color);
    p.fillRect(QRect(0, 0, 800, 600), g);
}

void Cloud(QPainter& p, double x, double y, double s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawEllipse(QRectF(x, y + 18 * s, 120 * s, 40 * s));
    p.drawEllipse(QRectF(x + 20 * s, y, 50 * s, 50 * s));
    p.drawEllipse(QRectF(x + 52 * s, y + 6 * s, 46 * s, 42 * s));
}

void Hills(QPainter& p, const QColor& back, const QColor& front, double height)
{
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawEllipse(QRectF(-250, 600 - height, 800, 2 * height + 60));
    p.setBrush(front);
    p.drawEllipse(QRectF(300, 600 - height * 0.8, 800, 2 * height));
}

void FaintBalloon(QPainter& p, double x, double y, double s, QColor color)
{
    color.setAlpha(120);
    p.setPen(QPen(QColor(0x4A, 0x25, 0x45, 60), 1.5));
    p.drawLine(QPointF(x, y + 46 * s), QPointF(x + 3 * s, y + 80 * s));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(QPointF(x, y), 26 * s, 32 * s);
}

QImage BalloonSky()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    VerticalGradient(p, { { 0, kSky }, { 0.75, paperLight }, { 1, paper } });
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFA, 0xF2, 130));
    p.drawEllipse(QPointF(660, 110), 84, 84);
    p.setBrush(sunshine);
    p.drawEllipse(QPointF(660, 110), 56, 56);
    Cloud(p, 80, 70, 1.3);
    Cloud(p, 380, 150, 0.9);
    Cloud(p, 560, 250, 0.7);
    FaintBalloon(p, 250, 260, 0.8, coral);
    FaintBalloon(p, 300, 230, 0.6, teal);
    FaintBalloon(p, 720, 330, 0.5, sunshine.darker(110));
    Hills(p, kGreen.lighter(115), kGreen, 150);
    return image;
}

QImage ConfettiPaper()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(400, 300), 520);
    g.setColorAt(0, paperLight);
    g.setColorAt(1, paper);
    p.fillRect(image.rect(), g);
    Scatter s(42);
    const QColor bits[] = { coral, teal, sunshine, kPink };
    for (int i = 0; i < 140; ++i) {
        double x = s.Range(0, 800), y = s.Range(0, 600);
        // Keep the middle calm so that greetings stay readable.
        double dx = (x - 400) / 330, dy = (y - 300) / 230;
        if (dx * dx + dy * dy < 1.0)
            continue;
        QColor c = bits[i % 4];
        c.setAlpha(170);
        p.save();
        p.translate(x, y);
        p.rotate(s.Range(0, 180));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        if (i % 3 == 0)
            p.drawEllipse(QRectF(-5, -5, 10, 10));
        else
            p.drawRoundedRect(QRectF(-8, -4, 16, 8), 2, 2);
        p.restore();
    }
    // Streamers along the top.
    for (int k = 0; k < 2; ++k) {
        QPainterPath streamer;
        streamer.moveTo(-20, 30 + k * 24);
        for (int i = 0; i < 9; ++i)
            streamer.quadTo(i * 100 + 30, 80 + k * 24, i * 100 + 80, 30 + k * 24);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(k == 0 ? coral : teal, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(streamer);
    }
    return image;
}

QImage PinkDawn()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    VerticalGradient(p,
        { { 0, QColor(0xFF, 0xC9, 0xC4) }, { 0.55, QColor(0xFF, 0xE4, 0xD6) }, { 1, paperLight } });
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFA, 0xF2, 160));
    p.drawEllipse(QPointF(400, 560), 420, 140);
    Scatter s(5);
    for (int i = 0; i < 26; ++i) {
        double x = s.Range(20, 780), y = s.Range(20, 460), size = s.Range(24, 70);
        QColor c = i % 2 == 0 ? coral : kPink;
        c.setAlpha(static_cast<int>(s.Range(40, 90)));
        p.setBrush(c);
        p.drawPath(HeartPath(x, y, size));
    }
    return image;
}

QImage HeartPaper()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), paperLight);
    QColor tint = kPink;
    tint.setAlpha(60);
    p.setPen(Qt::NoPen);
    p.setBrush(tint);
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 11; ++col) {
            double x = col * 80 + (row % 2) * 40, y = row * 72 + 20;
            p.drawPath(HeartPath(x, y, 28));
        }
    // A soft frame in the edge colour.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(coral.lighter(130), 14));
    p.drawRoundedRect(QRectF(18, 18, 764, 564), 30, 30);
    p.setPen(QPen(edge, 3));
    p.drawRoundedRect(QRectF(32, 32, 736, 536), 22, 22);
    return image;
}

void Fir(QPainter& p, double x, double base, double h, const QColor& green)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBrown.darker(115));
    p.drawRect(QRectF(x - h * 0.05, base - h * 0.12, h * 0.1, h * 0.14));
    for (int i = 0; i < 3; ++i) {
        double top = base - h + i * h * 0.25;
        double w = h * (0.25 + i * 0.12);
        QPolygonF tri(
            { QPointF(x, top), QPointF(x + w, top + h * 0.45), QPointF(x - w, top + h * 0.45) });
        p.setBrush(green);
        p.drawPolygon(tri);
        p.setBrush(kSnow);
        p.drawPolygon(QPolygonF({ QPointF(x, top), QPointF(x + w * 0.35, top + h * 0.16),
            QPointF(x - w * 0.35, top + h * 0.16) }));
    }
}

QImage SnowyNight()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    VerticalGradient(p,
        { { 0, QColor(0x2B, 0x1F, 0x4A) }, { 0.6, QColor(0x5A, 0x4A, 0x8C) },
            { 1, QColor(0x8C, 0x7B, 0xB8) } });
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFA, 0xF2, 60));
    p.drawEllipse(QPointF(640, 110), 70, 70);
    p.setBrush(paperLight);
    p.drawEllipse(QPointF(640, 110), 46, 46);
    Scatter s(17);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(QColor(0xFF, 0xF4, 0xE4, static_cast<int>(s.Range(120, 230))));
        double r = s.Range(1.0, 2.6);
        p.drawEllipse(QPointF(s.Range(0, 800), s.Range(0, 380)), r, r);
    }
    p.setBrush(QColor(0xDC, 0xE6, 0xF8));
    p.drawEllipse(QRectF(-200, 430, 760, 360));
    p.setBrush(kSnow);
    p.drawEllipse(QRectF(250, 460, 800, 330));
    Fir(p, 90, 500, 150, QColor(0x2F, 0x6E, 0x5E));
    Fir(p, 170, 520, 110, QColor(0x2F, 0x6E, 0x5E));
    Fir(p, 720, 540, 130, QColor(0x2F, 0x6E, 0x5E));
    for (int i = 0; i < 70; ++i) {
        p.setBrush(QColor(255, 255, 255, static_cast<int>(s.Range(150, 230))));
        double r = s.Range(2.0, 4.5);
        p.drawEllipse(QPointF(s.Range(0, 800), s.Range(0, 600)), r, r);
    }
    return image;
}

QImage WinterForest()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    VerticalGradient(p, { { 0, QColor(0xC8, 0xE6, 0xF5) }, { 0.65, paperLight }, { 1, kSnow } });
    Cloud(p, 520, 60, 1.1);
    Cloud(p, 90, 110, 0.8);
    for (int i = 0; i < 9; ++i)
        Fir(p, 40 + i * 92, 420 + (i % 2) * 10, 170 + (i % 3) * 30,
            kDarkGreen.lighter(118 + (i % 3) * 8));
    p.setPen(Qt::NoPen);
    p.setBrush(kSnow);
    p.drawEllipse(QRectF(-100, 410, 1000, 400));
    p.setBrush(QColor(0xE4, 0xEC, 0xF8));
    p.drawEllipse(QRectF(-300, 500, 700, 200));
    return image;
}

QImage StageLights()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    VerticalGradient(p, { { 0, QColor(0x3A, 0x1C, 0x38) }, { 1, QColor(0x6E, 0x3A, 0x66) } });
    struct Beam {
        double x;
        QColor color;
    };
    const Beam beams[] = { { 120, teal }, { 400, sunshine }, { 680, coral } };
    for (const Beam& beam : beams) {
        QColor c = beam.color;
        QLinearGradient g(beam.x, 0, beam.x, 600);
        c.setAlpha(110);
        g.setColorAt(0, c);
        c.setAlpha(25);
        g.setColorAt(1, c);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPolygon(QPolygonF({ QPointF(beam.x - 20, 0), QPointF(beam.x + 20, 0),
            QPointF(beam.x + 170, 600), QPointF(beam.x - 170, 600) }));
    }
    p.setBrush(QColor(0x2A, 0x14, 0x28));
    p.drawRect(QRectF(0, 520, 800, 80));
    p.setBrush(QColor(0xFF, 0xC8, 0x57, 140));
    Scatter s(23);
    for (int i = 0; i < 40; ++i) {
        double r = s.Range(1.5, 3.5);
        p.drawEllipse(QPointF(s.Range(0, 800), s.Range(0, 500)), r, r);
    }
    return image;
}

QImage Bunting()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    VerticalGradient(p, { { 0, paperLight }, { 1, paper } });
    const QColor flags[] = { coral, teal, sunshine, kPink };
    for (int row = 0; row < 2; ++row) {
        double y0 = 20 + row * 70, sag = 50;
        QPainterPath rope;
        rope.moveTo(0, y0);
        rope.quadTo(400, y0 + 2 * sag, 800, y0);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 2.5));
        p.drawPath(rope);
        for (int i = 0; i < 12; ++i) {
            double t0 = (i + 0.15 + row * 0.5) / 12.5, t1 = (i + 0.85 + row * 0.5) / 12.5;
            QPointF a = rope.pointAtPercent(std::min(t0, 1.0)),
                    b = rope.pointAtPercent(std::min(t1, 1.0));
            QPointF tip((a.x() + b.x()) / 2, (a.y() + b.y()) / 2 + 46);
            p.setPen(InkPen(2));
            p.setBrush(flags[(i + row) % 4]);
            p.drawPolygon(QPolygonF({ a, b, tip }));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD9, 0xC3, 0xA5, 90));
    p.drawRect(QRectF(0, 540, 800, 60));
    return image;
}

const std::map<std::string, std::function<QImage()>>& Backgrounds()
{
    static const std::map<std::string, std::function<QImage()>> backgrounds
        = { { "balloonsky", BalloonSky }, { "confetti", ConfettiPaper }, { "pinkdawn", PinkDawn },
              { "heartpaper", HeartPaper }, { "snowynight", SnowyNight },
              { "winterforest", WinterForest }, { "stagelights", StageLights },
              { "bunting", Bunting } };
    return backgrounds;
}

} // namespace

std::vector<std::string> ClipartNames()
{
    std::vector<std::string> names;
    for (const auto& [name, design] : Designs())
        names.push_back(name);
    return names;
}

QSize ClipartDesignSize(const std::string& name)
{
    auto it = Designs().find(name);
    return it == Designs().end() ? QSize() : it->second.size;
}

Sticker DrawClipart(const std::string& name, int height)
{
    auto it = Designs().find(name);
    if (it == Designs().end() || height <= 0)
        return {};
    const ClipartDesign& design = it->second;
    // A margin for the outline, then the drawing scaled to the height.
    double scale = static_cast<double>(height) / (design.size.height() + 8);
    int width = static_cast<int>(std::lround((design.size.width() + 8) * scale));
    QImage art(width, height, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.translate(4, 4);
        design.draw(p);
    }
    // A pixel belongs to the picture when it is mostly covered; it keeps its own colour at
    // full strength, so no fringe of any other colour comes with the mask's edge.
    Sticker sticker { QImage(width, height, QImage::Format_RGB32),
        QImage(width, height, QImage::Format_RGB32) };
    for (int y = 0; y < height; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        QRgb* picture = reinterpret_cast<QRgb*>(sticker.picture.scanLine(y));
        QRgb* mask = reinterpret_cast<QRgb*>(sticker.mask.scanLine(y));
        for (int x = 0; x < width; ++x) {
            bool inside = qAlpha(in[x]) >= 128;
            // Pure white stays the colour of "nothing" (the previews' transparent colour);
            // the drawing's own white highlights become a white that differs from it.
            QRgb colour = in[x] | 0xFF000000u;
            if (colour == 0xFFFFFFFFu)
                colour = 0xFFFFFEFCu;
            picture[x] = inside ? colour : 0xFFFFFFFFu;
            mask[x] = inside ? 0xFF000000u : 0xFFFFFFFFu;
        }
    }
    return sticker;
}

std::vector<std::string> BackgroundNames()
{
    std::vector<std::string> names;
    for (const auto& [name, draw] : Backgrounds())
        names.push_back(name);
    return names;
}

QImage DrawBackground(const std::string& name)
{
    auto it = Backgrounds().find(name);
    return it == Backgrounds().end() ? QImage() : it->second();
}

QImage Preview(const QImage& picture, const QImage& mask)
{
    QImage preview(32, 32, QImage::Format_RGB32);
    preview.fill(Qt::white);
    if (picture.isNull())
        return preview;
    QImage art = picture.convertToFormat(QImage::Format_ARGB32);
    if (!mask.isNull()) {
        // Only what the mask shows counts: an animation's first frame may leave much of its
        // space empty, and the preview should show the objects, not the space.
        QRect box;
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                if (qRed(mask.pixel(x, y)) < 128)
                    box |= QRect(x, y, 1, 1);
        if (!box.isEmpty() && box != art.rect())
            return Preview(picture.copy(box), mask.copy(box));
        for (int y = 0; y < art.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(art.scanLine(y));
            for (int x = 0; x < art.width(); ++x)
                if (qRed(mask.pixel(x, y)) >= 128)
                    line[x] = 0;
        }
    }
    QImage fitted = art.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&preview);
    p.drawImage((32 - fitted.width()) / 2, (32 - fitted.height()) / 2, fitted);
    p.end();
    // Pure white is the browser's transparent colour: a picture's own white stays visible as
    // paper-white, only the space around it is transparent.
    if (!mask.isNull())
        return preview;
    for (int y = 0; y < 32; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(preview.scanLine(y));
        int top = (32 - fitted.height()) / 2;
        if (y < top || y >= top + fitted.height())
            continue;
        for (int x = 0; x < 32; ++x)
            if ((line[x] & 0xFFFFFFu) == 0xFFFFFFu)
                line[x] = 0xFFFFFAF2u;
    }
    return preview;
}

QImage SoundPreview(bool bMidi)
{
    QImage preview(32, 32, QImage::Format_RGB32);
    preview.fill(Qt::white);
    QPainter p(&preview);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 1.5));
    p.setBrush(bMidi ? coral : teal);
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    p.setPen(Qt::NoPen);
    p.setBrush(paperLight);
    if (bMidi) {
        // Two beamed notes: a tune.
        p.drawEllipse(QRectF(7, 19, 7, 5.5));
        p.drawEllipse(QRectF(17, 17, 7, 5.5));
        p.drawRect(QRectF(12, 9, 2, 12));
        p.drawRect(QRectF(22, 7, 2, 12));
        p.drawPolygon(
            QPolygonF({ QPointF(12, 9), QPointF(24, 7), QPointF(24, 10), QPointF(12, 12) }));
    } else {
        // A speaker with its waves: a sound.
        p.drawPolygon(QPolygonF({ QPointF(7, 13), QPointF(11, 13), QPointF(16, 8), QPointF(16, 24),
            QPointF(11, 19), QPointF(7, 19) }));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(paperLight, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(13, 11, 8, 10), -50 * 16, 100 * 16);
        p.drawArc(QRectF(12, 7, 13, 18), -50 * 16, 100 * 16);
    }
    return preview;
}

} // namespace content
