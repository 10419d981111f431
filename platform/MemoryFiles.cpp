#include "platform/MemoryFiles.h"

#include <sstream>

FileData MemoryFiles::readFile(const std::string& path, uint64_t limit) {
    const auto found = files.find(path);
    if (found == files.end()) return FileData{};
    const FileData& file = found->second;
    if (file.status == FileData::ok && file.bytes.size() > limit) return {FileData::tooLarge, {}};
    return file;
}

FileStream MemoryFiles::openFile(const std::string& path) {
    const auto found = files.find(path);
    if (found == files.end()) return {};
    const FileData& file = found->second;
    if (file.status != FileData::ok) return {file.status, nullptr};
    return {FileData::ok,
            std::make_unique<std::istringstream>(std::string(file.bytes.begin(), file.bytes.end()))};
}

bool MemoryFiles::writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (!writeSucceeds) return false;
    addFile(path, bytes);
    return true;
}

std::optional<std::string> MemoryFiles::findBesideProgram(const std::string& name) {
    if (!files.count(name)) return std::nullopt;
    return name;
}

bool MemoryFiles::setCurrentFolder(const std::string& to) {
    if (!folders.count(to)) return false;
    folder = to;
    return true;
}
