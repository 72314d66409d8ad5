#pragma once
// ComPtr: the one owner of one COM reference (one AddRef to balance with one Release). Move-only,
// like UniqueHandle: moving transfers the reference and empties the source; the destructor,
// reset() and move assignment release the owned reference exactly once. A plain interface
// pointer passed to a function means "borrowed, don't release".
//
// Header only and free of <windows.h>: it calls AddRef and Release through the interface, so it
// compiles wherever the interface's own declaration is visible.

#include <type_traits>
#include <utility>

struct IUnknown;

namespace fw {

template <typename Interface>
class ComPtr {
public:
    ComPtr() noexcept = default;
    // Takes over a reference that the caller already holds (an out-parameter, a new object).
    explicit ComPtr(Interface* adopted) noexcept : pointer_(adopted) {}
    ~ComPtr() { reset(); }

    // A new reference to a borrowed pointer.
    static ComPtr share(Interface* borrowed) noexcept
    {
        if (borrowed)
            borrowed->AddRef();
        return ComPtr(borrowed);
    }

    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(other.release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Interface* get() const noexcept { return pointer_; }
    Interface* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    // Gives up the reference without releasing it (to hand it to a caller's out-parameter).
    Interface* release() noexcept { return std::exchange(pointer_, nullptr); }

    void reset(Interface* adopted = nullptr) noexcept
    {
        Interface* old = std::exchange(pointer_, adopted);
        if (old)
            old->Release();
    }

    // For an out-parameter: releases what is held and lets the callee store a new reference.
    Interface** put() noexcept
    {
        reset();
        return &pointer_;
    }

private:
    Interface* pointer_ = nullptr;
};

static_assert(!std::is_copy_constructible_v<ComPtr<IUnknown>>);

}  // namespace fw
