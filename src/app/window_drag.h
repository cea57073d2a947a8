#pragma once
// Moves a window while the left button drags one of its controls (the
// name banner of a window without a title bar of its own).

#include <QObject>
#include <QPoint>

class QWidget;

class WindowDrag : public QObject {
public:
    // Watches `handle`; drags move `window`.
    WindowDrag(QWidget *handle, QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_held = false;
    QPoint m_press;
};
