// A face's geometry at a DPI: line widths, enlarged images and the wide rounded outline, as
// pixel grids.
#include "buttons/LbDpiScale.h"
#include "buttons/LbFocusCue.h"
#include "buttons/LbPixelScaling.h"
#include "buttons/LbRoundedFrame.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace lb;

TEST(LbDpiScale, LinesGrowFrom144Dpi)
{
    const int lineWidths[][2] = {{24, 1}, {96, 1}, {143, 1}, {144, 2}, {192, 2}, {239, 2}, {240, 3}};
    for (const auto& [dpi, width] : lineWidths)
        EXPECT_EQ(LbLineWidth(dpi), width) << dpi;
}

// The cue as a picture: '#' for a dot, '.' for the face, on a face small enough to read.
std::vector<std::string> focusCueRows(int width, int height, int dpi)
{
    std::vector<std::string> rows(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), '.'));
    for (const fw::Rect& dot : LbFocusCueDots(width, height, dpi))
        for (int y = dot.top; y < dot.bottom(); ++y)
            for (int x = dot.left; x < dot.right(); ++x)
                rows.at(y).at(x) = rows.at(y).at(x) == '.' ? '#' : '!';  // '!': a pixel drawn twice
    return rows;
}

TEST(LbFocusCue, DotsCheckerTheLinesThreeDesignPixelsInAndGrowWithTheLines)
{
    EXPECT_EQ(focusCueRows(12, 10, 96), (std::vector<std::string>{"............",
                                                                  "............",
                                                                  "............",
                                                                  "...#.#.#....",
                                                                  "........#...",
                                                                  "...#........",
                                                                  "....#.#.#...",
                                                                  "............",
                                                                  "............",
                                                                  "............"}));
    // At 144 DPI: five pixels in, dots of two by two pixels, two apart.
    const std::vector<std::string> scaled = focusCueRows(22, 16, 144);
    EXPECT_EQ(scaled.at(5), ".....##..##..##.......");
    EXPECT_EQ(scaled.at(6), scaled.at(5));
    EXPECT_EQ(scaled.at(4), std::string(22, '.'));
    EXPECT_TRUE(LbFocusCueDots(6, 20, 96).empty()) << "no room inside the inset";
}

TEST(LbPixelScaling, AFractionalFactorTakesTheNearestPixelAndCoversEachOnce)
{
    const std::vector<fw::TColor> arrow = {1, 1, 1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1, 0, 0};  // 5 x 3
    std::vector<std::string> rows(5, std::string(8, '?'));  // at 150 %
    for (const LbColorRect& rect : LbScaledColorRects(arrow, 5, 3, 8, 5))
        for (int y = rect.area.top; y < rect.area.bottom; ++y)
            for (int x = rect.area.left; x < rect.area.right; ++x)
                rows.at(y).at(x) = rows.at(y).at(x) == '?' ? static_cast<char>('0' + rect.color) : '!';
    EXPECT_EQ(rows, (std::vector<std::string>{"11111111", "11111111", "00111100", "00011000", "00011000"}));
    EXPECT_TRUE(LbScaledColorRects(arrow, 5, 4, 10, 8).empty()) << "fewer pixels than the size says";
}

TEST(LbRoundedFrame, CoversTheOuterLinesOnceWithoutHolesAndLeavesTheCornersOut)
{
    for (const auto& sizes : {std::array{302, 47, 9, 2}, {402, 62, 12, 2}, {31, 40, 18, 3}}) {
        // Plain variables, not structured bindings: the lambdas below capture them, which clang
        // accepts only from version 16.
        const int w = sizes[0], h = sizes[1], diameter = sizes[2], line = sizes[3];
        SCOPED_TRACE(testing::Message() << w << " x " << h << ", " << diameter << ", " << line);
        std::vector<int> counts(static_cast<std::size_t>(w * h), 0);
        for (const fw::RectEdges& rect : LbRoundedFrameRects(w, h, diameter, line))
            for (int y = rect.top; y < rect.bottom; ++y)
                for (int x = rect.left; x < rect.right; ++x)
                    ++counts.at(static_cast<std::size_t>(y * w + x));
        auto at = [&](int x, int y) { return counts[static_cast<std::size_t>(y * w + x)]; };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                ASSERT_LE(at(x, y), 1) << x << "," << y;
                ASSERT_EQ(at(x, y), at(w - 1 - x, y)) << x << "," << y;  // all four corners alike
                ASSERT_EQ(at(x, y), at(x, h - 1 - y)) << x << "," << y;
            }
        // `line` rows and columns wide between the arcs; the corner pixel left out.
        EXPECT_EQ((std::array{at(w / 2, line - 1), at(w / 2, line), at(line - 1, h / 2), at(line, h / 2), at(0, 0)}),
                  (std::array{1, 0, 1, 0, 0}));
        // No hole: the see-through outside, spreading also diagonally, never reaches the inside.
        std::vector<int> isOutside(counts.size(), 0);
        std::vector<std::pair<int, int>> outside;
        auto spread = [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < w && y < h && at(x, y) == 0 && !isOutside[y * w + x]) {
                isOutside[y * w + x] = 1;
                outside.emplace_back(x, y);
            }
        };
        spread(0, 0);
        for (std::size_t next = 0; next < outside.size(); ++next)
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    spread(outside[next].first + dx, outside[next].second + dy);
        EXPECT_EQ(isOutside[h / 2 * w + w / 2], 0);
    }
}

}  // namespace
