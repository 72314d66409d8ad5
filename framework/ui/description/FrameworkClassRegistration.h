#pragma once
// The registration of the framework's own component classes for window descriptions: TPanel,
// TMemo, TTimer, TPopupMenu (its items are the program's) and TAction.

#include "framework/ui/description/PropertyTable.h"

namespace fw {

void registerFrameworkClasses(ClassRegistry& classes);

}  // namespace fw
