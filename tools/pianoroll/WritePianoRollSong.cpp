// velmira-piano-song OUT.mid: writes the long piano piece the renderer's speed is measured on.
#include <cstdio>
#include <fstream>

#include "tools/pianoroll/PianoRollSong.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmira-piano-song OUT.mid\n");
        return 2;
    }
    const std::vector<uint8_t> song = pianoRollSong();
    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(song.data()), std::streamsize(song.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
