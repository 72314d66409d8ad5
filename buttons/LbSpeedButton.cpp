#include "buttons/LbSpeedButton.h"

#include "buttons/LbButtons.h"
#include "buttons/LbColorStyle.h"
#include "buttons/LbSpeedButtonFace.h"
#include "framework/core/Accelerator.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/ContrastTheme.h"
#include "framework/ui/windows/Form.h"
#include "framework/ui/controls/ImageList.h"
#include "framework/ui/controls/Panel.h"
#include "framework/ui/app/PopupMenu.h"
#include "framework/win32/LeadByte.h"

namespace lb {

TLbSpeedButton::TLbSpeedButton(fw::Component* owner) : fw::GraphicControl(owner)
{
    setHeight(23);
    setWidth(100);
    setWantsDoubleClicks(true);
    if (auto* form = dynamic_cast<fw::Form*>(owner))
        hotTrackFont_.assign(form->font());
}

TLbSpeedButton::~TLbSpeedButton()
{
    // From here on late ticks leave the button alone, so the worker reaches its end.
    markDestroying();
    fade_.stopWorker();
}

void TLbSpeedButton::refresh()
{
    if (transparent_)
        invalidate();
    else
        paintNow();
}

void TLbSpeedButton::setAlignment(TLbAlignment alignment)
{
    alignment_ = alignment;
    refresh();
}

void TLbSpeedButton::setColorWhenDown(fw::TColor color)
{
    colorWhenDown_ = color;
    refresh();
}

void TLbSpeedButton::setFlat(bool flat)
{
    flat_ = flat;
    refresh();
}

void TLbSpeedButton::setFollowContrastTheme(bool follow)
{
    followContrastTheme_ = follow;
    refresh();
}

bool TLbSpeedButton::isInContrastTheme() const { return followContrastTheme_ && fw::ContrastTheme::isOn(); }

void TLbSpeedButton::setGroupIndex(int groupIndex)
{
    groupIndex_ = groupIndex;
    refresh();
}

void TLbSpeedButton::setLayout(TLbSpeedButtonLayout layout)
{
    layout_ = layout;
    refresh();
}

void TLbSpeedButton::setLightColor(fw::TColor color)
{
    lightColor_ = color;
    refresh();
}

void TLbSpeedButton::setShadowColor(fw::TColor color)
{
    shadowColor_ = color;
    refresh();
}

void TLbSpeedButton::setWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    refresh();
}

void TLbSpeedButton::setNumGlyphs(int numGlyphs)
{
    numGlyphs_ = numGlyphs;
    invalidate();
}

void TLbSpeedButton::setTransparent(bool transparent)
{
    transparent_ = transparent;
    if (transparent_)
        invalidate();  // the parent's background must be painted again beneath the face
    else
        paintNow();
}

void TLbSpeedButton::setSlowDecease(bool slowDecease)
{
    slowDecease_ = slowDecease;
    if (slowDecease_)
        fade_.startWorker();  // it waits, suspended, for the next mouse leave
    else
        fade_.stopWorker();
    invalidate();
}

void TLbSpeedButton::setDown(bool down)
{
    if (down == down_)
        return;
    // Whether the button goes down or up, no other button of its group stays down.
    releaseOthersOfGroup();
    down_ = down;
    refresh();
    notifyAccessibleChange(fw::AccessibleChange::State);
}

void TLbSpeedButton::releaseOthersOfGroup() const
{
    if (groupIndex_ == 0 || !parent())
        return;
    fw::Panel& siblings = *parent();
    for (int index = 0; index < siblings.controlCount(); ++index) {
        auto* sibling = dynamic_cast<TLbSpeedButton*>(&siblings.control(index));
        // Not through setDown, which would walk the group again for each one released.
        if (sibling && sibling != this && sibling->groupIndex_ == groupIndex_ && sibling->down_)
            sibling->popUpForGroup();
    }
}

