#pragma once
// Scaling for the pixels per inch (DPI) of a display. What a window description or code gives is
// the design: pixels at 96 DPI. On a display of another DPI each design value is scaled on its
// own (left, top, width and height separately), always from the design, never from a value that
// was already scaled and rounded: a window that goes from 96 to 144 to 120 and back to 96 DPI
// ends where it started.
//
// The rounding is MulDiv's (value * dpi / 96, halves away from zero), which Windows and the
// fonts (fw::Font) use, so that every layer agrees on each pixel.

#include "framework/geometry/Geometry.h"

#include <cassert>

namespace fw {

inline constexpr int designDpi = 96;

// value * numerator / denominator rounded to the nearest integer, halves away from zero.
// `denominator` must be positive.
constexpr int mulDivRounded(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    const long long rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
    return static_cast<int>(rounded);
}

// A design value at `dpi`; `dpi` must be positive.
constexpr int scaleForDpi(int value, int dpi)
{
    assert(dpi > 0);
    return mulDivRounded(value, dpi, designDpi);
}

constexpr Rect scaleForDpi(Rect design, int dpi)
{
    return Rect{scaleForDpi(design.left, dpi), scaleForDpi(design.top, dpi), scaleForDpi(design.width, dpi),
                scaleForDpi(design.height, dpi)};
}

// The design value nearest to `value` pixels at `dpi`: for sizes that the user, not the design,
// gave (a sizeable form dragged larger).
constexpr int unscaleFromDpi(int value, int dpi)
{
    assert(dpi > 0);
    return mulDivRounded(value, designDpi, dpi);
}

}  // namespace fw
