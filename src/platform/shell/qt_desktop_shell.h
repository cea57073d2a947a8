#pragma once
// The desktop shell of a Linux desktop: folders and links through
// QDesktopServices; power-off through logind over D-Bus, or `systemctl
// poweroff` when logind refuses. Failures are not reported.

#include "platform/shell/desktop_shell.h"

class QtDesktopShell : public DesktopShell {
public:
    void openFolder(const QString &folder) override;
    void openLink(const QString &link) override;
    void powerOff() override;
    bool hasTray() const override;
};
