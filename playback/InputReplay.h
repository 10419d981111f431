#pragma once
#include <condition_variable>
#include <cstdint>
#include <fstream>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "playback/MidiInputStream.h"

// "/in:replay=FILE": the lines of a recorded MIDI input handed to a sink at their times, on a thread of its
// own, as a device's driver hands over what arrives. A line's time counts from the origin given (the
// recording output's, so that both files keep one clock); a line whose time has passed goes at once.
// The wait ends with a short spin, so a line goes within microseconds of its time and the time between its
// arrival and the device's lines is the program's own.
class InputReplay {
  public:
    // The number of the first line that is not one of input (0: the file cannot be read); nothing when the
    // whole file can be replayed.
    static std::optional<long> firstBadLine(const std::string& path);

    explicit InputReplay(const std::string& path);
    ~InputReplay() { stop(); }

    // Called once: the file is read through a single time. originMicroseconds is on
    // FileRecordingMidiOut::steadyMicroseconds' clock.
    void start(MidiInputSink& sink, int64_t originMicroseconds);
    // Returns once the sink is called no more.
    void stop();

  private:
    void run(MidiInputSink& sink, int64_t originMicroseconds);
    bool waitUntil(int64_t microseconds);

    std::ifstream file_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;  // guarded by mutex_
};
