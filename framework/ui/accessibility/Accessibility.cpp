#include "framework/ui/accessibility/Accessibility.h"

#include "framework/ui/accessibility/PanelAccessibility.h"
#include "framework/ui/controls/Panel.h"

namespace fw {

void enableAccessibility()
{
    Panel::setObserverFactory(
        [](Panel& panel) -> std::unique_ptr<PanelObserver> { return std::make_unique<PanelAccessibility>(panel); });
}

}  // namespace fw
