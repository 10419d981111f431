// velmira-demo-song OUT.mid: writes the demo song, so that scripts have a song to play on any machine.
#include "tools/demo/DemoSong.h"
#include "tools/songfile/WriteSongTool.h"

int main(int argc, char** argv) {
    return writeSongTool(argc, argv, "velmira-demo-song", demoSong);
}
