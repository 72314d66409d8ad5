#pragma once
// TLbSpeedButton: the library's push button, a window-less control that paints its whole face
// with LbPaintFace into an off-screen bitmap of its size and copies it onto its parent in one go;
// pixels left in the key colour are not copied, so the parent shows through them.
//
// Besides a plain button it has a hot-track look (HotTrackColor, and HotTrackFont when
// UseHotTrackFont is on), six face styles, colour presets (ColorStyle), a glyph strip in four
// layouts, a sticky Down state with exclusive groups (GroupIndex, AllowAllUp), an accelerator
// character taken from its caption, a popup menu dropped below it on a click, an image taken over
// from a linked action, a Transparent mode and a slow fade of the hot-track colour (SlowDecease).
//
// To *refresh* is: invalidate when Transparent, else paint at once without erasing.
//
// State table (the face is a function of Enabled, Down, pointer inside and fade level):
//   event                               condition                       effect
//   mouse-enter notification            enabled, visible, parent shown  inside, level 8, refresh, OnMouseEnter
//   mouse-enter notification            otherwise                       nothing
//   mouse-leave notification            SlowDecease off                 outside, level 0, refresh; OnMouseExit*
//   mouse-leave notification            SlowDecease on                  outside, fade worker resumed; OnMouseExit*
//                                       (in a contrast theme: as if SlowDecease were off)
//   left press                          ungrouped, or grouped and up    OnMouseDown; Down (group released)
//   left press                          grouped and down                OnMouseDown; up only with AllowAllUp
//   right or middle press               -                               OnMouseDown only
//   left release inside after a press   -                               click (menu, then action or OnClick),
//                                                                       OnMouseUp, up if ungrouped
//   left release outside, other release -                               OnMouseUp, up if ungrouped
//   second press of a double-click      -                               a left press
//   accelerator character               enabled, visible, parent shown  Down, paint, click, Down back, paint
//   default action (assistive tech.)    enabled, visible, parent shown  the same, run from the panel's queue
//   fresh Enter while focused           enabled, visible, parent shown  the same
//   Space down while focused            enabled, visible, parent shown  Down, paint (repeats change nothing)
//   Space up after that Space down      -                               click, Down back, paint
//   focus lost while Space is down      -                               Down back; no click
//   focus gained or lost                -                               refresh (the focus cue)
//   fade tick                           not being destroyed or stopped  level - 1; at 0 worker suspended; refresh
//   (* OnMouseExit only when enabled, visible and the parent is shown)
//
// Owns its glyph bitmap, its hot-track font and its fade (LbFade: the level and the worker that
// steps it); assigning the glyph or the font copies the given object's content. The group rule:
// the TLbSpeedButton children of one parent that share a non-zero GroupIndex are exclusive, so at
// most one of them is Down; buttons with the same index on another parent are another group. The
// painter's inputs are gathered by LbSpeedButtonFace.

#include "buttons/LbButtonThread.h"
#include "buttons/LbFade.h"
#include "buttons/LbTypes.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Font.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/description/PublishedProperties.h"

#include <string>

namespace lb {

class TLbSpeedButton : public fw::GraphicControl {
public:
    explicit TLbSpeedButton(fw::Component* owner);
    ~TLbSpeedButton() override;

