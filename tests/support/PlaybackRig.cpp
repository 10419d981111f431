#include "tests/support/PlaybackRig.h"

PlaybackRig::PlaybackRig()
    : sequencer(song, out, *this, controls, *this), player(song, sequencer, out, timer, *this, failures) {}

void PlaybackRig::load(std::vector<uint8_t> image) {
    player.loadSong(std::move(image));
}

void PlaybackRig::processChannelMessage(int, const ChannelMessage& message) {
    out.sendShortMessage(message.status, message.data1, message.data2);
}

void PlaybackRig::tick() {
    out.setTime(nowMs);
    pendingTicks_ = 0;
    if (!timer.tick()) return;
    if (pendingTicks_ > 0) {
        ++ticksHandled;
        updates.push_back(player.onTick());
    }
    nowMs += timer.periodMs();
}

void PlaybackRig::ticks(int count) {
    for (int i = 0; i < count; ++i) tick();
}

int PlaybackRig::runUntilStopped(int limit) {
    for (int i = 0; i < limit; ++i) {
        if (!timer.running()) return i;
        tick();
    }
    return limit;
}

std::vector<std::string> PlaybackRig::lines(size_t from) const {
    std::vector<std::string> result;
    for (size_t i = from; i < out.messages().size(); ++i)
        result.push_back(RecordingMidiOut::formatLine(out.messages()[i]));
    return result;
}

std::vector<std::string> PlaybackRig::linesOfKind(uint8_t kind) const {
    std::vector<std::string> result;
    for (const auto& message : out.messages())
        if (message.bytes.size() == 3 && (message.bytes[0] & 0xF0) == kind)
            result.push_back(RecordingMidiOut::formatLine(message));
    return result;
}
