#include "effects/AutoPan.h"

namespace {
constexpr auto relaxed = std::memory_order_relaxed;
constexpr int lowest = 1;
constexpr int highest = 126;
}  // namespace

AutoPan::AutoPan(MidiOut& out, const LiveControls& controls, const SongBuffer& song)
    : out_(out), controls_(controls), song_(song) {
    reset();
}

void AutoPan::reset() {
    holder.store(noChannel, relaxed);
    for (int channel = 0; channel < midi::channelCount; ++channel) {
        speed[channel].store(0, relaxed);
        restart(channel);
    }
}

void AutoPan::restart(int channel) {
    value[channel].store(centre, relaxed);
    rising[channel].store(true, relaxed);
    count[channel].store(0, relaxed);
}

bool AutoPan::setSpeed(int channel, int newSpeed) {
    const uint8_t format = song_.songFormat();
    if (format > 1) return false;
    const int current = holder.load(relaxed);
    if (format == 0 && current != noChannel && current != channel) return false;

    // The timer thread reads the holder first, so the channel's sweep is ready before it becomes one.
    restart(channel);
    speed[channel].store(newSpeed, relaxed);
    if (format == 0) holder.store(newSpeed == 0 ? noChannel : channel, relaxed);
    return true;
}

int AutoPan::sweptChannel(uint8_t runningStatus, int& pace) const {
    const int channel = song_.songFormat() == 0 ? holder.load(relaxed) : midi::channelOf(runningStatus);
    if (channel >= midi::channelCount) return noChannel;
    const int solo = controls_.soloChannel.load(relaxed);
    pace = speed[channel].load(relaxed);
    if ((solo < noChannel && channel != solo) || pace <= 0 ||
        controls_.channelLevel[channel].load(relaxed) == LiveControls::notSounded ||
        controls_.channelMuted[channel].load(relaxed))
        return noChannel;
    return channel;
}

void AutoPan::step(uint8_t runningStatus) {
    int pace = 0;
    const int channel = sweptChannel(runningStatus, pace);
    if (channel == noChannel) return;
    const int counted = count[channel].load(relaxed) + 1;
    if (counted < maxSpeed + 1 - pace) {
        count[channel].store(counted, relaxed);
        return;
    }
    count[channel].store(0, relaxed);
    int next = value[channel].load(relaxed);
    if (rising[channel].load(relaxed)) {
        if (++next > highest) {
            next = highest;
            rising[channel].store(false, relaxed);
        }
    } else if (--next < lowest) {
        next = lowest;
        rising[channel].store(true, relaxed);
    }
    value[channel].store(uint8_t(next), relaxed);
    out_.sendShortMessage(midi::statusOf(midi::controlChange, channel), midi::controller::pan, uint8_t(next));
}
