#include "framework/core/Error.h"
#include "framework/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using fw::TColor;

void fill(fw::Bitmap& bitmap, TColor color, fw::RectEdges area)
{
    bitmap.canvas().brush().setColor(color);
    bitmap.canvas().fillRect(area);
}

TEST(Bitmap, NewBitmapIsEmptyOpaqueAndAutomatic)
{
    fw::Bitmap bitmap;
    EXPECT_TRUE(bitmap.isEmpty());
    EXPECT_FALSE(bitmap.isTransparent());
    EXPECT_EQ(bitmap.transparentMode(), fw::TransparentMode::Automatic);
    EXPECT_EQ(bitmap.transparentColor(), fw::clNone);
    EXPECT_THROW(bitmap.pixel(0, 0), std::out_of_range);
    bitmap.setSize(-3, 4);
    EXPECT_TRUE(bitmap.isEmpty());
    EXPECT_EQ(bitmap.width(), 0);
}

TEST(Bitmap, ResizingKeepsTheTopLeftPixels)
{
    fw::Bitmap bitmap(4, 3);
    fill(bitmap, 0x00112233, {0, 0, 4, 3});
    fill(bitmap, 0x00445566, {1, 1, 2, 2});
    bitmap.setSize(2, 2);
    EXPECT_EQ(bitmap.width(), 2);
    EXPECT_EQ(bitmap.pixel(1, 1), 0x00445566u);
    EXPECT_EQ(bitmap.pixel(0, 0), 0x00112233u);
    EXPECT_THROW(bitmap.pixel(2, 0), std::out_of_range);
    bitmap.setSize(5, 5);
    EXPECT_EQ(bitmap.pixel(1, 1), 0x00445566u);
    EXPECT_EQ(bitmap.pixel(1, 0), 0x00112233u);
    EXPECT_EQ(bitmap.pixel(4, 4), fw::clBlack);
    // The canvas keeps drawing into the bitmap after a resize.
    fill(bitmap, 0x00ABCDEF, {4, 4, 5, 5});
    EXPECT_EQ(bitmap.pixel(4, 4), 0x00ABCDEFu);
}

TEST(Bitmap, AssignCopiesPixelsAndSeeThroughSettings)
{
    fw::Bitmap source(3, 2);
    fill(source, 0x00010203, {0, 0, 3, 2});
    source.setTransparentColor(0x00010203);
    source.setTransparent(true);
    fw::Bitmap copy(7, 7);
    copy.assign(source);
    EXPECT_EQ(copy.width(), 3);
    EXPECT_EQ(copy.height(), 2);
    EXPECT_EQ(copy.pixel(2, 1), 0x00010203u);
    EXPECT_TRUE(copy.isTransparent());
    EXPECT_EQ(copy.transparentMode(), fw::TransparentMode::Fixed);
    EXPECT_EQ(copy.transparentColor(), 0x00010203u);
    fill(source, 0x00FFFFFF, {0, 0, 3, 2});
    EXPECT_EQ(copy.pixel(0, 0), 0x00010203u);  // a copy, not shared pixels
    copy.assign(copy);
    EXPECT_EQ(copy.pixel(0, 0), 0x00010203u);
}

TEST(Bitmap, AutomaticSeeThroughColourIsTheBottomLeftPixelWhenDrawn)
{
    fw::Bitmap sprite(2, 2);
    fill(sprite, 0x000000FF, {0, 0, 2, 2});
    fill(sprite, 0x0000FF00, {0, 1, 1, 2});  // bottom-left
    sprite.setTransparent(true);
    EXPECT_EQ(sprite.transparentColor(), 0x0000FF00u);

    fw::Bitmap target(4, 4);
    fill(target, 0x00FFFFFF, {0, 0, 4, 4});
    target.canvas().draw(1, 1, sprite);
    EXPECT_EQ(target.pixel(1, 1), 0x000000FFu);
    EXPECT_EQ(target.pixel(2, 2), 0x000000FFu);
    EXPECT_EQ(target.pixel(1, 2), 0x00FFFFFFu);  // skipped
    EXPECT_EQ(target.pixel(0, 0), 0x00FFFFFFu);

    sprite.setTransparent(false);
    target.canvas().draw(-1, -1, sprite);  // partly outside: clipped, opaque
    EXPECT_EQ(target.pixel(0, 0), 0x000000FFu);

    sprite.setTransparent(true);
    sprite.setTransparentColor(0x000000FF);
    target.canvas().draw(2, 2, sprite);
    EXPECT_EQ(target.pixel(2, 3), 0x0000FF00u);
    EXPECT_EQ(target.pixel(3, 3), 0x00FFFFFFu);
}

TEST(Bitmap, MissingResourceRaisesTheResourceError)
{
    fw::Bitmap bitmap(2, 2);
    try {
        bitmap.loadFromResource("NOSUCHBITMAP");
        FAIL() << "no error";
    } catch (const fw::ResourceError& error) {
        EXPECT_STREQ(error.what(), "Resource NOSUCHBITMAP not found");
    }
    EXPECT_EQ(bitmap.width(), 2);  // unchanged
}

}  // namespace
