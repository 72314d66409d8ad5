#include "framework/ui/accessibility/PanelAccessibleObject.h"

#include "framework/ui/accessibility/PanelChildren.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/InputRouter.h"

namespace fw {

PanelAccessibleObject::PanelAccessibleObject(PanelChildren& host, ComPtr<IAccessible> standard)
    : host_(&host), standard_(std::move(standard))
{
}

void PanelAccessibleObject::disconnect()
{
    host_ = nullptr;
    standard_.reset();
}

template <typename Call>
HRESULT PanelAccessibleObject::answer(const VARIANT& child, Call call)
{
    if (!host_)
        return CO_E_OBJNOTCONNECTED;
    if (isSelf(child))
        return call(standard_.get(), child);
    if (child.vt != VT_I4)
        return E_INVALIDARG;
    return guarded([&]() -> HRESULT {
        ComPtr<IDispatch> dispatch = host_->childObject(child.lVal);
        if (!dispatch)
            return E_INVALIDARG;
        ComPtr<IAccessible> object;
        if (FAILED(dispatch->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(object.put()))))
            return E_FAIL;
        return call(object.get(), selfVariant());
    });
}

HRESULT PanelAccessibleObject::handOut(long childId, VARIANT* result)
{
    ComPtr<IDispatch> object = host_->childObject(childId);
    if (!object)
        return E_FAIL;
    setDispatch(result, object.release());
    return S_OK;
}

HRESULT PanelAccessibleObject::get_accParent(IDispatch** parent)
{
    if (const HRESULT cleared = clearOutputs(parent); cleared != S_OK)
        return cleared;
    return host_ ? standard_->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
}

HRESULT PanelAccessibleObject::get_accChildCount(long* count)
{
    if (const HRESULT cleared = clearOutputs(count); cleared != S_OK)
        return cleared;
    if (!host_)
        return CO_E_OBJNOTCONNECTED;
    return guarded([&] {
        *count = host_->childCount();
        return S_OK;
    });
}

HRESULT PanelAccessibleObject::get_accChild(VARIANT child, IDispatch** object)
{
    if (const HRESULT cleared = clearOutputs(object); cleared != S_OK)
        return cleared;
    if (!host_)
        return CO_E_OBJNOTCONNECTED;
    if (child.vt != VT_I4 || child.lVal == CHILDID_SELF)
        return E_INVALIDARG;
    return guarded([&] {
        *object = host_->childObject(child.lVal).release();
        return *object ? S_OK : E_INVALIDARG;
    });
}

HRESULT PanelAccessibleObject::get_accName(VARIANT child, BSTR* name)
{
    if (const HRESULT cleared = clearOutputs(name); cleared != S_OK)
        return cleared;
    return answer(child, [&](IAccessible* object, VARIANT self) { return object->get_accName(self, name); });
}

HRESULT PanelAccessibleObject::get_accValue(VARIANT child, BSTR* value)
{
    if (const HRESULT cleared = clearOutputs(value); cleared != S_OK)
        return cleared;
    return answer(child, [&](IAccessible* object, VARIANT self) { return object->get_accValue(self, value); });
}

HRESULT PanelAccessibleObject::get_accDescription(VARIANT child, BSTR* description)
{
    if (const HRESULT cleared = clearOutputs(description); cleared != S_OK)
        return cleared;
    return answer(child,
                  [&](IAccessible* object, VARIANT self) { return object->get_accDescription(self, description); });
}

HRESULT PanelAccessibleObject::get_accRole(VARIANT child, VARIANT* role)
{
    if (const HRESULT cleared = clearOutputs(role); cleared != S_OK)
        return cleared;
    return answer(child, [&](IAccessible* object, VARIANT self) { return object->get_accRole(self, role); });
}

HRESULT PanelAccessibleObject::get_accState(VARIANT child, VARIANT* state)
{
    if (const HRESULT cleared = clearOutputs(state); cleared != S_OK)
        return cleared;
    return answer(child, [&](IAccessible* object, VARIANT self) { return object->get_accState(self, state); });
}

HRESULT PanelAccessibleObject::get_accHelp(VARIANT child, BSTR* help)
{
    if (const HRESULT cleared = clearOutputs(help); cleared != S_OK)
        return cleared;
    return answer(child, [&](IAccessible* object, VARIANT self) { return object->get_accHelp(self, help); });
}