void TLbSpeedButton::popUpForGroup()
{
    down_ = false;
    refresh();
    notifyAccessibleChange(fw::AccessibleChange::State);
}

void TLbSpeedButton::setStyle(TLbSpeedButtonStyle style)
{
    // A gradient cannot be shown with a palette of 256 colours or fewer; the designer keeps the
    // style as chosen, so the description still says bsModern.
    if (style == bsModern && !isDesigning() && colorDepth() <= 8)
        style = bsNormal;
    style_ = style;
    invalidate();
}

void TLbSpeedButton::setColorStyle(TLbColorStyle preset)
{
    if (preset == lcsCustom)
        return;
    fw::TColor faceColor = color();
    fw::TColor fontColor = font().color();
    bool modern = false;
    bool quicken = false;
    LbColorStylePreset(preset, faceColor, lightColor_, shadowColor_, colorWhenDown_, hotTrackColor_, fontColor,
                       flat_, modern, quicken);
    setColor(faceColor);
    font().setColor(fontColor);
    // Stored directly: a preset's face is kept whatever the display.
    style_ = bsNormal;
    if (modern)
        style_ = bsModern;
    if (quicken)
        style_ = bsQuicken;
    paintNow();
}

void TLbSpeedButton::setGlyphResource(const std::string& resourceName)
{
    fw::Bitmap loaded;
    loaded.loadFromResource(resourceName);
    setGlyph(&loaded);
    glyphResource_ = resourceName;
}

void TLbSpeedButton::setGlyph(const fw::Bitmap* glyph)
{
    glyphResource_.clear();
    if (!glyph) {
        glyph_.setSize(glyph_.width(), 0);
        numGlyphs_ = 0;
    } else {
        glyph_.assign(*glyph);
        numGlyphs_ = glyph_.height() > 0 ? glyph_.width() / glyph_.height() : 0;
    }
    invalidate();
}

void TLbSpeedButton::FadeTick(TLbButtonThread& sender)
{
    // While the button goes away, the ticks that the worker still hands over while it is awaited
    // change nothing and paint nothing; the fade itself ignores those of a worker it is stopping.
    if (isDestroying())
        return;
    if (fade_.step(sender) == LbFade::TickOutcome::Stepped)
        refresh();
}

void TLbSpeedButton::paint(fw::Canvas& canvas)
{
    if ((!isVisible() && !isDesigning()) || isLoading())
        return;
    const fw::Rect area = bounds();
    if (area.width <= 0 || area.height <= 0)
        return;  // nothing to show, and a bitmap needs a size
    const LbSpeedButtonFace face(*this);
    fw::Bitmap bitmap(area.width, area.height);
    LbPrepareFaceBitmap(bitmap, face.inputs());
    LbPaintFace(bitmap.canvas(), face.inputs());
    canvas.draw(0, 0, bitmap);
}

void TLbSpeedButton::mouseDoubleClick(fw::MouseButton button, fw::ShiftState shift, int x, int y)
{
    // The second press of a double-click is a new press: it takes the capture and gives a
    // second click on its release.
    handleMouse(fw::MouseMessage{fw::MouseAction::Press, button, shift, fw::Point{x, y}});
}

bool TLbSpeedButton::dialogChar(unsigned character)
{
    return fw::isAcceleratorOf(character, caption(), fw::isLeadByte) && pressMomentarily();
}

bool TLbSpeedButton::keyDown(unsigned key, fw::KeyPress press)
{
    if (key == fw::key::enter)
        return press == fw::KeyPress::Fresh && pressMomentarily();
    if (key != fw::key::space)
        return false;
    // Down while Space is held, as a Windows push button shows it; the click comes on release.
    if (press == fw::KeyPress::Fresh && !isSpaceHeld_ && isEnabled() && isShowing()) {
        isSpaceHeld_ = true;
        downBeforeSpace_ = down_;
        setDown(true);
        paintNow();
    }
    return true;
}

