#pragma once
// PanelAccessibility: what assistive technology (screen readers, UI automation) sees of a panel
// and its window-less controls, through MSAA. It is the panel's observer (PanelObserver.h): once
// enableAccessibility() has installed its factory, every new panel owns one and tells it of every
// control that arrives, leaves or changes, and passes it its window messages first.
//
//   - WM_GETOBJECT for the client area is answered with the panel's accessible object
//     (PanelAccessibleObject.h). Its children are the visible window-less controls in the parent's
//     order, each an object of its own (ControlAccessibleObject.h), followed by the visible child
//     windows (the memo), which keep the system's own description. A child's id is its place in
//     that list, counted from 1.
//   - A change that a control reports becomes a WinEvent with the panel's window, OBJID_CLIENT and
//     the control's child id. Showing or hiding a control moves the ids of those after it, so it
//     also tells that the panel's children were reordered.
//   - A default action that a client asks for runs later, from the panel's message queue: a
//     client in another process waits until its call returns, and the action may open a modal
//     dialog that this very client is meant to answer.
//   - Objects live as long as their clients hold them. When its control leaves the panel, or the
//     panel goes, an object is cut off and answers CO_E_OBJNOTCONNECTED from then on.
// Only the .cpp files hold Win32 and COM; this header has neither.

#include "framework/ui/accessibility/PanelChildren.h"
#include "framework/ui/controls/PanelObserver.h"
#include "framework/ui/model/AccessibleTypes.h"
#include "framework/geometry/Geometry.h"
#include "framework/win32/ComPtr.h"
#include "framework/win32/NativeTypes.h"

#include <utility>
#include <vector>

struct IDispatch;

namespace fw {

class ControlAccessibleObject;
class GraphicControl;
class Panel;
class PanelAccessibleObject;

class PanelAccessibility final : public PanelObserver, public PanelChildren {
public:
    explicit PanelAccessibility(Panel& panel);
    ~PanelAccessibility() override;  // cuts off every object handed out
    PanelAccessibility(const PanelAccessibility&) = delete;
    PanelAccessibility& operator=(const PanelAccessibility&) = delete;

    // Answers WM_GETOBJECT for the client area and runs a queued default action; false for
    // every other message, which the panel handles itself.
    bool handleMessage(unsigned message, unsigned long long wParam, long long lParam, long long& result) override;

    void controlAdded(GraphicControl& control) override;
    void controlRemoved(GraphicControl& control) override;
    void controlChanged(GraphicControl& control, AccessibleChange change) override;

    // For the accessible objects (PanelChildren.h).
    Panel& panel() const override { return panel_; }
    long childCount() const override;
    ComPtr<IDispatch> childObject(long childId) override;
    ComPtr<IDispatch> panelObject() override;
    long childIdOf(const GraphicControl& control) const override;
    long siblingId(long childId, long step) const override;
    long childIdAt(Point screen) const override;
    bool queueDefaultAction(GraphicControl& control) override;

private:
    struct Child {
        GraphicControl* control;      // not owned; null for a child window
        native::WindowHandle window;  // not owned
    };
    std::vector<Child> children() const;
    // 1 + the number of visible controls before this one: its id while visible, and the id it
    // had just before it was hidden.
    long placeAmongVisible(const GraphicControl& control) const;
    ComPtr<IDispatch> controlObject(GraphicControl& control);
    void raise(unsigned event, long childId) const;
    void runQueuedDefaultAction();

    Panel& panel_;
    ComPtr<PanelAccessibleObject> panelObject_;  // made on the first WM_GETOBJECT
    std::vector<std::pair<GraphicControl*, ComPtr<ControlAccessibleObject>>> controlObjects_;  // controls not owned
    std::vector<GraphicControl*> queuedDefaultActions_;                                  // not owned
};

}  // namespace fw
