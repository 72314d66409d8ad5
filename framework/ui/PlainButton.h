#pragma once
// PlainButton: a simple window-less push button: a flat face with a one-pixel frame and a centred
// caption. It shows hover (hot colour), press (darker frame, caption moved by one pixel) and the
// disabled state (grey caption), and raises onClick on a left press and release inside.

#include "framework/core/Color.h"
#include "framework/ui/GraphicControl.h"

namespace fw {

class PlainButton : public GraphicControl {
public:
    struct Colors {
        TColor face = clBtnFace;
        TColor hotFace = clBtnFace;
        TColor frame = clGray;
        TColor caption = clBlack;
    };

    PlainButton(Panel& host, Rect bounds, const std::string& caption, Colors colors, native::FontHandle font);

    bool isPressed() const { return isPressed_; }
    bool isHovered() const { return isHovered_; }

    void paint(native::DeviceContextHandle deviceContext) override;
    void mouseDown(MouseButton button, Point where) override;
    void mouseUp(MouseButton button, Point where) override;
    void mouseEnter() override;
    void mouseLeave() override;
    void captureLost() override;

private:
    Colors colors_;
    native::FontHandle font_;  // not owned
    bool isPressed_ = false;
    bool isHovered_ = false;
};

}  // namespace fw
