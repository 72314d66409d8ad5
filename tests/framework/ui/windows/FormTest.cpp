// The form's own behaviour, on a real window: showing, placement, the see-through settings and
// the background. Only the first form is shown: Wine without a window manager waits for the X
// server whenever a shown top-level window goes away.

#include "framework/ui/windows/Form.h"

#include "framework/core/Error.h"
#include "framework/graphics/Bitmap.h"
#include "framework/win32/Win32Error.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<fw::Form> makeForm(fw::TPosition position = fw::poDesigned, fw::TColor key = fw::clNone)
{
    fw::Form::CreateArgs args;
    args.className = "FormTestForm";
    args.clientWidth = 300;
    args.clientHeight = 200;
    args.color = fw::clRed;
    args.position = position;
    args.transparentColorKey = key;
    return std::make_unique<fw::Form>(args);
}

// Left, top, client width and height as the window has them.
std::vector<int> placeAndClientSize(const fw::Form& form)
{
    RECT bounds;
    RECT client;
    GetWindowRect(form.handle(), &bounds);
    GetClientRect(form.handle(), &client);
    return {bounds.left, bounds.top, client.right, client.bottom};
}

LONG_PTR extendedStyle(const fw::Form& form) { return GetWindowLongPtrA(form.handle(), GWL_EXSTYLE); }

}  // namespace

// A failure while the main form was being shown (its timer could not be created, say) once left
// it hidden behind the error display: a process with no window, which nobody could close.
TEST(FormTest, AFailingShowHandlerStillShowsTheWindowAndPassesTheErrorOn)
{
    fw::Form::CreateArgs args;
    args.className = "FormShowTestForm";
    fw::Form form(args);
    form.onShow = [] { throw fw::Win32Error("SetTimer", ERROR_NOT_ENOUGH_MEMORY); };
    ASSERT_FALSE(IsWindowVisible(form.handle()));

    EXPECT_THROW(form.show(), fw::Win32Error);
    EXPECT_TRUE(IsWindowVisible(form.handle()));
}

TEST(FormTest, WhileLoadingItReportsWhatItWasGivenAndMovesOnlyOnceLoaded)
{
    const auto form = makeForm(fw::poDesktopCenter);
    const std::vector<int> before = placeAndClientSize(*form);
    form->beginLoading();
    form->setPosition(fw::poDesigned);
    form->setLeft(40);
    form->setTop(50);
    form->setClientWidth(200);
    form->setClientHeight(100);
    form->setBorderStyle(fw::bsSizeable);
    EXPECT_EQ(placeAndClientSize(*form), before);
    const std::vector<int> wanted{40, 50, 200, 100};
    EXPECT_EQ((std::vector<int>{form->left(), form->top(), form->clientWidth(), form->clientHeight()}), wanted);
    form->loaded();
    EXPECT_EQ(placeAndClientSize(*form), wanted);
    EXPECT_NE(GetWindowLongPtrA(form->handle(), GWL_STYLE) & WS_THICKFRAME, 0);
}

TEST(FormTest, AFormPositionedOnTheScreenStaysCentredWhateverItsSizeOrWantedPlace)
{
    const auto form = makeForm(fw::poScreenCenter);
    const auto isCentred = [&] {
        RECT bounds;
        GetWindowRect(form->handle(), &bounds);
        return std::abs(bounds.left + bounds.right - GetSystemMetrics(SM_CXSCREEN)) <= 1 &&
               std::abs(bounds.top + bounds.bottom - GetSystemMetrics(SM_CYSCREEN)) <= 1;
    };
    EXPECT_TRUE(isCentred());
    form->setClientWidth(500);
    EXPECT_TRUE(isCentred());
    form->setLeft(0);
    EXPECT_TRUE(isCentred());
}

