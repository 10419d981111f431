#include "app/PlayedSong.h"

#include "effects/SongRendering.h"
#include "playback/MessagesAsSmf.h"
#include "playback/MidiVocabulary.h"
#include "tones/ToneMessages.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;

// The window's settings on the rendering's engine, freshly loaded with the same song.
void takeSettings(PlaybackEngine& window, PlaybackEngine& engine) {
    engine.effect() = window.effect();
    engine.controls().copyControls(window.controls());
    for (int channel = 0; channel < midi::channelCount; ++channel) {
        const ChannelTone tone = window.tones().at(channel);
        if (tone.fixed) engine.tones().fix(channel, tone.program, tone.bank);
        // A format 0 song has one swept channel; the window refused a speed to any other.
        const int speed = window.autoPan().speed[channel].load(relaxed);
        if (speed > 0) engine.autoPan().setSpeed(channel, speed);
    }
}

// What the window's device already holds for those settings: the face sent each fixed value when its cell
// changed, and the tone dialog the tone it locked.
void sendHeldSettings(const LiveControls& controls, ChannelTones& tones, MidiOut& out) {
    using namespace midi::controller;
    const bool allVolumes = controls.volumeAllFixed.load(relaxed);
    for (int channel = 0; channel < midi::channelCount; ++channel) {
        const uint8_t status = midi::statusOf(midi::controlChange, channel);
        auto sendFixed = [&](uint8_t controller, bool fixed, const std::atomic<uint8_t>& value) {
            if (fixed) out.sendShortMessage(status, controller, value.load(relaxed));
        };
        sendFixed(volume, allVolumes || controls.volumeFixed[channel].load(relaxed),
                  controls.volumeValue[channel]);
        sendFixed(reverb, controls.reverbFixed[channel].load(relaxed), controls.reverbValue[channel]);
        sendFixed(chorus, controls.chorusFixed[channel].load(relaxed), controls.chorusValue[channel]);
        sendFixed(modulation, controls.modulationFixed[channel].load(relaxed),
                  controls.modulationValue[channel]);
        const ChannelTone tone = tones.at(channel);
        if (tone.fixed) sendTone(out, channel, tone.program, tone.bank);
    }
}
}  // namespace

std::vector<uint8_t> playedSongAsSmf(PlaybackEngine& window) {
    SongRendering rendering;
    rendering.load(window.song().image());
    PlaybackEngine& engine = rendering.engine();
    takeSettings(window, engine);
    sendHeldSettings(engine.controls(), engine.tones(), rendering.device());
    rendering.playToEnd();

    const std::vector<RecordingMidiOut::Message>& messages = rendering.messages();
    const std::vector<RecordingMidiOut::Message> played(messages.begin() + long(rendering.loadEnd()),
                                                        messages.begin() + long(rendering.stopStart()));
    // The song's last track ended in the period before the one that stopped it; the file ends there too, so
    // that it stops at the same time.
    return messagesAsSmf(played, rendering.stopMs() - Sequencer::timerPeriod);
}
