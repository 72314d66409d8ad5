#include "framework/ui/accessibility/ControlAccessibleObject.h"

#include "framework/core/Accelerator.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/accessibility/PanelChildren.h"
#include "framework/win32/LeadByte.h"

namespace fw {

ControlAccessibleObject::ControlAccessibleObject(PanelChildren& host, GraphicControl& control)
    : host_(&host), control_(&control)
{
}

void ControlAccessibleObject::disconnect()
{
    host_ = nullptr;
    control_ = nullptr;
}

bool ControlAccessibleObject::isButton() const { return control_->accessibleRole() != AccessibleRole::Graphic; }

long ControlAccessibleObject::msaaRole() const
{
    switch (control_->accessibleRole()) {
    case AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::CheckButton:
        return ROLE_SYSTEM_CHECKBUTTON;
    case AccessibleRole::Graphic:
        break;
    }
    return ROLE_SYSTEM_GRAPHIC;
}

std::string ControlAccessibleObject::defaultActionName() const
{
    // The names Windows' own buttons and check boxes give their actions.
    if (control_->accessibleRole() == AccessibleRole::CheckButton)
        return control_->isChecked() ? "Uncheck" : "Check";
    return "Press";
}

HRESULT ControlAccessibleObject::get_accParent(IDispatch** parent)
{
    if (const HRESULT cleared = clearOutputs(parent); cleared != S_OK)
        return cleared;
    if (!control_)
        return CO_E_OBJNOTCONNECTED;
    return guarded([&] {
        *parent = host_->panelObject().release();
        return *parent ? S_OK : E_FAIL;
    });
}

HRESULT ControlAccessibleObject::get_accChildCount(long* count)
{
    if (const HRESULT cleared = clearOutputs(count); cleared != S_OK)
        return cleared;
    return control_ ? S_OK : CO_E_OBJNOTCONNECTED;
}

HRESULT ControlAccessibleObject::get_accChild(VARIANT, IDispatch** object)
{
    if (const HRESULT cleared = clearOutputs(object); cleared != S_OK)
        return cleared;
    return control_ ? E_INVALIDARG : CO_E_OBJNOTCONNECTED;  // it has no children
}

HRESULT ControlAccessibleObject::get_accName(VARIANT child, BSTR* name)
{
    if (const HRESULT checked = checkSelf(child, name); checked != S_OK)
        return checked;
    return guarded([&] { return setText(name, captionAsShown(control_->caption(), isLeadByte)); });
}

HRESULT ControlAccessibleObject::get_accDescription(VARIANT child, BSTR* description)
{
    if (const HRESULT checked = checkSelf(child, description); checked != S_OK)
        return checked;
    return guarded([&] { return setText(description, control_->hint()); });
}

HRESULT ControlAccessibleObject::get_accRole(VARIANT child, VARIANT* role)
{
    if (const HRESULT checked = checkSelf(child, role); checked != S_OK)
        return checked;
    setInteger(role, msaaRole());
    return S_OK;
}

HRESULT ControlAccessibleObject::get_accState(VARIANT child, VARIANT* state)
{
    if (const HRESULT checked = checkSelf(child, state); checked != S_OK)
        return checked;
    long flags = 0;
    if (!control_->isEnabled())
        flags |= STATE_SYSTEM_UNAVAILABLE;
    if (control_->isDown())
        flags |= STATE_SYSTEM_PRESSED;
    if (control_->isChecked())
        flags |= STATE_SYSTEM_CHECKED;
    if (control_->isTabStop())
        flags |= STATE_SYSTEM_FOCUSABLE;
    if (control_->isFocused())
        flags |= STATE_SYSTEM_FOCUSED;
    if (control_->isPointerInside())
        flags |= STATE_SYSTEM_HOTTRACKED;
    if (control_->isDefault())
        flags |= STATE_SYSTEM_DEFAULT;
    // Hidden itself, or on a panel that is not on screen.
    if (!control_->isShowing())
        flags |= STATE_SYSTEM_INVISIBLE;
    setInteger(state, flags);
    return S_OK;
}

HRESULT ControlAccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    if (const HRESULT checked = checkSelf(child, shortcut); checked != S_OK)
        return checked;
    if (!isButton())
        return S_FALSE;
    return guarded([&] {
        // Enter presses the form's default control, unless its caption gives it a character.
        const auto character = acceleratorCharacter(control_->caption(), isLeadByte);
        if (character)
            return setText(shortcut, "Alt+" + std::string(1, static_cast<char>(*character)));
        return setText(shortcut, control_->isDefault() ? "Enter" : "");
    });
}

