#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "playback/ChannelMessage.h"
#include "playback/LyricRing.h"
#include "playback/MidiOut.h"
#include "playback/PlayClock.h"
#include "playback/PlaybackTimer.h"
#include "playback/SongBuffer.h"

// Where the timer thread tells the window that something is to be redrawn (WM_TICK in the program).
class TickPoster {
  public:
    virtual ~TickPoster() = default;
    virtual void postTick() = 0;
};

// What the window's tick handler has to redraw, taken from the sequencer's flags on the window thread.
struct TickReport {
    bool tempoRedraw = false;
    int displayTempo = 0;
    bool clockRedraw = false;
    int clockMinutes = 0;
    int clockSeconds = 0;
    bool metersLive = false;
};

// Plays the song image in place. The timer calls onTimer every period (10 ms): it keeps the play clock and
// steps each live track, handing every due channel message to the event filter. Nothing is allocated while
// playing. The tempo and the tracks' due times are rewritten from both threads (song tempo events on the
// timer thread; fast forward and the tempo buttons on the window thread), so the track stepping and
// every tempo change run under one short lock.
class Sequencer : public TimerClient {
  public:
    static constexpr int timerPeriod = 10;  // ms, also the timer's resolution
    static constexpr double fastForwardMsPerQuarter = 150.0;

    Sequencer(SongBuffer& song, MidiOut& out, ChannelMessageSink& filter, PlayClock& clock,
              TickPoster& window);

    // At load: the tempo of the song's first FF 51 (120 beats per minute without one), clamped to 400 beats
    // per minute.
    void setInitialTempo(const FirstTempo& tempo);
    // At every play start: finds the tracks and clears the per-track state, the clock and the flags.
    void rewind();
    // A jump (window thread, timer stopped): back to the state of the last play start, tempo included, so
    // that playing silently from there leaves everything as playing through would have.
    void rewindToPlayStart();
    // Plays periods timer periods at once without telling the window, as that many calls of onTimer would,
    // passing over the idle ones; stops early when the song ends. The window's next tick shows the clock and
    // the tempo as they are then.
    void playSilently(int64_t periods);
    static constexpr int periodsPerSecond = 100;
    void onTimer() override;

    // Virtual time only (the renderer, the tests), between two periods: how many of the coming periods, up
    // to limit, would do nothing but move time on, as no track has an event due, no automatic pan counts
    // and the song has not ended; and passing over them, which leaves every state as that many calls of
    // onTimer would. The window is not told of the periods passed; its next tick shows the clock as it is.
    int64_t idlePeriods(int64_t limit) const;
    void passIdlePeriods(int64_t count);

    // Applies a new tempo, stretching the remaining wait of every track by new / old. quiet leaves the
    // window's tempo read-out alone.
    void setTempo(bool quiet, double msPerQuarter);
    // The cue control: forced to 150 ms per quarter while held. Pressing does nothing while already
    // cueing or at 250 beats per minute or more (it would slow the song down).
    // Returns whether cueing started.
    bool pressFastForward();
    void releaseFastForward();
    // A song that ends while cueing goes back to the displayed tempo.
    void endFastForwardAtStop();
    bool fastForwarding() const { return fastForward_.load(std::memory_order_relaxed); }

    // Every track has ended; the window stops playback on its next tick.
    bool songEnded() const { return songEnded_.load(std::memory_order_relaxed); }
    // Window thread: the redraws a tick asks for, clearing the flags it reports.
    TickReport takeTickReport();
    // At stop: the flags that would still ask for redraws.
    void clearTickFlags();

    double msPerQuarter() const;
    int displayTempo() const { return displayTempo_.load(std::memory_order_relaxed); }
    // The tempo buttons step the displayed tempo themselves.
    void setDisplayTempo(int bpm) { displayTempo_.store(bpm, std::memory_order_relaxed); }
    int clockMinutes() const { return clock_.minutes.load(std::memory_order_relaxed); }
    int clockSeconds() const { return clock_.seconds.load(std::memory_order_relaxed); }
    void resetClock();
    // At load (timer stopped): the meta event type whose events are the song's words (FF 05 or FF 01; 0 for
    // none), each reported into lyrics() as it is played.
    void reportLyrics(uint8_t metaType) { lyricType_ = metaType; }
    // For a song being saved (timer stopped): every text event is reported, the words' type or not, so that
    // the saved song keeps its track names and texts where they were.
    void reportEveryText() { everyText_ = true; }
    LyricRing& lyrics() { return lyrics_; }
    bool gmSystemOnSeen() const { return gmSystemOnSeen_.load(std::memory_order_relaxed); }
    void clearGmSystemOnSeen() { gmSystemOnSeen_.store(false, std::memory_order_relaxed); }

  private:
    struct TrackState {
        bool deltaTaken = false;
        double trackTime = 0.0;  // ms
        double dueTime = 0.0;    // ms
        bool runningStatusValid = false;
        uint8_t trackStatus = 0;
    };

    // Returns whether a whole second passed.
    bool advanceClock();
    void rewindLocked();
    void advanceClockBy(int64_t periods);
    static int64_t periodsBeforeDue(const TrackState& state, int64_t limit);
    bool stepTracks();
    void stepTrack(int track);
    void applyTempoLocked(bool quiet, double ms);
    void applyShownTempoLocked();
    // Each returns the position after the event, or -1 when the event runs past the image (the track ends).
    int64_t playMetaEvent(int64_t typePos, bool& endOfTrack);
    int64_t playSysEx(int64_t statusPos);
    int64_t playChannelMessage(int track, int64_t dataPos);

    SongBuffer& song_;
    MidiOut& out_;
    ChannelMessageSink& filter_;
    PlayClock& clock_;
    TickPoster& window_;

    mutable std::mutex tempoMutex_;
    double msPerQuarter_ = 500.0;                              // guarded by tempoMutex_
    double pendingTempo_ = 0.0;                                // guarded by tempoMutex_
    std::array<TrackState, SongBuffer::trackSlots> tracks_{};  // guarded by tempoMutex_ while playing
    int32_t lastTempoPos_ = -1;
    // The tempo state at the last play start, which a jump plays on from.
    double playStartMsPerQuarter_ = 500.0;  // guarded by tempoMutex_
    int32_t playStartLastTempoPos_ = -1;

    std::atomic<int> displayTempo_{120};
    std::atomic<bool> fastForward_{false};
    std::atomic<int> tempoChanged_{0};  // 0 none, 1 the song changed it, 2 the window has been told
    std::atomic<bool> songEnded_{false};
    std::atomic<bool> secondTicked_{false};
    std::atomic<bool> metersLive_{false};
    std::atomic<bool> callbackBusy_{false};
    std::atomic<bool> gmSystemOnSeen_{false};
    int msAccumulator_ = 0;   // timer thread only
    uint8_t lyricType_ = 0;   // set while the timer is stopped
    bool everyText_ = false;  // likewise
    bool silent_ = false;     // playing silently to a jump's moment (window thread, timer stopped)
    LyricRing lyrics_;

    std::array<uint8_t, MidiOut::longMessageCapacity> sysexStaging_{};
};
