#include "app/main_keys.h"

#include <QAction>
#include <QWidget>

namespace {

struct CutterKey {
    QKeyCombination key;
    MainCommand command;
};

const CutterKey kCutterKeys[] = {
    {Qt::Key_Space, MainCommand::CutterTogglePlay},
    {Qt::Key_I, MainCommand::CutterBegin},
    {Qt::Key_O, MainCommand::CutterEnd},
    {Qt::Key_Left, MainCommand::CutterNudgeBack},
    {Qt::Key_Right, MainCommand::CutterNudgeForward},
    {Qt::CTRL | Qt::Key_I, MainCommand::CutterSnapshot},
};

void addWindowKey(QWidget *window, const char *actionName, QKeySequence key)
{
    if (auto *action = window->findChild<QAction *>(QString::fromLatin1(actionName))) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
}

} // namespace

void addMainKeys(QWidget *window, QWidget *list)
{
    addWindowKey(window, "AddFiles2", QKeySequence::Open);
    addWindowKey(window, "CutClip1", QKeySequence(Qt::CTRL | Qt::Key_T));
    // Only on the list itself, so Delete in the rename box edits its text.
    if (auto *remove = window->findChild<QAction *>(QStringLiteral("Remove1"))) {
        remove->setShortcut(QKeySequence::Delete);
        remove->setShortcutContext(Qt::WidgetShortcut);
        list->addAction(remove);
    }
}

// The keys win over the cutter's list, which would take Space and the arrows
// for its check marks and columns.
void addCutterKeys(QWidget *cutter, const std::function<void(MainCommand)> &run)
{
    for (const CutterKey &key : kCutterKeys) {
        auto *action = new QAction(cutter);
        action->setShortcut(key.key);
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, cutter, [run, command = key.command] { run(command); });
        cutter->addAction(action);
    }
}
