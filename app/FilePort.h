#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A whole file read into memory, or why it could not be.
struct FileData {
    enum Status { ok, notFound, readError };
    Status status = notFound;
    std::vector<uint8_t> bytes;
};

// The files the main window's rules read. Paths are UTF-8.
class FilePort {
  public:
    virtual ~FilePort() = default;
    virtual FileData readFile(const std::string& path) = 0;
    // Where a skin file lies: the program's own folder first, then the current folder. A path with a
    // folder in it is taken as it is. Nothing when it is in neither.
    virtual std::optional<std::string> findSkinFile(const std::string& name) = 0;
};
