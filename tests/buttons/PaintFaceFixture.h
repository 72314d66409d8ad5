#pragma once
// The face painter's test fixture: inputs for a small face, painted with real GDI into an
// off-screen bitmap prepared as the speed button prepares it, and ways to read pixels back.

#include "buttons/LbButtons.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/SystemColors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

namespace paint_face_test {

using fw::TColor;
using namespace lb;

constexpr TColor gold = 0x0000C0C0;
constexpr TColor goldHot = 0x0000DFDF;
constexpr TColor face = 0x00C0C0C0;
constexpr TColor light = 0x00FFFFFF;
constexpr TColor shadow = 0x00404040;
constexpr TColor text = 0x00000080;
constexpr TColor untouched = 0x00010203;  // no face paints it

// Prepares the bitmap as the speed button does, over a colour that no face paints, so that a
// pixel the painter leaves alone shows.
inline std::unique_ptr<fw::Bitmap> paint(const LbFaceInputs& inputs)
{
    auto bitmap = std::make_unique<fw::Bitmap>(inputs.width, inputs.height);
    bitmap->canvas().brush().setColor(untouched);
    bitmap->canvas().fillRect({0, 0, inputs.width, inputs.height});
    LbPrepareFaceBitmap(*bitmap, inputs);
    LbPaintFace(bitmap->canvas(), inputs);
    return bitmap;
}

class LbPaintFaceTest : public testing::Test {
protected:
    LbPaintFaceTest()
    {
        font.setColor(text);
        inputs.width = 60;
        inputs.height = 20;
        inputs.color = face;
        inputs.lightColor = light;
        inputs.shadowColor = shadow;
        inputs.font = &font;
    }

    int countPixels(const fw::Bitmap& bitmap, TColor color)
    {
        int count = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                count += bitmap.pixel(x, y) == color;
        return count;
    }

    // Leftmost column holding a pixel of `color`, or -1.
    int leftmost(const fw::Bitmap& bitmap, TColor color)
    {
        for (int x = 0; x < bitmap.width(); ++x)
            for (int y = 0; y < bitmap.height(); ++y)
                if (bitmap.pixel(x, y) == color)
                    return x;
        return -1;
    }

    int topmost(const fw::Bitmap& bitmap, TColor color)
    {
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x)
                if (bitmap.pixel(x, y) == color)
                    return y;
        return -1;
    }

    int bottommost(const fw::Bitmap& bitmap, TColor color)
    {
        for (int y = bitmap.height() - 1; y >= 0; --y)
            for (int x = 0; x < bitmap.width(); ++x)
                if (bitmap.pixel(x, y) == color)
                    return y;
        return -1;
    }

    bool samePixels(const fw::Bitmap& a, const fw::Bitmap& b)
    {
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return false;
        return true;
    }

    // A strip of `cells` 8 x 8 cells, cell i filled with cellColor(i) except its bottom-left pixel,
    // which is white and so see-through in automatic mode.
    static TColor cellColor(int cell) { return fw::rgb(40 * (cell + 1), 200 - 30 * cell, 20); }
    std::unique_ptr<fw::Bitmap> glyphStrip(int cells)
    {
        auto strip = std::make_unique<fw::Bitmap>(8 * cells, 8);
        for (int cell = 0; cell < cells; ++cell) {
            strip->canvas().brush().setColor(cellColor(cell));
            strip->canvas().fillRect({8 * cell, 0, 8 * cell + 8, 8});
            strip->canvas().brush().setColor(fw::clWhite);
            strip->canvas().fillRect({8 * cell, 7, 8 * cell + 1, 8});
        }
        return strip;
    }

    fw::Font font;
    LbFaceInputs inputs;
};


}  // namespace paint_face_test
