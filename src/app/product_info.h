#pragma once
// Finding softinfo.dat and the running edition's record in it.

#include "app/product_record.h"

#include <QStringList>

class MessageTable;

// Where softinfo.dat is looked for, in order: veltrix/ in every system data
// folder ($XDG_DATA_DIRS, default /usr/local/share and /usr/share), then
// share/veltrix beside the executable folder (the build tree), then
// share/veltrix two levels up (an install under any prefix, whose executable
// folder is <prefix>/lib/veltrix).
QStringList productInfoFolders(const QString &executableFolder);

// A link of the product file as the shell opens it: a link without a scheme
// names a file relative to the folder the product file lies in, and becomes
// a "file:" address (keeping its "#section"); any other link is kept.
QString resolveProductLink(const QString &link, const QString &folder);

// The edition's web and support links. When the file or the record is
// missing, message 31 is shown and both links stay empty.
ProductRecord readProductRecord(const QString &executableFolder, const QString &baseName, MessageTable &messages);
