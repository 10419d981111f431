#include "app/PlayedSong.h"

#include "effects/SongRendering.h"
#include "playback/MessagesAsSmf.h"
#include "playback/MidiVocabulary.h"
#include "tones/ChannelTone.h"

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
    for (int channel = 0; channel < midi::channelCount; ++channel) {
        controls.sendFixed(channel, out);
        const ChannelTone tone = tones.at(channel);
        if (tone.fixed) sendTone(out, channel, tone.program, tone.bank);
    }
}
// The played messages with the song's text events (its words, track names, texts) put back where they were
// played, each as the meta event it was read from (FF, its type, its data), before the messages of its timer
// period.
std::vector<RecordingMidiOut::Message> withTexts(const std::vector<RecordingMidiOut::Message>& played,
                                                 const SongRendering& rendering, const SongBuffer& song) {
    std::vector<RecordingMidiOut::Message> merged;
    merged.reserve(played.size() + rendering.playedTexts().size());
    auto message = played.begin();
    for (const SongRendering::PlayedText& text : rendering.playedTexts()) {
        for (; message != played.end() && message->timeMs < text.timeMs; ++message)
            merged.push_back(*message);
        // The sequencer reported the event, so its length and data lie inside the image.
        const VarLen length = readVarLen(song, text.position + 1);
        std::vector<uint8_t> bytes = {midi::metaEvent, song.byteAt(text.position)};
        const uint8_t* data = song.image().data() + length.next;
        bytes.insert(bytes.end(), data, data + length.value);
        merged.push_back({text.timeMs, MessageBytes(bytes.data(), bytes.size())});
    }
    merged.insert(merged.end(), message, played.end());
    return merged;
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
    return messagesAsSmf(withTexts(played, rendering, engine.song()),
                         rendering.stopMs() - Sequencer::timerPeriod);
}
