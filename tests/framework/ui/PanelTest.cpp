// Mouse routing of the panel to its window-less controls, driven by the messages a user's mouse
// produces, sent straight to the panel's window.

#include "framework/ui/Form.h"
#include "framework/ui/GraphicControl.h"
#include "framework/ui/Panel.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> events;

class RecordingControl : public fw::GraphicControl {
public:
    RecordingControl(fw::Panel& host, fw::Rect bounds, std::string name)
        : GraphicControl(host, bounds), name_(std::move(name))
    {
    }
    void paint(fw::native::DeviceContextHandle) override { events.push_back(name_ + ".paint"); }
    void mouseDown(fw::MouseButton button, fw::Point where) override
    {
        events.push_back(name_ + ".down" + suffix(button) + "@" + std::to_string(where.x) + "," + std::to_string(where.y));
    }
    void mouseUp(fw::MouseButton button, fw::Point) override { events.push_back(name_ + ".up" + suffix(button)); }
    void click() override
    {
        events.push_back(name_ + ".click");
        GraphicControl::click();
    }
    void mouseEnter() override { events.push_back(name_ + ".enter"); }
    void mouseLeave() override { events.push_back(name_ + ".leave"); }
    void captureLost() override { events.push_back(name_ + ".captureLost"); }

private:
    static std::string suffix(fw::MouseButton button)
    {
        return button == fw::MouseButton::Left ? "" : button == fw::MouseButton::Right ? "(right)" : "(middle)";
    }
    std::string name_;
};

class PanelRouting : public ::testing::Test {
protected:
    void SetUp() override
    {
        events.clear();
        fw::Form::CreateArgs args;
        args.className = "PanelRoutingTestForm";
        form_ = std::make_unique<fw::Form>(args);
        panel_ = std::make_unique<fw::Panel>(form_->handle(), fw::Rect{0, 0, 300, 200}, fw::clWhite, form_->font());
        first_ = std::make_unique<RecordingControl>(*panel_, fw::Rect{10, 10, 100, 30}, "first");
        second_ = std::make_unique<RecordingControl>(*panel_, fw::Rect{150, 10, 100, 30}, "second");
    }

    void send(UINT message, int x, int y, WPARAM keys = 0)
    {
        SendMessageA(panel_->handle(), message, keys, MAKELPARAM(x, y));
    }

    std::unique_ptr<fw::Form> form_;
    std::unique_ptr<fw::Panel> panel_;
    std::unique_ptr<RecordingControl> first_;
    std::unique_ptr<RecordingControl> second_;
};

}  // namespace

TEST_F(PanelRouting, PressAndReleaseInsideClicksBeforeTheRelease)
{
    int clicks = 0;
    first_->onClick = [&](fw::GraphicControl& sender) {
        EXPECT_EQ(&sender, first_.get());
        ++clicks;
    };
    send(WM_MOUSEMOVE, 20, 15);
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 25, 20);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.down@10,5", "first.click", "first.up"}));
    EXPECT_EQ(clicks, 1);
}

TEST_F(PanelRouting, ReleaseOutsideDoesNotClick)
{
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 200, 150);
    EXPECT_EQ(events, (std::vector<std::string>{"first.down@10,5", "first.up"}));
}

TEST_F(PanelRouting, DragOffAndBackKeepsThePressAndOnlyTheCapturingControlHovers)
{
    send(WM_MOUSEMOVE, 20, 15);
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_MOUSEMOVE, 160, 15, MK_LBUTTON);  // over the second control, while the first holds the capture
    send(WM_MOUSEMOVE, 30, 15, MK_LBUTTON);   // back on the first
    send(WM_LBUTTONUP, 30, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.down@10,5", "first.leave", "first.enter",
                                                "first.click", "first.up"}));
}

TEST_F(PanelRouting, CaptureLostMidwayEndsThePressWithoutAClick)
{
    send(WM_MOUSEMOVE, 20, 15);
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_CAPTURECHANGED, 0, 0);
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.down@10,5", "first.captureLost", "first.up"}));
}

TEST_F(PanelRouting, DisabledControlsHoverButGetNoPress)
{
    first_->setEnabled(false);
    send(WM_MOUSEMOVE, 20, 15);
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter"}));
}

TEST_F(PanelRouting, OtherButtonsPressWithoutCaptureOrClick)
{
    send(WM_MOUSEMOVE, 20, 15);
    send(WM_RBUTTONDOWN, 20, 15);
    send(WM_RBUTTONUP, 20, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.down(right)@10,5", "first.up(right)"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PanelRouting, DoubleClickCountsAsASecondPress)
{
    int clicks = 0;
    first_->onClick = [&](fw::GraphicControl&) { ++clicks; };
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 20, 15);
    send(WM_LBUTTONDBLCLK, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_EQ(clicks, 2);
}

TEST_F(PanelRouting, LeavingThePanelLeavesTheHoveredControl)
{
    send(WM_MOUSEMOVE, 20, 15);
    send(WM_MOUSEMOVE, 160, 15);
    send(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.leave", "second.enter", "second.leave"}));
}

TEST_F(PanelRouting, RemovedControlIsForgottenWhileHoveredOrCaptured)
{
    send(WM_MOUSEMOVE, 20, 15);
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    first_.reset();
    events.clear();
    send(WM_MOUSEMOVE, 25, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 25, 15);
    send(WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(events.empty()) << events.front();
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PanelRouting, ClickHandlerMayRemoveItsOwnControl)
{
    first_->onClick = [&](fw::GraphicControl&) { first_.reset(); };
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.down@10,5", "first.click"}));
}

TEST_F(PanelRouting, PaintsOnlyVisibleControlsWithTheirCornerAsOrigin)
{
    second_->setVisible(false);
    ShowWindow(form_->handle(), SW_SHOWNA);
    events.clear();
    RedrawWindow(panel_->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(events, std::vector<std::string>{"first.paint"});
}
