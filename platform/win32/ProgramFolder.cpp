#include "platform/win32/ProgramFolder.h"

#include <windows.h>

#include "platform/Paths.h"
#include "platform/win32/WideText.h"

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
    return widen(folderOf(narrow(programPath())));
}

std::wstring programBaseName() {
    const std::string name = fileNameOf(narrow(programPath()));
    const std::string extension = extensionOf(name);
    return widen(extension.empty() ? name : name.substr(0, name.size() - extension.size() - 1));
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
