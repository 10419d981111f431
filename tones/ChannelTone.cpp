#include "tones/ChannelTone.h"

void ChannelTones::reset() {
    for (int c = 0; c < channelCount; ++c) {
        toneFixed[c].store(false, std::memory_order_relaxed);
        tone[c].program.store(0, std::memory_order_relaxed);
        tone[c].bank.store(0, std::memory_order_relaxed);
    }
    ++songGeneration;
}

void ChannelTones::fix(int channel, uint8_t program, uint8_t bank) {
    tone[channel].program.store(program, std::memory_order_relaxed);
    tone[channel].bank.store(bank, std::memory_order_relaxed);
    toneFixed[channel].store(true, std::memory_order_release);
}
