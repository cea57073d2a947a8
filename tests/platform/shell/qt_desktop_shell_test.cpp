// The desktop shell's D-Bus requests, against stand-ins of the notification
// service and logind on a private bus (neither runs on a build machine): a
// notification reaches the service, the sleep lock is held until allowed
// again, and without the services the requests pass quietly.

#include "media_fixtures.h"
#include "platform/shell/qt_desktop_shell.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QGuiApplication>
#include <QTest>
#include <QVariantMap>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using veltrix::test::ChildProcess;

class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList received; // "app|icon|summary|body"
public slots:
    uint Notify(const QString &app, uint, const QString &icon, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        received << app + u'|' + icon + u'|' + summary + u'|' + body;
        return 1;
    }
};

// Hands out the write end of a pipe as the lock: the lock is held for as long
// as any copy of it is open, which the read end sees.
class FakeLogin : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
public:
    ~FakeLogin() override
    {
        if (readEnd >= 0)
            ::close(readEnd);
    }
    QStringList requests; // "what|who|why|mode"
    int readEnd = -1;
public slots:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why, const QString &mode)
    {
        requests << what + u'|' + who + u'|' + why + u'|' + mode;
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            return {};
        readEnd = ends[0];
        ::fcntl(readEnd, F_SETFL, O_NONBLOCK);
        QDBusUnixFileDescriptor lock(ends[1]); // a copy travels to the caller
        ::close(ends[1]);
        return lock;
    }
};

namespace {

class QtDesktopShellBus : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_daemon = std::make_unique<ChildProcess>(
            std::vector<std::string>{"dbus-daemon", "--session", "--nofork", "--print-address"});
        ASSERT_TRUE(s_daemon->readUntil([](const std::string &out) { return out.find('\n') != std::string::npos; },
                                        std::chrono::seconds(10)));
        const std::string address = s_daemon->output().substr(0, s_daemon->output().find('\n'));
        // Both of the program's buses are this one.
        ::setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);
        ::setenv("DBUS_SYSTEM_BUS_ADDRESS", address.c_str(), 1);
        s_address = QString::fromStdString(address);
        static int argc = 1;
        static char name[] = "veltrix-shell-test";
        static char *argv[] = {name, nullptr};
        s_app = std::make_unique<QCoreApplication>(argc, argv);
        QGuiApplication::setDesktopFileName("veltrix-dvd-ripper");
    }
    static void TearDownTestSuite()
    {
        s_app.reset();
        s_daemon.reset();
    }

    // A connection of its own that offers the service.
    QDBusConnection serviceBus(const QString &name) { return QDBusConnection::connectToBus(s_address, name); }

    static inline std::unique_ptr<ChildProcess> s_daemon;
    static inline std::unique_ptr<QCoreApplication> s_app;
    static inline QString s_address;
    QtDesktopShell shell;
};

// Whether every copy of the lock has been closed.
bool lockReleased(int readEnd)
{
    char byte;
    return ::read(readEnd, &byte, 1) == 0;
}

// Requests without the services fail quietly and leave nothing behind: once
// logind runs, the next batch takes its lock.
TEST_F(QtDesktopShellBus, WithoutTheServicesRequestsPassQuietlyAndLaterOnesStillWork)
{
    shell.notify("Conversion finished", "1 finished, 0 failed, 0 stopped");
    shell.inhibitSleep("Converting media files");
    QTest::qWait(200); // the bus answers that no such service runs
    shell.allowSleep();

    FakeLogin logind;
    QDBusConnection bus = serviceBus("late-login");
    ASSERT_TRUE(bus.registerService("org.freedesktop.login1"));
    ASSERT_TRUE(bus.registerObject("/org/freedesktop/login1", &logind, QDBusConnection::ExportAllSlots));
    shell.inhibitSleep("Converting media files");
    EXPECT_TRUE(QTest::qWaitFor([&] { return logind.requests.size() == 1; }, 5000));
    shell.allowSleep();
    bus.unregisterService("org.freedesktop.login1");
    QDBusConnection::disconnectFromBus("late-login");
}

TEST_F(QtDesktopShellBus, ANotificationReachesTheServiceUnderTheEditionsName)
{
    FakeNotifications service;
    QDBusConnection bus = serviceBus("notifications");
    ASSERT_TRUE(bus.registerService("org.freedesktop.Notifications"));
    ASSERT_TRUE(bus.registerObject("/org/freedesktop/Notifications", &service, QDBusConnection::ExportAllSlots));

    shell.notify("Conversion finished", "2 finished, 1 failed, 0 stopped");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !service.received.isEmpty(); }, 5000));
    EXPECT_EQ(service.received,
              QStringList{"veltrix-dvd-ripper|veltrix-dvd-ripper|Conversion finished|2 finished, 1 failed, 0 stopped"});
    bus.unregisterService("org.freedesktop.Notifications");
    QDBusConnection::disconnectFromBus("notifications");
}

TEST_F(QtDesktopShellBus, TheSleepLockIsHeldUntilSleepIsAllowedAgain)
{
    FakeLogin logind;
    QDBusConnection bus = serviceBus("login");
    ASSERT_TRUE(bus.registerService("org.freedesktop.login1"));
    ASSERT_TRUE(bus.registerObject("/org/freedesktop/login1", &logind, QDBusConnection::ExportAllSlots));

    shell.inhibitSleep("Converting media files");
    ASSERT_TRUE(QTest::qWaitFor([&] { return logind.readEnd >= 0; }, 5000));
    EXPECT_EQ(logind.requests, QStringList{"sleep:idle|veltrix-dvd-ripper|Converting media files|block"});
    QTest::qWait(200); // the reply reaches the shell
    EXPECT_FALSE(lockReleased(logind.readEnd));

    shell.allowSleep();
    EXPECT_TRUE(QTest::qWaitFor([&] { return lockReleased(logind.readEnd); }, 5000));
    bus.unregisterService("org.freedesktop.login1");
    QDBusConnection::disconnectFromBus("login");
}

} // namespace

#include "qt_desktop_shell_test.moc"
