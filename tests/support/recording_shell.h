#pragma once
// The desktop shell for tests: records every request and carries none out,
// so no test opens a file manager, shows a notification, takes a sleep lock
// or powers the machine off.

#include "platform/shell/desktop_shell.h"

#include <QStringList>

namespace veltrix::test {

class RecordingShell : public DesktopShell {
public:
    void open(OpenKind kind, const QString &target, OpenFailed) override
    {
        (kind == OpenKind::Folder ? openedFolders : openedLinks).append(target);
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
    QStringList notifications;   // "summary: body"
    bool sleepInhibited = false;
    int inhibitRequests = 0;
};

} // namespace veltrix::test
