#include "buttons/LbRoundedFrame.h"

#include <algorithm>

namespace lb {

namespace {

struct Outline {
    int width;
    int height;
    int diameter;
    int lineWidth;

    // Distances are in half pixels so that odd diameters stay whole: a pixel's centre is
    // 2 * index + 1 half pixels from the edge, the centre of a corner's circle `diameter`.
    static int fromArcCentre(int index, int size, int diameter)
    {
        const int fromEdge = std::min(index, size - 1 - index);
        return std::max(0, diameter - 2 * fromEdge - 1);
    }

    bool contains(int x, int y) const
    {
        const int dx = fromArcCentre(x, width, diameter);
        const int dy = fromArcCentre(y, height, diameter);
        const long long distance = static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
        if (distance > static_cast<long long>(diameter) * diameter)
            return false;  // outside the corner arc: a see-through corner
        const int innerDiameter = std::max(0, diameter - 2 * lineWidth);
        const bool isInside = std::min(x, width - 1 - x) >= lineWidth && std::min(y, height - 1 - y) >= lineWidth &&
                              distance <= static_cast<long long>(innerDiameter) * innerDiameter;
        return !isInside;
    }

    void addRow(std::vector<fw::RectEdges>& rects, int y) const
    {
        // Columns between the corner arcs are all like the first of them, so the scan jumps over
        // them; the rows of a face are hundreds of pixels wide and this runs on every paint.
        const int middleStart = std::max(lineWidth, diameter / 2);
        const int middleEnd = width - middleStart;
        int runLeft = -1;
        for (int x = 0; x < width; ++x) {
            const bool isOutline = contains(x, y);
            if (isOutline && runLeft < 0) {
                runLeft = x;
            } else if (!isOutline && runLeft >= 0) {
                rects.push_back({runLeft, y, x, y + 1});
                runLeft = -1;
            }
            if (x == middleStart && x < middleEnd - 1)
                x = middleEnd - 1;
        }
        if (runLeft >= 0)
            rects.push_back({runLeft, y, width, y + 1});
    }
};

}  // namespace

std::vector<fw::RectEdges> LbRoundedFrameRects(int width, int height, int cornerDiameter, int lineWidth)
{
    std::vector<fw::RectEdges> rects;
    if (width <= 0 || height <= 0 || lineWidth <= 0)
        return rects;
    const Outline outline{width, height, std::max(cornerDiameter, 0), lineWidth};
    // Rows this far from the top or bottom cross an arc or the outline's long sides; the rows
    // between them hold only the outline's left and right columns.
    const int edgeRows = std::max(lineWidth, outline.diameter / 2);
    const int middleTop = std::min(edgeRows, height);
    const int middleBottom = std::max(middleTop, height - edgeRows);
    for (int y = 0; y < middleTop; ++y)
        outline.addRow(rects, y);
    if (middleTop < middleBottom) {
        if (2 * lineWidth >= width) {
            rects.push_back({0, middleTop, width, middleBottom});
        } else {
            rects.push_back({0, middleTop, lineWidth, middleBottom});
            rects.push_back({width - lineWidth, middleTop, width, middleBottom});
        }
    }
    for (int y = middleBottom; y < height; ++y)
        outline.addRow(rects, y);
    return rects;
}

}  // namespace lb
