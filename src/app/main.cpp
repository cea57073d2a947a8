// Veltrix Video Converter: program entry.

#include "app/command_line_info.h"
#include "app/command_line_open.h"
#include "app/display_check.h"
#include "app/program.h"
#include "app/tfm_main.h"
#include "ui_look/look.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto information = commandLineInformation(QString::fromLocal8Bit(argv[0]), arguments)) {
        std::fputs(information->toLocal8Bit().constData(), stdout);
        return 0;
    }
    const QString message = noDisplayMessage(QString::fromLocal8Bit(argv[0]));
    if (!message.isEmpty()) {
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return 2;
    }
    QApplication app(argc, argv);
    applyProgramLook(app);
    // The edition's desktop entry and icon carry its name.
    QGuiApplication::setDesktopFileName(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    Program program(QString::fromLocal8Bit(argv[0]), QCoreApplication::applicationDirPath());
    Tfm_main &window = program.window();
    window.show();
    // Files named on the command line are added once the window is up.
    QTimer::singleShot(0, &window, [&window] { openCommandLine(window, QCoreApplication::arguments().mid(1)); });
    return app.exec();
}
