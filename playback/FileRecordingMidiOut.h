#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <utility>

#include "playback/MessageLine.h"
#include "playback/MidiOut.h"
#include "playback/OutputFile.h"

// The output of "/out:record=FILE": every message goes to a text file, one line each in velmira-render's
// form ("T 90 3C 64"), then a tab and the real time in microseconds since the output was opened. T is the
// play time the timer has reached (PlayTimeStampingTimer sets it), so a recording can be laid beside the
// renderer's lines for the same song. The lines go to a temporary file beside FILE, each flushed at once (a
// program that is killed loses nothing it sent, and a script can watch it), which becomes FILE at finish()
// only when every line was written.
//
// Messages come from the timer thread and the window thread; one lock keeps the lines whole.
class FileRecordingMidiOut : public MidiOut {
  public:
    // Microseconds from any fixed origin; the program's clock is steady, the tests' a fake one.
    using MicrosecondClock = std::function<int64_t()>;
    static int64_t steadyMicroseconds();

    // path is UTF-8. isOpen() tells whether the recording could be started.
    explicit FileRecordingMidiOut(const std::string& path, MicrosecondClock clock = steadyMicroseconds);

    bool isOpen() const { return file_.isOpen(); }
    // The clock's value when the output was opened: the lines' real times count from it.
    int64_t openedAt() const { return openedAt_; }
    // False once a line could not be written (a full disk); later lines are still tried.
    bool allWritten() const { return allWritten_.load(std::memory_order_relaxed); }

    // Puts the recording in FILE's place, once nothing sends any more. False, with no file left, when a
    // line was lost or the file could not be completed: a recording that looks whole must be whole.
    bool finish();

    // The T of the lines that follow, in ms.
    void setPlayTime(long timeMs) { playTimeMs_.store(timeMs, std::memory_order_relaxed); }

    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;

  private:
    void deliverLongMessage(const uint8_t* bytes, size_t count) override;
    void writeLine(const uint8_t* bytes, size_t count);

    MicrosecondClock clock_;
    const int64_t openedAt_;
    std::atomic<long> playTimeMs_{0};
    std::atomic<bool> allWritten_{true};
    std::mutex fileMutex_;
    OutputFile file_;                           // guarded by fileMutex_
    char line_[messageLineCapacity + 24] = {};  // guarded by fileMutex_
};
