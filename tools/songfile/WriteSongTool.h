#pragma once
#include <cstdint>
#include <vector>

// The whole of a tool that writes one song to the file its only argument names: the usage on a wrong
// command line (exit code 2), a message when the file cannot be written (1), else 0.
int writeSongTool(int argc, char** argv, const char* toolName, std::vector<uint8_t> (*makeSong)());
// Writes |song| to |path|: 0, or 1 with a message when the file cannot be written.
int writeSongFile(const char* path, const std::vector<uint8_t>& song);
