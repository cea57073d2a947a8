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
}

void RepaintThrottle::flush()
{
    m_widget->setUpdatesEnabled(true);
    m_widget->repaint();
    m_widget->setUpdatesEnabled(false);
    m_sinceRepaint.restart();
}
