// The shared callable of the property tables: copies share one callable, which goes with the last
// copy, exactly once.

#include "framework/core/SharedFunction.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Counts its own destructions in a counter that outlives it.
struct CountedCallable {
    std::shared_ptr<int> destroyed;
    std::string suffix;
    CountedCallable(std::shared_ptr<int> counter, std::string text) : destroyed(std::move(counter)), suffix(std::move(text)) {}
    CountedCallable(const CountedCallable&) = default;
    CountedCallable(CountedCallable&& other) noexcept : destroyed(other.destroyed), suffix(std::move(other.suffix)) {}
    ~CountedCallable() { ++*destroyed; }
    std::string operator()(const std::string& text) const { return text + suffix; }
};

}  // namespace

TEST(SharedFunction, CopiesShareOneCallableThatTheLastCopyDestroysOnce)
{
    auto destroyed = std::make_shared<int>(0);
    std::vector<fw::SharedFunction<std::string(const std::string&)>> copies;
    {
        fw::SharedFunction<std::string(const std::string&)> original(CountedCallable(destroyed, "!"));
        const int afterMaking = *destroyed;  // the temporary moved into the heap copy
        copies.assign(3, original);
        fw::SharedFunction<std::string(const std::string&)> moved(std::move(original));
        EXPECT_FALSE(original);
        copies.push_back(moved);
        copies.front() = copies.back();  // assigning a copy to a copy of the same callable
        EXPECT_EQ(*destroyed, afterMaking) << "a copy or an assignment destroyed the shared callable";
    }
    for (const auto& copy : copies)
        EXPECT_EQ(copy("Velmora"), "Velmora!");
    const int beforeLast = *destroyed;
    copies.clear();
    EXPECT_EQ(*destroyed, beforeLast + 1);
}

TEST(SharedFunction, EmptyOnesSayFalseAndThrowWhenCalled)
{
    const fw::SharedFunction<int(int)> empty;
    const fw::SharedFunction<int(int)> null = nullptr;
    EXPECT_FALSE(empty);
    EXPECT_FALSE(null);
    EXPECT_THROW(empty(1), std::bad_function_call);

    int calls = 0;
    const fw::SharedFunction<void(int&)> addsOne = [&calls](int& value) { ++value, ++calls; };
    int value = 41;
    addsOne(value);
    EXPECT_TRUE(addsOne);
    EXPECT_EQ(value, 42) << "arguments by reference reach the callable";
    EXPECT_EQ(calls, 1);
}
