// The position arithmetic of the preview: which length the bar spans, the
// rounding to whole seconds, slider and bar values, and sequences of ticks of
// the position timer.

#include "preview/preview_position.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct LengthCase {
    qint32 fullDuration, rowDuration, expected;
};

class PreviewLengthTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(PreviewLengthTest, IsTheFullDurationOrTheRowDurationWhereItIsZero)
{
    EXPECT_EQ(previewLength(GetParam().fullDuration, GetParam().rowDuration), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, PreviewLengthTest,
                         ::testing::Values(LengthCase{600, 150, 600}, // a file cut to 2:30 still plays whole
                                           LengthCase{600, 600, 600}, LengthCase{0, 150, 150}, // a DVD row
                                           LengthCase{600, 0, 600}, LengthCase{0, 0, 0}, LengthCase{-5, -3, 0}));

struct RoundingCase {
    double seconds;
    qint32 expected;
};

class WholeSecondsTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(WholeSecondsTest, RoundsToNearestWithHalvesToEven)
{
    EXPECT_EQ(wholeSeconds(GetParam().seconds), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, WholeSecondsTest,
                         ::testing::Values(RoundingCase{5.4, 5}, RoundingCase{5.6, 6}, RoundingCase{4.5, 4},
                                           RoundingCase{5.5, 6}, RoundingCase{0.04, 0}, RoundingCase{-0.5, 0},
                                           RoundingCase{std::nan(""), 0}, RoundingCase{1e12, 2147483647},
                                           RoundingCase{-1e12, std::numeric_limits<qint32>::min()}));

struct BarCase {
    qint32 second, length, barValue;
};

class PositionBarValueTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(PositionBarValueTest, IsTheShareOfTheLengthInTenThousandths)
{
    EXPECT_EQ(positionBarValue(GetParam().second, GetParam().length), GetParam().barValue);
}

INSTANTIATE_TEST_SUITE_P(Values, PositionBarValueTest,
                         ::testing::Values(BarCase{300, 600, 5000}, BarCase{1, 3, 3333}, BarCase{2, 3, 6667},
                                           BarCase{0, 600, 0}, BarCase{600, 600, 10000},
                                           BarCase{10, 0, 0})); // unknown length: no division by zero

struct SliderCase {
    qint32 sliderValue, length, second;
};

class SliderSecondTest : public ::testing::TestWithParam<SliderCase> {};

TEST_P(SliderSecondTest, IsTheSecondTheSliderStandsFor)
{
    EXPECT_EQ(sliderSecond(GetParam().sliderValue, GetParam().length), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Values, SliderSecondTest,
                         ::testing::Values(SliderCase{5000, 600, 300}, SliderCase{10000, 600, 600},
                                           SliderCase{12000, 600, 600}, SliderCase{1, 600, 0}, SliderCase{9, 600, 1},
                                           SliderCase{5000, 0, 0}));

// One tick: the position the player reported, and what the tick must ask for.
struct Step {
    double reported;
    int shown; // -1: the display stays
    bool endNear = false;
    bool stalled = false;
};

struct TickCase {
    std::string name;
    qint32 length;
    double seekTarget;
    std::vector<Step> steps;
};

void PrintTo(const TickCase &c, std::ostream *out)
{
    *out << c.name;
}

class PreviewTickTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(PreviewTickTest, FollowsThePlayer)
{
    PreviewClock clock;
    clock.seekTarget = GetParam().seekTarget;
    const std::vector<Step> &steps = GetParam().steps;
    for (size_t i = 0; i < steps.size(); ++i) {
        const PreviewTick tick = previewTick(clock, steps[i].reported, GetParam().length);
        EXPECT_EQ(tick.shownSecond.value_or(-1), steps[i].shown) << "tick " << i;
        EXPECT_EQ(tick.endNear, steps[i].endNear) << "tick " << i;
        EXPECT_EQ(tick.stalled, steps[i].stalled) << "tick " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, PreviewTickTest,
    ::testing::Values(
        // The time scale starts at 5.4 s: the display shows elapsed time.
        TickCase{"OffsetTimeScale", 600, 0, {{5.4, 0}, {6.4, 1}, {7.4, 2}, {65.4, 60}}},
        // Nothing reported yet: 00:00:00, and no stall while at the start.
        TickCase{"NothingYet", 600, 0, {{0.0, 0}, {0.0, 0}, {0.0, 0}, {0.0, 0}, {0.5, 0}, {0.5, 0}, {0.5, 0}}},
        // Three ticks in a row without progress stop the preview.
        TickCase{"Stall", 600, 0, {{0.04, 0}, {1.04, 1}, {2.04, 2}, {2.04, -1}, {2.04, -1}, {2.04, -1, false, true}}},
        // The stall count starts again whenever the position moves.
        TickCase{"StallCountRestarts",
                 600,
                 0,
                 {{0.04, 0},
                  {1.04, 1},
                  {2.04, 2},
                  {2.04, -1},
                  {2.04, -1},
                  {3.04, 3},
                  {3.04, -1},
                  {3.04, -1},
                  {4.04, 4},
                  {4.04, -1},
                  {4.04, -1},
                  {4.04, -1, false, true}}},
        // The end test reads the second of the previous tick: length - 1 reached, stop next.
        TickCase{"EndNear", 3, 0, {{0.04, 0}, {1.04, 1}, {2.04, 2}, {3.04, 3, true}}},
        // A 600 s file cut to 150 s plays on past 149 s (the length is the full duration).
        TickCase{"CutFilePlaysOn", 600, 0, {{0.04, 0}, {149.04, 149}, {150.04, 150}, {151.04, 151}}},
        // Unknown length: the tick never ends the preview.
        TickCase{"UnknownLength", 0, 0, {{0.04, 0}, {5.04, 5}, {9.04, 9}}},
        // After a seek to 300 s the display waits for the player to get there.
        TickCase{"WaitsForSeekTarget", 600, 300, {{0.04, -1}, {11.04, -1}, {300.04, 300}, {301.04, 301}}}),
    [](const auto &info) { return info.param.name; });

} // namespace
