#include "app/win32/Win32Files.h"

#include <windows.h>

#include "platform/win32/FileBytes.h"
#include "platform/win32/WideText.h"

namespace {
std::wstring folderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}
}  // namespace

FileData readWholeFile(const std::string& path) {
    FileBytes file = readFileBytes(widen(path));
    const FileData::Status status = file.status == FileBytes::ok         ? FileData::ok
                                    : file.status == FileBytes::notFound ? FileData::notFound
                                                                         : FileData::readError;
    return FileData{status, std::move(file.bytes)};
}

std::optional<std::string> findFileBesideProgram(const std::string& name) {
    const std::wstring wideName = widen(name);
    if (wideName.find_first_of(L"\\/:") != std::wstring::npos)
        return isExistingFile(wideName) ? std::optional<std::string>(name) : std::nullopt;
    wchar_t buffer[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    const std::wstring besideProgram = folderOf(buffer) + L"\\" + wideName;
    if (isExistingFile(besideProgram)) return narrow(besideProgram);
    GetCurrentDirectoryW(MAX_PATH, buffer);
    const std::wstring inCurrentFolder = std::wstring(buffer) + L"\\" + wideName;
    if (isExistingFile(inCurrentFolder)) return narrow(inCurrentFolder);
    return std::nullopt;
}
