#pragma once
#include <atomic>
#include <optional>

#include "playback/DeviceError.h"

// A lost device fails every message the player sends, from the timer thread. Rather than a message box per
// note, the first failure of a playback is kept here and shown once by the window thread; later failures
// are dropped quietly until the next playback start.
class ShortMessageFailures {
  public:
    // Any thread: notes a failed send. Only a lost or busy device is worth telling the user about.
    void record(DeviceError error);
    // Window thread: the failure noted since the last call, once per playback; nothing when there is
    // nothing to show.
    std::optional<DeviceError> takeFailure();
    // At every playback start: the next failure is shown again. One noted while stopped (at a load or a
    // stop) and not yet shown stays noted.
    void rearm();

  private:
    static_assert(std::atomic<DeviceError>::is_always_lock_free);
    std::atomic<DeviceError> pending_{DeviceError::none};
    std::atomic<bool> shownThisPlayback_{false};
};
