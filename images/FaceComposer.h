#pragma once
#include <functional>
#include <string>

#include "images/DibImage.h"
#include "images/ImageError.h"
#include "images/SkinBmp.h"

// Receives the percentage done after each composed row, for the dialog to show while it waits.
using ConversionProgress = std::function<void(int percent)>;

// Makes a new 788 x 540 24-bit face: the picture, of any size and of 1, 4, 8, 16 or 24 bits, is
// stretched bilinearly to the face (its proportions are not kept) and shows wherever the mask is pure
// red; everywhere else the mask's own colour stays, so the controls drawn in it remain on top. On
// success face is the new face; on failure it is untouched.
ImageError makeFaceFromPicture(const DibImage& picture, const MaskGrid& mask, DibImage& face,
                               const ConversionProgress& progress);
