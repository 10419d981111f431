#include "platform/win32/Win32Files.h"

#include <windows.h>

#include <fstream>
#include <new>

#include "platform/win32/ProgramFolder.h"
#include "platform/win32/WideText.h"
#include "playback/OutputFile.h"

bool isExistingFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isExistingFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {
FileData::Status readWhole(HANDLE handle, uint64_t limit, std::vector<uint8_t>& bytes) {
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(handle, &size)) return FileData::readError;
    // Limits are far below 4 GB, so a size within one fits a single read on every build.
    if (uint64_t(size.QuadPart) > limit || uint64_t(size.QuadPart) > MAXDWORD) return FileData::tooLarge;
    try {
        bytes.resize(size_t(size.QuadPart));
    } catch (const std::bad_alloc&) {
        return FileData::noMemory;
    }
    DWORD read = 0;
    if (bytes.empty() ||
        (ReadFile(handle, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size()))
        return FileData::ok;
    return FileData::readError;
}
}  // namespace

FileData readFileBytes(const std::wstring& path, uint64_t limit) {
    FileData file;
    if (!isExistingFile(path)) return file;
    file.status = FileData::readError;
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return file;
    file.status = readWhole(handle, limit, file.bytes);
    CloseHandle(handle);
    if (file.status != FileData::ok) std::vector<uint8_t>().swap(file.bytes);
    return file;
}

std::unique_ptr<std::istream> openFileStream(const std::wstring& path) {
    auto file = std::make_unique<std::ifstream>(path.c_str(), std::ios::binary);
    if (!*file) return nullptr;
    return file;
}

FileData Win32Files::readFile(const std::string& path, uint64_t limit) {
    return readFileBytes(widen(path), limit);
}

FileStream Win32Files::openFile(const std::string& path) {
    const std::wstring widePath = widen(path);
    if (!isExistingFile(widePath)) return {};
    std::unique_ptr<std::istream> in = openFileStream(widePath);
    return {in ? FileData::ok : FileData::readError, std::move(in)};
}

bool Win32Files::writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    return writeFileWhole(path, bytes);
}

std::optional<std::string> Win32Files::findBesideProgram(const std::string& name) {
    const std::wstring wideName = widen(name);
    if (wideName.find_first_of(L"\\/:") != std::wstring::npos)
        return isExistingFile(wideName) ? std::optional<std::string>(name) : std::nullopt;
    const std::wstring besideProgram = programFolder() + L"\\" + wideName;
    if (isExistingFile(besideProgram)) return narrow(besideProgram);
    const std::string inCurrentFolder = currentFolder() + "\\" + name;
    if (isExistingFile(widen(inCurrentFolder))) return inCurrentFolder;
    return std::nullopt;
}

std::string Win32Files::currentFolder() {
    return narrow(::currentFolder());
}

bool Win32Files::setCurrentFolder(const std::string& folder) {
    return SetCurrentDirectoryW(widen(folder).c_str()) != 0;
}

std::string fullPathOf(const std::string& path) {
    const std::wstring widePath = widen(path);
    const DWORD size = GetFullPathNameW(widePath.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(widePath.c_str(), size, full.data(), nullptr));
    return full.empty() ? path : narrow(full);
}
