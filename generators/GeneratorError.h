#pragma once

// Why a sound generator made no song. The window words it in an OK box (app/Messages.h); the
// renderer prints the same words. The song loaded before stays in every case.
enum class GeneratorError {
    none,
    textTooLarge,
    textTooSmall,
    textUnreadable,  // silent, like a text file that cannot be opened
    pictureOpenFailed,
    pictureReadFailed,
    pictureTooFewColours,
    pictureHighColour,
    pictureThirtyTwoBit,
    pictureUnknownDepth,
    pictureTooSmall,
    pictureTooLarge,
    pictureCompressed,
    noMemory,
};
