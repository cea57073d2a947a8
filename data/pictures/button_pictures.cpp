#include "button_pictures.h"

#include "glyphs.h"
#include "ui_look/palette.h"

#include <QFont>
#include <QPainter>

namespace {

enum class Style { Tool, Player, Primary, Danger, Link };
enum class Look { Normal, Over, Down };

struct ButtonDesign {
    const char *name;
    Style style;
    Glyph glyph;
    const char *caption;
};

const ButtonDesign kImageButtons[] = {
    {"bt_dvdopen", Style::Tool, Glyph::AddFile, "Add File"},
    {"bt_ifo", Style::Tool, Glyph::AddFolder, "Add Folder"},
    {"bt_remove", Style::Tool, Glyph::Remove, "Remove"},
    {"bt_clear", Style::Tool, Glyph::Clear, "Clear"},
    {"bt_chapte", Style::Tool, Glyph::Properties, "Properties"},
    {"bt_set", Style::Tool, Glyph::Settings, "Settings"},
    {"bt_back", Style::Player, Glyph::Back, ""},
    {"bt_play", Style::Player, Glyph::Play, ""},
    {"bt_next", Style::Player, Glyph::Forward, ""},
    {"bt_playstop", Style::Player, Glyph::Stop, ""},
    {"bt_cut", Style::Player, Glyph::Cut, ""},
    {"bt_images", Style::Player, Glyph::Snapshot, ""},
    {"bt_start", Style::Primary, Glyph::Convert, "Start"},
    {"Bt_Convertstop", Style::Danger, Glyph::Stop, "Stop"},
    {"bt_web", Style::Link, Glyph::Properties, "About us"},
};

QSize sizeOf(Style style)
{
    switch (style) {
    case Style::Tool: return {64, 46};
    case Style::Player: return {38, 30};
    case Style::Primary:
    case Style::Danger: return {225, 50};
    case Style::Link: return {90, 18};
    }
    return {};
}

QColor backgroundOf(Style style)
{
    switch (style) {
    case Style::Tool: return palette::toolbar;
    case Style::Player: return palette::previewArea;
    case Style::Primary:
    case Style::Danger: return palette::footer;
    case Style::Link: return palette::menuRow;
    }
    return {};
}

// A hover or press box behind tool and player buttons.
void drawStateBox(QPainter &p, const QRectF &box, Look look)
{
    if (look == Look::Normal)
        return;
    p.setPen(QPen(palette::line, 1));
    p.setBrush(look == Look::Over ? palette::raised : palette::sunken);
    p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
}

// The caption ends 38 pixels down, so a picker page (whose upper edge lies
// 39 pixels below the buttons' own) leaves it whole.
void drawTool(QPainter &p, const ButtonDesign &design, const QRectF &box, Look look)
{
    drawStateBox(p, box, look);
    const QColor ink = look == Look::Normal ? palette::text : palette::onAccent;
    const qreal shift = look == Look::Down ? 1 : 0;
    drawGlyph(p, design.glyph, QRectF(box.center().x() - 10, 3 + shift, 20, 20), look == Look::Normal ? palette::accent : ink);
    p.setFont(pixelFont(11));
    p.setPen(ink);
    p.drawText(QRectF(0, 24 + shift, box.width(), 14), Qt::AlignCenter, QString::fromLatin1(design.caption));
}

void drawPlayer(QPainter &p, const ButtonDesign &design, const QRectF &box, Look look)
{
    drawStateBox(p, box, look);
    drawGlyph(p, design.glyph, box.adjusted(9, 5, -9, -5).translated(0, look == Look::Down ? 1 : 0),
              look == Look::Normal ? palette::text : palette::onAccent);
}

// Under the pointer the pill gets a light ring rather than a lighter fill,
// which would lower the contrast of its white caption.
void drawPill(QPainter &p, const ButtonDesign &design, const QRectF &box, Look look, QColor top, QColor bottom)
{
    if (look == Look::Down) {
        top = bottom.darker(110);
        bottom = top;
    }
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setPen(look == Look::Over ? QPen(palette::onAccent, 2) : QPen(top.lighter(118), 1));
    p.setBrush(gradient);
    p.drawRoundedRect(box.adjusted(1, 1, -1, -1), 12, 12);

    const QFont font = pixelFont(17, true);
    const QString caption = QString::fromLatin1(design.caption);
    const qreal textWidth = QFontMetricsF(font).horizontalAdvance(caption);
    const qreal glyphSide = 20, gap = 10;
    const qreal left = box.center().x() - (glyphSide + gap + textWidth) / 2;
    drawGlyph(p, design.glyph, QRectF(left, box.center().y() - glyphSide / 2, glyphSide, glyphSide), palette::onAccent);
    p.setFont(font);
    p.setPen(palette::onAccent);
    p.drawText(QRectF(left + glyphSide + gap, 0, textWidth + 2, box.height()), Qt::AlignVCenter | Qt::AlignLeft, caption);
}

void drawLink(QPainter &p, const ButtonDesign &design, const QRectF &box, Look look)
{
    p.setFont(pixelFont(12));
    p.setPen(look == Look::Normal ? palette::mutedText : palette::accent);
    p.drawText(box.adjusted(0, 0, -4, 0), Qt::AlignVCenter | Qt::AlignRight, QString::fromLatin1(design.caption));
}

QImage drawButton(const ButtonDesign &design, Look look)
{
    const QSize size = sizeOf(design.style);
    QImage image = canvas(size.width(), size.height(), backgroundOf(design.style));
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF box(0, 0, size.width(), size.height());
    switch (design.style) {
    case Style::Tool: drawTool(p, design, box, look); break;
    case Style::Player: drawPlayer(p, design, box, look); break;
    case Style::Primary: drawPill(p, design, box, look, palette::accentStrong, palette::accentDark); break;
    case Style::Danger: drawPill(p, design, box, look, palette::danger, palette::dangerDark); break;
    case Style::Link: drawLink(p, design, box, look); break;
    }
    return image;
}

// Skin picture objects: a glyph over a short caption, on the colour of the
// panel they lie on.
struct SkinPictureDesign {
    const char *name;
    Glyph glyph;
    const char *caption;
    QSize size;
};

const SkinPictureDesign kSkinPictures[] = {
    {"video_size", Glyph::PictureSize, "Size", {44, 52}},
    {"video_quality", Glyph::VideoQuality, "Video", {44, 52}},
    {"audio_quality", Glyph::AudioQuality, "Audio", {44, 52}},
    {"channels", Glyph::Channels, "Channels", {44, 52}},
    {"hou", Glyph::Back, "", {44, 34}},
    {"play", Glyph::Play, "", {44, 34}},
    {"pause", Glyph::Pause, "", {44, 34}},
    {"stop", Glyph::Stop, "", {44, 34}},
    {"qian", Glyph::Forward, "", {44, 34}},
};

QImage drawSkinPicture(const SkinPictureDesign &design, Look look)
{
    QImage image = canvas(design.size.width(), design.size.height(), palette::previewArea);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QRectF box(0, 0, design.size.width(), design.size.height());
    drawStateBox(p, box, look);
    const QColor ink = look == Look::Normal ? palette::mutedText : palette::onAccent;
    const QString caption = QString::fromLatin1(design.caption);
    if (caption.isEmpty()) {
        drawGlyph(p, design.glyph, box.adjusted(11, 7, -11, -7), look == Look::Normal ? palette::text : ink);
        return image;
    }
    drawGlyph(p, design.glyph, QRectF(box.center().x() - 10, 8, 20, 20), look == Look::Normal ? palette::accent : ink);
    p.setFont(pixelFont(9));
    p.setPen(ink);
    p.drawText(QRectF(0, 32, box.width(), 14), Qt::AlignCenter, caption);
    return image;
}

} // namespace

void addImageButtonPictures(PictureSheet &sheet)
{
    for (const ButtonDesign &design : kImageButtons) {
        const QString base = QStringLiteral("images/buttons/") + QString::fromLatin1(design.name);
        sheet.push_back({base + ".bmp", drawButton(design, Look::Normal)});
        sheet.push_back({base + "_over.bmp", drawButton(design, Look::Over)});
        sheet.push_back({base + "_down.bmp", drawButton(design, Look::Down)});
    }
}

void addSkinPictures(PictureSheet &sheet)
{
    for (const SkinPictureDesign &design : kSkinPictures) {
        const QString base = QStringLiteral("images/skin/") + QString::fromLatin1(design.name);
        sheet.push_back({base + ".bmp", drawSkinPicture(design, Look::Normal)});
        sheet.push_back({base + "_over.bmp", drawSkinPicture(design, Look::Over)});
    }
}
