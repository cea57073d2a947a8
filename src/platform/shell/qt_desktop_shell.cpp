#include "platform/shell/qt_desktop_shell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QUrl>

void QtDesktopShell::openFolder(const QString &folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void QtDesktopShell::openLink(const QString &link)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(link));
}

void QtDesktopShell::powerOff()
{
    // logind lets the user at the seat power off without root; the argument
    // says whether it may ask for authentication interactively.
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                                       QStringLiteral("/org/freedesktop/login1"),
                                                       QStringLiteral("org.freedesktop.login1.Manager"),
                                                       QStringLiteral("PowerOff"));
    call << true;
    const QDBusMessage reply = QDBusConnection::systemBus().call(call);
    if (reply.type() == QDBusMessage::ErrorMessage)
        QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
}

bool QtDesktopShell::hasTray() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}
