#pragma once
// The name banner of each edition (images/main/<edition base name>.bmp) and
// the profile icon (images/main/2.bmp).

#include "picture_sheet.h"

#include <QStringList>

void addBannerPictures(PictureSheet &sheet, const QStringList &editionBaseNames);
void addProfileIconPicture(PictureSheet &sheet);

// "veltrix-dvd-ripper" -> "Veltrix DVD Ripper"
QString editionTitle(const QString &baseName);
