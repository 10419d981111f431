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
// Writes |bytes| to a new file beside |path| and only then puts it in |path|'s place, so that a failed or
// short write leaves neither a partial file nor a damaged earlier one. False when any step failed.
bool writeFileWhole(const std::string& path, const std::vector<uint8_t>& bytes);