HRESULT PanelAccessibleObject::get_accHelpTopic(BSTR* helpFile, VARIANT child, long* topic)
{
    if (const HRESULT cleared = clearOutputs(helpFile, topic); cleared != S_OK)
        return cleared;
    return answer(child,
                  [&](IAccessible* object, VARIANT self) { return object->get_accHelpTopic(helpFile, self, topic); });
}

HRESULT PanelAccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    if (const HRESULT cleared = clearOutputs(shortcut); cleared != S_OK)
        return cleared;
    return answer(child,
                  [&](IAccessible* object, VARIANT self) { return object->get_accKeyboardShortcut(self, shortcut); });
}

HRESULT PanelAccessibleObject::get_accFocus(VARIANT* focused)
{
    if (const HRESULT cleared = clearOutputs(focused); cleared != S_OK)
        return cleared;
    if (!host_)
        return CO_E_OBJNOTCONNECTED;
    // The window-less control that has the focus is a child here; the system knows only windows.
    return guarded([&] {
        const GraphicControl* control = InputRouter::instance().keyboard().focusedControl();
        const long childId = control && control->parent() == &host_->panel() ? host_->childIdOf(*control) : 0;
        if (childId == 0)
            return standard_->get_accFocus(focused);
        setInteger(focused, childId);
        return S_OK;
    });
}

HRESULT PanelAccessibleObject::get_accSelection(VARIANT* selected)
{
    if (const HRESULT cleared = clearOutputs(selected); cleared != S_OK)
        return cleared;
    return host_ ? standard_->get_accSelection(selected) : CO_E_OBJNOTCONNECTED;
}

HRESULT PanelAccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action)
{
    if (const HRESULT cleared = clearOutputs(action); cleared != S_OK)
        return cleared;
    return answer(child,
                  [&](IAccessible* object, VARIANT self) { return object->get_accDefaultAction(self, action); });
}

HRESULT PanelAccessibleObject::accSelect(long flags, VARIANT child)
{
    return answer(child, [&](IAccessible* object, VARIANT self) { return object->accSelect(flags, self); });
}

HRESULT PanelAccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    if (const HRESULT cleared = clearOutputs(left, top, width, height); cleared != S_OK)
        return cleared;
    return answer(child, [&](IAccessible* object, VARIANT self) {
        return object->accLocation(left, top, width, height, self);
    });
}

HRESULT PanelAccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    if (const HRESULT cleared = clearOutputs(end); cleared != S_OK)
        return cleared;
    if (!host_)
        return CO_E_OBJNOTCONNECTED;
    return guarded([&]() -> HRESULT {
        const long count = host_->childCount();
        if (isSelf(start) && (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD)) {
            if (count == 0)
                return S_FALSE;
            return handOut(direction == NAVDIR_FIRSTCHILD ? 1 : count, end);
        }
        // Between the panel's children the order is the panel's, whatever their own objects say.
        if (start.vt == VT_I4 && start.lVal != CHILDID_SELF &&
            (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS)) {
            if (start.lVal < 1 || start.lVal > count)
                return E_INVALIDARG;
            const long sibling = host_->siblingId(start.lVal, direction == NAVDIR_NEXT ? 1 : -1);
            return sibling ? handOut(sibling, end) : S_FALSE;
        }
        return answer(start,
                      [&](IAccessible* object, VARIANT self) { return object->accNavigate(direction, self, end); });
    });
}

HRESULT PanelAccessibleObject::accHitTest(long x, long y, VARIANT* found)
{
    if (const HRESULT cleared = clearOutputs(found); cleared != S_OK)
        return cleared;
    if (!host_)
        return CO_E_OBJNOTCONNECTED;
    return guarded([&]() -> HRESULT {
        const long childId = host_->childIdAt(Point{static_cast<int>(x), static_cast<int>(y)});
        if (childId < 0)
            return S_FALSE;
        if (childId == CHILDID_SELF) {
            setInteger(found, CHILDID_SELF);
            return S_OK;
        }
        return handOut(childId, found);
    });
}

HRESULT PanelAccessibleObject::accDoDefaultAction(VARIANT child)
{
    return answer(child, [&](IAccessible* object, VARIANT self) { return object->accDoDefaultAction(self); });
}

}  // namespace fw
