#pragma once
// KeyboardRouter: the keyboard's half of the input router (InputRouter.h), which owns it. For
// each form it keeps the key preview, the default control that Enter presses, the window-less
// control that the form's focus is on, and what had the focus when the form was last
// deactivated. It moves the focus with Tab, routes the keys and typed characters that the
// message loop takes out of the queue, and passes the focus on when its control goes. The rules
// it follows are written at the top of GraphicControl.h.
//
// A window-less control holds the focus while its panel's window holds the system's keyboard
// focus: keys then arrive for the panel, and the router hands them to the control. The system's
// focus is the truth; the router follows it through the panels' WM_SETFOCUS and WM_KILLFOCUS.
//
// Whether a form shows keyboard cues is kept here, per form, rather than asked of the window
// (WM_QUERYUISTATE): Wine 8 answers 0 (cues shown) whatever the window was told. The router
// tells the window all the same, so that Windows' own controls in it agree.
//
// Pointers to controls are not owned; every control that leaves its panel or goes away is
// forgotten here (InputRouter::controlLeavesPanel, InputRouter::forget).

#include "framework/ui/controls/FormTabStops.h"
#include "framework/ui/model/TabOrder.h"
#include "framework/win32/NativeTypes.h"

#include <functional>
#include <optional>
#include <vector>

namespace fw {

class GraphicControl;
class Panel;

class KeyboardRouter {
public:
    // A form's key preview: sees every key pressed in the form first; setting it to 0 uses it up.
    using KeyPreview = std::function<void(int& key)>;

    KeyboardRouter() = default;
    KeyboardRouter(const KeyboardRouter&) = delete;
    KeyboardRouter& operator=(const KeyboardRouter&) = delete;

    // A form and its windows take part from addForm() until removeForm(); made with the
    // keyboard cues hidden until the keyboard is used, unless the user asked to see them always.
    void addForm(native::WindowHandle form, KeyPreview preview);
    void removeForm(native::WindowHandle form);

    // The window-less control that a fresh Enter presses (its default action), while it is
    // enabled and on screen and the form takes input; null for none.
    GraphicControl* defaultControl(native::WindowHandle form) const;
    void setDefaultControl(native::WindowHandle form, GraphicControl* control);

    // A key or character message (WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSCHAR) that the message
    // loop took out of the queue for `window`. True when it was used up and is not to be
    // dispatched; messages of windows outside our forms are left alone.
    bool routeKey(native::WindowHandle window, unsigned message, unsigned long long wParam, long long lParam);

    // The window-less control that has the focus now, or null.
    GraphicControl* focusedControl() const { return focused_; }
    // Gives the control the focus: its panel's window takes the system's focus. False when the
    // control cannot take it (see GraphicControl::canTakeFocus) or is not in a form of ours.
    bool setFocus(GraphicControl& control);
    // Tab (Forward) or Shift+Tab in `form`; false when the form has no stop that can take it.
    bool moveFocus(native::WindowHandle form, TabDirection direction);
    // Whether the control's form shows keyboard cues (UISF_HIDEFOCUS clear).
    bool isFocusCueShown(const GraphicControl& control) const;
    // WM_UPDATEUISTATE of a form: Windows sets or clears its cues (wParam as the message's).
    void formCuesChanged(native::WindowHandle form, unsigned long long wParam);

    // WM_ACTIVATE of a form: deactivation remembers which of its windows had the focus,
    // activation gives it back. True when activation gave the focus to one of them.
    void formDeactivated(native::WindowHandle form);
    bool formActivated(native::WindowHandle form);
    // WM_SETFOCUS and WM_KILLFOCUS of a panel's window.
    void panelGotFocus(Panel& panel);
    void panelLostFocus(Panel& panel);

    // The control was hidden or disabled: if it has the focus, the focus moves on.
    void controlCannotHoldFocus(GraphicControl& control);
    // The control left its panel: if it has the focus, the focus moves on.
    void controlLeavesPanel(GraphicControl& control);
    // The control goes away: nothing here points at it any more.
    void forget(GraphicControl& control);
    // The panel goes: nothing here points at its controls any more; the focus moves nowhere.
    void forgetPanel(Panel& panel);

private:
    struct FormState {
        native::WindowHandle form = nullptr;
        KeyPreview preview;
        GraphicControl* defaultControl = nullptr;  // not owned
        GraphicControl* focusTarget = nullptr;     // not owned; kept while the form is inactive
        native::WindowHandle savedFocus = nullptr;  // not owned
        bool showsFocusCues = false;
    };
    FormState* stateOf(native::WindowHandle window);  // the form that holds `window`
    const FormState* stateOf(native::WindowHandle window) const;
    GraphicControl* focusedOn(native::WindowHandle window) const;

    bool keyDown(native::WindowHandle window, unsigned long long wParam, long long lParam);
    bool character(native::WindowHandle window, unsigned long long wParam, long long lParam);
    bool offerDialogChar(native::WindowHandle form, unsigned character);
    bool pressDefault(native::WindowHandle form);

    // Moves the focus from `from` (a stop of `stops`, or none) in `direction`.
    bool focusNext(std::vector<FormTabStop> stops, std::optional<std::size_t> from, TabDirection direction);
    // A focused control that can no longer hold the focus passes it to the stop after it.
    void passFocusOn(FormState& form, GraphicControl& control);
    // Shows or hides the form's cues and tells its window (WM_CHANGEUISTATE); follow...() only
    // takes note of what the window was told.
    void showFocusCues(FormState& form, bool shown);
    void followFocusCues(FormState& form, bool shown);
    void tellGained(GraphicControl& control);
    void tellLost(GraphicControl& control);

    std::vector<FormState> forms_;
    GraphicControl* focused_ = nullptr;  // not owned; the control told focusGained() last
};

}  // namespace fw
