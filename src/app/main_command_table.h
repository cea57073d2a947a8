#pragma once
// The command table of the main window: one row per command with the busy
// states that refuse it (told to the user in one place, before the
// handler runs), its handler and the skin objects that raise it. Which
// controls offer a command at a moment is the command availability rule's,
// shown on every control that raises the command.

#include "app/main_commands.h"
#include "engine/busy_state.h"

#include <array>

class ConverterSession;
class Tfm_main;

// What a handler acts on: the session and the window that shows it.
struct MainCommandContext {
    ConverterSession &session;
    Tfm_main &window;
};

struct MainCommandRow {
    MainCommand command;
    BusySet refusedWhile;
    void (*handler)(const MainCommandContext &context);
    std::array<const char *, 2> skinObjects{}; // the skin objects whose click raises it
};

// The row of a command; nullptr for MainCommand::None.
const MainCommandRow *mainCommandRow(MainCommand command);
// The command of a click on the named skin object (names compare exactly);
// None for any other name.
MainCommand skinClickCommand(const QString &objectName);
