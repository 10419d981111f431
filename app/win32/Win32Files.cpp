#include "app/win32/Win32Files.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/FileBytes.h"
#include "platform/win32/ProgramFolder.h"
#include "platform/win32/WideText.h"

namespace {
std::wstring folderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}
}  // namespace

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

std::optional<std::string> findFileBesideProgram(const std::string& name) {
    const std::wstring wideName = widen(name);
    if (wideName.find_first_of(L"\\/:") != std::wstring::npos)
        return isExistingFile(wideName) ? std::optional<std::string>(name) : std::nullopt;
    const std::wstring besideProgram = programFolder() + L"\\" + wideName;
    if (isExistingFile(besideProgram)) return narrow(besideProgram);
    wchar_t buffer[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, buffer);
    const std::wstring inCurrentFolder = std::wstring(buffer) + L"\\" + wideName;
    if (isExistingFile(inCurrentFolder)) return narrow(inCurrentFolder);
    return std::nullopt;
}

namespace {
bool writeAll(HANDLE file, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = DWORD(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return FlushFileBuffers(file) != 0;
}
}  // namespace

bool writeFileWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::wstring target = widen(path);
    std::wstring folder = folderOf(target);
    if (folder.empty()) folder = L".";
    wchar_t temporary[MAX_PATH] = {};
    if (!GetTempFileNameW(folder.c_str(), L"vlm", 0, temporary)) return false;
    HANDLE file =
        CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool written = file != INVALID_HANDLE_VALUE && writeAll(file, bytes);
    const bool closed = file != INVALID_HANDLE_VALUE && CloseHandle(file);
    if (written && closed &&
        MoveFileExW(temporary, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}
