#include "app/display_check.h"

#include <QtGlobal>

QString noDisplayMessage(const QString &programPath)
{
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return {};
    return QStringLiteral("There is no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                          "Start the program from a desktop session, or run it under a virtual X server:\n"
                          "    xvfb-run -a %1\n")
        .arg(programPath);
}

QByteArray previewablePlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return {};
    return QByteArrayLiteral("xcb");
}
