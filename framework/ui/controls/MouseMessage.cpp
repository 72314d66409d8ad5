#include "framework/ui/controls/MouseMessage.h"

#include <windows.h>

namespace fw {
namespace {

struct Meaning {
    MouseAction action;
    MouseButton button;
};

std::optional<Meaning> meaningOf(unsigned message)
{
    switch (message) {
    case message::leftButtonDown:
    case message::leftButtonDoubleClick:
        return Meaning{MouseAction::Press, MouseButton::Left};
    case message::rightButtonDown:
    case message::rightButtonDoubleClick:
        return Meaning{MouseAction::Press, MouseButton::Right};
    case message::middleButtonDown:
    case message::middleButtonDoubleClick:
        return Meaning{MouseAction::Press, MouseButton::Middle};
    case message::leftButtonUp:
        return Meaning{MouseAction::Release, MouseButton::Left};
    case message::rightButtonUp:
        return Meaning{MouseAction::Release, MouseButton::Right};
    case message::middleButtonUp:
        return Meaning{MouseAction::Release, MouseButton::Middle};
    case message::mouseMove:
        return Meaning{MouseAction::Move, MouseButton::Left};
    default:
        return std::nullopt;
    }
}

}  // namespace

std::optional<MouseMessage> readMouseMessage(const ControlMessage& message)
{
    const std::optional<Meaning> meaning = meaningOf(message.message);
    if (!meaning)
        return std::nullopt;
    MouseMessage mouse;
    mouse.action = meaning->action;
    mouse.button = meaning->button;
    const unsigned long long keys = message.wParam;
    mouse.shift.shift = (keys & key_state::shift) != 0;
    mouse.shift.control = (keys & key_state::control) != 0;
    mouse.shift.left = (keys & key_state::leftButton) != 0;
    mouse.shift.right = (keys & key_state::rightButton) != 0;
    mouse.shift.middle = (keys & key_state::middleButton) != 0;
    mouse.shift.alt = GetKeyState(VK_MENU) < 0;
    mouse.x = xOfParam(message.lParam);
    mouse.y = yOfParam(message.lParam);
    return mouse;
}

}  // namespace fw
