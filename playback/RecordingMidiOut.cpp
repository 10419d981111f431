#include "playback/RecordingMidiOut.h"

#include "playback/MessageLine.h"

DeviceError RecordingMidiOut::sendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    const uint8_t bytes[] = {status, data1, data2};
    messages_.push_back({timeMs_, MessageBytes(bytes, sizeof bytes)});
    return DeviceError::none;
}

void RecordingMidiOut::sendLongMessage(const uint8_t* bytes, size_t count) {
    if (count == 0 || count > longMessageCapacity) return;
    messages_.push_back({timeMs_, MessageBytes(bytes, count)});
}

std::string RecordingMidiOut::formatLine(const Message& message) {
    char line[messageLineCapacity];
    const size_t length =
        formatMessageLine(message.timeMs, message.bytes.data(), message.bytes.size(), line, sizeof line);
    return std::string(line, length);
}
