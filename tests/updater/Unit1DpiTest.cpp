// The updater window on displays of other DPIs. Its description is designed at 96 DPI; ctest runs
// these tests again with the prefix's DPI at 120, 144 and 192 (tests/run-at-dpi.sh), and the
// pixels expected are worked out here from the design with MulDiv. A DPI change while it runs is
// the system's WM_DPICHANGED, which the tests send.

#include "updater/Unit1.h"

#include "framework/system/ResourceStream.h"
#include "tests/framework/system/TestScratch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// resources/Form1.layout: the client size, then the panel in the form and the report box, the
// update button and the close button in the panel (left, top, width, height), then the height of
// the fonts of the form, the report box and both buttons.
const std::vector<int> design{441, 179, 8,  8,   425, 161, 16,  16,  393, 97, 16,  120,
                              201, 31,  300, 120, 108, 31,  -11, -11, -11, -11};

std::vector<int> layoutAt(int dpi)
{
    std::vector<int> scaled;
    for (const int value : design)
        scaled.push_back(MulDiv(value, dpi, 96));
    return scaled;
}

void appendPlace(std::vector<int>& into, HWND child)
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

std::vector<int> layoutOf(const velmora::TForm1& form)
{
    RECT client;
    GetClientRect(form.handle(), &client);
    std::vector<int> seen{client.right, client.bottom};
    appendPlace(seen, form.Panel1->handle());
    appendPlace(seen, form.Memo1->handle());
    for (const lb::TLbSpeedButton* button : {form.Button2, form.LbSpeedButton1})
        seen.insert(seen.end(), {button->bounds().left, button->bounds().top, button->bounds().width,
                                 button->bounds().height});
    for (const HFONT font : {form.font().handle(),
                             reinterpret_cast<HFONT>(SendMessageA(form.Memo1->handle(), WM_GETFONT, 0, 0)),
                             form.Button2->font().handle(), form.LbSpeedButton1->font().handle()})
        seen.push_back(fontHeight(font));
    return seen;
}

std::string describedAsWritten(const velmora::TForm1& form)
{
    return fw::writeDescription(fw::describe(form, velmora::TForm1::classes()));
}

std::string carriedDescription()
{
    const fw::ResourceStream carried("LAYOUT", "TFORM1");
    return {reinterpret_cast<const char*>(carried.bytes().data()), carried.size()};
}

}  // namespace

TEST(TForm1Dpi, IsLaidOutForTheDpiOfTheDisplayItStartsOn)
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (const char* wanted = std::getenv("VELMORA_EXPECT_DPI")) {
        ASSERT_EQ(dpi, std::atoi(wanted)) << "the prefix's DPI did not reach the test program";
    }
    const fw::test::ScratchKey scratch;
    velmora::TForm1 form(scratch.path());
    EXPECT_EQ(form.Button2->dpi(), dpi) << "the faces are painted for the control's DPI";
    EXPECT_EQ(layoutOf(form), layoutAt(dpi));
    EXPECT_EQ(describedAsWritten(form), carriedDescription());
}

// Each step is laid out from the design, not from the step before: 96 -> 144 -> 120 -> 96 ends on
// the design's pixels (the client width from 662 at 144 would be 552 at 120 and 442 at 96).
TEST(TForm1Dpi, EachDpiChangeLaysTheWindowOutFromTheDesignWithoutDrift)
{
    const fw::test::ScratchKey scratch;
    velmora::TForm1 form(scratch.path());
    for (const int dpi : {96, 144, 120, 96}) {
        SCOPED_TRACE("at " + std::to_string(dpi) + " DPI");
        RECT suggested;
        GetWindowRect(form.handle(), &suggested);
        OffsetRect(&suggested, 7, 5);  // where the system keeps it under the pointer that drags it
        SendMessageA(form.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT placed;
        GetWindowRect(form.handle(), &placed);
        EXPECT_EQ((std::vector{placed.left, placed.top}), (std::vector{suggested.left, suggested.top}));
        EXPECT_EQ(layoutOf(form), layoutAt(dpi));
        EXPECT_EQ(describedAsWritten(form), carriedDescription());
    }
}
