#pragma once

#include <QIcon>
#include <QString>

// The edition's own icon, at every size drawn for it: the files of the icon
// theme folder beside the program's folder (share/icons/hicolor of the
// build tree, or of the installed tree above lib/veltrix). An edition
// without icons of its own takes the Video Converter's.
QIcon editionIcon(const QString &programFolder, const QString &edition);
