#pragma once
// ControlAccessibleObject: the accessible object of one window-less control, a child of its panel's
// object (PanelAccessibility.h). It describes the control itself only (CHILDID_SELF):
//   name       the caption as shown ("&" prefixes processed)
//   role       push button or graphic (GraphicControl::accessibleRole)
//   state      unavailable when disabled, pressed, hot-tracked, invisible unless shown
//   location   the bounds in screen coordinates
//   shortcut   "Alt+" the caption's accelerator character (push buttons)
//   action     "Press" (push buttons): queued with the panel, run later from its queue
//   description the hint, when there is one
// It has no value, help or selection (AccessibleObject answers for those).
// For the framework's .cpp files only (COM). The panel's PanelAccessibility makes it, holds one
// reference while the control is its child, and cuts it off when the control leaves.

#include "framework/ui/accessibility/AccessibleObject.h"

namespace fw {

class GraphicControl;
class PanelChildren;

class ControlAccessibleObject final : public AccessibleObject {
public:
    ControlAccessibleObject(PanelChildren& host, GraphicControl& control);
    // The control left its panel (or is going away): from now on every call fails.
    void disconnect();

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focused) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selected) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

protected:
    bool isConnected() const override { return control_ != nullptr; }

private:
    // Push and check buttons have a shortcut and a default action; a graphic has neither.
    bool isButton() const;
    long msaaRole() const;
    std::string defaultActionName() const;

    PanelChildren* host_;  // not owned; null once cut off
    GraphicControl* control_;   // not owned; null once cut off
};

}  // namespace fw
