#include "app/main_keys.h"

#include <QAction>
#include <QWidget>

namespace {

using C = MainCommand;

const MainKey kMainKeys[] = {
    {Qt::CTRL | Qt::Key_O, C::AddFiles, KeyPlace::Window, "AddFiles2"},
    {Qt::CTRL | Qt::Key_T, C::OpenCutter, KeyPlace::Window, "CutClip1"},
    {Qt::CTRL | Qt::Key_Return, C::StartBatch, KeyPlace::Window, "Convert2"},
    {Qt::CTRL | Qt::Key_P, C::PauseBatch, KeyPlace::Window, "Pause1"},
    {Qt::Key_Escape, C::StopBatch, KeyPlace::Window, "Stop2"},
    {Qt::Key_F10, C::FileMenu},
    {Qt::Key_Return, C::FileInformation, KeyPlace::List, "Properties1"},
    {Qt::Key_F2, C::Rename, KeyPlace::List, "Rename1"},
    {Qt::Key_Delete, C::RemoveRows, KeyPlace::List, "Remove1"},
};

struct CutterKey {
    QKeyCombination key;
    MainCommand command;
};

const CutterKey kCutterKeys[] = {
    {Qt::Key_Space, C::CutterTogglePlay},
    {Qt::Key_I, C::CutterBegin},
    {Qt::Key_O, C::CutterEnd},
    {Qt::Key_Left, C::CutterNudgeBack},
    {Qt::Key_Right, C::CutterNudgeForward},
    {Qt::CTRL | Qt::Key_I, C::CutterSnapshot},
};

// Return also stands for the keypad's Enter.
QList<QKeySequence> sequencesOf(QKeyCombination key)
{
    QList<QKeySequence> sequences{key};
    if (key.key() == Qt::Key_Return)
        sequences.append(QKeyCombination(key.keyboardModifiers() | Qt::KeypadModifier, Qt::Key_Enter));
    return sequences;
}

// The menu items of the command show its key; only `bound` acts on it.
void showOnMenuItems(QWidget *window, const MainKey &key)
{
    for (const MenuDesign &menu : mainMenus())
        for (const MenuItemDesign &item : menu.items)
            if (item.command == key.command)
                if (auto *action = window->findChild<QAction *>(QString::fromLatin1(item.name)))
                    action->setShortcuts(sequencesOf(key.key));
}

} // namespace

std::span<const MainKey> mainKeys()
{
    return kMainKeys;
}

void addMainKeys(QWidget *window, QWidget *list, const std::function<void(MainCommand)> &run)
{
    for (const MainKey &key : kMainKeys) {
        showOnMenuItems(window, key);
        QAction *action = key.item ? window->findChild<QAction *>(QString::fromLatin1(key.item)) : new QAction(window);
        if (!action)
            continue;
        if (!key.item)
            QObject::connect(action, &QAction::triggered, window, [run, command = key.command] { run(command); });
        action->setShortcuts(sequencesOf(key.key));
        action->setShortcutContext(key.place == KeyPlace::List ? Qt::WidgetShortcut : Qt::WindowShortcut);
        (key.place == KeyPlace::List ? list : window)->addAction(action);
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
