// velmira-face-points OUT.sh: writes where the scripts click on the face, as shell variables taken from the
// face layout, so that a script's clicks land where the window draws and hit-tests them.
#include <cstdio>
#include <string>
#include <vector>

#include "app/FaceLayout.h"
#include "playback/OutputFile.h"

namespace {

int middle(int low, int high) {
    return (low + high) / 2;
}

std::string array(const char* name, int count, int (*value)(int)) {
    std::string line = std::string(name) + "=(";
    for (int i = 0; i < count; ++i) line += (i ? " " : "") + std::to_string(value(i));
    return line + ")\n";
}

std::string facePoints() {
    using namespace face;
    return "# The face layout's points for the scripts (written by velmira-face-points): the face's size in\n"
           "# client pixels, the middle of each cell and toggle column, and of each channel's row of them.\n"
           "face_width=" +
           std::to_string(faceWidth) + "\nface_height=" + std::to_string(faceHeight) + "\n" +
           array("face_cell_x", cellCount,
                 [](int c) { return middle(cellHot(0, c).left, cellHot(0, c).right); }) +
           array("face_cell_y", channelCount,
                 [](int ch) { return middle(cellHot(ch, 0).top, cellHot(ch, 0).bottom); }) +
           array("face_toggle_x", toggleCount,
                 [](int t) { return middle(toggleRect(0, t).left, toggleRect(0, t).right); }) +
           array("face_toggle_y", channelCount,
                 [](int ch) { return middle(toggleRect(ch, 0).top, toggleRect(ch, 0).bottom); });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmira-face-points OUT.sh\n");
        return 2;
    }
    const std::string text = facePoints();
    if (writeFileWhole(argv[1], std::vector<uint8_t>(text.begin(), text.end()))) return 0;
    std::fprintf(stderr, "%s: cannot be written\n", argv[1]);
    return 1;
}
