#pragma once
// The desktop shell as the program uses it: open a folder or a link in the
// user's file manager or browser, power the machine off after a batch, and
// say whether the desktop shows tray icons.

#include <QString>

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    virtual void openFolder(const QString &folder) = 0;
    virtual void openLink(const QString &link) = 0;
    virtual void powerOff() = 0;
    // Whether an icon in the notification area can be seen; many desktops
    // have no such area, and a window hidden behind an unseen icon is lost.
    virtual bool hasTray() const = 0;
};
