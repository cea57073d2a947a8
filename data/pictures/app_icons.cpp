#include "app_icons.h"

#include "glyphs.h"
#include "ui_look/palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The same keywords the program reads from its edition name.
Glyph editionGlyph(const QString &edition)
{
    const QString name = edition.toLower();
    if (name.contains(QLatin1StringView("dvd")))
        return Glyph::Disc;
    if (name.contains(QLatin1StringView("audio")) || name.contains(QLatin1StringView("mp3")))
        return Glyph::Note;
    return Glyph::Convert;
}

QImage appIcon(int size, Glyph glyph)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, size, size);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, palette::accent);
    fill.setColorAt(1, palette::accentDark);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    const qreal radius = size * 0.22;
    p.drawRoundedRect(box, radius, radius);
    const qreal inset = size * 0.16;
    drawGlyph(p, glyph, box.adjusted(inset, inset, -inset, -inset), Qt::white);
    return image;
}

} // namespace

void addAppIcons(PictureSheet &sheet, const QStringList &editions)
{
    for (const QString &edition : editions)
        for (const int size : kAppIconSizes)
            sheet.push_back({QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(edition),
                             appIcon(size, editionGlyph(edition))});
}
