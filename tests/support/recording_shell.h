#pragma once
// The desktop shell for tests: records every request and carries none out,
// so no test opens a file manager, shows a notification, takes a sleep lock
// or powers the machine off.

#include "platform/shell/desktop_shell.h"

#include <QStringList>

namespace veltrix::test {

class RecordingShell : public DesktopShell {
public:
    bool openFolder(const QString &folder) override
    {
        openedFolders.append(folder);
        return openerInstalled;
    }
    bool openLink(const QString &link) override
    {
        openedLinks.append(link);
        return openerInstalled;
    }
    void powerOff() override { ++powerOffRequests; }
    bool hasTray() const override { return trayAvailable; }
    void notify(const QString &summary, const QString &body) override
    {
        notifications.append(summary + QStringLiteral(": ") + body);
    }
    void inhibitSleep(const QString &) override
    {
        sleepInhibited = true;
        ++inhibitRequests;
    }
    void allowSleep() override { sleepInhibited = false; }

    QStringList openedFolders;
    QStringList openedLinks;
    int powerOffRequests = 0;
    bool trayAvailable = true;   // the desktop shows tray icons
    bool openerInstalled = true; // a program opens folders and links
    QStringList notifications;   // "summary: body"
    bool sleepInhibited = false;
    int inhibitRequests = 0;
};

} // namespace veltrix::test
