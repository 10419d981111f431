#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Files.h"

// The disk's files: paths are UTF-8 and turned wide for the W functions.
class Win32Files : public Files {
  public:
    FileData readFile(const std::string& path, uint64_t limit) override;
    FileStream openFile(const std::string& path) override;
    bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) override;
    std::optional<std::string> findBesideProgram(const std::string& name) override;
    std::string currentFolder() override;
    bool setCurrentFolder(const std::string& folder) override;
};

// The whole file when it is at most |limit| bytes long, its size checked before anything is read.
// notFound when the path names no file (a folder included): the one file reader of every Windows half.
FileData readFileBytes(const std::wstring& path, uint64_t limit);
// The file opened for a reader that takes only what it needs; nothing when it cannot be opened.
std::unique_ptr<std::istream> openFileStream(const std::wstring& path);
bool isExistingFile(const std::wstring& path);
bool isExistingFolder(const std::wstring& path);
// |path| made whole against the current folder (and drive), which the start-up then changes; the path as
// it is when it cannot be.
std::string fullPathOf(const std::string& path);
