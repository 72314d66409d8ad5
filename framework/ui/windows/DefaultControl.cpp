#include "framework/ui/windows/DefaultControl.h"

#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/model/RunHandler.h"

namespace fw {

DefaultControl::~DefaultControl() { set(nullptr); }

GraphicControl* DefaultControl::get() const { return alive_.expired() ? nullptr : control_; }

void DefaultControl::set(GraphicControl* control)
{
    if (GraphicControl* previous = get(); previous && previous != control)
        previous->setDefault(false);
    control_ = control;
    alive_ = control ? control->lifetime() : std::weak_ptr<const void>();
    if (control)
        control->setDefault(true);
}

bool DefaultControl::press() const
{
    GraphicControl* control = get();
    if (!control || !control->isEnabled() || !control->isShowing())
        return false;
    bool pressed = false;
    runHandler([&] { pressed = control->doDefaultAction(); });
    return pressed;
}

}  // namespace fw
