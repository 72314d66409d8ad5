#pragma once
// Writing components as a stored window description.
//
// describe() gives the description of `root` and everything it owns: for each component the
// properties that are not left out (PropertyBuilders.h), in declaration order; children nested
// under their parents, in creation order; components that sit in no parent under the root.
//
// Plain C++, no Win32.

#include "framework/ui/description/WindowDescription.h"
#include "framework/ui/description/PropertyTable.h"

namespace fw {

DescriptionObject describe(const Component& root, const ClassRegistry& classes);

}  // namespace fw
