#pragma once
#include <cstdint>
#include <vector>

#include "effects/PlaybackEngine.h"

// The loaded song as the window would play it from the start now, as a Standard MIDI File: played in
// virtual time by an engine of its own with the window's effect, effect window, key signature and pitch
// map, transpose, solo, mute, doubling, fixed controller cells, auto-pan speeds and locked tones. It opens
// with what the face and the tone dialog have already sent to the device for those settings, and holds
// every message the song then sends, at its time, up to the song's end, and the song's text events (words,
// track names, texts) where they were played; the load's reset and the closing stop are left out, since
// whatever plays the file sends its own. Reads the window's engine only.
std::vector<uint8_t> playedSongAsSmf(PlaybackEngine& window);
