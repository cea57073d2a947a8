#include "brand_pictures.h"

#include "glyphs.h"
#include "profiles/active_profile.h"
#include "session/edition.h"
#include "ui_look/palette.h"

#include <QFont>
#include <QPainter>

void addBannerPictures(PictureSheet &sheet, const QStringList &editionBaseNames)
{
    for (const QString &baseName : editionBaseNames) {
        QImage image = canvas(300, 28, palette::titleBar);
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        p.setFont(pixelFont(15, true));
        p.setPen(palette::text);
        p.drawText(QRectF(0, 0, 300, 28), Qt::AlignVCenter | Qt::AlignLeft, editionTitle(baseName));
        sheet.push_back({QStringLiteral("images/main/") + baseName + QStringLiteral(".bmp"), image});
    }
}

void addProfileIconPictures(PictureSheet &sheet)
{
    const std::pair<ProfileKind, Glyph> kinds[] = {
        {ProfileKind::Sound, Glyph::Note}, {ProfileKind::Film, Glyph::Film}, {ProfileKind::Device, Glyph::Device}};
    for (const auto &[kind, glyph] : kinds) {
        QImage image = canvas(16, 16, palette::footer);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(palette::accentStrong);
        p.drawRoundedRect(QRectF(0, 0, 16, 16), 4, 4);
        drawGlyph(p, glyph, QRectF(1, 1, 14, 14), palette::onAccent);
        sheet.push_back({profileIconPicture(kind), image});
    }
}
