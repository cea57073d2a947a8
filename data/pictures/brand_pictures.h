#pragma once
// The name banner of each edition (images/main/<edition base name>.bmp) and
// the profile field's icon of each profile kind (sound, film, device).

#include "picture_sheet.h"

#include <QStringList>

void addBannerPictures(PictureSheet &sheet, const QStringList &editionBaseNames);
void addProfileIconPictures(PictureSheet &sheet);
