#include "app/MidiInputMenu.h"

#include <algorithm>

#include "app/Messages.h"

MidiInputMenu::MidiInputMenu(MidiInputPort& port, MidiInputSink& sink, Window& window, std::string& savedName)
    : port_(port), sink_(sink), window_(window), savedName_(savedName) {}

void MidiInputMenu::restore() {
    names_ = port_.inputDeviceNames();
    if (names_.size() > size_t(maxDevices)) names_.resize(size_t(maxDevices));
    port_.showInputItems(names_);
    if (savedName_.empty()) return;
    const auto found = std::find(names_.begin(), names_.end(), savedName_);
    if (found != names_.end()) open(int(found - names_.begin()));
}

void MidiInputMenu::close() {
    if (openDevice_ >= 0) port_.closeInput();
    openDevice_ = -1;
}

bool MidiInputMenu::handles(int id) const {
    return id == noneItem || (id >= firstDeviceItem && id < firstDeviceItem + maxDevices);
}

void MidiInputMenu::run(int id) {
    const int device = id - firstDeviceItem;
    if (id != noneItem && size_t(device) >= names_.size()) return;
    close();
    savedName_.clear();
    if (id != noneItem) open(device);
}

bool MidiInputMenu::checked(int id) const {
    return id == noneItem ? openDevice_ < 0 : id - firstDeviceItem == openDevice_;
}

// A device that will not open leaves "なし" chosen, so the next start does not try it again.
void MidiInputMenu::open(int device) {
    if (const std::optional<std::string> failure = port_.openInput(device, sink_)) {
        savedName_.clear();
        window_.showMessage(midiInputFailureText(*failure));
        return;
    }
    openDevice_ = device;
    savedName_ = names_[size_t(device)];
}
