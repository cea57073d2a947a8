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

struct SituationCase {
    const char *what;
    CommandSituation situation;
    // AddFiles2, Properties1, Clear2, Pause1, bt_dvdopen, bt_remove, bt_clear, bt_back, bt_play, Bt_Convertstop,
    // play_bar, SelectAll1
    std::array<bool, 12> enabled;
    bool startVisible;
    std::optional<bool> startEnabled;
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
    const char *names[] = {"AddFiles2", "Properties1", "Clear2",  "Pause1",         "bt_dvdopen", "bt_remove",
                           "bt_clear",  "bt_back",     "bt_play", "Bt_Convertstop", "play_bar",   "SelectAll1"};
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(states.at(names[i]).enabled, c.enabled[i]) << names[i];
    // Every member of a table row moves with it.
    for (const char *peer : {"AddFolder2", "bt_ifo"})
        EXPECT_EQ(states.at(peer).enabled, c.enabled[0]) << peer;
    for (const char *peer : {"Remove1", "Rename1"})
        EXPECT_EQ(states.at(peer).enabled, c.enabled[1]) << peer;
    for (const char *peer : {"UnselectAll1", "Convert2", "bt_chapte", "bt_set"})
        EXPECT_EQ(states.at(peer).enabled, c.enabled[11]) << peer;
    EXPECT_EQ(states.at("Stop2").enabled, c.enabled[3]);
    for (const char *peer : {"bt_next", "bt_playstop", "bt_images"})
        EXPECT_EQ(states.at(peer).enabled, c.enabled[7]) << peer;
    EXPECT_EQ(states.at("bt_cut").enabled, c.enabled[8]);
    EXPECT_EQ(states.at("cut_play_bar").enabled, c.enabled[10]);
    EXPECT_EQ(states.at("bt_start").visible, c.startVisible);
    EXPECT_EQ(states.at("bt_start").enabled, c.startEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Situations, Availability,
    ::testing::Values(SituationCase{"empty",
                                    {true, false, false, false},
                                    {on, off, off, off, on, off, off, off, off, off, off, off},
                                    true,
                                    off},
                      SituationCase{"none_selected",
                                    {false, false, false, false},
                                    {on, off, on, off, on, off, on, off, off, off, off, on},
                                    true,
                                    on},
                      SituationCase{"row_selected",
                                    {false, true, false, false},
                                    {on, on, on, off, on, on, on, off, on, off, off, on},
                                    true,
                                    on},
                      SituationCase{"previewing",
                                    {false, true, true, false},
                                    {off, off, off, off, off, off, off, on, off, off, on, off},
                                    true,
                                    off},
                      // Hidden, its enabled state left as the list situation set it.
                      SituationCase{"converting",
                                    {false, true, false, true},
                                    {off, off, off, on, off, off, off, off, off, on, off, off},
                                    false,
                                    on},
                      SituationCase{"converting_empty",
                                    {true, false, false, true},
                                    {off, off, off, on, off, off, off, off, off, on, off, off},
                                    false,
                                    off},
                      // Another add and Clear wait for the add under way; the rest stays as the rows have it.
                      SituationCase{"adding_to_selected",
                                    {false, true, false, false, true},
                                    {off, on, off, off, off, on, off, off, on, off, off, on},
                                    true,
                                    on}),
    [](const ::testing::TestParamInfo<SituationCase> &info) { return std::string(info.param.what); });

TEST(AvailabilityApplier, SetsTheRegisteredActionsAndButtons)
{
    QWidget window;
    auto *start = new QPushButton(&window);
    start->setObjectName("bt_start");
    auto *stop = new QPushButton(&window);
    stop->setObjectName("Bt_Convertstop");
    auto *pause = new QAction(&window);
    pause->setObjectName("Pause1");

    CommandControls controls;
    controls.add(start);
    controls.add(stop);
    controls.add(pause);
    controls.apply(commandAvailability({false, true, false, true}));
    EXPECT_TRUE(start->isHidden());
    EXPECT_TRUE(stop->isEnabled());
    EXPECT_TRUE(pause->isEnabled());

    controls.apply(commandAvailability({false, false, false, false}));
    EXPECT_FALSE(start->isHidden());
    EXPECT_TRUE(start->isEnabled());
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
