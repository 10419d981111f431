#pragma once
#include "playback/FileRecordingMidiOut.h"
#include "playback/PlaybackTimer.h"

// Stands between the playback timer and the sequencer when the program records: before each call it tells
// the recording output the play time, counted in periods from the start of playback. That is the time the
// sequencer itself keeps, and the time velmira-render gives its lines: after a jump it goes on from the
// moment jumped to, the jump's own messages included.
class PlayTimeStampingTimer : public PlaybackTimer, private TimerClient {
  public:
    PlayTimeStampingTimer(PlaybackTimer& timer, FileRecordingMidiOut& out) : timer_(timer), out_(out) {}

    bool start(int periodMs, TimerClient& client) override {
        client_ = &client;
        periodMs_ = periodMs;
        calls_ = nextStart_;
        nextStart_ = 0;
        out_.setPlayTime(calls_ * periodMs_);
        return timer_.start(periodMs, *this);
    }
    void stop() override { timer_.stop(); }
    void playTimeMoved(long periods) override {
        nextStart_ = periods;
        out_.setPlayTime(periods * periodMs_);
    }

  private:
    // Timer thread only, between start and stop.
    void onTimer() override {
        out_.setPlayTime(calls_ * periodMs_);
        ++calls_;
        client_->onTimer();
    }

    PlaybackTimer& timer_;
    FileRecordingMidiOut& out_;
    TimerClient* client_ = nullptr;
    int periodMs_ = 0;
    long calls_ = 0;
    long nextStart_ = 0;  // window thread, while stopped
};
