// Anchored places in a window grown from 781 x 558 to 1000 x 700.

#include "platform/skin/anchors.h"

#include <gtest/gtest.h>

namespace {

TEST(Anchors, EachEdgeKeepsItsDistanceToTheWindowEdgeItIsAnchoredTo)
{
    constexpr Qt::Edges kAll = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;
    const QRect bar(33, 509, 715, 6);
    const struct {
        QRect design;
        Qt::Edges anchors;
        QRect full, placed;
    } cases[] = {
        {{10, 20, 30, 40}, Qt::LeftEdge | Qt::TopEdge, {}, {10, 20, 30, 40}},
        {{729, 99, 48, 331}, Qt::RightEdge | Qt::TopEdge | Qt::BottomEdge, {}, {948, 99, 48, 473}},
        {{14, 447, 76, 24}, Qt::LeftEdge | Qt::BottomEdge, {}, {14, 589, 76, 24}},
        {{5, 99, 722, 331}, kAll, {}, {5, 99, 941, 473}},
        // A bar at half its value stays at half over its stretched width.
        {{33, 509, 357, 6}, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge, bar, {33, 651, 466, 6}},
        {{33, 509, 0, 6}, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge, bar, {33, 651, 0, 6}},
        // No edge of an axis: it stays where it is on that axis.
        {{100, 100, 50, 50}, Qt::Edges(), {}, {100, 100, 50, 50}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(anchoredRect(c.design, c.anchors, {781, 558}, {1000, 700}, c.full), c.placed) << c.design.x();
}

} // namespace
