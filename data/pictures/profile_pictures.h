#pragma once
// The picker's pictures: for every profile id 1 to 132 its normal picture
// (images/sub/general/<id>.bmp) and its pointed-at picture
// (images/sub/move/<id>.bmp), each showing the profile's display name; and
// the page strips with their page switches.

#include "picture_sheet.h"

void addProfilePictures(PictureSheet &sheet);
void addPickerStripPictures(PictureSheet &sheet);
