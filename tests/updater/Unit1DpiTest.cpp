// The updater window on displays of other DPIs. It is laid out from its description, designed at
// 96 DPI, for the DPI it starts at: ctest runs these tests again with the prefix's DPI at 120, 144
// and 192 (tests/run-at-dpi.sh), and the expected pixels are worked out here from the design with
// MulDiv. A DPI change while it runs is the system's WM_DPICHANGED, which the tests send.

#include "updater/Unit1.h"

#include "framework/system/ResourceStream.h"
#include "framework/ui/accessibility/Accessibility.h"
#include "tests/AccessibleClient.h"
#include "tests/framework/system/TestScratch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// resources/Form1.layout: client area, panel in the form, report box and buttons in the panel.
constexpr int designClient[] = {441, 179};
constexpr fw::Rect designPanel{8, 8, 425, 161};
constexpr fw::Rect designMemo{16, 16, 393, 97};
constexpr fw::Rect designUpdateButton{16, 120, 201, 31};
constexpr fw::Rect designCloseButton{300, 120, 108, 31};
constexpr int designFontHeight = -11;

int displayDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void appendScaled(std::vector<int>& into, fw::Rect design, int dpi)
{
    for (const int value : {design.left, design.top, design.width, design.height})
        into.push_back(MulDiv(value, dpi, 96));
}

void appendPlaced(std::vector<int>& into, HWND child)
{
    RECT bounds;
    GetWindowRect(child, &bounds);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&bounds), 2);
    into.insert(into.end(), {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top});
}

int fontHeight(HFONT font)
{
    LOGFONTA made{};
    GetObjectA(font, sizeof made, &made);
    return made.lfHeight;
}

// Client size, panel, report box, update button, close button (left, top, width, height each),
// then the heights the fonts of the form, the report box and both buttons are made at.
std::vector<int> layoutAt(int dpi)
{
    std::vector<int> expected{MulDiv(designClient[0], dpi, 96), MulDiv(designClient[1], dpi, 96)};
    for (const fw::Rect design : {designPanel, designMemo, designUpdateButton, designCloseButton})
        appendScaled(expected, design, dpi);
    expected.insert(expected.end(), 4, MulDiv(designFontHeight, dpi, 96));
    return expected;
}

std::vector<int> layoutOf(const velmora::TForm1& form)
{
    RECT client;
    GetClientRect(form.handle(), &client);
    std::vector<int> seen{client.right, client.bottom};
    appendPlaced(seen, form.Panel1->handle());
    appendPlaced(seen, form.Memo1->handle());
    for (const lb::TLbSpeedButton* button : {form.Button2, form.LbSpeedButton1}) {
        const fw::Rect bounds = button->bounds();
        seen.insert(seen.end(), {bounds.left, bounds.top, bounds.width, bounds.height});
    }
    seen.push_back(fontHeight(form.font().handle()));
    seen.push_back(fontHeight(reinterpret_cast<HFONT>(SendMessageA(form.Memo1->handle(), WM_GETFONT, 0, 0))));
    seen.push_back(fontHeight(form.Button2->font().handle()));
    seen.push_back(fontHeight(form.LbSpeedButton1->font().handle()));
    return seen;
}

std::string carriedDescription()
{
    const fw::ResourceStream carried("LAYOUT", "TFORM1");
    return {reinterpret_cast<const char*>(carried.bytes().data()), carried.size()};
}

}  // namespace

TEST(TForm1Dpi, IsLaidOutForTheDpiOfTheDisplayItStartsOn)
{
    const int dpi = displayDpi();
    if (const char* wanted = std::getenv("VELMORA_EXPECT_DPI")) {
        ASSERT_EQ(dpi, std::atoi(wanted)) << "the prefix's DPI did not reach the test program";
    }
    const fw::test::ScratchKey scratch;
    velmora::TForm1 form(scratch.path());
    EXPECT_EQ(form.dpi(), dpi);
    EXPECT_EQ(form.Button2->dpi(), dpi) << "the faces are painted for the control's DPI";
    EXPECT_EQ(layoutOf(form), layoutAt(dpi));
    EXPECT_EQ(fw::writeDescription(fw::describe(form, velmora::TForm1::classes())), carriedDescription());
}

// Each step is laid out from the design, not from the step before: 96 -> 144 -> 120 -> 96 ends
// on the design's pixels (scaling 662 by 120 / 144 would end at 552 and back at 442).
TEST(TForm1Dpi, EachDpiChangeLaysTheWindowOutFromTheDesignWithoutDrift)
{
    using namespace accessible_client;
    const ComApartment apartment;
    fw::enableAccessibility();
    const fw::test::ScratchKey scratch;
    velmora::TForm1 form(scratch.path());
    for (const int dpi : {96, 144, 120, 96}) {
        SCOPED_TRACE("at " + std::to_string(dpi) + " DPI");
        RECT suggested;
        GetWindowRect(form.handle(), &suggested);
        OffsetRect(&suggested, 7, 5);  // where the system would keep it under the dragging pointer
        SendMessageA(form.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));

        RECT placed;
        GetWindowRect(form.handle(), &placed);
        EXPECT_EQ((std::vector<LONG>{placed.left, placed.top}), (std::vector<LONG>{suggested.left, suggested.top}));
        EXPECT_EQ(layoutOf(form), layoutAt(dpi));
        EXPECT_EQ(fw::writeDescription(fw::describe(form, velmora::TForm1::classes())), carriedDescription());

        // The close button where it is drawn, for the pointer and for a screen reader: its right
        // edge at this DPI, which lies outside the design's rectangle above 96.
        const fw::Rect drawn = form.LbSpeedButton1->bounds();
        const fw::Point rightEdge{drawn.right() - 1, drawn.top + drawn.height / 2};
        EXPECT_EQ(form.Panel1->controlAt(rightEdge, fw::HitTest::Visible), form.LbSpeedButton1);
        const fw::ComPtr<IAccessible> panel = objectFromWindow(form.Panel1->handle());
        ASSERT_TRUE(panel);
        POINT corner{drawn.left, drawn.top};
        ClientToScreen(form.Panel1->handle(), &corner);
        const Element closeButton = childNamed(panel.get(), "Inchide");
        ASSERT_TRUE(closeButton.object);
        const RECT announced = location(closeButton);
        EXPECT_EQ((std::vector<LONG>{announced.left, announced.top, announced.right, announced.bottom}),
                  (std::vector<LONG>{corner.x, corner.y, corner.x + drawn.width, corner.y + drawn.height}));
    }
}
