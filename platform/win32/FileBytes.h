#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A whole file read into memory, or why it could not be: the one file reader of every Windows half.
struct FileBytes {
    enum Status { ok, notFound, readError };
    Status status = notFound;
    std::vector<uint8_t> bytes;
};
// notFound when the path names no file (a folder included).
FileBytes readFileBytes(const std::wstring& path);
bool isExistingFile(const std::wstring& path);
bool isExistingFolder(const std::wstring& path);