HRESULT ControlAccessibleObject::get_accFocus(VARIANT* focused)
{
    if (const HRESULT cleared = clearOutputs(focused); cleared != S_OK)
        return cleared;
    if (!control_)
        return CO_E_OBJNOTCONNECTED;
    if (!control_->isFocused())
        return S_FALSE;
    setInteger(focused, CHILDID_SELF);
    return S_OK;
}

HRESULT ControlAccessibleObject::get_accSelection(VARIANT* selected)
{
    if (const HRESULT cleared = clearOutputs(selected); cleared != S_OK)
        return cleared;
    return control_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT ControlAccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action)
{
    if (const HRESULT checked = checkSelf(child, action); checked != S_OK)
        return checked;
    if (!isButton())
        return S_FALSE;
    return guarded([&] { return setText(action, defaultActionName()); });
}

HRESULT ControlAccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    if (const HRESULT checked = checkSelf(child, left, top, width, height); checked != S_OK)
        return checked;
    const Point corner = control_->clientToScreen(Point{0, 0});
    *left = corner.x;
    *top = corner.y;
    *width = control_->bounds().width;
    *height = control_->bounds().height;
    return S_OK;
}

HRESULT ControlAccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    if (const HRESULT checked = checkSelf(start, end); checked != S_OK)
        return checked;
    return guarded([&]() -> HRESULT {
        switch (direction) {
        case NAVDIR_FIRSTCHILD:
        case NAVDIR_LASTCHILD:
            return S_FALSE;  // no children
        case NAVDIR_NEXT:
        case NAVDIR_PREVIOUS: {
            // The siblings are the panel's other children; a hidden control has no place there.
            const long id = host_->childIdOf(*control_);
            const long sibling = id ? host_->siblingId(id, direction == NAVDIR_NEXT ? 1 : -1) : 0;
            if (!sibling)
                return S_FALSE;
            ComPtr<IDispatch> object = host_->childObject(sibling);
            if (!object)
                return E_FAIL;
            setDispatch(end, object.release());
            return S_OK;
        }
        default:
            return DISP_E_MEMBERNOTFOUND;  // no spatial navigation
        }
    });
}

HRESULT ControlAccessibleObject::accHitTest(long x, long y, VARIANT* found)
{
    if (const HRESULT cleared = clearOutputs(found); cleared != S_OK)
        return cleared;
    if (!control_)
        return CO_E_OBJNOTCONNECTED;
    const Point corner = control_->clientToScreen(Point{0, 0});
    const Rect onScreen{corner.x, corner.y, control_->bounds().width, control_->bounds().height};
    if (!onScreen.contains(Point{static_cast<int>(x), static_cast<int>(y)}))
        return S_FALSE;
    setInteger(found, CHILDID_SELF);
    return S_OK;
}

HRESULT ControlAccessibleObject::accDoDefaultAction(VARIANT child)
{
    if (const HRESULT checked = checkSelf(child); checked != S_OK)
        return checked;
    if (!isButton())
        return DISP_E_MEMBERNOTFOUND;
    // Refused at once when it would be refused later, so that the client learns of it.
    if (!control_->isEnabled() || !control_->isShowing())
        return E_FAIL;
    return guarded([&] { return host_->queueDefaultAction(*control_) ? S_OK : E_FAIL; });
}

}  // namespace fw
