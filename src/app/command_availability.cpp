#include "app/command_availability.h"

#include <array>

namespace {

enum Situation { Empty, NoneSelected, RowSelected, Previewing, Converting, Adding, kSituations };

// One column per situation: on, off, hidden with the enabled state kept, or
// left as the situations before it set it.
enum Cell { On, Off, HiddenKept, Kept };

struct Row {
    std::vector<const char *> controls;
    std::array<Cell, kSituations> cells;
};

const Row kTable[] = {
    {{"AddFiles2", "AddFolder2", "bt_dvdopen", "bt_ifo"}, {On, On, On, Off, Off, Off}},
    {{"Properties1", "Remove1", "Rename1", "bt_remove"}, {Off, Off, On, Off, Off, Kept}},
    {{"Clear2", "bt_clear"}, {Off, On, On, Off, Off, Off}},
    {{"SelectAll1", "UnselectAll1", "Convert2", "bt_chapte", "bt_set"}, {Off, On, On, Off, Off, Kept}},
    {{"Pause1", "Stop2", "Bt_Convertstop"}, {Off, Off, Off, Off, On, Kept}},
    {{"ConvertAgain1"}, {Off, Off, On, Off, On, Kept}},
    {{"bt_back", "bt_next", "bt_playstop", "bt_images", "play_bar", "cut_play_bar"}, {Off, Off, Off, On, Off, Kept}},
    {{"bt_play", "bt_cut"}, {Off, Off, On, Off, Off, Kept}},
};
// `bt_start` is shown in every situation but converting, which hides it.
const std::array<Cell, kSituations> kStartButton = {Off, On, On, Off, HiddenKept, Kept};

void setCell(CommandStates &states, const QString &name, Cell cell, bool showable)
{
    if (cell == Kept)
        return;
    ControlState &state = states[name];
    if (cell == HiddenKept) {
        state.visible = false;
        return;
    }
    state.enabled = cell == On;
    if (showable)
        state.visible = true;
}

} // namespace

CommandStates commandAvailability(const CommandSituation &situation)
{
    const std::array<bool, kSituations> holds = {situation.listEmpty,
                                                 !situation.listEmpty && !situation.rowSelected,
                                                 !situation.listEmpty && situation.rowSelected,
                                                 situation.previewing,
                                                 situation.converting,
                                                 situation.adding};
    CommandStates states;
    for (int s = 0; s < kSituations; ++s) {
        if (!holds[s])
            continue;
        for (const Row &row : kTable)
            for (const char *name : row.controls)
                setCell(states, QString::fromLatin1(name), row.cells[s], false);
        setCell(states, QStringLiteral("bt_start"), kStartButton[s], true);
    }
    return states;
}
