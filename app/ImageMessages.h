#pragma once
#include <string>

#include "images/ImageError.h"

// The texts the program shows for pictures that cannot be read or composed.
std::string previewFailureText(ImageError error);
std::string composeFailureText(ImageError error);
// The progress of a background composition, shown while it runs.
std::string conversionProgressText(int percent);
