#include "tools/songfile/WriteSongTool.h"

#include <cstdio>

#include "playback/OutputFile.h"

int writeSongTool(int argc, char** argv, const char* toolName, std::vector<uint8_t> (*makeSong)()) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.mid\n", toolName);
        return 2;
    }
    return writeSongFile(argv[1], makeSong());
}

int writeSongFile(const char* path, const std::vector<uint8_t>& song) {
    if (writeFileWhole(path, song)) return 0;
    std::fprintf(stderr, "%s: cannot be written\n", path);
    return 1;
}
