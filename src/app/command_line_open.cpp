// What the program does with the paths it was started with (a file
// manager's "Open with").

#include "app/tfm_main.h"

#include "app/command_guard.h"
#include "app/dvd_commands.h"

#include <QFileInfo>

void Tfm_main::openCommandLine(const QStringList &paths)
{
    if (!m_edition || !m_edition->dvdMode)
        return;
    QStringList ifoFiles;
    QString folder;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir() && folder.isEmpty())
            folder = info.absoluteFilePath();
        else if (info.suffix().compare(QLatin1String("ifo"), Qt::CaseInsensitive) == 0)
            ifoFiles.append(info.absoluteFilePath());
    }
    runGuarded(m_prompts, [&] {
        if (!ifoFiles.isEmpty())
            m_dvd->listIfoFiles(ifoFiles);
        else if (!folder.isEmpty())
            m_dvd->listDvdFolder(folder);
    });
}
