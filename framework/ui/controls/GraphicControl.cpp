#include "framework/ui/controls/GraphicControl.h"

#include "framework/ui/controls/ControlCanvas.h"
#include "framework/ui/controls/InputRouter.h"
#include "framework/ui/controls/Panel.h"
#include "framework/geometry/Dpi.h"
#include "framework/ui/model/TabOrder.h"

#include <windows.h>

namespace fw {
namespace {

bool isSameRect(Rect one, Rect other)
{
    return one.left == other.left && one.top == other.top && one.width == other.width && one.height == other.height;
}

}  // namespace

GraphicControl::GraphicControl(Component* owner)
    : Component(owner), look_([this] { invalidate(); }), actionLink_([this](TBasicAction& action) {
          if (!isDestroying())
              actionChange(action, ActionValues::TakeAll);
      }),
      madeAt_(takeCreationNumber())
{
}

GraphicControl::GraphicControl(Panel& parent, Rect bounds) : GraphicControl(nullptr)
{
    designBounds_ = bounds;
    setParent(&parent);
}

GraphicControl::~GraphicControl()
{
    actionLink_.link(nullptr);
    setParent(nullptr);  // the parent forgets every pointer to this control
    InputRouter::instance().forget(*this);  // a form's default may sit on no panel
}

void GraphicControl::setParent(Panel* parent)
{
    if (parent == parent_)
        return;
    if (parent_)
        parent_->removeControl(*this);
    parent_ = parent;
    // Laid out for the new parent before it learns of the control, which it then paints and
    // reports where it is.
    bounds_ = scaleForDpi(designBounds_, dpi());
    look_.setDpi(dpi());
    dpiChanged();
    if (!parent_)
        return;
    parent_->addControl(*this);
    followParentColor();
    followParentFont();
}

void GraphicControl::setBounds(Rect designBounds)
{
    if (isSameRect(designBounds, designBounds_))
        return;
    invalidate();
    designBounds_ = designBounds;
    bounds_ = scaleForDpi(designBounds, dpi());
    invalidate();
    notifyAccessibleChange(AccessibleChange::Location);
}

void GraphicControl::followParentDpi()
{
    const Rect scaled = scaleForDpi(designBounds_, dpi());
    look_.setDpi(dpi());
    if (!isSameRect(scaled, bounds_)) {
        invalidate();
        bounds_ = scaled;
        invalidate();
        notifyAccessibleChange(AccessibleChange::Location);
    }
    dpiChanged();
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

void GraphicControl::setParentColor(bool parentColor)
{
    look_.setParentColor(parentColor);
    followParentColor();
}

void GraphicControl::setParentFont(bool parentFont)
{
    look_.setParentFont(parentFont);
    followParentFont();
}

void GraphicControl::followParentColor()
{
    if (parent_)
        look_.followParentColor(parent_->color());
}

void GraphicControl::followParentFont()
{
    if (parent_)
        look_.followParentFont(parent_->font());
}

void GraphicControl::setEnabled(bool enabled)
{
    if (isEnabled_ == enabled)
        return;
    isEnabled_ = enabled;
    invalidate();
    notifyAccessibleChange(AccessibleChange::State);
    if (!enabled)
        InputRouter::instance().keyboard().controlCannotHoldFocus(*this);
}

void GraphicControl::setVisible(bool visible)
{
    if (isVisible_ == visible)
        return;
    isVisible_ = visible;
    invalidate();
    notifyAccessibleChange(visible ? AccessibleChange::Shown : AccessibleChange::Hidden);
    if (!visible)
        InputRouter::instance().keyboard().controlCannotHoldFocus(*this);
}

bool GraphicControl::setFocus() { return InputRouter::instance().keyboard().setFocus(*this); }

bool GraphicControl::isFocused() const { return InputRouter::instance().keyboard().focusedControl() == this; }

bool GraphicControl::isFocusCueShown() const
{
    return isFocused() && InputRouter::instance().keyboard().isFocusCueShown(*this);
}

void GraphicControl::setDefault(bool isDefault)
{
    if (isDefault_ == isDefault)
        return;
    isDefault_ = isDefault;
    notifyAccessibleChange(AccessibleChange::State);
}

int GraphicControl::dpi() const { return parent_ ? parent_->dpi() : designDpi; }

bool GraphicControl::isShowing() const
{
    return isVisible_ && parent_ && parent_->handle() && IsWindowVisible(parent_->handle());
}

void GraphicControl::setAction(TBasicAction* action)
{
    // An action read together with this control from a stored description only fills in what
    // the description left at its defaults.
    if (actionLink_.link(action))
        actionChange(*action, action->isLoading() ? ActionValues::FillDefaults : ActionValues::TakeAll);
}

void GraphicControl::actionChange(TBasicAction& action, ActionValues values)
{
    const bool takeAll = values == ActionValues::TakeAll;
    auto* custom = dynamic_cast<TCustomAction*>(&action);
    if (!custom)
        return;
    if (takeAll || caption_.empty() || caption_ == name())
        setCaption(custom->caption());
    if (takeAll || isEnabled_)
        setEnabled(custom->isEnabled());
    if (takeAll || hint().empty())
        setHint(custom->hint());
    if (takeAll || isVisible_)
        setVisible(custom->isVisible());
    if (takeAll || !onClick)
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
    // A control being read is painted once, when loaded() invalidates it.
    if (parent_ && !isLoading())
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
    switch (message) {
    case message::mouseEnter:
        mouseEnter();
        return 0;
    case message::mouseLeave:
        mouseLeave();
        return 0;
    case message::dialogChar:
        return dialogChar(static_cast<unsigned>(wParam)) ? 1 : 0;
    default:
        if (const std::optional<MouseMessage> mouse = readMouseMessage(message, wParam, lParam))
            handleMouse(*mouse);
        return 0;  // messages nobody handles leave the result at 0
    }
}

void GraphicControl::handleMouse(const MouseMessage& mouse)
{
    const auto& [mouseAction, button, shift, where] = mouse;
    switch (mouseAction) {
    case MouseAction::DoubleClick:
        if (wantsDoubleClicks_) {
            mouseDoubleClick(button, shift, where.x, where.y);
            break;
        }
        [[fallthrough]];
    case MouseAction::Press:
        if (button == MouseButton::Left)
            isMarkedForClick_ = true;
        mouseDown(button, shift, where.x, where.y);
        break;
    case MouseAction::Release:
        if (button == MouseButton::Left && isMarkedForClick_) {
            isMarkedForClick_ = false;
            if (Rect{0, 0, bounds_.width, bounds_.height}.contains(where)) {
                const auto alive = lifetime();
                click();
                if (alive.expired())
                    return;  // the click handler freed this control
            }
        }
        mouseUp(button, shift, where.x, where.y);
        break;
    case MouseAction::Move:
        mouseMove(shift, where.x, where.y);
        break;
    }
}

void GraphicControl::mouseDoubleClick(MouseButton button, ShiftState shift, int x, int y)
{
    handleMouse(MouseMessage{MouseAction::Press, button, shift, Point{x, y}});
}

bool GraphicControl::dialogChar(unsigned) { return false; }

bool GraphicControl::keyDown(unsigned, KeyPress) { return false; }

bool GraphicControl::keyUp(unsigned) { return false; }

bool GraphicControl::character(unsigned) { return false; }

void GraphicControl::focusGained() { invalidate(); }

void GraphicControl::focusLost() { invalidate(); }

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
    if (TBasicAction* linked = actionLink_.action())
        linked->execute();
    else if (onClick)
        onClick(*this);
}

void GraphicControl::captureLost() { isMarkedForClick_ = false; }

}  // namespace fw
