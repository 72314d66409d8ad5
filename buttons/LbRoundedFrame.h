#pragma once
// The rounded outline of a bsModern face when its line is wider than one pixel. A canvas pen is
// one pixel wide, and rings of one-pixel arcs drawn one inside the other leave holes between them
// on the diagonals, so the outline is computed here as rectangles to fill. Plain C++.

#include "framework/geometry/RectEdges.h"

#include <vector>

namespace lb {

// The pixels of an outline lineWidth pixels wide along the edges of a width x height face, its
// corners arcs of a circle cornerDiameter pixels across (the corners of
// RoundRect(0, 0, width, height, cornerDiameter, cornerDiameter)). A pixel belongs to it when its
// centre lies inside the outer edge and not inside the inner edge, lineWidth further in; the
// outer lineWidth rows and columns between the arcs are all outline. Pixels outside the arcs are
// not in it: they keep the key colour. Rows from the top, each pixel in at most one rectangle.
std::vector<fw::RectEdges> LbRoundedFrameRects(int width, int height, int cornerDiameter, int lineWidth);

}  // namespace lb
