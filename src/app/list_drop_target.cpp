#include "app/list_drop_target.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

QStringList droppedPaths(const QMimeData &data)
{
    QStringList paths;
    for (const QUrl &url : data.urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

ListDropTarget::ListDropTarget(QAbstractItemView *view) : QObject(view)
{
    view->setAcceptDrops(true);
    view->viewport()->setAcceptDrops(true);
    // The view's own drag handling knows only its rows; files are seen first here.
    view->viewport()->installEventFilter(this);
}

bool ListDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (!drag->mimeData() || droppedPaths(*drag->mimeData()).isEmpty())
            return QObject::eventFilter(watched, event);
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = drop->mimeData() ? droppedPaths(*drop->mimeData()) : QStringList();
        if (paths.isEmpty())
            return QObject::eventFilter(watched, event);
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        emit pathsDropped(paths);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
