#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/FilePort.h"

// The files of the main window on Windows: paths are UTF-8 and turned wide for the W functions.
FileData readWholeFile(const std::string& path, uint64_t limit = UINT64_MAX);
FileStream openFileToRead(const std::string& path);
std::optional<std::string> findFileBesideProgram(const std::string& name);
// |path| made whole against the current folder (and drive), which the start-up then changes; the path as
// it is when it cannot be.
std::string fullPathOf(const std::string& path);
