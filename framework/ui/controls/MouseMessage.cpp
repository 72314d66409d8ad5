#include "framework/ui/controls/MouseMessage.h"

#include <windows.h>
#include <windowsx.h>

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
        return Meaning{MouseAction::Press, MouseButton::Left};
    case message::leftButtonDoubleClick:
        return Meaning{MouseAction::DoubleClick, MouseButton::Left};
    case message::rightButtonDown:
        return Meaning{MouseAction::Press, MouseButton::Right};
    case message::rightButtonDoubleClick:
        return Meaning{MouseAction::DoubleClick, MouseButton::Right};
    case message::middleButtonDown:
        return Meaning{MouseAction::Press, MouseButton::Middle};
    case message::middleButtonDoubleClick:
        return Meaning{MouseAction::DoubleClick, MouseButton::Middle};
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

std::optional<MouseMessage> readMouseMessage(unsigned message, unsigned long long wParam, long long lParam)
{
    const std::optional<Meaning> meaning = meaningOf(message);
    if (!meaning)
        return std::nullopt;
    MouseMessage mouse;
    mouse.action = meaning->action;
    mouse.button = meaning->button;
    mouse.shift.shift = (wParam & key_state::shift) != 0;
    mouse.shift.control = (wParam & key_state::control) != 0;
    mouse.shift.left = (wParam & key_state::leftButton) != 0;
    mouse.shift.right = (wParam & key_state::rightButton) != 0;
    mouse.shift.middle = (wParam & key_state::middleButton) != 0;
    mouse.shift.alt = GetKeyState(VK_MENU) < 0;
    mouse.where = Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return mouse;
}

}  // namespace fw
