#pragma once
// Run Background: the window goes behind an icon in the notification area
// and comes back when the icon is clicked. Without a notification area the
// icon could never be clicked, so the window goes to the task bar instead.

#include <QObject>

class DesktopShell;
class QSystemTrayIcon;
class QWidget;

class BackgroundMode : public QObject {
public:
    BackgroundMode(QWidget *window, DesktopShell &shell);

    void enter();
    // Nothing until the window first goes to the background.
    QSystemTrayIcon *trayIcon() const { return m_tray; }

private:
    QWidget *m_window;
    DesktopShell &m_shell;
    QSystemTrayIcon *m_tray = nullptr;
};
