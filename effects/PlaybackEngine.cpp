#include "effects/PlaybackEngine.h"

PlaybackEngine::PlaybackEngine(MidiOut& out, PlaybackTimer& timer, TickPoster& ticks, PlayerHost& host,
                               ShortMessageFailures& failures)
    : route_(out),
      host_(host),
      autoPan_(route_, controls_, song_),
      filter_(route_, controls_, effect_, tones_, clock_, autoPan_),
      sequencer_(song_, route_, filter_, clock_, ticks),
      player_(song_, sequencer_, route_, timer, *this, failures, selection_) {}

void PlaybackEngine::loadSong(std::vector<uint8_t> image) {
    player_.loadSong(std::move(image));
    controls_.resetForSong();
    effect_.resetForSong();
    tones_.reset();
    autoPan_.reset();
}

void PlaybackEngine::resetForPlayback() {
    filter_.resetForPlayback();
    host_.resetForPlayback();
}
