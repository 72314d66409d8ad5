// The memo on a panel: its lines, its place and its background colour.

#include "framework/ui/windows/Memo.h"

#include "../controls/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

class MemoTest : public test_support::ControlHostTest {
protected:
    void SetUp() override
    {
        ControlHostTest::SetUp();
        memo_.emplace(panel_->handle(), fw::Rect{10, 50, 200, 100}, fw::clWhite, form_->font());
    }
    void TearDown() override
    {
        memo_.reset();
        ControlHostTest::TearDown();
    }

    std::optional<fw::Memo> memo_;
};

TEST_F(MemoTest, LinesAreSplitAtLineEndsAndKeepEmptyOnes)
{
    EXPECT_EQ(memo_->lines(), std::vector<std::string>{});
    for (const char* line : {"first", "", "third"})
        memo_->addLine(line);
    EXPECT_EQ(memo_->text(), "first\r\n\r\nthird\r\n");
    EXPECT_EQ(memo_->lines(), (std::vector<std::string>{"first", "", "third"}));
    SetWindowTextA(memo_->handle(), "no line end");
    EXPECT_EQ(memo_->lines(), std::vector<std::string>{"no line end"});
}

TEST_F(MemoTest, EachBoundsSetterMovesTheWindowAndKeepsTheRest)
{
    test_support::expectEachBoundsSetterKeepsTheRest(*memo_,
                                                     [&] { return test_support::placeInParent(memo_->handle()); });
}

TEST_F(MemoTest, TheBackgroundIsPaintedInTheColourLastSet)
{
    const auto background = [&] {
        RedrawWindow(memo_->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(memo_->handle());
        const COLORREF pixel = GetPixel(dc, 150, 80);  // below the text, inside the edge
        ReleaseDC(memo_->handle(), dc);
        return pixel;
    };
    EXPECT_EQ(background(), RGB(255, 255, 255));
    memo_->setColor(fw::clAqua);
    EXPECT_EQ(background(), RGB(0, 255, 255));
}

TEST_F(MemoTest, ANewDpiScalesPlaceAndFontFromTheDesign)
{
    const auto fontHeight = [&] {
        LOGFONTA made{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(memo_->handle(), WM_GETFONT, 0, 0)), sizeof made, &made);
        return made.lfHeight;
    };
    const auto place = [&] {
        const fw::Rect placed = test_support::placeInParent(memo_->handle());
        return std::vector<int>{placed.left, placed.top, placed.width, placed.height};
    };
    memo_->setDpi(144);
    EXPECT_EQ(place(), (std::vector<int>{15, 75, 300, 150}));
    EXPECT_EQ(fontHeight(), -17);
    memo_->setDpi(120);
    memo_->setTop(51);  // a design value
    EXPECT_EQ(place(), (std::vector<int>{13, 64, 250, 125}));
    EXPECT_EQ(fontHeight(), -14);
    memo_->setDpi(96);
    EXPECT_EQ(place(), (std::vector<int>{10, 51, 200, 100}));
    EXPECT_EQ(fontHeight(), form_->font().height());
}
