#include "playback/MidiInputStream.h"

#include "playback/MidiVocabulary.h"

namespace {
constexpr uint8_t firstRealtime = 0xF8;
constexpr uint8_t firstSystem = 0xF0;
constexpr uint8_t firstStatus = 0x80;
}  // namespace

std::optional<ChannelMessage> MidiInputStream::feed(uint8_t byte) {
    // Clock, start, stop, active sensing and reset may arrive between any two bytes of a message.
    if (byte >= firstRealtime) return std::nullopt;
    if (byte >= firstStatus) {
        runningStatus_ = byte < firstSystem ? byte : 0;
        dataCount_ = 0;
        return std::nullopt;
    }
    if (runningStatus_ == 0) return std::nullopt;
    data_[dataCount_++] = byte;
    const int needed = midi::hasOneDataByte(runningStatus_) ? 1 : 2;
    if (dataCount_ < needed) return std::nullopt;
    dataCount_ = 0;
    return ChannelMessage{runningStatus_, data_[0], uint8_t(needed == 2 ? data_[1] : 0)};
}

size_t shortMessageLength(uint8_t firstByte) {
    if (firstByte < firstStatus) return 2;
    if (firstByte >= firstSystem) {
        switch (firstByte) {
            case 0xF1:  // time code quarter frame
            case 0xF3:  // song select
                return 2;
            case 0xF2:  // song position
                return 3;
            default:
                return 1;
        }
    }
    return midi::hasOneDataByte(firstByte) ? 2 : 3;
}
