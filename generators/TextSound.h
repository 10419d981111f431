#pragma once
#include <cstdint>
#include <iosfwd>
#include <vector>

#include "generators/GeneratorError.h"
#include "generators/SongBuilder.h"

// A text file makes a song when it is 256 to 16000 bytes long, both inclusive.
constexpr uint64_t minTextSourceSize = 256;
constexpr uint64_t maxTextSourceSize = 16000;

// The size refusal of a text file of |length| bytes, or none.
GeneratorError checkTextSize(uint64_t length);

// Reads a whole text file from an open stream, refusing it by its length before anything is read.
GeneratorError readTextSource(std::istream& in, std::vector<uint8_t>& text);

// The song of a text's bytes; refuses a text of a size the command would not read.
GeneratedSong buildTextSong(const std::vector<uint8_t>& text, PseudoRandom& random);
