#pragma once
#include <string>
#include <vector>

#include "effects/LiveControls.h"
#include "playback/Player.h"
#include "playback/RecordingMidiOut.h"
#include "playback/Sequencer.h"
#include "playback/VirtualTimer.h"

// A player with everything around it made virtual: a recording device, a timer the test ticks, and a
// window that handles each posted tick at once. Channel messages pass to the device unchanged.
class PlaybackRig : public PlayerHost, public TickPoster, public ChannelMessageSink {
  public:
    PlaybackRig();

    void load(std::vector<uint8_t> image);
    // Runs one timer period (stamping what it sends with its start time), then the window's tick handler
    // if the period posted a tick.
    void tick();
    void ticks(int count);
    // Ticks until playback stops; returns the number of ticks run (limit reached: limit).
    int runUntilStopped(int limit = 100000);

    // The recorded messages as "time bytes" lines, from the given index on.
    std::vector<std::string> lines(size_t from = 0) const;
    // Only the short messages with the given status kind (0x90, 0xB0, ...), as lines.
    std::vector<std::string> linesOfKind(uint8_t kind) const;

    SongBuffer song;
    RecordingMidiOut out;
    LiveControls controls;
    ShortMessageFailures failures;
    Sequencer sequencer;
    VirtualTimer timer;
    Player player;

    long nowMs = 0;
    int ticksHandled = 0;
    int nextSongListOpens = 0;
    int timerFailures = 0;
    int playingResets = 0;
    std::vector<TickUpdate> updates;

  private:
    void processChannelMessage(int track, const ChannelMessage& message) override;
    void postTick() override { ++pendingTicks_; }
    void resetForPlayback() override { ++playingResets; }
    void drawPlayButton(bool) override {}
    void drawFastForwardButton(bool) override {}
    void blankMetersAndLamps() override {}
    void timerFailed() override { ++timerFailures; }
    void openNextSongListEntry() override { ++nextSongListOpens; }

    int pendingTicks_ = 0;
};
