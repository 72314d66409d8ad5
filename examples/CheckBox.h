#pragma once
// CheckBox: a kind of control the library does not have, written against the installed headers
// only. A window-less control: a box, a tick when checked, and its caption beside it. A click
// toggles it, and so does Space while it has the keyboard focus (toggled on release, as Windows
// does); it is a tab stop, draws the system's focus rectangle round its caption once the keyboard
// is in use, and screen readers hear a check box, whether it is checked, and "Check" or "Uncheck".

#include "framework/graphics/Canvas.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/Panel.h"
#include "framework/geometry/Dpi.h"

#include <string>

class CheckBox : public fw::GraphicControl {
public:
    // `bounds` as designed, at 96 DPI.
    CheckBox(fw::Panel& parent, fw::Rect bounds, const std::string& caption) : fw::GraphicControl(nullptr)
    {
        setBounds(bounds);
        setCaption(caption);
        setTabStop(true);
        setParent(&parent);
    }

    bool isChecked() const override { return isChecked_; }
    void setChecked(bool checked)
    {
        if (checked == isChecked_)
            return;
        isChecked_ = checked;
        invalidate();
        notifyAccessibleChange(fw::AccessibleChange::State);
    }

    fw::AccessibleRole accessibleRole() const override { return fw::AccessibleRole::CheckButton; }
    bool doDefaultAction() override
    {
        if (!canTakeFocus())
            return false;
        click();
        return true;
    }

    void paint(fw::Canvas& canvas) override
    {
        const fw::Rect area = bounds();
        const int box = fw::scaleForDpi(13, dpi());
        const int top = (area.height - box) / 2;
        canvas.pen().setColor(isEnabled() ? fw::clWindowText : fw::clGray);
        canvas.brush().setColor(fw::clWindow);
        canvas.rectangle(0, top, box, top + box);
        if (isChecked_) {
            // A tick from the lower left up to the right, two pixels thick at 96 DPI.
            const int unit = fw::scaleForDpi(1, dpi());
            for (int thickness = 0; thickness < 2 * unit; ++thickness) {
                canvas.moveTo(3 * unit, top + 6 * unit + thickness);
                canvas.lineTo(5 * unit, top + 8 * unit + thickness);
                canvas.lineTo(10 * unit, top + 3 * unit + thickness);
            }
        }
        // The caption in the control's own font, which the canvas carries.
        canvas.brush().setStyle(fw::BrushStyle::Clear);
        fw::RectEdges text{box + fw::scaleForDpi(5, dpi()), 0, area.width, area.height};
        canvas.drawText(caption(), text, fw::text_format::singleLine | fw::text_format::verticalCenter);
        if (isFocusCueShown()) {
            fw::RectEdges measured = text;
            canvas.drawText(caption(), measured, fw::text_format::singleLine | fw::text_format::calculateRect);
            const int height = measured.bottom - measured.top;
            canvas.drawFocusRect({text.left - 1, (area.height - height) / 2 - 1, measured.right + 1,
                                  (area.height + height) / 2 + 1});
        }
    }

    bool keyDown(unsigned key, fw::KeyPress press) override
    {
        if (key != fw::key::space)
            return false;
        if (press == fw::KeyPress::Fresh)
            isSpaceHeld_ = true;
        return true;
    }
    bool keyUp(unsigned key) override
    {
        if (key != fw::key::space || !isSpaceHeld_)
            return false;
        isSpaceHeld_ = false;
        click();
        return true;
    }
    void focusLost() override
    {
        isSpaceHeld_ = false;  // Space held while the focus went elsewhere toggles nothing
        fw::GraphicControl::focusLost();
    }

protected:
    // Every way of pressing it ends here: the mouse, Space, a screen reader.
    void click() override
    {
        setChecked(!isChecked_);
        fw::GraphicControl::click();
    }

private:
    bool isChecked_ = false;
    bool isSpaceHeld_ = false;
};
