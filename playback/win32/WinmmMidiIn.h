#pragma once
#include <windows.h>
// mmsystem.h needs the types of windows.h first.
#include <mmsystem.h>

#include <optional>
#include <string>
#include <vector>

#include "playback/MidiInputStream.h"

// One of the system's MIDI input devices through winmm, opened with a callback: each short message goes to
// the sink on the driver's thread as it arrives. No buffers are given for system exclusive data, so none
// comes in.
class WinmmMidiIn {
  public:
    ~WinmmMidiIn() { close(); }

    static std::vector<std::string> deviceNames();
    // Windows' words for a failure; nothing once the device is open and started.
    std::optional<std::string> open(int device, MidiInputSink& sink);
    void close();

  private:
    static void CALLBACK onInput(HMIDIIN handle, UINT message, DWORD_PTR instance, DWORD_PTR param1,
                                 DWORD_PTR param2);

    HMIDIIN handle_ = nullptr;
    MidiInputSink* sink_ = nullptr;
};
