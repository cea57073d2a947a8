#include "platform/skin/skin_painter.h"

#include "platform/picture/picture_file.h"
#include "platform/skin/skin.h"
#include "platform/skin/skin_slider_geometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <algorithm>

namespace {

constexpr qreal kDisabledOpacity = 0.4;
constexpr int kButtonTextInset = 6;

// Draws a picture of the skin folder into rect; false when it cannot be read,
// so the caller paints the colours instead.
bool drawPicture(QPainter &painter, const QRect &rect, const QString &path)
{
    if (path.isEmpty())
        return false;
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap = QPixmap::fromImage(readPicture(path));
        if (pixmap.isNull())
            return false;
        QPixmapCache::insert(path, pixmap);
    }
    painter.drawPixmap(rect, pixmap, pixmap.rect());
    return true;
}

// The colour with its saturation taken out: what a bar whose state is off shows.
QColor greyed(const QColor &color)
{
    if (!color.isValid())
        return color;
    const int grey = qGray(color.rgb());
    return QColor(grey, grey, grey, color.alpha());
}

// Solid colour, or a vertical gradient over rect when color2 is given.
QBrush fillBrush(const QRect &rect, const QColor &color, const QColor &color2)
{
    if (!color.isValid())
        return Qt::NoBrush;
    if (!color2.isValid())
        return color;
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, color);
    gradient.setColorAt(1, color2);
    return gradient;
}

// A square box lies on whole pixels: its border is the outermost ring of
// the rect, its fill what lies inside. Drawn without antialiasing, which
// would change nothing there but cost a large panel many times over.
void paintSquareBox(QPainter &painter, const QRect &rect, const QBrush &fill, const QColor &border)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect inside = border.isValid() ? rect.adjusted(1, 1, -1, -1) : rect;
    if (fill.style() != Qt::NoBrush && !inside.isEmpty())
        painter.fillRect(inside, fill);
    if (border.isValid()) {
        painter.setPen(QPen(border, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

// A rounded box with an optional fill and an optional one-pixel border.
void paintBox(QPainter &painter, const QRect &rect, int radius, const QBrush &fill, const QColor &border)
{
    if (fill.style() == Qt::NoBrush && !border.isValid())
        return;
    if (radius <= 0) {
        paintSquareBox(painter, rect, fill, border);
        return;
    }
    painter.setBrush(fill);
    painter.setPen(border.isValid() ? QPen(border, 1) : QPen(Qt::NoPen));
    const QRectF box = border.isValid() ? QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5) : QRectF(rect);
    painter.drawRoundedRect(box, radius, radius);
}

// The text with its first match of the access key marked for underlining
// (Qt's "&"), every other "&" kept as it is.
QString withAccessKey(QString text, QChar key)
{
    text.replace(u'&', QStringLiteral("&&"));
    if (key.isNull())
        return text;
    const qsizetype at = text.indexOf(key, 0, Qt::CaseInsensitive);
    if (at >= 0)
        text.insert(at, u'&');
    return text;
}

} // namespace

void SkinPainter::paintBackground(QPainter &painter, const SkinForm &form, const QRect &area)
{
    // The fill also shows through a picture's transparent parts.
    painter.fillRect(area, fillBrush(area, form.m_background, form.m_background2));
    drawPicture(painter, area, form.m_backgroundPicture);
}

void SkinPainter::paintObject(QPainter &painter, const SkinObject &object, Pointer pointer)
{
    const QRect rect = object.qrect();
    if (!object.m_visible || rect.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect);
    // An object whose state is off looks it: faded, a bar greyed instead.
    if (object.m_kind != SkinKind::Bar)
        painter.setOpacity(object.m_enabled ? 1.0 : kDisabledOpacity);
    // Only an enabled object answers the pointer.
    pointer.over = pointer.over && object.m_enabled;
    pointer.holding = pointer.holding && object.m_enabled;
    switch (object.m_kind) {
    case SkinKind::Panel:
        paintObjectBox(painter, object, object.m_color, object.m_color2);
        break;
    case SkinKind::Bar:
        if (object.m_enabled)
            paintObjectBox(painter, object, object.m_color, object.m_color2);
        else
            paintObjectBox(painter, object, greyed(object.m_color), greyed(object.m_color2));
        break;
    case SkinKind::Image:
        if (!(pointer.over && drawPicture(painter, rect, object.m_hoverPicture))
            && !drawPicture(painter, rect, object.m_picture))
            paintObjectBox(painter, object, object.m_color, object.m_color2);
        break;
    case SkinKind::Button:
        paintButton(painter, object, pointer);
        break;
    case SkinKind::Text:
        paintText(painter, object);
        break;
    case SkinKind::Slider:
        paintSlider(painter, object, pointer);
        break;
    }
    painter.restore();
}

void SkinPainter::paintObjectBox(QPainter &painter, const SkinObject &object, const QColor &fill, const QColor &fill2)
{
    const QRect rect = object.qrect();
    paintBox(painter, rect, object.m_radius, fillBrush(rect, fill, fill2), object.m_borderColor);
}

void SkinPainter::paintObjectText(QPainter &painter, const SkinObject &object, const QRect &rect,
                                  Qt::Alignment alignment)
{
    QFont font = painter.font();
    if (!object.m_fontFamily.isEmpty())
        font.setFamily(object.m_fontFamily);
    font.setPixelSize(object.m_fontSize);
    font.setBold(object.m_bold);
    painter.setFont(font);
    painter.setPen(object.m_textColor);
    const QString text = withAccessKey(object.text(), object.m_accessKey);
    painter.drawText(rect, alignment | Qt::TextShowMnemonic,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, rect.width(), Qt::TextShowMnemonic));
}

