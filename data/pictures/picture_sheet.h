#pragma once
// A picture the generator writes: its path under the executable folder and
// its pixels.

#include <QFont>
#include <QImage>
#include <QString>
#include <vector>

struct Picture {
    QString path; // relative, e.g. "images/main/2.bmp"
    QImage image;
};

using PictureSheet = std::vector<Picture>;

// An opaque canvas filled with the colour it will sit on.
QImage canvas(int width, int height, const QColor &background);
// The design's typeface at a size in pixels.
QFont pixelFont(int pixels, bool bold = false);
