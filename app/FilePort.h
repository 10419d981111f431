#pragma once
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A whole file read into memory, or why it could not be.
struct FileData {
    // tooLarge: longer than the reader takes, refused before it was read; noMemory: no room to hold it.
    enum Status { ok, notFound, readError, tooLarge, noMemory };
    Status status = notFound;
    std::vector<uint8_t> bytes;
};

// A file opened to be read as far as its reader needs, or why it could not be (ok, notFound or readError).
struct FileStream {
    FileData::Status status = FileData::notFound;
    std::unique_ptr<std::istream> in;
};

// What the window says when a song cannot be read; nothing for ok.
std::string songReadFailureText(FileData::Status status);

// The files the main window's rules read. Paths are UTF-8.
class FilePort {
  public:
    virtual ~FilePort() = default;
    // The whole file, refused as tooLarge when it is longer than |limit|, before any of it is read.
    virtual FileData readFile(const std::string& path, uint64_t limit) = 0;
    // For readers that take the header first and only what it says they need (pictures).
    virtual FileStream openFile(const std::string& path) = 0;
    // Where a skin file lies: the program's own folder first, then the current folder. A path with a
    // folder in it is taken as it is. Nothing when it is in neither.
    virtual std::optional<std::string> findSkinFile(const std::string& name) = 0;
};
