#include "effects/LiveControls.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;
}

const std::array<LiveControls::FixedController, LiveControls::fixedCellCount> LiveControls::fixedControllers{{
    {midi::controller::volume, &LiveControls::volumeFixed, &LiveControls::volumeValue},
    {midi::controller::reverb, &LiveControls::reverbFixed, &LiveControls::reverbValue},
    {midi::controller::chorus, &LiveControls::chorusFixed, &LiveControls::chorusValue},
    {midi::controller::modulation, &LiveControls::modulationFixed, &LiveControls::modulationValue},
}};

bool LiveControls::overrides(int cell, int channel) const {
    return (cell == volumeCell && volumeAllFixed.load(relaxed)) || cellFixed(cell, channel);
}

void LiveControls::fixCell(int cell, int channel, uint8_t value) {
    (this->*fixedControllers[size_t(cell)].value)[channel].store(value, relaxed);
    (this->*fixedControllers[size_t(cell)].fixed)[channel].store(true, relaxed);
}

void LiveControls::sendFixed(int channel, MidiOut& out) const {
    const uint8_t status = midi::statusOf(midi::controlChange, channel);
    for (int cell = 0; cell < fixedCellCount; ++cell)
        if (overrides(cell, channel))
            out.sendShortMessage(status, fixedControllers[size_t(cell)].number, fixedValue(cell, channel));
}

void LiveControls::reset() {
    for (const FixedController& controller : fixedControllers)
        for (auto& value : this->*controller.value) value.store(0, relaxed);
    resetForSong();  // the volumes to 100
    clearReadouts();
}

void LiveControls::resetForSong() {
    keyShift.store(0, relaxed);
    keyShiftActive.store(false, relaxed);
    soloChannel.store(noChannel, relaxed);
    octaveDoubleChannel.store(noChannel, relaxed);
    volumeAllFixed.store(false, relaxed);
    for (int c = 0; c < channelCount; ++c) {
        channelMuted[c].store(false, relaxed);
        volumeValue[c].store(100, relaxed);
        for (const FixedController& controller : fixedControllers)
            (this->*controller.fixed)[c].store(false, relaxed);
    }
}

void LiveControls::clearReadouts() {
    for (int c = 0; c < channelCount; ++c) {
        channelLevel[c].store(notSounded, relaxed);
        channelPitchClass[c].store(notSounded, relaxed);
        channelPlayed[c].store(false, relaxed);
    }
}

void LiveControls::copyControls(const LiveControls& from) {
    auto copy = [](auto& to, const auto& value) { to.store(value.load(relaxed), relaxed); };
    copy(keyShift, from.keyShift);
    copy(keyShiftActive, from.keyShiftActive);
    copy(soloChannel, from.soloChannel);
    copy(octaveDoubleChannel, from.octaveDoubleChannel);
    copy(volumeAllFixed, from.volumeAllFixed);
    for (int c = 0; c < channelCount; ++c) {
        copy(channelMuted[c], from.channelMuted[c]);
        for (const FixedController& controller : fixedControllers) {
            copy((this->*controller.fixed)[c], (from.*controller.fixed)[c]);
            copy((this->*controller.value)[c], (from.*controller.value)[c]);
        }
    }
}
