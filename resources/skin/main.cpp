// velmira-skin-gen: draws the default skin of the player.
//
//   velmira-skin-gen OUTPUT_DIR [ICON_DIR]
//
// writes Main.bmp, Mask.bmp and Button.bmp into OUTPUT_DIR and velmira.ico into ICON_DIR (default
// OUTPUT_DIR). The same font gives the same bytes on every run.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "resources/skin/FaceArt.h"
#include "resources/skin/IconArt.h"
#include "resources/skin/SpriteSheet.h"

namespace {
// Written beside the file and renamed over it once whole, so that a failed run leaves no picture that
// looks complete for the next build to take.
bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temporary = path + ".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        std::fprintf(stderr, "velmira-skin-gen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

int usage() {
    std::fprintf(stderr, "usage: velmira-skin-gen OUTPUT_DIR [ICON_DIR]\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || argv[1][0] == '-') return usage();
    const std::string outputDir = argv[1], iconDir = argc > 2 ? argv[2] : argv[1];

    std::string error;
    const auto text = TextRenderer::open(VELMIRA_SKIN_FONT, error);
    if (!text) {
        std::fprintf(stderr, "velmira-skin-gen: %s\n", error.c_str());
        return 1;
    }
    const Picture sheet = drawSpriteSheet(*text);
    const Picture face = drawFace(sheet, *text);
    const Picture mask = drawMask(face);
    const bool written = writeFile(outputDir + "/Main.bmp", encodeBmpFile(face.toDib())) &&
                         writeFile(outputDir + "/Mask.bmp", encodeBmpFile(mask.toDib())) &&
                         writeFile(outputDir + "/Button.bmp", encodeBmpFile(sheet.toDib())) &&
                         writeFile(iconDir + "/velmira.ico", makeIconFile(*text));
    return written ? 0 : 1;
}
