// The panel as host of window-less controls: painting them; and the panel's own place.

#include "ControlTestSupport.h"

#include <gtest/gtest.h>

using test_support::events;
using PanelItself = test_support::ControlHostTest;

TEST_F(PanelItself, PaintsVisibleControlsInOrderAndNothingOutsideTheUpdateRegion)
{
    RedrawWindow(panel_->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(events, (std::vector<std::string>{"first.paint", "second.paint"}));
    second_->setVisible(false);
    events.clear();
    RedrawWindow(panel_->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(events, std::vector<std::string>{"first.paint"});

    second_->setVisible(true);
    events.clear();
    second_->invalidate();
    UpdateWindow(panel_->handle());
    EXPECT_EQ(events, std::vector<std::string>{"second.paint"});
}

TEST_F(PanelItself, EachBoundsSetterMovesTheWindowAndKeepsTheRest)
{
    test_support::expectEachBoundsSetterKeepsTheRest(*panel_,
                                                     [&] { return test_support::placeInParent(panel_->handle()); });
}
