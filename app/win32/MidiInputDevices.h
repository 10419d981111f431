#pragma once
#include <windows.h>

#include "app/MidiInputMenu.h"
#include "playback/win32/WinmmMidiIn.h"

// The "MIDI入力" choice's Windows half: the winmm devices, and their items in the window's menu.
class MidiInputDevices : public MidiInputPort {
  public:
    // window: the main window, whose menu holds "MIDI入力" (its handle is set once the window exists).
    explicit MidiInputDevices(const HWND& window) : window_(window) {}

    std::vector<std::string> inputDeviceNames() override { return WinmmMidiIn::deviceNames(); }
    std::optional<std::string> openInput(int device, MidiInputSink& sink) override {
        return input_.open(device, sink);
    }
    void closeInput() override { input_.close(); }
    void showInputItems(const std::vector<std::string>& names) override;

  private:
    const HWND& window_;
    WinmmMidiIn input_;
};
