#pragma once
// BackgroundBrush: the flat colour a window paints its background with, and the solid GDI brush
// for it (owned). The brush is made anew whenever the colour is set; a system colour is resolved
// at that moment. The window that paints with it repaints itself after a change.

#include "framework/core/Color.h"
#include "framework/win32/Handles.h"

#include <type_traits>

namespace fw {

class BackgroundBrush {
public:
    explicit BackgroundBrush(TColor color);

    TColor color() const { return color_; }
    void setColor(TColor color);
    // Borrowed: valid until the next setColor().
    native::BrushHandle handle() const { return brush_.get(); }

private:
    TColor color_;
    UniqueBrush brush_;
};

static_assert(!std::is_copy_constructible_v<BackgroundBrush>);

}  // namespace fw
