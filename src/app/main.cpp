// Veltrix Video Converter: program entry.

#include "app/display_check.h"
#include "app/program_windows.h"
#include "ui_text/prompts.h"
#include "app/tfm_dir.h"
#include "app/tfm_main.h"
#include "platform/shell/qt_desktop_shell.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    const QString message = noDisplayMessage(QString::fromLocal8Bit(argv[0]));
    if (!message.isEmpty()) {
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QtPrompts prompts;
    QtDesktopShell shell;
    const std::unique_ptr<Tfm_main> fm_main = createProgramWindows(
        prompts, shell, QString::fromLocal8Bit(argv[0]), QCoreApplication::applicationDirPath());
    prompts.setParent(fm_main.get());
    Tfm_dir *fm_dir = fm_main->windows().fm_dir;
    prompts.setFolderChooser([fm_dir](const QString &caption) { return fm_dir->choose(caption); });
    fm_main->show();
    // Once the window is up, so that what the listing asks or tells shows over it.
    const QStringList paths = QCoreApplication::arguments().mid(1);
    QTimer::singleShot(0, fm_main.get(), [window = fm_main.get(), paths] { window->openDvdPaths(paths); });
    return app.exec();
}
