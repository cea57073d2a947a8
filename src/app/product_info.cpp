#include "app/product_info.h"

#include "ui_text/message_table.h"

#include <QDir>
#include <QFile>

QStringList productInfoFolders(const QString &executableFolder)
{
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share/:/usr/share/");
    QStringList folders;
    for (const QString &dir : dataDirs.split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            folders << QDir(dir).filePath(QStringLiteral("veltrix"));
    folders << QDir::cleanPath(executableFolder + QStringLiteral("/../share/veltrix"));
    return folders;
}

ProductRecord readProductRecord(const QString &executableFolder, const QString &baseName, MessageTable &messages)
{
    for (const QString &folder : productInfoFolders(executableFolder)) {
        QFile file(QDir(folder).filePath(QStringLiteral("softinfo.dat")));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // The first file found decides, as there is one product file per system.
        if (const std::optional<ProductRecord> record = findProductRecord(file.readAll(), baseName))
            return *record;
        break;
    }
    messages.information(Message::NoProductInfo);
    return {};
}
