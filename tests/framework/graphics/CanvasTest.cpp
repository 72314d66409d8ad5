#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/SystemColors.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using fw::TColor;

constexpr TColor paper = 0x00FFFFFF;
constexpr TColor ink = 0x00102030;

// Rows of the bitmap as text: '#' for ink, '.' for anything else.
std::string picture(const fw::Bitmap& bitmap, TColor color = ink)
{
    std::string rows;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            rows += bitmap.pixel(x, y) == color ? '#' : '.';
        rows += '\n';
    }
    return rows;
}

class CanvasTest : public testing::Test {
protected:
    CanvasTest() : bitmap(6, 5)
    {
        canvas().brush().setColor(paper);
        canvas().fillRect({0, 0, 6, 5});
        canvas().pen().setColor(ink);
    }
    fw::Canvas& canvas() { return bitmap.canvas(); }
    fw::Bitmap bitmap;
};

TEST_F(CanvasTest, LinePaintsItsStartButNotItsEnd)
{
    canvas().moveTo(0, 4);
    canvas().lineTo(0, 0);
    canvas().lineTo(5, 0);
    EXPECT_EQ(picture(bitmap),
              "#####.\n"
              "#.....\n"
              "#.....\n"
              "#.....\n"
              "#.....\n");
}

TEST_F(CanvasTest, RectangleOutlinesItsBorderAndFillsInside)
{
    canvas().brush().setColor(0x000000FF);
    canvas().rectangle(1, 1, 5, 4);
    EXPECT_EQ(picture(bitmap),
              "......\n"
              ".####.\n"
              ".#..#.\n"
              ".####.\n"
              "......\n");
    EXPECT_EQ(bitmap.pixel(2, 2), 0x000000FFu);

    canvas().brush().setStyle(fw::BrushStyle::Clear);  // outline only
    canvas().pen().setColor(0x0000FF00);
    canvas().rectangle(0, 0, 6, 5);
    EXPECT_EQ(bitmap.pixel(2, 2), 0x000000FFu);
    EXPECT_EQ(bitmap.pixel(5, 4), 0x0000FF00u);
}

TEST_F(CanvasTest, ShapesWithoutOutlineFillOnePixelLess)
{
    canvas().pen().setStyle(fw::PenStyle::Clear);
    canvas().brush().setColor(ink);
    canvas().rectangle(1, 1, 5, 4);
    EXPECT_EQ(picture(bitmap),
              "......\n"
              ".###..\n"
              ".###..\n"
              "......\n"
              "......\n");

    fw::Bitmap round(12, 12);
    round.canvas().pen().setStyle(fw::PenStyle::Clear);
    round.canvas().brush().setColor(ink);
    round.canvas().roundRect(1, 1, 11, 11, 4, 4);
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(round.pixel(i, 5), ink) << i;
        EXPECT_EQ(round.pixel(5, i), ink) << i;
    }
    EXPECT_NE(round.pixel(10, 5), ink);
    EXPECT_NE(round.pixel(5, 10), ink);
    EXPECT_NE(round.pixel(1, 1), ink);  // rounded corner
}

TEST_F(CanvasTest, FillCoversLeftToRightMinusOneAndNothingWhenEmpty)
{
    canvas().brush().setColor(ink);
    canvas().fillRect({1, 1, 3, 2});
    canvas().fillRect({5, 1, 5, 4});
    canvas().fillRect({4, 3, 2, 4});
    EXPECT_EQ(picture(bitmap),
              "......\n"
              ".##...\n"
              "......\n"
              "......\n"
              "......\n");
}

TEST_F(CanvasTest, SystemColoursAreResolvedWhenDrawing)
{
    canvas().brush().setColor(fw::clBtnFace);
    canvas().fillRect({0, 0, 1, 1});
    EXPECT_EQ(bitmap.pixel(0, 0), fw::colorToRgb(fw::clBtnFace));
    EXPECT_FALSE(fw::isSystemColor(fw::colorToRgb(fw::clWindowText)));
    EXPECT_EQ(fw::colorToRgb(0x00123456), 0x00123456u);
}

TEST_F(CanvasTest, MeasuringWithCalcRectMovesOnlyRightAndBottom)
{
    fw::RectEdges area{0, 0, 1000, 0};
    const int height = canvas().drawText("Hello", area, fw::text_format::calculateRect | fw::text_format::wordBreak);
    EXPECT_GT(height, 0);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.bottom, height);
    EXPECT_EQ(area.right, canvas().textWidth("Hello"));

    fw::RectEdges narrow{0, 0, canvas().textWidth("Hello"), 0};
    canvas().drawText("Hello Hello", narrow, fw::text_format::calculateRect | fw::text_format::wordBreak);
    EXPECT_EQ(narrow.bottom, 2 * height);  // wrapped onto two lines
    EXPECT_EQ(canvas().textWidth(""), 0);
}

TEST_F(CanvasTest, AmpersandIsAPrefixUnlessNoPrefixIsGiven)
{
    fw::RectEdges prefixed{0, 0, 1000, 0};
    fw::RectEdges literal{0, 0, 1000, 0};
    canvas().drawText("A&&B", prefixed, fw::text_format::calculateRect);
    canvas().drawText("A&B", literal, fw::text_format::calculateRect | fw::text_format::noPrefix);
    EXPECT_EQ(prefixed.right, literal.right);
    EXPECT_GT(canvas().textWidth("A&&B"), canvas().textWidth("A&B"));  // one-line width counts every "&"
}

TEST_F(CanvasTest, TextOnAClearBrushLeavesTheBackground)
{
    fw::Bitmap wide(40, 16);
    wide.canvas().brush().setColor(paper);
    wide.canvas().fillRect({0, 0, 40, 16});
    wide.canvas().font().setColor(ink);
    wide.canvas().brush().setColor(0x000000FF);
    fw::RectEdges area{0, 0, 40, 16};
    wide.canvas().drawText("i", area, 0);
    EXPECT_EQ(wide.pixel(39, 15), paper);  // outside the text cell
    int red = 0;
    for (int x = 0; x < 40; ++x)
        red += wide.pixel(x, 2) == 0x000000FFu;
    EXPECT_GT(red, 0);  // an opaque brush paints the text cell's background

    wide.canvas().brush().setColor(paper);
    wide.canvas().fillRect({0, 0, 40, 16});
    wide.canvas().brush().setStyle(fw::BrushStyle::Clear);
    wide.canvas().drawText("i", area, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_TRUE(wide.pixel(x, y) == paper || wide.pixel(x, y) == ink) << x << "," << y;
}

}  // namespace
