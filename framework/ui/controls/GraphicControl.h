#pragma once
// GraphicControl: a window-less control. It owns a rectangle inside its parent panel (parent
// client coordinates), has no window handle of its own and paints itself on the parent's surface.
// Derive from it to make a control of your own: override paint() and the handlers below that the
// control answers; everything else has a default.
//
// How input reaches a control. One object of the framework routes all of it, on the GUI thread,
// and calls the control's typed handlers; what a handler throws goes to the error display.
//   Pointer. A mouse message of the panel goes to the control that holds the mouse capture,
//   wherever the pointer is; else to the topmost visible, enabled control under the point; else
//   the panel keeps it. A left press takes the capture for the control, and the capture is
//   released before the release reaches it. A press does not move the keyboard focus, as on a
//   toolbar: a mouse user never sees a focus cue. handleMouse() then
//   applies the rule of a click: a left press marks the control, and a left release on it while
//   marked calls click() before mouseUp(), so that a click handler still sees the pressed state;
//   mouseUp() always follows a release. A capture lost in the middle of a press (a dialog,
//   Alt+Tab) calls captureLost(), and no click follows. The second press of a double-click
//   reaches mouseDoubleClick() only when the control asks for double-clicks
//   (setWantsDoubleClicks); otherwise, and by default, it is a press.
//   Pointer inside. Whenever the application's queue runs empty, the control under the pointer
//   (hidden ones passed over, disabled ones not) is found; when it changed, the last one gets
//   mouseLeave() and the new one mouseEnter(), and the pointer is inside the new one. While a control holds the capture, only it is entered and left.
//   A control that appears under a resting pointer is entered; one that is covered, hidden, moved
//   away or removed is left (a removed one is not told).
//   Focus. A form's tab stops, window-less controls (setTabStop) and child windows with
//   WS_TABSTOP (the memo's TabStop) together, are visited by Tab and Shift+Tab in TabOrder, ties
//   in the order they were made (model/TabOrder.h); hidden and disabled ones are passed over. At
//   most one control has the focus: it gets focusGained() and later focusLost(); while it has
//   it, its panel's window holds the system's keyboard focus. A focused control that is hidden,
//   disabled or removed passes the focus to the next tab stop. The focus cue is drawn only while
//   the form shows keyboard cues (isFocusCueShown): hidden until Tab is first pressed, unless the
//   user asked to see them always (SPI_GETKEYBOARDCUES), and after that as WM_UPDATEUISTATE says.
//   Keys. A key pressed in a form goes first to the form's key preview; then Tab moves the focus;
//   then the focused control gets keyDown() and keyUp(); a fresh Enter that it leaves goes to the
//   form's default control. A typed character goes to the focused control (character()), or to
//   the focused child window when that wants characters; only otherwise, or with Alt held, is it
//   offered to each window-less control of the form as dialogChar(), in the panels' order, until
//   one takes it: that is how a caption's accelerator character presses its button.
// Each handler that returns bool returns true when the control used the input.
//
// Colour and font follow the parent's while parentColor / parentFont are on; assigning either
// turns that off. Enabled, visible, caption, colour and font changes invalidate the control.
//
// Events (onClick, onMouseDown, ...) are raised with the control as sender on the GUI thread.
//
// Its pieces have headers of their own: colour and font (ControlLook, owned), the link to an
// action (ControlActionLink, owned), what it only stores for others (StoredControlProperties, a
// base).

