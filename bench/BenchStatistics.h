#pragma once
// Timing for the benchmarks: a figure is measured many times and reported as its median with the
// fastest and slowest run, next to a floor measured the same way in the same run. Only ratios
// measured side by side mean anything on a shared, noisy machine.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Figure {
    double median = 0;
    double fastest = 0;
    double slowest = 0;
};

inline Figure summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    if (samples.empty())
        return {};
    return {samples[samples.size() / 2], samples.front(), samples.back()};
}

// Runs `work` `count` times and returns the time of each run in microseconds; `settle` runs
// before each timing and is not counted.
inline std::vector<double> timeRuns(int count, const std::function<void()>& work, const std::function<void()>& settle = {})
{
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (int run = 0; run < count; ++run) {
        if (settle)
            settle();
        const auto start = std::chrono::steady_clock::now();
        work();
        samples.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    return samples;
}

inline void printHeader()
{
    std::printf("%-46s %12s %19s %12s %8s  %s\n", "figure", "median", "(fastest-slowest)", "floor", "ratio", "goal");
}

// One line of the table; values in `unit`.
inline void printRow(const std::string& name, const Figure& figure, const Figure& floor, const char* unit,
                     const std::string& goal)
{
    char range[64];
    std::snprintf(range, sizeof range, "(%.1f-%.1f)", figure.fastest, figure.slowest);
    std::printf("%-46s %9.1f %-2s %19s %9.1f %-2s %7.2fx  %s\n", name.c_str(), figure.median, unit, range, floor.median,
                unit, floor.median > 0 ? figure.median / floor.median : 0.0, goal.c_str());
}

}  // namespace bench
