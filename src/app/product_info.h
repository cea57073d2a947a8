#pragma once
// Finding softinfo.dat and the running edition's record in it.

#include "app/product_record.h"

#include <QStringList>

class MessageTable;

// Where softinfo.dat is looked for, in order: veltrix/ in every system data
// folder ($XDG_DATA_DIRS, default /usr/local/share and /usr/share), then
// share/veltrix beside the executable folder (the build tree, or an install
// under another prefix).
QStringList productInfoFolders(const QString &executableFolder);

// The edition's web and support links. When the file or the record is
// missing, message 31 is shown and both links stay empty.
ProductRecord readProductRecord(const QString &executableFolder, const QString &baseName, MessageTable &messages);
