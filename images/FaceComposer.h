#pragma once
#include <functional>
#include <string>

#include "images/DibImage.h"
#include "images/ImageResult.h"
#include "images/SkinBmp.h"

// Receives "変換 = %d" after each composed row, for the dialog to show while it waits.
using ConversionProgress = std::function<void(const std::string& text)>;

constexpr const char* composeNoMemoryMessage = "メモリ確保に失敗しました。";

// Makes a new 788 x 540 24-bit face: the picture, of any size and of 1, 4, 8, 16 or 24 bits, is
// stretched bilinearly to the face (its proportions are not kept) and shows wherever the mask is pure
// red; everywhere else the mask's own colour stays, so the controls drawn in it remain on top. On
// success face is the new face; on failure it is untouched.
ImageResult makeFaceFromPicture(const DibImage& picture, const MaskGrid& mask, DibImage& face,
                                const ConversionProgress& progress);
