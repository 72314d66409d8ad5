#pragma once
// PanelObserver: hears of every window-less control that arrives on a panel, leaves it or
// changes in a way that assistive technology reads, and sees the panel's window messages before
// the panel does. The panel owns its observer; a layer above the controls installs a factory
// (Panel::setObserverFactory) that makes one for each new panel: the accessibility layer does,
// so that the controls need not know about screen readers.

#include "framework/ui/model/AccessibleTypes.h"

#include <memory>

namespace fw {

class GraphicControl;
class Panel;

class PanelObserver {
public:
    virtual ~PanelObserver() = default;

    // True when the observer answered the message; `result` is then the window procedure's.
    virtual bool handleMessage(unsigned message, unsigned long long wParam, long long lParam, long long& result) = 0;
    virtual void controlAdded(GraphicControl& control) = 0;
    virtual void controlRemoved(GraphicControl& control) = 0;
    virtual void controlChanged(GraphicControl& control, AccessibleChange change) = 0;
};

using PanelObserverFactory = std::unique_ptr<PanelObserver> (*)(Panel& panel);

}  // namespace fw
