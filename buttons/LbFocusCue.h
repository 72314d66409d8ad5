#pragma once
// The focus cue of a button face: the dotted rectangle a Windows push button draws while it has
// the keyboard focus, inside the face, LbFocusCueInset design pixels in from every edge. Its
// dots lie on a checkerboard that starts at its top-left corner: one pixel each at 96 DPI, and
// LbLineWidth(dpi) pixels square and as far apart at higher DPIs, as the face's other lines
// grow. Plain C++; LbPaintFace draws the dots in the caption's colour.

#include "framework/geometry/Geometry.h"

#include <vector>

namespace lb {

inline constexpr int LbFocusCueInset = 3;

// The dots of the cue on a face of width x height pixels at `dpi`; none when the face is too
// small to hold a rectangle inside the inset.
std::vector<fw::Rect> LbFocusCueDots(int width, int height, int dpi);

}  // namespace lb
