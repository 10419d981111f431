#pragma once
#include <windows.h>

#include "playback/PlaybackTimer.h"

// The periodic multimedia timer: calls its client every period on the timer's own thread.
class MultimediaTimer : public PlaybackTimer {
  public:
    ~MultimediaTimer() override { stop(); }
    bool start(int periodMs, TimerClient& client) override;
    void stop() override;

  private:
    static void CALLBACK onTimerEvent(UINT timerId, UINT message, DWORD_PTR user, DWORD_PTR, DWORD_PTR);

    UINT timerId_ = 0;
    UINT periodMs_ = 0;
};
