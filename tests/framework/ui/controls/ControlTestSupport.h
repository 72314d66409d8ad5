#pragma once
// A form with one panel and window-less controls that write down every message and event they
// get, for the tests of the framework's host behaviour. The form is shown (controls of a hidden
// window are not "showing") at a fixed place, so that tests can put the real pointer over it.
//
// One form serves every test of the program: Wine without a window manager waits up to two
// seconds for the X server whenever a shown top-level window is hidden or destroyed. Panels and
// controls, which are child windows or no windows at all, are made afresh for each test.

#include "framework/ui/accessibility/Accessibility.h"
#include "framework/graphics/Canvas.h"
#include "framework/ui/app/Application.h"
#include "framework/ui/windows/Form.h"
#include "framework/ui/controls/GraphicControl.h"
#include "framework/ui/controls/Panel.h"
#include "framework/ui/controls/InputRouter.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace test_support {

// Where a child window lies in its parent's client area.
inline fw::Rect placeInParent(HWND window)
{
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
    return fw::Rect{bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
}

// Sets left, top, width and height in turn; after each, `where()` (the place as the object shows
// it) has the new value and still the three others.
template <typename Placed, typename Where>
void expectEachBoundsSetterKeepsTheRest(Placed& placed, Where where)
{
    fw::Rect expected = placed.bounds();
    const auto check = [&](const char* after) {
        const fw::Rect seen = where();
        EXPECT_EQ((std::vector<int>{seen.left, seen.top, seen.width, seen.height}),
                  (std::vector<int>{expected.left, expected.top, expected.width, expected.height}))
            << "after setting the " << after;
    };
    placed.setLeft(expected.left += 3);
    check("left");
    placed.setTop(expected.top += 4);
    check("top");
    placed.setWidth(expected.width -= 5);
    check("width");
    placed.setHeight(expected.height -= 6);
    check("height");
}

inline std::vector<std::string> events;

class RecordingControl : public fw::GraphicControl {
public:
    RecordingControl(fw::Panel& parent, fw::Rect bounds, const std::string& name) : GraphicControl(nullptr)
    {
        setName(name);
        setBounds(bounds);
        setParent(&parent);
    }
    using GraphicControl::setWantsDoubleClicks;

    void paint(fw::Canvas&) override { events.push_back(name() + ".paint"); }
    void captureLost() override
    {
        events.push_back(name() + ".captureLost");
        GraphicControl::captureLost();
    }
    long long dialogCharResult = 0;  // what this control answers to a typed character

    void mouseEnter() override { events.push_back(name() + ".enter"); }
    void mouseLeave() override { events.push_back(name() + ".leave"); }
    bool dialogChar(unsigned character) override
    {
        events.push_back(name() + ".char(" + std::string(1, static_cast<char>(character)) + ")");
        return dialogCharResult != 0;
    }

protected:
    void mouseDoubleClick(fw::MouseButton button, fw::ShiftState shift, int x, int y) override
    {
        events.push_back(name() + ".doubleClick");
        GraphicControl::mouseDoubleClick(button, shift, x, y);
    }
    void mouseDown(fw::MouseButton button, fw::ShiftState shift, int x, int y) override
    {
        events.push_back(name() + ".down" + suffix(button) + "@" + std::to_string(x) + "," + std::to_string(y));
        GraphicControl::mouseDown(button, shift, x, y);
    }
    void mouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) override
    {
        events.push_back(name() + ".up" + suffix(button));
        GraphicControl::mouseUp(button, shift, x, y);
    }
    void click() override
    {
        events.push_back(name() + ".click");
        GraphicControl::click();
    }

private:
    static std::string suffix(fw::MouseButton button)
    {
        return button == fw::MouseButton::Left ? "" : button == fw::MouseButton::Right ? "(right)" : "(middle)";
    }
};

class ControlHostTest : public ::testing::Test {
protected:
    static fw::Form& sharedForm()
    {
        static std::unique_ptr<fw::Form> form = [] {
            fw::Form::CreateArgs args;
            args.className = "ControlHostTestForm";
            auto made = std::make_unique<fw::Form>(args);
            SetWindowPos(made->handle(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            ShowWindow(made->handle(), SW_SHOWNA);
            return made;
        }();
        return *form;
    }

    void SetUp() override
    {
        fw::enableAccessibility();  // as the application does: panels made here are accessible
        SetCursorPos(5, 5);  // away from the form, whatever the last test did with the pointer
        form_ = &sharedForm();
        panel_ = std::make_unique<fw::Panel>(form_->handle(), fw::Rect{0, 0, 300, 200}, fw::clWhite, form_->font());
        first_ = std::make_unique<RecordingControl>(*panel_, fw::Rect{10, 10, 100, 30}, "first");
        second_ = std::make_unique<RecordingControl>(*panel_, fw::Rect{150, 10, 100, 30}, "second");
        UpdateWindow(panel_->handle());
        settle();
        events.clear();
    }
    void TearDown() override
    {
        first_.reset();
        second_.reset();
        panel_.reset();
        fw::Application::instance().processMessages();
    }

    // A mouse message as the panel's window receives it, in panel client coordinates.
    void send(UINT message, int x, int y, WPARAM keys = 0)
    {
        SendMessageA(panel_->handle(), message, keys, MAKELPARAM(x, y));
    }
    // Runs what is queued, then what the loop does when the queue is empty.
    void settle()
    {
        fw::Application::instance().processMessages();
        fw::Application::instance().idle();
    }
    // Puts the real pointer at a point of the panel and lets the application notice.
    void pointAt(int x, int y)
    {
        POINT screen{x, y};
        ClientToScreen(panel_->handle(), &screen);
        SetCursorPos(screen.x, screen.y);
        settle();
    }

    fw::Form* form_ = nullptr;
    std::unique_ptr<fw::Panel> panel_;
    std::unique_ptr<RecordingControl> first_;
    std::unique_ptr<RecordingControl> second_;
};

}  // namespace test_support
