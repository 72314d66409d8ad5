#pragma once
// The published properties of the framework's own components, for window descriptions. One
// include for the parts:
//   FontProperties.h              a font's nested properties
//   ControlProperties.h           bounds, and the host properties of window-less controls
//   FormProperties.h              a form's properties, for a program's form class
//   FrameworkClassRegistration.h  the registration of panels, memos, timers, popup menus and
//                                 actions

#include "framework/ui/description/ControlProperties.h"
#include "framework/ui/description/FontProperties.h"
#include "framework/ui/description/FormProperties.h"
#include "framework/ui/description/FrameworkClassRegistration.h"
#include "framework/ui/description/PublishedProperties.h"
