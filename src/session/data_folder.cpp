#include "session/data_folder.h"

#include <QDir>
#include <QFileInfo>

QString dataFolderOf(const QString &executableFolder)
{
    const QString beside = QDir(executableFolder).absolutePath();
    if (QFileInfo::exists(beside + QStringLiteral("/skn.skn")))
        return beside + u'/';
    return QDir::cleanPath(beside + QStringLiteral("/../../share/veltrix")) + u'/';
}
