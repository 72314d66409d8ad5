#pragma once
// The Tab order of a form: the rule that Tab and Shift+Tab follow, in plain C++.
//
// A form's tab stops, window-less and windowed together, are visited by ascending TabOrder;
// those with the same TabOrder in the order they were made. Tab goes forwards and Shift+Tab
// backwards, round from the last to the first; stops that cannot take the focus now (hidden,
// disabled) are passed over. With no stop focused, Tab goes to the first and Shift+Tab to the
// last.

#include <cstddef>
#include <optional>
#include <vector>

namespace fw {

enum class TabDirection { Forward, Backward };
// Whether a stop can take the focus now.
enum class Focusable { Yes, No };

struct TabStop {
    int tabOrder = 0;
    long long madeAt = 0;  // a creation number (takeCreationNumber), or larger for strangers
    Focusable focusable = Focusable::Yes;
};

// The index in `stops` of the stop that the key moves to from `current` (an index in `stops`, or
// none when no stop has the focus); none when no stop can take the focus. The current stop is
// the answer only when it is the one stop that can.
std::optional<std::size_t> nextTabStop(const std::vector<TabStop>& stops, std::optional<std::size_t> current,
                                       TabDirection direction);

// A number for each control and window made, rising: what "in the order they were made" compares.
long long takeCreationNumber();

}  // namespace fw
