#include "app/background_mode.h"

#include "platform/shell/desktop_shell.h"

#include <QSystemTrayIcon>
#include <QWidget>

namespace {

const QString kTrayToolTip = QStringLiteral("Veltrix Software");

} // namespace

BackgroundMode::BackgroundMode(QWidget *window, DesktopShell &shell) : QObject(window), m_window(window), m_shell(shell)
{}

void BackgroundMode::enter()
{
    // The icon (and the desktop bus it talks over) is made the first time
    // it is needed rather than at start.
    if (!m_tray) {
        m_tray = new QSystemTrayIcon(m_window->windowIcon(), this);
        m_tray->setToolTip(kTrayToolTip.left(63));
        connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            // The left button released on the icon.
            if (reason != QSystemTrayIcon::Trigger)
                return;
            m_window->showNormal();
            m_tray->hide();
        });
    }
    if (!m_shell.hasTray()) {
        m_window->showMinimized();
        return;
    }
    m_tray->show();
    m_window->hide();
}
