#include "app/MidiOutMenu.h"

#include <algorithm>

#include "app/Messages.h"
#include "resources/CommandIds.h"

namespace {
constexpr int deviceItems = IDM_MIDI_OUT_LAST - IDM_MIDI_OUT_MAPPER;  // the items after the mapper's
}  // namespace

void MidiOutMenu::start() {
    devices_ = port_.outputDevices();
    if (devices_.size() > size_t(deviceItems)) devices_.resize(size_t(deviceItems));
    std::vector<std::string> labels = {midiMapperLabel};
    labels.insert(labels.end(), devices_.begin(), devices_.end());
    port_.showMidiOutItems(labels);
    if (savedName_.empty()) return;
    const auto found = std::find(devices_.begin(), devices_.end(), savedName_);
    // The mapper is open already; the name stays for the day the device is back.
    if (found == devices_.end()) return window_.showMessage(midiOutFallbackText(savedName_));
    open(int(found - devices_.begin()));
}

int MidiOutMenu::deviceOf(int id) const {
    return id - IDM_MIDI_OUT_MAPPER - 1;
}

bool MidiOutMenu::handles(int id) const {
    const int device = deviceOf(id);
    return device >= mapperDevice && device < int(devices_.size());
}

void MidiOutMenu::run(int id) {
    if (!handles(id) || playing_()) return;
    const int device = deviceOf(id);
    savedName_ = device == mapperDevice ? std::string() : devices_[size_t(device)];
    open(device);
}

bool MidiOutMenu::checked(int id) const {
    return handles(id) && deviceOf(id) == chosen_;
}

void MidiOutMenu::open(int device) {
    if (device == chosen_) return;
    if (!port_.reopenMidiOut(device)) {
        if (device == mapperDevice) return;  // nothing left to fall back to; the device's errors will tell
        window_.showMessage(midiOutFallbackText(devices_[size_t(device)]));
        device = mapperDevice;
        port_.reopenMidiOut(device);
    }
    chosen_ = device;
}
