#pragma once
// A face at a control's DPI: its design pixels (its look at 96 DPI) are scaled one by one with
// fw::scaleForDpi, except its lines, which grow by whole pixels only. Plain C++.

#include "framework/geometry/Dpi.h"

#include <algorithm>

namespace lb {

// Width of a line that is one pixel at 96 DPI: scaleForDpi(1, dpi), so one pixel up to 143 DPI,
// two at 144 and 192, three from 240; never less than one, or a frame would vanish at a low DPI.
constexpr int LbLineWidth(int dpi) { return std::max(fw::scaleForDpi(1, dpi), 1); }

}  // namespace lb
