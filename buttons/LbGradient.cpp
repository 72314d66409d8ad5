#include "buttons/LbGradient.h"

#include <algorithm>

namespace lb {

std::array<LbGradientBand, LbGradientBandCount> LbGradientBands(fw::TColor rgbStart, fw::TColor rgbEnd, int top,
                                                                 int bottom)
{
    constexpr int steps = LbGradientBandCount - 1;
    double red = fw::redOf(rgbStart);
    double green = fw::greenOf(rgbStart);
    double blue = fw::blueOf(rgbStart);
    const double redStep = (fw::redOf(rgbEnd) - fw::redOf(rgbStart)) / static_cast<double>(steps);
    const double greenStep = (fw::greenOf(rgbEnd) - fw::greenOf(rgbStart)) / static_cast<double>(steps);
    const double blueStep = (fw::blueOf(rgbEnd) - fw::blueOf(rgbStart)) / static_cast<double>(steps);
    // 64-bit products: a band top is top + i * extent / 31, and i * extent must not overflow.
    const long long extent = static_cast<long long>(bottom) - top;
    const long long bandHeight = extent / steps + 1;

    std::array<LbGradientBand, LbGradientBandCount> bands{};
    for (int i = 0; i < LbGradientBandCount; ++i) {
        // Truncation of the running values, not rounding: the colours of a face depend on it.
        bands[i].color = fw::rgb(static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue));
        red += redStep;
        green += greenStep;
        blue += blueStep;
        const long long bandTop = top + (i * extent) / steps;
        bands[i].top = static_cast<int>(bandTop);
        bands[i].bottom = static_cast<int>(std::min<long long>(bandTop + bandHeight, bottom));
    }
    return bands;
}

}  // namespace lb
