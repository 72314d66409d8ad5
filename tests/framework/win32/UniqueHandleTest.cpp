#include "framework/win32/Handles.h"
#include "framework/win32/UniqueHandle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> closed;

struct CountingTraits {
    using Handle = int;
    static Handle empty() noexcept { return 0; }
    static void close(Handle handle) noexcept { closed.push_back(handle); }
};
using Counted = fw::UniqueHandle<CountingTraits>;
static_assert(!std::is_copy_constructible_v<Counted>);
static_assert(!std::is_copy_assignable_v<Counted>);
static_assert(std::is_nothrow_move_constructible_v<Counted>);

class UniqueHandleTest : public ::testing::Test {
protected:
    void SetUp() override { closed.clear(); }
};

}  // namespace

TEST_F(UniqueHandleTest, ClosesOnceWhenDestroyed)
{
    { Counted handle(7); }
    EXPECT_EQ(closed, std::vector<int>{7});
}

TEST_F(UniqueHandleTest, MoveTransfersOwnershipAndEmptiesSource)
{
    {
        Counted first(3);
        Counted second(std::move(first));
        EXPECT_FALSE(first.isValid());
        EXPECT_EQ(second.get(), 3);
        Counted third(9);
        third = std::move(second);  // closes 9, takes 3
        EXPECT_EQ(closed, std::vector<int>{9});
    }
    EXPECT_EQ(closed, (std::vector<int>{9, 3}));
}

TEST_F(UniqueHandleTest, SelfMoveKeepsTheHandle)
{
    Counted handle(5);
    Counted& alias = handle;
    handle = std::move(alias);
    EXPECT_EQ(handle.get(), 5);
    EXPECT_TRUE(closed.empty());
}

TEST_F(UniqueHandleTest, ResetAndReleaseDoNotLeakOrDoubleClose)
{
    Counted handle(1);
    handle.reset(2);
    EXPECT_EQ(closed, std::vector<int>{1});
    EXPECT_EQ(handle.release(), 2);
    handle.reset();
    EXPECT_EQ(closed, std::vector<int>{1});
    EXPECT_FALSE(handle);
}

TEST_F(UniqueHandleTest, FileHandleTreatsInvalidHandleValueAsEmpty)
{
    fw::UniqueFile file;
    EXPECT_FALSE(file.isValid());
    file.reset();  // must not call CloseHandle(INVALID_HANDLE_VALUE)
    EXPECT_FALSE(file.isValid());
}
