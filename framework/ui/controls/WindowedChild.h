#pragma once
// WindowedChild: what the framework's child windows (a panel, the memo) share. Each has a window
// of its own inside a parent window, which the derived class makes and owns; the window is placed
// at bounds designed at designDpi (Dpi.h) and scaled for the DPI the child is laid out for, and,
// while the child is read from a description, moves once, when the reading is done. Its
// background is painted with a brush of its colour (BackgroundBrush.h, owned).

#include "framework/core/Color.h"
#include "framework/geometry/Geometry.h"
#include "framework/ui/controls/BackgroundBrush.h"
#include "framework/ui/controls/DpiScaledChild.h"
#include "framework/ui/model/Component.h"
#include "framework/win32/NativeTypes.h"

namespace fw {

class WindowedChild : public Component, public DpiScaledChild {
public:
    // In the parent window's pixels at the child's DPI: where the window is.
    Rect bounds() const { return bounds_; }
    // As designed, at designDpi: what setBounds() takes and descriptions write.
    Rect designBounds() const { return designBounds_; }
    // While read from a description, the window moves once, when the reading is done.
    void setBounds(Rect designBounds);
    void loaded() override;
    TColor color() const { return background_.color(); }

protected:
    WindowedChild(Component* owner, Rect designBounds, TColor color);

    // The child's window (null before it is made) and the DPI the child is laid out for.
    virtual native::WindowHandle childWindow() const = 0;
    virtual int layoutDpi() const = 0;

    // Scales the design bounds for layoutDpi() without moving the window: before it is made.
    void scaleBounds();
    // Takes the colour and repaints the window's background in it.
    void changeBackgroundColor(TColor color);
    BackgroundBrush& background() { return background_; }

private:
    void moveWindowToBounds();

    Rect designBounds_;
    Rect bounds_;  // designBounds_ at layoutDpi()
    BackgroundBrush background_;
};

}  // namespace fw
