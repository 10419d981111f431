#include "tones/ChannelTone.h"

namespace {
// One word per channel: the program in bits 0-7, the bank in bits 8-15, the lock in bit 16 and the count
// of the song's changes in bits 17-31.
constexpr int programShift = 0;
constexpr int bankShift = 8;
constexpr uint32_t fixedBit = 1u << 16;
constexpr int changesShift = 17;
constexpr uint32_t byteMask = 0xFF;
constexpr uint32_t oneChange = 1u << changesShift;

static_assert(std::atomic<uint32_t>::is_always_lock_free, "the event filter must never wait");

ChannelTone unpack(uint32_t word) {
    return {uint8_t(word >> programShift), uint8_t(word >> bankShift), (word & fixedBit) != 0,
            uint16_t(word >> changesShift)};
}
}  // namespace

ChannelTone ChannelTones::at(int channel) const {
    return unpack(words_[channel].load(std::memory_order_acquire));
}

void ChannelTones::reset() {
    for (auto& word : words_) word.store(0, std::memory_order_relaxed);
    ++songGeneration_;
}

uint8_t ChannelTones::takeSongProgram(int channel, uint8_t program) {
    return takeSongValue(channel, programShift, program);
}

uint8_t ChannelTones::takeSongBank(int channel, uint8_t bank) {
    return takeSongValue(channel, bankShift, bank);
}

uint8_t ChannelTones::takeSongValue(int channel, int shift, uint8_t value) {
    std::atomic<uint32_t>& word = words_[channel];
    uint32_t seen = word.load(std::memory_order_acquire);
    // A failed swap means the dialog locked the channel (or reset it) in between: look again.
    while (!(seen & fixedBit)) {
        const uint32_t taken = (seen & ~(byteMask << shift)) | uint32_t(value) << shift;
        if (word.compare_exchange_weak(seen, taken, std::memory_order_acq_rel, std::memory_order_acquire))
            return value;
    }
    return uint8_t(seen >> shift);
}

ChannelTone ChannelTones::songToneSent(int channel) {
    std::atomic<uint32_t>& word = words_[channel];
    uint32_t seen = word.load(std::memory_order_acquire);
    while (!(seen & fixedBit)) {
        // The count wraps by dropping out of the word's top.
        if (word.compare_exchange_weak(seen, seen + oneChange, std::memory_order_acq_rel,
                                       std::memory_order_acquire))
            return unpack(seen + oneChange);
    }
    return unpack(seen);
}

ChannelTone ChannelTones::fix(int channel, uint8_t program, uint8_t bank) {
    const uint32_t locked = uint32_t(program) << programShift | uint32_t(bank) << bankShift | fixedBit;
    return unpack(words_[channel].exchange(locked, std::memory_order_acq_rel));
}

void ChannelTones::fixCurrent(int channel) {
    words_[channel].fetch_or(fixedBit, std::memory_order_acq_rel);
}

void sendTone(MidiOut& out, int channel, uint8_t program, uint8_t bank) {
    using namespace midi;
    if (channel != drumChannel) {
        out.sendShortMessage(statusOf(controlChange, channel), controller::bankSelect, bank);
        out.sendShortMessage(statusOf(controlChange, channel), controller::bankSelectLsb, 0);
    }
    out.sendShortMessage(statusOf(programChange, channel), program, 0);
}
