// The image sound's picture reader and the song it makes from the picture.
#include "fuzz/FuzzInput.h"
#include "generators/PictureSound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzInput input(data, size);
    std::istringstream pictureFile = input.file();
    PictureGrid picture;
    if (readPictureBmp(pictureFile, picture) == GeneratorError::none) {
        if (picture.pixels.size() != size_t(picture.width) * size_t(picture.height)) __builtin_trap();
        blockLevels(picture);
    }
    std::istringstream songFile = input.file();
    PseudoRandom random;
    random.seed(uint32_t(size));
    buildPictureSong(songFile, random);
    return 0;
}
