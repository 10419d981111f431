#include "platform/win32/DllSearch.h"

#include <windows.h>

void restrictDllSearchPath() {
    SetDllDirectoryW(L"");  // takes the current folder out of the search where nothing more can be done
    // Looked up, since a Windows 7 without its 2011 loader update lacks it.
    using SetDefaultDllDirectoriesEntry = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesEntry>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}
