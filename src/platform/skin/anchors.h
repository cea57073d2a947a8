#pragma once
// Anchors keep a control where it belongs when its window grows beyond the
// size it was designed for: an edge anchored to the window's matching edge
// keeps its distance to it. Anchored to both edges of an axis, the control
// stretches with the window; anchored to the far edge only, it moves; to the
// near edge only (the default: left and top), it stays.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

// The place in a window of `size` of a rectangle designed at `design` in a
// window of `designSize`. `full` is the extent along each axis that the
// rectangle stretches from when it is anchored to both edges of it: a part
// of that extent (a fill bar showing a value) stretches in proportion, so the
// bar keeps showing the same value. An empty `full` means `design` itself.
QRect anchoredRect(const QRect &design, Qt::Edges anchors, const QSize &designSize, const QSize &size,
                   const QRect &full = QRect());

// Keeps a window's child controls anchored: each is placed again whenever
// the window is resized. A control moved by the program is anchored again,
// at whatever size the window has then.
class AnchoredControls : public QObject {
public:
    AnchoredControls(QWidget *window, QSize designSize);

    // Takes the control's current geometry, in the window's current size,
    // as its place from now on.
    void anchor(QWidget *control, Qt::Edges anchors);
    QSize designSize() const { return m_designSize; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Anchored {
        QPointer<QWidget> control;
        QRect design;
        Qt::Edges anchors;
    };
    void place(const Anchored &anchored) const;

    QWidget *m_window;
    QSize m_designSize;
    std::vector<Anchored> m_controls;
};