#include "framework/ui/controls/ControlActionLink.h"
#include "framework/ui/controls/ControlLook.h"
#include "framework/ui/controls/MouseMessage.h"
#include "framework/ui/controls/StoredControlProperties.h"
#include "framework/ui/model/AccessibleTypes.h"
#include "framework/ui/model/BoundsSetters.h"
#include "framework/ui/model/Component.h"
#include "framework/geometry/Geometry.h"

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
    // The pixels per inch of the surface the control paints on: its panel's; designDpi without one. The
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

    // Sends a message to this control by its number (ControlMessage.h: a mouse message with its
    // packed point in the control's coordinates, or a notification) and returns its result; it
    // reaches the same typed handlers as the host's calls.
    long long perform(unsigned message, unsigned long long wParam = 0, long long lParam = 0);
    bool wantsDoubleClicks() const { return wantsDoubleClicks_; }

    // Called by the host: paints the whole control; the canvas origin is the control's corner,
    // drawing is clipped to it and the canvas font is the control's font.
    virtual void paint(Canvas& canvas) = 0;

    // The host's calls, typed (see the top of this header for when each comes).
    // A mouse message in the control's coordinates: the rule of a click, then the handlers below.
    void handleMouse(const MouseMessage& mouse);
    virtual void mouseEnter() {}  // the mouse-enter notification (0xB013)
    virtual void mouseLeave() {}  // the mouse-leave notification (0xB014)
    // The host lost the mouse capture in the middle of a press (another window took it).
    virtual void captureLost();
    // The dialog-character notification (0xB006): a typed character offered to every control of
    // the form; true when this control used it (its accelerator).
    virtual bool dialogChar(unsigned character);
    // Keys while the control has the focus; `key` is a virtual-key code (ControlMessage.h).
    virtual bool keyDown(unsigned key, KeyPress press);
    virtual bool keyUp(unsigned key);
    virtual bool character(unsigned character);
    // The control took or lost the keyboard focus. The defaults repaint it, for its focus cue.
    virtual void focusGained();
    virtual void focusLost();

    // Keyboard focus. A tab stop is visited by Tab in its form's TabOrder (ties in the order the
    // controls were made). Not a tab stop by default.
    bool isTabStop() const { return isTabStop_; }
    void setTabStop(bool tabStop) { isTabStop_ = tabStop; }
    int tabOrder() const { return tabOrder_; }
    void setTabOrder(int tabOrder) { tabOrder_ = tabOrder; }
    long long madeAt() const { return madeAt_; }  // its creation number (TabOrder.h)
    // Enabled and on screen: what taking the focus needs.
    bool canTakeFocus() const { return isEnabled_ && isShowing(); }
    // Takes the keyboard focus; false when it cannot (see canTakeFocus).
    bool setFocus();
    bool isFocused() const;
    // Focused, and the form shows keyboard cues: the control is to draw its focus cue.
    bool isFocusCueShown() const;

    // What assistive technology is told about this control (the parent answers for it, see
    // PanelAccessibility.h); its name is the caption as shown and its location the bounds. The
    // control is focusable while it is a tab stop, and focused while isFocused().
    virtual AccessibleRole accessibleRole() const { return AccessibleRole::Graphic; }
    virtual bool isDown() const { return false; }  // pressed, as assistive technology says
    virtual bool isChecked() const { return false; }  // for AccessibleRole::CheckButton
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
    virtual void mouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void mouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void mouseMove(ShiftState shift, int x, int y);
    // The second press of a double-click, for a control that asks for double-clicks; by default
    // it is handled as a press.
    virtual void mouseDoubleClick(MouseButton button, ShiftState shift, int x, int y);
    virtual void click();
    // Takes over the action's caption, enabled state, hint, visibility and click handler; with
    // ActionValues::FillDefaults, each only while the control's own value is still its default.
    virtual void actionChange(TBasicAction& action, ActionValues values);

    void setWantsDoubleClicks(bool wants) { wantsDoubleClicks_ = wants; }
    // Called once dpi() has changed (a new parent, or the parent laid out for another display)
    // and bounds and font have followed; a control with fonts or sizes of its own scales them here.
    virtual void dpiChanged() {}
    // Tells assistive technology that something it reads of this control changed; the setters
    // here report caption, enabled state, visibility, bounds and focus themselves.
    void notifyAccessibleChange(AccessibleChange change);

private:
    friend class Panel;
    friend class KeyboardRouter;  // tells assistive technology where the focus went
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
    bool isMarkedForClick_ = false;
    bool isDefault_ = false;
    bool isTabStop_ = false;
    int tabOrder_ = 0;
    long long madeAt_;
    std::shared_ptr<const void> lifeline_ = std::make_shared<int>(0);
};

}  // namespace fw
