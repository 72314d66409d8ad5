// Scaling design values for a display's DPI: MulDiv's rounding, each value on its own, and back.

#include "framework/geometry/Dpi.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(Dpi, ScalesWithHalvesRoundedAwayFromZeroAndBack)
{
    struct Case {
        int value;
        int dpi;
        int scaled;
    };
    for (const Case& each : {Case{0, 144, 0}, Case{1, 120, 1}, Case{1, 144, 2}, Case{-1, 144, -2}, Case{2, 120, 3},
                             Case{-2, 120, -3}, Case{-11, 144, -17}, Case{441, 144, 662}, Case{425, 144, 638},
                             Case{97, 144, 146}, Case{1, 72, 1}, Case{-1, 48, -1}})
        EXPECT_EQ(fw::scaleForDpi(each.value, each.dpi), each.scaled) << each.value << " at " << each.dpi;
    EXPECT_EQ(fw::unscaleFromDpi(500, 144), 333);
    EXPECT_EQ(fw::unscaleFromDpi(-17, 144), -11);
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
