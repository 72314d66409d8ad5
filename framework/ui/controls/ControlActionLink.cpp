#include "framework/ui/controls/ControlActionLink.h"

namespace fw {

bool ControlActionLink::link(TBasicAction* action)
{
    if (action == action_)
        return false;
    if (action_)
        action_->removeClient(*this);
    action_ = action;
    if (!action_)
        return false;
    action_->addClient(*this);
    return true;
}

void ControlActionLink::actionChanged(TBasicAction& action)
{
    if (&action == action_ && onChange_)
        onChange_(action);
}

void ControlActionLink::actionFreed(TBasicAction& action)
{
    if (&action == action_)
        action_ = nullptr;
}

}  // namespace fw
