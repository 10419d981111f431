#include "effects/PlaybackEngine.h"

#include "tones/ChannelTone.h"

PlaybackEngine::PlaybackEngine(MidiOut& out, PlaybackTimer& timer, TickPoster& ticks, PlayerHost& host,
                               ShortMessageFailures& failures)
    : device_(out),
      host_(host),
      autoPan_(device_, controls_, song_),
      filter_(device_, controls_, effect_, tones_, clock_, autoPan_),
      live_(filter_, clock_),
      sequencer_(song_, device_, filter_, clock_, ticks),
      player_(song_, sequencer_, device_, timer, *this, failures, selection_) {}

void PlaybackEngine::loadSong(std::vector<uint8_t> image) {
    player_.loadSong(std::move(image));
    controls_.resetForSong();
    effect_.resetForSong();
    tones_.reset();
    autoPan_.reset();
    effectChanged();
}

void PlaybackEngine::resetForPlayback() {
    filter_.resetForPlayback();
    effectChanged();
    live_.songStarted();
    host_.resetForPlayback();
}

// Every note is released now: a level left standing would light the meter of a keyboard played after the
// stop.
void PlaybackEngine::silencingDevice() {
    live_.songStopped();
    for (auto& level : controls_.channelLevel)
        if (level.load(std::memory_order_relaxed) != LiveControls::notSounded)
            level.store(0, std::memory_order_relaxed);
}

void PlaybackEngine::sendUserSettings(MidiOut& out) {
    for (int channel = 0; channel < midi::channelCount; ++channel) {
        const ChannelTone tone = tones_.at(channel);
        if (tone.fixed) sendTone(out, channel, tone.program, tone.bank);
        controls_.sendFixed(channel, out);
    }
}
