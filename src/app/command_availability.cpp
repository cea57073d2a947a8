#include "app/command_availability.h"

#include <array>
#include <vector>

namespace {

using C = MainCommand;

enum Situation { Empty, NoneSelected, RowSelected, Previewing, Converting, Adding, kSituations };

// One column per situation: on, off, or left as the situations before it set it.
enum Cell { On, Off, Kept };

struct Row {
    std::vector<MainCommand> commands;
    std::array<Cell, kSituations> cells;
};

const Row kTable[] = {
    {{C::AddFiles, C::AddFolder, C::AddDvd, C::AddIfo}, {On, On, On, Off, Off, Off}},
    {{C::FileInformation, C::RemoveRows, C::Rename}, {Off, Off, On, Off, Off, Kept}},
    {{C::ClearList}, {Off, On, On, Off, Off, Off}},
    {{C::ExportJobList}, {Off, On, On, Kept, Kept, Off}},
    {{C::CheckAll, C::UncheckAll, C::StartBatch}, {Off, On, On, Off, Off, Kept}},
    {{C::PauseBatch, C::StopBatch}, {Off, Off, Off, Off, On, Kept}},
    {{C::ConvertAgain}, {Off, Off, On, Off, On, Kept}},
    {{C::StepBack, C::StepForward, C::StopPreview, C::Snapshot}, {Off, Off, Off, On, Off, Kept}},
    {{C::StartPreview, C::OpenCutter}, {Off, Off, On, Off, Off, Kept}},
};

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
            for (const MainCommand command : row.commands)
                if (row.cells[s] != Kept)
                    states[command].enabled = row.cells[s] == On;
    }
    states[C::StartBatch].visible = !situation.converting;
    return states;
}
