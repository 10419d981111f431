// velmira-piano-song OUT.mid: writes the long piano piece the renderer's speed is measured on.
#include "tools/pianoroll/PianoRollSong.h"
#include "tools/songfile/WriteSongTool.h"

int main(int argc, char** argv) {
    return writeSongTool(argc, argv, "velmira-piano-song", pianoRollSong);
}
