// The clip cutter's rules: marks that would leave a clip empty or reversed
// are refused, and the 30-second steps stop at the edges.

#include "preview/clip_marks.h"

#include <gtest/gtest.h>

namespace {

struct MarkCase {
    ClipRange range;
    qint32 second;
    std::optional<ClipRange> begin; // after marking the begin there
    std::optional<ClipRange> end;   // after marking the end there
};

class ClipMarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(ClipMarkTest, KeepsTheBeginBeforeTheEnd)
{
    EXPECT_EQ(withBegin(GetParam().range, GetParam().second), GetParam().begin);
    EXPECT_EQ(withEnd(GetParam().range, GetParam().second), GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(Marks, ClipMarkTest,
                         ::testing::Values(MarkCase{{0, 600}, 60, ClipRange{60, 600}, ClipRange{0, 60}},
                                           MarkCase{{60, 210}, 90, ClipRange{90, 210}, ClipRange{60, 90}},
                                           // Past the end, or before the begin: refused.
                                           MarkCase{{60, 90}, 120, std::nullopt, ClipRange{60, 120}},
                                           MarkCase{{60, 90}, 30, ClipRange{30, 90}, std::nullopt},
                                           // On the other bound: the clip would be empty.
                                           MarkCase{{60, 90}, 90, std::nullopt, ClipRange{60, 90}},
                                           MarkCase{{60, 90}, 60, ClipRange{60, 90}, std::nullopt},
                                           // A DVD row with no length known.
                                           MarkCase{{0, 0}, 0, std::nullopt, std::nullopt}));

TEST(ClipLength, IsNeverNegative)
{
    EXPECT_EQ(clipLength({60, 210}), 150);
    EXPECT_EQ(clipLength({0, 0}), 0);
    EXPECT_EQ(clipLength({90, 60}), 0);
}

// A mark is the hundredth at or before the frame's time, so a conversion
// starting there starts on that frame; DVD rows mark whole seconds.
TEST(ClipMark, TakesTheHundredthAtOrBeforeTheFrame)
{
    EXPECT_EQ(markAt(5.92, false), 592);
    EXPECT_EQ(markAt(5.9199999, false), 592);
    EXPECT_EQ(markAt(5.96667, false), 596);
    EXPECT_EQ(markAt(5.92, true), 500);
    EXPECT_EQ(markAt(-0.02, false), 0);
}

struct StepCase {
    qint32 shown;
    qint32 length;
    std::optional<qint32> back;
    std::optional<qint32> forward;
};

class CutterStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(CutterStepTest, MovesThirtySecondsWithinTheClip)
{
    EXPECT_EQ(stepBackTarget(GetParam().shown), GetParam().back);
    EXPECT_EQ(stepForwardTarget(GetParam().shown, GetParam().length), GetParam().forward);
}

INSTANTIATE_TEST_SUITE_P(Steps, CutterStepTest,
                         ::testing::Values(StepCase{20, 600, std::nullopt, 50}, StepCase{30, 600, std::nullopt, 60},
                                           StepCase{31, 600, 1, 61}, StepCase{575, 600, 545, std::nullopt},
                                           StepCase{569, 600, 539, 599}, StepCase{0, 0, std::nullopt, std::nullopt}));

} // namespace
