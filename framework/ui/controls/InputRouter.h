#pragma once
// InputRouter: the one owner of input for window-less controls, one per program (the framework
// runs on one GUI thread, and Windows has one capture and one keyboard focus per thread). It
// owns the pointer's state (PointerRouter: capture, the control the pointer is inside) and the keyboard's (KeyboardRouter:
// focus, Tab order, default control, typed characters). Panels hand it their mouse and focus
// messages, the message loop its key messages, forms their activation; controls that leave a
// panel or go away are forgotten by both halves. The rules are written at the top of
// GraphicControl.h.

#include "framework/ui/controls/KeyboardRouter.h"
#include "framework/ui/controls/PointerRouter.h"

namespace fw {

class InputRouter {
public:
    static InputRouter& instance();

    PointerRouter& pointer() { return pointer_; }
    KeyboardRouter& keyboard() { return keyboard_; }

    // A mouse message that `panel`'s window received (panel client coordinates), read once here.
    // False when no control takes it.
    bool routeMouse(Panel& panel, unsigned message, unsigned long long wParam, long long lParam);

    // The control leaves its panel: released, the pointer no longer inside it, and its focus passed
    // on.
    void controlLeavesPanel(GraphicControl& control);
    // The control goes away: also no longer any form's default.
    void forget(GraphicControl& control);

private:
    InputRouter() = default;

    PointerRouter pointer_;
    KeyboardRouter keyboard_;
};

}  // namespace fw
