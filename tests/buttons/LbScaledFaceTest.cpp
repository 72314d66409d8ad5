// Faces painted at their real size on screens of more than 96 DPI, read back pixel by pixel.
#include "buttons/LbButtons.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

using fw::TColor;
using namespace lb;

constexpr TColor gold = 0x0000C0C0;

std::unique_ptr<fw::Bitmap> paint(const LbFaceInputs& inputs)
{
    auto bitmap = std::make_unique<fw::Bitmap>(inputs.width, inputs.height);
    bitmap->canvas().brush().setColor(LbKeyColor);
    bitmap->canvas().fillRect({0, 0, inputs.width, inputs.height});
    LbPaintFace(bitmap->canvas(), inputs);
    return bitmap;
}

fw::RectEdges differences(const fw::Bitmap& a, const fw::Bitmap& b)
{
    fw::RectEdges box{a.width(), a.height(), 0, 0};
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

TEST(LbScaledFace, GoldFaceSpansItsRealSizeWithScaledLinesSeeThroughCornersAndACentredCaption)
{
    for (int dpi : {120, 144, 192}) {
        SCOPED_TRACE(dpi);
        // The updater's button, lcsGold on bsModern, 201 x 31 at 96 DPI; its font made at the DPI.
        fw::Font font;
        font.setBold(true);
        font.setColor(0x00005555);
        font.setHeight(fw::scaleForDpi(-11, dpi));
        LbFaceInputs in;
        in.width = fw::scaleForDpi(201, dpi);
        in.height = fw::scaleForDpi(31, dpi);
        in.dpi = dpi;
        in.style = bsModern;
        in.color = gold;
        in.lightColor = fw::clYellow;
        in.shadowColor = fw::clOlive;
        in.font = &font;
        in.alignment = taCenter;
        const auto face = paint(in);
        const int w = in.width, h = in.height, line = LbLineWidth(dpi);
        for (int i = 0; i < 2 * line; ++i) {
            const TColor expected = i < line ? fw::clOlive : gold;  // the outline, then the inner line
            for (auto [x, y] : {std::pair{w / 2, i}, {w / 2, h - 1 - i}, {i, h / 2}, {w - 1 - i, h / 2}})
                EXPECT_EQ(face->pixel(x, y), expected) << x << "," << y;
        }
        // Light down to (nearly) the face colour at a quarter of the height and back up to the
        // last row inside the frame, never a step the wrong way.
        int previous = 0xFF;
        for (int y = 2 * line; y < h - 2 * line; ++y) {
            const int level = fw::redOf(face->pixel(w / 2, y));
            ASSERT_EQ(face->pixel(w / 2, y), fw::rgb(level, level, 0)) << y;
            EXPECT_TRUE(y <= h / 4 ? level <= previous : level >= previous) << y;
            EXPECT_TRUE(y != h / 4 || level <= fw::redOf(gold) + 4) << level;
            EXPECT_TRUE(y != 2 * line || level >= 0xF0) << level;
            previous = level;
        }
        EXPECT_GE(previous, 0xF0);
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
            EXPECT_EQ(face->pixel(x, y), LbKeyColor) << x << "," << y;  // see-through corners
        in.caption = "Actualizare la versiunea 2.25";
        const fw::RectEdges ink = differences(*face, *paint(in));
        EXPECT_LE(std::abs(ink.left + ink.right - w), 3) << ink.left << ".." << ink.right;
        EXPECT_LE(std::abs(ink.top + ink.bottom - h), 4) << ink.top << ".." << ink.bottom;
        in.caption = "Actualizare la versiunea 2.25 este terminata acum";
        const fw::RectEdges shortened = differences(*face, *paint(in));
        EXPECT_GE(shortened.left, fw::scaleForDpi(4, dpi));
        EXPECT_LE(shortened.right, w - fw::scaleForDpi(4, dpi));
    }
}

TEST(LbScaledFace, GlyphAndArrowAtTwiceTheSizeRepeatEachPixelAndKeepTheKeyColourExact)
{
    // A 4 x 3 cell, every pixel its own colour but two whites: the see-through colour, its
    // bottom-left pixel's.
    auto cellColour = [](int x, int y) {
        return (x == 0 && y == 2) || (x == 2 && y == 1) ? fw::clWhite : fw::rgb(20 + 50 * x, 30 + 70 * y, 90);
    };
    fw::Bitmap cell(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            cell.canvas().brush().setColor(cellColour(x, y));
            cell.canvas().fillRect({x, y, x + 1, y + 1});
        }
    LbFaceInputs in;
    in.width = 120;
    in.height = 40;
    in.dpi = 192;
    in.style = bsShape;  // all key colour but for the glyph, centred, and the arrow
    in.glyph = &cell;
    in.numGlyphs = 1;
    in.hasPopupMenu = true;
    const auto face = paint(in);
    // Each source pixel a 2 x 2 block, in its box and nothing around it.
    auto expectBlocks = [&](int left, int top, int width, int height, auto colourOfSource) {
        for (int y = -1; y <= height; ++y)
            for (int x = -1; x <= width; ++x) {
                const bool isInside = x >= 0 && y >= 0 && x < width && y < height;
                ASSERT_EQ(face->pixel(left + x, top + y), isInside ? colourOfSource(x / 2, y / 2) : LbKeyColor)
                    << x << "," << y;
            }
    };
    expectBlocks(56, 17, 8, 6, [&](int x, int y) {
        return cellColour(x, y) == fw::clWhite ? LbKeyColor : cellColour(x, y);  // centred on the shape
    });
    const char* const arrow[] = {"#####", ".###.", "..#.."};  // white around the black
    expectBlocks(120 - 22, 20 - 2, 10, 6, [&](int x, int y) { return arrow[y][x] == '#' ? fw::clBlack : LbKeyColor; });
}

}  // namespace
