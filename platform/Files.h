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

// The files the program reads and writes, and the current folder. The program's are the disk's
// (platform/win32/Win32Files); the tests and the page keep theirs in memory (MemoryFiles). Paths are UTF-8.
class Files {
  public:
    virtual ~Files() = default;
    // The whole file, refused as tooLarge when it is longer than |limit|, before any of it is read.
    virtual FileData readFile(const std::string& path, uint64_t limit) = 0;
    // For readers that take the header first and only what it says they need (pictures).
    virtual FileStream openFile(const std::string& path) = 0;
    // Writes the file whole or not at all: false when it could not be written completely, and then no part
    // of it is left and a file it would have replaced is unchanged.
    virtual bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) = 0;
    // Where a file the program brings lies (the skin): the program's own folder first, then the current
    // folder. A path with a folder in it is taken as it is. Nothing when it is in neither.
    virtual std::optional<std::string> findBesideProgram(const std::string& name) = 0;
    virtual std::string currentFolder() = 0;
    // False when the folder cannot be made current (gone, no access); the current folder stays then.
    virtual bool setCurrentFolder(const std::string& folder) = 0;
};
