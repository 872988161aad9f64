// Outlines the face generator and the icon generator both draw with.
#pragma once

#include <QPainterPath>
#include <QPointF>

namespace faces {

// A star with the given number of points around c, its first point straight up (turned by
// turn radians).
QPainterPath StarPath(QPointF c, qreal outer, qreal inner, int points, qreal turn = 0);
// A heart about 2 s wide, centred on c.
QPainterPath HeartPath(QPointF c, qreal s);

} // namespace faces
