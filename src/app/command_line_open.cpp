#include "app/command_line_open.h"

#include "app/tfm_main.h"
#include "session/converter_session.h"

#include <QDir>
#include <QUrl>

QStringList commandLinePaths(const QStringList &arguments, const QString &currentFolder)
{
    QStringList paths;
    for (const QString &argument : arguments) {
        if (argument.isEmpty())
            continue;
        const QUrl url(argument);
        const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
        paths << QDir::cleanPath(QDir(currentFolder).absoluteFilePath(path));
    }
    return paths;
}

void openCommandLine(Tfm_main &window, const QStringList &arguments)
{
    openPaths(window, commandLinePaths(arguments, QDir::currentPath()));
}

void openPaths(Tfm_main &window, const QStringList &paths)
{
    if (window.session().ending())
        return;
    // The DVD edition lists a DVD folder or IFO files; files are added as Add File adds them.
    if (window.openDvdPaths(paths))
        return;
    window.addPaths(paths);
}
