#pragma once
// Which of the main window's commands are available: one rule over the
// situation (list empty, a row selected, previewing, converting, adding).
// The window applies the result to its controls.

#include "session/command_situation.h"

#include <QString>
#include <map>
#include <optional>

// What the rule sets on one control; an absent value is left as it was.
struct ControlState {
    std::optional<bool> enabled;
    std::optional<bool> visible;
    bool operator==(const ControlState &) const = default;
};

// Keyed by object name: the menu items (QAction), the image buttons and the
// skin sliders "play_bar" and "cut_play_bar".
using CommandStates = std::map<QString, ControlState>;

// Applies, in order, the situations that hold: the empty list, rows with
// none selected, a row selected, previewing, converting, adding; a later one
// overrides an earlier one.
CommandStates commandAvailability(const CommandSituation &situation);
