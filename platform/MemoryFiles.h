#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Files.h"

// Files kept in memory by their path: the tests' and the page's. A file may be kept as unreadable (its
// status), and only the folders listed can be made current.
class MemoryFiles : public Files {
  public:
    void addFile(const std::string& path, std::vector<uint8_t> bytes) {
        files[path] = {FileData::ok, std::move(bytes)};
    }

    // A file longer than the limit is refused as the disk's files refuse it, unread.
    FileData readFile(const std::string& path, uint64_t limit) override;
    FileStream openFile(const std::string& path) override;
    // False, writing nothing, unless writeSucceeds.
    bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) override;
    // Every file lies beside the program, under its plain name.
    std::optional<std::string> findBesideProgram(const std::string& name) override;
    std::string currentFolder() override { return folder; }
    bool setCurrentFolder(const std::string& to) override;

    std::map<std::string, FileData> files;
    bool writeSucceeds = true;
    std::string folder;
    std::set<std::string> folders = {""};
};
