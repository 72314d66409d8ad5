#pragma once
// SharedFunction<R(Args...)>: a callable kept on the heap and shared by its copies, for tables of
// callables that are built once and copied about (the published property tables).
//
// std::function copies its callable with every copy of itself and, with run-time type
// information on, keeps the callable's type name for target_type(). A property table holds two
// callables for each of a few hundred properties, each a distinct lambda type: that was most of
// the table code and 60 KB of type names in the executable. A SharedFunction copy only counts a
// reference, and nothing of it asks for the callable's type. Callables are never changed after
// they are made, so sharing them is safe; the count is atomic, as copies may live on two threads.
//
// Plain C++, no Win32.

#include <atomic>
#include <functional>
#include <type_traits>
#include <utility>

namespace fw {

template <typename Signature>
class SharedFunction;

template <typename R, typename... Args>
class SharedFunction<R(Args...)> {
public:
    SharedFunction() noexcept = default;
    SharedFunction(std::nullptr_t) noexcept {}

    template <typename F, typename = std::enable_if_t<!std::is_same_v<std::decay_t<F>, SharedFunction> &&
                                                      std::is_invocable_r_v<R, const std::decay_t<F>&, Args...>>>
    SharedFunction(F&& callable) : box_(new Holder<std::decay_t<F>>(std::forward<F>(callable)))
    {
    }

    SharedFunction(const SharedFunction& other) noexcept : box_(other.box_)
    {
        if (box_)
            box_->references.fetch_add(1, std::memory_order_relaxed);
    }
    SharedFunction(SharedFunction&& other) noexcept : box_(std::exchange(other.box_, nullptr)) {}
    SharedFunction& operator=(SharedFunction other) noexcept
    {
        std::swap(box_, other.box_);
        return *this;
    }
    ~SharedFunction() { release(); }

    explicit operator bool() const noexcept { return box_ != nullptr; }

    // Calling an empty SharedFunction throws std::bad_function_call, as std::function does.
    R operator()(Args... args) const
    {
        if (!box_)
            throw std::bad_function_call();
        return box_->call(box_, std::forward<Args>(args)...);
    }

private:
    struct Box {
        std::atomic<long> references{1};
        R (*call)(const Box*, Args&&...);
        void (*destroy)(Box*) noexcept;
    };

    template <typename F>
    struct Holder : Box {
        explicit Holder(F&& made) : callable(std::move(made)) { setUp(); }
        explicit Holder(const F& made) : callable(made) { setUp(); }
        void setUp()
        {
            this->call = [](const Box* box, Args&&... args) -> R {
                return std::invoke(static_cast<const Holder*>(box)->callable, std::forward<Args>(args)...);
            };
            this->destroy = [](Box* box) noexcept { delete static_cast<Holder*>(box); };
        }
        F callable;
    };

    void release() noexcept
    {
        if (box_ && box_->references.fetch_sub(1, std::memory_order_acq_rel) == 1)
            box_->destroy(box_);
        box_ = nullptr;
    }

    Box* box_ = nullptr;
};

}  // namespace fw
