// The three toggles of each channel row: solo, mute and octave doubling. Solo and doubling are each held
// by one channel at a time, and a muted channel can hold neither.
#include "app/FaceControls.h"
#include "app/FaceLayout.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;
}  // namespace

void FaceControls::switchToggle(int x, int y) {
    const auto toggle = face::toggleAt(x, y);
    if (!toggle || !hasSounded(toggle->channel)) return;
    switch (toggle->column) {
        case FaceState::soloToggle:
            switchSolo(toggle->channel);
            break;
        case FaceState::muteToggle:
            switchMute(toggle->channel);
            break;
        default:
            switchOctaveDouble(toggle->channel);
            break;
    }
}

void FaceControls::switchSolo(int channel) {
    auto& toggles = face_.channelToggles[channel];
    const bool on = !toggles[FaceState::soloToggle] && !toggles[FaceState::muteToggle];
    toggles[FaceState::soloToggle] = on;
    const int holder = controls_.soloChannel.load(relaxed);
    if (on) {
        if (holder != LiveControls::noChannel && holder != channel) {
            face_.channelToggles[holder][FaceState::soloToggle] = false;
            drawing_.drawToggle(holder, FaceState::soloToggle);
        }
        controls_.soloChannel.store(channel, relaxed);
    } else if (holder == channel) {
        controls_.soloChannel.store(LiveControls::noChannel, relaxed);
    }
    drawing_.drawToggle(channel, FaceState::soloToggle);
}

void FaceControls::switchMute(int channel) {
    auto& toggles = face_.channelToggles[channel];
    const bool on = !toggles[FaceState::muteToggle];
    toggles[FaceState::muteToggle] = on;
    controls_.channelMuted[channel].store(on, relaxed);
    if (on) {
        if (toggles[FaceState::soloToggle]) {
            toggles[FaceState::soloToggle] = false;
            drawing_.drawToggle(channel, FaceState::soloToggle);
            if (controls_.soloChannel.load(relaxed) == channel)
                controls_.soloChannel.store(LiveControls::noChannel, relaxed);
        }
        if (toggles[FaceState::octaveToggle]) {
            toggles[FaceState::octaveToggle] = false;
            drawing_.drawToggle(channel, FaceState::octaveToggle);
            // The doubling ends before the channel is silenced, so no new lower copy can start after it.
            if (controls_.octaveDoubleChannel.load(relaxed) == channel)
                controls_.octaveDoubleChannel.store(LiveControls::noChannel, relaxed);
            allSoundOff(channel);
        }
    }
    drawing_.drawToggle(channel, FaceState::muteToggle);
}

void FaceControls::switchOctaveDouble(int channel) {
    // An octave-lower copy of a drum note would be another instrument; the drum channel is never doubled,
    // and the click changes nothing.
    if (channel == midi::drumChannel) return;
    auto& toggles = face_.channelToggles[channel];
    const bool on = !toggles[FaceState::octaveToggle] && !toggles[FaceState::muteToggle];
    toggles[FaceState::octaveToggle] = on;
    const int holder = controls_.octaveDoubleChannel.load(relaxed);
    if (on) {
        controls_.octaveDoubleChannel.store(channel, relaxed);
        if (holder != LiveControls::noChannel && holder != channel) {
            face_.channelToggles[holder][FaceState::octaveToggle] = false;
            allSoundOff(holder);
            drawing_.drawToggle(holder, FaceState::octaveToggle);
        }
    } else if (holder == channel) {
        controls_.octaveDoubleChannel.store(LiveControls::noChannel, relaxed);
    }
    // The lower copies still sounding would otherwise never be released.
    allSoundOff(channel);
    drawing_.drawToggle(channel, FaceState::octaveToggle);
}
