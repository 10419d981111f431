#include "effects/EventFilter.h"

#include <algorithm>
#include <cstdint>

#include "effects/PitchRules.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;

// The filter runs on the timer thread and must never wait.
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<uint8_t>::is_always_lock_free &&
              std::atomic<int>::is_always_lock_free);

using namespace midi;
using namespace midi::controller;

constexpr int lowestShiftedKey = 1;
constexpr int highestKey = 127;
constexpr int octave = 12;

bool isNoteMessage(int kind) {
    return kind == noteOff || kind == noteOn;
}
// A note-on with velocity 0 is a release everywhere.
bool isSoundingNoteOn(int kind, int value) {
    return kind == noteOn && value > 0;
}

bool isToneMessage(int kind, int data1) {
    return kind == programChange || (kind == controlChange && data1 == bankSelect);
}
}  // namespace

EventFilter::EventFilter(MidiOut& out, LiveControls& controls, const EffectSettings& settings,
                         ChannelTones& tones, const PlayClock& clock, AutoPan& autoPan)
    : out_(out), controls_(controls), settings_(settings), tones_(tones), clock_(clock), autoPan_(autoPan) {}

void EventFilter::resetForPlayback() {
    effectStates_.fill(ChannelEffectState{});
    held_.clear();
    controls_.clearReadouts();
}

void EventFilter::processChannelMessage(int, const ChannelMessage& message) {
    const int status = message.status;
    const int kind = kindOf(status);
    const int channel = channelOf(status);
    // A data byte never has its top bit set; a stray one from a damaged file must neither reach the device
    // as a status byte nor write the "not sounded" mark into the read-outs.
    int data1 = message.data1 & dataMask;
    int data2 = message.data2 & dataMask;
    if (channel == drumChannel || !isNoteMessage(kind))
        passOn(status, data1, data2);
    else if (isSoundingNoteOn(kind, data2))
        startNote(status, data1, data2);
    else
        releaseNote(status, data1, data2);
}

SentNote EventFilter::passOn(int status, int data1, int data2) {
    const int kind = kindOf(status);
    const int channel = channelOf(status);
    SentNote sent;
    applyControls(channel, kind, data1, data2);
    if (channel != drumChannel && isNoteMessage(kind) &&
        channel == controls_.octaveDoubleChannel.load(relaxed)) {
        const uint8_t doubled = uint8_t(foldIntoKeyRange(data1 - octave));
        out_.sendShortMessage(uint8_t(status), doubled, uint8_t(data2));
        sent.keys[sent.count++] = doubled;
    }
    applyToneLock(channel, kind, data1, data2);
    if (kind == controlChange) data2 = overriddenController(channel, data1, data2);
    if (isNoteMessage(kind)) updateReadouts(channel, kind, data1, data2);
    if (kind == controlChange && data1 == pan && autoPan_.overridesPan(channel)) return sent;
    out_.sendShortMessage(uint8_t(status), uint8_t(data1), uint8_t(data2));
    if (isToneMessage(kind, data1)) followToneLock(status, data1, data2);
    if (isNoteMessage(kind)) {
        sent.keys[sent.count++] = uint8_t(data1);
        sent.sounding = isSoundingNoteOn(kind, data2);
    }
    return sent;
}

void EventFilter::sendToSentKeys(int status, const SentNote& sent, int value) {
    for (int i = 0; i < sent.count; ++i) {
        if (isNoteMessage(kindOf(status)))
            updateReadouts(channelOf(status), kindOf(status), sent.keys[i], value);
        out_.sendShortMessage(uint8_t(status), sent.keys[i], uint8_t(value));
    }
}

