#pragma once
#include <optional>
#include <string>
#include <vector>

#include "app/Window.h"
#include "playback/MidiInputStream.h"
#include "resources/CommandIds.h"

// What the "MIDI入力" choice asks of the platform: the system's MIDI input devices, and one of them open.
class MidiInputPort {
  public:
    virtual ~MidiInputPort() = default;
    // The devices' names, in the system's order (its device numbers).
    virtual std::vector<std::string> inputDeviceNames() = 0;
    // Opens the device and starts it, handing what arrives to sink; the system's words for a failure.
    virtual std::optional<std::string> openInput(int device, MidiInputSink& sink) = 0;
    virtual void closeInput() = 0;
    // The device items of the menu, after "なし".
    virtual void showInputItems(const std::vector<std::string>& names) = 0;
};

// "MIDI入力" in the "音源" menu: "なし" or one of the system's input devices, whose messages go through the
// engine's live input. The choice is kept by the device's name ("MidiIn"), so a device list in another order
// still finds it; a device that is not there at start-up means "なし" without a word, and its name stays for
// the next start.
class MidiInputMenu {
  public:
    static constexpr int noneItem = IDM_MIDI_IN_NONE;
    static constexpr int firstDeviceItem = IDM_MIDI_IN_FIRST;
    static constexpr int maxDevices = IDM_MIDI_IN_LAST - IDM_MIDI_IN_FIRST + 1;

    // savedName is the setting, which a choice changes; window shows the failure to open.
    MidiInputMenu(MidiInputPort& port, MidiInputSink& sink, Window& window, std::string& savedName);

    // Start-up, once the settings are read: lists the devices and opens the saved one.
    void restore();
    // The window is going: the device is closed before the engine.
    void close();
    // The system's devices are known only now or changed (a browser answering late): listed afresh, the saved
    // device opened where it is.
    void devicesChanged() { close(), restore(); }

    bool handles(int id) const;
    void run(int id);
    bool checked(int id) const;

  private:
    void open(int device);

    MidiInputPort& port_;
    MidiInputSink& sink_;
    Window& window_;
    std::string& savedName_;
    std::vector<std::string> names_;
    int openDevice_ = -1;  // -1: なし
};
