#pragma once
// PointerRouter: the pointer's half of the input router (InputRouter.h), which owns it. It knows
// which window-less control holds the mouse capture and which one the pointer is inside, delivers
// a panel's mouse messages, and forgets a control that leaves its panel. There is one, the input
// router's: Windows gives the capture to one window at a time, and the framework runs on one GUI
// thread.
// The rules it follows are written at the top of GraphicControl.h.
//
// The rule for where a mouse message goes exists once, in targetAt().

#include "framework/ui/controls/MouseMessage.h"
#include "framework/geometry/Geometry.h"

namespace fw {

class GraphicControl;
class Panel;

class PointerRouter {
public:
    PointerRouter() = default;
    PointerRouter(const PointerRouter&) = delete;
    PointerRouter& operator=(const PointerRouter&) = delete;

    // Where a mouse message at `where` (panel client coordinates) goes: the control of this panel
    // that holds the capture, wherever the pointer is; else the topmost visible, enabled control
    // under the point; else none, and the panel keeps the message.
    GraphicControl* targetAt(const Panel& panel, Point where) const;
    // Delivers `mouse` (panel client coordinates) to `target`, in the control's coordinates: a
    // left press or double-click takes the capture for it, a left release gives it back first.
    void deliver(Panel& panel, GraphicControl& target, MouseMessage mouse);
    // The panel's window lost the capture in the middle of a press: the press ends without a click.
    void captureChanged(Panel& panel);

    // The idle step: sends mouse-leave and mouse-enter when the control the pointer is inside
    // changed.
    void updatePointerInside();
    // The control leaves its panel or goes away: it is released if it holds the capture, and
    // neither notified nor remembered any more.
    void forget(GraphicControl& control);

    GraphicControl* capturingControl() const { return capturing_; }
    // The control the pointer is inside: the one that was last sent mouse-enter and not yet
    // mouse-leave.
    GraphicControl* pointerInside() const { return pointerInside_; }

private:
    GraphicControl* capturing_ = nullptr;      // not owned
    GraphicControl* pointerInside_ = nullptr;  // not owned
};

}  // namespace fw