TEST(FormTest, ANewWidthOrFrameKeepsTheClientSizeTheUserGaveTheForm)
{
    const auto form = makeForm();
    form->setBorderStyle(fw::bsSizeable);
    const auto dragCorner = [&](int right, int down) {  // as a user resizes the form
        RECT bounds;
        GetWindowRect(form->handle(), &bounds);
        SetWindowPos(form->handle(), nullptr, 0, 0, bounds.right - bounds.left + right,
                     bounds.bottom - bounds.top + down, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const auto clientSize = [&] { return std::vector<int>{form->clientWidth(), form->clientHeight()}; };
    dragCorner(30, 20);
    form->setClientWidth(400);
    EXPECT_EQ(clientSize(), (std::vector<int>{400, 220}));
    dragCorner(0, 20);
    form->setBorderIcons({true, true, true});
    EXPECT_EQ(clientSize(), (std::vector<int>{400, 240}));
    dragCorner(-10, 0);
    form->setBorderStyle(fw::bsNone);
    EXPECT_EQ(clientSize(), (std::vector<int>{390, 240}));
}

// A form told of a new DPI keeps the client size of its design, or the one the user dragged it
// to, worked back to a design size once and scaled from there.
TEST(FormTest, ADpiChangeScalesTheClientSizeTheDesignOrTheUserGaveIt)
{
    const auto form = makeForm();
    form->setBorderStyle(fw::bsSizeable);
    const auto changeDpiTo = [&](int dpi) {
        RECT suggested;
        GetWindowRect(form->handle(), &suggested);
        SendMessageA(form->handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        return std::vector<int>{form->clientWidth(), form->clientHeight(), form->designClientWidth()};
    };
    EXPECT_EQ(changeDpiTo(144), (std::vector<int>{450, 300, 300}));
    RECT bounds;
    GetWindowRect(form->handle(), &bounds);  // the user drags the corner 31 pixels wider: 481
    SetWindowPos(form->handle(), nullptr, 0, 0, bounds.right - bounds.left + 31, bounds.bottom - bounds.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(changeDpiTo(120), (std::vector<int>{401, 250, 321}));
    EXPECT_EQ(changeDpiTo(96), (std::vector<int>{321, 200, 321}));
}

TEST(FormTest, ATopMostFormStepsBackAndForwardOnlyWhileItIsTopMost)
{
    const auto form = makeForm();
    const auto isTopMost = [&] { return (extendedStyle(*form) & WS_EX_TOPMOST) != 0; };
    std::vector<bool> seen;
    for (const auto& step : std::vector<std::function<void()>>{
             [&] { form->setTopMostPlace(fw::TopMostPlace::InFront); }, [&] { form->setFormStyle(fw::fsStayOnTop); },
             [&] { form->setTopMostPlace(fw::TopMostPlace::SteppedBack); }, [&] { form->setTopMostPlace(fw::TopMostPlace::InFront); }}) {
        step();
        seen.push_back(isTopMost());
    }
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));
}

TEST(FormTest, TheWindowIsLayeredExactlyWhileAColourKeyOrAlphaIsOn)
{
    const auto form = makeForm(fw::poDesigned, fw::clFuchsia);
    // Key and alpha as the window uses them: each only counts while its flag is on.
    constexpr unsigned long unused = 0xFFFFFFFF;
    const auto layering = [&] {
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!(extendedStyle(*form) & WS_EX_LAYERED))
            return std::vector<unsigned long>{};
        GetLayeredWindowAttributes(form->handle(), &key, &alpha, &flags);
        return std::vector<unsigned long>{flags & LWA_COLORKEY ? key : unused, flags & LWA_ALPHA ? alpha : unused};
    };
    EXPECT_EQ(layering(), (std::vector<unsigned long>{RGB(255, 0, 255), unused}));
    const std::pair<std::function<void()>, std::vector<unsigned long>> steps[] = {
        {[&] { form->setAlphaBlend(true); }, {RGB(255, 0, 255), 220}},  // the alpha value a key starts with
        {[&] { form->setTransparentColor(false); }, {unused, 220}},
        {[&] { form->setAlphaBlend(false); }, {}},
        {[&] { form->setAlphaBlendValue(255); }, {}},
        {[&] { form->setTransparentColor(true); }, {RGB(255, 0, 255), unused}},
    };
    for (std::size_t index = 0; index < std::size(steps); ++index) {
        steps[index].first();
        EXPECT_EQ(layering(), steps[index].second) << "step " << index;
    }
    for (const int outside : {-1, 256})
        EXPECT_THROW(form->setAlphaBlendValue(outside), fw::Error) << outside;
    EXPECT_EQ(form->alphaBlendValue(), 255);
}

TEST(FormTest, TheBackgroundIsErasedInTheColourLastSet)
{
    const auto form = makeForm();
    fw::Bitmap surface(8, 8);
    const auto erased = [&] {
        SendMessageA(form->handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.canvasHandle()), 0);
        return surface.pixel(7, 7);
    };
    EXPECT_EQ(erased(), RGB(255, 0, 0));
    form->setColor(fw::clBtnFace);
    EXPECT_EQ(erased(), GetSysColor(COLOR_BTNFACE));
}
