#include "resources/paths.h"

#include <cmath>

namespace faces {

QPainterPath StarPath(QPointF c, qreal outer, qreal inner, int points, qreal turn)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        qreal r = (i % 2 == 0) ? outer : inner;
        qreal a = -M_PI / 2 + turn + i * M_PI / points;
        QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath HeartPath(QPointF c, qreal s)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() + s * 0.9);
    path.cubicTo(c.x() - s * 1.2, c.y() + s * 0.1, c.x() - s * 1.0, c.y() - s * 0.9, c.x(),
                 c.y() - s * 0.35);
    path.cubicTo(c.x() + s * 1.0, c.y() - s * 0.9, c.x() + s * 1.2, c.y() + s * 0.1, c.x(),
                 c.y() + s * 0.9);
    return path;
}

} // namespace faces
