#include "app/window_place.h"

#include "session/app_settings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

QRect restoredPlace(const QRect &stored, QSize least, const QList<QRect> &screens)
{
    if (!stored.isValid())
        return {};
    const auto shows = [&stored](const QRect &screen) { return screen.contains(stored.topLeft()); };
    const auto on = std::find_if(screens.begin(), screens.end(), shows);
    const QRect screen = on != screens.end() ? *on : screens.value(0, stored);
    const QSize size = stored.size().boundedTo(screen.size()).expandedTo(least);
    if (on != screens.end())
        return QRect(stored.topLeft(), size);
    QRect centred(QPoint(), size);
    centred.moveCenter(screen.center());
    return centred;
}

WindowPlaceMemory::WindowPlaceMemory(QWidget *window, AppSettings &settings)
    : QObject(window),
      m_window(window),
      m_settings(settings)
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QRect place = restoredPlace(settings.windowPlace, window->minimumSize(), screens);
    if (place.isValid())
        window->setGeometry(place);
    if (settings.windowMaximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    window->installEventFilter(this);
}

bool WindowPlaceMemory::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_window && m_window->isVisible()
        && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowStateChange)) {
        const Qt::WindowStates state = m_window->windowState();
        m_settings.windowMaximized = state & Qt::WindowMaximized;
        // A maximised or minimised window keeps the place it goes back to.
        if (!(state & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)))
            m_settings.windowPlace = m_window->geometry();
    }
    return QObject::eventFilter(watched, event);
}
