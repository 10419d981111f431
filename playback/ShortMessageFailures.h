#pragma once
#include <atomic>
#include <string>

// A lost device fails every message the player sends, from the timer thread. Rather than a message box per
// note, the first failure of a playback is kept here and shown once by the window thread; later failures
// are dropped quietly until the next playback start.
class ShortMessageFailures {
  public:
    // Any thread: notes the result code of a failed send.
    void record(int resultCode);
    // Window thread: the text to show for the failure noted since the last call, once per playback;
    // empty when there is nothing to show.
    std::string takeMessage();
    // At every playback start: the next failure is shown again. One noted while stopped (at a load or a
    // stop) and not yet shown stays noted.
    void rearm();

    // The text for a result code, or empty for codes that are not reported.
    static std::string messageFor(int resultCode);

  private:
    std::atomic<int> pending_{0};
    std::atomic<bool> shownThisPlayback_{false};
};
