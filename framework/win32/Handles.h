#pragma once
// The owning handle types of the framework, one per kind of Win32 handle.
// Close functions live in Handles.cpp, so this header needs no <windows.h>.

#include "framework/win32/NativeTypes.h"
#include "framework/win32/UniqueHandle.h"

namespace fw {

namespace handle_traits {
struct Key {  // registry key: RegCloseKey
    using Handle = native::KeyHandle;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle) noexcept;
};
struct File {  // CreateFileA result: CloseHandle; the empty value is INVALID_HANDLE_VALUE
    using Handle = native::KernelHandle;
    static Handle empty() noexcept { return reinterpret_cast<Handle>(static_cast<long long>(-1)); }
    static void close(Handle) noexcept;
};
struct FileSearch {  // FindFirstFileA result: FindClose; the empty value is INVALID_HANDLE_VALUE
    using Handle = native::KernelHandle;
    static Handle empty() noexcept { return reinterpret_cast<Handle>(static_cast<long long>(-1)); }
    static void close(Handle) noexcept;
};
struct Kernel {  // thread, event, process: CloseHandle; the empty value is null
    using Handle = native::KernelHandle;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle) noexcept;
};
struct Window {  // DestroyWindow
    using Handle = native::WindowHandle;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle) noexcept;
};
struct MemoryDc {  // CreateCompatibleDC: DeleteDC
    using Handle = native::DeviceContextHandle;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle) noexcept;
};
template <typename GdiHandle>
struct GdiObject {  // pens, brushes, fonts, bitmaps: DeleteObject
    using Handle = GdiHandle;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { deleteGdiObject(handle); }
    static void deleteGdiObject(void* handle) noexcept;
};
struct Icon {  // CreateIcon / LoadImage without LR_SHARED: DestroyIcon
    using Handle = native::IconHandle;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle) noexcept;
};
struct Menu {  // CreatePopupMenu: DestroyMenu
    using Handle = native::MenuHandle;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle) noexcept;
};
struct Module {  // LoadLibraryExA: FreeLibrary
    using Handle = native::ModuleHandle;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle) noexcept;
};
}  // namespace handle_traits

using UniqueKey = UniqueHandle<handle_traits::Key>;
using UniqueFile = UniqueHandle<handle_traits::File>;
using UniqueFileSearch = UniqueHandle<handle_traits::FileSearch>;
using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueWindow = UniqueHandle<handle_traits::Window>;
using UniqueMemoryDc = UniqueHandle<handle_traits::MemoryDc>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<native::FontHandle>>;
using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<native::BitmapHandle>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<native::BrushHandle>>;
using UniquePen = UniqueHandle<handle_traits::GdiObject<native::PenHandle>>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueModule = UniqueHandle<handle_traits::Module>;

static_assert(!std::is_copy_constructible_v<UniqueKey>);
static_assert(!std::is_copy_constructible_v<UniqueFile>);
static_assert(!std::is_copy_constructible_v<UniqueFileSearch>);
static_assert(!std::is_copy_constructible_v<UniqueKernelHandle>);
static_assert(!std::is_copy_constructible_v<UniqueWindow>);
static_assert(!std::is_copy_constructible_v<UniqueMemoryDc>);
static_assert(!std::is_copy_constructible_v<UniqueFont>);
static_assert(!std::is_copy_constructible_v<UniqueBitmap>);
static_assert(!std::is_copy_constructible_v<UniqueBrush>);
static_assert(!std::is_copy_constructible_v<UniquePen>);
static_assert(!std::is_copy_constructible_v<UniqueIcon>);
static_assert(!std::is_copy_constructible_v<UniqueMenu>);
static_assert(!std::is_copy_constructible_v<UniqueModule>);

}  // namespace fw
