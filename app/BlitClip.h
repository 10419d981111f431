#pragma once
#include <optional>

#include "app/FaceLayout.h"

// One rectangular copy of pixels: the source rectangle (y counted from the source's top row) and where
// its top-left corner lands.
struct Blit {
    face::SheetRect source;
    face::Point destination;
};

// Shrinks a copy so that its source rectangle lies inside a source picture of the given size, moving the
// destination along; nothing when no pixel is left.
std::optional<Blit> clipToSource(const Blit& blit, int sourceWidth, int sourceHeight);
// The same for the surface drawn on.
std::optional<Blit> clipToDestination(const Blit& blit, int destinationWidth, int destinationHeight);
