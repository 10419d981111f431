#pragma once
#include <atomic>
#include <cstdint>
#include <vector>

#include "playback/ChannelMessage.h"
#include "playback/MidiOut.h"
#include "playback/PlayClock.h"
#include "playback/PlaybackTimer.h"
#include "playback/Sequencer.h"
#include "playback/SongBuffer.h"

// Where the preview's timer thread says that the song has ended (a message posted to the open dialog). The
// dialog then calls PreviewPlayer::finishIfEnded on its own thread.
class PreviewEndPoster {
  public:
    virtual ~PreviewEndPoster() = default;
    virtual void postPreviewEnded() = 0;
};

// Listening to a song in the open dialog. The file plays exactly as written: the main player's reading code
// (SongBuffer, Sequencer) with a song image and track state of its own, but no event filter, so whatever
// effect, key shift or mute the main window has set, the device hears the file's own messages. It never
// repeats. The main player is never playing meanwhile: the song dialog only opens while it is stopped.
//
// Stopping belongs to the window thread alone: at the end of the song the timer thread only marks the end
// and posts it, so a stop from the dialog and the end of the song can never free the image twice, and the
// image is freed only after the timer has been stopped (the timer is kill-synchronous).
class PreviewPlayer : private ChannelMessageSink, private TickPoster {
  public:
    enum class StartResult { started, nothingLoaded, timerFailed };

    PreviewPlayer(MidiOut& out, PlaybackTimer& timer, PreviewEndPoster& window);
    ~PreviewPlayer() override;
    PreviewPlayer(const PreviewPlayer&) = delete;
    PreviewPlayer& operator=(const PreviewPlayer&) = delete;

    // A file's bytes, read by the caller. A running preview stops first; then the device is put into a
    // known state as for any song, and the header and the first tempo are read. An empty file loads nothing.
    void load(std::vector<uint8_t> image);
    // From the beginning of the loaded song; nothing without one.
    StartResult start();
    // Stops the timer, then frees the image, then (when it was playing) silences the device as the main
    // player does at a stop.
    void stop();
    // Window thread, when the end has been posted: stops if this run of the song has ended (a stop or a new
    // start since then leaves nothing to do). Returns whether it stopped.
    bool finishIfEnded();

    bool playing() const { return playing_; }
    bool loaded() const { return song_.hasImage(); }

  private:
    void processChannelMessage(int track, const ChannelMessage& message) override;
    void trackPeriodEnded(uint8_t) override {}
    bool periodEndIsIdle(uint8_t) const override { return true; }
    void postTick() override;

    MidiOut& out_;
    PlaybackTimer& timer_;
    PreviewEndPoster& window_;
    SongBuffer song_;
    PlayClock clock_;  // kept by the sequencer, shown nowhere
    Sequencer sequencer_;
    bool playing_ = false;  // window thread only
    std::atomic<bool> endPosted_{false};
};
