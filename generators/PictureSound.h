#pragma once
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "generators/PictureBmp.h"
#include "generators/SongBuilder.h"

// One brightness level 0-51 per block of 5 x 5 pixels (narrower or lower at the right and far edges),
// band by band from grid row 0, left to right within a band; levels spanning 2 to 49 steps are then
// stretched towards the full range.
std::vector<uint8_t> blockLevels(const PictureGrid& picture);

// The song of a BMP picture read from an open stream; a picture the reader refuses gives its refusal.
GeneratedSong buildPictureSong(std::istream& in, PseudoRandom& random);
