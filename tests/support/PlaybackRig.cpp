#include "tests/support/PlaybackRig.h"

void PlaybackRig::tick(int count) {
    for (int i = 0; i < count && timer.running(); ++i) {
        out.setTime(nowMs);
        pendingTicks_ = 0;
        timer.tick();
        if (pendingTicks_ > 0) updates.push_back(player.onTick());
        nowMs += timer.periodMs();
    }
}

std::vector<std::string> messageLines(const std::vector<RecordingMidiOut::Message>& messages, size_t from) {
    std::vector<std::string> result;
    for (size_t i = from; i < messages.size(); ++i)
        result.push_back(RecordingMidiOut::formatLine(messages[i]));
    return result;
}

std::vector<std::string> PlaybackRig::linesOfKind(uint8_t kind) const {
    std::vector<std::string> result;
    for (const auto& message : out.messages())
        if (message.bytes.size() == 3 && (message.bytes[0] & 0xF0) == kind)
            result.push_back(RecordingMidiOut::formatLine(message));
    return result;
}
