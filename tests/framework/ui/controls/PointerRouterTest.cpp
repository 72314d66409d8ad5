// The pointer's routing to window-less controls: mouse messages as a panel's window receives them,
// with the capture and the rule of a click; and entering and leaving controls, found with the
// real pointer whenever the message queue runs empty.

#include "ControlTestSupport.h"

#include <gtest/gtest.h>

using test_support::events;
using PointerRouting = test_support::ControlHostTest;
using PointerInside = test_support::ControlHostTest;

TEST_F(PointerRouting, PressAndReleaseInsideClicksBeforeTheRelease)
{
    int clicks = 0;
    first_->onClick = [&](fw::Component& sender) {
        EXPECT_EQ(&sender, first_.get());
        EXPECT_EQ(GetCapture(), nullptr) << "the capture is released before the click";
        ++clicks;
    };
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    EXPECT_EQ(GetCapture(), panel_->handle());
    EXPECT_EQ(fw::InputRouter::instance().pointer().capturingControl(), first_.get());
    send(WM_LBUTTONUP, 25, 20);
    EXPECT_EQ(events, (std::vector<std::string>{"first.down@10,5", "first.click", "first.up"}));
    EXPECT_EQ(clicks, 1);
}

TEST_F(PointerRouting, TheCapturingControlGetsEveryMouseMessageWherever)
{
    std::vector<std::pair<int, int>> moves;
    first_->onMouseMove = [&](fw::Component&, fw::ShiftState shift, int x, int y) {
        EXPECT_TRUE(shift.left);
        moves.emplace_back(x, y);
    };
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_MOUSEMOVE, 160, 15, MK_LBUTTON);  // over the second control
    send(WM_MOUSEMOVE, 5, 5, MK_LBUTTON);     // over no control
    send(WM_LBUTTONUP, 200, 150);             // released outside: no click
    EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{150, 5}, {-5, -5}}));
    EXPECT_EQ(events, (std::vector<std::string>{"first.down@10,5", "first.up"}));
    EXPECT_EQ(fw::InputRouter::instance().pointer().capturingControl(), nullptr);
}

TEST_F(PointerRouting, CaptureLostMidwayEndsThePressWithoutAClick)
{
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    ReleaseCapture();  // as when another window takes the mouse: WM_CAPTURECHANGED
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.down@10,5", "first.captureLost", "first.up"}));
}

TEST_F(PointerRouting, PressesOfDisabledOrHiddenControlsStayWithThePanel)
{
    first_->setEnabled(false);
    second_->setVisible(false);
    for (int x : {20, 160}) {
        send(WM_LBUTTONDOWN, x, 15, MK_LBUTTON);
        send(WM_LBUTTONUP, x, 15);
    }
    EXPECT_TRUE(events.empty()) << events.front();
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(PointerRouting, OtherButtonsRaiseTheirEventsWithoutCaptureOrClick)
{
    std::vector<std::string> raised;
    first_->onMouseDown = [&](fw::Component&, fw::MouseButton button, fw::ShiftState shift, int x, int y) {
        raised.push_back("down " + std::to_string(static_cast<int>(button)) + " shift=" +
                         std::to_string(shift.shift) + " control=" + std::to_string(shift.control) + " @" +
                         std::to_string(x) + "," + std::to_string(y));
    };
    first_->onMouseUp = [&](fw::Component&, fw::MouseButton button, fw::ShiftState, int, int) {
        raised.push_back("up " + std::to_string(static_cast<int>(button)));
    };
    send(WM_RBUTTONDOWN, 20, 15, MK_RBUTTON | MK_SHIFT);
    EXPECT_EQ(GetCapture(), nullptr);
    send(WM_RBUTTONUP, 20, 15);
    send(WM_MBUTTONDOWN, 21, 16, MK_MBUTTON | MK_CONTROL);
    send(WM_MBUTTONUP, 21, 16);
    EXPECT_EQ(raised, (std::vector<std::string>{"down 1 shift=1 control=0 @10,5", "up 1",
                                                "down 2 shift=0 control=1 @11,6", "up 2"}));
}

TEST_F(PointerRouting, SecondPressOfADoubleClickIsAPressUnlessTheControlAsksForIt)
{
    int clicks = 0;
    first_->onClick = [&](fw::Component&) { ++clicks; };
    second_->setWantsDoubleClicks(true);
    for (int x : {20, 160}) {
        send(WM_LBUTTONDOWN, x, 15, MK_LBUTTON);
        send(WM_LBUTTONUP, x, 15);
        send(WM_LBUTTONDBLCLK, x, 15, MK_LBUTTON);
        send(WM_LBUTTONUP, x, 15);
    }
    EXPECT_EQ(clicks, 2);
    // The first control sees a second press, the second one the double-click itself.
    EXPECT_EQ(events, (std::vector<std::string>{"first.down@10,5", "first.click", "first.up", "first.down@10,5",
                                                "first.click", "first.up", "second.down@10,5", "second.click",
                                                "second.up", "second.doubleClick", "second.down@10,5",
                                                "second.click", "second.up"}));
}

TEST_F(PointerRouting, RemovedControlIsForgottenWhileCaptured)
{
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    first_.reset();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(fw::InputRouter::instance().pointer().capturingControl(), nullptr);
    events.clear();
    send(WM_MOUSEMOVE, 25, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 25, 15);
    EXPECT_TRUE(events.empty()) << events.front();
}

TEST_F(PointerRouting, ClickHandlerMayFreeItsOwnControl)
{
    first_->onClick = [&](fw::Component&) { first_.reset(); };
    send(WM_LBUTTONDOWN, 20, 15, MK_LBUTTON);
    send(WM_LBUTTONUP, 20, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.down@10,5", "first.click"}));
}

TEST_F(PointerInside, MovingAcrossControlsLeavesOneBeforeEnteringTheNext)
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

TEST_F(PointerInside, DisabledControlsAreEnteredAndLeftToo)
{
    first_->setEnabled(false);
    settle();
    events.clear();
    pointAt(20, 15);
    pointAt(120, 100);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.leave"}));
}

TEST_F(PointerInside, OnlyTheCapturingControlIsEnteredAndLeft)
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

TEST_F(PointerInside, AControlThatAppearsOrVanishesUnderARestingPointer)
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

TEST_F(PointerInside, ACoveringWindowLeavesTheControl)
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

TEST_F(PointerInside, AFreedControlIsNeitherLeftNorRemembered)
{
    pointAt(20, 15);
    first_.reset();
    pointAt(160, 15);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "second.enter"}));
}