bool TLbSpeedButton::keyUp(unsigned key)
{
    if (key != fw::key::space || !isSpaceHeld_)
        return false;
    isSpaceHeld_ = false;
    clickAndRestore(downBeforeSpace_);
    return true;
}

void TLbSpeedButton::focusGained() { refresh(); }

void TLbSpeedButton::focusLost()
{
    // Space held while the focus moved away presses nothing.
    if (isSpaceHeld_) {
        isSpaceHeld_ = false;
        setDown(downBeforeSpace_);
    }
    refresh();
}

void TLbSpeedButton::mouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y)
{
    fw::GraphicControl::mouseDown(button, shift, x, y);
    if (button != fw::MouseButton::Left)
        return;
    if (groupIndex_ == 0 || !down_)
        setDown(true);
    else if (allowAllUp_)
        setDown(false);
}

void TLbSpeedButton::mouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y)
{
    fw::GraphicControl::mouseUp(button, shift, x, y);
    if (groupIndex_ == 0)
        setDown(false);
}

void TLbSpeedButton::captureLost()
{
    // The press ended without a release (a window took the mouse away): a push button pops up
    // as it would have on the release; a sticky one keeps its state.
    fw::GraphicControl::captureLost();
    if (groupIndex_ == 0)
        setDown(false);
}

void TLbSpeedButton::click()
{
    if (fw::TPopupMenu* menu = popupMenu()) {
        const auto alive = lifetime();
        const fw::Point corner = clientToScreen(fw::Point{0, bounds().height});
        menu->popup(corner.x, corner.y);
        if (alive.expired())
            return;  // a menu item's handler freed the button
    }
    fw::GraphicControl::click();
}

bool TLbSpeedButton::pressMomentarily()
{
    if (!isEnabled() || !isShowing())
        return false;
    const bool wasDown = down_;
    setDown(true);
    paintNow();
    clickAndRestore(wasDown);
    return true;
}

void TLbSpeedButton::clickAndRestore(bool downBefore)
{
    const auto alive = lifetime();
    click();
    if (alive.expired())
        return;  // the click handler freed the button
    setDown(downBefore);
    paintNow();
}

void TLbSpeedButton::mouseEnter()
{
    if (!isEnabled() || !isShowing())
        return;
    pointerInside_ = true;
    fade_.lightUp();
    refresh();
    if (OnMouseEnter)
        OnMouseEnter(*this);
}

void TLbSpeedButton::mouseLeave()
{
    pointerInside_ = false;
    // A contrast theme has no fade: its face with the pointer inside is the highlight, gone
    // with the pointer.
    if (slowDecease_ && !isInContrastTheme()) {
        fade_.startFadingOut();  // the ticks repaint from here on
    } else {
        fade_.darkenAtOnce();
        refresh();
    }
    if (isEnabled() && isShowing() && OnMouseExit)
        OnMouseExit(*this);
}

void TLbSpeedButton::setHotTrackFont(const fw::Font& font)
{
    hotTrackFont_.assign(font);
    hotTrackFont_.setDpi(dpi());
}

void TLbSpeedButton::dpiChanged() { hotTrackFont_.setDpi(dpi()); }

void TLbSpeedButton::actionChange(fw::TBasicAction& action, fw::ActionValues values)
{
    fw::GraphicControl::actionChange(action, values);
    auto* custom = dynamic_cast<fw::TCustomAction*>(&action);
    if (!custom || !glyph_.isEmpty() || !custom->actionList())
        return;
    fw::TImageList* images = custom->actionList()->images();
    if (!images || custom->imageIndex() < 0 || custom->imageIndex() >= images->count())
        return;
    glyph_.setSize(images->width(), images->height());
    glyph_.canvas().brush().setStyle(fw::BrushStyle::Solid);
    glyph_.canvas().brush().setColor(LbKeyColor);
    glyph_.canvas().fillRect({0, 0, glyph_.width(), glyph_.height()});
    images->draw(glyph_.canvas(), 0, 0, custom->imageIndex());
    setNumGlyphs(1);
    paintNow();
}

}  // namespace lb