void SkinPainter::paintFocusRing(QPainter &painter, const SkinObject &object, const QRect &area)
{
    constexpr qreal kWidth = 2;
    const QColor colour = object.m_form ? object.m_form->m_focusColor : QColor(Qt::white);
    painter.setPen(QPen(colour, kWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal radius = std::max(object.m_radius, 3);
    painter.drawRoundedRect(QRectF(area).adjusted(kWidth / 2, kWidth / 2, -kWidth / 2, -kWidth / 2), radius, radius);
}

void SkinPainter::paintButton(QPainter &painter, const SkinObject &object, Pointer pointer)
{
    const QRect rect = object.qrect();
    if (!(pointer.over && drawPicture(painter, rect, object.m_hoverPicture))
        && !drawPicture(painter, rect, object.m_picture)) {
        if (pointer.over && pointer.holding && object.m_pressColor.isValid())
            paintObjectBox(painter, object, object.m_pressColor, QColor());
        else if (pointer.over && object.m_hoverColor.isValid())
            paintObjectBox(painter, object, object.m_hoverColor, QColor());
        else
            paintObjectBox(painter, object, object.m_color, object.m_color2);
    }
    paintObjectText(painter, object, rect.adjusted(kButtonTextInset, 0, -kButtonTextInset, 0), Qt::AlignCenter);
}

void SkinPainter::paintText(QPainter &painter, const SkinObject &object)
{
    paintObjectBox(painter, object, object.m_color, object.m_color2);
    paintObjectText(painter, object, object.qrect(), object.m_align);
}

void SkinPainter::paintSlider(QPainter &painter, const SkinObject &object, Pointer pointer)
{
    const QRect rect = object.qrect();
    const qreal middle = rect.top() + rect.height() / 2.0;
    const qreal trackHeight = std::max(2, rect.height() / 4);
    const QRectF track(rect.left(), middle - trackHeight / 2, rect.width(), trackHeight);
    const int thumbX = skinSliderThumbCenterX(rect, object.m_position);
    painter.setPen(Qt::NoPen);
    painter.setBrush(object.m_color.isValid() ? object.m_color : object.m_textColor);
    painter.drawRoundedRect(track, trackHeight / 2, trackHeight / 2);
    if (object.m_color2.isValid()) {
        painter.setBrush(object.m_color2);
        painter.drawRoundedRect(QRectF(track.left(), track.top(), thumbX - track.left(), trackHeight), trackHeight / 2,
                                trackHeight / 2);
    }

    QColor thumb = object.m_thumbColor;
    if (pointer.holding && object.m_pressColor.isValid())
        thumb = object.m_pressColor;
    else if (pointer.over && object.m_hoverColor.isValid())
        thumb = object.m_hoverColor;
    const qreal radius = skinSliderThumbRadius(rect) - 0.5;
    painter.setBrush(thumb);
    painter.setPen(object.m_borderColor.isValid() ? QPen(object.m_borderColor, 1) : QPen(Qt::NoPen));
    painter.drawEllipse(QPointF(thumbX + 0.5, middle), radius, radius);
}
