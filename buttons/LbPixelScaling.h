#pragma once
// Enlarging the small images of a face (glyph cells, the drop-down arrow) to a control's DPI
// without mixing colours: every target pixel takes the colour of one source pixel, so a
// see-through colour stays exactly that colour and is still skipped when the image is drawn.
// Plain C++; the painter fills the rectangles through the canvas.

#include "framework/core/Color.h"
#include "framework/geometry/RectEdges.h"

#include <span>
#include <vector>

namespace lb {

struct LbColorRect {
    fw::RectEdges area;
    fw::TColor color;
};

// Index of the source pixel nearest to target pixel `target` (centre to centre) when sourceSize
// pixels are spread over targetSize. For a whole factor k (targetSize = k * sourceSize) that is
// target / k: each source pixel becomes k repeated ones. Other factors are nearest neighbour, so
// some source rows or columns come out one pixel wider than others.
int LbNearestSourceIndex(int target, int sourceSize, int targetSize);

// `pixels` (sourceWidth x sourceHeight, row by row from the top) scaled to targetWidth x
// targetHeight, as one-colour rectangles that cover the target exactly once: target rows taken
// from the same source row form one band, and neighbouring pixels of a band with the same colour
// one rectangle. Empty when either size is not positive or `pixels` is too short.
std::vector<LbColorRect> LbScaledColorRects(std::span<const fw::TColor> pixels, int sourceWidth, int sourceHeight,
                                            int targetWidth, int targetHeight);

}  // namespace lb
