// The command availability rule in its six situations, and its applier on
// real widgets and actions.

#include "app/command_availability.h"
#include "app/command_controls.h"
#include "engine/busy_state.h"

#include <QAction>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

constexpr bool on = true, off = false;
using C = MainCommand;

// One command of each row of the rule, and the commands that move with it.
const std::vector<std::vector<C>> kRows = {
    {C::AddFiles, C::AddFolder, C::AddDvd, C::AddIfo},
    {C::FileInformation, C::RemoveRows, C::Rename},
    {C::ClearList},
    {C::PauseBatch, C::StopBatch},
    {C::StepBack, C::StepForward, C::StopPreview, C::Snapshot},
    {C::StartPreview, C::OpenCutter},
    {C::CheckAll, C::UncheckAll, C::StartBatch},
    {C::ConvertAgain},
};

struct SituationCase {
    const char *what;
    CommandSituation situation;
    std::array<bool, 8> enabled; // by row of kRows
    bool startVisible;
};

void PrintTo(const SituationCase &c, std::ostream *os)
{
    *os << c.what;
}

class Availability : public ::testing::TestWithParam<SituationCase> {};

TEST_P(Availability, FollowsTheTable)
{
    const SituationCase &c = GetParam();
    const CommandStates states = commandAvailability(c.situation);
    for (size_t row = 0; row < kRows.size(); ++row)
        for (const C command : kRows[row])
            EXPECT_EQ(states.at(command).enabled, c.enabled[row]) << "row " << row << ", command " << int(command);
    EXPECT_EQ(states.at(C::StartBatch).visible, c.startVisible);
    // Settings and the menus are offered in every situation.
    EXPECT_FALSE(states.contains(C::SettingsDialog) || states.contains(C::FileMenu));
}

INSTANTIATE_TEST_SUITE_P(
    Situations, Availability,
    ::testing::Values(
        SituationCase{"empty", {true, false, false, false}, {on, off, off, off, off, off, off, off}, true},
        SituationCase{"none_selected", {false, false, false, false}, {on, off, on, off, off, off, on, off}, true},
        SituationCase{"row_selected", {false, true, false, false}, {on, on, on, off, off, on, on, on}, true},
        SituationCase{"previewing", {false, true, true, false}, {off, off, off, off, on, off, off, off}, true},
        SituationCase{"converting", {false, true, false, true}, {off, off, off, on, off, off, off, on}, false},
        SituationCase{"converting_empty", {true, false, false, true}, {off, off, off, on, off, off, off, on}, false},
        // Another add and Clear wait for the add under way; the rest stays as the rows have it.
        SituationCase{
            "adding_to_selected", {false, true, false, false, true}, {off, on, off, off, off, on, on, on}, true}),
    [](const ::testing::TestParamInfo<SituationCase> &info) { return std::string(info.param.what); });

TEST(AvailabilityApplier, ShowsEachCommandsStateOnEveryControlThatRaisesIt)
{
    QWidget window;
    auto *start = new QPushButton(&window);
    auto *stop = new QPushButton(&window);
    auto *convert = new QAction(&window);
    auto *pause = new QAction(&window);

    CommandControls controls;
    controls.add(C::StartBatch, start);
    controls.add(C::StartBatch, convert);
    controls.add(C::StopBatch, stop);
    controls.add(C::PauseBatch, pause);
    controls.apply(commandAvailability({false, true, false, true}));
    EXPECT_TRUE(start->isHidden());
    EXPECT_FALSE(convert->isEnabled());
    EXPECT_TRUE(convert->isVisible()) << "a menu item never hides";
    EXPECT_TRUE(stop->isEnabled());
    EXPECT_TRUE(pause->isEnabled());

    controls.apply(commandAvailability({false, false, false, false}));
    EXPECT_FALSE(start->isHidden());
    EXPECT_TRUE(start->isEnabled() && convert->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    EXPECT_FALSE(pause->isEnabled());
}

// The busy state tells a change once, and names the state that refuses a
// command: previewing before converting before the cutter.
TEST(BusyState, TellsEachChangeOnceAndRefusesByTheFirstStateThatHolds)
{
    BusyState busy;
    int changes = 0;
    QObject::connect(&busy, &BusyState::changed, [&] { ++changes; });
    busy.set(Busy::Converting, true);
    busy.set(Busy::Converting, true);
    busy.set(Busy::CutterOpen, true);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(busy.refusal(Busy::Previewing | Busy::Converting), Busy::Converting);
    EXPECT_EQ(busy.refusal(static_cast<BusySet>(Busy::Previewing)), std::nullopt);
    busy.set(Busy::Previewing, true);
    EXPECT_EQ(busy.refusal(Busy::Previewing | Busy::Converting), Busy::Previewing);
    EXPECT_EQ(busy.refusal(0), std::nullopt);
    busy.set(Busy::Converting, false);
    EXPECT_FALSE(busy.converting());
    EXPECT_TRUE(busy.previewing() && busy.cutterOpen());
    EXPECT_EQ(changes, 4);
}

} // namespace
