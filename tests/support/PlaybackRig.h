#pragma once
#include <string>
#include <vector>

#include "playback/RecordingMidiOut.h"
#include "tests/support/Steps.h"
#include "tests/support/VirtualPlayer.h"

// Recorded messages as "time bytes" lines, from the given index on.
std::vector<std::string> messageLines(const std::vector<RecordingMidiOut::Message>& messages,
                                      size_t from = 0);

// A player over a recording device whose window handles each posted tick at once.
class PlaybackRig : public VirtualPlayer<RecordingMidiOut> {
  public:
    // Runs timer periods while the timer runs (stamping what each sends with its start time), each followed
    // by the window's tick handler if the period posted a tick.
    void tick(int count = 1);
    // Ticks until playback stops, or the limit.
    void runUntilStopped(int limit = 100000) { tick(limit); }

    // The recorded messages as "time bytes" lines, from the given index on.
    std::vector<std::string> lines(size_t from = 0) const { return messageLines(out.messages(), from); }
    // Only the short messages with the given status kind (0x90, 0xB0, ...), as lines.
    std::vector<std::string> linesOfKind(uint8_t kind) const;

    long nowMs = 0;
    int nextSongListOpens = 0;
    bool nextEntryPlays = true;  // what the window's next song-list entry leaves loaded
    int timerFailures = 0;
    std::vector<bool> playDrawn, fastForwardDrawn;  // lit or not, each time the button is drawn
    std::vector<TickUpdate> updates;

  private:
    void postTick() override { ++pendingTicks_; }
    void timerFailed() override { ++timerFailures; }
    void drawPlayButton(bool lit) override { playDrawn.push_back(lit); }
    void drawFastForwardButton(bool lit) override { fastForwardDrawn.push_back(lit); }
    bool openNextSongListEntry() override {
        ++nextSongListOpens;
        return nextEntryPlays;
    }

    int pendingTicks_ = 0;
};
