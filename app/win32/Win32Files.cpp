#include "app/win32/Win32Files.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/WideText.h"

namespace {
std::wstring folderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

bool fileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

FileData readWholeFile(const std::string& path) {
    FileData file;
    const std::wstring widePath = widen(path);
    if (!fileExists(widePath)) return file;
    file.status = FileData::readError;
    HANDLE handle = CreateFileW(widePath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return file;
    LARGE_INTEGER size = {};
    // A song or picture of a gigabyte is no song or picture; refuse rather than try to hold it.
    if (GetFileSizeEx(handle, &size) && size.QuadPart < (LONGLONG(1) << 30)) {
        file.bytes.resize(size_t(size.QuadPart));
        DWORD read = 0;
        if (file.bytes.empty() ||
            (ReadFile(handle, file.bytes.data(), DWORD(file.bytes.size()), &read, nullptr) &&
             read == file.bytes.size()))
            file.status = FileData::ok;
    }
    CloseHandle(handle);
    if (file.status != FileData::ok) file.bytes.clear();
    return file;
}

std::optional<std::string> findFileBesideProgram(const std::string& name) {
    const std::wstring wideName = widen(name);
    if (wideName.find_first_of(L"\\/:") != std::wstring::npos)
        return fileExists(wideName) ? std::optional<std::string>(name) : std::nullopt;
    wchar_t buffer[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    const std::wstring besideProgram = folderOf(buffer) + L"\\" + wideName;
    if (fileExists(besideProgram)) return narrow(besideProgram);
    GetCurrentDirectoryW(MAX_PATH, buffer);
    const std::wstring inCurrentFolder = std::wstring(buffer) + L"\\" + wideName;
    if (fileExists(inCurrentFolder)) return narrow(inCurrentFolder);
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
