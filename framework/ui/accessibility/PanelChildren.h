#pragma once
// PanelChildren: what the accessible objects of a panel (PanelAccessibleObject,
// ControlAccessibleObject) ask of the panel's observer that made them (PanelAccessibility): the
// panel's children by their ids. Child ids count from 1; 0 is the panel itself. A header of its
// own, so that the objects need not include the observer that includes them.

#include "framework/geometry/Geometry.h"
#include "framework/win32/ComPtr.h"

struct IDispatch;

namespace fw {

class GraphicControl;
class Panel;

class PanelChildren {
public:
    virtual Panel& panel() const = 0;
    virtual long childCount() const = 0;
    // A child's object (the system's for a child window), or null when `childId` names none.
    virtual ComPtr<IDispatch> childObject(long childId) = 0;
    virtual ComPtr<IDispatch> panelObject() = 0;
    // The control's id while it is a shown child; 0 when it is hidden or not a child here.
    virtual long childIdOf(const GraphicControl& control) const = 0;
    // The id of the child `step` places after (or before) `childId`, or 0 past either end.
    virtual long siblingId(long childId, long step) const = 0;
    // What lies at a screen point: a child's id, 0 for the panel itself, -1 outside the panel.
    virtual long childIdAt(Point screen) const = 0;
    // Queues the control's default action; false when it cannot be queued.
    virtual bool queueDefaultAction(GraphicControl& control) = 0;

protected:
    ~PanelChildren() = default;
};

}  // namespace fw
