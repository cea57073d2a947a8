#pragma once
// The pictures of the main window's image buttons (normal, under the pointer,
// held down) and of the skin's picture objects.

#include "picture_sheet.h"

// images/buttons/<name>.bmp, <name>_over.bmp and <name>_down.bmp for every
// image button; the button takes the size of its pictures.
void addImageButtonPictures(PictureSheet &sheet);

// images/skin/<name>.bmp and <name>_over.bmp for the skin's picture objects.
void addSkinPictures(PictureSheet &sheet);
