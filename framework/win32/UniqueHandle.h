#pragma once
// UniqueHandle: the one owner of one Win32 handle. Move-only; moving transfers ownership and
// leaves the source empty; the destructor, reset() and move assignment close the owned handle
// exactly once. A plain handle (HDC, HWND ...) passed to a function means "borrowed, don't free".
//
// Traits supply the handle type, its empty value and its close function:
//   struct Traits { using Handle = ...; static Handle empty() noexcept; static void close(Handle) noexcept; };

#include <type_traits>
#include <utility>

namespace fw {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Handle get() const noexcept { return handle_; }
    bool isValid() const noexcept { return handle_ != Traits::empty(); }
    explicit operator bool() const noexcept { return isValid(); }

    // Gives up ownership without closing.
    Handle release() noexcept { return std::exchange(handle_, Traits::empty()); }

    // Closes the owned handle (if any) and takes `handle`.
    void reset(Handle handle = Traits::empty()) noexcept
    {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::empty())
            Traits::close(old);
    }

private:
    Handle handle_ = Traits::empty();
};

}  // namespace fw
