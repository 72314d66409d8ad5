// The speed button with the keyboard focus: Space presses it as its accelerator does (down while
// held, the click on release), Enter presses it at once, and the focus cue is drawn only once
// the form shows keyboard cues.

#include "SpeedButtonFixture.h"

#include "framework/graphics/SystemColors.h"

using namespace speed_button_test;

namespace {

class LbSpeedButtonKeyboardTest : public LbSpeedButtonTest {
protected:
    void SetUp() override
    {
        LbSpeedButtonTest::SetUp();
        // Hidden again, as in a form that the keyboard has not been used in.
        SendMessageA(form_->handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
        button_->setTabStop(true);
        other_button_ = &makeButton(*panel_, "Other", {10, 60, 108, 31});
        other_button_->setTabStop(true);
        settle();
        events.clear();
    }
    void TearDown() override
    {
        SetFocus(form_->handle());
        LbSpeedButtonTest::TearDown();
    }
    // A key as Windows posts it to the window with the focus, and what the loop makes of it.
    void key(UINT message, WPARAM key, LPARAM flags = 1)
    {
        PostMessageA(GetFocus(), message, key, flags);
        settle();
    }
    ProbeButton* other_button_ = nullptr;
};

TEST_F(LbSpeedButtonKeyboardTest, SpaceShowsTheDownFaceWhileHeldAndClicksOnRelease)
{
    ASSERT_TRUE(button_->setFocus());
    key(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(button_->Down());
    EXPECT_EQ(facePixel(*button_, 50, 2), goldRow2Down);
    key(WM_KEYDOWN, VK_SPACE, 1 | (1 << 30));  // the held key repeats
    EXPECT_TRUE(events.empty()) << events.front();
    key(WM_KEYUP, VK_SPACE, 1 | (1 << 30) | (1u << 31));
    EXPECT_EQ(events, std::vector<std::string>{"Button.click"});
    EXPECT_FALSE(button_->Down());
    EXPECT_EQ(facePixel(*button_, 50, 2), goldRow2Up);

    key(WM_KEYDOWN, VK_RETURN);
    key(WM_KEYDOWN, VK_RETURN, 1 | (1 << 30));  // a held Enter presses once
    EXPECT_EQ(events, (std::vector<std::string>{"Button.click", "Button.click"}));
}

TEST_F(LbSpeedButtonKeyboardTest, SpaceHeldWhileTheFocusMovesAwayPressesNothing)
{
    ASSERT_TRUE(button_->setFocus());
    key(WM_KEYDOWN, VK_SPACE);
    ASSERT_TRUE(button_->Down());
    key(WM_KEYDOWN, VK_TAB);
    EXPECT_TRUE(other_button_->isFocused());
    EXPECT_FALSE(button_->Down());
    key(WM_KEYUP, VK_SPACE, 1 | (1 << 30) | (1u << 31));  // released over the other button
    EXPECT_TRUE(events.empty()) << events.front();
    EXPECT_FALSE(other_button_->Down());
}

TEST_F(LbSpeedButtonKeyboardTest, TheFocusCueShowsOnlyOnceTheKeyboardIsUsed)
{
    fw::Bitmap unfocused(108, 31);
    const auto faceNow = [&](fw::Bitmap& into) {
        HDC dc = GetDC(panel_->handle());
        BitBlt(static_cast<HDC>(into.canvas().handle()), 0, 0, 108, 31, dc, 10, 10, SRCCOPY);
        ReleaseDC(panel_->handle(), dc);
    };
    faceNow(unfocused);

    // A click does not move the focus; a program may, but until the keyboard is used no cue shows.
    press(*button_);
    release(*button_);
    EXPECT_FALSE(button_->isFocused());
    ASSERT_TRUE(button_->setFocus());
    EXPECT_FALSE(button_->isFocusCueShown());
    UpdateWindow(panel_->handle());
    fw::Bitmap focused(108, 31);
    faceNow(focused);
    int differing = 0;
    for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 108; ++x)
            differing += focused.pixel(x, y) != unfocused.pixel(x, y);
    EXPECT_EQ(differing, 0) << "the face changed before the keyboard was used";

    // Tab there and back: the cue is on, a dotted line three pixels in, in the caption's colour.
    key(WM_KEYDOWN, VK_TAB);
    key(WM_KEYDOWN, VK_TAB);
    ASSERT_TRUE(button_->isFocused());
    EXPECT_TRUE(button_->isFocusCueShown());
    UpdateWindow(panel_->handle());
    const TColor caption = fw::colorToRgb(button_->font().color());
    EXPECT_EQ(facePixel(*button_, 3, 3), caption);
    EXPECT_NE(facePixel(*button_, 4, 3), caption);
    EXPECT_EQ(facePixel(*button_, 5, 3), caption);
    EXPECT_EQ(facePixel(*button_, 104, 26), caption);  // the far side, 3 in from 108 x 31
    EXPECT_EQ(facePixel(*button_, 103, 27), caption);
    EXPECT_NE(facePixel(*button_, 2, 3), caption);
    EXPECT_FALSE(other_button_->isFocusCueShown());
}

}  // namespace
