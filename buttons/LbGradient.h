#pragma once
// The 32 horizontal bands of a button gradient, computed without drawing so that the band
// geometry and colours can be checked natively. The painter fills them in order.

#include "framework/core/Color.h"

#include <array>

namespace lb {

struct LbGradientBand {
    fw::TColor color;  // RGB
    int top;
    int bottom;  // exclusive; bottom <= top means the band is empty
};

constexpr int LbGradientBandCount = 32;

// Bands from rgbStart towards rgbEnd over rows top .. bottom-1. The running channels are doubles
// advanced by (end - start) / 31 per band, and each band takes them truncated; bands overlap when
// the height is not a multiple of 31, a later band covering an earlier one. The last band starts
// at `bottom` and so is always empty: the end colour itself is never painted.
std::array<LbGradientBand, LbGradientBandCount> LbGradientBands(fw::TColor rgbStart, fw::TColor rgbEnd, int top,
                                                                 int bottom);

}  // namespace lb
