#include "app/main_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

using C = MainCommand;

const MainKey kMainKeys[] = {
    {Qt::CTRL | Qt::Key_O, C::AddFiles, KeyPlace::Window, "AddFiles2"},
    {Qt::CTRL | Qt::Key_T, C::OpenCutter, KeyPlace::Window, "CutClip1"},
    {Qt::CTRL | Qt::Key_Return, C::StartBatch, KeyPlace::Window, "Convert2"},
    {Qt::CTRL | Qt::Key_P, C::PauseBatch, KeyPlace::Window, "Pause1"},
    // Esc closes menus, pop-ups and dialogs first; in the window, while
    // Stop may act, it asks before stopping.
    {Qt::Key_Escape, C::AskStopBatch, KeyPlace::Window, "Stop2"},
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
    {Qt::Key_Space, MainCommand::CutterTogglePlay},
    {Qt::Key_I, MainCommand::CutterBegin},
    {Qt::Key_O, MainCommand::CutterEnd},
    {Qt::Key_Left, MainCommand::CutterNudgeBack},
    {Qt::Key_Right, MainCommand::CutterNudgeForward},
    {Qt::CTRL | Qt::Key_I, MainCommand::CutterSnapshot},
};

// The menu row from left to right.
const MainCommand kMenuRow[] = {C::FileMenu, C::EditMenu, C::ActionsMenu, C::ToolsMenu, C::HelpMenu};

// Left and Right in the menu of one command of the row: the menu closes and
// its neighbour opens, once this key is done with (Right on an item with a
// submenu opens the submenu instead).
class MenuRowKeys : public QObject {
public:
    MenuRowKeys(QMenu *menu, std::size_t place, std::function<void(MainCommand)> run)
        : QObject(menu),
          m_place(place),
          m_run(std::move(run))
    {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event)->key() : 0;
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        auto *menu = static_cast<QMenu *>(watched);
        // Right on an item with a submenu opens that submenu.
        if (key == Qt::Key_Right && menu->activeAction() && menu->activeAction()->menu())
            return false;
        const std::size_t count = std::size(kMenuRow);
        const MainCommand beside = kMenuRow[(m_place + (key == Qt::Key_Right ? 1 : count - 1)) % count];
        menu->hide();
        QTimer::singleShot(0, this, [run = m_run, beside] { run(beside); });
        return true;
    }

private:
    std::size_t m_place;
    std::function<void(MainCommand)> m_run;
};

// Return also stands for the keypad's Enter.
QList<QKeySequence> sequencesOf(QKeyCombination key)
{
    QList<QKeySequence> sequences{key};
    if (key.key() == Qt::Key_Return)
        sequences.append(QKeyCombination(key.keyboardModifiers() | Qt::KeypadModifier, Qt::Key_Enter));
    return sequences;
}

// Every menu item of the key's command shows it; only the action that
// addMainKeys adds to a widget acts on it.
void showOnMenuItems(QWidget *window, const MainKey &key)
{
    for (const MenuDesign &menu : mainMenus())
        for (const MenuItemDesign &item : menu.items)
            if (item.command == key.command)
                if (auto *action = window->findChild<QAction *>(QString::fromLatin1(item.name)))
                    action->setShortcuts(sequencesOf(key.key));
}

MainCommand commandOfItem(const char *name)
{
    for (const MenuDesign &menu : mainMenus())
        for (const MenuItemDesign &item : menu.items)
            if (item.name && std::strcmp(item.name, name) == 0)
                return item.command;
    return MainCommand::None;
}

} // namespace

std::span<const MainKey> mainKeys()
{
    return kMainKeys;
}

void addMainKeys(QWidget *window, QWidget *list, const std::function<void(MainCommand)> &run)
{
    for (const MainKey &key : mainKeys()) {
        showOnMenuItems(window, key);
        QAction *item = key.item ? window->findChild<QAction *>(QString::fromLatin1(key.item)) : nullptr;
        if (key.item && !item)
            continue;
        // A key of the item's own command acts through the item; another
        // command's key has an action of its own, enabled while the item is.
        QAction *action = item;
        if (!item || commandOfItem(key.item) != key.command) {
            action = new QAction(window);
            QObject::connect(action, &QAction::triggered, window, [run, command = key.command] { run(command); });
            if (item) {
                action->setEnabled(item->isEnabled());
                QObject::connect(item, &QAction::enabledChanged, action, &QAction::setEnabled);
            }
        }
        action->setShortcuts(sequencesOf(key.key));
        action->setShortcutContext(key.place == KeyPlace::List ? Qt::WidgetShortcut : Qt::WindowShortcut);
        (key.place == KeyPlace::List ? list : window)->addAction(action);
    }
}

void addMenuRowKeys(QWidget *window, bool zuvok, const std::function<void(MainCommand)> &run)
{
    for (std::size_t place = 0; place < std::size(kMenuRow); ++place)
        if (auto *menu = window->findChild<QMenu *>(menuPlace(kMenuRow[place], zuvok).menu))
            new MenuRowKeys(menu, place, run);
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
