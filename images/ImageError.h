#pragma once

// Why a picture could not be read or composed, in the order the reader's checks run. The window words
// them (app/Messages.h).
enum class ImageError {
    none,
    notBmp,
    notWindowsFormat,
    thirtyTwoBit,
    unsupportedDepth,
    compressed,
    tooLarge,
    damaged,
    noMemory,
};
