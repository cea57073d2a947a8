#pragma once
// How the main window and the clip cutter present their skin objects to the
// keyboard and to assistive technology (each object's role and name), and
// the main window's Tab order over its controls and those objects.

#include "platform/skin/skin_stand_in.h"

#include <QStringList>
#include <vector>

// The main window's objects; those of the preview column and its DVD
// commands only where the edition shows that column.
std::vector<SkinAccess> mainSkinAccess(bool previewColumn);
std::vector<SkinAccess> cutterSkinAccess();

// Object names of the main window's controls and skin objects in Tab order:
// the list first, then the preview, the profile and output rows, Start and
// Stop, the toolbar.
QStringList mainTabOrder();