    // Published properties, in declaration order (the host's come first: bounds, cursor, hint).
    TLbAlignment Alignment() const { return alignment_; }
    void setAlignment(TLbAlignment alignment);
    bool AllowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allowAllUp) { allowAllUp_ = allowAllUp; }
    fw::TColor ColorWhenDown() const { return colorWhenDown_; }
    void setColorWhenDown(fw::TColor color);
    // Always reads lcsCustom: assigning a preset copies its values and is not recorded.
    TLbColorStyle ColorStyle() const { return lcsCustom; }
    void setColorStyle(TLbColorStyle style);
    bool Down() const { return down_; }
    void setDown(bool down);
    bool Flat() const { return flat_; }
    void setFlat(bool flat);
    // While a contrast theme is on, the face is drawn in the theme's pairs instead of the
    // button's colours (LbButtons.h), and there is no slow fade; off: the button keeps its own.
    bool FollowContrastTheme() const { return followContrastTheme_; }
    void setFollowContrastTheme(bool follow);
    // The owned glyph strip; changing its content directly changes neither NumGlyphs nor the face
    // until the next repaint.
    fw::Bitmap& Glyph() { return glyph_; }
    const fw::Bitmap& Glyph() const { return glyph_; }
    void setGlyph(const fw::Bitmap* glyph);  // null empties the glyph
    // The glyph from a bitmap resource of the executable, remembered by name for descriptions.
    void setGlyphResource(const std::string& resourceName);
    const std::string& glyphResource() const { return glyphResource_; }
    int GroupIndex() const { return groupIndex_; }
    void setGroupIndex(int groupIndex);
    fw::TColor HotTrackColor() const { return hotTrackColor_; }
    void setHotTrackColor(fw::TColor color) { hotTrackColor_ = color; }
    fw::Font& HotTrackFont() { return hotTrackFont_; }
    const fw::Font& HotTrackFont() const { return hotTrackFont_; }
    void setHotTrackFont(const fw::Font& font);
    TLbSpeedButtonLayout Layout() const { return layout_; }
    void setLayout(TLbSpeedButtonLayout layout);
    fw::TColor LightColor() const { return lightColor_; }
    void setLightColor(fw::TColor color);
    int NumGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int numGlyphs);
    fw::TColor ShadowColor() const { return shadowColor_; }
    void setShadowColor(fw::TColor color);
    bool SlowDecease() const { return slowDecease_; }
    void setSlowDecease(bool slowDecease);
    TLbSpeedButtonStyle Style() const { return style_; }
    void setStyle(TLbSpeedButtonStyle style);
    bool Transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    bool UseHotTrackFont() const { return useHotTrackFont_; }
    void setUseHotTrackFont(bool use) { useHotTrackFont_ = use; }
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool wordWrap);

    fw::NotifyEvent OnMouseEnter;
    fw::NotifyEvent OnMouseExit;

    // Eighths of HotTrackColor in the face colour, 0..8.
    int fadeLevel() const { return fade_.level(); }
    // A contrast theme is on and the button follows it.
    bool isInContrastTheme() const;

    // The published properties, for window descriptions.
    static fw::ClassInfo classInfo();
    // The accelerator's momentary press, also the default action for assistive technology: Down,
    // paint, click, Down back to what it was, paint. Only while enabled, visible and the parent
    // is shown; true when it clicked.
    bool pressMomentarily();

    // What assistive technology is told: a push button, down while Down, hot-tracked while the
    // pointer is inside; its default action is pressMomentarily().
    fw::AccessibleRole accessibleRole() const override { return fw::AccessibleRole::PushButton; }
    bool isDown() const override { return down_; }
    bool isPointerInside() const override { return pointerInside_; }
    bool doDefaultAction() override { return pressMomentarily(); }

    // One step of a slow fade, run on the GUI thread on behalf of the fade worker.
    void FadeTick(TLbButtonThread& sender);
    // The fade worker, present exactly while SlowDecease is on.
    const TLbButtonThread* fadeThread() const { return fade_.worker(); }

    void paint(fw::Canvas& canvas) override;
    void mouseEnter() override;
    void mouseLeave() override;
    void captureLost() override;
    bool dialogChar(unsigned character) override;  // the accelerator
    // Space and Enter press the focused button (see the state table).
    bool keyDown(unsigned key, fw::KeyPress press) override;
    bool keyUp(unsigned key) override;
    void focusGained() override;
    void focusLost() override;

protected:
    void mouseDoubleClick(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void mouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void mouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void click() override;
    void actionChange(fw::TBasicAction& action, fw::ActionValues values) override;
    // The hot-track font is the button's own: it follows the control's DPI here.
    void dpiChanged() override;

private:
    void refresh();
    // The second half of a momentary press: the click, then Down back as it was, painted.
    void clickAndRestore(bool downBefore);
    // Pops up every other button of this one's group that is Down, each repainted and telling
    // assistive technology of its new state; nothing for GroupIndex 0 or without a parent.
    // Called before this button's own Down changes, whichever way it changes.
    void releaseOthersOfGroup() const;
    // Up, on behalf of the group rule: repainted, and assistive technology told.
    void popUpForGroup();

    TLbAlignment alignment_ = taLeftJustify;
    bool allowAllUp_ = false;
    fw::TColor colorWhenDown_ = fw::clNone;
    bool down_ = false;
    bool flat_ = false;
    bool followContrastTheme_ = true;
    fw::Bitmap glyph_;
    std::string glyphResource_;  // empty unless the glyph came from a resource
    int groupIndex_ = 0;
    fw::TColor hotTrackColor_ = fw::clNone;
    fw::Font hotTrackFont_;
    TLbSpeedButtonLayout layout_ = blGlyphLeft;
    fw::TColor lightColor_ = fw::clWhite;
    int numGlyphs_ = 0;
    fw::TColor shadowColor_ = fw::clBlack;
    bool slowDecease_ = false;
    TLbSpeedButtonStyle style_ = bsNormal;
    bool transparent_ = false;
    bool useHotTrackFont_ = false;
    bool wordWrap_ = false;

    bool pointerInside_ = false;
    bool isSpaceHeld_ = false;
    bool downBeforeSpace_ = false;  // Down as it was when Space went down
    LbFade fade_{[this](TLbButtonThread& sender) { FadeTick(sender); }};
};

}  // namespace lb
