#pragma once
// What a host tells its window-less controls, in plain terms and without <windows.h>: the
// numbers of the mouse messages and of the framework's notifications (numbered from 0xB000), the
// key-state bits of a mouse message, the keys the framework itself answers, and whether a key
// press is fresh or repeated.
//
// The host calls a control's typed handlers (GraphicControl.h); these numbers are for whoever
// sends a control a message by its number (GraphicControl::perform) and for reading Win32 mouse
// messages once, where they arrive.

namespace fw {

namespace message {
constexpr unsigned mouseMove = 0x0200;          // WM_MOUSEMOVE
constexpr unsigned leftButtonDown = 0x0201;     // WM_LBUTTONDOWN
constexpr unsigned leftButtonUp = 0x0202;       // WM_LBUTTONUP
constexpr unsigned leftButtonDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
constexpr unsigned rightButtonDown = 0x0204;    // WM_RBUTTONDOWN
constexpr unsigned rightButtonUp = 0x0205;      // WM_RBUTTONUP
constexpr unsigned rightButtonDoubleClick = 0x0206;
constexpr unsigned middleButtonDown = 0x0207;   // WM_MBUTTONDOWN
constexpr unsigned middleButtonUp = 0x0208;     // WM_MBUTTONUP
constexpr unsigned middleButtonDoubleClick = 0x0209;

constexpr unsigned dialogChar = 0xB006;  // wParam: the typed character; result 1 if the control used it
constexpr unsigned mouseEnter = 0xB013;  // the pointer arrived over the control
constexpr unsigned mouseLeave = 0xB014;  // the pointer left it (or it was covered or hidden)
}  // namespace message

// Key-state bits of a mouse message's wParam (MK_*).
namespace key_state {
constexpr unsigned long long leftButton = 0x0001;
constexpr unsigned long long rightButton = 0x0002;
constexpr unsigned long long shift = 0x0004;
constexpr unsigned long long control = 0x0008;
constexpr unsigned long long middleButton = 0x0010;
}  // namespace key_state

// Virtual-key codes (VK_*) that the framework and its controls answer.
namespace key {
constexpr unsigned tab = 0x09;
constexpr unsigned enter = 0x0D;
constexpr unsigned escape = 0x1B;
constexpr unsigned space = 0x20;
}  // namespace key

// A key-down as Windows reports it: the first of a press, or one that the held key repeats.
enum class KeyPress { Fresh, Repeated };

}  // namespace fw
