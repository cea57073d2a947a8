// The DVD edition opening what it was started with (a file manager's
// "Open with" on a DVD folder or an IFO file).

#include "app/tfm_main.h"

#include "app/command_guard.h"
#include "app/dvd_commands.h"

#include <QFileInfo>

bool Tfm_main::openDvdPaths(const QStringList &paths)
{
    if (!m_edition || !m_edition->dvdMode)
        return false;
    QStringList ifoFiles;
    QString folder;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir() && folder.isEmpty())
            folder = info.absoluteFilePath();
        else if (info.suffix().compare(QLatin1String("ifo"), Qt::CaseInsensitive) == 0)
            ifoFiles.append(info.absoluteFilePath());
    }
    if (ifoFiles.isEmpty() && folder.isEmpty())
        return false;
    runGuarded(m_prompts, [&] {
        if (!ifoFiles.isEmpty())
            m_dvd->listIfoFiles(ifoFiles);
        else
            m_dvd->listDvdFolder(folder);
    });
    return true;
}
