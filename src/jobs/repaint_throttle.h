#pragma once
// Holds back the repaints of a widget while a long run of changes goes on
// (rows added one by one, each after a probe), letting one through at most
// every kRepaintIntervalMs; everything shows again when the throttle ends.

#include <QElapsedTimer>

class QWidget;

inline constexpr int kRepaintIntervalMs = 250;

class RepaintThrottle {
public:
    explicit RepaintThrottle(QWidget *widget);
    ~RepaintThrottle();
    RepaintThrottle(const RepaintThrottle &) = delete;
    RepaintThrottle &operator=(const RepaintThrottle &) = delete;

    // A change happened: lets the repaint through when the last one is old
    // enough, and holds it back otherwise.
    void changed();
    // Lets the repaint through, e.g. before a message box covers the window.
    void flush();

private:
    QWidget *m_widget;
    QElapsedTimer m_sinceRepaint;
};
