#pragma once
#include "images/SkinBmp.h"

// The face's worst case for the composer: the picture shows everywhere.
inline MaskGrid allPicture() {
    MaskGrid mask;
    for (int row = 0; row < faceHeight; ++row)
        for (int column = 0; column < faceWidth; ++column) mask.set(column, row, MaskGrid::showsPicture);
    return mask;
}
