#include "profile_pictures.h"

#include "profiles/catalogue.h"
#include "profiles/picker_placement.h"
#include "ui_look/palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// The height of an id's button: the first of its page is taller.
int heightOf(int id)
{
    const std::optional<ProfileGroup> group = groupOf(id);
    return profileButtonHeight(group ? id - group->firstId : 1);
}

// "MP3-MPEG Layer-3Audio(*.mp3)" -> "MP3"
QString badgeText(const QString &name)
{
    return outputExtension(name).mid(1).toUpper();
}

QImage drawProfileButton(int id, bool pointedAt)
{
    const int height = heightOf(id);
    QImage image = canvas(kPickerPageWidth, height, palette::picker);
    const std::optional<QString> name = displayName(id);
    if (!name)
        return image; // the blank area at the foot of a page
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF row(4, 3, kPickerPageWidth - 8, height - 6);
    if (pointedAt) {
        QLinearGradient gradient(row.topLeft(), row.bottomLeft());
        gradient.setColorAt(0, palette::accentStrong);
        gradient.setColorAt(1, palette::accentDark);
        p.setPen(Qt::NoPen);
        p.setBrush(gradient);
        p.drawRoundedRect(row, 8, 8);
    } else {
        p.setPen(QPen(palette::line, 1));
        p.drawLine(QPointF(14, height - 0.5), QPointF(kPickerPageWidth - 14, height - 0.5));
    }

    const QRectF badge(row.left() + 8, row.center().y() - 13, 50, 26);
    p.setPen(pointedAt ? QPen(palette::onAccent, 1) : Qt::NoPen);
    p.setBrush(pointedAt ? Qt::NoBrush : QBrush(palette::raised));
    p.drawRoundedRect(badge.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setFont(pixelFont(badgeText(*name).size() > 3 ? 10 : 12, true));
    p.setPen(pointedAt ? palette::onAccent : palette::accentText);
    p.drawText(badge, Qt::AlignCenter, badgeText(*name));

    const QRectF textBox(badge.right() + 12, row.top(), row.right() - badge.right() - 20, row.height());
    // Long names wrap onto a second line rather than losing their extension.
    p.setFont(pixelFont(12, pointedAt));
    p.setPen(pointedAt ? palette::onAccent : palette::text);
    p.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, *name);
    return image;
}

QImage drawStrip(const QString &caption)
{
    QImage image = canvas(kPickerStripWidth, kPickerStripHeight, palette::picker);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.setFont(pixelFont(10));
    p.setPen(palette::mutedText);
    p.drawText(QRectF(12, 0, kPickerStripWidth - 12, kPickerStripHeight), Qt::AlignVCenter | Qt::AlignLeft, caption);
    return image;
}

QImage drawPageSwitch(const QString &caption, int width)
{
    QImage image = canvas(width, kPickerStripHeight, palette::picker);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF pill(2, 1, width - 8, kPickerStripHeight - 2);
    p.setPen(QPen(palette::controlBorder, 1));
    p.setBrush(palette::raised);
    p.drawRoundedRect(pill.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    p.setFont(pixelFont(10, true));
    p.setPen(palette::accentText);
    p.drawText(pill, Qt::AlignCenter, caption);
    return image;
}

QImage drawCategory(const QString &caption, bool shown)
{
    QImage image = canvas(kCategoryListWidth, kCategoryRowHeight, palette::picker);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF row(4, 1, kCategoryListWidth - 8, kCategoryRowHeight - 2);
    if (shown) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette::accentDark);
        p.drawRoundedRect(row, 5, 5);
    }
    p.setFont(pixelFont(11, shown));
    p.setPen(shown ? palette::onAccent : palette::text);
    p.drawText(row.adjusted(8, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);
    return image;
}

QImage drawCategoryTitle()
{
    QImage image = canvas(kCategoryListWidth, kCategoryTitleHeight, palette::picker);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    p.setFont(pixelFont(10, true));
    p.setPen(palette::mutedText);
    p.drawText(QRectF(12, 0, kCategoryListWidth - 12, kCategoryTitleHeight), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("ALL FORMATS"));
    p.setPen(QPen(palette::line, 1));
    p.drawLine(QPointF(12, kCategoryTitleHeight - 3.5), QPointF(kCategoryListWidth - 12, kCategoryTitleHeight - 3.5));
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
    sheet.push_back({QStringLiteral("images/sub/strip1.bmp"), drawStrip(QStringLiteral("Audio  \u00b7  1 of 2"))});
    sheet.push_back({QStringLiteral("images/sub/strip2.bmp"), drawStrip(QStringLiteral("Audio  \u00b7  2 of 2"))});
    sheet.push_back({QStringLiteral("images/sub/next.bmp"), drawPageSwitch(QStringLiteral("More \u203a"), kPickerSwitchWidth)});
    sheet.push_back({QStringLiteral("images/sub/back.bmp"), drawPageSwitch(QStringLiteral("\u2039 Back"), kPickerSwitchWidth)});
    sheet.push_back({QStringLiteral("images/sub/all.bmp"), drawPageSwitch(QStringLiteral("All formats"), kAllFormatsSwitchWidth)});
}

void addCategoryPictures(PictureSheet &sheet)
{
    sheet.push_back({QStringLiteral("images/sub/category/title.bmp"), drawCategoryTitle()});
    for (const ProfileGroup &group : profileGroups()) {
        const QString panel = group.panel.toString();
        const QString caption = group.caption.toString();
        const QString base = QStringLiteral("images/sub/category/") + panel;
        sheet.push_back({base + QStringLiteral(".bmp"), drawCategory(caption, false)});
        sheet.push_back({base + QStringLiteral("_on.bmp"), drawCategory(caption, true)});
    }
}
