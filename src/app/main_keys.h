#pragma once
// The keys of the main window: Ctrl+O adds files (menu item `AddFiles2`),
// Delete on the job list removes the selected rows (menu item `Remove1`).
// Each key acts only while its menu item is enabled, so it follows the
// command availability rule like the item itself.

class QWidget;

void addMainKeys(QWidget *window, QWidget *list);
