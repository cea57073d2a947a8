#include "ui_look/program_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

constexpr qreal kRadius = 3;

// A one-pixel outline on the pixel grid, with an optional fill.
void drawBox(QPainter *painter, const QRect &rect, const QColor &outline, const QBrush &fill, qreal radius = kRadius)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(outline, 1));
    painter->setBrush(fill);
    painter->drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter->restore();
}

QColor outlineOf(const QStyleOption *option)
{
    return option->state & QStyle::State_HasFocus ? option->palette.color(QPalette::Highlight).lighter(150)
                                                  : option->palette.color(QPalette::Mid);
}

// A control's outline, doubled while it has the keyboard focus so the focus shows plainly.
void drawOutline(QPainter *painter, const QStyleOption *option, const QBrush &fill, qreal radius = kRadius)
{
    drawBox(painter, option->rect, outlineOf(option), fill, radius);
    if (option->state & QStyle::State_HasFocus)
        drawBox(painter, option->rect.adjusted(1, 1, -1, -1), outlineOf(option), Qt::NoBrush,
                std::max(0.0, radius - 1));
}

void drawCheckBox(const QStyleOption *option, QPainter *painter)
{
    const QRect box = option->rect;
    const bool on = option->state & QStyle::State_On;
    const bool partly = option->state & QStyle::State_NoChange;
    const QPalette &colours = option->palette;
    const QColor fill = on || partly ? colours.color(QPalette::Highlight) : colours.color(QPalette::Base);
    drawBox(painter, box, on || partly ? fill : colours.color(QPalette::Mid), fill);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QPen mark(colours.color(QPalette::HighlightedText), std::max(1.5, box.width() / 7.0));
    mark.setCapStyle(Qt::RoundCap);
    mark.setJoinStyle(Qt::RoundJoin);
    painter->setPen(mark);
    const QRectF inner =
        QRectF(box).adjusted(box.width() * 0.22, box.height() * 0.22, -box.width() * 0.22, -box.height() * 0.22);
    if (on)
        painter->drawPolyline(QPolygonF({QPointF(inner.left(), inner.center().y()),
                                         QPointF(inner.left() + inner.width() * 0.38, inner.bottom()),
                                         QPointF(inner.right(), inner.top())}));
    else if (partly)
        painter->drawLine(QPointF(inner.left(), inner.center().y()), QPointF(inner.right(), inner.center().y()));
    painter->restore();
}

void drawRadioButton(const QStyleOption *option, QPainter *painter)
{
    const QRectF circle = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPalette &colours = option->palette;
    const bool on = option->state & QStyle::State_On;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(on ? colours.color(QPalette::Highlight) : colours.color(QPalette::Mid), 1));
    painter->setBrush(on ? colours.color(QPalette::Highlight) : colours.color(QPalette::Base));
    painter->drawEllipse(circle);
    if (on) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(colours.color(QPalette::HighlightedText));
        const qreal dot = circle.width() / 5;
        painter->drawEllipse(circle.center(), dot, dot);
    }
    painter->restore();
}

void drawButtonPanel(const QStyleOption *option, QPainter *painter)
{
    QColor fill = option->palette.color(QPalette::Button);
    if (option->state & (QStyle::State_Sunken | QStyle::State_On))
        fill = fill.darker(120);
    else if ((option->state & QStyle::State_MouseOver) && (option->state & QStyle::State_Enabled))
        fill = fill.lighter(118);
    drawOutline(painter, option, fill);
}

// A triangle pointing along `towards`, centred in box.
void drawArrow(QPainter *painter, const QRect &box, Qt::ArrowType towards, const QColor &colour)
{
    const QPointF c = QRectF(box).center();
    const qreal s = std::min(box.width(), box.height()) / 5.0;
    QPolygonF points;
    switch (towards) {
    case Qt::UpArrow:
        points = {{c.x() - s, c.y() + s / 2}, {c.x() + s, c.y() + s / 2}, {c.x(), c.y() - s / 2}};
        break;
    case Qt::DownArrow:
        points = {{c.x() - s, c.y() - s / 2}, {c.x() + s, c.y() - s / 2}, {c.x(), c.y() + s / 2}};
        break;
    case Qt::LeftArrow:
        points = {{c.x() + s / 2, c.y() - s}, {c.x() + s / 2, c.y() + s}, {c.x() - s / 2, c.y()}};
        break;
    default:
        points = {{c.x() - s / 2, c.y() - s}, {c.x() - s / 2, c.y() + s}, {c.x() + s / 2, c.y()}};
        break;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(colour);
    painter->drawPolygon(points);
    painter->restore();
}

} // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    switch (element) {
    case PE_IndicatorCheckBox:
    case PE_IndicatorItemViewItemCheck:
        drawCheckBox(option, painter);
        return;
    case PE_IndicatorRadioButton:
        drawRadioButton(option, painter);
        return;
    case PE_FrameLineEdit:
        drawOutline(painter, option, Qt::NoBrush);
        return;
    case PE_PanelButtonCommand:
        drawButtonPanel(option, painter);
        return;
    case PE_FrameFocusRect: // around the caption of a focused check box or radio button
        drawBox(painter, option->rect, option->palette.color(QPalette::Highlight).lighter(150), Qt::NoBrush);
        return;
    case PE_FrameMenu:
        drawBox(painter, option->rect, option->palette.color(QPalette::Mid), Qt::NoBrush, 0);
        return;
    case PE_Frame:
        // A list or text area with the keyboard focus shows it on its frame.
        if (option->state & State_HasFocus) {
            drawOutline(painter, option, Qt::NoBrush, 0);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    if (element != CE_HeaderSection) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect rect = option->rect;
    const QPalette &colours = option->palette;
    painter->fillRect(rect, colours.color(QPalette::Window));
    painter->setPen(colours.color(QPalette::Midlight));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->setPen(colours.color(QPalette::Mid));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
}

// Scroll bars: a groove in the field colour, a handle in the outline colour
// (the accent while dragged), small arrows.
void ProgramStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                      const QWidget *widget) const
{
    const auto *bar = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (control != CC_ScrollBar || !bar) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QPalette &colours = option->palette;
    painter->fillRect(option->rect, colours.color(QPalette::Base));
    const QRect handle = subControlRect(control, bar, SC_ScrollBarSlider, widget);
    if (handle.isValid() && (option->state & State_Enabled)) {
        const bool dragged = (bar->activeSubControls & SC_ScrollBarSlider) && (option->state & State_Sunken);
        const QColor colour = dragged ? colours.color(QPalette::Highlight).lighter(150) : colours.color(QPalette::Mid);
        const QRect inset =
            bar->orientation == Qt::Horizontal ? handle.adjusted(1, 3, -1, -3) : handle.adjusted(3, 1, -3, -1);
        drawBox(painter, inset, colour, colour);
    }
    const bool horizontal = bar->orientation == Qt::Horizontal;
    const QColor arrows = colours.color(QPalette::Mid);
    drawArrow(painter, subControlRect(control, bar, SC_ScrollBarSubLine, widget),
              horizontal ? Qt::LeftArrow : Qt::UpArrow, arrows);
    drawArrow(painter, subControlRect(control, bar, SC_ScrollBarAddLine, widget),
              horizontal ? Qt::RightArrow : Qt::DownArrow, arrows);
}
