#include "platform/win32/FileBytes.h"

#include <windows.h>

bool isExistingFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isExistingFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FileBytes readFileBytes(const std::wstring& path) {
    FileBytes file;
    if (!isExistingFile(path)) return file;
    file.status = FileBytes::readError;
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
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
            file.status = FileBytes::ok;
    }
    CloseHandle(handle);
    if (file.status != FileBytes::ok) file.bytes.clear();
    return file;
}
