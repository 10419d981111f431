#include "playback/RecordingMidiOut.h"

#include <cstdio>

DeviceError RecordingMidiOut::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    messages_.push_back({timeMs_, {status, data1, data2}});
    return DeviceError::none;
}

void RecordingMidiOut::sendLongMessage(const uint8_t* bytes, size_t count) {
    if (count == 0 || count > longMessageCapacity) return;
    messages_.push_back({timeMs_, std::vector<uint8_t>(bytes, bytes + count)});
}

std::string RecordingMidiOut::formatLine(const Message& message) {
    std::string line = std::to_string(message.timeMs);
    char hex[4];
    for (uint8_t byte : message.bytes) {
        std::snprintf(hex, sizeof hex, " %02X", byte);
        line += hex;
    }
    return line;
}
