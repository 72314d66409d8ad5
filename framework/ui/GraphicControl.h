#pragma once
// GraphicControl: a window-less control. It owns a rectangle inside its host panel (host client
// coordinates), has no window handle of its own, and is painted by the host and fed plain mouse
// events by it (Panel.h describes the routing). Mouse coordinates are the control's own: (0, 0) is
// its top-left corner.
//
// Convention for events: on<Something> are the notifications a program assigns; the virtual
// functions are what the host calls, and a control overrides them to react.

#include "framework/ui/Geometry.h"
#include "framework/win32/NativeTypes.h"

#include <functional>
#include <string>

namespace fw {

class Panel;

enum class MouseButton { Left, Right, Middle };
enum class Cursor { Default, HandPoint };

class GraphicControl {
public:
    GraphicControl(Panel& host, Rect bounds);  // registers with the host; the host does not own it
    virtual ~GraphicControl();                 // unregisters: the host forgets every pointer to it
    GraphicControl(const GraphicControl&) = delete;
    GraphicControl& operator=(const GraphicControl&) = delete;

    Rect bounds() const { return bounds_; }
    Panel& host() const { return host_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    bool isEnabled() const { return isEnabled_; }
    void setEnabled(bool enabled);
    bool isVisible() const { return isVisible_; }
    void setVisible(bool visible);
    Cursor cursor() const { return cursor_; }
    void setCursor(Cursor cursor) { cursor_ = cursor; }

    // Asks the host to repaint this control's rectangle later.
    void invalidate();

    std::function<void(GraphicControl& sender)> onClick;

    // Called by the host.
    virtual void paint(native::DeviceContextHandle deviceContext) = 0;  // origin at the control's corner
    virtual void mouseDown(MouseButton button, Point where);
    virtual void mouseUp(MouseButton button, Point where);
    virtual void click();
    virtual void mouseEnter() {}
    virtual void mouseLeave() {}
    // The host lost the mouse capture in the middle of a press (another window took it).
    virtual void captureLost() {}

private:
    Panel& host_;
    Rect bounds_;
    std::string caption_;
    bool isEnabled_ = true;
    bool isVisible_ = true;
    Cursor cursor_ = Cursor::Default;
};

}  // namespace fw
