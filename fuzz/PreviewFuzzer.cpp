// The file dialog's preview reader: any BMP of 1 to 24 bits.
#include "fuzz/FuzzInput.h"
#include "images/PreviewBmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream file = FuzzInput(data, size).file();
    DibImage preview;
    if (readPreviewBmp(file, preview) == ImageError::none && !preview.isComplete()) __builtin_trap();
    return 0;
}
