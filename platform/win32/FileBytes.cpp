#include "platform/win32/FileBytes.h"

#include <windows.h>

#include <fstream>
#include <new>

bool isExistingFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isExistingFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {
FileBytes::Status readWhole(HANDLE handle, uint64_t limit, std::vector<uint8_t>& bytes) {
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(handle, &size)) return FileBytes::readError;
    // Limits are far below 4 GB, so a size within one fits a single read on every build.
    if (uint64_t(size.QuadPart) > limit || uint64_t(size.QuadPart) > MAXDWORD) return FileBytes::tooLarge;
    try {
        bytes.resize(size_t(size.QuadPart));
    } catch (const std::bad_alloc&) {
        return FileBytes::noMemory;
    }
    DWORD read = 0;
    if (bytes.empty() ||
        (ReadFile(handle, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size()))
        return FileBytes::ok;
    return FileBytes::readError;
}
}  // namespace

FileBytes readFileBytes(const std::wstring& path, uint64_t limit) {
    FileBytes file;
    if (!isExistingFile(path)) return file;
    file.status = FileBytes::readError;
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return file;
    file.status = readWhole(handle, limit, file.bytes);
    CloseHandle(handle);
    if (file.status != FileBytes::ok) std::vector<uint8_t>().swap(file.bytes);
    return file;
}

std::unique_ptr<std::istream> openFileStream(const std::wstring& path) {
    auto file = std::make_unique<std::ifstream>(path.c_str(), std::ios::binary);
    if (!*file) return nullptr;
    return file;
}
