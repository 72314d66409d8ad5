#pragma once
// What the framework tells assistive technology (screen readers, UI automation) about a
// window-less control, in plain C++: what kind of thing it is, and which of the things it shows
// changed. PanelAccessibility.h turns these into MSAA roles and WinEvents.

namespace fw {

enum class AccessibleRole {
    Graphic,      // something drawn, with no action
    PushButton,   // answers its caption's accelerator; its default action "Press" clicks it
    CheckButton,  // checked or not (isChecked); its default action "Check" or "Uncheck" toggles it
};

enum class AccessibleChange {
    Name,      // the caption
    State,     // enabled, pressed
    Shown,     // became visible
    Hidden,    // became invisible
    Location,  // moved or resized
    Focus,     // took the keyboard focus
};

}  // namespace fw
