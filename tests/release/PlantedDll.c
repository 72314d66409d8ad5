/* A DLL that the tests plant beside a copy of the updater under the name of a DLL that Windows
   programs load by name. Loaded into a process, it leaves "<its file name>.loaded" beside itself
   and does nothing else, so a test sees which planted DLL was taken. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved)
{
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH + 8];
        const DWORD length = GetModuleFileNameA(instance, path, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            lstrcpyA(path + length, ".loaded");
            HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
            if (marker != INVALID_HANDLE_VALUE)
                CloseHandle(marker);
        }
    }
    return TRUE;
}
