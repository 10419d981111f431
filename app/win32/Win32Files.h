#pragma once
#include <optional>
#include <string>

#include "app/FilePort.h"

// The files of the main window on Windows: paths are UTF-8 and turned wide for the W functions.
FileData readWholeFile(const std::string& path);
std::optional<std::string> findFileBesideProgram(const std::string& name);
