#pragma once
#include <windows.h>
// mmsystem.h needs the types of windows.h first.
#include <mmsystem.h>

#include <array>
#include <mutex>
#include <string>
#include <vector>

#include "playback/MidiOut.h"
#include "playback/ShortMessageFailures.h"

// The MIDI mapper through winmm.
class WinmmMidiOut : public MidiOut {
  public:
    explicit WinmmMidiOut(ShortMessageFailures& failures) : failures_(failures) {}
    ~WinmmMidiOut() override;

    // Opens the MIDI mapper. On failure returns false and puts the text to show in errorText.
    bool openMidiOut(std::string& errorText);
    // Resets and closes the device; returns the texts to show (caption "Error"), usually none.
    std::vector<std::string> closeMidiOut();
    bool isOpen() const { return open_; }

    // Prepares the long-message buffers, once; the song load calls it before its first SysEx.
    void ensureLongMessageHeaders();

    int sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) override;
    void sendLongMessage(const uint8_t* bytes, size_t count) override;

  private:
    // A SysEx may still be going out when the next one is due, so the buffers rotate, and one is reused
    // only once the device has said it is done with it.
    static constexpr int bufferCount = 4;
    struct LongBuffer {
        MIDIHDR header{};
        std::array<char, longMessageCapacity> data{};
        bool sent = false;
    };
    static bool isFree(const LongBuffer& buffer);
    // At close only: lets a SysEx still going out finish before its buffer is released.
    bool waitUntilDone(LongBuffer& buffer);
    void releaseLongMessageHeaders();

    ShortMessageFailures& failures_;
    HMIDIOUT handle_ = nullptr;
    bool open_ = false;
    std::mutex longMutex_;
    std::vector<LongBuffer> buffers_;  // allocated once; never while playing
    int nextBuffer_ = 0;
};
