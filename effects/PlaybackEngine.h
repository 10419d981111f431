#pragma once
#include <cstdint>
#include <vector>

#include "effects/AutoPan.h"
#include "effects/EffectSettings.h"
#include "effects/EventFilter.h"
#include "effects/LiveControls.h"
#include "effects/LiveInput.h"
#include "playback/MidiDevice.h"
#include "playback/MidiOut.h"
#include "playback/PlayClock.h"
#include "playback/PlaybackTimer.h"
#include "playback/Player.h"
#include "playback/Sequencer.h"
#include "playback/ShortMessageFailures.h"
#include "playback/SongBuffer.h"
#include "tones/ChannelTone.h"

// Everything that plays a song, wired once: the song image, the play clock, the live controls, the effect
// settings, the tones, the automatic pan, the event filter, the live input, the sequencer, the song selection
// (the song list and "一度だけ") and the player. The main window, velmira-render and the tests each build one
// around their own device, timer and window. The parts are members in the order they are built, each built
// from parts built before it.
class PlaybackEngine : private PlayerHost {
  public:
    // ticks hears the timer thread's redraw requests; host the player's requests of the window. The engine
    // resets the filter at every playback start before it tells host.
    PlaybackEngine(MidiOut& out, PlaybackTimer& timer, TickPoster& ticks, PlayerHost& host,
                   ShortMessageFailures& failures);
    PlaybackEngine(const PlaybackEngine&) = delete;
    PlaybackEngine& operator=(const PlaybackEngine&) = delete;

    // A new song image into the device and the engine: what the player does at a load, then the per-song
    // state of the controls, the effect and the tones back to a fresh song's.
    void loadSong(std::vector<uint8_t> image);
    // The effect settings have been changed (window thread): the live input takes them for its next notes.
    void effectChanged() { live_.takeEffect(effect_); }

    // The one way to the device, for every sender (MidiDevice says which thread may do what).
    MidiDevice& out() { return device_; }
    SongBuffer& song() { return song_; }
    const SongBuffer& song() const { return song_; }
    PlayClock& clock() { return clock_; }
    LiveControls& controls() { return controls_; }
    const LiveControls& controls() const { return controls_; }
    EffectSettings& effect() { return effect_; }
    const EffectSettings& effect() const { return effect_; }
    ChannelTones& tones() { return tones_; }
    AutoPan& autoPan() { return autoPan_; }
    LiveInput& liveInput() { return live_; }
    Sequencer& sequencer() { return sequencer_; }
    const Sequencer& sequencer() const { return sequencer_; }
    Player& player() { return player_; }
    const Player& player() const { return player_; }
    SongSelection& selection() { return selection_; }
    const SongSelection& selection() const { return selection_; }

  private:
    // PlayerHost, between the player and the window's host.
    void resetForPlayback() override;
    void silencingDevice() override;
    void sendUserSettings(MidiOut& out) override;
    void drawPlayButton(bool lit) override { host_.drawPlayButton(lit); }
    void drawFastForwardButton(bool lit) override { host_.drawFastForwardButton(lit); }
    void blankMetersAndLamps() override { host_.blankMetersAndLamps(); }
    void timerFailed() override { host_.timerFailed(); }
    bool openNextSongListEntry() override { return host_.openNextSongListEntry(); }

    MidiDevice device_;
    PlayerHost& host_;
    SongBuffer song_;
    PlayClock clock_;
    LiveControls controls_;
    EffectSettings effect_;
    ChannelTones tones_;
    AutoPan autoPan_;
    EventFilter filter_;
    LiveInput live_;
    Sequencer sequencer_;
    SongSelection selection_;
    Player player_;
};
