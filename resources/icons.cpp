// vimble-icongen: draws the desktop's pictures of the program in the icon theme's layout: the
// program's icon (a greeting card's envelope sealed with a heart, a star above it) and the icon
// of a greeting file (a sheet with a folded corner carrying the heart), at every size the
// desktop asks for.
//
//   vimble-icongen OUTDIR      writes OUTDIR/hicolor/NxN/apps/vimble-email.png and
//                              OUTDIR/hicolor/NxN/mimetypes/application-x-vimble-greeting.png
#include "resources/faces.h"
#include "resources/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

using faces::HeartPath;
using faces::StarPath;

constexpr int kSizes[] = { 16, 24, 32, 48, 64, 128, 256, 512 };

const QColor kPaper(faces::colour::paper);
const QColor kPaperLight(faces::colour::paperLight);
const QColor kInk(faces::colour::ink);
const QColor kCoral(faces::colour::coral);
const QColor kTeal(faces::colour::teal);
const QColor kSun(faces::colour::sunshine);
const QColor kEdge(faces::colour::edge);


// The pictures are designed on a 32 x 32 grid; strokes keep about one pixel at 16 pixels and
// grow more slowly than the size, so a small icon stays crisp and a large one light.
struct CCanvas {
    explicit CCanvas(int nSize)
        : m_image(nSize, nSize, QImage::Format_ARGB32_Premultiplied)
    {
        m_image.fill(Qt::transparent);
        m_p.begin(&m_image);
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.scale(nSize / 32.0, nSize / 32.0);
        const qreal pixels = nSize <= 32 ? std::max(1.1, nSize / 20.0) : nSize / 24.0;
        m_fStroke = pixels * 32.0 / nSize;
        m_bSmall = nSize < 32;
    }
    QPen Pen(const QColor& colour, qreal factor = 1) const
    {
        return QPen(colour, m_fStroke * factor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    QImage Finish()
    {
        m_p.end();
        return m_image;
    }

    QImage m_image;
    QPainter m_p;
    qreal m_fStroke = 1;
    bool m_bSmall = false;
};

QImage DrawProgramIcon(int nSize)
{
    CCanvas c(nSize);
    QPainter& p = c.m_p;
    // The card: warm paper on a rounded tile, so the icon reads on dark panels as on light ones.
    QLinearGradient paper(0, 1, 0, 31);
    paper.setColorAt(0, kPaperLight);
    paper.setColorAt(1, kPaper);
    p.setPen(c.Pen(kEdge.darker(115), 0.8));
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 7, 7);

    // The motion the greetings bring: a teal sweep behind the envelope on the larger sizes.
    if (!c.m_bSmall) {
        QPainterPath sweep;
        sweep.moveTo(6, 27.2);
        sweep.cubicTo(11, 29.4, 21, 29.4, 26.5, 26.2);
        p.setBrush(Qt::NoBrush);
        p.setPen(c.Pen(kTeal, 1.1));
        p.drawPath(sweep);
    }

    // The envelope, its flap closed over the letter.
    const QRectF body = c.m_bSmall ? QRectF(3.5, 9, 25, 17) : QRectF(5, 10, 22, 15);
    p.setPen(c.Pen(kInk));
    p.setBrush(kPaperLight);
    p.drawRoundedRect(body, 1.8, 1.8);
    const QPointF tip(body.center().x(), body.top() + body.height() * 0.62);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF(
        { body.topLeft() + QPointF(0.8, 0.8), tip, body.topRight() + QPointF(-0.8, 0.8) }));

    // The seal and the star.
    p.setPen(Qt::NoPen);
    p.setBrush(kCoral);
    p.drawPath(HeartPath(tip + QPointF(0, 0.6), c.m_bSmall ? 5.2 : 4.4));
    p.setBrush(kSun);
    p.setPen(c.Pen(kSun.darker(125), 0.45));
    if (c.m_bSmall)
        p.drawPath(StarPath(QPointF(25, 6.5), 5.2, 2.3, 5));
    else
        p.drawPath(StarPath(QPointF(24.5, 7.5), 4.8, 2.0, 5));
    return c.Finish();
}

QImage DrawGreetingIcon(int nSize)
{
    CCanvas c(nSize);
    QPainter& p = c.m_p;
    // A sheet with its top right corner folded over.
    const qreal left = 6, top = 2.5, right = 26, bottom = 29.5, fold = 7;
    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    QLinearGradient paper(0, top, 0, bottom);
    paper.setColorAt(0, kPaperLight);
    paper.setColorAt(1, kPaper);
    p.setPen(c.Pen(kInk, 0.9));
    p.setBrush(paper);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    p.setBrush(kEdge);
    p.drawPath(corner);

    // The greeting on it: a heart under a small star, with a teal line of text.
    p.setPen(Qt::NoPen);
    p.setBrush(kCoral);
    p.drawPath(HeartPath(QPointF(16, 17), c.m_bSmall ? 6 : 5.2));
    if (!c.m_bSmall) {
        p.setBrush(kSun);
        p.drawPath(StarPath(QPointF(11.5, 9), 3, 1.3, 5));
        p.setPen(c.Pen(kTeal, 0.9));
        p.drawLine(QPointF(10.5, 25), QPointF(21.5, 25));
    }
    return c.Finish();
}

bool Save(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "vimble-icongen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: vimble-icongen OUTDIR\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]) + "/hicolor";
    bool ok = true;
    for (int size : kSizes) {
        const QString folder = QString("%1/%2x%2").arg(out).arg(size);
        ok = Save(DrawProgramIcon(size), folder + "/apps/vimble-email.png") && ok;
        ok = Save(DrawGreetingIcon(size), folder + "/mimetypes/application-x-vimble-greeting.png")
            && ok;
    }
    return ok ? 0 : 1;
}
