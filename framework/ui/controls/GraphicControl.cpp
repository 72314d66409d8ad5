#include "framework/ui/controls/GraphicControl.h"

#include "framework/ui/controls/ControlCanvas.h"
#include "framework/ui/controls/Panel.h"

#include <windows.h>

namespace fw {
namespace {

ShiftState shiftStateOf(unsigned long long keys)
{
    ShiftState shift;
    shift.shift = (keys & key_state::shift) != 0;
    shift.control = (keys & key_state::control) != 0;
    shift.left = (keys & key_state::leftButton) != 0;
    shift.right = (keys & key_state::rightButton) != 0;
    shift.middle = (keys & key_state::middleButton) != 0;
    // Mouse messages do not carry the Alt key.
    shift.alt = GetKeyState(VK_MENU) < 0;
    return shift;
}

}  // namespace

GraphicControl::GraphicControl(Component* owner) : Component(owner)
{
    font_.setOnChange([this] {
        if (!isCopyingParentFont_)
            parentFont_ = false;
        invalidate();
    });
}

GraphicControl::GraphicControl(Panel& parent, Rect bounds) : GraphicControl(nullptr)
{
    bounds_ = bounds;
    setParent(&parent);
}

GraphicControl::~GraphicControl()
{
    if (action_)
        action_->removeClient(*this);
    setParent(nullptr);  // the parent forgets every pointer to this control
}

void GraphicControl::setParent(Panel* parent)
{
    if (parent == parent_)
        return;
    if (parent_)
        parent_->removeControl(*this);
    parent_ = parent;
    if (!parent_)
        return;
    parent_->addControl(*this);
    followParentColor();
    followParentFont();
}

void GraphicControl::setBounds(Rect bounds)
{
    if (bounds.left == bounds_.left && bounds.top == bounds_.top && bounds.width == bounds_.width &&
        bounds.height == bounds_.height)
        return;
    invalidate();
    bounds_ = bounds;
    invalidate();
    notifyAccessibleChange(AccessibleChange::Location);
}

Point GraphicControl::clientToScreen(Point point) const
{
    POINT screen{bounds_.left + point.x, bounds_.top + point.y};
    if (parent_ && parent_->handle())
        ClientToScreen(parent_->handle(), &screen);
    return Point{screen.x, screen.y};
}

void GraphicControl::setName(const std::string& name)
{
    // A caption that still shows the name follows a rename, as it does in a designer; text read
    // from a stored description is left as it was written.
    const bool captionFollows = !isLoading() && caption_ == this->name();
    Component::setName(name);
    if (captionFollows)
        setCaption(name);
}

Component* GraphicControl::parentComponent() const { return parent_; }

void GraphicControl::loaded()
{
    Component::loaded();
    invalidate();
}

void GraphicControl::setCaption(const std::string& caption)
{
    const bool changed = caption != caption_;
    caption_ = caption;
    invalidate();
    if (changed)
        notifyAccessibleChange(AccessibleChange::Name);
}

void GraphicControl::setColor(TColor color)
{
    color_ = color;
    parentColor_ = false;
    invalidate();
}

void GraphicControl::setParentColor(bool parentColor)
{
    parentColor_ = parentColor;
    if (parentColor_)
        followParentColor();
}

void GraphicControl::setParentFont(bool parentFont)
{
    parentFont_ = parentFont;
    if (parentFont_)
        followParentFont();
}

void GraphicControl::followParentColor()
{
    if (!parentColor_ || !parent_)
        return;
    color_ = parent_->color();
    invalidate();
}

void GraphicControl::followParentFont()
{
    if (!parentFont_ || !parent_)
        return;
    isCopyingParentFont_ = true;
    font_.assign(parent_->font());
    isCopyingParentFont_ = false;
}

void GraphicControl::setEnabled(bool enabled)
{
    if (isEnabled_ == enabled)
        return;
    isEnabled_ = enabled;
    invalidate();
    notifyAccessibleChange(AccessibleChange::State);
}

void GraphicControl::setVisible(bool visible)
{
    if (isVisible_ == visible)
        return;
    isVisible_ = visible;
    invalidate();
    notifyAccessibleChange(visible ? AccessibleChange::Shown : AccessibleChange::Hidden);
}

bool GraphicControl::isShowing() const
{
    return isVisible_ && parent_ && parent_->handle() && IsWindowVisible(parent_->handle());
}

void GraphicControl::setAction(TBasicAction* action)
{
    if (action == action_)
        return;
    if (action_)
        action_->removeClient(*this);
    action_ = action;
    if (!action_)
        return;
    action_->addClient(*this);
    // An action read together with this control from a stored description only fills in what
    // the description left at its defaults.
    actionChange(*action_, action_->isLoading());
}

void GraphicControl::actionChanged(TBasicAction& action)
{
    if (&action == action_ && !isDestroying())
        actionChange(action, false);
}

void GraphicControl::actionFreed(TBasicAction& action)
{
    if (&action == action_)
        action_ = nullptr;
}

void GraphicControl::actionChange(TBasicAction& action, bool checkDefaults)
{
    auto* custom = dynamic_cast<TCustomAction*>(&action);
    if (!custom)
        return;
    if (!checkDefaults || caption_.empty() || caption_ == name())
        setCaption(custom->caption());
    if (!checkDefaults || isEnabled_)
        setEnabled(custom->isEnabled());
    if (!checkDefaults || hint_.empty())
        setHint(custom->hint());
    if (!checkDefaults || isVisible_)
        setVisible(custom->isVisible());
    if (!checkDefaults || !onClick)
        onClick = custom->onExecute;
}

void GraphicControl::notifyAccessibleChange(AccessibleChange change)
{
    // A control being read from a description is not on screen yet: nobody is to be told.
    if (parent_ && !isLoading())
        parent_->controlChanged(*this, change);
}

void GraphicControl::invalidate()
{
    if (parent_)
        parent_->invalidate(bounds_);
}

void GraphicControl::paintNow()
{
    if ((!isVisible_ && !isDesigning()) || isLoading())
        return;
    ControlCanvas canvas(*this);
    paint(canvas.canvas());
}

int GraphicControl::colorDepth() const { return ControlCanvas(*this).bitsPerPixel(); }

long long GraphicControl::perform(unsigned message, unsigned long long wParam, long long lParam)
{
    ControlMessage controlMessage{message, wParam, lParam, 0};
    windowProc(controlMessage);
    return controlMessage.result;
}

void GraphicControl::windowProc(ControlMessage& message) { defaultHandler(message); }

void GraphicControl::defaultHandler(ControlMessage& message)
{
    const ShiftState shift = shiftStateOf(message.wParam);
    const int x = xOfParam(message.lParam);
    const int y = yOfParam(message.lParam);
    switch (message.message) {
    case message::leftButtonDown:
    case message::leftButtonDoubleClick:
        isPressedForClick_ = true;
        mouseDown(MouseButton::Left, shift, x, y);
        break;
    case message::rightButtonDown:
    case message::rightButtonDoubleClick:
        mouseDown(MouseButton::Right, shift, x, y);
        break;
    case message::middleButtonDown:
    case message::middleButtonDoubleClick:
        mouseDown(MouseButton::Middle, shift, x, y);
        break;
    case message::leftButtonUp:
        if (isPressedForClick_) {
            isPressedForClick_ = false;
            if (x >= 0 && y >= 0 && x < bounds_.width && y < bounds_.height) {
                const auto alive = lifeline();
                click();
                if (alive.expired())
                    return;  // the click handler freed this control
            }
        }
        mouseUp(MouseButton::Left, shift, x, y);
        break;
    case message::rightButtonUp:
        mouseUp(MouseButton::Right, shift, x, y);
        break;
    case message::middleButtonUp:
        mouseUp(MouseButton::Middle, shift, x, y);
        break;
    case message::mouseMove:
        mouseMove(shift, x, y);
        break;
    default:
        break;  // notifications nobody handles leave the result at 0
    }
}

void GraphicControl::mouseDown(MouseButton button, ShiftState shift, int x, int y)
{
    if (onMouseDown)
        onMouseDown(*this, button, shift, x, y);
}

void GraphicControl::mouseUp(MouseButton button, ShiftState shift, int x, int y)
{
    if (onMouseUp)
        onMouseUp(*this, button, shift, x, y);
}

void GraphicControl::mouseMove(ShiftState shift, int x, int y)
{
    if (onMouseMove)
        onMouseMove(*this, shift, x, y);
}

void GraphicControl::click()
{
    if (action_)
        action_->execute();
    else if (onClick)
        onClick(*this);
}

void GraphicControl::captureLost() { isPressedForClick_ = false; }

}  // namespace fw
