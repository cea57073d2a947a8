#include "platform/shell/qt_desktop_shell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
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

QtDesktopShell::~QtDesktopShell()
{
    // An opener still running (xdg-open may wait for the program it started)
    // is left to run: deleting it would end the file manager or browser too.
    for (QProcess *opener : m_openers.findChildren<QProcess *>(Qt::FindDirectChildrenOnly)) {
        if (opener->state() == QProcess::NotRunning)
            continue;
        opener->disconnect();
        opener->setParent(nullptr);
    }
}

void QtDesktopShell::open(OpenKind kind, const QString &target, OpenFailed failed)
{
    const QString address =
        kind == OpenKind::Folder ? QUrl::fromLocalFile(target).toString() : QUrl::fromUserInput(target).toString();
    auto *opener = new QProcess(&m_openers);
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    const auto fail = [opener, failed](const QString &why) {
        opener->deleteLater();
        if (failed)
            failed(why);
    };
    QObject::connect(opener, &QProcess::errorOccurred, opener, [fail](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(QStringLiteral("no program to open it is installed (xdg-open, from the package xdg-utils)"));
    });
    // xdg-open exits with 0 once the desktop's program has it; 3 means no
    // program is set for this kind of file or address.
    QObject::connect(opener, &QProcess::finished, opener, [opener, fail](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit)
            fail(QStringLiteral("xdg-open, which hands it to the desktop, crashed"));
        else if (code != 0)
            fail(QStringLiteral("xdg-open, which hands it to the desktop, ended with error %1%2")
                     .arg(code)
                     .arg(code == 3 ? QStringLiteral(": no program is set to open it") : QString()));
        else
            opener->deleteLater();
    });
    opener->start(QStringLiteral("xdg-open"), {address});
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
