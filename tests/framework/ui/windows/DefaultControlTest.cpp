// Enter and the form's default control: a fresh Enter anywhere in the form presses it, as its
// accelerator would; repeats, a disabled or hidden default, a control that went away and a form
// behind a modal dialog press nothing.

#include "../controls/ControlTestSupport.h"

#include <gtest/gtest.h>

using test_support::events;

namespace {

class DefaultableControl : public test_support::RecordingControl {
public:
    using RecordingControl::RecordingControl;
    bool doDefaultAction() override
    {
        events.push_back(name() + ".press");
        return true;
    }
};

constexpr LPARAM freshPress = 1;                    // repeat count 1, the key was up before
constexpr LPARAM repeatedPress = 1 | (1 << 30);     // the key was already down

class DefaultControlTest : public test_support::ControlHostTest {
protected:
    void SetUp() override
    {
        ControlHostTest::SetUp();
        // A second panel below the first, with the control that is the default.
        lower_ = std::make_unique<fw::Panel>(form_->handle(), fw::Rect{0, 200, 300, 60}, fw::clWhite, form_->font());
        default_ = std::make_unique<DefaultableControl>(*lower_, fw::Rect{10, 10, 100, 30}, "default");
        form_->setDefaultControl(default_.get());
        settle();
        events.clear();
    }
    void TearDown() override
    {
        form_->setDefaultControl(nullptr);
        default_.reset();
        lower_.reset();
        ControlHostTest::TearDown();
    }

    // Enter as the message loop receives it, for the form itself or a window inside it.
    void enter(HWND window, LPARAM press = freshPress)
    {
        PostMessageA(window, WM_KEYDOWN, VK_RETURN, press);
        settle();
    }
    std::vector<std::string> presses() const
    {
        std::vector<std::string> seen;
        for (const std::string& event : events)
            if (event.ends_with(".press"))
                seen.push_back(event);
        return seen;
    }

    std::unique_ptr<fw::Panel> lower_;
    std::unique_ptr<DefaultableControl> default_;
};

}  // namespace

TEST_F(DefaultControlTest, FreshEnterInTheFormOrAnyOfItsWindowsPressesTheDefaultOnce)
{
    EXPECT_TRUE(default_->isDefault());
    EXPECT_FALSE(first_->isDefault());
    for (HWND window : {form_->handle(), panel_->handle(), lower_->handle()})
        enter(window);
    EXPECT_EQ(presses(), (std::vector<std::string>(3, "default.press")));
}

TEST_F(DefaultControlTest, RepeatsAndOtherKeysPressNothing)
{
    enter(form_->handle(), repeatedPress);
    enter(panel_->handle(), repeatedPress);
    PostMessageA(form_->handle(), WM_KEYUP, VK_RETURN, freshPress | (1 << 30) | (1u << 31));
    PostMessageA(form_->handle(), WM_KEYDOWN, VK_SPACE, freshPress);
    settle();
    EXPECT_TRUE(presses().empty()) << presses().front();
}

TEST_F(DefaultControlTest, ADisabledHiddenOrFreedDefaultOrADisabledFormPressesNothing)
{
    default_->setEnabled(false);
    enter(form_->handle());
    default_->setEnabled(true);
    default_->setVisible(false);
    enter(form_->handle());
    default_->setVisible(true);

    EnableWindow(form_->handle(), FALSE);  // as a modal dialog of the form does
    enter(form_->handle());
    EnableWindow(form_->handle(), TRUE);
    EXPECT_TRUE(presses().empty()) << presses().front();

    default_.reset();
    EXPECT_EQ(form_->defaultControl(), nullptr);
    enter(form_->handle());
    EXPECT_TRUE(presses().empty()) << presses().front();
}

TEST_F(DefaultControlTest, ANewDefaultTakesTheMarkFromTheOld)
{
    form_->setDefaultControl(first_.get());
    EXPECT_TRUE(first_->isDefault());
    EXPECT_FALSE(default_->isDefault());
    enter(form_->handle());
    EXPECT_TRUE(presses().empty()) << "a control without a default action takes no press";
}

TEST_F(DefaultControlTest, KeyPreviewSeesEnterFirstAndMayUseItUp)
{
    std::vector<int> previewed;
    form_->setKeyPreview(true);
    form_->onKeyDown = [&](int& key) {
        previewed.push_back(key);
        key = 0;
    };
    enter(panel_->handle());
    form_->onKeyDown = nullptr;
    form_->setKeyPreview(false);
    EXPECT_EQ(previewed, std::vector<int>{VK_RETURN});
    EXPECT_TRUE(presses().empty()) << presses().front();
}
