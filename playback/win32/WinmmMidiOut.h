#pragma once
#include <windows.h>
// mmsystem.h needs the types of windows.h first.
#include <mmsystem.h>

#include <array>
#include <mutex>
#include <string>
#include <vector>

#include "playback/LongMessageRing.h"
#include "playback/MidiOut.h"
#include "playback/ShortMessageFailures.h"

// The MIDI mapper through winmm. The rotation of the SysEx buffers is the ring's; this half only
// prepares, sends and unprepares them.
class WinmmMidiOut : public MidiOut, private LongMessagePort {
  public:
    explicit WinmmMidiOut(ShortMessageFailures& failures) : failures_(failures) {}
    ~WinmmMidiOut() override;

    // Opens the system's output device of that index, or the MIDI mapper for -1; DeviceError::none on
    // success.
    DeviceError openMidiOut(int device = -1);
    // Windows' own description of the last failed open.
    const std::string& openFailureText() const { return openFailureText_; }
    // The end, in two steps around the freeing of the song (after the timer is gone): resetMidiOut
    // silences the device and unprepares the SysEx buffers, closeMidiOut closes it (resetting it first
    // when that was not done). Each returns what failed, usually nothing.
    std::vector<CloseFailure> resetMidiOut();
    std::vector<CloseFailure> closeMidiOut();
    bool isOpen() const { return open_; }

    // Prepares the long-message buffers, once; the song load calls it before its first SysEx.
    void ensureLongMessageHeaders();

    DeviceError sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;

  private:
    void deliverLongMessage(const uint8_t* bytes, size_t count) override;
    // LongMessagePort
    bool doneWith(int buffer) const override;
    bool send(int buffer, size_t count) override;
    // At close only: lets a SysEx still going out finish before its buffer is released.
    bool waitUntilDone(int buffer) const;
    void releaseLongMessageHeaders();

    ShortMessageFailures& failures_;
    HMIDIOUT handle_ = nullptr;
    bool open_ = false;
    bool reset_ = false;  // since the device was opened
    std::string openFailureText_;
    std::mutex longMutex_;
    LongMessageRing ring_;
    std::array<MIDIHDR, LongMessageRing::bufferCount> headers_{};
    bool headersPrepared_ = false;
};
