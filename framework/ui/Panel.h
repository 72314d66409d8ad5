#pragma once
// Panel: a child window with a flat colour and a raised one-pixel bevel, host of window-less
// controls and parent of windowed ones (the memo).
//
// Routing of the mouse to the window-less controls, in panel client coordinates:
//   - a press goes to the topmost visible, enabled control under the pointer; a left press also
//     takes the capture, so that every mouse message goes to that control until the release;
//   - on the left release the host releases the capture, then calls click() if the release point
//     lies inside the pressed control, and only then mouseUp(): a click handler runs while the
//     control still shows its pressed state;
//   - hover: the control under the pointer (disabled ones included) gets mouseEnter() when the
//     pointer arrives and mouseLeave() when it goes, also when it leaves the panel. While a control
//     holds the capture, only that control hears about entering and leaving.
// Controls register themselves; when one is removed, every hover/capture pointer to it is cleared.

#include "framework/core/Color.h"
#include "framework/ui/Geometry.h"
#include "framework/win32/Handles.h"

#include <vector>

namespace fw {

class GraphicControl;
enum class MouseButton;

class Panel {
public:
    Panel(native::WindowHandle parent, Rect bounds, TColor color, native::FontHandle font);
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    native::WindowHandle handle() const { return window_.get(); }
    native::FontHandle font() const { return font_; }

    void addControl(GraphicControl& control);
    void removeControl(GraphicControl& control);
    void invalidate(Rect area);

    // The window procedure's entry point for this panel's messages.
    long long handleMessage(unsigned message, unsigned long long wParam, long long lParam);

private:
    GraphicControl* controlAt(Point where, bool enabledOnly) const;
    void mouseMoved(Point where);
    void pressed(MouseButton button, Point where);
    void released(MouseButton button, Point where);
    void paint();

    UniqueWindow window_;
    UniqueBrush background_;
    native::FontHandle font_;  // not owned: the form's
    std::vector<GraphicControl*> controls_;  // not owned; in creation order, last on top
    GraphicControl* hovered_ = nullptr;
    GraphicControl* captured_ = nullptr;  // holds the mouse capture after a left press
    bool isTrackingLeave_ = false;
};

}  // namespace fw
