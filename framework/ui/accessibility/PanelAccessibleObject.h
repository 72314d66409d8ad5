#pragma once
// PanelAccessibleObject: the accessible object of a panel's client area, the answer to WM_GETOBJECT
// (PanelAccessibility.h). About the panel itself (CHILDID_SELF) it asks the system's own object
// for a client area, so name, role, state, location, focus and parent are what Windows would say.
// Its children are its own business: get_accChild, accNavigate and accHitTest hand out the
// children's objects, and a question about a child id is passed on to that child's object.
// For the framework's .cpp files only (COM). PanelAccessibility makes it and holds one reference
// while the panel lives; the panel's end cuts it off.

#include "framework/ui/accessibility/AccessibleObject.h"
#include "framework/win32/ComPtr.h"

namespace fw {

class PanelChildren;

class PanelAccessibleObject final : public AccessibleObject {
public:
    // `standard`: the system's object for the panel's client area (CreateStdAccessibleObject).
    PanelAccessibleObject(PanelChildren& host, ComPtr<IAccessible> standard);
    // The panel goes: from now on every call fails, and the system's object is let go.
    void disconnect();

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* helpFile, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

protected:
    bool isConnected() const override { return host_ != nullptr; }

private:
    // Runs `call` on the object that answers for `child`: the system's object for the panel
    // itself, the child's own object (asked about itself) for a child id.
    template <typename Call>
    HRESULT answer(const VARIANT& child, Call call);
    // The child's object as a VARIANT, for the calls that hand one out.
    HRESULT handOut(long childId, VARIANT* result);

    PanelChildren* host_;  // not owned; null once cut off
    ComPtr<IAccessible> standard_;
};

}  // namespace fw
