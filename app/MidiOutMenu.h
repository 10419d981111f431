#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/Window.h"

// What the choice of the MIDI output asks of the platform.
class MidiOutPort {
  public:
    virtual ~MidiOutPort() = default;
    // The system's MIDI output devices by name, in the system's order.
    virtual std::vector<std::string> outputDevices() = 0;
    // Closes the output and opens the device at that index of outputDevices, or the MIDI mapper for
    // mapperDevice. False when it cannot be opened (the output is then closed).
    virtual bool reopenMidiOut(int device) = 0;
    // The items of "MIDI出力", in order: the mapper's first, then one per device.
    virtual void showMidiOutItems(const std::vector<std::string>& labels) = 0;
};

// "MIDI出力" of the "音源" menu: the MIDI mapper (the default) or one of the system's output devices, kept in
// the settings by its name ("MidiOut", empty for the mapper). Like the sound module, it changes only while
// no song plays; the output is opened again at once. Every choice, of the item ticked already too, is the
// user's and is kept, so that choosing the mapper forgets a device that has gone. A device that cannot be
// opened (missing, or busy with another program) gives way to the mapper for this run, with one message,
// and its name is kept for the next start.
class MidiOutMenu {
  public:
    static constexpr int mapperDevice = -1;

    // savedName is the setting, which this menu changes.
    MidiOutMenu(MidiOutPort& port, Window& window, std::string& savedName, std::function<bool()> playing)
        : port_(port), window_(window), savedName_(savedName), playing_(std::move(playing)) {}

    // Start-up, once the settings are read and the mapper is open: the items, and the saved device.
    void start();

    bool handles(int id) const;
    void run(int id);
    bool checked(int id) const;

  private:
    int deviceOf(int id) const;
    // Opens the device, or the mapper in its place.
    void open(int device);

    MidiOutPort& port_;
    Window& window_;
    std::string& savedName_;
    std::function<bool()> playing_;
    std::vector<std::string> devices_;
    int chosen_ = mapperDevice;
};
