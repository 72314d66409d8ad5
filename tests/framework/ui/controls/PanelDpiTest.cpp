// A panel told of another DPI, as its form does when it moves to another display: the panel, its
// controls and their fonts are laid out from the design values, and the pointer meets the
// controls where they are drawn.

#include "ControlTestSupport.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using test_support::events;
using PanelDpi = test_support::ControlHostTest;

namespace {

std::vector<int> edges(fw::Rect rect) { return {rect.left, rect.top, rect.width, rect.height}; }

}  // namespace

TEST_F(PanelDpi, PanelAndControlsAreLaidOutFromTheirDesignAtEachDpi)
{
    second_->font().setHeight(-20);  // a font of its own, no longer the panel's
    for (const auto& [dpi, panel, first] : {std::tuple{144, std::vector{0, 0, 450, 300}, std::vector{15, 15, 150, 45}},
                                            std::tuple{120, std::vector{0, 0, 375, 250}, std::vector{13, 13, 125, 38}},
                                            std::tuple{96, std::vector{0, 0, 300, 200}, std::vector{10, 10, 100, 30}}}) {
        SCOPED_TRACE(dpi);
        panel_->setDpi(dpi);
        EXPECT_EQ(edges(test_support::placeInParent(panel_->handle())), panel);
        EXPECT_EQ(edges(first_->bounds()), first) << "from the design, not from the step before";
        EXPECT_EQ((std::vector{first_->font().dpi(), second_->font().dpi()}),
                  (std::vector{dpi, dpi}));
        EXPECT_TRUE(first_->parentFont()) << "a new DPI is not a font of the control's own";
    }
    panel_->setDpi(144);
    second_->setLeft(200);  // setters take design values
    EXPECT_EQ(edges(second_->bounds()), (std::vector<int>{300, 15, 150, 45}));
    test_support::RecordingControl third(*panel_, fw::Rect{20, 100, 11, 11}, "third");
    EXPECT_EQ(edges(third.bounds()), (std::vector<int>{30, 150, 17, 17}));
    // A font made for another surface (96 DPI) keeps the DPI of the one it is drawn on.
    second_->font().assign(fw::Font());
    panel_->setFont(fw::Font());
    EXPECT_EQ((std::vector{panel_->font().dpi(), first_->font().dpi(),
                           second_->font().dpi()}),
              (std::vector{144, 144, 144}));
}

// (160, 40) lies inside the first control as drawn at 144 DPI (15 .. 164, 15 .. 59) and outside
// its design rectangle (10 .. 109, 10 .. 39).
TEST_F(PanelDpi, PressesAndHoverMeetTheControlAsDrawn)
{
    panel_->setDpi(144);
    settle();
    events.clear();  // the repaint
    pointAt(160, 40);
    send(WM_LBUTTONDOWN, 160, 40, MK_LBUTTON);
    send(WM_LBUTTONUP, 161, 41);
    EXPECT_EQ(events, (std::vector<std::string>{"first.enter", "first.down@145,25", "first.click", "first.up"}));
}
