#include "buttons/LbFocusCue.h"

#include "buttons/LbDpiScale.h"

#include <algorithm>

namespace lb {

std::vector<fw::Rect> LbFocusCueDots(int width, int height, int dpi)
{
    const int inset = fw::scaleForDpi(LbFocusCueInset, dpi);
    const int dot = LbLineWidth(dpi);
    const int left = inset;
    const int top = inset;
    const int right = width - inset;  // exclusive, as the face's other rectangles
    const int bottom = height - inset;
    std::vector<fw::Rect> dots;
    if (right - left < dot || bottom - top < dot)
        return dots;
    // Whether the cell at (x, y) is dark on a checkerboard of dot-sized cells from (left, top).
    const auto isOnBoard = [&](int x, int y) { return ((x - left) / dot + (y - top) / dot) % 2 == 0; };
    const auto add = [&](int x, int y) {
        if (isOnBoard(x, y))
            dots.push_back(fw::Rect{x, y, std::min(dot, right - x), std::min(dot, bottom - y)});
    };
    const int lastRow = top + (bottom - top - dot) / dot * dot;
    const int lastColumn = left + (right - left - dot) / dot * dot;
    for (int x = left; x < right; x += dot) {
        add(x, top);
        if (lastRow != top)
            add(x, lastRow);
    }
    for (int y = top + dot; y < lastRow; y += dot) {
        add(left, y);
        if (lastColumn != left)
            add(lastColumn, y);
    }
    return dots;
}

}  // namespace lb
