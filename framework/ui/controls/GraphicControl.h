#pragma once
// GraphicControl: a window-less control. It owns a rectangle inside its parent panel (parent
// client coordinates), has no window handle of its own, paints itself on the parent's surface
// and receives mouse messages and notifications that the parent and the application route to
// it (PointerRouter.h describes the routing).
//
// Messages reach a control through perform(), which calls the virtual windowProc(); a control
// that handles a message itself overrides windowProc() and passes the rest to defaultHandler(),
// the generic behaviour below:
//   - left press: marks the press for a click, then mouseDown() raises onMouseDown; right and
//     middle presses only raise it. The router has taken the mouse capture for the control
//     before the press reaches it;
//   - left release: the router has released the capture; click() if the press was marked and
//     the release point lies inside the control, and only then mouseUp() raises onMouseUp. A
//     click handler therefore runs while the control still shows its pressed state;
//   - a double-click's second press (WM_LBUTTONDBLCLK) reaches the control as an ordinary press
//     unless it asks for double-clicks (wantsDoubleClicks; the parent converts the message); a
//     double-click that the control leaves to defaultHandler() counts as a left press;
//   - click() executes the linked action, or else raises onClick.
// Mouse coordinates are the control's own: (0, 0) is its top-left corner.
//
// Colour and font follow the parent's while parentColor / parentFont are on; assigning either
// turns that off. Enabled, visible, caption, colour and font changes invalidate the control.
//
// Events (onClick, onMouseDown, ...) are raised with the control as sender on the GUI thread.
//
// Its pieces have headers of their own: colour and font (ControlLook, owned), the link to an
// action (ControlActionLink, owned), what it only stores for others (StoredControlProperties, a
// base); defaultHandler() reads mouse messages through MouseMessage.

#include "framework/ui/controls/ControlActionLink.h"
#include "framework/ui/controls/ControlLook.h"
#include "framework/ui/controls/MouseMessage.h"
#include "framework/ui/controls/StoredControlProperties.h"
#include "framework/ui/model/AccessibleTypes.h"
#include "framework/ui/model/BoundsSetters.h"
#include "framework/ui/model/Component.h"
#include "framework/ui/model/Geometry.h"

#include <functional>
#include <memory>
#include <string>

