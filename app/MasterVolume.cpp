#include "app/MasterVolume.h"

#include <algorithm>

uint8_t scaledVolume(int base, int masterVolume) {
    return uint8_t(std::min(127, int(base * masterVolume * 0.01)));
}

void applyMasterVolume(LiveControls& controls, const std::array<uint8_t, 16>& volumeBase, int masterVolume,
                       MidiOut& out) {
    for (int channel = 0; channel < 16; ++channel) {
        const uint8_t value = scaledVolume(volumeBase[channel], masterVolume);
        controls.volumeValue[channel].store(value, std::memory_order_relaxed);
        out.sendShortMessage(uint8_t(0xB0 | channel), 7, value);
    }
    controls.volumeAllFixed.store(true, std::memory_order_relaxed);
}
