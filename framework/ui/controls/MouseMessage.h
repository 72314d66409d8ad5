#pragma once
// MouseMessage: a Win32 mouse message read into plain terms, once, where it arrives: a press,
// double-click, release or move, of which button, with which keys and buttons held, at which
// point (in the coordinates of the window that received it).

#include "framework/ui/model/ControlMessage.h"
#include "framework/geometry/Geometry.h"

#include <optional>

namespace fw {

enum class MouseButton { Left, Right, Middle };

struct ShiftState {
    bool shift = false;
    bool control = false;
    bool alt = false;
    bool left = false;  // buttons held during the event
    bool right = false;
    bool middle = false;
    friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

// DoubleClick is the second press of a double-click, for controls that ask for double-clicks;
// everyone else sees it as a Press.
enum class MouseAction { Press, DoubleClick, Release, Move };

struct MouseMessage {
    MouseAction action = MouseAction::Move;
    MouseButton button = MouseButton::Left;  // Left for a move
    ShiftState shift;
    Point where;
};

// The message read as a mouse message; nothing for any other message. The Alt key, which mouse
// messages do not carry, is the keyboard's state at the time of the call.
std::optional<MouseMessage> readMouseMessage(unsigned message, unsigned long long wParam, long long lParam);

}  // namespace fw
