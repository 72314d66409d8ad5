#pragma once
// The accessibility layer's one switch: after enableAccessibility(), every panel made is seen by
// screen readers and UI automation (PanelAccessibility.h). The application turns it on when it
// initialises; a program that builds its windows without the application calls it itself.

namespace fw {

void enableAccessibility();

}  // namespace fw
