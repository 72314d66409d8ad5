#include "buttons/LbSpeedButtonGroup.h"

#include "buttons/LbSpeedButton.h"
#include "framework/ui/controls/Panel.h"

namespace lb {

void LbReleaseOthersOfGroup(const TLbSpeedButton& keeper)
{
    const int group = keeper.GroupIndex();
    if (group == 0 || !keeper.parent())
        return;
    fw::Panel& siblings = *keeper.parent();
    for (int index = 0; index < siblings.controlCount(); ++index) {
        auto* sibling = dynamic_cast<TLbSpeedButton*>(&siblings.control(index));
        // Not through setDown, which would walk the group again for each one released.
        if (sibling && sibling != &keeper && sibling->GroupIndex() == group && sibling->Down())
            sibling->popUpForGroup();
    }
}

}  // namespace lb
