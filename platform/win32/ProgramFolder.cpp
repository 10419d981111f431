#include "platform/win32/ProgramFolder.h"

#include <windows.h>

namespace {
std::wstring programPath() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path;
}
}  // namespace

std::wstring programFolder() {
    const std::wstring path = programPath();
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring programBaseName() {
    std::wstring name = programPath();
    const size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name.erase(0, slash + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

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

std::wstring currentFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = 0;  // the length once it fits, else the room it needs (with the closing null)
    while ((length = GetCurrentDirectoryW(DWORD(folder.size()), folder.data())) >= folder.size())
        folder.resize(length);
    folder.resize(length);
    return folder;
}
