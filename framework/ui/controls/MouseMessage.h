#pragma once
// MouseMessage: a mouse message routed to a window-less control (ControlMessage.h), read into
// plain terms: a press, release or move, of which button, with which keys and buttons held, at
// which point of the control. The second press of a double-click reads as a press; whoever wants
// it as a double-click looks at the message itself first.

#include "framework/ui/model/ControlMessage.h"

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

enum class MouseAction { Press, Release, Move };

struct MouseMessage {
    MouseAction action = MouseAction::Move;
    MouseButton button = MouseButton::Left;  // Left for a move
    ShiftState shift;
    int x = 0;  // control coordinates: (0, 0) is its top-left corner
    int y = 0;
};

// The message read as a mouse message; nothing for any other message. The Alt key, which mouse
// messages do not carry, is the keyboard's state at the time of the call.
std::optional<MouseMessage> readMouseMessage(const ControlMessage& message);

}  // namespace fw
