// The text sound: a text file read by its size, then scanned into a song.
#include "fuzz/FuzzInput.h"
#include "generators/TextSound.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream file = FuzzInput(data, size).file();
    std::vector<uint8_t> text;
    if (readTextSource(file, text) != GeneratorError::none) return 0;
    PseudoRandom random;
    random.seed(uint32_t(size));
    buildTextSong(text, random);
    return 0;
}
