#pragma once
// The keys of the main window and the clip cutter, one table each. In the
// main window a key that belongs to a menu item acts only while that item is
// enabled, so it follows the command availability rule like the item itself,
// and every menu item of its command shows it. Keys of the job list act only
// while the list has the focus, so the rename box keeps its own. Alt with a
// menu title's underlined letter opens its menu (the skin's access keys), and
// Left or Right in an open menu of the menu row opens the one beside it.
// In the cutter: Space plays and pauses, I and O set the begin and the end,
// Left and Right step 5 seconds, Ctrl+I saves the picture shown.

#include "app/main_commands.h"

#include <QKeyCombination>
#include <functional>
#include <span>

class QWidget;

enum class KeyPlace {
    Window, // anywhere in the window
    List,   // on the job list alone
};

struct MainKey {
    QKeyCombination key;
    MainCommand command;
    KeyPlace place = KeyPlace::Window;
    const char *item = nullptr; // the menu item whose availability it follows; nullptr: none, it always acts
};
std::span<const MainKey> mainKeys();

void addMainKeys(QWidget *window, QWidget *list, const std::function<void(MainCommand)> &run);
void addMenuRowKeys(QWidget *window, bool zuvok, const std::function<void(MainCommand)> &run);
void addCutterKeys(QWidget *cutter, const std::function<void(MainCommand)> &run);
