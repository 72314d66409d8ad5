#pragma once
// HoverTracker: tells window-less controls that the pointer arrived over them or left them.
// The application calls update() whenever its message queue runs empty; it finds the control
// under the pointer (disabled ones included, hidden ones not) and, when that differs from the
// last one, sends the mouse-leave notification to the last one and the mouse-enter notification
// to the new one. So a control that appears under a resting pointer is entered, and one that is
// covered, hidden, moved away or whose window loses the pointer is left.
// While a control holds the mouse capture, only that control is entered and left.

namespace fw {

class GraphicControl;

class HoverTracker {
public:
    void update();
    // The control goes away: it is neither notified nor remembered any more.
    void forget(GraphicControl& control);
    GraphicControl* current() const { return current_; }

private:
    GraphicControl* current_ = nullptr;  // not owned
};

}  // namespace fw
