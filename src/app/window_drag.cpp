#include "app/window_drag.h"

#include <QMouseEvent>
#include <QWidget>

WindowDrag::WindowDrag(QWidget *handle, QWidget *window) : QObject(handle), m_window(window)
{
    handle->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_press = static_cast<QMouseEvent *>(event)->position().toPoint();
        m_held = true;
        break;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_held && (mouse->buttons() & Qt::LeftButton))
            m_window->move(m_window->pos() + mouse->position().toPoint() - m_press);
        break;
    }
    case QEvent::MouseButtonRelease:
        m_held = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
