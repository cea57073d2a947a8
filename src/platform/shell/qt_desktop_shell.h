#pragma once
// The desktop shell of a Linux desktop: folders and links through xdg-open,
// whose exit is awaited without blocking and a failure reported; power-off through logind over D-Bus, or `systemctl
// poweroff` when logind refuses; notifications through
// org.freedesktop.Notifications on the session bus; the sleep lock is a
// logind inhibitor ("sleep:idle") held as a file descriptor. Where a bus or
// service is missing, these do nothing.

#include "platform/shell/desktop_shell.h"

#include <QDBusUnixFileDescriptor>
#include <QObject>

class QtDesktopShell : public DesktopShell {
public:
    ~QtDesktopShell() override;
    void open(OpenKind kind, const QString &target, OpenFailed failed) override;
    void powerOff() override;
    bool hasTray() const override;
    void notify(const QString &summary, const QString &body) override;
    void inhibitSleep(const QString &why) override;
    void allowSleep() override;

private:
    bool m_sleepInhibited = false;       // wanted by the program
    QDBusUnixFileDescriptor m_inhibitor; // held while valid; closing it ends the lock
    QObject m_replies;                   // owns the pending replies, which die with the shell
    QObject m_openers;                   // owns the xdg-open runs until they exit
};
