#pragma once
// The keys of the main window and the clip cutter. In the main window Ctrl+O
// adds files (menu item `AddFiles2`), Ctrl+T opens the clip cutter (menu
// item `CutClip1`) and Delete on the job list removes the selected rows
// (menu item `Remove1`); each acts only while its menu item is enabled, so it
// follows the command availability rule like the item itself. In the cutter:
// Space plays and pauses, I and O set the begin and the end, Left and Right
// step 5 seconds, Ctrl+I saves the picture shown.

#include "app/main_commands.h"

#include <functional>

class QWidget;

void addMainKeys(QWidget *window, QWidget *list);
void addCutterKeys(QWidget *cutter, const std::function<void(MainCommand)> &run);
