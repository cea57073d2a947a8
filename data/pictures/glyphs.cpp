#include "glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace {

// Every glyph is drawn on a 24 x 24 grid, then scaled into its box.
constexpr qreal kGrid = 24.0;

void document(QPainter &p)
{
    QPainterPath page;
    page.moveTo(5, 2.5);
    page.lineTo(14, 2.5);
    page.lineTo(19, 7.5);
    page.lineTo(19, 21.5);
    page.lineTo(5, 21.5);
    page.closeSubpath();
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{14, 2.5}, {14, 7.5}, {19, 7.5}}));
}

void folder(QPainter &p)
{
    QPainterPath shape;
    shape.moveTo(2.5, 5);
    shape.lineTo(9, 5);
    shape.lineTo(11, 7.5);
    shape.lineTo(21.5, 7.5);
    shape.lineTo(21.5, 19.5);
    shape.lineTo(2.5, 19.5);
    shape.closeSubpath();
    p.drawPath(shape);
}

void plus(QPainter &p, QPointF centre, qreal half)
{
    p.drawLine(QPointF(centre.x() - half, centre.y()), QPointF(centre.x() + half, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - half), QPointF(centre.x(), centre.y() + half));
}

void filledTriangle(QPainter &p, const QPolygonF &points)
{
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(points);
    p.restore();
}

void gear(QPainter &p)
{
    QPainterPath teeth;
    constexpr int kTeeth = 8;
    for (int i = 0; i < kTeeth * 2; ++i) {
        const qreal angle = i * std::numbers::pi / kTeeth;
        const qreal radius = (i % 2 == 0) ? 9.5 : 7.0;
        const QPointF point(12 + radius * std::cos(angle), 12 + radius * std::sin(angle));
        i == 0 ? teeth.moveTo(point) : teeth.lineTo(point);
    }
    teeth.closeSubpath();
    p.drawPath(teeth);
    p.drawEllipse(QPointF(12, 12), 3, 3);
}

