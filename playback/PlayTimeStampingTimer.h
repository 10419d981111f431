#pragma once
#include "playback/FileRecordingMidiOut.h"
#include "playback/PlaybackTimer.h"

// Stands between the playback timer and the sequencer when the program records: before each call it tells
// the recording output the play time, counted in periods from the start of playback. That is the time the
// sequencer itself keeps, and the time velmira-render gives its lines.
class PlayTimeStampingTimer : public PlaybackTimer, private TimerClient {
  public:
    PlayTimeStampingTimer(PlaybackTimer& timer, FileRecordingMidiOut& out) : timer_(timer), out_(out) {}

    bool start(int periodMs, TimerClient& client) override {
        client_ = &client;
        periodMs_ = periodMs;
        calls_ = 0;
        out_.setPlayTime(0);
        return timer_.start(periodMs, *this);
    }
    void stop() override { timer_.stop(); }

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
};
