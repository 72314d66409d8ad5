#include "framework/win32/Handles.h"

#include <windows.h>

namespace fw::handle_traits {

void Key::close(Handle handle) noexcept { RegCloseKey(handle); }
void File::close(Handle handle) noexcept { CloseHandle(handle); }
void FileSearch::close(Handle handle) noexcept { FindClose(handle); }
void Kernel::close(Handle handle) noexcept { CloseHandle(handle); }
void Window::close(Handle handle) noexcept { DestroyWindow(handle); }
void MemoryDc::close(Handle handle) noexcept { DeleteDC(handle); }
void Icon::close(Handle handle) noexcept { DestroyIcon(handle); }
void Menu::close(Handle handle) noexcept { DestroyMenu(handle); }
void Module::close(Handle handle) noexcept { FreeLibrary(handle); }

template <typename GdiHandle>
void GdiObject<GdiHandle>::deleteGdiObject(void* handle) noexcept
{
    DeleteObject(static_cast<HGDIOBJ>(handle));
}

template struct GdiObject<native::FontHandle>;
template struct GdiObject<native::BitmapHandle>;
template struct GdiObject<native::BrushHandle>;
template struct GdiObject<native::PenHandle>;

}  // namespace fw::handle_traits
