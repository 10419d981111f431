// velmira-demo-song OUT.mid: writes the demo song, so that scripts have a song to play on any machine.
#include <cstdio>
#include <fstream>

#include "tools/demo/DemoSong.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmira-demo-song OUT.mid\n");
        return 2;
    }
    const std::vector<uint8_t> song = demoSong();
    std::ofstream file(argv[1], std::ios::binary);
    file.write(reinterpret_cast<const char*>(song.data()), std::streamsize(song.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
        return 1;
    }
    return 0;
}
