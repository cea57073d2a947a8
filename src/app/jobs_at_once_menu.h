#pragma once
// The Tools menu's "Jobs at Once" submenu: Automatic, or 1 up to the
// processor cores. Choosing an item sets the batch's setting; the checked
// item follows the setting, however it changes.

class Batch;
class QMenu;

void addJobsAtOnceMenu(QMenu &tools, Batch &batch);
