#pragma once
// Which of the main window's commands are available: one rule over the
// situation (list empty, a row selected, previewing, converting, adding),
// keyed by command. Every control shows the state of the command it raises.

#include "app/main_commands.h"
#include "session/command_situation.h"

#include <map>
#include <optional>

// What the rule sets on the controls of one command; an absent value is left
// as it was. Only buttons hide: a menu item shows its enabled state alone.
struct CommandState {
    std::optional<bool> enabled;
    std::optional<bool> visible;
    bool operator==(const CommandState &) const = default;
};

// The commands the rule covers; the others are available at all times (the
// command table still refuses them while busy).
using CommandStates = std::map<MainCommand, CommandState>;

// Applies, in order, the situations that hold: the empty list, rows with
// none selected, a row selected, previewing, converting, adding; a later one
// overrides an earlier one. Start gives its place to Stop while converting.
CommandStates commandAvailability(const CommandSituation &situation);
