// A speed button as its form's default: Enter presses it as its accelerator character would, so a
// grouped button follows the accelerator's rules for groups.

#include "SpeedButtonFixture.h"

using namespace speed_button_test;

namespace {

class LbSpeedButtonDefault : public LbSpeedButtonTest {
protected:
    void TearDown() override
    {
        form_->setDefaultControl(nullptr);
        LbSpeedButtonTest::TearDown();
    }
    void pressEnter()
    {
        PostMessageA(form_->handle(), WM_KEYDOWN, VK_RETURN, 1);
        settle();
    }
};

}  // namespace

TEST_F(LbSpeedButtonDefault, EnterPressesItDownForTheClickAndBackUp)
{
    ProbeButton& button = *button_;
    form_->setDefaultControl(&button);
    bool pressedDuringClick = false;
    button.onClick = [&](fw::Component&) {
        events.push_back("click");
        pressedDuringClick = button.Down() && facePixel(button, 50, 2) == goldRow2Down;
    };
    pressEnter();
    EXPECT_EQ(events, std::vector<std::string>{"click"});
    EXPECT_TRUE(pressedDuringClick);
    EXPECT_FALSE(button.Down());
}

TEST_F(LbSpeedButtonDefault, EnterOnAnUpButtonOfAGroupReleasesTheGroupAndEndsUp)
{
    ProbeButton& a = *button_;
    ProbeButton& b = makeButton(*panel_, "B", {10, 50, 108, 31});
    a.setGroupIndex(1);
    b.setGroupIndex(1);
    a.setDown(true);
    form_->setDefaultControl(&b);
    events.clear();
    pressEnter();
    EXPECT_EQ(std::count(events.begin(), events.end(), "B.click"), 1);
    EXPECT_FALSE(a.Down());
    EXPECT_FALSE(b.Down());
}
