#include "app/product_info.h"

#include "ui_text/message_table.h"

#include <QDir>
#include <QFile>
#include <QUrl>

QStringList productInfoFolders(const QString &dataFolder)
{
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share/:/usr/share/");
    QStringList folders;
    for (const QString &dir : dataDirs.split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            folders << QDir(dir).filePath(QStringLiteral("veltrix"));
    folders << QDir::cleanPath(dataFolder) << QDir::cleanPath(dataFolder + QStringLiteral("/../share/veltrix"));
    return folders;
}

QString resolveProductLink(const QString &link, const QString &folder)
{
    if (link.isEmpty() || !QUrl(link).scheme().isEmpty())
        return link;
    const qsizetype hash = link.indexOf(u'#');
    QUrl file = QUrl::fromLocalFile(QDir::cleanPath(QDir(folder).absoluteFilePath(link.left(hash))));
    if (hash >= 0)
        file.setFragment(link.mid(hash + 1));
    return file.toString();
}

ProductRecord readProductRecord(const QString &dataFolder, const QString &baseName, MessageTable &messages)
{
    for (const QString &folder : productInfoFolders(dataFolder)) {
        QFile file(QDir(folder).filePath(QStringLiteral("softinfo.dat")));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // The first file found decides, as there is one product file per system.
        if (std::optional<ProductRecord> record = findProductRecord(file.readAll(), baseName)) {
            record->webLink = resolveProductLink(record->webLink, folder);
            record->supportLink = resolveProductLink(record->supportLink, folder);
            return *record;
        }
        break;
    }
    messages.information(Message::NoProductInfo);
    return {};
}
