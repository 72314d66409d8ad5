#include "framework/ui/controls/InputRouter.h"

#include "framework/ui/controls/GraphicControl.h"

namespace fw {

InputRouter& InputRouter::instance()
{
    static InputRouter router;
    return router;
}

bool InputRouter::routeMouse(Panel& panel, unsigned message, unsigned long long wParam, long long lParam)
{
    // The one place where a mouse message is read.
    const std::optional<MouseMessage> mouse = readMouseMessage(message, wParam, lParam);
    if (!mouse)
        return false;
    GraphicControl* target = pointer_.targetAt(panel, mouse->where);
    if (!target)
        return false;
    pointer_.deliver(panel, *target, *mouse);
    return true;
}

void InputRouter::controlLeavesPanel(GraphicControl& control)
{
    pointer_.forget(control);
    keyboard_.controlLeavesPanel(control);
}

void InputRouter::forget(GraphicControl& control)
{
    pointer_.forget(control);
    keyboard_.forget(control);
}

}  // namespace fw
