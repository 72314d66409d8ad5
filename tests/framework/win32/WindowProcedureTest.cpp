// Nothing thrown crosses a window procedure: what a handler throws goes to the error display, the
// message gets the system's default answer, and the window goes on working. A control whose
// paint fails is shown as an error and the panel paints the others.

#include "framework/core/RunHandler.h"
#include "framework/win32/WindowProcedure.h"

#include "../ui/controls/ControlTestSupport.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

using test_support::events;

namespace {

std::vector<std::string> shown;
void recordError(const std::string& message) { shown.push_back(message); }

// A window whose handler throws for WM_USER and answers 42 to WM_USER + 1.
class ThrowingOwner {
public:
    ThrowingOwner()
    {
        fw::registerWindowClass("FwThrowingOwner", fw::windowProcedureOf<ThrowingOwner>, 0, nullptr);
        window_ = CreateWindowExA(0, "FwThrowingOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), this);
    }
    ~ThrowingOwner() { DestroyWindow(window_); }
    HWND handle() const { return window_; }
    long long handleMessage(unsigned message, unsigned long long wParam, long long lParam)
    {
        if (message == WM_USER)
            throw std::runtime_error("the handler failed");
        if (message == WM_USER + 1)
            return 42;
        return DefWindowProcA(window_, message, wParam, lParam);
    }

private:
    HWND window_ = nullptr;
};

class ThrowingPainter : public test_support::RecordingControl {
public:
    using RecordingControl::RecordingControl;
    void paint(fw::Canvas&) override { throw std::runtime_error("the paint failed"); }
};

class WindowProcedure : public test_support::ControlHostTest {
protected:
    void SetUp() override
    {
        ControlHostTest::SetUp();
        shown.clear();
        fw::setErrorDisplay(recordError);
    }
    void TearDown() override
    {
        fw::setErrorDisplay(nullptr);
        ControlHostTest::TearDown();
    }
};

}  // namespace

TEST_F(WindowProcedure, AnExceptionReachesTheErrorDisplayAndTheWindowGoesOn)
{
    ThrowingOwner owner;
    ASSERT_NE(owner.handle(), nullptr);
    EXPECT_EQ(SendMessageA(owner.handle(), WM_USER, 0, 0), 0);  // DefWindowProc's answer
    EXPECT_EQ(shown, std::vector<std::string>{"the handler failed"});
    EXPECT_EQ(SendMessageA(owner.handle(), WM_USER + 1, 0, 0), 42);
}

TEST_F(WindowProcedure, AFailingPaintIsShownAndTheOtherControlsStillPaint)
{
    ThrowingPainter failing(*panel_, fw::Rect{10, 60, 50, 20}, "failing");
    events.clear();
    InvalidateRect(panel_->handle(), nullptr, TRUE);
    UpdateWindow(panel_->handle());
    EXPECT_EQ(shown, std::vector<std::string>{"the paint failed"});
    EXPECT_EQ(events, (std::vector<std::string>{"first.paint", "second.paint"}));
    // Still running: a press reaches its control.
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_NE(std::find(events.begin(), events.end(), "first.click"), events.end());
}