void paint(QPainter &p, Glyph glyph)
{
    switch (glyph) {
    case Glyph::AddFile:
        document(p);
        plus(p, {12, 14}, 3.5);
        break;
    case Glyph::AddFolder:
        folder(p);
        plus(p, {12, 13.5}, 3.5);
        break;
    case Glyph::Remove:
        document(p);
        p.drawLine(QPointF(8.5, 14), QPointF(15.5, 14));
        break;
    case Glyph::Clear:
        p.drawLine(QPointF(4, 6.5), QPointF(20, 6.5));
        p.drawLine(QPointF(9.5, 3.5), QPointF(14.5, 3.5));
        p.drawPolyline(QPolygonF({{6, 6.5}, {7.5, 21}, {16.5, 21}, {18, 6.5}}));
        p.drawLine(QPointF(10, 10.5), QPointF(10, 17));
        p.drawLine(QPointF(14, 10.5), QPointF(14, 17));
        break;
    case Glyph::Properties:
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        p.drawLine(QPointF(12, 11), QPointF(12, 17));
        p.drawPoint(QPointF(12, 7.5));
        break;
    case Glyph::Settings:
        gear(p);
        break;
    case Glyph::Back:
        filledTriangle(p, {{{11, 6}, {3, 12}, {11, 18}}});
        filledTriangle(p, {{{20, 6}, {12, 12}, {20, 18}}});
        break;
    case Glyph::Forward:
        filledTriangle(p, {{{4, 6}, {12, 12}, {4, 18}}});
        filledTriangle(p, {{{13, 6}, {21, 12}, {13, 18}}});
        break;
    case Glyph::Play:
    case Glyph::Convert:
        filledTriangle(p, {{{7, 4.5}, {19.5, 12}, {7, 19.5}}});
        break;
    case Glyph::Stop:
        p.save();
        p.setBrush(p.pen().color());
        p.drawRoundedRect(QRectF(6, 6, 12, 12), 2, 2);
        p.restore();
        break;
    case Glyph::Pause:
        p.save();
        p.setBrush(p.pen().color());
        p.drawRoundedRect(QRectF(6.5, 5, 4, 14), 1, 1);
        p.drawRoundedRect(QRectF(13.5, 5, 4, 14), 1, 1);
        p.restore();
        break;
    case Glyph::Cut:
        p.drawEllipse(QPointF(7, 17.5), 3.2, 3.2);
        p.drawEllipse(QPointF(17, 17.5), 3.2, 3.2);
        p.drawLine(QPointF(9, 15), QPointF(18, 3.5));
        p.drawLine(QPointF(15, 15), QPointF(6, 3.5));
        break;
    case Glyph::Snapshot:
        p.drawRoundedRect(QRectF(2.5, 7, 19, 13), 2.5, 2.5);
        p.drawPolyline(QPolygonF({{8, 7}, {9.5, 4.5}, {14.5, 4.5}, {16, 7}}));
        p.drawEllipse(QPointF(12, 13.5), 3.8, 3.8);
        break;
    case Glyph::PictureSize:
        p.drawRect(QRectF(3.5, 6, 17, 12));
        p.drawPolyline(QPolygonF({{6, 12}, {6, 8.5}, {9.5, 8.5}}));
        p.drawPolyline(QPolygonF({{18, 12}, {18, 15.5}, {14.5, 15.5}}));
        break;
    case Glyph::VideoQuality:
        p.drawRoundedRect(QRectF(2.5, 6, 13, 12), 2, 2);
        p.drawPolygon(QPolygonF({{15.5, 10.5}, {21.5, 7}, {21.5, 17}, {15.5, 13.5}}));
        break;
    case Glyph::AudioQuality:
        for (int bar = 0; bar < 5; ++bar) {
            const qreal height = QList<qreal>{6, 12, 16, 10, 5}.at(bar);
            const qreal x = 4 + bar * 4;
            p.drawLine(QPointF(x, 12 - height / 2), QPointF(x, 12 + height / 2));
        }
        break;
    case Glyph::Channels:
        p.drawPolygon(QPolygonF({{3, 9.5}, {7, 9.5}, {11.5, 5}, {11.5, 19}, {7, 14.5}, {3, 14.5}}));
        p.drawArc(QRectF(9, 7, 8, 10), -50 * 16, 100 * 16);
        p.drawArc(QRectF(8, 3.5, 14, 17), -50 * 16, 100 * 16);
        break;
    case Glyph::Disc:
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
        break;
    case Glyph::Film:
        p.drawRoundedRect(QRectF(3.5, 4.5, 17, 15), 1.5, 1.5);
        p.drawLine(QPointF(7.5, 4.5), QPointF(7.5, 19.5));
        p.drawLine(QPointF(16.5, 4.5), QPointF(16.5, 19.5));
        for (const qreal y : {8.5, 12.0, 15.5}) {
            p.drawLine(QPointF(3.5, y), QPointF(7.5, y));
            p.drawLine(QPointF(16.5, y), QPointF(20.5, y));
        }
        break;
    case Glyph::Device:
        p.drawRoundedRect(QRectF(6.5, 2.5, 11, 19), 2.5, 2.5);
        p.drawLine(QPointF(10, 18.5), QPointF(14, 18.5));
        p.drawRect(QRectF(8.5, 5, 7, 10.5));
        break;
    case Glyph::Note:
        p.drawPolyline(QPolygonF({{9, 17.5}, {9, 5}, {19, 3}, {19, 15.5}}));
        p.save();
        p.setBrush(p.pen().color());
        p.drawEllipse(QPointF(6.5, 17.5), 2.6, 2.2);
        p.drawEllipse(QPointF(16.5, 15.5), 2.6, 2.2);
        p.restore();
        break;
    }
}

} // namespace

void drawGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &color)
{
    const qreal side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / kGrid, side / kGrid);
    QPen pen(color, 1.7);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    paint(painter, glyph);
    painter.restore();
}
