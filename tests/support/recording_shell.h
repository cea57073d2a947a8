#pragma once
// The desktop shell for tests: records every request and carries none out,
// so no test opens a file manager or powers the machine off.

#include "platform/shell/desktop_shell.h"

#include <QStringList>

namespace veltrix::test {

class RecordingShell : public DesktopShell {
public:
    void openFolder(const QString &folder) override { openedFolders.append(folder); }
    void openLink(const QString &link) override { openedLinks.append(link); }
    void powerOff() override { ++powerOffRequests; }
    bool hasTray() const override { return trayAvailable; }

    QStringList openedFolders;
    QStringList openedLinks;
    int powerOffRequests = 0;
    bool trayAvailable = true; // the desktop shows tray icons
};

} // namespace veltrix::test
