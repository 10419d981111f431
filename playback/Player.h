#pragma once
#include "playback/ControllerChase.h"
#include "playback/LyricSheet.h"
#include "playback/MidiDevice.h"
#include "playback/MidiOut.h"
#include "playback/PlaybackTimer.h"
#include "playback/Sequencer.h"
#include "playback/ShortMessageFailures.h"
#include "playback/SongBuffer.h"
#include "playback/SongList.h"

// What the player asks of the main window: redraws, and the steps that belong to the window's own state.
class PlayerHost {
  public:
    virtual ~PlayerHost() = default;
    // Play start (after the engine has reset the event filter): the meters' bookkeeping, the pressed button.
    virtual void resetForPlayback() = 0;
    virtual void drawPlayButton(bool lit) = 0;
    virtual void drawFastForwardButton(bool lit) = 0;
    // Stop, before the device is silenced: what the engine keeps of held notes is forgotten.
    virtual void silencingDevice() {}
    // A jump, once the device has been reset as at a load: the settings the user has made for this song
    // (locked tones, fixed cells, master volume), which the reset took from the device.
    virtual void sendUserSettings(MidiOut&) {}
    // Stop: the level meters and pitch-class lamps go dark (in the large view).
    virtual void blankMetersAndLamps() = 0;
    // The timer could not be started: tell the user and close the program.
    virtual void timerFailed() = 0;
    // Loop mode at the end of a song: move to the next song-list entry (wrapping) and open it. Returns
    // whether a song is loaded that can play.
    virtual bool openNextSongListEntry() = 0;
};

// A player without a window (the renderer, a saved song, the tests): nothing to draw, no song list.
class WindowlessPlayerHost : public PlayerHost {
  public:
    void resetForPlayback() override {}
    void drawPlayButton(bool) override {}
    void drawFastForwardButton(bool) override {}
    void blankMetersAndLamps() override {}
    void timerFailed() override {}
    bool openNextSongListEntry() override { return false; }
};

// What the window redraws for one WM_TICK.
struct TickUpdate {
    bool stopped = false;  // the song ended and playback was stopped (and perhaps restarted)
    TickReport redraw;
};

// Starting, stopping and loading songs: the decisions behind the play and stop controls, the end of a song
// (repeat, song list) and a song load's messages to the device.
class Player {
  public:
    enum StopReason { songFinished = 0, userStop = 1 };

    // selection: "一度だけ" and the song-list mode, which the end of a song reads and ends.
    // device is what every part of the engine sends through; a jump captures the song's messages there.
    Player(SongBuffer& song, Sequencer& sequencer, MidiDevice& device, PlaybackTimer& timer, PlayerHost& host,
           ShortMessageFailures& failures, SongSelection& selection);

    // A new song image: the device is put into a known state (reset-all-controllers on every channel, then
    // the GS reset), then the header, the first tempo and the words are read.
    void loadSong(std::vector<uint8_t> image);
    static const uint8_t gsReset[11];

    void startPlayback();
    void stopPlayback(StopReason reason);
    // Moves the playing song to the whole second `seconds` of its playing time: what sounds now ends, the
    // song plays silently from its start to there, and the device is given the state it would have there:
    // the load's reset, the song's system exclusive messages, the user's settings for the song, then each
    // channel's tone, controllers, parameters, bend and pressure. Playback goes on from there. Past the
    // end, the song ends. Refused (false) while stopped or cueing.
    bool jumpTo(int seconds);
    // The window's WM_TICK handler.
    TickUpdate onTick();

    bool playing() const { return playing_; }
    // The loaded song's words; the sequencer reports each as it is played.
    const LyricSheet& lyrics() const { return lyrics_; }

    // The 17 messages that put the device into a known state at every song load.
    static void sendLoadMessages(MidiOut& out);
    // The 48 messages that silence the device at every stop.
    static void sendStopMessages(MidiOut& out);

  private:
    SongBuffer& song_;
    Sequencer& sequencer_;
    MidiDevice& out_;
    ControllerChase chase_;  // window thread only
    PlaybackTimer& timer_;
    PlayerHost& host_;
    ShortMessageFailures& failures_;
    SongSelection& selection_;
    bool playing_ = false;
    LyricSheet lyrics_;
};
