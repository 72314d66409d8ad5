#include "framework/ui/controls/KeyboardRouter.h"

#include "framework/core/RunHandler.h"
#include "framework/ui/controls/FormTabStops.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/Panel.h"

#include <windows.h>

#include <algorithm>

namespace fw {
namespace {

bool isHeld(int virtualKey) { return GetKeyState(virtualKey) < 0; }

}  // namespace

void KeyboardRouter::addForm(native::WindowHandle form, KeyPreview preview)
{
    forms_.push_back(FormState{form, std::move(preview)});
    // Hidden until the keyboard is used, as Windows does, unless the user asked to see them.
    BOOL alwaysShown = FALSE;
    SystemParametersInfoA(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
    showFocusCues(forms_.back(), alwaysShown != FALSE);
}

void KeyboardRouter::showFocusCues(FormState& form, bool shown)
{
    const HWND window = form.form;
    followFocusCues(form, shown);
    SendMessageA(window, WM_CHANGEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
}

void KeyboardRouter::followFocusCues(FormState& form, bool shown)
{
    if (form.showsFocusCues == shown)
        return;
    form.showsFocusCues = shown;
    if (focused_ && focused_->parent() && GetAncestor(focused_->parent()->handle(), GA_ROOT) == form.form)
        focused_->invalidate();
}

void KeyboardRouter::formCuesChanged(native::WindowHandle form, unsigned long long wParam)
{
    FormState* state = stateOf(form);
    if (!state || !(HIWORD(wParam) & UISF_HIDEFOCUS))
        return;
    if (LOWORD(wParam) == UIS_SET)
        followFocusCues(*state, false);
    else if (LOWORD(wParam) == UIS_CLEAR)
        followFocusCues(*state, true);
}

void KeyboardRouter::removeForm(native::WindowHandle form)
{
    if (focused_ && focused_->parent() && GetAncestor(focused_->parent()->handle(), GA_ROOT) == form)
        focused_ = nullptr;
    if (GraphicControl* control = defaultControl(form))
        control->setDefault(false);
    std::erase_if(forms_, [&](const FormState& state) { return state.form == form; });
}

KeyboardRouter::FormState* KeyboardRouter::stateOf(native::WindowHandle window)
{
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    const auto found = std::find_if(forms_.begin(), forms_.end(), [&](const FormState& s) { return s.form == root; });
    return found == forms_.end() || !root ? nullptr : &*found;
}

const KeyboardRouter::FormState* KeyboardRouter::stateOf(native::WindowHandle window) const
{
    return const_cast<KeyboardRouter*>(this)->stateOf(window);
}

GraphicControl* KeyboardRouter::focusedOn(native::WindowHandle window) const
{
    return focused_ && focused_->parent() && focused_->parent()->handle() == window ? focused_ : nullptr;
}

GraphicControl* KeyboardRouter::defaultControl(native::WindowHandle form) const
{
    const FormState* state = stateOf(form);
    return state ? state->defaultControl : nullptr;
}

void KeyboardRouter::setDefaultControl(native::WindowHandle form, GraphicControl* control)
{
    FormState* state = stateOf(form);
    if (!state)
        return;
    GraphicControl* previous = state->defaultControl;
    state->defaultControl = control;
    if (previous && previous != control)
        previous->setDefault(false);
    if (control)
        control->setDefault(true);
}

bool KeyboardRouter::routeKey(native::WindowHandle window, unsigned message, unsigned long long wParam,
                              long long lParam)
{
    if (!stateOf(window))
        return false;
    switch (message) {
    case WM_KEYDOWN:
        return keyDown(window, wParam, lParam);
    case WM_KEYUP:
        if (GraphicControl* control = focusedOn(window)) {
            bool used = false;
            runHandler([&] { used = control->keyUp(static_cast<unsigned>(wParam)); });
            return used;
        }
        return false;
    case WM_CHAR:
        return character(window, wParam, lParam);
    case WM_SYSCHAR:
        // With Alt held a character is always an accelerator's, whoever has the focus.
        return offerDialogChar(GetAncestor(window, GA_ROOT), static_cast<unsigned>(wParam));
    default:
        return false;
    }
}

bool KeyboardRouter::keyDown(native::WindowHandle window, unsigned long long wParam, long long lParam)
{
    HWND form = GetAncestor(window, GA_ROOT);
    int key = static_cast<int>(wParam);
    if (FormState* state = stateOf(form); state && state->preview)
        runHandler([&, preview = state->preview] { preview(key); });
    if (key == 0)
        return true;
    if (!stateOf(form))
        return true;  // the preview closed the form
    // Bit 30 of a key message: the key was already down, this is a repeat.
    const KeyPress press = (lParam & (1 << 30)) ? KeyPress::Repeated : KeyPress::Fresh;
    // A child window of someone else's (an edit box) is asked what it wants, as a dialog asks.
    const bool isForeign = window != form && !Panel::fromWindow(window);

    if (key == VK_TAB && !isHeld(VK_CONTROL) && !isHeld(VK_MENU) &&
        !(isForeign && (dialogCodeOf(window, WM_KEYDOWN, wParam, lParam) & DLGC_WANTTAB))) {
        // The keyboard is in use: from now on the form shows where the focus is.
        if (FormState* state = stateOf(form))
            showFocusCues(*state, true);
        return moveFocus(form, isHeld(VK_SHIFT) ? TabDirection::Backward : TabDirection::Forward);
    }
    if (GraphicControl* control = focusedOn(window)) {
        bool used = false;
        runHandler([&] { used = control->keyDown(static_cast<unsigned>(key), press); });
        if (used)
            return true;
    }
    // Only a fresh press: the Enter held down after it closed a message box, or one that keeps
    // repeating, must not press the default control again.
    if (key != VK_RETURN || press != KeyPress::Fresh || (isForeign && keepsEnter(window, wParam, lParam)))
        return false;
    return pressDefault(form);
}

bool KeyboardRouter::character(native::WindowHandle window, unsigned long long wParam, long long lParam)
{
    const auto typed = static_cast<unsigned>(wParam);
    if (GraphicControl* control = focusedOn(window)) {
        bool used = false;
        runHandler([&] { used = control->character(typed); });
        if (used)
            return true;
    } else {
        HWND form = GetAncestor(window, GA_ROOT);
        // A window that takes characters (an edit box) keeps its letters; accelerators need Alt.
        const bool isForeign = window != form && !Panel::fromWindow(window);
        if (isForeign && (dialogCodeOf(window, WM_CHAR, wParam, lParam) & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)))
            return false;
    }
    return offerDialogChar(GetAncestor(window, GA_ROOT), typed);
}

bool KeyboardRouter::offerDialogChar(native::WindowHandle form, unsigned character)
{
    return untilOneOfItsControlsTakes(form, [&](GraphicControl& control) {
        bool used = false;
        runHandler([&] { used = control.dialogChar(character); });
        return used;
    });
}

bool KeyboardRouter::pressDefault(native::WindowHandle form)
{
    GraphicControl* control = defaultControl(form);
    // A form that a modal dialog of its own has disabled takes no Enter.
    if (!control || !control->isEnabled() || !control->isShowing() || !IsWindowEnabled(form))
        return false;
    bool pressed = false;
    runHandler([&] { pressed = control->doDefaultAction(); });
    return pressed;
}

bool KeyboardRouter::moveFocus(native::WindowHandle form, TabDirection direction)
{
    std::vector<FormTabStop> stops = tabStopsOf(form);
    HWND focus = GetFocus();
    const auto current = std::find_if(stops.begin(), stops.end(), [&](const FormTabStop& stop) {
        return stop.control ? stop.control == focusedOn(focus) : stop.window == focus;
    });
    std::optional<std::size_t> from;
    if (current != stops.end())
        from = static_cast<std::size_t>(current - stops.begin());
    return focusNext(std::move(stops), from, direction);
}

bool KeyboardRouter::focusNext(std::vector<FormTabStop> stops, std::optional<std::size_t> from, TabDirection direction)
{
    std::vector<TabStop> order;
    for (const FormTabStop& stop : stops)
        order.push_back(stop.order);
    const std::optional<std::size_t> next = nextTabStop(order, from, direction);
    if (!next)
        return false;
    const FormTabStop& stop = stops[*next];
    if (stop.control)
        return setFocus(*stop.control);
    focusChildWindow(stop.window);
    return true;
}

bool KeyboardRouter::setFocus(GraphicControl& control)
{
    Panel* panel = control.parent();
    FormState* state = panel ? stateOf(panel->handle()) : nullptr;
    if (!state || !control.canTakeFocus())
        return false;
    state->focusTarget = &control;
    if (GetFocus() != panel->handle()) {
        // The panel's WM_SETFOCUS tells the control (panelGotFocus).
        SetFocus(panel->handle());
        return focused_ == &control;
    }
    if (focused_ != &control) {
        if (focused_)
            tellLost(*focused_);
        tellGained(control);
    }
    return true;
}

bool KeyboardRouter::isFocusCueShown(const GraphicControl& control) const
{
    const FormState* state = control.parent() ? stateOf(control.parent()->handle()) : nullptr;
    return state && state->showsFocusCues;
}

void KeyboardRouter::formDeactivated(native::WindowHandle form)
{
    // Sent before the focus leaves, so the focus is still where the user left it.
    if (FormState* state = stateOf(form)) {
        HWND focus = GetFocus();
        state->savedFocus = focus && IsChild(form, focus) ? focus : nullptr;
    }
}

bool KeyboardRouter::formActivated(native::WindowHandle form)
{
    FormState* state = stateOf(form);
    if (!state || !state->savedFocus)
        return false;
    HWND saved = state->savedFocus;
    state->savedFocus = nullptr;
    if (!IsWindow(saved) || !IsChild(form, saved) || !IsWindowVisible(saved) || !IsWindowEnabled(saved))
        return false;
    // A panel had the focus for its control: back to the control if it can still take it.
    if (Panel* panel = Panel::fromWindow(saved))
        return state->focusTarget && state->focusTarget->parent() == panel && setFocus(*state->focusTarget);
    SetFocus(saved);
    return true;
}

void KeyboardRouter::panelGotFocus(Panel& panel)
{
    FormState* state = stateOf(panel.handle());
    GraphicControl* target = state ? state->focusTarget : nullptr;
    if (!target || target->parent() != &panel || !target->canTakeFocus() || focused_ == target)
        return;
    if (focused_)
        tellLost(*focused_);
    tellGained(*target);
}

void KeyboardRouter::panelLostFocus(Panel& panel)
{
    if (focused_ && focused_->parent() == &panel)
        tellLost(*focused_);
}

void KeyboardRouter::tellGained(GraphicControl& control)
{
    focused_ = &control;
    runHandler([&] { control.focusGained(); });
    // Screen readers follow the focus; the handler may have moved it already.
    if (focused_ == &control)
        control.notifyAccessibleChange(AccessibleChange::Focus);
}

void KeyboardRouter::tellLost(GraphicControl& control)
{
    focused_ = nullptr;
    runHandler([&] { control.focusLost(); });
}

void KeyboardRouter::passFocusOn(FormState& form, GraphicControl& control)
{
    form.focusTarget = nullptr;
    const bool hadFocus = focused_ == &control;
    if (hadFocus)
        tellLost(control);
    if (!hadFocus)
        return;  // the form is inactive: it gets the focus back on its own when activated
    const native::WindowHandle formWindow = form.form;
    // The control is no stop any more (hidden, disabled or gone): the walk starts where it stood.
    std::vector<FormTabStop> stops = tabStopsOf(formWindow);
    std::erase_if(stops, [&](const FormTabStop& stop) { return stop.control == &control; });
    stops.push_back({{control.tabOrder(), control.madeAt(), Focusable::No}, nullptr, nullptr});
    const std::size_t from = stops.size() - 1;
    if (!focusNext(std::move(stops), from, TabDirection::Forward))
        SetFocus(formWindow);  // no stop left: the form itself holds the focus
}

void KeyboardRouter::controlCannotHoldFocus(GraphicControl& control)
{
    Panel* panel = control.parent();
    FormState* state = panel ? stateOf(panel->handle()) : nullptr;
    if (state && state->focusTarget == &control)
        passFocusOn(*state, control);
}

void KeyboardRouter::controlLeavesPanel(GraphicControl& control) { controlCannotHoldFocus(control); }

void KeyboardRouter::forget(GraphicControl& control)
{
    if (focused_ == &control)
        focused_ = nullptr;
    for (FormState& state : forms_) {
        if (state.focusTarget == &control)
            state.focusTarget = nullptr;
        if (state.defaultControl == &control)
            state.defaultControl = nullptr;
    }
}

void KeyboardRouter::forgetPanel(Panel& panel)
{
    if (focused_ && focused_->parent() == &panel)
        focused_ = nullptr;
    for (FormState& state : forms_)
        if (state.focusTarget && state.focusTarget->parent() == &panel)
            state.focusTarget = nullptr;
}

}  // namespace fw
