#pragma once
// Published properties: what a stored window description can say about a component, and the
// reading and writing of descriptions through them. One include for the parts:
//   PropertyTable.h     the property and class tables, and the class registry; below it the
//                       text of a description (WindowDescription.h) and of its values
//                       (DescriptionValueText.h)
//   HandlerRegistry.h   the program's event handlers, by name
//   ValueFormats.h      C++ values as description values and back
//   PropertyBuilders.h  properties from getters, setters and the rule for leaving values out
//   DescriptionReader.h reading a description into components
//   Describe.h          writing components as a description
//
// Plain C++, no Win32: all of it builds natively, runs under the sanitizers and is fuzzed with
// test classes.

#include "framework/ui/description/Describe.h"
#include "framework/ui/description/DescriptionReader.h"
#include "framework/ui/description/HandlerRegistry.h"
#include "framework/ui/description/PropertyBuilders.h"
#include "framework/ui/description/PropertyTable.h"
#include "framework/ui/description/ValueFormats.h"
