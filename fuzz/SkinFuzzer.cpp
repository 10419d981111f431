// The three skin readers: the face ("Main.bmp" or a saved face), the mask made from a face-sized picture,
// and the button sheet, each over the same bytes.
#include "fuzz/FuzzInput.h"
#include "images/SkinBmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzInput input(data, size);
    DibImage face;
    std::istringstream faceFile = input.file();
    if (readFaceBmp(faceFile, face)) {
        if (!face.isComplete()) __builtin_trap();
        makeMaskGrid(face);
    }
    DibImage buttons;
    std::istringstream buttonFile = input.file();
    if (readButtonBmp(buttonFile, buttons) && !buttons.isComplete()) __builtin_trap();
    return 0;
}
