#include "ui_look/focus_ring.h"

#include "ui_look/palette.h"

#include <QPainter>

void paintFocusRing(QPainter &painter, const QRect &rect, double radius)
{
    constexpr qreal kOuter = 2;
    constexpr qreal kInner = 1;
    painter.save();
    painter.setOpacity(1.0);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF outer = QRectF(rect).adjusted(kOuter / 2, kOuter / 2, -kOuter / 2, -kOuter / 2);
    painter.setPen(QPen(palette::accent, kOuter));
    painter.drawRoundedRect(outer, radius, radius);
    const qreal in = kOuter / 2 + kInner / 2;
    painter.setPen(QPen(palette::onAccent, kInner));
    painter.drawRoundedRect(outer.adjusted(in, in, -in, -in), radius - in, radius - in);
    painter.restore();
}
