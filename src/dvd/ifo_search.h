#pragma once
// Finding the IFO files of a folder the user chose for Add DVD.

#include <QString>
#include <QStringList>

// The title-set IFO files of `folder`, by name: every ".ifo" entry (any
// letter case) except "video_ts.ifo"; a subfolder named "video_ts" (any
// letter case) is searched the same way, and when it holds IFO files the
// search of the folder ends there. Other subfolders are not entered. A
// folder that cannot be read holds none.
QStringList findIfoFiles(const QString &folder);

// The filter of the Add IFO dialog; disc files carry upper-case names.
QString ifoFilesFilter();
