#pragma once
#include <cstdint>
#include <vector>

// The song the tone column is tried on. Channel 4 plays a note on program 33, then, four quarters later,
// sets bank 2 and program 34 and plays another. Channel 6 never sounds. The GM System On, when asked for,
// comes first.
std::vector<uint8_t> toneColumnSong(bool withGmSystemOn = false);
