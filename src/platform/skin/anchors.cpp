#include "platform/skin/anchors.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace {

struct Span {
    int start, end; // end exclusive
};

// One axis of anchoredRect: `grow` is how much the window grew along it.
Span anchoredSpan(Span design, bool nearEdge, bool farEdge, int grow, Span full)
{
    if (farEdge && !nearEdge)
        return {design.start + grow, design.end + grow};
    if (!farEdge)
        return design;
    const int fullExtent = full.end - full.start;
    const auto stretched = [&](int at) {
        const qint64 offset = at - full.start;
        return full.start + int(fullExtent > 0 ? offset * (fullExtent + grow) / fullExtent : offset + grow);
    };
    return {stretched(design.start), stretched(design.end)};
}

} // namespace

QRect anchoredRect(const QRect &design, Qt::Edges anchors, const QSize &designSize, const QSize &size,
                   const QRect &full)
{
    const QRect frame = full.isNull() ? design : full;
    const Span x =
        anchoredSpan({design.left(), design.left() + design.width()}, anchors & Qt::LeftEdge, anchors & Qt::RightEdge,
                     size.width() - designSize.width(), {frame.left(), frame.left() + frame.width()});
    const Span y =
        anchoredSpan({design.top(), design.top() + design.height()}, anchors & Qt::TopEdge, anchors & Qt::BottomEdge,
                     size.height() - designSize.height(), {frame.top(), frame.top() + frame.height()});
    return QRect(x.start, y.start, x.end - x.start, y.end - y.start);
}

AnchoredControls::AnchoredControls(QWidget *window, QSize designSize)
    : QObject(window),
      m_window(window),
      m_designSize(designSize)
{
    window->installEventFilter(this);
}

void AnchoredControls::anchor(QWidget *control, Qt::Edges anchors)
{
    std::erase_if(m_controls, [control](const Anchored &anchored) { return anchored.control == control; });
    // The design place is the one that the current size places here.
    const QSize grown = m_window->size() - m_designSize;
    QRect design = control->geometry();
    if (anchors & Qt::RightEdge)
        design.adjust(anchors & Qt::LeftEdge ? 0 : -grown.width(), 0, -grown.width(), 0);
    if (anchors & Qt::BottomEdge)
        design.adjust(0, anchors & Qt::TopEdge ? 0 : -grown.height(), 0, -grown.height());
    m_controls.push_back({control, design, anchors});
}

bool AnchoredControls::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize)
        for (const Anchored &anchored : m_controls)
            place(anchored);
    return QObject::eventFilter(watched, event);
}

void AnchoredControls::place(const Anchored &anchored) const
{
    if (anchored.control)
        anchored.control->setGeometry(anchoredRect(anchored.design, anchored.anchors, m_designSize, m_window->size()));
}
