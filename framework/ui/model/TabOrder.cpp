#include "framework/ui/model/TabOrder.h"

#include <algorithm>
#include <atomic>
#include <numeric>

namespace fw {

std::optional<std::size_t> nextTabStop(const std::vector<TabStop>& stops, std::optional<std::size_t> current,
                                       TabDirection direction)
{
    std::vector<std::size_t> order(stops.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t one, std::size_t other) {
        if (stops[one].tabOrder != stops[other].tabOrder)
            return stops[one].tabOrder < stops[other].tabOrder;
        return stops[one].madeAt < stops[other].madeAt;
    });
    if (direction == TabDirection::Backward)
        std::reverse(order.begin(), order.end());

    // Where the walk starts: just after the current stop, or at the beginning without one.
    std::size_t start = 0;
    if (current) {
        const auto at = std::find(order.begin(), order.end(), *current);
        if (at != order.end())
            start = static_cast<std::size_t>(at - order.begin()) + 1;
    }
    for (std::size_t step = 0; step < order.size(); ++step) {
        const std::size_t candidate = order[(start + step) % order.size()];
        if (stops[candidate].focusable == Focusable::Yes)
            return candidate;
    }
    return std::nullopt;
}

long long takeCreationNumber()
{
    static std::atomic<long long> last{0};
    return ++last;
}

}  // namespace fw
