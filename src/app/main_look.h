#pragma once
// The look of the main window's own controls (list, edits, track lists,
// menus), matching the skin's colours.

#include <QString>

extern const QString kMainWindowStyle;
