#pragma once
#include "playback/PlaybackTimer.h"

// A timer that never fires by itself: whoever holds it calls onTimer, one period of virtual time a call.
// Used by the renderer and the tests, which play songs without waiting.
class VirtualTimer : public PlaybackTimer {
  public:
    bool start(int periodMs, TimerClient& client) override {
        if (failNextStart) {
            failNextStart = false;
            return false;
        }
        periodMs_ = periodMs;
        client_ = &client;
        ++starts;
        return true;
    }
    void stop() override {
        if (client_) ++stops;
        client_ = nullptr;
    }

    bool running() const { return client_ != nullptr; }
    int periodMs() const { return periodMs_; }
    // One period: calls the client when the timer runs; returns whether it did.
    bool tick() {
        if (!client_) return false;
        client_->onTimer();
        return true;
    }

    bool failNextStart = false;
    int starts = 0;
    int stops = 0;  // of a running timer

  private:
    TimerClient* client_ = nullptr;
    int periodMs_ = 0;
};
