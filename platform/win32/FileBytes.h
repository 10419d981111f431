#pragma once
#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

// A whole file read into memory, or why it could not be: the one file reader of every Windows half.
struct FileBytes {
    // tooLarge: longer than the caller takes, refused unread; noMemory: no room to hold it.
    enum Status { ok, notFound, readError, tooLarge, noMemory };
    Status status = notFound;
    std::vector<uint8_t> bytes;
};
// The whole file when it is at most |limit| bytes long, its size checked before anything is read.
// notFound when the path names no file (a folder included).
FileBytes readFileBytes(const std::wstring& path, uint64_t limit);
// The file opened for a reader that takes only what it needs; nothing when it cannot be opened.
std::unique_ptr<std::istream> openFileStream(const std::wstring& path);
bool isExistingFile(const std::wstring& path);
bool isExistingFolder(const std::wstring& path);
