// A shown form switched into a contrast theme at run time, as Windows does when the user picks
// one: the theme's colours set in this process (SetSysColors, whose WM_SYSCOLORCHANGE the form
// hears) with the theme said to be on (ContrastThemes.h). Panel, report box and buttons repaint in the theme's
// pairs; switched back, the form is as it was to the pixel.

#include "SpeedButtonFixture.h"

#include "framework/graphics/ContrastTheme.h"
#include "framework/ui/controls/Memo.h"
#include "tests/support/ContrastThemes.h"

#include <optional>

namespace {

using namespace speed_button_test;

class LbSpeedButtonContrastTest : public LbSpeedButtonTest {
protected:
    void SetUp() override
    {
        LbSpeedButtonTest::SetUp();
        memo_.emplace(panel_->handle(), fw::Rect{10, 110, 200, 60}, 0x00AFE7E6, form_->font());
        memo_->addLine("Report");
        button_->setCaption("Up");
        disabled_ = &makeButton(*panel_, "Disabled", {130, 10, 108, 31});
        disabled_->setEnabled(false);
        down_ = &makeButton(*panel_, "Down", {10, 60, 108, 31});
        down_->setGroupIndex(1);
        down_->setDown(true);
        own_ = &makeButton(*panel_, "Own", {130, 60, 108, 31});
        own_->setFollowContrastTheme(false);
        settle();
    }
    void TearDown() override
    {
        theme_.switchOff();
        fw::ContrastTheme::refresh();  // whatever a failed test left unheard
        memo_.reset();
        LbSpeedButtonTest::TearDown();
    }

    // After the repaints that Windows asked for, the form's client area as the screen shows it.
    std::unique_ptr<fw::Bitmap> screenOfForm()
    {
        settle();
        POINT corner{0, 0};
        ClientToScreen(form_->handle(), &corner);
        auto shot = std::make_unique<fw::Bitmap>(form_->clientWidth(), form_->clientHeight());
        HDC screen = GetDC(nullptr);
        BitBlt(shot->canvasHandle(), 0, 0, shot->width(), shot->height(), screen, corner.x, corner.y, SRCCOPY);
        ReleaseDC(nullptr, screen);
        return shot;
    }

    std::optional<fw::Memo> memo_;
    ProbeButton* disabled_ = nullptr;
    ProbeButton* down_ = nullptr;
    ProbeButton* own_ = nullptr;
    contrast_themes::ThemeSwitch theme_;
};

TEST_F(LbSpeedButtonContrastTest, SwitchedOnEverythingRepaintsInThePairsAndSwitchedBackIsAsBefore)
{
    const auto before = screenOfForm();
    ASSERT_EQ(before->pixel(10 + 54, 10 + 2), goldRow2Up) << "the screen could not be read";
    for (const contrast_themes::Theme& theme : {contrast_themes::black, contrast_themes::white}) {
        SCOPED_TRACE(theme.name);
        const fw::ContrastColors& pairs = theme.colors;
        theme_.switchOn(pairs);
        const auto themed = screenOfForm();
        ASSERT_TRUE(fw::ContrastTheme::isOn()) << "the form did not hear of the change";
        auto at = [&](const ProbeButton& button, int x, int y) {
            return themed->pixel(button.bounds().left + x, button.bounds().top + y);
        };
        EXPECT_EQ(at(*button_, 0, 0), pairs.buttonFace) << "the panel, beneath the rounded corner";
        EXPECT_EQ(themed->pixel(10 + 150, 110 + 40), pairs.window) << "the report box";
        EXPECT_EQ(at(*button_, 54, 4), pairs.buttonFace);
        EXPECT_EQ(at(*button_, 0, 15), pairs.buttonText);
        EXPECT_EQ(at(*disabled_, 54, 4), pairs.buttonFace);
        EXPECT_EQ(at(*disabled_, 0, 15), pairs.grayText);
        EXPECT_EQ(at(*down_, 54, 4), pairs.highlight);
        EXPECT_EQ(at(*down_, 0, 15), pairs.highlightText);
        EXPECT_EQ(at(*own_, 54, 2), goldRow2Up) << "a button that keeps its own colours";

        theme_.switchOff();
        const auto after = screenOfForm();
        ASSERT_FALSE(fw::ContrastTheme::isOn());
        for (int y = 0; y < before->height(); ++y)
            for (int x = 0; x < before->width(); ++x)
                ASSERT_EQ(after->pixel(x, y), before->pixel(x, y)) << x << "," << y;
    }
}

TEST_F(LbSpeedButtonContrastTest, ThemeAnnouncedBySettingChangeRepaintsWithoutFadeAndKeepsTheSeeThroughKey)
{
    // Only the theme switched on, in the colours the system has now, as WM_SETTINGCHANGE says.
    SetEnvironmentVariableA("VELMORA_HIGH_CONTRAST", "1");
    SendMessageA(form_->handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    const fw::ContrastColors pairs = fw::ContrastTheme::colors();
    settle();
    EXPECT_EQ(facePixel(*button_, 54, 4), pairs.buttonFace);
    button_->setSlowDecease(true);
    button_->perform(fw::message::mouseEnter);
    EXPECT_EQ(facePixel(*button_, 54, 4), pairs.highlight);
    button_->perform(fw::message::mouseLeave);
    EXPECT_EQ(facePixel(*button_, 54, 4), pairs.buttonFace) << "hot until a fade ended";
    EXPECT_TRUE(button_->fadeThread()->isSuspended()) << "the fade worker was started";

    // The background is the theme's button face, unless it is the see-through key colour.
    for (const bool isKey : {false, true}) {
        fw::Form::CreateArgs args;
        args.className = "ContrastKeyForm";
        args.color = fw::clRed;
        args.transparentColorKey = isKey ? fw::clRed : fw::clNone;
        fw::Form form(args);
        fw::Bitmap erased(20, 20);
        SendMessageA(form.handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.canvasHandle()), 0);
        EXPECT_EQ(erased.pixel(5, 5), isKey ? fw::clRed : pairs.buttonFace) << isKey;
    }
}

}  // namespace
