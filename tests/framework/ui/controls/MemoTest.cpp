// The memo on a panel: its lines, its place and its background colour.

#include "framework/ui/controls/Memo.h"

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
