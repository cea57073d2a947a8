// SPDX-License-Identifier: GPL-3.0-or-later
// Veltrix Video Converter: program entry.

#include "app/command_line_info.h"
#include "app/command_line_open.h"
#include "app/display_check.h"
#include "app/program.h"
#include "app/single_instance.h"
#include "app/tfm_main.h"
#include "jobs/job_list_file.h"
#include "session/edition.h"
#include "ui_look/look.h"
#include "ui_text/qt_prompts.h"

#include <QApplication>
#include <QDir>
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
    // Set for the application object alone: the programs it starts (a file
    // manager showing the output folder) choose their own platform.
    const QByteArray platform = previewablePlatform();
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    if (!platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    applyProgramLook(app);
    // The edition's desktop entry and icon carry its name.
    QGuiApplication::setDesktopFileName(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    const QString programPath = QString::fromLocal8Bit(argv[0]);
    const QStringList paths = commandLinePaths(QCoreApplication::arguments().mid(1), QDir::currentPath());
    // One program per edition: a second start hands its files to the first.
    const QString edition = editionOf(programPath).baseName;
    // Dialogs and message boxes carry the edition's name.
    QGuiApplication::setApplicationDisplayName(editionTitle(edition));
    SingleInstance instance(edition, jobListPath(edition));
    switch (instance.claim(paths)) {
    case SingleInstance::Claim::HandedOver:
        return 0;
    case SingleInstance::Claim::NoAnswer:
        std::fprintf(stderr, "%s\n", qUtf8Printable(instance.what()));
        QtPrompts().warning(instance.what());
        return 1;
    case SingleInstance::Claim::First:
        break;
    }
    Program program(programPath, QCoreApplication::applicationDirPath());
    Tfm_main &window = program.window();
    window.show();
    // Files named on the command line are added once the window is up,
    // then those of later starts, with the window brought to the front.
    QTimer::singleShot(0, &window, [&window, paths] { openPaths(window, paths); });
    instance.setReceiver([&window](const QStringList &handed) {
        if (window.isHidden() || window.isMinimized())
            window.showNormal();
        window.raise();
        window.activateWindow();
        openPaths(window, handed);
    });
    return app.exec();
}
