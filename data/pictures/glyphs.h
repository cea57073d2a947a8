#pragma once
// The line icons of the window design, drawn as vectors into any box.

#include <QColor>
#include <QRectF>

class QPainter;

enum class Glyph {
    AddFile, AddFolder, Remove, Clear, Properties, Settings,
    Back, Play, Forward, Stop, Pause, Cut, Snapshot, Convert,
    PictureSize, VideoQuality, AudioQuality, Channels, Disc, Note, Film, Device,
};

// Draws the glyph centred in box, in the given colour, with strokes that
// scale with the box.
void drawGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &color);