void EventFilter::startNote(int status, int key, int velocity) {
    const int channel = channelOf(status);
    ChannelEffectState& state = effectStates_[channel];
    const bool affects = settings_.type != EffectType::none;
    const bool remapped = affects && state.remapsNow(clock_.playSeconds.load(relaxed), settings_.window);
    int sentKey = key;
    if (remapped) {
        const RemappedKey remap = remapKey(settings_, key);
        sentKey = remap.key;
        if (remap.silenced) velocity = 0;
    }
    const bool sounding = velocity > 0;
    const SentNote sent = passOn(status, sentKey, velocity);
    // Even a note-on silenced on its way is held, so that its release goes where it went.
    const uint8_t count = affects ? uint8_t(state.strike(remapped, sounding, settings_.window))
                                  : uint8_t(ChannelEffectState::notCounted);
    const HeldKeys::Held replaced = held_.strike(channel, key, sent, count);
    if (replaced.strikes == 0) return;
    state.release(replaced.tag, replaced.strikes);
    sendToSentKeys(statusOf(noteOn, channel), replaced.sent, 0);
}

void EventFilter::releaseNote(int status, int key, int value) {
    const HeldKeys::Held held = held_.release(channelOf(status), key);
    // A key that is not held (a stray note-off in the file) goes out as the file has it.
    if (held.strikes == 0) {
        passOn(status, key, value);
        return;
    }
    effectStates_[channelOf(status)].release(held.tag, 1);
    sendToSentKeys(status, held.sent, value);
}

// Key shift, solo and mute. Every key-carrying message leaves here inside 0-127.
void EventFilter::applyControls(int channel, int kind, int& key, int& value) const {
    if (kind > keyPressure) return;
    if (channel != drumChannel && controls_.keyShiftActive.load(relaxed)) {
        // Computed wide: an effect may already have moved the key far out of range.
        const int64_t shifted = int64_t(key) + controls_.keyShift.load(relaxed);
        key = int(std::clamp<int64_t>(shifted, lowestShiftedKey, highestKey));
    }
    key = foldIntoKeyRange(key);
    if (kind != noteOn) return;
    if (value > 0) controls_.channelPlayed[channel].store(true, relaxed);
    const int solo = controls_.soloChannel.load(relaxed);
    if (solo != LiveControls::noChannel && solo != channel) value = 0;
    if (controls_.channelMuted[channel].load(relaxed)) value = 0;
}

// While the user has locked the channel's tone, the song's value gives way to it; otherwise the song's
// value becomes the channel's tone.
void EventFilter::applyToneLock(int channel, int kind, int& data1, int& data2) {
    if (kind == programChange) {
        data1 = tones_.takeSongProgram(channel, uint8_t(data1));
    } else if (kind == controlChange && data1 == bankSelect) {
        data2 = tones_.takeSongBank(channel, uint8_t(data2));
    }
}

// The tone dialog's OK may lock the channel between the song's value going into the tone and its message
// reaching the device, and the dialog cannot tell whether that message is still to come. Counting the
// message once it has gone out closes the gap: either the lock is seen here and its value follows the
// song's, or the count went in before the lock, the dialog sees it changed and sends its choice last.
void EventFilter::followToneLock(int status, int data1, int data2) {
    const ChannelTone tone = tones_.songToneSent(channelOf(status));
    if (!tone.fixed) return;
    if (kindOf(status) == programChange) {
        if (tone.program != data1) out_.sendShortMessage(uint8_t(status), tone.program, uint8_t(data2));
    } else if (tone.bank != data2) {
        out_.sendShortMessage(uint8_t(status), uint8_t(data1), tone.bank);
    }
}

int EventFilter::overriddenController(int channel, int controller, int value) const {
    for (int cell = 0; cell < LiveControls::fixedCellCount; ++cell)
        if (LiveControls::fixedControllers[size_t(cell)].number == controller)
            return controls_.overrides(cell, channel) ? controls_.fixedValue(cell, channel) : value;
    return value;
}

void EventFilter::updateReadouts(int channel, int kind, int key, int value) {
    if (isSoundingNoteOn(kind, value)) {
        controls_.channelLevel[channel].store(uint8_t(value), relaxed);
        controls_.channelPitchClass[channel].store(uint8_t(pitchClassOf(key)), relaxed);
    } else {
        controls_.channelLevel[channel].store(0, relaxed);
    }
}
