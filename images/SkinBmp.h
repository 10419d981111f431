#pragma once
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <vector>

#include "images/DibImage.h"
#include "images/SkinSizes.h"

// Readers of the skin pictures ("Main.bmp", a saved face and "Mask.bmp"; "Button.bmp"). Each first
// releases the image it fills, then accepts only an uncompressed 24-bit BMP of exactly its size, stored
// bottom row first, whose pixels follow the headers and are all in the file. They show nothing: the
// caller has its own message for each file.
bool readFaceBmp(std::istream& in, DibImage& face);
bool readButtonBmp(std::istream& in, DibImage& buttonSheet);

// The colours of "Mask.bmp" as packed colours: where a pixel is exactly pure red (packed 255) a new
// background picture shows through; every other pixel is part of the face drawn over the picture.
class MaskGrid {
  public:
    static constexpr uint32_t showsPicture = 255;

    MaskGrid() : cells_(size_t(faceWidth) * faceHeight, 0) {}
    // Row 0 is the bottom row of the picture, as the rows are stored.
    uint32_t at(int column, int row) const { return cells_[size_t(row) * faceWidth + column]; }
    void set(int column, int row, uint32_t packed) { cells_[size_t(row) * faceWidth + column] = packed; }
    const uint32_t* row(int row) const { return &cells_[size_t(row) * faceWidth]; }

  private:
    std::vector<uint32_t> cells_;
};

// Converts a mask read by readFaceBmp; nothing for an image of any other size or depth.
std::optional<MaskGrid> makeMaskGrid(const DibImage& mask);
