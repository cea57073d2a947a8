#pragma once
// The desktop shell as the program uses it: open a folder or a link in the
// user's file manager or browser, power the machine off after a batch, say
// whether the desktop shows tray icons, show a notification, and keep the
// machine from sleeping while a batch converts.

#include <QString>

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // False when no program to open it is installed.
    virtual bool openFolder(const QString &folder) = 0;
    virtual bool openLink(const QString &link) = 0;
    virtual void powerOff() = 0;
    // Whether an icon in the notification area can be seen; many desktops
    // have no such area, and a window hidden behind an unseen icon is lost.
    virtual bool hasTray() const = 0;
    // A desktop notification; nothing where no notification service runs.
    virtual void notify(const QString &summary, const QString &body) = 0;
    // Keeps the machine from sleeping or going idle until allowSleep();
    // nothing where the session manager offers no such lock.
    virtual void inhibitSleep(const QString &why) = 0;
    virtual void allowSleep() = 0;
};
