#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "app/MidiOutMenu.h"

// "MIDI出力" on Windows: the devices midiOutGetDevCaps names, the output opened again through the
// program's output, and the devices' items after the mapper's in the submenu of "音源".
class MidiOutChoice : public MidiOutPort {
  public:
    using Reopener = std::function<bool(int device)>;
    explicit MidiOutChoice(Reopener reopen) : reopen_(std::move(reopen)) {}

    // The window whose menu shows the items; set once it exists.
    void attach(HWND window) { window_ = window; }

    std::vector<std::string> outputDevices() override;
    bool reopenMidiOut(int device) override { return reopen_(device); }
    void showMidiOutItems(const std::vector<std::string>& labels) override;

  private:
    Reopener reopen_;
    HWND window_ = nullptr;
};
