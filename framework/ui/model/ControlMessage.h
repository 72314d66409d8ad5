#pragma once
// Messages that a host sends to its window-less controls. Mouse messages keep their Win32
// numbers and packing (wParam: MK_* key state; lParam: x in the low, y in the high 16 bits, in
// the control's own coordinates); the framework's notifications are numbered from 0xB000.
// Header only, no <windows.h>.

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

struct ControlMessage {
    unsigned message = 0;
    unsigned long long wParam = 0;
    long long lParam = 0;
    long long result = 0;
};

constexpr long long pointParam(int x, int y)
{
    return static_cast<long long>((static_cast<unsigned>(x) & 0xFFFFu) | ((static_cast<unsigned>(y) & 0xFFFFu) << 16));
}
constexpr int xOfParam(long long lParam) { return static_cast<short>(lParam & 0xFFFF); }
constexpr int yOfParam(long long lParam) { return static_cast<short>((lParam >> 16) & 0xFFFF); }

}  // namespace fw
