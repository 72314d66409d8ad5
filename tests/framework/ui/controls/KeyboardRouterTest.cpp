// The keyboard half of the input router: Tab through window-less controls and a memo together,
// passing over hidden and disabled stops and passing on the focus of one that goes; typed
// characters for an editable memo and for accelerators; Enter in a memo; the focus given back
// when the form is active again.

#include "ControlTestSupport.h"

#include "framework/ui/controls/Memo.h"

#include <gtest/gtest.h>

#include <algorithm>

using test_support::events;

namespace {

// Writes down when it gains and loses the focus, and answers Enter as a default would.
class FocusProbe : public test_support::RecordingControl {
public:
    FocusProbe(fw::Panel& parent, fw::Rect bounds, const std::string& name, int tabOrder)
        : RecordingControl(parent, bounds, name)
    {
        setTabStop(true);
        setTabOrder(tabOrder);
    }
    void focusGained() override { events.push_back(name() + ".focus"); }
    void focusLost() override { events.push_back(name() + ".blur"); }
    bool doDefaultAction() override
    {
        events.push_back(name() + ".press");
        return true;
    }
};

class KeyboardRouterTest : public test_support::ControlHostTest {
protected:
    void SetUp() override
    {
        ControlHostTest::SetUp();
        // Tab order: a (0), memo (1), c (2), b (3).
        a_ = std::make_unique<FocusProbe>(*panel_, fw::Rect{10, 50, 40, 20}, "a", 0);
        b_ = std::make_unique<FocusProbe>(*panel_, fw::Rect{60, 50, 40, 20}, "b", 3);
        c_ = std::make_unique<FocusProbe>(*panel_, fw::Rect{110, 50, 40, 20}, "c", 2);
        memo_ = std::make_unique<fw::Memo>(panel_->handle(), fw::Rect{10, 100, 200, 60}, fw::clWindow, form_->font());
        memo_->setTabStop(true);
        memo_->setTabOrder(1);
        SetFocus(form_->handle());
        settle();
        events.clear();
    }
    void TearDown() override
    {
        form_->setDefaultControl(nullptr);
        SetFocus(form_->handle());
        memo_.reset();
        a_.reset();
        b_.reset();
        c_.reset();
        ControlHostTest::TearDown();
    }

    // A key as Windows posts it to the window with the focus, and what the loop makes of it.
    void post(UINT message, WPARAM key, LPARAM flags = 1)
    {
        PostMessageA(GetFocus(), message, key, flags);
        settle();
    }
    void tab(fw::TabDirection direction = fw::TabDirection::Forward)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = direction == fw::TabDirection::Backward ? 0x80 : 0;
        SetKeyboardState(keys);
        post(WM_KEYDOWN, VK_TAB);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }
    // Who has the focus: a window-less control's name, "memo", "form" or "other".
    std::string focus() const
    {
        if (const fw::GraphicControl* control = fw::InputRouter::instance().keyboard().focusedControl())
            return control->name();
        HWND window = GetFocus();
        return window == memo_->handle() ? "memo" : window == form_->handle() ? "form" : "other";
    }
    std::vector<std::string> walk(int steps, fw::TabDirection direction = fw::TabDirection::Forward)
    {
        std::vector<std::string> visited;
        for (int step = 0; step < steps; ++step) {
            tab(direction);
            visited.push_back(focus());
        }
        return visited;
    }

    std::unique_ptr<FocusProbe> a_, b_, c_;
    std::unique_ptr<fw::Memo> memo_;
};

}  // namespace

TEST_F(KeyboardRouterTest, TabVisitsTheStopsInTabOrderRoundAndBack)
{
    EXPECT_EQ(walk(5), (std::vector<std::string>{"a", "memo", "c", "b", "a"}));
    EXPECT_EQ(walk(2, fw::TabDirection::Backward), (std::vector<std::string>{"b", "c"}));
    // Only the stops took the focus, each told once when it came and once when it went.
    EXPECT_EQ(std::count(events.begin(), events.end(), "a.focus"), 2);
    EXPECT_EQ(std::count(events.begin(), events.end(), "a.blur"), 2);
}

TEST_F(KeyboardRouterTest, HiddenDisabledAndFreedStopsArePassedOverOrPassTheFocusOn)
{
    c_->setVisible(false);
    b_->setEnabled(false);
    EXPECT_EQ(walk(3), (std::vector<std::string>{"a", "memo", "a"}));

    // The focused control is disabled, hidden, freed in turn: the focus moves to the next stop.
    c_->setVisible(true);
    b_->setEnabled(true);
    a_->setEnabled(false);
    EXPECT_EQ(focus(), "memo");
    a_->setEnabled(true);
    ASSERT_TRUE(c_->setFocus());
    c_->setVisible(false);
    EXPECT_EQ(focus(), "b");
    b_.reset();
    EXPECT_EQ(focus(), "a") << "the focus of a freed control went nowhere";
    tab();
    EXPECT_EQ(focus(), "memo");

    // No stop left that can take it: the form itself holds the focus.
    a_->setEnabled(false);
    memo_->setTabStop(false);
    c_->setVisible(true);
    ASSERT_TRUE(c_->setFocus());
    c_->setEnabled(false);
    EXPECT_EQ(focus(), "form");
}

TEST_F(KeyboardRouterTest, AnEditableMemoKeepsItsLettersAndAltReachesTheAccelerators)
{
    first_->dialogCharResult = 1;
    tab();
    tab();
    ASSERT_EQ(focus(), "memo");
    post(WM_CHAR, 's');
    EXPECT_EQ(memo_->text(), "s");
    EXPECT_EQ(std::count(events.begin(), events.end(), "first.char(s)"), 0)
        << "an accelerator took a letter typed into the memo";
    post(WM_SYSCHAR, 's', 1 | (1 << 29));  // Alt+S
    EXPECT_EQ(std::count(events.begin(), events.end(), "first.char(s)"), 1);
    EXPECT_EQ(memo_->text(), "s");

    // Outside the memo a letter is offered to the accelerators without Alt, as in a dialog.
    tab();
    ASSERT_EQ(focus(), "c");
    post(WM_CHAR, 'x');
    EXPECT_EQ(std::count(events.begin(), events.end(), "first.char(x)"), 1);
}

TEST_F(KeyboardRouterTest, EnterPressesTheDefaultFromAMemoWithoutWantReturnAndFromAControlThatLeavesIt)
{
    form_->setDefaultControl(b_.get());
    tab();
    tab();
    ASSERT_EQ(focus(), "memo");
    post(WM_KEYDOWN, VK_RETURN);
    tab();
    ASSERT_EQ(focus(), "c");
    post(WM_KEYDOWN, VK_RETURN);  // the probe does not answer Enter itself
    EXPECT_EQ(std::count(events.begin(), events.end(), "b.press"), 2);
}

TEST_F(KeyboardRouterTest, TheFocusComesBackWhenTheFormIsActiveAgain)
{
    tab();
    tab();
    tab();
    ASSERT_EQ(focus(), "c");
    // As a message box of the form does: another window is active for a while.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, form_->handle(), nullptr,
                                 nullptr, nullptr);
    SetActiveWindow(other);
    settle();
    EXPECT_EQ(focus(), "other");
    EXPECT_EQ(std::count(events.begin(), events.end(), "c.blur"), 1);
    SetActiveWindow(form_->handle());
    DestroyWindow(other);
    settle();
    EXPECT_EQ(focus(), "c");
}
