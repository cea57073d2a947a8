#pragma once
// The picker's pictures: for every profile id 1 to 132 its normal picture
// (images/sub/general/<id>.bmp) and its pointed-at picture
// (images/sub/move/<id>.bmp), each showing the profile's display name; the
// page strips with their page switches and the "All formats" switch; and the
// category list's title and entries (images/sub/category/<panel>.bmp, and
// <panel>_on.bmp for the group shown).

#include "picture_sheet.h"

void addProfilePictures(PictureSheet &sheet);
void addPickerStripPictures(PictureSheet &sheet);
void addCategoryPictures(PictureSheet &sheet);
