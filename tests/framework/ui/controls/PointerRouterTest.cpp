// Entering and leaving window-less controls, found with the real pointer whenever the message
// queue runs empty.

#include "ControlTestSupport.h"

#include <gtest/gtest.h>

using test_support::events;
using HoverTracking = test_support::ControlHostTest;

TEST_F(HoverTracking, MovingAcrossControlsLeavesOneBeforeEnteringTheNext)
{
    pointAt(20, 15);
    pointAt(30, 20);  // still inside: nothing new
    pointAt(160, 15);
    pointAt(120, 100);  // panel background
    pointAt(160, 15);
    POINT outside{-50, -50};
    ClientToScreen(panel_->handle(), &outside);
    SetCursorPos(outside.x, outside.y);  // off the window altogether
    settle();
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.leave", "second.enter", "second.leave",
                                                "second.enter", "second.leave"}));
}

TEST_F(HoverTracking, DisabledControlsAreEnteredAndLeftToo)
{
    first_->setEnabled(false);
    settle();
    events.clear();
    pointAt(20, 15);
    pointAt(120, 100);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.leave"}));
}

TEST_F(HoverTracking, OnlyTheCapturingControlIsEnteredAndLeft)
{
    pointAt(20, 15);
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    pointAt(160, 15);  // over the second control while the first holds the capture
    pointAt(25, 15);   // back on the first
    send(WM_LBUTTONUP, 25, 15);
    pointAt(160, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.down@10,5", "first.leave", "first.enter",
                                                "first.click", "first.up", "first.leave", "second.enter"}));
}

TEST_F(HoverTracking, AControlThatAppearsOrVanishesUnderARestingPointer)
{
    second_->setVisible(false);
    settle();
    events.clear();
    pointAt(160, 15);
    EXPECT_TRUE(events.empty()) << events.front();
    second_->setVisible(true);
    settle();
    first_->setBounds({150, 10, 100, 30});  // moves beneath the second, which stays on top
    settle();
    second_->setVisible(false);  // uncovers the first
    settle();
    std::erase_if(events, [](const std::string& event) { return event.ends_with(".paint"); });
    EXPECT_EQ(events, (std::vector<std::string>{"second.enter", "second.leave", "first.enter"}));
}

TEST_F(HoverTracking, ACoveringWindowLeavesTheControl)
{
    pointAt(20, 15);
    fw::Form::CreateArgs args;
    args.className = "CoveringTestForm";
    args.isTopMost = true;
    fw::Form cover(args);
    RECT bounds;
    GetWindowRect(panel_->handle(), &bounds);
    SetWindowPos(cover.handle(), HWND_TOPMOST, bounds.left, bounds.top, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    settle();
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.leave"}));
}

TEST_F(HoverTracking, AFreedControlIsNeitherLeftNorRemembered)
{
    pointAt(20, 15);
    first_.reset();
    pointAt(160, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "second.enter"}));
}
