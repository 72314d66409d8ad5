// Scaling design values for a display's DPI: MulDiv's rounding, each value on its own, and back.

#include "framework/ui/model/Dpi.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <vector>

namespace {

TEST(Dpi, ScalesWithHalvesRoundedAwayFromZero)
{
    struct Case {
        int value;
        int dpi;
        int expected;
    };
    const Case cases[] = {
        {0, 144, 0},       {1, 96, 1},       {1, 120, 1},       {1, 144, 2},     {-1, 144, -2},
        {2, 120, 3},       {-2, 120, -3},    {3, 120, 4},       {-11, 120, -14}, {-11, 144, -17},
        {-11, 192, -22},   {441, 144, 662},  {179, 144, 269},   {425, 120, 531}, {97, 144, 146},
        {201, 144, 302},   {31, 144, 47},    {108, 144, 162},   {1, 72, 1},      {-1, 48, -1},
    };
    for (const Case& each : cases)
        EXPECT_EQ(fw::scaleForDpi(each.value, each.dpi), each.expected) << each.value << " at " << each.dpi;
}

TEST(Dpi, ScalesEachEdgeOfARectangleOnItsOwn)
{
    // Not right = round(left + width): the panel of the updater at 144 would then be 637 wide.
    const fw::Rect scaled = fw::scaleForDpi(fw::Rect{8, 8, 425, 161}, 144);
    EXPECT_EQ((std::vector<int>{scaled.left, scaled.top, scaled.width, scaled.height}),
              (std::vector<int>{12, 12, 638, 242}));
}

TEST(Dpi, UnscalingASizeGivesTheNearestDesignValue)
{
    EXPECT_EQ(fw::unscaleFromDpi(662, 144), 441);
    EXPECT_EQ(fw::unscaleFromDpi(500, 144), 333);
    EXPECT_EQ(fw::unscaleFromDpi(-17, 144), -11);
    EXPECT_EQ(fw::unscaleFromDpi(250, 96), 250);
}

#ifdef _WIN32
// The fonts, the frame and Windows itself round with MulDiv: every layer must agree on each pixel.
TEST(Dpi, AgreesWithMulDivEverywhere)
{
    for (const int dpi : {72, 96, 110, 120, 125, 144, 168, 192, 240, 288})
        for (int value = -300; value <= 1200; ++value) {
            ASSERT_EQ(fw::scaleForDpi(value, dpi), MulDiv(value, dpi, 96)) << value << " at " << dpi;
            ASSERT_EQ(fw::unscaleFromDpi(value, dpi), MulDiv(value, 96, dpi)) << value << " at " << dpi;
        }
}
#endif

}  // namespace
