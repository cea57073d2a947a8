#pragma once
// Paths named on the program's command line ("Open with", a desktop entry's
// %F) are added to the job list at start.

#include <QStringList>

class Tfm_main;

// The paths the arguments name: "file:" addresses become paths and relative
// paths become absolute against `currentFolder`.
QStringList commandLinePaths(const QStringList &arguments, const QString &currentFolder);

// Adds the paths named by the arguments (the program's name excluded): a
// file exactly as Add File adds a chosen file, with the same probe and the
// same messages; a folder as Add Folder does.
void openCommandLine(Tfm_main &window, const QStringList &arguments);
// The same for paths already made absolute (handed over by a later start).
// Nothing once the system ends the program.
void openPaths(Tfm_main &window, const QStringList &paths);
