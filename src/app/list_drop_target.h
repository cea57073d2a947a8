#pragma once
// Takes drops of files and folders on a list view: the view shows that it
// accepts local files while they are dragged over it, and a drop hands their
// paths on. Dragged rows and anything that is no local file are refused.

#include <QObject>
#include <QStringList>

class QAbstractItemView;
class QMimeData;

// The local paths a drag carries, in order; empty when it carries none.
QStringList droppedPaths(const QMimeData &data);

class ListDropTarget : public QObject {
    Q_OBJECT
public:
    explicit ListDropTarget(QAbstractItemView *view);

signals:
    void pathsDropped(const QStringList &paths);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
