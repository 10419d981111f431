#include "app/MasterVolume.h"

#include <algorithm>

uint8_t scaledVolume(int base, int masterVolume) {
    return uint8_t(std::min(127, int(base * masterVolume * 0.01)));
}

void applyMasterVolume(LiveControls& controls, const std::array<uint8_t, midi::channelCount>& volumeBase,
                       int masterVolume, MidiOut& out) {
    for (int channel = 0; channel < midi::channelCount; ++channel) {
        const uint8_t value = scaledVolume(volumeBase[channel], masterVolume);
        controls.volumeValue[channel].store(value, std::memory_order_relaxed);
        out.sendShortMessage(midi::statusOf(midi::controlChange, channel), midi::controller::volume, value);
    }
    controls.volumeAllFixed.store(true, std::memory_order_relaxed);
}
