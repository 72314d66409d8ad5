#include "buttons/LbGradient.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using fw::TColor;
using namespace lb;

// What a canvas shows after filling the bands in order, one colour per row.
std::vector<TColor> paintRows(TColor start, TColor end, int top, int bottom, int rows)
{
    std::vector<TColor> painted(rows, fw::clNone);
    for (const LbGradientBand& band : LbGradientBands(start, end, top, bottom))
        for (int y = std::max(band.top, 0); y < std::min(band.bottom, rows); ++y)
            painted[y] = band.color;
    return painted;
}

TEST(LbGradientBands, ShortAreaIsOverwrittenByLaterBands)
{
    // The upper half of a 31 pixel high gold face: yellow to 0xC0C0 over rows 2 .. 6.
    const auto rows = paintRows(0x0000FFFF, 0x0000C0C0, 2, 7, 31);
    const TColor expected[] = {0x0000F2F2, 0x0000E6E6, 0x0000DADA, 0x0000CECE, 0x0000C2C2};
    for (int y = 2; y <= 6; ++y)
        EXPECT_EQ(rows[y], expected[y - 2]) << y;
    EXPECT_EQ(rows[1], fw::clNone);
    EXPECT_EQ(rows[7], fw::clNone);
}

TEST(LbGradientBands, RunningChannelsAreTruncatedNotRounded)
{
    const auto rows = paintRows(0x0000C0C0, 0x0000FFFF, 7, 30, 31);
    EXPECT_EQ(rows[7], 0x0000C2C2u);
    EXPECT_EQ(rows[12], 0x0000D0D0u);
    EXPECT_EQ(rows[18], 0x0000E0E0u);
    EXPECT_EQ(rows[28], 0x0000FAFAu);
    EXPECT_EQ(rows[29], 0x0000FCFCu);
    EXPECT_EQ(rows[30], fw::clNone);
}

TEST(LbGradientBands, LastBandIsEmptyAndEndColourNeverPainted)
{
    const auto bands = LbGradientBands(fw::clBlack, fw::clWhite, 0, 310);
    EXPECT_EQ(bands[31].top, 310);
    EXPECT_EQ(bands[31].bottom, 310);
    EXPECT_EQ(bands[0].color, fw::clBlack);
    EXPECT_EQ(bands[0].top, 0);
    EXPECT_EQ(bands[0].bottom, 11);  // 310 / 31 + 1: bands overlap by one row
    EXPECT_EQ(bands[30].color, fw::rgb(246, 246, 246));
    EXPECT_EQ(bands[1].top, 10);  // 310 rows in 31 steps: a band every 10 rows
    EXPECT_EQ(bands[17].top, 170);
    EXPECT_EQ(bands[30].top, 300);
}

TEST(LbGradientBands, InvertedOrEmptyAreaFillsNothing)
{
    for (const LbGradientBand& band : LbGradientBands(fw::clBlack, fw::clWhite, 10, 4))
        EXPECT_LE(band.bottom, band.top);
    for (const LbGradientBand& band : LbGradientBands(fw::clBlack, fw::clWhite, 5, 5))
        EXPECT_LE(band.bottom, band.top);
}

TEST(LbGradientBands, HugeAreasDoNotOverflow)
{
    const auto bands = LbGradientBands(fw::clBlack, fw::clWhite, -2000000000, 2000000000);
    EXPECT_EQ(bands[31].top, 2000000000);
    for (int i = 1; i < 32; ++i)
        EXPECT_GT(bands[i].top, bands[i - 1].top);
}

}  // namespace
