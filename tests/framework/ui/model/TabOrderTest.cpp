// The Tab order: ascending TabOrder, ties in the order made, round at either end, stops that
// cannot take the focus passed over.

#include "framework/ui/model/TabOrder.h"

#include <gtest/gtest.h>

namespace {

using fw::Focusable;
using fw::TabDirection;
using fw::TabStop;

// Listed out of order on purpose: the walk follows TabOrder, then the creation number.
//   index:          0           1           2           3
//   (order, made):  (1, 5)      (0, 9)      (0, 2)      (2, 1)
//   Tab order:      2 -> 1 -> 0 -> 3
std::vector<TabStop> fourStops()
{
    return {TabStop{1, 5}, TabStop{0, 9}, TabStop{0, 2}, TabStop{2, 1}};
}

TEST(TabOrder, FollowsTabOrderThenCreationAndGoesRound)
{
    struct Case {
        std::optional<std::size_t> from;
        TabDirection direction;
        std::optional<std::size_t> expected;
    };
    const Case cases[] = {
        {std::nullopt, TabDirection::Forward, 2},  // nothing focused: the first
        {std::nullopt, TabDirection::Backward, 3}, // ... or the last
        {2, TabDirection::Forward, 1},             // a tie goes by creation
        {1, TabDirection::Forward, 0},
        {0, TabDirection::Forward, 3},
        {3, TabDirection::Forward, 2},             // round from the last to the first
        {2, TabDirection::Backward, 3},            // and back
        {0, TabDirection::Backward, 1},
    };
    for (const Case& each : cases)
        EXPECT_EQ(fw::nextTabStop(fourStops(), each.from, each.direction), each.expected)
            << "from " << (each.from ? std::to_string(*each.from) : "none") << ", "
            << (each.direction == TabDirection::Forward ? "Tab" : "Shift+Tab");
}

TEST(TabOrder, PassesOverStopsThatCannotTakeTheFocus)
{
    std::vector<TabStop> stops = fourStops();
    stops[1].focusable = Focusable::No;
    stops[0].focusable = Focusable::No;
    EXPECT_EQ(fw::nextTabStop(stops, 2, TabDirection::Forward), 3u);
    EXPECT_EQ(fw::nextTabStop(stops, 3, TabDirection::Backward), 2u);
    // A stop that can no longer take the focus still says where the walk starts.
    EXPECT_EQ(fw::nextTabStop(stops, 1, TabDirection::Forward), 3u);
}

TEST(TabOrder, TheOnlyFocusableStopKeepsTheFocusAndNoneGivesNothing)
{
    std::vector<TabStop> stops = fourStops();
    for (TabStop& stop : stops)
        stop.focusable = Focusable::No;
    EXPECT_EQ(fw::nextTabStop(stops, std::nullopt, TabDirection::Forward), std::nullopt);
    EXPECT_EQ(fw::nextTabStop({}, std::nullopt, TabDirection::Backward), std::nullopt);
    stops[0].focusable = Focusable::Yes;
    EXPECT_EQ(fw::nextTabStop(stops, 0, TabDirection::Forward), 0u);
    EXPECT_EQ(fw::nextTabStop(stops, 0, TabDirection::Backward), 0u);
}

}  // namespace
