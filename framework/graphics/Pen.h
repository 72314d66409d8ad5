#pragma once
// Pen: the colour and style that a Canvas draws lines and outlines with. Lines are always one
// pixel wide and solid. The GDI pen is made when the canvas first needs it and is remade when the
// colour resolves to a different RGB value (system colours are resolved at drawing time). The
// Pen owns that GDI pen; a clear pen uses the stock NULL_PEN, which nobody owns.

#include "framework/core/Color.h"
#include "framework/win32/Handles.h"

namespace fw {

enum class PenStyle { Solid, Clear };

class Pen {
public:
    TColor color() const { return color_; }
    void setColor(TColor color) { color_ = color; }
    PenStyle style() const { return style_; }
    void setStyle(PenStyle style) { style_ = style; }

    // The GDI object to select for the current colour and style; valid until the next change.
    void* gdiObject();

private:
    TColor color_ = clBlack;
    PenStyle style_ = PenStyle::Solid;
    UniquePen pen_;
    TColor penRgb_ = clNone;  // the RGB value pen_ was made for
};

}  // namespace fw
