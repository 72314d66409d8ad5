#pragma once
// DefaultControl: the window-less control of a form that Enter presses, as a dialog's default
// button. The form holds one; the control is not owned and may go away at any time, after which
// there is no default. The control is told it is the default (GraphicControl::isDefault), so that
// assistive technology can say so.
//
// A press goes the way of the control's accelerator character: Down, paint, click, Down back,
// paint (GraphicControl::doDefaultAction). It happens only while the control is enabled and on
// screen; the form checks that no modal dialog of its own is open.

#include <memory>

namespace fw {

class GraphicControl;

class DefaultControl {
public:
    DefaultControl() = default;
    ~DefaultControl();
    DefaultControl(const DefaultControl&) = delete;
    DefaultControl& operator=(const DefaultControl&) = delete;

    GraphicControl* get() const;
    void set(GraphicControl* control);
    // True when the control took the press.
    bool press() const;

private:
    GraphicControl* control_ = nullptr;  // not owned; valid while alive_ has not expired
    std::weak_ptr<const void> alive_;
};

}  // namespace fw
