#include "buttons/LbPixelScaling.h"

#include <vector>

namespace lb {

int LbNearestSourceIndex(int target, int sourceSize, int targetSize)
{
    // The target pixel's centre, target + 1/2, lies at (target + 1/2) * sourceSize / targetSize in
    // the source; in half pixels that is (2 * target + 1) * sourceSize / (2 * targetSize).
    return static_cast<int>((2LL * target + 1) * sourceSize / (2LL * targetSize));
}

std::vector<LbColorRect> LbScaledColorRects(std::span<const fw::TColor> pixels, int sourceWidth, int sourceHeight,
                                            int targetWidth, int targetHeight)
{
    std::vector<LbColorRect> rects;
    if (sourceWidth <= 0 || sourceHeight <= 0 || targetWidth <= 0 || targetHeight <= 0 ||
        pixels.size() < static_cast<std::size_t>(sourceWidth) * static_cast<std::size_t>(sourceHeight))
        return rects;
    std::vector<int> sourceColumn(static_cast<std::size_t>(targetWidth));
    for (int x = 0; x < targetWidth; ++x)
        sourceColumn[static_cast<std::size_t>(x)] = LbNearestSourceIndex(x, sourceWidth, targetWidth);

    int bandTop = 0;
    while (bandTop < targetHeight) {
        const int sourceRow = LbNearestSourceIndex(bandTop, sourceHeight, targetHeight);
        int bandBottom = bandTop + 1;
        while (bandBottom < targetHeight && LbNearestSourceIndex(bandBottom, sourceHeight, targetHeight) == sourceRow)
            ++bandBottom;
        const fw::TColor* row = pixels.data() + static_cast<std::size_t>(sourceRow) * sourceWidth;
        int runLeft = 0;
        for (int x = 1; x <= targetWidth; ++x) {
            const fw::TColor color = row[sourceColumn[static_cast<std::size_t>(runLeft)]];
            if (x < targetWidth && row[sourceColumn[static_cast<std::size_t>(x)]] == color)
                continue;
            rects.push_back({{runLeft, bandTop, x, bandBottom}, color});
            runLeft = x;
        }
        bandTop = bandBottom;
    }
    return rects;
}

}  // namespace lb
