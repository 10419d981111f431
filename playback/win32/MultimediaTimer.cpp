#include "playback/win32/MultimediaTimer.h"

#include <mmsystem.h>

bool MultimediaTimer::start(int periodMs, TimerClient& client) {
    stop();
    periodMs_ = UINT(periodMs);
    timeBeginPeriod(periodMs_);
    // Kill-synchronous: once stop() returns, no callback is running or will run, so the song image and
    // the sequencer may be changed freely after a stop.
    timerId_ = timeSetEvent(periodMs_, periodMs_, &MultimediaTimer::onTimerEvent, DWORD_PTR(&client),
                            TIME_PERIODIC | TIME_CALLBACK_FUNCTION | TIME_KILL_SYNCHRONOUS);
    if (timerId_ == 0) {
        timeEndPeriod(periodMs_);
        return false;
    }
    return true;
}

void MultimediaTimer::stop() {
    if (timerId_ == 0) return;
    timeKillEvent(timerId_);
    timeEndPeriod(periodMs_);
    timerId_ = 0;
}

void CALLBACK MultimediaTimer::onTimerEvent(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    reinterpret_cast<TimerClient*>(user)->onTimer();
}
