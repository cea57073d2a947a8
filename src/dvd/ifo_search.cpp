#include "dvd/ifo_search.h"

#include <QDir>
#include <QFileInfo>

QStringList findIfoFiles(const QString &folder)
{
    QStringList found;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName().toLower();
        if (entry.isDir()) {
            if (name != QLatin1String("video_ts"))
                continue;
            const QStringList inside = findIfoFiles(entry.filePath());
            found += inside;
            if (!inside.isEmpty())
                break;
        } else if (name.endsWith(QLatin1String(".ifo")) && name != QLatin1String("video_ts.ifo")) {
            found.append(entry.filePath());
        }
    }
    return found;
}

QString ifoFilesFilter()
{
    return QStringLiteral("IFO Files (*.ifo *.IFO)");
}
