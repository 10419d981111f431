#include "platform/win32/ProgramFolder.h"

#include <windows.h>

std::wstring programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring currentFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    DWORD length = 0;  // the length once it fits, else the room it needs (with the closing null)
    while ((length = GetCurrentDirectoryW(DWORD(folder.size()), folder.data())) >= folder.size())
        folder.resize(length);
    folder.resize(length);
    return folder;
}
