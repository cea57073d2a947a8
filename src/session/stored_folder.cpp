#include "session/stored_folder.h"

#include <QFile>

QString folderFromStoredBytes(const QByteArray &stored)
{
    return QFile::decodeName(stored);
}

QByteArray storedFolderBytes(const QString &folder, const std::optional<QByteArray> &stored)
{
    if (stored && folderFromStoredBytes(*stored) == folder)
        return *stored;
    return QFile::encodeName(folder);
}
