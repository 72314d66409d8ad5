#pragma once
// Canvas: drawing on a device context that someone else owns (a Bitmap's memory DC, a window's
// paint DC). It keeps a pen, a brush and a font. Pens and brushes are selected only for the
// duration of one drawing call; fills use the DC's own brush colour. The font stays selected from
// the first text call until it changes or the canvas goes (selecting a font costs about 15 us
// under Wine, more than the text itself), and it is let go before the font object remakes it:
// the DC never holds one of our objects when that object is freed.
// Colours may be system colours; they are resolved with GetSysColor when a call draws.
//
// Coordinates follow GDI: a line paints its start point but not its end point; rectangles and
// fills cover left .. right-1, top .. bottom-1. Failed object creation raises fw::Win32Error.

#include "framework/graphics/Brush.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Pen.h"
#include "framework/geometry/RectEdges.h"
#include "framework/graphics/SelectionGuard.h"
#include "framework/graphics/TextFormat.h"
#include "framework/win32/NativeTypes.h"

#include <optional>
#include <string_view>
#include <type_traits>

namespace fw {

class Bitmap;

class Canvas {
public:
    explicit Canvas(native::DeviceContextHandle deviceContext);  // borrowed, not freed
    ~Canvas();  // puts the DC's own font back

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    native::DeviceContextHandle handle() const { return deviceContext_; }
    Pen& pen() { return pen_; }
    Brush& brush() { return brush_; }
    Font& font() { return font_; }

    void moveTo(int x, int y);
    void lineTo(int x, int y);  // paints from the current point up to, not including, (x, y)
    void rectangle(int x1, int y1, int x2, int y2);
    void roundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void fillRect(const RectEdges& area);  // with the brush; nothing for an empty area
    // The system's dotted focus rectangle along the border of `area` (DrawFocusRect: it inverts
    // what is there, so drawing it twice takes it away).
    void drawFocusRect(const RectEdges& area);

    // Copies `bitmap` with its top-left corner at (x, y); a see-through bitmap leaves the pixels
    // of its see-through colour untouched.
    void draw(int x, int y, const Bitmap& bitmap);

    // DrawTextA in the canvas font and the font's colour; on a transparent background while the
    // brush is clear, else on the brush colour. With text_format::calculateRect it only measures
    // and moves area's right and bottom edges. Returns the text height.
    int drawText(std::string_view text, RectEdges& area, unsigned format);

    // Width of `text` on one line in the canvas font, every character counted as it stands
    // ("&" included).
    int textWidth(std::string_view text);

private:
    void selectFont();
    void releaseFont();

    native::DeviceContextHandle deviceContext_;
    Pen pen_;
    Brush brush_;
    Font font_;
    // Our font stays selected from the first text call until the font changes or the canvas
    // goes: under Wine selecting a font costs more than drawing a caption with it.
    void* selectedFont_ = nullptr;
    std::optional<SelectionGuard> fontSelection_;  // after font_: released before the font
};

static_assert(!std::is_copy_constructible_v<Canvas>);

}  // namespace fw
