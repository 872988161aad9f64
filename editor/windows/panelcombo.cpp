#include "editor/windows/panelcombo.h"

#include "resources/faces.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kChevronRoom = 13;
constexpr int kTextMargin = 4;

} // namespace

CPanelComboBox::CPanelComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setFrame(false);
    setAttribute(Qt::WA_Hover);
}

void CPanelComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QColor::fromRgb(faces::colour::ink);
    const QColor coral = QColor::fromRgb(faces::colour::coral);
    const QColor edge = QColor::fromRgb(faces::colour::edge);
    const QColor shown = isEnabled() ? ink : edge.darker(125);
    if (isEnabled() && underMouse()) {
        QColor tint = coral;
        tint.setAlpha(24);
        painter.fillRect(rect(), tint);
    }
    if (hasFocus()) {
        painter.setPen(QPen(coral, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
    const QRect room = rect().adjusted(kTextMargin, 0, -kChevronRoom, 0);
    painter.setFont(font());
    painter.setPen(shown);
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
        fontMetrics().elidedText(currentText(), Qt::ElideRight, room.width()));
    // The chevron: two plum strokes with round caps.
    const QPointF middle(width() - kChevronRoom / 2.0 - 1, height() / 2.0 + 1);
    QPainterPath chevron;
    chevron.moveTo(middle + QPointF(-3.5, -2));
    chevron.lineTo(middle + QPointF(0, 1.5));
    chevron.lineTo(middle + QPointF(3.5, -2));
    painter.setPen(QPen(shown, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(chevron);
}
