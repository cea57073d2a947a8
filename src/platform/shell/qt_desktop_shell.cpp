#include "platform/shell/qt_desktop_shell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QVariantMap>

namespace {

QDBusMessage loginManagerCall(const QString &method)
{
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.login1"),
                                          QStringLiteral("/org/freedesktop/login1"),
                                          QStringLiteral("org.freedesktop.login1.Manager"), method);
}

// The program's name as the desktop knows it: its desktop entry's name (the
// edition), which is also the name of its icon.
QString applicationName()
{
    const QString entry = QGuiApplication::desktopFileName();
    return entry.isEmpty() ? QCoreApplication::applicationName() : entry;
}

} // namespace

bool QtDesktopShell::openFolder(const QString &folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

bool QtDesktopShell::openLink(const QString &link)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(link));
}

void QtDesktopShell::powerOff()
{
    // logind lets the user at the seat power off without root; the argument
    // says whether it may ask for authentication interactively.
    QDBusMessage call = loginManagerCall(QStringLiteral("PowerOff"));
    call << true;
    const QDBusMessage reply = QDBusConnection::systemBus().call(call);
    if (reply.type() == QDBusMessage::ErrorMessage)
        QProcess::startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
}

bool QtDesktopShell::hasTray() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtDesktopShell::notify(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << applicationName() << quint32(0) << applicationName() << summary << body << QStringList() << QVariantMap()
         << qint32(-1);
    // No reply is awaited: where no service answers, nothing happens.
    bus.send(call);
}

void QtDesktopShell::inhibitSleep(const QString &why)
{
    m_sleepInhibited = true;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (m_inhibitor.isValid() || !bus.isConnected())
        return;
    QDBusMessage call = loginManagerCall(QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << applicationName() << why << QStringLiteral("block");
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), &m_replies);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &m_replies, [this](QDBusPendingCallWatcher *w) {
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
        // A batch that ended before logind answered lets the lock go at once.
        if (reply.isValid() && m_sleepInhibited)
            m_inhibitor = reply.value();
        w->deleteLater();
    });
}

void QtDesktopShell::allowSleep()
{
    m_sleepInhibited = false;
    m_inhibitor = QDBusUnixFileDescriptor();
}
