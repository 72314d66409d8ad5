#pragma once
// PointerRouter: the one owner of pointer state for window-less controls. It knows which control
// holds the mouse capture and which one the pointer is over, routes every mouse message of a
// panel, and forgets a control that leaves its panel. One per GUI thread: Windows gives the
// capture to one window at a time, so one control program-wide holds it.
//
// The rule for where a mouse message goes exists once, in targetAt(): the control of this panel
// that holds the capture, wherever the pointer is; else the topmost visible, enabled control
// under the point; else none, and the panel keeps the message.
//
// The way of a click on the updater's update button, from Windows to the program's handler, 11
// calls deep (12 before this router, and the control then called back into its panel to take and
// release the capture from the middle of its own handler):
//   the panel's window procedure -> Panel::handleMessage -> PointerRouter::routeMouse (takes the
//   capture on the press; on the release, releases it before the control hears of it) ->
//   runHandler -> GraphicControl::perform -> TLbSpeedButton::windowProc ->
//   GraphicControl::defaultHandler -> TLbSpeedButton::click (the popup menu) ->
//   GraphicControl::click (the action, else onClick) -> onClick -> TForm1::Button2Click.
//   The press takes the same way to TLbSpeedButton::mouseDown, which sets Down and repaints.
// The way of a hover, from the message loop to the face painter, 9 calls deep (10 before, through
// the application's hover tracker, which asked the panel for the capturing control):
//   Application::run (the queue is empty) -> PointerRouter::updateHover (the window under the
//   pointer, its panel, the control there) -> runHandler -> GraphicControl::perform ->
//   TLbSpeedButton::windowProc -> mouseEntered -> refresh -> GraphicControl::paintNow ->
//   TLbSpeedButton::paint -> LbPaintFace.
//
// Entering and leaving: whenever the application's queue runs empty it calls updateHover(),
// which finds the control under the pointer (disabled ones included, hidden ones not) and, when
// that differs from the last one, sends mouse-leave to the last one and mouse-enter to the new
// one. While a control holds the capture, only that control is entered and left. So a control
// that appears under a resting pointer is entered, and one that is covered, hidden, moved away or
// whose window loses the pointer is left.

#include "framework/ui/model/Geometry.h"

namespace fw {

class GraphicControl;
class Panel;

class PointerRouter {
public:
    static PointerRouter& instance();

    // A mouse message that `panel`'s window received (panel client coordinates): takes or
    // releases the capture for a left press or release and passes the message on to its control
    // in that control's coordinates. False when no control takes it.
    bool routeMouse(Panel& panel, unsigned message, unsigned long long wParam, long long lParam);
    // The panel's window lost the capture in the middle of a press (a dialog, Alt+Tab): the
    // press ends without a click.
    void captureChanged(Panel& panel);
    // Where a mouse message at `where` on `panel` goes; null for the panel itself.
    GraphicControl* targetAt(const Panel& panel, Point where) const;

    // The idle step: sends mouse-leave and mouse-enter when the control under the pointer changed.
    void updateHover();
    // The control leaves its panel or goes away: it is released if it holds the capture, and
    // neither notified nor remembered any more.
    void forget(GraphicControl& control);

    GraphicControl* capturingControl() const { return capturing_; }
    GraphicControl* hoveredControl() const { return hovered_; }

private:
    PointerRouter() = default;

    GraphicControl* capturing_ = nullptr;  // not owned
    GraphicControl* hovered_ = nullptr;    // not owned
};

}  // namespace fw
