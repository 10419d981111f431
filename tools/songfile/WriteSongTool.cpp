#include "tools/songfile/WriteSongTool.h"

#include <cstdio>
#include <fstream>

int writeSongTool(int argc, char** argv, const char* toolName, std::vector<uint8_t> (*makeSong)()) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.mid\n", toolName);
        return 2;
    }
    return writeSongFile(argv[1], makeSong());
}

int writeSongFile(const char* path, const std::vector<uint8_t>& song) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(song.data()), std::streamsize(song.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "%s: cannot be written\n", path);
        return 1;
    }
    return 0;
}
