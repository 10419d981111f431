#pragma once

// What the periodic timer calls: the sequencer in the program and the preview player in the file dialog.
class TimerClient {
  public:
    virtual ~TimerClient() = default;
    virtual void onTimer() = 0;
};

// The periodic timer behind playback. The program uses the multimedia timer (one call every period,
// on the timer's own thread); tests use a virtual timer and call onTimer themselves, each call being one
// period of virtual time.
class PlaybackTimer {
  public:
    virtual ~PlaybackTimer() = default;
    virtual bool start(int periodMs, TimerClient& client) = 0;
    virtual void stop() = 0;
    // A jump has moved the play time to this many periods since the song's start, while the timer was
    // stopped; the next start goes on from there. Only a timer that stamps the play time minds.
    virtual void playTimeMoved(long) {}
};
