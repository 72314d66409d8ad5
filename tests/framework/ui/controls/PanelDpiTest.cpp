// A panel told of another DPI, as its form does when it moves to another display: the panel, its
// controls and their fonts are laid out from the design values, and the pointer meets the
// controls where they are drawn.

#include "ControlTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using test_support::events;
using PanelDpi = test_support::ControlHostTest;

namespace {

std::vector<int> edges(fw::Rect rect) { return {rect.left, rect.top, rect.width, rect.height}; }

}  // namespace

TEST_F(PanelDpi, EachChangeScalesFromTheDesignSoARoundTripEndsWhereItBegan)
{
    second_->font().setHeight(-20);  // a font of its own: no longer the panel's
    const struct {
        int dpi;
        std::vector<int> panel;
        std::vector<int> first;
    } steps[] = {
        {144, {0, 0, 450, 300}, {15, 15, 150, 45}},
        {120, {0, 0, 375, 250}, {13, 13, 125, 38}},  // 12.5 and 37.5 rounded up, not 150 * 120 / 144
        {96, {0, 0, 300, 200}, {10, 10, 100, 30}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.dpi);
        panel_->setDpi(step.dpi);
        EXPECT_EQ(edges(test_support::placeInParent(panel_->handle())), step.panel);
        EXPECT_EQ(edges(first_->bounds()), step.first);
        EXPECT_EQ(edges(first_->designBounds()), (std::vector<int>{10, 10, 100, 30}));
        EXPECT_EQ(first_->dpi(), step.dpi);
        EXPECT_EQ(first_->font().pixelsPerInch(), step.dpi);
        EXPECT_EQ(second_->font().pixelsPerInch(), step.dpi);
        EXPECT_TRUE(first_->parentFont()) << "a new DPI is not a font of the control's own";
        EXPECT_EQ(second_->font().height(), -20);
    }
}

TEST_F(PanelDpi, SettersTakeDesignValuesAndNewControlsArriveScaled)
{
    panel_->setDpi(144);
    second_->setLeft(200);
    panel_->setWidth(320);
    EXPECT_EQ(edges(second_->bounds()), (std::vector<int>{300, 15, 150, 45}));
    EXPECT_EQ(second_->designBounds().left, 200);
    EXPECT_EQ(test_support::placeInParent(panel_->handle()).width, 480);
    EXPECT_EQ(panel_->designBounds().width, 320);
    test_support::RecordingControl third(*panel_, fw::Rect{20, 100, 11, 11}, "third");
    EXPECT_EQ(edges(third.bounds()), (std::vector<int>{30, 150, 17, 17}));
    third.setParent(nullptr);
    EXPECT_EQ(edges(third.bounds()), (std::vector<int>{20, 100, 11, 11})) << "without a parent: 96 DPI";
}

// (160, 40) lies inside the first control as drawn at 144 DPI (15 .. 164, 15 .. 59) and outside
// its design rectangle (10 .. 109, 10 .. 39).
TEST_F(PanelDpi, PressesHoverAndHitTestsMeetTheControlAsDrawn)
{
    panel_->setDpi(144);
    settle();
    events.clear();  // the repaint
    EXPECT_EQ(panel_->controlAt(fw::Point{160, 40}, fw::HitTest::Visible), first_.get());
    EXPECT_EQ(panel_->controlAt(fw::Point{168, 40}, fw::HitTest::Visible), nullptr);
    pointAt(160, 40);
    send(WM_LBUTTONDOWN, 160, 40, MK_LBUTTON);
    send(WM_LBUTTONUP, 161, 41);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.down@145,25", "first.click", "first.up"}));
}
