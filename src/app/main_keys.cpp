#include "app/main_keys.h"

#include <QAction>
#include <QWidget>

void addMainKeys(QWidget *window, QWidget *list)
{
    if (auto *addFiles = window->findChild<QAction *>(QStringLiteral("AddFiles2"))) {
        addFiles->setShortcut(QKeySequence::Open);
        addFiles->setShortcutContext(Qt::WindowShortcut);
        window->addAction(addFiles);
    }
    // Only on the list itself, so Delete in the rename box edits its text.
    if (auto *remove = window->findChild<QAction *>(QStringLiteral("Remove1"))) {
        remove->setShortcut(QKeySequence::Delete);
        remove->setShortcutContext(Qt::WidgetShortcut);
        list->addAction(remove);
    }
}
