#pragma once
// Win32 handle types by name, without <windows.h>. MinGW-w64 and the Windows SDK declare each
// handle as a pointer to its own tag struct (STRICT), so these forward declarations name the very
// same types that <windows.h> does. Headers outside the .cpp files of the Win32 layer use these.

struct HWND__;
struct HDC__;
struct HFONT__;
struct HBITMAP__;
struct HBRUSH__;
struct HPEN__;
struct HICON__;
struct HKEY__;
struct HINSTANCE__;
struct HRSRC__;
struct HMENU__;

namespace fw::native {
using WindowHandle = HWND__*;
using DeviceContextHandle = HDC__*;
using FontHandle = HFONT__*;
using BitmapHandle = HBITMAP__*;
using BrushHandle = HBRUSH__*;
using PenHandle = HPEN__*;
using IconHandle = HICON__*;
using KeyHandle = HKEY__*;
using MenuHandle = HMENU__*;
using ModuleHandle = HINSTANCE__*;
using KernelHandle = void*;  // HANDLE
}  // namespace fw::native
