#pragma once
// Finding softinfo.dat and the running edition's record in it.

#include "app/product_record.h"

#include <QStringList>

class MessageTable;

// Where softinfo.dat is looked for, in order: veltrix/ in every system data
// folder ($XDG_DATA_DIRS, default /usr/local/share and /usr/share), then
// the program's data folder itself (an install under any prefix, whose data
// folder is <prefix>/share/veltrix), then share/veltrix beside it (the build
// tree, whose data folder is build/bin).
QStringList productInfoFolders(const QString &dataFolder);

// A link of the product file as the shell opens it: a link without a scheme
// names a file relative to the folder the product file lies in, and becomes
// a "file:" address (keeping its "#section"); any other link is kept.
QString resolveProductLink(const QString &link, const QString &folder);

// The edition's web and support links. When the file or the record is
// missing, message 31 is shown and both links stay empty.
ProductRecord readProductRecord(const QString &dataFolder, const QString &baseName, MessageTable &messages);
