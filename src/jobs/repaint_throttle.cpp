#include "jobs/repaint_throttle.h"

#include <QWidget>

RepaintThrottle::RepaintThrottle(QWidget *widget) : m_widget(widget)
{
    m_widget->setUpdatesEnabled(false);
    m_sinceRepaint.start();
}

RepaintThrottle::~RepaintThrottle()
{
    m_widget->setUpdatesEnabled(true);
}

void RepaintThrottle::changed()
{
    if (m_sinceRepaint.elapsed() >= kRepaintIntervalMs)
        flush();
    else
        m_widget->setUpdatesEnabled(false);
}

// Enabling updates asks for one repaint of the whole widget, which the next
// pass of the event loop (a probe's wait, a message box) carries out.
void RepaintThrottle::flush()
{
    m_widget->setUpdatesEnabled(true);
    m_sinceRepaint.restart();
}
