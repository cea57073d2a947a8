#pragma once
// The program's look: the dark palette that every window, dialog, message
// box and file dialog takes, and the style that draws control outlines from
// it. Colours come from palette.h.

#include <QPalette>

class QApplication;

// Text roles read at least 4.5:1 against the backgrounds they are drawn on,
// in every colour group; outlines (QPalette::Mid) and the selection at
// least 3:1.
QPalette darkPalette();
// The light palette of the file information window.
QPalette propertiesPalette();

// Sets the application's style and palette; call once, before any window
// is created.
void applyProgramLook(QApplication &application);
