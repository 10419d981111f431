#pragma once
#include <array>
#include <atomic>

#include "effects/AutoPan.h"
#include "effects/ChannelEffectState.h"
#include "effects/EffectSettings.h"
#include "effects/HeldKeys.h"
#include "effects/LiveControls.h"
#include "playback/ChannelMessage.h"
#include "playback/MidiOut.h"
#include "playback/PlayClock.h"
#include "tones/ChannelTone.h"

// Every channel message of a playing song passes here on its way to the MIDI output: the pitch effect
// remaps notes inside the effect window, the live controls of the face and the tone lock are applied, the
// channel read-outs are updated, and the result is sent (or dropped). A song's note-off releases exactly
// what its note-on sent (HeldKeys), outside the drum channel, whose keys nothing moves.
//
// Runs on the timer thread, one message at a time: fixed work per message, no allocation, no lock of its
// own (the device's short one aside). The effect settings are read as plain values because the window
// changes them only while playback is stopped.
class EventFilter : public ChannelMessageSink {
  public:
    // The effect window is measured on clock's whole seconds since playback started.
    EventFilter(MidiOut& out, LiveControls& controls, const EffectSettings& settings, ChannelTones& tones,
                const PlayClock& clock, AutoPan& autoPan);

    // Called when playback starts, while the timer is stopped: every channel starts plain again, no key is
    // held, and the read-outs go back to "not sounded".
    void resetForPlayback();

    // message.status is 0x80-0xEF. Sends zero, one or two short messages.
    void processChannelMessage(int track, const ChannelMessage& message) override;
    // Everything after the pitch effect: key shift, solo, mute, doubling, tone lock, fixed controllers,
    // read-outs, the pan under auto-pan, and the send. Data bytes 0-127; safe on any thread besides the
    // timer's (the live input's), since it touches only atomics and the device.
    SentNote passOn(int status, int data1, int data2);
    // A message to the keys an earlier pass sent (their release, their key pressure): only the read-outs
    // and the send, since the keys are already the ones the device sounds.
    void sendToSentKeys(int status, const SentNote& sent, int value);
    void trackPeriodEnded(uint8_t runningStatus) override { autoPan_.step(runningStatus); }
    bool periodEndIsIdle(uint8_t runningStatus) const override { return !autoPan_.sweeps(runningStatus); }

    const ChannelEffectState& effectState(int channel) const { return effectStates_[channel]; }

  private:
    void startNote(int status, int key, int velocity);
    void releaseNote(int status, int key, int value);
    void applyControls(int channel, int kind, int& key, int& value) const;
    void applyToneLock(int channel, int kind, int& data1, int& data2);
    void followToneLock(int status, int data1, int data2);
    int overriddenController(int channel, int controller, int value) const;
    void updateReadouts(int channel, int kind, int key, int value);

    MidiOut& out_;
    LiveControls& controls_;
    const EffectSettings& settings_;
    ChannelTones& tones_;
    const PlayClock& clock_;
    AutoPan& autoPan_;
    std::array<ChannelEffectState, LiveControls::channelCount> effectStates_{};
    HeldKeys held_;
};
