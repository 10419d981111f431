#include "effects/LiveControls.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;
}

void LiveControls::reset() {
    resetForSong();
    for (int c = 0; c < channelCount; ++c) {
        reverbValue[c].store(0, relaxed);
        chorusValue[c].store(0, relaxed);
        modulationValue[c].store(0, relaxed);
    }
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
        volumeFixed[c].store(false, relaxed);
        reverbFixed[c].store(false, relaxed);
        chorusFixed[c].store(false, relaxed);
        modulationFixed[c].store(false, relaxed);
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
        copy(volumeFixed[c], from.volumeFixed[c]);
        copy(volumeValue[c], from.volumeValue[c]);
        copy(reverbFixed[c], from.reverbFixed[c]);
        copy(reverbValue[c], from.reverbValue[c]);
        copy(chorusFixed[c], from.chorusFixed[c]);
        copy(chorusValue[c], from.chorusValue[c]);
        copy(modulationFixed[c], from.modulationFixed[c]);
        copy(modulationValue[c], from.modulationValue[c]);
    }
}
