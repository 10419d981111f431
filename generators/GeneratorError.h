#pragma once

// Why a sound generator made no song. The window shows generatorMessage in an OK box (nothing for an
// empty text); the renderer prints it. The song loaded before stays in every case.
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

const char* generatorMessage(GeneratorError error);
