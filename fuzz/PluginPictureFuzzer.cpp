// A plug-in's GetPicture result: the input's first two bytes say how much of the rest is the information
// block; the remainder is the pixel block.
#include "fuzz/FuzzInput.h"
#include "images/PluginPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const std::vector<uint8_t> info = input.bytes(input.u16());
    const std::vector<uint8_t> bits = input.rest();
    DibImage picture;
    const ImageError error =
        pictureFromPluginBlocks(info.data(), info.size(), bits.data(), bits.size(), picture);
    if (error == ImageError::none && !picture.isComplete()) __builtin_trap();
    return 0;
}
