#pragma once
// The application icon of each edition for the desktop's hicolor icon theme:
// a rounded square in the window's accent colour holding the edition's
// glyph (a disc for the DVD edition, a note for the audio editions, the
// convert arrow otherwise), with transparent corners.

#include "picture_sheet.h"

#include <QStringList>

inline constexpr int kAppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// One picture per edition and size, at "<N>x<N>/apps/<edition>.png".
void addAppIcons(PictureSheet &sheet, const QStringList &editions);
