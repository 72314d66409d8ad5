#pragma once
// BackgroundBrush: the flat colour a window paints its background with, and the solid GDI brush
// for it (owned). While a contrast theme is on (ContrastTheme.h), the window paints the theme's
// background instead: the one its caller names when asking for the brush. The brush is made for
// the colour it paints at the moment it is asked for, and made anew whenever that colour changed,
// so a system colour, or the theme, is followed at the next paint; the window that paints with it
// repaints itself after a change of the colour.

#include "framework/core/Color.h"
#include "framework/win32/Handles.h"

#include <type_traits>

namespace fw {

// Which background of a contrast theme replaces a window's own colour while the theme is on.
enum class ContrastBackground {
    None,        // the window keeps its own colour
    ButtonFace,  // forms and panels
    Window,      // report boxes
};

class BackgroundBrush {
public:
    explicit BackgroundBrush(TColor color);

    // As set: what descriptions write, whatever is painted.
    TColor color() const { return color_; }
    void setColor(TColor color);
    // The RGB colour painted now.
    TColor paintedColor(ContrastBackground contrast) const;
    // Borrowed: valid until the next call.
    native::BrushHandle handle(ContrastBackground contrast) const;

private:
    TColor color_;
    mutable TColor brushColor_;  // RGB, what brush_ paints
    mutable UniqueBrush brush_;
};

static_assert(!std::is_copy_constructible_v<BackgroundBrush>);

}  // namespace fw
