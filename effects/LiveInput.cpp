#include "effects/LiveInput.h"

#include "effects/PitchRules.h"

using namespace midi;

void LiveInput::receive(const uint8_t* bytes, size_t count) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (size_t i = 0; i < count; ++i)
        if (const std::optional<ChannelMessage> message = stream_.feed(bytes[i])) play(*message);
}

void LiveInput::takeEffect(const EffectSettings& effect) {
    std::lock_guard<std::mutex> lock(mutex_);
    effect_ = effect;
}

void LiveInput::songStarted() {
    std::lock_guard<std::mutex> lock(mutex_);
    songPlaying_ = true;
}

void LiveInput::songStopped() {
    std::lock_guard<std::mutex> lock(mutex_);
    songPlaying_ = false;
    held_.clear();
}

void LiveInput::play(const ChannelMessage& message) {
    heard_.store(true, std::memory_order_relaxed);
    const int kind = kindOf(message.status);
    if (kind == noteOn && message.data2 > 0) {
        startNote(message.status, message.data1, message.data2);
    } else if (kind == noteOn || kind == noteOff) {
        filter_.sendToSentKeys(message.status, held_.release(channelOf(message.status), message.data1).sent,
                               message.data2);
    } else if (kind == keyPressure) {
        filter_.sendToSentKeys(message.status, held_.at(channelOf(message.status), message.data1).sent,
                               message.data2);
    } else {
        filter_.passOn(message.status, message.data1, message.data2);
    }
}

// A key struck again without a release in between (a broken device, a lost note-off) releases what it
// sounded before, where that is another key by now.
void LiveInput::startNote(int status, int key, int velocity) {
    const int channel = channelOf(status);
    int sentKey = key;
    if (channel != drumChannel && effect_.type != EffectType::none && remapsNow()) {
        const RemappedKey remapped = remapKey(effect_, key);
        sentKey = remapped.key;
        if (remapped.silenced) velocity = 0;
    }
    const SentNote sent = filter_.passOn(status, sentKey, velocity);
    // A silenced key sounds nothing, so there is nothing for its note-off to release.
    if (sent.sounding)
        filter_.sendToSentKeys(statusOf(noteOn, channel), held_.strike(channel, key, sent, 0).sent, 0);
}

bool LiveInput::remapsNow() const {
    if (!songPlaying_) return true;
    const int seconds = clock_.playSeconds.load(std::memory_order_relaxed);
    return seconds >= effect_.window.start && seconds <= effect_.window.end;
}
