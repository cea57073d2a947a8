#pragma once
// Which of the main window's commands are available: one rule over the
// situation (list empty, a row selected, previewing, converting), and an
// applier that sets the named menu items, buttons and skin sliders.

#include <QString>
#include <map>
#include <optional>
#include <vector>

class QObject;
class SkinObject;

struct CommandSituation {
    bool listEmpty = true;
    bool rowSelected = false;
    bool previewing = false;
    bool converting = false;
};

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
// none selected, a row selected, previewing, converting; a later one
// overrides an earlier one.
CommandStates commandAvailability(const CommandSituation &situation);

// Sets every named control found among the window's descendants (QAction or
// QWidget by object name) and the enabled state of the given skin sliders,
// redrawing them. Controls the window does not have are skipped.
void applyCommandAvailability(const CommandStates &states, QObject *window,
                              const std::vector<SkinObject *> &skinSliders);
