#pragma once
// The desktop shell of a Linux desktop: folders and links through
// QDesktopServices; power-off through logind over D-Bus, or `systemctl
// poweroff` when logind refuses; notifications through
// org.freedesktop.Notifications on the session bus; the sleep lock is a
// logind inhibitor ("sleep:idle") held as a file descriptor. Where a bus or
// service is missing, these do nothing.

#include "platform/shell/desktop_shell.h"

#include <QDBusUnixFileDescriptor>
#include <QObject>

class QtDesktopShell : public DesktopShell {
public:
    bool openFolder(const QString &folder) override;
    bool openLink(const QString &link) override;
    void powerOff() override;
    bool hasTray() const override;
    void notify(const QString &summary, const QString &body) override;
    void inhibitSleep(const QString &why) override;
    void allowSleep() override;

private:
    bool m_sleepInhibited = false;       // wanted by the program
    QDBusUnixFileDescriptor m_inhibitor; // held while valid; closing it ends the lock
    QObject m_replies;                   // owns the pending replies, which die with the shell
};