namespace fw {

class Canvas;
class Panel;

using MouseEvent = std::function<void(Component& sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Component& sender, ShiftState shift, int x, int y)>;

// What a control takes over from its action: everything, or only what it still has at its
// default (an action read with the control from a description fills in what it left out).
enum class ActionValues { TakeAll, FillDefaults };

class GraphicControl : public Component,
                       public StoredControlProperties,
                       public BoundsSetters<GraphicControl> {
public:
    explicit GraphicControl(Component* owner);
    GraphicControl(Panel& parent, Rect bounds);  // no owner, placed at once
    ~GraphicControl() override;

    // Placement. Setting the parent adds the control on top of the parent's others.
    Panel* parent() const { return parent_; }
    void setParent(Panel* parent);
    // The rectangle in the parent's pixels at its DPI: what painting, hit testing, the pointer's
    // routing and assistive technology use.
    Rect bounds() const { return bounds_; }
    // The rectangle as designed, at 96 DPI (Dpi.h): what setBounds() and the single setters take
    // and descriptions write. bounds() is this scaled for dpi().
    Rect designBounds() const { return designBounds_; }
    void setBounds(Rect designBounds);
    // A point of this control in screen coordinates; without a parent window, as if the parent's
    // corner were at the screen's.
    Point clientToScreen(Point point) const;

    void setName(const std::string& name) override;  // a caption equal to the old name follows it
    Component* parentComponent() const override;
    void loaded() override;  // repaints what was read

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    TColor color() const { return look_.color(); }
    void setColor(TColor color) { look_.setColor(color); }
    bool parentColor() const { return look_.parentColor(); }
    void setParentColor(bool parentColor);
    Font& font() { return look_.font(); }
    const Font& font() const { return look_.font(); }
    bool parentFont() const { return look_.parentFont(); }
    void setParentFont(bool parentFont);
    bool isEnabled() const { return isEnabled_; }
    void setEnabled(bool enabled);
    bool isVisible() const { return isVisible_; }
    void setVisible(bool visible);
    // Visible, with a parent window that is visible on screen.
    bool isShowing() const;
    // The pixels per inch of the surface the control paints on: its panel's; 96 without one. The
    // control's bounds and font follow it.
    int dpi() const;
    TBasicAction* action() const { return actionLink_.action(); }
    void setAction(TBasicAction* action);  // not owned

    // Asks the parent to repaint this control's rectangle later, its own background first.
    // Without a parent, nothing happens.
    void invalidate();
    // Paints at once on the parent's surface, without erasing what is there. Nothing happens
    // while the control is invisible (and not designed) or loading. Raises fw::Error "Control
    // '<name>' has no parent window" when there is no parent window to paint on.
    void paintNow();
    // Bits per pixel of the surface the control paints on; needs the parent window as paintNow().
    virtual int colorDepth() const;

    // Sends a message to this control and returns its result.
    long long perform(unsigned message, unsigned long long wParam = 0, long long lParam = 0);
    bool wantsDoubleClicks() const { return wantsDoubleClicks_; }

    // Called by the host: paints the whole control; the canvas origin is the control's corner and
    // drawing is clipped to it.
    virtual void paint(Canvas& canvas) = 0;
    // The host lost the mouse capture in the middle of a press (another window took it).
    virtual void captureLost();

    // What assistive technology is told about this control (the parent answers for it, see
    // PanelAccessibility.h); its name is the caption as shown and its location the bounds.
    virtual AccessibleRole accessibleRole() const { return AccessibleRole::Graphic; }
    virtual bool isPressed() const { return false; }
    virtual bool isPointerInside() const { return false; }
    // The default action, run for assistive technology from the parent's message queue; false
    // when the control has none or refuses it now (disabled, hidden).
    virtual bool doDefaultAction() { return false; }
    // Whether the control is its form's default, the one Enter presses (set by the form).
    bool isDefault() const { return isDefault_; }
    void setDefault(bool isDefault);
    // Expires when the control is destroyed: for those that point at it without owning it.
    std::weak_ptr<const void> lifetime() const { return lifeline_; }

    NotifyEvent onClick;
    MouseEvent onMouseDown;
    MouseEvent onMouseUp;
    MouseMoveEvent onMouseMove;

protected:
    virtual void windowProc(ControlMessage& message);
    void defaultHandler(ControlMessage& message);

    virtual void mouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void mouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void mouseMove(ShiftState shift, int x, int y);
    virtual void click();
    // Takes over the action's caption, enabled state, hint, visibility and click handler; with
    // ActionValues::FillDefaults, each only while the control's own value is still its default.
    virtual void actionChange(TBasicAction& action, ActionValues values);

    void setWantsDoubleClicks(bool wants) { wantsDoubleClicks_ = wants; }
    // Called once dpi() has changed (a new parent, or the parent laid out for another display)
    // and bounds and font have followed; a control with fonts or sizes of its own scales them here.
    virtual void dpiChanged() {}
    // Tells assistive technology that something it reads of this control changed; the setters
    // here report caption, enabled state, visibility and bounds themselves.
    void notifyAccessibleChange(AccessibleChange change);

    // Expires when the control is destroyed. A handler raised from inside the control (a click)
    // may free it; code that goes on afterwards checks this first.
    std::weak_ptr<const void> lifeline() const { return lifeline_; }

private:
    friend class Panel;
    void followParentColor();
    void followParentFont();
    // Lays the control out again for its parent's DPI: bounds and font from the design values.
    void followParentDpi();

    Panel* parent_ = nullptr;
    Rect designBounds_;
    Rect bounds_;  // designBounds_ at dpi()
    std::string caption_;
    ControlLook look_;
    bool isEnabled_ = true;
    bool isVisible_ = true;
    ControlActionLink actionLink_;
    bool wantsDoubleClicks_ = false;
    bool isPressedForClick_ = false;
    bool isDefault_ = false;
    std::shared_ptr<const void> lifeline_ = std::make_shared<int>(0);
};

}  // namespace fw
