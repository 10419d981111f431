// The three skin readers: the face ("Main.bmp" or a saved face), the mask made from a face-sized picture,
// and the button sheet, each over the same bytes.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "images/SkinBmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    DibImage face;
    std::istringstream faceFile(file);
    if (readFaceBmp(faceFile, face)) {
        if (!face.isComplete()) __builtin_trap();
        makeMaskGrid(face);
    }
    DibImage buttons;
    std::istringstream buttonFile(file);
    if (readButtonBmp(buttonFile, buttons) && !buttons.isComplete()) __builtin_trap();
    return 0;
}
