#pragma once
// The desktop shell as the program uses it: open a folder or a link in the
// user's file manager or browser, power the machine off after a batch, say
// whether the desktop shows tray icons, show a notification, and keep the
// machine from sleeping while a batch converts.

#include <QString>
#include <functional>

enum class OpenKind { Folder, Link };

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // Why opening failed, in the program's words: "no program to open it is
    // installed", "xdg-open ended with error 3", ...
    using OpenFailed = std::function<void(const QString &why)>;
    // Opens a folder in the file manager or a link in the program the
    // desktop has for it. When that fails, at once or later (the opener's
    // error exit comes after this returns), `failed` is called once.
    virtual void open(OpenKind kind, const QString &target, OpenFailed failed) = 0;
    void openFolder(const QString &folder) { open(OpenKind::Folder, folder, {}); }
    void openLink(const QString &link) { open(OpenKind::Link, link, {}); }
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
