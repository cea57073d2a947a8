#include "profile_pictures.h"

#include "palette.h"
#include "profiles/catalogue.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int kButtonWidth = 310;
constexpr int kFirstButtonHeight = 53; // the first button of a page
constexpr int kButtonHeight = 48;

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

int heightOf(int id)
{
    const std::optional<ProfileGroup> group = groupOf(id);
    return group && group->firstId == id ? kFirstButtonHeight : kButtonHeight;
}

// "MP3-MPEG Layer-3Audio(*.mp3)" -> "MP3"
QString badgeText(const QString &name)
{
    return outputExtension(name).mid(1).toUpper();
}

QImage drawProfileButton(int id, bool pointedAt)
{
    const int height = heightOf(id);
    QImage image = canvas(kButtonWidth, height, palette::picker);
    const std::optional<QString> name = displayName(id);
    if (!name)
        return image; // the blank area at the foot of a page
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF row(4, 3, kButtonWidth - 8, height - 6);
    if (pointedAt) {
        QLinearGradient gradient(row.topLeft(), row.bottomLeft());
        gradient.setColorAt(0, palette::accent);
        gradient.setColorAt(1, palette::accentDark);
        p.setPen(Qt::NoPen);
        p.setBrush(gradient);
        p.drawRoundedRect(row, 8, 8);
    } else {
        p.setPen(QPen(palette::line, 1));
        p.drawLine(QPointF(14, height - 0.5), QPointF(kButtonWidth - 14, height - 0.5));
    }

    const QRectF badge(row.left() + 8, row.center().y() - 13, 50, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(pointedAt ? QColor(255, 255, 255, 56) : palette::raised);
    p.drawRoundedRect(badge, 6, 6);
    p.setFont(pixelFont(badgeText(*name).size() > 3 ? 10 : 12, true));
    p.setPen(pointedAt ? QColor(Qt::white) : palette::accent);
    p.drawText(badge, Qt::AlignCenter, badgeText(*name));

    const QRectF textBox(badge.right() + 12, row.top(), row.right() - badge.right() - 20, row.height());
    // Long names wrap onto a second line rather than losing their extension.
    const QFont font = pixelFont(12, pointedAt);
    p.setFont(font);
    p.setPen(pointedAt ? QColor(Qt::white) : palette::text);
    p.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, *name);
    return image;
}

QImage drawStrip(const QString &caption)
{
    QImage image = canvas(240, 17, palette::picker);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.setFont(pixelFont(10));
    p.setPen(palette::mutedText);
    p.drawText(QRectF(12, 0, 228, 17), Qt::AlignVCenter | Qt::AlignLeft, caption);
    return image;
}

QImage drawPageSwitch(const QString &caption)
{
    QImage image = canvas(71, 17, palette::picker);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::raised);
    p.drawRoundedRect(QRectF(2, 1, 63, 15), 7, 7);
    p.setFont(pixelFont(10, true));
    p.setPen(palette::accent);
    p.drawText(QRectF(2, 0, 63, 17), Qt::AlignCenter, caption);
    return image;
}

} // namespace

void addProfilePictures(PictureSheet &sheet)
{
    for (int id = kFirstProfileId; id <= kLastProfileId; ++id) {
        const QString file = QString::number(id) + QStringLiteral(".bmp");
        sheet.push_back({QStringLiteral("images/sub/general/") + file, drawProfileButton(id, false)});
        sheet.push_back({QStringLiteral("images/sub/move/") + file, drawProfileButton(id, true)});
    }
}

void addPickerStripPictures(PictureSheet &sheet)
{
    sheet.push_back({QStringLiteral("images/sub/strip1.bmp"), drawStrip(QStringLiteral("Audio formats  \u00b7  page 1 of 2"))});
    sheet.push_back({QStringLiteral("images/sub/strip2.bmp"), drawStrip(QStringLiteral("Audio formats  \u00b7  page 2 of 2"))});
    sheet.push_back({QStringLiteral("images/sub/next.bmp"), drawPageSwitch(QStringLiteral("More \u203a"))});
    sheet.push_back({QStringLiteral("images/sub/back.bmp"), drawPageSwitch(QStringLiteral("\u2039 Back"))});
}
