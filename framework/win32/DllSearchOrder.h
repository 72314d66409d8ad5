#pragma once
// Where the process looks for DLLs loaded by name. The updater runs elevated, often from a
// downloads folder that also holds whatever else was downloaded; a DLL there named like one that
// Windows or a system DLL loads by name (uxtheme.dll, dwmapi.dll, ...) would otherwise be loaded
// into the elevated process. The DLLs Windows always takes from the system folder (the known
// DLLs: kernel32, user32, gdi32, advapi32, msvcrt, ...) are not at risk.
//
// Call restrictDllSearchToSystemFolder() first thing in the program, before anything creates a
// window or loads a library: what is already loaded stays loaded.

namespace fw {

// Restricts the search to the system folder; where Windows cannot (Windows 7 without update
// KB2533623), takes at least the current folder out. Then loads from the system folder the DLLs
// that system DLLs load by name later on (comctl32 delay-loads msimg32, user32 loads uxtheme,
// uxtheme loads dwmapi). Those later loads find them loaded and search nowhere: this covers
// systems whose search still includes the program's folder, and delay-loads that do not honour
// the restriction (Wine's). They stay loaded for the life of the process.
void restrictDllSearchToSystemFolder() noexcept;

}  // namespace fw
