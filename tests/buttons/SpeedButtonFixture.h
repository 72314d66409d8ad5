#pragma once
// A shown window with two panels for the speed button's tests, and buttons that count their
// paints, write down every event and can pretend to sit on a display of another colour depth.
// One window serves all tests: Wine without a window manager waits up to two seconds whenever a
// shown top-level window goes away.

#include "buttons/LbSpeedButton.h"

#include "buttons/LbButtons.h"
#include "framework/core/Error.h"
#include "framework/ui/accessibility/Accessibility.h"
#include "framework/graphics/Bitmap.h"
#include "framework/ui/model/Action.h"
#include "framework/ui/app/Application.h"
#include "framework/ui/windows/Form.h"
#include "framework/ui/controls/ImageList.h"
#include "framework/ui/controls/Panel.h"
#include "framework/ui/app/PopupMenu.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace speed_button_test {

using namespace lb;
using fw::TColor;

constexpr TColor gold = 0x0000C0C0;
constexpr TColor goldHot = 0x0000DFDF;
constexpr TColor panelColor = 0x005BCECB;
// bsModern 108 x 31 gold face, row 2 inside the outlines: up and pressed.
constexpr TColor goldRow2Up = 0x0000F2F2;
constexpr TColor goldRow2Down = 0x0000F4F4;

inline std::vector<std::string> events;

// Counts its paints and can pretend to sit on a display of another colour depth.
class ProbeButton : public TLbSpeedButton {
public:
    using TLbSpeedButton::TLbSpeedButton;
    int paints = 0;
    int depth = 0;  // 0: the real one
    std::function<void()> onPaint;
    void paint(fw::Canvas& canvas) override
    {
        ++paints;
        if (onPaint)
            onPaint();
        TLbSpeedButton::paint(canvas);
    }
    int colorDepth() const override { return depth ? depth : TLbSpeedButton::colorDepth(); }
};

class LbSpeedButtonTest : public ::testing::Test {
protected:
    static fw::Form& sharedForm()
    {
        static std::unique_ptr<fw::Form> form = [] {
            fw::Form::CreateArgs args;
            args.className = "SpeedButtonTestForm";
            args.clientWidth = 600;
            args.clientHeight = 300;
            auto made = std::make_unique<fw::Form>(args);
            SetWindowPos(made->handle(), nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            ShowWindow(made->handle(), SW_SHOWNA);
            return made;
        }();
        return *form;
    }

    void SetUp() override
    {
        fw::enableAccessibility();  // as the application does: panels made here are accessible
        events.clear();
        SetCursorPos(2, 2);
        form_ = &sharedForm();
        panel_ = std::make_unique<fw::Panel>(form_->handle(), fw::Rect{0, 0, 290, 300}, panelColor, form_->font());
        other_ = std::make_unique<fw::Panel>(form_->handle(), fw::Rect{300, 0, 290, 300}, panelColor, form_->font());
        button_ = &makeButton(*panel_, "Button", {10, 10, 108, 31});
        settle();
    }
    void TearDown() override
    {
        buttons_.clear();
        panel_.reset();
        other_.reset();
        settle();
    }

    // A gold bsModern button, as the updater has them, with every event written down.
    ProbeButton& makeButton(fw::Panel& parent, const std::string& name, fw::Rect bounds)
    {
        auto button = std::make_unique<ProbeButton>(form_);
        ProbeButton& made = *button;
        made.setName(name);
        made.setParent(&parent);
        made.setBounds(bounds);
        made.setStyle(bsModern);
        made.setColor(gold);
        made.setHotTrackColor(goldHot);
        made.setLightColor(fw::clYellow);
        made.setShadowColor(fw::clOlive);
        made.setCaption("");
        made.OnMouseEnter = [&made](fw::Component&) { events.push_back(made.name() + ".enter"); };
        made.OnMouseExit = [&made](fw::Component&) { events.push_back(made.name() + ".exit"); };
        made.onMouseDown = [&made](fw::Component&, fw::MouseButton button, fw::ShiftState, int, int) {
            events.push_back(made.name() + (button == fw::MouseButton::Left ? ".down" : ".otherDown"));
        };
        made.onMouseUp = [&made](fw::Component&, fw::MouseButton, fw::ShiftState, int, int) {
            events.push_back(made.name() + ".up");
        };
        made.onClick = [&made](fw::Component&) { events.push_back(made.name() + ".click"); };
        buttons_.push_back(std::move(button));
        return made;
    }

    void settle()
    {
        fw::Application::instance().processMessages();
        fw::Application::instance().idle();
    }
    // Runs the message loop until `done` holds or `timeout` has passed; false on timeout.
    bool runLoopUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            settle();
        }
        return true;
    }
    void send(fw::Panel& panel, UINT message, int x, int y, WPARAM keys = 0)
    {
        SendMessageA(panel.handle(), message, keys, MAKELPARAM(x, y));
    }
    void press(ProbeButton& button, int dx = 5, int dy = 5)
    {
        send(*button.parent(), WM_LBUTTONDOWN, button.bounds().left + dx, button.bounds().top + dy, MK_LBUTTON);
    }
    void release(ProbeButton& button, int dx = 5, int dy = 5)
    {
        send(*button.parent(), WM_LBUTTONUP, button.bounds().left + dx, button.bounds().top + dy);
    }
    void pointAt(const fw::Panel& panel, int x, int y)
    {
        POINT screen{x, y};
        ClientToScreen(panel.handle(), &screen);
        SetCursorPos(screen.x, screen.y);
        settle();
    }
    void typeCharacter(char character)
    {
        PostMessageA(form_->handle(), WM_CHAR, static_cast<unsigned char>(character), 0);
        settle();
    }
    // A pixel of the button as it is on the panel's surface now.
    TColor facePixel(const ProbeButton& button, int x, int y)
    {
        HDC dc = GetDC(button.parent()->handle());
        const COLORREF value = GetPixel(dc, button.bounds().left + x, button.bounds().top + y);
        ReleaseDC(button.parent()->handle(), dc);
        return value;
    }

    fw::Form* form_ = nullptr;
    std::unique_ptr<fw::Panel> panel_;
    std::unique_ptr<fw::Panel> other_;
    std::vector<std::unique_ptr<ProbeButton>> buttons_;
    ProbeButton* button_ = nullptr;
};

}  // namespace speed_button_test
