#include "app/win32/Win32Files.h"

#include <windows.h>

#include "platform/win32/FileBytes.h"
#include "platform/win32/ProgramFolder.h"
#include "platform/win32/WideText.h"

namespace {
FileData::Status statusOf(FileBytes::Status status) {
    switch (status) {
        case FileBytes::ok:
            return FileData::ok;
        case FileBytes::notFound:
            return FileData::notFound;
        case FileBytes::tooLarge:
            return FileData::tooLarge;
        case FileBytes::noMemory:
            return FileData::noMemory;
        case FileBytes::readError:
            break;
    }
    return FileData::readError;
}
}  // namespace

FileData readWholeFile(const std::string& path, uint64_t limit) {
    FileBytes file = readFileBytes(widen(path), limit);
    return FileData{statusOf(file.status), std::move(file.bytes)};
}

FileStream openFileToRead(const std::string& path) {
    const std::wstring widePath = widen(path);
    if (!isExistingFile(widePath)) return {};
    std::unique_ptr<std::istream> in = openFileStream(widePath);
    return {in ? FileData::ok : FileData::readError, std::move(in)};
}

std::string fullPathOf(const std::string& path) {
    const std::wstring widePath = widen(path);
    const DWORD size = GetFullPathNameW(widePath.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(widePath.c_str(), size, full.data(), nullptr));
    return full.empty() ? path : narrow(full);
}

std::optional<std::string> findFileBesideProgram(const std::string& name) {
    const std::wstring wideName = widen(name);
    if (wideName.find_first_of(L"\\/:") != std::wstring::npos)
        return isExistingFile(wideName) ? std::optional<std::string>(name) : std::nullopt;
    const std::wstring besideProgram = programFolder() + L"\\" + wideName;
    if (isExistingFile(besideProgram)) return narrow(besideProgram);
    const std::wstring inCurrentFolder = currentFolder() + L"\\" + wideName;
    if (isExistingFile(inCurrentFolder)) return narrow(inCurrentFolder);
    return std::nullopt;
}
