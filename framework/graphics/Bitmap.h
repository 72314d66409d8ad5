#pragma once
// Bitmap: a 32-bit top-down device-independent bitmap that can be drawn into through its Canvas
// and read back pixel by pixel. It owns its memory DC and its DIB section; the DIB stays selected
// into the DC for the bitmap's life, and the selection is undone before either is freed.
//
// A bitmap may be see-through: drawing it onto a Canvas then skips the pixels of its see-through
// colour, which is either fixed or, in automatic mode, the colour of its bottom-left pixel at the
// time of drawing. New bitmaps are opaque and automatic.
//
// Errors: failed GDI calls raise fw::Win32Error; a missing resource raises fw::ResourceError.

#include "framework/core/Color.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/SelectionGuard.h"
#include "framework/win32/Handles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace fw {

enum class TransparentMode { Automatic, Fixed };

class Bitmap {
public:
    Bitmap();
    Bitmap(int width, int height);
    ~Bitmap();

    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }

    // Changes the size and keeps the pixels at the top-left that fit; new pixels are black.
    // Negative sizes count as 0.
    void setSize(int width, int height);

    // Makes this bitmap a copy of `source`: size, pixels and see-through settings.
    void assign(const Bitmap& source);

    bool isTransparent() const { return transparent_; }
    void setTransparent(bool transparent) { transparent_ = transparent; }
    TransparentMode transparentMode() const { return transparentMode_; }
    void setTransparentMode(TransparentMode mode) { transparentMode_ = mode; }
    // Fixes the see-through colour (and switches to the fixed mode).
    void setTransparentColor(TColor color);
    // The fixed colour, or in automatic mode the bottom-left pixel (clNone when empty).
    TColor transparentColor() const;

    Canvas& canvas() { return canvas_; }
    native::DeviceContextHandle canvasHandle() const { return deviceContext_.get(); }

    // The pixel at (x, y) as an RGB TColor; throws std::out_of_range outside the bitmap.
    TColor pixel(int x, int y) const;

    // Every pixel of the RGB colour `from` becomes `to`.
    void replaceColor(TColor from, TColor to);

    // Replaces the pixels with the bitmap resource `name` of the executable; see-through settings
    // stay. Raises fw::ResourceError "Resource <name> not found" when there is no such resource.
    void loadFromResource(std::string_view name);

    // Copies every pixel of `source` (same size, from the top-left) that is not `seeThrough` (an
    // RGB colour) over this bitmap's pixels.
    void overlayOpaquePixels(const Bitmap& source, TColor seeThrough);

    // Writes a 24-bit BMP file (for people to look at; tests read pixels directly).
    void saveToFile(const std::string& path) const;

private:
    // What becomes of the pixels when the storage is replaced: kept where the sizes overlap,
    // or left to the caller, who fills the new storage.
    enum class OldPixels { Keep, Drop };
    void replaceStorage(int width, int height, OldPixels oldPixels);

    UniqueMemoryDc deviceContext_;
    UniqueBitmap dib_;                          // declared before its selection, outlives it
    std::optional<SelectionGuard> selection_;  // dib_ selected into deviceContext_
    std::uint32_t* pixels_ = nullptr;           // owned by dib_
    int width_ = 0;
    int height_ = 0;
    bool transparent_ = false;
    TransparentMode transparentMode_ = TransparentMode::Automatic;
    TColor fixedTransparentColor_ = clNone;
    Canvas canvas_;
};

static_assert(!std::is_copy_constructible_v<Bitmap>);

}  // namespace fw
