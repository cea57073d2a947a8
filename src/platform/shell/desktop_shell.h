#pragma once
// The desktop shell as the program uses it: open a folder or a link in the
// user's file manager or browser, and power the machine off after a batch.

#include <QString>

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    virtual void openFolder(const QString &folder) = 0;
    virtual void openLink(const QString &link) = 0;
    virtual void powerOff() = 0;
};
